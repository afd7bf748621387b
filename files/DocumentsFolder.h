#pragma once

#include <string>

// The user's documents folder as the desktop names it (the XDG user directory DOCUMENTS,
// else "Documents" in the home folder), for the programs without a window system that keep
// their files where the desktop program does. Empty without a home folder.
std::string UserDocumentsFolder();
// The same from the environment's values and the user-dirs file's text.
std::string DocumentsFolderOf(const std::string& home, const std::string& userDirs);
