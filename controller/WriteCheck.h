#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "controller/ImageLayout.h"

class TSterownik;

// What the link is about to write, kept so that what it reads back afterwards can be checked
// against it: a write the controller acknowledged but did not keep shows as a difference.
class WriteCheck {
 public:
  // The areas FlagiZapisu names, as they stand in the link's image now.
  explicit WriteCheck(const TSterownik& link);
  // The given areas, as they stand in the link's image now.
  WriteCheck(const TSterownik& link, uint32_t areas);

  uint32_t Areas() const { return areas_; }
  // Those of them whose bytes in the link's image now differ from what was written.
  uint32_t Differing(const TSterownik& link) const;

 private:
  struct Written {
    uint32_t area;
    int offset;
    std::array<uint8_t, img::kAreaSize> bytes;
  };
  uint32_t areas_ = 0;
  std::vector<Written> written_;
};
