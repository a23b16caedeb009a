// The pictures as files, on the clipboard and on the printer.
#include "gfx/gfx_internal.h"

#include <commdlg.h>
#include <winspool.h>

#include <algorithm>
#include <cstring>

using namespace gfxinternal;

namespace {

// The picture as bottom-up 24-bit rows (the layout of BMP files and of clipboard bitmaps).
std::vector<unsigned char> BottomUpRows(const Picture* p, int* stride) {
  int w = p->map.width, h = p->map.height;
  *stride = (w * 3 + 3) & ~3;
  std::vector<unsigned char> rows(static_cast<size_t>(*stride) * h, 0);
  GdiFlush();
  for (int y = 0; y < h; ++y) {
    const unsigned char* src = p->pixels + static_cast<size_t>(y) * w * 4;
    unsigned char* dst = rows.data() + static_cast<size_t>(h - 1 - y) * *stride;
    for (int x = 0; x < w; ++x) {
      dst[3 * x] = src[4 * x];
      dst[3 * x + 1] = src[4 * x + 1];
      dst[3 * x + 2] = src[4 * x + 2];
    }
  }
  return rows;
}

BITMAPINFOHEADER Header24(const Picture* p, int stride) {
  BITMAPINFOHEADER bh;
  std::memset(&bh, 0, sizeof bh);
  bh.biSize = sizeof bh;
  bh.biWidth = p->map.width;
  bh.biHeight = p->map.height;
  bh.biPlanes = 1;
  bh.biBitCount = 24;
  bh.biCompression = BI_RGB;
  bh.biSizeImage = static_cast<DWORD>(stride) * p->map.height;
  bh.biXPelsPerMeter = bh.biYPelsPerMeter = 3780;  // 96 dots per inch
  return bh;
}

bool WriteBmp(const Picture* p, const std::string& file) {
  int stride = 0;
  std::vector<unsigned char> rows = BottomUpRows(p, &stride);
  BITMAPINFOHEADER bh = Header24(p, stride);
  BITMAPFILEHEADER fh;
  std::memset(&fh, 0, sizeof fh);
  fh.bfType = 0x4D42;  // "BM"
  fh.bfOffBits = sizeof fh + sizeof bh;
  fh.bfSize = fh.bfOffBits + static_cast<DWORD>(rows.size());
  bool ok = false;
  {
    OwnedHandle f(CreateFileA(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!f) return false;
    DWORD written = 0;
    ok = WriteFile(f.get(), &fh, sizeof fh, &written, nullptr) && written == sizeof fh &&
         WriteFile(f.get(), &bh, sizeof bh, &written, nullptr) && written == sizeof bh &&
         WriteFile(f.get(), rows.data(), static_cast<DWORD>(rows.size()), &written, nullptr) &&
         written == rows.size();
  }  // closed before a failed file is deleted
  if (!ok) DeleteFileA(file.c_str());
  return ok;
}

bool WriteJpegFile(const Picture* p, const std::string& file, long quality) {
  int w = p->map.width, h = p->map.height;
  int stride = (w * 3 + 3) & ~3;
  std::vector<unsigned char> rows(static_cast<size_t>(stride) * h, 0);
  GdiFlush();
  for (int y = 0; y < h; ++y) {
    const unsigned char* src = p->pixels + static_cast<size_t>(y) * w * 4;
    unsigned char* dst = rows.data() + static_cast<size_t>(y) * stride;
    for (int x = 0; x < w; ++x) {
      dst[3 * x] = src[4 * x];
      dst[3 * x + 1] = src[4 * x + 1];
      dst[3 * x + 2] = src[4 * x + 2];
    }
  }
  return gfxinternal::WriteJpeg(file, w, h, rows.data(), stride, quality);
}

// The clipboard's owner: a hidden message-only window of the library, so that a picture whose
// window is gone (or never existed) can still be copied (a clipboard opened without an owner
// window takes no data).
HWND ClipboardOwner() {
  static HWND owner = nullptr;
  if (owner && IsWindow(owner)) return owner;
  WNDCLASSA wc;
  std::memset(&wc, 0, sizeof wc);
  wc.lpfnWndProc = DefWindowProcA;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "SuiteGraphicsClipboard";
  RegisterClassA(&wc);
  owner = CreateWindowExA(0, wc.lpszClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, nullptr);
  return owner;
}

bool CopyToClipboard(const Picture* p) {
  int stride = 0;
  std::vector<unsigned char> rows = BottomUpRows(p, &stride);
  BITMAPINFOHEADER bh = Header24(p, stride);
  HGLOBAL mem = GlobalAlloc(GMEM_MOVEABLE, sizeof bh + rows.size());
  if (!mem) return false;
  auto* dst = static_cast<unsigned char*>(GlobalLock(mem));
  if (!dst) {
    GlobalFree(mem);
    return false;
  }
  std::memcpy(dst, &bh, sizeof bh);
  std::memcpy(dst + sizeof bh, rows.data(), rows.size());
  GlobalUnlock(mem);
  // Another program may hold the clipboard for a moment.
  bool open = false;
  HWND owner = ClipboardOwner();
  for (int i = 0; i < 20 && !(open = OpenClipboard(owner)); ++i) Sleep(25);
  // A refusal keeps the system's reason for the caller (GetLastError) past the clean-up.
  if (!open) {
    DWORD why = GetLastError();
    GlobalFree(mem);
    SetLastError(why);
    return false;
  }
  EmptyClipboard();
  bool ok = SetClipboardData(CF_DIB, mem) != nullptr;
  DWORD why = GetLastError();
  CloseClipboard();
  if (!ok) GlobalFree(mem);
  SetLastError(why);
  return ok;
}

bool AnyPrinter() {
  DWORD needed = 0, count = 0;
  DWORD kinds = PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS;
  EnumPrintersA(kinds, nullptr, 4, nullptr, 0, &needed, &count);
  if (needed == 0) return false;
  std::vector<BYTE> buffer(needed);
  if (!EnumPrintersA(kinds, nullptr, 4, buffer.data(), needed, &needed, &count)) return false;
  return count > 0;
}

HGLOBAL CopyGlobal(HGLOBAL src) {
  if (!src) return nullptr;
  SIZE_T n = GlobalSize(src);
  HGLOBAL dst = GlobalAlloc(GMEM_MOVEABLE, n);
  if (!dst) return nullptr;
  void* s = GlobalLock(src);
  void* d = GlobalLock(dst);
  if (s && d) std::memcpy(d, s, n);
  if (s) GlobalUnlock(src);
  if (d) GlobalUnlock(dst);
  return dst;
}

bool TakePrintDefaults(Picture* p) {
  if (!AnyPrinter()) return false;
  PRINTDLGA pd;
  std::memset(&pd, 0, sizeof pd);
  pd.lStructSize = sizeof pd;
  pd.Flags = PD_RETURNDEFAULT | PD_NOWARNING;
  if (!PrintDlgA(&pd)) return false;
  if (p->devMode) GlobalFree(p->devMode);
  if (p->devNames) GlobalFree(p->devNames);
  p->devMode = pd.hDevMode;
  p->devNames = pd.hDevNames;
  return true;
}

HWND OwnerOf(const Picture* p) { return p->hwnd ? GetAncestor(p->hwnd, GA_ROOT) : nullptr; }

bool PrintPicture(Picture* p) {
  if (!AnyPrinter()) return false;
  PRINTDLGA pd;
  std::memset(&pd, 0, sizeof pd);
  pd.lStructSize = sizeof pd;
  pd.hwndOwner = OwnerOf(p);
  pd.hDevMode = CopyGlobal(p->devMode);
  pd.hDevNames = CopyGlobal(p->devNames);
  pd.Flags = PD_RETURNDC | PD_NOPAGENUMS | PD_NOSELECTION | PD_NOWARNING | PD_USEDEVMODECOPIESANDCOLLATE;
  pd.nCopies = 1;
  bool chosen = PrintDlgA(&pd) != 0;
  OwnedDc printer(pd.hDC);
  if (pd.hDevMode) GlobalFree(pd.hDevMode);
  if (pd.hDevNames) GlobalFree(pd.hDevNames);
  if (!chosen || !printer) return false;
  HDC dc = printer.get();
  DOCINFOA doc;
  std::memset(&doc, 0, sizeof doc);
  doc.cbSize = sizeof doc;
  doc.lpszDocName = "Graphics";
  bool ok = false;
  if (StartDocA(dc, &doc) > 0) {
    if (StartPage(dc) > 0) {
      int pageW = GetDeviceCaps(dc, HORZRES), pageH = GetDeviceCaps(dc, VERTRES);
      int w = p->map.width, h = p->map.height;
      double scale = std::min(static_cast<double>(pageW) / w, static_cast<double>(pageH) / h);
      int outW = static_cast<int>(w * scale), outH = static_cast<int>(h * scale);
      int stride = 0;
      std::vector<unsigned char> rows = BottomUpRows(p, &stride);
      BITMAPINFO bi;
      std::memset(&bi, 0, sizeof bi);
      bi.bmiHeader = Header24(p, stride);
      SetStretchBltMode(dc, HALFTONE);
      int lines = StretchDIBits(dc, (pageW - outW) / 2, 0, outW, outH, 0, 0, w, h, rows.data(), &bi,
                                DIB_RGB_COLORS, SRCCOPY);
      ok = lines > 0 && static_cast<UINT>(lines) != GDI_ERROR;
      ok = EndPage(dc) > 0 && ok;
    }
    if (ok)
      ok = EndDoc(dc) > 0;
    else
      AbortDoc(dc);
  }
  return ok;
}

long Save(Picture* p, const std::string& target) {
  long mode = p->saveMode;
  p->saveMode = 0;  // a JPEG mode is for one save only
  std::string t = target;
  while (!t.empty() && t.back() == ' ') t.pop_back();
  while (!t.empty() && t.front() == ' ') t.erase(t.begin());
  if (lstrcmpiA(t.c_str(), "CLIPBOARD") == 0) return CopyToClipboard(p) ? 1 : 0;
  if (t.empty()) return 0;
  if (mode >= 1000) return WriteJpegFile(p, t, mode - 1000) ? 1 : 0;
  return WriteBmp(p, t) ? 1 : 0;
}

long SaveModeCall(const char* name, const std::string& args, long window, long mode) {
  Picture* p = Resolve(window);
  if (p) p->saveMode = mode;
  Trace(name, args, p, true, TraceAt(), Arg(mode));
  return mode;
}

long SaveCall(const char* name, const std::string& args, long window, const std::string& target) {
  Picture* p = Resolve(window);
  long ok = p ? Save(p, target) : 0;
  DWORD why = GetLastError();  // a failed save's reason, past the trace
  Trace(name, args, p, true, TraceAt(), Arg(ok));
  SetLastError(why);
  return ok;
}

long PrintDefaultsCall(const char* name, const std::string& args, long window) {
  Picture* p = Resolve(window);
  long ok = p && TakePrintDefaults(p) ? 1 : 0;
  Trace(name, args, p, true, TraceAt(), Arg(ok));
  return ok;
}

long PrintCall(const char* name, const std::string& args, long window) {
  Picture* p = Resolve(window);
  // Traced before the dialog so that the line is there while the dialog is up.
  Trace(name, args, p, true);
  return p && PrintPicture(p) ? 1 : 0;
}

}  // namespace

long SaveGfxMode(long mode) { return SaveModeCall("SaveGfxMode", GFX_ARGS(mode), 0, mode); }
long SaveGfxModeEx(long window, long mode) {
  return SaveModeCall("SaveGfxModeEx", GFX_ARGS(window, mode), window, mode);
}
long SaveGfxWindow(const std::string& target) { return SaveCall("SaveGfxWindow", GFX_ARGS(target), 0, target); }
long SaveGfxWindowEx(long window, const std::string& target) {
  return SaveCall("SaveGfxWindowEx", GFX_ARGS(window, target), window, target);
}
long GfxPrintDefaults() { return PrintDefaultsCall("GfxPrintDefaults", Args(), 0); }
long GfxPrintDefaultsEx(long window) { return PrintDefaultsCall("GfxPrintDefaultsEx", GFX_ARGS(window), window); }
long PrintGfxWindow() { return PrintCall("PrintGfxWindow", Args(), 0); }
long PrintGfxWindowEx(long window) { return PrintCall("PrintGfxWindowEx", GFX_ARGS(window), window); }
