// The workshop password: the record file, its presentation at identification, and the
// controller's password set, cleared and erased against the simulated controller.

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include "controller/PasswordRecord.h"
#include "files/DataFolders.h"
#include "lang/Langtext.h"
#include "tests/support/LinkTestAccess.h"
#include "tests/support/MemoryLink.h"
#include "tests/support/OfflineLink.h"
#include "tests/support/TempFolder.h"

namespace {

std::vector<uint8_t> FileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
}

const uint8_t* LoadedRecord(const TSterownik& link) {
  return &link.ObrazSterownika()[img::RekordHasla];
}

bool SameRecord(const uint8_t* loaded, const PasswordRecord& record) {
  return std::equal(record.begin(), record.end(), loaded);
}

TEST(PasswordRecordTest, KnownRecordOfAPassword) {
  // Every workstation must build these bytes for "AB", or controllers locked from one would
  // refuse the others.
  const std::optional<PasswordRecord> record = BuildPasswordRecord("AB");
  ASSERT_TRUE(record);
  const uint8_t expected[8] = {0x66, 0xC0, 0x64, 0x00, 0x39, 0x00, 0x7B, 0x97};
  EXPECT_TRUE(std::equal(expected, expected + 8, record->begin()));
  EXPECT_EQ((*record)[255], 0x7F);
  EXPECT_TRUE(std::all_of(record->begin() + 256, record->end(), [](uint8_t b) { return b == 0; }))
      << "the half the link does not use";
}

TEST(PasswordRecordTest, LengthsAreCountedInUtf16Characters) {
  struct Case {
    std::string password;
    bool accepted;
  };
  const std::string pair = "\xF0\x9F\x94\x91";  // one character outside the BMP: two units
  const Case cases[] = {
      {"", false},
      {"x", true},
      {std::string(127, 'x'), true},
      {std::string(128, 'x'), false},
      {"\xC5\x81\xC3\xB3\xC5\xBA" + std::string(124, 'x'), true},  // "Łóź": 127 characters
      {pair + std::string(125, 'x'), true},
      {pair + std::string(126, 'x'), false},
  };
  for (const Case& c : cases)
    EXPECT_EQ(BuildPasswordRecord(c.password).has_value(), c.accepted) << c.password.size();
}

TEST(PasswordRecordTest, DifferentPasswordsGiveDifferentBlocks) {
  const auto a = BuildPasswordRecord("Workshop1");
  const auto b = BuildPasswordRecord("Workshop2");
  const auto longer = BuildPasswordRecord("Workshop12");
  ASSERT_TRUE(a && b && longer);
  EXPECT_FALSE(std::equal(a->begin(), a->begin() + 256, b->begin()));
  EXPECT_FALSE(std::equal(a->begin(), a->begin() + 256, longer->begin()));
}

TEST(PasswordRecordTest, OnlyAWholeRecordHoldingAPasswordIsTaken) {
  const PasswordRecord good = *BuildPasswordRecord("AB");
  std::vector<uint8_t> zeroLength(good.begin(), good.end());
  zeroLength[0] = 0;
  struct Case {
    const char* what;
    std::vector<uint8_t> bytes;
    RecordFault fault;
  };
  const Case cases[] = {
      {"a record", {good.begin(), good.end()}, RecordFault::None},
      {"empty file", {}, RecordFault::WrongLength},
      {"one byte short", {good.begin(), good.end() - 1}, RecordFault::WrongLength},
      {"one byte long", std::vector<uint8_t>(513, 0x66), RecordFault::WrongLength},
      {"all zero", std::vector<uint8_t>(512, 0), RecordFault::Empty},
      {"no password length", zeroLength, RecordFault::Empty},
  };
  for (const Case& c : cases)
    EXPECT_EQ(CheckPasswordRecord(c.bytes), c.fault) << c.what;
}

class PasswordFileTest : public ::testing::Test {
 protected:
  PasswordFileTest() {
    Texts().LanguageIndex = 0;
    link.SetPasswordFile(path);
  }
  void LoadRecordOf(const std::string& password) {
    const PasswordRecord record = *BuildPasswordRecord(password);
    WriteBytes(path, {record.begin(), record.end()});
    ASSERT_EQ(link.CzytajPlikHaslo(), 0);
  }
  // Nothing is left that an identification would present.
  bool NoRecordLoaded() const {
    return !link.HasPasswordRecord() && std::all_of(LoadedRecord(link), LoadedRecord(link) + 512,
                                                    [](uint8_t b) { return b == 0; });
  }

  TempFolder folder{"password-file"};
  std::string path = folder.File("password.bin");
  OfflineLink offline;
  TSterownik& link = offline.link;
  FakeUi& ui = offline.ui;
};

TEST_F(PasswordFileTest, SavedRecordIsWrittenWholeAndStaysLoaded) {
  EXPECT_EQ(link.ZapiszPlikHaslo(std::string(127, 'k')), 0);
  const PasswordRecord expected = *BuildPasswordRecord(std::string(127, 'k'));
  EXPECT_EQ(FileBytes(path), std::vector<uint8_t>(expected.begin(), expected.end()));
  EXPECT_TRUE(SameRecord(LoadedRecord(link), expected));
  EXPECT_TRUE(link.HasPasswordRecord());
  EXPECT_FALSE(std::filesystem::exists(path + ".tmp"));
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(PasswordFileTest, PasswordOfNoOrTooManyCharactersIsRefusedAndNothingWritten) {
  LoadRecordOf("Old");
  for (const std::string& password : {std::string(), std::string(128, 'k')}) {
    EXPECT_EQ(link.ZapiszPlikHaslo(password), 4);
    EXPECT_TRUE(SameRecord(LoadedRecord(link), *BuildPasswordRecord("Old")));
    EXPECT_TRUE(SameRecord(FileBytes(path).data(), *BuildPasswordRecord("Old")));
  }
  EXPECT_TRUE(ui.messages.empty()) << "the window marks the field; no message";
}

TEST_F(PasswordFileTest, UnwritableFileIsToldAndChangesNothing) {
  LoadRecordOf("Old");
  link.SetPasswordFile(folder.File("no-such-folder/password.bin"));
  EXPECT_EQ(link.ZapiszPlikHaslo("New"), 8);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text.rfind("File write error (161)", 0), 0u) << ui.messages[0].text;
  EXPECT_EQ(ui.messages[0].flags, mb::kIconStop);
  EXPECT_TRUE(SameRecord(LoadedRecord(link), *BuildPasswordRecord("Old")));

  link.SetPasswordFile("");  // no documents folder
  EXPECT_EQ(link.ZapiszPlikHaslo("New"), 8);
  EXPECT_TRUE(SameRecord(LoadedRecord(link), *BuildPasswordRecord("Old")));
}

TEST_F(PasswordFileTest, NoFileLeavesNoRecordAndSaysNothing) {
  LoadRecordOf("Old");
  std::filesystem::remove(path);
  EXPECT_EQ(link.CzytajPlikHaslo(), -1);
  EXPECT_TRUE(NoRecordLoaded());
  EXPECT_TRUE(ui.messages.empty());
}

// A refused file is no record: the one loaded before it must not go on being presented.
TEST_F(PasswordFileTest, FileThatIsNoRecordIsToldAndLeavesNoRecord) {
  LoadRecordOf("Old");
  const PasswordRecord other = *BuildPasswordRecord("Other");
  struct Case {
    const char* what;
    std::vector<uint8_t> bytes;
    std::string message;
  };
  const Case cases[] = {
      {"empty", {}, "Invalid file type error (163)"},
      {"short", {other.begin(), other.begin() + 300}, "Invalid file type error (163)"},
      {"long", std::vector<uint8_t>(600, 0x66), "Invalid file type error (163)"},
      {"all zero", std::vector<uint8_t>(512, 0), "Invalid file type error (164)"},
  };
  for (const Case& c : cases) {
    ui.messages.clear();
    WriteBytes(path, c.bytes);
    EXPECT_EQ(link.CzytajPlikHaslo(), -1) << c.what;
    ASSERT_EQ(ui.messages.size(), 1u) << c.what;
    EXPECT_EQ(ui.messages[0].text.rfind(c.message, 0), 0u) << ui.messages[0].text;
    EXPECT_NE(ui.messages[0].text.find(path), std::string::npos) << "names the file";
    EXPECT_TRUE(NoRecordLoaded()) << c.what;
    LoadRecordOf("Old");
  }
}

TEST_F(PasswordFileTest, FileThatCannotBeOpenedIsToldAndLeavesNoRecord) {
  LoadRecordOf("Old");
  std::filesystem::remove(path);
  std::filesystem::create_directory(path);
  EXPECT_EQ(link.CzytajPlikHaslo(), -1);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text.rfind("File open error (162)", 0), 0u) << ui.messages[0].text;
  EXPECT_TRUE(NoRecordLoaded());
}

TEST(PasswordFilePathTest, KeptInTheDataFolderOnlyWithADocumentsFolder) {
  EXPECT_EQ(PasswordFilePath("/home/a/Documents"), "/home/a/Documents/VESK/Malver II/password.bin");
  EXPECT_EQ(PasswordFilePath(""), "");
}

// The link on a simulated controller that knows the password lock, with the workstation's
// record file in a folder of the test's own.
class PasswordLockTest : public ::testing::Test {
 protected:
  PasswordLockTest() : PasswordLockTest(sim::DefaultIdentity(5)) {}
  explicit PasswordLockTest(const sim::Identity& identity) : s(identity) {
    Texts().LanguageIndex = 0;
    s.link.SetPasswordFile(path);
  }
  int Sent(uint8_t code) const {
    const auto& codes = s.controller.lastRequestCodes;
    return static_cast<int>(std::count(codes.begin(), codes.end(), code));
  }
  // Ticks until the controller's acknowledgement has made the link identify it again.
  bool Reidentified() {
    const int before = s.Accepted(code::Identification);
    return s.TickUntil([&] {
      return s.Accepted(code::Identification) > before && s.link.FlagiZapisu() == 0 &&
             s.link.FlagiZapisuWToku() == 0;
    });
  }
  const uint8_t* WrittenBlock() const { return &s.controller.memory[img::BuforZapisuHasla]; }

  TempFolder folder{"password-lock"};
  std::string path = folder.File("password.bin");
  MemoryLink s;
};

TEST_F(PasswordLockTest, WithoutARecordIdentificationCarriesTheTwoPlainBytes) {
  EXPECT_EQ(s.link.CzytajPlikHaslo(), -1);
  s.Tick();
  const auto& request = s.controller.lastRequest;
  ASSERT_EQ(request[3], code::Identification);
  EXPECT_EQ(request[2], 2) << "two payload words";
  EXPECT_EQ(request[6], 0x10);
  EXPECT_EQ(request[7], 0x00);
}

TEST_F(PasswordLockTest, SetThenClearSendsTwoWritesTheSecondOfZeros) {
  ASSERT_TRUE(s.ReadOut());
  ASSERT_EQ(s.link.ZapiszPlikHaslo("Workshop"), 0);
  const PasswordRecord record = *BuildPasswordRecord("Workshop");

  ASSERT_TRUE(s.link.UstawHaslo());
  ASSERT_TRUE(Reidentified());
  EXPECT_TRUE(std::equal(record.begin(), record.begin() + 256, WrittenBlock()));
  EXPECT_TRUE(s.link.HasloUstawione());
  EXPECT_EQ(s.link.StanIdent(), ident_state::Normal) << "this workstation's record unlocks it";

  ASSERT_TRUE(s.link.ToggleControllerPassword()) << "the password box clears a set password";
  ASSERT_TRUE(Reidentified());
  EXPECT_EQ(Sent(code::PasswordWritten), 2);
  EXPECT_TRUE(std::all_of(WrittenBlock(), WrittenBlock() + 256, [](uint8_t b) { return b == 0; }));
  EXPECT_FALSE(s.link.HasloUstawione());
  EXPECT_TRUE(s.controller.password.empty());
  EXPECT_TRUE(s.ui.messages.empty());
}

TEST_F(PasswordLockTest, ControllerSetElsewhereWithTheSamePasswordIsLetIn) {
  const PasswordRecord record = *BuildPasswordRecord("Workshop");
  s.controller.password.assign(record.begin(), record.begin() + 256);
  ASSERT_EQ(s.link.ZapiszPlikHaslo("Workshop"), 0);
  ASSERT_TRUE(s.ReadOut());
  EXPECT_EQ(s.link.StanIdent(), ident_state::Normal);
  EXPECT_TRUE(s.link.HasloUstawione());
}

TEST_F(PasswordLockTest, SettingWithoutARecordAsksForThePasswordAndIdentifiesAgain) {
  ASSERT_TRUE(s.ReadOut());
  EXPECT_FALSE(s.link.UstawHaslo());
  ASSERT_EQ(s.ui.messages.size(), 1u);
  EXPECT_EQ(s.ui.messages[0].text, "Enter the password.");
  EXPECT_EQ(s.ui.messages[0].flags, mb::kIconInformation);
  EXPECT_NE(s.link.FlagiRozkazow() & CommandBit::Identify, 0u);
  ASSERT_TRUE(s.TickUntil([&] { return s.link.ReadOutComplete(); }));
  EXPECT_EQ(Sent(code::PasswordWritten), 0);
}

TEST_F(PasswordLockTest, ControllerLockedAgainstThisWorkstationKeepsItsPassword) {
  s.controller.password.assign(256, 0x42);
  ASSERT_EQ(s.link.ZapiszPlikHaslo("Workshop"), 0);
  ASSERT_TRUE(s.TickUntil([&] { return s.link.StanIdent() == ident_state::PasswordLocked; }));
  s.ui.messages.clear();
  EXPECT_FALSE(s.link.KasujHaslo());
  EXPECT_FALSE(s.link.UstawHaslo());
  ASSERT_EQ(s.ui.messages.size(), 2u);
  EXPECT_EQ(s.ui.messages[0].text, "The driver password protected.");
  for (int i = 0; i < 20; ++i)
    s.Tick();
  EXPECT_EQ(Sent(code::PasswordWritten), 0);
  EXPECT_EQ(s.controller.password, std::vector<uint8_t>(256, 0x42));
}

TEST_F(PasswordLockTest, ErasedPasswordLetsTheControllerBeReadAgain) {
  s.controller.password.assign(256, 0x42);
  ASSERT_TRUE(s.TickUntil([&] { return s.link.StanIdent() == ident_state::PasswordLocked; }));
  s.link.UsunHaslo();
  ASSERT_TRUE(s.TickUntil([&] { return s.link.StanIdent() == ident_state::Normal; }));
  ASSERT_TRUE(s.ReadOut());
  EXPECT_FALSE(s.link.HasloUstawione());
  EXPECT_EQ(Sent(code::PasswordErased), 1);
}

TEST_F(PasswordLockTest, EraseWithAnotherSerialNumberLeavesThePassword) {
  s.controller.password.assign(256, 0x42);
  ASSERT_TRUE(s.TickUntil([&] { return s.link.StanIdent() == ident_state::PasswordLocked; }));
  LinkTestAccess::ObrazSterownika(s.link)[img::NumSerProc + 11] ^= 0xFF;
  s.link.UsunHaslo();
  ASSERT_TRUE(s.TickUntil([&] { return s.Accepted(code::PasswordErased) == 1; }));
  ASSERT_TRUE(Reidentified());
  EXPECT_EQ(s.link.StanIdent(), ident_state::PasswordLocked);
  EXPECT_EQ(s.controller.password, std::vector<uint8_t>(256, 0x42));
}

TEST_F(PasswordLockTest, EraseGoesOutOnceWithoutAnAcknowledgement) {
  ASSERT_TRUE(s.ReadOut());
  s.controller.silent = true;
  s.link.UsunHaslo();
  for (int i = 0; i < 60; ++i)
    s.Tick();
  EXPECT_EQ(Sent(code::PasswordErased), 1);
}

class OldFirmwarePasswordTest : public PasswordLockTest {
 protected:
  OldFirmwarePasswordTest() : PasswordLockTest(IdentityOf(2, 6)) {}
};

TEST_F(OldFirmwarePasswordTest, FirmwareWithoutTheLockIsNotAsked) {
  ASSERT_EQ(s.link.ZapiszPlikHaslo("Workshop"), 0);
  ASSERT_TRUE(s.ReadOut());
  EXPECT_FALSE(s.link.SerwisHaslo());
  EXPECT_FALSE(s.link.UstawHaslo());
  EXPECT_FALSE(s.link.KasujHaslo());
  for (int i = 0; i < 20; ++i)
    s.Tick();
  EXPECT_EQ(Sent(code::PasswordWritten), 0);
  EXPECT_TRUE(s.ui.messages.empty());
}

}  // namespace
