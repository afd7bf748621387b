#pragma once

#include <QDialog>
#include <array>
#include <cstdint>

class QColorDialog;
class QPushButton;
class TSterownik;

// The switch's LED colours: each LED's colour, picked one by one or as a scheme from the
// palette, and saved into the controller.
class TForm5 : public QDialog {
  Q_OBJECT

 public:
  TForm5(TSterownik& link, QWidget* parent);

  // Takes the colours the link holds.
  void Prepare();
  // The LEDs in the order of TSterownik::KoloryLed: 4/4, 3/4, 1/2, 1/4, reserve, gas, petrol.
  QRect LedRect(int led) const;
  QRect PaletteRect() const;
  uint32_t Colour(int led) const { return colours_[static_cast<size_t>(led)]; }
  QPushButton* saveButton() const { return save_; }
  QColorDialog* colourDialog() const { return picker_; }

 protected:
  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  void PaintPalette(QPainter& p);

  TSterownik& link_;
  std::array<uint32_t, 7> colours_{};
  QPushButton* save_ = nullptr;
  QColorDialog* picker_ = nullptr;
  int picking_ = -1;  // the LED the colour dialog is open for
};
