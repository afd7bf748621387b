#pragma once

#include <array>
#include <cstdint>
#include <string>

class TSterownik;

// What the main window shows, decided from the controller link without drawing anything.

// The caption after an identification: base title, controller name and version, the password
// and processor warnings.
std::string IdentifiedTitle(const std::string& base, const TSterownik& link,
                            bool administratorMenu);
// The caption after a file was loaded.
std::string FileTitle(const std::string& base, const TSterownik& link, const std::string& fileName);

// Which parts of the window an identified controller gets.
struct FamilyLayout {
  bool changes = true;  // false: the window stays as it is
  bool rightPanel = false;
  bool elmMenu = false;
  bool viewMenu = false;
  bool deviceInfo = false;
  bool service = false;
  bool firmware = false;
  bool readWrite = false;
  bool tabRow = false;           // the first tab row, banners and injection grid
  bool obdTab = false;           // the OBD tab
  bool obdDeviceTab = false;     // its sub-tab of the controller's own OBD module
  bool diagnosticsOnly = false;  // a locked controller: only the Diagnostics tab
  bool keepsRightPanel = false;  // a locked controller leaves the right panel as it was
  bool unknownDevice = false;    // tell the installer the family is not known
};
FamilyLayout LayoutForController(const TSterownik& link);

// The help video (1..17) the bottom bar's help button opens on a main tab (0..5), its Map
// sub-view kind and OBD sub-tab; 0 when it has none.
int HelpVideoOf(const TSterownik& link, int tab, int podWidokMapy, int podZakladkaObd);

// The window at a first start, with no configuration to restore: the largest of the design's
// 4:3 client sizes that fits the screen's available area with the window's decorations (title
// bar, frame, menu bar), else all of that area, never below the 640 x 480 minimum; a designed
// 740 x 480 looks lost on a large screen and cuts values short on every one.
struct FirstStartWindow {
  int width = 0, height = 0;  // the client area below the menu bar
};
FirstStartWindow FirstStartWindowFor(int availableWidth, int availableHeight, int decorationWidth,
                                     int decorationHeight);

// Height of one row of the right panel's grids.
int PanelRowHeight(int panelHeight, int pictureHeight, int rows);

// The heights of the readings and the injection-time grids in `room` pixels: as tall as their
// rows when both fit; otherwise the injection grid keeps its rows while the readings keep at
// least `minimum`, and what does not fit scrolls. The banners below never leave the panel.
struct GridHeights {
  int parameters, injections;
};
GridHeights FitGrids(int room, int parameters, int injections, int minimum);

// The colour roles of a scheme (0..5), 0x00BBGGRR; the Windows schemes take the system's
// button face, button text and frame colours.
struct ColourRoles {
  uint32_t window, light, text, secondaryText, selected, alarm, inUse, warning, darkShade,
      softShade, checkFrame, dimText, tick, listBackground, optionText, splitters, valueBackground;
};
ColourRoles SchemeColours(int scheme, uint32_t buttonFace, uint32_t buttonText,
                          uint32_t windowFrame);
// An injector channel's colour as the scheme shows it: darker on the Black schemes.
uint32_t ChannelColourInScheme(uint32_t colour, int scheme);

// The OBD picture of the right panel and the protocol text beside it, from the OBD status
// word of the status frame, the ECU addresses it reported and the OBD link's state (-1 none,
// 0 adapter found, 1..9 the protocol it detected).
enum class ObdPicture { kNone, kOff, kOn, kCan, kIso, kPwm, kVpw };
struct ObdState {
  ObdPicture picture = ObdPicture::kNone;
  std::string text;
};
ObdState ObdStateOf(int statusWord, int stanObd, const uint32_t* ecuAddresses, int ecuCount);
