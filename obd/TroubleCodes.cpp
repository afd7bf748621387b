#include "obd/TroubleCodes.h"

#include <algorithm>
#include <cstdio>
#include <utility>
#include <vector>

#include "obd/ElmProtocols.h"
#include "obd/HexText.h"
#include "resources/EmbeddedResources.h"

namespace obd {

namespace {

constexpr size_t kByteWidth = 3;  // "43 ": the adapter prints every byte followed by a space
constexpr size_t kCodeWidth = 2 * kByteWidth;
constexpr int kCodesPerIsoMessage = 3;

std::string Hex(int value, int digits) {
  return HexText(static_cast<unsigned>(value), digits);
}

bool Is29Bit(int protocol) {
  return Grupa(protocol) == GrupaProtokolu::Can29;
}

bool IsCan(int protocol) {
  return Grupa(protocol) == GrupaProtokolu::Can11 || Is29Bit(protocol);
}

bool IsIsoOrKwp(int protocol) {
  return Grupa(protocol) == GrupaProtokolu::IsoJ1850 || Grupa(protocol) == GrupaProtokolu::Kwp;
}

// The byte printed at `at`, or nothing when the text holds no two hex digits there.
std::optional<uint8_t> ByteAt(std::string_view text, size_t at) {
  const std::optional<int> byte = HexAt(text, at, 2);
  if (!byte) return std::nullopt;
  return static_cast<uint8_t>(*byte);
}

std::optional<uint16_t> CodeAt(std::string_view text) {
  const std::optional<uint8_t> high = ByteAt(text, 0), low = ByteAt(text, kByteWidth);
  if (!high || !low) return std::nullopt;
  return static_cast<uint16_t>(*high << 8 | *low);
}

std::string_view Drop(std::string_view text, size_t count) {
  return text.substr(std::min(count, text.size()));
}

// Text found after `pattern` and the space that follows it.
std::optional<std::string> After(std::string_view text, const std::string& pattern) {
  const size_t at = text.find(pattern);
  if (at == std::string_view::npos) return std::nullopt;
  return std::string(Drop(text, at + pattern.size() + 1));
}

bool ModeAt(std::string_view text, size_t at, uint8_t mode) {
  return text.substr(std::min(at, text.size()), 2) == Hex(mode, 2);
}

// Prints codes from the start of the text until `count` are read, a zero fills the place or the
// text runs out; returns the text after the last code read and adds the codes printed to
// `printed`.
std::string_view PrintCodes(std::string_view text, int count, bool polish, ColouredLines& box,
                            int& printed) {
  for (int k = 0; k < count && text.size() >= kCodeWidth - 1; ++k) {
    const std::optional<uint16_t> code = CodeAt(text);
    if (!code || *code == 0) break;
    KodyBledowCyfra(&box, *code, polish);
    ++printed;
    text = Drop(text, kCodeWidth);
  }
  return text;
}

// The count of codes a CAN answer announces, and how much of the text precedes the first code.
struct CanCount {
  int codes = 0;
  size_t codesStart = 0;
};

CanCount CountCanCodes(std::string_view text, uint8_t mode) {
  const std::string m = Hex(mode, 2);
  for (int n = 0; n <= 2; ++n)
    if (text.starts_with(Hex(2 + 2 * n, 2) + " " + m + " " + Hex(n, 2))) return {n, 9};
  if (text.starts_with("10") && ModeAt(text, 6, mode))
    if (const std::optional<uint8_t> n = ByteAt(text, 9)) return {*n, 12};
  return {};
}

// Joins the consecutive frames of a first frame announcing `codes` codes, so that the code
// bytes of every frame run on separated by single spaces. Several ECUs answer at once and the
// adapter prints their lines as they arrive, so another ECU's line may stand between the
// engine's frames: each consecutive frame is looked for as a line of its own wherever it stands,
// and only its bytes are moved up to the end of those already joined.
std::string JoinConsecutiveFrames(std::string text, int codes, const CodeReply& reply,
                                  ColouredLines& log) {
  const std::string identifier = CanIdentifier(reply.protocol, reply.adresEcu);
  const size_t prefix = Is29Bit(reply.protocol) ? std::string_view("18 DA F1 ").size() : 0;
  size_t joinedEnd = std::min(text.find('\r'), text.size());
  for (int k = 0; k < (codes - 2) * 2 / 7.0; ++k) {
    const std::string sequence = " 2" + Hex((k + 1) & 0xF, 1);
    const size_t lineStart = text.find('\r' + identifier + sequence, joinedEnd);
    // The log names the frame as the engine's own header shows it, without the 29-bit prefix.
    const size_t at = lineStart == std::string::npos ? lineStart : lineStart + 1 + prefix;
    const std::string header = identifier.substr(prefix) + sequence;
    log.push_back(
        {header + " " + std::to_string(at == std::string::npos ? -1 : int(at)), LineColour::Green});
    if (at == std::string::npos) continue;
    const size_t bytesStart = std::min(at + header.size() + 1, text.size());
    const size_t lineEnd = std::min(text.find('\r', bytesStart), text.size());
    const std::string bytes = text.substr(bytesStart, lineEnd - bytesStart);
    text.erase(lineStart, lineEnd - lineStart);
    text.insert(joinedEnd, bytes);
    joinedEnd += bytes.size();
  }
  return text;
}

}  // namespace

std::string TroubleCodeText(uint16_t code) {
  static constexpr char kLetters[] = {'P', 'C', 'B', 'U'};
  return kLetters[code >> 14] + Hex(code & 0x3FFF, 4);
}

std::string_view Heading(uint8_t mode) {
  switch (mode) {
    case kStoredCodes:
      return "\tStored Trouble Codes  /  Błędy zarejestrowane :";
    case kPendingCodes:
      return "\tPending Trouble Codes  /  Błędy oczekujące :";
    case kPermanentCodes:
      return "\tPermanent Trouble Codes  /  Błędy permanentne :";
    default:
      return {};
  }
}

std::optional<std::string> SzukajEcuMode(std::string_view text, int protocol, int adresEcu,
                                         uint8_t mode) {
  const std::string ecu = Hex(adresEcu, 2), m = Hex(mode, 2);
  if (Grupa(protocol) == GrupaProtokolu::IsoJ1850) return After(text, "6B " + ecu + " " + m);
  if (Grupa(protocol) == GrupaProtokolu::Kwp) return After(text, "F1 " + ecu + " " + m);
  if (!IsCan(protocol)) return std::nullopt;
  std::optional<std::string> rest = After(text, CanIdentifier(protocol, adresEcu));
  if (rest && (ModeAt(*rest, 3, mode) || ModeAt(*rest, 6, mode))) return rest;
  return std::nullopt;
}

std::optional<int> KodyBledow(const CodeReply& reply, uint8_t mode, ColouredLines& box,
                              ColouredLines& log) {
  if (IsIsoOrKwp(reply.protocol)) return KodyBledowISO(reply, mode, box);
  if (IsCan(reply.protocol)) return KodyBledowCAN(reply, mode, box, log);
  return std::nullopt;
}

std::optional<int> KodyBledowISO(const CodeReply& reply, uint8_t mode, ColouredLines& box) {
  std::optional<std::string> message =
      SzukajEcuMode(reply.odpowiedz, reply.protocol, reply.adresEcu, mode);
  if (!message) return std::nullopt;
  box.push_back({std::string(Heading(mode)), LineColour::DarkGreen});
  int printed = 0;
  while (message) {
    const std::string_view rest =
        PrintCodes(*message, kCodesPerIsoMessage, reply.polishDescriptions, box, printed);
    if (rest.size() < kCodeWidth + 1) break;
    message = SzukajEcuMode(rest, reply.protocol, reply.adresEcu, mode);
  }
  return printed;
}

std::optional<int> KodyBledowCAN(const CodeReply& reply, uint8_t mode, ColouredLines& box,
                                 ColouredLines& log) {
  const std::optional<std::string> answer =
      SzukajEcuMode(reply.odpowiedz, reply.protocol, reply.adresEcu, mode);
  if (!answer) return std::nullopt;
  box.push_back({std::string(Heading(mode)), LineColour::DarkGreen});
  const CanCount count = CountCanCodes(*answer, mode);
  int printed = 0;
  if (count.codes == 0) return printed;
  std::string codes(Drop(*answer, count.codesStart));
  if (count.codes > 2) codes = JoinConsecutiveFrames(std::move(codes), count.codes, reply, log);
  log.push_back({std::to_string(count.codes) + " " + codes, LineColour::Magenta});
  PrintCodes(codes, count.codes, reply.polishDescriptions, box, printed);
  return printed;
}

void KodyBledowCyfra(ColouredLines* box, uint16_t code, bool polishDescriptions) {
  if (!box) return;
  const std::string text = TroubleCodeText(code);
  box->push_back({text, LineColour::Red});
  KodyBledowOpis(*box, text, DescriptionTable::English);
  if (text[0] == 'P' && polishDescriptions) KodyBledowOpis(*box, text, DescriptionTable::Polish);
}

namespace {

using DescriptionIndex = std::vector<std::pair<std::string_view, std::string_view>>;

// Each line's code (up to its first space) and its description with that space, sorted by code
// once, so that a reply with many codes does not scan the whole table for each of them. Lines
// of one code keep their order: the first one is the description.
DescriptionIndex IndexOf(std::string_view data) {
  DescriptionIndex index;
  for (size_t line = 0; line < data.size();) {
    const size_t end = std::min(data.find('\n', line), data.size());
    std::string_view text = data.substr(line, end - line);
    if (text.ends_with('\r')) text.remove_suffix(1);
    if (const size_t space = text.find(' '); space != std::string_view::npos && space > 0)
      index.emplace_back(text.substr(0, space), text.substr(space));
    line = end + 1;
  }
  std::stable_sort(index.begin(), index.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  return index;
}

const DescriptionIndex& Index(DescriptionTable table) {
  static const DescriptionIndex english = IndexOf(DtcDescriptionsEnglish());
  static const DescriptionIndex polish = IndexOf(DtcDescriptionsPolish());
  return table == DescriptionTable::English ? english : polish;
}

}  // namespace

// Only a line's own code counts: a description may name another code.
std::optional<std::string_view> Description(std::string_view codeText, DescriptionTable table) {
  const DescriptionIndex& index = Index(table);
  const auto found =
      std::lower_bound(index.begin(), index.end(), codeText,
                       [](const auto& entry, std::string_view code) { return entry.first < code; });
  if (found == index.end() || found->first != codeText) return std::nullopt;
  return found->second;
}

void KodyBledowOpis(ColouredLines& box, std::string_view codeText, DescriptionTable table) {
  if (const std::optional<std::string_view> text = Description(codeText, table))
    box.push_back({std::string(*text)});
}

}  // namespace obd
