#include "app/Unit7.h"

#include <QPainter>

#include "app/ParameterGrid.h"

namespace {

// The largest size from `largest` down to 7 at which the sample fits the cell.
int FittingSize(QFont font, const QString& sample, int width, int height, int largest) {
  for (int size = largest; size > 7; --size) {
    font.setPointSize(size);
    const QFontMetrics m(font);
    if (m.horizontalAdvance(sample) + 5 < width && m.height() < height) return size;
  }
  return 7;
}

}  // namespace

TForm7::TForm7(const ParameterGrid& readings, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint), readings_(readings) {
  setWindowTitle(QStringLiteral("MALVER"));
  resize(420, 300);
}

void TForm7::Pick(int row) {
  if (rows_.size() >= 6) return;
  rows_.push_back(row);
  update();
}

void TForm7::SetColours(const PanelColours& colours) {
  colours_ = colours;
  update();
}

void TForm7::hideEvent(QHideEvent*) {
  rows_.clear();
}

void TForm7::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), colours_.window);
  if (rows_.empty()) return;
  const int count = static_cast<int>(rows_.size());
  const bool single = count == 1;
  const int columnWidth = single ? width() - 1 : (width() - 1) / 2;
  const int rowHeight = single ? (height() - 1) / 2 : (height() - 1) / count;
  QFont measure = font();
  measure.setBold(true);
  const QFontMetrics bold(measure);
  QString widest;
  for (int row : rows_)
    if (row < readings_.RowCount() &&
        bold.horizontalAdvance(readings_.NameText(row)) > bold.horizontalAdvance(widest))
      widest = readings_.NameText(row);
  QFont nameFont = font(), valueFont = font();
  nameFont.setPointSize(FittingSize(measure, widest, columnWidth, rowHeight, 60));
  valueFont.setBold(true);
  valueFont.setPointSize(
      FittingSize(valueFont, QStringLiteral("3000,00"), columnWidth, rowHeight, 80));
  for (int i = 0; i < count; ++i) {
    const int row = rows_[static_cast<size_t>(i)];
    if (row >= readings_.RowCount()) continue;
    const QRect name = single ? QRect(0, 0, columnWidth, rowHeight)
                              : QRect(0, i * rowHeight, columnWidth, rowHeight);
    const QRect value = single ? QRect(0, rowHeight, columnWidth, rowHeight)
                               : QRect(columnWidth, i * rowHeight, columnWidth, rowHeight);
    p.fillRect(name, colours_.light);
    p.setFont(nameFont);
    p.setPen(colours_.text);
    p.drawText(name, Qt::AlignCenter, readings_.NameText(row));
    p.fillRect(value, colours_.valueBackground);
    p.setFont(valueFont);
    p.setPen(colours_.secondaryText);
    p.drawText(value, Qt::AlignCenter, readings_.ValueText(row));
  }
}
