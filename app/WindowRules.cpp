#include "app/WindowRules.h"

#include <algorithm>
#include <cstdio>

#include "charts/Tools.h"
#include "controller/Colour.h"
#include "controller/Tsterownik.h"
#include "lang/Langtext.h"

namespace {

// The special version whose controller has no OBD connection.
constexpr int kSpecialWithoutObd = 11;

}  // namespace

std::string IdentifiedTitle(const std::string& base, const TSterownik& link,
                            bool administratorMenu) {
  if (link.StanIdentyfikacji() == ident_state::InBootloader) {
    if (link.AktualizacjaZlecona()) return base;
    return base + " - " + link.StrNazwaSterownika() + " " + LangText(1365);
  }
  std::string title =
      base + "  -  " + link.StrNazwaSterownika() + "  -  ver" + link.StrWersjaCyframi(1);
  if (link.Traits().gasController) {
    if (link.HasloUstawione()) title += "[" + LangText(2203) + "]";
    if (administratorMenu && link.BladNumeruProcesora())
      title += "  !!! Błąd numeru seryjnego procesora !!!";
  }
  return title;
}

std::string FileTitle(const std::string& base, const TSterownik& link,
                      const std::string& fileName) {
  return base + " - " + link.StrNazwaSterownika() + " - [" + fileName + "]";
}

FamilyLayout LayoutForController(const TSterownik& link) {
  FamilyLayout l;
  const uint8_t status = link.StanIdentyfikacji();
  const FamilyTraits& traits = link.Traits();
  if (status == ident_state::InBootloader) {
    l.changes = false;
    return l;
  }
  if (status == ident_state::PasswordLocked) {
    l.deviceInfo = true;
    l.diagnosticsOnly = l.keepsRightPanel = true;
    return l;
  }
  l.rightPanel = true;
  l.readWrite = true;
  if (traits.gasController) {
    l.elmMenu = traits.obdShown;
    l.viewMenu = l.deviceInfo = l.service = l.firmware = l.tabRow = true;
    l.obdTab = traits.obdShown && link.OpisSpecjalny() != kSpecialWithoutObd;
    l.obdDeviceTab = traits.obdModule;
  } else if (traits.emulator) {
    l.firmware = true;
  } else {
    l.rightPanel = false;
    l.unknownDevice = true;
  }
  return l;
}

int HelpVideoOf(const TSterownik& link, int tab, int podWidokMapy, int podZakladkaObd) {
  constexpr int kCalibrationPerCylinder = 82;
  constexpr int kObdVideos[4] = {17, 14, 15, 16};
  if (link.Rodzina() == Family::RailEmulator) return 0;
  switch (tab) {
    case 1:
      return link.Nastawy()[kCalibrationPerCylinder] != 0 ? 9 : 8;
    case 2:
      return podWidokMapy == 5 || podWidokMapy == 6 ? 11 : 10;
    case 3:
      return 12;
    case 4:
      return 13;
    case 5:
      return podZakladkaObd >= 0 && podZakladkaObd < 4 ? kObdVideos[podZakladkaObd] : 0;
    default:
      return 0;
  }
}

int PanelRowHeight(int panelHeight, int pictureHeight, int rows) {
  const int divisor = rows >= 17 ? rows + 3 : 20;
  const int height = (panelHeight - pictureHeight) / divisor;
  return height < 17 ? 17 : height;
}

FirstStartWindow FirstStartWindowFor(int availableWidth, int availableHeight, int decorationWidth,
                                     int decorationHeight) {
  static constexpr std::pair<int, int> kDesignSizes[] = {{1200, 900}, {800, 600}};
  for (const auto& [width, height] : kDesignSizes)
    if (width + decorationWidth <= availableWidth && height + decorationHeight <= availableHeight)
      return {width, height};
  return {std::max(640, availableWidth - decorationWidth),
          std::max(480, availableHeight - decorationHeight)};
}

GridHeights FitGrids(int room, int parameters, int injections, int minimum) {
  if (parameters + injections <= room) return {parameters, injections};
  const int kept = std::min(parameters, minimum);
  const int shownInjections =
      std::min(injections, std::max(room - kept, std::min(injections, minimum)));
  return {std::clamp(room - shownInjections, 0, parameters), shownInjections};
}

ColourRoles SchemeColours(int scheme, uint32_t buttonFace, uint32_t buttonText,
                          uint32_t windowFrame) {
  ColourRoles c{};
  const int kind = scheme / 2;  // 0 Windows, 1 Grey, 2 Black
  c.secondaryText = kind == 2 ? Rgb(36, 154, 251) : Rgb(0, 0, 180);
  c.selected = kind == 2 ? Rgb(0, 0, 128) : Rgb(0, 0, 160);
  c.alarm = Rgb(255, 0, 0);
  c.inUse = Rgb(0, 160, 0);
  c.warning = Rgb(255, 150, 0);
  c.tick = kind == 2 ? Rgb(0, 255, 0) : Rgb(0, 128, 0);
  c.listBackground = kind == 2 ? Rgb(50, 50, 50) : Rgb(255, 255, 255);
  c.optionText = kind == 2 ? Rgb(0, 200, 0) : Rgb(0, 0, 0);
  switch (kind) {
    case 0:
      c.window = buttonFace;
      c.light = Lighten(buttonFace, 10);
      c.text = c.dimText = buttonText;
      c.checkFrame = windowFrame;
      c.splitters = Lighten(buttonFace, -20);
      break;
    case 1:
      c.window = Rgb(210, 210, 210);
      c.light = Rgb(230, 230, 230);
      c.text = c.dimText = c.checkFrame = 0;
      c.splitters = Rgb(190, 190, 190);
      break;
    default:
      c.window = c.light = 0;
      c.text = Rgb(192, 192, 192);
      c.checkFrame = Rgb(80, 80, 80);
      c.dimText = Rgb(150, 150, 150);
      c.splitters = Rgb(128, 128, 128);
      break;
  }
  c.darkShade = Lighten(c.window, kind == 2 ? 30 : -50);
  c.softShade = Lighten(c.window, kind == 2 ? 50 : 30);
  c.valueBackground = scheme % 2 == 0 ? c.listBackground : c.light;
  return c;
}

uint32_t ChannelColourInScheme(uint32_t colour, int scheme) {
  return scheme / 2 == 2 ? Lighten(colour, -50) : colour;
}

namespace {

struct Protocol {
  ObdPicture picture;
  const char* name;
};

constexpr Protocol kCan11_500{ObdPicture::kCan, "ISO 15765-4 CAN 11/500"};
constexpr Protocol kCan29_500{ObdPicture::kCan, "ISO 15765-4 CAN 29/500"};
constexpr Protocol kCan11_250{ObdPicture::kCan, "ISO 15765-4 CAN 11/250"};
constexpr Protocol kCan29_250{ObdPicture::kCan, "ISO 15765-4 CAN 29/250"};
constexpr Protocol kKwpFast{ObdPicture::kIso, "ISO 14230-4 KWP fast init."};
constexpr Protocol kKwpSlow{ObdPicture::kIso, "ISO 14230-4 KWP slow init."};
constexpr Protocol kIso9141{ObdPicture::kIso, "ISO 9141-2 (KL)"};
constexpr Protocol kPwm{ObdPicture::kPwm, "SEA J1850 PWM"};
constexpr Protocol kVpw{ObdPicture::kVpw, "SEA J1850 VPW"};

// The protocol the controller's own OBD module reports in the low byte of its status word.
const Protocol* ModuleProtocol(int code) {
  struct Entry {
    int codes[3];
    const Protocol* protocol;
  };
  static constexpr Entry kEntries[] = {
      {{2, 130, 198}, &kCan11_500}, {{3, 131, 199}, &kCan29_500}, {{4, 132, 200}, &kCan11_250},
      {{5, 133, 201}, &kCan29_250}, {{6, 134, 197}, &kKwpFast},   {{7, 135, 196}, &kKwpSlow},
      {{8, 136, 195}, &kIso9141},   {{9, 137, 193}, &kPwm},       {{10, 138, 194}, &kVpw}};
  for (const Entry& e : kEntries)
    for (int c : e.codes)
      if (c == code) return e.protocol;
  return nullptr;
}

// The protocol an ELM adapter found, by the OBD link's state 1..9.
const Protocol* AdapterProtocol(int state) {
  static constexpr const Protocol* kByState[] = {&kPwm,       &kVpw,       &kIso9141,
                                                 &kKwpSlow,   &kKwpFast,   &kCan11_500,
                                                 &kCan29_500, &kCan11_250, &kCan29_250};
  return state >= 1 && state <= 9 ? kByState[state - 1] : nullptr;
}

}  // namespace

ObdState ObdStateOf(int statusWord, int stanObd, const uint32_t* ecuAddresses, int ecuCount) {
  ObdState s;
  if ((statusWord & ~obd_word::kSubstituted) == 0 && stanObd == -1) {
    s.picture = ObdPicture::kOff;
    return s;
  }
  if (stanObd >= 1) {
    if (const Protocol* p = AdapterProtocol(stanObd)) s = {p->picture, p->name};
    return s;
  }
  if ((statusWord & obd_word::kModuleConnected) != obd_word::kModuleConnected) {
    s.picture = ObdPicture::kOn;
    return s;
  }
  if (const Protocol* p = ModuleProtocol(statusWord & obd_word::kProtocol))
    s = {p->picture, p->name};
  if (ecuCount > 0) {
    s.text += "  -  ";
    char address[16];
    for (int i = 0; i < ecuCount && i < 4; ++i) {
      std::snprintf(address, sizeof address, "%02Xh  ", ecuAddresses[i]);
      s.text += address;
    }
  }
  return s;
}
