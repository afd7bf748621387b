#include "app/InjectionGrid.h"

#include <QPainter>

#include "app/FittedValue.h"
#include "app/TickBox.h"
#include "app/WindowRules.h"
#include "controller/InjectionRows.h"
#include "controller/NumberText.h"
#include "controller/Tsterownik.h"

namespace {

constexpr double kUnshown = 0.0001;
const QColor kCellFrame(128, 128, 128);

}  // namespace

InjectionGrid::InjectionGrid(TSterownik& link, QWidget* parent) : RowScroller(parent), link_(link) {
  valueFont_.setBold(true);
  Reset();
}

void InjectionGrid::Reset() {
  lastTimes_.fill(kUnshown);
  for (auto& row : texts_)
    row = {QString(), QString()};
  rows_ = InjectionRowCount(link_, collapsed_);
  viewport()->update();
}

void InjectionGrid::SetCollapsed(bool collapsed) {
  collapsed_ = collapsed;
  Reset();
  emit RowsChanged();
}

void InjectionGrid::SetColours(const PanelColours& colours, int scheme) {
  colours_ = colours;
  scheme_ = scheme;
  viewport()->update();
}

void InjectionGrid::SetVariant(int variant) {
  variant_ = variant;
  viewport()->update();
}

void InjectionGrid::SetRowHeight(int height) {
  rowHeight_ = height;
  viewport()->update();
}

void InjectionGrid::SetFonts(const QFont& name, const QFont& value) {
  nameFont_ = name;
  nameFont_.setBold(false);
  valueFont_ = value;
  valueFont_.setBold(true);
  valueFont_.setPointSize(std::max(6, value.pointSize() - 1));
  viewport()->update();
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
      texts_[static_cast<size_t>(row)][static_cast<size_t>(fuel)] =
          Q(FormatNumber(ms, 2, link_.DecimalSeparator()));
      changed = true;
    }
  }
  if (changed) viewport()->update();
  return changed;
}

std::array<int, 4> InjectionGrid::ColumnWidths() const {
  const int w = viewport()->width();
  const std::array<int, 4> widths = {w * 10 / 100, w * 35 / 100, w * 20 / 100, 0};
  return {widths[0], widths[1], widths[2], w - widths[0] - widths[1] - widths[2] - 3};
}

QRect InjectionGrid::SwitchOffCell(int row) {
  const QRect line = ShowRow(row);
  const auto widths = ColumnWidths();
  return {widths[0] + widths[1] + 2, line.top(), widths[2], rowHeight_};
}

void InjectionGrid::PaintRow(QPainter& p, int row, const QRect& rect) {
  const InjectionRow look = InjectionRowOf(link_, row);
  const auto widths = ColumnWidths();
  std::array<QRect, 4> cells;
  int x = 0;
  for (size_t c = 0; c < cells.size(); ++c) {
    cells[c] = QRect(x, rect.top(), widths[c], rowHeight_);
    x += widths[c] + 1;
  }
  for (size_t c : {0u, 2u}) {
    p.fillRect(cells[c], colours_.light);
    p.setPen(kCellFrame);
    p.drawRect(cells[c].adjusted(0, 0, -1, -1));
  }
  if (look.coloured) {
    const QColor colour = ToQColor(ChannelColourInScheme(look.colour, scheme_));
    p.fillRect(cells[0].adjusted(1, 1, -1, -1), colour);
    p.fillRect(QRect(cells[2].left() + 1, rect.top() + 1, cells[2].width() / 2, rowHeight_ - 2),
               colour);
  }
  PaintLabels(p, look, cells);
  if (look.switchOffBox) PaintSwitchOffBox(p, look, cells[2]);
  PaintValue(p, cells[1], look, row, true);
  PaintValue(p, cells[3], look, row, false);
}

// The channel's label in column 0 and, in column 2, its cylinders centred as wide as column 0.
void InjectionGrid::PaintLabels(QPainter& p, const InjectionRow& look,
                                const std::array<QRect, 4>& cells) {
  const int trace = look.gasTrace;
  QColor colour = variant_ == 1 && trace >= 0
                      ? ToQColor(link_.ListaWykresow()[static_cast<size_t>(trace)].kolor)
                      : colours_.text;
  if (look.blackLabels) colour = Qt::black;
  p.setPen(colour);
  p.setFont(nameFont_);
  p.drawText(cells[0], Qt::AlignCenter, Q(look.label));
  QFont font = nameFont_;
  const QString cylinders = Q(look.cylinders);
  int offset = (cells[0].width() - QFontMetrics(font).horizontalAdvance(cylinders)) / 2;
  if (offset < 0) {
    offset = 0;
    if (font.pointSize() > 9) font.setPointSize(font.pointSize() - 2);
  }
  p.setFont(font);
  p.drawText(cells[2].adjusted(offset, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, cylinders);
}

void InjectionGrid::PaintSwitchOffBox(QPainter& p, const InjectionRow& look, const QRect& cell) {
  const QRect box(cell.right() - 18, cell.top() + (rowHeight_ - 16) / 2, 16, 16);
  PaintTickBox(p, box, look.switchedOn, colours_.text, colours_.listBackground, QColor(0, 128, 0));
}

void InjectionGrid::PaintValue(QPainter& p, const QRect& cell, const InjectionRow& look, int row,
                               bool petrol) {
  if (!look.active) {
    p.fillRect(cell, colours_.light);
    return;
  }
  p.fillRect(cell, colours_.valueBackground);
  if (petrol && !look.bankLabel.empty()) {
    QFont small = nameFont_;
    small.setPointSize(valueFont_.pointSize() / 2 + 1);
    p.setFont(small);
    p.setPen(colours_.text);
    p.drawText(cell.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignTop, Q(look.bankLabel));
  }
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
  QColor text = petrol ? QColor(255, 0, 0) : QColor(0, 160, 0);
  if (variant_ == 1) text = colours_.text;
  if (petrol && look.portInjection) text = colours_.secondaryText;
  p.setPen(text);
  DrawValue(p, cell.adjusted(0, 0, -2, 0), Qt::AlignRight | Qt::AlignVCenter,
            texts_[static_cast<size_t>(row)][petrol ? 0 : 1], {}, OneFace(valueFont_, 6));
}

void InjectionGrid::PressRow(int row, int x) {
  const auto widths = ColumnWidths();
  const int columnTwo = widths[0] + widths[1] + 2;
  if (x < columnTwo || x >= columnTwo + widths[2]) return;
  link_.ToggleInjector(row);
  viewport()->update();
}
