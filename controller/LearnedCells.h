#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "controller/ImageLayout.h"

// The cells of the learned maps (MapaEcuBen .. MapaObdGaz2, one block of the image) that the
// controller reported learning in its status frames, with the order the reports came in: a
// cell reported after a write is the controller's own news, not a write it lost.
class LearnedCells {
 public:
  // A report of the cell at this image offset; other offsets are no learned map's.
  void Note(int imageOffset);
  // How many reports have come so far.
  uint32_t Reports() const { return reports_; }
  // The cell at this image offset was reported after the first `reports` reports.
  bool ReportedAfter(uint32_t reports, int imageOffset) const;

 private:
  static constexpr int kFirst = img::MapaEcuBen;
  static constexpr int kCells = img::MapaObdGaz2 + img::kAreaSize - kFirst;
  static bool Learned(int imageOffset) {
    return imageOffset >= kFirst && imageOffset < kFirst + kCells;
  }

  uint32_t reports_ = 0;
  std::array<uint32_t, kCells> lastReport_{};  // by cell: the number of its last report, 0 none
};
