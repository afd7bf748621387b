#pragma once

#include <QFont>
#include <vector>

#include "app/PanelColours.h"
#include "app/RowScroller.h"

class TSterownik;
struct Wykres;

// The readings panel: one row per live parameter of the readings set (flag 0x20), name with
// unit on the left, value on the right.
class ParameterGrid : public RowScroller {
  Q_OBJECT

 public:
  ParameterGrid(TSterownik& link, QWidget* parent);

  // Rows follow the link's definitions; values start blank.
  void Rebuild();
  // Writes the values that changed in the last status frame; true when something changed.
  // Rows that no longer match the definitions shown are rebuilt first.
  bool UpdateValues();
  void SetColours(const PanelColours& colours);
  void SetVariant(int variant);
  void SetRowHeight(int height);
  int RowCount() const override { return static_cast<int>(definitions_.size() + obdRows_.size()); }
  // The height that shows every row.
  int FullHeight() const { return (rowHeight_ + 1) * RowCount() + 3; }
  const QFont& NameFont() const { return nameFont_; }
  const QFont& ValueFont() const { return valueFont_; }
  QString ValueText(int row) const;
  // The PIDs the OBD link polls follow the live parameters, one row each; a changed count
  // reports RowsChanged.
  void SetObdRowCount(int count);
  void SetObdRow(int index, const QString& name, const QString& value);
  QString NameText(int row) const;

 signals:
  void RowDoubleClicked(int row);
  void RowsChanged();

 protected:
  int RowHeight() const override { return rowHeight_ + 1; }
  QColor Background() const override { return colours_.window; }
  void PaintRow(QPainter& p, int row, const QRect& rect) override;
  void PressRow(int, int) override {}
  void resizeEvent(QResizeEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  void FitFonts();
  std::vector<int> ShownDefinitions() const;
  const Wykres& DefinitionOf(int row) const;
  int ParameterRows() const { return static_cast<int>(definitions_.size()); }
  void PaintParameter(QPainter& p, int row, const QRect& name, const QRect& value);

  TSterownik& link_;
  std::vector<int> definitions_;  // the definition of each row
  std::vector<QString> values_;
  struct ObdRow {
    QString name, value;
  };
  std::vector<ObdRow> obdRows_;
  PanelColours colours_{};
  int variant_ = 0;
  int rowHeight_ = 20;
  QFont nameFont_, valueFont_;
};
