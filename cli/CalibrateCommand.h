#pragma once

#include "cli/LinkRun.h"

// malver-cli calibrate: the automatic calibration of the connected controller, run to its end,
// with each state and the progress on standard output. Finished, it succeeds only when the
// settings page and both multipliers have been written and read back equal. A run that does
// not finish puts back the values from before it (after a reconnection when the line fell
// silent) and fails.
int Calibrate(TSterownik& link, const CommandTime& time);
