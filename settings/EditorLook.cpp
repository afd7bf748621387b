#include "settings/EditorLook.h"

#include "charts/Tools.h"
#include "controller/Colour.h"
#include "controller/Tsterownik.h"
#include "lang/Langtext.h"

namespace {

constexpr int kTwoBankModel = 12;
constexpr int kPolish = 1;

}  // namespace

int NameId(const TSterownik& link, const EditorView& view, int setting) {
  constexpr int kDeleteTypicalErrors = 4160;
  if (setting == 113 && view.mode == EditorView::kObdPanel && link.Rodzina() == Family::Kavi)
    return kDeleteTypicalErrors;
  return static_cast<int>(link.ListaNastaw()[setting].nazwa);
}

std::string BankSuffix(const TSterownik& link, int setting) {
  const int bank = link.AktalnyBank();
  const bool first = (setting == 90 || setting == 190) && bank == 1;
  const bool second = (setting == 92 || setting == 164) && bank == 2;
  if (!first && !second) return {};
  if (link.Wyrob() == kTwoBankModel) return first ? " DI" : " MPI";
  return " " + LangText(1720) + (first ? " 1" : " 2");
}

int HoverTextId(const TSterownik& link, int setting) {
  const int id = static_cast<int>(link.ListaNastaw()[setting].nazwa) + 9;
  return id > 1009 && !LangText(id).empty() ? id : 0;
}

int WorkIndicator(const TSterownik& link, const DecodedStatus& status) {
  const FamilyTraits& traits = link.Traits();
  if (!traits.gasController || (status.workFlags & 3) != 3) return 0;
  const uint8_t load = status.Byte(status_frame::kMapRow);
  const uint8_t rpm = status.Byte(status_frame::kMapColumn);
  int indicator = load <= 3 && rpm <= 3 ? 1 : rpm >= 8 ? 2 : 0;
  const uint8_t addition = traits.stratifiedCharge
                               ? WorkFlag::PetrolAddition | WorkFlag::ColdLeaning
                               : WorkFlag::PetrolAddition;
  if (status.workFlags & addition) indicator |= 4;
  return indicator;
}

bool Highlighted(int setting, int indicator) {
  switch (setting) {
    case 90:
    case 92:
      return (indicator & 3) == 1;
    case 190:
    case 164:
      return (indicator & 3) == 2;
    case 89:
      return indicator & 4;
    default:
      return false;
  }
}

HelpTarget HelpFor(const TSterownik& link, const EditorView& view, int setting) {
  const bool kavi = link.Rodzina() == Family::Kavi;
  switch (setting) {
    case 8:
      return HelpTarget::InjectorSequence;
    case 40:
      return HelpTarget::LevelSensor;
    case 11:
      return kavi ? HelpTarget::HelpPanel : HelpTarget::None;
    case 12:
      return kavi || link.WersjaProgramu() > 14 ? HelpTarget::HelpPanel : HelpTarget::None;
    case 24:
      return view.administrator ? HelpTarget::HelpPanel : HelpTarget::None;
    case 15:
    case 57:
    case 62:
    case 63:
    case 95:
    case 96:
    case 133:
    case 134:
    case 135:
    case 156:
    case 160:
    case 161:
    case 283:
      return HelpTarget::HelpPanel;
    default:
      return HelpTarget::None;
  }
}

EditorColours EditorColoursFor(int scheme, uint32_t listBackground, uint32_t optionText) {
  const bool black = scheme >= 4;
  EditorColours c{};
  c.valueBackground = listBackground;
  c.valueText = optionText;
  c.outsideNorm = black ? Rgb(192, 192, 192) : Rgb(0, 0, 255);
  c.selectedBackground = black ? Rgb(0, 0, 190) : Rgb(181, 210, 242);
  c.selectedText = Lighten(optionText, 15);
  c.hiddenBackground = black ? Rgb(40, 40, 40) : Rgb(235, 235, 235);
  c.hiddenText = black ? Rgb(60, 60, 60) : Rgb(170, 170, 170);
  c.warningBackground = Rgb(250, 200, 200);
  return c;
}

bool OutsideNorm(const TSterownik& link, int setting) {
  const Nastawa& n = link.ListaNastaw()[setting];
  const uint8_t raw = link.Nastawy()[setting];
  return raw < n.normaOd || raw > n.normaDo;
}

bool WarningBackground(const TSterownik& link, int setting) {
  const uint8_t* s = link.Nastawy();
  if (setting == 86) return s[20] == 0 && (s[86] < 80 || s[86] > 200);
  if (setting == 85) return s[85] < 148 || s[85] > 218;
  return false;
}

std::string HelpVideoAddress(int n, int language) {
  constexpr int kVideos = 17;
  if (n < 1 || n > kVideos) return {};
  // Two of the videos were only ever made in Polish.
  const bool polish = language == kPolish;
  if (!polish && (n == 11 || n == 14)) return {};
  return std::string("https://www.malver-gas.eu/") + (polish ? "pl" : "en") + "/video/" +
         std::to_string(n);
}
