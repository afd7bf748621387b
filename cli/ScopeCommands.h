#pragma once

#include <string>

#include "cli/LinkRun.h"

// The commands of the scope: recording a controller's status frames into a scope file.

// Records every status frame for the given seconds into a scope file, with the controller's
// identity and tables; long records carry the fast digital samples.
int Record(TSterownik& link, const std::string& out, int seconds, bool longRecords,
           const CommandTime& time);
