#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "controller/ImageLayout.h"
#include "controller/Protocol.h"

// The automatic calibration's state, what it keeps to undo an unfinished run, and the learning
// of table cells from status frames.

// KrokKalibracji: the high nibble names the phase, the low nibble the step.
namespace calibration_state {
inline constexpr int Start = 0;
inline constexpr int Finished = 254;
inline constexpr int Aborted = 255;
}  // namespace calibration_state

// What became of the values a run had changed when it ended unfinished.
enum class CalibrationRestore : int {
  None = 0,      // nothing to undo: no run ended unfinished, or the last one finished
  Restored = 1,  // the values from before the run are back in the image and asked to be written
  Pending = 2,   // the link was lost: they go back once the same controller is read out again
};

// A short English name of the phase a state belongs to, for reports.
const char* CalibrationPhaseName(int state);

// What the installer reads about values put back after an unfinished run; empty for None.
std::string CalibrationRestoreText(CalibrationRestore restore);

// One run of the automatic calibration.
struct CalibrationRun {
  int state = calibration_state::Start;  // KrokKalibracji
  int counter = 0;                       // frames or points of the step
  int progress = 0;                      // PostepKalibracji, 0..1023
  int injectionTime = 0;                 // this frame's filtered petrol time, 0.05 ms units
  uint8_t wzorzecBenzyny = 0;            // the petrol reference of the pass
  int injector = 0;                      // the injector of the per-injector pass
  int timeFilter = 0;                    // petrol time x 16
  int byte48Filter = 0;                  // status byte 48 x 16
  int framesWithoutSpeed = 0;
  int implausibleFrames = 0;
  int framesSinceMultiplierStep = 0;
};

// What a run may change, taken when it starts, so that a run that does not finish leaves the
// controller as it was.
struct CalibrationSnapshot {
  std::array<uint8_t, img::kAreaSize> settings{};  // Nastawy page 0
  std::array<uint8_t, img::kAreaSize> multiplier1{};
  std::array<uint8_t, img::kAreaSize> multiplier2{};
  uint8_t injectorMask = 0xFF;
  std::string barcode;  // the controller it belongs to
};

// A table cell learned from the frames that stay in it: five non-zero samples in a row give
// the cell their average; another cell or a zero sample starts the count again.
class CellAverage {
 public:
  // The average on the fifth sample of one cell; -1 otherwise.
  int Add(int cell, int value);

 private:
  int cell_ = -1;
  int count_ = 0;
  int sum_ = 0;
};
