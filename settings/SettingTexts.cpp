#include "settings/SettingTexts.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "controller/SettingPresets.h"
#include "controller/SettingsCatalogue.h"
#include "controller/SettingsCatalogueData.h"
#include "controller/Tsterownik.h"
#include "lang/Langtext.h"

namespace {

// One option of a list: a fixed text, or a text id of the table.
struct Option {
  const char* text = "";
  int textId = 0;
};

enum class Applies { Any, Malver, Kavi };

// Lists whose options the editor holds itself, value 0 first; some settings share one.
struct FixedList {
  std::vector<int> settings;
  Applies applies;
  std::vector<Option> options;
};

const std::vector<FixedList>& FixedLists() {
  static const std::vector<FixedList> kLists = {
      {{7}, Applies::Any, {{"0-1 V "}, {"0.8-1.6 V"}, {"0-5 V"}, {"5-0 V"}, {"Uego"}}},
      {{11},
       Applies::Any,
       {{"standard"},
        {"zakłócenie z tyłu (audi)"},
        {"bez podciągania (opel)"},
        {"wstępna magnesacja (hyundai)"},
        {"bez podciągania i zakłócenie (renault)"},
        {"spadek ciśnienia benzyny (mazda)"}}},
      {{13, 48}, Applies::Any, {{"12 V"}, {"5 V"}, {"manual"}}},
      {{47}, Applies::Any, {{"1"}, {"2"}, {"5"}, {"10"}, {"15"}, {"30"}}},
      {{71}, Applies::Any, {{"VESK PTS-01"}, {"KELLER - 6bar"}, {"VESK PTS 7bar"}}},
      {{73}, Applies::Any, {{"Crystal"}, {"RC"}, {"RC+ calibration"}}},
      {{93}, Applies::Malver, {{"-"}, {"1"}, {"2"}, {"3"}, {"4"}, {"5"}, {"6"}, {"8"}}},
      {{109},
       Applies::Any,
       {{"", 4091},
        {"", 4092},
        {"ISO 15765-4 CAN 11/500"},
        {"ISO 15765-4 CAN 29/500"},
        {"ISO 15765-4 CAN 11/250"},
        {"ISO 15765-4 CAN 29/250"},
        {"ISO 14230-4 KWP fast init."},
        {"ISO 14230-4 KWP slow init."},
        {"ISO 9141-2 (KL)"}}},
      {{132}, Applies::Any, {{"-"}, {"KIA"}, {"VOLVO"}}},
      {{298, 299},
       Applies::Any,
       {{"-"},
        {"ignition"},
        {"rpm"},
        {"plus A"},
        {"plus B"},
        {"plus C"},
        {"ecu1"},
        {"ecu2"},
        {"ecu3"},
        {"ecu4"},
        {"ecu5"},
        {"ecu6"},
        {"ecu7"},
        {"ecu8"}}},
      {{301}, Applies::Any, {{"ECU 1"}, {"Plus 1"}}},
      {{307}, Applies::Any, {{"DUAL"}, {"DI"}, {"MPI"}}},
  };
  return kLists;
}

// The OBD parameters a user PID (settings 123, 124) can read.
const std::vector<std::string>& UserPids() {
  static const std::vector<std::string> kPids = [] {
    std::vector<std::string> pids = {"-",
                                     "Calculated engine load",
                                     "ETC  Engine coolant temperature",
                                     "Short term fuel Bank 1",
                                     "Long term fuel Bank 1",
                                     "Short term fuel Bank 2",
                                     "Long term fuel Bank 2",
                                     "Fuel pressure",
                                     "MAP  Intake manifold abs. press.",
                                     "RPM  Engine speed",
                                     "VSS  Vehicle speed",
                                     "TA  Timing advance",
                                     "INT  Intake air temperature",
                                     "MAF air flow rate",
                                     "TPS  Throttle position",
                                     "Commanded secondary air status",
                                     "Oxygen sensors present"};
    for (int bank = 1; bank <= 2; ++bank)
      for (int sensor = 1; sensor <= 4; ++sensor)
        pids.push_back("Oxygen sensor Bank " + std::to_string(bank) + " Sensor " +
                       std::to_string(sensor));
    for (const char* first : {"2", "3"})
      for (int sensor = 1; sensor <= 8; ++sensor)
        pids.push_back("O2 S" + std::to_string(sensor) + " WR lambda (" + first +
                       "0123456789AB"[3 + sensor] + "h)");
    return pids;
  }();
  return kPids;
}

bool AppliesTo(Applies applies, bool kavi) {
  return applies == Applies::Any || (applies == Applies::Kavi) == kavi;
}

std::optional<std::string> FromFixedList(int setting, int value, bool kavi) {
  for (const FixedList& list : FixedLists()) {
    if (std::find(list.settings.begin(), list.settings.end(), setting) == list.settings.end() ||
        !AppliesTo(list.applies, kavi))
      continue;
    if (value >= static_cast<int>(list.options.size())) return "?";
    const Option& o = list.options[static_cast<size_t>(value)];
    return o.textId ? LangText(o.textId) : std::string(o.text);
  }
  return std::nullopt;
}

// KAVI firing orders (setting 93) by model and channel count.
std::string KaviFiringOrder(const TSterownik& link, int value) {
  static const std::vector<std::string> kThreeOfSix = {"1-2-3"};
  static const std::vector<std::string> kFour = {"1-3-4-2", "1-2-4-3"};
  static const std::vector<std::string> kSix = {"1-5-3-6-2-4 (VR6)", "1-4-3-6-2-5 (AUDI)",
                                                "1-4-2-5-3-6 (HONDA)", "1-2-3-4-5-6 (Nissan)"};
  static const std::vector<std::string> kTwoBankSix = {"1-2-3", "1-3-2", "1-3-4-2"};
  static const std::vector<std::string> kTwoBankEight = {"1-3-4-2", "1-2-4-3", "1-5-3-6-2-4 (VR6)"};
  constexpr int kTwoBankModel = 12, kSpecialThreeCylinders = 10;
  const int channels = link.IleWtryskiwaczy();
  const std::vector<std::string>* orders = nullptr;
  if (link.Wyrob() == kTwoBankModel) {
    orders = channels == 6 ? &kTwoBankSix : channels == 8 ? &kTwoBankEight : nullptr;
  } else if (channels == 3) {
    orders = &kTwoBankSix;
  } else if (channels == 4) {
    orders = &kFour;
  } else if (link.OpisSpecjalny() == kSpecialThreeCylinders) {
    orders = &kThreeOfSix;
  } else if (channels == 6) {
    orders = &kSix;
  }
  if (!orders) return "-";
  return value < static_cast<int>(orders->size()) ? (*orders)[static_cast<size_t>(value)] : "-";
}

std::optional<std::string> ComputedOption(const TSterownik& link, int setting, int value) {
  const bool kavi = link.Rodzina() == Family::Kavi;
  switch (setting) {
    case 1:
      if (value >= 9 && value <= 13) {
        static const char* const kSignals[] = {
            "VAG intake cam sensor", "KIA RPM signal", "Mitsubishi intake cam sensor",
            "Mazda intake cam sensor", "Toyota intake cam sensor"};
        return kSignals[value - 9];
      }
      return LangText(3011 + value);
    case 4: {
      const bool rumoOrLumo = link.Rodzina() == Family::Rumo || link.Rodzina() == Family::Lumo;
      if (value == 0) return LangText(rumoOrLumo ? 3041 : 3051);
      if (value == 2) return LangText(3043) + " (" + LangText(3103) + ")";
      return LangText(3041 + value);
    }
    case 12:
      if (!kavi) return std::nullopt;
      return LangText(value == 0 ? 1440 : value == 1 ? 1404 : 4091);
    case 24: {
      const auto types = options::InjectorTypes();
      return value < static_cast<int>(types.size()) ? types[static_cast<size_t>(value)].name : "?";
    }
    case 40: {
      static const char* const kMore[] = {
          "CNG VESK", "VESK", "WPG2 AC", "VESK HS", "CNG AEB 806", "CNG TAA MSG352370", "AEB 1050"};
      if (value <= 4) return LangText(3401 + value);
      return value - 5 < static_cast<int>(std::size(kMore)) ? kMore[value - 5] : "?";
    }
    case 93:
      if (kavi) return KaviFiringOrder(link, value);
      return FromFixedList(setting, value, kavi);
    case 123:
    case 124:
      return value < static_cast<int>(UserPids().size()) ? UserPids()[static_cast<size_t>(value)]
                                                         : "?";
    case 135:
      if (kavi) return std::nullopt;
      return value == 0 ? LangText(1081) : "-" + std::to_string(value);
    case 157:
      return value == 0 ? "MAP (" + LangText(1404) + ")" : "TPS (" + LangText(1420) + ")";
    case 262: {
      const int maximum = link.ListaNastaw()[setting].max;
      static const char* const kOneMaximum[] = {"180 ", "360 "};
      static const char* const kTwoMaxima[] = {"120 ", "240 ", "360 "};
      if (maximum == 1 && value <= 1) return kOneMaximum[value] + LangText(1064);
      if (maximum == 2 && value <= 2) return kTwoMaxima[value] + LangText(1064);
      return "?";
    }
    case 304: {
      static const char* const kSamples[] = {"1", "2", "5", "10"};
      return value <= 3 ? std::string(kSamples[value]) + " " + LangText(1066) : "?";
    }
    default:
      return FromFixedList(setting, value, kavi);
  }
}

}  // namespace

std::string ValueText(const TSterownik& link, int setting, int value) {
  if (setting < 0 || setting >= kSettingsCount) return {};
  const Nastawa& n = link.ListaNastaw()[setting];
  const bool list = (n.typ & 0xF0) == catalogue::kList;
  const int raw = value >= 0 ? value : link.Nastawy()[setting];
  if (list) {
    if (raw < n.min || raw > n.max) return "?";
    if (const auto text = ComputedOption(link, setting, raw)) return *text;
  }
  return link.StrNastawa(setting, value);
}

std::vector<std::string> OptionTexts(const TSterownik& link, int setting) {
  std::vector<std::string> texts;
  const Nastawa& n = link.ListaNastaw()[setting];
  for (int value = n.min; value <= n.max; ++value)
    texts.push_back(ValueText(link, setting, value));
  return texts;
}
