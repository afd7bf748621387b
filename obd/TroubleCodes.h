#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The engine's diagnostic trouble codes as the ELM adapter reports them: finding the ECU's
// answer in the adapter's text, taking the two-byte codes apart and printing each with its
// description. The trouble-code box is a widget of the window; here it is a plain list of
// coloured lines the view draws.

namespace obd {

// The mode reply bytes of the three reads.
inline constexpr uint8_t kStoredCodes = 0x43;
inline constexpr uint8_t kPendingCodes = 0x47;
inline constexpr uint8_t kPermanentCodes = 0x4A;

enum class LineColour { Default, Red, DarkGreen, Green, Magenta };

struct ColouredLine {
  std::string text;  // UTF-8
  LineColour colour = LineColour::Default;
  bool operator==(const ColouredLine&) const = default;
};
using ColouredLines = std::vector<ColouredLine>;

enum class DescriptionTable { English, Polish };

// What the listing needs of the link, as plain values.
struct CodeReply {
  std::string_view odpowiedz;  // the adapter's text of the last request
  int protocol = 0;
  int adresEcu = 0;
  bool polishDescriptions = false;  // JezykOpisow
};

// "P0133": the letter by the two top bits, then the low 14 bits as four hex digits.
std::string TroubleCodeText(uint16_t code);

// The heading of a read, by its mode reply byte; empty for any other byte.
std::string_view Heading(uint8_t mode);

// The text after the ECU's header and mode byte, or nothing when the ECU did not answer.
std::optional<std::string> SzukajEcuMode(std::string_view text, int protocol, int adresEcu,
                                         uint8_t mode);

// Lists the codes of the reply into the box; the CAN frame joining goes to the log. Returns how
// many codes were listed, nothing when the reply holds no answer of the ECU.
std::optional<int> KodyBledow(const CodeReply& reply, uint8_t mode, ColouredLines& box,
                              ColouredLines& log);
std::optional<int> KodyBledowISO(const CodeReply& reply, uint8_t mode, ColouredLines& box);
std::optional<int> KodyBledowCAN(const CodeReply& reply, uint8_t mode, ColouredLines& box,
                                 ColouredLines& log);

// One code in red, then its English description and, for a P code in Polish, the Polish one.
void KodyBledowCyfra(ColouredLines* box, uint16_t code, bool polishDescriptions);

// The description of the code from the table ("P0133 text" lines), or nothing.
std::optional<std::string_view> Description(std::string_view codeText, DescriptionTable table);
void KodyBledowOpis(ColouredLines& box, std::string_view codeText, DescriptionTable table);

}  // namespace obd
