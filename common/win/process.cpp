#include "win/process.h"

#include <windows.h>

#include <vector>

#include "win/handles.h"

bool RunProgramAndWait(const std::string& program, const std::string& commandLine) {
  STARTUPINFOA si = {};
  si.cb = sizeof si;
  si.dwFlags = STARTF_USESHOWWINDOW;
  si.wShowWindow = SW_SHOWNORMAL;
  PROCESS_INFORMATION pi = {};
  std::vector<char> line(commandLine.begin(), commandLine.end());  // CreateProcessA may write into it
  line.push_back('\0');
  if (!CreateProcessA(program.empty() ? nullptr : program.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      nullptr, &si, &pi))
    return false;
  OwnedProcess started(pi);
  WaitForSingleObject(started.get(), INFINITE);
  return true;
}
