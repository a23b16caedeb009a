#include "core/trace.h"

#include <cstdio>
#include <cstdlib>

bool TraceEnabled() {
  const char* name = std::getenv("SUITE_TRACE");
  return name && *name;
}

void TraceLine(const std::string& line) {
  const char* name = std::getenv("SUITE_TRACE");
  if (!name || !*name) return;
  // Opened per line so a crash or a killed test still leaves every earlier line on disk.
  if (std::FILE* f = std::fopen(name, "ab")) {
    std::fwrite(line.data(), 1, line.size(), f);
    std::fputc('\n', f);
    std::fclose(f);
  }
}
