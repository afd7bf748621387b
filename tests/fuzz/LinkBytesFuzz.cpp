// Arbitrary bytes on the controller's line, after an identification: the receive path must
// assemble, refuse or dispatch them without ever reading outside what arrived.

#include "tests/fuzz/FuzzLink.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  FuzzLink f(data[0]);
  f.Feed({data + 2, size - 2}, 1 + data[1] % 64);
  return 0;
}
