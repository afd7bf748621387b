// The controller's description: up to 128 UTF-16 characters, little-endian, in its own area.

#include "controller/Tsterownik.h"

namespace {
constexpr size_t kMostTyped = 127;
}  // namespace

std::u16string TSterownik::OpisSterownika() const {
  std::u16string text;
  for (size_t i = 0; i + 1 < img::kAreaSize; i += 2) {
    const auto c = static_cast<char16_t>(obraz_[img::OpisSterownika + i] |
                                         obraz_[img::OpisSterownika + i + 1] << 8);
    if (c == 0) break;
    text += c;
  }
  return text;
}

void TSterownik::UstawOpis(std::u16string text) {
  if (text.size() > kMostTyped) text.resize(kMostTyped);
  std::fill_n(&obraz_[img::OpisSterownika], img::kAreaSize, 0);
  for (size_t i = 0; i < text.size(); ++i) {
    obraz_[img::OpisSterownika + 2 * i] = static_cast<uint8_t>(text[i] & 0xFF);
    obraz_[img::OpisSterownika + 2 * i + 1] = static_cast<uint8_t>(text[i] >> 8);
  }
}
