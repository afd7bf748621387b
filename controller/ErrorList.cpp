#include "controller/ErrorList.h"

#include "controller/Tsterownik.h"
#include "lang/Langtext.h"

namespace {

constexpr uint32_t kRed = 255;
constexpr uint32_t kGreen = 32768;
// Bytes 9 and 12 have no colour of their own in the controller's list; orange marks them as
// the mixed-fuel and fully-open conditions they are.
constexpr uint32_t kOrange = 0x0096FF;

constexpr int kSystemError = -1;
constexpr size_t kFiringOrder = 70;  // the firing order the controller detected

// A group of eight faults given as bits of one frame byte, counted in eight bytes from `counts`.
struct FaultGroup {
  int byte;
  uint32_t colour;
  int texts[8];  // text ids by bit; 0 = unused bit, kSystemError = the literal "System Error"
  int counts;
};

constexpr FaultGroup kGroups[] = {
    {6, kRed, {1901, 1902, 1903, 1904, 1906, 1905, 1908, 1907}, 13},
    {7, kRed, {1911, 1912, 1916, 1917, 1913, 1914, 1915, kSystemError}, 21},
    {8, kGreen, {1921, 1922, 1923, 1924, 1925, 1926, 1927, 1928}, 29},
    {9, kOrange, {1931, 1932, 1933, 1934, 0, 0, 0, 0}, 37},
};

// Per-injector faults: the text followed by the injector number.
struct InjectorGroup {
  int byte;
  uint32_t colour;
  int text;
  int counts;
};

constexpr InjectorGroup kInjectorGroups[] = {
    {10, kRed, 1940, 45}, {11, kRed, 1950, 53}, {12, kOrange, 1960, 61}};

std::string FaultText(int id) {
  return id == kSystemError ? "System Error" : LangText(id);
}

}  // namespace

std::vector<ListLine> ErrorListLines(std::span<const uint8_t> frame, const TSterownik& link) {
  auto at = [&](int k) { return static_cast<size_t>(k) < frame.size() ? frame[k] : 0; };
  std::vector<ListLine> lines;
  lines.push_back({"\t" + LangText(1236) + ":", ListLine::kTextColour, 10});
  for (const FaultGroup& g : kGroups)
    for (int bit = 0; bit < 8; ++bit)
      if (g.texts[bit] != 0 && (at(g.byte) & (1 << bit)))
        lines.push_back({FaultText(g.texts[bit]), g.colour});
  for (const InjectorGroup& g : kInjectorGroups)
    for (int bit = 0; bit < 8; ++bit)
      if (at(g.byte) & (1 << bit))
        lines.push_back({LangText(g.text) + " " + std::to_string(bit + 1), g.colour});

  if (link.StanSilnika() & WorkFlag::FaultsStored) {
    lines.push_back({"", ListLine::kTextColour, 10});
    lines.push_back({"\t" + LangText(1237) + ":", ListLine::kTextColour, 10});
    for (const FaultGroup& g : kGroups)
      for (int bit = 0; bit < 8; ++bit)
        if (g.texts[bit] != 0 && at(g.counts + bit) != 0)
          lines.push_back(
              {std::to_string(at(g.counts + bit)) + " x " + FaultText(g.texts[bit]), g.colour});
    for (const InjectorGroup& g : kInjectorGroups)
      for (int injector = 0; injector < 8; ++injector)
        if (at(g.counts + injector) != 0)
          lines.push_back({std::to_string(at(g.counts + injector)) + " x " + LangText(g.text) +
                               " " + std::to_string(injector + 1),
                           g.colour});
  }

  if (link.Rodzina() == Family::Kavi && frame.size() > kFiringOrder) {
    const std::span<const uint8_t> detected = frame.subspan(kFiringOrder);
    const int wrong = link.FsiKolejnoscZaplonu(detected);
    if (wrong > 0) {
      std::string order;
      for (int i = 0; i < wrong; ++i)
        order += (i ? "-" : "") + std::to_string(detected[i] + 1);
      lines.push_back({LangText(1970) + " " + order, kRed});
    }
  }
  return lines;
}
