// The simulated controller's scripted drive, read back through the program's own decoding of
// status frames.

#include <gtest/gtest.h>

#include <set>

#include "controller/StatusDecoding.h"
#include "controller/Tsterownik.h"
#include "sim/Drive.h"
#include "tests/support/StatusPoll.h"

namespace {

using namespace status_frame;
using Frames = std::vector<std::vector<uint8_t>>;

constexpr int kLoop = sim::kDriveLoopFrames;

int Word(const std::vector<uint8_t>& frame, int offset) {
  return frame[offset] | frame[offset + 1] << 8;
}

Frames OneLoop(int family) {
  sim::SimController controller(sim::DefaultIdentity(family));
  return DriveFrames(controller, kLoop);
}

TEST(Drive, EveryRunAndEveryLoopGivesTheSameFrames) {
  sim::SimController first(sim::DefaultIdentity(6));
  sim::SimController second(sim::DefaultIdentity(6));
  const Frames a = DriveFrames(first, 2 * kLoop);
  ASSERT_EQ(a, DriveFrames(second, 2 * kLoop));
  for (int i = 0; i < kLoop; ++i)
    ASSERT_EQ(a[i], a[i + kLoop]) << "frame " << i;

  std::set<int> speeds;
  for (const auto& frame : a)
    speeds.insert(Word(frame, 17));
  EXPECT_GT(speeds.size(), 200u) << "the engine speed moves";

  first.RestartLiveValues();
  EXPECT_EQ(PollStatus(first), a.front()) << "a restart begins with the parked car";
}

struct WorkStateCase {
  int family;
  std::vector<int> shortTexts;  // the work states in the order the loop shows them
};

class DriveWorkStates : public ::testing::TestWithParam<WorkStateCase> {};

TEST_P(DriveWorkStates, GoFromPetrolToGasAndBack) {
  const Family family = FamilyOf(static_cast<uint8_t>(GetParam().family));
  std::vector<int> seen;
  for (const auto& frame : OneLoop(GetParam().family)) {
    const int text = WorkStateOf(family, static_cast<uint16_t>(Word(frame, kWorkState))).shortText;
    if (seen.empty() || seen.back() != text) seen.push_back(text);
  }
  EXPECT_EQ(seen, GetParam().shortTexts);
}

// No ignition, no rotation, petrol, waiting, switching over, gas, and the ignition off again.
const std::vector<int> kGasControllerStates{1242, 1243, 1244, 1246, 1247, 1249, 1242};
const std::vector<int> kEmulatorStates{1244, 1249, 1244};

INSTANTIATE_TEST_SUITE_P(Families, DriveWorkStates,
                         ::testing::Values(WorkStateCase{2, kGasControllerStates},
                                           WorkStateCase{5, kGasControllerStates},
                                           WorkStateCase{6, kGasControllerStates},
                                           WorkStateCase{255, kGasControllerStates},
                                           WorkStateCase{8, kEmulatorStates},
                                           WorkStateCase{13, kEmulatorStates}));

TEST(Drive, SwitchesOverOnceTheReducerIsWarm) {
  constexpr int kWaitingClass = 10;
  const Frames frames = OneLoop(2);
  int lastWaitingTemperature = -100;
  for (const auto& frame : frames) {
    const int reducer = frame[40] - 128;
    if (frame[kWorkState] == sim::work_state::kWaiting) {
      ASSERT_EQ(frame[kSubRecord], kWaitingClass);
      EXPECT_GE(reducer, lastWaitingTemperature) << "the reducer warms up while waiting";
      if (frame[kSubData] & sim::waiting_reason::kReducerTemperature) {
        EXPECT_LT(reducer, 35);
      }
      lastWaitingTemperature = reducer;
    }
    if (frame[kWorkState] == sim::work_state::kSwitching) {
      EXPECT_GE(reducer, 35);
      break;
    }
  }
  EXPECT_GT(lastWaitingTemperature, 18) << "there was a wait";
}

TEST(Drive, GasInjectorsWorkOnlyOnGasAndLongerThanPetrol) {
  for (const int family : {2, 5, 6, 255}) {
    const int channels = sim::DefaultIdentity(family).injectors;
    for (const auto& frame : OneLoop(family)) {
      for (int c = 0; c < channels; ++c) {
        const int petrol = Word(frame, kInjectionTimes + 4 * c);
        const int gas = Word(frame, kInjectionTimes + 4 * c + 2);
        const int state = frame[kWorkState];
        const bool onPetrol =
            state == sim::work_state::kPetrol || state == sim::work_state::kWaiting;
        if (onPetrol || petrol == 0) {
          ASSERT_EQ(gas, 0) << family << " state " << state;
        }
        if (state == sim::work_state::kGas) {
          ASSERT_EQ(gas > petrol, petrol > 0) << family;
        }
      }
    }
  }
}

TEST(Drive, EveryMessageHasAText) {
  std::set<int> messages;
  for (const auto& frame : OneLoop(2)) {
    if (frame[kSubRecord] != sub_record::Information) continue;
    messages.insert(frame[kSubData]);
    EXPECT_FALSE(TSterownik::MessageText(frame[kSubData]).empty()) << int(frame[kSubData]);
  }
  EXPECT_GE(messages.size(), 5u);
}

}  // namespace
