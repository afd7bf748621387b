#include "settings/TypedValue.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "controller/NumberText.h"
#include "controller/SettingsCatalogue.h"
#include "controller/SettingsCatalogueData.h"
#include "lang/Langtext.h"
#include "settings/SetValue.h"
#include "settings/SettingTexts.h"
#include "settings/SettingVisibility.h"

namespace {

constexpr int kClamp = 1, kAsIs = 0, kTwoBytes = 2;
constexpr int kFlagBit = 0x2;
constexpr int kYesText = 1080, kNoText = 1081, kNoCodeText = 4091;

std::string Trimmed(const std::string& text) {
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// Equal but for case (of ASCII letters) and surrounding spaces; a value beyond the limits reads
// with a leading "? ", which the installer does not type.
bool Reads(std::string shown, const std::string& typed) {
  if (shown.rfind("? ", 0) == 0) shown.erase(0, 2);
  shown = Trimmed(shown);
  const std::string t = Trimmed(typed);
  return std::equal(shown.begin(), shown.end(), t.begin(), t.end(), [](char a, char b) {
    return std::tolower(static_cast<unsigned char>(a)) ==
           std::tolower(static_cast<unsigned char>(b));
  });
}

bool IsNumber(const Nastawa& n) {
  const int kind = n.typ & 0xF0;
  return kind == catalogue::kNumber || kind == catalogue::kSigned || kind == catalogue::kAltNumber;
}

// A typed number as the program would print it, so that "3" finds the value shown "3.00".
std::optional<double> NumberOf(const std::string& typed) {
  std::string text = Trimmed(typed);
  std::replace(text.begin(), text.end(), ',', '.');
  if (text.empty()) return std::nullopt;
  char* end = nullptr;
  const double value = std::strtod(text.c_str(), &end);
  if (*end != '\0' || !std::isfinite(value)) return std::nullopt;
  return value;
}

TypedChange Stored(const SettingChange& change) {
  if (!change.stored) return {TypedRefusal::OutsideLimits, change};
  return {change.locked ? TypedRefusal::Locked : TypedRefusal::None, change};
}

// The multipliers show their table's first entry in hundredths: a typed value steps it.
TypedChange SetMultiplier(TSterownik& link, const EditorView& view, int setting, double value) {
  const int hundredths = static_cast<int>(std::lround((value - link.NumericValue(setting)) * 100));
  if (hundredths == 0) return {};
  return Stored(StepSetting(link, view, setting, hundredths));
}

TypedChange SetBitFlag(TSterownik& link, const EditorView& view, int setting,
                       const std::string& typed) {
  const bool yes = Reads(LangText(kYesText), typed);
  if (!yes && !Reads(LangText(kNoText), typed)) return {TypedRefusal::NotAValue, {}};
  const int raw = link.Nastawy()[setting];
  return Stored(SetValue(link, view, setting, yes ? raw | kFlagBit : raw & ~kFlagBit, kAsIs));
}

TypedChange SetTroubleCode(TSterownik& link, const EditorView& view, int setting,
                           const std::string& typed) {
  std::optional<int> code = ParseTroubleCode(Trimmed(typed));
  if (!code && Reads(LangText(kNoCodeText), typed)) code = 0;
  if (!code) return {TypedRefusal::NotAValue, {}};
  return Stored(SetValue(link, view, setting, *code, kTwoBytes));
}

// A typed hexadecimal byte as printed: "1a", "1Ah" and "01A" all read "1Ah".
std::optional<std::string> HexOf(const std::string& typed) {
  std::string text = Trimmed(typed);
  if (!text.empty() && std::tolower(static_cast<unsigned char>(text.back())) == 'h')
    text.pop_back();
  if (text.empty() || text.size() > 4) return std::nullopt;
  char* end = nullptr;
  const long value = std::strtol(text.c_str(), &end, 16);
  if (*end != '\0' || value > 0xFF) return std::nullopt;
  char shown[8];
  std::snprintf(shown, sizeof shown, "%02lXh", value);
  return shown;
}

// Any other kind: the raw value whose text reads as typed, within the limits if one does.
TypedChange SetShownValue(TSterownik& link, const EditorView& view, int setting,
                          const std::string& typed) {
  const Nastawa& n = link.ListaNastaw()[setting];
  std::optional<std::string> wanted = typed;
  std::optional<double> number;
  if (IsNumber(n)) {
    number = NumberOf(typed);
    if (number) wanted = FormatNumber(*number, n.typ & 0x0F, link.DecimalSeparator());
  } else if ((n.typ & 0xF0) == catalogue::kHex) {
    wanted = HexOf(typed);
  }
  if (!wanted || (IsNumber(n) && !number)) return {TypedRefusal::NotAValue, {}};
  bool beyondLimits = false;
  for (int raw = 0; raw <= 0xFF; ++raw) {
    if (!Reads(ValueText(link, setting, raw), *wanted)) continue;
    if (raw >= n.min && raw <= n.max) return Stored(SetValue(link, view, setting, raw, kClamp));
    beyondLimits = true;
  }
  // A number past the lowest or highest value is beyond the limits, whether or not a raw
  // byte could carry it.
  if (number &&
      (*number < link.NumericValue(setting, n.min) || *number > link.NumericValue(setting, n.max)))
    beyondLimits = true;
  return {beyondLimits ? TypedRefusal::OutsideLimits : TypedRefusal::NotAValue, {}};
}

TypedRefusal Offered(const TSterownik& link, const EditorView& view, int setting) {
  if (setting < 0 || setting >= kSettingsCount || link.ListaNastaw()[setting].nazwa == 0)
    return TypedRefusal::NoSuchSetting;
  if (!IsVisible(link, setting)) return TypedRefusal::Hidden;
  if (!view.administrator && ReservedToAdministrators(link, setting))
    return TypedRefusal::Administrators;
  return TypedRefusal::None;
}

}  // namespace

TypedChange SetTypedValue(TSterownik& link, const EditorView& view, int setting,
                          const std::string& typed) {
  if (const TypedRefusal refusal = Offered(link, view, setting); refusal != TypedRefusal::None)
    return {refusal, {}};
  const Nastawa& n = link.ListaNastaw()[setting];
  if (IsMultiplier(setting)) {
    const std::optional<double> number = NumberOf(typed);
    if (!number) return {TypedRefusal::NotAValue, {}};
    return SetMultiplier(link, view, setting, *number);
  }
  if ((n.typ & 0xF0) == catalogue::kBitFlag) return SetBitFlag(link, view, setting, typed);
  if (InputOf(link, setting) == Input::TroubleCode)
    return SetTroubleCode(link, view, setting, typed);
  return SetShownValue(link, view, setting, typed);
}

TypedChange SetRawValue(TSterownik& link, const EditorView& view, int setting, int raw) {
  if (const TypedRefusal refusal = Offered(link, view, setting); refusal != TypedRefusal::None)
    return {refusal, {}};
  const Nastawa& n = link.ListaNastaw()[setting];
  if (raw < 0 || raw > 0xFF) return {TypedRefusal::NotAValue, {}};
  if (raw < n.min || raw > n.max) return {TypedRefusal::OutsideLimits, {}};
  return Stored(SetValue(link, view, setting, raw, kClamp));
}
