#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

class TSterownik;

// One line of the diagnostics lists.
struct ListLine {
  static constexpr uint32_t kTextColour = 0xFFFFFFFF;  // the window's text colour
  std::string text;
  uint32_t colour = kTextColour;  // 0x00BBGGRR
  int size = 14;                  // points
};

// The controller's error list from its reply (the frame as it arrived): current faults from the
// bit masks, stored faults from the counters (only while the last status frame said the
// controller keeps them), and for KAVI a wrong firing order. Bytes the reply did not carry
// count as zero.
std::vector<ListLine> ErrorListLines(std::span<const uint8_t> frame, const TSterownik& link);
