// The launcher's exported routines (exported undecorated through suite_export_names).
#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

#include "install/core/launcher.h"
#include "launcher.h"

extern "C" float WINAPI GETSYSFILEVER(const char* fileName) {
  if (!fileName) return 0;
  char folder[MAX_PATH] = {0};
  UINT length = GetSystemDirectoryA(folder, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return 0;
  std::string path = std::string(folder) + "\\" + fileName;
  DWORD unused = 0;
  DWORD size = GetFileVersionInfoSizeA(path.c_str(), &unused);
  if (size == 0) return 0;
  std::vector<char> block(size);
  if (!GetFileVersionInfoA(path.c_str(), 0, size, block.data())) return 0;
  void* value = nullptr;
  UINT valueSize = 0;
  if (!VerQueryValueA(block.data(), "\\", &value, &valueSize) || !value || valueSize < sizeof(VS_FIXEDFILEINFO))
    return 0;
  return install::VersionNumber(static_cast<const VS_FIXEDFILEINFO*>(value)->dwFileVersionMS);
}

extern "C" float WINAPI INITCOMCTL32(DWORD classFlags) {
  using InitEx = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
  HMODULE library = GetModuleHandleA("COMCTL32.DLL");  // imported by this program, so loaded
  auto initEx = library ? reinterpret_cast<InitEx>(reinterpret_cast<void*>(GetProcAddress(library, "InitCommonControlsEx")))
                        : nullptr;
  if (initEx) {
    INITCOMMONCONTROLSEX classes{};
    classes.dwSize = 8;
    classes.dwICC = classFlags != 0 ? classFlags : 255;
    initEx(&classes);
  } else {
    InitCommonControls();
  }
  return GETSYSFILEVER("COMCTL32.DLL");
}
