#include "app/Unit3.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>

#include "app/QtColours.h"
#include "controller/Tsterownik.h"
#include "lang/Langtext.h"

namespace {

constexpr int kWidth = 600;
constexpr int kMargin = 10;
constexpr int kRowHeight = 28;
constexpr int kSectionHeight = 26;
constexpr int kButtonWidth = 110, kButtonHeight = 28;
constexpr int kFirstDrawingMs = 100, kRedrawMs = 1000;
constexpr int kPasswordRefused = 4;  // no password, or one too long
constexpr int kSmallestTileLabel = 7;

}  // namespace

TForm3::TForm3(TSterownik& link, UiServices& ui, std::string firmwareFolder, QWidget* parent)
    : QDialog(parent), link_(link), ui_(ui), firmwareFolder_(std::move(firmwareFolder)) {
  setModal(true);
  setFixedWidth(kWidth);
  BuildControls();
  firstDrawing_.setSingleShot(true);
  connect(&firstDrawing_, &QTimer::timeout, this, &TForm3::Redraw);
  redraw_.setInterval(kRedrawMs);
  connect(&redraw_, &QTimer::timeout, this, [this] {
    // Only once the link has the identity and the history it was asked for.
    if (link_.ServiceDataCurrent()) Redraw();
  });
}

TForm3::~TForm3() = default;

void TForm3::BuildControls() {
  ok_ = new QPushButton(Q(LangText(1082)), this);
  close_ = new QPushButton(this);
  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
  connect(close_, &QPushButton::clicked, this, &QDialog::reject);
  BuildServiceControls();
  BuildFirmwareControls();
  passwordField_ = new QLineEdit(this);
  passwordField_->setEchoMode(QLineEdit::Password);
  passwordField_->setStyleSheet(QStringLiteral("lineedit-password-character: 42"));  // "*"
  connect(passwordField_, &QLineEdit::textEdited, this,
          [this] { passwordField_->setPalette(palette()); });
  passwordField_->setMaxLength(200);
  passwordLabel_ = new QLabel(QStringLiteral("Company/Password (the same for all PC)"), this);
  savePassword_ = new QPushButton(this);
  connect(savePassword_, &QPushButton::clicked, this, &TForm3::SavePassword);
}

void TForm3::Prepare(Mode mode, const QString& title) {
  mode_ = mode;
  setWindowTitle(title);
  HideControls();
  ok_->show();
  setFixedHeight(HeightOf(mode));
  uploading_ = false;
  ShowCloseBox(true);
  if (mode == kService) ShowService();
  if (mode == kFirmware) ShowFirmware();
  if (mode == kPassword) ShowPassword();
  ok_->setGeometry(kWidth - kMargin - kButtonWidth, height() - kMargin - kButtonHeight,
                   kButtonWidth, kButtonHeight);
  Redraw();
  firstDrawing_.start(kFirstDrawingMs);
  redraw_.start();
}

// Changing a window's flags hides it; one that was up is shown again at once.
void TForm3::ShowCloseBox(bool shown) {
  if (windowFlags().testFlag(Qt::WindowCloseButtonHint) == shown) return;
  const bool visible = isVisible();
  setWindowFlag(Qt::WindowCloseButtonHint, shown);
  if (visible) show();
}

int TForm3::HeightOf(Mode mode) const {
  switch (mode) {
    case kService:
      return 694;
    case kFirmware:
      return 480;
    case kPassword:
      return 320;
    default:
      return 380;
  }
}

void TForm3::HideControls() {
  for (QWidget* w : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
    w->hide();
}

void TForm3::SetColours(const PanelColours& colours) {
  colours_ = colours;
  QPalette p = palette();
  p.setColor(QPalette::Window, colours.window);
  p.setColor(QPalette::WindowText, colours.text);
  setPalette(p);
  update();
}

// Everything drawn is built anew from the link; the controls keep their own state.
void TForm3::Redraw() {
  items_.clear();
  switch (mode_) {
    case kDeviceInfo:
      DeviceInfoItems();
      break;
    case kService:
      ServiceItems();
      break;
    case kFirmware:
      FirmwareItems();
      break;
    case kPassword:
      PasswordItems();
      break;
  }
  update();
}

QString TForm3::ValueOf(const QString& label) const {
  for (const DeviceItem& item : items_)
    if (item.label == label) return item.value;
  return {};
}

void TForm3::AddSection(int y, const QString& text) {
  items_.push_back({DeviceItem::Kind::Section,
                    QRect(kMargin, y, kWidth - 2 * kMargin, kSectionHeight),
                    text,
                    {}});
}

void TForm3::AddRow(int y, const QString& label, const QString& value, int valueX, bool active) {
  items_.push_back({DeviceItem::Kind::Row, QRect(valueX, y, kWidth - kMargin - valueX, kRowHeight),
                    label, value, active});
}

void TForm3::AddTile(const QRect& box, const QString& label, const QString& value) {
  items_.push_back({DeviceItem::Kind::Tile, box, label, value, true});
}

void TForm3::AddText(const QRect& box, const QString& text, int points, Qt::Alignment align) {
  items_.push_back({DeviceItem::Kind::Text, box, text, {}, true, points, align});
}

void TForm3::DeviceInfoItems() {
  const int x = 320;
  AddRow(20, Q(LangText(1331)), Q(link_.StrNazwaSterownika()), x);
  AddRow(70, Q(LangText(1332)), Q(link_.StrKodKreskowy()), x);
  AddRow(120, Q(LangText(1333)), Q(link_.StrDataProdukcji()), x);
  AddRow(170, Q(LangText(1334)), Q(link_.StrWersjaCyframi(12)), x);
  AddRow(220, Q(LangText(1335)), Q(link_.StrIleWtryskiwaczy()), 480);
}

void TForm3::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.fillRect(rect(), colours_.window);
  for (const DeviceItem& item : items_) {
    QFont font = p.font();
    font.setPointSize(item.points);
    p.setFont(font);
    switch (item.kind) {
      case DeviceItem::Kind::Section: {
        QPainterPath box;
        box.addRoundedRect(item.box, 6, 6);
        p.fillPath(box, colours_.light);
        p.setPen(colours_.secondaryText);
        p.drawText(item.box, item.align, item.label);
        break;
      }
      case DeviceItem::Kind::Row: {
        p.setPen(colours_.text);
        p.drawText(
            QRect(kMargin + 4, item.box.top(), item.box.left() - kMargin - 8, item.box.height()),
            Qt::AlignLeft | Qt::AlignVCenter, item.label);
        if (item.value.isEmpty()) break;
        QPainterPath box;
        box.addRoundedRect(item.box, 5, 5);
        p.fillPath(box, colours_.valueBackground);
        p.setPen(item.active ? colours_.secondaryText : colours_.dimText);
        p.drawText(item.box.adjusted(0, 0, -8, 0), Qt::AlignRight | Qt::AlignVCenter, item.value);
        break;
      }
      case DeviceItem::Kind::Tile: {
        QPainterPath box;
        box.addRoundedRect(item.box, 6, 6);
        p.fillPath(box, colours_.valueBackground);
        p.setPen(colours_.text);
        const QRect labelBox = item.box.adjusted(6, 4, -6, 0);
        // Long labels (other languages' words) get smaller before they get cut.
        QFont label = font;
        while (label.pointSize() > kSmallestTileLabel &&
               QFontMetrics(label).horizontalAdvance(item.label) > labelBox.width())
          label.setPointSize(label.pointSize() - 1);
        p.setFont(label);
        p.drawText(labelBox, Qt::AlignLeft | Qt::AlignTop,
                   p.fontMetrics().elidedText(item.label, Qt::ElideRight, labelBox.width()));
        p.setPen(colours_.secondaryText);
        QFont value = font;
        value.setPointSize(item.points + 4);
        value.setBold(true);
        p.setFont(value);
        p.drawText(item.box.adjusted(6, 0, -8, -4), Qt::AlignRight | Qt::AlignBottom, item.value);
        break;
      }
      case DeviceItem::Kind::Text:
        p.setPen(colours_.text);
        p.drawText(item.box, item.align, item.label);
        break;
    }
  }
}

// Escape is the OK button, which an upload hides: nothing may cut it short but its watchdog.
void TForm3::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    if (!uploading_) accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

void TForm3::done(int result) {
  if (mode_ == kService && descriptionChanged_) {
    link_.WyslijOpis();
    descriptionChanged_ = false;
  }
  if (uploading_) CancelUpload();
  firstDrawing_.stop();
  redraw_.stop();
  watchdog_.stop();
  reminderDelay_.stop();
  QDialog::done(result);
}

// Mode 4: the workshop's password, kept on this computer and presented to every controller.
void TForm3::ShowPassword() {
  close_->setText(Q(LangText(1084)));
  savePassword_->setText(Q(LangText(2201)));
  ok_->hide();
  passwordLabel_->setGeometry(kMargin, 80, kWidth - 2 * kMargin, kRowHeight);
  passwordField_->setGeometry(kMargin, 115, kWidth - 2 * kMargin, kRowHeight);
  passwordField_->clear();
  passwordField_->setPalette(palette());
  const int y = HeightOf(kPassword) - kMargin - kButtonHeight;
  close_->setGeometry(kMargin, y, kButtonWidth, kButtonHeight);
  savePassword_->setGeometry(kWidth - kMargin - 2 * kButtonWidth, y, 2 * kButtonWidth,
                             kButtonHeight);
  for (QWidget* w : {static_cast<QWidget*>(passwordLabel_), static_cast<QWidget*>(passwordField_),
                     static_cast<QWidget*>(close_), static_cast<QWidget*>(savePassword_)})
    w->show();
  passwordField_->setFocus();
}

void TForm3::PasswordItems() {
  AddSection(20, Q(LangText(2200)));
}

void TForm3::SavePassword() {
  const int result = link_.ZapiszPlikHaslo(passwordField_->text().toStdString());
  if (result == 0) {
    accept();
    return;
  }
  if (result == kPasswordRefused) {
    // The field turns red and the window stays for another try.
    QPalette p = passwordField_->palette();
    p.setColor(QPalette::Base, QColor(255, 0, 0));
    passwordField_->setPalette(p);
  }
}
