#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "controller/ImageLayout.h"

// The table block that settings files and scope recordings carry: the identity, the settings
// and every table of the controller image, in a fixed order. Level 1 holds the settings page 0,
// the multipliers, RPM corrections, correction curves and the six maps; level 2 adds the
// emulation tables, the admixture and the pressure map; level 3 the gas advance, the petrol
// dose and settings page 1.
namespace table_block {

using Image = std::array<uint8_t, img::kSize>;
using Identity = std::span<uint8_t, img::kBlokIdentSize>;

inline constexpr int kLowestLevel = 1;
inline constexpr int kHighestLevel = 3;

// What a part of the block holds and what becomes of it when the block is read.
enum class Content {
  Reserved,  // zeros
  Kept,      // an image area stored back where it came from
  Identity,  // the identity block, into a buffer of the caller's
  History,   // the change history: written, never read back
};

struct Part {
  int position;  // in the block
  int size;
  int level;   // the lowest level that carries it
  int offset;  // img offset; 0 for reserved parts
  Content content;
  uint32_t area;  // the data area's bit, 0 for parts that are not one
};

// The parts in the order of the block.
std::span<const Part> Parts();

// Bytes of the block of a level; 0 outside 1..3.
int Size(int level);
// The data areas (AreaBit) the block of a level carries.
uint32_t Areas(int level);

// Appends the block of a level to out.
void Write(const Image& image, int level, std::vector<uint8_t>& out);
// Reads a block of a level: its areas into the image, its identity into identity. False, with
// nothing changed, for a level outside 1..3 or a block shorter than its level's.
bool Read(std::span<const uint8_t> block, int level, Image& image, Identity identity);

}  // namespace table_block
