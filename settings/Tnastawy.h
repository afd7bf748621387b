#pragma once

#include <QFont>
#include <QHash>
#include <QPixmap>
#include <QTimer>
#include <QWidget>
#include <optional>

#include "app/WindowRules.h"
#include "settings/EditorGeometry.h"
#include "settings/EditorLayout.h"
#include "settings/EditorLook.h"
#include "settings/PreparedTexts.h"

class QLineEdit;
class QListWidget;
class QScrollBar;
class TSterownik;
struct DecodedStatus;
struct SettingChange;

// The settings editor: the catalogue's settings laid out in pages, each value with its unit,
// stepped, picked, toggled or typed. It draws and forwards input; every rule is the core's.
class TNastawy : public QWidget {
  Q_OBJECT

 public:
  TNastawy(TSterownik& link, QWidget* parent);

  void SetViewLevel(int level);
  void SetAdministrator(bool administrator);
  void SetMode(int mode);
  void SetColours(const ColourRoles& roles, int scheme);
  // Lays the page out again for the link as it stands (a family selection, a new view).
  void Relayout();
  // Which corrections act now, from a status frame.
  void UpdateStatus(const DecodedStatus& status);

  const EditorView& view() const { return view_; }
  const EditorLayout& layout() const { return layout_; }
  std::optional<CellPosition> Selected() const { return selected_; }
  QRect CellRect(int row, int column) const;
  QRect ValueField(int row, int column) const;
  QRect MinusButton(int row, int column) const;
  QRect PlusButton(int row, int column) const;
  QRect HelpArea(int row, int column) const;

 signals:
  void Changed(const SettingChange& change);
  void HelpPanelRequested(int setting);
  void InjectorSequenceRequested();
  void LevelSensorRequested();
  void CorrectionsRequested();
  void CalculatorRequested();
  void HintChanged(const QString& hint);

 protected:
  void paintEvent(QPaintEvent*) override;
  void resizeEvent(QResizeEvent*) override;
  void showEvent(QShowEvent*) override;
  void hideEvent(QHideEvent*) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent*) override;
  void keyPressEvent(QKeyEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::optional<CellPosition> CellAt(QPoint point) const;
  int SettingAt(const CellPosition& cell) const { return layout_.Cell(cell.row, cell.column); }
  void FitFonts();
  void PlaceScrollBar();
  int ScrolledBy() const;
  void ScrollTo(int row);
  QString NameOf(int setting) const;
  void HidePopups();
  void Apply(const SettingChange& change);
  void Step(int setting, int direction);
  void PressSetting(const CellPosition& cell, QPoint point);
  void PressElement(int element, const CellPosition& cell, QPoint point);
  void OpenHelp(int setting);
  void OpenList(const CellPosition& cell);
  void OpenCodeEdit(const CellPosition& cell);
  void TypedCode(const QString& text);
  void Repeat();

  void PaintElement(QPainter& p, int element, const CellPosition& cell);
  void PaintFrames(QPainter& p);
  void PaintSetting(QPainter& p, int setting, const CellPosition& cell);
  void PaintNozzleIndicator(QPainter& p, const QRect& area);
  void PaintButtonRow(QPainter& p, const QRect& area);
  const QPixmap& FieldStamp(QSize size, const QColor& background);

  TSterownik& link_;
  EditorView view_;
  EditorLayout layout_;
  EditorGeometry geometry_;
  ColourRoles roles_{};
  EditorColours colours_{};
  QFont nameFont_, valueFont_;
  QFont valueBold_, unitFont_;  // follow valueFont_
  PreparedTexts texts_;
  QHash<QRgb, QPixmap> fieldStamps_;  // by background, all of stampSize_
  QSize stampSize_;
  std::optional<CellPosition> selected_;
  int hovered_ = -1;
  int indicator_ = 0;

  QTimer repeat_;
  int repeats_ = 0;
  QPoint pressedAt_;
  QListWidget* list_ = nullptr;
  QScrollBar* scroll_ = nullptr;
  QLineEdit* codeEdit_ = nullptr;
  int listSetting_ = -1;
};
