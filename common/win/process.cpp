#include "win/process.h"

#include <windows.h>

#include <vector>

#include "win/handles.h"

bool RunProgramAndWait(const std::string& program, const std::string& commandLine, bool keepPainting) {
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
  // The windows keep painting (and timers keep ticking) while the program runs; keys and clicks
  // wait in the queue until it has ended.
  HANDLE process = started.get();
  if (!keepPainting) {
    WaitForSingleObject(process, INFINITE);
    return true;
  }
  while (MsgWaitForMultipleObjects(1, &process, FALSE, INFINITE, QS_PAINT | QS_TIMER | QS_SENDMESSAGE) != WAIT_OBJECT_0) {
    MSG m;
    while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE | PM_QS_PAINT) ||
           PeekMessageA(&m, nullptr, WM_TIMER, WM_TIMER, PM_REMOVE)) {
      TranslateMessage(&m);
      DispatchMessageA(&m);
    }
  }
  return true;
}
