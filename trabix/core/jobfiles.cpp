#include "trabix/core/jobfiles.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "core/jobdata.h"
#include "core/listing.h"
#include "core/numbers.h"
#include "trabix/core/slots.h"

namespace trabix {

namespace {

std::string Upper(std::string s) {
  for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return s;
}

bool IsYes(const std::string& flag) { return IsYesAnswer(flag); }

std::string& Item(std::vector<std::string>& v, int i) {
  if (v.size() <= static_cast<size_t>(i)) v.resize(i + 1);
  return v[i];
}

double& Value(std::vector<double>& v, int i) {
  if (v.size() <= static_cast<size_t>(i)) v.resize(i + 1);
  return v[i];
}

const std::string& LineAt(const TextLineArray& lines, int n, int i) {
  static const std::string empty;
  return (i >= 1 && i <= n && static_cast<size_t>(i) < lines.size()) ? lines[i] : empty;
}

std::string AfterColon(const std::string& line) {
  size_t c = line.find(':');
  return c == std::string::npos ? std::string() : Trim(line.substr(c + 1));
}

bool OnlyNodeListCharacters(const std::string& s) {
  return s.find_first_not_of(" ,0123456789") == std::string::npos;
}

const char* const kGeometryEnd = "--------------------- END OF GEOMETRY DATA ---------------------";
const char* const kSupportEnd = "------------------------ END OF SUPPORT DATA ------------------------";
const char* const kLoadEnd = "------------------------- END OF LOAD DATA -------------------------";

}  // namespace

int ElementCount() {
  double v = GeometryValues.size() > 2 ? GeometryValues[kElementCountSlot] : 0.0;
  if (!(v > 0)) return 0;
  if (v > kMaxElements) return kMaxElements;
  return static_cast<int>(std::nearbyint(v));
}

bool IsStrip() { return StructureFlags.size() > 1 && Trim(StructureFlags[kStripSlot]) == "Y"; }
bool IsSymmetricHalf() { return StructureFlags.size() > 4 && Trim(StructureFlags[kSymmetricHalfSlot]) == "Y"; }
bool HasSymmetricLoads() { return StructureFlags.size() > 5 && Trim(StructureFlags[kSymmetricLoadsSlot]) == "S"; }

std::string GeometryFileName(const std::string& job) { return job + ".geo"; }
std::string SupportFileName(const std::string& job) { return job + ".SUP"; }
std::string LoadCaseListFileName(const std::string& job) { return job + ".CAS"; }

// ---------------------------------------------------------------------------------------------
// Geometry file

void ListGeometry(TextLineArray& lines, int& count, int& firstRow, std::string header) {
  bool strip = IsStrip(), symmetric = IsSymmetricHalf();
  double elements = std::floor(Value(GeometryValues, 2));
  int n = elements > 0 ? static_cast<int>(std::min<double>(elements, kMaxElements)) : 0;
  PutLine(lines, 1, header);
  PutLine(lines, 2, std::string("DATA:") + (symmetric ? "  SYMMETRIC " : "  ") + (strip ? "STRIP!" : "BEAM!"));
  PutLine(lines, 3, "Length [m]  No of Elements  Young's Modulus [kPa]   Poisson's Ratio");
  PutLine(lines, 4, "    " + NumberToText(Value(GeometryValues, 1)) + "         " + NumberToText(elements) +
                    FormatNumber(Value(GeometryValues, 3), "             #.0000E+##") +
                    FormatNumber(Value(GeometryValues, 4), "            0.000"));
  PutLine(lines, 5, "Coefficient of Thermal Expansion:" + FormatNumber(Value(GeometryValues, 5), "   #.000E+##"));
  PutLine(lines, 6, strip ? "Element 'i' Element Length [m]  Thickness [m]"
                      : "Element 'i'  Element Length [m]   Width [m]      Thickness [m]");
  for (int i = 7; i <= n + 6; ++i) PutLine(lines, i, "");
  PutLine(lines, n + 7, "");
  PutLine(lines, n + 8, kGeometryEnd);
  count = n + 8;
  firstRow = 7;
}

void ListElementTable(TextLineArray& lines, const Table2D<double>& table, int rows, int firstLine, int layout) {
  for (int i = 1; i <= rows; ++i) {
    std::string line = FormatNumber(static_cast<double>(i), "* ##0") +
                       FormatNumber(table.Get(i, 1), "              0.0000  ") +
                       FormatNumber(table.Get(i, 2), "         0.0000  ");
    if (layout == 1) line += FormatNumber(table.Get(i, 3), "         0.0000  ");
    PutLine(lines, firstLine - 1 + i, line);
  }
}

int ReadGeometryHeader(const TextLineArray& lines, int n) {
  // Line 1 holds the job's own name, which may contain any word: the label is looked for below it.
  int at = 0;
  std::string kind;
  FindLabelLine(lines, 2, n, "DATA", at, kind);
  if (at == 0) return 0;
  kind = Upper(kind);
  Item(StructureFlags, 1) = kind.find("STRIP") != std::string::npos ? "Y" : "N";
  Item(StructureFlags, 4) = kind.find("SYMMETRIC") != std::string::npos ? "Y" : "N";
  std::vector<std::string> fields = SplitFields(LineAt(lines, n, at + 2));
  for (int k = 0; k < 4; ++k) Value(GeometryValues, k + 1) = k < static_cast<int>(fields.size()) ? ParseNumber(fields[k]) : 0.0;
  Value(GeometryValues, 5) = ParseNumber(AfterColon(LineAt(lines, n, at + 3)));
  return at;
}

int ReadElementTable(const TextLineArray& lines, int n, int dataLine) {
  int elements = ElementCount();
  ElementTable.Redim(elements, 3);
  for (int e = 1; e <= elements; ++e) ElementTable(e, 0) = e;
  if (dataLine <= 0 || elements == 0) return 0;
  int from = dataLine + 5, to = dataLine + 4 + elements;
  ::ReadElementTable(lines, n, ElementTable, elements, IsStrip() ? 2 : 3, from, to);
  int present = std::min(to, n) - from + 1;
  return present > 0 ? present : 0;
}

// ---------------------------------------------------------------------------------------------
// Support file

void ListSupports(TextLineArray& lines, int& count, int& elasticRows, int& winklerRows, std::string header,
                  std::string unyieldingNodes) {
  int springs = elasticRows, soil = winklerRows;
  elasticRows = winklerRows = 0;
  int i = 0;
  auto add = [&](const std::string& text) { PutLine(lines, ++i, text); };
  add(header);
  add("BEAM/STRIP SUPPORT DATA:");
  add("Left Edge Fixed against Rotation (?):  " + ListedAnswer(Item(SupportFlags, kLeftEdgeFixedSlot)));
  add("Right Edge Fixed against Rotation (?):  " +
      (IsSymmetricHalf() ? std::string("LOAD DEPENDENT!") : ListedAnswer(Item(SupportFlags, kRightEdgeFixedSlot))));
  if (IsYes(Item(SupportFlags, kUnyieldingSlot))) add("UNYIELDING SUPPORTS at Nodes: " + unyieldingNodes);
  if (IsYes(Item(SupportFlags, kElasticSupportsSlot)) && springs > 0) {
    add("ELASTIC SUPPORTS:");
    add("Node 'i'   Vert. Spring Constant   Rotat. Spring Constant");
    add(IsStrip() ? "                  [kN/m/m]              [kN*m/rad/m]"
                  : "                   [kN/m]                [kN*m/rad]");
    elasticRows = i + 1;
    for (int r = 0; r < springs; ++r) add("");
  }
  if (IsYes(Item(SupportFlags, kWinklerSlot)) && soil > 0) {
    add("WINKLER FOUNDATION:");
    add("Element 'i'  Subgrade Mod.    Subgrade Mod.    Yield Stress   Yield Stress");
    add("(Nodes i,j)  at 'i' [kPa/m]   at 'j' [kPa/m]   at 'i' [kPa]   at 'j' [kPa] ");
    winklerRows = i + 1;
    for (int r = 0; r < soil; ++r) add("");
  }
  if (IsYes(Item(SupportFlags, kIsotropicHalfSpaceSlot))) {
    add("ISOTROPIC ELASTIC HALF-SPACE: E =" + FormatNumber(ParseNumber(Item(SupportFlags, kHalfSpaceModulusSlot)), "0.00000E+###") +
        "[kPa];   Nu =" + FormatNumber(ParseNumber(Item(SupportFlags, kHalfSpacePoissonSlot)), "0.0000"));
    add("ISOTROPIC YIELD STRESS: " + FormatNumber(ParseNumber(Item(SupportFlags, kHalfSpaceYieldSlot)), "##0.00") + "[kPa]");
  }
  if (IsYes(Item(SupportFlags, kAnisotropicHalfSpaceSlot))) {
    const char* const modulusMask = " #.00000E+##";
    const char* const ratioMask = " 0.0###";
    add("CROSS-ANISOTROPIC ELASTIC HALF-SPACE:");
    add("Moduli of Elasticity [kPa]:");
    add("  for Vertical Direction,   Ev =" + FormatNumber(ParseNumber(Item(SupportFlags, kHalfSpaceModulusSlot)), modulusMask));
    add("  for Horizontal Direction, Eh =" + FormatNumber(ParseNumber(Item(SupportFlags, kHalfSpacePoissonSlot)), modulusMask));
    add("  Quasi Shear Modulus,      Gv =" + FormatNumber(ParseNumber(Item(SupportFlags, kHalfSpaceYieldSlot)), modulusMask));
    add("Poisson's Ratios for Effect of Horizontal Stress on:");
    add("  Complementary Horizontal Strain, NUh =" + FormatNumber(ParseNumber(Item(SupportFlags, kHorizontalPoissonSlot)), ratioMask));
    add("  Vertical Strain,                 NUv =" + FormatNumber(ParseNumber(Item(SupportFlags, kVerticalPoissonSlot)), ratioMask));
    add("VERTICAL YIELD STRESS: " + FormatNumber(ParseNumber(Item(SupportFlags, kVerticalYieldSlot)), "##0.00") + "[kPa]");
  }
  add("");
  add(kSupportEnd);
  count = i;
}

void ListSupportRows(TextLineArray& lines, int kind, int first, int last, const Table2D<double>& table) {
  if (kind == 3) ListSpringRows(lines, table, first, last);
  else ListWinklerRows(lines, table, first, last);
}

void ReadSupportData(const TextLineArray& lines, int n) {
  SupportFlags.assign(kSupportFlagSlots, std::string());
  for (int i = 1; i <= 7; ++i) SupportFlags[i] = "N";
  UnyieldingNodes.clear();
  int elements = ElementCount();
  SpringTable.Redim(elements + 1, 2);
  SoilTable.Redim(elements, 4);
  for (int r = 1; r <= elements + 1; ++r) SpringTable(r, 0) = r;
  for (int r = 1; r <= elements; ++r) SoilTable(r, 0) = r;

  int at = 0;
  std::string value;
  FindAnswer(lines, n, "Left Edge Fixed against Rotation (?)", at, value);
  SupportFlags[kLeftEdgeFixedSlot] = ListedAnswer(value);
  FindAnswer(lines, n, "Right Edge Fixed against Rotation (?)", at, value);
  SupportFlags[kRightEdgeFixedSlot] = ListedAnswer(value);
  FindLabelLine(lines, 1, n, "UNYIELDING SUPPORTS at Nodes", at, value);
  if (at > 0) {
    SupportFlags[kUnyieldingSlot] = "Y";
    if (OnlyNodeListCharacters(value)) UnyieldingNodes = value;
  }
  FindLabelLine(lines, 1, n, "ELASTIC SUPPORTS", at, value);
  if (at > 0) {
    SupportFlags[kElasticSupportsSlot] = "Y";
    ReadIndexedRows(lines, SpringTable, n, elements + 1, 2, at + 3);
  }
  FindLabelLine(lines, 1, n, "WINKLER FOUNDATION", at, value);
  if (at > 0) {
    SupportFlags[kWinklerSlot] = "Y";
    ReadIndexedRows(lines, SoilTable, n, elements, 4, at + 3);
  }
  FindLabelLine(lines, 1, n, "ISOTROPIC ELASTIC HALF-SPACE", at, value);
  if (at > 0) {
    SupportFlags[kIsotropicHalfSpaceSlot] = "Y";
    size_t eq = value.find('=');
    size_t bracket = eq == std::string::npos ? std::string::npos : value.find('[', eq);
    if (eq != std::string::npos) SupportFlags[kHalfSpaceModulusSlot] = Trim(value.substr(eq + 1, bracket == std::string::npos ? std::string::npos : bracket - eq - 1));
    size_t eq2 = eq == std::string::npos ? std::string::npos : value.find('=', eq + 1);
    if (eq2 != std::string::npos) SupportFlags[kHalfSpacePoissonSlot] = Trim(value.substr(eq2 + 1));
    FindLabelLine(lines, 1, n, "ISOTROPIC YIELD STRESS", at, value);
    if (at > 0) SupportFlags[kHalfSpaceYieldSlot] = Trim(value.substr(0, value.find('[')));
  }
  FindLabelLine(lines, 1, n, "CROSS-ANISOTROPIC ELASTIC HALF-SPACE", at, value);
  if (at > 0) {
    SupportFlags[kAnisotropicHalfSpaceSlot] = "Y";
    // Ev, Eh, Gv, NUh and NUv stand after "=" on the lines that follow, in this order.
    int item = 8;
    for (int i = at + 1; i <= n && i <= at + 8 && item <= 12; ++i) {
      const std::string& line = LineAt(lines, n, i);
      size_t eq = line.find('=');
      if (eq != std::string::npos) SupportFlags[item++] = Trim(line.substr(eq + 1));
    }
    FindLabelLine(lines, 1, n, "VERTICAL YIELD STRESS", at, value);
    if (at > 0) SupportFlags[kVerticalYieldSlot] = Trim(value.substr(0, value.find('[')));
  }
}

std::vector<int> UnyieldingNodeList(const std::string& list, int nodes) { return NodeNumbers(list, nodes, false); }

DataFileForm GeometryFileForm() {
  // Below the kind line: the value heading, the values, the expansion coefficient and the row heading.
  return {{"DATA"}, kGeometryEnd, {{"DATA", "tvtt", IsStrip() ? 2 : 3, 0, ElementCount()}}, {}, {{"Coefficient of Thermal Expansion"}}};
}

DataFileForm SupportFileForm() {
  const int n = ElementCount();
  return {{"BEAM/STRIP SUPPORT DATA", "Left Edge Fixed against Rotation (?)", "Right Edge Fixed against Rotation (?)"},
          kSupportEnd,
          {{"ELASTIC SUPPORTS", "tt", 2, n + 1, -1}, {"WINKLER FOUNDATION", "tt", 4, n, -1}},
          {},
          HalfSpaceNumbers()};
}

DataFileForm LoadFileForm() {
  const int n = ElementCount();
  return {{"LOAD DATA", "Uniform Load [kN/m]", "Self Weight (Mass Density) [kg/m^3]"},
          kLoadEnd,
          {{"NODAL LOADING", "tt", 2, n + 1, -1},
           {"TRAPEZOIDAL LOADING", "tt", 2, n, -1},
           {"TEMPERATURE LOADING (CHANGES)", "tt", 2, n, -1}},
          {},
          {{"Uniform Load [kN/m]"}, {"Self Weight (Mass Density) [kg/m^3]"}}};
}

// ---------------------------------------------------------------------------------------------
// Load file

void ListLoads(TextLineArray& lines, int& count, int& nodalRows, int& trapezoidalRows, int& temperatureRows,
               std::string header) {
  int nodal = nodalRows, trapezoidal = trapezoidalRows, temperature = temperatureRows;
  nodalRows = trapezoidalRows = temperatureRows = 0;
  int i = 0;
  auto add = [&](const std::string& text) { PutLine(lines, ++i, text); };
  auto rows = [&](int k) {
    int first = i + 1;
    for (int r = 0; r < k; ++r) add("");
    return first;
  };
  add(header);
  std::string symmetry;
  if (IsSymmetricHalf()) symmetry = HasSymmetricLoads() ? " SYMMETRIC LOADS " : " ANTISYMMETRIC LOADS ";
  add("LOAD DATA:" + symmetry);
  add("Uniform Load [kN/m]:" + FormatNumber(Value(LoadValues, 1), " #####0.0##"));
  add("Self Weight (Mass Density) [kg/m^3]:" + FormatNumber(Value(LoadValues, 2), " ####0.0##"));
  if (nodal > 0) {
    add("");
    add("NODAL LOADING:");
    add(" Node 'i'      Downward Force Pi      Clockwise Moment Mi");
    add("                     [kN]                   [kN*m]");
    nodalRows = rows(nodal);
    add("**REMARK: - NODE NUMBERING STARTS AT BEAM/STRIP LEFT EDGE");
    add("          - DOWNWARD FORCES ARE CONSIDERED TO BE POSITIVE");
    add("          - CLOCKWISE MOMENTS ARE CONSIDERED TO BE POSITIVE");
  }
  if (trapezoidal > 0) {
    add("");
    add("TRAPEZOIDAL LOADING:");
    add(" Elment 'i'  Intensity at Node 'i'   Intensity at Node 'j'");
    add("(Nodes i,j)         [kN/m]                  [kN/m]");
    trapezoidalRows = rows(trapezoidal);
    add("**REMARK: - ELEMENT NUMBERING STARTS AT BEAM/STRIP LEFT EDGE");
    add("          - DOWNWARD LOADS ARE CONSIDERED TO BE POSITIVE");
  }
  if (temperature > 0) {
    add("");
    add("TEMPERATURE LOADING (CHANGES):");
    add(" Elment 'i'     Above the Element       Below the Element");
    add("(Nodes i,j)        [Celsius]               [Celsius]");
    temperatureRows = rows(temperature);
    add("**REMARK: - ELEMENT NUMBERING STARTS AT BEAM/STRIP LEFT EDGE");
    add("          - TEMPERATURE INCREASE IS CONSIDERED TO BE POSITIVE");
  }
  add("");
  add(kLoadEnd);
  count = i;
}

void ListLoadRows(TextLineArray& lines, int kind, int first, int last, const Table2D<double>& table, int columns) {
  if (kind == 3) {
    ListTableRows(lines, table, first, last, "* ###", {"* ###############.0000", "* #################.0000"});
    return;
  }
  for (int line = first; line <= last; ++line) {
    int r = line - first + 1;
    std::string text = FormatNumber(table.Get(r, 0), "* ###");
    for (int k = 1; k <= columns && k <= 3; ++k)
      text += FormatNumber(table.Get(r, k), k < 3 ? "* ############.0000" : "* ###############.0000");
    PutLine(lines, line, text);
  }
}

void ReadLoadData(const TextLineArray& lines, int n, int& nodalRows, int& trapezoidalRows, int& temperatureRows) {
  nodalRows = trapezoidalRows = temperatureRows = 0;
  LoadValues.assign(3, 0.0);
  int elements = ElementCount();
  NodalLoadTable.Redim(elements + 1, 2);
  LoadTable.Redim(elements, 2);
  TemperatureTable.Redim(elements, 2);
  for (int r = 1; r <= elements + 1; ++r) NodalLoadTable(r, 0) = r;
  for (int r = 1; r <= elements; ++r) LoadTable(r, 0) = TemperatureTable(r, 0) = r;

  int at = 0;
  std::string value;
  FindLabelLine(lines, 1, n, "LOAD DATA", at, value);
  if (at > 0 && IsSymmetricHalf()) {
    if (value == "SYMMETRIC LOADS") Item(StructureFlags, 5) = "S";
    else if (value == "ANTISYMMETRIC LOADS") Item(StructureFlags, 5) = "A";
  }
  FindLabelLine(lines, 1, n, "Uniform Load [kN/m]", at, value);
  LoadValues[kUniformLoadSlot] = ParseNumber(value);
  FindLabelLine(lines, 1, n, "Self Weight (Mass Density) [kg/m^3]", at, value);
  LoadValues[kMassDensitySlot] = ParseNumber(value);
  FindLabelLine(lines, 1, n, "NODAL LOADING", at, value);
  if (at > 0) nodalRows = ReadIndexedRows(lines, NodalLoadTable, n, elements + 1, 2, at + 3);
  FindLabelLine(lines, 1, n, "TRAPEZOIDAL LOADING", at, value);
  if (at > 0) trapezoidalRows = ReadIndexedRows(lines, LoadTable, n, elements, 2, at + 3);
  FindLabelLine(lines, 1, n, "TEMPERATURE LOADING (CHANGES)", at, value);
  if (at > 0) temperatureRows = ReadIndexedRows(lines, TemperatureTable, n, elements, 2, at + 3);
}

}  // namespace trabix
