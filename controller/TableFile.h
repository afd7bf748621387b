#pragma once

#include <cstdint>
#include <span>

// Table files: one 256-byte table of the image, raw, without a header. Loading one while
// connected writes the table and reads it back.
namespace table_file {

inline constexpr int kSize = 256;

struct Kind {
  int kind;
  const char* extension;  // without the dot
  int offset;             // img offset of the table
  uint32_t area;          // its AreaBit
};

// 0 EmulacjaHi (".fpe"), 1 MapaCis (".fpm"), 2 EmulacjaLo (".fpe").
std::span<const Kind> Kinds();
// Null for a kind outside 0..2.
const Kind* KindOf(int kind);

}  // namespace table_file
