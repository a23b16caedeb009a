#pragma once
// File services that only the Windows programs have.
#include <string>

// Sends the named files (one name, wildcards allowed) to the recycle bin without asking.
// Returns true when the shell reports that an operation was aborted.
bool RecycleFiles(const std::string& names);
// The folder of the running program file, with its trailing backslash.
std::string ProgramDirectory();

// Opens the job's archive as the programs open a job (OpenJobFromZip). When it could not be
// unpacked whole a warning box says what was wrong; the archive is then kept when the job is left.
bool OpenJobArchive(const std::string& jobSpec);
// From now on a failed write of a file shows a warning box naming the file and why it failed.
void WarnOnFailedWrites();
