#include "app/Unitlevel.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QToolButton>

#include "app/QtColours.h"
#include "app/Unit5.h"
#include "controller/Tsterownik.h"
#include "lang/Langtext.h"
#include "settings/LevelRules.h"
#include "settings/SettingTexts.h"

namespace {

constexpr int kWidth = 800, kHeight = 466;
// The dashboard switch drawn on the left: its LEDs from the top, and the rows beside them.
constexpr QRect kSwitch{30, 40, 90, 330};
constexpr int kLedSize = 34;
constexpr int kLedTop = 60, kLedStep = 60;
constexpr int kRowLeft = 150;
constexpr int kListsLeft = 430, kListsTop = 30, kListStep = 46;
const char* const kLedNames[] = {"4/4", "3/4", "1/2", "1/4"};

}  // namespace

TFormLevel::TFormLevel(TSterownik& link, QWidget* parent) : QDialog(parent), link_(link) {
  setFixedSize(kWidth, kHeight);
  setModal(true);
  BuildThresholds();
  BuildLists();
  colours_ = new TForm5(link, this);
  leds_ = level::LedColours(0);
}

void TFormLevel::BuildThresholds() {
  for (size_t row = 0; row < level::kThresholds.size(); ++row) {
    const int setting = level::kThresholds[row];
    const int y = LedRect(static_cast<int>(row)).center().y() - 12;
    auto* name = new QLabel(QString::fromLatin1(kLedNames[row]), this);
    name->setGeometry(kRowLeft, y, 40, 24);
    auto* left = new QToolButton(this);
    left->setArrowType(Qt::LeftArrow);
    left->setGeometry(kRowLeft + 40, y, 24, 24);
    auto* box = new QLineEdit(this);
    box->setReadOnly(true);
    box->setAlignment(Qt::AlignCenter);
    box->setGeometry(kRowLeft + 66, y, 80, 24);
    auto* right = new QToolButton(this);
    right->setArrowType(Qt::RightArrow);
    right->setGeometry(kRowLeft + 148, y, 24, 24);
    for (auto [button, step] : {std::pair{left, -1}, std::pair{right, +1}})
      connect(button, &QToolButton::clicked, this, [this, setting, step = step] {
        level::SetThreshold(link_, view_, setting, link_.Nastawy()[setting] + step);
        ChangedHere();
      });
    thresholds_[setting] = box;
    steppers_[setting] = {left, right};
  }
  up_ = new QToolButton(this);
  up_->setArrowType(Qt::UpArrow);
  down_ = new QToolButton(this);
  down_->setArrowType(Qt::DownArrow);
  const int middle = (LedRect(0).center().y() + LedRect(3).center().y()) / 2;
  up_->setGeometry(kRowLeft + 190, middle - 30, 32, 28);
  down_->setGeometry(kRowLeft + 190, middle + 2, 32, 28);
  for (auto [button, step] : {std::pair{up_, +1}, std::pair{down_, -1}})
    connect(button, &QToolButton::clicked, this, [this, step = step] {
      level::ShiftAll(link_, view_, step);
      ChangedHere();
    });
  voltageLabel_ = new QLabel(this);
  voltageLabel_->setGeometry(kRowLeft, LedRect(4).center().y() + 40, 170, 24);
  voltage_ = new QLineEdit(this);
  voltage_->setReadOnly(true);
  voltage_->setAlignment(Qt::AlignCenter);
  voltage_->setGeometry(kRowLeft + 176, LedRect(4).center().y() + 40, 70, 24);
}

void TFormLevel::BuildLists() {
  for (size_t i = 0; i < level::kLists.size(); ++i) {
    const int setting = level::kLists[i];
    const int y = kListsTop + static_cast<int>(i) * kListStep;
    auto* label = new QLabel(this);
    label->setGeometry(kListsLeft, y, 340, 18);
    auto* list = new QComboBox(this);
    list->setGeometry(kListsLeft, y + 18, 340, 24);
    connect(list, &QComboBox::currentIndexChanged, this,
            [this, setting](int index) { ListChosen(setting, index); });
    listLabels_[setting] = label;
    lists_[setting] = list;
  }
  colour_ = new QPushButton(this);
  colour_->setGeometry(kWidth - 150, kHeight - 50, 120, 30);
  connect(colour_, &QPushButton::clicked, this, &TFormLevel::OpenColours);
}

QToolButton* TFormLevel::stepper(int setting, int direction) const {
  return steppers_.at(setting)[direction > 0 ? 1 : 0];
}

QRect TFormLevel::LedRect(int led) const {
  return {kSwitch.center().x() - kLedSize / 2, kLedTop + led * kLedStep, kLedSize, kLedSize};
}

void TFormLevel::Prepare(const EditorView& view) {
  view_ = view;
  setWindowTitle(Q("MALVER - " + LangText(1372)));
  auto name = [&](int setting) {
    return LangText(static_cast<int>(link_.ListaNastaw()[setting].nazwa));
  };
  for (int setting : level::kLists)
    listLabels_[setting]->setText(Q(name(setting)));
  listLabels_[47]->setText(Q(name(47) + " " + LangText(1063)));
  listLabels_[74]->setText(Q(name(74) + " " + LangText(1055)));
  voltageLabel_->setText(Q(LangText(1373) + " " + LangText(1050)));
  colour_->setText(Q(LangText(1160)));
  filling_ = true;
  for (int setting : level::kLists) {
    QComboBox* list = lists_[setting];
    list->clear();
    for (const std::string& item : level::ListItems(link_, setting))
      list->addItem(Q(item));
    list->setEnabled(level::ListEnabled(link_, setting));
  }
  filling_ = false;
  Refresh();
}

void TFormLevel::Refresh() {
  filling_ = true;
  for (int setting : level::kLists)
    lists_[setting]->setCurrentIndex(link_.Nastawy()[setting] - link_.ListaNastaw()[setting].min);
  filling_ = false;
  const auto red = level::OutOfOrder(link_);
  for (size_t row = 0; row < level::kThresholds.size(); ++row) {
    QLineEdit* box = thresholds_[level::kThresholds[row]];
    box->setText(Q(ValueText(link_, level::kThresholds[row]) + " " +
                   link_.UnitText(level::kThresholds[row])));
    QPalette p = box->palette();
    p.setColor(QPalette::Text, red[row] ? Qt::red : Qt::black);
    box->setPalette(p);
  }
}

void TFormLevel::ListChosen(int setting, int index) {
  if (filling_ || index < 0) return;
  level::ChooseOption(link_, view_, setting, index + link_.ListaNastaw()[setting].min);
  ChangedHere();
}

void TFormLevel::ChangedHere() {
  Refresh();
  emit Changed();
}

void TFormLevel::showEvent(QShowEvent* event) {
  link_.PollLevelSensor(true);
  ledByte_ = voltageByte_ = 255;
  QDialog::showEvent(event);
}

void TFormLevel::hideEvent(QHideEvent* event) {
  link_.PollLevelSensor(false);
  colours_->close();
  QDialog::hideEvent(event);
}

void TFormLevel::StatusFrame(const DecodedStatus& status) {
  if (!isVisible()) return;
  if (status.levelLeds >= 0 && status.levelLeds != ledByte_) {
    ledByte_ = status.levelLeds;
    leds_ = level::LedColours(ledByte_);
    update(kSwitch);
  }
  if (status.levelVoltage >= 0 && status.levelVoltage != voltageByte_) {
    voltageByte_ = status.levelVoltage;
    voltage_->setText(QString::number(level::Volts(voltageByte_), 'f', 2));
  }
}

void TFormLevel::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.fillRect(rect(), palette().window());
  p.setPen(QPen(Qt::darkGray, 2));
  p.setBrush(QColor(0x30, 0x30, 0x30));
  p.drawRoundedRect(kSwitch, 14, 14);
  p.setPen(QPen(Qt::black, 1));
  for (int led = 0; led < 5; ++led) {
    p.setBrush(ToQColor(leds_[static_cast<size_t>(led)]));
    p.drawEllipse(LedRect(led));
  }
}

void TFormLevel::mousePressEvent(QMouseEvent* event) {
  for (int led = 0; led < 5; ++led)
    if (LedRect(led).contains(event->position().toPoint())) return OpenColours();
  QDialog::mousePressEvent(event);
}

void TFormLevel::OpenColours() {
  colours_->Prepare();
  colours_->show();
  colours_->raise();
}
