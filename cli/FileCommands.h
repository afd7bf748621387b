#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "cli/ConsoleUi.h"
#include "cli/LinkRun.h"
#include "files/FileIo.h"

// The commands on files: settings files shown, saved, inspected and loaded into a controller.

// Tells why a file was not read (exit 6): as what it is when it is of another kind.
int ReadFailed(const FileResult& read);

// Reports a file written (its size) or why it was not.
int Saved(const FileResult& saved, size_t size, const std::string& out);

// The bytes of a settings file the link loads, or why it would refuse them.
int ReadSettingsFile(const std::string& path, std::vector<uint8_t>& bytes);

// A settings file loaded without a controller, listed as if its controller were connected.
int FromSettingsFile(TSterownik& link, const std::string& path);

// A complete read-out written as a level-3 settings file.
int SaveSettings(const TSterownik& link, const std::string& out);

// What a file is and holds, shown through an offline link; a broken file ends with the reason.
int Inspect(TSterownik& link, const std::string& path);

// Loads a settings file into the connected controller; done when every area written has been
// acknowledged and read back as it was written.
int Load(TSterownik& link, const ConsoleUi& ui, const std::vector<uint8_t>& file,
         const std::string& path, const CommandTime& time);
