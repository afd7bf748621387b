#pragma once

#include <QAbstractScrollArea>
#include <QColor>

class QPainter;

// A painted list of equal rows that scrolls when they need more room than it has, so that the
// last row of a long list can always be reached.
class RowScroller : public QAbstractScrollArea {
 public:
  explicit RowScroller(QWidget* parent);

  // The row under a point of the viewport, or -1.
  int RowAt(int y) const;
  // Scrolls the row into view and gives its place in the viewport.
  QRect ShowRow(int row);

 protected:
  virtual int RowCount() const = 0;
  virtual int RowHeight() const = 0;
  virtual QColor Background() const = 0;
  virtual void PaintRow(QPainter& p, int row, const QRect& rect) = 0;
  // A press at `x` in the row.
  virtual void PressRow(int row, int x) = 0;

  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  void UpdateRange();
};
