#pragma once

#include <QDialog>
#include <array>
#include <map>

#include "app/QtColours.h"
#include "settings/EditorView.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;
class TForm5;
class TSterownik;
struct DecodedStatus;

// The gas level sensor window: the sensor type, the four LED thresholds with their order, the
// sensor voltage and the switch's LEDs live, and the switch's other settings. It draws and
// forwards; the rules are the core's (settings/LevelRules).
class TFormLevel : public QDialog {
  Q_OBJECT

 public:
  TFormLevel(TSterownik& link, QWidget* parent);

  void Prepare(const EditorView& view);
  // A status frame while the window is visible: the LEDs and the voltage when they changed.
  void StatusFrame(const DecodedStatus& status);

  // For tests: the controls by setting, and the LED shapes from the top (4/4 .. reserve).
  QComboBox* list(int setting) const { return lists_.at(setting); }
  QLineEdit* threshold(int setting) const { return thresholds_.at(setting); }
  QToolButton* stepper(int setting, int direction) const;
  QToolButton* shiftButton(int direction) const { return direction > 0 ? up_ : down_; }
  QLineEdit* voltage() const { return voltage_; }
  QPushButton* colourButton() const { return colour_; }
  QRect LedRect(int led) const;
  QColor LedColour(int led) const { return ToQColor(leds_[static_cast<size_t>(led)]); }
  TForm5& colourWindow() { return *colours_; }

 signals:
  void Changed();

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  void BuildThresholds();
  void BuildLists();
  void Refresh();
  void ListChosen(int setting, int index);
  void ChangedHere();
  void OpenColours();

  TSterownik& link_;
  EditorView view_;
  bool filling_ = false;
  int ledByte_ = 255;  // as last drawn; 255 repaints with the first frame
  int voltageByte_ = 255;
  std::array<uint32_t, 5> leds_{};
  std::map<int, QComboBox*> lists_;
  std::map<int, QLabel*> listLabels_;
  std::map<int, QLineEdit*> thresholds_;
  std::map<int, std::array<QToolButton*, 2>> steppers_;  // left (down), right (up)
  QToolButton* up_ = nullptr;
  QToolButton* down_ = nullptr;
  QLabel* voltageLabel_ = nullptr;
  QLineEdit* voltage_ = nullptr;
  QPushButton* colour_ = nullptr;
  TForm5* colours_ = nullptr;
};
