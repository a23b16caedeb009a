// The gradient panels: a heading row across a graphics window.
#include "gfx/gfx_internal.h"

using namespace gfxinternal;

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
