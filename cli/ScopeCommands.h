#pragma once

#include <string>

#include "cli/LinkRun.h"

// The commands of the scope: recording a controller's status frames into a scope file, and a
// recording's CSV export.

// Records every status frame for the given seconds into a scope file, with the controller's
// identity and tables; long records carry the fast digital samples.
int Record(TSterownik& link, const std::string& out, int seconds, bool longRecords,
           const CommandTime& time);

// Loads a scope file in place of a controller: kOk, or the exit code with its message given.
int LoadScopeFile(TSterownik& link, const std::string& file);

// Writes the CSV export of a scope file.
int ExportCsv(TSterownik& link, const std::string& file, const std::string& out,
              char decimalSeparator);
