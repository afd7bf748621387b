// Table files (".fpe", ".fpm"): one 256-byte table in and out through the file dialog.

#include <gtest/gtest.h>

#include <algorithm>

#include "controller/TableFile.h"
#include "files/FileIo.h"
#include "lang/Langtext.h"
#include "tests/support/LinkTestAccess.h"
#include "tests/support/MemoryLink.h"
#include "tests/support/OfflineLink.h"
#include "tests/support/TempFolder.h"

namespace {

using namespace AreaBit;
using Bytes = std::vector<uint8_t>;

struct Kind {
  int kind;
  const char* extension;
  int offset;
  uint32_t area;
};
constexpr Kind kKinds[] = {{0, "fpe", img::EmulacjaHi, EmulatorHi},
                           {1, "fpm", img::MapaCis, PressureMap},
                           {2, "fpe", img::EmulacjaLo, EmulatorLo}};

void PrintTo(const Kind& k, std::ostream* out) {
  *out << "kind " << k.kind;
}

class TableFileTest : public ::testing::TestWithParam<Kind> {
 protected:
  TableFileTest() : folder("malver-tables") { Texts().LanguageIndex = 0; }
  std::string Write(const std::string& name, const Bytes& bytes) {
    const std::string path = folder.File(name);
    EXPECT_TRUE(WriteFileAtomically(path, bytes).ok);
    return path;
  }
  static Bytes Table(uint8_t first) {
    Bytes table(256);
    for (size_t i = 0; i < table.size(); ++i)
      table[i] = static_cast<uint8_t>(first + i);
    return table;
  }

  TempFolder folder;
};

TEST_P(TableFileTest, ReadReplacesTheTableAndSendsItWhenConnected) {
  const Kind& k = GetParam();
  MemoryLink m(255);
  ASSERT_TRUE(m.ReadOut());
  m.link.ZapiszDoSterownika(Settings | GasMap);
  m.link.CzytajZeSterownika(Description);
  const Bytes table = Table(9);
  m.ui.paths = {Write("table", table)};
  ASSERT_TRUE(m.link.CzytajZPliku(k.kind, ""));
  EXPECT_TRUE(std::equal(table.begin(), table.end(), &m.link.ObrazSterownika()[k.offset]));
  EXPECT_EQ(m.link.FlagiZapisu(), k.area) << "the other pending writes are dropped";
  EXPECT_EQ(m.link.FlagiCzytania(), k.area);

  ASSERT_EQ(m.ui.dialogs.size(), 1u);
  const FileDialogRequest& dialog = m.ui.dialogs[0].request;
  EXPECT_FALSE(m.ui.dialogs[0].save);
  EXPECT_EQ(dialog.title, "Read settings from file");
  EXPECT_EQ(dialog.filters[0].caption, std::string("Settings file (*.") + k.extension + ")");
  EXPECT_EQ(dialog.filters[1].pattern, "*.*");
  EXPECT_EQ(dialog.defaultExtension, k.extension);
}

TEST_P(TableFileTest, ReadWithoutControllerOnlyReplacesTheTable) {
  const Kind& k = GetParam();
  OfflineLink offline;
  offline.ui.paths = {Write("table", Table(200))};
  ASSERT_TRUE(offline.link.CzytajZPliku(k.kind, ""));
  EXPECT_EQ(offline.link.ObrazSterownika()[k.offset + 255], static_cast<uint8_t>(200 + 255));
  EXPECT_EQ(offline.link.FlagiZapisu() | offline.link.FlagiCzytania(), 0u);
}

TEST_P(TableFileTest, WriteSavesTheTableWhole) {
  const Kind& k = GetParam();
  OfflineLink offline;
  auto& image = LinkTestAccess::ObrazSterownika(offline.link);
  std::copy_n(Table(3).begin(), 256, &image[k.offset]);
  offline.ui.paths = {folder.File("saved")};
  ASSERT_TRUE(offline.link.ZapiszDoPliku(k.kind, ""));
  Bytes saved;
  ASSERT_TRUE(ReadWholeFile(folder.File("saved"), saved).ok);
  EXPECT_EQ(saved, Table(3));
  EXPECT_TRUE(offline.ui.dialogs[0].save);
  EXPECT_EQ(offline.ui.dialogs[0].request.title, "Save settings to file");
  EXPECT_EQ(offline.ui.dialogs[0].request.defaultExtension, k.extension);
}

INSTANTIATE_TEST_SUITE_P(Kinds, TableFileTest, ::testing::ValuesIn(kKinds),
                         [](const auto& info) { return "Kind" + std::to_string(info.param.kind); });

class BrokenTableFileTest : public TableFileTest {};

TEST_F(BrokenTableFileTest, OnlyExactly256BytesAreATable) {
  MemoryLink m(255);
  ASSERT_TRUE(m.ReadOut());
  m.link.CzytajZeSterownika(Description);
  const auto image = m.link.ObrazSterownika();
  const uint32_t reads = m.link.FlagiCzytania();
  for (size_t size : {0, 1, 255, 257, 1 << 20}) {
    const std::string path = Write("table" + std::to_string(size), Bytes(size, 0x41));
    m.ui.paths = {path};
    EXPECT_FALSE(m.link.CzytajZPliku(1, ""));
    EXPECT_EQ(m.ui.messages.back().text, "Invalid file type error (153) : \n" + path);
    EXPECT_EQ(m.ui.messages.back().flags, mb::kIconStop);
  }
  for (const std::string& path : {folder.Path(), folder.File("missing")}) {
    m.ui.paths = {path};
    EXPECT_FALSE(m.link.CzytajZPliku(0, ""));
    EXPECT_EQ(m.ui.messages.back().text, "File open error (152) : \n" + path);
  }
  EXPECT_EQ(m.link.ObrazSterownika(), image);
  EXPECT_EQ(m.link.FlagiCzytania(), reads);
  EXPECT_EQ(m.link.FlagiZapisu(), 0u);
}

TEST_F(BrokenTableFileTest, CancelledOrUnknownKindDoesNothing) {
  OfflineLink offline;
  EXPECT_FALSE(offline.link.CzytajZPliku(1, ""));
  EXPECT_FALSE(offline.link.ZapiszDoPliku(1, ""));
  EXPECT_EQ(offline.ui.dialogs.size(), 2u);
  EXPECT_FALSE(offline.link.CzytajZPliku(3, ""));
  EXPECT_FALSE(offline.link.ZapiszDoPliku(-1, ""));
  EXPECT_EQ(offline.ui.dialogs.size(), 2u) << "no dialog for a kind that does not exist";
  EXPECT_TRUE(offline.ui.messages.empty());
}

TEST_F(BrokenTableFileTest, UnwritableFileIsNamed) {
  OfflineLink offline;
  const std::string path = folder.File("no-such-folder/x.fpm");
  offline.ui.paths = {path};
  EXPECT_FALSE(offline.link.ZapiszDoPliku(1, ""));
  ASSERT_EQ(offline.ui.messages.size(), 1u);
  EXPECT_EQ(offline.ui.messages[0].text, "File write error (151) : \n" + path);
}

}  // namespace
