// An arbitrary error-list reply shown for a controller of any family.

#include "controller/ErrorList.h"
#include "controller/Tsterownik.h"
#include "tests/support/LinkTestAccess.h"
#include "tests/support/OfflineLink.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 3) return 0;
  OfflineLink offline;
  TSterownik& link = offline.link;
  LinkTestAccess::ObrazSterownika(link)[img::Schemat] = data[0];
  LinkTestAccess::ObrazSterownika(link)[img::Wyrob] = data[1];
  LinkTestAccess::IleWtryskiwaczy(link) = data[2] % 10;
  LinkTestAccess::StanSilnika(link) = WorkFlag::FaultsStored;
  ErrorListLines({data + 3, size - 3}, link);
  return 0;
}
