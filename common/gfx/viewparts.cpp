#include "gfx/viewparts.h"

#include <algorithm>
#include <cmath>

void ViewLabelFont(long colour, long effects) {
  GfxFontEx(0, "Times New Roman", 28, 34, 5, colour);
  GfxFontEffectsEx(0, effects);
}

void ViewNumberFont() {
  GfxFontEx(0, "Times New Roman", 40, 40, 0, kViewBlack);
  GfxFontWeightEx(0, 400);
  GfxFontEffectsEx(0, 0);
}

void ViewText(double x, double y, const std::string& text, long flags) {
  DrawFromEx(0, x, y);
  DrawTextRowEx(0, text, flags);
}

void ViewHeading(const std::string& text, double y) {
  GfxFontEx(0, "Arial", 60, 60, 500, kViewBlue);
  GfxFontEffectsEx(0, 11);
  GradientBrushEx(0, 4);
  ViewText(0, y, text, kViewHeadingFlags);
  GradientBrushEx(0, 0);
}

void NodeCircle(double x, double y, double radius, long fill) {
  BrushColorEx(0, fill);
  DrawFromEx(0, x, y);
  DrawCircleEx(0, radius);
}

void ViewPolyline(const std::vector<GfxPoint>& points, double width, long colour) {
  PenWidthEx(0, width);
  PenColorEx(0, colour);
  DrawMultiLineEx(0, points);
}

void PointerArrow(double x1, double y1, double x2, double y2) {
  double dx = x2 - x1, dy = y2 - y1;
  double length = std::max(1.0, std::sqrt(dx * dx + dy * dy));
  double ux = dx / length, uy = dy / length;
  GfxPoint tip{x2, y2};
  GfxPoint left{x2 - 9 * ux + 5 * uy, y2 - 9 * uy - 5 * ux};
  GfxPoint right{x2 - 9 * ux - 5 * uy, y2 - 9 * uy + 5 * ux};
  ViewPolyline({{x1, y1}, tip, left, tip, right}, 1, kViewBlack);
}

void LoadArrow(double x, double tipY, double length, long colour, double width) {
  PenColorEx(0, colour);
  PenWidthEx(0, width);
  DrawLineEx(0, x, tipY - length, x, tipY);
  BrushColorEx(0, colour);
  PenWidthEx(0, 1);
  DrawPolygonEx(0, {{x - 6, tipY - 12}, {x + 6, tipY - 12}, {x, tipY}});
}

void VerticalSpring(double x, double top, double width) {
  ViewPolyline({{x, top},
                {x, top + 13},
                {x - 15, top + 21},
                {x + 15, top + 36},
                {x - 15, top + 51},
                {x + 15, top + 66},
                {x, top + 74},
                {x, top + 88}},
               width, kViewGrey);
}

void RotationalSpring(double x, double y, double width) {
  ViewPolyline({{x - 37, y}, {x - 27, y - 15}, {x - 12, y + 15}, {x, y}, {x + 12, y - 15}, {x + 27, y + 15}, {x + 37, y}},
               width, kViewGrey);
}

void HorizontalSpring(double left, double y, double width) {
  ViewPolyline({{left, y},
                {left + 13, y},
                {left + 21, y - 15},
                {left + 36, y + 15},
                {left + 51, y - 15},
                {left + 66, y + 15},
                {left + 74, y},
                {left + 88, y}},
               width, kViewGrey);
}

void SupportTriangle(double x, double y, long outline) {
  BrushColorEx(0, kViewGrey);
  PenColorEx(0, outline);
  DrawPolygonEx(0, {{x, y}, {x - 30, y + 45}, {x + 30, y + 45}});
}

long ViewBackground() { return Hsw(40, 240, 180); }

void DrawViewFrame(HWND window, long left, long top, long width, long height, double x1, double y1, double x2,
                   double y2, const std::function<void()>& picture) {
  OpenGfx(window, left, top, width, height);
  GfxWindow(kGfxHold);
  GfxWindow(kGfxSelect);
  if (width > 0 && height > 0 && x2 > x1 && y2 > y1) {
    const double s = std::min(width / (x2 - x1), height / (y2 - y1));
    const double w = width / s, h = height / s, cx = (x1 + x2) / 2, cy = (y1 + y2) / 2;
    GfxWorldEx(0, cx - w / 2, cy - h / 2, cx + w / 2, cy + h / 2);
  }
  BrushColorEx(0, ViewBackground());
  GfxCLS();
  if (picture) picture();
  GfxWindow(kGfxShow);
}
