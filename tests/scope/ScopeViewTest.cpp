// The scope in the main window, offscreen, against the simulated controller and recordings:
// live recording, the tool buttons, a loaded file browsed with the cursor, whose instant the
// panels show, the detached window, the File menu's entries and the command line.

#include <QMenu>
#include <QToolButton>
#include <QtTest>
#include <fstream>

#include "app/ChannelList.h"
#include "app/ParameterGrid.h"
#include "app/RightPanel.h"
#include "app/ScopeToolPanel.h"
#include "app/Unit6.h"
#include "controller/StatusDecoding.h"
#include "lang/Langtext.h"
#include "scope/ScopeFile.h"
#include "scope/TimeBase.h"
#include "scope/Toscyloskop.h"
#include "scope/TraceValues.h"
#include "tests/support/TempFolder.h"
#include "tests/support/WindowSim.h"

namespace {

constexpr int kRecords = 600;

// A window on the Oscilloscope tab with a controller whose values move.
struct ScopeWindow {
  explicit ScopeWindow(int family, const std::string& documents = "",
                       const std::string& commandLineFile = "")
      : s(family, documents, commandLineFile) {
    Texts().LanguageIndex = 0;
    s.controller.frozenLiveValues = false;
    s.window->resize(1280, 800);
    s.window->show();
  }
  bool Connect() {
    if (!s.Connect()) return false;
    s.window->SelectTab(kScopeTab);
    return true;
  }
  TScope& scope() { return s.window->scopeView(); }
  void Press(int tag) { s.window->scopeTools().Button(tag)->click(); }
  // Ticks until n more records are in.
  bool Record(int n) {
    const int target = s.link().IleRekordow() + n;
    return s.TickUntil([&] { return s.link().IleRekordow() >= target; }, 4 * n + 20);
  }
  void Screenshot(const char* name) {
    QVERIFY(s.window->grab().save(QStringLiteral(SCREENSHOT_FOLDER "/") + name));
  }
  WindowSim s;
};

// A recording of a controller whose values move, written as a scope file.
std::string MakeRecording(const TempFolder& folder, int family) {
  ScopeWindow w(family);
  if (!w.Connect()) return {};
  w.Press(6);
  if (!w.Record(kRecords)) return {};
  const std::string path = folder.File("recorded-" + std::to_string(family) + ".osc");
  std::ofstream out(path, std::ios::binary);
  const std::vector<uint8_t> bytes = scope_file::Bytes(w.s.link(), w.s.link().Nagranie());
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  return path;
}

// The first reading as the record under view x holds it.
QString ReadingAt(ScopeWindow& w, int x) {
  const TSterownik& link = w.s.link();
  const int record = scope::RecordAtX(x, w.scope().View().first, w.scope().View().Rate());
  const int definition = link.PodajPozycje(ChartPlace::Readings, 0);
  return Q(DecodeLiveValue(link.ListaWykresow()[static_cast<size_t>(definition)],
                           link.Nagranie().At(record), link.Nastawy(), link.DecimalSeparator())
               .text);
}

}  // namespace

class ScopeViewTest : public QObject {
  Q_OBJECT

 private slots:
  void liveScopeFollowsTheController() {
    ScopeWindow w(255);
    QVERIFY(w.Connect());
    QVERIFY(w.scope().isVisible());
    QVERIFY(w.s.window->scopeTools().isVisible());
    QVERIFY(w.Record(300));
    QCOMPARE(w.scope().View().tool, scope::Tool::Start);
    QCOMPARE(w.scope().View().end, w.s.link().IleRekordow());
    w.Screenshot("scope-live-family255.png");
  }

  // A trace of the fast digital samples needs long records: the channel list asks, the scope
  // starts again with long records and draws the samples as logic-analyser rows.
  void longRecordsFromTheChannelList() {
    ScopeWindow w(255);
    w.s.controller.drive = true;
    QVERIFY(w.Connect());
    ChannelList& channels = w.s.window->channelList();
    const TSterownik& link = w.s.link();
    int row = 0;
    while (row < channels.RowCount() && link.PodajPozycje(ChartPlace::ScopeList, row) != 55)
      ++row;
    QVERIFY(row < channels.RowCount());
    const QRect cell = channels.ShowRow(row);
    QTest::mouseClick(channels.viewport(), Qt::LeftButton, {},
                      QPoint(2 * cell.height() + 10, cell.center().y()));
    QCOMPARE(w.s.ui.messages.size(), size_t{1});
    QCOMPARE(link.RozmiarRekordu(), 256);
    QVERIFY(link.ListaWykresow()[55].flagi & ChartPlace::ScopeTrace);
    QVERIFY(w.Record(200));
    QVERIFY(!scope::DigitalEvents(link.Nagranie().At(link.IleRekordow() - 1)).empty());
    w.Screenshot("scope-long-records-family255.png");
  }

  // The Map tab's small view and the KAVI's petrol-input trace are drawn by the same widget.
  void dockedAndPetrolInputViews() {
    ScopeWindow w(255);
    w.s.controller.drive = true;
    QVERIFY(w.Connect());
    QVERIFY(w.Record(100));
    w.scope().SetDisplayKind(scope::DisplayKind::Docked);
    w.scope().Redraw();
    QCOMPARE(w.scope().View().timeBase, scope::kDefaultTimeBase);
    w.Screenshot("scope-docked-family255.png");
    w.s.window->SelectTab(kScopeTab);  // pressed again: the sub-views follow one another
    w.s.window->SelectTab(kScopeTab);
    w.s.window->SelectTab(kScopeTab);
    QCOMPARE(w.scope().View().kind, scope::DisplayKind::PetrolInput);
    QVERIFY(w.scope().isVisible());
    for (int second = 0; second < 6; ++second)  // the timer asks for the samples every 6 s
      w.s.window->OneSecond();
    QVERIFY(w.s.TickUntil(
        [&] { return (w.s.link().FlagiRozkazow() & CommandBit::ReadPetrolScope) == 0; }));
    w.scope().Redraw();
    w.Screenshot("scope-petrol-input-family255.png");
    w.s.window->SelectTab(kScopeTab);
    QCOMPARE(w.scope().View().kind, scope::DisplayKind::Normal);
  }

  void toolButtonsPauseStopClearAndLayout() {
    ScopeWindow w(2);
    QVERIFY(w.Connect());
    QVERIFY(w.Record(20));
    w.Press(2);  // pause: recording goes on, the view stays
    const int end = w.scope().View().end;
    QVERIFY(w.Record(10));
    QCOMPARE(w.scope().View().end, end);
    w.Press(3);  // stop: nothing recorded
    const int stopped = w.s.link().IleRekordow();
    w.s.TickUntil([] { return false; }, 20);
    QCOMPARE(w.s.link().IleRekordow(), stopped);
    w.Press(11);
    QCOMPARE(w.scope().View().layout, scope::Layout::FiveBands);
    w.Press(21);
    QCOMPARE(w.scope().View().timeBase, 4);
    w.Press(6);  // delete
    QCOMPARE(w.s.link().IleRekordow(), 0);
    w.Press(5);  // the open dialog cancelled: still stopped
    QCOMPARE(w.scope().View().tool, scope::Tool::Stop);
    QVERIFY(w.s.window->scopeTools().Button(3)->isChecked());
  }

  void recordingFileButtonStartsAndStops() {
    TempFolder folder("scope-view-file");
    ScopeWindow w(2);
    QVERIFY(w.Connect());
    QVERIFY(w.Record(20));
    const std::string path = folder.File("button.osc");
    w.s.ui.paths.push_back(path);
    w.Press(4);
    QVERIFY(w.s.link().RecordingFileOpen());
    QVERIFY(w.s.window->scopeTools().Button(4)->isChecked());
    QVERIFY(w.Record(10));
    w.Press(4);
    QVERIFY(!w.s.link().RecordingFileOpen());
    QVERIFY(!w.s.window->scopeTools().Button(4)->isChecked());
    QCOMPARE(std::filesystem::file_size(path),
             static_cast<uintmax_t>(6144 + 128 * w.s.link().IleRekordow()));
  }

  // A recording opened from the File menu replaces the controller; the cursor reads it and the
  // readings panel shows the instant under it.
  void loadedRecordingBrowsedWithTheCursor() {
    TempFolder folder("scope-view-load");
    const std::string path = MakeRecording(folder, 2);
    QVERIFY(!path.empty());
    ScopeWindow w(2);
    QVERIFY(w.Connect());
    w.s.ui.paths.push_back(path);
    ActionNamed(*w.s.window, 1105)->trigger();
    QVERIFY(!w.s.link().PolaczonyPortComm());
    QCOMPARE(w.s.window->CurrentTab(), kScopeTab);
    QCOMPARE(w.scope().View().tool, scope::Tool::File);
    QCOMPARE(w.scope().View().end, kRecords);
    QVERIFY(!w.s.window->AutoReconnect());
    for (const int x : {200, 500}) {
      QTest::mouseMove(&w.scope(), QPoint(x, 200));
      QCOMPARE(w.scope().View().cursor, x);
      QCOMPARE(w.s.window->rightPanel().parameters()->ValueText(0), ReadingAt(w, x));
    }
    w.Screenshot("scope-file-family2.png");

    w.scope().Tool(20);  // a quicker time base, keeping the middle of the plot in place
    QCOMPARE(w.scope().View().timeBase, 2);
    const int end = w.scope().View().end;
    QVERIFY(end < kRecords);
    QVERIFY(w.scope().ArrowKey(Qt::Key_Right));
    QCOMPARE(w.scope().View().end, end + 1);
  }

  // The File menu offers the demonstration recordings found beside the program.
  void demonstrationRecordingFromTheFileMenu() {
    ScopeWindow w(2);
    const std::filesystem::path demo =
        std::filesystem::temp_directory_path() / "malver-test-bin" / "Demo";
    std::filesystem::create_directories(demo);
    std::filesystem::copy_file(DEMO_FOLDER "/MALVER rumo.osc", demo / "MALVER rumo.osc",
                               std::filesystem::copy_options::overwrite_existing);
    QMenu* demos = nullptr;
    for (QMenu* m : w.s.window->findChildren<QMenu*>())
      if (m->title() == Q(LangText(1108))) demos = m;
    QVERIFY(demos);
    emit qobject_cast<QMenu*>(demos->parentWidget())->aboutToShow();
    QAction* rumo = nullptr;
    for (QAction* a : demos->actions())
      if (a->text() == QStringLiteral("MALVER rumo")) rumo = a;
    QVERIFY(rumo && rumo->isEnabled());
    for (QAction* a : demos->actions())
      if (a->text() == QStringLiteral("KAVI")) QVERIFY(!a->isVisible());
    rumo->trigger();
    std::filesystem::remove_all(demo);
    QCOMPARE(w.s.link().Rodzina(), Family::Rumo);
    QCOMPARE(w.s.link().IleRekordow(), 1800);
    QCOMPARE(w.s.window->CurrentTab(), static_cast<int>(kMapTab));
    QCOMPARE(w.s.window->PodWidokMapy(), 0);
    w.s.window->SelectTab(kScopeTab);
    w.scope().Tool(21);
    w.scope().Tool(21);  // four records a pixel: the whole drive
    QTest::mouseMove(&w.scope(), QPoint(300, 300));
    QCOMPARE(w.s.window->rightPanel().parameters()->ValueText(0), ReadingAt(w, 300));
    w.Screenshot("scope-demo-rumo.png");
  }

  void commandLineRecordingOpensOnTheScopeTab() {
    TempFolder folder("scope-view-command-line");
    const std::string path = MakeRecording(folder, 255);
    QVERIFY(!path.empty());
    ScopeWindow w(2, "", path);
    w.s.window->OpenCommandLineFile();
    QCOMPARE(w.s.link().Rodzina(), Family::Kavi);
    QCOMPARE(w.s.window->CurrentTab(), kScopeTab);
    QVERIFY(w.s.window->scopeTools().Button(5)->isChecked());
    QCOMPARE(w.s.link().IleRekordow(), kRecords);
  }

  void detachedWindowHoldsTheScope() {
    ScopeWindow w(2);
    QVERIFY(w.Connect());
    w.Press(22);
    QVERIFY(w.s.window->scopeWindow().isVisible());
    QCOMPARE(w.scope().parentWidget(), &w.s.window->scopeWindow());
    w.s.window->SelectTab(0);
    QVERIFY(w.s.window->scopeWindow().isVisible());
    w.s.window->SelectTab(kScopeTab);
    QVERIFY(!w.s.window->scopeWindow().isVisible());
    QVERIFY(w.scope().isVisible());
    w.s.window->SelectTab(0);
    w.s.window->scopeWindow().close();
    QVERIFY(!w.s.window->scopeTools().Button(22)->isChecked());
    w.s.window->SelectTab(kScopeTab);
    QCOMPARE(w.scope().parentWidget()->parentWidget()->metaObject()->className(), "QStackedWidget");
  }

  void csvExportFromTheFileMenu() {
    TempFolder folder("scope-view-csv");
    ScopeWindow w(2);
    QVERIFY(w.Connect());
    QVERIFY(w.Record(20));
    const std::string path = folder.File("export.csv");
    w.s.ui.paths.push_back(path);
    ActionNamed(*w.s.window, 1107)->trigger();
    std::ifstream in(path);
    std::string header;
    std::getline(in, header);
    QVERIFY(header.rfind("sec;", 0) == 0);
  }
};

QTEST_MAIN(ScopeViewTest)
#include "ScopeViewTest.moc"
