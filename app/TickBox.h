#pragma once

#include <QColor>
#include <QRect>

class QPainter;

// A check box drawn into a grid cell: framed, on the list background, ticked when on.
void PaintTickBox(QPainter& p, const QRect& box, bool ticked, const QColor& frame,
                  const QColor& background, const QColor& tick);
