#include "app/InjectionGrid.h"

#include <QMouseEvent>
#include <QPainter>

#include "app/WindowRules.h"
#include "controller/InjectionRows.h"
#include "controller/Tsterownik.h"

namespace {

constexpr double kUnshown = 0.0001;

}  // namespace

InjectionGrid::InjectionGrid(TSterownik& link, QWidget* parent) : QWidget(parent), link_(link) {
  font_.setBold(true);
  Reset();
}

void InjectionGrid::Reset() {
  lastTimes_.fill(kUnshown);
  for (auto& row : texts_)
    row = {QString(), QString()};
  rows_ = InjectionRowCount(link_, collapsed_);
  setFixedHeight((rowHeight_ + 1) * rows_ + 3);
  update();
}

void InjectionGrid::SetCollapsed(bool collapsed) {
  collapsed_ = collapsed;
  Reset();
  emit RowsChanged();
}

void InjectionGrid::SetColours(const PanelColours& colours) {
  colours_ = colours;
  update();
}

void InjectionGrid::SetVariant(int variant) {
  variant_ = variant;
  update();
}

void InjectionGrid::SetRowHeight(int height) {
  rowHeight_ = height;
  font_.setPixelSize(std::max(8, height * 6 / 10));
  setFixedHeight((rowHeight_ + 1) * rows_ + 3);
  update();
}

bool InjectionGrid::UpdateTimes(const DecodedStatus& status) {
  if (InjectionRowCount(link_, collapsed_) != rows_) {
    Reset();
    emit RowsChanged();
  }
  bool changed = false;
  for (int row = 0; row < rows_ && row < status.channels; ++row) {
    const InjectionTime& t = status.injection[static_cast<size_t>(row)];
    for (int fuel = 0; fuel < 2; ++fuel) {
      const double ms = fuel == 0 ? t.petrolMs : t.gasMs;
      double& last = lastTimes_[static_cast<size_t>(fuel * 8 + row)];
      if (ms == last) continue;
      last = ms;
      texts_[static_cast<size_t>(row)][static_cast<size_t>(fuel)] = QString::number(ms, 'f', 2);
      changed = true;
    }
  }
  if (changed) update();
  return changed;
}

std::array<int, 4> InjectionGrid::ColumnWidths() const {
  const int w = width();
  const std::array<int, 4> widths = {w * 10 / 100, w * 35 / 100, w * 20 / 100, 0};
  return {widths[0], widths[1], widths[2], w - widths[0] - widths[1] - widths[2] - 3};
}

void InjectionGrid::PaintValue(QPainter& p, const QRect& cell, const InjectionRow& look, int row,
                               bool petrol) {
  if (!look.active) {
    p.fillRect(cell, colours_.light);
    return;
  }
  p.fillRect(cell, colours_.valueBackground);
  const QString& text = texts_[static_cast<size_t>(row)][petrol ? 0 : 1];
  if (variant_ == 1) {
    const double shown = lastTimes_[static_cast<size_t>((petrol ? 0 : 8) + row)];
    const double ms = shown * (petrol ? look.petrolBarScale : 1.0);
    const double f = std::clamp(ms, 0.0, 25.0) * 0.04;
    const int trace = petrol ? look.petrolTrace : look.gasTrace;
    const QColor colour = trace >= 0
                              ? ToQColor(link_.ListaWykresow()[static_cast<size_t>(trace)].kolor)
                              : colours_.text;
    p.fillRect(QRectF(cell.left() + 1, cell.bottom() - 5, f * (cell.width() - 2), 5), colour);
  }
  p.setFont(font_);
  p.setPen(variant_ == 1 ? colours_.text : petrol ? QColor(255, 0, 0) : QColor(0, 160, 0));
  p.drawText(cell.adjusted(0, 0, -2, 0), Qt::AlignRight | Qt::AlignVCenter, text);
}

void InjectionGrid::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), colours_.window);
  const auto widths = ColumnWidths();
  QFont labelFont = font_;
  labelFont.setBold(false);
  for (int row = 0; row < rows_; ++row) {
    const InjectionRow look = InjectionRowOf(link_, row);
    const int top = row * (rowHeight_ + 1);
    int x = 0;
    std::array<QRect, 4> cells;
    for (int c = 0; c < 4; ++c) {
      cells[c] = QRect(x, top, widths[c], rowHeight_);
      x += widths[c] + 1;
    }
    for (int c : {0, 2}) {
      p.fillRect(cells[c], colours_.light);
      p.setPen(QColor(128, 128, 128));
      p.drawRect(cells[c].adjusted(0, 0, -1, -1));
    }
    if (look.coloured) {
      p.fillRect(cells[0].adjusted(1, 1, -1, -1), ToQColor(look.colour));
      p.fillRect(QRect(cells[2].left() + 1, top + 1, cells[2].width() / 2, rowHeight_ - 2),
                 ToQColor(look.colour));
    }
    p.setFont(labelFont);
    p.setPen(colours_.text);
    p.drawText(cells[0], Qt::AlignCenter, Q(look.label));
    p.drawText(cells[2].adjusted(2, 0, -20, 0), Qt::AlignLeft | Qt::AlignVCenter,
               Q(look.cylinders));
    if (look.switchOffBox) {
      const QRect box(cells[2].right() - 18, top + (rowHeight_ - 16) / 2, 16, 16);
      p.fillRect(box, colours_.listBackground);
      p.setPen(colours_.text);
      p.drawRect(box);
      if (look.switchedOn) {
        p.setPen(QPen(QColor(0, 128, 0), 3));
        p.drawPolyline(QPolygon({QPoint(box.left() + 3, box.center().y()),
                                 QPoint(box.left() + 7, box.bottom() - 3),
                                 QPoint(box.right() - 3, box.top() + 3)}));
      }
    }
    PaintValue(p, cells[1], look, row, true);
    PaintValue(p, cells[3], look, row, false);
  }
}

void InjectionGrid::mousePressEvent(QMouseEvent* event) {
  const auto widths = ColumnWidths();
  const int x = static_cast<int>(event->position().x());
  const int row = static_cast<int>(event->position().y()) / (rowHeight_ + 1);
  const int columnTwo = widths[0] + widths[1] + 2;
  if (x < columnTwo || x >= columnTwo + widths[2] || row < 0 || row >= rows_) return;
  link_.ToggleInjector(row);
  update();
}
