// The map view's grid kinds offscreen on links read out from simulated controllers: a value
// typed into a cell reaches the controller, a block raised with Ctrl+Up, the check mark that
// shows the learned maps above the RPM corrections, a block copied and pasted back through the
// clipboard, the live cell repainting only where it moves, and screenshots.

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPaintEvent>
#include <QSignalSpy>
#include <QtTest>
#include <memory>

#include "app/QtColours.h"
#include "charts/ChartKinds.h"
#include "charts/PicturePainter.h"
#include "charts/TableCells.h"
#include "charts/TablePicture.h"
#include "charts/Tgrafika.h"
#include "lang/Langtext.h"
#include "tests/support/LinkTestAccess.h"
#include "tests/support/MemoryLink.h"
#include "tests/support/ShownWidget.h"

namespace {

constexpr int kWidth = 1000;
constexpr int kHeight = 600;

class PaintCounter : public QObject {
 public:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) painted += static_cast<QPaintEvent*>(event)->region();
    return false;
  }
  QRegion painted;
};

// A controller of the family read out over memory, with RPM and load breakpoints, learned maps,
// RPM corrections around neutral and a gas advance table; the view shows a grid kind.
struct TableView {
  TableView(int family, int kind) : m(family) {
    Texts().LanguageIndex = 0;
    FillTables();
    if (!m.ReadOut()) return;
    view = std::make_unique<TGrafika>(m.link);
    view->resize(kWidth, kHeight);
    view->show();
    view->UstawRodzaj(kind);
    // The table the kind asks for arrives; the axes are then set as the tests want them.
    if (!m.TickUntil([&] { return m.link.FlagiCzytania() == 0; })) view.reset();
    uint8_t* settings = LinkTestAccess::Nastawy(m.link);
    for (int k = 0; k < 16; ++k) {
      settings[240 + k] = static_cast<uint8_t>(16 + 10 * k);  // 800 .. 8300 rpm
      settings[224 + k] = static_cast<uint8_t>(20 + 6 * k);   // 0.20 .. 1.10 bar
    }
    settings[4] = settings[76] = settings[81] = 0;
    LinkTestAccess::FlagiZapisu(m.link) = 0;
    if (view) view->Przerysuj();
  }

  void FillTables() {
    auto& memory = m.controller.memory;
    for (int c = 0; c < 16; ++c)
      for (int r = 0; r < 16; ++r) {
        const auto at = [&](int area) { return static_cast<size_t>(area + c * 16 + r); };
        const bool learned = c <= 12 && r <= 12 && c + r >= 2;
        const int petrol = 18 + 10 * r + (c % 3) - c / 3;
        memory[at(img::MapaEcuBen)] = learned ? static_cast<uint8_t>(petrol) : 0;
        memory[at(img::MapaEcuGaz)] =
            learned ? static_cast<uint8_t>(petrol - (petrol - 70) / 8 + (c + r) % 5 - 2) : 0;
        memory[at(img::KorOdObr1)] = static_cast<uint8_t>(100 + ((c * 7 + r * 3) % 21) - 10);
        memory[at(img::PrzesGaz)] = static_cast<uint8_t>(20 + 3 * c + r);
        memory[at(img::MapaCis)] = static_cast<uint8_t>(100 + c + r);
      }
  }

  const uint8_t* Table(int area) const { return &m.link.ObrazSterownika()[area]; }
  int Cell(int area, int column, int row) const { return Table(area)[column * 16 + row]; }
  // The middle of table cell (column, row) of the main grid.
  QPoint At(int column, int row) const {
    const chart::CellBox box = view->Grids().main.Box(chart::GridOfTable(column, row));
    return {(box.left + box.right) / 2, (box.top + box.bottom) / 2};
  }
  QColor PixelAt(QPoint p) const { return view->Snapshot().pixelColor(p); }
  bool Activate() { return ::Activate(*view); }
  void Screenshot(const char* name) { QVERIFY(SaveScreenshot(*view, name)); }
  DecodedStatus Status(int column, int row) {
    m.TickUntil([&] { return m.link.LastStatus().length > 0; });
    DecodedStatus status = m.link.LastStatus();
    status.bytes[15] = static_cast<uint8_t>(column);
    status.bytes[16] = static_cast<uint8_t>(row);
    return status;
  }
  // Runs the link until the controller holds every write.
  bool Written() {
    return m.TickUntil([&] { return (m.link.FlagiZapisu() | m.link.FlagiZapisuWToku()) == 0; });
  }

  MemoryLink m;
  std::unique_ptr<TGrafika> view;
};

}  // namespace

class TableViewUiTest : public QObject {
  Q_OBJECT

 private slots:
  // Double-click a cell of the petrol pressure map, type "2,5" and Enter: 2.5 V is stored as
  // 125, written, and the controller holds it.
  void typedCellIsStoredAndWritten() {
    TableView t(255, chart::kPressureMapKind);
    QVERIFY(t.view);
    QVERIFY(t.Activate());
    QTest::mouseClick(t.view.get(), Qt::LeftButton, {}, t.At(3, 5));
    QTest::mouseDClick(t.view.get(), Qt::LeftButton, {}, t.At(3, 5));
    QLineEdit* editor = qobject_cast<QLineEdit*>(t.view->KeySink());
    QVERIFY(!editor->isReadOnly());
    QVERIFY(editor->geometry().contains(t.At(3, 5)));
    QCOMPARE(editor->text(), QStringLiteral("2.16"));  // 108 x 0.02
    editor->selectAll();
    QTest::keyClicks(editor, "2,5");
    QSignalSpy changed(t.view.get(), &TGrafika::DataChanged);
    QTest::keyClick(editor, Qt::Key_Return);
    QCOMPARE(t.Cell(img::MapaCis, 3, 5), 125);
    QVERIFY(t.m.link.FlagiZapisu() & AreaBit::PressureMap);
    QCOMPARE(changed.count(), 1);
    QVERIFY(editor->isReadOnly());
    QVERIFY(editor->width() <= 1);
    QVERIFY(t.Written());
    QCOMPARE(int(t.m.controller.memory[img::MapaCis + 3 * 16 + 5]), 125);
    // Escape leaves the cell as it was; a header of a fixed axis cannot be typed into.
    QTest::mouseDClick(t.view.get(), Qt::LeftButton, {}, t.At(4, 5));
    QTest::keyClicks(editor, "4");
    QTest::keyClick(editor, Qt::Key_Escape);
    QCOMPARE(t.Cell(img::MapaCis, 4, 5), 109);
    QVERIFY(editor->isReadOnly());
  }

  // A press and a drag select a block, framed in magenta; Ctrl+Up raises its cells only and
  // writes both banks' corrections.
  void blockRaisedWithCtrlUp() {
    TableView t(2, chart::kRpmCorrectionKind);
    QVERIFY(t.view);
    QVERIFY(t.Activate());
    const int before[] = {t.Cell(img::KorOdObr1, 2, 3), t.Cell(img::KorOdObr1, 4, 5),
                          t.Cell(img::KorOdObr1, 5, 5)};
    QTest::mousePress(t.view.get(), Qt::LeftButton, {}, t.At(2, 5));
    QTest::mouseMove(t.view.get(), t.At(4, 3));
    QTest::mouseRelease(t.view.get(), Qt::LeftButton, {}, t.At(4, 3));
    const chart::Block block = t.view->Selection();
    QCOMPARE(block.left, 2);
    QCOMPARE(block.right, 4);
    QCOMPARE(block.bottom, 3);
    QCOMPARE(block.top, 5);
    QVERIFY(t.view->KeySink()->hasFocus());
    const chart::CellBox corner =
        t.view->Grids().main.Box(chart::GridOfTable(2, 5));  // the block's top left
    QCOMPARE(t.PixelAt({corner.left, corner.top}), ToQColor(chart::kLiveCell));
    QTest::keyClick(t.view->KeySink(), Qt::Key_Up, Qt::ControlModifier);
    QCOMPARE(t.Cell(img::KorOdObr1, 2, 3), before[0] + 1);
    QCOMPARE(t.Cell(img::KorOdObr1, 4, 5), before[1] + 1);
    QCOMPARE(t.Cell(img::KorOdObr1, 5, 5), before[2]);      // outside the block
    QCOMPARE(t.Cell(img::KorOdObr2, 4, 5), before[1] + 1);  // both banks edited together
    QCOMPARE(t.m.link.FlagiZapisu(), uint32_t(AreaBit::RpmCorrection1 | AreaBit::RpmCorrection2));
    // Shift+Left shrinks the block from its moving end; Ctrl+Z takes the raise back.
    QTest::keyClick(t.view->KeySink(), Qt::Key_Left, Qt::ShiftModifier);
    QCOMPARE(t.view->Selection().right, 3);
    QTest::keyClick(t.view->KeySink(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(t.Cell(img::KorOdObr1, 4, 5), before[1]);
  }

  // The first check mark shows the injection-time maps above the corrections and asks the
  // main window to lay out its tools again; a second press hides them.
  void checkMarkShowsTheLearnedMaps() {
    TableView t(2, chart::kRpmCorrectionKind);
    QVERIFY(t.view);
    QSignalSpy tools(t.view.get(), &TGrafika::ToolsChanged);
    const chart::Point mark =
        chart::UpperTableChecksOf(t.m.link, kWidth, ChartTextWidth).injectionTimes;
    QVERIFY(!t.view->Grids().upper);
    QTest::mouseClick(t.view.get(), Qt::LeftButton, {}, QPoint(mark.x, mark.y));
    QCOMPARE(t.view->GornaTabela(), 1);
    QCOMPARE(tools.count(), 1);
    QVERIFY(t.view->Grids().upper);
    QCOMPARE(t.PixelAt({mark.x + 2, mark.y - 1}), ToQColor(chart::kTick));
    // A learned cell of the deviation view is yellow.
    const chart::CellBox cell = t.view->Grids().upper->Box(chart::GridOfTable(5, 5));
    QCOMPARE(t.PixelAt({cell.left + 3, cell.bottom - 3}), ToQColor(chart::kBothShade));
    QTest::mouseClick(t.view.get(), Qt::LeftButton, {}, QPoint(mark.x, mark.y));
    QCOMPARE(t.view->GornaTabela(), 0);
    QCOMPARE(tools.count(), 2);
  }

  // A block copied to the clipboard, deleted, and pasted back is what it was; a paste that
  // does not fit changes nothing.
  void copyAndPasteRoundTrip() {
    TableView t(255, chart::kGasAdvanceKind);
    QVERIFY(t.view);
    QVERIFY(t.Activate());
    QWidget* keys = t.view->KeySink();
    QTest::mouseClick(t.view.get(), Qt::LeftButton, {}, t.At(6, 9));
    QTest::mouseClick(t.view.get(), Qt::LeftButton, Qt::ShiftModifier, t.At(8, 7));
    std::array<uint8_t, 256> before{};
    std::copy_n(t.Table(img::PrzesGaz), 256, before.begin());
    QTest::keyClick(keys, Qt::Key_C, Qt::ControlModifier);
    const QString copied = QGuiApplication::clipboard()->text();
    QCOMPARE(copied.count(QLatin1Char('\n')), 3);
    QVERIFY(copied.startsWith(QStringLiteral("118\t")));  // (20 + 18 + 9) x 2.5, rounded
    QTest::keyClick(keys, Qt::Key_Delete);
    QCOMPARE(t.Cell(img::PrzesGaz, 7, 8), 72);
    LinkTestAccess::FlagiZapisu(t.m.link) = 0;
    QTest::keyClick(keys, Qt::Key_V, Qt::ControlModifier);
    QVERIFY(std::equal(before.begin(), before.end(), t.Table(img::PrzesGaz)));
    QVERIFY(t.m.link.FlagiZapisu() & AreaBit::GasAdvance);
    // Pasted at the last column, three columns have no room: refused with a message.
    QTest::mouseClick(t.view.get(), Qt::LeftButton, {}, t.At(15, 9));
    LinkTestAccess::FlagiZapisu(t.m.link) = 0;
    QTimer::singleShot(0, [] {
      if (QWidget* box = QApplication::activeModalWidget()) box->close();
    });
    QTest::keyClick(keys, Qt::Key_V, Qt::ControlModifier);
    QVERIFY(std::equal(before.begin(), before.end(), t.Table(img::PrzesGaz)));
    QCOMPARE(t.m.link.FlagiZapisu(), 0u);
  }

  // The live cell's disc moves with the engine, repainting the cells it leaves and enters only.
  void liveCellRepaintsOnlyItsCells() {
    TableView t(2, chart::kRpmCorrectionKind);
    QVERIFY(t.view);
    QCoreApplication::processEvents();
    PaintCounter counter;
    t.view->installEventFilter(&counter);
    t.view->PokazBiezace(t.Status(4, 6));
    QCoreApplication::processEvents();
    const chart::GridGeometry g = t.view->Grids().main;
    const chart::CellBox first = g.Box(chart::GridOfTable(4, 6));
    QCOMPARE(counter.painted.boundingRect(),
             QRect(first.left - 1, first.top - 1, first.right - first.left + 2,
                   first.bottom - first.top + 2));
    const QImage screen = t.view->grab().toImage();
    QCOMPARE(screen.pixelColor(first.left + first.Height() / 2, (first.top + first.bottom) / 2),
             ToQColor(chart::kLiveCell));
    counter.painted = {};
    t.view->PokazBiezace(t.Status(4, 6));
    QCoreApplication::processEvents();
    QVERIFY(counter.painted.isEmpty());
    t.view->PokazBiezace(t.Status(5, 6));
    QCoreApplication::processEvents();
    const chart::CellBox second = g.Box(chart::GridOfTable(5, 6));
    QVERIFY(counter.painted.contains(QPoint(first.left + 2, first.top + 2)));
    QVERIFY(counter.painted.contains(QPoint(second.left + 2, second.top + 2)));
    QVERIFY(!counter.painted.contains(QPoint(first.left + 2, first.top - 10)));
    // Kind 1's "+" raises the cell the engine runs in.
    const int live = t.Cell(img::KorOdObr1, 5, 6);
    QVERIFY(t.view->KlawiszWidoku(Qt::Key_Plus, false, false));
    QCOMPARE(t.Cell(img::KorOdObr1, 5, 6), live + 1);
  }

  // What an installer sees: the corrections under the deviation of the learned maps, and the
  // gas advance table with its values beyond half a turn in red.
  void screenshots() {
    TableView t(2, chart::kRpmCorrectionKind);
    QVERIFY(t.view);
    t.view->resize(1280, 800);
    t.view->SetGornaTabela(1);
    t.view->UstawWidok(2);
    QVERIFY(t.Activate());
    QTest::mouseClick(t.view.get(), Qt::LeftButton, {}, t.At(4, 6));
    QTest::mouseClick(t.view.get(), Qt::LeftButton, Qt::ShiftModifier, t.At(6, 4));
    t.view->PokazBiezace(t.Status(7, 8));
    QCoreApplication::processEvents();
    t.Screenshot("table_kind1_deviation.png");

    TableView a(255, chart::kGasAdvanceKind);
    QVERIFY(a.view);
    uint8_t* settings = LinkTestAccess::Nastawy(a.m.link);
    settings[261] = 2;
    settings[262] = 0;
    a.view->Przerysuj();
    a.view->PokazBiezace(a.Status(9, 3));
    QCoreApplication::processEvents();
    a.Screenshot("table_kind13.png");
  }
};

int RunTableViewTests(int argc, char** argv) {
  TableViewUiTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "TableViewUiTest.moc"
