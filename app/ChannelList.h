#pragma once

#include <QWidget>

#include "app/PanelColours.h"

class TSterownik;
class UiServices;

// The scope's channel list in the left panel: one row per trace the scope can draw, with its
// colour and whether it is shown (flag 0x10).
class ChannelList : public QWidget {
  Q_OBJECT

 public:
  ChannelList(TSterownik& link, UiServices& ui, QWidget* parent);

  int RowCount() const;
  QString RowText(int row) const;
  void SetColours(const PanelColours& colours);

 signals:
  void ChannelsChanged();
  // The installer agreed to long records for a trace that needs them.
  void LongRecordsChosen();

 protected:
  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  int Side() const;
  int Definition(int row) const;

  TSterownik& link_;
  UiServices& ui_;
  PanelColours colours_{};
};
