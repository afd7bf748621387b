#include "controller/LearnedCells.h"

void LearnedCells::Note(int imageOffset) {
  if (!Learned(imageOffset)) return;
  lastReport_[static_cast<size_t>(imageOffset - kFirst)] = ++reports_;
}

bool LearnedCells::ReportedAfter(uint32_t reports, int imageOffset) const {
  return Learned(imageOffset) && lastReport_[static_cast<size_t>(imageOffset - kFirst)] > reports;
}
