// The map view offscreen on a link read out from a simulated controller: the injection-time map
// drawn with its trends, multiplier nodes edited with the mouse and the keys through the link,
// the live cursor following status frames and repainting only where it moves, the kinds not
// drawn yet, and screenshots of both schemes.

#include <QApplication>
#include <QLineEdit>
#include <QPaintEvent>
#include <QtTest>
#include <memory>

#include "app/QtColours.h"
#include "app/WindowRules.h"
#include "charts/InjectionMapChart.h"
#include "charts/Tgrafika.h"
#include "lang/Langtext.h"
#include "tests/support/LinkTestAccess.h"
#include "tests/support/MemoryLink.h"
#include "tests/support/ShownWidget.h"

namespace {

constexpr int kWidth = 1000;
constexpr int kHeight = 600;

chart::ChartColours SchemeOf(int scheme) {
  const ColourRoles roles = SchemeColours(scheme, chart::Rgb(240, 240, 240), 0, 0x646464);
  return chart::ChartColoursFor(scheme % 2 == 1, roles.window, roles.text, roles.checkFrame,
                                roles.secondaryText);
}

// Counts the view's paint events and the area they cover.
class PaintCounter : public QObject {
 public:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) {
      ++paints;
      painted += static_cast<QPaintEvent*>(event)->region();
    }
    return false;
  }
  int paints = 0;
  QRegion painted;
};

// A MALVER controller that has learned both maps while driving, read out over memory, with a
// multiplier of four inner nodes; the view shows it as chart kind 0.
struct MapView {
  MapView() : m(2) {
    Texts().LanguageIndex = 0;
    FillMaps();
    if (!m.ReadOut()) return;
    SetUpMultiplier();
    view = std::make_unique<TGrafika>(m.link);
    view->resize(kWidth, kHeight);
    view->SetColours(SchemeOf(0));
    view->SetDeviationPoints(true);
    view->show();
    view->UstawRodzaj(chart::kInjectionMapKind);
    LinkTestAccess::FlagiZapisu(m.link) = 0;
  }

  // Gas times a little longer than petrol at light load, shorter near full load.
  void FillMaps() {
    auto& memory = m.controller.memory;
    for (int c = 0; c < 16; ++c) {
      for (int r = 0; r < 16; ++r) {
        const bool learned = c <= 13 && r <= 13 && c + r >= 2;
        const int petrol = 18 + 10 * r + (c % 3) - c / 3;
        const int gas = petrol - (petrol - 70) / 12 + ((c + r) % 3) - 1;
        memory[static_cast<size_t>(img::MapaEcuBen + c * 16 + r)] =
            learned ? static_cast<uint8_t>(petrol) : 0;
        memory[static_cast<size_t>(img::MapaEcuGaz + c * 16 + r)] =
            learned ? static_cast<uint8_t>(gas) : 0;
      }
    }
  }

  void SetUpMultiplier() {
    uint8_t* settings = LinkTestAccess::Nastawy(m.link);
    for (int r = 0; r < 16; ++r)
      settings[224 + r] = static_cast<uint8_t>(20 + 6 * r);  // 0.20 .. 1.10 bar
    settings[83] = 40;                                       // petrol-time marker at 2 ms
    settings[80] = settings[81] = 0;
    const int positions[] = {30, 60, 100, 140};
    const int values[] = {100, 97, 101, 105, 103, 100};
    std::fill_n(settings + 190, 26, 0);
    std::copy(std::begin(positions), std::end(positions), settings + 190 + 21);
    settings[215] = 200;
    auto& image = LinkTestAccess::ObrazSterownika(m.link);
    image[img::Mnoznik1] = static_cast<uint8_t>(values[0]);
    for (int i = 0; i < 4; ++i)
      image[static_cast<size_t>(img::Mnoznik1 + positions[i])] =
          static_cast<uint8_t>(values[i + 1]);
    image[img::Mnoznik1 + 200] = static_cast<uint8_t>(values[5]);
    std::fill_n(&image[img::Eeprom1], 4, 128);
    m.link.WyliczMnoznik(1, 50, 150);
  }

  const uint8_t* Settings() const { return m.link.Nastawy(); }
  const uint8_t* Table() const { return &m.link.ObrazSterownika()[img::Mnoznik1]; }
  chart::PlotGeometry Plot() const { return view->Geometry(); }
  // Where node i of bank 1 is drawn.
  QPoint NodeAt(int i) const {
    const chart::PlotGeometry g = Plot();
    const int x = Settings()[190 + i];
    const int value = Table()[x];
    return {static_cast<int>(x * g.w / 200.0 + g.x0 + 1),
            static_cast<int>(g.yb - (value - 50) * g.h * 0.01 + 1)};
  }
  QPoint AtTime(int t, int y) const { return {Plot().x0 + t * Plot().w / 200, y}; }
  QColor PixelAt(QPoint p) const { return view->Snapshot().pixelColor(p); }
  bool Activate() { return ::Activate(*view); }
  void Screenshot(const char* name) { QVERIFY(SaveScreenshot(*view, name)); }
  // A status frame of the controller with the petrol time and load given.
  DecodedStatus Status(int petrolTime, int load) {
    m.TickUntil([&] { return m.link.LastStatus().length > 0; });
    DecodedStatus status = m.link.LastStatus();
    status.bytes[19] = static_cast<uint8_t>(petrolTime);
    status.bytes[44] = static_cast<uint8_t>(load);
    status.bytes[45] = 0;
    return status;
  }

  MemoryLink m;
  std::unique_ptr<TGrafika> view;
};

}  // namespace

class MapViewTest : public QObject {
  Q_OBJECT

 private slots:
  // Every dot and line of the core's pictures is on the screen: the petrol and gas points, their
  // trends, the deviation line and the multiplier's nodes.
  void injectionMapIsDrawnFromTheCorePictures() {
    MapView w;
    QVERIFY(w.view);
    QCOMPARE(w.view->Snapshot().size(), QSize(kWidth, kHeight));
    const chart::Picture data = chart::InjectionMapData(
        w.m.link, w.Plot(), SchemeOf(0), {true, -1, false}, chart::TextWidthEstimate);
    int petrolDots = 0, gasDots = 0;
    for (const chart::Shape& s : data.shapes) {
      const auto* dot = std::get_if<chart::Rect>(&s);
      if (!dot || (dot->fill != chart::kPetrol && dot->fill != chart::kGas)) continue;
      (dot->fill == chart::kPetrol ? petrolDots : gasDots)++;
    }
    QVERIFY(petrolDots > 100);
    QVERIFY(gasDots > 100);
    QCOMPARE(data.shapes.size() > 0, true);
    // Node 0 and the end node are drawn in the curve colour, ringed in black.
    QCOMPARE(w.PixelAt(w.NodeAt(21)), ToQColor(SchemeOf(0).curve));
    QCOMPARE(w.PixelAt(w.NodeAt(25)), ToQColor(SchemeOf(0).curve));
    QCOMPARE(w.PixelAt(w.NodeAt(25) + QPoint(0, 5)), QColor(Qt::black));
    // The two trends and the deviation line are somewhere on the plot.
    const QImage image = w.view->Snapshot();
    bool petrolTrend = false, gasTrend = false, deviation = false;
    for (int y = w.Plot().Top(); y < w.Plot().yb; ++y)
      for (int x = w.Plot().x0; x < w.Plot().Right(); ++x) {
        const QColor c = image.pixelColor(x, y);
        petrolTrend |= c == ToQColor(chart::kPetrol);
        gasTrend |= c == ToQColor(chart::kGas);
        deviation |= c == ToQColor(chart::kDeviation);
      }
    QVERIFY(petrolTrend && gasTrend && deviation);
    // The light screenshot with a node selected and labelled, the dark one without the keys.
    QVERIFY(w.Activate());
    QTest::mouseClick(w.view.get(), Qt::LeftButton, {}, w.NodeAt(23));
    w.view->PokazBiezace(w.Status(70, 60));
    QCoreApplication::processEvents();
    QVERIFY(w.view->LiveCursorShown());
    w.Screenshot("map_kind0.png");
    w.view->KeySink()->clearFocus();
    w.view->SetColours(SchemeOf(5));
    QCOMPARE(w.PixelAt({5, 5}), ToQColor(SchemeOf(5).window));
    w.view->PokazBiezace(w.Status(90, 75));
    QCoreApplication::processEvents();
    w.Screenshot("map_kind0_dark.png");
  }

  // A right click adds a node where it is pressed; the link rebuilds the table and writes it
  // with bank 2's copy, since both banks are edited together.
  void rightClickAddsANode() {
    MapView w;
    QVERIFY(w.view);
    QTest::mouseClick(w.view.get(), Qt::RightButton, {}, w.AtTime(120, 200));
    QCOMPARE(w.view->WybranyWezel(), 23);  // between the nodes at 10 and 14 ms
    QCOMPARE(int(w.Settings()[190 + 23]), 120);
    QCOMPARE(int(w.Settings()[190 + 24]), 140);
    QCOMPARE(int(w.Settings()[190 + 25]), 200);
    QCOMPARE(int(w.Table()[120]), 104);  // where the line from x1.05 to x1.03 was
    QCOMPARE(w.m.link.FlagiZapisu(), 0x7u);
    QCOMPARE(int(w.m.link.Nastawy()[164 + 23]), 120);
  }

  // A click selects a node and gives the keys to the view; Up raises it, Left moves it, Delete
  // removes it, each stored through the link and written.
  void keysEditTheSelectedNode() {
    MapView w;
    QVERIFY(w.view);
    QVERIFY(w.Activate());
    QTest::mouseClick(w.view.get(), Qt::LeftButton, {}, w.NodeAt(23));
    QCOMPARE(w.view->WybranyWezel(), 23);
    QVERIFY(w.view->KeySink()->hasFocus());
    QCOMPARE(w.PixelAt(w.NodeAt(23)), ToQColor(chart::kSelectedNode));
    QWidget* keys = w.view->KeySink();
    QTest::keyClick(keys, Qt::Key_Up);
    QCOMPARE(int(w.Table()[100]), 106);
    QCOMPARE(w.m.link.FlagiZapisu(), 0x7u);
    QTest::keyClick(keys, Qt::Key_Left);
    QCOMPARE(int(w.Settings()[190 + 23]), 99);
    QCOMPARE(int(w.Table()[99]), 105);  // the value the line had there
    QTest::keyClick(keys, Qt::Key_Delete);
    QCOMPARE(int(w.Settings()[190 + 23]), 60);  // the nodes below move up a slot
    QCOMPARE(int(w.Settings()[190 + 22]), 30);
    QCOMPARE(w.view->WybranyWezel(), 23);
    QTest::keyClick(keys, Qt::Key_End);
    QCOMPARE(w.view->WybranyWezel(), 25);
  }

  // The arrow buttons raise every node while none is selected.
  void arrowButtonRaisesTheMultiplier() {
    MapView w;
    QVERIFY(w.view);
    const int c = (kHeight - 14) / 2;
    QTest::mouseClick(w.view.get(), Qt::LeftButton, {}, QPoint(kWidth - 15, c - 15));
    QCOMPARE(int(w.Table()[0]), 101);
    QCOMPARE(int(w.Table()[30]), 98);
    QCOMPARE(int(w.Table()[200]), 101);
    QCOMPARE(w.m.link.FlagiZapisu(), 0x7u);
  }

  // Keys reach the nodes only while the view has been clicked into.
  void keysWithoutFocusAreLeftAlone() {
    MapView w;
    QVERIFY(w.view);
    w.view->KeySink()->clearFocus();
    QVERIFY(!w.view->KlawiszWidoku(Qt::Key_Up, false, false));
    QCOMPARE(int(w.Table()[0]), 100);
    QCOMPARE(w.m.link.FlagiZapisu(), 0u);
  }

  // The deviation's check mark hides its points and line and their scale.
  void checkMarkTogglesTheDeviationPoints() {
    MapView w;
    QVERIFY(w.view);
    const chart::Point mark = chart::DeviationCheckCentre(w.Plot());
    const QPoint onTheTick(mark.x + 2, mark.y - 1);
    QCOMPARE(w.PixelAt(onTheTick), ToQColor(chart::kTick));
    QTest::mouseClick(w.view.get(), Qt::LeftButton, {}, QPoint(mark.x + 40, mark.y));
    QVERIFY(!w.view->DeviationPoints());
    QCOMPARE(w.PixelAt(onTheTick), QColor(Qt::white));
  }

  // The cursor follows the petrol time and the load, repainting only the strips it leaves and
  // enters, and nothing while it stays.
  void liveCursorFollowsStatusFrames() {
    MapView w;
    QVERIFY(w.view);
    QCoreApplication::processEvents();
    PaintCounter counter;
    w.view->installEventFilter(&counter);
    w.view->PokazBiezace(w.Status(100, 55));
    QCoreApplication::processEvents();
    QVERIFY(w.view->LiveCursorShown());
    const chart::PlotGeometry g = w.Plot();
    QCOMPARE(w.view->LiveCursorShown()->x, g.x0 + 100 * g.w / 200);
    QCOMPARE(*w.view->LiveCursorShown()->y, g.yb - 55 * g.h / 110);
    QCOMPARE(counter.paints, 1);
    QVERIFY(counter.painted.boundingRect().width() < kWidth);
    const int x = w.view->LiveCursorShown()->x;
    const QImage screen = w.view->grab().toImage();
    const QColor under = w.PixelAt({x, g.yb - 5});
    const QColor cursor = ToQColor(SchemeOf(0).cursor);
    QCOMPARE(screen.pixelColor(x, g.yb - 5),
             QColor(under.red() ^ cursor.red(), under.green() ^ cursor.green(),
                    under.blue() ^ cursor.blue()));

    counter.paints = 0;
    w.view->PokazBiezace(w.Status(100, 55));
    QCoreApplication::processEvents();
    QCOMPARE(counter.paints, 0);

    counter.painted = {};
    w.view->PokazBiezace(w.Status(120, 55));
    QCoreApplication::processEvents();
    QCOMPARE(w.view->LiveCursorShown()->x, g.x0 + 120 * g.w / 200);
    QVERIFY(counter.painted.contains(QPoint(x, g.yb - 5)));
    QVERIFY(!counter.painted.contains(QPoint((x + g.x0) / 2, g.yb - 5)));
  }

  // Resizing rebuilds the background before the next picture is composed.
  void resizingRedrawsTheBackground() {
    MapView w;
    QVERIFY(w.view);
    w.view->resize(800, 500);
    QTRY_COMPARE(w.Plot().width, 800);
    QCOMPARE(w.view->Snapshot().size(), QSize(800, 500));
  }

  // No chart shows the window alone; choosing a table asks the controller for it.
  void noChartShowsTheWindowAlone() {
    MapView w;
    QVERIFY(w.view);
    w.view->UstawRodzaj(-1);
    QSet<QRgb> seen;
    const QImage image = w.view->Snapshot();
    for (int y = 0; y < image.height(); y += 3)
      for (int x = 0; x < image.width(); x += 3)
        seen.insert(image.pixel(x, y));
    QCOMPARE(seen, QSet<QRgb>{ToQColor(SchemeOf(0).window).rgb()});
    w.view->UstawRodzaj(13);
    QVERIFY(w.m.link.FlagiCzytania() & AreaBit::GasAdvance);
  }
};

int RunMapViewTests(int argc, char** argv) {
  MapViewTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "MapViewTest.moc"
