#include "obd/CodeClearing.h"

#include <algorithm>

#include "obd/ElmProtocols.h"
#include "obd/HexText.h"

namespace obd {
namespace {

constexpr uint8_t kCleared = 0x44;
constexpr uint8_t kNegativeAnswer = 0x7F;
constexpr uint8_t kResponsePending = 0x78;
constexpr size_t kByteWidth = 3;  // "7F ": two digits and the space after them

// The negative response codes of ISO 14229 a diagnostic request may meet.
struct Meaning {
  uint8_t code;
  const char* text;
};
constexpr Meaning kNegativeResponses[] = {
    {0x10, "general reject"},
    {0x11, "service not supported"},
    {0x12, "sub-function not supported"},
    {0x13, "incorrect message length or format"},
    {0x14, "response too long"},
    {0x21, "busy, repeat the request"},
    {0x22, "conditions not correct"},
    {0x24, "request sequence error"},
    {0x31, "request out of range"},
    {0x33, "security access denied"},
    {0x72, "general programming failure"},
    {kResponsePending, "response pending"},
    {0x7E, "sub-function not supported in the active session"},
    {0x7F, "service not supported in the active session"},
};

bool ByteIs(std::string_view text, size_t at, uint8_t value) {
  return HexAt(text, at, 2) == value;
}

// The reason of the engine ECU's refusal of the clearing on this line of the reply. The text
// after the ECU's header and the 7F starts on CAN with the frame's length byte, so the refused
// service follows two bytes in; on the other buses it follows at once.
std::optional<uint8_t> RefusalOn(std::string_view line, const CodeReply& reply) {
  const std::optional<std::string> rest =
      SzukajEcuMode(line, reply.protocol, reply.adresEcu, kNegativeAnswer);
  if (!rest) return std::nullopt;
  const bool can = !CanIdentifier(reply.protocol, reply.adresEcu).empty();
  const size_t service = can ? 2 * kByteWidth : 0;
  if (!ByteIs(*rest, service, kClearCodes)) return std::nullopt;
  const std::optional<int> reason = HexAt(*rest, service + kByteWidth, 2);
  if (!reason) return std::nullopt;
  return static_cast<uint8_t>(*reason);
}

}  // namespace

ClearingAnswer ClearingAnswerOf(const CodeReply& reply) {
  ClearingAnswer answer;
  std::string_view text = reply.odpowiedz;
  while (!text.empty()) {
    const size_t end = std::min(text.find('\r'), text.size());
    const std::string_view line = text.substr(0, end);
    text.remove_prefix(std::min(end + 1, text.size()));
    if (SzukajEcuMode(line, reply.protocol, reply.adresEcu, kCleared)) return {Clearing::Cleared};
    const std::optional<uint8_t> reason = RefusalOn(line, reply);
    if (reason && *reason != kResponsePending && answer.outcome == Clearing::NoAnswer)
      answer = {Clearing::Refused, *reason};
  }
  return answer;
}

std::string NegativeResponseMeaning(uint8_t code) {
  for (const Meaning& m : kNegativeResponses)
    if (m.code == code) return m.text;
  return "a reason the standard does not name";
}

namespace {

std::string StoredCodes(int count) {
  return std::to_string(count) + (count == 1 ? " stored trouble code" : " stored trouble codes");
}

}  // namespace

std::string ClearingText(const ClearingResult& result) {
  const std::string stored = result.storedCodes ? StoredCodes(*result.storedCodes) : "";
  switch (result.answer.outcome) {
    case Clearing::Cleared:
      if (result.Cleared()) return "trouble codes cleared";
      return "the vehicle acknowledged the clearing but still holds " + stored;
    case Clearing::Refused:
      return "the vehicle refused to clear its trouble codes: " +
             NegativeResponseMeaning(result.answer.reason) + " (negative response " +
             HexText(result.answer.reason, 2) + ")";
    case Clearing::NoAnswer:
      break;
  }
  if (!result.storedCodes) return "the vehicle answered neither the clearing nor the read after it";
  return "the vehicle did not answer the clearing; it holds " + stored;
}

ColouredLine ClearingLine(const ClearingResult& result) {
  if (result.Cleared())
    return {"\t" + ClearingText(result) + "  /  Błędy skasowane", LineColour::DarkGreen};
  return {"\t" + ClearingText(result) + "  /  Błędy nie zostały skasowane", LineColour::Red};
}

}  // namespace obd
