#include "cli/ObdCommand.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

#include "cli/LinkRun.h"
#include "obd/ElmProtocols.h"
#include "obd/Telmobd.h"

namespace {

// The whole search on K-line protocols takes several seconds an attempt.
constexpr int kObdBoundMs = 90000;
constexpr int kNoProtocolState = 223;
constexpr int kFirstReadingsState = 400;

struct ObdOptions {
  std::string port;
  int timeoutMs = kObdBoundMs;
  int tickMs = 0;
  bool log = false;
  bool info = false;
};

bool ParseObd(std::span<char*> arguments, ObdOptions& o) {
  for (size_t i = 0; i < arguments.size(); ++i) {
    const std::string arg = arguments[i];
    const bool value = i + 1 < arguments.size();
    if (arg == "--port" && value)
      o.port = arguments[++i];
    else if (arg == "--timeout" && value)
      o.timeoutMs = std::atoi(arguments[++i]);
    else if (arg == "--tick" && value)
      o.tickMs = std::atoi(arguments[++i]);
    else if (arg == "--log")
      o.log = true;
    else if (arg == "info" && !o.info)
      o.info = true;
    else
      return false;
  }
  return o.info && !o.port.empty() && o.timeoutMs >= 0 && o.tickMs >= 0;
}

void PrintInfo(const TObd& obd) {
  std::printf("adapter:  %s\n", obd.Status().Wartosc(ElmStatusGrid::kElm).c_str());
  std::printf("voltage:  %s\n", obd.Status().Wartosc(ElmStatusGrid::kPwr).c_str());
  std::printf("protocol: %d %s\n", obd.Protokol(), NazwijProtokol(obd.Protokol()).log.c_str());
  std::printf("ECUs:     %s(engine %Xh)\n", obd.Status().Wartosc(ElmStatusGrid::kEcu).c_str(),
              static_cast<unsigned>(obd.AdresEcu()));
  std::string pids;
  char text[8];
  for (int pid = 1; pid <= 0x80; ++pid)
    if (obd.Obslugiwany(pid)) {
      std::snprintf(text, sizeof text, " %02X", pid);
      pids += text;
    }
  std::printf("PIDs:    %s\n", pids.c_str());
}

}  // namespace

int Obd(std::span<char*> arguments) {
  ObdOptions o;
  if (!ParseObd(arguments, o)) return kUsage;
  TObd obd;
  if (o.log)
    obd.OnTekst = [](const std::string& text, uint32_t) {
      std::fprintf(stderr, "%s\n", text.c_str());
    };
  const int number = PortNumberOf(o.port);
  if (number <= 0 || !obd.PortOpen(number)) {
    Fail("cannot open port " + o.port);
    return kNoPort;
  }
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(o.timeoutMs);
  const int tick = o.tickMs > 0 ? o.tickMs : obd.TimerInterval();
  bool adapterAnswered = false;
  while (obd.Zadanie() != kFirstReadingsState) {
    if (obd.Zadanie() == kNoProtocolState) {
      Fail("the adapter found no vehicle protocol");
      return kNoVehicle;
    }
    if (!obd.PortConnected()) {
      Fail("the port went away");
      return kNoPort;
    }
    if (std::chrono::steady_clock::now() > deadline) {
      Fail(adapterAnswered ? "no vehicle protocol within " + std::to_string(o.timeoutMs) + " ms"
                           : "no answer from the adapter");
      return adapterAnswered ? kNoVehicle : kNoAnswer;
    }
    obd.Timer1OnTimer();
    adapterAnswered = adapterAnswered || obd.Zadanie() >= 200;
    std::this_thread::sleep_for(std::chrono::milliseconds(tick));
  }
  PrintInfo(obd);
  return kOk;
}
