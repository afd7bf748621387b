#pragma once

#include <QDialog>

#include "app/PanelColours.h"

class TSterownik;

// The parameter list window: the installer ticks which live parameters the readings panel
// shows.
class TFormParam : public QDialog {
  Q_OBJECT

 public:
  TFormParam(TSterownik& link, const PanelColours& colours, QWidget* parent = nullptr);

  int RowCount() const;
  // A press on a row, as the mouse gives it.
  void PressRow(int row);

 protected:
  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  int RowHeight() const;

  TSterownik& link_;
  PanelColours colours_;
};
