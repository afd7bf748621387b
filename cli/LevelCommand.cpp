#include "cli/LevelCommand.h"

#include <cstdio>
#include <string>

#include "cli/DialogCommand.h"
#include "cli/SettingsListing.h"
#include "lang/Langtext.h"
#include "settings/LevelRules.h"
#include "settings/SetValue.h"
#include "settings/SettingTexts.h"

namespace {

constexpr EditorView kView{2, EditorView::kMainPage, false};
constexpr const char* kLedNames[] = {"4/4", "3/4", "1/2", "1/4", "reserve"};
// A few status frames with the level data after the poll asked for it.
constexpr int kLevelFrames = 3;

const char* LedText(level::Led led) {
  return led == level::Led::Green ? "green" : led == level::Led::Red ? "red" : "off";
}

void PrintLevel(const TSterownik& link) {
  std::printf("%s: %s\n", SettingName(link, level::kSensorType).c_str(),
              ValueText(link, level::kSensorType).c_str());
  const auto red = level::OutOfOrder(link);
  for (size_t row = 0; row < level::kThresholds.size(); ++row) {
    const int setting = level::kThresholds[row];
    std::printf("  %-4s %3d  %s%s\n", kLedNames[row], setting, ShownValue(link, setting).c_str(),
                red[row] ? "  out of order" : "");
  }
  std::printf("order check: %s\n", level::InOrder(link) ? "in order" : "out of order");
  const DecodedStatus& status = link.LastStatus();
  if (status.levelVoltage >= 0)
    std::printf("%s %s: %.2f\n", LangText(1373).c_str(), LangText(1050).c_str(),
                level::Volts(status.levelVoltage));
  if (status.levelLeds < 0) return;
  const auto leds = level::LedStates(status.levelLeds);
  std::printf("LEDs:");
  for (size_t i = 0; i < leds.size(); ++i)
    std::printf(" %s %s", kLedNames[i], LedText(leds[i]));
  std::printf("\n");
}

int Apply(TSterownik& link, const std::vector<std::string>& w, uint32_t& commands) {
  if (w.size() != (w[0] == "threshold" ? 3u : 2u)) return kUsage;
  const auto value = Number(w[1]);
  const Nastawa& type = link.ListaNastaw()[level::kSensorType];
  if (w[0] == "type" && value && *value >= type.min && *value <= type.max) {
    SetValue(link, kView, level::kSensorType, *value, 1);
  } else if (w[0] == "threshold" && value && Number(w[2])) {
    const int raw = *Number(w[2]);
    bool named = false;
    for (int setting : level::kThresholds)
      named = named || setting == *value;
    if (!named || raw < 0 || raw > 255) return kUsage;
    level::SetThreshold(link, kView, *value, raw);
  } else if (w[0] == "shift" && (w[1] == "up" || w[1] == "down")) {
    level::ShiftAll(link, kView, w[1] == "up" ? 1 : -1);
  } else if (w[0] == "colours" && value && level::Scheme(*value)) {
    link.ZapiszKoloryLed(*level::Scheme(*value));
    commands = CommandBit::SendLedColours;
  } else if (w[0] == "type" || w[0] == "colours") {
    Fail("no such " + w[0] + ": " + w[1]);
    return kRefusedByRules;
  } else {
    return kUsage;
  }
  return kOk;
}

}  // namespace

int Level(std::span<char*> arguments) {
  DialogCommand command;
  if (!ParseDialogCommand(arguments, command)) return kUsage;
  CommandLink open;
  TSterownik& link = open.link();
  if (const int opened = open.Open(command.options); opened != kOk) return opened;
  if (const int written = open.ApplyAndWrite(command, Apply); written != kOk) return written;
  link.PollLevelSensor(true);
  int frames = 0;
  const auto counted = link.OnZdarzenie;
  link.OnZdarzenie = [&](const LinkEvent& e) {
    if (e.status && link.PollsLevelSensor()) ++frames;
    if (counted) counted(e);
  };
  if (const int polled = RunUntil(
          link, [&] { return frames >= kLevelFrames; }, TimeOf(command.options));
      polled != kOk)
    return polled;
  PrintLevel(link);
  return kOk;
}
