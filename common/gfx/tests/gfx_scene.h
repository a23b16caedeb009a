#pragma once
// A picture that uses every kind of call of the graphics library, in a world of 1200 x 600 units:
// background, gradient heading band and panel, gradient box, lines of several widths, colours and
// styles, filled circles, polygon, hatched box, ellipse, arc, poly-line, plain and turned text.
// The tests check its pixels at known places; the demo program shows it.
#include "gfx/gfx.h"

namespace gfxscene {

constexpr double kWorldWidth = 1200, kWorldHeight = 600;

inline void DrawScene(long w) {
  GfxWorldEx(w, 0, 0, kWorldWidth, kWorldHeight);
  GfxWindowEx(w, kGfxHold);
  BrushColorEx(w, Hsw(40, 240, 180));  // pale cream
  GfxCLSEx(w);

  // Heading on a gradient band across the window.
  GfxFontEx(w, "Arial", 40, 40, 500, 0xFF0000);
  GfxFontEffectsEx(w, kGfxBold | kGfxItalic | kGfxUnderline);
  GradientBrushEx(w, 4);
  DrawFromEx(w, 0, 10);
  DrawTextRowEx(w, "GEOMETRY IDEALIZATION", kGfxTextFullWidth | kGfxTextFill | kGfxTextCentre);
  GradientBrushEx(w, 0);
  GfxFontEffectsEx(w, 0);

  // A gradient panel, and a box filled with a gradient without outline.
  GfxFontEx(w, "Arial", 24, 24, 700, 0xFFFFFF);
  DrawFromEx(w, 0, 80);
  GradientPanel(w, "Gradient panel, style 5", "Arial", 5);
  PenStyleEx(w, 99);
  GradientBrushEx(w, 8);
  DrawFromEx(w, 900, 150);
  DrawRectEx(w, 200, 120);
  GradientBrushEx(w, 0);

  // Lines: a thin blue one, a dotted black one, the thick red axis, a dash-dot centre line.
  PenEx(w, RGB(0, 0, 255), 0, 2);
  DrawLineEx(w, 100, 300, 700, 300);
  PenEx(w, 0, 2, 1);
  DrawFromEx(w, 100, 330);
  DrawToEx(w, 700, 330);
  PenEx(w, Hsw(0, 255, 0), 0, 20);
  DrawLineEx(w, 100, 400, 1100, 400);
  PenEx(w, 0x7530, 3, 6);
  PenColorEx(w, Hsw(255, 255, 0));
  DrawLineEx(w, 1100, 280, 1100, 520);

  // Nodes: filled circles on the axis.
  PenEx(w, 0, 0, 2);
  BrushColorEx(w, RGB(0, 255, 255));
  for (double x = 100; x <= 1000; x += 120) {
    DrawFromEx(w, x, 400);
    DrawCircleEx(w, 12);
  }

  // A grey support triangle under the fourth node.
  BrushColorEx(w, RGB(128, 128, 128));
  DrawPolygonEx(w, {{460, 412}, {430, 470}, {490, 470}});

  // A blue hatched soil box without outline.
  BrushStyleEx(w, kGfxBrushHatch);
  BrushHatchEx(w, 5);
  BrushColorEx(w, RGB(0, 0, 255));
  PenStyleEx(w, 99);
  DrawFromEx(w, 580, 420);
  DrawRectEx(w, 120, 30);
  BrushStyleEx(w, kGfxBrushSolid);
  PenStyleEx(w, 0);

  // An ellipse that is round on the screen, a moment arc and a pointer arrow.
  BrushColorEx(w, RGB(255, 0, 255));
  DrawFromEx(w, 820, 520);
  DrawEllipseEx(w, 30, 30 * GfxSquarenessEx(w));
  PenEx(w, RGB(128, 128, 0), 0, 8);
  DrawFromEx(w, 340, 400);
  DrawArcEx(w, 60, 60, 135, 45);
  PenEx(w, 0, 0, 2);
  DrawMultiLineEx(w, {{550, 320}, {540, 320}, {540, 395}, {545, 388}, {540, 395}, {534, 387}});

  // Plain text continued on one row, and text turned to read upwards.
  GfxFontEx(w, "Times New Roman", 28, 34, 400, RGB(255, 0, 0));
  DrawFromEx(w, 100, 500);
  DrawTextRowEx(w, "Designates ", kGfxTextAdvance);
  GfxFontEx(w, "Times New Roman", 28, 34, 400, RGB(0, 0, 255));
  GfxFontEffectsEx(w, kGfxBold);
  DrawTextRowEx(w, "Node", 0);
  GfxFontEffectsEx(w, 0);
  GfxFontEx(w, "Arial", 30, 30, 700, RGB(128, 0, 128), 90);
  DrawFromEx(w, 20, 580);
  DrawTextRowEx(w, "Turned text", 0);

  GfxWindowEx(w, kGfxShow);
}

}  // namespace gfxscene
