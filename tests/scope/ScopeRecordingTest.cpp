#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>

#include "controller/ImageLayout.h"
#include "files/FileIo.h"
#include "scope/ScopeFile.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/MemoryLink.h"
#include "tests/support/OfflineLink.h"
#include "tests/support/TempFolder.h"

namespace {

constexpr int kShort = 128;
constexpr int kLevel3Start = 6144;

// A controller read out over the memory line, its status frames recorded as the scope does.
struct RecordingLink {
  explicit RecordingLink(int family) : m(family) {
    const auto first = m.link.OnZdarzenie;
    m.link.OnZdarzenie = [this, first](const LinkEvent& e) {
      first(e);
      if (e.kind == EventKind::ReplyAccepted && e.status) m.link.DodajRekord(e.status->Frame());
    };
    EXPECT_TRUE(m.ReadOut());
  }
  // Ticks until n more records are in.
  void Record(int n) {
    const int target = m.link.IleRekordow() + n;
    ASSERT_TRUE(m.TickUntil([&] { return m.link.IleRekordow() >= target; }, 4 * n + 10));
  }
  int Events(EventKind kind, int code) const {
    return static_cast<int>(std::count_if(m.events.begin(), m.events.end(), [&](const auto& e) {
      return e.kind == kind && e.code == code;
    }));
  }
  MemoryLink m;
};

std::vector<uint8_t> Read(const std::string& path) {
  std::vector<uint8_t> bytes;
  EXPECT_TRUE(ReadWholeFile(path, bytes).ok) << path;
  return bytes;
}

void Write(const std::string& path, std::span<const uint8_t> bytes) {
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
}

std::span<const uint8_t> Recorded(const TSterownik& link) {
  return {link.BuforOsc().data(), static_cast<size_t>(link.IleRekordow() * link.RozmiarRekordu())};
}

}  // namespace

// Records go to the file as they come: what was recorded before the file started, then each
// new one; the file loads back to the same records, identity and tables.
TEST(ScopeRecording, RecordSaveAndLoadBack) {
  TempFolder folder("scope-round-trip");
  const std::string path = folder.File("drive.osc");
  RecordingLink live(2);
  live.Record(500);
  const int before = live.m.link.IleRekordow();
  ASSERT_TRUE(live.m.link.StartRecordingFile(path));
  EXPECT_EQ(live.Events(EventKind::ScopeRecording, 1), 1);
  EXPECT_EQ(std::filesystem::file_size(path), static_cast<size_t>(kLevel3Start + before * kShort))
      << "everything recorded so far is written at once";
  live.Record(40);
  EXPECT_EQ(std::filesystem::file_size(path),
            static_cast<size_t>(kLevel3Start + live.m.link.IleRekordow() * kShort))
      << "each record is in the file as soon as it arrives, before the file is closed";
  live.m.link.ZamnkijOscyloskop();
  EXPECT_EQ(live.Events(EventKind::ScopeRecording, 0), 1);

  OfflineLink replay;
  std::vector<EventKind> events;
  replay.link.OnZdarzenie = [&](const LinkEvent& e) { events.push_back(e.kind); };
  ASSERT_EQ(replay.link.CzytajOscyloskop(path, ""), live.m.link.IleRekordow());
  EXPECT_TRUE(std::ranges::equal(Recorded(replay.link), Recorded(live.m.link)));
  EXPECT_EQ(replay.link.Model(), Family::Rumo);
  EXPECT_EQ(replay.link.LoadedFileName(), path);
  EXPECT_NE(std::find(events.begin(), events.end(), EventKind::FileLoaded), events.end());
  const auto& a = live.m.link.ObrazSterownika();
  const auto& b = replay.link.ObrazSterownika();
  for (int area : {img::BlokIdent, img::Nastawy, img::Mnoznik1, img::MapaEcuGaz, img::KorOdCis})
    EXPECT_TRUE(std::equal(a.begin() + area, a.begin() + area + 128, b.begin() + area)) << area;
  EXPECT_TRUE(std::all_of(b.begin() + img::HistoriaZmian,
                          b.begin() + img::HistoriaZmian + img::kAreaSize,
                          [](uint8_t x) { return x == 0; }))
      << "the file does not carry the change history";
}

// The first records a controller sends are in the file whatever happens to the program after:
// nothing waits in a buffer of ours.
TEST(ScopeRecording, FileHoldsEveryRecordWithoutClosing) {
  TempFolder folder("scope-kill");
  const std::string path = folder.File("cut.osc");
  RecordingLink live(255);
  ASSERT_TRUE(live.m.link.StartRecordingFile(path));
  live.Record(25);
  const int recorded = live.m.link.IleRekordow();
  std::vector<uint8_t> cut = Read(path);
  ASSERT_EQ(cut.size(), static_cast<size_t>(kLevel3Start + recorded * kShort));
  cut.resize(cut.size() - 50);  // a power cut in the middle of the last record
  OfflineLink replay;
  EXPECT_EQ(replay.link.LoadScope(cut, path), recorded - 1) << "the partial record is left out";
  EXPECT_TRUE(replay.ui.messages.empty());
}

TEST(ScopeRecording, FileOfSixThousandRecords) {
  OfflineLink link;
  const std::vector<uint8_t> frame(kShort, 7);
  for (int i = 0; i < 6000; ++i)
    link.link.DodajRekord(frame);
  EXPECT_EQ(scope_file::Bytes(link.link, link.link.Nagranie()).size(), 6144u + 768000u);
}

// The live buffer holds an hour; the next record overwrites the first.
TEST(ScopeRecording, LiveBufferWrapsAfterAnHour) {
  OfflineLink link;
  std::vector<uint8_t> frame(kShort, 1);
  for (int i = 0; i < 36000; ++i)
    link.link.DodajRekord(frame);
  EXPECT_EQ(link.link.IleRekordow(), 0);
  frame.assign(kShort, 2);
  link.link.DodajRekord(frame);
  EXPECT_EQ(link.link.IleRekordow(), 1);
  EXPECT_EQ(link.link.BuforOsc()[0], 2);
}

// Loading is not bounded by the live buffer: a recording of longer than an hour comes back
// whole.
TEST(ScopeRecording, LongRecordingLoadsWhole) {
  OfflineLink source;
  std::vector<uint8_t> records(50'000 * kShort);
  for (size_t i = 0; i < records.size(); ++i)
    records[i] = static_cast<uint8_t>(i / kShort);
  const std::vector<uint8_t> file = scope_file::Bytes(source.link, {records, kShort, 50'000});
  OfflineLink replay;
  ASSERT_EQ(replay.link.LoadScope(file, "long.osc"), 50'000);
  EXPECT_TRUE(std::ranges::equal(Recorded(replay.link), records));
}

TEST(ScopeRecording, OlderLevelsLoadTheirRecordsAfterTheirBlock) {
  OfflineLink source;
  const std::vector<uint8_t> frames(3 * kShort, 0x5A);
  std::vector<uint8_t> file = scope_file::Bytes(source.link, {frames, kShort, 3});
  // A level-1 file: the level-1 block (4080 bytes) and its records from 4096.
  file[8] = 1;
  file.erase(file.begin() + 4096, file.begin() + kLevel3Start);
  OfflineLink replay;
  EXPECT_EQ(replay.link.LoadScope(file, "old.osc"), 3);
  EXPECT_EQ(replay.link.BuforOsc()[0], 0x5A);
}

// A broken file is named in a message and changes nothing: the recording in memory, the
// image and the connection stay as they were.
TEST(ScopeRecording, BrokenFilesAreRefusedAndChangeNothing) {
  TempFolder folder("scope-broken");
  RecordingLink live(2);
  live.Record(10);
  const std::vector<uint8_t> good = scope_file::Bytes(live.m.link, live.m.link.Nagranie());
  auto with = [&](int at, uint8_t value) {
    std::vector<uint8_t> b = good;
    b[static_cast<size_t>(at)] = value;
    return b;
  };
  std::vector<uint8_t> noise(10 * 1024 * 1024);
  std::mt19937 random(7);
  std::generate(noise.begin(), noise.end(), [&] { return static_cast<uint8_t>(random()); });
  const struct {
    const char* name;
    std::vector<uint8_t> bytes;
    const char* message;
  } kCases[] = {
      {"empty", {}, "Invalid file type error (133)"},
      {"header only", std::vector<uint8_t>(good.begin(), good.begin() + 16), "(133)"},
      {"truncated table block", std::vector<uint8_t>(good.begin(), good.begin() + 3000), "(133)"},
      {"wrong magic", with(0, 'O'), "(133)"},
      {"level 0", with(8, 0), "(133)"},
      {"level 4", with(8, 4), "(133)"},
      {"record code 0", with(9, 0), "(133)"},
      {"record code 3", with(9, 3), "(133)"},
      {"noise", noise, "(133)"},
  };
  const std::vector<uint8_t> recordsBefore(Recorded(live.m.link).begin(),
                                           Recorded(live.m.link).end());
  const auto imageBefore = live.m.link.ObrazSterownika();
  for (const auto& c : kCases) {
    const std::string path = folder.File(std::string(c.name) + ".osc");
    Write(path, c.bytes);
    live.m.ui.messages.clear();
    EXPECT_EQ(live.m.link.CzytajOscyloskop(path, ""), -1) << c.name;
    ASSERT_EQ(live.m.ui.messages.size(), 1u) << c.name;
    EXPECT_NE(live.m.ui.messages[0].text.find(c.message), std::string::npos)
        << c.name << ": " << live.m.ui.messages[0].text;
    EXPECT_NE(live.m.ui.messages[0].text.find(path), std::string::npos) << c.name;
    EXPECT_TRUE(live.m.link.PortConnected()) << c.name;
    EXPECT_EQ(live.m.link.RozmiarRekordu(), kShort) << c.name;
    EXPECT_TRUE(std::ranges::equal(Recorded(live.m.link), recordsBefore)) << c.name;
    EXPECT_EQ(live.m.link.ObrazSterownika(), imageBefore) << c.name;
  }
  live.m.ui.messages.clear();
  live.m.ui.paths.push_back(folder.Path());  // the dialog hands back a folder
  EXPECT_EQ(live.m.link.CzytajOscyloskop("", ""), -1);
  ASSERT_EQ(live.m.ui.messages.size(), 1u);
  EXPECT_NE(live.m.ui.messages[0].text.find("File open error (132)"), std::string::npos);
}

TEST(ScopeRecording, LoadingAskedForInTheScopeFolderAndCancelled) {
  OfflineLink link;
  EXPECT_EQ(link.link.CzytajOscyloskop("no-such-file.osc", ""), -1);
  ASSERT_EQ(link.ui.dialogs.size(), 1u);
  EXPECT_FALSE(link.ui.dialogs[0].save);
  EXPECT_EQ(link.ui.dialogs[0].request.title, "Read scope from file");
  EXPECT_EQ(link.ui.dialogs[0].request.filters[0].caption, "Scope file (*.osc)");
  EXPECT_EQ(link.ui.dialogs[0].request.defaultExtension, "osc");
  EXPECT_TRUE(link.ui.messages.empty());
}

// A recording file that the disk cannot take any more ends, told once with its name; the
// records in memory go on.
TEST(ScopeRecording, FullDiskEndsTheRecordingFileOnce) {
  TempFolder folder("scope-full");
  RecordingLink live(2);
  const std::string path = folder.File("drive.osc");
  ASSERT_TRUE(live.m.link.StartRecordingFile(path));
  const size_t room = std::filesystem::file_size(path) + 3 * kShort;  // for three more records
  {
    const FileSizeLimit limit(room);
    live.Record(6);
  }
  EXPECT_FALSE(live.m.link.RecordingFileOpen());
  ASSERT_EQ(live.m.ui.messages.size(), 1u);
  EXPECT_EQ(live.m.ui.messages[0].text, "File write error (131) : \n" + path);
  EXPECT_EQ(live.Events(EventKind::ScopeRecording, 0), 1);
  live.Record(2);
  EXPECT_EQ(live.m.ui.messages.size(), 1u);
  EXPECT_EQ(Read(path).size(), room) << "the records the disk took stay";
}

// A file whose creation fails is not reported as started.
TEST(ScopeRecording, FailedFileIsNotStarted) {
  OfflineLink link;
  std::vector<EventKind> events;
  link.link.OnZdarzenie = [&](const LinkEvent& e) { events.push_back(e.kind); };
  link.ui.paths.push_back("/no/such/folder/drive.osc");
  EXPECT_FALSE(link.link.ZapiszOscyloskop(""));
  EXPECT_FALSE(link.link.RecordingFileOpen());
  EXPECT_TRUE(events.empty());
  ASSERT_EQ(link.ui.messages.size(), 1u);
  EXPECT_EQ(link.ui.messages[0].text, "File write error (131) : \n/no/such/folder/drive.osc");
}

// The header names the record size, so a file cannot take records of another size: the switch
// to long records closes it and says so, and the file still reads as it was.
TEST(ScopeRecording, RecordSizeChangeClosesTheRecordingFile) {
  TempFolder folder("scope-size");
  const std::string path = folder.File("switch.osc");
  RecordingLink live(2);
  ASSERT_TRUE(live.m.link.StartRecordingFile(path));
  live.Record(5);
  const int inFile = live.m.link.IleRekordow();
  live.m.link.KasujOscyloskop(256);
  EXPECT_FALSE(live.m.link.RecordingFileOpen());
  ASSERT_EQ(live.m.ui.messages.size(), 1u);
  EXPECT_NE(live.m.ui.messages[0].text.find(path), std::string::npos);
  EXPECT_EQ(live.m.link.IleRekordow(), 0);
  live.Record(5);
  EXPECT_EQ(live.m.link.RozmiarRekordu(), 256);
  EXPECT_EQ(live.m.controller.lastRequestCodes.back() & 0x08, 0x08)
      << "the poll asks for long status frames";
  OfflineLink replay;
  EXPECT_EQ(replay.link.LoadScope(Read(path), path), inFile);
  EXPECT_EQ(replay.link.RozmiarRekordu(), kShort);
}
