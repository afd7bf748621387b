#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "sim/ByteDevice.h"

// A simulated ELM327 adapter with a car behind it: answers AT commands, mode 01 requests and the
// trouble-code modes in text, as the adapter does (echo, headers, spaces, the prompt ">"), and
// can be told to misbehave.
namespace sim {

struct ElmEcu {
  int address;  // header byte (ISO, KWP, 29-bit CAN) or 11-bit CAN identifier
  // Supported-PID bitmaps answering 0100, 0120, 0140 and 0160, first byte most significant.
  std::array<uint32_t, 4> bitmaps;
  std::vector<uint16_t> stored = {};     // mode 03
  std::vector<uint16_t> pending = {};    // mode 07
  std::vector<uint16_t> permanent = {};  // mode 0A; clearing leaves them, as a real ECU does
};

// A second ECU on the bus, as a car's transmission answers: without the fuel trims, so the
// engine ECU is still told apart.
ElmEcu TransmissionEcu(int protocol);

class ElmAdapter : public ByteDevice {
 public:
  static constexpr const char* kBanner = "ELM327 v1.5";
  static constexpr int kDefaultProtocol = 6;

  // The car speaks `protocol` (1-9 as "ATDPN" numbers them; 0 = no car on the plug).
  explicit ElmAdapter(int protocol = kDefaultProtocol);

  // Bytes from the program; each command ending in CR is answered (into the output).
  void Receive(const uint8_t* bytes, size_t count) override;
  std::vector<uint8_t> TakeOutput() override;

  // How the car takes a clearing of its codes (mode 04): it clears them, refuses (negative
  // response 22, conditions not correct, as an engine that runs answers) or does not answer.
  enum class Clearing { Clears, Refuses, Ignores };

  int protocol;
  std::vector<ElmEcu> ecus;
  Clearing clearing = Clearing::Clears;
  uint32_t monitorStatus = 0x83076504;  // answer to 0101: 3 stored codes, lamp on
  bool silent = false;                  // answers nothing at all
  bool garbage = false;                 // answers noise (before its prompt)
  int slowness = 0;                     // each answer is held back for this many output polls
  std::vector<std::string> commands;    // every command received, without its CR

 private:
  void Answer(const std::string& command);
  std::string AtCommand(const std::string& command);
  std::string Request(const std::string& command);
  std::string LiveData(int pid, size_t most);
  std::string TroubleCodes(int mode);
  std::string ClearCodes();
  std::string CodeLines(const ElmEcu& ecu, int mode, const std::vector<uint16_t>& codes) const;
  std::string Line(const ElmEcu& ecu, const std::vector<int>& data) const;
  std::string CanFrames(const ElmEcu& ecu, const std::vector<int>& data) const;
  std::string Header(const ElmEcu& ecu) const;
  int Speaking() const;
  bool CarAnswers() const;

  std::string input_;
  std::string output_;
  bool echo_ = true;
  bool headers_ = false;
  bool spaces_ = true;
  int tried_ = 0;  // the protocol set by ATTP / ATSP
  // Mode 01 requests of each PID: that value's clock, so that it moves from one answer to the
  // next however many other PIDs are polled between them.
  std::map<int, int> asked_;
  int held_ = 0;  // output polls the current answer still waits
};

}  // namespace sim
