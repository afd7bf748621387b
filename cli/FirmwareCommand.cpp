#include "cli/FirmwareCommand.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "cli/ConsoleUi.h"
#include "cli/LinkRun.h"
#include "cli/WorkstationSetup.h"
#include "controller/Clock.h"
#include "controller/FirmwareImage.h"
#include "files/PrintableText.h"
#include "lang/Langtext.h"

namespace {

// Mode 1 streams 224 blocks, at least 45 seconds at the link's own pace.
constexpr int kUpdateBoundMs = 5 * 60 * 1000;
constexpr int kConnectBoundMs = 30000;
// As the firmware window's watchdog: an upload with no acknowledgement for this long is
// cancelled.
constexpr auto kWatchdog = std::chrono::seconds(5);
// Turns enough for the return from the bootloader to go out after a cancellation.
constexpr int kTurnsToReturn = 12;

struct FirmwareOptions {
  std::string port, file;
  bool check = false;
  bool yes = false;
  bool log = false;
  int timeoutMs = -1;
  int tickMs = 0;
};

bool ParseFirmware(std::span<char*> arguments, FirmwareOptions& o) {
  for (size_t i = 0; i < arguments.size(); ++i) {
    const std::string arg = arguments[i];
    const bool value = i + 1 < arguments.size();
    if (arg == "--port" && value)
      o.port = arguments[++i];
    else if (arg == "--check")
      o.check = true;
    else if (arg == "--timeout" && value)
      o.timeoutMs = std::atoi(arguments[++i]);
    else if (arg == "--tick" && value)
      o.tickMs = std::atoi(arguments[++i]);
    else if (arg == "--log")
      o.log = true;
    else if (arg == "--yes")
      o.yes = true;
    else if (arg.rfind("--", 0) != 0 && o.file.empty())
      o.file = arg;
    else
      return false;
  }
  if (o.file.empty() || o.tickMs < 0) return false;
  // An update is never started without the installer's explicit yes.
  return o.check ? !o.yes : !o.port.empty() && o.yes;
}

std::string TwoDigits(int n) {
  return (n < 10 ? "0" : "") + std::to_string(n);
}

void PrintHeader(const firmware::NaglowekObrazu& h) {
  const std::string beta = h.beta ? " beta " + std::to_string(h.beta) : "";
  std::printf("flash mode:  %d\n", h.flashMode);
  std::printf("blocks:      %d\n", firmware::BlockCount(h));
  std::printf("version:     %d%s\n", h.version, beta.c_str());
  std::printf("family:      %d\n", h.family);
  std::printf("board:       variant %d, maker %d, injectors %d\n", h.boardVariant, h.maker,
              h.injectors);
  std::printf("description: %s\n", TSterownik::StrOpisWerSpec(h.description).c_str());
  std::printf("released:    20%s.%s.%s\n", TwoDigits(h.year).c_str(), TwoDigits(h.month).c_str(),
              TwoDigits(h.day).c_str());
}

int ExitFor(const firmware::ImageCheck& check) {
  return check.fault == firmware::ImageFault::OtherController ? kRefusedByRules : kFileError;
}

// Reads and checks the file, printing why it is refused; kOk when it may be sent.
int CheckFile(const std::string& path, const TSterownik* link, bool printHeader) {
  std::vector<uint8_t> bytes;
  std::string readError;
  const firmware::ImageCheck check =
      firmware::CheckImageFile(path, link ? &link->ObrazSterownika() : nullptr, bytes, &readError);
  if (check.fault == firmware::ImageFault::Missing) {
    Fail("cannot read " + readError);
    return kFileError;
  }
  if (printHeader) {
    std::error_code error;
    std::printf("file:        %s (%ju bytes)\n", Printable(path).c_str(),
                static_cast<uintmax_t>(std::filesystem::file_size(path, error)));
    const bool headerRead = check.fault != firmware::ImageFault::TooLarge &&
                            check.fault != firmware::ImageFault::NotAnImage;
    if (headerRead) PrintHeader(check.header);
    std::printf("verdict:     %s\n", check.ok() ? "ok" : "refused");
  }
  if (check.ok()) return kOk;
  Fail(Printable(path) + ": " + firmware::FaultText(check));
  return ExitFor(check);
}

struct Upload {
  int percent = -1;
  bool finished = false;
  bool inBootloader = false;
  bool identifiedAfter = false;
  std::chrono::steady_clock::time_point lastAck = std::chrono::steady_clock::now();
};

void Follow(TSterownik& link, Upload& upload) {
  link.OnZdarzenie = [&link, &upload](const LinkEvent& e) {
    if (e.kind == EventKind::ReplyAccepted && e.code == code::Identification && upload.finished)
      upload.identifiedAfter = link.StanIdent() != ident_state::InBootloader;
    if (e.kind != EventKind::Firmware) return;
    if (e.code == firmware_event::InBootloader) upload.inBootloader = true;
    if (e.code == firmware_event::Finished) upload.finished = true;
    if (e.code != firmware_event::Progress) return;
    upload.lastAck = std::chrono::steady_clock::now();
    if (e.aux == upload.percent) return;
    upload.percent = e.aux;
    std::printf("progress: %d%%\n", e.aux);
    std::fflush(stdout);
  };
}

// The upload was cut off: no more blocks, the controller told to come back while the line
// still answers, and the installer told how to recover.
int Cut(TSterownik& link, const std::string& why, const CommandTime& time) {
  const int block = link.WgrywanyObraz().BlokFlash();
  const int blocks = link.WgrywanyObraz().IloscBlokowFlash();
  link.PrzerwijAktualizacje();
  if (!link.ConnectionLost()) {
    int turns = 0;
    RunTicks(
        link, [&] { return ++turns > kTurnsToReturn; }, time);
  }
  const bool inBootloader = link.StanIdent() == ident_state::InBootloader;
  Fail(why + " at block " + std::to_string(block) + " of " + std::to_string(blocks) +
       (inBootloader ? "; the controller waits in its bootloader" : "") +
       ": run the update again from the start");
  return kNoAnswer;
}

std::string VersionOf(const firmware::NaglowekObrazu& image) {
  return std::to_string(image.version) + (image.beta ? " beta " + std::to_string(image.beta) : "");
}

// The controller is back from its bootloader. Done when it runs the image, locked or not, and
// the update stands in its change history as the firmware window leaves it there.
int Finish(TSterownik& link, const CommandTime& time) {
  if (!link.RunsUploadedFirmware()) {
    Fail("the controller came back running version " + link.StrWersjaCyframi(0x0D) +
         ", not the image's " + VersionOf(link.WgrywanyObraz().Header()));
    return kNotKept;
  }
  std::printf("version: %s\n", link.StrWersjaCyframi(0x0D).c_str());
  std::fflush(stdout);
  const Run run = RunTicks(
      link,
      [&] {
        return link.ReadOutComplete() && !link.FirmwareEntryDue() && link.FlagiZapisu() == 0 &&
               link.FlagiZapisuWToku() == 0;
      },
      time);
  if (run == Run::kDone) return kOk;
  const std::string why =
      run == Run::kTimedOut ? "the update ran out of time" : "the controller stopped answering";
  Fail("the controller runs the new firmware, but its change history does not show the update: " +
       why);
  return kNoAnswer;
}

int Update(TSterownik& link, const FirmwareOptions& o, const CommandTime& time) {
  if (const int connected = Connect(link, o.port, time); connected != kOk) return connected;
  if (const int checked = CheckFile(o.file, &link, false); checked != kOk) return checked;
  Upload upload;
  Follow(link, upload);
  if (!link.Aktualizacja(o.file)) {
    Fail(LangText(1362));
    return kFileError;
  }
  bool watchdog = false;
  const Run run = RunTicks(
      link,
      [&] {
        watchdog =
            !upload.finished && std::chrono::steady_clock::now() - upload.lastAck > kWatchdog;
        return watchdog || upload.inBootloader || upload.identifiedAfter;
      },
      time);
  if (upload.identifiedAfter) return Finish(link, time);
  if (upload.inBootloader) {
    Fail("the controller stayed in its bootloader after the upload: run the update again");
    return kNoAnswer;
  }
  const std::string why = watchdog                ? LangText(1370) + " (no acknowledgement for 5 s)"
                          : run == Run::kTimedOut ? "the update ran out of time"
                                                  : "no answer from the controller";
  return Cut(link, why, time);
}

}  // namespace

int Firmware(std::span<char*> arguments) {
  FirmwareOptions o;
  if (!ParseFirmware(arguments, o)) return kUsage;
  Texts().LanguageIndex = 0;
  ConsoleUi ui(o.yes);
  SteadyClock clock;
  TSterownik link(ui, clock);
  UseWorkstation(link);
  if (o.log)
    link.OnTekst = [](const TSerial*, const std::string& text, uint32_t) {
      std::fprintf(stderr, "%s\n", text.c_str());
    };
  const int bound = o.timeoutMs >= 0 ? o.timeoutMs : o.check ? kConnectBoundMs : kUpdateBoundMs;
  const CommandTime time{std::chrono::steady_clock::now() + std::chrono::milliseconds(bound), bound,
                         o.tickMs};
  if (!o.check) return Update(link, o, time);
  if (!o.port.empty()) {
    if (const int connected = Connect(link, o.port, time); connected != kOk) return connected;
  }
  return CheckFile(o.file, o.port.empty() ? nullptr : &link, true);
}
