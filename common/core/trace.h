#pragma once
// Test trace: when the environment variable SUITE_TRACE names a file, every tone, message box,
// pointer move, drawing call and document call is appended to it as one line. Tests read it;
// without the variable nothing is written.
#include <string>

void TraceLine(const std::string& line);
bool TraceEnabled();
