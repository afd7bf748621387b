#include "charts/PicturePainter.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>

#include "app/QtColours.h"

namespace {

using namespace chart;

Qt::PenStyle StyleOf(Pen pen) {
  switch (pen) {
    case Pen::Dotted:
      return Qt::DotLine;
    case Pen::Dashed:
      return Qt::DashLine;
    case Pen::Solid:
      break;
  }
  return Qt::SolidLine;
}

QPen PenOf(uint32_t colour, int width, Pen style = Pen::Solid) {
  QPen pen(ToQColor(colour), width, StyleOf(style));
  pen.setCapStyle(width > 1 ? Qt::RoundCap : Qt::SquareCap);
  pen.setJoinStyle(Qt::RoundJoin);
  return pen;
}

QPoint Q(Point p) {
  return {p.x, p.y};
}

QPolygon PolygonOf(const std::vector<Point>& points) {
  QPolygon polygon;
  polygon.reserve(static_cast<int>(points.size()));
  for (const Point& p : points)
    polygon << Q(p);
  return polygon;
}

QString TextOf(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

struct Painter {
  QPainter& p;

  void operator()(const Line& l) const {
    p.setPen(PenOf(l.colour, l.width, l.pen));
    p.drawLine(Q(l.from), Q(l.to));
  }
  void operator()(const Polyline& l) const {
    p.setPen(PenOf(l.colour, l.width));
    p.drawPolyline(PolygonOf(l.points));
  }
  void operator()(const Pixels& pixels) const {
    p.setPen(PenOf(pixels.colour, 1));
    p.drawPoints(PolygonOf(pixels.points));
  }
  // Right and bottom edges are outside the rectangle; its border is inside.
  void operator()(const Rect& r) const {
    const QRect area(QPoint(r.left, r.top), QPoint(r.right - 1, r.bottom - 1));
    if (r.radius > 0) {
      p.setPen(r.bordered ? PenOf(r.border, 1) : QPen(Qt::NoPen));
      p.setBrush(ToQColor(r.fill));
      p.drawRoundedRect(area, r.radius, r.radius);
      p.setBrush(Qt::NoBrush);
      return;
    }
    p.fillRect(area, ToQColor(r.fill));
    if (!r.bordered) return;
    p.setPen(PenOf(r.border, 1));
    p.drawRect(area.adjusted(0, 0, -1, -1));
  }
  void operator()(const Circle& c) const {
    p.setPen(PenOf(c.outline, 1));
    p.setBrush(ToQColor(c.fill));
    p.drawEllipse(Q(c.centre), c.radius, c.radius);
    p.setBrush(Qt::NoBrush);
  }
  void operator()(const Polygon& polygon) const {
    p.setPen(PenOf(polygon.fill, 1));
    p.setBrush(ToQColor(polygon.fill));
    p.drawPolygon(PolygonOf(polygon.points));
    p.setBrush(Qt::NoBrush);
  }
  void operator()(const Text& t) const {
    const QString text = TextOf(t.text);
    p.setFont(ChartFont(t.points, t.bold));
    const QFontMetrics metrics = p.fontMetrics();
    const int width = metrics.horizontalAdvance(text);
    int left = t.at.x;
    if (t.vertical || t.align == Align::Centre)
      left -= width / 2;
    else if (t.align == Align::Right)
      left -= width;
    p.save();
    if (t.vertical) {
      // Reading upwards: the text's top faces left, its middle at y.
      p.translate(t.at.x, t.at.y);
      p.rotate(-90);
      left = -width / 2;
    } else {
      p.translate(0, t.at.y);
    }
    if (t.hasBackground)
      p.fillRect(QRect(left, 0, width, metrics.height()), ToQColor(t.background));
    p.setPen(ToQColor(t.colour));
    p.drawText(left, metrics.ascent(), text);
    p.restore();
  }
};

}  // namespace

void PaintPicture(QPainter& painter, const Picture& picture) {
  const Painter paint{painter};
  for (const Shape& shape : picture.shapes)
    std::visit(paint, shape);
}

QRegion LineBounds(const Picture& picture) {
  QRegion region;
  for (const Shape& shape : picture.shapes) {
    const Line* l = std::get_if<Line>(&shape);
    if (!l) continue;
    const int margin = l->width;
    region += QRect(Q(l->from), Q(l->to)).normalized().adjusted(-margin, -margin, margin, margin);
  }
  return region;
}

// Condensed, so that the axes' labels keep clear of their titles as they do in the narrow
// faces the charts' layout was made for.
QFont ChartFont(int points, bool bold) {
  QFont font = QApplication::font();
  font.setPointSize(points);
  font.setStretch(QFont::Condensed);
  font.setBold(bold);
  return font;
}

int ChartTextWidth(std::string_view text, int points) {
  return QFontMetrics(ChartFont(points)).horizontalAdvance(TextOf(text));
}

int ChartTextHeight(int points) {
  return QFontMetrics(ChartFont(points)).height();
}
