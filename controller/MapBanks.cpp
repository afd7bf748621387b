// The two map banks some boards keep, and the multiplier tables interpolated between their
// nodes: which bank the views show, copying one bank onto the other, and storing the nodes the
// map view edits.

#include <algorithm>
#include <cmath>

#include "controller/Multiplier.h"
#include "controller/Tsterownik.h"

namespace {

constexpr int kDiMpiModel = 12;

using multiplier::Bank;
using multiplier::kBank1;
using multiplier::kBank2;
using multiplier::kNodes;

}  // namespace

bool TSterownik::Czy_DI_MPI() const {
  return Wyrob() == kDiMpiModel;
}

void TSterownik::WyznaczBank() {
  if (!dwaBanki_) {
    numerBanku_ = 0;
    return;
  }
  const uint8_t* image = obraz_.data();
  const uint8_t* settings = Nastawy();
  auto same = [](const uint8_t* a, const uint8_t* b, int n) { return std::equal(a, a + n, b); };
  const bool alike = !Czy_DI_MPI() &&
                     settings[kBank1.idleSetting] == settings[kBank2.idleSetting] &&
                     same(settings + kBank1.firstNode, settings + kBank2.firstNode, kNodes) &&
                     same(image + kBank1.table, image + kBank2.table, img::kAreaSize) &&
                     same(image + kBank1.rpmTable, image + kBank2.rpmTable, img::kAreaSize);
  if (alike)
    numerBanku_ = 0;
  else if (numerBanku_ == 0)
    numerBanku_ = 1;
}

void TSterownik::ZmienBank(int request) {
  if (request < 0 || request > 4) return;
  if (!dwaBanki_) {
    numerBanku_ = 0;
    return;
  }
  // The DI/MPI board's banks belong to two injection systems: they are only chosen, never copied.
  if (Czy_DI_MPI()) {
    numerBanku_ = request == 0 ? 1 : request;
    return;
  }
  // The copy buttons name the bank in view as the source ("1 -> 2" is 3, "2 -> 1" is 4); leaving
  // a bank for both-together makes the other bank its copy first.
  if ((request >= 3 || request == 0) && numerBanku_ != 0) {
    const Bank& from = multiplier::InView(numerBanku_);
    const Bank& to = from.number == 1 ? kBank2 : kBank1;
    uint8_t* settings = NastawyDoZapisu();
    settings[to.idleSetting] = settings[from.idleSetting];
    std::copy_n(settings + from.firstNode, kNodes, settings + to.firstNode);
    std::copy_n(&obraz_[from.table], img::kAreaSize, &obraz_[to.table]);
    std::copy_n(&obraz_[from.rpmTable], img::kAreaSize, &obraz_[to.rpmTable]);
    ZapiszDoSterownika(AreaBit::Settings | to.write | to.rpmWrite);
  }
  if (request <= 2) numerBanku_ = request;
}

void TSterownik::WyliczMnoznik(int kind, int lowest, int highest) {
  if (kind != 1 && kind != 2) return;
  const Bank& bank = kind == 1 ? kBank1 : kBank2;
  uint8_t* table = &obraz_[bank.table];
  const uint8_t* nodes = Nastawy() + bank.firstNode;
  int x0 = nodes[0];
  for (int k = 1; k < kNodes; ++k) {
    const int x1 = nodes[k];
    if (x1 == 0) continue;
    // The line runs between the two ends as they were, whatever limiting does to the first.
    const double from = table[x0], to = table[x1];
    for (int j = x0; j < x1; ++j) {
      const int v = static_cast<int>(std::trunc(from - (j - x0) * (from - to) / (x1 - x0)));
      table[j] = static_cast<uint8_t>(std::clamp(v, lowest, highest));
    }
    x0 = x1;
  }
  std::fill(table + zakresMnoznika_ + 1, table + img::kAreaSize, table[zakresMnoznika_]);
}

void TSterownik::UstawWezlyMnoznika(const WezlyMnoznika& nodes) {
  const int inView = AktalnyBank();
  const Bank& bank = multiplier::InView(inView);
  uint8_t* positions = NastawyDoZapisu() + bank.firstNode;
  uint8_t* table = &obraz_[bank.table];
  for (int i = 0; i < kNodes; ++i) {
    positions[i] = nodes.x[i];
    if (i == 0 || nodes.x[i] != 0) table[nodes.x[i]] = nodes.value[i];
  }
  const multiplier::Range range = multiplier::ValueRange(Nastawy());
  WyliczMnoznik(bank.number, range.lowest, range.highest);
  uint32_t writes = AreaBit::Settings | bank.write;
  if (inView == 0) {
    std::copy_n(positions, kNodes, NastawyDoZapisu() + kBank2.firstNode);
    std::copy_n(table, img::kAreaSize, &obraz_[kBank2.table]);
    writes |= kBank2.write;
  }
  ZapiszDoSterownika(writes);
}
