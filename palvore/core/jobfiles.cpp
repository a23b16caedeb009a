#include "palvore/core/jobfiles.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "core/jobdata.h"
#include "core/listing.h"
#include "core/loadcases.h"
#include "core/numbers.h"
#include "palvore/core/slots.h"

namespace palvore {

namespace {

std::string& Flag(int item) {
  if (Supports.flags.size() <= static_cast<size_t>(item)) Supports.flags.resize(item + 1);
  return Supports.flags[item];
}

const std::string& LineAt(const TextLineArray& lines, int n, int i) {
  static const std::string empty;
  return (i >= 1 && i <= n && static_cast<size_t>(i) < lines.size()) ? lines[i] : empty;
}

std::string AfterColon(const std::string& line) {
  size_t c = line.find(':');
  return c == std::string::npos ? std::string() : Trim(line.substr(c + 1));
}

// The trimmed text before the first delimiter (all of it without one), and after it ("" without).
std::string Before(const std::string& text, char delimiter) { return Trim(text.substr(0, text.find(delimiter))); }
std::string After(const std::string& text, char delimiter) {
  size_t at = text.find(delimiter);
  return at == std::string::npos ? std::string() : Trim(text.substr(at + 1));
}

int Rounded(double v, int limit) {
  if (!(v > 0)) return 0;
  if (v > limit) return limit;
  return static_cast<int>(std::nearbyint(v));
}

const char* const kGeometryEnd = "--------------------- END OF GEOMETRY DATA ---------------------";
const char* const kSupportEnd = "------------------------ END OF SUPPORT DATA ------------------------";
const char* const kLoadEnd = "------------------------- END OF LOAD DATA -------------------------";

}  // namespace

int ElementCount() { return Rounded(Geometry.elements, kMaxElements); }
int ElementsAboveSoil() { return Rounded(Geometry.above, ElementCount()); }
bool IsSheetPile() { return Geometry.sheetPile; }
bool SupportFlag(int item) {
  return item >= 0 && static_cast<size_t>(item) < Supports.flags.size() && IsYesAnswer(Supports.flags[item]);
}

std::string GeometryFileName(const std::string& job) { return job + ".GEO"; }
std::string SupportFileName(const std::string& job) { return job + ".SUP"; }
std::string LoadCaseListFileName(const std::string& job) { return job + ".COX"; }

// ---------------------------------------------------------------------------------------------
// Geometry file

void ListGeometry(TextLineArray& lines, int& count, int& firstRow, std::string header, const std::string& kindFlag,
                  int elements) {
  const bool sheet = IsYesAnswer(kindFlag);
  const int n = std::clamp(elements, 0, kMaxElements);
  PutLine(lines, 1, header);
  PutLine(lines, 2, std::string("PILE/SHEET-PILE DATA:") + (sheet ? "  Sheet-Pile" : "  Pile"));
  PutLine(lines, 3, "No of Elements  Length [m]  Young's Modulus [kPa]   Poisson's Ratio");
  PutLine(lines, 4, "       " + NumberToText(static_cast<double>(n)) + "         " +
                        NumberToText(Geometry.length) + FormatNumber(Geometry.modulus, "          0.0000E+###") +
                        FormatNumber(Geometry.poisson, "* ###############.000"));
  PutLine(lines, 5, "No of Elements Above Soil Surface: " + FormatNumber(Geometry.above, "###"));
  PutLine(lines, 6, sheet ? "Element 'i'     Length [m]   Inertia Mom.[m^4/m]"
                          : "Element 'i'     Length [m]       Width [m]     Inertia Mom.[m^4]");
  for (int i = 7; i <= n + 6; ++i) PutLine(lines, i, "");
  PutLine(lines, n + 7, "");
  PutLine(lines, n + 8, kGeometryEnd);
  count = n + 8;
  firstRow = 7;
}

void ListGeometryRows(TextLineArray& lines, const Table2D<double>& table, int rows, int firstLine, int kind) {
  for (int i = 1; i <= rows; ++i) {
    std::string line = FormatNumber(static_cast<double>(i), "* ###");
    if (kind == 1) {
      line += FormatNumber(table.Get(i, 1), "* ###########.00000") + FormatNumber(table.Get(i, 2), "* #########.00000") +
              FormatNumber(table.Get(i, 3), "          0.0000E+###");
    } else {
      line += FormatNumber(table.Get(i, 1), "* ############.00000") + FormatNumber(table.Get(i, 2), "        0.00000E+###");
    }
    PutLine(lines, firstLine - 1 + i, line);
  }
}

int ReadGeometrySections(const TextLineArray& lines, int n) {
  // Line 1 holds the job's own name, which may contain any word: the labels are looked for below it.
  int at = 0;
  std::string kind;
  FindLabelLine(lines, 2, n, "PILE/SHEET-PILE DATA", at, kind);
  if (at == 0) {
    FindLabelLine(lines, 2, n, "PILE DATA", at, kind);
    if (at == 0) return 0;
    kind.clear();  // a plain pile's file
  }
  Geometry.sheetPile = kind == "Sheet-Pile";
  Geometry.kind = Geometry.sheetPile ? "Sheet-Pile" : "Pile";
  std::vector<std::string> fields = SplitFields(LineAt(lines, n, at + 2));
  auto field = [&fields](size_t k) { return k < fields.size() ? ParseNumber(fields[k]) : 0.0; };
  Geometry.elements = field(0);
  Geometry.length = field(1);
  Geometry.modulus = field(2);
  Geometry.poisson = field(3);
  Geometry.above = ParseNumber(AfterColon(LineAt(lines, n, at + 3)));
  return at + 5;
}

int ReadElementRows(const TextLineArray& lines, int n, int firstRow) {
  const int elements = ElementCount();
  Geometry.rows.Redim(elements, 3);
  for (int e = 1; e <= elements; ++e) Geometry.rows(e, 0) = e;
  if (firstRow <= 0 || elements == 0) return 0;
  const int last = firstRow + elements - 1;
  ReadElementTable(lines, n, Geometry.rows, elements, IsSheetPile() ? 2 : 3, firstRow, last);
  return std::max(0, std::min(last, n) - firstRow + 1);
}

// ---------------------------------------------------------------------------------------------
// Support file

void ListSupports(TextLineArray& lines, int& count, int& elasticRows, int& winklerRows, std::string header,
                  std::string unyieldingNodes) {
  const int springs = elasticRows, soil = winklerRows;
  elasticRows = winklerRows = 0;
  ListingWriter w(lines);
  auto add = [&w](const std::string& text) { w.Add(text); };
  add(header);
  add("PILE SUPPORT DATA:");
  add("Top Edge Fixed against Rotation (?):  " + ListedAnswer(Flag(kTopEdgeFixedSlot)));
  if (SupportFlag(kUnyieldingSlot)) add("UNYIELDING SUPPORTS at Nodes: " + unyieldingNodes);
  if (SupportFlag(kElasticSupportsSlot)) {
    add("ELASTIC SUPPORTS:");
    add("Node 'i'  Horiz. Spring Constant   Rotat. Spring Constant");
    add("                   [kN/m]                [kN*m/rad]");
    elasticRows = w.Rows(springs);
  }
  if (SupportFlag(kWinklerSlot)) {
    add("WINKLER SOIL:");
    add("Element 'i'  Subgrade Mod.    Subgrade Mod.    Yield Stress   Yield Stress");
    add("(Nodes i,j)  at 'i' [kPa/m]   at 'j' [kPa/m]   at 'i' [kPa]   at 'j' [kPa] ");
    winklerRows = w.Rows(soil);
  }
  if (SupportFlag(kHalfSpaceSlot)) {
    add("ISOTROPIC ELASTIC HALF-SPACE: E =" + FormatNumber(ParseNumber(Flag(kHalfSpaceModulusSlot)), "0.00000E+###") +
        "[kPa];   Nu =" + FormatNumber(ParseNumber(Flag(kHalfSpacePoissonSlot)), "0.0000"));
    add("ISOTROPIC YIELD STRESS: " + FormatNumber(ParseNumber(Flag(kHalfSpaceYieldSlot)), "##0.00") + "[kPa]");
  }
  add("");
  add(kSupportEnd);
  count = w.Count();
}

void ListSupportRows(TextLineArray& lines, const Table2D<double>& table, int kind, int first, int last) {
  if (kind == 4) ListWinklerRows(lines, table, first, last);
  else ListSpringRows(lines, table, first, last);
}

void ReadSupportData(const TextLineArray& lines, int n, int& springsFirst, int& soilFirst) {
  Supports.flags.assign(kSupportFlagSlots, std::string());
  for (int i = 1; i <= 5; ++i) Supports.flags[i] = "N";
  Supports.unyieldingNodes.clear();
  const int elements = ElementCount();
  Supports.springs.Redim(elements + 1, 2);
  Supports.soil.Redim(elements, 4);
  for (int r = 1; r <= elements + 1; ++r) Supports.springs(r, 0) = r;
  for (int r = 1; r <= elements; ++r) Supports.soil(r, 0) = r;
  springsFirst = soilFirst = 0;

  int at = 0;
  std::string value;
  FindLabelLine(lines, 1, n, "UNYIELDING SUPPORTS at Nodes", at, value);
  if (!value.empty() && value.find_first_not_of(" ,0123456789") == std::string::npos) {
    Supports.flags[kUnyieldingSlot] = "Y";
    Supports.unyieldingNodes = value;
  }
  FindAnswer(lines, n, "Top Edge Fixed against Rotation (?)", at, value);
  Supports.flags[kTopEdgeFixedSlot] = value;
  FindLabelLine(lines, 1, n, "ELASTIC SUPPORTS", at, value);
  if (at > 0) {
    Supports.flags[kElasticSupportsSlot] = "Y";
    springsFirst = at + 3;
    ReadIndexedRows(lines, Supports.springs, n, elements + 1, 2, springsFirst);
  }
  FindLabelLine(lines, 1, n, "WINKLER SOIL", at, value);
  if (at > 0) {
    Supports.flags[kWinklerSlot] = "Y";
    soilFirst = at + 3;
    ReadIndexedRows(lines, Supports.soil, n, elements, 4, soilFirst);
  }
  FindLabelLine(lines, 1, n, "ISOTROPIC ELASTIC HALF-SPACE", at, value);
  if (at > 0) {
    Supports.flags[kHalfSpaceSlot] = "Y";
    // "E =<modulus>[kPa];   Nu =<ratio>"
    const std::string modulusPart = Before(value, ';'), ratioPart = After(value, ';');
    Supports.flags[kHalfSpacePoissonSlot] = After(ratioPart, '=');
    Supports.flags[kHalfSpaceModulusSlot] = Before(After(modulusPart, '='), '[');
    FindLabelLine(lines, 1, n, "ISOTROPIC YIELD STRESS", at, value);
    Supports.flags[kHalfSpaceYieldSlot] = Before(value, '[');
  }
}

std::vector<int> UnyieldingNodeList(const std::string& list, int nodes) { return NodeNumbers(list, nodes, true); }

DataFileForm GeometryFileForm(const TextLineArray& lines, int n) {
  int at = 0;
  std::string kind;
  FindLabelLine(lines, 2, n, "PILE/SHEET-PILE DATA", at, kind);
  const std::string label = at > 0 ? "PILE/SHEET-PILE DATA" : "PILE DATA";
  // Below the kind line: the value heading, the values, the elements above soil and the row heading.
  return {{label}, kGeometryEnd, {{label, "tvtt", IsSheetPile() ? 2 : 3, 0, ElementCount()}}, {},
          {{"No of Elements Above Soil Surface", "#", 0, true}}};
}

DataFileForm SupportFileForm() {
  const int n = ElementCount();
  return {{"PILE SUPPORT DATA", "Top Edge Fixed against Rotation (?)"},
          kSupportEnd,
          {{"ELASTIC SUPPORTS", "tt", 2, n + 1, -1}, {"WINKLER SOIL", "tt", 4, n, -1}},
          {},
          HalfSpaceNumbers()};
}

DataFileForm LoadFileForm() {
  const int n = ElementCount();
  return {{"PILE LOAD DATA"}, kLoadEnd, {{"TRAPEZOIDAL LOADING", "tt", 2, n, -1}, {"NODAL LOADING", "tt", 2, n + 1, -1}}, {}};
}

// ---------------------------------------------------------------------------------------------
// Load file

void ListLoads(TextLineArray& lines, int& count, int& nodalRows, int& trapezoidalRows, std::string header) {
  const int nodal = nodalRows, trapezoidal = trapezoidalRows;
  nodalRows = trapezoidalRows = 0;
  const bool sheet = IsSheetPile();
  ListingWriter w(lines);
  auto add = [&w](const std::string& text) { w.Add(text); };
  add(header);
  add("PILE LOAD DATA:");
  if (trapezoidal > 0) {
    add("TRAPEZOIDAL LOADING:");
    add(" Elment 'i'  Intensity at Node 'i'   Intensity at Node 'j'");
    add(sheet ? "(Nodes i,j)        [kN/m^2]                [kN/m^2]" : "(Nodes i,j)         [kN/m]                  [kN/m]");
    trapezoidalRows = w.Rows(trapezoidal);
  }
  if (nodal > 0) {
    add("NODAL LOADING:");
    add(" Node 'i'     Rightward Force Pi      Clockwise Moment Mi");
    add(sheet ? "                    [kN/m]                 [kN*m/m]"
              : "                     [kN]                   [kN*m]");
    nodalRows = w.Rows(nodal);
  }
  add("");
  add("**REMARK: - ELEMENT NUMBERING STARTS AT PILE TOP");
  add("          - POSITIVE LOADS ACT TO THE RIGHT");
  add("          - CLOCKWISE MOMENTS ARE CONSIDERED TO BE POSITIVE");
  add("");
  add(kLoadEnd);
  count = w.Count();
}

void ListLoadRows(TextLineArray& lines, const Table2D<double>& table, int rows, int first, int /*kind*/) {
  if (rows < 1) return;
  ListTableRows(lines, table, first, first + rows - 1, "* ###", {"* ###############.0000", "* #################.0000"});
}

void ReadLoadData(const TextLineArray& lines, int n, int& trapezoidalFirst, int& nodalFirst) {
  const int elements = ElementCount();
  Loads.trapezoidal.Redim(elements, 2);
  Loads.nodal.Redim(elements + 1, 2);
  for (int r = 1; r <= elements; ++r) Loads.trapezoidal(r, 0) = r;
  for (int r = 1; r <= elements + 1; ++r) Loads.nodal(r, 0) = r;
  trapezoidalFirst = nodalFirst = 0;
  int at = 0;
  std::string value;
  FindLabelLine(lines, 1, n, "TRAPEZOIDAL LOADING", at, value);
  if (at > 0) {
    trapezoidalFirst = at + 3;
    ReadIndexedRows(lines, Loads.trapezoidal, n, elements, 2, trapezoidalFirst);
  }
  FindLabelLine(lines, 1, n, "NODAL LOADING", at, value);
  if (at > 0) {
    nodalFirst = at + 3;
    ReadIndexedRows(lines, Loads.nodal, n, elements + 1, 2, nodalFirst);
  }
}

// ---------------------------------------------------------------------------------------------
// Save-as headers and the data text

void RenameJobHeaders(const std::string& job) {
  RewriteFirstLine(GeometryFileName(job), GeometryHeader(job));
  RewriteFirstLine(SupportFileName(job), SupportHeader(job));
  for (const std::string& name : ReadLoadCaseList(LoadCaseListFileName(job), 50))
    RewriteFirstLine(LoadFileName(job, name), LoadHeader(job, name));
}

bool WriteDataText(const std::string& job, const std::string& caseName) {
  TextLineArray out(1), part;
  int total = 0, n = 0;
  LoadTextLines(GeometryFileName(job), part, 5000, n);
  AppendPart(out, total, part, n, 0);
  n = 0;
  LoadTextLines(SupportFileName(job), part, 5000, n);
  AppendPart(out, total, part, n, 3);
  n = 0;
  if (!CaseLetter(caseName).empty()) LoadTextLines(LoadFileName(job, caseName), part, 5000, n);
  if (n > 0) AppendPart(out, total, part, n, 3);
  return SaveTextLines(JobBaseName(job) + "_DATA.TXT", out, total);
}

}  // namespace palvore
