#pragma once

#include <span>

// malver-cli chart --scope FILE.osc --kind injection|pressure|emulation [--csv]: the numbers a
// diagnostic chart works out from a scope recording, as text or as CSV (semicolons, a point for
// decimals). The arguments are those after "chart"; kUsage when they do not fit.
int Chart(std::span<char* const> arguments);
