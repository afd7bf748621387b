#pragma once

#include <QDialog>
#include <utility>
#include <vector>

class QComboBox;
class QFormLayout;
class QGroupBox;
class QLabel;
class QSpinBox;
class TSterownik;

// The nozzle size calculator: engine and setting parameters in, the estimated nozzle size (or
// the Hana injectors' colour code) out. It reads the settings and changes nothing.
class TFormCal : public QDialog {
  Q_OBJECT

 public:
  TFormCal(TSterownik& link, QWidget* parent);

  // Preselects the lists from the controller's settings and computes.
  void Prepare();

  QSpinBox* power() const { return power_; }
  QComboBox* unit() const { return unit_; }
  QComboBox* cylinders() const { return cylinders_; }
  QComboBox* pressure() const { return pressure_; }
  QComboBox* fuel() const { return fuel_; }
  QComboBox* petrolType() const { return petrolType_; }
  QComboBox* injector() const { return injector_; }
  QString Result() const;
  bool UnitShown() const;

 private:
  void Compute();
  QComboBox* SettingList(int setting);

  TSterownik& link_;
  bool filling_ = false;
  QSpinBox* power_ = nullptr;
  QComboBox* unit_ = nullptr;
  QComboBox* cylinders_ = nullptr;
  QComboBox* pressure_ = nullptr;
  QComboBox* fuel_ = nullptr;
  QComboBox* petrolType_ = nullptr;
  QComboBox* injector_ = nullptr;
  QLabel* result_ = nullptr;
  QLabel* millimetres_ = nullptr;
  QLabel* settingNames_[3] = {};
  QGroupBox* engine_ = nullptr;
  QGroupBox* settings_ = nullptr;
  QFormLayout* settingRows_ = nullptr;
  // Fixed texts by text id, filled in the language of the moment.
  std::vector<std::pair<QLabel*, int>> texts_;
};
