// The drawing calls of the graphics library: lines, shapes and point lists in world units.
#include <algorithm>
#include <cmath>

#include "gfx/gfx_internal.h"

using namespace gfxinternal;

namespace {

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

}  // namespace

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
