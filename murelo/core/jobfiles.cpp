#include "murelo/core/jobfiles.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "core/jobdata.h"
#include "core/listing.h"
#include "core/numbers.h"
#include "murelo/core/slots.h"

namespace murelo {

const char* const kPlateGeometryMissing = " BASE PLATE GEOMETRY AND MAT. PROPERTIES DATA ARE MISSING!";
const char* const kStemGeometryMissing = " WALL STEM GEOMETRY AND MAT. PROPERTIES DATA ARE MISSING!";

namespace {

GeometryCorrectionHook correctionHook = nullptr;

std::string Dashes(int n) { return std::string(static_cast<size_t>(n), '-'); }


const std::string& LineAt(const TextLineArray& lines, int i) {
  static const std::string empty;
  return (i >= 1 && static_cast<size_t>(i) < lines.size()) ? lines[i] : empty;
}

// The numbers of line i into items first.. of one substructure (0 for fields a line lacks).
void ItemsFromLine(const TextLineArray& lines, int i, int sub, const std::vector<int>& items) {
  std::vector<std::string> fields = SplitFields(LineAt(lines, i));
  for (size_t k = 0; k < items.size(); ++k)
    GeneralData(sub, items[k]) = k < fields.size() ? ParseNumber(fields[k]) : 0.0;
}

int WholeNumber(double v) {
  if (!(v > 0)) return 0;
  if (v > kMaxElements) return kMaxElements + 1;
  return static_cast<int>(std::nearbyint(v));
}

// A node list holds only blanks, commas and digits, and at least one digit.
bool IsNodeList(const std::string& text) {
  bool digit = false;
  for (char c : text) {
    if (c >= '0' && c <= '9')
      digit = true;
    else if (c != ' ' && c != ',')
      return false;
  }
  return digit;
}

// A table's heading lines, then the rows reserved for it; returns the first row line.
int Section(ListingWriter& w, const std::vector<std::string>& heading, int rows) {
  for (const std::string& h : heading) w.Add(h);
  return w.Rows(rows);
}

}  // namespace

std::string GeometryFileName(const std::string& job) { return job + ".geo"; }
std::string SupportFileName(const std::string& job) { return job + ".SUP"; }
std::string LoadCaseListFileName(const std::string& job) { return job + ".COX"; }

bool SupportFlagIsYes(int item) {
  return SupportFlags.size() > static_cast<size_t>(item) && IsYesAnswer(SupportFlags[item]);
}

int ElementCount(int substructure) { return std::min(WholeNumber(GeneralData(substructure, 1)), kMaxElements); }

// ---------------------------------------------------------------------------------------------
// Geometry

GeometryLines ListGeometry(TextLineArray& lines, std::string header) {
  const int n = ElementCount(1), m = ElementCount(2);
  GeometryLines g;
  PutLine(lines, 1, header);
  PutLine(lines, 2, Dashes(55));
  PutLine(lines, 3, "BASE PLATE DATA:");
  PutLine(lines, 4, "No of Elements    Width [m]   Toe Length [m]");
  PutLine(lines, 5,
          JoinFields({FormatNumber(static_cast<double>(n), "* ######"),
                      FormatNumber(GeneralData(1, 2), "* ##########.0000"),
                      FormatNumber(GeneralData(1, 5), "* ########.0000")}));
  PutLine(lines, 6, "Young's Modulus [kPa]  Poisson's Ratio");
  PutLine(lines, 7,
          JoinFields({FormatNumber(GeneralData(1, 3), "      #.0000E+##"),
                      FormatNumber(GeneralData(1, 4), "          #.000")}));
  PutLine(lines, 8, "Element 'i'  Element Width [m]  Element Thickness [m]");
  g.plateRows = 9;
  for (int i = 9; i <= 8 + n; ++i) PutLine(lines, i, "");
  PutLine(lines, 9 + n, Dashes(68));
  PutLine(lines, 10 + n, "WALL STEM DATA:");
  PutLine(lines, 11 + n, "No of Elements   Height [m] ");
  PutLine(lines, 12 + n,
          JoinFields({FormatNumber(static_cast<double>(m), "* ######"),
                      FormatNumber(GeneralData(2, 2), "* ##########.0000")}));
  PutLine(lines, 13 + n, "Young's Modulus [kPa]  Poisson's Ratio");
  PutLine(lines, 14 + n,
          JoinFields({FormatNumber(GeneralData(2, 3), "     #.0000E+##"),
                      FormatNumber(GeneralData(2, 4), "             0.000")}));
  PutLine(lines, 15 + n, "Element 'i'  Element Width [m]  Element Thickness [m]");
  g.stemRows = 16 + n;
  for (int i = 16 + n; i <= 15 + n + m; ++i) PutLine(lines, i, "");
  PutLine(lines, 16 + n + m, "");
  PutLine(lines, 17 + n + m, "----------------------- END OF GEOMETRY DATA -----------------------");
  g.last = 17 + n + m;
  return g;
}

void ListGeometryRows(TextLineArray& lines, const Table2D<double>& table, int n, int firstLine) {
  for (int i = 1; i <= n; ++i)
    PutLine(lines, firstLine + i - 1,
            JoinFields({FormatNumber(static_cast<double>(i), "* #####"),
                        FormatNumber(table.Get(i, 1), "* ############.######"),
                        FormatNumber(table.Get(i, 2), "* ############.######")}));
}

void ReadGeometrySections(const TextLineArray& lines, int count, int& plateRows, int& stemRows) {
  GeneralData.Redim(2, 5);
  plateRows = stemRows = 0;
  int at = 0;
  std::string value;
  FindLabelLine(lines, 1, count, "BASE PLATE DATA", at, value);
  if (at > 0) {
    ItemsFromLine(lines, at + 2, 1, {1, 2, 5});
    ItemsFromLine(lines, at + 4, 1, {3, 4});
    plateRows = at + 6;
  }
  FindLabelLine(lines, 1, count, "WALL STEM DATA", at, value);
  if (at > 0) {
    ItemsFromLine(lines, at + 2, 2, {1, 2});
    ItemsFromLine(lines, at + 4, 2, {3, 4});
    stemRows = at + 6;
  }
}

void SetGeometryCorrectionHook(GeometryCorrectionHook hook) { correctionHook = hook; }

bool LoadGeometryFile(const std::string& job, Table2D<double>& table, int substructure) {
  for (;;) {
    TextLines.assign(5001, std::string());
    int count = 0;
    LoadTextLines(GeometryFileName(job), TextLines, 5000, count);
    int plateRows = 0, stemRows = 0;
    ReadGeometrySections(TextLines, count, plateRows, stemRows);
    for (int s = 1; s <= 2; ++s) GeneralData(s, 1) = WholeNumber(GeneralData(s, 1));
    const char* message = nullptr;
    if (count == 0 || GeneralData(1, 1) < 2)
      message = kPlateGeometryMissing;
    else if (GeneralData(2, 1) < 2)
      message = kStemGeometryMissing;
    if (!message) {
      int n = ElementCount(substructure);
      int first = substructure == 1 ? plateRows : stemRows;
      table.Redim(n, 4);
      ReadElementTable(TextLines, count, table, n, 2, first, first + n - 1);
      return true;
    }
    if (!correctionHook || !correctionHook(message)) return false;
  }
}

// ---------------------------------------------------------------------------------------------
// Supports

void ListSupports(TextLineArray& lines, std::string header, std::string nodeList, SupportRowLines& rows) {
  ListingWriter w(lines);
  w.Add(header);
  w.Add(Dashes(61));
  w.Add("BASE PLATE SUPPORT DATA:");
  w.Add("Toe Horizontally Restrained (?):  " + ListedAnswer(SupportFlags[kToeRestrainedSlot]));
  if (SupportFlagIsYes(kUnyieldingSlot) && !Trim(UnyieldingNodes).empty()) w.Add("UNYIELDING SUPPORTS at Nodes: " + nodeList);
  const std::string springUnits = "                  [kN/m/m]              [kN*m/rad/m]";
  rows.elastic =
      SupportFlagIsYes(kElasticSupportsSlot)
          ? Section(w, {"ELASTIC SUPPORTS:", "Node 'i'   Vert. Spring Constant   Rotat. Spring Constant", springUnits},
                    rows.elastic)
          : 0;
  rows.winkler =
      SupportFlagIsYes(kWinklerSlot)
          ? Section(w,
                    {"WINKLER SOIL:", "Element 'i'  Subgrade Mod.    Subgrade Mod.    Yield Stress   Yield Stress",
                     "(Nodes i,j)  at 'i' [kPa/m]   at 'j' [kPa/m]   at 'i' [kPa]   at 'j' [kPa] "},
                    rows.winkler)
          : 0;
  if (SupportFlagIsYes(kHalfSpaceSlot)) {
    w.Add("ISOTROPIC ELASTIC HALF-SPACE: E=" + FormatNumber(ParseNumber(SupportFlags[kHalfSpaceModulusSlot]), " #.00000E+##") +
          "[kPa];   Nu=" + FormatNumber(ParseNumber(SupportFlags[kHalfSpacePoissonSlot]), "0.0000"));
    w.Add("ISOTROPIC YIELD STRESS: " + FormatNumber(ParseNumber(SupportFlags[kHalfSpaceYieldSlot]), "##0.00") + "[kPa]");
  }
  w.Add(Dashes(61));
  w.Add("WALL STEM RESTRAINT DATA:");
  rows.restraints =
      SupportFlagIsYes(kStemRestraintsSlot) ? Section(w,
                             {"ELASTIC NODAL RESTRAINTS:", "Node 'i'    Horiz. Spring Constant  Rotat. Spring Constant",
                              springUnits},
                             rows.restraints)
                   : 0;
  w.Add("");
  w.Add("");
  w.Add("------------------------ END OF SUPPORT DATA ------------------------");
  rows.last = w.Count();
}

void ListSupportRows(TextLineArray& lines, const Table2D<double>& table, int columns, int first, int last) {
  if (columns == 4)
    ListWinklerRows(lines, table, first, last);
  else
    ListSpringRows(lines, table, first, last);
}

SupportTableLines ReadSupportData(const TextLineArray& lines, int count) {
  SupportTableLines t;
  if (SupportFlags.size() < kSupportFlagSlots) SupportFlags.resize(kSupportFlagSlots);
  for (int item : {7, 8, 10}) SupportFlags[item].clear();
  int at = 0;
  std::string value;
  FindLabelLine(lines, 1, count, "UNYIELDING SUPPORTS at Nodes", at, value);
  if (at > 0 && IsNodeList(value)) {
    SupportFlags[kUnyieldingSlot] = "Y";
    UnyieldingNodes = value;
  } else {
    SupportFlags[kUnyieldingSlot] = "N";
    UnyieldingNodes.clear();
  }
  FindAnswer(lines, count, "Toe Horizontally Restrained (?)", at, value);
  SupportFlags[kToeRestrainedSlot] = value;
  const char* labels[] = {"ELASTIC SUPPORTS", "WINKLER SOIL", "ELASTIC NODAL RESTRAINTS"};
  const int items[] = {2, 3, 5};
  int* firsts[] = {&t.elastic, &t.winkler, &t.restraints};
  for (int k = 0; k < 3; ++k) {
    FindLabelLine(lines, 1, count, labels[k], at, value);
    SupportFlags[items[k]] = at > 0 ? "Y" : "N";
    *firsts[k] = at > 0 ? at + 3 : 0;
  }
  FindLabelLine(lines, 1, count, "ISOTROPIC ELASTIC HALF-SPACE", at, value);
  SupportFlags[kHalfSpaceSlot] = at > 0 ? "Y" : "N";
  if (at > 0) {
    std::string modulusPart, poissonPart;
    SplitAtDelimiter(value, ";", modulusPart, poissonPart);
    size_t eq = poissonPart.find('=');
    SupportFlags[kHalfSpacePoissonSlot] = eq == std::string::npos ? std::string() : Trim(poissonPart.substr(eq + 1));
    size_t e1 = modulusPart.find('='), e2 = modulusPart.find('[');
    SupportFlags[kHalfSpaceModulusSlot] = e1 == std::string::npos
                          ? std::string()
                          : Trim(modulusPart.substr(e1 + 1, e2 == std::string::npos ? std::string::npos : e2 - e1 - 1));
  }
  FindLabelLine(lines, 1, count, "ISOTROPIC YIELD STRESS", at, value);
  if (at > 0) SupportFlags[kHalfSpaceYieldSlot] = Trim(value.substr(0, value.find('[')));
  return t;
}

void ReadSupportTables(const TextLineArray& lines, int count, int plateElements, int stemElements) {
  ElasticSupportTable.Redim(plateElements + 1, 2);
  WinklerTable.Redim(plateElements, 4);
  StemRestraintTable.Redim(stemElements + 1, 2);
  if (count <= 2) {
    // No support file: no supports, whatever the last job had.
    SupportFlags.assign(kSupportFlagSlots, "N");
    for (int item : {7, 8, 10}) SupportFlags[item].clear();
    UnyieldingNodes.clear();
    return;
  }
  SupportTableLines t = ReadSupportData(lines, count);
  ReadIndexedRows(lines, ElasticSupportTable, count, plateElements + 1, 2, t.elastic);
  ReadIndexedRows(lines, WinklerTable, count, plateElements, 4, t.winkler);
  ReadIndexedRows(lines, StemRestraintTable, count, stemElements + 1, 2, t.restraints);
}

bool LoadSupportFile(int& plateElements, int& stemElements) {
  plateElements = stemElements = 0;
  if (!LoadGeometryFile(JobSpec, BasePlateElements, 1)) return false;
  plateElements = ElementCount(1);
  stemElements = ElementCount(2);
  for (int i = 1; i <= plateElements; ++i) BasePlateElements(i, 0) = i;
  for (int i = 1; i <= stemElements; ++i) WallStemElements(i, 0) = i;
  TextLines.assign(5001, std::string());
  int count = 0;
  LoadTextLines(SupportFileName(JobSpec), TextLines, 5000, count);
  ReadSupportTables(TextLines, count, plateElements, stemElements);
  return true;
}

DataFileForm GeometryFileForm(int substructure) {
  const char* label = substructure == 1 ? "BASE PLATE DATA" : "WALL STEM DATA";
  // Below the section label: the count heading, the counts, the material heading, the material
  // values and the row heading.
  return {{"BASE PLATE DATA", "WALL STEM DATA"},
          "----------------------- END OF GEOMETRY DATA -----------------------",
          {{label, "tvtvt", 2, 0, ElementCount(substructure)}},
          {}};
}

DataFileForm SupportFileForm() {
  const int n = ElementCount(1), m = ElementCount(2);
  return {{"BASE PLATE SUPPORT DATA", "Toe Horizontally Restrained (?)", "WALL STEM RESTRAINT DATA"},
          "------------------------ END OF SUPPORT DATA ------------------------",
          {{"ELASTIC SUPPORTS", "tt", 2, n + 1, -1},
           {"WINKLER SOIL", "tt", 4, n, -1},
           {"ELASTIC NODAL RESTRAINTS", "tt", 2, m + 1, -1}},
          {},
          HalfSpaceNumbers()};
}

DataFileForm LoadFileForm() {
  const int n = ElementCount(1), m = ElementCount(2);
  const std::string stem = "WALL STEM LOAD DATA";
  return {{"BASE PLATE LOAD DATA", "Uniform Vert. Load [kPa]", stem, "Uniform Horiz. Load [kPa]"},
          "------------------------- END OF LOAD DATA -------------------------",
          {{"TRAPEZOIDAL LOADING", "tt", 2, n, -1, "", stem},
           {"NODAL LOADING", "tt", 2, n + 1, -1, "", stem},
           {"HORIZONTAL", "tt", 2, m, -1, stem, ""},
           {"VERTICAL (on Surface)", "tt", 2, m, -1, stem, ""},
           {"NODAL LOADING", "tt", 3, m + 1, -1, stem, ""}},
          {},
          {{"Uniform Vert. Load [kPa]"}, {"Uniform Horiz. Load [kPa]"}, {"Self Weight (Mass Density) [kg/m^3]"}}};
}

// ---------------------------------------------------------------------------------------------
// Loads

void ListLoads(TextLineArray& lines, std::string header, LoadRowLines& rows) {
  ListingWriter w(lines);
  w.Add(header);
  w.Add(Dashes(62));
  w.Add("BASE PLATE LOAD DATA:");
  w.Add("Uniform Vert. Load [kPa]:" + FormatNumber(LoadTable.Get(1, 1), " ######.00"));
  w.Add("Self Weight (Mass Density) [kg/m^3]:" + FormatNumber(LoadTable.Get(1, 2), " #####.00"));
  const std::vector<std::string> trapezoidHeading = {"Element 'i'  Intensity at Node 'i'  Intensity at Node 'j'",
                                                     "(Nodes i,j)          [kPa]                  [kPa]"};
  auto table = [&w](const std::vector<std::string>& heading, int& count) { count = Section(w, heading, count); };
  if (rows.plateTrapezoidal > 0) {
    table({"TRAPEZOIDAL LOADING:", trapezoidHeading[0], trapezoidHeading[1]}, rows.plateTrapezoidal);
  }
  if (rows.plateNodal > 0) {
    table({"NODAL LOADING:", " Node 'i'      Downward Force Pi     Clockwise Moment Mi",
           "                    [kN/m]                [kN*m/m]"},
          rows.plateNodal);
  }
  w.Add("");
  w.Add("**REMARK: - NODAL LINE NUMBERING STARTS AT BASE PLATE LEFT EDGE (Toe)");
  w.Add("          - POSITIVE LOADS ACT DOWNWARDS");
  w.Add("          - POSITIVE MOMENTS TEND TO LIFT UP THE PLATE LEFT EDGE (Toe)");
  w.Add(Dashes(62));
  w.Add("WALL STEM LOAD DATA:");
  w.Add("Uniform Horiz. Load [kPa]:" + FormatNumber(LoadTable.Get(2, 1), " ######.00"));
  w.Add("Self Weight (Mass Density) [kg/m^3]:" + FormatNumber(LoadTable.Get(2, 2), " ######.00"));
  if (rows.stemHorizontal > 0 || rows.stemVertical > 0) w.Add("TRAPEZOIDAL LOADING:");
  if (rows.stemHorizontal > 0) table({"HORIZONTAL:", trapezoidHeading[0], trapezoidHeading[1]}, rows.stemHorizontal);
  if (rows.stemVertical > 0) {
    table({"VERTICAL (on Surface):", trapezoidHeading[0], trapezoidHeading[1]}, rows.stemVertical);
  }
  if (rows.stemNodal > 0) {
    table({"NODAL LOADING:", " Node 'i'   Outward Force Phi  Downward Force Qvi  Clockwise Moment Mi",
           "                  [kN/m]            [kN/m]              [kN*m/m]"},
          rows.stemNodal);
  }
  w.Add("");
  w.Add("**REMARK: - NUMBERING OF NODAL LINES STARTS AT THE STEM BOTTOM");
  w.Add("          - POSITIVE HORIZONTAL LOADS ACT TO THE LEFT (Heel to Toe Direction)");
  w.Add("          - POSITIVE VERTICAL LOADS ACT DOWNWARDS");
  w.Add("          - CLOCKWISE MOMENTS ARE POSITIVE");
  w.Add("");
  w.Add("------------------------- END OF LOAD DATA -------------------------");
  rows.last = w.Count();
}

void ListLoadRows(TextLineArray& lines, const Table2D<double>& table, int columns, int first, int last) {
  if (columns == 3)
    ListTableRows(lines, table, first, last, "* ####",
                  {"* #############.00 ", "* ############.00 ", "* ################.00 "});
  else
    ListTableRows(lines, table, first, last, "* ####", {"* ###############.00 ", "* #################.00 "});
}

LoadTableLines ReadLoadData(const TextLineArray& lines, int count) {
  LoadTableLines t;
  LoadTable.Redim(2, 2);
  int at = 0;
  std::string value;
  FindLabelLine(lines, 3, count, "WALL STEM LOAD DATA", at, value);
  t.stemSection = at;
  const int plateEnd = at > 0 ? at - 1 : count;
  auto number = [&](int first, int last, const char* label, double& target) {
    int i = 0;
    std::string v;
    FindLabelLine(lines, first, last, label, i, v);
    target = i > 0 ? ParseNumber(v) : 0.0;
  };
  auto rowsBelow = [&](int first, int last, const char* label) {
    int i = 0;
    std::string v;
    FindLabelLine(lines, first, last, label, i, v);
    return i > 0 ? i + 3 : 0;
  };
  number(1, plateEnd, "Uniform Vert. Load [kPa]", LoadTable(1, 1));
  number(1, plateEnd, "Self Weight (Mass Density) [kg/m^3]", LoadTable(1, 2));
  t.plateTrapezoidal = rowsBelow(1, plateEnd, "TRAPEZOIDAL LOADING");
  t.plateNodal = rowsBelow(1, plateEnd, "NODAL LOADING");
  if (at > 0) {
    number(at, count, "Uniform Horiz. Load [kPa]", LoadTable(2, 1));
    number(at, count, "Self Weight (Mass Density) [kg/m^3]", LoadTable(2, 2));
    int trapezoidal = 0;
    FindLabelLine(lines, at, count, "TRAPEZOIDAL LOADING", trapezoidal, value);
    if (trapezoidal > 0) {
      t.stemHorizontal = rowsBelow(trapezoidal, count, "HORIZONTAL");
      t.stemVertical = rowsBelow(trapezoidal, count, "VERTICAL (on Surface)");
    }
    t.stemNodal = rowsBelow(at, count, "NODAL LOADING");
  }
  return t;
}

void ReadLoadTables(const TextLineArray& lines, int count, int plateElements, int stemElements) {
  PlateTrapezoidalLoads.Redim(plateElements, 2);
  PlateNodalLoads.Redim(plateElements + 1, 2);
  StemHorizontalLoads.Redim(stemElements, 2);
  StemVerticalLoads.Redim(stemElements, 2);
  StemNodalLoads.Redim(stemElements + 1, 3);
  if (count <= 2) {
    LoadTable.Redim(2, 2);
    return;
  }
  LoadTableLines t = ReadLoadData(lines, count);
  ReadIndexedRows(lines, PlateTrapezoidalLoads, count, plateElements, 2, t.plateTrapezoidal);
  ReadIndexedRows(lines, PlateNodalLoads, count, plateElements + 1, 2, t.plateNodal);
  ReadIndexedRows(lines, StemHorizontalLoads, count, stemElements, 2, t.stemHorizontal);
  ReadIndexedRows(lines, StemVerticalLoads, count, stemElements, 2, t.stemVertical);
  ReadIndexedRows(lines, StemNodalLoads, count, stemElements + 1, 3, t.stemNodal);
}

// ---------------------------------------------------------------------------------------------
// Save-as

void RenameJobHeaders(const std::string& job) {
  RewriteFirstLine(GeometryFileName(job), GeometryHeader(job));
  RewriteFirstLine(SupportFileName(job), SupportHeader(job));
  TextLineArray names;
  int count = 0;
  LoadTextLines(LoadCaseListFileName(job), names, 50, count);
  for (int i = 1; i <= count; ++i) {
    if (Trim(names[i]).empty()) continue;
    const std::string file = LoadFileName(job, names[i]);
    // The readers take an empty load file as a case without loads.
    if (!RewriteFirstLine(file, LoadHeader(job, names[i]))) SaveTextLines(file, TextLineArray(1), 0);
  }
}

}  // namespace murelo
