#include "gfx/gfx.h"

#include <commdlg.h>
#include <winspool.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <memory>

#include "core/trace.h"
#include "gfx/gfx_internal.h"
#include "gfx/gfxcalc.h"
#include "win/handles.h"

namespace {

using gfxcalc::Mapping;
using gfxcalc::World;

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr double kPi = 3.14159265358979323846;

// One graphics window: its screen window (if any), its back buffer and its drawing state.
struct Picture {
  long number = 0;
  HWND hwnd = nullptr;
  // The back buffer: the bitmap stays selected into the memory DC while the picture lives; the
  // guard gives the DC its own bitmap back before either is deleted.
  OwnedDc memory;
  OwnedBitmap bitmap;
  SelectionGuard useBitmap;
  HDC dc = nullptr;  // memory.get(), for the drawing routines
  unsigned char* pixels = nullptr;  // top-down, 4 bytes a pixel (blue, green, red, unused)
  Mapping map;
  double cx = 0, cy = 0;  // current point, world units
  COLORREF penColour = 0;
  double penWidth = 0;
  long penStyle = 0;
  COLORREF brushColour = kWhite;
  long brushStyle = kGfxBrushSolid;
  long hatch = 0;
  long gradient = 0;
  std::string face = "Arial";
  double fontX = 0, fontY = 0;
  long weight = 400;
  COLORREF fontColour = 0;
  double angle = 0;
  long charSet = 0;
  long effects = 0;
  COLORREF bkColour = kWhite;
  long bkMode = 0;
  bool held = false;
  long saveMode = 0;
  HGLOBAL devMode = nullptr;
  HGLOBAL devNames = nullptr;
};

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

Picture* Resolve(long window) {
  if (window == 0) return Pictures().empty() ? nullptr : Pictures().back().get();
  return Find(window);
}

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

// ----- trace -----

std::string Arg(double v) { return gfxcalc::TraceNumber(v); }
std::string Arg(long v) { return gfxcalc::TraceNumber(static_cast<double>(v)); }
std::string Arg(const std::string& s) { return gfxcalc::TraceText(s); }
std::string Arg(HWND h) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "0x%llx", static_cast<unsigned long long>(reinterpret_cast<uintptr_t>(h)));
  return buf;
}
std::string Arg(const std::vector<GfxPoint>& points) {
  std::string s = "[";
  for (size_t i = 0; i < points.size(); ++i) {
    if (i) s += " ";
    s += "(" + Arg(points[i].x) + ", " + Arg(points[i].y) + ")";
  }
  return s + "]";
}

template <class... A>
std::string Args(const A&... a) {
  std::string s;
  bool first = true;
  ((s += (first ? "" : ", ") + Arg(a), first = false), ...);
  return s;
}
std::string Args() { return std::string(); }

// The argument text is only built when the trace is on: graphs make thousands of calls.
#define GFX_ARGS(...) (TraceEnabled() ? Args(__VA_ARGS__) : std::string())

struct TraceAt {
  bool on = false;
  double x = 0, y = 0;
};

TraceAt At(const Picture* p) {
  TraceAt a;
  if (p) {
    a.on = true;
    a.x = p->cx;
    a.y = p->cy;
  }
  return a;
}

void Trace(const char* name, const std::string& args, const Picture* p, bool windowPart, TraceAt at = TraceAt(),
           const std::string& result = std::string()) {
  if (!TraceEnabled()) return;
  std::string line = std::string("gfx ") + name + "(" + args + ")";
  if (windowPart) line += p ? " w" + Arg(p->number) : std::string(" w-");
  if (at.on) line += " at(" + Arg(at.x) + ", " + Arg(at.y) + ")";
  if (!result.empty()) line += " -> " + result;
  TraceLine(line);
}

// ----- painting helpers -----

void Touched(Picture* p) {
  if (p->hwnd && !p->held) InvalidateRect(p->hwnd, nullptr, FALSE);
}

int PenKind(long style) {
  switch (style) {
    case 1: return PS_DASH;
    case 2: return PS_DOT;
    case 3: return PS_DASHDOT;
    case 4: return PS_DASHDOTDOT;
    case 5:
    case 99: return PS_NULL;
    default: return PS_SOLID;
  }
}

int PenPixels(const Picture* p) {
  double w = p->map.LengthX(p->penWidth);
  return std::max(1, static_cast<int>(std::floor(w + 0.5)));
}

HPEN MakePen(const Picture* p) {
  int kind = PenKind(p->penStyle);
  if (kind == PS_NULL) return CreatePen(PS_NULL, 0, 0);
  int w = PenPixels(p);
  if (w <= 1) return CreatePen(kind, 1, p->penColour);
  LOGBRUSH lb;
  lb.lbStyle = BS_SOLID;
  lb.lbColor = p->penColour;
  lb.lbHatch = 0;
  DWORD ends = kind == PS_SOLID ? (PS_ENDCAP_ROUND | PS_JOIN_ROUND) : (PS_ENDCAP_FLAT | PS_JOIN_BEVEL);
  return ExtCreatePen(PS_GEOMETRIC | kind | ends, w, &lb, 0, nullptr);
}

void FillGradient(HDC dc, const RECT& r, long style) {
  gfxcalc::GradientStyle g = gfxcalc::Gradient(style);
  int length = g.horizontal ? r.right - r.left : r.bottom - r.top;
  if (length <= 0 || r.right <= r.left || r.bottom <= r.top) return;
  int start = 0;
  COLORREF run = gfxcalc::GradientColour(style, 0.5 / length);
  for (int i = 1; i <= length; ++i) {
    COLORREF c = i < length ? gfxcalc::GradientColour(style, (i + 0.5) / length) : run + 1;
    if (c == run && i < length) continue;
    RECT band = r;
    if (g.horizontal) {
      band.left = r.left + start;
      band.right = r.left + i;
    } else {
      band.top = r.top + start;
      band.bottom = r.top + i;
    }
    OwnedBrush b(CreateSolidBrush(run));
    FillRect(dc, &band, b.get());
    start = i;
    run = c;
  }
}

// Fills a rectangle with the current brush (solid, hatch or gradient; a hollow brush fills
// nothing).
void FillWithBrush(Picture* p, const RECT& r) {
  if (gfxcalc::GradientDefined(p->gradient)) {
    FillGradient(p->dc, r, p->gradient);
  } else if (p->brushStyle == kGfxBrushHatch) {
    OwnedBrush b(CreateHatchBrush(p->hatch >= 0 && p->hatch <= 5 ? p->hatch : 0, p->brushColour));
    int oldMode = SetBkMode(p->dc, TRANSPARENT);
    FillRect(p->dc, &r, b.get());
    SetBkMode(p->dc, oldMode);
  } else if (p->brushStyle != kGfxBrushHollow) {
    OwnedBrush b(CreateSolidBrush(p->brushColour));
    FillRect(p->dc, &r, b.get());
  }
}

// Draws a closed shape: filled with the current brush, outlined with the current pen. The shape
// routine issues the one GDI call that draws it with whatever pen and brush are selected.
template <class Shape>
void DrawShape(Picture* p, Shape shape) {
  HDC dc = p->dc;
  OwnedPen pen(MakePen(p));
  if (gfxcalc::GradientDefined(p->gradient)) {
    // The shape as a clip path, the gradient over its bounds, then the outline.
    BeginPath(dc);
    SelectionGuard usePen(dc, GetStockObject(NULL_PEN));
    SelectionGuard noBrush(dc, GetStockObject(NULL_BRUSH));
    shape(dc);
    EndPath(dc);
    if (SelectClipPath(dc, RGN_COPY)) {
      RECT box;
      int kind = GetClipBox(dc, &box);
      if (kind != NULLREGION && kind != ERROR) FillGradient(dc, box, p->gradient);
      SelectClipRgn(dc, nullptr);
    }
    usePen.select(dc, pen.get());
    shape(dc);
  } else {
    OwnedBrush brush;
    int oldMode = GetBkMode(dc);
    if (p->brushStyle == kGfxBrushHatch) {
      brush.reset(CreateHatchBrush(p->hatch >= 0 && p->hatch <= 5 ? p->hatch : 0, p->brushColour));
      SetBkMode(dc, TRANSPARENT);
    } else if (p->brushStyle != kGfxBrushHollow) {
      brush.reset(CreateSolidBrush(p->brushColour));
    }
    SelectionGuard usePen(dc, pen.get());
    SelectionGuard useBrush(dc, brush ? static_cast<HGDIOBJ>(brush.get()) : GetStockObject(NULL_BRUSH));
    shape(dc);
    SetBkMode(dc, oldMode);
  }
  Touched(p);
}

template <class Lines>
void DrawLines(Picture* p, Lines lines) {
  OwnedPen pen(MakePen(p));
  SelectionGuard usePen(p->dc, pen.get());
  lines(p->dc);
  Touched(p);
}

bool Turned(const Picture* p) { return std::fmod(p->angle, 360.0) != 0; }

HFONT MakeFont(const Picture* p, bool turned) {
  double hpx = p->fontY > 0 ? p->map.LengthY(p->fontY) : 16.0;
  double wpx = p->fontX > 0 ? p->map.LengthX(p->fontX) : hpx;
  LOGFONTA lf;
  std::memset(&lf, 0, sizeof lf);
  lf.lfHeight = std::max(1L, static_cast<LONG>(std::floor(hpx + 0.5)));
  long weight = std::max(0L, std::min(1000L, p->weight));
  if (p->effects & kGfxBold) weight = std::max(weight, 700L);
  lf.lfWeight = weight;
  lf.lfItalic = (p->effects & kGfxItalic) ? 1 : 0;
  lf.lfStrikeOut = (p->effects & kGfxStrikeOut) ? 1 : 0;
  lf.lfUnderline = (p->effects & kGfxUnderline) ? 1 : 0;
  lf.lfCharSet = static_cast<BYTE>(p->charSet);
  lf.lfOutPrecision = OUT_TT_PRECIS;
  lf.lfQuality = ANTIALIASED_QUALITY;
  if (turned) lf.lfEscapement = lf.lfOrientation = static_cast<LONG>(std::floor(p->angle * 10 + 0.5));
  std::strncpy(lf.lfFaceName, p->face.c_str(), LF_FACESIZE - 1);
  if (std::fabs(wpx - hpx) > 0.02 * hpx) {
    // Stretch the face's own width by the ratio of the two sizes on the screen.
    OwnedFont probe(CreateFontIndirectA(&lf));
    SelectionGuard useProbe(p->dc, probe.get());
    TEXTMETRICA tm;
    if (GetTextMetricsA(p->dc, &tm)) lf.lfWidth = std::max(1L, static_cast<LONG>(std::floor(tm.tmAveCharWidth * wpx / hpx + 0.5)));
  }
  return CreateFontIndirectA(&lf);
}

struct TextSetup {
  HDC dc;
  OwnedFont font;
  SelectionGuard useFont;
  TextSetup(Picture* p, bool turned) : dc(p->dc), font(MakeFont(p, turned)), useFont(dc, font.get()) {
    SetTextColor(dc, p->fontColour);
    SetBkColor(dc, p->bkColour);
    SetBkMode(dc, p->bkMode == 1 ? OPAQUE : TRANSPARENT);
    SetTextAlign(dc, TA_TOP | TA_LEFT | TA_NOUPDATECP);
  }
};

SIZE TextSize(HDC dc, const std::string& text) {
  SIZE s{0, 0};
  GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &s);
  if (text.empty()) {
    TEXTMETRICA tm;
    if (GetTextMetricsA(dc, &tm)) s.cy = tm.tmHeight;
  }
  return s;
}

void TextRow(Picture* p, const std::string& text, long flags) {
  int x0 = p->map.X(p->cx), y0 = p->map.Y(p->cy);
  int width = p->map.width;
  if (Turned(p)) {
    TextSetup setup(p, true);
    SIZE s = TextSize(p->dc, text);
    TextOutA(p->dc, x0, y0, text.c_str(), static_cast<int>(text.size()));
    if (flags & kGfxTextAdvance) {
      double a = p->angle * kPi / 180.0;
      p->cx = p->map.WorldX(p->map.PixelX(p->cx) + std::cos(a) * s.cx);
      p->cy = p->map.WorldY(p->map.PixelY(p->cy) - std::sin(a) * s.cx);
    }
  } else {
    TextSetup setup(p, false);
    SIZE s = TextSize(p->dc, text);
    bool full = (flags & kGfxTextFullWidth) != 0;
    int left = full ? 0 : x0;
    if (flags & kGfxTextCentre)
      left = full ? (width - s.cx) / 2 : x0 - s.cx / 2;
    else if (flags & kGfxTextRight)
      left = full ? width - s.cx : x0 - s.cx;
    if (flags & kGfxTextFill) {
      RECT band = full ? RECT{0, y0, width, y0 + s.cy} : RECT{left, y0, left + s.cx, y0 + s.cy};
      FillWithBrush(p, band);
    }
    TextOutA(p->dc, left, y0, text.c_str(), static_cast<int>(text.size()));
    if (flags & kGfxTextAdvance) p->cx = p->map.WorldX(left + s.cx);
  }
  Touched(p);
}

void TextBox(Picture* p, const std::string& text, double& width, double& height, long flags) {
  bool full = (flags & kGfxTextFullWidth) != 0;
  int left = full ? 0 : p->map.X(p->cx), top = p->map.Y(p->cy);
  int boxW = full ? p->map.width : (width > 0 ? static_cast<int>(std::floor(p->map.LengthX(width) + 0.5)) : 0);
  int boxH = height > 0 ? static_cast<int>(std::floor(p->map.LengthY(height) + 0.5)) : 0;
  UINT format = static_cast<UINT>(flags & 0xFFFF & ~DT_CALCRECT) | DT_NOPREFIX;
  SIZE measured{0, 0};
  {
    // Measured upright: the size along and across the row.
    TextSetup setup(p, false);
    RECT m{0, 0, boxW > 0 ? boxW : 32767, 0};
    UINT f = format;
    if (boxW <= 0) f &= ~static_cast<UINT>(DT_WORDBREAK);
    DrawTextA(p->dc, text.c_str(), static_cast<int>(text.size()), &m, f | DT_CALCRECT);
    measured.cx = m.right - m.left;
    measured.cy = m.bottom - m.top;
    if (!(flags & kGfxTextMeasure) && !Turned(p)) {
      RECT box{left, top, left + (boxW > 0 ? boxW : measured.cx), top + (boxH > 0 ? boxH : measured.cy)};
      if (flags & kGfxTextFill) FillWithBrush(p, box);
      DrawTextA(p->dc, text.c_str(), static_cast<int>(text.size()), &box, f);
    }
  }
  if (!(flags & kGfxTextMeasure) && Turned(p)) {
    TextSetup setup(p, true);
    TextOutA(p->dc, left, top, text.c_str(), static_cast<int>(text.size()));
  }
  width = p->map.WorldLengthX(measured.cx);
  height = p->map.WorldLengthY(measured.cy);
  if (!(flags & kGfxTextMeasure)) Touched(p);
}

// ----- the window class -----

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

// ----- pictures as files, clipboard and print -----

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
  if (!open) {
    GlobalFree(mem);
    return false;
  }
  EmptyClipboard();
  bool ok = SetClipboardData(CF_DIB, mem) != nullptr;
  CloseClipboard();
  if (!ok) GlobalFree(mem);
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

// ----- one routine for the plain and the Ex form of each call -----

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

template <class Set>
void StateCall(const char* name, const std::string& args, long window, Set set) {
  Picture* p = Resolve(window);
  Trace(name, args, p, true);
  if (p) set(p);
}

template <class Draw>
void DrawCall(const char* name, const std::string& args, long window, Draw draw) {
  Picture* p = Resolve(window);
  Trace(name, args, p, true, At(p));
  if (p) draw(p);
}

void FromCall(const char* name, const std::string& args, long window, double x, double y) {
  StateCall(name, args, window, [&](Picture* p) {
    p->cx = x;
    p->cy = y;
  });
}

void ToCall(const char* name, const std::string& args, long window, double x, double y) {
  DrawCall(name, args, window, [&](Picture* p) {
    int x0 = p->map.X(p->cx), y0 = p->map.Y(p->cy), x1 = p->map.X(x), y1 = p->map.Y(y);
    DrawLines(p, [&](HDC dc) {
      MoveToEx(dc, x0, y0, nullptr);
      LineTo(dc, x1, y1);
    });
    p->cx = x;
    p->cy = y;
  });
}

void LineCall(const char* name, const std::string& args, long window, double x1, double y1, double x2, double y2) {
  StateCall(name, args, window, [&](Picture* p) {
    int a = p->map.X(x1), b = p->map.Y(y1), c = p->map.X(x2), d = p->map.Y(y2);
    DrawLines(p, [&](HDC dc) {
      MoveToEx(dc, a, b, nullptr);
      LineTo(dc, c, d);
    });
    p->cx = x2;
    p->cy = y2;
  });
}

void RectCall(const char* name, const std::string& args, long window, double width, double height) {
  DrawCall(name, args, window, [&](Picture* p) {
    int l = p->map.X(p->cx), t = p->map.Y(p->cy), r = p->map.X(p->cx + width), b = p->map.Y(p->cy + height);
    if (l > r) std::swap(l, r);
    if (t > b) std::swap(t, b);
    DrawShape(p, [&](HDC dc) { Rectangle(dc, l, t, r + 1, b + 1); });
  });
}

void EllipseCall(const char* name, const std::string& args, long window, double rx, double ry, bool round) {
  DrawCall(name, args, window, [&](Picture* p) {
    int cx = p->map.X(p->cx), cy = p->map.Y(p->cy);
    int px = static_cast<int>(std::floor(p->map.LengthX(rx) + 0.5));
    int py = round ? px : static_cast<int>(std::floor(p->map.LengthY(ry) + 0.5));
    DrawShape(p, [&](HDC dc) { Ellipse(dc, cx - px, cy - py, cx + px + 1, cy + py + 1); });
  });
}

void ArcCall(const char* name, const std::string& args, long window, double rx, double ry, double start, double end) {
  DrawCall(name, args, window, [&](Picture* p) {
    int cx = p->map.X(p->cx), cy = p->map.Y(p->cy);
    int px = static_cast<int>(std::floor(p->map.LengthX(rx) + 0.5));
    int py = static_cast<int>(std::floor(p->map.LengthY(ry) + 0.5));
    double a = start * kPi / 180.0, b = end * kPi / 180.0;
    int reach = 4 * (px + py) + 16;
    int sx = cx + static_cast<int>(std::lround(reach * std::cos(a))), sy = cy - static_cast<int>(std::lround(reach * std::sin(a)));
    int ex = cx + static_cast<int>(std::lround(reach * std::cos(b))), ey = cy - static_cast<int>(std::lround(reach * std::sin(b)));
    DrawLines(p, [&](HDC dc) {
      SetArcDirection(dc, AD_COUNTERCLOCKWISE);
      Arc(dc, cx - px, cy - py, cx + px + 1, cy + py + 1, sx, sy, ex, ey);
    });
  });
}

std::vector<POINT> Pixels(const Picture* p, const std::vector<GfxPoint>& points) {
  std::vector<POINT> out;
  out.reserve(points.size());
  for (const GfxPoint& q : points) out.push_back(POINT{p->map.X(q.x), p->map.Y(q.y)});
  return out;
}

void MultiLineCall(const char* name, const std::string& args, long window, const std::vector<GfxPoint>& points) {
  StateCall(name, args, window, [&](Picture* p) {
    if (points.empty()) return;
    std::vector<POINT> px = Pixels(p, points);
    if (px.size() > 1) DrawLines(p, [&](HDC dc) { Polyline(dc, px.data(), static_cast<int>(px.size())); });
    p->cx = points.back().x;
    p->cy = points.back().y;
  });
}

void PolygonCall(const char* name, const std::string& args, long window, const std::vector<GfxPoint>& points) {
  StateCall(name, args, window, [&](Picture* p) {
    if (points.size() < 2) return;
    std::vector<POINT> px = Pixels(p, points);
    DrawShape(p, [&](HDC dc) { Polygon(dc, px.data(), static_cast<int>(px.size())); });
  });
}

void FontCall(const char* name, const std::string& args, long window, const std::string& face, double sizeX,
              double sizeY, long weight, long colour, double angle, long charSet) {
  StateCall(name, args, window, [&](Picture* p) {
    if (!face.empty()) p->face = face;
    p->fontX = sizeX;
    p->fontY = sizeY;
    p->weight = weight;
    p->fontColour = static_cast<COLORREF>(colour) & 0xFFFFFF;
    p->angle = std::isfinite(angle) ? angle : 0;
    p->charSet = charSet >= 0 && charSet <= 255 ? charSet : 0;
  });
}

void TextBoxCall(const char* name, const std::string& args, long window, const std::string& text, double& width,
                 double& height, long flags) {
  Picture* p = Resolve(window);
  TraceAt at = At(p);
  if (p) {
    TextBox(p, text, width, height, flags);
  } else {
    width = 0;
    height = 0;
  }
  Trace(name, args, p, true, at, "(" + Arg(width) + ", " + Arg(height) + ")");
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
  Trace(name, args, p, true, TraceAt(), Arg(ok));
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

COLORREF Colour(long v) { return static_cast<COLORREF>(v) & 0xFFFFFF; }

}  // namespace

// ----- windows -----

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

// ----- colours, pens, brushes -----

long Hsw(long hue, long saturation, long whiteness) {
  long c = static_cast<long>(gfxcalc::Hsw(hue, saturation, whiteness));
  if (TraceEnabled()) Trace("Hsw", Args(hue, saturation, whiteness), nullptr, false, TraceAt(), Arg(c));
  return c;
}

void PenColor(long colour) {
  StateCall("PenColor", GFX_ARGS(colour), 0, [&](Picture* p) { p->penColour = Colour(colour); });
}
void PenColorEx(long window, long colour) {
  StateCall("PenColorEx", GFX_ARGS(window, colour), window, [&](Picture* p) { p->penColour = Colour(colour); });
}
void PenWidth(double width) {
  StateCall("PenWidth", GFX_ARGS(width), 0, [&](Picture* p) { p->penWidth = width; });
}
void PenWidthEx(long window, double width) {
  StateCall("PenWidthEx", GFX_ARGS(window, width), window, [&](Picture* p) { p->penWidth = width; });
}
void PenStyle(long style) {
  StateCall("PenStyle", GFX_ARGS(style), 0, [&](Picture* p) { p->penStyle = style; });
}
void PenStyleEx(long window, long style) {
  StateCall("PenStyleEx", GFX_ARGS(window, style), window, [&](Picture* p) { p->penStyle = style; });
}
void Pen(long colour, long style, double width) {
  StateCall("Pen", GFX_ARGS(colour, style, width), 0, [&](Picture* p) {
    p->penColour = Colour(colour);
    p->penStyle = style;
    p->penWidth = width;
  });
}
void PenEx(long window, long colour, long style, double width) {
  StateCall("PenEx", GFX_ARGS(window, colour, style, width), window, [&](Picture* p) {
    p->penColour = Colour(colour);
    p->penStyle = style;
    p->penWidth = width;
  });
}
void BrushColor(long colour) {
  StateCall("BrushColor", GFX_ARGS(colour), 0, [&](Picture* p) { p->brushColour = Colour(colour); });
}
void BrushColorEx(long window, long colour) {
  StateCall("BrushColorEx", GFX_ARGS(window, colour), window, [&](Picture* p) { p->brushColour = Colour(colour); });
}
void BrushStyle(long style) {
  StateCall("BrushStyle", GFX_ARGS(style), 0, [&](Picture* p) { p->brushStyle = style; });
}
void BrushStyleEx(long window, long style) {
  StateCall("BrushStyleEx", GFX_ARGS(window, style), window, [&](Picture* p) { p->brushStyle = style; });
}
void BrushHatch(long hatch) {
  StateCall("BrushHatch", GFX_ARGS(hatch), 0, [&](Picture* p) { p->hatch = hatch; });
}
void BrushHatchEx(long window, long hatch) {
  StateCall("BrushHatchEx", GFX_ARGS(window, hatch), window, [&](Picture* p) { p->hatch = hatch; });
}
void GradientBrush(long style) {
  StateCall("GradientBrush", GFX_ARGS(style), 0, [&](Picture* p) { p->gradient = style; });
}
void GradientBrushEx(long window, long style) {
  StateCall("GradientBrushEx", GFX_ARGS(window, style), window, [&](Picture* p) { p->gradient = style; });
}

// ----- drawing -----

void DrawFrom(double x, double y) { FromCall("DrawFrom", GFX_ARGS(x, y), 0, x, y); }
void DrawFromEx(long window, double x, double y) { FromCall("DrawFromEx", GFX_ARGS(window, x, y), window, x, y); }
void DrawTo(double x, double y) { ToCall("DrawTo", GFX_ARGS(x, y), 0, x, y); }
void DrawToEx(long window, double x, double y) { ToCall("DrawToEx", GFX_ARGS(window, x, y), window, x, y); }
void DrawLine(double x1, double y1, double x2, double y2) {
  LineCall("DrawLine", GFX_ARGS(x1, y1, x2, y2), 0, x1, y1, x2, y2);
}
void DrawLineEx(long window, double x1, double y1, double x2, double y2) {
  LineCall("DrawLineEx", GFX_ARGS(window, x1, y1, x2, y2), window, x1, y1, x2, y2);
}
void DrawRect(double width, double height) { RectCall("DrawRect", GFX_ARGS(width, height), 0, width, height); }
void DrawRectEx(long window, double width, double height) {
  RectCall("DrawRectEx", GFX_ARGS(window, width, height), window, width, height);
}
void DrawCircle(double radius) { EllipseCall("DrawCircle", GFX_ARGS(radius), 0, radius, radius, true); }
void DrawCircleEx(long window, double radius) {
  EllipseCall("DrawCircleEx", GFX_ARGS(window, radius), window, radius, radius, true);
}
void DrawEllipse(double radiusX, double radiusY) {
  EllipseCall("DrawEllipse", GFX_ARGS(radiusX, radiusY), 0, radiusX, radiusY, false);
}
void DrawEllipseEx(long window, double radiusX, double radiusY) {
  EllipseCall("DrawEllipseEx", GFX_ARGS(window, radiusX, radiusY), window, radiusX, radiusY, false);
}
void DrawArc(double radiusX, double radiusY, double startDegrees, double endDegrees) {
  ArcCall("DrawArc", GFX_ARGS(radiusX, radiusY, startDegrees, endDegrees), 0, radiusX, radiusY, startDegrees,
          endDegrees);
}
void DrawArcEx(long window, double radiusX, double radiusY, double startDegrees, double endDegrees) {
  ArcCall("DrawArcEx", GFX_ARGS(window, radiusX, radiusY, startDegrees, endDegrees), window, radiusX, radiusY,
          startDegrees, endDegrees);
}
void DrawMultiLine(const std::vector<GfxPoint>& points) {
  MultiLineCall("DrawMultiLine", GFX_ARGS(static_cast<long>(points.size()), points), 0, points);
}
void DrawMultiLineEx(long window, const std::vector<GfxPoint>& points) {
  MultiLineCall("DrawMultiLineEx", GFX_ARGS(window, static_cast<long>(points.size()), points), window, points);
}
void DrawPolygon(const std::vector<GfxPoint>& points) {
  PolygonCall("DrawPolygon", GFX_ARGS(static_cast<long>(points.size()), points), 0, points);
}
void DrawPolygonEx(long window, const std::vector<GfxPoint>& points) {
  PolygonCall("DrawPolygonEx", GFX_ARGS(window, static_cast<long>(points.size()), points), window, points);
}

// ----- text -----

void GfxFont(const std::string& face, double sizeX, double sizeY, long weight, long colour, double angle,
             long charSet) {
  FontCall("GfxFont", GFX_ARGS(face, sizeX, sizeY, weight, colour, angle, charSet), 0, face, sizeX, sizeY, weight,
           colour, angle, charSet);
}
void GfxFontEx(long window, const std::string& face, double sizeX, double sizeY, long weight, long colour,
               double angle, long charSet) {
  FontCall("GfxFontEx", GFX_ARGS(window, face, sizeX, sizeY, weight, colour, angle, charSet), window, face, sizeX,
           sizeY, weight, colour, angle, charSet);
}
void GfxFontEffects(long effects) {
  StateCall("GfxFontEffects", GFX_ARGS(effects), 0, [&](Picture* p) { p->effects = effects; });
}
void GfxFontEffectsEx(long window, long effects) {
  StateCall("GfxFontEffectsEx", GFX_ARGS(window, effects), window, [&](Picture* p) { p->effects = effects; });
}
void GfxFontWeight(long weight) {
  StateCall("GfxFontWeight", GFX_ARGS(weight), 0, [&](Picture* p) { p->weight = weight; });
}
void GfxFontWeightEx(long window, long weight) {
  StateCall("GfxFontWeightEx", GFX_ARGS(window, weight), window, [&](Picture* p) { p->weight = weight; });
}
void GfxBkgdColor(long colour) {
  StateCall("GfxBkgdColor", GFX_ARGS(colour), 0, [&](Picture* p) { p->bkColour = Colour(colour); });
}
void GfxBkgdColorEx(long window, long colour) {
  StateCall("GfxBkgdColorEx", GFX_ARGS(window, colour), window, [&](Picture* p) { p->bkColour = Colour(colour); });
}
void GfxBkgdMode(long mode) {
  StateCall("GfxBkgdMode", GFX_ARGS(mode), 0, [&](Picture* p) { p->bkMode = mode; });
}
void GfxBkgdModeEx(long window, long mode) {
  StateCall("GfxBkgdModeEx", GFX_ARGS(window, mode), window, [&](Picture* p) { p->bkMode = mode; });
}
void DrawTextRow(const std::string& text, long flags) {
  DrawCall("DrawTextRow", GFX_ARGS(text, flags), 0, [&](Picture* p) { TextRow(p, text, flags); });
}
void DrawTextRowEx(long window, const std::string& text, long flags) {
  DrawCall("DrawTextRowEx", GFX_ARGS(window, text, flags), window, [&](Picture* p) { TextRow(p, text, flags); });
}
void DrawTextBox(const std::string& text, double& width, double& height, long flags) {
  TextBoxCall("DrawTextBox", GFX_ARGS(text, width, height, flags), 0, text, width, height, flags);
}
void DrawTextBoxEx(long window, const std::string& text, double& width, double& height, long flags) {
  TextBoxCall("DrawTextBoxEx", GFX_ARGS(window, text, width, height, flags), window, text, width, height, flags);
}

// ----- output -----

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

// ----- panels -----

void GradientPanel(long window, const std::string& text, const std::string& face, long style, double size) {
  Picture* p = Resolve(window);
  Trace("GradientPanel", GFX_ARGS(window, text, face, style, size), p, true, At(p));
  if (!p) return;
  if (!face.empty()) p->face = face;
  if (size > 0) p->fontX = p->fontY = size;
  p->gradient = gfxcalc::GradientDefined(style) ? style : 1;
  TextRow(p, text, kGfxTextFullWidth | kGfxTextFill | kGfxTextCentre);
  p->gradient = 0;
  // Shown; within a hold the screen still waits for the end of the picture.
  if (p->held) {
    if (p->hwnd) ShowWindow(p->hwnd, SW_SHOWNA);
  } else {
    SetMode(p, kGfxShow);
  }
}

long Gfx_OleStringParams() {
  Trace("Gfx_OleStringParams", Args(), nullptr, false, TraceAt(), Arg(0L));
  return 0;
}
