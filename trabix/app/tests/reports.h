#pragma once
// Results reports compared in Trabix's tests: the lines of a report without its date line, which
// differs between two runs of the same analysis.
#include <string>

#include "core/textfiles.h"

inline TextLineArray ReportWithoutDate(const std::string& file) {
  TextLineArray lines, kept;
  int count = 0;
  LoadTextLines(file, lines, 5000, count);
  for (int i = 1; i <= count; ++i)
    if (lines[i].find("DATE:") == std::string::npos) kept.push_back(lines[i]);
  return kept;
}
