// Palvore's structure views (see views.h). World 0..1023 both ways, y downward; the pile stands
// on x 500 from its top node at y 150.
#include "palvore/views/views.h"

#include <cmath>
#include <vector>

#include "gfx/gfx.h"
#include "gfx/viewparts.h"
#include "palvore/core/jobfiles.h"

namespace palvore {
namespace {

constexpr double kPileX = 500;
constexpr double kGroundY = 260;
const double kNodeY[] = {150, 205, 260, 315, 370, 425, 480, 590, 700, 810, 920};
constexpr double kNodeI = 480, kNodeJ = 590;

void Label(long colour, bool bold, double x, double y, const std::string& text, long flags = 0) {
  ViewLabelFont(colour, bold ? 1 : 0);
  ViewText(x, y, text, flags);
}

// The soil, the pile, its nodes and their labels, the top's arrow and the key.
void DrawLegend(const std::string& view) {
  const bool sheet = IsSheetPile();
  PenEx(0, 0, 0, 1);
  PenWidthEx(0, 2);
  PenColorEx(0, kViewBlack);
  DrawLineEx(0, kPileX - 350, kGroundY, kPileX + 350, kGroundY);
  BrushStyleEx(0, 2);
  BrushHatchEx(0, 3);
  BrushColorEx(0, kViewGrey);
  PenStyleEx(0, 99);
  DrawFromEx(0, kPileX - 351, kGroundY + 1);
  DrawRectEx(0, 702, 30);
  BrushStyleEx(0, 0);
  PenEx(0, 0, 0, 1);
  Label(kViewBlack, false, kPileX + 120, kGroundY - 34, sheet ? "Dredge Line" : "Soil Surface");

  PenWidthEx(0, 2);
  PenColorEx(0, Hsw(0, 255, 0));
  DrawLineEx(0, kPileX, 150, kPileX, 912);
  PenEx(0, 0, 0, 1);
  for (double y : kNodeY) NodeCircle(kPileX, y);

  // i and j move aside from the symbols of the support and load pictures.
  double shiftX = view == "Supp" ? -55 : 0, closer = view == "Supp" || view == "Load" ? 20 : 0;
  ViewNumberFont();
  ViewText(kPileX - 40, 150 - 14, "1");
  ViewText(kPileX - 40, 205 - 14, "2");
  ViewText(kPileX - 40 + shiftX, kNodeI - 14 + closer, "i");
  ViewText(kPileX - 40 + shiftX, kNodeJ - 14 - closer, "j");
  ViewText(kPileX - 40, 920 - 14, "n");

  PointerArrow(kPileX - 170, 112, kPileX - 9, 148);
  Label(kViewRed, false, kPileX - 330, 92, "Pile's Top");

  NodeCircle(120, 975);
  Label(kViewRed, false, 140, 958, "Designates ", kViewAdvance);
  ViewLabelFont(kViewBlue, 1);
  DrawTextRowEx(0, sheet ? "Nodal Line" : "Node");
}

void ElementLabel(double x, double y) {
  Label(kViewRed, false, x, y, "Element ", kViewAdvance);
  ViewLabelFont(kViewBlue, 1);
  DrawTextRowEx(0, "i");
  PointerArrow(x + 40, y + 38, kPileX - 10, (kNodeI + kNodeJ) / 2);
}

void DrawGeometryIdealization() {
  ViewHeading("GEOMETRY IDEALIZATION", 20);
  PenWidthEx(0, 30);
  PenColorEx(0, Hsw(100, 255, 0));
  DrawLineEx(0, kPileX, kNodeI, kPileX, kNodeJ);
  PenEx(0, 0, 0, 1);
  NodeCircle(kPileX, kNodeI);
  NodeCircle(kPileX, kNodeJ);
  // The length beside the element, the width across it.
  ViewPolyline({{595, kNodeI}, {530, kNodeI}}, 1, kViewBlack);
  ViewPolyline({{595, kNodeJ}, {530, kNodeJ}}, 1, kViewBlack);
  ViewPolyline({{580, kNodeI + 8}, {585, kNodeI}, {590, kNodeI + 8}, {585, kNodeI}, {585, kNodeJ}, {580, kNodeJ - 8},
                {585, kNodeJ}, {590, kNodeJ - 8}},
               1, kViewBlack);
  ViewPolyline({{470, 640}, {485, 640}, {478, 634}, {485, 640}, {478, 646}}, 1, kViewBlack);
  ViewPolyline({{530, 640}, {515, 640}, {522, 634}, {515, 640}, {522, 646}}, 1, kViewBlack);
  Label(kViewBlue, true, 600, (kNodeI + kNodeJ) / 2 - 18, "L");
  Label(kViewBlue, true, 540, 626, "B");
  ElementLabel(180, 500);
}

void DrawSupports(const std::string& kind) {
  if (kind == "UNYIELD") {
    ViewHeading("UNYIELDING SUPPORTS", 20);
    BrushColorEx(0, kViewGrey);
    PenColorEx(0, kViewGrey);
    DrawPolygonEx(0, {{kPileX + 7, kNodeI}, {kPileX + 60, kNodeI - 35}, {kPileX + 60, kNodeI + 35}});
    PenEx(0, 0, 0, 1);
    Label(kViewBlue, true, 640, 560, "Unyielding Support");
    PointerArrow(650, 580, kPileX + 45, kNodeI + 20);
  } else if (kind == "ELASTIC") {
    ViewHeading("ELASTIC RESTRAINTS", 20);
    HorizontalSpring(kPileX + 7, kNodeI);
    RotationalSpring(kPileX, kNodeI);
    PenEx(0, 0, 0, 1);
    Label(kViewBlue, true, 620, 560, "Translational ", kViewAdvance);
    DrawTextRowEx(0, "Restraint ", kViewAdvance);
    ViewLabelFont(kViewRed, 0);
    DrawTextRowEx(0, "(kh)");
    PointerArrow(640, 580, kPileX + 60, kNodeI + 8);
    Label(kViewBlue, true, 620, 380, "Rotational ", kViewAdvance);
    DrawTextRowEx(0, "Restraint ", kViewAdvance);
    ViewLabelFont(kViewRed, 0);
    DrawTextRowEx(0, "(kr)");
    PointerArrow(640, 415, kPileX + 30, kNodeI - 12);
  } else {
    ViewHeading("WINKLER SOIL", 20);
    BrushStyleEx(0, 2);
    BrushHatchEx(0, 5);
    BrushColorEx(0, kViewBlue);
    PenColorEx(0, kViewBlue);
    // The subgrade modulus varies linearly along the element.
    DrawPolygonEx(0, {{kPileX + 8, kNodeI}, {kPileX + 48, kNodeI}, {kPileX + 88, kNodeJ}, {kPileX + 8, kNodeJ}});
    BrushStyleEx(0, 0);
    PenEx(0, 0, 0, 1);
    ElementLabel(180, 500);
    Label(kViewBlue, true, 620, 640, "Winkler Soil ", kViewAdvance);
    ViewLabelFont(kViewRed, 0);
    DrawTextRowEx(0, "(k=linear)");
    PointerArrow(640, 660, kPileX + 50, kNodeJ - 20);
  }
}

void DrawLoads(const std::string& kind) {
  const long loadColour = RGB(0, 128, 128);
  if (kind == "TRAPEZOIDAL") {
    ViewHeading("TRAPEZOIDAL LOAD", 20);
    // Rightward arrows from a sloping line onto the element, their heads on its left face.
    for (int k = 0; k <= 5; ++k) {
      double y = kNodeI + 22 * k, length = 50 + 12 * k;
      ViewPolyline({{kPileX - 8 - length, y}, {kPileX - 8, y}, {kPileX - 20, y - 6}, {kPileX - 8, y}, {kPileX - 20, y + 6}},
                   6, loadColour);
    }
    PenEx(0, 0, 0, 1);
    Label(loadColour, true, kPileX - 110, kNodeI - 40, "qi");
    Label(loadColour, true, kPileX - 170, kNodeJ + 10, "qj");
    ElementLabel(620, 520);
  } else {
    ViewHeading("NODAL LOADS", 20);
    PenWidthEx(0, 4);
    PenColorEx(0, loadColour);
    BrushColorEx(0, loadColour);
    DrawPolygonEx(0, {{kPileX - 110, kNodeI - 6}, {kPileX - 40, kNodeI - 6}, {kPileX - 40, kNodeI - 16}, {kPileX - 9, kNodeI},
                      {kPileX - 40, kNodeI + 16}, {kPileX - 40, kNodeI + 6}, {kPileX - 110, kNodeI + 6}});
    PenEx(0, 0, 0, 1);
    Label(loadColour, true, kPileX - 100, kNodeI - 50, "Pi");
    // The moment: an arc of segments round node i, clockwise, with its head at the lower end.
    const long momentColour = RGB(128, 128, 0);
    std::vector<GfxPoint> arc;
    const double pi = std::acos(-1.0);
    for (int a = -60; a <= 60; a += 10)
      arc.push_back({kPileX + 55 * std::cos(a * pi / 180), kNodeI + 55 * std::sin(a * pi / 180)});
    ViewPolyline(arc, 8, momentColour);
    BrushColorEx(0, momentColour);
    PenColorEx(0, momentColour);
    const GfxPoint end = arc.back();
    DrawPolygonEx(0, {{end.x - 18, end.y + 4}, {end.x + 10, end.y - 14}, {end.x + 6, end.y + 16}});
    PenEx(0, 0, 0, 1);
    Label(momentColour, true, kPileX + 70, kNodeI - 70, "Mi");
  }
}

}  // namespace

void DrawStructureView(HWND window, long left, long top, long width, long height, const std::string& view, int,
                       const std::string& kindWord) {
  DrawViewFrame(window, left, top, width, height, 0, 0, 1023, 1023, [&] {
    DrawLegend(view);
    if (view == "Geom") DrawGeometryIdealization();
    else if (view == "Supp") DrawSupports(kindWord);
    else if (view == "Load") DrawLoads(kindWord);
  });
}

}  // namespace palvore
