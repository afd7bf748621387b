#pragma once

#include <QFont>
#include <QRegion>
#include <string_view>

#include "charts/Picture.h"

class QPainter;

// Replays a chart's picture with a painter, shape by shape in order: the map view's only
// drawing. It places texts by their alignment and draws nothing the picture does not hold.

void PaintPicture(QPainter& painter, const chart::Picture& picture);
// The pixels the picture's lines cover: what a moved live cursor repaints.
QRegion LineBounds(const chart::Picture& picture);
// The charts' font at a size, a text's width in it, and its line height.
QFont ChartFont(int points, bool bold = false);
int ChartTextWidth(std::string_view text, int points);
int ChartTextHeight(int points);
