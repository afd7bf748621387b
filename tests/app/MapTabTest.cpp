#include <QPushButton>
#include <QToolButton>
#include <QtTest>
#include <algorithm>

#include "app/MapSubViews.h"
#include "app/Unitmain.h"
#include "charts/Tgrafika.h"
#include "controller/Tsterownik.h"
#include "lang/Langtext.h"
#include "scope/Toscyloskop.h"
#include "settings/Tnastawy.h"
#include "tests/support/LinkTestAccess.h"
#include "tests/support/WindowSim.h"

namespace {

// A connected window of the family, shown at a workshop laptop's size.
struct MapWindow {
  explicit MapWindow(int family) : s(family) {
    Texts().LanguageIndex = 1;
    s.window->resize(1200, 760);
    s.window->show();
    connected = s.Connect();
  }
  TForm1& window() { return *s.window; }
  QPushButton* Command(int i) { return window().commandButton(i); }
  void Screenshot(const char* name) {
    QVERIFY(window().grab().save(QStringLiteral(SCREENSHOT_FOLDER "/") + name));
  }
  // Petrol and gas maps as a drive leaves them: gas slightly lean at high load.
  void FillMaps() {
    auto& image = LinkTestAccess::ObrazSterownika(s.link());
    for (int c = 0; c < 16; ++c)
      for (int r = 0; r < 16; ++r) {
        const int petrol = 20 + c * 4 + r * 6;
        image[img::MapaEcuBen + c * 16 + r] = static_cast<uint8_t>(petrol);
        image[img::MapaEcuGaz + c * 16 + r] = static_cast<uint8_t>(petrol - r / 3);
      }
  }

  WindowSim s;
  bool connected = false;
};

bool AllZero(const TSterownik& link, int offset) {
  const auto& image = link.ObrazSterownika();
  return std::all_of(image.begin() + offset, image.begin() + offset + img::kAreaSize,
                     [](uint8_t b) { return b == 0; });
}

}  // namespace

class MapTabTest : public QObject {
  Q_OBJECT

 private slots:
  // The first sub-view of the Map tab: the injection-time map with its strip and deletes.
  void injectionMapSubView() {
    MapWindow w(2);
    QVERIFY(w.connected);
    w.window().SelectTab(kMapTab);
    QCOMPARE(w.window().PodWidokMapy(), 0);
    QVERIFY(w.window().mapView().isVisible());
    QCOMPARE(w.window().mapView().RodzajWykresu(), 0);
    QVERIFY(w.window().settingsStrip()->isVisible());
    QCOMPARE(w.window().settingsEditor().view().mode, 20);
    QCOMPARE(w.Command(0)->text(), Q(LangText(1268)));
    QCOMPARE(w.Command(1)->text(), Q(LangText(1269)));
    QCOMPARE(w.Command(2)->text(), Q(LangText(1271)));
    QVERIFY(!w.Command(3)->isVisible());
    QVERIFY(w.window().mapButton(11)->isChecked());
  }

  // Every sub-view button of the family shows its chart with the table read from the
  // controller, and offers its own command buttons.
  void everySubViewShowsItsChart_data() {
    QTest::addColumn<int>("family");
    QTest::newRow("RUMO") << 2;
    QTest::newRow("FORTIX") << 5;
    QTest::newRow("KAVI") << 255;
  }
  void everySubViewShowsItsChart() {
    QFETCH(int, family);
    MapWindow w(family);
    QVERIFY(w.connected);
    w.window().SelectTab(kMapTab);
    for (int button : kMapButtons) {
      QToolButton* b = w.window().mapButton(button);
      if (!b->isVisible()) continue;
      b->click();
      const MapSubView view = MapSubViewOf(w.s.link(), button);
      QCOMPARE(w.window().PodWidokMapy(), view.kind);
      QVERIFY(w.window().mapView().isVisible());
      QCOMPARE(w.window().mapView().RodzajWykresu(), view.kind);
      for (int i = 0; i < 4; ++i)
        QCOMPARE(w.Command(i)->isVisible(), view.commands[static_cast<size_t>(i)].tag != 0);
      QVERIFY(w.s.TickUntil([&] { return w.s.link().FlagiCzytania() == 0; }));
      QCOMPARE(w.window().settingsStrip()->isVisible(), view.stripHeight > 0);
    }
  }

  // The tool panel beside the RPM corrections: the petrol/gas/deviation row only with the maps
  // above the table, F8 stepping through them; the tools act on the table.
  void toolPanelOfTheRpmCorrections() {
    MapWindow w(2);
    QVERIFY(w.connected);
    w.window().SelectTab(kMapTab);
    w.window().mapButton(12)->click();
    TGrafika& view = w.window().mapView();
    view.SetGornaTabela(0);
    w.window().MapSubViewClicked(12);
    QVERIFY(!w.window().viewButton(0)->isVisible());
    QVERIFY(w.window().toolButton(92)->isVisible());
    view.SetGornaTabela(1);
    w.window().MapSubViewClicked(12);
    QVERIFY(w.window().viewButton(2)->isVisible());
    const int before = view.Widok();
    QTest::keyClick(&w.window(), Qt::Key_F8);
    QCOMPARE(view.Widok(), (before + 1) % 3);
    QVERIFY(w.window().viewButton(view.Widok())->isChecked());
    w.window().viewButton(0)->click();
    QCOMPARE(view.Widok(), 0);
    // "+" anywhere in the window raises the cell the engine runs in, and writes the table.
    const auto image = w.s.link().ObrazSterownika();
    for (int i = 0; i < 5; ++i)
      w.s.Tick();
    QTest::keyClick(&w.window(), Qt::Key_Plus);
    const auto& after = w.s.link().ObrazSterownika();
    QVERIFY(!std::equal(after.begin() + img::KorOdObr1, after.begin() + img::KorOdObr1 + 256,
                        image.begin() + img::KorOdObr1));
    QVERIFY(w.s.link().FlagiZapisu() & (AreaBit::RpmCorrection1 | AreaBit::RpmCorrection2));
    w.window().mapButton(13)->click();
    QVERIFY(!w.window().toolButton(92)->isVisible());
  }

  // The emulator's learning is offered only in its learning mode; leaving that mode stops it.
  void emulatorLearningStartsAndStops() {
    MapWindow w(2);
    QVERIFY(w.connected);
    LinkTestAccess::Nastawy(w.s.link())[15] = 3;
    w.window().SelectTab(kMapTab);
    w.window().mapButton(16)->click();
    QVERIFY(w.window().scopeView().isVisible());
    QVERIFY(w.Command(3)->isVisible());
    w.Command(3)->click();
    QVERIFY(w.s.link().UczenieEmulacji());
    QVERIFY(w.Command(3)->text().contains(Q(LangText(1263))));
    LinkTestAccess::Nastawy(w.s.link())[15] = 1;
    w.window().mapButton(16)->click();
    QVERIFY(!w.s.link().UczenieEmulacji());
    QVERIFY(!w.Command(3)->isVisible());
    w.window().mapButton(12)->click();
    QVERIFY(!w.window().scopeView().isVisible());
  }

  void deletesAskFirst() {
    MapWindow w(2);
    QVERIFY(w.connected);
    w.FillMaps();
    w.window().SelectTab(kMapTab);
    w.s.ui.answers = {mb::kIdNo};
    w.Command(0)->click();
    QVERIFY(!AllZero(w.s.link(), img::MapaEcuBen));
    QCOMPARE(w.s.ui.messages.back().text, LangText(2101));
    w.s.ui.answers = {mb::kIdYes};
    w.Command(0)->click();
    QVERIFY(AllZero(w.s.link(), img::MapaEcuBen));
    QVERIFY(!AllZero(w.s.link(), img::MapaEcuGaz));
    QVERIFY(w.s.link().FlagiZapisu() & AreaBit::PetrolMap);
    w.s.ui.answers = {mb::kIdYes};
    w.Command(1)->click();
    QVERIFY(AllZero(w.s.link(), img::MapaEcuGaz));
    QCOMPARE(w.s.ui.messages.back().text, LangText(2102));
  }

  // The Oscilloscope tab pressed again shows the two charts of the recording, then the scope.
  void oscilloscopeTabCyclesThroughTheCharts() {
    MapWindow w(2);
    QVERIFY(w.connected);
    w.window().SelectTab(kScopeTab);
    QVERIFY(!w.window().mapView().isVisible());
    w.window().SelectTab(kScopeTab);
    QVERIFY(w.window().mapView().isVisible());
    QCOMPARE(w.window().mapView().RodzajWykresu(), 17);
    w.window().SelectTab(kScopeTab);
    QCOMPARE(w.window().mapView().RodzajWykresu(), 18);
    w.window().SelectTab(kScopeTab);
    QVERIFY(!w.window().mapView().isVisible());
  }

  void calibrationTabShowsTheStripAndTheStartButton() {
    MapWindow w(2);
    QVERIFY(w.connected);
    w.window().SelectTab(kCalibrationTab);
    QVERIFY(w.window().settingsStrip()->isVisible());
    QCOMPARE(w.window().settingsStrip()->height(), 96);
    QCOMPARE(w.window().settingsEditor().view().mode, 1);
    QCOMPARE(w.Command(3)->text(), Q(LangText(1261) + "  [Enter]"));
    w.window().SelectTab(kSettingsTab);
    QVERIFY(!w.window().settingsStrip()->isVisible());
    QVERIFY(w.window().settingsEditor().isVisible());
    QCOMPARE(w.window().settingsEditor().view().mode, 0);
  }

  // Enter starts the calibration on its page; the button and the progress follow the run.
  void calibrationRunsFromTheEnterKey() {
    MapWindow w(2);
    QVERIFY(w.connected);
    w.window().SelectTab(kCalibrationTab);
    QTest::keyClick(&w.window(), Qt::Key_Return);
    QVERIFY(w.s.link().KalibracjaTrwa());
    QCOMPARE(w.Command(3)->text(), Q(LangText(1263) + "  [Enter]"));
    QVERIFY(w.s.TickUntil([&] { return w.s.link().PostepKalibracji() > 300; }, 3000));
    w.Screenshot("calibration-mid-run.png");
    w.Command(3)->click();
    QVERIFY(!w.s.link().KalibracjaTrwa());
    QCOMPARE(w.Command(3)->text(), Q(LangText(1261) + "  [Enter]"));
  }

  void screenshotsOfTheCharts() {
    MapWindow w(2);
    QVERIFY(w.connected);
    w.FillMaps();
    w.window().SelectTab(kMapTab);
    w.window().mapView().Przerysuj();
    w.s.Tick();
    w.Screenshot("map-tab-injection-map.png");
    w.window().mapView().SetGornaTabela(1);
    w.window().mapButton(12)->click();
    w.s.Tick();
    w.Screenshot("map-tab-rpm-corrections.png");
    w.window().mapButton(13)->click();
    QVERIFY(w.s.TickUntil([&] { return w.s.link().FlagiCzytania() == 0; }));
    w.window().mapView().Przerysuj();
    w.Screenshot("map-tab-reducer-curve.png");
    for (int i = 0; i < 600; ++i)
      w.s.Tick();  // a recording of the idle to chart
    w.window().SelectTab(kScopeTab);
    w.window().SelectTab(kScopeTab);
    w.Screenshot("scope-tab-injection-times.png");
    w.window().SelectTab(kScopeTab);
    w.Screenshot("scope-tab-gas-pressure.png");
  }
};

QTEST_MAIN(MapTabTest)
#include "MapTabTest.moc"
