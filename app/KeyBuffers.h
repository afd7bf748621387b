#pragma once

#include <array>
#include <string>

// What the main window remembers of the keys pressed in it: the last four digits (which the
// administrator's password erase checks against the barcode) and the hidden administrator
// sequence.
class KeyBuffers {
 public:
  // One key (its virtual-key code: digits 48..57, letters 65..90). True when it completed the
  // administrator sequence.
  bool Press(int key);

  // The last four keys of codes 48..59, oldest first, as characters.
  std::string Digits() const { return std::string(DigitKeys.begin(), DigitKeys.end()); }

  std::array<char, 4> DigitKeys{};
  std::array<char, 6> AdminKeyBuffer{};
  int AdminKeyCount = 0;
};
