#pragma once

#include <string>

// The program's read-only material ("Demo", "Firmware") lies beside the program in the build
// tree, and in share/malver/ beside bin/ once installed (/usr/bin/malver reads
// /usr/share/malver/Demo). Given the folder beside the program: that folder when it is there,
// else the installed one when that is there, else the folder beside the program.
std::string ProgramDataFolder(const std::string& besideProgram);
