#pragma once

#include <QColor>

#include "app/QtColours.h"
#include "app/WindowRules.h"

// The colour roles of the current scheme as Qt colours, shared by the painted panels.
struct PanelColours {
  QColor window, light, text, secondaryText, selected, dimText, tick, listBackground, optionText,
      valueBackground, checkFrame;

  static PanelColours From(const ColourRoles& r) {
    return {ToQColor(r.window),     ToQColor(r.light),
            ToQColor(r.text),       ToQColor(r.secondaryText),
            ToQColor(r.selected),   ToQColor(r.dimText),
            ToQColor(r.tick),       ToQColor(r.listBackground),
            ToQColor(r.optionText), ToQColor(r.valueBackground),
            ToQColor(r.checkFrame)};
  }
};
