// Writes the fuzz targets' seed inputs: what the simulated controllers of every family send,
// their images, settings files, tables and scope recordings, a configuration file, a piece of the
// text table and the OBD adapter's answers to PID requests. Run once into tests/fuzz/corpus when a
// target or the simulator changes; the files are checked in.
//
//   fuzz_make_seeds tests/fuzz/corpus

#include <cstdio>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "charts/TableCsv.h"
#include "charts/TableNames.h"
#include "controller/PasswordRecord.h"
#include "controller/Ramka.h"
#include "controller/SettingsFile.h"
#include "controller/TableBlock.h"
#include "controller/Tsterownik.h"
#include "files/FileIo.h"
#include "resources/EmbeddedResources.h"
#include "scope/ScopeFile.h"
#include "sim/FirmwareImages.h"
#include "sim/SimController.h"
#include "tests/fuzz/FuzzLink.h"
#include "tests/support/OfflineLink.h"

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<uint8_t>;

constexpr int kFamilies[] = {2, 5, 6, 8, 13, 255};

// A request as the link frames it, scrambled.
Bytes Request(uint8_t code, const Bytes& data = {}) {
  Bytes frame(ramka::kHeaderSize + 2 + data.size() + 1, 0);
  std::copy(data.begin(), data.end(), frame.begin() + ramka::kHeaderSize + 2);
  frame.resize(
      ramka::Build(frame.data(), ramka::kRequestStart, code, static_cast<int>(2 + data.size())));
  ramka::Scramble(frame.data(), static_cast<int>(frame.size()));
  return frame;
}

// The controller's answer to one request, as it travels.
Bytes Answer(sim::SimController& controller, uint8_t code, const Bytes& data = {}) {
  const Bytes request = Request(code, data);
  controller.Receive(request.data(), request.size());
  return controller.TakeOutput();
}

Bytes Plain(Bytes frame) {
  ramka::Unscramble(frame.data(), static_cast<int>(frame.size()));
  return frame;
}

void Append(Bytes& to, const Bytes& bytes) {
  to.insert(to.end(), bytes.begin(), bytes.end());
}

// A frame in the link_frames target's form: code, payload words, payload.
void AppendFramed(Bytes& to, const Bytes& plainFrame) {
  to.push_back(plainFrame[3]);
  to.push_back(plainFrame[2]);
  to.insert(to.end(), plainFrame.begin() + ramka::kHeaderSize, plainFrame.end());
}

void Write(const fs::path& folder, const std::string& name, const Bytes& bytes) {
  fs::create_directories(folder);
  const FileResult written = WriteFileAtomically((folder / name).string(), bytes);
  if (!written.ok) std::fprintf(stderr, "%s\n", written.error.c_str());
}

// The settings file the program saves of a controller image, at each level for the KAVI
// family, and one of the image's tables as a table file.
void FileSeeds(const fs::path& root, int selector, const std::string& name, const Bytes& image) {
  OfflineLink offline;
  offline.link.WczytajObraz(image);
  const Bytes file = SettingsFileBytes(offline.link);
  const int lowest = name == "family255" ? table_block::kLowestLevel : settings_file::kWrittenLevel;
  for (int level = lowest; level <= settings_file::kWrittenLevel; ++level) {
    Bytes seed = {static_cast<uint8_t>(selector)};
    seed.insert(seed.end(), file.begin(),
                file.begin() + settings_file::kHeaderSize + table_block::Size(level));
    seed[1 + settings_file::kLevelByte] = static_cast<uint8_t>(level);
    Write(root / "settings_file", name + (level < 3 ? "-level" + std::to_string(level) : ""), seed);
  }
  constexpr int kTables[] = {img::EmulacjaHi, img::MapaCis, img::EmulacjaLo};
  Bytes table = {static_cast<uint8_t>(selector)};
  const int offset = kTables[selector % 3];
  table.insert(table.end(), image.begin() + offset, image.begin() + offset + img::kAreaSize);
  Write(root / "table_file", name, table);
}

// A short recording of the status frame, with the image's identity and tables.
void ScopeSeed(const fs::path& root, int selector, const std::string& name, const Bytes& image,
               const Bytes& status) {
  OfflineLink offline;
  offline.link.WczytajObraz(image);
  Bytes records(status.begin(), status.end());
  records.resize(status_frame::kShortRecord);
  records.insert(records.end(), records.begin(), records.end());
  Bytes seed = {static_cast<uint8_t>(selector)};
  Append(seed, scope_file::Bytes(offline.link, {records, status_frame::kShortRecord, 2}));
  Write(root / "scope_file", name, seed);
}

void FamilySeeds(const fs::path& root, int selector, int family) {
  sim::SimController controller(sim::DefaultIdentity(family));
  controller.frozenLiveValues = true;
  const Bytes identification = Answer(controller, code::Identification, {0x10, 0});
  const Bytes status = Answer(controller, code::Poll);
  const Bytes settings = Answer(controller, 0xE8);  // settings page 0
  const Bytes errors = Answer(controller, code::ErrorList);
  const std::string name = "family" + std::to_string(family);

  Bytes bytes = {static_cast<uint8_t>(selector), 37};
  for (const Bytes& frame : {status, settings, errors, status})
    Append(bytes, frame);
  Write(root / "link_bytes", name, bytes);

  Bytes framed = {static_cast<uint8_t>(selector)};
  for (const Bytes& frame : {status, settings, errors})
    AppendFramed(framed, Plain(frame));
  Write(root / "link_frames", name, framed);

  Bytes decoded = {static_cast<uint8_t>(selector)};
  Append(decoded, Plain(status));
  Write(root / "status_frame", name, decoded);

  Bytes image(controller.memory.begin(), controller.memory.end());
  const Bytes identity = Plain(identification);
  std::copy(identity.begin(), identity.end(), image.begin() + img::BlokIdent);
  FileSeeds(root, selector, name, image);
  ScopeSeed(root, selector, name, image, Plain(status));
  Append(image, Plain(status));
  Write(root / "settings_image", name, image);

  Bytes reply = {static_cast<uint8_t>(family), static_cast<uint8_t>(controller.identity.model),
                 static_cast<uint8_t>(controller.identity.injectors)};
  Bytes errorReply = Plain(errors);
  errorReply.resize(76, 0);
  errorReply[6] = 0x81;
  errorReply[28] = 3;
  Append(reply, errorReply);
  Write(root / "error_list", name, reply);
}

// The CSV of every table the family shows, as the table command prints it, for the link the
// table_csv target builds.
void CsvSeeds(const fs::path& root, int selector, int family) {
  FuzzLink connected(static_cast<uint8_t>(selector));
  const auto names = chart::TableNames();
  for (size_t t = 0; t < names.size(); ++t) {
    const std::optional<chart::TableView> view = chart::TableViewOf(connected.link, names[t].area);
    if (!view) continue;
    const std::string csv = chart::TableCsv(connected.link, *view);
    Bytes seed = {static_cast<uint8_t>(selector), static_cast<uint8_t>(t)};
    seed.insert(seed.end(), csv.begin(), csv.end());
    Write(root / "table_csv", "family" + std::to_string(family) + "-" + std::string(names[t].name),
          seed);
  }
  // A spreadsheet's block with a decimal comma, an empty cell and a number out of range.
  const std::string block = "1\t2,5\t-3\n\t4\t1e9\r\n";
  Bytes seed = {static_cast<uint8_t>(selector), 0x57};
  seed.insert(seed.end(), block.begin(), block.end());
  Write(root / "table_csv", "family" + std::to_string(family) + "-paste", seed);
}

// A correction curve's CSV, and numbers beyond what a double holds and merely far beyond a table.
void NumberSeeds(const fs::path& root) {
  const std::pair<const char*, std::string> texts[] = {
      {"curve", "°C,%\n-30,+17\n20,0\n60,-33\n100,-3\n"},
      {"huge", "1\t" + std::string(400, '9') + "\n99999999999999999999\t-0." +
                   std::string(400, '0') + "1\n"},
  };
  for (const auto& [name, text] : texts) {
    Bytes seed = {2, 1};
    seed.insert(seed.end(), text.begin(), text.end());
    Write(root / "table_csv", name, seed);
  }
}

void TextSeeds(const fs::path& root) {
  const std::string configuration =
      "[1]\r\nComm=305\r\nLang=1\r\nComp=9\r\nWWidth=5000\r\nWLeft=-30\r\n[2]\r\nColor1400="
      "16609280\r\n"
      "[3]\r\nButton4=2\r\n[4]\r\nView101=48\r\nView401=0x30\r\n";
  Write(root / "configuration", "typical", Bytes(configuration.begin(), configuration.end()));
  const std::string broken = "Comm=1\n[1\n=\n[]\nLang=\n[4]\nView999=1\n";
  Write(root / "configuration", "broken", Bytes(broken.begin(), broken.end()));

  const std::string_view table = TextTableResource();
  size_t end = 0;
  for (int line = 0; line < 40 && end != std::string_view::npos; ++line)
    end = table.find(std::string_view("\n\0", 2), end + 2);
  const std::string_view head = table.substr(0, end == std::string_view::npos ? table.size() : end);
  Write(root / "text_table", "head", Bytes(head.begin(), head.end()));
}

// Adapter answers to PID requests in each protocol's header form, for the pid_reply target.
void PidSeeds(const fs::path& root) {
  struct Seed {
    const char* name;
    int protocol;
    int pid;
    int ecu;
    const char* reply;
  };
  const Seed seeds[] = {
      {"can11_rpm", 6, 0x0C, 0x7E8, "7E8 04 41 0C 1A F8 AA AA AA \r\r>"},
      {"can11_two_ecus", 8, 0x00, 0x7E8,
       "7E9 06 41 00 98 18 80 11 AA \r7E8 06 41 00 BE 1F A8 13 AA \r\r>"},
      {"can29_bitmap", 9, 0x20, 0x10, "18 DA F1 10 06 41 20 80 01 80 01 AA \r\r>"},
      {"kwp_trims", 5, 0x06, 0x10, "83 F1 10 41 06 7E 5D \r\r>"},
      {"iso_lambda", 3, 0x24, 0x10, "48 6B 10 41 24 80 00 12 34 4E \r\r>"},
      {"j1850_standard", 1, 0x1C, 0x10, "41 6B 10 41 1C 06 8F \r\r>"},
      {"no_data", 6, 0x0D, 0x7E8, "NO DATA\r\r>"},
      {"can11_three_frames", 6, 0x7F, 0x7E8,
       "7E8 10 0F 41 7F 01 02 03 04 \r7E9 03 41 0D 00 \r7E8 21 05 06 07 08 09 0A 0B \r"
       "7E8 22 0C 0D 00 00 00 00 00 \r\r>"},
      {"can29_two_frames", 7, 0x68, 0x10,
       "18 DA F1 10 10 09 41 68 01 02 03 04 \r18 DA F1 10 21 05 06 07 00 00 00 00 \r\r>"},
  };
  for (const Seed& seed : seeds) {
    const std::string reply = seed.reply;
    Bytes bytes = {static_cast<uint8_t>(seed.protocol), static_cast<uint8_t>(seed.pid),
                   static_cast<uint8_t>(seed.ecu >> 8), static_cast<uint8_t>(seed.ecu)};
    bytes.insert(bytes.end(), reply.begin(), reply.end());
    Write(root / "pid_reply", seed.name, bytes);
  }
}

// Adapter transcripts of trouble-code reads: protocol, ECU form, read, then the text.
void TroubleCodeSeeds(const fs::path& root) {
  const struct {
    const char* name;
    Bytes head;
    std::string text;
  } seeds[] = {
      {"can_single", {6, 1, 0}, "7E8 06 43 02 01 33 02 34 \r\r>"},
      {"can_multi", {6, 1, 0}, "7E8 10 0A 43 04 01 33 02 34 \r7E8 21 03 45 04 56 00 00 00 \r\r>"},
      {"can29_multi",
       {7, 0, 0},
       "18 DA F1 10 10 08 43 03 C1 55 C1 01 \r18 DA F1 10 21 C1 21 00 00 "
       "00 00 00 \r\r>"},
      {"kwp", {5, 0x80, 1}, "86 F1 10 47 01 33 00 00 00 00 \r86 F1 10 47 C1 23 41 23 81 23 \r>"},
      {"iso", {3, 0, 2}, "48 6B 10 4A 01 71 01 72 00 00 9E \r\r>"},
      {"no_data", {6, 1, 0}, "NO DATA\r\r>"},
      {"clearing_refused", {6, 1, 0}, "7E8 03 7F 04 78 \r7E8 03 7F 04 22 \r\r>"},
      {"clearing_done", {5, 0, 0}, "83 F1 10 44 C8\r\r>"},
  };
  for (const auto& seed : seeds) {
    Bytes bytes = seed.head;
    bytes.insert(bytes.end(), seed.text.begin(), seed.text.end());
    Write(root / "trouble_codes", seed.name, bytes);
  }
}

// Firmware images of the small flash modes whole, and the large ones cut after their header.
void FirmwareSeeds(const fs::path& root) {
  for (int mode = 1; mode <= 5; ++mode) {
    sim::Identity identity = sim::DefaultIdentity(2);
    identity.boardVersion = mode;
    Bytes image = sim::MakeFirmwareImage(identity, {.flashMode = mode, .blocksBy16 = 1});
    if (mode <= 2) image.resize(256 + 256);
    Write(root / "firmware_header", "mode" + std::to_string(mode), image);
  }
}

// The family selector, then the file: a record, an empty one, and one cut short.
void PasswordSeeds(const fs::path& root) {
  const PasswordRecord record = *BuildPasswordRecord("Workshop");
  Bytes whole{0};
  whole.insert(whole.end(), record.begin(), record.end());
  Write(root / "password_record", "record", whole);
  Bytes empty(1 + password_record::kSize, 0);
  empty[0] = 3;
  Write(root / "password_record", "empty", empty);
  Write(root / "password_record", "short", Bytes(whole.begin(), whole.begin() + 300));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: fuzz_make_seeds CORPUS_FOLDER\n");
    return 2;
  }
  const fs::path root(argv[1]);
  for (size_t i = 0; i < std::size(kFamilies); ++i) {
    FamilySeeds(root, static_cast<int>(i), kFamilies[i]);
    CsvSeeds(root, static_cast<int>(i), kFamilies[i]);
  }
  TextSeeds(root);
  NumberSeeds(root);
  PidSeeds(root);
  TroubleCodeSeeds(root);
  FirmwareSeeds(root);
  PasswordSeeds(root);
  return 0;
}
