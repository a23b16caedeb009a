// Fuzz target: a text-line file as the programs load it, its lines taken as job specifications,
// numbers (formatted back through the report masks), a job list and a load-case list.
#include <cstddef>
#include <cstdint>

#include "core/joblist.h"
#include "core/jobspec.h"
#include "core/loadcases.h"
#include "core/numbers.h"
#include "core/textfiles.h"
#include "fuzz/fuzzsupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::EnterScratchFolder();
  fuzz::WriteFile("J.TXT", std::string(reinterpret_cast<const char*>(data), size));
  TextLineArray lines;
  int count = 0;
  LoadTextLines("J.TXT", lines, 5000, count);
  static const char* const masks[] = {"* ###0.000 ", "   #.0000E+##;  -#.0000E+##", "##########0.000", "0.000E+##",
                                      "#.0000E+##", "* ##########0.00", ""};
  for (int i = 1; i <= count && i < static_cast<int>(lines.size()); ++i) {
    JobPathParts parts;
    int code = 0;
    ValidatePath(lines[i], parts, code);
    double v = ParseNumber(lines[i]);
    for (const char* mask : masks) FormatNumber(v, mask);
    FormatNumber(static_cast<float>(v), "* ##0.000");
    NumberToText(v);
  }
  ReadJobList("J.TXT");
  std::vector<std::string> cases = ReadLoadCaseList("J.TXT", 5000);
  for (const std::string& name : cases) CheckFirstLetters(name, cases, 5000);
  return 0;
}
