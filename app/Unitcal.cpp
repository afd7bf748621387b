#include "app/Unitcal.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

#include "app/QtColours.h"
#include "controller/Tsterownik.h"
#include "lang/Langtext.h"
#include "settings/NozzleSize.h"
#include "settings/SettingTexts.h"
#include "settings/SettingVisibility.h"

namespace {

constexpr int kWidth = 470, kHeight = 440;
constexpr int kFuel = 20, kPetrolType = 8, kInjector = 24;
constexpr int kInitialPower = 100;
constexpr int kInitialCylinders = 3;  // "4"

QString Named(const TSterownik& link, int setting) {
  return Q(LangText(static_cast<int>(link.ListaNastaw()[setting].nazwa)));
}

}  // namespace

TFormCal::TFormCal(TSterownik& link, QWidget* parent) : QDialog(parent), link_(link) {
  setFixedSize(kWidth, kHeight);
  setModal(true);
  power_ = new QSpinBox(this);
  power_->setRange(nozzle::kMinPower, nozzle::kMaxPower);
  power_->setValue(kInitialPower);
  unit_ = new QComboBox(this);
  cylinders_ = new QComboBox(this);
  for (int count : nozzle::CylinderCounts())
    cylinders_->addItem(QString::number(count));
  cylinders_->setCurrentIndex(kInitialCylinders);
  pressure_ = new QComboBox(this);
  for (const std::string& item : nozzle::PressureItems())
    pressure_->addItem(Q(item));
  fuel_ = new QComboBox(this);
  petrolType_ = new QComboBox(this);
  injector_ = new QComboBox(this);

  const auto text = [this](int textId) {
    auto* label = new QLabel(this);
    texts_.emplace_back(label, textId);
    return label;
  };
  engine_ = new QGroupBox(this);
  auto* engineRows = new QFormLayout(engine_);
  auto* powerRow = new QHBoxLayout;
  powerRow->addWidget(power_, 1);
  powerRow->addWidget(unit_);
  engineRows->addRow(text(1383), powerRow);
  engineRows->addRow(text(1384), cylinders_);

  settings_ = new QGroupBox(this);
  settingRows_ = new QFormLayout(settings_);
  auto* pressureRow = new QHBoxLayout;
  pressureRow->addWidget(pressure_, 1);
  pressureRow->addWidget(text(1051));
  settingRows_->addRow(text(1385), pressureRow);
  QComboBox* lists[3] = {fuel_, petrolType_, injector_};
  for (int i = 0; i < 3; ++i) {
    settingNames_[i] = new QLabel(settings_);
    settingRows_->addRow(settingNames_[i], lists[i]);
  }

  auto* resultRow = new QHBoxLayout;
  resultRow->addWidget(text(1386));
  result_ = new QLabel(this);
  QFont big = result_->font();
  big.setPointSize(big.pointSize() + 6);
  big.setBold(true);
  result_->setFont(big);
  millimetres_ = text(1052);
  resultRow->addStretch(1);
  resultRow->addWidget(result_);
  resultRow->addWidget(millimetres_);
  QLabel* note = text(1387);
  note->setWordWrap(true);
  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);

  auto* column = new QVBoxLayout(this);
  column->addWidget(engine_);
  column->addWidget(settings_);
  column->addLayout(resultRow);
  column->addWidget(note);
  column->addWidget(ok, 0, Qt::AlignRight);

  connect(power_, &QSpinBox::valueChanged, this, &TFormCal::Compute);
  for (QComboBox* list : {unit_, cylinders_, pressure_, fuel_, petrolType_, injector_})
    connect(list, &QComboBox::currentIndexChanged, this, &TFormCal::Compute);
}

QComboBox* TFormCal::SettingList(int setting) {
  return setting == kFuel ? fuel_ : setting == kPetrolType ? petrolType_ : injector_;
}

void TFormCal::Prepare() {
  filling_ = true;
  setWindowTitle(Q("MALVER - " + LangText(1380)));
  engine_->setTitle(Q(LangText(1381)));
  settings_->setTitle(Q(LangText(1382)));
  for (const auto& [label, textId] : texts_)
    label->setText(Q(LangText(textId)));
  unit_->clear();
  unit_->addItems({Q(LangText(1060)), Q(LangText(1061))});
  const nozzle::Inputs preset = nozzle::FromSettings(link_, {});
  pressure_->setCurrentIndex(preset.pressureIndex);
  const int settingsShown[3] = {kFuel, kPetrolType, kInjector};
  for (int i = 0; i < 3; ++i) {
    const int setting = settingsShown[i];
    settingNames_[i]->setText(Named(link_, setting));
    QComboBox* list = SettingList(setting);
    settingRows_->setRowVisible(list, IsListed(link_, setting));
    list->clear();
    for (const std::string& item : OptionTexts(link_, setting))
      list->addItem(Q(item));
    list->setCurrentIndex(link_.Nastawy()[setting] - link_.ListaNastaw()[setting].min);
  }
  filling_ = false;
  Compute();
}

void TFormCal::Compute() {
  if (filling_) return;
  const int cylinders = std::max(cylinders_->currentIndex(), 0);
  // What the window does not show comes from the settings.
  nozzle::Inputs in =
      nozzle::FromSettings(link_, {static_cast<double>(power_->value()), unit_->currentIndex() == 1,
                                   nozzle::CylinderCounts()[static_cast<size_t>(cylinders)]});
  in.pressureIndex = pressure_->currentIndex();
  for (const auto& [setting, value] :
       {std::pair{kFuel, &in.fuel}, std::pair{kPetrolType, &in.petrolType},
        std::pair{kInjector, &in.injector}})
    if (settingRows_->isRowVisible(SettingList(setting)))
      *value = SettingList(setting)->currentIndex() + link_.ListaNastaw()[setting].min;
  const nozzle::Result r = nozzle::Compute(in);
  result_->setText(Q(r.text));
  millimetres_->setVisible(r.showsUnit);
}

QString TFormCal::Result() const {
  return result_->text();
}

bool TFormCal::UnitShown() const {
  return !millimetres_->isHidden();
}
