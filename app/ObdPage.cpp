#include "app/ObdPage.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QTableWidget>
#include <QTextCursor>
#include <QTextEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/FittedValue.h"
#include "lang/Langtext.h"
#include "obd/PidCatalogue.h"
#include "obd/Telmobd.h"

namespace {

constexpr int kPidColumns = 6;
constexpr int kPidColumnWidths[kPidColumns] = {20, 20, 200, 70, 70, 70};
constexpr int kMarkColumn = 1, kValueColumn = 4, kUnitColumn = 5;
const QColor kUnsupported(0xC0, 0xC0, 0xC0);
const QColor kDarkGreen(0, 128, 0);

QTableWidget* PlainGrid(int rows, int columns, QWidget* parent) {
  auto* grid = new QTableWidget(rows, columns, parent);
  grid->horizontalHeader()->hide();
  grid->verticalHeader()->hide();
  grid->setShowGrid(false);
  grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid->setSelectionMode(QAbstractItemView::SingleSelection);
  grid->verticalHeader()->setDefaultSectionSize(grid->fontMetrics().height() + 2);
  for (int r = 0; r < rows; ++r)
    for (int c = 0; c < columns; ++c)
      grid->setItem(r, c, new QTableWidgetItem);
  return grid;
}

QToolButton* SwitchButton(QWidget* parent) {
  auto* b = new QToolButton(parent);
  b->setCheckable(true);
  b->setAutoExclusive(true);
  b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
  return b;
}

}  // namespace

ObdPage::ObdPage(TObd& obd, QWidget* parent) : QWidget(parent), obd_(obd) {
  status_ = PlainGrid(ElmStatusGrid::kIleWierszy, 2, this);
  // Wide enough for the labels in the font the system gives.
  status_->setColumnWidth(0, std::max(40, status_->fontMetrics().horizontalAdvance("PORT:") + 8));
  status_->setSelectionMode(QAbstractItemView::NoSelection);
  status_->setFocusPolicy(Qt::NoFocus);
  status_->horizontalHeader()->setStretchLastSection(true);
  status_->setFixedWidth(260);
  status_->setItemDelegateForColumn(1, new FittedValueItems(status_));
  for (int row = 0; row < ElmStatusGrid::kIleWierszy; ++row)
    SetCell(status_, row, 0,
            QString::fromLatin1(ElmStatusGrid::kEtykiety[static_cast<size_t>(row)]));

  codesButton_ = SwitchButton(this);
  pidsButton_ = SwitchButton(this);
  connect(codesButton_, &QToolButton::clicked, this, [this] { ShowCodes(true); });
  connect(pidsButton_, &QToolButton::clicked, this, [this] { ShowCodes(false); });
  box_ = new QTextEdit(this);
  box_->setReadOnly(true);
  box_->setLineWrapMode(QTextEdit::NoWrap);
  BuildPidGrid();

  auto* switches = new QHBoxLayout;
  switches->setSpacing(0);
  switches->addWidget(codesButton_);
  switches->addWidget(pidsButton_);
  auto* right = new QVBoxLayout;
  right->setSpacing(2);
  right->addLayout(switches);
  right->addWidget(box_, 1);
  right->addWidget(pids_, 1);
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(4);
  layout->addWidget(status_, 0, Qt::AlignTop);
  layout->addLayout(right, 1);
  status_->setFixedHeight(
      status_->verticalHeader()->defaultSectionSize() * ElmStatusGrid::kIleWierszy + 2);
  ShowElm();
}

void ObdPage::BuildPidGrid() {
  pids_ = PlainGrid(kPidCount, kPidColumns, this);
  for (int c = 0; c < kPidColumns; ++c)
    pids_->setColumnWidth(c, kPidColumnWidths[c]);
  pids_->horizontalHeader()->setStretchLastSection(true);
  pids_->setSelectionBehavior(QAbstractItemView::SelectRows);
  pids_->setItemDelegateForColumn(kValueColumn, new FittedValueItems(pids_));
  char hex[4];
  for (int pid = 0; pid < kPidCount; ++pid) {
    const PidRecord& record = Pidy()[static_cast<size_t>(pid)];
    std::snprintf(hex, sizeof hex, "%02X", pid);
    SetCell(pids_, pid, 0, QString::fromLatin1(hex));
    SetCell(pids_, pid, 2, Q(record.Nazwa));
    SetCell(pids_, pid, 3, Q(record.Skrot));
  }
  connect(pids_, &QTableWidget::cellClicked, this, [this](int row, int column) {
    if (column == kMarkColumn) TogglePid(row, false);
  });
  connect(pids_, &QTableWidget::cellDoubleClicked, this, [this](int row, int column) {
    if (column != kMarkColumn) TogglePid(row, true);
  });
  pids_->installEventFilter(this);
  box_->viewport()->installEventFilter(this);
  RefreshPidMarks();
}

bool ObdPage::eventFilter(QObject* watched, QEvent* event) {
  // A double click empties the box until new codes come.
  if (watched == box_->viewport() && event->type() == QEvent::MouseButtonDblClick) {
    box_->clear();
    return true;
  }
  if (watched == pids_ && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && pids_->currentRow() >= 0) {
      TogglePid(pids_->currentRow(), false);
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void ObdPage::TogglePid(int pid, bool doubleClick) {
  if (!obd_.Pidy().Obslugiwany[static_cast<size_t>(pid)]) return;
  obd_.PrzelaczPid(pid, doubleClick);
  RefreshPids();
  emit SelectionChanged();
}

void ObdPage::ApplyTexts() {
  codesButton_->setText(Q(LangText(1232)));
  pidsButton_->setText(QStringLiteral("PID"));
}

void ObdPage::ApplyColours(const PanelColours& colours) {
  colours_ = colours;
  for (QWidget* w : {static_cast<QWidget*>(status_), static_cast<QWidget*>(pids_),
                     static_cast<QWidget*>(box_)}) {
    QPalette p = w->palette();
    p.setColor(QPalette::Base, colours.listBackground);
    p.setColor(QPalette::Text, colours.text);
    w->setPalette(p);
  }
  RefreshPidMarks();
  ShowCodes(codesButton_->isChecked());
}

void ObdPage::ShowElm() {
  ShowAdapter(true);
  ShowCodes(!pidsButton_->isChecked());
}

// The switch keeps the ELM sub-tab's choice for the way back.
void ObdPage::ShowDevice() {
  ShowAdapter(false);
  box_->show();
  pids_->hide();
}

// The adapter's status and the switch belong to the ELM sub-tab; the box starts empty on both.
void ObdPage::ShowAdapter(bool shown) {
  elmCodes_ = shown;
  for (QWidget* w : {static_cast<QWidget*>(status_), static_cast<QWidget*>(codesButton_),
                     static_cast<QWidget*>(pidsButton_)})
    w->setVisible(shown);
  ClearBox();
}

void ObdPage::ShowCodes(bool codes) {
  codesButton_->setChecked(codes);
  pidsButton_->setChecked(!codes);
  for (QToolButton* b : {codesButton_, pidsButton_}) {
    QPalette p = b->palette();
    p.setColor(QPalette::ButtonText, b->isChecked() ? colours_.selected : colours_.text);
    b->setPalette(p);
  }
  box_->setVisible(codes);
  pids_->setVisible(!codes);
}

void ObdPage::Refresh() {
  RefreshStatus();
  RefreshPids();
  if (elmCodes_ && obd_.ZmianyKodow() != shownCodeChange_) {
    shownCodeChange_ = obd_.ZmianyKodow();
    ShowLines(obd_.Kody());
  }
}

void ObdPage::RefreshStatus() {
  for (int row = 0; row < ElmStatusGrid::kIleWierszy; ++row)
    SetCell(status_, row, 1, Q(obd_.Status().Wartosc(row)));
}

void ObdPage::RefreshPids() {
  for (int pid = 0; pid < kPidCount; ++pid) {
    SetCell(pids_, pid, kValueColumn, Q(obd_.WartoscPid(pid)));
    SetCell(pids_, pid, kUnitColumn, Q(obd_.JednostkaPid(pid)));
  }
  RefreshPidMarks();
}

// Unsupported PIDs are greyed; the mark of a polled one is green.
void ObdPage::RefreshPidMarks() {
  const PidSelection& selection = obd_.Pidy();
  for (int pid = 0; pid < kPidCount; ++pid) {
    SetCell(pids_, pid, kMarkColumn, QString::fromLatin1(selection.Mark(pid)));
    const bool supported = selection.Obslugiwany[static_cast<size_t>(pid)];
    for (int c = 0; c < kPidColumns; ++c) {
      QColor colour = supported ? colours_.text : kUnsupported;
      if (c == kMarkColumn && selection.Polled(pid)) colour = kDarkGreen;
      QTableWidgetItem* item = pids_->item(pid, c);
      if (item->foreground().color() != colour) item->setForeground(colour);
    }
  }
}

void ObdPage::ShowLines(const obd::ColouredLines& lines) {
  box_->clear();
  for (const obd::ColouredLine& line : lines) {
    QColor colour = colours_.text;
    if (line.colour == obd::LineColour::Red) colour = Qt::red;
    if (line.colour == obd::LineColour::Green || line.colour == obd::LineColour::DarkGreen)
      colour = kDarkGreen;
    if (line.colour == obd::LineColour::Magenta) colour = Qt::magenta;
    box_->setTextColor(colour);
    box_->append(Q(line.text));
  }
  box_->moveCursor(QTextCursor::End);
  box_->ensureCursorVisible();
}

// What the adapter read before stays out of the cleared box until it reads again.
void ObdPage::ClearBox() {
  shownCodeChange_ = obd_.ZmianyKodow();
  box_->clear();
}

// Only a changed text is written: the grids are refreshed at every tick of the link.
void ObdPage::SetCell(QTableWidget* grid, int row, int column, const QString& text) {
  QTableWidgetItem* item = grid->item(row, column);
  if (item->text() != text) item->setText(text);
}
