// Loading of "ZLIB.DLL" (Windows only; the native build has no such library).
#ifdef _WIN32
#include <windows.h>

#include "core/archive.h"
#include "core/textfiles.h"

namespace {

template <typename F>
bool Bind(HMODULE dll, const char* name, F& f) {
  f = reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(dll, name)));
  return f != nullptr;
}

}  // namespace

const ZipApi* LoadZipApi() {
  static ZipApi api;
  static HMODULE dll = nullptr;
  if (!FileExists("ZLIB.DLL")) return nullptr;
  if (!dll) {
    char full[MAX_PATH * 4];
    DWORD n = GetFullPathNameA("ZLIB.DLL", sizeof full, full, nullptr);
    if (n == 0 || n >= sizeof full) return nullptr;
    HMODULE h = LoadLibraryA(full);
    if (!h) return nullptr;
    bool ok = Bind(h, "zipOpen", api.zipOpen) && Bind(h, "zipOpenNewFileInZip", api.zipOpenNewFileInZip) &&
              Bind(h, "zipWriteInFileInZip", api.zipWriteInFileInZip) &&
              Bind(h, "zipCloseFileInZip", api.zipCloseFileInZip) && Bind(h, "zipClose", api.zipClose) &&
              Bind(h, "unzOpen", api.unzOpen) && Bind(h, "unzGetGlobalInfo", api.unzGetGlobalInfo) &&
              Bind(h, "unzGoToFirstFile", api.unzGoToFirstFile) && Bind(h, "unzGoToNextFile", api.unzGoToNextFile) &&
              Bind(h, "unzGetCurrentFileInfo", api.unzGetCurrentFileInfo) &&
              Bind(h, "unzOpenCurrentFile", api.unzOpenCurrentFile) &&
              Bind(h, "unzReadCurrentFile", api.unzReadCurrentFile) &&
              Bind(h, "unzCloseCurrentFile", api.unzCloseCurrentFile) && Bind(h, "unzClose", api.unzClose) &&
              Bind(h, "unzGetCurrentFileZStreamPos64", api.unzGetCurrentFileZStreamPos64);
    if (!ok) {
      FreeLibrary(h);
      return nullptr;
    }
    dll = h;
  }
  return &api;
}
#endif
