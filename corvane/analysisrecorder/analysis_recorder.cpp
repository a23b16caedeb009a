// Stand-in for the outside solver: writes the command line it was started with to
// "ANALYSIS_CALL.TXT" in the current directory, so the tests see what Corvane passed. While a file
// "ANALYSIS_HOLD.TXT" is there, it keeps running until the test removes it (a test looks at the
// program during the solve), and gives up after two minutes so that nothing hangs for ever.
#include <windows.h>

#include <cstdio>

int main() {
  std::FILE* f = std::fopen("ANALYSIS_CALL.TXT", "wb");
  if (!f) return 1;
  std::fputs(GetCommandLineA(), f);
  std::fclose(f);
  for (int waited = 0; waited < 120000 && GetFileAttributesA("ANALYSIS_HOLD.TXT") != INVALID_FILE_ATTRIBUTES; waited += 20)
    Sleep(20);
  return 0;
}
