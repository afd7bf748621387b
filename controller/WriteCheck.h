#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "controller/ImageLayout.h"

class TSterownik;

// A cell of a learned map: its area (AreaBit), RPM column and load row (0 the lowest load).
struct LearnedCell {
  uint32_t area;
  int column;
  int row;
};

// What the link is about to write, kept so that what it reads back afterwards can be checked
// against it: a write the controller acknowledged but did not keep shows as a difference. A
// controller that learns while it runs changes map cells after the write and reports them;
// those cells are its own news and are told apart.
class WriteCheck {
 public:
  // The areas FlagiZapisu names, as they stand in the link's image now.
  explicit WriteCheck(const TSterownik& link);
  // The given areas, as they stand in the link's image now.
  WriteCheck(const TSterownik& link, uint32_t areas);

  uint32_t Areas() const { return areas_; }
  // Those of them whose bytes in the link's image now differ from what was written, but for
  // the cells the controller reported learning since.
  uint32_t Differing(const TSterownik& link) const;
  // The cells the controller reported learning since that now differ from what was written.
  std::vector<LearnedCell> LearnedMeanwhile(const TSterownik& link) const;

 private:
  struct Written {
    uint32_t area;
    int offset;
    std::array<uint8_t, img::kAreaSize> bytes;
  };
  // Called with each written byte the link's image no longer holds (its area, its index) and
  // whether the controller reported learning that cell since.
  using ChangeVisitor = std::function<void(const Written&, int, bool)>;
  void EachChange(const TSterownik& link, const ChangeVisitor& visit) const;

  uint32_t areas_ = 0;
  uint32_t learnedReports_ = 0;  // the controller's reports of learned cells before the write
  std::vector<Written> written_;
};

// "MapaEcuGaz RPM column 3 load row 5, ..." for a report.
std::string LearnedCellNames(const std::vector<LearnedCell>& cells);
