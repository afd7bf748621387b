#include "sim/ElmAdapter.h"

#include <cstdio>
#include <cstdlib>

#include "obd/PidCatalogue.h"
#include "sim/ElmEngine.h"

namespace sim {

namespace {

bool IsCan(int protocol) {
  return protocol >= 6 && protocol <= 9;
}
bool IsKLine(int protocol) {
  return protocol >= 3 && protocol <= 5;
}

std::string HexByte(int value) {
  char text[4];
  std::snprintf(text, sizeof text, "%02X", value & 0xFF);
  return text;
}

std::string Upper(std::string text) {
  std::string kept;
  for (char c : text)
    if (c != ' ') kept += static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
  return kept;
}

void AppendWord(std::vector<int>& data, uint32_t value, int bytes) {
  for (int shift = 8 * (bytes - 1); shift >= 0; shift -= 8)
    data.push_back(static_cast<int>(value >> shift & 0xFF));
}

// The modes' requests and the first byte of their answers.
constexpr int kLiveData = 0x01;
constexpr int kStoredCodes = 0x03;
constexpr int kClearCodes = 0x04;
constexpr int kPendingCodes = 0x07;
constexpr int kPermanentCodes = 0x0A;
constexpr int kAnswer = 0x40;
constexpr int kNegativeAnswer = 0x7F;
constexpr int kConditionsNotCorrect = 0x22;

// The ECUs answer at once and the adapter prints each frame as it arrives: while the engine's
// consecutive frames wait for the flow control, the other ECUs' first lines come through.
std::string Interleaved(std::vector<std::string> answers) {
  std::string lines;
  for (bool more = true; more;) {
    more = false;
    for (std::string& answer : answers) {
      const size_t end = answer.find('\r');
      if (end == std::string::npos) continue;
      lines += answer.substr(0, end + 1);
      answer.erase(0, end + 1);
      more = true;
    }
  }
  return lines;
}

}  // namespace

ElmEcu TransmissionEcu(int protocol) {
  const bool can11 = protocol == 6 || protocol == 8;
  return {can11 ? 0x7E9 : 0x18, {0x88180000, 0, 0, 0}, {0xC101}};
}

ElmAdapter::ElmAdapter(int protocol) : protocol(protocol) {
  // Among its PIDs 68 and 7F, whose answers are longer than one CAN frame.
  ElmEcu engine{protocol >= 6 ? 0x7E8 : 0x10, {0xBE3FB813, 0x80000001, 0x80000001, 0x01000002}};
  if (protocol == 7 || protocol == 9) engine.address = 0x10;
  engine.stored = {0x0133, 0x0234, 0x0171};
  engine.pending = {0x0300};
  engine.permanent = {0x0133};
  ecus.push_back(engine);
}

void ElmAdapter::Receive(const uint8_t* bytes, size_t count) {
  for (size_t i = 0; i < count; ++i) {
    if (bytes[i] != '\r') {
      input_ += static_cast<char>(bytes[i]);
      continue;
    }
    commands.push_back(input_);
    Answer(input_);
    input_.clear();
  }
}

std::vector<uint8_t> ElmAdapter::TakeOutput() {
  if (held_ > 0) {
    --held_;
    return {};
  }
  std::vector<uint8_t> out(output_.begin(), output_.end());
  output_.clear();
  return out;
}

void ElmAdapter::Answer(const std::string& command) {
  if (silent) return;
  held_ = slowness;
  if (garbage) {
    output_ += "\x13\xF7#!\x01OK\x7F\r>";
    return;
  }
  if (echo_) output_ += command + "\r";
  const std::string c = Upper(command);
  const std::string reply = c.rfind("AT", 0) == 0 ? AtCommand(c) : Request(c);
  output_ += reply + "\r>";
}

std::string ElmAdapter::AtCommand(const std::string& c) {
  const std::string what = c.substr(2);
  if (what == "Z") {
    echo_ = true;
    headers_ = false;
    spaces_ = true;
    tried_ = 0;
    return std::string("\r") + kBanner + "\r";
  }
  if (what == "RV") return "12.6V\r";
  if (what == "DPN")
    return (tried_ == 0 ? "A" + std::to_string(protocol) : std::to_string(tried_)) + "\r";
  if (what == "E0" || what == "E1")
    echo_ = what == "E1";
  else if (what == "H0" || what == "H1")
    headers_ = what == "H1";
  else if (what == "S0" || what == "S1")
    spaces_ = what == "S1";
  else if (what.rfind("TP", 0) == 0 || what.rfind("SP", 0) == 0)
    tried_ = std::atoi(what.substr(2).c_str());
  else if (what != "L0" && what != "L1" && what != "CAF1" && what != "M0" && what != "M1" &&
           what != "AL" && what.rfind("ST", 0) != 0)
    return "?\r";
  return "OK\r";
}

int ElmAdapter::Speaking() const {
  return tried_ == 0 ? protocol : tried_;
}

bool ElmAdapter::CarAnswers() const {
  return protocol != 0 && (tried_ == 0 || tried_ == protocol);
}

std::string ElmAdapter::Request(const std::string& c) {
  if (c.size() < 2 || (c.size() % 2 == 0 && c.size() > 4) ||
      c.find_first_not_of("0123456789ABCDEF") != std::string::npos)
    return "?\r";
  if (!CarAnswers()) {
    if (IsKLine(tried_)) return "SEARCHING...\rUNABLE TO CONNECT\r";
    return IsCan(tried_) ? "CAN ERROR\r" : "NO DATA\r";
  }
  const int mode = std::stoi(c.substr(0, 2), nullptr, 16);
  std::string reply;
  if (mode == kLiveData && c.size() >= 4) {
    // A trailing digit ("01001") asks for that many answers only.
    const size_t most = c.size() == 5 ? static_cast<size_t>(c[4] - '0') : ecus.size();
    reply = LiveData(std::stoi(c.substr(2, 2), nullptr, 16), most);
  } else if (c.size() == 2 &&
             (mode == kStoredCodes || mode == kPendingCodes || mode == kPermanentCodes)) {
    reply = TroubleCodes(mode);
  } else if (c.size() == 2 && mode == kClearCodes) {
    reply = ClearCodes();
  }
  return reply.empty() ? "NO DATA\r" : reply;
}

std::string ElmAdapter::LiveData(int pid, size_t most) {
  const int clock = ++asked_[pid];
  std::string reply;
  size_t answered = 0;
  for (const ElmEcu& ecu : ecus) {
    if (answered == most || pid >= kPidCount) break;
    std::vector<int> data = {kAnswer + kLiveData, pid};
    if (pid % 0x20 == 0 && pid <= 0x60) {
      const bool asked = pid == 0 || (ecu.bitmaps[static_cast<size_t>(pid / 0x20 - 1)] & 1) != 0;
      if (!asked) continue;
      AppendWord(data, ecu.bitmaps[static_cast<size_t>(pid / 0x20)], 4);
    } else {
      const uint32_t bitmap = pid > 0 ? ecu.bitmaps[static_cast<size_t>((pid - 1) / 0x20)] : 0;
      if (pid == 0 || (bitmap >> (31 - (pid - 1) % 0x20) & 1) == 0) continue;
      if (pid == 0x01)
        AppendWord(data, monitorStatus, 4);
      else
        for (int b : EngineData(pid, Pidy()[static_cast<size_t>(pid)].IleBajtow, clock))
          data.push_back(b);
    }
    reply += Line(ecu, data);
    ++answered;
  }
  return reply;
}

std::string ElmAdapter::TroubleCodes(int mode) {
  std::vector<std::string> answers;
  for (const ElmEcu& ecu : ecus) {
    const std::vector<uint16_t>& codes = mode == kStoredCodes    ? ecu.stored
                                         : mode == kPendingCodes ? ecu.pending
                                                                 : ecu.permanent;
    answers.push_back(CodeLines(ecu, kAnswer + mode, codes));
  }
  return Interleaved(std::move(answers));
}

std::string ElmAdapter::ClearCodes() {
  if (clearing == Clearing::Ignores) return {};
  std::string reply;
  if (clearing == Clearing::Refuses) {
    for (const ElmEcu& ecu : ecus)
      reply += Line(ecu, {kNegativeAnswer, kClearCodes, kConditionsNotCorrect});
    return reply;
  }
  for (ElmEcu& ecu : ecus) {
    ecu.stored.clear();
    ecu.pending.clear();
  }
  monitorStatus &= 0x00FFFFFF;  // no codes, lamp off
  for (const ElmEcu& ecu : ecus)
    reply += Line(ecu, {kAnswer + kClearCodes});
  return reply;
}

// CAN answers carry the count of codes and run on in consecutive frames; the K-line and J1850
// ECUs answer three codes a message, filling the unused places with zeros.
std::string ElmAdapter::CodeLines(const ElmEcu& ecu, int answer,
                                  const std::vector<uint16_t>& codes) const {
  if (IsCan(Speaking())) {
    std::vector<int> data = {answer, static_cast<int>(codes.size())};
    for (uint16_t code : codes)
      AppendWord(data, code, 2);
    return CanFrames(ecu, data);
  }
  std::string lines;
  for (size_t first = 0; first == 0 || first < codes.size(); first += 3) {
    std::vector<int> data = {answer};
    for (size_t i = first; i < first + 3; ++i)
      AppendWord(data, i < codes.size() ? codes[i] : 0, 2);
    lines += Line(ecu, data);
  }
  return lines;
}

// One answer line with the header the protocol puts in front (when headers are on).
std::string ElmAdapter::Line(const ElmEcu& ecu, const std::vector<int>& data) const {
  if (IsCan(Speaking())) return CanFrames(ecu, data);
  std::vector<int> bytes = data;
  int checksum = 0;
  for (int b : data)
    checksum += b;
  if (headers_) bytes.push_back(checksum);
  std::string line = Header(ecu);
  for (int b : bytes)
    line += (line.empty() || !spaces_ ? "" : " ") + HexByte(b);
  return line + "\r";
}

// With headers on, a single frame, or a first frame and its consecutive frames with every byte
// followed by a space, as the adapter prints a multi-frame answer. With headers off the adapter
// hides the frame bytes: the data alone, or the length and numbered lines of a long answer.
std::string ElmAdapter::CanFrames(const ElmEcu& ecu, const std::vector<int>& data) const {
  const std::string separator = spaces_ ? " " : "";
  auto frame = [&](std::string line, const std::vector<int>& bytes, bool trailing) {
    for (size_t i = 0; i < bytes.size(); ++i)
      line += HexByte(bytes[i]) + (i + 1 < bytes.size() || trailing ? separator : "");
    return line + "\r";
  };
  const std::string header = headers_ ? Header(ecu) + separator : "";
  const int length = static_cast<int>(data.size());
  if (length <= 7) {
    std::vector<int> single = {length};
    if (!headers_) single.clear();
    single.insert(single.end(), data.begin(), data.end());
    return frame(header, single, false);
  }
  char size[16];
  std::snprintf(size, sizeof size, "%03X\r", length);
  std::string lines = headers_ ? "" : size;
  std::vector<int> first = {0x10 | (length >> 8 & 0x0F), length & 0xFF};
  if (!headers_) first.clear();
  first.insert(first.end(), data.begin(), data.begin() + 6);
  lines += frame(headers_ ? header : "0:" + separator, first, true);
  for (size_t at = 6, index = 1; at < data.size(); at += 7, ++index) {
    std::vector<int> next = {0x20 | static_cast<int>(index & 0x0F)};
    if (!headers_) next.clear();
    for (size_t i = at; i < at + 7; ++i)
      next.push_back(i < data.size() ? data[i] : 0);
    lines +=
        frame(headers_ ? header : std::string(1, "0123456789ABCDEF"[index % 16]) + ":" + separator,
              next, true);
  }
  return lines;
}

std::string ElmAdapter::Header(const ElmEcu& ecu) const {
  if (!headers_) return "";
  const int p = Speaking();
  const std::string separator = spaces_ ? " " : "";
  if (p == 6 || p == 8) {
    char id[8];
    std::snprintf(id, sizeof id, "%03X", ecu.address & 0x7FF);
    return id;
  }
  if (p == 7 || p == 9) {
    std::string header;
    for (int b : {0x18, 0xDA, 0xF1, ecu.address})
      header += (header.empty() ? "" : separator) + HexByte(b);
    return header;
  }
  const bool kwp = p >= 4;
  return HexByte(kwp ? 0x86 : 0x48) + separator + HexByte(kwp ? 0xF1 : 0x6B) + separator +
         HexByte(ecu.address);
}

}  // namespace sim
