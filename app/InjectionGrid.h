#pragma once

#include <QFont>
#include <array>

#include "app/PanelColours.h"
#include "app/RowScroller.h"

class TSterownik;
struct DecodedStatus;
struct InjectionRow;

// The per-injector petrol and gas injection times, with each channel's switch-off box.
class InjectionGrid : public RowScroller {
  Q_OBJECT

 public:
  InjectionGrid(TSterownik& link, QWidget* parent);

  int RowCount() const override { return rows_; }
  // Rows follow the link's injector count; every time is shown afresh.
  void Reset();
  void SetCollapsed(bool collapsed);
  bool Collapsed() const { return collapsed_; }
  // Times of the last status frame; true when a cell changed (or the row count did).
  bool UpdateTimes(const DecodedStatus& status);
  void SetColours(const PanelColours& colours, int scheme);
  void SetVariant(int variant);
  void SetRowHeight(int height);
  // The readings panel's fitted fonts: labels in its name font, times one point below its
  // value font.
  void SetFonts(const QFont& name, const QFont& value);
  // The height that shows every row.
  int FullHeight() const { return (rowHeight_ + 1) * rows_ + 3; }
  QString PetrolText(int row) const { return texts_[static_cast<size_t>(row)][0]; }
  QString GasText(int row) const { return texts_[static_cast<size_t>(row)][1]; }
  // Where column 2 (the switch-off box) of a row lies in the viewport, scrolled into view.
  QRect SwitchOffCell(int row);

 signals:
  void RowsChanged();

 protected:
  int RowHeight() const override { return rowHeight_ + 1; }
  QColor Background() const override { return colours_.window; }
  void PaintRow(QPainter& p, int row, const QRect& rect) override;
  void PressRow(int row, int x) override;

 private:
  std::array<int, 4> ColumnWidths() const;
  void PaintLabels(QPainter& p, const InjectionRow& look, const std::array<QRect, 4>& cells);
  void PaintSwitchOffBox(QPainter& p, const InjectionRow& look, const QRect& cell);
  void PaintValue(QPainter& p, const QRect& cell, const InjectionRow& look, int row, bool petrol);

  TSterownik& link_;
  int rows_ = 0;
  bool collapsed_ = false;
  int variant_ = 0;
  int rowHeight_ = 20;
  int scheme_ = 0;
  std::array<double, 16> lastTimes_{};
  std::array<std::array<QString, 2>, 8> texts_{};
  PanelColours colours_{};
  QFont nameFont_, valueFont_;
};
