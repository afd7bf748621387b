#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTextEdit>
#include <QToolButton>
#include <QtTest>

#include "app/ObdPage.h"
#include "app/ParameterGrid.h"
#include "app/RightPanel.h"
#include "app/Unitmain.h"
#include "charts/Tgrafika.h"
#include "controller/Tsterownik.h"
#include "lang/Langtext.h"
#include "obd/Telmobd.h"
#include "settings/EditorView.h"
#include "settings/Tnastawy.h"
#include "sim/ElmAdapter.h"
#include "sim/ElmPairing.h"
#include "tests/support/WindowSim.h"

namespace {

constexpr int kPolling = 1000;

// A connected window (a RUMO unless told) with the simulated adapter on the OBD link, ticked by
// the window's own OBD tick so the page follows as it does on the timer.
struct ObdWindow {
  explicit ObdWindow(int family = 2) : s(family) {
    Texts().LanguageIndex = 1;
    s.window->resize(1200, 760);
    s.window->show();
    connected = s.Connect();
    elm =
        std::make_unique<sim::ElmPairing>(window().obd(), adapter, [this] { window().ObdTick(); });
  }
  TForm1& window() { return *s.window; }
  ObdPage& page() { return window().obdPage(); }
  bool TickUntil(const std::function<bool()>& done, int maxTicks = 3000) {
    return elm->TickUntil(done, maxTicks);
  }
  bool Polling() {
    return TickUntil([&] { return window().obd().Zadanie() == kPolling; });
  }
  void Ticks(int count) {
    for (int i = 0; i < count; ++i)
      elm->Tick();
  }
  QString Cell(QTableWidget* grid, int row, int column) { return grid->item(row, column)->text(); }
  void Screenshot(const char* name) {
    QCoreApplication::processEvents();  // the layouts settle as they would on screen
    QVERIFY(window().grab().save(QStringLiteral(SCREENSHOT_FOLDER "/") + name));
  }

  WindowSim s;
  sim::ElmAdapter adapter;
  std::unique_ptr<sim::ElmPairing> elm;
  bool connected = false;
};

}  // namespace

class ObdTabTest : public QObject {
  Q_OBJECT

 private slots:
  // The protocol found brings the OBD tab up; its PIDs move in the grid and in the readings.
  void theAdapterFoundShowsTheOBDPageWithLivePids() {
    ObdWindow w;
    QVERIFY(w.connected);
    QVERIFY(w.Polling());
    QCOMPARE(w.window().CurrentTab(), static_cast<int>(kObdTab));
    QVERIFY(w.window().obdButton(31)->isChecked());
    QTableWidget* status = w.page().statusGrid();
    QVERIFY(status->isVisible());
    QCOMPARE(w.Cell(status, ElmStatusGrid::kElm, 1), QStringLiteral("ELM327 v1.5"));
    QCOMPARE(w.Cell(status, ElmStatusGrid::kObd, 1), QStringLiteral("CAN (11 bit ID, 500 kb)"));
    QCOMPARE(w.Cell(status, ElmStatusGrid::kEcu, 1), QStringLiteral("7E8h "));
    QCOMPARE(w.window().commandButton(0)->text(), Q(LangText(1273)));
    QCOMPARE(w.window().commandButton(3)->text(), Q(LangText(1118)));

    w.page().pidsButton()->click();
    QTableWidget* pids = w.page().pidGrid();
    QVERIFY(pids->isVisible());
    QCOMPARE(w.Cell(pids, 0x06, 1), QStringLiteral("on"));
    QCOMPARE(w.Cell(pids, 0x0C, 1), QStringLiteral("off"));
    QCOMPARE(w.Cell(pids, 0x02, 1), QStringLiteral("x"));
    // The installer adds the engine speed with a click on its mark.
    QTest::mouseClick(pids->viewport(), Qt::LeftButton, {},
                      pids->visualRect(pids->model()->index(0x0C, 1)).center());
    QCOMPARE(w.Cell(pids, 0x0C, 1), QStringLiteral("on"));
    w.Ticks(20);
    QVERIFY(w.Cell(pids, 0x0C, 4).toDouble() > 0);
    QCOMPARE(w.Cell(pids, 0x0C, 5), QStringLiteral("[rpm]"));
    QCOMPARE(w.Cell(pids, 0x03, 4), QStringLiteral("CL"));
    const QString first = w.Cell(pids, 0x06, 4);
    w.Ticks(8);
    QVERIFY(w.Cell(pids, 0x06, 4) != first);

    // Four polled PIDs follow the live parameters in the readings panel.
    ParameterGrid* readings = w.window().rightPanel().parameters();
    const int obdRow = readings->RowCount() - 4;
    QCOMPARE(readings->NameText(obdRow), QStringLiteral("Fuel sys "));
    QCOMPARE(readings->ValueText(obdRow), QStringLiteral("CL"));
    QCOMPARE(readings->NameText(obdRow + 3), QStringLiteral("RPM [rpm]"));
    w.Screenshot("obd-pids.png");
  }

  // Display errors reads the three kinds of codes into the box; Delete OBD errors clears them.
  void troubleCodesAreReadAndCleared() {
    ObdWindow w;
    QVERIFY(w.connected);
    QVERIFY(w.Polling());
    w.page().codesButton()->click();
    w.window().commandButton(0)->click();
    QVERIFY(w.TickUntil([&] { return w.window().obd().Zadanie() == 3005; }));
    QVERIFY(w.Polling());
    const QString box = w.page().codeBox()->toPlainText();
    QVERIFY2(
        box.contains(QStringLiteral("P0133\n O2 Sensor Circuit Slow Response (Bank 1 Sensor 1)")),
        qPrintable(box));
    QVERIFY(box.contains(QStringLiteral("Obwód sondy lambda")));  // the Polish interface
    QVERIFY(box.contains(QStringLiteral("Pending Trouble Codes")));
    QVERIFY(box.contains(QStringLiteral("P0300")));
    w.Screenshot("obd-codes.png");
    // A double click empties the box; the same codes do not come back by themselves.
    QTest::mouseDClick(w.page().codeBox()->viewport(), Qt::LeftButton);
    w.Ticks(4);
    QVERIFY(w.page().codeBox()->toPlainText().isEmpty());
    // Nor after coming back to the ELM sub-tab, which starts with an empty box; the controller
    // module's lines shown there stay until the adapter reads again.
    w.window().commandButton(0)->click();
    QVERIFY(w.TickUntil([&] { return w.window().obd().Zadanie() == 3005; }));
    QVERIFY(w.Polling());
    w.window().obdButton(34)->click();
    w.window().SelectTab(kObdTab);
    w.window().obdButton(31)->click();
    w.Ticks(4);
    QVERIFY(w.page().codeBox()->toPlainText().isEmpty());
    w.page().ShowLines({{"U0100", obd::LineColour::Red}});
    w.Ticks(4);
    QCOMPARE(w.page().codeBox()->toPlainText(), QStringLiteral("U0100"));

    w.window().commandButton(1)->click();
    QVERIFY(w.TickUntil([&] { return w.window().obd().Zadanie() == 4001; }));
    QVERIFY(w.Polling());
    QVERIFY(w.adapter.ecus.front().stored.empty());
    w.Ticks(2);
    QVERIFY2(
        w.page().codeBox()->toPlainText().startsWith(QStringLiteral("\ttrouble codes cleared")),
        qPrintable(w.page().codeBox()->toPlainText()));
  }

  // A car that refuses the clearing keeps its codes, and the box says why, above them.
  void aRefusedClearingIsShownWithItsReason() {
    ObdWindow w;
    w.adapter.clearing = sim::ElmAdapter::Clearing::Refuses;
    QVERIFY(w.connected);
    QVERIFY(w.Polling());
    w.page().codesButton()->click();
    w.window().commandButton(1)->click();
    QVERIFY(w.TickUntil([&] { return w.window().obd().Zadanie() == 4002; }));
    QVERIFY(w.Polling());
    w.Ticks(2);
    const QString box = w.page().codeBox()->toPlainText();
    QVERIFY2(box.startsWith(QStringLiteral("\tthe vehicle refused to clear its trouble codes: "
                                           "conditions not correct (negative response 22)")),
             qPrintable(box));
    QVERIFY(box.contains(QStringLiteral("Stored Trouble Codes")));
    QVERIFY(box.contains(QStringLiteral("P0133")));
    QVERIFY(!w.adapter.ecus.front().stored.empty());
  }

  // The Device sub-tab of a FORTIX: the controller's own OBD module, with the OBD settings in
  // the centre; its two commands ask the module to read and to clear the engine's codes.
  void deviceSubTabShowsTheOBDSettings() {
    ObdWindow w(5);
    QVERIFY(w.connected);
    w.window().SelectTab(kObdTab);
    QVERIFY(w.window().obdButton(33)->isVisible());
    w.window().obdButton(33)->click();
    QCOMPARE(w.window().PodZakladkaObd(), 2);
    QVERIFY(w.window().settingsEditor().isVisible());
    QCOMPARE(w.window().settingsEditor().view().mode, EditorView::kObdPanel);
    QVERIFY(!w.page().statusGrid()->isVisible());
    QVERIFY(w.page().codeBox()->isVisible());
    QCOMPARE(w.window().commandButton(1)->text(), Q(LangText(1274) + " [home]"));
    QVERIFY(!w.window().commandButton(3)->isVisible());
    w.Screenshot("obd-device.png");
    const std::vector<uint8_t>& asked = w.s.controller.lastRequestCodes;
    const auto askedFor = [&](uint8_t code) {
      return std::find(asked.begin(), asked.end(), code) != asked.end();
    };
    w.page().ShowLines({{"P0133", obd::LineColour::Red}});
    w.window().commandButton(0)->click();
    QVERIFY(w.page().codeBox()->toPlainText().isEmpty());
    QVERIFY(w.s.TickUntil([&] { return askedFor(code::ObdDtc); }, 40));
    w.window().commandButton(1)->click();
    QVERIFY(w.s.TickUntil([&] { return askedFor(code::ObdDtcCleared); }, 40));
    // Leaving the tab takes the OBD panel away.
    w.window().SelectTab(kSettingsTab);
    QVERIFY(!w.page().isVisible());
  }

  // The RPM corrections sub-tab lands on the Map tab with the OBD maps above the table.
  void rpmCorrectionsOpenTheMapWithTheOBDMaps() {
    ObdWindow w;
    QVERIFY(w.connected);
    w.window().SelectTab(kObdTab);
    w.window().obdButton(34)->click();
    QCOMPARE(w.window().CurrentTab(), static_cast<int>(kMapTab));
    QVERIFY(w.window().mapButton(12)->isChecked());
    QCOMPARE(w.window().mapView().GornaTabela(), 2);
  }

  // The ELM menu offers Connect while the adapter's port is closed; a lost adapter shows as such.
  void theElmMenuAndALostAdapter() {
    ObdWindow w;
    QVERIFY(w.connected);
    QMenu* elm = nullptr;
    for (QAction* a : w.window().menuBar()->actions())
      if (a->text() == QStringLiteral("ELM")) elm = a->menu();
    QVERIFY(elm);
    QVERIFY(w.Polling());
    emit elm->aboutToShow();
    QCOMPARE(elm->actions().front()->text(), Q(LangText(1119)));
    w.elm->Line().Disconnect();
    QVERIFY(w.TickUntil([&] { return w.window().obd().Zadanie() == 0; }, 50));
    QCOMPARE(w.window().obd().StanObd(), -1);
    emit elm->aboutToShow();
    QCOMPARE(elm->actions().front()->text(), Q(LangText(1118)));
  }
};

QTEST_MAIN(ObdTabTest)
#include "ObdTabTest.moc"
