#pragma once

#include <cstdint>
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

// The controller's error list from its reply 0x82 (frame as received, length bytes): current
// faults from the bit masks, stored faults from the counters (only while the last status frame
// said the controller keeps them), and for KAVI a wrong firing order.
std::vector<ListLine> ErrorListLines(const uint8_t* frame, int length, const TSterownik& link);
