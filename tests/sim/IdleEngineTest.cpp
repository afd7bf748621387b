// The simulated controller's idling engine: fuel changes, the petrol computer's answer to the
// multiplier on the calibration poll, a stall, and what the controller reports having learned.

#include <gtest/gtest.h>

#include <algorithm>

#include "sim/PayloadBytes.h"
#include "tests/support/StatusPoll.h"

namespace {

using namespace status_frame;

constexpr uint8_t kCalibrationPoll = code::Poll | poll_page::CalibrationData;

int Word(const std::vector<uint8_t>& frame, int offset) {
  return frame[offset] | frame[offset + 1] << 8;
}

// The petrol time of the frame's injectors, averaged.
int PetrolTime(const std::vector<uint8_t>& frame, int injectors) {
  int sum = 0;
  for (int i = 0; i < injectors; ++i)
    sum += Word(frame, kInjectionTimes + kInjectionRecordSize * i);
  return sum / injectors;
}

TEST(IdleEngine, AutomaticFuelChangeTakesAFewFramesTheFastOneNone) {
  sim::SimController controller(sim::DefaultIdentity(2));
  EXPECT_EQ(PollStatus(controller)[kWorkState], fuel_state::Gas);
  PollStatus(controller, code::FuelChangeAuto);
  std::vector<int> states;
  for (int i = 0; i < 4; ++i)
    states.push_back(PollStatus(controller)[kWorkState]);
  EXPECT_EQ(states, (std::vector<int>{6, 6, 0, 0}));
  PollStatus(controller, code::FuelChangeFast);
  EXPECT_EQ(PollStatus(controller)[kWorkState], fuel_state::Gas);
}

// Too little gas: the petrol computer lengthens its time on gas; too much shortens it; on
// petrol the multiplier means nothing.
TEST(IdleEngine, PetrolTimeOnGasAnswersTheMultiplier) {
  sim::SimController controller(sim::DefaultIdentity(2));
  auto timeWith = [&](uint8_t multiplier) {
    std::fill_n(&controller.memory[img::Mnoznik1], img::kAreaSize, multiplier);
    return PetrolTime(PollStatus(controller, kCalibrationPoll), 4);
  };
  const int right = timeWith(sim::IdleEngine::kRightMultiplier);
  EXPECT_NEAR(right, 800, 5) << "3.2 ms and a little noise";
  EXPECT_GT(timeWith(100), right + 50);
  EXPECT_LT(timeWith(124), right - 50);
  PollStatus(controller, code::FuelChangeFast);
  EXPECT_NEAR(timeWith(100), 800, 5);
}

TEST(IdleEngine, StalledEngineHasNoSpeedAndNoPetrolTimes) {
  sim::SimController controller(sim::DefaultIdentity(2));
  controller.stallAfter = 2;
  EXPECT_NE(Word(PollStatus(controller, kCalibrationPoll), kRpmTens), 0);
  EXPECT_NE(Word(PollStatus(controller, kCalibrationPoll), kRpmTens), 0);
  const std::vector<uint8_t> stalled = PollStatus(controller, kCalibrationPoll);
  EXPECT_EQ(Word(stalled, kRpmTens), 0);
  EXPECT_EQ(PetrolTime(stalled, 4), 0);
  EXPECT_EQ(stalled[kWorkFlags], WorkFlag::IgnitionOn);
}

// Every hundred frames: the cell of the gas map the engine idles in at frame 25, the trims of
// both banks at 50 and 75.
TEST(IdleEngine, LearnedCellsAndTrimsNowAndThen) {
  sim::SimController controller(sim::DefaultIdentity(2));
  std::fill_n(&controller.memory[img::Mnoznik1], img::kAreaSize, 96);  // 16 short of the mark
  std::vector<std::vector<uint8_t>> frames;
  for (int i = 0; i < 100; ++i)
    frames.push_back(PollStatus(controller));
  const std::vector<uint8_t>& cell = frames[25];
  EXPECT_EQ(cell[kSubRecord], sub_record::MapCellReport);
  EXPECT_EQ(cell[kSubData], 3) << "the gas map";
  EXPECT_EQ(cell[kSubData + 2], controller.memory[img::MapaEcuGaz + cell[kSubData + 1]]);
  EXPECT_EQ(frames[50][kSubRecord], sub_record::TrimsBank1);
  EXPECT_EQ(frames[50][kSubData + 1], 128 + 2) << "the multiplier's trim";
  EXPECT_EQ(frames[75][kSubRecord], sub_record::TrimsBank2);
  EXPECT_EQ(frames[75][kSubData + 1], 128) << "bank 2 is on the mark";
  EXPECT_EQ(frames[24][kSubRecord], 0);
  EXPECT_EQ(frames[24][kSubData + 2], 0) << "nothing between";
}

}  // namespace
