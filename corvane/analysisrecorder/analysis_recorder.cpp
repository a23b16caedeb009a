// Stand-in for the outside solver: writes the command line it was started with to
// "ANALYSIS_CALL.TXT" in the current directory, so the tests see what Corvane passed.
#include <windows.h>

#include <cstdio>

int main() {
  std::FILE* f = std::fopen("ANALYSIS_CALL.TXT", "wb");
  if (!f) return 1;
  std::fputs(GetCommandLineA(), f);
  std::fclose(f);
  return 0;
}
