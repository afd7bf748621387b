#include "app/Pictures.h"

#include <QPainter>
#include <QPainterPath>

#include "app/QtColours.h"

namespace {

// LED rectangles of the controller picture, as (left, top, right, bottom).
constexpr int kLeds[7][4] = {{12, 15, 20, 20}, {12, 30, 20, 35}, {12, 44, 20, 49}, {12, 59, 20, 64},
                             {12, 73, 20, 78}, {72, 15, 79, 20}, {72, 73, 79, 78}};

}  // namespace

QImage ControllerPicture(const std::array<uint32_t, 7>& leds) {
  QImage image(91, 91, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QPainterPath body;
  body.addRoundedRect(QRectF(4, 4, 83, 83), 10, 10);
  p.fillPath(body, QColor(60, 60, 66));
  p.setPen(QPen(QColor(20, 20, 20), 2));
  p.drawPath(body);
  p.setRenderHint(QPainter::Antialiasing, false);
  for (int i = 0; i < 7; ++i) {
    const QRect led(QPoint(kLeds[i][0], kLeds[i][1]), QPoint(kLeds[i][2], kLeds[i][3]));
    p.fillRect(led, ToQColor(leds[static_cast<size_t>(i)]));
    p.setPen(QColor(110, 110, 110));
    p.drawRect(led.adjusted(-1, -1, 0, 0));
  }
  p.setPen(QColor(230, 230, 230));
  QFont font;
  font.setPixelSize(11);
  font.setBold(true);
  p.setFont(font);
  p.drawText(QRect(24, 36, 46, 20), Qt::AlignCenter, QStringLiteral("MALVER"));
  return image;
}

QImage ObdPictureImage(ObdPicture picture) {
  QImage image(135, 48, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  if (picture == ObdPicture::kNone) return image;
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  struct Look {
    QColor colour;
    const char* label;
  };
  const Look look = [picture]() -> Look {
    switch (picture) {
      case ObdPicture::kOff:
        return {QColor(150, 150, 150), "OBD"};
      case ObdPicture::kOn:
        return {QColor(0, 160, 0), "OBD"};
      case ObdPicture::kCan:
        return {QColor(0, 90, 200), "CAN"};
      case ObdPicture::kIso:
        return {QColor(200, 120, 0), "ISO"};
      case ObdPicture::kPwm:
        return {QColor(150, 0, 150), "PWM"};
      default:
        return {QColor(0, 140, 140), "VPW"};
    }
  }();
  // The diagnostic plug: a trapezoid with two rows of pins.
  QPainterPath plug;
  plug.moveTo(6, 8);
  plug.lineTo(70, 8);
  plug.lineTo(62, 40);
  plug.lineTo(14, 40);
  plug.closeSubpath();
  p.fillPath(plug, look.colour);
  p.setBrush(Qt::white);
  p.setPen(Qt::NoPen);
  for (int i = 0; i < 8; ++i)
    p.drawEllipse(QPointF(14 + 7 * i, 17), 2.2, 2.2);
  for (int i = 0; i < 6; ++i)
    p.drawEllipse(QPointF(21 + 7 * i, 30), 2.2, 2.2);
  QFont font;
  font.setPixelSize(20);
  font.setBold(true);
  p.setFont(font);
  p.setPen(look.colour);
  p.drawText(QRect(74, 8, 61, 32), Qt::AlignCenter, QString::fromLatin1(look.label));
  return image;
}

QImage SplashPicture() {
  QImage image(700, 482, QImage::Format_ARGB32);
  QPainter p(&image);
  QLinearGradient sky(0, 0, 0, 482);
  sky.setColorAt(0, QColor(20, 40, 90));
  sky.setColorAt(1, QColor(10, 120, 160));
  p.fillRect(image.rect(), sky);
  p.setRenderHint(QPainter::Antialiasing);
  QFont title;
  title.setPixelSize(96);
  title.setBold(true);
  p.setFont(title);
  p.setPen(Qt::white);
  p.drawText(QRect(0, 120, 700, 120), Qt::AlignCenter, QStringLiteral("MALVER"));
  QFont line;
  line.setPixelSize(22);
  p.setFont(line);
  p.drawText(QRect(0, 250, 700, 40), Qt::AlignCenter,
             QStringLiteral("LPG / CNG sequential injection"));
  p.drawText(QRect(0, 420, 700, 40), Qt::AlignCenter, QStringLiteral("ver2.16.2"));
  return image;
}
