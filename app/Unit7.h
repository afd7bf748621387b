#pragma once

#include <QWidget>
#include <vector>

#include "app/PanelColours.h"

class ParameterGrid;

// The large-print window: up to six readings in letters big enough to read from the car.
class TForm7 : public QWidget {
  Q_OBJECT

 public:
  TForm7(const ParameterGrid& readings, QWidget* parent = nullptr);

  // Picks a row of the readings panel; a seventh is ignored.
  void Pick(int row);
  int PickedCount() const { return static_cast<int>(rows_.size()); }
  void SetColours(const PanelColours& colours);

 protected:
  void paintEvent(QPaintEvent*) override;
  void hideEvent(QHideEvent*) override;

 private:
  const ParameterGrid& readings_;
  std::vector<int> rows_;
  PanelColours colours_{};
};
