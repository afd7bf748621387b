// The demonstration recordings: a drive of each family recorded through the real link, written
// as a scope file and opened again as the File menu opens it.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "controller/TableBlock.h"
#include "sim/DemoRecordings.h"
#include "tests/support/OfflineLink.h"
#include "tests/support/StatusPoll.h"

namespace {

constexpr size_t kRecordsStart = 6144;  // header and level-3 table block
constexpr size_t kRecordSize = 128;

struct DemoCase {
  std::string fileName;
  int family;
  bool dual;
  std::string name;
};

class DemoRecordingsTest : public ::testing::TestWithParam<DemoCase> {
 protected:
  sim::Identity IdentityOfDemo() const {
    for (const sim::DemoRecording& demo : sim::DemoRecordings())
      if (demo.fileName == GetParam().fileName) return demo.identity;
    ADD_FAILURE() << "no demo " << GetParam().fileName;
    return {};
  }
};

int IdentityByte(const std::vector<uint8_t>& file, int imgOffset) {
  const auto parts = table_block::Parts();
  const auto identity = std::find_if(parts.begin(), parts.end(), [](const table_block::Part& p) {
    return p.content == table_block::Content::Identity;
  });
  return file[16 + identity->position + imgOffset - img::BlokIdent];
}

TEST_P(DemoRecordingsTest, IsALevel3FileOfOneLoopOfTheDrive) {
  const sim::Identity identity = IdentityOfDemo();
  const std::vector<uint8_t> file = sim::RecordDrive(identity, sim::kDemoRecords);
  ASSERT_EQ(file.size(), kRecordsStart + sim::kDemoRecords * kRecordSize);
  EXPECT_EQ(std::string(file.begin(), file.begin() + 8), "osc file");
  EXPECT_EQ(file[8], 3) << "level";
  EXPECT_EQ(file[9], 1) << "128-byte records";
  EXPECT_EQ(IdentityByte(file, img::Schemat), GetParam().family);

  sim::SimController fresh(identity);
  const auto frames = DriveFrames(fresh, sim::kDemoRecords);
  for (int i = 0; i < sim::kDemoRecords; ++i) {
    const auto record = file.begin() + static_cast<long>(kRecordsStart + i * kRecordSize);
    ASSERT_TRUE(std::equal(frames[i].begin(), frames[i].begin() + kRecordSize, record))
        << "record " << i << " is the drive's frame " << i;
  }
}

TEST_P(DemoRecordingsTest, OpensAsTheControllerItRecorded) {
  const std::vector<uint8_t> file = sim::RecordDrive(IdentityOfDemo(), sim::kDemoRecords);
  OfflineLink offline;
  TSterownik& link = offline.link;
  ASSERT_EQ(link.LoadScope(file, GetParam().fileName), sim::kDemoRecords);
  EXPECT_EQ(static_cast<int>(link.Rodzina()), GetParam().family);
  EXPECT_EQ(link.Czy_KAVI_DUAL(), GetParam().dual);
  EXPECT_EQ(link.StrNazwaSterownika(), GetParam().name);
}

INSTANTIATE_TEST_SUITE_P(
    Demos, DemoRecordingsTest,
    ::testing::Values(DemoCase{"MALVER lumo.osc", 6, false, "MALVER LUMO"},
                      DemoCase{"MALVER rumo.osc", 2, false, "MALVER rumo"},
                      DemoCase{"MALVER FORTIX.osc", 5, false, "MALVER FORTIX \"Valvetronic\""},
                      DemoCase{"KAVI.osc", 255, false, "KAVI 6 CYL. V1.2"},
                      DemoCase{"KAVI DUAL.osc", 255, true, "KAVI 4+4 CYL. V2.0"},
                      DemoCase{"MIRVANE.osc", 8, false, "MIRVANE v2.0"}),
    [](const auto& info) {
      std::string name = info.param.fileName.substr(0, info.param.fileName.find('.'));
      std::erase(name, ' ');
      return name;
    });

}  // namespace
