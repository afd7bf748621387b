// The device window's service mode: statistics, change history, service reminder, description
// and the controller's password.

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>

#include "app/QtColours.h"
#include "app/Unit3.h"
#include "controller/Tsterownik.h"
#include "lang/Langtext.h"

namespace {

constexpr int kWidth = 600, kMargin = 10;
constexpr int kHistoryEntries = 32;
constexpr int kHistoryColumns = 6;
constexpr int kHistoryWidths[kHistoryColumns] = {100, 70, 70, 70, 70, 150};
constexpr int kHistoryHeaders[kHistoryColumns] = {1347, 1348, 1349, 1350, 1351, 1346};
constexpr int kReminderDelayMs = 500;
constexpr int kMostDescription = 127;

// Where the parts of the page stand.
constexpr int kStatisticsY = 8, kHistoryY = 106, kHistoryHeight = 196;
constexpr int kServiceY = 310, kServiceRows = 342, kRowStep = 32;
constexpr int kDescriptionY = 474, kPasswordY = 590;
constexpr int kValueX = 428, kBoxX = 396;
constexpr int kTilesY = kStatisticsY + 32, kTileHeight = 60, kTileGap = 8;

}  // namespace

void TForm3::BuildServiceControls() {
  history_ = new QTableWidget(kHistoryEntries, kHistoryColumns, this);
  history_->verticalHeader()->hide();
  history_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  history_->setSelectionBehavior(QAbstractItemView::SelectRows);
  history_->setSelectionMode(QAbstractItemView::SingleSelection);
  history_->verticalHeader()->setDefaultSectionSize(history_->fontMetrics().height() + 4);
  for (int c = 0; c < kHistoryColumns; ++c)
    history_->setColumnWidth(c, kHistoryWidths[c]);
  history_->horizontalHeader()->setStretchLastSection(true);
  for (int r = 0; r < kHistoryEntries; ++r)
    for (int c = 0; c < kHistoryColumns; ++c) {
      auto* item = new QTableWidgetItem;
      if (c >= 1 && c <= 4) item->setTextAlignment(Qt::AlignCenter);
      history_->setItem(r, c, item);
    }

  interval_ = new QComboBox(this);
  for (const std::string& item : TSterownik::ServiceIntervalItems())
    interval_->addItem(Q(item));
  connect(interval_, &QComboBox::activated, this, &TForm3::IntervalChosen);
  reminder_ = new QCheckBox(this);
  gasBlock_ = new QCheckBox(this);
  passwordBox_ = new QCheckBox(this);
  reminderDelay_.setSingleShot(true);
  reminderDelay_.setInterval(kReminderDelayMs);
  connect(&reminderDelay_, &QTimer::timeout, this, &TForm3::ApplyReminderBoxes);
  for (QCheckBox* box : {reminder_, gasBlock_})
    connect(box, &QCheckBox::clicked, this, [this] { reminderDelay_.start(); });
  connect(passwordBox_, &QCheckBox::clicked, this, &TForm3::PasswordClicked);
  description_ = new QPlainTextEdit(this);
  connect(description_, &QPlainTextEdit::textChanged, this, &TForm3::DescriptionEdited);
  erase_ = new QPushButton(this);
  connect(erase_, &QPushButton::clicked, this, &TForm3::EraseCounter);
}

void TForm3::ShowService() {
  const bool passwordOffered = link_.SerwisHaslo();
  history_->setGeometry(kMargin, kHistoryY, kWidth - 2 * kMargin, kHistoryHeight);
  for (int c = 0; c < kHistoryColumns; ++c)
    history_->setHorizontalHeaderItem(c, new QTableWidgetItem(Q(LangText(kHistoryHeaders[c]))));
  FillHistory();
  history_->selectRow(0);
  history_->show();

  erase_->setText(Q(LangText(1258)));
  // In the corner of the emergency-start tile, left of its value.
  const int tileWidth = (kWidth - 2 * kMargin - 3 * kTileGap) / 4;
  erase_->setGeometry(kMargin + 3 * (tileWidth + kTileGap) + 6, kTilesY + kTileHeight - 26, 60, 22);
  erase_->setVisible(link_.CountsEmergencyStarts());

  interval_->setGeometry(kValueX, kServiceRows, kWidth - kMargin - kValueX, 26);
  interval_->setCurrentIndex(0);
  interval_->show();
  SetBoxesFromController();
  reminder_->move(kBoxX, kServiceRows + kRowStep + 5);
  reminder_->show();
  gasBlock_->move(kBoxX, kServiceRows + 3 * kRowStep + 5);
  gasBlock_->setVisible(passwordOffered);
  passwordBox_->move(kBoxX, kPasswordY + 32 + 5);
  passwordBox_->setVisible(passwordOffered);

  description_->blockSignals(true);
  description_->setPlainText(QString::fromStdU16String(link_.OpisSterownika()));
  description_->blockSignals(false);
  description_->setGeometry(kMargin, kDescriptionY + 32, kWidth - 2 * kMargin, 74);
  description_->show();
  descriptionChanged_ = false;
}

// The boxes show what the controller holds, set without acting on it; reminder boxes the
// installer has just clicked keep his choice until it has been written.
void TForm3::SetBoxesFromController() {
  const auto set = [](QCheckBox* box, bool checked) {
    const QSignalBlocker quiet(box);
    box->setChecked(checked);
  };
  if (!reminderDelay_.isActive()) {
    set(reminder_, link_.ServiceReminder());
    set(gasBlock_, link_.GasBlockWhenDue());
  }
  set(passwordBox_, link_.HasloUstawione());
}

void TForm3::FillHistory() {
  for (int r = 0; r < kHistoryEntries; ++r)
    for (int c = 0; c < kHistoryColumns; ++c)
      history_->item(r, c)->setText(Q(link_.StrHistoria(c, r)));
}

void TForm3::ServiceItems() {
  const bool passwordOffered = link_.SerwisHaslo();
  const bool reminder = link_.ServiceReminder();
  AddSection(kStatisticsY, Q(LangText(1341)));
  const QString labels[] = {Q(LangText(1343)), Q(LangText(1344)), Q(LangText(1345)),
                            Q(LangText(1339))};
  const std::string values[] = {link_.StrCzasNaBenzynie(), link_.StrCzasNaGazie(),
                                link_.StrIdentWlasny(), link_.StrLicznikUruch()};
  if (link_.CountsEmergencyStarts()) {
    const int w = (kWidth - 2 * kMargin - 3 * kTileGap) / 4;
    for (int i = 0; i < 4; ++i)
      AddTile(QRect(kMargin + i * (w + kTileGap), kTilesY, w, kTileHeight), labels[i],
              Q(values[i]));
  } else {
    for (int i = 0; i < 3; ++i)
      AddRow(kTilesY + 22 * i, labels[i], Q(values[i]), 320);
  }
  FillHistory();
  SetBoxesFromController();
  AddSection(kServiceY, Q(LangText(1342)));
  AddRow(kServiceRows, Q(LangText(1353) + " " + LangText(1058)), {}, kValueX);
  AddRow(kServiceRows + kRowStep, Q(LangText(1352)), Q(link_.StrCzasPrzegladu(1)), kValueX,
         reminder);
  AddRow(kServiceRows + 2 * kRowStep, Q(LangText(1358)), Q(link_.StrCzasPrzegladu(0)), kValueX,
         reminder);
  if (passwordOffered) AddRow(kServiceRows + 3 * kRowStep, Q(LangText(1356)), {}, kValueX);
  AddSection(kDescriptionY, Q(LangText(1371)));
  if (passwordOffered) {
    AddSection(kPasswordY, Q(LangText(2200)));
    AddRow(kPasswordY + 32, Q(LangText(2203)), {}, kWidth - kMargin);
  }
}

void TForm3::IntervalChosen(int item) {
  if (item < 1) return;
  link_.UstawPrzeglad(item);
  reminder_->blockSignals(true);
  reminder_->setChecked(true);
  reminder_->blockSignals(false);
  Redraw();
}

void TForm3::ApplyReminderBoxes() {
  link_.SetServiceReminder(reminder_->isChecked(), gasBlock_->isChecked());
  Redraw();
}

// A refused change (no workstation record, a locked controller) puts the box back at once.
void TForm3::PasswordClicked() {
  const bool sent = link_.HasloUstawione() ? link_.KasujHaslo() : link_.UstawHaslo();
  if (!sent) SetBoxesFromController();
}

void TForm3::DescriptionEdited() {
  QString text = description_->toPlainText();
  if (text.size() > kMostDescription) {
    text.truncate(kMostDescription);
    description_->blockSignals(true);
    description_->setPlainText(text);
    description_->moveCursor(QTextCursor::End);
    description_->blockSignals(false);
  }
  link_.UstawOpis(text.toStdU16String());
  descriptionChanged_ = true;
}

void TForm3::EraseCounter() {
  link_.ClearEmergencyStarts();
  Redraw();
}
