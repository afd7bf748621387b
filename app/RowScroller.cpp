#include "app/RowScroller.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

RowScroller::RowScroller(QWidget* parent) : QAbstractScrollArea(parent) {
  setFrameShape(QFrame::NoFrame);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

void RowScroller::UpdateRange() {
  const int h = RowHeight();
  QScrollBar* bar = verticalScrollBar();
  bar->setRange(0, std::max(0, RowCount() * h - viewport()->height()));
  bar->setSingleStep(h);
  bar->setPageStep(viewport()->height());
}

int RowScroller::RowAt(int y) const {
  const int row = (y + verticalScrollBar()->value()) / RowHeight();
  return y >= 0 && row < RowCount() ? row : -1;
}

QRect RowScroller::ShowRow(int row) {
  UpdateRange();
  const int h = RowHeight();
  QScrollBar* bar = verticalScrollBar();
  if (row * h < bar->value()) bar->setValue(row * h);
  if ((row + 1) * h > bar->value() + viewport()->height())
    bar->setValue((row + 1) * h - viewport()->height());
  return {0, row * h - bar->value(), viewport()->width(), h};
}

void RowScroller::paintEvent(QPaintEvent*) {
  UpdateRange();
  QPainter p(viewport());
  p.fillRect(viewport()->rect(), Background());
  const int h = RowHeight();
  const int offset = verticalScrollBar()->value();
  const int first = offset / h;
  const int last = std::min(RowCount() - 1, (offset + viewport()->height()) / h);
  for (int row = first; row <= last; ++row)
    PaintRow(p, row, QRect(0, row * h - offset, viewport()->width(), h));
}

void RowScroller::mousePressEvent(QMouseEvent* event) {
  const int row = RowAt(static_cast<int>(event->position().y()));
  if (row >= 0) PressRow(row, static_cast<int>(event->position().x()));
}
