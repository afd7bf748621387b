#pragma once

#include <QColor>
#include <cstdint>

// The program keeps colours as 0x00BBGGRR, red in the low byte.
inline QColor ToQColor(uint32_t bgr) {
  return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                static_cast<int>((bgr >> 16) & 0xFF));
}

inline uint32_t FromQColor(const QColor& c) {
  return static_cast<uint32_t>(c.red()) | static_cast<uint32_t>(c.green()) << 8 |
         static_cast<uint32_t>(c.blue()) << 16;
}

inline QString Q(const std::string& text) {
  return QString::fromStdString(text);
}
