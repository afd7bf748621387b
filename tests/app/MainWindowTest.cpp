#include <QtTest>

#include "app/Unitmain.h"

class MainWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void opensWithTheProductCaption() {
    TForm1 window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.windowTitle(), QStringLiteral("MALVER ver2.16.2"));
    QVERIFY(window.width() >= 640 && window.height() >= 480);
  }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
