#include "app/TickBox.h"

#include <QPainter>
#include <QPolygon>

void PaintTickBox(QPainter& p, const QRect& box, bool ticked, const QColor& frame,
                  const QColor& background, const QColor& tick) {
  p.fillRect(box, background);
  p.setPen(frame);
  p.drawRect(box);
  if (!ticked) return;
  p.setPen(QPen(tick, 3));
  p.drawPolyline(QPolygon({QPoint(box.left() + 3, box.center().y()),
                           QPoint(box.left() + box.width() * 2 / 5, box.bottom() - 3),
                           QPoint(box.right() - 3, box.top() + 3)}));
}
