#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <span>
#include <string>
#include <vector>

#include "controller/ImageLayout.h"
#include "controller/Protocol.h"
#include "sim/Bootloader.h"
#include "sim/ByteDevice.h"
#include "sim/IdleEngine.h"

// A simulated gas controller: answers the link's frames as a controller of the chosen family
// does, keeps its own memory so that writes persist, and can be told to misbehave.
namespace sim {

struct Identity {
  int family = 2;        // "schemat": 2, 5, 6, 8, 13 or 255
  int model = 3;         // "wyrob": chooses the display name
  int boardVariant = 0;  // family 255 feature level
  int firmware = 15;
  int beta = 0;
  int injectors = 4;
  int cylinders = 4;  // program "ilewtr"
  int hardwareRevision = 0;
  int specialVersion = 0;
  int requiredLevel = 10;
  int maker = 1;         // "firma"; only 1 is served by the program
  int boardVersion = 1;  // the board's "wersja": the flash mode its bootloader takes
  std::string barcode = "MV0000123456789";
};

// A realistic identity of each family, with firmware that exercises its version-dependent reads.
Identity DefaultIdentity(int family);

enum class State { kNormal = 0, kBootloader = 1, kPasswordLocked = 2 };

// What the bootloader puts in the two header bytes of a block's acknowledgement: the block's
// number (low byte first), its low byte only, two zero bytes, or no payload at all.
enum class AckLayout { kBlockNumber, kLowByte, kZeros, kEmpty };
// The payload of the acknowledgement of a block in a layout.
std::vector<uint8_t> AcknowledgementOf(AckLayout layout, int block);

// What the controller has counted since it was fitted; it reports them with its identity.
struct Statistics {
  int petrolHours = 215;
  int petrolSeconds = 1805;  // within the current hour
  int gasHours = 1234;
  int gasSeconds = 2345;
  int emergencyStarts = 3;  // 255: not counted
};

class SimController : public ByteDevice {
 public:
  explicit SimController(const Identity& identity);

  // Bytes from the program. Complete request frames are answered at once (into the output).
  void Receive(const uint8_t* bytes, size_t count) override;
  // Reply bytes ready for the program. While replies are split, a frame goes out in two
  // halves on two calls; while delayed, a reply waits the given number of calls.
  std::vector<uint8_t> TakeOutput() override;

  // Misbehaviour.
  bool silent = false;            // answer nothing at all
  int silentAfter = -1;           // answer only the first n requests (-1: all of them)
  int silentFor = -1;             // after those, stay silent for n requests (-1: for good)
  int dropReplies = 0;            // swallow the next n replies
  int corruptReplies = 0;         // damage one payload byte of the next n replies
  int dropEvery = 0;              // swallow every n-th reply (0: none)
  int corruptEvery = 0;           // damage every n-th reply (0: none)
  bool splitReplies = false;      // hand replies out in two halves
  int delayCalls = 0;             // hold every reply for n calls of TakeOutput
  bool frozenLiveValues = false;  // live values stay at their starting point
  int stallAfter = -1;            // the idling engine stalls after n status frames (-1: never)
  int loseSpeedAfter = -1;        // its speed signal is lost after n status frames (-1: never)
  int areaReads = -1;  // answers only the first n reads of its data areas (-1: all of them)

  // Firmware uploads: the acknowledgement of block k is lost, or sent twice; at block k the
  // line goes dead (silent stays set until the test clears it), or the power is cut: the block
  // is lost, nothing is heard for powerOffRequests requests, and the controller starts again
  // in its bootloader. Each fires once (-1: never).
  int dropAckAt = -1;
  int duplicateAckAt = -1;
  int silentAtBlock = -1;
  int powerCutAtBlock = -1;
  int powerOffRequests = 20;
  bool ignoreJump = false;  // answers the jump to its bootloader, but stays where it is
  AckLayout ackLayout = AckLayout::kBlockNumber;

  // Status frames follow the scripted drive of sim/Drive.h instead of idling on gas.
  bool drive = false;
  // Every n-th status frame the controller learns the map cell it works in, whatever the
  // engine does, and reports it (0: only as the drive or the idle engine has it).
  int learnEvery = 0;
  // The next status frame is the first again: the drive starts from the parked car.
  void RestartLiveValues() { liveTick_ = 0; }

  State state = State::kNormal;
  // A controller locked by a workshop password; empty = none set. While the last
  // identification did not present it, the controller keeps it against changes; the erase
  // with the processor's serial number removes it.
  std::vector<uint8_t> password;
  Statistics statistics;

  std::array<uint8_t, img::kSize> memory{};
  Bootloader bootloader;
  Identity identity;
  const IdleEngine& engine() const { return engine_; }
  int requestsSeen = 0;
  std::vector<uint8_t> lastRequestCodes;  // codes in arrival order
  std::vector<uint8_t> lastRequest;       // the last sound request, unscrambled

 private:
  void HandleFrame(std::vector<uint8_t>& frame);
  void Answer(uint8_t code, const std::vector<uint8_t>& payload);
  void FirmwareBlock(const std::vector<uint8_t>& frame);
  void LeaveBootloader();
  std::vector<uint8_t> IdentificationPayload(const std::vector<uint8_t>& request);
  bool Unlocks(const std::vector<uint8_t>& request) const;
  void StorePassword(const std::vector<uint8_t>& block);
  void ErasePassword(const std::vector<uint8_t>& serialNumber);
  std::vector<uint8_t> StatusPayload(uint8_t code);
  void PutIdleOnGas(int frame, std::span<uint8_t> payload) const;
  void PutEngine(bool calibration, std::span<uint8_t> payload) const;
  void PutLearned(int frame, std::span<uint8_t> payload);
  void PutMapCellReport(bool learn, std::span<uint8_t> payload);
  void PutEmergencyStarts(std::span<uint8_t> payload) const;
  std::array<uint8_t, 4> Trims() const;
  void FillDefaultMemory();
  bool FamilyIs(Family family) const { return identity.family == static_cast<int>(family); }

  std::vector<uint8_t> input_;
  struct Pending {
    std::vector<uint8_t> bytes;
    int waitCalls;
    bool split;  // the first half has gone out
  };
  std::deque<Pending> output_;
  int repliesMade_ = 0;
  int liveTick_ = 0;
  int scopeChunk_ = 0;
  int statusFrames_ = 0;
  int powerOffFor_ = 0;
  bool unlocked_ = true;  // the last identification presented the password, or none is set
  IdleEngine engine_;
};

}  // namespace sim
