#pragma once

#include <QImage>
#include <QRegion>
#include <QWidget>
#include <functional>
#include <optional>

#include "charts/ChartColours.h"
#include "charts/ChartPictures.h"
#include "charts/DiagnosticCharts.h"
#include "charts/LiveCursor.h"
#include "charts/MultiplierNodes.h"
#include "charts/PlotGeometry.h"
#include "charts/TableClipboard.h"
#include "charts/TableEdits.h"
#include "charts/TableLayout.h"

class QLineEdit;
class QPainter;
class TSterownik;
struct DecodedStatus;

// The map view: draws the chart kind the main window picks. The background picture is drawn
// only when the data or the size change; the data are composed over a copy of it; the live
// cursor is drawn straight on the screen and erased by drawing it again. Every number it draws
// comes from the core's pictures; the widget paints them and forwards the mouse and the keys.
// Created hidden; the main window shows it with a chart kind.
class TGrafika : public QWidget {
  Q_OBJECT

 public:
  TGrafika(TSterownik& link, QWidget* parent = nullptr);

  // The chart kind (-1 shows only the window background).
  void UstawRodzaj(int kind);
  int RodzajWykresu() const { return rodzajWykresu_; }
  void RysujTlo();
  void Odswiez();
  // RysujTlo and Odswiez when shown: the data changed.
  void Przerysuj();
  void Ukryj();
  // 0 petrol, 1 gas, 2 deviation (clamped).
  void UstawWidok(int view);
  int Widok() const { return widok_; }
  void UstawFlagiAdmin(int flags);
  void SetColours(const chart::ChartColours& colours);
  // Options kept in the configuration.
  void SetDeviationPoints(bool on);
  bool DeviationPoints() const { return punktyOdchylki_; }
  void SetGasPressureShown(bool on);
  bool GasPressureShown() const { return pokazCisnienieGazu_; }
  int GornaTabela() const { return gornaTabela_; }
  void SetGornaTabela(int table);

  // The tables (TgrafikaTables.cpp). The block edit of the "+" (151) and "-" (152) buttons.
  void ZmienZaznaczone(int code);
  void WygladzKorekty();
  void AutomatycznyZakres();
  // The RPM corrections' rows by load or by injection time, and the button's text id.
  void ZmienOsKorekt();
  int TekstOsiKorekt() const;
  void UstawZmianeSasiednich(bool on) { zmianaSasiednich_ = on; }
  void KasujKorektyObrotowBanku();
  // The cell editor back to its one-pixel place outside the view; no cell is edited.
  void ParkujEdytor();
  // For window tests: the grids as laid out now, and the selected block.
  chart::TableGrids Grids() const;
  // Below the tables' least size the view grows and its scroll area scrolls.
  void KeepTablesReadable();
  chart::Block Selection() const;

  // The live cursor from every status frame.
  void PokazBiezace(const DecodedStatus& status);
  // Keys the main window forwards; true when the view took the key. The plot kinds take keys
  // only while their key sink has the focus, and the sink forwards its own keys: the main
  // window forwards the keys that reach other widgets than KeySink().
  bool KlawiszWidoku(int key, bool shift, bool ctrl);
  QWidget* KeySink() const;
  // The multiplier of the bank in view back to neutral (after the installer's Yes).
  void KasujMnoznikBanku();
  // The correction curve shown back to a flat line without correction (after the installer's
  // Yes); nothing for the other kinds.
  void KasujKrzywa();
  // Focus to the keyboard sink of the plot kinds.
  void DajFokus();

  // For window tests: the last composed picture as the screen shows it.
  QImage Snapshot() const { return composite_; }
  chart::PlotGeometry Geometry() const { return plot_; }
  int WybranyWezel() const { return wybranyWezel_; }
  int WybranyPunkt() const { return wybranyPunkt_; }
  // Where the live cursor is drawn over the picture, if anywhere.
  std::optional<chart::LiveCursor> LiveCursorShown() const { return cursor_; }

 signals:
  // The installer changed data the other views show (a multiplier node, a curve, a table).
  void DataChanged();
  // The installer switched the table above the RPM corrections: the tool panel follows.
  void ToolsChanged();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  chart::ViewState State() const;
  void PressOnMap(QPoint at, bool rightButton);
  // Carries out what a node edit asks: a store through the link, a repaint or a beep.
  void Apply(chart::Edit edit, const std::function<void()>& store);
  // The correction curves' keys, presses and the repair of a record that cannot be drawn
  // (TgrafikaCurves.cpp).
  void KeyOnCurve(chart::NodeKey key, bool ctrl);
  void PressOnCurve(QPoint at, bool rightButton);
  void RepairCurve();
  QRegion CursorRegion(const std::optional<chart::LiveCursor>& cursor) const;

  // The tables (TgrafikaTables.cpp).
  enum class Grid { Main, Upper };
  struct GridCellAt {
    Grid grid;
    chart::GridPosition cell;
  };
  std::optional<GridCellAt> TableCellAt(QPoint at) const;
  void PressOnTables(QPoint at, bool shift);
  void DoubleClickOnTables(QPoint at);
  void DragOverTables(QPoint at);
  bool TableKey(int key, Qt::KeyboardModifiers held);
  bool EditorKey(int key);
  bool LiveCellKey(int key);
  void MoveSelection(int key, bool extend);
  void BlockEdit(chart::BlockKey key);
  void OpenCellEditor(GridCellAt at);
  void CommitCellEditor();
  void CopySelection();
  void PasteAtSelection();
  void ApplyTableEdit(chart::TableEdit edit);
  // Records the table's bytes before an edit for the undo, then applies what the edit asks.
  void EditTable(const chart::TableView& view, const std::function<chart::TableEdit()>& edit);
  void ShowLiveCells(const DecodedStatus& status);
  void PaintLiveCells(QPainter& painter) const;
  QRegion LiveCellRegion(Grid grid, const std::optional<chart::GridCell>& cell) const;
  chart::TableView TableInEditor(Grid grid) const;
  bool GridKindShown() const;

  TSterownik& link_;
  int rodzajWykresu_ = 1;
  int widok_ = 2;
  int gornaTabela_ = 0;
  int wybranyWezel_ = -1;
  int wybranyPunkt_ = -1;
  int flagiAdmin_ = 0;
  bool punktyOdchylki_ = false;
  bool pokazCisnienieGazu_ = false;
  chart::ChartColours colours_;
  chart::PlotGeometry plot_;
  chart::DiagnosticState diagnosticState_;
  QImage background_;
  QImage composite_;
  QLineEdit* keySink_ = nullptr;
  bool painting_ = false;
  std::optional<chart::LiveCursor> cursor_;
  // The tables' selection (grid columns and rows 1..16), the last pressed cell and the cell
  // open in the editor, the live cells, the press counters and the last edit for the undo.
  chart::GridPosition selectionAnchor_{1, 1};
  chart::GridPosition selectionEnd_{1, 1};
  chart::GridPosition lastPressed_;
  std::optional<GridCellAt> edited_;
  std::optional<chart::GridCell> liveCell_;
  std::optional<chart::GridCell> upperLiveCell_;
  chart::PressCounters presses_;
  bool zmianaSasiednich_ = false;
  chart::TableUndo undo_;
};
