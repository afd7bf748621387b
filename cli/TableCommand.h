#pragma once

#include <string>

#include "cli/LinkRun.h"

// malver-cli table: one 16 x 16 table of the controller listed as its grid shows it, or loaded
// from a CSV file and read back.

// Reads the named table (with the settings its axes need) and prints it; csv: as the CSV that
// --load takes.
int TableFromController(TSterownik& link, const std::string& name, bool csv,
                        const CommandTime& time);
// Reads the table, stores the CSV's values (held to the table's range, each held cell named),
// writes it, reads it back and compares: kOk only when the controller holds it.
int LoadTableCsv(TSterownik& link, const std::string& name, const std::string& path,
                 const CommandTime& time);
