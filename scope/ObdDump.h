#pragma once

#include <string>
#include <vector>

#include "scope/Records.h"

// The administrator's look at the OBD sub-record of every record of a recording: its first
// twelve bytes, then the kind of OBD data and its bytes, in hexadecimal.
std::vector<std::string> ObdDumpLines(const RecordSpan& records);
