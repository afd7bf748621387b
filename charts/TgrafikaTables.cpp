// The map view's grid kinds: selecting cells with the mouse and the keys, the cell editor,
// block edits, the clipboard and the undo, the check marks of kind 1, the hover hint and the
// live cells. Every rule is the core's; this file turns events into its calls.

#include <QApplication>
#include <QClipboard>
#include <QHelpEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <algorithm>

#include "charts/ChartKinds.h"
#include "charts/CorrectionAxis.h"
#include "charts/PicturePainter.h"
#include "charts/TableAxes.h"
#include "charts/TableCells.h"
#include "charts/TablePicture.h"
#include "charts/TableTyping.h"
#include "charts/Tgrafika.h"
#include "controller/DecodedStatus.h"
#include "controller/Tsterownik.h"

namespace {

constexpr int kLastGridCell = chart::kGridCells - 1;
constexpr int kAdminExtras = 2;  // FlagiAdmin bit 1: the learned maps can be typed into

int TableRow(int gridRow) {
  return kLastGridCell - gridRow;
}

bool IsDataCell(chart::GridPosition cell) {
  return cell.column > 0 && cell.row > 0;
}

chart::GridPosition Clamped(chart::GridPosition cell) {
  return {std::clamp(cell.column, 1, kLastGridCell), std::clamp(cell.row, 1, kLastGridCell)};
}

QRect RectOf(const chart::CellBox& box) {
  return QRect(QPoint(box.left, box.top), QPoint(box.right - 1, box.bottom - 1));
}

}  // namespace

bool TGrafika::GridKindShown() const {
  return isVisible() && chart::IsGridKind(rodzajWykresu_);
}

void TGrafika::SetGornaTabela(int table) {
  gornaTabela_ = table;
  KeepTablesReadable();
}

void TGrafika::KeepTablesReadable() {
  if (!chart::IsGridKind(rodzajWykresu_)) return setMinimumSize(0, 0);
  const chart::ViewSize least = chart::LeastTableView(
      rodzajWykresu_, chart::ShownUpperTable(link_, gornaTabela_), ChartTextWidth, ChartTextHeight);
  setMinimumSize(least.width, least.height);
}

chart::TableGrids TGrafika::Grids() const {
  if (!chart::IsGridKind(rodzajWykresu_)) return {};
  return chart::TableGridsOf(rodzajWykresu_, chart::ShownUpperTable(link_, gornaTabela_), width(),
                             height());
}

chart::Block TGrafika::Selection() const {
  return chart::BlockFromGrid(std::min(selectionAnchor_.column, selectionEnd_.column),
                              std::max(selectionAnchor_.column, selectionEnd_.column),
                              std::min(selectionAnchor_.row, selectionEnd_.row),
                              std::max(selectionAnchor_.row, selectionEnd_.row));
}

std::optional<TGrafika::GridCellAt> TGrafika::TableCellAt(QPoint at) const {
  const chart::TableGrids grids = Grids();
  if (grids.upper)
    if (const auto cell = chart::CellAt(*grids.upper, at.x(), at.y()))
      return GridCellAt{Grid::Upper, *cell};
  if (const auto cell = chart::CellAt(grids.main, at.x(), at.y()))
    return GridCellAt{Grid::Main, *cell};
  return std::nullopt;
}

chart::TableView TGrafika::TableInEditor(Grid grid) const {
  if (grid == Grid::Upper)
    return chart::UpperTableInView(
        link_, static_cast<chart::UpperTable>(chart::ShownUpperTable(link_, gornaTabela_)),
        static_cast<chart::MapShown>(widok_));
  return chart::MainTableInView(link_, *chart::GridKindOf(rodzajWykresu_));
}

void TGrafika::ParkujEdytor() {
  edited_.reset();
  keySink_->setReadOnly(true);
  keySink_->setGeometry(-2, -2, 1, keySink_->sizeHint().height());
}

// ---- The mouse ----

void TGrafika::PressOnTables(QPoint at, bool shift) {
  if (rodzajWykresu_ == chart::kRpmCorrectionKind) {
    if (const auto table = chart::UpperTableAfterPress(link_, gornaTabela_, width(), ChartTextWidth,
                                                       at.x(), at.y())) {
      gornaTabela_ = *table;
      KeepTablesReadable();
      Przerysuj();
      emit ToolsChanged();
      return;
    }
  }
  const std::optional<GridCellAt> hit = TableCellAt(at);
  if (!hit) return;
  presses_ = {};
  if (hit->grid == Grid::Upper) {
    const bool typeable = IsDataCell(hit->cell) && widok_ != 2 && (flagiAdmin_ & kAdminExtras);
    if (typeable)
      OpenCellEditor(*hit);
    else
      ParkujEdytor();
    return;
  }
  if (!(hit->cell == lastPressed_)) ParkujEdytor();
  lastPressed_ = hit->cell;
  if (IsDataCell(hit->cell)) {
    selectionEnd_ = hit->cell;
    if (!shift) selectionAnchor_ = hit->cell;
  }
  if (!edited_) keySink_->setFocus(Qt::MouseFocusReason);
  Odswiez();
}

void TGrafika::DoubleClickOnTables(QPoint at) {
  const std::optional<GridCellAt> hit = TableCellAt(at);
  if (!hit || hit->grid != Grid::Main) return;
  const chart::GridPosition cell = lastPressed_;
  const chart::Typeable typeable = chart::TypeableOf(link_, rodzajWykresu_);
  const bool allowed = cell.row == 0      ? cell.column > 0 && typeable.columnHeaders
                       : cell.column == 0 ? typeable.rowHeaders
                                          : typeable.cells;
  if (allowed)
    OpenCellEditor({Grid::Main, cell});
  else
    ParkujEdytor();
}

void TGrafika::DragOverTables(QPoint at) {
  const std::optional<GridCellAt> hit = TableCellAt(at);
  if (!hit || hit->grid != Grid::Main) return;
  const chart::GridPosition end = Clamped(hit->cell);
  if (end == selectionEnd_) return;
  selectionEnd_ = end;
  Odswiez();
}

void TGrafika::mouseDoubleClickEvent(QMouseEvent* event) {
  if (GridKindShown()) DoubleClickOnTables(event->position().toPoint());
  QWidget::mouseDoubleClickEvent(event);
}

void TGrafika::mouseMoveEvent(QMouseEvent* event) {
  if (GridKindShown() && (event->buttons() & Qt::LeftButton))
    DragOverTables(event->position().toPoint());
  QWidget::mouseMoveEvent(event);
}

// The hover hint: a cell's value with its rpm and its row breakpoint.
bool TGrafika::event(QEvent* event) {
  if (event->type() != QEvent::ToolTip || !GridKindShown()) return QWidget::event(event);
  const auto* help = static_cast<QHelpEvent*>(event);
  const std::optional<GridCellAt> hit = TableCellAt(help->pos());
  if (!hit || !IsDataCell(hit->cell)) {
    QToolTip::hideText();
    return true;
  }
  const std::string hint = chart::CellHint(
      link_, rodzajWykresu_, hit->grid == Grid::Upper,
      static_cast<chart::UpperTable>(chart::ShownUpperTable(link_, gornaTabela_)),
      static_cast<chart::MapShown>(widok_), hit->cell.column - 1, TableRow(hit->cell.row));
  QToolTip::showText(help->globalPos(), QString::fromStdString(hint), this);
  return true;
}

// ---- The cell editor ----

void TGrafika::OpenCellEditor(GridCellAt at) {
  const chart::TableGrids grids = Grids();
  const chart::GridGeometry& grid = at.grid == Grid::Upper ? *grids.upper : grids.main;
  const chart::TableFonts fonts =
      chart::FittedFonts(link_, rodzajWykresu_, chart::ShownUpperTable(link_, gornaTabela_), grids,
                         ChartTextWidth, ChartTextHeight);
  keySink_->setGeometry(RectOf(grid.Box(at.cell)));
  keySink_->setFont(ChartFont(at.grid == Grid::Upper ? fonts.upperData : fonts.data));
  QPalette palette = keySink_->palette();
  palette.setColor(QPalette::Base, palette.color(QPalette::ToolTipBase));
  keySink_->setPalette(palette);
  keySink_->setReadOnly(false);
  keySink_->setText(QString::fromStdString(chart::GridCellText(
      link_, rodzajWykresu_, at.grid == Grid::Upper,
      static_cast<chart::UpperTable>(chart::ShownUpperTable(link_, gornaTabela_)),
      static_cast<chart::MapShown>(widok_), at.cell)));
  keySink_->selectAll();
  keySink_->raise();
  keySink_->setFocus(Qt::MouseFocusReason);
  edited_ = at;
}

bool TGrafika::EditorKey(int key) {
  if (key == Qt::Key_Escape) {
    ParkujEdytor();
    return true;
  }
  if (key != Qt::Key_Return && key != Qt::Key_Enter) return false;
  CommitCellEditor();
  return true;
}

void TGrafika::CommitCellEditor() {
  const GridCellAt at = *edited_;
  const std::string text = keySink_->text().toStdString();
  ParkujEdytor();
  const int column = at.cell.column - 1, row = TableRow(at.cell.row);
  if (at.grid == Grid::Main && at.cell.row == 0) {
    ApplyTableEdit(chart::CommitColumnHeader(link_, column, text));
  } else if (at.grid == Grid::Main && at.cell.column == 0) {
    ApplyTableEdit(chart::CommitRowHeader(link_, rodzajWykresu_, row, text));
  } else {
    const chart::TableView view = TableInEditor(at.grid);
    EditTable(view, [&] { return chart::CommitCell(link_, view, column, row, text); });
  }
  Przerysuj();
}

// ---- The keys ----

bool TGrafika::TableKey(int key, Qt::KeyboardModifiers held) {
  const bool ctrl = held & Qt::ControlModifier, alt = held & Qt::AltModifier;
  if (ctrl && key == Qt::Key_C) {
    CopySelection();
  } else if (ctrl && key == Qt::Key_V) {
    PasteAtSelection();
  } else if (ctrl && key == Qt::Key_Z) {
    const chart::TableEdit undone = undo_.Undo(link_);
    ApplyTableEdit(undone == chart::TableEdit::None ? chart::TableEdit::Beep : undone);
  } else if ((ctrl || alt) && (key == Qt::Key_Up || key == Qt::Key_Down)) {
    const bool up = key == Qt::Key_Up;
    BlockEdit(ctrl ? (up ? chart::BlockKey::Increase : chart::BlockKey::Decrease)
                   : (up ? chart::BlockKey::IncreaseAll : chart::BlockKey::DecreaseAll));
  } else if (key == Qt::Key_Delete) {
    BlockEdit(chart::BlockKey::Delete);
  } else if (key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_Left ||
             key == Qt::Key_Right) {
    MoveSelection(key, held & Qt::ShiftModifier);
  } else {
    return LiveCellKey(key);
  }
  return true;
}

void TGrafika::MoveSelection(int key, bool extend) {
  chart::GridPosition end = selectionEnd_;
  end.column += key == Qt::Key_Right ? 1 : key == Qt::Key_Left ? -1 : 0;
  end.row += key == Qt::Key_Down ? 1 : key == Qt::Key_Up ? -1 : 0;
  selectionEnd_ = Clamped(end);
  if (!extend) selectionAnchor_ = selectionEnd_;
  Odswiez();
}

void TGrafika::BlockEdit(chart::BlockKey key) {
  const chart::GridKind* kind = chart::GridKindOf(rodzajWykresu_);
  if (!kind) return;
  EditTable(TableInEditor(Grid::Main), [&] {
    return chart::EditBlock(link_, *kind, Selection(), key, zmianaSasiednich_, presses_);
  });
}

// Kind 1's "+" and "-" step the cell the engine runs in, whatever is selected.
bool TGrafika::LiveCellKey(int key) {
  if (rodzajWykresu_ != chart::kRpmCorrectionKind || (key != Qt::Key_Plus && key != Qt::Key_Minus))
    return false;
  EditTable(TableInEditor(Grid::Main),
            [&] { return chart::StepLiveCell(link_, liveCell_, key == Qt::Key_Plus ? 1 : -1); });
  return true;
}

void TGrafika::CopySelection() {
  const std::string text = chart::CopyBlock(link_, TableInEditor(Grid::Main), Selection());
  QGuiApplication::clipboard()->setText(QString::fromStdString(text));
}

// The clipboard's block lands with its top left cell on the selection's.
void TGrafika::PasteAtSelection() {
  const std::string text = QGuiApplication::clipboard()->text().toStdString();
  const chart::TableView view = TableInEditor(Grid::Main);
  const chart::Block block = Selection();
  std::string refusal;
  EditTable(view, [&] {
    const chart::PasteResult pasted = chart::PasteBlock(link_, view, block.left, block.top, text);
    refusal = pasted.message;
    return pasted.edit;
  });
  if (!refusal.empty())
    QMessageBox::warning(this, QStringLiteral("MALVER"), QString::fromStdString(refusal));
}

// ---- Edits ----

void TGrafika::EditTable(const chart::TableView& view,
                         const std::function<chart::TableEdit()>& edit) {
  chart::TableSnapshot before = chart::SnapshotOf(link_, view);
  const chart::TableEdit result = edit();
  undo_.Record(std::move(before), result);
  ApplyTableEdit(result);
}

void TGrafika::ApplyTableEdit(chart::TableEdit edit) {
  switch (edit) {
    case chart::TableEdit::None:
      return;
    case chart::TableEdit::Beep:
      QApplication::beep();
      return;
    case chart::TableEdit::Refill:
      emit DataChanged();
      Odswiez();
      return;
  }
}

void TGrafika::ZmienZaznaczone(int code) {
  const chart::GridKind* kind = chart::GridKindOf(rodzajWykresu_);
  if (!GridKindShown() || !kind) return;
  EditTable(TableInEditor(Grid::Main), [&] {
    return chart::ZmienZaznaczone(link_, *kind, Selection(), code, zmianaSasiednich_, presses_);
  });
}

void TGrafika::WygladzKorekty() {
  if (!GridKindShown()) return;
  EditTable(TableInEditor(Grid::Main), [&] { return chart::WygladzKorekty(link_); });
}

void TGrafika::AutomatycznyZakres() {
  if (!GridKindShown()) return;
  chart::AutomaticRange(link_, rodzajWykresu_);
  emit DataChanged();
  Przerysuj();
}

void TGrafika::ZmienOsKorekt() {
  if (!isVisible()) return;
  chart::ZmienOsKorekt(link_);
  Przerysuj();
}

int TGrafika::TekstOsiKorekt() const {
  return chart::TekstOsiKorekt(link_);
}

void TGrafika::KasujKorektyObrotowBanku() {
  chart::KasujKorektyObrotowBanku(link_);
  undo_.Forget();
  emit DataChanged();
  Odswiez();
}

// ---- The live cells ----

QRegion TGrafika::LiveCellRegion(Grid grid, const std::optional<chart::GridCell>& cell) const {
  if (!cell) return {};
  const chart::TableGrids grids = Grids();
  if (grid == Grid::Upper && !grids.upper) return {};
  const chart::GridGeometry& g = grid == Grid::Upper ? *grids.upper : grids.main;
  // The disc's outline reaches a pixel beyond the cell.
  return RectOf(g.Box(chart::GridOfTable(cell->column, cell->row))).adjusted(-1, -1, 1, 1);
}

void TGrafika::ShowLiveCells(const DecodedStatus& status) {
  const std::optional<chart::GridCell> cell = chart::LiveCell(rodzajWykresu_, link_, status);
  const std::optional<chart::GridCell> upper =
      Grids().upper ? chart::UpperLiveCell(status) : std::nullopt;
  if (cell == liveCell_ && upper == upperLiveCell_) return;
  const QRegion dirty = LiveCellRegion(Grid::Main, liveCell_) + LiveCellRegion(Grid::Main, cell) +
                        LiveCellRegion(Grid::Upper, upperLiveCell_) +
                        LiveCellRegion(Grid::Upper, upper);
  liveCell_ = cell;
  upperLiveCell_ = upper;
  update(dirty);
}

void TGrafika::PaintLiveCells(QPainter& painter) const {
  const chart::TableGrids grids = Grids();
  if (liveCell_)
    PaintPicture(painter, chart::LiveCellMark(
                              grids.main, chart::GridOfTable(liveCell_->column, liveCell_->row)));
  if (upperLiveCell_ && grids.upper)
    PaintPicture(painter,
                 chart::LiveCellMark(*grids.upper, chart::GridOfTable(upperLiveCell_->column,
                                                                      upperLiveCell_->row)));
}
