#include "settings/SetValue.h"

#include <cctype>

#include "controller/SettingsCatalogueData.h"
#include "settings/SettingVisibility.h"

namespace {

constexpr int kClamp = 1;
constexpr int kBasic = 0;

}  // namespace

bool IsMultiplier(int setting) {
  return setting == 190 || setting == 164;
}

bool Changeable(const TSterownik& link, const EditorView& view, int setting) {
  if (!IsVisible(link, setting)) return false;
  if (!view.administrator && ReservedToAdministrators(link, setting)) return false;
  return view.viewLevel != kBasic || view.mode != EditorView::kCalibrationPanel;
}

SettingChange SetValue(TSterownik& link, const EditorView& view, int setting, int value, int kind,
                       const OpenViews& open) {
  if (!Changeable(link, view, setting)) return {};
  return link.ChangeSetting(setting, value, kind, open);
}

SettingChange StepSetting(TSterownik& link, const EditorView& view, int setting, int direction) {
  if (!Changeable(link, view, setting)) return {};
  if (IsMultiplier(setting)) {
    // The multiplier shown is its table's first entry in hundredths; the setting holds none.
    if (!link.StepMultiplier(setting, direction)) return {};
    return SetValue(link, view, setting, 0, kClamp);
  }
  const Nastawa& n = link.ListaNastaw()[setting];
  const int stepped = link.Nastawy()[setting] + direction;
  if (stepped < n.min || stepped > n.max) return {};
  return SetValue(link, view, setting, stepped, kClamp);
}

Input InputOf(const TSterownik& link, int setting) {
  if (IsMultiplier(setting)) return Input::Stepper;
  switch (link.ListaNastaw()[setting].typ & 0xF0) {
    case catalogue::kNumber:
    case catalogue::kSigned:
    case catalogue::kHex:
    case catalogue::kAltNumber:
      return Input::Stepper;
    case catalogue::kList:
      return Input::List;
    case catalogue::kYesNo:
    case catalogue::kBitFlag:
      return Input::Toggle;
    case catalogue::kTroubleCode:
      return Input::TroubleCode;
    default:
      return Input::None;
  }
}

SettingChange ToggleSetting(TSterownik& link, const EditorView& view, int setting) {
  constexpr int kFlagBit = 0x2;
  const uint8_t raw = link.Nastawy()[setting];
  const bool bitFlag = (link.ListaNastaw()[setting].typ & 0xF0) == catalogue::kBitFlag;
  return SetValue(link, view, setting, bitFlag ? raw ^ kFlagBit : (raw == 0 ? 1 : 0), 0);
}

std::optional<int> ParseTroubleCode(const std::string& typed) {
  static const std::string kLetters = "PCBU";
  if (typed.size() != 5) return std::nullopt;
  const size_t letter =
      kLetters.find(static_cast<char>(std::toupper(static_cast<unsigned char>(typed[0]))));
  if (letter == std::string::npos) return std::nullopt;
  int digits = 0;
  for (size_t i = 1; i < 5; ++i) {
    const char c = static_cast<char>(std::toupper(static_cast<unsigned char>(typed[i])));
    const size_t digit = std::string("0123456789ABCDEF").find(c);
    if (digit == std::string::npos) return std::nullopt;
    digits = digits * 16 + static_cast<int>(digit);
  }
  return static_cast<int>(letter) << 14 | digits;
}
