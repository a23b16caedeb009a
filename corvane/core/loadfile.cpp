#include "corvane/core/loadfile.h"

#include <cmath>
#include <cstdio>

#include "core/jobdata.h"
#include "core/numbers.h"
#include "corvane/core/checks.h"
#include "corvane/core/geometryfile.h"
#include "corvane/core/slots.h"
#include "corvane/core/tablecells.h"

namespace corvane {

namespace {

const char* const kLoadEnd = "------------------------- END OF LOAD DATA -------------------------";
const std::string kTankRule(62, '-');
const char* const kKindTitles[6] = {"",
                                    "Vertical, related to Element Width",
                                    "Vertical, related to Element Horiz. Projection",
                                    "Horizontal, related to Element Vert. Projection",
                                    "Normal, related to Element Width",
                                    "Tangential, related to Element Width"};

// Headings of the nodal and trapezoidal tables of a circular plate (also the base plate's, the
// wall's trapezoidal and a plate roof's).
const char* const kPlateNodal[2] = {" Node 'i'      Downward Force Pi      Clockwise Moment Mi",
                                    "                    [kN/m]                 [kN*m/m]"};
const char* const kPlateElement[2] = {"Element 'i'  Intensity at Node 'i'    Intensity at Node 'j'",
                                      "(Nodes i,j)          [kPa]                   [kPa]"};

void Put(TextLineArray& lines, int i, const std::string& text) {
  if (lines.size() <= static_cast<size_t>(i)) lines.resize(static_cast<size_t>(i) + 1);
  lines[static_cast<size_t>(i)] = text;
}

float L(int g, int k) { return LoadTable.Get(g, k); }

std::string Strain(float value) { return value == 0 ? std::string(" 0.0") : FormatNumber(value, " #.0000E+##"); }

// A table with rows: its title, two heading lines and room for the rows; rows := the first row's
// line. A table without rows is left out (rows := 0).
void Table(TextLineArray& lines, int& at, const std::string& title, const char* const headings[2], int& rows) {
  if (rows <= 0) {
    rows = 0;
    return;
  }
  Put(lines, ++at, title);
  Put(lines, ++at, headings[0]);
  Put(lines, ++at, headings[1]);
  int first = at + 1;
  for (int k = 0; k < rows; ++k) Put(lines, ++at, "");
  rows = first;
}

void Lines(TextLineArray& lines, int& at, std::initializer_list<std::string> texts) {
  for (const std::string& t : texts) Put(lines, ++at, t);
}

// A labelled value as the listing writes it. A sign parted from its digits by blanks ("- 5.25",
// as older listings wrote negative values) is joined to them before the number is read.
double ListedValue(const std::string& text) {
  std::string t = Trim(text);
  if (t.size() > 1 && (t[0] == '-' || t[0] == '+') && t[1] == ' ') t = t.substr(0, 1) + LTrim(t.substr(1));
  return ParseNumber(t);
}

// A lookup within first..last; a range that starts at 0 (its section is absent) finds nothing.
int Find(const TextLineArray& lines, int first, int last, const std::string& label, std::string& value) {
  value.clear();
  if (first < 1 || last < first) return 0;
  int at = 0;
  FindLabelLine(lines, first, last, label, at, value);
  return at;
}

float Number(const TextLineArray& lines, int first, int last, const std::string& label) {
  std::string value;
  return Find(lines, first, last, label, value) > 0 ? static_cast<float>(ListedValue(value)) : 0.0f;
}

int Start(const TextLineArray& lines, int first, int last, const std::string& title) {
  std::string value;
  int at = Find(lines, first, last, title, value);
  return at > 0 ? at + 3 : 0;
}

float AfterColon(const TextLineArray& lines, int n, int i) {
  if (i < 1 || i > n || static_cast<size_t>(i) >= lines.size()) return 0.0f;
  const std::string& line = lines[static_cast<size_t>(i)];
  size_t colon = line.find(':');
  return colon == std::string::npos ? 0.0f : static_cast<float>(ListedValue(line.substr(colon + 1)));
}

// The two values on the lines after a group title (hydrostatic, wall strains and temperatures).
void Pair(const TextLineArray& lines, int n, int first, int last, const std::string& title, int g, int k) {
  std::string value;
  int at = Find(lines, first, last, title, value);
  if (at == 0) return;
  LoadTable(g, k) = AfterColon(lines, n, at + 1);
  LoadTable(g, k + 1) = AfterColon(lines, n, at + 2);
}

void NumberRows(Table2D<float>& table, int rows, int cols) {
  table.Redim(rows, cols);
  for (int r = 1; r <= rows; ++r) table(r, 0) = static_cast<float>(r);
}

bool ShellRoof() { return AnswerAt(GeometryAnswers, kShellRoofSlot) == "Y"; }

}  // namespace

void ListLoads(TextLineArray& lines, int& count, int& nodalRows, int& trapezoidalRows, int& wallNodalRows,
               int& wallTrapezoidalRows, int& roofNodalRows, int& roofElementRows, int type, const std::string& header) {
  int at = 1;
  Put(lines, 1, header);
  if (type == 1) {
    static const char* const nodal[2] = {" Node 'i'      Downward Force Pi      Clockwise Moment Mi",
                                         "                     [kN]                   [kN*m]"};
    static const char* const trapezoidal[2] = {" Elment 'i'  Intensity at Node 'i'   Intensity at Node 'j'",
                                               "(Nodes i,j)         [kN/m]                  [kN/m]"};
    static const char* const temperature[2] = {" Elment 'i'     Above the Element       Below the Element",
                                               "(Nodes i,j)        [Celsius]               [Celsius]"};
    Lines(lines, at, {"BEAM LOAD DATA:", "Uniform Load [kN/m]:" + FormatNumber(L(1, 1), " #####0.0##"),
                      "Self Weight (Mass Density) [kg/m^3]:" + FormatNumber(L(1, 2), " ####0.0##")});
    Table(lines, at, "NODAL LOADING:", nodal, nodalRows);
    Table(lines, at, "TRAPEZOIDAL LOADING:", trapezoidal, trapezoidalRows);
    Lines(lines, at, {"", "**REMARK: - ELEMENT NUMBERING STARTS AT BEAM/STRIP LEFT EDGE",
                      "          - POSITIVE LOADS ACT DOWNWARDS",
                      "          - CLOCKWISE MOMENTS ARE CONSIDERED TO BE POSITIVE"});
    if (wallTrapezoidalRows > 0) Put(lines, ++at, "");
    Table(lines, at, "TEMPERATURE LOADING (CHANGES):", temperature, wallTrapezoidalRows);
    wallNodalRows = roofNodalRows = roofElementRows = 0;
  } else if (type == 2) {
    Lines(lines, at, {"CIRCULAR PLATE LOAD DATA:", "Uniform Load [kPa]:" + FormatNumber(L(1, 1), " #####0.0##"),
                      "Self Weight (Mass Density) [kg/m^3]:" + FormatNumber(L(1, 2), " ####0.0##")});
    // An upward point load (negative) is a load too.
    if (std::fabs(L(5, 1)) > 0.00001f) Put(lines, ++at, "Central Point Load [kN]:" + FormatNumber(L(5, 1), " ####0.0##"));
    Lines(lines, at, {"Shrinkage/Swelling Strain in Top Fibres:" + Strain(L(6, 1)),
                      "Shrinkage/Swelling Strain in Bottom Fibres:" + Strain(L(6, 2)),
                      "Temperature Change Above Plate [Celsius]:" + FormatNumber(L(9, 1), " ###0.0#"),
                      "Temperature Change Below Plate [Celsius]:" + FormatNumber(L(9, 2), " ###0.0#")});
    Table(lines, at, "NODAL LOADING:", kPlateNodal, nodalRows);
    Table(lines, at, "TRAPEZOIDAL LOADING:", kPlateElement, trapezoidalRows);
    Lines(lines, at, {"", "**REMARK: - NODAL LINE NUMBERING STARTS AT PLATE CENTRE/INNER EDGE",
                      "          - POSITIVE LOADS ACT DOWNWARDS",
                      "          - POSITIVE MOMENTS TEND TO LIFT UP PLATE CENTRE/INNER EDGE"});
    wallNodalRows = wallTrapezoidalRows = roofNodalRows = roofElementRows = 0;
  } else if (type == 3) {
    static const char* const wallNodal[2] = {
        " Node 'i'   Outward Force Phi  Downward Force Qvi   Clockwise Moment Mi",
        "                  [kN/m]             [kN/m]               [kN*m/m]"};
    static const char* const shellNodal[2] = {
        " Node 'i'   Outward Force Pvi  Downward Force Qhi   Clockwise Moment Mi",
        "                  [kN/m]             [kN/m]               [kN*m/m]"};
    Lines(lines, at, {kTankRule, "BASE PLATE LOAD DATA:", "Uniform Load [kPa]:" + FormatNumber(L(1, 1), " #####0.0##"),
                      "Self Weight (Mass Density) [kg/m^3]:" + FormatNumber(L(1, 2), " ####0.0##"),
                      "HYDROSTATIC LOADING:", "  Liquid Density [kg/m^3]:" + FormatNumber(L(4, 1), " ####0.0##"),
                      "  Depth of Liquid [m]:" + FormatNumber(L(4, 2), " ##0.0##"),
                      "Central Point Load [kN]:" + FormatNumber(L(5, 1), " ####0.0##"),
                      "Shrinkage/Swelling Strain in Top Fibres:" + Strain(L(6, 1)),
                      "Shrinkage/Swelling Strain in Bottom Fibres:" + Strain(L(6, 2)),
                      "Temperature Change Above Plate [Celsius]:" + FormatNumber(L(9, 1), " ##0.0#"),
                      "Temperature Change Below Plate [Celsius]:" + FormatNumber(L(9, 2), " ##0.0#")});
    Table(lines, at, "NODAL LOADING:", kPlateNodal, nodalRows);
    Table(lines, at, "TRAPEZOIDAL LOADING:", kPlateElement, trapezoidalRows);
    Lines(lines, at, {"", "**REMARK: - NODAL LINE NUMBERING STARTS AT PLATE CENTRE",
                      "          - POSITIVE LOADS ACT DOWNWARDS",
                      "          - POSITIVE MOMENTS TEND TO LIFT UP THE PLATE CENTRE"});

    Lines(lines, at, {kTankRule, "WALL LOAD DATA:", "Uniform Load [kPa]:" + FormatNumber(L(2, 1), " #####0.0##"),
                      "Self Weight (Mass Density) [kg/m^3]:" + FormatNumber(L(2, 2), " ####0.0##"),
                      "HYDROSTATIC LOADING:", "  Liquid Density [kg/m^3]:" + FormatNumber(L(4, 1), " ####0.0##"),
                      "  Depth of Liquid [m]:" + FormatNumber(L(4, 2), " ##0.0##"),
                      "SHRINKAGE/SWELLING STRAINS at WALL BOTTOM:", "  Strain in Inner Fibres :" + Strain(L(7, 1)),
                      "  Strain in Outer Fibres :" + Strain(L(7, 2)), "SHRINKAGE/SWELLING STRAINS at WALL TOP:",
                      "  Strain in Inner Fibres :" + Strain(L(7, 3)), "  Strain in Outer Fibres :" + Strain(L(7, 4)),
                      "TEMPERATURE CHANGES AT WALL BOTTOM:",
                      "  Inside Tank [Celsius] :" + FormatNumber(L(10, 1), " ##0.0#"),
                      "  Outside Tank [Celsius]:" + FormatNumber(L(10, 2), " ##0.0#"),
                      "TEMPERATURE CHANGES AT WALL TOP:", "  Inside Tank [Celsius] :" + FormatNumber(L(10, 3), " ##0.0#"),
                      "  Outside Tank [Celsius]:" + FormatNumber(L(10, 4), " ##0.0#")});
    Table(lines, at, "NODAL LOADING:", wallNodal, wallNodalRows);
    Table(lines, at, "TRAPEZOIDAL LOADING:", kPlateElement, wallTrapezoidalRows);
    Lines(lines, at, {"", "**REMARK: - NUMBERING OF NODAL LINES STARTS AT THE WALL BOTTOM",
                      "          - POSITIVE LOADS ACT OUTWARDS AND/OR DOWNWARDS",
                      "          - POSITIVE MOMENTS TEND TO CAUSE OUTWARD DISPLACEMENT", "            OF WALL TOP"});

    if (ElementCount(3) > 0) {
      bool shell = ShellRoof();
      Lines(lines, at, {kTankRule, "ROOF LOAD DATA:", "Uniform Load [kPa]:" + FormatNumber(L(3, 1), " ####0.0##"),
                        "Self Weight (Mass Density) [kg/m^3]:" + FormatNumber(L(3, 2), " ####0.0##")});
      if (std::fabs(L(5, 2)) > 0.00001f) Put(lines, ++at, "Central Point Load [kN]:" + FormatNumber(L(5, 2), " ####0.0##"));
      Lines(lines, at, {"Shrinkage/Swelling Strain in Top Fibres:" + Strain(L(8, 1)),
                        "Shrinkage/Swelling Strain in Bottom Fibres:" + Strain(L(8, 2)),
                        "Temperature Change Above Roof [Celsius]:" + FormatNumber(L(12, 1), " ##0.0#"),
                        "Temperature Change Below Roof [Celsius]:" + FormatNumber(L(12, 2), " ##0.0#")});
      Table(lines, at, "NODAL LOADING:", shell ? shellNodal : kPlateNodal, roofNodalRows);
      if (shell) {
        int total = 0;
        for (int k = 1; k <= 5; ++k) total += RoofKindStarts[k] > 0 ? RoofKindStarts[k] : 0;
        roofElementRows = 0;
        if (total > 0) {
          Put(lines, ++at, "LOADS VARYING LINEARLY ACROSS ELEMENT:");
          for (int k = 1; k <= 5; ++k) {
            Table(lines, at, std::string(kKindTitles[k]) + ":", kPlateElement, RoofKindStarts[k]);
            if (roofElementRows == 0) roofElementRows = RoofKindStarts[k];
          }
        } else {
          for (int k = 1; k <= 5; ++k) RoofKindStarts[k] = 0;
        }
      } else {
        Table(lines, at, "TRAPEZOIDAL LOADING:", kPlateElement, roofElementRows);
      }
      Lines(lines, at, {"", "**REMARK: - NODAL LINE NUMBERING STARTS AT ROOF CENTRE/INNER EDGE",
                        shell ? "          - POSITIVE LOADS ACT DOWNWARDS AND/OR OUTWARDS"
                              : "          - POSITIVE LOADS ACT DOWNWARDS",
                        "          - POSITIVE MOMENTS TEND TO LIFT UP ROOF CENTRE/INNER EDGE"});
    } else {
      roofNodalRows = roofElementRows = 0;
    }
  }
  Put(lines, ++at, "");
  Put(lines, ++at, kLoadEnd);
  count = at;
}

void ListLoadRows(TextLineArray& lines, int, const Table2D<float>& table, int rows, int first, int values) {
  for (int r = 1; r <= rows; ++r) {
    std::string line = FormatNumber(table.Get(r, 0), "* ##0");
    if (values == 3) {
      line += FormatNumber(table.Get(r, 1), "* ############0.0000") + FormatNumber(table.Get(r, 2), "* ###########0.0000") +
              FormatNumber(table.Get(r, 3), "* ##############0.0000");
    } else {
      line += FormatNumber(table.Get(r, 1), "* ##############0.0000") +
              FormatNumber(table.Get(r, 2), "* ################0.0000");
    }
    Put(lines, first + r - 1, line);
  }
}

void ReadLoadData(const TextLineArray& lines, int n, int& trapezoidalStart, int& nodalStart,
                  int& wallTrapezoidalStart, int& wallNodalStart, int& roofElementStart, int& roofNodalStart,
                  int type, int roofElements, int& wallTitle, int& roofTitle) {
  trapezoidalStart = nodalStart = wallTrapezoidalStart = wallNodalStart = roofElementStart = roofNodalStart = 0;
  wallTitle = roofTitle = 0;
  for (int k = 0; k <= 5; ++k) RoofKindStarts[k] = 0;
  if (static_cast<size_t>(n) >= lines.size()) n = static_cast<int>(lines.size()) - 1;
  if (n < 1) return;
  std::string value;
  if (type == 1) {
    LoadTable(1, 1) = Number(lines, 3, n, "Uniform Load [kN/m]");
    LoadTable(1, 2) = Number(lines, 3, n, "Self Weight (Mass Density) [kg/m^3]");
    nodalStart = Start(lines, 1, n, "NODAL LOADING");
    trapezoidalStart = Start(lines, 1, n, "TRAPEZOIDAL LOADING");
    wallTrapezoidalStart = Start(lines, 1, n, "TEMPERATURE LOADING (CHANGES)");
  } else if (type == 2) {
    LoadTable(1, 1) = Number(lines, 3, n, "Uniform Load [kPa]");
    LoadTable(1, 2) = Number(lines, 3, n, "Self Weight (Mass Density) [kg/m^3]");
    LoadTable(6, 1) = Number(lines, 3, n, "Shrinkage/Swelling Strain in Top Fibres");
    LoadTable(6, 2) = Number(lines, 3, n, "Shrinkage/Swelling Strain in Bottom Fibres");
    LoadTable(9, 1) = Number(lines, 3, n, "Temperature Change Above Plate [Celsius]");
    LoadTable(9, 2) = Number(lines, 3, n, "Temperature Change Below Plate [Celsius]");
    LoadTable(5, 1) = Number(lines, 3, n, "Central Point Load [kN]");
    nodalStart = Start(lines, 1, n, "NODAL LOADING");
    trapezoidalStart = Start(lines, 1, n, "TRAPEZOIDAL LOADING");
  } else if (type == 3) {
    int w = Find(lines, 3, n, "WALL LOAD DATA", value);
    int r = Find(lines, 3, n, "ROOF LOAD DATA", value);
    wallTitle = w;
    roofTitle = r;
    if (r == 0) r = n;
    bool roof = roofElements > 0;

    LoadTable(1, 1) = Number(lines, 3, w, "Uniform Load [kPa]");
    LoadTable(1, 2) = Number(lines, 3, w, "Self Weight (Mass Density) [kg/m^3]");
    Pair(lines, n, 3, w, "HYDROSTATIC LOADING", 4, 1);
    if (Find(lines, 3, w, "Free Shrinkage Strain in Base Plate", value) > 0) {
      LoadTable(6, 1) = static_cast<float>(ListedValue(value));
      LoadTable(6, 2) = 0;
    } else {
      LoadTable(6, 1) = Number(lines, 3, w, "Shrinkage/Swelling Strain in Top Fibres");
      LoadTable(6, 2) = Number(lines, 3, w, "Shrinkage/Swelling Strain in Bottom Fibres");
    }
    LoadTable(5, 1) = Number(lines, 3, w, "Central Point Load [kN]");

    LoadTable(2, 1) = Number(lines, w, r, "Uniform Load [kPa]");
    LoadTable(2, 2) = Number(lines, w, r, "Self Weight (Mass Density) [kg/m^3]");
    if (Find(lines, w, r, "Free Shrinkage Strain in Wall", value) > 0) {
      LoadTable(7, 1) = static_cast<float>(ListedValue(value));
      LoadTable(7, 2) = LoadTable(7, 3) = LoadTable(7, 4) = 0;
    } else {
      Pair(lines, n, w, r, "SHRINKAGE/SWELLING STRAINS at WALL BOTTOM", 7, 1);
      Pair(lines, n, w, r, "SHRINKAGE/SWELLING STRAINS at WALL TOP", 7, 3);
    }
    LoadTable(9, 1) = Number(lines, 3, w, "Temperature Change Above Plate [Celsius]");
    LoadTable(9, 2) = Number(lines, 3, w, "Temperature Change Below Plate [Celsius]");
    Pair(lines, n, w, r, "TEMPERATURE CHANGES AT WALL BOTTOM", 10, 1);
    Pair(lines, n, w, r, "TEMPERATURE CHANGES AT WALL TOP", 10, 3);
    if (roof) {
      LoadTable(3, 1) = Number(lines, r, n, "Uniform Load [kPa]");
      LoadTable(3, 2) = Number(lines, r, n, "Self Weight (Mass Density) [kg/m^3]");
      if (Find(lines, r, n, "Free Shrinkage Strain in Roof", value) > 0) {
        LoadTable(8, 1) = static_cast<float>(ListedValue(value));
        LoadTable(8, 2) = 0;
      } else {
        LoadTable(8, 1) = Number(lines, r, n, "Shrinkage/Swelling Strain in Top Fibres");
        LoadTable(8, 2) = Number(lines, r, n, "Shrinkage/Swelling Strain in Bottom Fibres");
      }
      LoadTable(12, 1) = Number(lines, r, n, "Temperature Change Above Roof [Celsius]");
      LoadTable(12, 2) = Number(lines, r, n, "Temperature Change Below Roof [Celsius]");
      LoadTable(5, 2) = Number(lines, r, n, "Central Point Load [kN]");
    }
    Pair(lines, n, w, r, "HYDROSTATIC LOADING", 4, 1);

    nodalStart = Start(lines, 1, w, "NODAL LOADING");
    wallNodalStart = Start(lines, w, r, "NODAL LOADING");
    trapezoidalStart = Start(lines, 1, w, "TRAPEZOIDAL LOADING");
    wallTrapezoidalStart = Start(lines, w, r, "TRAPEZOIDAL LOADING");
    if (roof) {
      roofNodalStart = Start(lines, r, n, "NODAL LOADING");
      roofElementStart = Start(lines, r, n, "TRAPEZOIDAL LOADING");
      if (roofElementStart == 0) {
        roofElementStart = Start(lines, r, n, "LOADS VARYING LINEARLY ACROSS ELEMENT");
        for (int k = 1; k <= 5; ++k) RoofKindStarts[k] = Start(lines, r, n, kKindTitles[k]);
      }
    }
  }
}

namespace {

// A load value as the table cells hold it: 8 significant digits, below 0.00001 in magnitude 0,
// then three decimals.
std::string LoadCellText(double value) {
  char buffer[40];
  std::snprintf(buffer, sizeof buffer, "%.8G", value);
  double v = ParseNumber(buffer);
  if (std::fabs(v) < 0.00001) v = 0;
  return LTrim(FormatNumber(v, "###0.000"));
}

}  // namespace

void LinearLoadBetweenNodes() {
  int type = StructureCode(), sub = SubstructureNumber();
  Table2D<float> elements;
  int ok = 0;
  LoadGeometryFile(JobSpec, elements, sub, type, ok);
  if (ok != 1) return;
  int n = ElementCount(sub);
  auto field = [](int i) { return AnswerAt(FieldTexts, i); };
  int i = WholeNumberOf(field(1)), m = WholeNumberOf(field(2));
  double a = ParseNumber(field(3)), b = ParseNumber(field(4));
  if (!(i > 0 && i < n + 1 && i < m && m <= n + 1)) return;
  double length = 0;
  for (int k = i; k <= m - 1; ++k) length += elements.Get(k, 1);
  // Widths that add up to nothing give no slope: the table stays as it is.
  if (!(length > 0)) return;
  double slope = (b - a) / length, s = 0;
  for (int k = i; k <= m - 1; ++k) {
    double w = elements.Get(k, 1);
    CellTexts(2, k) = LoadCellText(a + s * slope);
    CellTexts(3, k) = LoadCellText(a + (s + w) * slope);
    s += w;
  }
}

void SizeLoadTables(int s, int nb, int nw, int nr) {
  NumberRows(NodalLoadTable, nb + 1, 2);
  NumberRows(TrapezoidalLoadTable, nb, 2);
  NumberRows(TemperatureLoadTable, s == 1 ? nb : 0, 2);
  NumberRows(WallNodalLoadTable, s == 3 ? nw + 1 : 0, 3);
  NumberRows(WallTrapezoidalLoadTable, s == 3 ? nw : 0, 2);
  bool roof = s == 3 && nr > 0;
  NumberRows(RoofNodalLoadTable, roof ? nr + 1 : 0, 3);
  for (int k = 3; k <= 7; ++k) NumberRows(RoofLoadTables[k], roof ? nr : 0, k == 6 ? 3 : 2);
}

void ClearLoadWork() {
  LoadTable.Redim(12, 4);
  SizeLoadTables(0, 0, 0, 0);
}

void ReadLoadFile(int s) {
  int nb = ElementCount(1), nw = ElementCount(2), nr = ElementCount(3);
  bool shell = ShellRoof();
  TextLines.assign(2, std::string());
  int n = 0;
  LoadTextLines(LoadFileName(JobSpec, LoadCaseName), TextLines, 10000, n);
  if (n > 2) {
    int trap = 0, nodal = 0, wallTrap = 0, wallNodal = 0, roofElement = 0, roofNodal = 0, w = 0, r = 0;
    ReadLoadData(TextLines, n, trap, nodal, wallTrap, wallNodal, roofElement, roofNodal, s, nr, w, r);
    if (nodal > 0) ReadIndexedRows(TextLines, NodalLoadTable, n, nb + 1, 2, nodal);
    if (trap > 0) ReadIndexedRows(TextLines, TrapezoidalLoadTable, n, nb, 2, trap);
    if (s == 1 && wallTrap > 0) ReadIndexedRows(TextLines, TemperatureLoadTable, n, nb, 2, wallTrap);
    if (s == 3) {
      if (wallNodal > 0) ReadIndexedRows(TextLines, WallNodalLoadTable, n, nw + 1, 3, wallNodal);
      if (wallTrap > 0) ReadIndexedRows(TextLines, WallTrapezoidalLoadTable, n, nw, 2, wallTrap);
      if (nr > 0 && roofNodal > 0) ReadIndexedRows(TextLines, RoofNodalLoadTable, n, nr + 1, shell ? 3 : 2, roofNodal);
      if (nr > 0 && roofElement > 0) {
        if (shell) {
          for (int k = 1; k <= 5; ++k)
            if (RoofKindStarts[k] > 0) ReadIndexedRows(TextLines, RoofLoadTables[k + 2], n, nr, 2, RoofKindStarts[k]);
        } else {
          ReadIndexedRows(TextLines, RoofLoadTables[3], n, nr, 2, roofElement);
        }
      }
    }
  }
  if ((s == 2 && JobDataTable.Get(1, 2) < 0.0001) || s == 3) NodalLoadTable(1, 1) = LoadTable(5, 1);
  if (s == 3 && nr > 0 && JobDataTable.Get(3, 2) < 0.0001) RoofNodalLoadTable(1, 1) = LoadTable(5, 2);
}

// The values of a load file that stand by their labels, in whichever sections hold them.
std::vector<NumberField> LoadNumbers() {
  std::vector<NumberField> numbers;
  for (const char* label :
       {"Uniform Load [kN/m]", "Uniform Load [kPa]", "Self Weight (Mass Density) [kg/m^3]", "Central Point Load [kN]",
        "Liquid Density [kg/m^3]", "Depth of Liquid [m]", "Shrinkage/Swelling Strain in Top Fibres",
        "Shrinkage/Swelling Strain in Bottom Fibres", "Strain in Inner Fibres", "Strain in Outer Fibres",
        "Free Shrinkage Strain in Base Plate", "Free Shrinkage Strain in Wall", "Free Shrinkage Strain in Roof",
        "Temperature Change Above Plate [Celsius]", "Temperature Change Below Plate [Celsius]",
        "Temperature Change Above Roof [Celsius]", "Temperature Change Below Roof [Celsius]", "Inside Tank [Celsius]",
        "Outside Tank [Celsius]"})
    numbers.push_back({label});
  return numbers;
}

DataFileForm LoadFileForm(int s) {
  const int nb = ElementCount(1), nw = ElementCount(2), nr = ElementCount(3);
  if (s == 1)
    return {{"BEAM LOAD DATA", "Uniform Load [kN/m]", "Self Weight (Mass Density) [kg/m^3]"},
            kLoadEnd,
            {{"NODAL LOADING", "tt", 2, nb + 1, -1},
             {"TRAPEZOIDAL LOADING", "tt", 2, nb, -1},
             {"TEMPERATURE LOADING (CHANGES)", "tt", 2, nb, -1}},
            {},
            LoadNumbers()};
  if (s == 2)
    return {{"CIRCULAR PLATE LOAD DATA", "Uniform Load [kPa]"},
            kLoadEnd,
            {{"NODAL LOADING", "tt", 2, nb + 1, -1}, {"TRAPEZOIDAL LOADING", "tt", 2, nb, -1}},
            {},
            LoadNumbers()};
  const std::string wall = "WALL LOAD DATA", roof = "ROOF LOAD DATA";
  DataFileForm form{{"BASE PLATE LOAD DATA", wall},
                    kLoadEnd,
                    {{"NODAL LOADING", "tt", 2, nb + 1, -1, "", wall},
                     {"TRAPEZOIDAL LOADING", "tt", 2, nb, -1, "", wall},
                     {"NODAL LOADING", "tt", 3, nw + 1, -1, wall, roof},
                     {"TRAPEZOIDAL LOADING", "tt", 2, nw, -1, wall, roof}},
                    {},
                    LoadNumbers()};
  if (nr > 0) {
    form.labels.push_back(roof);
    form.tables.push_back({"NODAL LOADING", "tt", ShellRoof() ? 3 : 2, nr + 1, -1, roof, ""});
    form.tables.push_back({"TRAPEZOIDAL LOADING", "tt", 2, nr, -1, roof, ""});
    for (int k = 1; k <= 5; ++k) form.tables.push_back({kKindTitles[k], "tt", 2, nr, -1, roof, ""});
  }
  return form;
}

bool SaveLoadFile(int s) {
  int nb = ElementCount(1), nw = ElementCount(2), nr = ElementCount(3);
  bool shell = ShellRoof();
  if ((s == 2 && JobDataTable.Get(1, 2) < 0.0001) || s == 3) {
    LoadTable(5, 1) = NodalLoadTable(1, 1);
    NodalLoadTable(1, 1) = 0;
  }
  if (s == 3 && nr > 0 && JobDataTable.Get(3, 2) < 0.0001) {
    LoadTable(5, 2) = RoofNodalLoadTable(1, 1);
    RoofNodalLoadTable(1, 1) = 0;
  }
  int nodal = 0, trap = 0, wallNodal = 0, wallTrap = 0, roofNodal = 0, roofElement = 0;
  CompactZeroRows(NodalLoadTable, nb + 1, 2, nodal);
  CompactZeroRows(TrapezoidalLoadTable, nb, 2, trap);
  if (s == 1) CompactZeroRows(TemperatureLoadTable, nb, 2, wallTrap);
  int kinds[6] = {0, 0, 0, 0, 0, 0};
  if (s == 3) {
    CompactZeroRows(WallNodalLoadTable, nw + 1, 3, wallNodal);
    CompactZeroRows(WallTrapezoidalLoadTable, nw, 2, wallTrap);
    if (nr > 0) {
      CompactZeroRows(RoofNodalLoadTable, nr + 1, shell ? 3 : 2, roofNodal);
      if (shell) {
        for (int k = 1; k <= 5; ++k) {
          CompactZeroRows(RoofLoadTables[k + 2], nr, 2, kinds[k]);
          roofElement += kinds[k];
        }
      } else {
        CompactZeroRows(RoofLoadTables[3], nr, 2, roofElement);
      }
    }
  }
  for (int k = 1; k <= 5; ++k) RoofKindStarts[k] = kinds[k];
  int starts[6] = {nodal, trap, wallNodal, wallTrap, roofNodal, roofElement};
  TextLineArray lines(2);
  int count = 0;
  ListLoads(lines, count, starts[0], starts[1], starts[2], starts[3], starts[4], starts[5], s,
            LoadHeader(JobSpec, LoadCaseName));
  auto rows = [&](const Table2D<float>& table, int n, int first, int values) {
    if (first > 0 && n > 0) ListLoadRows(lines, count, table, n, first, values);
  };
  rows(NodalLoadTable, nodal, starts[0], 2);
  rows(TrapezoidalLoadTable, trap, starts[1], 2);
  if (s == 1) rows(TemperatureLoadTable, wallTrap, starts[3], 2);
  if (s == 3) {
    rows(WallNodalLoadTable, wallNodal, starts[2], 3);
    rows(WallTrapezoidalLoadTable, wallTrap, starts[3], 2);
    rows(RoofNodalLoadTable, roofNodal, starts[4], shell ? 3 : 2);
    if (shell) {
      for (int k = 1; k <= 5; ++k) rows(RoofLoadTables[k + 2], kinds[k], RoofKindStarts[k], 2);
    } else {
      rows(RoofLoadTables[3], roofElement, starts[5], 2);
    }
  }
  return SaveJobDataFile(JobResults(), JobSpec, LoadFileName(JobSpec, LoadCaseName), lines, count);
}

}  // namespace corvane
