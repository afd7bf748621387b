#include "sim/ElmAdapter.h"

#include <cstdio>
#include <cstdlib>

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

}  // namespace

ElmAdapter::ElmAdapter(int protocol) : protocol(protocol) {
  ecus.push_back({protocol >= 6 ? 0x7E8 : 0x10, {0xBE3FA813, 0x80000001, 0x80000000, 0}});
  if (protocol == 7 || protocol == 9) ecus.front().address = 0x10;
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
  std::vector<uint8_t> out(output_.begin(), output_.end());
  output_.clear();
  return out;
}

void ElmAdapter::Answer(const std::string& command) {
  if (silent) return;
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

bool ElmAdapter::CarAnswers() const {
  return protocol != 0 && (tried_ == 0 || tried_ == protocol);
}

std::string ElmAdapter::Request(const std::string& c) {
  if (c.size() < 4 || c.find_first_not_of("0123456789ABCDEF") != std::string::npos) return "?\r";
  if (!CarAnswers()) {
    if (IsKLine(tried_)) return "SEARCHING...\rUNABLE TO CONNECT\r";
    return IsCan(tried_) ? "CAN ERROR\r" : "NO DATA\r";
  }
  const int mode = std::stoi(c.substr(0, 2), nullptr, 16);
  const int pid = std::stoi(c.substr(2, 2), nullptr, 16);
  // A trailing digit ("01001") asks for that many answers only.
  const size_t most = c.size() == 5 ? static_cast<size_t>(c[4] - '0') : ecus.size();
  std::string reply;
  size_t answered = 0;
  for (const ElmEcu& ecu : ecus) {
    if (mode != 1 || answered == most) break;
    std::vector<int> data = {0x41, pid};
    if (pid % 0x20 == 0 && pid <= 0x60) {
      const uint32_t bitmap = ecu.bitmaps[static_cast<size_t>(pid / 0x20)];
      const bool asked = pid == 0 || (ecu.bitmaps[static_cast<size_t>(pid / 0x20 - 1)] & 1) != 0;
      if (!asked) continue;
      for (int shift = 24; shift >= 0; shift -= 8)
        data.push_back(static_cast<int>(bitmap >> shift & 0xFF));
    } else if (pid == 0x01 && (ecu.bitmaps[0] & 0x80000000u) != 0) {
      for (int shift = 24; shift >= 0; shift -= 8)
        data.push_back(static_cast<int>(monitorStatus >> shift & 0xFF));
    } else {
      continue;
    }
    reply += Line(ecu, data) + "\r";
    ++answered;
  }
  return reply.empty() ? "NO DATA\r" : reply;
}

// One answer with the header the protocol puts in front (when headers are on).
std::string ElmAdapter::Line(const ElmEcu& ecu, const std::vector<int>& data) const {
  std::vector<std::string> parts;
  const int p = tried_ == 0 ? protocol : tried_;
  if (headers_) {
    if (p == 6 || p == 8) {
      char id[8];
      std::snprintf(id, sizeof id, "%03X", ecu.address & 0x7FF);
      parts.push_back(id);
    } else if (p == 7 || p == 9) {
      for (int b : {0x18, 0xDA, 0xF1, ecu.address})
        parts.push_back(HexByte(b));
    } else {
      for (int b : {p >= 4 ? 0x86 : 0x48, p >= 4 ? 0xF1 : 0x6B, ecu.address})
        parts.push_back(HexByte(b));
    }
    if (IsCan(p)) parts.push_back(HexByte(static_cast<int>(data.size())));
  }
  int checksum = 0;
  for (int b : data) {
    parts.push_back(HexByte(b));
    checksum += b;
  }
  if (headers_ && !IsCan(p)) parts.push_back(HexByte(checksum));
  std::string line;
  for (const std::string& part : parts)
    line += (line.empty() || !spaces_ ? "" : " ") + part;
  return line;
}

}  // namespace sim
