#include "controller/TableBlock.h"

#include <algorithm>

#include "controller/Protocol.h"

namespace table_block {

namespace {

using namespace AreaBit;

// img 411..474, between the identity block and the first map.
constexpr int kImageReserve = img::BlokIdent + img::kBlokIdentSize;

// clang-format off
constexpr Part kParts[] = {
  // position size  level offset              content            area
  {    0,      48,  1,    0,                  Content::Reserved, 0},
  {   48,      64,  1,    kImageReserve,      Content::Kept,     0},
  {  112,     128,  1,    img::BlokIdent,     Content::Identity, 0},
  {  240,     256,  1,    img::HistoriaZmian, Content::History,  0},
  {  496,     256,  1,    img::Nastawy,       Content::Kept,     Settings},
  {  752,     256,  1,    img::Mnoznik1,      Content::Kept,     Multiplier1},
  { 1008,     256,  1,    img::Mnoznik2,      Content::Kept,     Multiplier2},
  { 1264,     256,  1,    img::KorOdObr1,     Content::Kept,     RpmCorrection1},
  { 1520,     256,  1,    img::KorOdObr2,     Content::Kept,     RpmCorrection2},
  { 1776,     256,  1,    img::KorOdCis,      Content::Kept,     PressureCorrection},
  { 2032,     256,  1,    img::KorOdTempRed,  Content::Kept,     ReducerTempCorrection},
  { 2288,     256,  1,    img::KorOdTempGazu, Content::Kept,     GasTempCorrection},
  { 2544,     256,  1,    img::MapaEcuBen,    Content::Kept,     PetrolMap},
  { 2800,     256,  1,    img::MapaEcuGaz,    Content::Kept,     GasMap},
  { 3056,     256,  1,    img::MapaObdBen1,   Content::Kept,     ObdPetrolMap1},
  { 3312,     256,  1,    img::MapaObdGaz1,   Content::Kept,     ObdGasMap1},
  { 3568,     256,  1,    img::MapaObdBen2,   Content::Kept,     ObdPetrolMap2},
  { 3824,     256,  1,    img::MapaObdGaz2,   Content::Kept,     ObdGasMap2},
  { 4080,     256,  2,    img::EmulacjaHi,    Content::Kept,     EmulatorHi},
  { 4336,     256,  2,    img::Domieszka,     Content::Kept,     Admixture},
  { 4592,     256,  2,    img::MapaCis,       Content::Kept,     PressureMap},
  { 4848,     256,  2,    img::EmulacjaLo,    Content::Kept,     EmulatorLo},
  { 5104,     256,  3,    img::PrzesGaz,      Content::Kept,     GasAdvance},
  { 5360,     256,  3,    img::DawkaBen,      Content::Kept,     PetrolDose},
  { 5616,     256,  3,    img::Nastawy2,      Content::Kept,     Settings2},
  { 5872,     256,  3,    0,                  Content::Reserved, 0},
};
// clang-format on

// Every part starts where the one before it ends.
constexpr bool Contiguous() {
  for (size_t i = 1; i < std::size(kParts); ++i)
    if (kParts[i].position != kParts[i - 1].position + kParts[i - 1].size) return false;
  return kParts[0].position == 0;
}
static_assert(Contiguous());

bool ValidLevel(int level) {
  return level >= kLowestLevel && level <= kHighestLevel;
}

}  // namespace

std::span<const Part> Parts() {
  return kParts;
}

int Size(int level) {
  if (!ValidLevel(level)) return 0;
  int size = 0;
  for (const Part& p : kParts)
    if (p.level <= level) size = p.position + p.size;
  return size;
}

uint32_t Areas(int level) {
  uint32_t areas = 0;
  if (!ValidLevel(level)) return areas;
  for (const Part& p : kParts)
    if (p.level <= level) areas |= p.area;
  return areas;
}

void Write(const Image& image, int level, std::vector<uint8_t>& out) {
  if (!ValidLevel(level)) return;
  for (const Part& p : kParts) {
    if (p.level > level) continue;
    if (p.content == Content::Reserved)
      out.insert(out.end(), static_cast<size_t>(p.size), 0);
    else
      out.insert(out.end(), image.begin() + p.offset, image.begin() + p.offset + p.size);
  }
}

bool Read(std::span<const uint8_t> block, int level, Image& image, Identity identity) {
  if (!ValidLevel(level) || block.size() < static_cast<size_t>(Size(level))) return false;
  for (const Part& p : kParts) {
    if (p.level > level) continue;
    const auto from = block.subspan(static_cast<size_t>(p.position), static_cast<size_t>(p.size));
    if (p.content == Content::Kept) std::copy(from.begin(), from.end(), image.begin() + p.offset);
    if (p.content == Content::Identity) std::copy(from.begin(), from.end(), identity.begin());
  }
  return true;
}

}  // namespace table_block
