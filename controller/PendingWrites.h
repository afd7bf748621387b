#pragma once

#include <cstdint>
#include <string>

class TSterownik;

// The data areas (AreaBit) by the names installers see in the windows, each name once.
std::string AreaTitles(uint32_t areas);

// What the status bar shows while changes are on their way to the controller; empty when
// nothing is.
std::string PendingWritesText(const TSterownik& link);

// The warning on connecting when changes were dropped unconfirmed with the last connection.
std::string UnsentWritesMessage(uint32_t areas);
