// The map view's correction curves offscreen, on a link read out from a simulated controller:
// the curve drawn from the core's pictures, nodes added, selected, moved, raised and removed with
// the mouse and the keys and stored through the link, the installer's reset, the repair of a
// record that cannot be drawn once the controller's copy has arrived, and a screenshot.

#include <QApplication>
#include <QLineEdit>
#include <QSignalSpy>
#include <QtTest>
#include <memory>

#include "app/QtColours.h"
#include "app/WindowRules.h"
#include "charts/CorrectionCurve.h"
#include "charts/CorrectionCurveChart.h"
#include "charts/Tgrafika.h"
#include "lang/Langtext.h"
#include "tests/support/LinkTestAccess.h"
#include "tests/support/MemoryLink.h"
#include "tests/support/ShownWidget.h"

namespace {

constexpr int kWidth = 900;
constexpr int kHeight = 500;

chart::ChartColours LightColours() {
  const ColourRoles roles = SchemeColours(0, chart::Rgb(240, 240, 240), 0, 0x646464);
  return chart::ChartColoursFor(false, roles.window, roles.text, roles.checkFrame,
                                roles.secondaryText);
}

// A gas-pressure curve a tuned controller keeps: more gas at low pressure, less at high.
curve::Record TunedPressureCurve() {
  chart::CorrectionCurve c;
  c.kind = chart::CurveKindOf(chart::kPressureCurveKind);
  c.record = curve::NeutralRecord(curve::kPressure);
  c.Set(1, 90, 150);
  c.Set(2, 130, 136);
  c.Set(3, 190, 112);
  int none = -1;
  chart::PorzadkujPunkty(c, none);
  return c.record;
}

// A MALVER controller whose records are the given curve and the others at rest, read out over
// memory; the view shows the curve's kind and has asked for the record again.
struct CurveView {
  explicit CurveView(int kind = chart::kPressureCurveKind,
                     const curve::Record& record = TunedPressureCurve())
      : m(2), kind(*chart::CurveKindOf(kind)) {
    Texts().LanguageIndex = 0;
    for (const curve::Curve* c : curve::kCurves)
      Store(*c, curve::NeutralRecord(*c));
    Store(this->kind.curve, record);
    if (!m.ReadOut()) return;
    LinkTestAccess::Nastawy(m.link)[63] = 70;  // gas from 0.70 bar
    view = std::make_unique<TGrafika>(m.link);
    view->resize(kWidth, kHeight);
    view->SetColours(LightColours());
    view->show();
    view->UstawRodzaj(kind);
    LinkTestAccess::FlagiZapisu(m.link) = 0;
  }

  // In the controller and in the image alike, as if read out.
  void Store(const curve::Curve& c, const curve::Record& record) {
    std::copy(record.begin(), record.end(), &m.controller.memory[static_cast<size_t>(c.area)]);
    std::copy(record.begin(), record.end(),
              &LinkTestAccess::ObrazSterownika(m.link)[static_cast<size_t>(c.area)]);
  }
  chart::CorrectionCurve Curve() const { return chart::CurveInView(m.link, kind); }
  QPoint NodeAt(int i) const {
    const chart::Point p = chart::CurveNodePixel(Curve(), view->Geometry(), i);
    return {p.x, p.y};
  }
  // The pixel column of a position of the axis.
  int ColumnOf(int x) const {
    const chart::PlotGeometry g = view->Geometry();
    return g.X(x, kind.curve.axisMin, kind.curve.axisMax);
  }
  QColor PixelAt(QPoint p) const { return view->Snapshot().pixelColor(p); }
  bool Activate() { return ::Activate(*view); }

  MemoryLink m;
  const chart::CurveKind& kind;
  std::unique_ptr<TGrafika> view;
};

}  // namespace

class CurveViewTest : public QObject {
  Q_OBJECT

 private slots:
  // The curve's line and nodes are on the screen where the core puts them; a click selects a
  // node, which turns yellow with its label below it. The screenshot shows it.
  void curveIsDrawnAndANodeSelected() {
    CurveView w;
    QVERIFY(w.view);
    QVERIFY(w.m.link.FlagiCzytania() & AreaBit::PressureCorrection);
    const chart::ChartColours colours = LightColours();
    for (int i : {0, 1, 2, 3, 7})
      QCOMPARE(w.PixelAt(w.NodeAt(i)), ToQColor(colours.curve));
    QCOMPARE(w.PixelAt(w.NodeAt(2) + QPoint(0, 5)), QColor(Qt::black));
    QVERIFY(w.Activate());
    QTest::mouseClick(w.view.get(), Qt::LeftButton, {}, w.NodeAt(2) + QPoint(2, -2));
    QCOMPARE(w.view->WybranyPunkt(), 2);
    QVERIFY(w.view->KeySink()->hasFocus());
    QTRY_COMPARE(w.PixelAt(w.NodeAt(2)), ToQColor(chart::kSelectedNode));
    QCOMPARE(w.PixelAt(w.NodeAt(1)), ToQColor(colours.curve));
    QCOMPARE(w.PixelAt(w.NodeAt(2) + QPoint(12, 30)), ToQColor(chart::kLabelBox));
    QCOMPARE(w.m.link.FlagiZapisu(), 0u);  // a selection changes nothing
    QVERIFY(SaveScreenshot(*w.view, "curve_kind4.png"));
  }

  // A right click adds a node where it is pressed, on the curve: the line stays where it was;
  // the record is stored and written, and the other views hear of it.
  void rightClickAddsANodeOnTheCurve() {
    CurveView w;
    QVERIFY(w.view);
    QSignalSpy changed(w.view.get(), &TGrafika::DataChanged);
    const curve::Record before = w.Curve().record;
    QTest::mouseClick(w.view.get(), Qt::RightButton, {}, QPoint(w.ColumnOf(160), 60));
    const chart::CorrectionCurve after = w.Curve();
    QCOMPARE(w.view->WybranyPunkt(), 3);  // between 1.30 and 1.90 bar
    QCOMPARE(after.X(3), 160);
    QCOMPARE(after.Y(3), int(before[160]));
    QCOMPARE(after.X(4), 190);
    QVERIFY(std::equal(before.begin() + 50, before.end(), after.record.begin() + 50));
    QCOMPARE(w.m.link.FlagiZapisu(), uint32_t(AreaBit::PressureCorrection));
    QCOMPARE(changed.count(), 1);
  }

  // Up raises the selected node, Right moves it, Insert adds one half-way in the first free
  // slot, Delete removes the selected one; each is recomputed, stored and written.
  void keysEditTheSelectedNode() {
    CurveView w;
    QVERIFY(w.view);
    QVERIFY(w.Activate());
    QTest::mouseClick(w.view.get(), Qt::LeftButton, {}, w.NodeAt(2));
    QCOMPARE(w.view->WybranyPunkt(), 2);
    QSignalSpy changed(w.view.get(), &TGrafika::DataChanged);
    QWidget* keys = w.view->KeySink();
    QTest::keyClick(keys, Qt::Key_Up);
    QCOMPARE(w.Curve().Y(2), 137);
    QCOMPARE(int(w.Curve().record[130]), 137);
    QCOMPARE(w.m.link.FlagiZapisu(), uint32_t(AreaBit::PressureCorrection));
    QTest::keyClick(keys, Qt::Key_Right);
    QCOMPARE(w.Curve().X(2), 131);
    QTest::keyClick(keys, Qt::Key_Insert);
    QCOMPARE(w.view->WybranyPunkt(), 4);
    QCOMPARE(w.Curve().X(4), 220);  // half-way from 1.90 to 2.50 bar
    QTest::keyClick(keys, Qt::Key_PageDown);
    QTest::keyClick(keys, Qt::Key_Delete);
    QCOMPARE(w.Curve().PresentCount(), 5);
    QCOMPARE(w.view->WybranyPunkt(), 2);
    QCOMPARE(w.Curve().Y(3), 0);  // node 3 at 1.90 bar is gone
    QCOMPARE(changed.count(), 4);
    QTest::keyClick(keys, Qt::Key_Home);
    QTest::keyClick(keys, Qt::Key_Delete);  // an end node cannot go
    QCOMPARE(w.Curve().PresentCount(), 5);
    QCOMPARE(w.view->WybranyPunkt(), 0);
  }

  // The keys reach the nodes only while the view has been clicked into.
  void keysWithoutFocusAreLeftAlone() {
    CurveView w;
    QVERIFY(w.view);
    w.view->KeySink()->clearFocus();
    QVERIFY(!w.view->KlawiszWidoku(Qt::Key_Up, false, false));
    QCOMPARE(w.Curve().Y(0), 128);
    QCOMPARE(w.m.link.FlagiZapisu(), 0u);
  }

  // The arrow buttons raise every node while none is selected.
  void arrowButtonRaisesTheCurve() {
    CurveView w;
    QVERIFY(w.view);
    const int c = (kHeight - 14) / 2;
    QTest::mouseClick(w.view.get(), Qt::LeftButton, {}, QPoint(kWidth - 15, c - 15));
    QCOMPARE(w.Curve().Y(0), 129);
    QCOMPARE(w.Curve().Y(3), 113);
    QCOMPARE(w.m.link.FlagiZapisu(), uint32_t(AreaBit::PressureCorrection));
  }

  // The Delete button of the sub-view: back to a flat line at 0 %, written; nothing on a kind
  // without a curve.
  void deleteButtonResetsTheCurveShown() {
    CurveView w;
    QVERIFY(w.view);
    QSignalSpy changed(w.view.get(), &TGrafika::DataChanged);
    w.view->KasujKrzywa();
    QCOMPARE(w.Curve().record, curve::NeutralRecord(curve::kPressure));
    QCOMPARE(w.m.link.FlagiZapisu(), uint32_t(AreaBit::PressureCorrection));
    QCOMPARE(changed.count(), 1);
    const int y = w.NodeAt(0).y();
    QCOMPARE(w.PixelAt({w.ColumnOf(150), y}), ToQColor(LightColours().curve));

    LinkTestAccess::FlagiZapisu(w.m.link) = 0;
    w.view->UstawRodzaj(chart::kInjectionMapKind);
    w.view->KasujKrzywa();
    QCOMPARE(w.m.link.FlagiZapisu(), 0u);
    QCOMPARE(changed.count(), 1);
  }

  // A controller's record with one node left is reset when shown, once the controller's copy
  // has arrived; before, the reset's write would have gone out ahead of the read.
  void aSingleNodeRecordIsResetWhenShown() {
    curve::Record broken{};
    broken[0] = 9;
    broken[curve::NodeX(3)] = 150;
    broken[curve::NodeY(3)] = 140;
    CurveView w(chart::kReducerTemperatureKind, broken);
    QVERIFY(w.view);
    QCOMPARE(w.Curve().PresentCount(), 1);  // still being read
    QCOMPARE(w.m.link.FlagiZapisu(), 0u);
    QVERIFY(w.m.TickUntil([&] { return w.m.link.FlagiCzytania() == 0; }));
    w.view->Przerysuj();  // as the main window does when the record arrives
    QCOMPARE(w.Curve().record, curve::NeutralRecord(curve::kReducerTemperature));
    QCOMPARE(w.m.link.FlagiZapisu(), uint32_t(AreaBit::ReducerTempCorrection));
    QCOMPARE(w.PixelAt(w.NodeAt(7)), ToQColor(LightColours().curve));
  }
};

int RunCurveViewTests(int argc, char** argv) {
  CurveViewTest test;
  return QTest::qExec(&test, argc, argv);
}
#include "CurveViewTest.moc"
