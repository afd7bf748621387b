// malver-cli: the controller link without windows.
//
//   malver-cli identify --port P [--log] [--timeout MS]
//   malver-cli read --port P --out FILE [--log] [--timeout MS]
//   malver-cli live --port P [--count N] [--log] [--timeout MS]
//   malver-cli settings (--port P | --image FILE) [--log] [--timeout MS]
//
// P is a port number (1..1023 serial, 1024 + i FTDI device i) or a device path; --log writes
// the transmission log to standard error; MS is how long to wait for the identification.

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

#include "cli/ConsoleUi.h"
#include "controller/Clock.h"
#include "controller/SettingsCatalogue.h"
#include "controller/Tsterownik.h"
#include "lang/Langtext.h"
#include "serial/ComPorts.h"

namespace {

enum Exit { kOk = 0, kUsage = 2, kNoPort = 3, kNoAnswer = 4, kRefused = 5, kFileError = 6 };

constexpr int kReadTimeoutMs = 60000;

struct Options {
  std::string command, port, out, image;
  int count = 10;
  int timeoutMs = 5000;
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

// Runs the link's ticks at its own pace until done() or the time is up.
bool RunUntil(TSterownik& link, const std::function<bool()>& done, int timeoutMs) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  while (!done()) {
    if (std::chrono::steady_clock::now() > deadline || !link.PortConnected()) return false;
    link.Timer1OnTimer();
    std::this_thread::sleep_for(std::chrono::milliseconds(link.TimerInterval));
  }
  return true;
}

const char* StateName(int state) {
  switch (state) {
    case 0:
      return "normal";
    case 1:
      return "bootloader (controller software damaged)";
    case 2:
      return "password protected";
    default:
      return "unknown";
  }
}

int Identify(TSterownik& link, int timeoutMs, bool& identified) {
  identified = false;
  bool accepted = false;
  const auto previous = link.OnZdarzenie;
  link.OnZdarzenie = [&](int kind, int code, int aux, int length) {
    if (kind == 0 && code == 0x81) accepted = true;
    if (previous) previous(kind, code, aux, length);
  };
  RunUntil(
      link, [&] { return accepted; }, timeoutMs);
  link.OnZdarzenie = previous;
  if (accepted) {
    identified = true;
    return kOk;
  }
  if (!link.PortConnected()) {
    std::fprintf(stderr, "malver-cli: the port went away\n");
    return kNoPort;
  }
  if (link.ObrazSterownika[img::Schemat] != 0 || link.ObrazSterownika[img::Wyrob] != 0) {
    std::fprintf(stderr,
                 "malver-cli: identification refused (a controller this program does not serve)\n");
    return kRefused;
  }
  std::fprintf(stderr, "malver-cli: no answer from the controller\n");
  return kNoAnswer;
}

void PrintIdentity(TSterownik& link) {
  std::printf("name:     %s\n", link.StrNazwaSterownika().c_str());
  std::printf("version:  %s\n", link.StrWersjaCyframi(0x0D).c_str());
  std::printf("barcode:  %s\n", link.StrKodKreskowy().c_str());
  std::printf("family:   %d\n", link.Rodzina());
  std::printf("status:   %d %s\n", link.StanIdent, StateName(link.StanIdent));
}

int ReadOut(TSterownik& link) {
  if (link.StanIdent != 0) {
    std::fprintf(stderr, "malver-cli: the controller is %s; nothing to read\n",
                 StateName(link.StanIdent));
    return kRefused;
  }
  if (!RunUntil(
          link, [&] { return link.FlagiCzytania == 0 && link.FlagiRozkazow == 0; },
          kReadTimeoutMs)) {
    std::fprintf(stderr, "malver-cli: the controller stopped answering during the read-out\n");
    return kNoAnswer;
  }
  return kOk;
}

int Read(TSterownik& link, const std::string& out) {
  if (const int result = ReadOut(link); result != kOk) return result;
  std::ofstream file(out, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(link.ObrazSterownika.data()),
             static_cast<std::streamsize>(link.ObrazSterownika.size()));
  file.close();
  if (!file) {
    std::fprintf(stderr, "malver-cli: cannot write %s\n", out.c_str());
    return kFileError;
  }
  std::printf("saved %zu bytes to %s\n", link.ObrazSterownika.size(), out.c_str());
  return kOk;
}

int LoadImage(TSterownik& link, const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::vector<char> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  if (!file.is_open() || bytes.size() != link.ObrazSterownika.size()) {
    std::fprintf(stderr, "malver-cli: %s is not a %zu-byte controller image\n", path.c_str(),
                 link.ObrazSterownika.size());
    return kFileError;
  }
  std::copy(bytes.begin(), bytes.end(), link.ObrazSterownika.begin());
  link.ListaNastawWykresyOdPlytki(1);
  return kOk;
}

// Pads to width characters (not bytes: many names are Polish).
std::string Padded(const std::string& text, size_t width) {
  size_t characters = 0;
  for (unsigned char c : text)
    characters += (c & 0xC0) != 0x80;
  return text + std::string(characters < width ? width - characters : 0, ' ');
}

// One line per setting the catalogue shows: number, name, value and unit, and "!" where the
// value lies outside its allowed or normal range.
void PrintSettings(TSterownik& link) {
  const int firmware = link.WersjaProgramu();
  for (int i = 0; i < kSettingsCount; ++i) {
    const Nastawa& n = link.ListaNastaw[i];
    if (n.nazwa == 0 || n.odWersji > firmware) continue;
    const uint8_t raw = link.Nastawy()[i];
    std::string value = link.StrNastawa(i);
    if (n.jednostka != 0) value += " " + LangText(1049 + n.jednostka);
    const bool outside = raw < n.min || raw > n.max || raw < n.normaOd || raw > n.normaDo;
    std::printf("%3d  %s %s%s\n", i, Padded(LangText(static_cast<int>(n.nazwa)), 44).c_str(),
                value.c_str(), outside ? "  !" : "");
  }
}

// The work state, the readings panel's parameters with their units, and the controller's
// message when it has one.
std::string LiveLine(TSterownik& link) {
  const uint8_t* frame = link.BuforOdbioru.data();
  std::string line = link.StrStanPracy(frame[10] | (frame[11] << 8), 1);
  constexpr int kReadingsPanel = 0x20;
  for (int n = 0; n < link.PodajIleParamBiez(kReadingsPanel); ++n) {
    Wykres& w = link.ListaWykresow[link.PodajPozycje(kReadingsPanel, n)];
    w.ostatnia = -999.0;  // every line shows every value
    line += " | " + LangText(w.nazwa) + " " + link.StrParamBiez(kReadingsPanel, n);
    if (w.jednostka != 0) line += " " + LangText(w.jednostka);
  }
  if (link.InfoPracy(frame) != 0) line += " | " + link.StrInfoPracy(frame);
  return line;
}

int Live(TSterownik& link, int count, int timeoutMs) {
  int frames = 0;
  link.OnZdarzenie = [&](int kind, int code, int, int length) {
    if (kind != 0 || (code & 0xF0) != 0x90 || length <= 4) return;
    ++frames;
    std::printf("%s\n", LiveLine(link).c_str());
    std::fflush(stdout);
  };
  if (!RunUntil(
          link, [&] { return frames >= count; }, timeoutMs + 200 * count)) {
    std::fprintf(stderr, "malver-cli: the controller stopped sending live values\n");
    return kNoAnswer;
  }
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
  Texts().LanguageIndex = 0;
  ConsoleUi ui;
  SteadyClock clock;
  TSterownik link(ui, clock);
  if (o.log)
    link.OnTekst = [](const TSerial*, const std::string& text, uint32_t) {
      std::fprintf(stderr, "%s\n", text.c_str());
    };
  if (!o.image.empty()) {
    if (const int result = LoadImage(link, o.image); result != kOk) return result;
    PrintSettings(link);
    return kOk;
  }
  link.PortNumber = PortNumberOf(o.port);
  if (link.PortNumber <= 0 || !link.OtworzPortComm()) {
    std::fprintf(stderr, "malver-cli: cannot open port %s\n", o.port.c_str());
    return kNoPort;
  }
  bool identified = false;
  const int result = Identify(link, o.timeoutMs, identified);
  if (!identified) return result;
  if (o.command == "identify") {
    PrintIdentity(link);
    return kOk;
  }
  if (o.command == "read") return Read(link, o.out);
  if (o.command == "settings") {
    if (const int result = ReadOut(link); result != kOk) return result;
    PrintSettings(link);
    return kOk;
  }
  return Live(link, o.count, o.timeoutMs);
}
