// Drawing one response graph: frame, grid, ticks, zero line, titles, tick labels, the curve and
// its point markers, in a world of 10000 x 10000 units.
#include <algorithm>
#include <cmath>

#include "core/spline.h"
#include "gfx/gfx.h"
#include "graph/graphwindow.h"
#include "win/messages.h"

namespace {

const GraphFrame kFrame;  // 8000 x 7720 at (1400, 1200)
constexpr int kDivisions = 20;
constexpr long kWhite = RGB(255, 255, 255);

void DrawGrid(long n) {
  const double x0 = kFrame.left, y0 = kFrame.top, W = kFrame.width, H = kFrame.height;
  // Frame.
  PenColorEx(n, RGB(0, 128, 128));
  PenWidthEx(n, 2);
  PenStyleEx(n, 0);
  BrushStyleEx(n, kGfxBrushHollow);
  DrawFromEx(n, x0, y0);
  DrawRectEx(n, W + 5, H + 14);
  BrushStyleEx(n, kGfxBrushSolid);
  // Dotted grid: 10 divisions across, 20 down.
  PenColorEx(n, 0);
  PenWidthEx(n, 1);
  PenStyleEx(n, 2);
  for (int i = 1; i <= 9; ++i) DrawLineEx(n, x0 + 800 * i, y0, x0 + 800 * i, y0 + H);
  for (int i = 1; i <= 19; ++i) DrawLineEx(n, x0, y0 + 386 * i, x0 + W, y0 + 386 * i);
  // Ticks on all four sides, shorter ones between the grid lines.
  PenStyleEx(n, 0);
  for (int i = 0; i <= 10; ++i) {
    double x = x0 + 800 * i;
    DrawLineEx(n, x, y0 - 75, x, y0 + 75);
    DrawLineEx(n, x, y0 + H - 80, x, y0 + H + 70);
    if (i < 10) {
      DrawLineEx(n, x + 400, y0 - 55, x + 400, y0 + 55);
      DrawLineEx(n, x + 400, y0 + H - 60, x + 400, y0 + H + 50);
    }
  }
  for (int i = 0; i <= 20; ++i) {
    double y = y0 + 386 * i;
    DrawLineEx(n, x0 - 60, y, x0 + 60, y);
    DrawLineEx(n, x0 + W - 40, y, x0 + W + 75, y);
    if (i < 20) {
      DrawLineEx(n, x0 - 40, y + 193, x0 + 40, y + 193);
      DrawLineEx(n, x0 + W - 40, y + 193, x0 + W + 40, y + 193);
    }
  }
}

void DrawZeroLine(long n, const GraphAxis& axis) {
  PenColorEx(n, 255);
  PenWidthEx(n, 2);
  PenStyleEx(n, 0);
  if (axis.zeroY <= 0) return;
  const double x0 = kFrame.left, y = static_cast<double>(axis.zeroY);
  DrawLineEx(n, x0, y, x0 + kFrame.width, y);
  PenWidthEx(n, 1);
  DrawLineEx(n, x0 + 400, y - 60, x0 + 400, y + 50);
  for (int i = 1; i <= 9; ++i) {
    DrawLineEx(n, x0 + 800 * i, y - 80, x0 + 800 * i, y + 70);
    DrawLineEx(n, x0 + 400 + 800 * i, y - 60, x0 + 400 + 800 * i, y + 50);
  }
}

void DrawTitles(long n, const GraphProfile& profile, int action) {
  // Heading band, then the job line centred across the window.
  GfxFontEx(n, "Arial", 350, 450, 900, 255);
  GfxFontEffectsEx(n, profile.headingEffects);
  DrawFromEx(n, 0, 85);
  GradientPanel(n, profile.heading, "Arial", n == 1 ? 1 : 4);
  GfxFontEffectsEx(n, 0);
  GfxFontEx(n, "Arial", 250, 250, 600, 255);
  DrawFromEx(n, 0, 700);
  DrawTextRowEx(n, "JOB NAME: " + profile.jobName + ";      " + "LOAD CASE: " + profile.loadCase,
                kGfxTextFullWidth | kGfxTextCentre);
  // Abscissa caption under the frame.
  GfxFontEx(n, "Arial", 300, 300, 700, 0);
  DrawFromEx(n, 1400, 9300);
  double w = 8000, h = 0;
  DrawTextBoxEx(n, profile.abscissaCaption, w, h, kGfxTextSingleLine | kGfxTextCentre);
  // Ordinate title, reading upwards, centred along the frame's height.
  std::string title = profile.OrdinateTitle(action);
  GfxFontEx(n, "Arial", 300, 300, 750, 0, 90);
  w = 0;
  h = 0;
  DrawTextBoxEx(n, title, w, h, kGfxTextMeasure);
  DrawFromEx(n, 200, 9200 - std::floor((8000 - w * GfxSquarenessEx(n)) / 2));
  DrawTextRowEx(n, title, 0);
}

void DrawTickLabels(long n, const GraphAxis& axis) {
  GfxFontEx(n, "Arial", 180, 240, 600, 0);
  for (int i = 0; i <= kDivisions; ++i) {
    std::string text = OrdinateLabel(axis.bottom + i * axis.step, axis);
    double w = 0, h = 0;
    DrawTextBoxEx(n, text, w, h, kGfxTextMeasure);
    DrawFromEx(n, std::floor(1400 - w - 65), 8810 - 386 * i);
    DrawTextRowEx(n, text, 0);
  }
  for (int i = 0; i <= 10; ++i) {
    double value = axis.first + i * (static_cast<double>(axis.last) - axis.first) / 10;
    DrawFromEx(n, 1130 + 800 * i, 9020);
    DrawTextRowEx(n, AbscissaLabel(value, axis), 0);
  }
}

}  // namespace

void DrawSplineCurve(long window, const GraphPoints& points, int count, const GraphAxis& axis, int pageKind) {
  int bad = 0;
  for (const GraphWorldPoint& p : GraphCurvePath(points, count, axis, pageKind == 2, kFrame, &bad))
    DrawToEx(window, p.x, p.y);
  if (bad > 0) ShowMessage(nullptr, "Error: Bad XA input", "WARNING!", WarningBoxStyle, *ProgramMessages.answer);
}

void DrawResponseGraph(HWND parent, long left, long top, long width, long height, long window,
                       const GraphProfile& profile, int action, GraphPoints& points, int count, GraphAxis& axis) {
  const long n = window;
  OpenGfxEx(n, parent, left, top, width, height);
  if (profile.printDefaults) GfxPrintDefaultsEx(n);
  GfxWorldEx(n, 0, 0, 10000, 10000);
  GfxWindowEx(n, kGfxHold);
  GfxWindowEx(n, kGfxSelect);
  BrushColorEx(n, kWhite);
  GfxCLSEx(n);

  DrawGrid(n);
  if (n == 1) axis = ScaleGraphAxis(points, count, kDivisions, profile.Reversed(action), kFrame);
  DrawZeroLine(n, axis);
  DrawTitles(n, profile, action);
  DrawTickLabels(n, axis);

  // The curve.
  if (count >= 1) {
    double x1 = GraphWorldX(points.x[1], axis, kFrame), y1 = GraphWorldY(points.y[1], axis, kFrame);
    DrawFromEx(n, x1, y1);
    PenColorEx(n, RGB(128, 0, 128));
    PenWidthEx(n, 90);
    PenStyleEx(n, 0);
    DrawSplineCurve(n, points, count, axis, n == 2 ? 2 : 1);
    if (axis.infinity == 2 && profile.infinityNote) {
      GfxFontEx(n, "Arial", 180, 240, 500, RGB(0, 0, 255));
      GfxFontEffectsEx(n, kGfxBold);
      double y = std::min(std::max(y1 - 120, kFrame.top + 20), kFrame.top + kFrame.height - 260);
      DrawFromEx(n, x1 + 80, y);
      DrawTextRowEx(n, "Tends to Infinity", 0);
      GfxFontEffectsEx(n, 0);
    }
    // Point markers, unless they would crowd the curve.
    if (count <= 150) {
      BrushStyleEx(n, kGfxBrushSolid);
      BrushColorEx(n, RGB(0, 255, 255));
      PenColorEx(n, RGB(0, 128, 255));
      PenWidthEx(n, 60);
      double squareness = GfxSquarenessEx(n);
      for (int i = 1; i <= count; ++i) {
        DrawFromEx(n, GraphWorldX(points.x[i], axis, kFrame), GraphWorldY(points.y[i], axis, kFrame));
        DrawEllipseEx(n, 70, 70 * squareness);
      }
    }
  }
  GfxWindowEx(n, kGfxShow);
}
