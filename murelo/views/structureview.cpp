// Murelo's structure views (see views.h). World 0..1023 both ways, y downward: the base plate
// lies on y 780 from its toe (node 1, x 150) to its heel (x 870), the wall stem stands on it at
// x 400 up to y 180, the backfill lies behind the stem on the heel's side.
#include "murelo/views/views.h"

#include <cmath>
#include <vector>

#include "gfx/gfx.h"
#include "gfx/viewparts.h"
#include "murelo/core/dataentry.h"
#include "murelo/core/globals.h"

namespace murelo {
namespace {

constexpr double kPlateY = 780, kToeX = 150, kHeelX = 870, kStemX = 400, kStemTop = 180;
// Nodes of the base plate (x) and of the wall stem (y); i and j are the sample element's ends.
const double kPlateNodes[] = {150, 230, 310, 400, 490, 580, 670, 760, 870};
constexpr double kPlateI = 580, kPlateJ = 670;
const double kStemNodes[] = {780, 700, 620, 540, 460, 380, 300, 180};
constexpr double kStemI = 540, kStemJ = 460;

void Label(long colour, bool bold, double x, double y, const std::string& text, long flags = 0) {
  ViewLabelFont(colour, bold ? 1 : 0);
  ViewText(x, y, text, flags);
}

// Where the sample element of the edited substructure lies: its two end points.
struct Sample {
  double xi, yi, xj, yj;
  bool plate;
};

// The ground under the plate, the backfill behind the stem, its word and the key of the node
// symbol.
void DrawBackfill() {
  BrushStyleEx(0, kGfxBrushHatch);
  BrushHatchEx(0, 3);
  BrushColorEx(0, kViewGrey);
  PenStyleEx(0, 99);
  DrawFromEx(0, 60, kPlateY + 20);
  DrawRectEx(0, 900, 40);
  DrawFromEx(0, kStemX + 20, 300);
  DrawRectEx(0, 940 - kStemX - 20, kPlateY - 20 - 300);
  BrushStyleEx(0, kGfxBrushSolid);
  PenEx(0, 0, 0, 1);
  PenColorEx(0, kViewBlack);
  PenWidthEx(0, 2);
  DrawLineEx(0, 60, kPlateY + 20, 960, kPlateY + 20);
  DrawLineEx(0, kStemX + 20, 300, 940, 300);
  GfxFontEx(0, "Times New Roman", 40, 40, 700, kViewBlack);
  GfxFontEffectsEx(0, 2);
  ViewText(720, 330, "Backfill");
  NodeCircle(120, 975);
  Label(kViewRed, false, 140, 958, "Designates ", kViewAdvance);
  ViewLabelFont(kViewBlue, 1);
  DrawTextRowEx(0, "Nodal Line");
}

// The title on its band, the outline of base plate and stem with their nodes, and the labels
// 1, 2, i, j, n along the edited substructure on the chosen side.
Sample DrawWallOutline(const std::string& title, const std::string& side) {
  if (!title.empty()) ViewHeading(title, 20);
  PenWidthEx(0, 24);
  PenColorEx(0, Hsw(0, 255, 0));
  DrawLineEx(0, kToeX, kPlateY, kHeelX, kPlateY);
  DrawLineEx(0, kStemX, kPlateY, kStemX, kStemTop);
  PenEx(0, 0, 0, 1);
  const bool plate = PlateEdited();
  if (plate)
    for (double x : kPlateNodes) NodeCircle(x, kPlateY);
  else
    for (double y : kStemNodes) NodeCircle(kStemX, y);
  ViewNumberFont();
  const bool top = side == "TOP";
  if (plate) {
    const double y = top ? kPlateY - 62 : kPlateY + 22;
    ViewText(kToeX - 8, y, "1");
    ViewText(230 - 8, y, "2");
    ViewText(kPlateI - 6, y, "i");
    ViewText(kPlateJ - 6, y, "j");
    ViewText(kHeelX - 10, y, "n");
    return {kPlateI, kPlateY, kPlateJ, kPlateY, true};
  }
  const double x = top ? kStemX - 50 : kStemX + 25;
  ViewText(x, 780 - 50, "1");
  ViewText(x, 700 - 20, "2");
  ViewText(x, kStemI - 20, "i");
  ViewText(x, kStemJ - 20, "j");
  ViewText(x, kStemTop - 20, "n");
  return {kStemX, kStemI, kStemX, kStemJ, false};
}

// The labels of the picture in their order: a pair that is a word and its letter is drawn as one
// row ("Element " + "i", "Restraint " + "(kv)").
void LabelRows(const std::vector<std::string>& labels, double x, double y) {
  for (size_t k = 0; k < labels.size(); ++k) {
    const std::string& l = labels[k];
    const bool joined = !l.empty() && l.back() == ' ' && k + 1 < labels.size();
    Label(joined ? kViewRed : kViewBlue, true, x, y, l, joined ? kViewAdvance : 0);
    if (joined) {
      ViewLabelFont(kViewBlue, 1);
      DrawTextRowEx(0, labels[++k]);
    }
    y += 40;
  }
}

void SampleElement(const Sample& s, long colour) {
  PenWidthEx(0, 30);
  PenColorEx(0, colour);
  DrawLineEx(0, s.xi, s.yi, s.xj, s.yj);
  PenEx(0, 0, 0, 1);
  NodeCircle(s.xi, s.yi);
  NodeCircle(s.xj, s.yj);
}

void DrawGeometryIdealization(const ViewChoice& c) {
  const Sample s = DrawWallOutline(c.title, c.labelSide);
  SampleElement(s, Hsw(100, 255, 0));
  // The element's extent s and thickness t between dimension lines.
  if (s.plate) {
    ViewPolyline({{s.xi, s.yi + 40}, {s.xj, s.yj + 40}}, 1, kViewBlack);
    ViewPolyline({{s.xi, s.yi + 25}, {s.xi, s.yi + 55}}, 1, kViewBlack);
    ViewPolyline({{s.xj, s.yj + 25}, {s.xj, s.yj + 55}}, 1, kViewBlack);
    LabelRows(c.labels, 560, 860);
    PointerArrow(600, 880, (s.xi + s.xj) / 2, s.yi + 10);
  } else {
    // The sample's words at the element: its name, the thickness across it, the length along it;
    // then the name again as the key.
    ViewPolyline({{s.xi + 60, s.yi}, {s.xj + 60, s.yj}}, 1, kViewBlack);
    ViewPolyline({{s.xi + 50, s.yi}, {s.xi + 70, s.yi}}, 1, kViewBlack);
    ViewPolyline({{s.xj + 50, s.yj}, {s.xj + 70, s.yj}}, 1, kViewBlack);
    ViewPolyline({{s.xi - 15, s.yi + 40}, {s.xi + 15, s.yi + 40}}, 1, kViewBlack);
    const std::vector<std::string>& l = c.labels;
    if (l.size() >= 6) {
      Label(kViewBlue, true, 150, 430, l[0] + " ", kViewAdvance);
      DrawTextRowEx(0, l[1]);
      PointerArrow(250, 470, s.xi - 16, (s.yi + s.yj) / 2);
      Label(kViewBlue, true, s.xi - 40, s.yi + 30, l[2]);
      Label(kViewBlue, true, s.xi + 76, (s.yi + s.yj) / 2 - 18, l[3]);
      // The key of the sample element, as the key of the nodes under it: its mark, then its name.
      PenWidthEx(0, 14);
      PenColorEx(0, Hsw(100, 255, 0));
      DrawLineEx(0, 100, 897, 128, 897);
      PenEx(0, 0, 0, 1);
      LabelRows({l[4], l[5]}, 140, 880);
    }
  }
}

void DrawSupports(const ViewChoice& c, const std::string& kind) {
  const Sample s = DrawWallOutline(c.title, c.labelSide);
  if (kind == "UNYIELD") {
    SupportTriangle(s.xi, s.yi + 14);
    LabelRows(c.labels, 560, 880);
    PointerArrow(600, 900, s.xi + 10, s.yi + 40);
  } else if (kind == "ELASTIC") {
    if (s.plate) {
      VerticalSpring(s.xi, s.yi + 14);
      RotationalSpring(s.xi, s.yi);
    } else {
      HorizontalSpring(s.xi - 100, s.yi);
      RotationalSpring(s.xi, s.yi);
    }
    PenEx(0, 0, 0, 1);
    LabelRows(c.labels, s.plate ? 480 : 90, s.plate ? 860 : 300);
  } else {
    BrushStyleEx(0, kGfxBrushHatch);
    BrushHatchEx(0, 5);
    BrushColorEx(0, kViewBlue);
    PenColorEx(0, kViewBlue);
    // The subgrade modulus varies linearly along the element.
    DrawPolygonEx(0, {{s.xi, s.yi + 14}, {s.xj, s.yj + 14}, {s.xj, s.yj + 74}, {s.xi, s.yi + 44}});
    BrushStyleEx(0, kGfxBrushSolid);
    PenEx(0, 0, 0, 1);
    SampleElement(s, Hsw(100, 255, 0));
    LabelRows(c.labels, 300, 830);
  }
}

void DrawLoads(const ViewChoice& c, const std::string& kind) {
  const Sample s = DrawWallOutline(c.title, c.labelSide);
  if (c.labels.empty()) return;
  const long loadColour = RGB(0, 128, 128);
  if (kind == "NODAL") {
    if (s.plate) {
      LoadArrow(s.xi, s.yi - 14, 110, loadColour, 6);
    } else {
      ViewPolyline({{s.xi + 130, s.yi}, {s.xi + 14, s.yi}, {s.xi + 28, s.yi - 8}, {s.xi + 14, s.yi}, {s.xi + 28, s.yi + 8}},
                   6, loadColour);
      LoadArrow(s.xi, s.yi - 14, 80, loadColour, 6);
    }
    PenEx(0, 0, 0, 1);
    LabelRows(c.labels, s.plate ? s.xi + 20 : s.xi + 140, s.plate ? s.yi - 200 : s.yi - 120);
    return;
  }
  // A trapezoidal load: arrows growing from i to j onto the element.
  for (int k = 0; k <= 4; ++k) {
    const double t = k / 4.0, length = 50 + 40 * t;
    if (s.plate || kind != "TRAPEZOIDAL") {
      const double x = s.xi + (s.xj - s.xi) * t + (s.plate ? 0 : 20);
      const double y = s.yi + (s.yj - s.yi) * t;
      LoadArrow(x, y - 14, length, loadColour, 4);
    } else {
      const double y = s.yi + (s.yj - s.yi) * t;
      ViewPolyline({{s.xi + 14 + length, y}, {s.xi + 14, y}, {s.xi + 26, y - 6}, {s.xi + 14, y}, {s.xi + 26, y + 6}}, 4,
                   loadColour);
    }
  }
  PenEx(0, 0, 0, 1);
  LabelRows(c.labels, s.plate ? 600 : 560, s.plate ? 560 : 420);
}

}  // namespace

void DrawStructureView(HWND window, long left, long top, long width, long height, const std::string& view, int,
                       const std::string& kindWord) {
  const ViewChoice choice = StructureViewChoice(view, CurrentSubstructure, kindWord);
  DrawViewFrame(window, left, top, width, height, 0, 0, 1023, 1023, [&] {
    DrawBackfill();
    if (view == "Geom") DrawGeometryIdealization(choice);
    else if (view == "Supp") DrawSupports(choice, kindWord);
    else if (view == "Load") DrawLoads(choice, kindWord);
    else DrawWallOutline("", "TOP");
  });
}

}  // namespace murelo
