#include <QFontDatabase>
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

  // Korean captions must never turn into empty boxes: some installed font covers Hangul.
  void koreanTextHasAFont() {
    const QStringList families = QFontDatabase::families(QFontDatabase::Korean);
    QVERIFY2(!families.isEmpty(), "no font with Hangul installed (fonts-nanum)");
    const QFontMetrics metrics(QFont(families.first()));
    QVERIFY(metrics.inFontUcs4(U'한'));
  }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
