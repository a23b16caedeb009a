// Stand-in for a setup program on the test medium: records how it was started (its command line,
// then its current folder) in SETUP_CALL.TXT beside itself, waits about a second, then adds the
// line "ENDED" and ends, so a test sees what the launcher did while the setup ran.
#include <windows.h>

#include <cstdio>
#include <string>

int main() {
  char self[MAX_PATH] = {0}, folder[MAX_PATH] = {0};
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  GetCurrentDirectoryA(MAX_PATH, folder);
  std::string marker = self;
  marker = marker.substr(0, marker.find_last_of('\\') + 1) + "SETUP_CALL.TXT";
  std::FILE* f = std::fopen(marker.c_str(), "wb");
  if (!f) return 1;
  std::fprintf(f, "%s\r\n%s\r\n", GetCommandLineA(), folder);
  std::fclose(f);
  Sleep(1000);
  f = std::fopen(marker.c_str(), "ab");
  if (!f) return 1;
  std::fputs("ENDED\r\n", f);
  std::fclose(f);
  return 0;
}
