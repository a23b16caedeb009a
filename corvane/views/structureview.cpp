// The schematic pictures beside Corvane's data table windows: a generic beam or strip, circular
// plate (its radius from the axis of symmetry) or tank (base plate, wall and flat or shell roof)
// with a few nodes, and the symbols of the table's supports or loads at node i or element i-j.
// They are fixed drawings: the structure, the substructure, the shell answer, the table's kind
// and a shell roof's load type choose them; no data value appears.
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/numbers.h"
#include "corvane/core/globals.h"
#include "corvane/core/slots.h"
#include "corvane/core/supportentry.h"
#include "corvane/views/views.h"
#include "gfx/gfx.h"
#include "gfx/viewparts.h"
#include "win/dialogs.h"

namespace corvane {

namespace {

constexpr long kMagenta = RGB(255, 0, 255);
constexpr long kLoadColour = RGB(0, 128, 128);
constexpr long kMomentColour = RGB(128, 128, 0);

// A view is open beside a table window.
bool viewOpen = false;

bool IsTank() { return StructureType == "TANK"; }
bool IsBeamStrip() { return StructureType != "PLATE" && StructureType != "TANK"; }
bool IsShellRoof() { return IsYes(AnswerAt(GeometryAnswers, kShellRoofSlot)); }
std::string Part() { return Trim(Substructure); }
bool OnWall() { return IsTank() && Part() == "WALL"; }
bool OnRoof() { return IsTank() && Part() == "ROOF STRUCTURE"; }
bool OnShell() { return OnRoof() && IsShellRoof(); }
std::string TableKind() { return Trim(TableViewKind); }
// A shell roof's element load table names its load type "3".."7" as its kind.
bool IsRoofLoadType(const std::string& kind) { return kind.size() == 1 && kind[0] >= '3' && kind[0] <= '7'; }

// The base line: the beam, strip or plate radius, or the tank's base plate.
double BaseY() { return IsTank() ? 912 : 400; }

const std::vector<GfxPoint> kShellPoints = {{220, 140}, {340, 144}, {460, 156}, {580, 176},
                                            {700, 212}, {820, 252}, {890, 276}};

// The nodes of a line of the picture, from node 1 on: 1 the base line, 2 the wall, 3 the roof.
std::vector<GfxPoint> NodesOf(int line) {
  std::vector<GfxPoint> nodes;
  if (line == 2) {
    for (int k = 0; k <= 6; ++k) nodes.push_back({820, 912.0 - 110 * k});
  } else if (line == 3) {
    if (IsShellRoof()) return kShellPoints;
    for (int k = 1; k <= 5; ++k) nodes.push_back({100.0 + 120 * k, 252});
    nodes.push_back({820, 252});
    nodes.push_back({890, 252});
  } else {
    for (int k = 0; k <= 7; ++k) nodes.push_back({100.0 + 120 * k, BaseY()});
  }
  return nodes;
}

// The line of the current substructure.
int CurrentLine() { return OnWall() ? 2 : OnRoof() ? 3 : 1; }
std::vector<GfxPoint> CurrentNodes() { return NodesOf(CurrentLine()); }
// Node i and node j of element i: the fourth and fifth node of the line.
GfxPoint NodeI() { return CurrentNodes()[3]; }
GfxPoint NodeJ() { return CurrentNodes()[4]; }
GfxPoint ElementMiddle() { return {(NodeI().x + NodeJ().x) / 2, (NodeI().y + NodeJ().y) / 2}; }

// A caption in blue followed by a symbol in red: "Translational Restraint " "(kv)".
void CaptionAndSymbol(double x, double y, const std::string& caption, const std::string& symbol) {
  ViewLabelFont(kViewBlue, 1);
  ViewText(x, y, caption, kViewAdvance);
  ViewLabelFont(kViewRed, 0);
  DrawTextRowEx(0, symbol);
}

// "Element" in red and "i" in blue with a pointer from the label at (x, y) to element i-j.
void ElementLabel(double x, double y) {
  ViewLabelFont(kViewRed, 0);
  ViewText(x, y, "Element ", kViewAdvance);
  ViewLabelFont(kViewBlue, 1);
  DrawTextRowEx(0, "i");
  GfxPoint m = ElementMiddle();
  PointerArrow(x + 110, y + 18, m.x + (OnWall() ? -8 : 0), m.y + (OnWall() ? 0 : -8));
}

// Where the labels of a view go: below the base line or the roof, beside the wall.
GfxPoint LabelPlace() {
  if (OnWall()) return {560, 520};
  if (OnRoof()) return {420, 330};
  return {560, BaseY() - 130};
}

// A load arrow pointing right whose head touches (tipX, y).
void RightArrow(double tipX, double y, double length, long colour, double width) {
  PenColorEx(0, colour);
  PenWidthEx(0, width);
  DrawLineEx(0, tipX - length, y, tipX, y);
  BrushColorEx(0, colour);
  PenWidthEx(0, 1);
  DrawPolygonEx(0, {{tipX - 12, y - 6}, {tipX - 12, y + 6}, {tipX, y}});
}

// The moment at node p: an arc round it with its head at the 45 degree end, labelled M.
void MomentArc(GfxPoint p, const std::string& symbol) {
  PenWidthEx(0, 15);
  PenColorEx(0, kMomentColour);
  DrawFromEx(0, p.x, p.y);
  DrawArcEx(0, 60, 60, 135, 45);
  PenWidthEx(0, 1);
  BrushColorEx(0, kMomentColour);
  DrawPolygonEx(0, {{p.x + 32, p.y - 55}, {p.x + 52, p.y - 50}, {p.x + 43, p.y - 31}});
  PenEx(0, 0, 0, 1);
  ViewLabelFont(kMomentColour, 1);
  ViewText(p.x + 60, p.y - 70, symbol);
}

// The labels of a shell roof's element loads of type "3".."7".
struct RoofLoadLabels {
  const char* i;
  const char* j;
  const char* note;
};
RoofLoadLabels RoofLabels(const std::string& type) {
  if (type == "4") return {"pvi", "pvj", "(LOAD Intensity being related to Element Horiz. Projection)"};
  if (type == "5") return {"phi", "phj", "(LOAD Intensity being related to Element Vert. Projection)"};
  if (type == "6") return {"qni", "qnj", "(LOAD Intensity being related to Element Width)"};
  if (type == "7") return {"qti", "qtj", "(LOAD Intensity being related to Element Width)"};
  return {"qvi", "qvj", "(LOAD Intensity being related to Element Width)"};
}

// A row of arrows over element i-j growing from qi to qj, with its two labels.
void TrapezoidArrows(const std::string& labelI, const std::string& labelJ) {
  GfxPoint a = NodeI(), b = NodeJ();
  if (OnWall()) {
    // The wall is loaded from inside: arrows pointing at it from the left.
    for (int k = 0; k <= 5; ++k) RightArrow(a.x - 6, a.y - 22 * k, 40 + 6 * k, kLoadColour, 15);
  } else {
    for (int k = 0; k <= 6; ++k) {
      double t = k / 6.0;
      LoadArrow(a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t - 6, 40 + 4 * k, kLoadColour, 15);
    }
  }
  PenEx(0, 0, 0, 1);
  ViewLabelFont(kLoadColour, 1);
  if (OnWall()) {
    ViewText(a.x - 90, a.y - 20, labelI);
    ViewText(b.x - 130, b.y - 30, labelJ);
  } else {
    ViewText(a.x - 30, a.y - 80, labelI);
    ViewText(b.x + 8, b.y - 100, labelJ);
  }
}

}  // namespace

void OpenStructureView(HWND table, const std::string& view) {
  CloseStructureView();  // one left by a window that did not close it
  RECT outer;
  GetWindowRect(table, &outer);
  long width = 0, height = 0;
  int sizeMode = 1;
  StructureViewSize(outer.right - outer.left, width, height, sizeMode);
  long left = MakeRoomForView(table, width, height);
  DrawStructureView(table, left, 0, width, height, view, sizeMode);
  viewOpen = true;
}

void CloseStructureView() {
  if (viewOpen) GfxWindowEx(0, kGfxClose);
  viewOpen = false;
}

void StructureViewSize(long left, long& width, long& height, int& sizeMode) {
  const long screen = GetSystemMetrics(SM_CXSCREEN);
  sizeMode = screen >= 1024 ? 1 : 2;
  width = sizeMode == 1 ? 610 : 470;
  width = std::max(1L, std::min(width, screen - left));
  height = IsTank() ? width : width / 2;
}

void DrawStructureView(HWND& window, long left, long top, long width, long height, const std::string& view,
                       int sizeMode) {
  OpenGfx(window, left, top, width, height);
  GfxWindowEx(0, kGfxHold);
  GfxWorldEx(0, 0, 0, 1023, IsTank() ? 1023 : 511);
  GfxWindowEx(0, kGfxSelect);
  BrushColorEx(0, Hsw(40, 240, 180));
  GfxCLSEx(0);
  DrawCentreMarks();
  if (view == "Geom") {
    DrawGeometryIdealization(sizeMode);
  } else if (view == "Supp") {
    DrawSupports(sizeMode);
  } else if (view == "Load") {
    DrawLoads(sizeMode);
  }
  GfxWindowEx(0, kGfxShow);
}

void DrawCentreMarks() {
  const double y = BaseY();
  PenWidthEx(0, 2);
  PenColorEx(0, Hsw(0, 255, 0));
  DrawLineEx(0, 100, y, 940, y);
  if (IsTank()) {
    DrawLineEx(0, 820, y, 820, 252);
    if (IsShellRoof()) {
      DrawMultiLineEx(0, kShellPoints);
    } else {
      DrawLineEx(0, 220, 252, 890, 252);
    }
  }
  PenWidthEx(0, 2);
  PenColorEx(0, kViewBlack);
  for (const GfxPoint& p : NodesOf(1)) NodeCircle(p.x, p.y);
  if (IsTank()) {
    std::vector<GfxPoint> wall = NodesOf(2);
    for (size_t k = 1; k < wall.size(); ++k) NodeCircle(wall[k].x, wall[k].y);
    for (const GfxPoint& p : NodesOf(3)) NodeCircle(p.x, p.y);
  }
  if (!IsBeamStrip()) {
    // The axis of symmetry of the circular plate or tank; an annular plate's stands clear of its
    // inner edge (node 1), across the hole.
    const double axis = !IsTank() && AnnularPlate() ? 40 : 99;
    PenEx(0, kViewBlue, 3, 1);
    DrawLineEx(0, axis, 265, axis, 110);
    GfxFontEx(0, "Arial", 28, 30, 8, kViewBlue);
    GfxFontEffectsEx(0, 1);
    ViewText(axis - 5, 90, "C");
    ViewText(axis - 1, 98, "L");
  }
  PenEx(0, 0, 0, 1);
}

void DrawLegend(const std::string& heading, const std::string& position, double baseLine) {
  ViewHeading(heading, 20);
  const bool top = position == "TOP";
  // Node numbers along the current substructure: 1, 2, i, j and n.
  ViewNumberFont();
  PenEx(0, 0, 0, 1);
  const std::vector<GfxPoint> nodes = CurrentNodes();
  const char* names[] = {"1", "2", "", "i", "j", "", "", ""};
  for (size_t k = 0; k < nodes.size(); ++k) {
    std::string name = k + 1 == nodes.size() ? "n" : names[k];
    if (name.empty()) continue;
    const GfxPoint& p = nodes[k];
    if (OnWall()) {
      ViewText(p.x + 16, p.y - 50, name);
    } else if (OnRoof()) {
      ViewText(p.x - 10, top ? p.y - 52 : p.y + 12, name);
    } else {
      ViewText(p.x - 14, top ? baseLine - 60 : baseLine + 14, name);
    }
  }
  // A tank's substructures by name.
  if (IsTank()) {
    ViewLabelFont(kViewRed, 0);
    ViewText(300, 950, "BASE PLATE");
    ViewText(850, 640, "WALL");
    ViewText(330, IsShellRoof() ? 100 : 205, IsShellRoof() ? "ROOF" : "ROOF PLATE");
  }
  // What a node symbol stands for.
  const double ly = IsTank() ? 760 : 228, lx = IsTank() ? 150 : 140;
  PenEx(0, 0, 0, 1);
  NodeCircle(lx, ly);
  ViewLabelFont(kViewBlue, 1);
  ViewText(lx + 20, ly - 17, IsBeamStrip() ? "Designates Node" : "Designates Nodal Line");
}

void DrawGeometryIdealization(int) {
  DrawLegend("GEOMETRY IDEALISATION", "TOP", BaseY());
  // Element i-j drawn thick, its nodes again over it.
  GfxPoint a = NodeI(), b = NodeJ();
  PenWidthEx(0, 30);
  PenColorEx(0, Hsw(100, 255, 0));
  DrawLineEx(0, a.x, a.y, b.x, b.y);
  PenEx(0, 0, 0, 1);
  if (IsTank()) {
    // The nodes of the substructure whose table is open, enlarged.
    PenWidthEx(0, 2);
    for (const GfxPoint& p : CurrentNodes()) NodeCircle(p.x, p.y, 9, kMagenta);
    PenEx(0, 0, 0, 1);
  } else {
    NodeCircle(a.x, a.y);
    NodeCircle(b.x, b.y);
  }
  // The dimensions of the element table: its width s (a beam's length L) and thickness t (h).
  ViewLabelFont(kViewBlue, 1);
  GfxPoint m = ElementMiddle();
  if (OnWall()) {
    ViewText(m.x - 40, m.y - 18, "s");
    ViewText(m.x + 24, m.y - 18, "t");
  } else {
    // As the table's columns name them: a beam's L and h, a strip's L and t, a plate's s and t.
    ViewText(m.x - 6, m.y + 22, IsBeamStrip() ? "L" : "s");
    ViewText(b.x + 12, b.y - 40, Part() == "BEAM" ? "h" : "t");
  }
  if (OnShell()) {
    // The shell's coordinate axes from its first node.
    PointerArrow(220, 140, 320, 140);
    PointerArrow(220, 140, 220, 240);
    ViewLabelFont(kViewBlue, 1);
    ViewText(326, 124, "x");
    ViewText(228, 236, "z");
  }
  GfxBkgdColorEx(0, Hsw(40, 240, 180));
  GfxBkgdModeEx(0, 0);
  GfxPoint place = LabelPlace();
  ElementLabel(place.x - 200, place.y);
}

void DrawSupports(int) {
  const std::string kind = TableKind();
  const double y = BaseY();
  GfxPoint place = LabelPlace();
  if (kind == "UNYIELD") {
    DrawLegend("UNYIELDING SUPPORTS", "TOP", y);
    for (int k : {0, 3, 7}) SupportTriangle(100 + 120 * k, y + 7, kViewBlack);
    PenEx(0, 0, 0, 1);
    ViewLabelFont(kViewBlue, 1);
    ViewText(560, y + 70, "Unyielding Support");
    PointerArrow(555, y + 86, 482, y + 40);
  } else if (kind == "ELASTIC") {
    DrawLegend("ELASTIC SUPPORTS", "TOP", y);
    if (OnWall()) {
      // The wall's restraints at node i: a horizontal spring outside, a rotational one inside.
      GfxPoint i = NodeI();
      HorizontalSpring(i.x + 7, i.y);
      RotationalSpring(i.x - 45, i.y);
      PenEx(0, 0, 0, 1);
      CaptionAndSymbol(600, i.y + 60, "Translational", "");
      CaptionAndSymbol(600, i.y + 95, "Restraint ", "(kh)");
      PointerArrow(760, i.y + 70, i.x + 50, i.y + 14);
      CaptionAndSymbol(560, i.y - 170, "Rotational", "");
      CaptionAndSymbol(560, i.y - 135, "Restraint ", "(kr)");
      PointerArrow(680, i.y - 100, i.x - 45, i.y - 16);
    } else {
      VerticalSpring(460, y + 7);
      PenEx(0, 0, 0, 1);
      CaptionAndSymbol(560, y + 70, "Translational Restraint ", "(kv)");
      PointerArrow(555, y + 86, 482, y + 65);
      if (IsBeamStrip()) {
        RotationalSpring(460, y);
        PenEx(0, 0, 0, 1);
        CaptionAndSymbol(560, y - 100, "Rotational Restraint ", "(kr)");
        PointerArrow(555, y - 82, 497, y - 10);
      }
    }
  } else {
    DrawLegend("WINKLER FOUNDATION", "TOP", y);
    ElementLabel(place.x - 200, place.y);
    // Element i on its bed of springs.
    BrushStyleEx(0, kGfxBrushHatch);
    BrushHatchEx(0, 5);
    BrushColorEx(0, kViewBlue);
    PenStyleEx(0, 99);
    GfxPoint a = NodeI(), b = NodeJ();
    if (OnWall()) {
      DrawFromEx(0, a.x + 7, b.y);
      DrawRectEx(0, 20, a.y - b.y);
    } else {
      DrawFromEx(0, a.x, a.y + 7);
      DrawRectEx(0, b.x - a.x, 20);
    }
    PenEx(0, 0, 0, 1);
    const double ly = IsTank() ? 800 : y + 20;
    if (IsBeamStrip()) {
      // Two kinds of bed: constant and linear along the element.
      DrawFromEx(0, 150, ly + 40);
      DrawRectEx(0, 60, 20);
      BrushStyleEx(0, kGfxBrushSolid);
      BrushColorEx(0, kViewGrey);
      DrawPolygonEx(0, {{600, ly + 50}, {660, ly + 50}, {660, ly + 70}, {600, ly + 60}});
      CaptionAndSymbol(220, ly + 36, "Winkler Found. ", "(k=const.)");
      CaptionAndSymbol(670, ly + 36, "Winkler Found. ", "(k=linear)");
    } else {
      DrawFromEx(0, 150, ly + 40);
      DrawRectEx(0, 60, 20);
      CaptionAndSymbol(220, ly + 36, "Winkler Found. ", "(k=const.)");
    }
    BrushStyleEx(0, kGfxBrushSolid);
    PenEx(0, 0, 0, 1);
  }
}

void DrawLoads(int) {
  const std::string kind = TableKind();
  const double y = BaseY();
  GfxPoint place = LabelPlace();
  if (kind == "TRAPEZOIDAL" || IsRoofLoadType(kind)) {
    DrawLegend("TRAPEZOIDAL LOAD", "BOTTOM", y);
    if (OnShell()) {
      // The shell's nodes marked; the labels of the load type being entered.
      const std::string type = IsRoofLoadType(kind) ? kind : Trim(AnswerAt(GeometryAnswers, kRoofLoadKindSlot));
      RoofLoadLabels labels = RoofLabels(type);
      PenWidthEx(0, 2);
      for (const GfxPoint& p : kShellPoints) NodeCircle(p.x, p.y, 9, kMagenta);
      PenEx(0, 0, 0, 1);
      TrapezoidArrows(labels.i, labels.j);
      ViewLabelFont(kViewBlue, 1);
      ViewText(150, 420, labels.note);
      ViewText(150, 470, "Current LOAD Type: " + (type.empty() ? std::string("3") : type));
    } else {
      TrapezoidArrows("qi", "qj");
    }
    // Left of the load's arrows and of "qi" over node i (the pointer reaches over them).
    ElementLabel(place.x - (OnWall() || OnShell() ? 200 : 330), place.y + 40);
  } else if (kind == "NODAL") {
    DrawLegend("NODAL LOADS", "BOTTOM", y);
    // At node i: a horizontal force (wall and shell roof), a vertical force and a moment, named
    // as the table's columns.
    GfxPoint i = NodeI();
    const bool horizontal = OnWall() || OnShell();
    if (horizontal) RightArrow(i.x - 6, i.y, 90, kLoadColour, 10);
    LoadArrow(i.x, i.y - 6, 90, kLoadColour, 10);
    PenEx(0, 0, 0, 1);
    ViewLabelFont(kLoadColour, 1);
    if (horizontal) ViewText(i.x - 110, i.y - 40, OnWall() ? "Ph" : "Qh");
    ViewText(i.x + 10, i.y - 110, OnWall() ? "Qv" : "Pv");
    MomentArc(i, "M");
  } else if (kind == "TEMPERATURE") {
    DrawLegend("TEMPERATURE CHANGE", "BOTTOM", y);
    ElementLabel(place.x - 200, place.y);
  }
}

}  // namespace corvane
