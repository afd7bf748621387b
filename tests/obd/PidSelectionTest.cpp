#include <gtest/gtest.h>

#include "obd/PidSelection.h"

namespace {

TEST(PidSelection, OnlySupportedPidsAreChosenAndCounted) {
  PidSelection selection;
  selection.Obslugiwany.set(0x0C);
  selection.Obslugiwany.set(0x0D);
  selection.Toggle(0x0C);
  selection.Toggle(0x05);  // not supported: the click changes nothing
  selection.Toggle(-1);
  selection.Toggle(kPidCount);
  EXPECT_EQ(selection.Mark(0x0C), std::string("on"));
  EXPECT_EQ(selection.Mark(0x0D), std::string("off"));
  EXPECT_EQ(selection.Mark(0x05), std::string("x"));
  EXPECT_EQ(selection.Mark(kPidCount), std::string("x"));
  EXPECT_EQ(selection.PodajIlePidWybranych(), 1);
  selection.Toggle(0x0C);
  EXPECT_EQ(selection.PodajIlePidWybranych(), 0);
}

// A choice made on one car survives a car that lacks the PID, and counts again on the next car
// that has it.
TEST(PidSelection, ChoiceSurvivesACarWithoutThePid) {
  PidSelection selection;
  for (int pid : kDefaultPids) {
    selection.Obslugiwany.set(pid);
    selection.Toggle(pid);
  }
  EXPECT_EQ(selection.PodajIlePidWybranych(), 5);
  selection.Obslugiwany.reset();
  selection.Obslugiwany.set(0x06);
  EXPECT_EQ(selection.PodajIlePidWybranych(), 1);
  EXPECT_FALSE(selection.Polled(0x03));
  EXPECT_EQ(selection.Mark(0x03), std::string("x"));
  selection.Obslugiwany.set(0x03);
  EXPECT_TRUE(selection.Polled(0x03));
}

}  // namespace
