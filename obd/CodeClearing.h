#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "obd/TroubleCodes.h"

// The clearing of the engine's trouble codes (mode 04): what the engine ECU answered, and what
// the stored codes read right after it show. A car may refuse the clearing, with its reason, or
// not answer it at all, and its codes then stay stored.
namespace obd {

inline constexpr uint8_t kClearCodes = 0x04;

enum class Clearing {
  Cleared,   // the positive answer, 44
  Refused,   // a negative answer, 7F 04 and its reason
  NoAnswer,  // nothing from the engine ECU, or NO DATA
};

struct ClearingAnswer {
  Clearing outcome = Clearing::NoAnswer;
  uint8_t reason = 0;  // the negative response code of a refusal
};

// The engine ECU's answer among the lines of the adapter's reply. "Response pending" (78) is no
// answer yet: the adapter waits for the one that follows it.
ClearingAnswer ClearingAnswerOf(const CodeReply& reply);

// The meaning of a negative response code: "conditions not correct" for 0x22.
std::string NegativeResponseMeaning(uint8_t code);

struct ClearingResult {
  ClearingAnswer answer;
  std::optional<int> storedCodes;  // the stored codes read after it; nothing when unanswered
  // The engine said it cleared them and holds none now, or could not say how many.
  bool Cleared() const {
    return answer.outcome == Clearing::Cleared && storedCodes.value_or(0) == 0;
  }
};

// What became of the clearing, in English: "trouble codes cleared", or why not.
std::string ClearingText(const ClearingResult& result);
// The same as the trouble-code box shows it, with the Polish words, in green or in red.
ColouredLine ClearingLine(const ClearingResult& result);

}  // namespace obd
