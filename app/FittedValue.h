#pragma once

#include <QFont>
#include <QRect>
#include <QString>
#include <QStyledItemDelegate>
#include <vector>

#include "lang/TextFit.h"

class QPainter;
class QWidget;

// The faces of a value and of its unit. They shrink together, from the value face's size down
// to `smallest` points, as FitText decides.
struct ValueFonts {
  QFont value;
  QFont unit;
  int smallest = 7;
};
ValueFonts OneFace(const QFont& font, int smallest = 7);

// Draws a value and its unit (drawn as given, " bar") into `room`, whole, or the number alone,
// or the mark that it does not fit. Where not all of it shows, the whole text is the tooltip of
// that spot of the painted widget.
FittedText DrawValue(QPainter& p, const QRect& room, Qt::Alignment alignment, const QString& value,
                     const QString& unit, const ValueFonts& fonts);

// A caption in the painter's font, elided to `room` with its whole text as the tooltip there.
void DrawCaption(QPainter& p, const QRect& room, Qt::Alignment alignment, const QString& text);

// The whole text of a spot where a view drew less of it; the tooltip of that spot.
void NoteCutText(QPainter& p, const QRect& spot, const QString& whole);

// What the views drew, kept while a test watches them: where each text went in its window,
// the room it was fitted into, what it shows and what it holds.
struct DrawnText {
  const QWidget* widget = nullptr;
  QRect box;   // the drawn text, in the window's coordinates
  QRect room;  // likewise
  QString shown, whole;
  bool value = false;
};
// Starts (a log) or stops (nullptr) keeping what is drawn.
void WatchDrawnTexts(std::vector<DrawnText>* log);
void NoteDrawnText(QPainter& p, const QRect& box, const QRect& room, const QString& shown,
                   const QString& whole, bool value);

// Item views' value cells drawn as DrawValue draws them: whole, or marked with the whole text
// as the cell's tooltip, where the view would otherwise cut the number short.
class FittedValueItems : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;
};
