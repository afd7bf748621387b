// At the smallest window, at the size of a first start on a small screen and at a large one, in
// every language, every value each page, strip and dialog shows is whole (its unit perhaps
// left out) or marked as not fitting, and no two captions lie over each other. The views report
// every text they fit; the test reads those reports instead of the pixels, which keeps the
// walk through 14 languages, three sizes and two families short.

#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

#include "app/FittedValue.h"
#include "app/Unit2.h"
#include "app/Unit3.h"
#include "app/Unitcal.h"
#include "app/Unitlevel.h"
#include "app/Unitmain.h"
#include "app/Unitseq.h"
#include "lang/Langtext.h"
#include "settings/Tnastawy.h"
#include "tests/support/WindowSim.h"

namespace {

constexpr QSize kSizes[] = {{640, 480}, {740, 480}, {1280, 800}};
// English, Polish and Korean are the languages whose pages are kept as screenshots.
constexpr int kShotLanguages[] = {0, 1, 12};
const QStringList kShotPages = {QStringLiteral("tab 0"),  QStringLiteral("tab 1"),
                                QStringLiteral("tab 3"),  QStringLiteral("map 11"),
                                QStringLiteral("map 12"), QStringLiteral("obd 31"),
                                QStringLiteral("obd 33")};

QString Where(const QString& page, int language, QSize size) {
  return QStringLiteral("%1, language %2, %3 x %4")
      .arg(page)
      .arg(language)
      .arg(size.width())
      .arg(size.height());
}

// A value shows all of its text, or the number without the unit after it, or the mark.
bool ShownFairly(const DrawnText& t) {
  if (t.shown == t.whole || t.shown == Q(std::string(kDoesNotFit))) return true;
  return t.whole.startsWith(t.shown) && t.whole.at(t.shown.size()) == QLatin1Char(' ');
}

struct Fit {
  explicit Fit(int family) : s(family) {
    s.window->show();
    QApplication::setActiveWindow(s.window.get());
    connected = s.Connect();
    WatchDrawnTexts(&drawn);
  }
  ~Fit() { WatchDrawnTexts(nullptr); }
  TForm1& window() { return *s.window; }

  void Resize(QSize size) {
    window().resize(size.width(), size.height() + window().menuBar()->sizeHint().height());
    QCoreApplication::processEvents();
  }

  // Draws `shown` afresh and checks what its views reported.
  void Check(QWidget& shown, const QString& where) {
    QCoreApplication::processEvents();
    drawn.clear();
    const QPixmap picture = shown.grab();
    for (size_t i = 0; i < drawn.size(); ++i) {
      const DrawnText& t = drawn[i];
      const QString what = where + ": \"" + t.whole + "\" shown as \"" + t.shown + "\"";
      if (t.value) QVERIFY2(ShownFairly(t), qPrintable(what));
      QVERIFY2(t.box.width() <= t.room.width() + 1, qPrintable(what + " runs out of its room"));
      if (t.shown.trimmed().isEmpty()) continue;
      for (size_t j = i + 1; j < drawn.size(); ++j) {
        const DrawnText& u = drawn[j];
        if (u.widget != t.widget || u.shown.trimmed().isEmpty()) continue;
        QVERIFY2(!t.box.intersects(u.box), qPrintable(what + " lies over \"" + u.shown + "\""));
      }
    }
    ++pages;
  }

  // No button or label of `shown` lies over another, and the bottom bar's command buttons keep a
  // gap between them.
  void CaptionsApart(QWidget& shown, const QString& where) {
    std::vector<std::pair<QWidget*, QString>> captions;
    for (QAbstractButton* b : shown.findChildren<QAbstractButton*>())
      if (b->isVisible() && !b->text().isEmpty()) captions.emplace_back(b, b->text());
    for (QLabel* l : shown.findChildren<QLabel*>())
      if (l->isVisible() && !l->text().trimmed().isEmpty() && !l->wordWrap())
        captions.emplace_back(l, l->text());
    const auto rectOf = [&](QWidget* w) {
      return QRect(w->mapTo(&shown, QPoint(0, 0)), w->size());
    };
    for (size_t i = 0; i < captions.size(); ++i) {
      const auto& [widget, text] = captions[i];
      const QRect r = rectOf(widget);
      const QString what = where + ": \"" + text + "\"";
      const bool command = qobject_cast<QPushButton*>(widget) != nullptr;
      for (size_t j = i + 1; j < captions.size(); ++j) {
        const auto& [other, otherText] = captions[j];
        if (widget->isAncestorOf(other) || other->isAncestorOf(widget)) continue;
        const int gap = command && qobject_cast<QPushButton*>(other) ? 2 : 0;
        QVERIFY2(!r.adjusted(-gap, 0, gap, 0).intersects(rectOf(other)),
                 qPrintable(what + " lies over \"" + otherText + "\""));
      }
    }
  }

  // The pages of the main window, each selected in turn; `visit` looks at each.
  void VisitPages(const std::function<void(const QString&)>& visit) {
    const auto page = [&](const QString& name) {
      QCoreApplication::processEvents();
      visit(name);
    };
    for (int tab : {kSettingsTab, kCalibrationTab, kDiagnosticsTab}) {
      window().SelectTab(tab);
      page(QStringLiteral("tab %1").arg(tab));
    }
    window().SelectTab(kMapTab);
    for (int button : {11, 12, 13, 14, 15, 16, 21, 22, 23, 24, 25, 26}) {
      if (window().mapButton(button)->isHidden()) continue;
      window().MapSubViewClicked(button);
      page(QStringLiteral("map %1").arg(button));
    }
    window().SelectTab(kScopeTab);
    for (int press = 0; press < (s.link().Czy_KAVI() ? 4 : 3); ++press) {
      page(QStringLiteral("scope %1").arg(press));
      window().tabButton(kScopeTab)->click();
    }
    window().SelectTab(kObdTab);
    for (int button : {31, 33}) {
      window().ObdSubTabClicked(button);
      page(QStringLiteral("obd %1").arg(button));
    }
  }

  // The windows the settings editor and the menus open.
  void VisitDialogs(const std::function<void(QWidget&, const QString&)>& visit) {
    window().SelectTab(kSettingsTab);
    TNastawy& editor = window().settingsEditor();
    const auto dialog = [&](QWidget& shown, const QString& name) {
      QCoreApplication::processEvents();
      visit(shown, name);
      shown.close();
    };
    emit editor.InjectorSequenceRequested();
    dialog(window().injectorSequence(), QStringLiteral("injector sequence"));
    emit editor.LevelSensorRequested();
    dialog(window().levelSensor(), QStringLiteral("level sensor"));
    emit editor.CalculatorRequested();
    dialog(window().calculator(), QStringLiteral("calculator"));
    emit editor.CorrectionsRequested();
    dialog(window().settingsHelp(), QStringLiteral("injector corrections"));
    emit editor.HelpPanelRequested(15);
    dialog(window().settingsHelp(), QStringLiteral("help of setting 15"));
    window().OpenServiceWindow();
    dialog(window().deviceWindow(), QStringLiteral("service window"));
  }

  WindowSim s;
  std::vector<DrawnText> drawn;
  bool connected = false;
  int pages = 0;
};

}  // namespace

class WindowFitTest : public QObject {
  Q_OBJECT

 private slots:
  void valuesWholeAndCaptionsApart_data() {
    QTest::addColumn<int>("family");
    for (int family : {2, 255})
      QTest::newRow(qPrintable(QString::number(family))) << family;
  }
  void valuesWholeAndCaptionsApart() {
    QFETCH(int, family);
    Fit f(family);
    QVERIFY(f.connected);
    for (QSize size : kSizes) {
      f.Resize(size);
      for (int language = 0; language < TextTable::kLanguageCount; ++language) {
        f.window().SetLanguage(language);
        f.VisitPages([&](const QString& page) {
          f.Check(f.window(), Where(page, language, size));
          f.CaptionsApart(f.window(), Where(page, language, size));
        });
        if (QTest::currentTestFailed()) return;
        f.VisitDialogs([&](QWidget& dialog, const QString& name) {
          f.Check(dialog, Where(name, language, size));
          f.CaptionsApart(dialog, Where(name, language, size));
        });
        if (QTest::currentTestFailed()) return;
      }
    }
    QVERIFY(f.pages > 500);
  }

  // The pages an installer sees first, at the size of a first start on a small screen, kept in
  // the build folder to be looked at.
  void screenshots() {
    for (int family : {2, 255}) {
      Fit f(family);
      QVERIFY(f.connected);
      f.Resize(kSizes[1]);
      for (int language : kShotLanguages) {
        f.window().SetLanguage(language);
        f.VisitPages([&](const QString& page) {
          if (!kShotPages.contains(page)) return;
          for (int frame = 0; frame < 3; ++frame)
            f.s.Tick();  // the readings as an installer sees them
          QCoreApplication::processEvents();
          QVERIFY(f.window().grab().save(QStringLiteral(SCREENSHOT_FOLDER "/fit-family%1-%2-%3.png")
                                             .arg(family)
                                             .arg(language)
                                             .arg(QString(page).replace(' ', '-'))));
        });
      }
    }
  }
};

QTEST_MAIN(WindowFitTest)
#include "WindowFitTest.moc"
