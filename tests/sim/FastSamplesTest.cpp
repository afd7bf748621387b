// Long status frames of the simulated controller: the fast digital samples from byte 128 on,
// read by the scope's own reader.

#include <gtest/gtest.h>

#include "scope/TraceValues.h"
#include "sim/FastSamples.h"
#include "tests/support/MemoryLink.h"
#include "tests/support/StatusPoll.h"

namespace {

using namespace status_frame;

constexpr uint8_t kLongPoll = code::Poll | poll_page::LongRecord;

using SampleEvent = scope::DigitalEvent;

// Read as the scope's digital rows read them.
std::vector<SampleEvent> Events(const std::vector<uint8_t>& frame) {
  return scope::DigitalEvents(frame);
}

constexpr int kGasDelay = 5;  // at most, in 0.1 ms

struct Pulse {
  int start, length;  // 0.1 ms
};

// The pulses of one bit that begin and end inside the window.
std::vector<Pulse> WholePulses(const std::vector<SampleEvent>& events, bool stateB, int bit) {
  std::vector<Pulse> pulses;
  int rose = -1;
  bool was = true;  // a pulse already on at the start is not whole
  for (const SampleEvent& e : events) {
    const bool on = ((stateB ? e.b : e.a) >> bit) & 1;
    if (on && !was) rose = e.time;
    if (!on && was && rose >= 0) pulses.push_back({rose, e.time - rose});
    was = on;
  }
  return pulses;
}

int InjectionTenths(const std::vector<uint8_t>& frame, int channel, int which) {
  const int at = kInjectionTimes + kInjectionRecordSize * channel + 2 * which;
  return (frame[at] | frame[at + 1] << 8) * 4 / 100;  // 0.004 ms units in 0.1 ms
}

TEST(FastSamples, OnlyALongPollGetsThem) {
  sim::SimController controller(sim::DefaultIdentity(2));
  controller.frozenLiveValues = true;
  const std::vector<uint8_t> shortFrame = PollStatus(controller);
  ASSERT_EQ(shortFrame.size(), 128u);
  EXPECT_EQ(shortFrame[2], 62) << "no payload beyond byte 128";
  EXPECT_TRUE(Events(shortFrame).empty());

  const std::vector<uint8_t> longFrame = PollStatus(controller, kLongPoll);
  ASSERT_EQ(longFrame.size(), 256u);
  EXPECT_EQ(longFrame[2], 126);
  const std::vector<SampleEvent> events = Events(longFrame);
  ASSERT_EQ(events.size(), size_t{sim::kFastSampleEvents});
  EXPECT_EQ(events.front().time, 0);
  for (size_t i = 1; i < events.size(); ++i) {
    EXPECT_GE(events[i].time, events[i - 1].time);
    EXPECT_LE(events[i].time, sim::kFastSampleWindow);
  }
  EXPECT_TRUE(std::equal(shortFrame.begin() + 4, shortFrame.end(), longFrame.begin() + 4))
      << "the short record leads the long one";
}

// The link that asks for long records gets them, and the views find the pulses in them.
TEST(FastSamples, ReachTheLinkThatAsksForLongRecords) {
  MemoryLink m(6);
  m.controller.drive = true;
  ASSERT_TRUE(m.ReadOut());
  m.link.KasujOscyloskop(kLongRecord);
  const DecodedStatus& status = m.link.LastStatus();
  ASSERT_TRUE(m.TickUntil(
      [&] { return status.length == kLongRecord && status.Byte(kWorkState) == 6; }, 1000))
      << "on gas";
  const std::vector<uint8_t> frame(status.bytes.begin(), status.bytes.begin() + kLongRecord);
  int whole = 0;
  for (int channel = 0; channel < 4; ++channel)
    whole += static_cast<int>(WholePulses(Events(frame), true, channel).size());
  EXPECT_GT(whole, 0) << "gas injector pulses";
}

struct InjectorCase {
  int family;
  bool drive;
  int frames;  // polled before the one looked at
  int loggedChannels;
};

class InjectorPulses : public ::testing::TestWithParam<InjectorCase> {};

// Every whole pulse lasts the injection time the same frame reports for its channel, and each
// gas pulse follows the petrol pulse it replaces.
TEST_P(InjectorPulses, LastTheReportedInjectionTimes) {
  const InjectorCase& c = GetParam();
  sim::SimController controller(sim::DefaultIdentity(c.family));
  controller.drive = c.drive;
  for (int i = 0; i < c.frames; ++i)
    PollStatus(controller);
  const std::vector<uint8_t> frame = PollStatus(controller, kLongPoll);
  const std::vector<SampleEvent> events = Events(frame);
  int whole = 0;
  for (int channel = 0; channel < c.loggedChannels; ++channel) {
    const std::vector<Pulse> petrol = WholePulses(events, false, channel);
    const std::vector<Pulse> gas = WholePulses(events, true, channel);
    for (const Pulse& p : petrol)
      EXPECT_NEAR(p.length, InjectionTenths(frame, channel, 0), 1) << "channel " << channel;
    for (const Pulse& g : gas) {
      EXPECT_NEAR(g.length, InjectionTenths(frame, channel, 1), 1) << "channel " << channel;
      const bool petrolJustRose = std::any_of(petrol.begin(), petrol.end(), [&](const Pulse& p) {
        return p.start < g.start && g.start - p.start <= kGasDelay;
      });
      EXPECT_TRUE(petrolJustRose || g.start <= kGasDelay) << "channel " << channel;
    }
    whole += static_cast<int>(petrol.size() + gas.size());
  }
  EXPECT_GE(whole, 4);
}

// Idling on gas, cruising, accelerating with eight channels, KAVI cruising, warming up on petrol.
INSTANTIATE_TEST_SUITE_P(Families, InjectorPulses,
                         ::testing::Values(InjectorCase{2, false, 0, 4},
                                           InjectorCase{6, true, 900, 4},
                                           InjectorCase{5, true, 600, 4},
                                           InjectorCase{255, true, 1000, 6},
                                           InjectorCase{2, true, 200, 4}));

struct QuietCase {
  int family;
  bool drive;
  uint8_t a, b;
};

class QuietSamples : public ::testing::TestWithParam<QuietCase> {};

TEST_P(QuietSamples, CarryTheStatesThroughTheWindow) {
  const QuietCase& c = GetParam();
  sim::SimController controller(sim::DefaultIdentity(c.family));
  controller.drive = c.drive;
  const std::vector<SampleEvent> events = Events(PollStatus(controller, kLongPoll));
  ASSERT_EQ(events.size(), size_t{sim::kFastSampleEvents});
  for (size_t i = 1; i < events.size(); ++i) {  // the first event sets only one of them
    EXPECT_EQ(events[i].a, c.a);
    EXPECT_EQ(events[i].b, c.b);
  }
  EXPECT_EQ(events.back().time, sim::kFastSampleWindow) << "the states last to its end";
}

// A parked car; an emulator, which logs no injectors.
INSTANTIATE_TEST_SUITE_P(Families, QuietSamples,
                         ::testing::Values(QuietCase{2, true, 0x00, 0x80},
                                           QuietCase{8, false, 0x00, 0x80}));

}  // namespace
