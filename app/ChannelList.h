#pragma once

#include "app/PanelColours.h"
#include "app/RowScroller.h"

class TSterownik;
class UiServices;

// The scope's channel list in the left panel: one row per trace the scope can draw, with its
// colour and whether it is shown (flag 0x10).
class ChannelList : public RowScroller {
  Q_OBJECT

 public:
  ChannelList(TSterownik& link, UiServices& ui, QWidget* parent);

  int RowCount() const override;
  QString RowText(int row) const;
  void SetColours(const PanelColours& colours);

 signals:
  void ChannelsChanged();
  // The installer agreed to long records for a trace that needs them.
  void LongRecordsChosen();

 protected:
  // The cell side: the rows share the height, between 18 and 22 pixels each.
  int RowHeight() const override;
  QColor Background() const override { return colours_.window; }
  void PaintRow(QPainter& p, int row, const QRect& rect) override;
  void PressRow(int row, int x) override;

 private:
  int Definition(int row) const;

  TSterownik& link_;
  UiServices& ui_;
  PanelColours colours_{};
};
