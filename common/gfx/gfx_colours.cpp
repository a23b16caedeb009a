// The colours, pens and brushes of the graphics windows.
#include "gfx/gfx_internal.h"

using namespace gfxinternal;

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
