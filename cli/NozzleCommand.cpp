#include "cli/NozzleCommand.h"

#include <algorithm>
#include <cstdio>
#include <optional>
#include <string>

#include "cli/DialogCommand.h"
#include "controller/SettingPresets.h"
#include "lang/Langtext.h"
#include "settings/NozzleSize.h"

namespace {

struct NozzleOptions {
  LinkOptions link;
  std::optional<int> power, cylinders, fuel, petrolType, injector;
  std::string pressure;
  bool kilowatts = false;
};

bool Parse(std::span<char*> arguments, NozzleOptions& o) {
  for (size_t i = 0; i < arguments.size(); ++i) {
    const std::string arg = arguments[i];
    if (TakeLinkOption(arguments, i, o.link)) continue;
    if (arg == "--kw") {
      o.kilowatts = true;
      continue;
    }
    if (i + 1 >= arguments.size()) return false;
    const std::string value = arguments[++i];
    if (arg == "--pressure") {
      o.pressure = value;
      continue;
    }
    std::optional<int>* number = arg == "--power"         ? &o.power
                                 : arg == "--cylinders"   ? &o.cylinders
                                 : arg == "--fuel"        ? &o.fuel
                                 : arg == "--petrol-type" ? &o.petrolType
                                 : arg == "--injector"    ? &o.injector
                                                          : nullptr;
    if (!number || !(*number = Number(value))) return false;
  }
  return o.power && o.cylinders;
}

// What the window's lists offer: the check happens here rather than in a silent clamp.
bool Offered(const nozzle::Inputs& in) {
  const auto& counts = nozzle::CylinderCounts();
  return in.power >= nozzle::kMinPower && in.power <= nozzle::kMaxPower &&
         std::find(counts.begin(), counts.end(), in.cylinders) != counts.end() && in.fuel >= 0 &&
         in.fuel <= 1 && in.petrolType >= 0 && in.petrolType <= 2 && in.injector >= 1 &&
         in.injector < static_cast<int>(options::InjectorTypes().size());
}

}  // namespace

int Nozzle(std::span<char*> arguments) {
  NozzleOptions o;
  if (!Parse(arguments, o)) return kUsage;
  Texts().LanguageIndex = 0;
  nozzle::Inputs in{static_cast<double>(*o.power), o.kilowatts, *o.cylinders};
  if (!o.link.port.empty()) {
    if (!Complete(o.link)) return kUsage;
    CommandLink open;
    if (const int opened = open.Open(o.link); opened != kOk) return opened;
    in = nozzle::FromSettings(open.link(), in);
  }
  if (!o.pressure.empty()) {
    const auto items = nozzle::PressureItems();
    const auto found = std::find(items.begin(), items.end(), o.pressure);
    if (found == items.end()) {
      Fail("the working pressure is one of 0.90, 1.00, ... 2.20: " + o.pressure);
      return kRefusedByRules;
    }
    in.pressureIndex = static_cast<int>(found - items.begin());
  }
  in.fuel = o.fuel.value_or(in.fuel);
  in.petrolType = o.petrolType.value_or(in.petrolType);
  in.injector = o.injector.value_or(in.injector);
  if (!Offered(in)) {
    Fail(
        "the power is 25..1000, the cylinders one of 1, 2, 3, 4, 5, 6, 8, 10, 12, the fuel 0..1, "
        "the petrol injection type 0..2 and the injector type 1..31");
    return kRefusedByRules;
  }
  const nozzle::Result result = nozzle::Compute(in);
  std::printf("%s: %s%s\n", LangText(1386).c_str(), result.text.c_str(),
              result.showsUnit ? (" " + LangText(1052)).c_str() : "");
  return kOk;
}
