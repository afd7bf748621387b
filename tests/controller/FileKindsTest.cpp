// Telling files apart: the command line's settings and scope files by their extension, and
// what the command line's inspect finds in a file.

#include <gtest/gtest.h>

#include "controller/AreaNames.h"
#include "controller/CommandLineFile.h"
#include "controller/FileInspection.h"
#include "controller/Protocol.h"
#include "tests/support/SettingsFiles.h"

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

TEST(AreaNamesTest, InTheOrderOfTheBits) {
  EXPECT_EQ(AreaNames(GasMap | Settings | Multiplier2), "Nastawy (page 0), Mnoznik2, MapaEcuGaz");
  EXPECT_EQ(AreaNames(0), "");
  EXPECT_EQ(AreaNames(Settings2 | ObdGasMap2), "Nastawy (page 1), MapaObdGaz2");
}

}  // namespace
