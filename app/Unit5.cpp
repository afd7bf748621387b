#include "app/Unit5.h"

#include <QColorDialog>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

#include "app/QtColours.h"
#include "controller/Tsterownik.h"
#include "lang/Langtext.h"
#include "settings/LevelRules.h"

namespace {

constexpr int kWidth = 760, kHeight = 360;
constexpr QPoint kPalette{30, 50};
constexpr int kPaletteColumns = 5, kPaletteRows = 3;
constexpr int kLedSize = 30;
constexpr int kLedsLeft = 520, kLedsTop = 30, kLedStep = 40;
constexpr int kReserve = 4, kGas = 5, kPetrol = 6;

// The labels beside the LEDs; the reserve LED has none.
QString LedLabel(int led) {
  static const char* const kLevels[] = {"4/4", "3/4", "1/2", "1/4"};
  if (led < kReserve) return QString::fromLatin1(kLevels[led]);
  if (led == kGas) return Q(LangText(1249));
  if (led == kPetrol) return Q(LangText(1244));
  return {};
}

}  // namespace

TForm5::TForm5(TSterownik& link, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint), link_(link) {
  setFixedSize(kWidth, kHeight);
  setWindowTitle(QStringLiteral("MALVER"));
  save_ = new QPushButton(this);
  save_->setGeometry(kWidth - 150, kHeight - 50, 120, 30);
  connect(save_, &QPushButton::clicked, this, [this] { link_.ZapiszKoloryLed(colours_); });
  picker_ = new QColorDialog(this);
  connect(picker_, &QColorDialog::colorSelected, this, [this](const QColor& colour) {
    if (picking_ < 0) return;
    colours_[static_cast<size_t>(picking_)] = FromQColor(colour);
    update();
  });
}

void TForm5::Prepare() {
  colours_ = link_.KoloryLed();
  save_->setText(Q(LangText(1357)));
  update();
}

QRect TForm5::LedRect(int led) const {
  return {kLedsLeft, kLedsTop + led * kLedStep, kLedSize, kLedSize};
}

QRect TForm5::PaletteRect() const {
  return {kPalette,
          QSize(kPaletteColumns * level::kPaletteCell, kPaletteRows * level::kPaletteCell)};
}

void TForm5::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.fillRect(rect(), palette().window());
  PaintPalette(p);
  for (int led = 0; led < 7; ++led) {
    const QRect shape = LedRect(led);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(ToQColor(colours_[static_cast<size_t>(led)]));
    p.drawEllipse(shape);
    p.drawText(shape.translated(kLedSize + 12, 0).adjusted(0, 0, 120, 0),
               Qt::AlignVCenter | Qt::AlignLeft, LedLabel(led));
  }
}

// Each cell shows its scheme as the switch would: the four level LEDs as a column of bars
// beside the gas LED.
void TForm5::PaintPalette(QPainter& p) {
  const QRect whole = PaletteRect();
  p.fillRect(whole, QColor(0x20, 0x20, 0x20));
  for (int row = 0; row < kPaletteRows; ++row) {
    for (int column = 0; column < kPaletteColumns; ++column) {
      const QRect cell(whole.left() + column * level::kPaletteCell,
                       whole.top() + row * level::kPaletteCell, level::kPaletteCell,
                       level::kPaletteCell);
      const auto scheme = level::Scheme(column + 10 * row);
      if (!scheme) continue;
      p.setPen(Qt::NoPen);
      for (int led = 0; led < 4; ++led) {
        p.setBrush(ToQColor((*scheme)[static_cast<size_t>(led)]));
        p.drawRoundedRect(QRect(cell.left() + 16, cell.top() + 10 + led * 15, 28, 11), 3, 3);
      }
      p.setBrush(ToQColor((*scheme)[kGas]));
      p.drawEllipse(QRect(cell.left() + 52, cell.top() + 30, 14, 14));
      p.setPen(QPen(QColor(0x60, 0x60, 0x60), 1));
      p.setBrush(Qt::NoBrush);
      p.drawRect(cell.adjusted(0, 0, -1, -1));
    }
  }
}

void TForm5::mousePressEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  if (PaletteRect().contains(at)) {
    const QPoint inside = at - PaletteRect().topLeft();
    if (const auto scheme = level::Scheme(level::PaletteCode(inside.x(), inside.y()))) {
      colours_ = *scheme;
      update();
    }
    return;
  }
  for (int led = 0; led < 7; ++led) {
    if (!LedRect(led).contains(at)) continue;
    picking_ = led;
    picker_->setCurrentColor(ToQColor(colours_[static_cast<size_t>(led)]));
    picker_->open();
    return;
  }
  QDialog::mousePressEvent(event);
}
