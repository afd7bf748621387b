#include "obd/PidReply.h"

#include <cstdio>
#include <string>
#include <vector>

#include "obd/ElmProtocols.h"
#include "obd/HexText.h"

namespace {

constexpr uint8_t kAnswerMode = 0x41;
// A CAN single frame holds the mode, the PID and five data bytes at most; a longer answer comes
// as a first frame and consecutive frames.
constexpr int kSingleFrameLongest = 7;
constexpr uint8_t kFirstFrame = 0x10;
constexpr uint8_t kConsecutiveFrame = 0x20;
constexpr size_t kByteWidth = 3;  // "41 ": two digits and the space after them

bool IsCan(int protocol) {
  return Grupa(protocol) == GrupaProtokolu::Can11 || Grupa(protocol) == GrupaProtokolu::Can29;
}

// The header and mode bytes that open the engine ECU's answer to pid in one message, as the
// adapter prints it for each protocol; empty for a protocol without a known header form. On
// CAN the length byte is part of it.
std::string AnswerStart(int protocol, int ecuAddress, int pid) {
  const int dataBytes = Pidy()[pid].IleBajtow;
  char text[48];
  int length = 0;
  switch (Grupa(protocol)) {
    case GrupaProtokolu::IsoJ1850:
      length = std::snprintf(text, sizeof text, "6B %02X 41 %02X", ecuAddress, pid);
      break;
    case GrupaProtokolu::Kwp:
      length = std::snprintf(text, sizeof text, "F1 %02X 41 %02X", ecuAddress, pid);
      break;
    case GrupaProtokolu::Can11:
      length = std::snprintf(text, sizeof text, "%03X 0%d 41 %02X", ecuAddress, dataBytes + 2, pid);
      break;
    case GrupaProtokolu::Can29:
      length = std::snprintf(text, sizeof text, "%02X 0%d 41 %02X", ecuAddress, dataBytes + 2, pid);
      break;
    case GrupaProtokolu::Brak:
      break;
  }
  return std::string(text, length > 0 ? length : 0);
}

void Append(PidReading& reading, uint8_t byte) {
  reading.bytes[static_cast<size_t>(reading.count++)] = byte;
  reading.V = reading.V << 8 | byte;
}

// The bytes a frame's line prints: pairs of hex digits apart by one space, the adapter's space
// after the last one allowed. Nothing when the line holds anything else.
std::optional<std::vector<uint8_t>> LineBytes(std::string_view line) {
  std::vector<uint8_t> bytes;
  for (size_t at = 0; at < line.size(); at += kByteWidth) {
    const std::optional<int> byte = obd::HexAt(line, at, 2);
    if (!byte || (at + 2 < line.size() && line[at + 2] != ' ')) return std::nullopt;
    bytes.push_back(static_cast<uint8_t>(*byte));
  }
  return bytes;
}

// The engine ECU's answer to pid when it is too long for one CAN frame: a first frame ("10 LL",
// the length, then 41, the PID and the first data bytes) and consecutive frames ("21", "22", ...
// seven bytes each), every one a line of its own behind the ECU's identifier. Other ECUs answer
// at the same time and their lines may stand between the engine's. A frame of the engine's that
// does not read, or frames that end before the length, give nothing.
std::optional<PidReading> ReadLongCanAnswer(std::string_view reply, int protocol, int ecuAddress,
                                            int pid) {
  const std::string identifier = CanIdentifier(protocol, ecuAddress) + " ";
  const int length = Pidy()[pid].IleBajtow + 2;
  std::vector<uint8_t> message;
  uint8_t expected = kFirstFrame;
  while (!reply.empty() && static_cast<int>(message.size()) < length) {
    const size_t end = std::min(reply.find('\r'), reply.size());
    const std::string_view line = reply.substr(0, end);
    reply.remove_prefix(std::min(end + 1, reply.size()));
    if (!line.starts_with(identifier)) continue;
    const std::optional<std::vector<uint8_t>> frame = LineBytes(line.substr(identifier.size()));
    if (!frame || frame->empty()) return std::nullopt;
    if (expected == kFirstFrame) {
      const bool first = frame->size() >= 4 && ((*frame)[0] & 0xF0) == kFirstFrame &&
                         (((*frame)[0] & 0x0F) << 8 | (*frame)[1]) == length &&
                         (*frame)[2] == kAnswerMode && (*frame)[3] == pid;
      if (!first) continue;
      message.assign(frame->begin() + 2, frame->end());
      expected = kConsecutiveFrame | 1;
    } else if ((*frame)[0] == expected) {
      message.insert(message.end(), frame->begin() + 1, frame->end());
      expected = kConsecutiveFrame | ((expected + 1) & 0x0F);
    }
  }
  if (static_cast<int>(message.size()) < length) return std::nullopt;
  PidReading reading;
  for (int i = 2; i < length; ++i)
    Append(reading, message[static_cast<size_t>(i)]);
  return reading;
}

}  // namespace

std::optional<size_t> LocatePidData(std::string_view reply, int protocol, int ecuAddress, int pid) {
  if (pid < 0 || pid >= kPidCount || ecuAddress < 0) return std::nullopt;
  const std::string start = AnswerStart(protocol, ecuAddress, pid);
  if (start.empty()) return std::nullopt;
  const size_t found = reply.find(start);
  const size_t separator = found + start.size();
  if (found == std::string_view::npos || separator >= reply.size() || reply[separator] != ' ')
    return std::nullopt;
  return separator + 1;
}

std::optional<PidReading> ReadPidReply(std::string_view reply, int protocol, int ecuAddress,
                                       int pid) {
  if (pid < 0 || pid >= kPidCount || ecuAddress < 0) return std::nullopt;
  const int count = Pidy()[pid].IleBajtow;
  if (IsCan(protocol) && count + 2 > kSingleFrameLongest)
    return ReadLongCanAnswer(reply, protocol, ecuAddress, pid);
  const std::optional<size_t> data = LocatePidData(reply, protocol, ecuAddress, pid);
  if (!data) return std::nullopt;
  PidReading reading;
  size_t at = *data;
  for (int i = 0; i < count; ++i, at += kByteWidth) {
    const std::optional<int> byte = obd::HexAt(reply, at, 2);
    if (!byte) return std::nullopt;
    // Bytes are apart by one space; the last one ends at anything but another digit.
    const bool spaced = at + 2 < reply.size() && reply[at + 2] == ' ';
    const bool ends = !obd::HexAt(reply, at + 2, 1);
    if (i + 1 < count ? !spaced : !ends) return std::nullopt;
    Append(reading, static_cast<uint8_t>(*byte));
  }
  return reading;
}

std::optional<uint32_t> PIDsupported(PidSelection& selection, int base, std::string_view reply,
                                     int protocol, int ecuAddress) {
  if (base != 0 && base != 0x20 && base != 0x40 && base != 0x60) return std::nullopt;
  if (base == 0) {
    selection.Obslugiwany.reset();
    selection.Obslugiwany.set(0);
  }
  const std::optional<PidReading> bitmap = ReadPidReply(reply, protocol, ecuAddress, base);
  if (!bitmap) return std::nullopt;
  // Bit 31 stands for the PID right after the bitmap's own, bit 0 for the next bitmap PID.
  for (int i = 0; i < 32; ++i)
    selection.Obslugiwany[base + 1 + i] = (bitmap->V >> (31 - i)) & 1;
  return bitmap->V;
}
