#include "scope/ScopeTraces.h"

#include "controller/StatusDecoding.h"
#include "controller/Tsterownik.h"
#include "lang/Langtext.h"
#include "scope/TraceValues.h"

namespace scope {

namespace {

constexpr int kDockedSelector = 6;  // setting 6 picks the third docked trace
constexpr int kPetrolGridSetting = 300;
constexpr int kPetrolGridKind = 304;

WorkMarks MarksAt(const TSterownik& link, int record) {
  return WorkMarksOf(link.Rodzina(), link.Nagranie().At(record));
}

// The record decoded as a status frame, for what only the whole decoding tells.
DecodedStatus Decoded(const TSterownik& link, int record) {
  DecodedStatus status;
  TakeFrame(code::Poll, link.Nagranie().At(record), status);
  DecodeStatus({link.Rodzina(), {}, link.Nastawy(), link.DecimalSeparator()}, status);
  return status;
}

}  // namespace

ShownTraces TracesShown(const TSterownik& link, DisplayKind kind) {
  ShownTraces shown;
  if (kind == DisplayKind::Docked) {
    if (link.Rodzina() == Family::RailEmulator)
      shown.analogue = {1, 2, 3, 4};
    else
      shown.analogue = {1, 11, link.Nastawy()[kDockedSelector] == 0 ? 9 : 10, 12};
    return shown;
  }
  const std::vector<Wykres>& list = link.ListaWykresow();
  for (size_t i = 0; i < list.size(); ++i) {
    if (!(list[i].flagi & ChartPlace::ScopeTrace)) continue;
    (IsDigital(list[i]) ? shown.digital : shown.analogue).push_back(static_cast<int>(i));
  }
  return shown;
}

uint32_t WorkStateColourAt(const TSterownik& link, int record) {
  return MarksAt(link, record).colour;
}

std::string WorkStateTextAt(const TSterownik& link, int record) {
  const int text = Decoded(link, record).workState.shortText;
  return text == 0 ? std::string() : LangText(text);
}

int InformationAt(const TSterownik& link, int record) {
  return MarksAt(link, record).infoKind;
}

std::string InformationNear(const TSterownik& link, int record, double rate) {
  const int reach = static_cast<int>(rate);
  for (int r = record - reach; r <= record + reach; ++r) {
    if (link.Nagranie().At(r).empty()) continue;
    std::string text = link.StrInfoPracy(Decoded(link, r));
    if (!text.empty()) return text;
  }
  return {};
}

std::vector<int> PetrolGridLines(const TSterownik& link, int plotWidth) {
  static constexpr double kEngineSpacing[] = {0.31695721, 0.18348624, 0.21505376, 0.14064698};
  const uint8_t* settings = link.Nastawy();
  double step = plotWidth / 5;
  if (settings[kPetrolGridSetting] > 1 && settings[kPetrolGridKind] < 4)
    step = plotWidth * kEngineSpacing[settings[kPetrolGridKind]];
  std::vector<int> lines;
  if (static_cast<int>(step) < 1) return lines;
  for (double x = step + 10; x < plotWidth + 10; x += step)
    lines.push_back(static_cast<int>(x));
  return lines;
}

ScopeColours ScopeColoursOf(int scheme, uint32_t window, uint32_t text) {
  const bool dark = scheme % 2 == 1;
  return {window,
          text,
          dark ? 0x323232u : 0xF0F0F0u,
          0x808080u,
          dark ? 0x808080u : 0xC0C0C0u,
          dark ? 0xFFFFFFu : 0x00FFFFu};
}

}  // namespace scope
