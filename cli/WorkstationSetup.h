#pragma once

#include "controller/Tsterownik.h"

// What the desktop program gives its link at start, given the same way on the command line:
// this workstation's password record, presented at every identification, and its identifier
// and today's date, which stamp the change-history entries of its writes.
void UseWorkstation(TSterownik& link);

// The transmission log, every frame in and out, on standard error.
void LogTransmission(TSterownik& link);
