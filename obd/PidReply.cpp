#include "obd/PidReply.h"

#include <cstdio>
#include <string>

#include "obd/ElmProtocols.h"
#include "obd/HexText.h"

namespace {

// The header and mode bytes that open the engine ECU's answer to pid, as the adapter prints it
// for each protocol; empty for a protocol without a known header form. On CAN the length byte is
// part of it, so an answer too long for one frame (9 data bytes and more) is never matched.
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
  const std::optional<size_t> data = LocatePidData(reply, protocol, ecuAddress, pid);
  if (!data) return std::nullopt;
  PidReading reading;
  reading.count = Pidy()[pid].IleBajtow;
  size_t at = *data;
  for (int i = 0; i < reading.count; ++i, at += 3) {
    const std::optional<int> byte = obd::HexAt(reply, at, 2);
    if (!byte) return std::nullopt;
    // Bytes are apart by one space; the last one ends at anything but another digit.
    const bool spaced = at + 2 < reply.size() && reply[at + 2] == ' ';
    const bool ends = !obd::HexAt(reply, at + 2, 1);
    if (i + 1 < reading.count ? !spaced : !ends) return std::nullopt;
    reading.bytes[i] = static_cast<uint8_t>(*byte);
    reading.V = reading.V << 8 | reading.bytes[i];
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
