#pragma once
// File services that only the Windows programs have.
#include <string>

// Sends the named files (one name, wildcards allowed) to the recycle bin without asking.
// Returns true when the shell reports that an operation was aborted.
bool RecycleFiles(const std::string& names);
// The folder of the running program file, with its trailing backslash.
std::string ProgramDirectory();
