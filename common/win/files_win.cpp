#include "win/files_win.h"

#include <windows.h>
#include <shellapi.h>

#include <vector>

#include "core/archive.h"
#include "core/hostfs.h"
#include "win/messages.h"

bool RecycleFiles(const std::string& names) {
  // The shell recycles only full paths (a relative one would be deleted for good).
  DWORD n = GetFullPathNameA(names.c_str(), 0, nullptr, nullptr);
  if (n == 0) return false;
  std::vector<char> from(n + 2, '\0');  // the name and two NULs
  GetFullPathNameA(names.c_str(), n, from.data(), nullptr);
  SHFILEOPSTRUCTA op = {};
  op.hwnd = nullptr;
  op.wFunc = FO_DELETE;
  op.pFrom = from.data();
  op.fFlags = FOF_ALLOWUNDO | FOF_NOCONFIRMATION;  // 0x50
  SHFileOperationA(&op);
  return op.fAnyOperationsAborted != FALSE;
}

std::string ProgramDirectory() {
  std::vector<char> buf(MAX_PATH);
  for (;;) {
    DWORD n = GetModuleFileNameA(nullptr, buf.data(), static_cast<DWORD>(buf.size()));
    if (n == 0) return std::string();
    if (n < buf.size()) {
      std::string path(buf.data(), n);
      return path.substr(0, path.find_last_of('\\') + 1);
    }
    buf.resize(buf.size() * 2);  // no fixed limit on the path's length
  }
}

bool OpenJobArchive(const std::string& jobSpec) {
  ArchiveFault fault;
  if (OpenJobFromZip(jobSpec, &fault)) return true;
  ShowMessageBox(ArchiveFaultText(fault), WarningBoxStyle, "WARNING!");
  return false;
}

void WarnOnFailedWrites() {
  hostfs::SetFailureReport([](const std::string& name, const std::string& reason) {
    ShowMessageBox("File '" + name + "' could not be Written: " + reason + "!   Check the Disk and its Folder.",
                   WarningBoxStyle, "WARNING!");
  });
}
