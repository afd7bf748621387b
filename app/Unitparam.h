#pragma once

#include <QDialog>

#include "app/PanelColours.h"
#include "app/RowScroller.h"

class TSterownik;
class ParameterRows;

// The parameter list window: the installer ticks which live parameters the readings panel
// shows.
class TFormParam : public QDialog {
  Q_OBJECT

 public:
  TFormParam(TSterownik& link, const PanelColours& colours, QWidget* parent = nullptr);

  int RowCount() const;
  // A press on a row, as the mouse gives it.
  void PressRow(int row);
  ParameterRows& rows() { return *rows_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  ParameterRows* rows_;
};

// The rows of the parameter list, scrolled when they need more room than the screen gives.
class ParameterRows : public RowScroller {
 public:
  ParameterRows(TSterownik& link, const PanelColours& colours, QWidget* parent);

  int RowCount() const override;
  int RowHeight() const override;
  void PressRow(int row, int x) override;

 protected:
  QColor Background() const override { return colours_.window; }
  void PaintRow(QPainter& p, int row, const QRect& rect) override;

 private:
  TSterownik& link_;
  PanelColours colours_;
};
