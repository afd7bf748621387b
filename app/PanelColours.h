#pragma once

#include <QColor>

#include "app/CommandButtons.h"
#include "app/QtColours.h"
#include "app/WindowRules.h"
#include "charts/ChartColours.h"

// The colour roles of the current scheme as Qt colours, shared by the painted panels.
struct PanelColours {
  QColor window, light, text, secondaryText, selected, dimText, tick, listBackground, optionText,
      valueBackground, checkFrame, inUse;

  static PanelColours From(const ColourRoles& r) {
    return {ToQColor(r.window),     ToQColor(r.light),
            ToQColor(r.text),       ToQColor(r.secondaryText),
            ToQColor(r.selected),   ToQColor(r.dimText),
            ToQColor(r.tick),       ToQColor(r.listBackground),
            ToQColor(r.optionText), ToQColor(r.valueBackground),
            ToQColor(r.checkFrame), ToQColor(r.inUse)};
  }
};

inline QColor CommandColour(CommandButton::Colour colour, const PanelColours& c) {
  switch (colour) {
    case CommandButton::Colour::Selected:
      return c.selected;
    case CommandButton::Colour::Red:
      return ToQColor(chart::kPetrol);
    case CommandButton::Colour::Green:
      return ToQColor(chart::kGas);
    case CommandButton::Colour::Purple:
      return ToQColor(chart::Rgb(128, 0, 128));
    default:
      return c.text;
  }
}
