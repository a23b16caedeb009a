#pragma once
// A text file's lines as the programs read them back, for the tests that check what was written.
#include <string>
#include <vector>

#include "core/textfiles.h"

// The lines of a text file at [1..count] ([0] empty), up to capacity of them.
inline std::vector<std::string> FileLines(const std::string& file, int capacity = 10000) {
  std::vector<std::string> lines;
  int count = 0;
  LoadTextLines(file, lines, capacity, count);
  lines.resize(static_cast<size_t>(count) + 1);
  return lines;
}

// Whether one of the lines begins with start.
inline bool HasLine(const std::vector<std::string>& lines, const std::string& start) {
  for (const std::string& l : lines)
    if (l.rfind(start, 0) == 0) return true;
  return false;
}
