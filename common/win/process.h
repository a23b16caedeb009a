#pragma once
// Starting another program and waiting for it to end, as the programs start a setup program, the
// outside solver or the help viewer.
#include <string>

// Starts program (its file name; empty when the command line's first word names it) with the
// command line, shown normally, in this process's current directory, and waits until it has ended
// (answering nothing meanwhile, or with keepPainting the thread's windows painting and its timers
// ticking). Its exit code is not read. False when it could not be started (GetLastError says why).
bool RunProgramAndWait(const std::string& program, const std::string& commandLine, bool keepPainting = false);
