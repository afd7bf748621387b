#pragma once

#include <QFont>
#include <QHash>
#include <QRect>
#include <QStaticText>
#include <QString>

class QPainter;

// Texts laid out once and then only drawn: a page repaints the same names and values over and
// over, and laying each out again was most of a repaint's cost.
class PreparedTexts {
 public:
  const QStaticText& Get(const QFont& font, const QString& text);
  // In the painter's font, placed in area by a horizontal and a vertical alignment, as
  // QPainter::drawText places a single line.
  void Draw(QPainter& p, const QRect& area, int alignment, const QString& text);

 private:
  QHash<QString, QStaticText> texts_;  // by font key and text
};
