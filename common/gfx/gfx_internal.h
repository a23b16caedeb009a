#pragma once
// Inner routines of the graphics library shared between its source files: the open pictures, the
// trace lines, the painting helpers and the frame of every call.
#include <string>
#include <vector>

#include "core/trace.h"
#include "gfx/gfx.h"
#include "gfx/gfxcalc.h"
#include "win/handles.h"

namespace gfxinternal {

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
  gfxcalc::Mapping map;
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

// ----- the open pictures (gfx_windows.cpp) -----

// The picture of a window number; 0 is the current one. Null when it is not open.
Picture* Resolve(long window);
// A window mode call: hide, close, select, show or hold.
void SetMode(Picture* p, long mode);

// ----- trace (gfx_trace.cpp) -----

std::string Arg(double v);
std::string Arg(long v);
std::string Arg(const std::string& s);
std::string Arg(HWND h);
std::string Arg(const std::vector<GfxPoint>& points);

template <class... A>
std::string Args(const A&... a) {
  std::string s;
  bool first = true;
  ((s += (first ? "" : ", ") + Arg(a), first = false), ...);
  return s;
}
inline std::string Args() { return std::string(); }

// The argument text is only built when the trace is on: graphs make thousands of calls.
#define GFX_ARGS(...) (TraceEnabled() ? gfxinternal::Args(__VA_ARGS__) : std::string())

struct TraceAt {
  bool on = false;
  double x = 0, y = 0;
};

TraceAt At(const Picture* p);
void Trace(const char* name, const std::string& args, const Picture* p, bool windowPart, TraceAt at = TraceAt(),
           const std::string& result = std::string());

// ----- painting helpers (gfx_painting.cpp) -----

// Asks the screen window for a repaint unless the picture is held.
void Touched(Picture* p);
HPEN MakePen(const Picture* p);
void FillGradient(HDC dc, const RECT& r, long style);
// Fills a rectangle with the current brush (solid, hatch or gradient; a hollow brush fills
// nothing).
void FillWithBrush(Picture* p, const RECT& r);

// ----- text (gfx_text.cpp) -----

void TextRow(Picture* p, const std::string& text, long flags);

// ----- the frame of a call: plain and Ex form alike -----

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

inline COLORREF Colour(long v) { return static_cast<COLORREF>(v) & 0xFFFFFF; }

// ----- JPEG files (gfx_jpeg.cpp) -----

// Writes a JPEG file of a top-down picture of 24-bit pixels (blue, green, red bytes) with the
// given row stride; quality 1..100. False when GDI+ or its JPEG encoder is missing or the file
// cannot be written.
bool WriteJpeg(const std::string& file, int width, int height, const unsigned char* bgr, int stride, long quality);

}  // namespace gfxinternal
