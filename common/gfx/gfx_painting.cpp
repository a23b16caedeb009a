// The painting helpers of the graphics library: pens, brushes and gradients on a picture.
#include <algorithm>
#include <cmath>

#include "gfx/gfx_internal.h"

namespace gfxinternal {

namespace {

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

}  // namespace

void Touched(Picture* p) {
  if (p->hwnd && !p->held) InvalidateRect(p->hwnd, nullptr, FALSE);
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

}  // namespace gfxinternal
