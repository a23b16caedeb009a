// The explanatory pictures beside Trabix's table windows: a schematic beam of a few nodes with
// the symbol of the table's support or load kind at node i or element i-j. They are fixed
// drawings; only beam or strip and the symmetric half change them.
#include <windows.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "gfx/gfx.h"
#include "gfx/viewparts.h"
#include "trabix/core/globals.h"
#include "trabix/core/slots.h"
#include "trabix/views/views.h"

namespace trabix {

namespace {

constexpr long kBlue = kViewBlue;
constexpr long kRed = kViewRed;
constexpr long kBlack = kViewBlack;
constexpr long kAdvance = kViewAdvance;
const double kNodeX[] = {100, 220, 340, 460, 580, 700, 820, 920};
constexpr double kAxisY = 400;

// The scale variant of the picture being drawn (1 wide screen, 2 narrow).
int viewScale = 1;

bool IsStrip() { return StructureFlags.size() > 1 && StructureFlags[kStripSlot] == "Y"; }
bool IsSymmetricHalf() { return StructureFlags.size() > 4 && StructureFlags[kSymmetricHalfSlot] == "Y"; }

void NodeNumbers(double y) {
  ViewNumberFont();
  const struct {
    int node;
    const char* text;
  } numbers[] = {{0, "1"}, {1, "2"}, {3, "i"}, {4, "j"}, {7, "n"}};
  for (const auto& n : numbers) ViewText(kNodeX[n.node] - 20 + 6, y, n.text);
}

// "Element" in red and "i" in blue with a pointer to element i-j.
void ElementLabel(double y) {
  ViewLabelFont(kRed, 0);
  ViewText(300, y, "Element ", kAdvance);
  ViewLabelFont(kBlue, 1);
  DrawTextRowEx(0, "i");
  PointerArrow(410, y + 18, 515, kAxisY - 8);
}

// A downward load arrow of the given length whose tip touches the axis at x.
void AxisLoadArrow(double x, double length, long colour, double width) { LoadArrow(x, kAxisY - 6, length, colour, width); }

}  // namespace

void DrawStructureView(HWND window, long left, long top, long width, long height, const std::string& view,
                       int scale, const std::string& kindWord) {
  viewScale = scale;
  // The drawing spans x -10..950 and y 0..620.
  DrawViewFrame(window, left, top, width, height, -10, 0, 950, 620, [&] {
    DrawBeamAxis();
    if (view == "Geom") {
      DrawGeometryIdealization(scale);
    } else if (view == "Supp") {
      DrawSupports(scale, kindWord);
    } else if (view == "Load") {
      DrawLoads(scale, kindWord);
    }
  });
}

void DrawBeamAxis() {
  PenWidthEx(0, 2);
  PenColorEx(0, Hsw(0, 255, 0));
  DrawLineEx(0, 100, kAxisY, 920, kAxisY);
  PenWidthEx(0, 1);
  PenColorEx(0, kBlack);
  for (double x : kNodeX) NodeCircle(x, kAxisY);
  if (IsSymmetricHalf()) {
    PenEx(0, 30000, 3, 10);
    PenColorEx(0, Hsw(255, 255, 0));
    DrawLineEx(0, 920, 220, 920, 500);
    GfxFontEx(0, "Arial", 32, 45, 8, kBlue);
    GfxFontEffectsEx(0, 1);
    ViewText(905, 175, "C");
    ViewText(922, 190, "L");
  }
  PenEx(0, 0, 0, 1);
}

LegendPlace DrawLegend(int scale, const std::string& heading, const std::string& position) {
  viewScale = scale;
  ViewHeading(heading, 20);

  ViewNumberFont();
  PenEx(0, 0, 0, 1);
  NodeCircle(140, 228);
  LegendPlace place;
  place.numberY = position == "TOP" ? kAxisY - 60 : kAxisY + 14;
  place.labelY = position == "TOP" ? 470 : 300;
  NodeNumbers(place.numberY);

  ViewLabelFont(kRed, 0);
  ViewText(160, 211, "Designates ", kAdvance);
  ViewLabelFont(kBlue, 1);
  DrawTextRowEx(0, IsStrip() ? "Nodal Line " : "Node ", kAdvance);
  DrawTextRowEx(0, "i");
  return place;
}

void DrawGeometryIdealization(int scale) {
  DrawLegend(scale, "GEOMETRY IDEALIZATION", "TOP");
  PenWidthEx(0, 30);
  PenColorEx(0, Hsw(100, 255, 0));
  DrawLineEx(0, 460, kAxisY, 580, kAxisY);
  PenEx(0, 0, 0, 1);
  NodeCircle(460, kAxisY);
  NodeCircle(580, kAxisY);

  // The length dimension of element i-j and the pointers to its length and thickness.
  ViewPolyline({{467, 435}, {460, 440}, {467, 445}, {460, 440}, {580, 440}, {574, 435}, {580, 440}, {573, 447}}, 1,
           kBlack);
  DrawLineEx(0, 460, 405, 460, 440);
  DrawLineEx(0, 580, 405, 580, 440);
  ViewPolyline({{450, 320}, {500, 320}, {500, 395}, {505, 388}, {500, 395}, {494, 387}}, 1, kBlack);
  ViewPolyline({{550, 320}, {540, 320}, {540, 395}, {545, 388}, {540, 395}, {534, 387}}, 1, kBlack);
  ViewPolyline({{540, 417}, {540, 405}, {545, 411}, {540, 405}, {534, 413}}, 1, kBlack);
  ViewLabelFont(kBlue, 1);
  ViewText(512, 448, "L");
  ViewText(552, 420, "h");

  GfxBkgdColorEx(0, ViewBackground());
  GfxBkgdModeEx(0, 0);
  ViewLabelFont(kRed, 0);
  ViewText(380, 290, "Element ", kAdvance);
  ViewLabelFont(kBlue, 1);
  DrawTextRowEx(0, "i");
}

void DrawSupports(int scale, const std::string& kindWord) {
  if (kindWord == "UNYIELD") {
    LegendPlace place = DrawLegend(scale, "UNYIELDING SUPPORTS", "TOP");
    SupportTriangle(460, 407);
    PenEx(0, 0, 0, 1);
    ViewLabelFont(kBlue, 1);
    ViewText(560, place.labelY + 20, "Unyielding Support");
    PointerArrow(555, place.labelY + 36, 482, 440);
  } else if (kindWord == "ELASTIC") {
    LegendPlace place = DrawLegend(scale, "ELASTIC RESTRAINTS", "TOP");
    // The translational spring hangs below node i; the rotational one lies across it.
    VerticalSpring(460, 407);
    RotationalSpring(460, kAxisY);
    PenEx(0, 0, 0, 1);
    ViewLabelFont(kBlue, 1);
    ViewText(560, place.labelY + 20, "Translational Restraint ", kAdvance);
    ViewLabelFont(kRed, 0);
    DrawTextRowEx(0, "(kv)");
    PointerArrow(555, place.labelY + 36, 482, 465);
    ViewLabelFont(kBlue, 1);
    ViewText(560, 300, "Rotational Restraint ", kAdvance);
    ViewLabelFont(kRed, 0);
    DrawTextRowEx(0, "(kr)");
    PointerArrow(555, 318, 497, 390);
  } else {
    LegendPlace place = DrawLegend(scale, "WINKLER FOUNDATION", "TOP");
    ViewLabelFont(kRed, 0);
    ViewText(380, 290, "Element ", kAdvance);
    ViewLabelFont(kBlue, 1);
    DrawTextRowEx(0, "i");
    PointerArrow(470, 325, 515, kAxisY - 8);
    BrushStyleEx(0, 2);
    BrushHatchEx(0, 5);
    BrushColorEx(0, kBlue);
    PenStyleEx(0, 99);
    DrawFromEx(0, 460, 407);
    DrawRectEx(0, 120, 20);
    BrushStyleEx(0, 0);
    PenEx(0, 0, 0, 1);
    ViewLabelFont(kBlue, 1);
    ViewText(150, place.labelY + 20, "Winkler Found. ", kAdvance);
    ViewLabelFont(kRed, 0);
    DrawTextRowEx(0, "(k=const.)");  // right after the label, which the face may make wide
    PointerArrow(420, place.labelY + 36, 500, 430);
  }
}

void DrawLoads(int scale, const std::string& kindWord) {
  const long loadColour = RGB(0, 128, 128);
  if (kindWord == "TRAPEZOIDAL") {
    DrawLegend(scale, "TRAPEZOIDAL LOAD", "BOTTOM");
    ElementLabel(470);
    for (int k = 0; k <= 6; ++k) AxisLoadArrow(460 + 20 * k, 40 + 4 * k, loadColour, 15);
    PenEx(0, 0, 0, 1);
    ViewLabelFont(loadColour, 1);
    ViewText(430, 320, "qi");
    ViewText(588, 300, "qj");
  } else if (kindWord == "NODAL") {
    DrawLegend(scale, "NODAL LOADS", "BOTTOM");
    PenWidthEx(0, 10);
    PenColorEx(0, loadColour);
    BrushColorEx(0, loadColour);
    DrawPolygonEx(0, {{452, 300}, {468, 300}, {468, 365}, {478, 365}, {460, 392}, {442, 365}, {452, 365}});
    PenEx(0, 0, 0, 1);
    ViewLabelFont(loadColour, 1);
    ViewText(475, 295, "Pv");
    // The moment: an arc round node i with its head at the 45 degree end.
    const long momentColour = RGB(128, 128, 0);
    PenWidthEx(0, 15);
    PenColorEx(0, momentColour);
    DrawFromEx(0, 460, kAxisY);
    DrawArc(60, 60, 135, 45);
    PenWidthEx(0, 1);
    BrushColorEx(0, momentColour);
    DrawPolygonEx(0, {{492, 345}, {512, 350}, {503, 369}});
    PenEx(0, 0, 0, 1);
    ViewLabelFont(momentColour, 1);
    ViewText(520, 330, "M");
  } else if (kindWord == "TEMPERATURE") {
    DrawLegend(scale, "TEMPERATURE CHANGE", "BOTTOM");
    ElementLabel(300);
  }
}

}  // namespace trabix
