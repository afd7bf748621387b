// malver-cli: the controller link without windows.
//
//   malver-cli identify --port P [--log] [--timeout MS]
//   malver-cli read --port P --out FILE [--log] [--timeout MS]
//   malver-cli live --port P [--count N] [--log] [--timeout MS]
//   malver-cli settings (--port P | --image FILE | --file FILE.set) [--log] [--timeout MS]
//   malver-cli set --port P NUMBER VALUE [--raw] [--admin] [--log] [--timeout MS]
//   malver-cli save --port P --out FILE.set [--log] [--timeout MS]
//   malver-cli load --port P FILE.set [--yes] [--log] [--timeout MS]
//   malver-cli record --port P --seconds N --out FILE.osc [--long] [--log] [--timeout MS]
//   malver-cli csv FILE.osc --out FILE.csv [--decimal-sep C]
//   malver-cli inspect FILE
//   malver-cli calibrate --port P [--yes] [--log] [--timeout MS] [--tick MS]
//   malver-cli map (--port P | --file FILE.set) [--kind petrol|gas|deviation|multiplier] [--csv]
//                  [--log] [--timeout MS]
//   malver-cli chart --scope FILE.osc --kind injection|pressure|emulation [--csv]
//   malver-cli table --port P NAME [--csv | --load FILE.csv] [--log] [--timeout MS]
//   malver-cli obd --port P (info | pids [--count N] [PID ...] | dtc | clear --yes)
//                  [--log] [--timeout MS] [--tick MS]
//   malver-cli firmware --check FILE.img [--port P] [--log] [--timeout MS]
//   malver-cli firmware --port P FILE.img --yes [--log] [--timeout MS] [--tick MS]
//   malver-cli password --port P (set TEXT | clear | erase) --yes [--log] [--timeout MS]
//                       [--tick MS]
//   malver-cli password --save TEXT --out FILE
//   malver-cli service --port P [--log] [--timeout MS] [--tick MS]
//   malver-cli injectors --port P [assign R C | unassign C | bank C 1|2 | order C POS | rotate K]
//   malver-cli level --port P [type N | threshold 41|42|43|44 RAW | shift up|down | colours CODE]
//   malver-cli nozzle --power N [--kw] --cylinders N [--pressure 1.40] [--fuel N]
//                     [--petrol-type N] [--injector N] [--port P]
//   malver-cli catalogue [--firmware N] [--header] [--out FOLDER]
//
// P is a port number (1..1023 serial, 1024 + i FTDI device i) or a device path; --log writes
// the transmission log, every frame in and out, to standard error; MS bounds the whole
// command. A controller that stops answering ends the command by the link's own rule. load
// and calibrate answer their questions with No unless --yes is given. record's time bound
// starts after its N seconds. --tick paces the link faster than its own 95 ms, for a simulated
// controller; calibrate's time bound is 15 minutes unless --timeout says otherwise. map lists the
// learned petrol and gas maps (load rows from the top, RPM columns, milliseconds), their deviation
// and the multiplier's nodes of the bank in view, all of them unless --kind names one; --csv gives
// comma-separated values. table lists one 16 x 16 table by its area's name as the Map tab's grid
// shows it, or loads a CSV of it (as
// --csv prints it), writes it and reads it back. Every command on a controller presents this
// workstation's password record (password.bin in the data folder below the documents folder);
// password set saves TEXT there first.

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/ProgramInfo.h"
#include "cli/CalibrateCommand.h"
#include "cli/CatalogueCommand.h"
#include "cli/ConsoleUi.h"
#include "cli/DiagnosticCommand.h"
#include "cli/FileCommands.h"
#include "cli/FirmwareCommand.h"
#include "cli/InjectorsCommand.h"
#include "cli/LevelCommand.h"
#include "cli/LinkRun.h"
#include "cli/MapCommand.h"
#include "cli/NozzleCommand.h"
#include "cli/ObdCommand.h"
#include "cli/PasswordCommand.h"
#include "cli/ScopeCommands.h"
#include "cli/ServiceCommand.h"
#include "cli/SetCommand.h"
#include "cli/SettingsListing.h"
#include "cli/TableCommand.h"
#include "cli/WorkstationSetup.h"
#include "controller/Clock.h"
#include "controller/ImageFile.h"
#include "files/PrintableText.h"
#include "lang/Langtext.h"
#include "scope/ScopeCsv.h"

namespace {

constexpr int kDefaultBoundMs = 30000;
constexpr char kDecimalSeparatorRule[] =
    "--decimal-sep takes one printable mark other than \";\", a sign, a digit or a letter";
// A calibration at idle takes minutes: a few thousand status frames.
constexpr int kCalibrationBoundMs = 15 * 60 * 1000;

const char kUsageText[] =
    "usage: malver-cli identify --port P [--log] [--timeout MS]\n"
    "       malver-cli read --port P --out FILE [--log] [--timeout MS]\n"
    "       malver-cli live --port P [--count N] [--log] [--timeout MS]\n"
    "       malver-cli settings (--port P | --image FILE | --file FILE.set) [--log]\n"
    "                           [--timeout MS]\n"
    "       malver-cli set --port P NUMBER VALUE [--raw] [--admin] [--log] [--timeout MS]\n"
    "       malver-cli save --port P --out FILE.set [--log] [--timeout MS]\n"
    "       malver-cli load --port P FILE.set [--yes] [--log] [--timeout MS]\n"
    "       malver-cli record --port P --seconds N --out FILE.osc [--long] [--log]\n"
    "                         [--timeout MS]\n"
    "       malver-cli csv FILE.osc --out FILE.csv [--decimal-sep C]\n"
    "       malver-cli inspect FILE\n"
    "       malver-cli calibrate --port P [--yes] [--log] [--timeout MS] [--tick MS]\n"
    "       malver-cli map (--port P | --file FILE.set)\n"
    "                      [--kind petrol|gas|deviation|multiplier] [--csv] [--log]\n"
    "                      [--timeout MS]\n"
    "       malver-cli chart --scope FILE.osc --kind injection|pressure|emulation [--csv]\n"
    "       malver-cli table --port P NAME [--csv | --load FILE.csv] [--log] [--timeout MS]\n"
    "       malver-cli obd --port P (info | pids [--count N] [PID ...] | dtc | clear --yes)\n"
    "                      [--log] [--timeout MS] [--tick MS]\n"
    "       malver-cli firmware --check FILE.img [--port P] [--log] [--timeout MS]\n"
    "       malver-cli firmware --port P FILE.img --yes [--log] [--timeout MS] [--tick MS]\n"
    "       malver-cli password --port P (set TEXT | clear | erase) --yes [--log]\n"
    "                           [--timeout MS] [--tick MS]\n"
    "       malver-cli password --save TEXT --out FILE\n"
    "       malver-cli service --port P [--log] [--timeout MS] [--tick MS]\n"
    "       malver-cli injectors --port P [assign R C | unassign C | bank C 1|2 | order C POS |\n"
    "                            rotate K] [--log] [--timeout MS] [--tick MS]\n"
    "       malver-cli level --port P [type N | threshold 41|42|43|44 RAW | shift up|down |\n"
    "                        colours CODE] [--log] [--timeout MS] [--tick MS]\n"
    "       malver-cli nozzle --power N [--kw] --cylinders N [--pressure 1.40] [--fuel N]\n"
    "                         [--petrol-type N] [--injector N] [--port P]\n"
    "       malver-cli catalogue [--firmware N] [--header] [--out FOLDER]\n"
    "\n"
    "calibrate runs the automatic calibration of the controller's family to its end at idle,\n"
    "one line per state and the progress in per cent; its questions (delete the multiplier,\n"
    "the gas map, the OBD gas maps) are answered Yes with --yes, else No. It succeeds when the\n"
    "run finished and the settings and multipliers were written and read back equal; an\n"
    "aborted run puts back the values from before it and fails (7 the engine, 4 no answer).\n"
    "--tick MS paces the link (simulated controllers; default the link's own 95 ms).\n"
    "obd talks to an ELM327 adapter: info shows the vehicle's protocol, ECUs and PIDs; pids\n"
    "polls the PIDs named in hexadecimal (or those polled by default) N times; dtc lists the\n"
    "stored, pending and permanent trouble codes; clear --yes clears them. Exit 9: the adapter\n"
    "answers but no vehicle protocol was found.\n"
    "firmware --check prints an image's header and whether it may be sent (to the controller\n"
    "on the port, when one is named; exit 6 a bad file, 7 another controller's image);\n"
    "firmware --yes sends it: exit 0 once the controller identifies again running the image's\n"
    "version (locked or not) and the update is in its change history; 8 another version; 4\n"
    "when the upload was cut off (no acknowledgement for 5 s, or no answer) and the controller\n"
    "waits in its bootloader for the update to be run again.\n"
    "password set saves TEXT as this workstation's password record and sets the controller's\n"
    "password to it; clear clears it; erase removes a password this workstation does not hold.\n"
    "--save writes the record of TEXT to FILE. service prints the work statistics, the service\n"
    "reminder and the change history.\n"
    "injectors prints which petrol input drives which gas channel, the banks and the injection\n"
    "order with its check; assign, unassign, bank, order and rotate change them as the window\n"
    "does and write them. level prints the level sensor's type, thresholds with their order\n"
    "check, voltage and LEDs; type, threshold, shift and colours (a palette cell's code) change\n"
    "them and write them. nozzle estimates the nozzle size; --port takes the pressure, fuel,\n"
    "petrol injection and injector type from the controller's settings. catalogue prints the\n"
    "settings catalogues for the developers (a list, or C headers), or writes them to FOLDER.\n";

struct Options {
  std::string command, port, out, image, file;
  std::vector<std::string> arguments;  // what follows the command without an option name
  int count = 10;
  int seconds = 0;
  int timeoutMs = -1;  // -1: the command's own bound
  int tickMs = 0;
  bool log = false;
  bool raw = false;
  bool admin = false;
  bool yes = false;
  bool longRecords = false;
  bool csv = false;
  std::string kind;
  std::string load;  // table: the CSV to load
  MapListing listing = MapListing::All;
  std::string decimalSeparator = ".";
};

bool IsNumber(const std::string& text) {
  return !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
}

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
    else if (arg == "--tick" && value)
      o.tickMs = std::atoi(argv[++i]);
    else if (arg == "--log")
      o.log = true;
    else if (arg == "--file" && value)
      o.file = argv[++i];
    else if (arg == "--raw")
      o.raw = true;
    else if (arg == "--admin")
      o.admin = true;
    else if (arg == "--yes")
      o.yes = true;
    else if (arg == "--seconds" && value)
      o.seconds = std::atoi(argv[++i]);
    else if (arg == "--long")
      o.longRecords = true;
    else if (arg == "--decimal-sep" && value)
      o.decimalSeparator = argv[++i];
    else if (arg == "--kind" && value)
      o.kind = argv[++i];
    else if (arg == "--csv")
      o.csv = true;
    else if (arg == "--load" && value)
      o.load = argv[++i];
    else if (arg.rfind("--", 0) != 0 || IsNumber(arg.substr(1)))
      o.arguments.push_back(arg);  // a value may be negative
    else
      return false;
  }
  const bool asks = o.command == "load" || o.command == "calibrate";
  const bool set = o.command == "set";
  if (o.raw != (set && o.raw) || o.admin != (set && o.admin) || o.yes != (asks && o.yes) ||
      o.longRecords != (o.command == "record" && o.longRecords) || o.tickMs < 0)
    return false;
  const bool map = o.command == "map";
  const bool table = o.command == "table";
  if ((o.csv && !map && !table) || (!o.kind.empty() && !map) || (!o.load.empty() && !table))
    return false;
  if (table)
    return !o.port.empty() && o.file.empty() && o.image.empty() && o.arguments.size() == 1 &&
           !(o.csv && !o.load.empty());
  if (map)
    return o.port.empty() != o.file.empty() && o.image.empty() && o.arguments.empty() &&
           (o.kind.empty() || ParseMapListing(o.kind, o.listing));
  if (o.command == "inspect") return o.arguments.size() == 1 && o.port.empty();
  if (o.command == "csv") return o.arguments.size() == 1 && o.port.empty() && !o.out.empty();
  if (o.command == "settings")
    return o.port.empty() + o.image.empty() + o.file.empty() == 2 && o.arguments.empty();
  if (o.port.empty() || !o.file.empty()) return false;
  if (o.command == "set") return o.arguments.size() == 2 && IsNumber(o.arguments[0]);
  if (o.command == "load") return o.arguments.size() == 1;
  if (!o.arguments.empty()) return false;
  if (o.command == "read" || o.command == "save") return !o.out.empty();
  if (o.command == "record") return !o.out.empty() && o.seconds > 0;
  return o.command == "identify" || o.command == "live" || o.command == "calibrate";
}

void PrintIdentity(const TSterownik& link) {
  std::printf("name:     %s\n", link.StrNazwaSterownika().c_str());
  std::printf("version:  %s\n", link.StrWersjaCyframi(0x0D).c_str());
  std::printf("barcode:  %s\n", link.StrKodKreskowy().c_str());
  std::printf("family:   %d\n", static_cast<int>(link.Rodzina()));
  std::printf("status:   %d %s\n", link.StanIdent(), StateName(link.StanIdent()));
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

int Live(TSterownik& link, int count, const CommandTime& time) {
  int frames = 0;
  link.OnZdarzenie = [&](const LinkEvent& e) {
    if (e.kind != EventKind::ReplyAccepted || !e.status) return;
    ++frames;
    std::printf("%s\n", LiveLine(link, *e.status).c_str());
    std::fflush(stdout);
  };
  return RunUntil(
      link, [&] { return frames >= count; }, time,
      [&] { return std::to_string(frames) + " of " + std::to_string(count) + " status frames"; });
}

int FromImage(TSterownik& link, const std::string& path) {
  if (const FileResult loaded = LoadImageFile(link, path); !loaded.ok) {
    Fail("cannot read " + loaded.error);
    return kFileError;
  }
  PrintSettings(link);
  return kOk;
}

int WithController(TSterownik& link, const ConsoleUi& ui, const Options& o,
                   const CommandTime& time) {
  std::vector<uint8_t> file;
  if (o.command == "load") {
    if (const int read = ReadSettingsFile(o.arguments[0], file); read != kOk) return read;
  }
  if (const int connected = Connect(link, o.port, time); connected != kOk) return connected;
  if (o.command == "identify") {
    PrintIdentity(link);
    return kOk;
  }
  if (o.command == "live") return Live(link, o.count, time);
  if (o.command == "record") return Record(link, o.out, o.seconds, o.longRecords, time);
  if (o.command == "calibrate") return Calibrate(link, time);
  if (o.command == "set")
    return SetSetting(link, std::atoi(o.arguments[0].c_str()), o.arguments[1], o.raw, o.admin,
                      time);
  if (o.command == "map") return MapFromController(link, o.listing, o.csv, time);
  if (o.command == "table")
    return o.load.empty() ? TableFromController(link, o.arguments[0], o.csv, time)
                          : LoadTableCsv(link, o.arguments[0], o.load, time);
  if (const int read = ReadOut(link, time); read != kOk) return read;
  if (o.command == "read")
    return Saved(SaveImageFile(link, o.out), link.ObrazSterownika().size(), o.out);
  if (o.command == "save") return SaveSettings(link, o.out);
  if (o.command == "load") return Load(link, ui, file, o.arguments[0], time);
  PrintSettings(link);
  return kOk;
}

// A command's result as the exit code, the usage text after a usage fault left unexplained.
int Finished(int result) {
  if (result == kUsage) std::fputs(kUsageText, stderr);
  return result == kUsageExplained ? kUsage : result;
}

}  // namespace

int main(int argc, char** argv) {
  if (AnswerVersionOrHelp(argc, argv, "malver-cli", kUsageText)) return kOk;
  if (argc >= 2 && std::string(argv[1]) == "chart") {
    return Finished(Chart({argv + 2, static_cast<size_t>(argc - 2)}));
  }
  if (argc >= 2 && std::string(argv[1]) == "obd") {
    return Finished(Obd({argv + 2, static_cast<size_t>(argc - 2)}));
  }
  struct OwnOptions {
    const char* name;
    int (*command)(std::span<char*> arguments);
  };
  for (const OwnOptions& c : {OwnOptions{"firmware", Firmware}, OwnOptions{"password", Password},
                              OwnOptions{"service", Service}, OwnOptions{"injectors", Injectors},
                              OwnOptions{"level", Level}, OwnOptions{"nozzle", Nozzle},
                              OwnOptions{"catalogue", Catalogue}}) {
    if (argc < 2 || std::string(argv[1]) != c.name) continue;
    return Finished(c.command({argv + 2, static_cast<size_t>(argc - 2)}));
  }
  Options o;
  if (!Parse(argc, argv, o)) {
    std::fputs(kUsageText, stderr);
    return kUsage;
  }
  const int bound = o.timeoutMs >= 0           ? o.timeoutMs
                    : o.command == "calibrate" ? kCalibrationBoundMs
                                               : kDefaultBoundMs;
  const int timeoutMs = bound + o.seconds * 1000;
  const CommandTime time{std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs),
                         timeoutMs, o.tickMs};
  Texts().LanguageIndex = 0;
  ConsoleUi ui(o.yes);
  SteadyClock clock;
  TSterownik link(ui, clock);
  UseWorkstation(link);
  if (o.log) LogTransmission(link);
  if (o.command == "inspect") return Inspect(link, o.arguments[0]);
  if (o.command == "csv") {
    if (!scope::IsCsvDecimalSeparator(o.decimalSeparator)) {
      Fail(std::string(kDecimalSeparatorRule) + ", not \"" + Printable(o.decimalSeparator) + "\"");
      return Finished(kUsageExplained);
    }
    return ExportCsv(link, o.arguments[0], o.out, o.decimalSeparator[0]);
  }
  if (!o.image.empty()) return FromImage(link, o.image);
  if (o.command == "map" && !o.file.empty())
    return MapFromSettingsFile(link, o.file, o.listing, o.csv);
  if (!o.file.empty()) return FromSettingsFile(link, o.file);
  return WithController(link, ui, o, time);
}
