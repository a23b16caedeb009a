#include "corvane/core/results.h"

#include <algorithm>

#include "core/beamresults.h"
#include "core/jobdata.h"
#include "core/numbers.h"
#include "corvane/core/globals.h"
#include "corvane/core/slots.h"
#include "corvane/core/textexports.h"

namespace corvane {

namespace {

StructuralAction Action(const char* caption, const char* title, int table, int column, PointRule rule = NodeRule,
                        bool compact = false) {
  StructuralAction a;
  a.caption = caption;
  a.title = title;
  a.table = table;
  a.column = column;
  a.rule = rule;
  a.compact = compact;
  return a;
}

// Options 1 to 7 of a circular plate, also of a base plate and a flat roof: table 1 columns 4,
// 5, 3, 2, 1 and table 2 columns 1, 2; shears, translations and slopes compacted.
std::vector<StructuralAction> PlateActions() {
  return {Action("Radial Bending &Moments", "Radial Bending Moments [kN*m/m]", 1, 4),
          Action("Circumferential &Bending Moments", "Circ. Bending Moments [kN*m/m]", 1, 5),
          Action("Shearing &Forces", "Shearing Forces [kN/m]", 1, 3, NodeRule, true),
          Action("Vertical &Translations", "Vertical Translations [mm]", 1, 2, NodeRule, true),
          Action("Slopes (&Angles of Rotation)", "Slopes [rad]", 1, 1, NodeRule, true),
          Action("&Radial Bending Stresses", "Radial Bending Stresses [MPa]", 2, 1),
          Action("Circumferential Bending &Stresses", "Circ. Bending Stresses [MPa]", 2, 2)};
}

// The three in-plane actions of table 3, all compacted.
void AddInPlaneActions(std::vector<StructuralAction>& actions) {
  actions.push_back(Action("Ra&dial Translations", "Radial Translations [mm]", 3, 1, NodeRule, true));
  actions.push_back(Action("Radial &In-Plane Forces", "Radial In-Plane Forces [kN/m]", 3, 2, NodeRule, true));
  actions.push_back(
      Action("Circumf&erential In-Plane Forces", "Circ. In-Plane Forces [kN/m]", 3, 3, NodeRule, true));
}

void Reverse(std::vector<StructuralAction>& actions, std::initializer_list<int> numbers) {
  for (int k : numbers)
    if (k >= 1 && k <= static_cast<int>(actions.size())) actions[static_cast<size_t>(k - 1)].reversed = true;
}

int Occurrences(const std::string& line, const std::string& mark) {
  int n = 0;
  for (size_t at = line.find(mark); at != std::string::npos; at = line.find(mark, at + mark.size())) ++n;
  return n;
}

// The first zero line of from..lineCount, lineCount + 1 when there is none.
int TableEnd(const TextLineArray& lines, int lineCount, int from) {
  int end = lineCount + 1;
  FirstZeroEntry(lines, from, lineCount, end);
  return end;
}

constexpr float kInfinite = 9.9E21f;

}  // namespace

ActionTable StructuralActions(int structure, const std::string& substructure, bool plateInPlane, bool roofInPlane,
                              bool shellRoof, int soilKind) {
  ActionTable t;
  std::vector<StructuralAction>& a = t.actions;
  const bool soil = soilKind > 0;
  if (structure != 2 && structure != 3) {
    t.abscissaCaption = "Distance from Left [m]";
    if (substructure == "BEAM") {
      a = {Action("Bending &Moments", "Bending Moments [kN*m]", 1, 3, JumpRule),
           Action("Shearing &Forces", "Shearing Forces [kN]", 1, 1, ElementEndRule, true),
           Action("Vertical &Translations", "Vertical Translations [mm]", 2, 1, NodeRule, true),
           Action("Slopes (&Angles of Rotation)", "Slopes [rad]", 2, 2, NodeRule, true)};
      if (soil)
        a.push_back(Action("&Soil - Beam Contact Pressure", "Soil - Beam Contact Pressure [kPa]", 2, 3, NodeRule, true));
      Reverse(a, {1, 3, 5});
      t.firstSecondTable = 3;
    } else {
      a = {Action("Width Bending &Moments", "Width Bending Moments [kN*m/m]", 1, 3, JumpRule),
           Action("&Legth Bending Moments", "Legth Bending Moments [kN*m/m]", 1, 5, JumpRule),
           Action("Shearing &Forces", "Shearing Forces [kN/m]", 1, 1, ElementEndRule, true),
           Action("Vertical &Translations", "Vertical Translations [mm]", 2, 1, NodeRule, true),
           Action("Slopes (&Angles of Rotation)", "Slopes [rad]", 2, 2, NodeRule, true)};
      if (soil)
        a.push_back(
            Action("&Soil - Strip Contact Pressure", "Soil - Strip Contact Pressure [kPa]", 2, 3, NodeRule, true));
      Reverse(a, {1, 2, 4, 6});
      t.firstSecondTable = 4;
    }
    return t;
  }
  const std::string plateSoil = "Soil - Plate Contact Pressure [kPa]";
  if (structure == 2 || substructure == "BASE PLATE") {
    t.abscissaCaption = "Radial Distance [m]";
    a = PlateActions();
    if (soil) a.push_back(Action("S&oil - Plate Contact Pressure", plateSoil.c_str(), 2, 3, NodeRule, true));
    t.firstSecondTable = 6;
    if (structure == 3) {
      t.lastSecondTable = static_cast<int>(a.size());
      if (plateInPlane) AddInPlaneActions(a);
    }
    Reverse(a, {1, 2, 4, 6, 7});
    for (StructuralAction& x : a)
      if (x.title == plateSoil) x.reversed = true;
    return t;
  }
  if (substructure == "WALL") {
    t.abscissaCaption = "Height Above Base [m]";
    a = {Action("Longitudinal Bending &Moments", "Long. Bending Moments [kN*m/m]", 1, 4),
         Action("Circumferential &Bending Moments", "Circ. Bending Moments [kN*m/m]", 1, 5),
         Action("Shearing &Forces", "Shearing Forces [kN/m]", 1, 3, NodeRule, true),
         Action("Radial &Translations", "Radial Translations [mm]", 1, 2, NodeRule, true),
         Action("Slopes (&Angles of Rotation)", "Slopes [rad]", 1, 1, NodeRule, true),
         Action("&Longitudinal Bending Stresses", "Long. Bending Stresses [MPa]", 2, 1),
         Action("Circumferential Bending &Stresses", "Circ. Bending Stresses [MPa]", 2, 2),
         Action("Circumferential A&xial Stresses", "Circ. Axial Stresses [MPa]", 2, 3, NodeRule, true),
         Action("&Vertical Forces", "Vertical Forces [kN/m]", 2, 4, NodeRule, true)};
    Reverse(a, {1, 2, 4, 6, 7});
    t.firstSecondTable = 6;
    return t;
  }
  // A shell roof's nodes stand along its meridian: the graphs run over their horizontal radius.
  t.abscissaCaption = shellRoof ? "Horiz. Radial Distance [m]" : "Radial Distance [m]";
  if (shellRoof) {
    a = {Action("Vertical &Translations", "Vertical Translations [mm]", 1, 1),
         Action("Horiz. Ra&dial Translations", "Horiz. Radial Translations [mm]", 1, 2),
         Action("Slopes (&Angles of Rotation)", "Slopes [rad]", 1, 3),
         Action("&Meridional Bending Moments", "Meridional Bending Moments [kN*m/m]", 2, 1, NodeRule, true),
         Action("&Hoop Bending Moments", "Hoop Bending Moments [kN*m/m]", 2, 2, NodeRule, true),
         Action("Me&ridional Bending Stresses", "Meridional Bending Stresses [MPa]", 2, 3, NodeRule, true),
         Action("Hoop Bending &Stresses", "Hoop Bending Stresses [MPa]", 2, 4, NodeRule, true),
         Action("Shearing &Forces", "Shearing Forces [kN/m]", 3, 1, NodeRule, true),
         Action("Meridional A&xial Forces", "Meridional Axial Forces [kN/m]", 3, 2, NodeRule, true),
         Action("H&oop Axial Forces", "Hoop Axial Forces [kN/m]", 3, 3, NodeRule, true)};
    Reverse(a, {1, 4, 5, 6, 7});
    t.firstSecondTable = 4;
    t.lastSecondTable = 7;
    return t;
  }
  a = PlateActions();
  for (StructuralAction& x : a)
    if (x.table == 2) x.compact = true;  // a flat roof's stresses too
  if (roofInPlane) AddInPlaneActions(a);
  Reverse(a, {1, 2, 4, 6, 7});
  t.firstSecondTable = 6;
  t.lastSecondTable = 7;
  return t;
}

int SoilKind(const std::vector<std::string>& supportFlags) {
  if (IsYes(AnswerAt(supportFlags, kIsotropicHalfSpaceSlot)) || IsYes(AnswerAt(supportFlags, kAnisotropicHalfSpaceSlot)))
    return 2;
  return IsYes(AnswerAt(supportFlags, kWinklerSlot)) ? 1 : 0;
}

ActionTable CurrentActions() {
  return StructuralActions(StructureCode(), Trim(Substructure), IsYes(AnswerAt(GeometryAnswers, kStripSlot)),
                           IsYes(AnswerAt(GeometryAnswers, kRoofInPlaneSlot)), IsYes(AnswerAt(GeometryAnswers, kShellRoofSlot)),
                           SoilKind(SupportFlags));
}

std::string ResultsFileName() {
  const std::string c = LoadCaseLetter();
  if (c.empty()) return "";
  const std::string s = Trim(Substructure);
  const char* ext = ".RB";
  if (StructureType == "PLATE") {
    ext = ".RP";
  } else if (StructureType == "TANK") {
    ext = s == "WALL" ? ".RW" : s == "ROOF STRUCTURE" ? ".RR" : ".RP";
  }
  return JobSpec + ext + c;
}

int ParseResultsSection(const TextLineArray& lines, int lineCount, int t, int structure, const std::string& substructure,
                        bool shellRoof, int soilKind, ResultRows& table) {
  lineCount = std::min(lineCount, static_cast<int>(lines.size()) - 1);
  if (t < 1 || t > 3) return 0;
  if (structure != 2 && structure != 3) {
    if (t == 3) return 0;
    return ParseBeamResultsTable(lines, lineCount, t == 1 ? ForceTable : DisplacementTable, substructure != "BEAM", 14,
                                 table);
  }
  const bool plate = structure == 2 || substructure == "BASE PLATE";
  const bool wall = !plate && substructure == "WALL";
  const bool roof = !plate && !wall;
  const bool shell = roof && shellRoof;
  if (t == 3 && (structure == 2 || wall)) return 0;
  const int e1 = TableEnd(lines, lineCount, 12);
  int start = 11, end = e1, columns = shell ? 3 : 5;
  if (t >= 2) {
    int tableTwo = shell ? e1 + 9 : (structure == 2 || wall) ? e1 + 13 : e1 + 12;
    int e2 = TableEnd(lines, lineCount, shell ? e1 + 11 : e1 + 14);
    start = tableTwo;
    end = e2;
    columns = wall || shell ? 4 : roof ? 2 : 2 + (soilKind > 0 ? 1 : 0);
    if (t == 3) {
      start = FirstDashLine(lines, e2, lineCount) + 4;
      end = TableEnd(lines, lineCount, start + 1);
      columns = 3;
    }
  }
  if (start > lineCount) return 0;
  int rows = end - start;
  if (rows < 1) return 0;
  table.Redim(rows, columns);
  ParseNumberTable(lines, lineCount, table, rows, columns, start, end - 1);
  const std::string& first = LineAt(lines, start);
  int infiniteColumn = 0;
  if (t == 1 && (plate || (roof && !shell)) &&
      (Occurrences(first, "***INFINITY***") == 1 || Occurrences(first, "**INFINITY**") == 1))
    infiniteColumn = 3;
  if (t == 3 && shell && Occurrences(first, "*INFINITY*") >= 1) infiniteColumn = 1;
  if (infiniteColumn > 0) table(1, infiniteColumn) = table.Get(2, infiniteColumn) > 0 ? kInfinite : -kInfinite;
  return rows;
}

int ReadResultsSection(int t, int structure, int& rows) {
  rows = ParseResultsSection(ResultLines, ResultLineCount, t, structure, Trim(Substructure),
                             IsYes(AnswerAt(GeometryAnswers, kShellRoofSlot)), GraphState[kSoilKind], ResultTable);
  return rows;
}

void ClearActionState() {
  for (int e = kActionsOffered; e <= kActionRead; ++e) GraphState[e] = 0;
}

void OfferActions(const ActionTable& actions, int soilKind) {
  GraphState[kActionsOffered] = actions.Count();
  GraphState[kFirstSecondTable] = actions.firstSecondTable;
  GraphState[kLastSecondTable] = actions.lastSecondTable;
  GraphState[kSoilKind] = soilKind;
}

int TableOfAction(int k) {
  if (k < GraphState[kFirstSecondTable]) return 1;
  if (GraphState[kLastSecondTable] == 0 || k <= GraphState[kLastSecondTable]) return 2;
  return 3;
}

int ResponseFieldPoints(int k) {
  GraphState[kNodeCount] = ElementCount(SubstructureNumber()) + 1;
  const int held = GraphState[kActionRead];
  if (k >= 1 && held == k) return GraphState[kPointCount];
  ActionTable offered = CurrentActions();
  if (k < 1 || k > offered.Count()) return 0;
  if (held == 0) {
    ResultLines.clear();
    ResultLineCount = 0;
    std::string name = ResultsFileName();
    if (!name.empty() && FileExists(name)) LoadTextLines(name, ResultLines, 0, ResultLineCount);
    if (ResultLineCount == 0) return 0;
  }
  const StructuralAction& action = offered.actions[static_cast<size_t>(k - 1)];
  const int table = TableOfAction(k);
  if (held == 0 || TableOfAction(held) != table) {
    int rows = 0;
    ReadResultsSection(table, StructureCode(), rows);
    GraphState[kTableRows] = rows;
  }
  const int rows = GraphState[kTableRows];
  if (rows < 1) {
    GraphState[kActionRead] = 0;  // read the file again at the next plot
    return 0;
  }
  GraphPointList = GraphPoints();
  GraphPointList.Reserve(2 * rows);
  int n = 0;
  switch (action.rule) {
    case JumpRule: n = AddJumpPoints(GraphPointList, ResultTable, rows, action.column); break;
    case ElementEndRule: n = ElementEndPoints(GraphPointList, ResultTable, rows, action.column); break;
    case NodeRule: n = CopySeriesColumn(GraphPointList, ResultTable, rows, action.column); break;
  }
  if (action.compact) n = CompactGraphPoints(GraphPointList, n);
  if (n < 1) {
    GraphState[kActionRead] = 0;
    return 0;
  }
  GraphState[kPointCount] = n;
  GraphState[kActionRead] = k;
  return n;
}

}  // namespace corvane
