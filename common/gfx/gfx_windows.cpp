// The graphics windows: the open pictures, their back buffers and screen windows, and the calls
// that open, show, close and clear them and set their world.
#include <algorithm>
#include <cstring>
#include <memory>

#include "gfx/gfx_internal.h"

namespace gfxinternal {

namespace {

using gfxcalc::World;

// Open windows, the current one last: making a window current moves it to the end, so closing
// it leaves the one that was current before it at the end.
std::vector<std::unique_ptr<Picture>>& Pictures() {
  static std::vector<std::unique_ptr<Picture>> pictures;
  return pictures;
}

Picture* Find(long number) {
  for (auto& p : Pictures())
    if (p->number == number) return p.get();
  return nullptr;
}

}  // namespace

Picture* Resolve(long window) {
  if (window == 0) return Pictures().empty() ? nullptr : Pictures().back().get();
  return Find(window);
}

namespace {

Picture* FindByHandle(HWND hwnd) {
  for (auto& p : Pictures())
    if (p->hwnd == hwnd) return p.get();
  return nullptr;
}

void MakeCurrent(Picture* p) {
  auto& v = Pictures();
  for (size_t i = 0; i < v.size(); ++i) {
    if (v[i].get() == p) {
      std::unique_ptr<Picture> keep = std::move(v[i]);
      v.erase(v.begin() + static_cast<long>(i));
      v.push_back(std::move(keep));
      return;
    }
  }
}

LRESULT CALLBACK GraphicsWindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_ERASEBKGND:
      return 1;  // the picture covers the whole window
    case WM_PAINT: {
      PaintDc paint(hwnd);
      HDC dc = paint.get();
      const PAINTSTRUCT& ps = paint.paint();
      Picture* p = FindByHandle(hwnd);
      if (p && p->dc) {
        GdiFlush();
        BitBlt(dc, ps.rcPaint.left, ps.rcPaint.top, ps.rcPaint.right - ps.rcPaint.left,
               ps.rcPaint.bottom - ps.rcPaint.top, p->dc, ps.rcPaint.left, ps.rcPaint.top, SRCCOPY);
      } else {
        FillRect(dc, &ps.rcPaint, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
      }
      return 0;
    }
    case WM_NCDESTROY: {
      // Destroyed with its parent: the picture stays until the program closes it.
      if (Picture* p = FindByHandle(hwnd)) p->hwnd = nullptr;
      break;
    }
  }
  return DefWindowProcA(hwnd, msg, wp, lp);
}

bool RegisterGraphicsClass() {
  static bool done = false;
  if (done) return true;
  WNDCLASSA wc;
  std::memset(&wc, 0, sizeof wc);
  wc.style = CS_HREDRAW | CS_VREDRAW;
  wc.lpfnWndProc = GraphicsWindowProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.lpszClassName = kGfxWindowClass;
  done = RegisterClassA(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
  return done;
}

void FreePicture(Picture* p) {
  if (p->hwnd && IsWindow(p->hwnd)) DestroyWindow(p->hwnd);
  p->hwnd = nullptr;
  p->useBitmap.restore();
  p->bitmap.reset();
  p->memory.reset();
  if (p->devMode) GlobalFree(p->devMode);
  if (p->devNames) GlobalFree(p->devNames);
  p->dc = nullptr;
  p->pixels = nullptr;
}

void Close(Picture* p) {
  auto& v = Pictures();
  for (size_t i = 0; i < v.size(); ++i) {
    if (v[i].get() == p) {
      FreePicture(p);
      v.erase(v.begin() + static_cast<long>(i));
      return;
    }
  }
}

long UnusedNumber() {
  long n = 1000;
  while (Find(n)) ++n;
  return n;
}

Picture* Open(long window, HWND parent, long left, long top, long width, long height) {
  if (window < 0) return nullptr;
  long number = window > 0 ? window : UnusedNumber();
  if (Picture* old = Find(number)) Close(old);
  auto p = std::make_unique<Picture>();
  p->number = number;
  int w = static_cast<int>(std::max(1L, std::min(16384L, width)));
  int h = static_cast<int>(std::max(1L, std::min(16384L, height)));
  BITMAPINFO bi;
  std::memset(&bi, 0, sizeof bi);
  bi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  bi.bmiHeader.biWidth = w;
  bi.bmiHeader.biHeight = -h;  // top-down
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  bi.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  p->memory.reset(CreateCompatibleDC(nullptr));
  p->bitmap.reset(CreateDIBSection(p->memory.get(), &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!p->memory || !p->bitmap || !bits) return nullptr;  // the holders free what was made
  p->dc = p->memory.get();
  p->pixels = static_cast<unsigned char*>(bits);
  p->useBitmap.select(p->dc, p->bitmap.get());
  p->map.width = w;
  p->map.height = h;
  p->map.world = gfxcalc::DefaultWorld(w, h);
  RECT all{0, 0, w, h};
  FillRect(p->dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  if (parent && IsWindow(parent) && RegisterGraphicsClass()) {
    p->hwnd = CreateWindowExA(0, kGfxWindowClass, "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, left, top, w, h,
                              parent, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (p->hwnd) SetWindowPos(p->hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
  Picture* raw = p.get();
  Pictures().push_back(std::move(p));
  Touched(raw);
  return raw;
}

}  // namespace

void SetMode(Picture* p, long mode) {
  switch (mode) {
    case kGfxHide:
      if (p->hwnd) ShowWindow(p->hwnd, SW_HIDE);
      break;
    case kGfxClose:
      Close(p);
      break;
    case kGfxSelect:
      MakeCurrent(p);
      if (p->hwnd) SetWindowPos(p->hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
      break;
    case kGfxShow:
      p->held = false;
      if (p->hwnd) {
        ShowWindow(p->hwnd, SW_SHOWNA);
        InvalidateRect(p->hwnd, nullptr, FALSE);
        UpdateWindow(p->hwnd);
      }
      break;
    case kGfxHold:
      p->held = true;
      break;
    default:
      break;
  }
}

namespace {

void Clear(Picture* p) {
  RECT all{0, 0, p->map.width, p->map.height};
  if (gfxcalc::GradientDefined(p->gradient)) {
    FillGradient(p->dc, all, p->gradient);
  } else {
    OwnedBrush b(CreateSolidBrush(p->brushColour));
    FillRect(p->dc, &all, b.get());
  }
  p->cx = p->map.world.x1;
  p->cy = p->map.world.y1;
  Touched(p);
}

void WindowCall(const char* name, const std::string& args, long window, long mode) {
  Picture* p = Resolve(window);
  Trace(name, args, p, true);
  if (p) SetMode(p, mode);
}

void WorldCall(const char* name, const std::string& args, long window, double x1, double y1, double x2, double y2) {
  Picture* p = Resolve(window);
  Trace(name, args, p, true);
  World w;
  w.x1 = x1;
  w.y1 = y1;
  w.x2 = x2;
  w.y2 = y2;
  if (p && gfxcalc::UsableWorld(w)) p->map.world = w;
}

double SquarenessCall(const char* name, const std::string& args, long window) {
  Picture* p = Resolve(window);
  double s = p ? p->map.Squareness() : 1.0;
  Trace(name, args, p, true, TraceAt(), Arg(s));
  return s;
}

void ClearCall(const char* name, const std::string& args, long window) {
  Picture* p = Resolve(window);
  Trace(name, args, p, true);
  if (p) Clear(p);
}

}  // namespace

}  // namespace gfxinternal

using namespace gfxinternal;

long OpenGfx(HWND parent, long left, long top, long width, long height) {
  Picture* p = Open(0, parent, left, top, width, height);
  Trace("OpenGfx", GFX_ARGS(parent, left, top, width, height), p, true, TraceAt(), Arg(p ? p->number : 0L));
  return p ? p->number : 0;
}

long OpenGfxEx(long window, HWND parent, long left, long top, long width, long height) {
  Picture* p = Open(window, parent, left, top, width, height);
  Trace("OpenGfxEx", GFX_ARGS(window, parent, left, top, width, height), p, true, TraceAt(),
        Arg(p ? p->number : 0L));
  return p ? p->number : 0;
}

void GfxWindow(long mode) { WindowCall("GfxWindow", GFX_ARGS(mode), 0, mode); }
void GfxWindowEx(long window, long mode) { WindowCall("GfxWindowEx", GFX_ARGS(window, mode), window, mode); }

void GfxWorld(double x1, double y1, double x2, double y2) {
  WorldCall("GfxWorld", GFX_ARGS(x1, y1, x2, y2), 0, x1, y1, x2, y2);
}
void GfxWorldEx(long window, double x1, double y1, double x2, double y2) {
  WorldCall("GfxWorldEx", GFX_ARGS(window, x1, y1, x2, y2), window, x1, y1, x2, y2);
}

double GfxSquareness() { return SquarenessCall("GfxSquareness", Args(), 0); }
double GfxSquarenessEx(long window) { return SquarenessCall("GfxSquarenessEx", GFX_ARGS(window), window); }

void GfxCLS() { ClearCall("GfxCLS", Args(), 0); }
void GfxCLSEx(long window) { ClearCall("GfxCLSEx", GFX_ARGS(window), window); }
