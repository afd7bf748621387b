// Well-formed reply frames with arbitrary codes and payloads, after an identification: every
// reply, status frame and data area the controller could send, as the dispatch sees them.
// Input: a family selector, then frames of a code byte, a length byte (payload words) and the
// payload.

#include "tests/fuzz/FuzzLink.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  FuzzLink f(data[0]);
  std::span<const uint8_t> rest(data + 1, size - 1);
  while (rest.size() >= 2) {
    const uint8_t code = rest[0];
    const size_t length = std::min<size_t>(2 * rest[1], rest.size() - 2);
    const std::vector<uint8_t> payload(rest.begin() + 2, rest.begin() + 2 + (length & ~1u));
    rest = rest.subspan(2 + payload.size());
    f.line->Push(ReplyFrame(code, payload));
    f.Tick();
  }
  f.Tick();
  return 0;
}
