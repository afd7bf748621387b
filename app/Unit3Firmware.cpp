// The device window's firmware mode: the images that fit the controller, the upload and its
// progress, and the watchdog that gives up on a controller that stops acknowledging.

#include <QFileInfo>
#include <QHeaderView>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>

#include "app/DeviceWindowRules.h"
#include "app/QtColours.h"
#include "app/Unit3.h"
#include "controller/Tsterownik.h"
#include "lang/Langtext.h"
#include "lang/UiServices.h"

namespace {

constexpr int kWidth = 600, kMargin = 10;
constexpr int kListY = 60, kListHeight = 360;
constexpr int kUploadHeight = 200;
constexpr int kWatchdogMs = 5000;
constexpr int kPathColumn = 3;

}  // namespace

void TForm3::BuildFirmwareControls() {
  firmwareList_ = new QTableWidget(0, 4, this);
  firmwareList_->verticalHeader()->hide();
  firmwareList_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  firmwareList_->setSelectionBehavior(QAbstractItemView::SelectRows);
  firmwareList_->setSelectionMode(QAbstractItemView::SingleSelection);
  upload_ = new QPushButton(this);
  connect(upload_, &QPushButton::clicked, this, &TForm3::UploadFirmware);
  progressBar_ = new QProgressBar(this);
  progressBar_->setRange(0, 100);
  progressBar_->setTextVisible(false);  // the per cent stands above it
  watchdog_.setSingleShot(true);
  watchdog_.setInterval(kWatchdogMs);
  connect(&watchdog_, &QTimer::timeout, this, &TForm3::UploadWatchdog);
}

void TForm3::ShowFirmware() {
  ok_->hide();
  watchdog_.stop();
  close_->setText(Q(LangText(1084)));
  upload_->setText(Q(LangText(1369)));
  const int y = height() - kMargin - 28;
  close_->setGeometry(kMargin, y, 110, 28);
  upload_->setGeometry(kWidth - kMargin - 220, y, 220, 28);
  firmwareList_->setGeometry(kMargin, kListY, kWidth - 2 * kMargin, kListHeight);
  // The description takes what the version and date leave; the path stays out of sight.
  firmwareList_->setColumnWidth(0, 160);
  firmwareList_->setColumnWidth(1, 160);
  firmwareList_->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
  firmwareList_->setColumnHidden(kPathColumn, true);
  firmwareList_->setHorizontalHeaderLabels(
      {Q(LangText(1368)), Q(LangText(1347)), Q(LangText(1371)), QString()});
  FillFirmwareList();
  for (QWidget* w : {static_cast<QWidget*>(close_), static_cast<QWidget*>(upload_),
                     static_cast<QWidget*>(firmwareList_)})
    w->show();
}

void TForm3::FillFirmwareList() {
  const std::vector<FirmwareEntry> images = FirmwareList(firmwareFolder_, link_);
  firmwareList_->setRowCount(static_cast<int>(images.size()));
  for (size_t r = 0; r < images.size(); ++r) {
    const FirmwareEntry& image = images[r];
    const std::string cells[] = {image.version, image.date, image.description, image.path};
    for (int c = 0; c < 4; ++c)
      firmwareList_->setItem(static_cast<int>(r), c, new QTableWidgetItem(Q(cells[c])));
  }
  if (!images.empty()) firmwareList_->selectRow(static_cast<int>(images.size()) - 1);
}

void TForm3::FirmwareItems() {
  if (uploading_) {
    AddText(QRect(0, 25, kWidth, 30), Q(LangText(1361)), 15);
    AddText(QRect(0, 65, kWidth - kMargin, 30), QString::number(progress_) + "%", 10,
            Qt::AlignRight | Qt::AlignVCenter);
    return;
  }
  AddRow(20, Q(LangText(1336) + ":"), Q(CurrentVersionText(link_, uploading_)), 320);
}

void TForm3::UploadFirmware() {
  std::string path;
  if (const auto selected = firmwareList_->selectionModel()->selectedRows(); !selected.isEmpty())
    path = firmwareList_->item(selected.front().row(), kPathColumn)->text().toStdString();
  if (path.empty() || !QFileInfo::exists(Q(path))) {
    path = ui_.OpenFileDialog(
        {{},
         {{LangText(1114) + " (*.img)", "*.img"}, {LangText(1110) + " (*.*)", "*"}},
         QFileInfo::exists(Q(firmwareFolder_)) ? firmwareFolder_ : std::string(),
         "img"});
    if (path.empty()) return;
  }
  std::string refusal;
  const int version = FittingFirmwareVersion(path, link_, refusal);
  if (version == 0) {
    ui_.MessageBox(refusal, mb::kIconStop);
    return;
  }
  if (ControllerIsNewer(link_, version) &&
      ui_.MessageBox(LangText(1366) + "\n" + LangText(1367), mb::kYesNo | mb::kIconQuestion) !=
          mb::kIdYes)
    return;
  HideControls();
  setFixedHeight(kUploadHeight);
  ShowCloseBox(false);
  progressBar_->setGeometry(kMargin, 110, kWidth - 2 * kMargin, 20);
  progressBar_->show();
  uploading_ = true;
  Progress(0);
  if (!link_.Aktualizacja(path)) {
    uploading_ = false;
    watchdog_.stop();
    firstDrawing_.stop();
    ui_.MessageBox(LangText(1362), mb::kIconStop);
    Prepare(kFirmware, windowTitle());
  }
}

void TForm3::Progress(int percent) {
  if (percent < 0) {
    uploading_ = false;
    accept();
    return;
  }
  progress_ = percent;
  watchdog_.start();
  progressBar_->setValue(percent);
  Redraw();
}

void TForm3::UploadWatchdog() {
  ui_.MessageBox(LangText(1370), mb::kIconStop);
  reject();
}

void TForm3::CancelUpload() {
  uploading_ = false;
  link_.PrzerwijAktualizacje();
}
