// A walk through the whole main window as an installer would take it, for each family: every
// tab, sub-view, command button, help button, menu entry and shortcut either does something
// one can see or is hidden or disabled. Screenshots of every page go to the build folder.

#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

#include "app/ChannelList.h"
#include "app/InjectionGrid.h"
#include "app/ParameterGrid.h"
#include "app/RightPanel.h"
#include "app/Unitmain.h"
#include "controller/Tsterownik.h"
#include "lang/Langtext.h"
#include "obd/Telmobd.h"
#include "sim/ElmAdapter.h"
#include "sim/ElmPairing.h"
#include "tests/support/LinkTestAccess.h"
#include "tests/support/WindowSim.h"

namespace {

// What an installer can see change: answers asked, windows, views, the controller's orders.
struct Seen {
  size_t messages, dialogs, opened;
  int tab, subView, obdSubTab, obdTask, language, level, scheme, windows, port, elmPort;
  uint32_t commands, writes;
  bool portOpen, elmOpen, calibrating, leftPanel, rightPanel;
  QString title;

  bool operator==(const Seen&) const = default;
};

int VisibleWindows() {
  int count = 0;
  for (QWidget* w : QApplication::topLevelWidgets())
    count += w->isVisible();
  return count;
}

// The designed size of the window: nothing of it may be cut.
constexpr int kWidth = 740, kHeight = 480;

struct Walk {
  explicit Walk(int family) : s(family), family(family) {
    s.window->SetLanguage(0);
    s.window->resize(kWidth, kHeight + s.window->menuBar()->sizeHint().height());
    s.window->show();
    QApplication::setActiveWindow(s.window.get());  // its shortcuts reach it
    connected = s.Connect();
    elm =
        std::make_unique<sim::ElmPairing>(window().obd(), adapter, [this] { window().ObdTick(); });
    connected = connected && elm->TickUntil([&] { return window().obd().CarConnected(); }, 3000);
  }
  TForm1& window() { return *s.window; }

  Seen Now() {
    QCoreApplication::processEvents();
    const TSterownik& link = s.link();
    return {s.ui.messages.size(),
            s.ui.dialogs.size(),
            s.ui.opened.size(),
            window().CurrentTab(),
            window().PodWidokMapy(),
            window().PodZakladkaObd(),
            window().obd().Zadanie(),
            Texts().LanguageIndex,
            window().ViewLevel(),
            window().ColourScheme(),
            VisibleWindows(),
            link.PortNumber,
            window().obd().PortNumber,
            link.FlagiRozkazow(),
            link.FlagiZapisu(),
            link.PolaczonyPortComm(),
            window().obd().PortConnected(),
            link.KalibracjaTrwa(),
            window().channelList().isVisible(),
            window().rightPanel().isVisible(),
            window().windowTitle()};
  }

  // Runs `act` and checks that the installer sees something happen; then closes what opened.
  void Acts(const QString& what, const std::function<void()>& act) {
    // The orders of the last step count as sent: each step's own orders show.
    LinkTestAccess::FlagiRozkazow(s.link()) = 0;
    LinkTestAccess::FlagiZapisu(s.link()) = 0;
    const Seen before = Now();
    act();
    const Seen after = Now();
    QVERIFY2(!(before == after),
             qPrintable(what + QStringLiteral(" does nothing (messages %1, ELM task %2, port %3)")
                                   .arg(after.messages)
                                   .arg(after.obdTask)
                                   .arg(after.elmPort)));
    for (QWidget* w : QApplication::topLevelWidgets())
      if (w != &window() && w->isVisible() && w->windowModality() != Qt::NonModal) w->close();
    ++checked;
  }

  void Screenshot(const QString& name) {
    for (int frame = 0; frame < 3 && s.link().PolaczonyPortComm(); ++frame)
      s.Tick();  // the readings of the page as the installer sees them
    QCoreApplication::processEvents();
    QVERIFY(window().grab().save(
        QStringLiteral(SCREENSHOT_FOLDER "/walk-family%1-%2.png").arg(family).arg(name)));
  }

  // No visible child of the bottom bar or of the right panel lies outside the window.
  void NothingCut(const QString& page) {
    QCoreApplication::processEvents();
    const QRect inside = window().centralWidget()->rect();
    for (QWidget* w : window().rightPanel().findChildren<QWidget*>()) {
      if (!w->isVisible() || w->parentWidget() != &window().rightPanel()) continue;
      const QRect r(w->mapTo(window().centralWidget(), QPoint(0, 0)), w->size());
      QVERIFY2(inside.contains(r),
               qPrintable(page + ": the right panel is cut at " + w->metaObject()->className()));
    }
    for (int i = 0; i < 4; ++i) {
      QPushButton* b = window().commandButton(i);
      if (!b->isVisible()) continue;
      const QRect r(b->mapTo(window().centralWidget(), QPoint(0, 0)), b->size());
      QVERIFY2(inside.contains(r), qPrintable(page + ": " + b->text() + " is cut"));
      QVERIFY2(b->fontMetrics().horizontalAdvance(b->text()) <= b->width(),
               qPrintable(page + ": the caption " + b->text() + " is cut"));
    }
  }

  // The command buttons and the help button of the page shown now.
  void PressCommands(const QString& page) {
    for (int i = 0; i < 4; ++i) {
      QPushButton* b = window().commandButton(i);
      if (b->isVisible() && b->isEnabled())
        Acts(page + " / " + b->text(), [b] { QTest::mouseClick(b, Qt::LeftButton); });
    }
    QToolButton* help = window().helpButton();
    if (help->isVisible()) Acts(page + " / help", [help] { help->click(); });
  }

  void VisitTabs() {
    for (int tab = 0; tab < 6; ++tab) {
      QToolButton* b = window().tabButton(tab);
      if (b->isHidden() || !b->isEnabled()) continue;
      const QString page = QStringLiteral("tab %1").arg(tab);
      if (window().CurrentTab() != tab) Acts(page, [b] { b->click(); });
      QCOMPARE(window().CurrentTab(), tab);
      Screenshot(QStringLiteral("tab-%1").arg(tab));
      NothingCut(page);
      // The Map and OBD tabs' commands belong to their sub-views.
      if (tab == kMapTab) VisitMapSubViews();
      if (tab == kObdTab) VisitObdSubTabs();
      if (tab != kMapTab && tab != kObdTab) PressCommands(page);
    }
  }

  void VisitMapSubViews() {
    for (int button : {11, 12, 13, 14, 15, 16, 21, 22, 23, 24, 25, 26}) {
      QToolButton* b = window().mapButton(button);
      if (b->isHidden() || !b->isEnabled()) continue;
      const QString page = QStringLiteral("map %1").arg(button);
      if (!b->isChecked()) Acts(page, [b] { b->click(); });
      Screenshot(QStringLiteral("map-%1").arg(button));
      NothingCut(page);
      PressCommands(page);
      window().SelectTab(kMapTab);
    }
  }

  void VisitObdSubTabs() {
    for (int button : {31, 32, 33, 34}) {
      QToolButton* b = window().obdButton(button);
      if (b->isHidden() || !b->isEnabled()) continue;
      const QString page = QStringLiteral("obd %1").arg(button);
      if (!b->isChecked()) Acts(page, [b] { b->click(); });
      if (window().CurrentTab() != kObdTab) {  // the RPM corrections land on the Map tab
        window().SelectTab(kObdTab);
        continue;
      }
      Screenshot(QStringLiteral("obd-%1").arg(button));
      PressCommands(page);
    }
  }

  // Every entry of every menu, the connection menu last since it leaves the controller.
  void VisitMenus() {
    QList<QMenu*> menus;
    for (QAction* a : window().menuBar()->actions())
      if (a->menu() && a->isVisible()) menus.push_back(a->menu());
    std::stable_partition(menus.begin(), menus.end(),
                          [](QMenu* m) { return m->title() != Q(LangText(1117)); });
    for (QMenu* menu : menus)
      VisitMenu(menu);
  }

  // The menu is built anew each time it opens, so its entries are taken by position.
  void VisitMenu(QMenu* menu) {
    emit menu->aboutToShow();
    for (int i = 0; i < menu->actions().size(); ++i) {
      QAction* a = menu->actions()[i];
      if (a->isSeparator() || !a->isVisible() || !a->isEnabled()) continue;
      if (a->menu()) {
        VisitMenu(a->menu());
        continue;
      }
      if (a->isCheckable() && a->isChecked() && a->actionGroup()) continue;  // chosen already
      if (ForeignPort(menu, a)) continue;
      const QString what = menu->title() + " / " + a->text();
      Acts(what, [a] { a->trigger(); });
      if (a->isCheckable() && a->isChecked() && !a->actionGroup()) a->trigger();
      if (!s.link().PolaczonyPortComm() && s.link().PortNumber == ComPortNumber(s.server.path()))
        QVERIFY(s.Connect());
      emit menu->aboutToShow();
    }
  }

  // A port entry other than this walk's own controller line: the ports present may be lines
  // other tests are talking on at the same time, and the adapter's menu would put the OBD link
  // on the controller's own line.
  bool ForeignPort(QMenu* menu, QAction* entry) {
    const bool portMenu =
        menu->title() == QStringLiteral("ELM") || menu->title() == Q(LangText(1117));
    if (!portMenu || !entry->isCheckable()) return false;
    const QString own = QStringLiteral("COM%1 ").arg(ComPortNumber(s.server.path()));
    return menu->title() == QStringLiteral("ELM") || !entry->text().startsWith(own);
  }

  void PressKeys() {
    const std::pair<int, Qt::KeyboardModifiers> keys[] = {
        {Qt::Key_Space, {}}, {Qt::Key_L, {}},   {Qt::Key_R, {}},
        {Qt::Key_V, {}},     {Qt::Key_F11, {}}, {Qt::Key_P, Qt::ControlModifier},
    };
    for (const auto& [key, modifiers] : keys)
      Acts(QKeySequence(key | modifiers).toString(),
           [&] { QTest::keyClick(&window(), static_cast<Qt::Key>(key), modifiers); });
    // Home clears the codes the controller's OBD module read; only such a controller has them.
    if (s.link().Traits().obdModule)
      Acts(QStringLiteral("Home"), [&] { QTest::keyClick(&window(), Qt::Key_Home); });
    window().SelectTab(kMapTab);
    window().MapSubViewClicked(11);
    LinkTestAccess::ObrazSterownika(s.link())[img::Eeprom1] = 140;  // a trim to fold in
    Acts(QStringLiteral("Enter on the Map tab"),
         [&] { QTest::keyClick(&window(), Qt::Key_Return); });
  }

  WindowSim s;
  int family;
  bool connected = false;
  sim::ElmAdapter adapter;
  std::unique_ptr<sim::ElmPairing> elm;
  int checked = 0;
};

}  // namespace

class WindowWalkTest : public QObject {
  Q_OBJECT

 private slots:
  void everythingActsOrIsHidden_data() {
    QTest::addColumn<int>("family");
    for (int family : {2, 5, 6, 255})
      QTest::newRow(qPrintable(QString::number(family))) << family;
  }
  void everythingActsOrIsHidden() {
    QFETCH(int, family);
    Walk w(family);
    QVERIFY(w.connected);
    w.VisitTabs();
    w.PressKeys();
    w.VisitMenus();
    QVERIFY(w.checked > 40);
  }

  // At the smallest window, in every language, each caption of the tab rows and the command
  // buttons fits its button.
  void captionsFitInEveryLanguage() {
    WindowSim s(255);
    s.window->resize(640, 480);
    s.window->show();
    QVERIFY(s.Connect());
    for (int language = 0; language < TextTable::kLanguageCount; ++language) {
      s.window->SetLanguage(language);
      for (int tab : {kMapTab, kCalibrationTab, kDiagnosticsTab, kObdTab}) {
        s.window->SelectTab(tab);
        QCoreApplication::processEvents();
        std::vector<QAbstractButton*> buttons;
        for (int t = 0; t < 6; ++t)
          buttons.push_back(s.window->tabButton(t));
        for (int b : {11, 12, 13, 14, 15, 16, 21, 22, 23, 24, 25, 26})
          buttons.push_back(s.window->mapButton(b));
        for (int b : {31, 33, 34})
          buttons.push_back(s.window->obdButton(b));
        for (int i = 0; i < 4; ++i)
          buttons.push_back(s.window->commandButton(i));
        for (QAbstractButton* b : buttons) {
          if (!b->isVisible()) continue;
          int width = 0;  // of its widest line
          for (const QString& line : b->text().split('\n'))
            width = std::max(width, b->fontMetrics().horizontalAdvance(line));
          const QString where =
              QStringLiteral("language %1, tab %2: \"%3\"").arg(language).arg(tab).arg(b->text());
          QVERIFY2(width <= b->width(), qPrintable(where));
          const QRect r(b->mapTo(s.window->centralWidget(), QPoint(0, 0)), b->size());
          QVERIFY2(s.window->centralWidget()->rect().contains(r), qPrintable(where + " is cut"));
        }
      }
    }
  }
};

QTEST_MAIN(WindowWalkTest)
#include "WindowWalkTest.moc"
