// An arbitrary status frame decoded for a family: work state, events, times, the OBD part and
// every live value of the family's list.

#include "controller/StatusDecoding.h"
#include "controller/Tsterownik.h"
#include "tests/support/LinkTestAccess.h"
#include "tests/support/OfflineLink.h"

namespace {

// The definition lists of each family, built once.
TSterownik& LinkOf(uint8_t selector) {
  static constexpr uint8_t kFamilies[] = {2, 5, 6, 8, 13, 255};
  static OfflineLink links[std::size(kFamilies)];
  static bool built = false;
  if (!built) {
    for (size_t i = 0; i < std::size(kFamilies); ++i) {
      LinkTestAccess::ObrazSterownika(links[i].link)[img::Schemat] = kFamilies[i];
      LinkTestAccess::ObrazSterownika(links[i].link)[img::Wersja] = 17;
      links[i].link.ListaNastawWykresyOdPlytki(0);
    }
    built = true;
  }
  return links[selector % std::size(kFamilies)].link;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  TSterownik& link = LinkOf(data[0]);
  DecodedStatus status;
  TakeFrame(data[0], {data + 1, size - 1}, status);
  DecodeStatus({link.Rodzina(), link.ListaWykresow(), link.Nastawy(), '.'}, status);
  link.StrInfoPracy(status);
  link.StrStanPracy(status.statusWord, 1);
  return 0;
}
