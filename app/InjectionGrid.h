#pragma once

#include <QWidget>
#include <array>

#include "app/PanelColours.h"

class TSterownik;
struct DecodedStatus;
struct InjectionRow;

// The per-injector petrol and gas injection times, with each channel's switch-off box.
class InjectionGrid : public QWidget {
  Q_OBJECT

 public:
  InjectionGrid(TSterownik& link, QWidget* parent);

  int RowCount() const { return rows_; }
  // Rows follow the link's injector count; every time is shown afresh.
  void Reset();
  void SetCollapsed(bool collapsed);
  bool Collapsed() const { return collapsed_; }
  // Times of the last status frame; true when a cell changed (or the row count did).
  bool UpdateTimes(const DecodedStatus& status);
  void SetColours(const PanelColours& colours);
  void SetVariant(int variant);
  void SetRowHeight(int height);
  QString PetrolText(int row) const { return texts_[static_cast<size_t>(row)][0]; }
  QString GasText(int row) const { return texts_[static_cast<size_t>(row)][1]; }

 signals:
  void RowsChanged();

 protected:
  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  std::array<int, 4> ColumnWidths() const;
  void PaintValue(QPainter& p, const QRect& cell, const InjectionRow& look, int row, bool petrol);

  TSterownik& link_;
  int rows_ = 0;
  bool collapsed_ = false;
  int variant_ = 0;
  int rowHeight_ = 20;
  std::array<double, 16> lastTimes_{};
  std::array<std::array<QString, 2>, 8> texts_{};
  PanelColours colours_{};
  QFont font_;
};
