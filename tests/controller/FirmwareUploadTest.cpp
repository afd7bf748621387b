// The firmware update against the simulated controller's bootloader: every flash mode, the
// pacing, and the faults of a real line; the bootloader must end up holding the image byte for
// byte, or the controller waits in its bootloader and the update runs again from the start.

#include <gtest/gtest.h>

#include <algorithm>

#include "controller/FirmwareImage.h"
#include "files/FileIo.h"
#include "lang/Langtext.h"
#include "sim/FirmwareImages.h"
#include "tests/support/MemoryLink.h"
#include "tests/support/TempFolder.h"

namespace {

constexpr int kNewVersion = 18;
// The firmware window's 5-second watchdog at the link's 95 ms tick.
constexpr int kWatchdogTicks = 5000 / 95;

sim::Identity Board(int flashMode) {
  sim::Identity identity = sim::DefaultIdentity(2);
  identity.boardVersion = flashMode;
  return identity;
}

struct SentBlock {
  int number;
  size_t payload;
  int tick;
};

class FirmwareUploadTest : public ::testing::Test {
 protected:
  void Connect(int flashMode, int blocksBy16 = 2) {
    Texts().LanguageIndex = 0;
    m = std::make_unique<MemoryLink>(Board(flashMode));
    ASSERT_TRUE(m->ReadOut());
    file = sim::MakeFirmwareImage(
        Board(flashMode),
        {.flashMode = flashMode, .version = kNewVersion, .blocksBy16 = blocksBy16});
    ASSERT_TRUE(WriteFileAtomically(path, file).ok);
  }
  bool Start() {
    started = m->events.size();
    return m->link.Aktualizacja(path);
  }
  // One tick, noting the block frame the controller received on it.
  void Tick() {
    const int seen = m->controller.requestsSeen;
    m->Tick();
    ++ticks;
    const std::vector<uint8_t>& r = m->controller.lastRequest;
    if (m->controller.requestsSeen != seen && r.size() > 6 && r[3] == code::FirmwareBlock)
      sent.push_back({r[4] | r[5] << 8, r.size() - ramka::kHeaderSize, ticks});
  }
  int FirmwareEvents(int which) const {
    return static_cast<int>(std::count_if(
        m->events.begin() + static_cast<long>(started), m->events.end(),
        [&](const SimLink::Event& e) { return e.kind == EventKind::Firmware && e.code == which; }));
  }
  bool RunningNewFirmware() const {
    return m->controller.state == sim::State::kNormal && m->link.StanIdent() == 0 &&
           m->link.WersjaProgramu() == kNewVersion && m->link.ReadOutComplete();
  }
  // Ticks as the firmware window watches them: without an acknowledgement for 5 seconds the
  // window closes, which cancels the upload.
  bool TickUntil(const std::function<bool()>& done, int maxTicks = 3000) {
    int quiet = 0;
    int progress = FirmwareEvents(firmware_event::Progress);
    for (int i = 0; i < maxTicks && !done(); ++i) {
      Tick();
      const int now = FirmwareEvents(firmware_event::Progress);
      quiet = now == progress ? quiet + 1 : 0;
      progress = now;
      if (quiet > kWatchdogTicks && m->link.ZapisFlash()) m->link.PrzerwijAktualizacje();
    }
    return done();
  }
  void ExpectImageReceived() const {
    const std::vector<uint8_t>& flash = m->controller.bootloader.Flash();
    const size_t data = file.size() - firmware::kHeaderSize;
    ASSERT_GE(flash.size(), data);
    EXPECT_TRUE(std::equal(file.begin() + firmware::kHeaderSize, file.end(), flash.begin()))
        << "the bootloader holds the image byte for byte";
  }

  TempFolder folder{"firmware-upload"};
  std::string path = folder.File("update.img");
  std::unique_ptr<MemoryLink> m;
  std::vector<uint8_t> file;
  std::vector<SentBlock> sent;
  size_t started = 0;
  int ticks = 0;
};

struct Mode {
  int flashMode;
  int blocksBy16;
  int blocks;
  int frames;
  size_t payload;
};

class EveryFlashMode : public FirmwareUploadTest, public ::testing::WithParamInterface<Mode> {};

TEST_P(EveryFlashMode, ImageArrivesWholeAndTheControllerRunsIt) {
  const Mode& mode = GetParam();
  Connect(mode.flashMode, mode.blocksBy16);
  ASSERT_TRUE(Start());
  ASSERT_TRUE(TickUntil([&] { return RunningNewFirmware(); }));
  ExpectImageReceived();
  ASSERT_EQ(static_cast<int>(sent.size()), mode.frames) << "each frame once, none repeated";
  const int step = mode.blocks / mode.frames;
  for (size_t i = 0; i < sent.size(); ++i) {
    EXPECT_EQ(sent[i].number, static_cast<int>(i) * step);
    EXPECT_EQ(sent[i].payload, mode.payload);
  }
  EXPECT_EQ(FirmwareEvents(firmware_event::Finished), 1);
  EXPECT_EQ(FirmwareEvents(firmware_event::Progress), mode.frames);
  EXPECT_TRUE(m->ui.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(Modes, EveryFlashMode,
                         ::testing::Values(Mode{1, 0, 224, 224, 258}, Mode{2, 0, 480, 240, 514},
                                           Mode{3, 0, 20, 20, 258}, Mode{4, 10, 160, 160, 258},
                                           Mode{5, 3, 48, 48, 258}),
                         [](const auto& info) {
                           return "Mode" + std::to_string(info.param.flashMode);
                         });

// Bootloaders put different things in the header of an acknowledgement: the block's number,
// its low byte, zeros or nothing. None may hold an upload up, in any flash mode, across block
// 256 too (modes 2, 4 and 5 go past it).
struct Layout {
  const char* name;
  sim::AckLayout layout;
};

const Layout kLayouts[] = {{"Number", sim::AckLayout::kBlockNumber},
                           {"LowByte", sim::AckLayout::kLowByte},
                           {"Zeros", sim::AckLayout::kZeros},
                           {"Empty", sim::AckLayout::kEmpty}};

class EveryAckLayout : public FirmwareUploadTest,
                       public ::testing::WithParamInterface<std::tuple<Layout, Mode>> {};

TEST_P(EveryAckLayout, ImageArrivesWholeAndTheControllerRunsIt) {
  const auto& [layout, mode] = GetParam();
  Connect(mode.flashMode, mode.blocksBy16);
  m->controller.ackLayout = layout.layout;
  ASSERT_TRUE(Start());
  ASSERT_TRUE(TickUntil([&] { return RunningNewFirmware(); }, 5000))
      << "held up at block " << m->link.WgrywanyObraz().BlokFlash();
  ExpectImageReceived();
  std::vector<int> numbers;
  for (const SentBlock& b : sent)
    numbers.push_back(b.number);
  EXPECT_TRUE(std::is_sorted(numbers.begin(), numbers.end())) << "never back, never a gap";
  EXPECT_LE(static_cast<int>(sent.size()), mode.frames + 2)
      << "a header that names no block costs a send or two, not more";
  EXPECT_EQ(FirmwareEvents(firmware_event::Finished), 1);
  EXPECT_TRUE(m->ui.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    LayoutsAndModes, EveryAckLayout,
    ::testing::Combine(::testing::ValuesIn(kLayouts),
                       ::testing::Values(Mode{1, 0, 224, 224, 258}, Mode{2, 0, 480, 240, 514},
                                         Mode{3, 0, 20, 20, 258}, Mode{4, 20, 320, 320, 258},
                                         Mode{5, 18, 288, 288, 258})),
    [](const auto& info) {
      return std::string(std::get<0>(info.param).name) + "Mode" +
             std::to_string(std::get<1>(info.param).flashMode);
    });

// The bootloader's identification drops the pending history write, so the entry must be made
// once the controller runs the new firmware and has reported its history again.
TEST_F(FirmwareUploadTest, FinishedUpdateIsEnteredInTheControllersHistory) {
  Connect(3);
  m->link.SetToday(2026, 12, 11);
  m->link.SetWorkstation(0x1A2B3C4D);
  const uint8_t* history = &m->controller.memory[img::HistoriaZmian];
  const std::vector<uint8_t> delivered(history, history + 8);
  ASSERT_TRUE(Start());
  ASSERT_TRUE(TickUntil([&] { return RunningNewFirmware() && history[8] != 0; }));
  EXPECT_EQ(std::vector<uint8_t>(history, history + 8), delivered);
  const std::vector<uint8_t> entry = {0x01, 26, 12, 11, 0x1A, 0x2B, 0x3C, 0x4D};
  EXPECT_EQ(std::vector<uint8_t>(history + 8, history + 16), entry);
  EXPECT_EQ(history[16], 0) << "one entry for one update";
}

// The update is done when the controller identifies running the image, whether or not its
// password lock keeps this workstation out; a controller that comes back with another version
// did not take it.
struct Comeback {
  const char* name;
  bool locked;
  int versionRun;
  bool runsImage;
};

class Comebacks : public FirmwareUploadTest, public ::testing::WithParamInterface<Comeback> {};

TEST_P(Comebacks, ControllerRunsTheImageOnlyWithItsVersion) {
  const Comeback& c = GetParam();
  Connect(3);
  const std::span<uint8_t> data(file.begin() + firmware::kHeaderSize, file.end());
  sim::SimFirmwareRecord record = *sim::ReadRecord(data);
  record.version = c.versionRun;
  sim::PutRecord(record, data);
  ASSERT_TRUE(WriteFileAtomically(path, file).ok);
  if (c.locked) {
    m->controller.password.assign(256, 0x5A);  // no workstation holds it
    m->link.RozkazDoSterownika(CommandBit::Identify);
    ASSERT_TRUE(m->TickUntil([&] { return m->link.StanIdent() == ident_state::PasswordLocked; }));
  }
  const uint8_t* history = &m->controller.memory[img::HistoriaZmian];
  ASSERT_TRUE(Start());
  ASSERT_TRUE(TickUntil([&] { return FirmwareEvents(firmware_event::Finished) == 1; }));
  const int identified = m->Accepted(code::Identification);
  ASSERT_TRUE(TickUntil([&] {
    return m->Accepted(code::Identification) > identified && m->link.ReadOutComplete() &&
           !m->link.FirmwareEntryDue() && m->link.FlagiZapisuWToku() == 0;
  }));
  EXPECT_EQ(m->link.StanIdent(), c.locked ? ident_state::PasswordLocked : ident_state::Normal);
  EXPECT_EQ(m->link.WersjaProgramu(), c.versionRun);
  EXPECT_EQ(m->link.RunsUploadedFirmware(), c.runsImage);
  EXPECT_EQ(history[8] != 0, !c.locked) << "a locked controller keeps no history";
}

INSTANTIATE_TEST_SUITE_P(Cases, Comebacks,
                         ::testing::Values(Comeback{"Unlocked", false, kNewVersion, true},
                                           Comeback{"Locked", true, kNewVersion, true},
                                           Comeback{"OtherVersion", false, kNewVersion - 1, false}),
                         [](const auto& info) { return std::string(info.param.name); });

// The connection is lost after the controller came back and before its history was read again:
// the update's entry waits for that controller and is not given to another one that answers in
// its place.
struct Reconnection {
  const char* name;
  const char* barcode;  // of the controller answering after the loss; empty: the same one
  bool entry;
};

class AfterALostConnection : public FirmwareUploadTest,
                             public ::testing::WithParamInterface<Reconnection> {};

TEST_P(AfterALostConnection, OnlyTheUpdatedControllerGetsTheHistoryEntry) {
  const Reconnection& r = GetParam();
  Connect(3);
  const uint8_t* history = &m->controller.memory[img::HistoriaZmian];
  ASSERT_TRUE(Start());
  ASSERT_TRUE(TickUntil([&] { return FirmwareEvents(firmware_event::Finished) == 1; }));
  const int identified = m->Accepted(code::Identification);
  ASSERT_TRUE(TickUntil([&] { return m->Accepted(code::Identification) > identified; }));
  m->controller.silent = true;
  ASSERT_TRUE(TickUntil([&] { return m->link.ConnectionLost(); }));
  ASSERT_TRUE(m->link.FirmwareEntryDue());
  ASSERT_EQ(history[8], 0) << "the history was not read before the loss";

  m->link.KasujFlagiTransmisji("LiczDoBrakuPolaczenia > 8");
  if (*r.barcode) m->controller.identity.barcode = r.barcode;
  m->controller.silent = false;
  m->link.RozkazDoSterownika(CommandBit::Identify);
  ASSERT_TRUE(m->TickUntil([&] {
    return m->link.ReadOutComplete() && m->link.FlagiZapisu() == 0 &&
           m->link.FlagiZapisuWToku() == 0;
  }));
  EXPECT_EQ(history[8] == 0x01, r.entry);
  EXPECT_FALSE(m->link.FirmwareEntryDue());
}

INSTANTIATE_TEST_SUITE_P(Controllers, AfterALostConnection,
                         ::testing::Values(Reconnection{"SameController", "", true},
                                           Reconnection{"AnotherController", "MV0000999999999",
                                                        false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(FirmwareUploadTest, SlowBlocksGetTheLongerPause) {
  Connect(4, 10);
  ASSERT_TRUE(Start());
  ASSERT_TRUE(TickUntil([&] { return RunningNewFirmware(); }));
  ASSERT_EQ(sent.size(), 160u);
  for (size_t i = 0; i + 1 < sent.size(); ++i) {
    const int b = sent[i].number;
    const int pause = b <= 2 || (b & 0x0F) == 0x0F ? 2 : 1;
    EXPECT_EQ(sent[i + 1].tick - sent[i].tick, 1 + pause) << "after block " << b;
  }
}

TEST_F(FirmwareUploadTest, ProgressCountsUpToAHundred) {
  Connect(3);
  ASSERT_TRUE(Start());
  ASSERT_TRUE(TickUntil([&] { return RunningNewFirmware(); }));
  std::vector<int> percents;
  for (const SimLink::Event& e : m->events)
    if (e.kind == EventKind::Firmware && e.code == firmware_event::Progress)
      percents.push_back(e.aux);
  ASSERT_EQ(percents.size(), 20u);
  EXPECT_EQ(percents.front(), 5);
  EXPECT_EQ(percents[9], 50);
  EXPECT_EQ(percents.back(), 100);
}

// The faults of a line that still carries the upload to its end.
struct LineFault {
  const char* name;
  std::function<void(sim::SimController&)> set;
  bool blockRepeated;
};

class LineFaults : public FirmwareUploadTest, public ::testing::WithParamInterface<LineFault> {};

TEST_P(LineFaults, NoBlockIsSkippedAndTheImageArrivesWhole) {
  Connect(3);
  GetParam().set(m->controller);
  ASSERT_TRUE(Start());
  ASSERT_TRUE(TickUntil([&] { return RunningNewFirmware(); }));
  ExpectImageReceived();
  EXPECT_EQ(m->controller.bootloader.BlocksWritten(), 20);
  std::vector<int> numbers;
  for (const SentBlock& b : sent)
    numbers.push_back(b.number);
  EXPECT_TRUE(std::is_sorted(numbers.begin(), numbers.end())) << "never back, never a gap";
  EXPECT_EQ(std::adjacent_find(numbers.begin(), numbers.end()) != numbers.end(),
            GetParam().blockRepeated);
  EXPECT_EQ(FirmwareEvents(firmware_event::Finished), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Faults, LineFaults,
    ::testing::Values(
        LineFault{"DroppedAcknowledgement", [](sim::SimController& c) { c.dropAckAt = 7; }, true},
        LineFault{"DuplicatedAcknowledgement", [](sim::SimController& c) { c.duplicateAckAt = 7; },
                  false},
        LineFault{"CorruptedReplies", [](sim::SimController& c) { c.corruptEvery = 5; }, true},
        LineFault{"ShortPowerCut",
                  [](sim::SimController& c) {
                    c.powerCutAtBlock = 9;
                    c.powerOffRequests = 12;
                  },
                  true}),
    [](const auto& info) { return std::string(info.param.name); });

// A duplicated acknowledgement from a bootloader that does not name its block still advances
// only once.
TEST_F(FirmwareUploadTest, UnnamedDuplicateAcknowledgementAdvancesOnce) {
  Connect(3);
  m->controller.dropAckAt = 0;
  ASSERT_TRUE(Start());
  ASSERT_TRUE(TickUntil([&] { return !sent.empty(); }));
  // The acknowledgement of block 0, twice, without a block number.
  m->Inject(ReplyFrame(code::FirmwareBlock, {}));
  m->Inject(ReplyFrame(code::FirmwareBlock, {}));
  Tick();
  Tick();
  EXPECT_EQ(m->link.WgrywanyObraz().BlokFlash(), 1);
}

// The first acknowledgement of a block sent twice, arriving late, while the next block is out
// and lost: counting it would skip that block and leave a hole in the firmware. A bootloader
// that names its blocks, by number or by low byte only, is heard, past block 256 too.
struct LateAnswer {
  const char* name;
  sim::AckLayout layout;
  int flashMode;
  int blocksBy16;
  int block;  // acknowledged late
  const char* logged;
};

class LateAnswers : public FirmwareUploadTest, public ::testing::WithParamInterface<LateAnswer> {};

TEST_P(LateAnswers, LateAcknowledgementOfAnEarlierBlockIsNotCounted) {
  const LateAnswer& late = GetParam();
  Connect(late.flashMode, late.blocksBy16);
  m->controller.ackLayout = late.layout;
  m->controller.dropAckAt = late.block;
  m->controller.silentAtBlock = late.block + 1;
  ASSERT_TRUE(Start());
  ASSERT_TRUE(TickUntil([&] { return !sent.empty() && sent.back().number == late.block + 1; }));
  m->Inject(ReplyFrame(code::FirmwareBlock, sim::AcknowledgementOf(late.layout, late.block)));
  m->controller.silent = false;
  ASSERT_TRUE(TickUntil([&] { return RunningNewFirmware(); }));
  EXPECT_TRUE(m->Logged(late.logged));
  ExpectImageReceived();
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, LateAnswers,
    ::testing::Values(LateAnswer{"Number", sim::AckLayout::kBlockNumber, 3, 0, 5,
                                 "  potwierdzenie bloku 5 zamiast 6"},
                      LateAnswer{"NumberPast256", sim::AckLayout::kBlockNumber, 4, 20, 256,
                                 "  potwierdzenie bloku 256 zamiast 257"},
                      LateAnswer{"LowBytePast256", sim::AckLayout::kLowByte, 4, 20, 256,
                                 "  potwierdzenie bloku 0 zamiast 257"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(FirmwareUploadTest, ClosingTheWindowSendsTheReturnAndNoMoreBlocks) {
  Connect(1);
  ASSERT_TRUE(Start());
  ASSERT_TRUE(TickUntil([&] { return m->link.WgrywanyObraz().BlokFlash() >= 10; }));
  m->link.PrzerwijAktualizacje();
  const size_t blocksBefore = sent.size();
  Tick();
  EXPECT_EQ(m->controller.lastRequest[3], code::BootloaderReturn);
  ASSERT_TRUE(TickUntil([&] { return FirmwareEvents(firmware_event::InBootloader) == 1; }, 40));
  EXPECT_EQ(sent.size(), blocksBefore);
  EXPECT_EQ(m->controller.state, sim::State::kBootloader) << "half an image does not run";
  EXPECT_EQ(FirmwareEvents(firmware_event::Finished), 0);
}

// An upload cut off for longer than the window waits leaves the controller in its bootloader;
// the installer is told, and running the update again from the start brings it back.
struct Cut {
  const char* name;
  std::function<void(sim::SimController&)> set;
  std::function<void(sim::SimController&)> reconnect;
};

class CutUpload : public FirmwareUploadTest, public ::testing::WithParamInterface<Cut> {};

TEST_P(CutUpload, ControllerWaitsInItsBootloaderAndTheUpdateRunsAgain) {
  Connect(3);
  GetParam().set(m->controller);
  ASSERT_TRUE(Start());
  ASSERT_TRUE(TickUntil(
      [&] { return !m->link.ZapisFlash() && m->link.WgrywanyObraz().BlokFlash() > 0; }, 300))
      << "the window's watchdog cancels the stalled upload";
  EXPECT_EQ(FirmwareEvents(firmware_event::Finished), 0);
  GetParam().reconnect(m->controller);
  ASSERT_TRUE(TickUntil([&] { return FirmwareEvents(firmware_event::InBootloader) == 1; }, 600));
  ASSERT_EQ(m->ui.messages.size(), 1u);
  EXPECT_EQ(m->ui.messages[0].text, LangText(1365) + "\n" + LangText(6160));
  EXPECT_EQ(m->link.StanIdent(), 1);

  sent.clear();
  ASSERT_TRUE(Start()) << "the image still fits the controller in its bootloader";
  ASSERT_TRUE(TickUntil([&] { return RunningNewFirmware(); }));
  ExpectImageReceived();
  ASSERT_FALSE(sent.empty());
  EXPECT_EQ(sent.front().number, 0) << "again from the start";
}

INSTANTIATE_TEST_SUITE_P(Cuts, CutUpload,
                         ::testing::Values(Cut{"CablePulled",
                                               [](sim::SimController& c) { c.silentAtBlock = 8; },
                                               [](sim::SimController& c) { c.silent = false; }},
                                           Cut{"PowerCut",
                                               [](sim::SimController& c) {
                                                 c.powerCutAtBlock = 8;
                                                 c.powerOffRequests = 200;
                                               },
                                               [](sim::SimController&) {}}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
