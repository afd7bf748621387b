#include "app/FittedValue.h"

#include <QApplication>
#include <QEvent>
#include <QFontMetricsF>
#include <QHash>
#include <QHelpEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QToolTip>
#include <QWidget>

namespace {

std::vector<DrawnText>* watched = nullptr;

QString Q(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The widget a painter draws on, and a rectangle of the painter in that widget's coordinates.
QWidget* PaintedWidget(const QPainter& p) {
  return p.device() && p.device()->devType() == QInternal::Widget
             ? static_cast<QWidget*>(p.device())
             : nullptr;
}

// The spots of each widget where a text shows less than it holds. A repaint of a spot forgets
// what was there; the widget's tooltip event shows the whole text of the spot under the mouse.
class CutTexts : public QObject {
 public:
  static CutTexts& Of() {
    static CutTexts* texts = new CutTexts;
    return *texts;
  }

  void Note(QWidget* widget, const QRect& spot, const QString& whole) {
    auto found = spots_.find(widget);
    if (found == spots_.end()) {
      widget->installEventFilter(this);
      connect(widget, &QObject::destroyed, this, [this, widget] { spots_.remove(widget); });
      found = spots_.insert(widget, {});
    }
    found->push_back({spot, whole});
  }

 protected:
  bool eventFilter(QObject* object, QEvent* event) override {
    auto* widget = static_cast<QWidget*>(object);
    const auto found = spots_.find(widget);
    if (found == spots_.end()) return false;
    if (event->type() == QEvent::Paint) {
      const QRect painted = static_cast<QPaintEvent*>(event)->rect();
      found->removeIf([&](const Spot& s) { return painted.intersects(s.area); });
    } else if (event->type() == QEvent::ToolTip) {
      const auto* help = static_cast<QHelpEvent*>(event);
      for (const Spot& s : *found)
        if (s.area.contains(help->pos())) {
          QToolTip::showText(help->globalPos(), s.whole, widget, s.area);
          return true;
        }
    }
    return false;
  }

 private:
  struct Spot {
    QRect area;
    QString whole;
  };
  QHash<QWidget*, QList<Spot>> spots_;
};

QFont Sized(QFont font, int size) {
  font.setPointSize(size);
  return font;
}

MeasureText WidthIn(const QFont& font) {
  return [font](std::string_view text, int size) {
    return QFontMetricsF(Sized(font, size)).horizontalAdvance(Q(text));
  };
}

// Where a text of `width` stands in `room` by the horizontal alignment.
int LeftIn(const QRect& room, qreal width, Qt::Alignment alignment) {
  if (alignment & Qt::AlignRight) return room.right() + 1 - qCeil(width);
  if (alignment & Qt::AlignHCenter) return room.left() + (room.width() - qCeil(width)) / 2;
  return room.left();
}

}  // namespace

ValueFonts OneFace(const QFont& font, int smallest) {
  return {font, font, smallest};
}

FittedText DrawValue(QPainter& p, const QRect& room, Qt::Alignment alignment, const QString& value,
                     const QString& unit, const ValueFonts& fonts) {
  const int largest = fonts.value.pointSize();
  const FittedText fitted = FitText(value.toStdString(), unit.toStdString(), room.width(),
                                    {largest, std::min(fonts.smallest, largest)},
                                    WidthIn(fonts.value), WidthIn(fonts.unit));
  const QFont valueFont = Sized(fonts.value, fitted.size);
  const QFont unitFont = Sized(fonts.unit, fitted.size);
  const QString shown = Q(fitted.value), shownUnit = Q(fitted.unit);
  const qreal valueWidth = QFontMetricsF(valueFont).horizontalAdvance(shown);
  const qreal unitWidth =
      shownUnit.isEmpty() ? 0 : QFontMetricsF(unitFont).horizontalAdvance(shownUnit);
  const int left = LeftIn(room, valueWidth + unitWidth, alignment);
  const Qt::Alignment vertical = alignment & Qt::AlignVertical_Mask;
  const QRect valueBox(left, room.top(), qCeil(valueWidth), room.height());
  p.save();
  p.setFont(valueFont);
  p.drawText(valueBox, Qt::AlignLeft | vertical, shown);
  const int unitLeft = left + qRound(valueWidth);
  if (!shownUnit.isEmpty()) {
    p.setFont(unitFont);
    p.drawText(QRect(unitLeft, room.top(), qCeil(unitWidth), room.height()),
               Qt::AlignLeft | vertical, shownUnit);
  }
  p.restore();
  const QString whole = value + unit;
  const QRect drawn(left, room.top(), unitLeft + qCeil(unitWidth) - left, room.height());
  if (shown + shownUnit != whole) NoteCutText(p, room, whole);
  NoteDrawnText(p, drawn, room, shown + shownUnit, whole, true);
  return fitted;
}

void DrawCaption(QPainter& p, const QRect& room, Qt::Alignment alignment, const QString& text) {
  const QFontMetrics metrics = p.fontMetrics();
  const QString shown = metrics.horizontalAdvance(text) <= room.width()
                            ? text
                            : metrics.elidedText(text, Qt::ElideRight, room.width());
  const int width = metrics.horizontalAdvance(shown);
  const QRect box(LeftIn(room, width, alignment), room.top(), width, room.height());
  p.drawText(box, Qt::AlignLeft | (alignment & Qt::AlignVertical_Mask), shown);
  if (shown != text) NoteCutText(p, room, text);
  NoteDrawnText(p, box, room, shown, text, false);
}

void NoteCutText(QPainter& p, const QRect& spot, const QString& whole) {
  if (QWidget* widget = PaintedWidget(p))
    CutTexts::Of().Note(widget, p.transform().mapRect(spot), whole);
}

void WatchDrawnTexts(std::vector<DrawnText>* log) {
  watched = log;
}

void NoteDrawnText(QPainter& p, const QRect& box, const QRect& room, const QString& shown,
                   const QString& whole, bool value) {
  if (!watched) return;
  const QWidget* widget = PaintedWidget(p);
  const QPoint offset = widget ? widget->mapTo(widget->window(), QPoint(0, 0)) : QPoint();
  watched->push_back({widget, p.transform().mapRect(box).translated(offset),
                      p.transform().mapRect(room).translated(offset), shown, whole, value});
}

void FittedValueItems::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
  QStyleOptionViewItem item = option;
  initStyleOption(&item, index);
  const QString text = item.text;
  item.text.clear();
  const QStyle* style = item.widget ? item.widget->style() : QApplication::style();
  style->drawControl(QStyle::CE_ItemViewItem, &item, painter, item.widget);
  const bool selected = item.state & QStyle::State_Selected;
  painter->save();
  painter->setPen(item.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
  const QRect room = style->subElementRect(QStyle::SE_ItemViewItemText, &item, item.widget);
  DrawValue(*painter, room.adjusted(2, 0, -2, 0), item.displayAlignment, text, {},
            OneFace(item.font));
  painter->restore();
}
