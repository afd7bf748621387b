#pragma once

#include "controller/Clock.h"
#include "controller/Tsterownik.h"
#include "tests/support/FakeUi.h"

// A controller link without a port, for rules that only read and write its image.
struct OfflineLink {
  FakeUi ui;
  SteadyClock clock;
  TSterownik link{ui, clock, "no-ftdi-library-here.so"};
};
