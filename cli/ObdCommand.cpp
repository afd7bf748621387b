#include "cli/ObdCommand.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "cli/LinkRun.h"
#include "controller/PortProblem.h"
#include "obd/CodeClearing.h"
#include "obd/ElmProtocols.h"
#include "obd/PidCatalogue.h"
#include "obd/Telmobd.h"

namespace {

// The whole search on K-line protocols takes several seconds an attempt.
constexpr int kObdBoundMs = 90000;
constexpr int kAdapterSearchState = 3;
constexpr int kAdapterResetState = 100;
constexpr int kProtocolSearchState = 200;
constexpr int kNoProtocolState = 223;
constexpr int kFirstReadingsState = 400;
constexpr int kPollingState = 1000;
constexpr int kCodesStates = 3000;

enum class Action { kNone, kInfo, kPids, kDtc, kClear };

struct ObdOptions {
  std::string port;
  int timeoutMs = kObdBoundMs;
  int tickMs = 0;
  bool log = false;
  bool yes = false;
  int count = 1;
  Action action = Action::kNone;
  std::vector<int> pids;
};

std::optional<int> PidArgument(const std::string& text) {
  char* end = nullptr;
  const long pid = std::strtol(text.c_str(), &end, 16);
  if (text.empty() || *end != '\0' || pid < 0 || pid >= kPidCount) return std::nullopt;
  return static_cast<int>(pid);
}

bool ParseObd(std::span<char*> arguments, ObdOptions& o) {
  static const std::pair<const char*, Action> kActions[] = {{"info", Action::kInfo},
                                                            {"pids", Action::kPids},
                                                            {"dtc", Action::kDtc},
                                                            {"clear", Action::kClear}};
  for (size_t i = 0; i < arguments.size(); ++i) {
    const std::string arg = arguments[i];
    const bool value = i + 1 < arguments.size();
    bool known = false;
    for (const auto& [name, action] : kActions)
      if (arg == name && o.action == Action::kNone) {
        o.action = action;
        known = true;
      }
    if (known) continue;
    if (arg == "--port" && value)
      o.port = arguments[++i];
    else if (arg == "--timeout" && value)
      o.timeoutMs = std::atoi(arguments[++i]);
    else if (arg == "--tick" && value)
      o.tickMs = std::atoi(arguments[++i]);
    else if (arg == "--count" && value && o.action == Action::kPids)
      o.count = std::atoi(arguments[++i]);
    else if (arg == "--log")
      o.log = true;
    else if (arg == "--yes" && o.action == Action::kClear)
      o.yes = true;
    else if (const auto pid = PidArgument(arg); pid && o.action == Action::kPids)
      o.pids.push_back(*pid);
    else
      return false;
  }
  return o.action != Action::kNone && !o.port.empty() && o.timeoutMs >= 0 && o.tickMs >= 0 &&
         o.count >= 1;
}

void PrintInfo(const TObd& obd) {
  std::printf("adapter:  %s\n", obd.Status().Wartosc(ElmStatusGrid::kElm).c_str());
  std::printf("voltage:  %s\n", obd.Status().Wartosc(ElmStatusGrid::kPwr).c_str());
  std::printf("protocol: %d %s\n", obd.Protokol(), NazwijProtokol(obd.Protokol()).log.c_str());
  std::printf("ECUs:     %s(engine %Xh)\n", obd.Status().Wartosc(ElmStatusGrid::kEcu).c_str(),
              static_cast<unsigned>(obd.AdresEcu()));
  std::string pids;
  char text[8];
  for (int pid = 1; pid < kPidCount; ++pid)
    if (obd.Obslugiwany(pid)) {
      std::snprintf(text, sizeof text, " %02X", pid);
      pids += text;
    }
  std::printf("PIDs:    %s\n", pids.c_str());
}

// One row of the PID grid: the PID, its short name, its value and unit.
void PrintPid(const TObd& obd, int pid) {
  const PidRecord& record = Pidy()[static_cast<size_t>(pid)];
  const std::string& unit = obd.JednostkaPid(pid);
  std::printf("%02X %-10s %s%s%s\n", pid, record.Skrot, obd.WartoscPid(pid).c_str(),
              unit.empty() ? "" : " ", unit.c_str());
}

class ObdRun {
 public:
  ObdRun(TObd& obd, const ObdOptions& o)
      : obd_(obd),
        tick_(o.tickMs > 0 ? o.tickMs : obd.TimerInterval()),
        timeoutMs_(o.timeoutMs),
        deadline_(std::chrono::steady_clock::now() + std::chrono::milliseconds(o.timeoutMs)) {}

  // Ticks the link at its pace until done(): kOk, or the exit code with its message.
  int Until(const std::function<bool()>& done) {
    while (!done()) {
      if (obd_.Zadanie() == kNoProtocolState)
        return Failed(kNoVehicle, "the adapter found no vehicle protocol");
      if (!obd_.PortConnected()) return Failed(kNoPort, "the port went away");
      // Back at the adapter search after trying the adapter: what is on the port stays silent
      // or does not speak as an ELM327 does, and the link would only try again and again.
      if (triedAdapter_ && !adapterAnswered_ && obd_.Zadanie() == kAdapterSearchState)
        return Failed(kNoAnswer, "the device on the port does not answer as an ELM327 adapter");
      if (std::chrono::steady_clock::now() > deadline_)
        return adapterAnswered_ ? Failed(kNoVehicle, "no vehicle answer within " +
                                                         std::to_string(timeoutMs_) + " ms")
                                : Failed(kNoAnswer, "no answer from the adapter");
      // The car stopped answering: the link starts the adapter search again.
      if (reachedPolling_ && obd_.Zadanie() < kFirstReadingsState)
        return Failed(kNoAnswer, "the vehicle stopped answering");
      obd_.Timer1OnTimer();
      triedAdapter_ = triedAdapter_ || obd_.Zadanie() >= kAdapterResetState;
      adapterAnswered_ = adapterAnswered_ || obd_.Zadanie() >= kProtocolSearchState;
      reachedPolling_ = reachedPolling_ || obd_.Zadanie() >= kPollingState;
      std::this_thread::sleep_for(std::chrono::milliseconds(tick_));
    }
    return kOk;
  }

  // A trouble-code command runs between two polls and is done when polling resumes.
  int Command(int button) {
    obd_.WcisnietoPrzycisk(button);
    return Until([this] { return obd_.Zadanie() == kPollingState; });
  }

 private:
  int Failed(int code, const std::string& message) {
    Fail(message);
    return code;
  }

  TObd& obd_;
  int tick_;
  int timeoutMs_;
  std::chrono::steady_clock::time_point deadline_;
  bool triedAdapter_ = false;
  bool adapterAnswered_ = false;
  bool reachedPolling_ = false;
};

int Pids(TObd& obd, ObdRun& run, const ObdOptions& o) {
  if (!o.pids.empty()) {
    for (int pid : o.pids)
      if (!obd.Obslugiwany(pid)) {
        char text[64];
        std::snprintf(text, sizeof text, "PID %02X is not supported by the vehicle", pid);
        Fail(text);
        return kUsageExplained;
      }
    obd.WybierzTylko(o.pids);
  }
  if (obd.PodajIlePidWybranych() == 0) {
    Fail("the vehicle answers none of the PIDs polled by default; name the PIDs to poll");
    return kUsageExplained;
  }
  int printed = 0;
  const int wanted = o.count * obd.PodajIlePidWybranych();
  obd.OnZdarzenie = [&](int code, int pid, int) {
    if (code != 103 || printed == wanted) return;
    PrintPid(obd, pid);
    ++printed;
  };
  return run.Until([&] { return printed == wanted; });
}

void PrintCodes(const TObd& obd) {
  if (obd.Kody().empty()) std::printf("no answer with trouble codes\n");
  for (const obd::ColouredLine& line : obd.Kody())
    std::printf("%s\n", line.text.c_str());
}

// Done only when the car said so and holds no stored codes after it; otherwise the box as the
// window shows it, with the codes still stored, and why.
int Clear(TObd& obd, ObdRun& run) {
  if (const int done = run.Command(TObd::kPrzyciskKasujBledy); done != kOk) return done;
  const obd::ClearingResult& result = obd.Kasowanie();
  if (result.Cleared()) {
    std::printf("%s\n", obd::ClearingText(result).c_str());
    return kOk;
  }
  PrintCodes(obd);
  Fail(obd::ClearingText(result));
  switch (result.answer.outcome) {
    case obd::Clearing::Cleared:
      return kNotKept;
    case obd::Clearing::NoAnswer:
      if (!result.storedCodes) return kNoAnswer;
      break;
    case obd::Clearing::Refused:
      break;
  }
  return kRefusedByRules;
}

}  // namespace

int Obd(std::span<char*> arguments) {
  ObdOptions o;
  if (!ParseObd(arguments, o)) return kUsage;
  if (o.action == Action::kClear && !o.yes) {
    Fail("clearing erases the engine's trouble codes and readiness; confirm with --yes");
    return kUsageExplained;
  }
  TObd obd;
  if (o.log)
    obd.OnTekst = [](const std::string& text, uint32_t) {
      std::fprintf(stderr, "%s\n", text.c_str());
    };
  const int number = PortNumberOf(o.port);
  if (number <= 0 || !obd.PortOpen(number)) {
    const std::string problem = PortOpenProblem(obd);
    Fail("cannot open port " + (problem.empty() ? o.port : problem));
    return kNoPort;
  }
  ObdRun run(obd, o);
  const int ready = o.action == Action::kInfo
                        ? run.Until([&] { return obd.Zadanie() == kFirstReadingsState; })
                        : run.Until([&] { return obd.Zadanie() == kPollingState; });
  if (ready != kOk) return ready;
  switch (o.action) {
    case Action::kInfo:
      PrintInfo(obd);
      return kOk;
    case Action::kPids:
      return Pids(obd, run, o);
    case Action::kDtc:
      if (const int done = run.Command(TObd::kPrzyciskCzytajBledy); done != kOk) return done;
      PrintCodes(obd);
      return kOk;
    case Action::kClear:
      return Clear(obd, run);
    case Action::kNone:
      break;
  }
  return kUsage;
}
