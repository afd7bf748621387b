// Telling files apart: the command line's settings and scope files by their extension, what the
// command line's inspect finds in a file, and files of another kind refused before being read.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "controller/AreaNames.h"
#include "controller/CommandLineFile.h"
#include "controller/FileInspection.h"
#include "controller/FirmwareImage.h"
#include "controller/ImageFile.h"
#include "controller/Protocol.h"
#include "controller/SettingsFile.h"
#include "files/FileIo.h"
#include "lang/Langtext.h"
#include "scope/ScopeFile.h"
#include "tests/support/OfflineLink.h"
#include "tests/support/SettingsFiles.h"
#include "tests/support/TempFolder.h"

namespace {

using namespace AreaBit;
using Bytes = std::vector<uint8_t>;

TEST(CommandLineFileTest, ExactExtensionOnly) {
  struct Case {
    const char* path;
    CommandLineFile kind;
  };
  const Case cases[] = {
      {"car.set", CommandLineFile::Settings},
      {"/home/x/My cars/Golf 1.6.set", CommandLineFile::Settings},
      {"drive.osc", CommandLineFile::Scope},
      {"preset", CommandLineFile::None},
      {"x.offset", CommandLineFile::None},
      {"x.reset", CommandLineFile::None},
      {"carset", CommandLineFile::None},
      {"car.SET", CommandLineFile::None},
      {"drive.Osc", CommandLineFile::None},
      {"car.set.bak", CommandLineFile::None},
      {"folder.set/car", CommandLineFile::None},
      {".set", CommandLineFile::None},
      {"", CommandLineFile::None},
  };
  for (const Case& c : cases)
    EXPECT_EQ(CommandLineFileKind(c.path), c.kind) << '"' << c.path << '"';
}

TEST(FileInspectionTest, KindsLevelsAndAreas) {
  const Bytes settings = SettingsFileOf(2);
  const FileInspection level3 = InspectFile("car.set", settings);
  EXPECT_EQ(level3.kind, StoredFileKind::Settings);
  EXPECT_EQ(level3.level, 3);
  EXPECT_EQ(level3.fault, "");
  EXPECT_EQ(level3.areas & (GasAdvance | Settings2 | EmulatorHi),
            GasAdvance | Settings2 | EmulatorHi);
  EXPECT_EQ(level3.areas & (History | Description), 0u) << "never read from a file";

  const FileInspection level1 = InspectFile("any.name", AtLevel(settings, 1));
  EXPECT_EQ(level1.kind, StoredFileKind::Settings) << "told by its header";
  EXPECT_EQ(level1.areas & (Admixture | EmulatorHi | Settings2), 0u);
  EXPECT_NE(level1.areas & ObdGasMap2, 0u);

  const FileInspection fpe = InspectFile("x.fpe", Bytes(256));
  EXPECT_EQ(fpe.kind, StoredFileKind::Table);
  EXPECT_EQ(fpe.areas, EmulatorHi | EmulatorLo) << "either emulation table";
  EXPECT_EQ(InspectFile("x.fpm", Bytes(256)).areas, PressureMap);
  EXPECT_EQ(InspectFile("x.bin", Bytes(256)).areas, EmulatorHi | EmulatorLo | PressureMap);

  const FileInspection image = InspectFile("image.bin", Bytes(img::kSize));
  EXPECT_EQ(image.kind, StoredFileKind::Image);
  EXPECT_NE(image.areas & (History | Description | Settings), 0u);
  EXPECT_EQ(image.areas & Password, 0u);
}

TEST(FileInspectionTest, WhatIsWrong) {
  EXPECT_EQ(InspectFile("x.set", Bytes(20, 'a')).fault, "does not begin with \"set file\"");
  EXPECT_EQ(InspectFile("x.set", Bytes(20, 'a')).kind, StoredFileKind::Settings);
  EXPECT_EQ(InspectFile("x.fpm", Bytes(257)).fault,
            "257 bytes, where a table file has exactly 256");
  const FileInspection other = InspectFile("x.bin", Bytes(100));
  EXPECT_EQ(other.kind, StoredFileKind::Unknown);
  EXPECT_EQ(other.fault,
            "100 bytes, neither a settings file, a table file (256 bytes) nor a controller "
            "image (7136 bytes)");
}

TEST(FileInspectionTest, FromTheFirstBytesAndTheSizeAlone) {
  const Bytes settings = SettingsFileOf(2);
  const std::span<const uint8_t> header(settings.data(), 16);
  EXPECT_EQ(InspectFile("car.set", header, settings.size()).level, 3);
  EXPECT_EQ(InspectFile("car.set", header, settings.size()).fault, "");
  EXPECT_EQ(InspectFile("car.set", header, 6145).fault,
            "6145 bytes, more than a settings file has (6144 bytes)");
  EXPECT_EQ(InspectFile("x.bin", {}, 1).fault,
            "1 byte, neither a settings file, a table file (256 bytes) nor a controller image "
            "(7136 bytes)");
  EXPECT_EQ(InspectFile("x.fpe", {}, 1).fault, "1 byte, where a table file has exactly 256");
}

// Two gigabytes of zeros under each kind's name. Every reader refuses them by their size or
// their first bytes and says so in its own words, without reading the rest.
class LargeFileOfZerosTest : public ::testing::Test {
 protected:
  LargeFileOfZerosTest() : folder("malver-zeros") {
    Texts().LanguageIndex = 0;
    ::close(::open(path.c_str(), O_WRONLY | O_CREAT, 0644));
    std::filesystem::resize_file(path, uintmax_t{2} << 30);  // sparse: no room on the disk
  }
  TempFolder folder;
  const std::string path = folder.File("zeros");
  OfflineLink offline;
};

TEST_F(LargeFileOfZerosTest, RefusedByTheFirstBytesOrTheSize) {
  const struct {
    const char* kind;
    FileKind read;
    std::string cause;
  } cases[] = {
      {"settings", SettingsFileKind(), "does not begin with \"set file\""},
      {"scope", scope_file::Kind(),
       "not a scope recording: it must begin with \"osc file\", a table level of 1, 2 or 3 and "
       "a record-size code of 1 or 2"},
  };
  for (const auto& c : cases) {
    std::vector<uint8_t> bytes;
    const FileResult read = ReadWholeFile(path, bytes, c.read);
    EXPECT_TRUE(read.wrongKind) << c.kind << ": refused before the rest was read";
    EXPECT_EQ(read.error, path + ": " + c.cause) << c.kind;
  }
}

TEST_F(LargeFileOfZerosTest, SettingsHeaderBeforeTwoGigabytesIsRefusedByTheSize) {
  const std::string header = std::string(settings_file::kMagic) + '\x03';
  {
    std::fstream file(path, std::ios::in | std::ios::out | std::ios::binary);
    file.write(header.data(), static_cast<std::streamsize>(header.size()));
  }
  std::vector<uint8_t> bytes;
  const FileResult read = ReadWholeFile(path, bytes, SettingsFileKind());
  EXPECT_TRUE(read.wrongKind);
  EXPECT_EQ(read.error, path + ": 2147483648 bytes, more than a settings file has (6144 bytes)");
}

TEST_F(LargeFileOfZerosTest, EveryReaderOfTheLinkTellsItsWrongKind) {
  TSterownik& link = offline.link;
  offline.ui.paths = {path};
  EXPECT_FALSE(link.CzytajUstawienia(path, ""));
  EXPECT_EQ(link.CzytajOscyloskop(path, ""), -1);
  EXPECT_FALSE(link.CzytajZPliku(0, ""));
  link.SetPasswordFile(path);
  EXPECT_EQ(link.CzytajPlikHaslo(), -1);
  const std::vector<std::string> expected = {
      "Invalid file type error (123) : \n" + path,
      "Invalid file type error (133) : \n" + path,
      "Invalid file type error (153) : \n" + path,
      "Invalid file type error (163) : \n" + path,
  };
  ASSERT_EQ(offline.ui.messages.size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i)
    EXPECT_EQ(offline.ui.messages[i].text, expected[i]);

  std::vector<uint8_t> image;
  EXPECT_EQ(firmware::CheckImageFile(path, nullptr, image).fault, firmware::ImageFault::TooLarge);
  EXPECT_EQ(LoadImageFile(link, path).error,
            path + ": 2147483648 bytes, more than a controller image has (7136 bytes)");
}

TEST(AreaNamesTest, InTheOrderOfTheBits) {
  EXPECT_EQ(AreaNames(GasMap | Settings | Multiplier2), "Nastawy (page 0), Mnoznik2, MapaEcuGaz");
  EXPECT_EQ(AreaNames(0), "");
  EXPECT_EQ(AreaNames(Settings2 | ObdGasMap2), "Nastawy (page 1), MapaObdGaz2");
}

}  // namespace
