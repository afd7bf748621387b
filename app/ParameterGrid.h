#pragma once

#include <QWidget>
#include <vector>

#include "app/PanelColours.h"

class TSterownik;

// The readings panel: one row per live parameter of the readings set (flag 0x20), name with
// unit on the left, value on the right.
class ParameterGrid : public QWidget {
  Q_OBJECT

 public:
  ParameterGrid(TSterownik& link, QWidget* parent);

  // Rows follow the link's definitions; values start blank.
  void Rebuild();
  // Writes the values that changed in the last status frame; true when something changed.
  bool UpdateValues();
  void SetColours(const PanelColours& colours);
  void SetVariant(int variant);
  void SetRowHeight(int height);
  int RowCount() const { return static_cast<int>(values_.size()); }
  QString ValueText(int row) const { return values_[static_cast<size_t>(row)]; }
  QString NameText(int row) const;

 signals:
  void RowDoubleClicked(int row);

 protected:
  void paintEvent(QPaintEvent*) override;
  void resizeEvent(QResizeEvent*) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  void FitFonts();
  int Definition(int row) const;

  TSterownik& link_;
  std::vector<QString> values_;
  PanelColours colours_{};
  int variant_ = 0;
  int rowHeight_ = 20;
  QFont nameFont_, valueFont_;
};
