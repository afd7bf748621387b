#include "app/KeyBuffers.h"

#include <algorithm>

namespace {

constexpr char kSequence[6] = {'M', 'A', 'G', 'N', 'E', 'T'};

}  // namespace

bool KeyBuffers::Press(int key) {
  if (key >= 48 && key <= 59) {
    std::rotate(DigitKeys.begin(), DigitKeys.begin() + 1, DigitKeys.end());
    DigitKeys.back() = static_cast<char>(key);
  }
  if (std::find(std::begin(kSequence), std::end(kSequence), key) == std::end(kSequence)) {
    AdminKeyCount = 0;
    return false;
  }
  if (AdminKeyCount > 5) AdminKeyCount = 0;
  AdminKeyBuffer[AdminKeyCount++] = static_cast<char>(key);
  if (AdminKeyCount < 6 || !std::equal(AdminKeyBuffer.begin(), AdminKeyBuffer.end(), kSequence))
    return false;
  AdminKeyCount = 0;
  return true;
}
