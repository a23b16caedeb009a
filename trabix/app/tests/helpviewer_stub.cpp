// Stand-in for the help viewer in the tests of Trabix.exe: writes the command line it was started
// with to "HELP_CALL.TXT" in the current directory, then stays open, as a viewer a person reads,
// until "HELP_CLOSE.TXT" appears there (at most 60 s).
#include <windows.h>

#include <cstdio>

int main() {
  std::FILE* f = std::fopen("HELP_CALL.TXT", "wb");
  if (!f) return 1;
  std::fputs(GetCommandLineA(), f);
  std::fclose(f);
  for (int waited = 0; waited < 60000; waited += 50) {
    if (GetFileAttributesA("HELP_CLOSE.TXT") != INVALID_FILE_ATTRIBUTES) return 0;
    Sleep(50);
  }
  return 2;
}
