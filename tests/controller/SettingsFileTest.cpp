// Settings files without a controller: saving one, loading one as if its controller were
// connected, the file dialogs, and every broken file refused with nothing changed.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <random>

#include "controller/SettingsFile.h"
#include "files/DataFolders.h"
#include "files/FileIo.h"
#include "lang/Langtext.h"
#include "tests/support/LinkTestAccess.h"
#include "tests/support/OfflineLink.h"
#include "tests/support/SettingsFiles.h"
#include "tests/support/TempFolder.h"

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<uint8_t>;

std::string Put(const TempFolder& folder, const std::string& name, const Bytes& bytes) {
  const std::string path = folder.File(name);
  EXPECT_TRUE(WriteFileAtomically(path, bytes).ok);
  return path;
}

class SettingsFileTest : public ::testing::Test {
 protected:
  SettingsFileTest() : folder("malver-settings") {
    Texts().LanguageIndex = 0;
    link.OnZdarzenie = [this](const LinkEvent& e) { events.push_back(e.kind); };
  }
  std::string Write(const std::string& name, const Bytes& bytes) {
    return Put(folder, name, bytes);
  }
  const std::vector<FakeUi::Message>& Messages() const { return offline.ui.messages; }

  TempFolder folder;
  OfflineLink offline;
  TSterownik& link = offline.link;
  std::vector<EventKind> events;
};

TEST_F(SettingsFileTest, SavedFileHasItsHeaderAndLevelThreeBlock) {
  offline.ui.paths = {folder.File("saved.set")};
  ASSERT_TRUE(link.ZapiszUstawienia(""));
  Bytes file;
  ASSERT_TRUE(ReadWholeFile(folder.File("saved.set"), file).ok);
  ASSERT_EQ(file.size(), 6144u);
  EXPECT_EQ(std::string(file.begin(), file.begin() + 8), "set file");
  EXPECT_EQ(file[8], 3);
  EXPECT_TRUE(std::all_of(file.begin() + 9, file.begin() + 16 + 48, [](uint8_t b) {
    return b == 0;
  })) << "bytes 9..15 and the first 48 of the block";
  EXPECT_TRUE(Messages().empty());
  EXPECT_FALSE(fs::exists(folder.File("saved.set.tmp")));
}

TEST_F(SettingsFileTest, SaveDialogAndItsFailure) {
  EXPECT_FALSE(link.ZapiszUstawienia("")) << "cancelled";
  ASSERT_EQ(offline.ui.dialogs.size(), 1u);
  const FakeUi::FileDialog& dialog = offline.ui.dialogs[0];
  EXPECT_TRUE(dialog.save);
  EXPECT_EQ(dialog.request.title, "Save settings to file");
  ASSERT_EQ(dialog.request.filters.size(), 2u);
  EXPECT_EQ(dialog.request.filters[0].caption, "Settings file (*.set)");
  EXPECT_EQ(dialog.request.filters[0].pattern, "*.set");
  EXPECT_EQ(dialog.request.filters[1].caption, "All files (*.*)");
  EXPECT_EQ(dialog.request.filters[1].pattern, "*.*");
  EXPECT_EQ(dialog.request.defaultExtension, "set");
  EXPECT_EQ(dialog.request.folder, "") << "no documents folder";
  EXPECT_TRUE(Messages().empty());

  const std::string nowhere = folder.File("no-such-folder/x.set");
  offline.ui.paths = {nowhere};
  EXPECT_FALSE(link.ZapiszUstawienia(""));
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_EQ(Messages()[0].text, "File write error (121) : \n" + nowhere);
  EXPECT_EQ(Messages()[0].flags, mb::kIconStop);
}

TEST_F(SettingsFileTest, DialogsOpenInTheSettingsFolderWhenItExists) {
  const std::string documents = folder.Path();
  link.CzytajUstawienia("", documents);
  fs::create_directories(SettingsFolder(documents));
  link.CzytajUstawienia("", documents);
  ASSERT_EQ(offline.ui.dialogs.size(), 2u);
  EXPECT_EQ(offline.ui.dialogs[0].request.folder, "");
  EXPECT_EQ(offline.ui.dialogs[1].request.folder, documents + "/VESK/Malver II/Settings");
  EXPECT_FALSE(offline.ui.dialogs[1].save);
  EXPECT_EQ(offline.ui.dialogs[1].request.title, "Read settings from file");
}

TEST_F(SettingsFileTest, FileIsAskedForOnlyWhenThePathNamesNone) {
  const std::string path = Write("kavi.set", SettingsFileOf(255));
  EXPECT_TRUE(link.CzytajUstawienia(path, ""));
  EXPECT_TRUE(offline.ui.dialogs.empty());

  offline.ui.paths = {path};
  EXPECT_TRUE(link.CzytajUstawienia(folder.File("gone.set"), ""));
  EXPECT_EQ(offline.ui.dialogs.size(), 1u);
  EXPECT_EQ(link.LoadedFileName(), path) << "the file chosen";

  EXPECT_FALSE(link.CzytajUstawienia("", "")) << "cancelled";
}

// Without a controller the file's controller is shown as if it were connected.
TEST_F(SettingsFileTest, LoadedWithoutControllerShowsTheFilesController) {
  sim::Identity kavi = sim::DefaultIdentity(255);
  kavi.injectors = kavi.cylinders = 4;
  Bytes file = SettingsFileOf(kavi);
  file[16 + 496 + 3] = 77;  // setting 3
  LinkTestAccess::ObrazSterownika(link)[img::OpisSterownika] = 'x';

  ASSERT_TRUE(link.LoadSettings(file, "/somewhere/kavi.set"));
  EXPECT_EQ(link.Model(), Family::Kavi);
  EXPECT_EQ(link.IleWtryskiwaczy(), 4);
  EXPECT_EQ(link.StrNazwaSterownika(), "KAVI 4 CYL. V1.2");
  EXPECT_EQ(link.ListaNastaw()[90].domyslna, 103) << "the KAVI catalogue";
  EXPECT_EQ(link.Nastawy()[3], 77);
  EXPECT_EQ(link.LoadedFileName(), "/somewhere/kavi.set");
  EXPECT_EQ(std::count(events.begin(), events.end(), EventKind::FileLoaded), 1);
  EXPECT_EQ(link.FlagiZapisu() | link.FlagiCzytania(), 0u);
  EXPECT_TRUE(Messages().empty());
}

TEST_F(SettingsFileTest, LoadedWithoutControllerClearsHistoryAndDescription) {
  Bytes file = SettingsFileOf(2);
  ASSERT_NE(file[16 + 240], 0) << "the file carries the controller's history";
  auto& image = LinkTestAccess::ObrazSterownika(link);
  image[img::HistoriaZmian + 8] = 0x08;
  std::fill_n(&image[img::OpisSterownika], 10, 'd');
  ASSERT_TRUE(link.LoadSettings(file, "rumo.set"));
  const auto& loaded = link.ObrazSterownika();
  EXPECT_TRUE(std::all_of(&loaded[img::HistoriaZmian], &loaded[img::HistoriaZmian + 256],
                          [](uint8_t b) { return b == 0; }));
  EXPECT_TRUE(std::all_of(&loaded[img::OpisSterownika], &loaded[img::OpisSterownika + 256],
                          [](uint8_t b) { return b == 0; }));
}

TEST_F(SettingsFileTest, OutOfRangeSettingsTakeTheirDefaults) {
  Bytes file = SettingsFileOf(2);
  file[16 + 496 + 3] = 250;  // setting 3 allows 5..200
  ASSERT_TRUE(link.LoadSettings(file, "rumo.set"));
  EXPECT_EQ(link.Nastawy()[3], link.ListaNastaw()[3].domyslna);
}

// Level 1 carries neither the emulator tables nor settings page 1; what the link held there
// stays.
TEST_F(SettingsFileTest, LevelOneLeavesTheLaterAreasAlone) {
  auto& image = LinkTestAccess::ObrazSterownika(link);
  for (int area : {img::EmulacjaHi, img::Domieszka, img::MapaCis, img::EmulacjaLo, img::PrzesGaz,
                   img::DawkaBen, img::Nastawy2})
    std::fill_n(&image[area], 256, 0x5A);
  const Bytes file = AtLevel(SettingsFileOf(255), 1);
  ASSERT_EQ(file.size(), 4096u);
  ASSERT_TRUE(link.LoadSettings(file, "level1.set"));
  for (int area : {img::EmulacjaHi, img::Domieszka, img::MapaCis, img::EmulacjaLo, img::PrzesGaz,
                   img::DawkaBen})
    EXPECT_EQ(link.ObrazSterownika()[area + 17], 0x5A) << "img " << area;
  EXPECT_EQ(link.ObrazSterownika()[img::Nastawy2 + 17], 0x5A);
  EXPECT_TRUE(std::equal(file.begin() + 16 + 752, file.begin() + 16 + 1008,
                         &link.ObrazSterownika()[img::Mnoznik1]));
}

// A broken file is named in a message box and changes nothing in the link.
struct BrokenFile {
  std::string name;
  std::function<std::string(const TempFolder&)> make;  // the path to read
  std::string message;                                 // without the path
};

const std::string kWrongType = "Invalid file type error (123) : \n";
const std::string kNotOpened = "File open error (122) : \n";

Bytes Noise(size_t size) {
  std::mt19937 random(7);
  Bytes bytes(size);
  for (uint8_t& b : bytes)
    b = static_cast<uint8_t>(random());
  return bytes;
}

Bytes WithLevel(int level) {
  Bytes file = SettingsFileOf(2);
  file[8] = static_cast<uint8_t>(level);
  return file;
}

Bytes Cut(Bytes bytes, size_t size) {
  bytes.resize(size);
  return bytes;
}

const BrokenFile kBrokenFiles[] = {
    {"Empty", [](const TempFolder& f) { return Put(f, "empty.set", {}); }, kWrongType},
    {"HeaderOnly",
     [](const TempFolder& f) { return Put(f, "header.set", Cut(SettingsFileOf(2), 16)); },
     kWrongType},
    {"WrongText",
     [](const TempFolder& f) {
       Bytes file = SettingsFileOf(2);
       file[3] = '_';
       return Put(f, "wrong.set", file);
     },
     kWrongType},
    {"LevelZero", [](const TempFolder& f) { return Put(f, "level0.set", WithLevel(0)); },
     kWrongType},
    {"LevelFour", [](const TempFolder& f) { return Put(f, "level4.set", WithLevel(4)); },
     kWrongType},
    {"Noise", [](const TempFolder& f) { return Put(f, "noise.set", Noise(1 << 20)); }, kWrongType},
    {"LongerThanAnySettingsFile",
     [](const TempFolder& f) {
       Bytes file = SettingsFileOf(2);
       file.push_back(0);
       return Put(f, "longer.set", file);
     },
     kWrongType},
    {"TwoGigabytesOfZeros",
     [](const TempFolder& f) {
       const std::string path = Put(f, "zeros.set", {});
       fs::resize_file(path, uintmax_t{2} << 30);
       return path;
     },
     kWrongType},
    {"Folder",
     [](const TempFolder& f) {
       fs::create_directories(f.File("folder.set"));
       return f.File("folder.set");
     },
     kNotOpened},
    {"NamedPipe",
     [](const TempFolder& f) {
       ::mkfifo(f.File("pipe.set").c_str(), 0600);
       return f.File("pipe.set");
     },
     kNotOpened},
    {"BelowAFile",
     [](const TempFolder& f) { return Put(f, "plain.set", SettingsFileOf(2)) + "/inner.set"; },
     kNotOpened},
};

void PrintTo(const BrokenFile& file, std::ostream* out) {
  *out << file.name;
}

class BrokenSettingsFileTest : public SettingsFileTest,
                               public ::testing::WithParamInterface<BrokenFile> {
 protected:
  // Reads the file as the menu does and checks that only the message came of it.
  void ExpectRefused(const std::string& path, const std::string& message) {
    const auto image = link.ObrazSterownika();
    const Family model = link.Model();
    const size_t messages = Messages().size();
    offline.ui.paths = {path};  // a path that is not there is asked for, then given again
    EXPECT_FALSE(link.CzytajUstawienia(path, ""));
    ASSERT_EQ(Messages().size(), messages + 1);
    EXPECT_EQ(Messages().back().text, message + path);
    EXPECT_EQ(Messages().back().flags, mb::kIconStop);
    EXPECT_EQ(link.ObrazSterownika(), image);
    EXPECT_EQ(link.Model(), model);
    EXPECT_EQ(link.LoadedFileName(), "");
    EXPECT_TRUE(events.empty());
  }
};

TEST_P(BrokenSettingsFileTest, RefusedWithItsMessageAndNothingChanged) {
  ExpectRefused(GetParam().make(folder), GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(Files, BrokenSettingsFileTest, ::testing::ValuesIn(kBrokenFiles),
                         [](const auto& info) { return info.param.name; });

// A file cut at the start of every area of its level, and one byte before the end of it.
TEST_F(BrokenSettingsFileTest, TruncatedAtEveryAreaBoundary) {
  const Bytes whole = SettingsFileOf(255);
  for (int level = 1; level <= 3; ++level) {
    for (const table_block::Part& part : table_block::Parts()) {
      if (part.level > level) continue;
      const size_t start = 16 + static_cast<size_t>(part.position);
      for (size_t size : {start, start + static_cast<size_t>(part.size) - 1}) {
        SCOPED_TRACE("level " + std::to_string(level) + ", " + std::to_string(size) + " bytes");
        ExpectRefused(Write("cut.set", Cut(AtLevel(whole, level), size)), kWrongType);
      }
    }
  }
}

TEST(SettingsFileCheckTest, ReasonsForTheCommandLine) {
  const Bytes good = SettingsFileOf(2);
  EXPECT_EQ(CheckSettingsFile(good).level, 3);
  EXPECT_EQ(CheckSettingsFile(good).fault, "");
  EXPECT_EQ(CheckSettingsFile(Bytes(good.begin(), good.begin() + 10)).fault,
            "10 bytes, shorter than the 16-byte header");
  EXPECT_EQ(CheckSettingsFile(Noise(100)).fault, "does not begin with \"set file\"");
  EXPECT_EQ(CheckSettingsFile(WithLevel(4)).fault, "level 4, where only levels 1 to 3 exist");
  EXPECT_EQ(CheckSettingsFile(Bytes(good.begin(), good.end() - 1)).fault,
            "6143 bytes, where a level-3 settings file has 6144 bytes");
  Bytes longer = good;
  longer.push_back(0);
  EXPECT_EQ(CheckSettingsFile(longer).fault,
            "6145 bytes, more than a settings file has (6144 bytes)");
  EXPECT_EQ(CheckSettingsFile(Cut(AtLevel(good, 1), 6144)).level, 1)
      << "what follows a shorter level's block is not read";
}

}  // namespace
