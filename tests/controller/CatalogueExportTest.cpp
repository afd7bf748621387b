// The developers' exports of the settings catalogues: the list, the C headers, and the folder
// that must exist first.

#include "controller/CatalogueExport.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace {

std::string Read(const fs::path& path) {
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

TEST(CatalogueExportTest, ListAndHeaderNameEverySetting) {
  const Katalog malver = MalverCatalogue(kNewestFirmware);
  const std::string list = CatalogueList(malver);
  EXPECT_NE(list.find("82\tCalibration per cylinder\t0\t"), std::string::npos)
      << list.substr(0, 200);
  const std::string header = CatalogueHeader(malver, "MALVER");
  EXPECT_EQ(header.rfind("#ifndef MALVER_SETTINGS_H\n#define MALVER_SETTINGS_H\n", 0), 0u);
  EXPECT_NE(header.find("#define MALVER_CALIBRATION_PER_CYLINDER_82 82  // Calibration per "
                        "cylinder\n"),
            std::string::npos);
  size_t named = 0;
  for (const Nastawa& s : malver)
    named += s.nazwa != 0;
  EXPECT_EQ(static_cast<size_t>(std::count(list.begin(), list.end(), '\n')), named);
}

TEST(CatalogueExportTest, OnlyIntoAnExistingFolder) {
  const fs::path folder = fs::temp_directory_path() / ("malver-dev-" + std::to_string(getpid()));
  fs::remove_all(folder);
  const FileResult refused = ExportCatalogueList(folder.string(), kNewestFirmware);
  EXPECT_FALSE(refused.ok);
  EXPECT_NE(refused.error.find("no such folder"), std::string::npos);
  EXPECT_FALSE(fs::exists(folder));

  fs::create_directories(folder);
  ASSERT_TRUE(ExportCatalogueList(folder.string(), kNewestFirmware).ok);
  ASSERT_TRUE(ExportCatalogueHeaders(folder.string(), kNewestFirmware).ok);
  EXPECT_EQ(Read(folder / "Lista nastaw.txt").rfind("MALVER\n", 0), 0u);
  EXPECT_NE(Read(folder / "Lista nastaw.txt").find("\nKAVI\n"), std::string::npos);
  EXPECT_NE(Read(folder / "Nastawy KAVI.h").find("#define KAVI_"), std::string::npos);
  EXPECT_TRUE(fs::exists(folder / "Nastawy MALVER.h"));
  fs::remove_all(folder);
}

}  // namespace
