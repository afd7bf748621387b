// The main window's rules that need no window: configuration file, error list, titles,
// layout per family, status texts, key buffers and the connection watch.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/Configuration.h"
#include "app/ConnectionSupervisor.h"
#include "app/EventRefresh.h"
#include "app/IniFile.h"
#include "app/KeyBuffers.h"
#include "app/WindowRules.h"
#include "app/Workstation.h"
#include "controller/Colour.h"
#include "lang/Langtext.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/LinkTestAccess.h"
#include "tests/support/OfflineLink.h"
#include "tests/support/SimLink.h"

namespace {

namespace fs = std::filesystem;

class ConfigurationTest : public ::testing::Test {
 protected:
  ConfigurationTest()
      : folder(fs::temp_directory_path() / ("malver-ini-" + std::to_string(getpid()))),
        link(ui, clock, "no-ftdi-library-here.so") {
    fs::remove_all(folder);
    fs::create_directories(folder);
  }
  ~ConfigurationTest() override { fs::remove_all(folder); }
  std::string Write(const std::string& text) {
    const std::string path = (folder / "Malver2.ini").string();
    std::ofstream(path) << text;
    return path;
  }
  std::string Read(const std::string& path) {
    std::ifstream in(path);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }
  fs::path folder;
  FakeUi ui;
  SteadyClock clock;
  TSterownik link;
};

TEST_F(ConfigurationTest, ValuesAreCheckedOnReading) {
  const Configuration c = ReadConfiguration(
      Write("[1]\nComm=305\nLang=14\nComp=9\nView=3\nWWidth=5000\nWLeft=-30\nWTop=12\n"), link,
      1920, 1080);
  EXPECT_TRUE(c.fromFile);
  EXPECT_EQ(c.comm, 305);
  EXPECT_EQ(c.language, 0);
  EXPECT_EQ(c.colourScheme, 3);
  EXPECT_EQ(c.viewLevel, 1);
  EXPECT_EQ(c.width, 1920);
  EXPECT_EQ(c.left, 0);
  EXPECT_EQ(c.top, 12);
  EXPECT_EQ(c.height, 600) << "missing keys take their defaults";

  const Configuration negative =
      ReadConfiguration(Write("[1]\nLang=-2\nComp=-1\nView=-5\n"), link, 1920, 1080);
  EXPECT_EQ(negative.language, 0);
  EXPECT_EQ(negative.colourScheme, 3);
  EXPECT_EQ(negative.viewLevel, 1);

  const Configuration none = ReadConfiguration("", link, 1920, 1080);
  EXPECT_FALSE(none.fromFile);
  EXPECT_EQ(none.language, 1) << "Polish by default";
}

TEST_F(ConfigurationTest, ColoursAndFlagsGoToTheLink) {
  ReadConfiguration(Write("[2]\nColor1400=255\nColor1608=0x00FF00\n[4]\nView101=16\nView422=32\n"),
                    link, 1920, 1080);
  EXPECT_EQ(link.KoloryWykresow()[0], 255u);
  EXPECT_EQ(link.KoloryWykresow()[37], 0x00FF00u);
  EXPECT_EQ(link.KoloryWykresow()[1], 0xFD7000u) << "the default of a missing key";
  EXPECT_EQ(link.ObrazSterownika()[1], 16);
  EXPECT_EQ(link.ObrazSterownika()[97], 32);
  EXPECT_EQ(link.ObrazSterownika()[3], 0x30) << "default of View103";
}

TEST_F(ConfigurationTest, WritingKeepsWhatThisRunDoesNotWrite) {
  const std::string path =
      Write("[1]\nWTop=40\nWLeft=50\nWWidth=900\nWHeight=700\n[2]\nColor1400=7\n[4]\nView101=1\n");
  Configuration c;
  c.state = 2;  // maximised
  c.top = c.left = 0;
  c.language = 4;
  ASSERT_TRUE(WriteConfiguration(path, c, link));
  const std::string text = Read(path);
  EXPECT_NE(text.find("WTop=40"), std::string::npos);
  EXPECT_NE(text.find("WWidth=900"), std::string::npos);
  EXPECT_NE(text.find("WState=2"), std::string::npos);
  EXPECT_NE(text.find("Lang=4"), std::string::npos);
  EXPECT_NE(text.find("Color1400=7"), std::string::npos)
      << "no family: colours of the last run stay";
  EXPECT_NE(text.find("View101=1"), std::string::npos);

  LinkTestAccess::ObrazSterownika(link)[img::Schemat] = 255;
  LinkTestAccess::ObrazSterownika(link)[img::Wersja] = 17;
  link.ListaNastawWykresyOdPlytki(0);
  LinkTestAccess::ListaWykresow(link)[1].kolor = 0x010203;
  c.state = 0;
  c.width = 1000;
  ASSERT_TRUE(WriteConfiguration(path, c, link));
  IniFile ini;
  ASSERT_TRUE(ini.Load(path));
  EXPECT_EQ(ini.ReadInteger("1", "WWidth", 0), 1000);
  EXPECT_EQ(ini.ReadInteger("2", "Color1400", 0), 0x010203);
  EXPECT_EQ(ini.ReadInteger("4", "View401", 0), 0x33);
  EXPECT_EQ(ini.ReadInteger("4", "View101", 0), 1) << "other families' flags stay";
  EXPECT_FALSE(WriteConfiguration((folder / "missing" / "x.ini").string(), c, link));

  c.checkBox3 = 2;  // the upper table shows the OBD maps
  ASSERT_TRUE(WriteConfiguration(path, c, link));
  EXPECT_EQ(ReadConfiguration(path, link, 1920, 1080).checkBox3, 2) << "read back, not lost";
}

// Records 21 and 22 share a name but not a key: both colours survive a run.
TEST_F(ConfigurationTest, EveryTraceColourHasItsOwnKey) {
  const std::string path = Write("");
  LinkTestAccess::ObrazSterownika(link)[img::Schemat] = 5;
  link.ListaNastawWykresyOdPlytki(0);
  LinkTestAccess::ListaWykresow(link)[21].kolor = 0x111111;
  LinkTestAccess::ListaWykresow(link)[22].kolor = 0x222222;
  ASSERT_TRUE(WriteConfiguration(path, Configuration{}, link));
  IniFile ini;
  ASSERT_TRUE(ini.Load(path));
  EXPECT_EQ(ini.ReadInteger("2", "Color1462", 0), 0x111111);
  EXPECT_EQ(ini.ReadInteger("2", "Color1464", 0), 0x222222);
  EXPECT_EQ(ini.ReadInteger("2", "Color1608", -1),
            static_cast<int>(link.ListaWykresow()[38].kolor));

  TSterownik next(ui, clock, "no-ftdi-library-here.so");
  ReadConfiguration(path, next, 1920, 1080);
  EXPECT_EQ(next.KoloryWykresow()[20], 0x111111u);
  EXPECT_EQ(next.KoloryWykresow()[21], 0x222222u);
}

// The file is replaced whole or not at all: a write that fails leaves the old file as it was.
TEST_F(ConfigurationTest, FailedWriteLeavesTheOldFile) {
  const std::string path = Write("[1]\r\nComm=7\r\n");
  Configuration c;
  c.comm = 9;
  {
    const FileSizeLimit limit(16);  // the new file fails part way, as on a full disk
    EXPECT_FALSE(WriteConfiguration(path, c, link));
  }
  EXPECT_EQ(Read(path), "[1]\r\nComm=7\r\n");
  ASSERT_TRUE(WriteConfiguration(path, c, link));
  EXPECT_NE(Read(path).find("Comm=9"), std::string::npos);
  for (const fs::directory_entry& e : fs::directory_iterator(folder))
    EXPECT_EQ(e.path().filename(), "Malver2.ini") << "a temporary file was left behind";
}

TEST_F(ConfigurationTest, WhereTheFileIs) {
  const std::string documents = (folder / "docs").string();
  const std::string program = (folder / "bin" / "malver").string();
  EXPECT_EQ(ConfigurationReadPath(documents, program), "");
  EXPECT_EQ(ConfigurationWritePath(documents, program), (folder / "bin" / "malver.ini").string());
  CreateDataFolders(documents);
  EXPECT_TRUE(fs::is_directory(documents + "/VESK/Malver II/Scope"));
  EXPECT_TRUE(fs::is_directory(documents + "/VESK/Malver II/Settings"));
  EXPECT_EQ(ConfigurationWritePath(documents, program), documents + "/VESK/Malver II/Malver2.ini");
  std::ofstream(documents + "/VESK/Malver II/Malver2.ini") << "[1]\n";
  EXPECT_EQ(ConfigurationReadPath(documents, program), documents + "/VESK/Malver II/Malver2.ini");
}

TEST(WindowRulesTest, TitlesAndLayoutFollowTheIdentity) {
  SimLink s(255);
  Texts().LanguageIndex = 0;
  ASSERT_TRUE(s.Open());
  ASSERT_TRUE(s.TickUntil([&] { return s.Identified(); }));
  EXPECT_EQ(IdentifiedTitle("MALVER ver2.16.2", s.link, false),
            "MALVER ver2.16.2  -  KAVI 6 CYL. V1.2  -  ver17  ");
  LinkTestAccess::ObrazSterownika(s.link)[img::HasloUstawione] = 1;
  LinkTestAccess::ObrazSterownika(s.link)[img::KontrolaNumeru] = 2;
  EXPECT_EQ(IdentifiedTitle("B", s.link, true),
            "B  -  KAVI 6 CYL. V1.2  -  ver17  [The driver password protected]  !!! Błąd numeru "
            "seryjnego procesora !!!");
  EXPECT_EQ(FileTitle("B", s.link, "car.set"), "B - KAVI 6 CYL. V1.2 - [car.set]");
  const FamilyLayout l = LayoutForController(s.link);
  EXPECT_TRUE(l.tabRow && l.elmMenu && l.obdTab && l.obdDeviceTab && l.rightPanel);

  LinkTestAccess::ObrazSterownika(s.link)[img::Schemat] = 6;
  EXPECT_FALSE(LayoutForController(s.link).elmMenu);
  LinkTestAccess::ObrazSterownika(s.link)[img::Schemat] = 13;
  EXPECT_FALSE(LayoutForController(s.link).tabRow);
  EXPECT_FALSE(LayoutForController(s.link).viewMenu);
  LinkTestAccess::ObrazSterownika(s.link)[img::Schemat] = 3;
  EXPECT_TRUE(LayoutForController(s.link).unknownDevice);
  LinkTestAccess::ObrazSterownika(s.link)[img::StanIdentyfikacji] = 2;
  EXPECT_TRUE(LayoutForController(s.link).diagnosticsOnly);
  EXPECT_TRUE(LayoutForController(s.link).keepsRightPanel);
  EXPECT_FALSE(LayoutForController(s.link).tabRow);
  LinkTestAccess::ObrazSterownika(s.link)[img::StanIdentyfikacji] = 1;
  EXPECT_FALSE(LayoutForController(s.link).changes);
  EXPECT_EQ(IdentifiedTitle("B", s.link, false), "B - KAVI 6 CYL. V1.2 " + LangText(1365));
}

TEST(WindowRulesTest, HelpVideoOfEachPage) {
  OfflineLink offline;
  TSterownik& link = offline.link;
  LinkTestAccess::ObrazSterownika(link)[img::Schemat] = 2;
  struct Case {
    int tab, subView, obdSubTab, perCylinder, video;
  };
  const Case cases[] = {
      {0, -1, 0, 0, 0},  {1, -1, 0, 0, 8},  {1, -1, 0, 1, 9},  {2, 0, 0, 0, 10},
      {2, 5, 0, 0, 11},  {2, 6, 0, 0, 11},  {2, 15, 0, 0, 10}, {3, -1, 0, 0, 12},
      {4, -1, 0, 0, 13}, {5, -1, 0, 0, 17}, {5, -1, 2, 0, 15}, {5, -1, 3, 0, 16},
  };
  for (const Case& c : cases) {
    LinkTestAccess::Nastawy(link)[82] = static_cast<uint8_t>(c.perCylinder);
    EXPECT_EQ(HelpVideoOf(link, c.tab, c.subView, c.obdSubTab), c.video)
        << c.tab << "/" << c.subView;
  }
  LinkTestAccess::ObrazSterownika(link)[img::Schemat] = 8;
  EXPECT_EQ(HelpVideoOf(link, 3, -1, 0), 0) << "the rail emulator has no videos";
}

TEST(WindowRulesTest, RowsAndColours) {
  EXPECT_EQ(PanelRowHeight(460 + 60, 60, 20), 20) << "20 rows: divided by 23";
  EXPECT_EQ(PanelRowHeight(460, 60, 5), 20) << "few rows: divided by 20";
  EXPECT_EQ(PanelRowHeight(200, 60, 5), 17);

  struct Fit {
    int room, parameters, injections;
    GridHeights expected;
  };
  const Fit fits[] = {
      {400, 200, 117, {200, 117}},  // both whole, the rest stays empty
      {300, 200, 117, {183, 117}},  // the readings scroll
      {100, 200, 117, {22, 78}},    // both scroll, the readings keep two rows
      {30, 200, 117, {8, 22}},
  };
  for (const Fit& f : fits) {
    const GridHeights h = FitGrids(f.room, f.parameters, f.injections, 22);
    EXPECT_EQ(h.parameters, f.expected.parameters) << f.room;
    EXPECT_EQ(h.injections, f.expected.injections) << f.room;
  }

  const ColourRoles grey = SchemeColours(3, 0, 0, 0);
  EXPECT_EQ(grey.window, 0xD2D2D2u);
  EXPECT_EQ(grey.darkShade, 0xA0A0A0u);
  EXPECT_EQ(grey.valueBackground, grey.light) << "odd schemes";
  const ColourRoles black = SchemeColours(4, 0, 0, 0);
  EXPECT_EQ(black.softShade, 0x323232u);
  EXPECT_EQ(black.valueBackground, black.listBackground);
  EXPECT_EQ(ChannelColourInScheme(Rgb(255, 223, 0), 5), Rgb(205, 173, 0)) << "darker on Black";
  EXPECT_EQ(ChannelColourInScheme(Rgb(255, 223, 0), 3), Rgb(255, 223, 0));
  EXPECT_EQ(SchemeColours(0, 0xF0F0F0, 0, 0).light, 0xFAFAFAu);
}

// A first start fills a large screen with the design's largest size, a laptop's with the
// middle one, and a screen too small for either with all of its area, but never below the
// minimum.
TEST(WindowRulesTest, FirstStartWindowFitsTheScreen) {
  const struct {
    int width, height;
    FirstStartWindow window;
  } screens[] = {
      {1920, 1040, {1200, 900}}, {1366, 728, {800, 600}}, {1024, 738, {800, 600}},
      {1280, 960, {1200, 900}},  // exactly the largest with its decorations
      {1280, 959, {800, 600}},   {800, 570, {784, 510}},  {640, 480, {640, 480}},
  };
  for (const auto& s : screens) {
    const FirstStartWindow w = FirstStartWindowFor(s.width, s.height, 16, 60);
    EXPECT_EQ(w.width, s.window.width) << s.width << " x " << s.height;
    EXPECT_EQ(w.height, s.window.height) << s.width << " x " << s.height;
  }
}

TEST(WindowRulesTest, ObdPictureAndProtocol) {
  const uint32_t ecus[2] = {0x18DAF110, 0x7E8};
  struct Case {
    int word, stanObd, ecuCount;
    ObdPicture picture;
    const char* text;
  };
  const Case cases[] = {
      {0x00C0, -1, 0, ObdPicture::kOff, ""},
      {0x0001, -1, 0, ObdPicture::kOn, ""},
      {0xC082, -1, 0, ObdPicture::kCan, "ISO 15765-4 CAN 11/500"},
      {0xC0C3, -1, 2, ObdPicture::kIso, "ISO 9141-2 (KL)  -  18DAF110h  7E8h  "},
      {0xC00A, 0, 0, ObdPicture::kVpw, "SEA J1850 VPW"},
      {0xC0FF, -1, 0, ObdPicture::kNone, ""},
      {0x0000, 7, 0, ObdPicture::kCan, "ISO 15765-4 CAN 29/500"},
      {0x0000, 4, 0, ObdPicture::kIso, "ISO 14230-4 KWP slow init."},
  };
  for (const Case& c : cases) {
    const ObdState s = ObdStateOf(c.word, c.stanObd, ecus, c.ecuCount);
    EXPECT_EQ(s.picture, c.picture) << c.word;
    EXPECT_EQ(s.text, c.text) << c.word;
  }
}

TEST(KeyBuffersTest, DigitsAndTheAdministratorSequence) {
  KeyBuffers keys;
  for (int key : {'1', '2', '3', '4', '5'})
    keys.Press(key);
  EXPECT_EQ(keys.Digits(), "2345");
  auto type = [&](const std::string& letters) {
    bool toggled = false;
    for (char c : letters)
      toggled = keys.Press(c);
    return toggled;
  };
  EXPECT_TRUE(type("MAGNET"));
  EXPECT_TRUE(type("MAGNET")) << "twice switches back";
  EXPECT_FALSE(type("MAGXNET")) << "a wrong key restarts the collection";
  EXPECT_TRUE(type("XMAGNET"));
}

TEST(WorkstationTest, StableIdentifierFromTheMachineId) {
  const std::string file =
      (fs::temp_directory_path() / ("machine-id-" + std::to_string(getpid()))).string();
  std::ofstream(file) << "0123456789abcdef0123456789abcdef\n";
  uint32_t first = 0, second = 0;
  ASSERT_TRUE(WorkstationIdentifier(first, file));
  ASSERT_TRUE(WorkstationIdentifier(second, file));
  EXPECT_EQ(first, second);
  std::ofstream(file) << "fedcba9876543210fedcba9876543210\n";
  ASSERT_TRUE(WorkstationIdentifier(second, file));
  EXPECT_NE(first, second);
  fs::remove(file);
  EXPECT_FALSE(WorkstationIdentifier(first, file));
  EXPECT_TRUE(WorkstationIdentifierOf("fedcba9876543210fedcba9876543210", first));
  EXPECT_EQ(first, second) << "only the first line counts";
  EXPECT_FALSE(WorkstationIdentifierOf("\nsecond line", first));
}

TEST(ConnectionSupervisorTest, LossIsShownAtOnceAndRetriedEveryEightSeconds) {
  SimLink s(2);
  ASSERT_TRUE(s.Open());
  ASSERT_TRUE(s.TickUntil([&] { return s.ReadOutDone(); }));
  ConnectionSupervisor watch;
  watch.Connected();
  EXPECT_FALSE(watch.Tick(s.link, true, false).connectionLost);

  s.link.ZamknijPortComm();  // as when the cable is pulled
  int reopens = 0, beeps = 0;
  for (int second = 0; second < 16; ++second) {
    const auto a = watch.Tick(s.link, true, false);
    EXPECT_TRUE(a.connectionLost);
    reopens += a.reopenPort;
    beeps += a.beep;
  }
  EXPECT_EQ(reopens, 2);
  EXPECT_EQ(beeps, 1);
  for (int second = 0; second < 8; ++second)
    EXPECT_FALSE(watch.Tick(s.link, false, false).reopenPort);
}

TEST(ConnectionSupervisorTest, ErrorListIsReadEverySixSecondsWhileShown) {
  SimLink s(2);
  ASSERT_TRUE(s.Open());
  ASSERT_TRUE(s.TickUntil([&] { return s.ReadOutDone(); }));
  ConnectionSupervisor watch;
  int asked = 0;
  for (int second = 0; second < 12; ++second) {
    LinkTestAccess::FlagiRozkazow(s.link) = 0;
    watch.Tick(s.link, true, true);
    asked += (s.link.FlagiRozkazow() & 0x2) != 0;
  }
  EXPECT_EQ(asked, 2);
}

// An open that keeps failing slowly is offered for giving up the first time, then every tenth.
TEST(ConnectionSupervisorTest, SlowFailuresAskEveryTenthTime) {
  ConnectionSupervisor watch;
  EXPECT_FALSE(watch.AskToGiveUp(false, 3000)) << "not slow";
  EXPECT_TRUE(watch.AskToGiveUp(false, 3001));
  watch.GoOnTrying();
  int asked = 0;
  for (int open = 0; open < 20; ++open) {
    if (!watch.AskToGiveUp(false, 5000)) continue;
    ++asked;
    watch.GoOnTrying();  // the installer says No
  }
  EXPECT_EQ(asked, 2);
  EXPECT_FALSE(watch.AskToGiveUp(true, 5000));
  EXPECT_TRUE(watch.AskToGiveUp(false, 5000)) << "a success starts the count again";
}

// What the main window refreshes for each event of the link.
TEST(EventRefreshTest, EventsToViews) {
  DecodedStatus status;
  struct Case {
    EventKind kind;
    int code;
    const DecodedStatus* status;
    bool Refresh::*expected;
  };
  const Case cases[] = {
      {EventKind::ReplyAccepted, 0x90, &status, &Refresh::statusFrame},
      {EventKind::ReplyAccepted, 0x9B, &status, &Refresh::statusFrame},
      {EventKind::ReplyAccepted, 0x82, nullptr, &Refresh::errorList},
      {EventKind::ReplyAccepted, 0x86, nullptr, &Refresh::panels},
      {EventKind::ReplyAccepted, 0xE8, nullptr, &Refresh::panels},
      {EventKind::ReplyAccepted, 0xF8, nullptr, &Refresh::panels},
      {EventKind::ReplyAccepted, 0x81, nullptr, &Refresh::identity},
      {EventKind::ReplyAccepted, 0x81, nullptr, &Refresh::connected},
      {EventKind::ReplyAccepted, 0xBE, nullptr, &Refresh::identity},
      {EventKind::ReplyAccepted, 0xBE, nullptr, &Refresh::connected},  // as the identification
      {EventKind::Calibration, 2, nullptr, &Refresh::calibration},
      {EventKind::PortOpened, 0, nullptr, &Refresh::baseTitle},
      {EventKind::FileLoaded, 0, nullptr, &Refresh::fileLoaded},
      {EventKind::RecordReplayed, 0, &status, &Refresh::replayedRecord},
      {EventKind::ReplyAccepted, 0x86, nullptr, &Refresh::chart},
      {EventKind::ReplyAccepted, 0xE8, nullptr, &Refresh::chart},
      {EventKind::ReplyAccepted, 0xF8, nullptr, &Refresh::chart},
      {EventKind::ReplyAccepted, 0xCB, nullptr, &Refresh::chart},
      {EventKind::FileLoaded, 0, nullptr, &Refresh::chart},
  };
  for (const Case& c : cases) {
    const Refresh r = RefreshFor({.kind = c.kind, .code = c.code, .status = c.status});
    EXPECT_TRUE(r.*c.expected) << static_cast<int>(c.kind) << "/" << c.code;
  }
  const Refresh none = RefreshFor({.kind = EventKind::ReplyAccepted, .code = 0x90});
  EXPECT_FALSE(none.statusFrame) << "a status reply without payload refreshes nothing";
  EXPECT_FALSE(RefreshFor({.kind = EventKind::ReplyAccepted, .code = 0xE7}).panels);
  EXPECT_FALSE(RefreshFor({.kind = EventKind::FrameSent, .code = 0x81}).identity);
  EXPECT_FALSE(RefreshFor({.kind = EventKind::ReplyAccepted, .code = 0xBE}).chart)
      << "the description is not drawn";
}

}  // namespace
