// malver-cli: the controller link without windows.
//
//   malver-cli identify --port P [--log] [--timeout MS]
//   malver-cli read --port P --out FILE [--log] [--timeout MS]
//   malver-cli live --port P [--count N] [--log] [--timeout MS]
//   malver-cli settings (--port P | --image FILE) [--log] [--timeout MS]
//
// P is a port number (1..1023 serial, 1024 + i FTDI device i) or a device path; --log writes
// the transmission log, every frame in and out, to standard error; MS bounds the whole
// command. A controller that stops answering ends the command by the link's own rule.

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <thread>

#include "cli/ConsoleUi.h"
#include "controller/Clock.h"
#include "controller/ImageFile.h"
#include "controller/SettingsCatalogue.h"
#include "controller/Tsterownik.h"
#include "lang/Langtext.h"
#include "serial/ComPorts.h"

namespace {

enum Exit { kOk = 0, kUsage = 2, kNoPort = 3, kNoAnswer = 4, kRefused = 5, kFileError = 6 };

struct Options {
  std::string command, port, out, image;
  int count = 10;
  int timeoutMs = 30000;
  bool log = false;
};

bool Parse(int argc, char** argv, Options& o) {
  if (argc < 2) return false;
  o.command = argv[1];
  for (int i = 2; i < argc; ++i) {
    const std::string arg = argv[i];
    const bool value = i + 1 < argc;
    if (arg == "--port" && value)
      o.port = argv[++i];
    else if (arg == "--out" && value)
      o.out = argv[++i];
    else if (arg == "--image" && value)
      o.image = argv[++i];
    else if (arg == "--count" && value)
      o.count = std::atoi(argv[++i]);
    else if (arg == "--timeout" && value)
      o.timeoutMs = std::atoi(argv[++i]);
    else if (arg == "--log")
      o.log = true;
    else
      return false;
  }
  if (o.command == "settings") return o.port.empty() != o.image.empty();
  if (o.port.empty()) return false;
  if (o.command == "read") return !o.out.empty();
  return o.command == "identify" || o.command == "live";
}

int PortNumberOf(const std::string& port) {
  if (!port.empty() && port.find_first_not_of("0123456789") == std::string::npos)
    return std::atoi(port.c_str());
  return ComPortNumber(port);
}

void Fail(const std::string& message) {
  std::fprintf(stderr, "malver-cli: %s\n", message.c_str());
}

using Deadline = std::chrono::steady_clock::time_point;
enum class Run { kDone, kLost, kTimedOut };

// Runs the link's ticks at its own pace until done(), the link counts the controller lost, or
// the command's time is up.
Run RunUntil(TSterownik& link, const std::function<bool()>& done, Deadline deadline) {
  while (!done()) {
    if (link.ConnectionLost()) return Run::kLost;
    if (std::chrono::steady_clock::now() > deadline) return Run::kTimedOut;
    link.Timer1OnTimer();
    std::this_thread::sleep_for(std::chrono::milliseconds(link.TimerInterval()));
  }
  return Run::kDone;
}

int NoAnswer(Run run, int timeoutMs) {
  Fail(run == Run::kTimedOut
           ? "no answer from the controller within " + std::to_string(timeoutMs) + " ms"
           : "no answer from the controller");
  return kNoAnswer;
}

const char* StateName(int state) {
  switch (state) {
    case ident_state::Normal:
      return "normal";
    case ident_state::InBootloader:
      return "bootloader (controller software damaged)";
    case ident_state::PasswordLocked:
      return "password protected";
    default:
      return "unknown";
  }
}

// Why an identification reply that came was refused, or empty when none came.
std::string Refusal(const TSterownik& link) {
  switch (link.LastIdentificationRefusal()) {
    case IdentificationRefusal::TooShort:
      return "the controller's identification reply is too short to name its maker";
    case IdentificationRefusal::TooLong:
      return "the controller's identification reply is too long for an identity block";
    case IdentificationRefusal::OtherMaker:
      return "a controller of another maker";
    case IdentificationRefusal::None:
      break;
  }
  if (link.Rodzina() != Family::Unknown)
    return "a controller this program does not serve (family " +
           std::to_string(static_cast<int>(link.Rodzina())) + ")";
  return {};
}

int Identify(TSterownik& link, Deadline deadline, int timeoutMs) {
  bool accepted = false;
  link.OnZdarzenie = [&](const LinkEvent& e) {
    if (e.kind == EventKind::ReplyAccepted && e.code == code::Identification) accepted = true;
  };
  const Run run = RunUntil(
      link, [&] { return accepted; }, deadline);
  link.OnZdarzenie = nullptr;
  if (accepted) return kOk;
  if (!link.PortConnected()) {
    Fail("the port went away");
    return kNoPort;
  }
  if (const std::string refusal = Refusal(link); !refusal.empty()) {
    Fail("identification refused: " + refusal);
    return kRefused;
  }
  return NoAnswer(run, timeoutMs);
}

void PrintIdentity(const TSterownik& link) {
  std::printf("name:     %s\n", link.StrNazwaSterownika().c_str());
  std::printf("version:  %s\n", link.StrWersjaCyframi(0x0D).c_str());
  std::printf("barcode:  %s\n", link.StrKodKreskowy().c_str());
  std::printf("family:   %d\n", static_cast<int>(link.Rodzina()));
  std::printf("status:   %d %s\n", link.StanIdent(), StateName(link.StanIdent()));
}

int ReadOut(TSterownik& link, Deadline deadline, int timeoutMs) {
  if (link.StanIdent() != ident_state::Normal) {
    Fail(std::string("the controller is ") + StateName(link.StanIdent()) + "; nothing to read");
    return kRefused;
  }
  const Run run = RunUntil(
      link, [&] { return link.ReadOutComplete(); }, deadline);
  return run == Run::kDone ? kOk : NoAnswer(run, timeoutMs);
}

int Save(const TSterownik& link, const std::string& out) {
  if (const FileResult saved = SaveImageFile(link, out); !saved.ok) {
    Fail("cannot write " + saved.error);
    return kFileError;
  }
  std::printf("saved %zu bytes to %s\n", link.ObrazSterownika().size(), out.c_str());
  return kOk;
}

// Pads to width characters (not bytes: many names are Polish).
std::string Padded(const std::string& text, size_t width) {
  size_t characters = 0;
  for (unsigned char c : text)
    characters += (c & 0xC0) != 0x80;
  return text + std::string(characters < width ? width - characters : 0, ' ');
}

// One line per setting the catalogue holds: number, name, value and unit, and "!" where the
// value lies outside its allowed or normal range.
void PrintSettings(const TSterownik& link) {
  for (int i = 0; i < kSettingsCount; ++i) {
    if (!link.InCatalogue(i)) continue;
    std::string value = link.StrNastawa(i);
    if (const std::string unit = link.UnitText(i); !unit.empty()) value += " " + unit;
    const std::string name = LangText(static_cast<int>(link.ListaNastaw()[i].nazwa));
    std::printf("%3d  %s %s%s\n", i, Padded(name, 44).c_str(), value.c_str(),
                link.OutsideRange(i) ? "  !" : "");
  }
}

// The work state, the readings panel's parameters with their units, and the controller's
// message when it has one.
std::string LiveLine(const TSterownik& link, const DecodedStatus& status) {
  std::string line = LangText(status.workState.longText);
  for (int n = 0; n < link.PodajIleParamBiez(ChartPlace::Readings); ++n) {
    const size_t i = static_cast<size_t>(link.PodajPozycje(ChartPlace::Readings, n));
    const Wykres& w = link.ListaWykresow()[i];
    const bool arrived = i < status.values.size() && status.values[i].present;
    line += " | " + LangText(w.nazwa) + " " + (arrived ? status.values[i].text : "-");
    if (w.jednostka != 0) line += " " + LangText(w.jednostka);
  }
  if (link.InfoPracy(status) != 0) line += " | " + link.StrInfoPracy(status);
  return line;
}

int Live(TSterownik& link, int count, Deadline deadline, int timeoutMs) {
  int frames = 0;
  link.OnZdarzenie = [&](const LinkEvent& e) {
    if (e.kind != EventKind::ReplyAccepted || !e.status) return;
    ++frames;
    std::printf("%s\n", LiveLine(link, *e.status).c_str());
    std::fflush(stdout);
  };
  const Run run = RunUntil(
      link, [&] { return frames >= count; }, deadline);
  return run == Run::kDone ? kOk : NoAnswer(run, timeoutMs);
}

int FromImage(TSterownik& link, const std::string& path) {
  if (const FileResult loaded = LoadImageFile(link, path); !loaded.ok) {
    Fail("cannot read " + loaded.error);
    return kFileError;
  }
  PrintSettings(link);
  return kOk;
}

}  // namespace

int main(int argc, char** argv) {
  Options o;
  if (!Parse(argc, argv, o)) {
    std::fprintf(stderr,
                 "usage: malver-cli identify --port P [--log] [--timeout MS]\n"
                 "       malver-cli read --port P --out FILE [--log] [--timeout MS]\n"
                 "       malver-cli live --port P [--count N] [--log] [--timeout MS]\n"
                 "       malver-cli settings (--port P | --image FILE) [--log] [--timeout MS]\n");
    return kUsage;
  }
  const Deadline deadline =
      std::chrono::steady_clock::now() + std::chrono::milliseconds(o.timeoutMs);
  Texts().LanguageIndex = 0;
  ConsoleUi ui;
  SteadyClock clock;
  TSterownik link(ui, clock);
  if (o.log) {
    link.OnTekst = [](const TSerial*, const std::string& text, uint32_t) {
      std::fprintf(stderr, "%s\n", text.c_str());
    };
    link.SetLogParamBiez(true);
  }
  if (!o.image.empty()) return FromImage(link, o.image);
  link.PortNumber = PortNumberOf(o.port);
  if (link.PortNumber <= 0 || !link.OtworzPortComm()) {
    Fail("cannot open port " + o.port);
    return kNoPort;
  }
  if (const int identified = Identify(link, deadline, o.timeoutMs); identified != kOk)
    return identified;
  if (o.command == "identify") {
    PrintIdentity(link);
    return kOk;
  }
  if (o.command == "live") return Live(link, o.count, deadline, o.timeoutMs);
  if (const int read = ReadOut(link, deadline, o.timeoutMs); read != kOk) return read;
  if (o.command == "read") return Save(link, o.out);
  PrintSettings(link);
  return kOk;
}
