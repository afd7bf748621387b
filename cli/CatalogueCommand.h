#pragma once

#include <span>

// malver-cli catalogue [--firmware N] [--header] [--out FOLDER]: the settings catalogues of the
// MALVER and KAVI families for a firmware version, as the developers' list (or, with --header,
// as C headers), printed or written into an existing folder. Returns the exit code.
int Catalogue(std::span<char*> arguments);
