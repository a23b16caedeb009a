// The portable part of Murelo's data entry (see dataentry.h).
#include "murelo/core/dataentry.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "core/globals.h"
#include "core/jobdata.h"
#include "core/numbers.h"
#include "core/textfiles.h"
#include "murelo/core/checks.h"
#include "murelo/core/globals.h"
#include "murelo/core/jobfiles.h"
#include "murelo/core/model.h"
#include "murelo/core/slots.h"

namespace murelo {
namespace {

const char* const kCrLf2 = "\r\n\r\n";

std::string Field(const std::vector<std::string>& fields, size_t i) {
  return i < fields.size() ? Trim(fields[i]) : std::string();
}

// A whole number in a field (not a number, a fraction or a huge value: false).
bool WholeField(const std::string& text, int& value) {
  int code = 0;
  std::string t = Trim(text);
  IsNumberText(t, NumberCharsSigned, code, 0);
  if (code != 0) return false;
  const double v = ParseNumber(t);
  if (!(std::fabs(v) < 1e9)) return false;
  value = static_cast<int>(std::floor(v));
  return true;
}

Table2D<double>& EditedElements() { return PlateEdited() ? BasePlateElements : WallStemElements; }

// A value at 8 significant digits, tiny magnitudes as 0.
double EightDigits(double value) {
  char buffer[40];
  std::snprintf(buffer, sizeof buffer, "%.8G", value);
  double v = ParseNumber(buffer);
  return std::fabs(v) < 0.00001 ? 0.0 : v;
}

bool Finite(double v) { return std::isfinite(v); }

std::string CellText(double value) { return CutCellText(TableCellText(value)); }

void EnsureFlags() {
  if (SupportFlags.size() < kSupportFlagSlots) SupportFlags.resize(kSupportFlagSlots);
}

}  // namespace

std::string EntryCaption() { return "   Retaining Wall ANALYSIS.   JOB: " + JobSpec; }
bool PlateEdited() { return CurrentSubstructure == "BASE PLATE"; }
int EditedSubstructure() { return PlateEdited() ? 1 : 2; }

std::string GeometryItemWarning(int item) {
  const int countItem = PlateEdited() ? 3 : 2;
  return ItemWarning(item, item == countItem ? CountRange(1, kMaxDialogElements, "elements") : std::string());
}

// ---- General geometry dialog ----

std::vector<std::string> GeometryDialogTexts() {
  const int s = EditedSubstructure();
  auto plain = [&](int item) { return LTrim(NumberToText(GeneralData.Get(s, item))); };
  const std::string modulus = LTrim(FormatNumber(GeneralData.Get(s, 3), "#.0000E+##"));
  if (s == 1) return {"", plain(2), plain(5), plain(1), modulus, plain(4)};
  return {"", plain(2), plain(1), modulus, plain(4)};
}

int GeometryDialogItem(std::vector<std::string>& texts) {
  const bool plate = PlateEdited();
  const int n = plate ? 5 : 4;
  // Per field: its characters, and whether it is the count or Poisson's ratio.
  const char* const plateChars[] = {"", NumberCharsUnsigned, NumberCharsUnsigned, NumberCharsDigits,
                                    NumberCharsUnsigned, NumberCharsSigned};
  const char* const stemChars[] = {"", NumberCharsUnsigned, NumberCharsDigits, NumberCharsUnsigned,
                                   NumberCharsSigned};
  const int countItem = plate ? 3 : 2;
  texts.resize(static_cast<size_t>(n) + 1);
  for (int k = 1; k <= n; ++k) {
    int code = 0;
    texts[k] = Trim(texts[k]);
    IsNumberText(texts[k], plate ? plateChars[k] : stemChars[k], code, 0);
    const double v = ParseNumber(texts[k]);
    if (code == 0 && !Finite(v)) code = 2;
    // The toe lies on the plate.
    if (code == 0 && plate && k == 2 && v > ParseNumber(texts[1])) code = 2;
    if (code == 0 && k == n && !(v < 0.5)) code = 2;
    // A count becomes the size of the tables, the file and the solve.
    if (code == 0 && k == countItem && !(v >= 1 && v <= kMaxDialogElements && v == std::floor(v))) code = 2;
    if (code != 0) return k;
  }
  return 0;
}

bool ReadGeometryFile(const std::string& job) {
  TextLineArray lines(5001);
  int count = 0;
  LoadTextLines(GeometryFileName(job), lines, 5000, count);
  if (count == 0) return false;
  int plateRows = 0, stemRows = 0;
  ReadGeometrySections(lines, count, plateRows, stemRows);
  const int n = ElementCount(1), m = ElementCount(2);
  BasePlateElements.Redim(n, 2);
  WallStemElements.Redim(m, 2);
  if (plateRows > 0 && n > 0) ReadElementTable(lines, count, BasePlateElements, n, 2, plateRows, plateRows + n - 1);
  if (stemRows > 0 && m > 0) ReadElementTable(lines, count, WallStemElements, m, 2, stemRows, stemRows + m - 1);
  return true;
}

bool SaveGeometryDialogData(const std::string& job, const std::vector<std::string>& texts) {
  // The element rows of the old file survive a change of the count; new rows start at 0.
  if (!ReadGeometryFile(job)) {
    GeneralData.Redim(2, 5);
    BasePlateElements.Redim(0, 2);
    WallStemElements.Redim(0, 2);
  }
  const int s = EditedSubstructure();
  const int plateItems[] = {0, 2, 5, 1, 3, 4}, stemItems[] = {0, 2, 1, 3, 4};
  for (int k = 1; k <= (s == 1 ? 5 : 4); ++k)
    GeneralData(s, s == 1 ? plateItems[k] : stemItems[k]) = ParseNumber(Field(texts, static_cast<size_t>(k)));
  const int n = ElementCount(1), m = ElementCount(2);
  for (int e = 1; e <= n; ++e) BasePlateElements(e, 0) = e;
  for (int e = 1; e <= m; ++e) WallStemElements(e, 0) = e;
  // The file is built anew from an empty array.
  TextLines.assign(5001, std::string());
  GeometryLines g = ListGeometry(TextLines, "Job: " + job + " // GEOMETRY & MAT. PROPERTIES");
  ListGeometryRows(TextLines, BasePlateElements, n, g.plateRows);
  ListGeometryRows(TextLines, WallStemElements, m, g.stemRows);
  const bool saved = SaveJobDataFile(JobResults(), job, GeometryFileName(job), TextLines, g.last);
  TextLines.assign(5001, std::string());
  return saved;
}

// ---- Geometry details table ----

void FillGeometryCells() {
  const int s = EditedSubstructure(), n = ElementCount(s);
  const Table2D<double>& rows = EditedElements();
  CellTexts.Redim(3, n);
  for (int e = 1; e <= n; ++e) {
    CellTexts(1, e) = LTrim(NumberToText(e));
    CellTexts(2, e) = CellText(rows.Get(e, 1));
    CellTexts(3, e) = CellText(rows.Get(e, 2));
  }
}

void UniformWidthCells() {
  const int s = EditedSubstructure(), n = ElementCount(s);
  if (n < 1) return;
  const std::string text = CellText(GeneralData.Get(s, 2) / n);
  for (int e = 1; e <= n; ++e) CellTexts(2, e) = text;
}

bool GeometryTableRefused(std::string& problem) {
  const int s = EditedSubstructure(), n = ElementCount(s);
  const double total = GeneralData.Get(s, 2);
  problem.clear();
  double sum = 0;
  Table2D<double> widths;
  widths.Redim(n, 1);
  for (int e = 1; e <= n; ++e) {
    const double w = ParseNumber(Trim(CellTexts.Get(2, e)));
    sum += w;
    widths(e, 1) = w;
    const double t = ParseNumber(Trim(CellTexts.Get(3, e)));
    if (!(t > 0) || !Finite(t)) problem = "Incorrect Element Thickness Data";
  }
  if (s == 1) {
    bool found = false;
    FindStemNode(widths, n, total, GeneralData.Get(1, 5), found);
    if (!found) return true;
  }
  // Widths adding up to nothing would divide by 0 in the solve.
  if (!(total > 0 && sum > 0 && Finite(sum) && std::fabs(total - sum) / total <= 0.001))
    problem = "Incorrect Element Width Data";
  return !problem.empty();
}

std::string TableWarning(const std::string& problem) { return problem + kCrLf2 + "          Correct the Data!"; }

bool SaveGeometryCells(const std::string& job) {
  const int s = EditedSubstructure(), n = ElementCount(s);
  Table2D<double>& rows = EditedElements();
  rows.Redim(n, 2);
  for (int e = 1; e <= n; ++e) {
    rows(e, 0) = e;
    rows(e, 1) = ParseNumber(Trim(CellTexts.Get(2, e)));
    rows(e, 2) = ParseNumber(Trim(CellTexts.Get(3, e)));
  }
  TextLineArray lines(5001);
  int count = 0;
  LoadTextLines(GeometryFileName(job), lines, 5000, count);
  int plateRows = 0, stemRows = 0;
  // The header values stay those of the file; only the edited table's rows change.
  Table2D<double> general = GeneralData;
  ReadGeometrySections(lines, count, plateRows, stemRows);
  const int first = s == 1 ? plateRows : stemRows;
  const int fileRows = ElementCount(s);
  GeneralData = general;
  if (first > 0 && fileRows == n) ListGeometryRows(lines, rows, n, first);
  return SaveJobDataFile(JobResults(), job, GeometryFileName(job), lines, count);
}

// ---- Generation commands ----

std::string RangeWarning() { return std::string("Incorrect Unyielding Support Data!") + kCrLf2 + "        Correct the Data!         "; }
std::string LoadDataWarning() { return std::string("Incorrect LOAD Data!") + kCrLf2 + "        Correct the Data!         "; }

bool GenerationRows(const std::string& start, const std::string& end, const std::string& step, int rows,
                    std::vector<int>& out) {
  out.clear();
  int s = 0, e = 0, d = 0;
  if (!WholeField(start, s) || !WholeField(end, e) || !WholeField(step, d)) return false;
  if (!GenerationRangeValid(s, e, d, rows)) return false;
  for (int r = s; r <= e; r += d) out.push_back(r);
  return true;
}

int FillLinearVariation(const std::vector<std::string>& fields) {
  const int n = ElementCount(2);
  const double height = GeneralData.Get(2, 2);
  std::vector<double> widths(static_cast<size_t>(n) + 1, 0.0);
  double sum = 0;
  for (int e = 1; e <= n; ++e) sum += widths[e] = ParseNumber(Trim(CellTexts.Get(2, e)));
  if (!(std::fabs(sum - height) <= 0.0001) || !(sum > 0)) return 1;
  int i = 0, m = 0;
  if (!WholeField(Field(fields, 1), i) || !WholeField(Field(fields, 2), m)) return 2;
  const double ti = ParseNumber(Field(fields, 3)), tm = ParseNumber(Field(fields, 4));
  if (!(ti >= 0.0001) || !(tm >= 0.0001) || !Finite(ti) || !Finite(tm)) return 2;
  if (!(i > 0 && i <= n && m > i && m <= n + 1)) return 2;
  double span = 0;
  for (int e = i; e < m; ++e) span += widths[e];
  // Elements of no width between the nodes: no slope to take.
  if (!(span > 0)) return 1;
  const double slope = (tm - ti) / span;
  double t = ti;
  for (int e = i; e < m; ++e) {
    const double previous = t;
    t = previous + widths[e] * slope;
    const double mean = EightDigits((t + previous) / 2);
    CellTexts(3, e) = mean == 0 ? "0" : LTrim(FormatNumber(mean, "####.0000"));
  }
  return 0;
}

std::vector<double> PlateWidths() {
  const int n = ElementCount(1);
  std::vector<double> widths(static_cast<size_t>(n) + 1, 0.0);
  for (int e = 1; e <= n; ++e) widths[e] = BasePlateElements.Get(e, 1);
  return widths;
}

bool ApplyNodeFunction(int offset, const std::vector<std::string>& fields, const std::vector<double>& widths) {
  const int n = static_cast<int>(widths.size()) - 1;
  int i = 0, m = 0;
  if (!WholeField(Field(fields, 1), i) || !WholeField(Field(fields, 2), m)) return false;
  if (!(i > 0 && i <= n && m > i && m <= n + 1)) return false;
  const double a = ParseNumber(Field(fields, 3)), b = ParseNumber(Field(fields, 4)), p = ParseNumber(Field(fields, 5));
  // x starts at 0 at node i: a negative power of it has no value there.
  if (p < 0 && b != 0) return false;
  auto value = [&](double x) { return b == 0 ? a : PowerFunction(a, b, x, p); };
  const auto ends = ElementEndValues(widths, i, m, 0.0, value);
  for (const auto& end : ends)
    if (!Finite(end.first) || !Finite(end.second)) return false;
  int e = i;
  for (const auto& end : ends) {
    CellTexts(offset + 2, e) = GeneratedCellText(end.first);
    CellTexts(offset + 3, e) = GeneratedCellText(end.second);
    ++e;
  }
  return true;
}

// ---- Supports ----

void MapSupportTypeFlags(SupportStates& states, int direction, bool plate) {
  EnsureFlags();
  auto yes = [](const std::string& f) { return IsYesAnswer(f); };
  if (plate) {
    if (direction == 1) {
      for (int i = 0; i <= 4; ++i) states[i] = yes(SupportFlags[i]) ? 1 : 0;
      if (ParseNumber(Trim(SupportFlags[kHalfSpaceModulusSlot])) == 0) {
        states[4] = 0;
        SupportFlags[kHalfSpaceSlot] = "N";
      }
    } else {
      for (int i = 0; i <= 4; ++i) SupportFlags[i] = states[i] == 1 ? "Y" : "N";
    }
  } else if (direction == 1) {
    states[1] = yes(SupportFlags[kStemRestraintsSlot]) ? 1 : 0;
  } else {
    SupportFlags[kStemRestraintsSlot] = states[1] == 1 ? "Y" : "N";
  }
}

int SupportTypeStatus(const SupportStates& states) {
  int status = states[1] || states[2] || states[3] || states[4] ? 1 : 0;
  if (!states[0] && !states[4]) status = 2;
  return status;
}

std::string SupportTypeWarning(int status) {
  if (status == 1) return "";
  return std::string(status == 0 ? "The STRUCTURE is NOT SUPPORTED!" : "Toe MUST be Horizontally Restrained!") + kCrLf2 +
         "CORRECT the SUPPORT Specification!";
}

int HalfSpaceProblem(std::vector<std::string>& texts) {
  texts.resize(4);
  for (auto& t : texts) t = Trim(t);
  int item = 0, code = 0;
  IsNumberText(texts[1], NumberCharsUnsigned, code, 2);
  if (code != 0 || !Finite(ParseNumber(texts[1]))) item = 1;
  IsNumberText(texts[3], NumberCharsSigned, code, 3);
  if (code != 0 || !Finite(ParseNumber(texts[3]))) item = 3;
  IsNumberText(texts[2], NumberCharsSigned, code, 0);
  const double nu = ParseNumber(texts[2]);
  if (code != 0 || nu > 0.5 || nu < 0) item = 2;
  return item;
}

std::vector<std::string> HalfSpaceTexts() {
  EnsureFlags();
  std::vector<std::string> texts = {"", Trim(SupportFlags[kHalfSpaceModulusSlot]), Trim(SupportFlags[kHalfSpacePoissonSlot]), Trim(SupportFlags[kHalfSpaceYieldSlot])};
  for (int i = 1; i <= 2; ++i)
    if (texts[i].empty()) texts[i] = "0.0";
  if (ParseNumber(texts[3]) == 0) texts[3] = "0.0";
  return texts;
}

std::vector<int> UnyieldingMarks(int nodes) {
  std::string list = UnyieldingNodes;
  const size_t a = list.find_first_not_of(" ,"), b = list.find_last_not_of(" ,");
  list = a == std::string::npos ? std::string() : list.substr(a, b - a + 1);
  std::vector<int> marks(static_cast<size_t>(std::max(0, nodes)) + 1, 0);
  for (int node : NodeNumbers(list, nodes, true)) marks[static_cast<size_t>(node)] = 1;
  return marks;
}

void AcceptUnyieldingMarks(const std::vector<int>& marks) {
  EnsureFlags();
  SupportFlags[kUnyieldingSlot] = "N";
  const std::string list = JoinMarkedNodes(marks);
  if (!list.empty()) {
    UnyieldingNodes = list;
    SupportFlags[kUnyieldingSlot] = "Y";
  }
}

namespace {
Table2D<double>& SpringTable() { return PlateEdited() ? ElasticSupportTable : StemRestraintTable; }
}  // namespace

void FillSupportCells(const std::string& kind) {
  if (kind == "WINKLER") {
    const int n = ElementCount(1);
    CellTexts.Redim(5, n);
    for (int e = 1; e <= n; ++e) {
      CellTexts(1, e) = "   " + LTrim(NumberToText(e));
      for (int c = 1; c <= 4; ++c) CellTexts(c + 1, e) = CellText(WinklerTable.Get(e, c));
    }
    return;
  }
  const int nodes = ElementCount(EditedSubstructure()) + 1;
  const Table2D<double>& table = SpringTable();
  CellTexts.Redim(3, nodes);
  for (int i = 1; i <= nodes; ++i) {
    CellTexts(1, i) = "   " + LTrim(NumberToText(i));
    for (int c = 1; c <= 2; ++c) CellTexts(c + 1, i) = CellText(table.Get(i, c));
  }
}

void StoreSupportCells(const std::string& kind) {
  EnsureFlags();
  bool any = false;
  if (kind == "WINKLER") {
    const int n = ElementCount(1);
    WinklerTable.Redim(n, 4);
    for (int e = 1; e <= n; ++e) {
      WinklerTable(e, 0) = e;
      for (int c = 1; c <= 4; ++c) WinklerTable(e, c) = ParseNumber(Trim(CellTexts.Get(c + 1, e)));
      any = any || WinklerTable(e, 1) > 0.00001 || WinklerTable(e, 2) > 0.00001;
    }
    if (!any) SupportFlags[kWinklerSlot] = "N";
    return;
  }
  const int nodes = ElementCount(EditedSubstructure()) + 1;
  Table2D<double>& table = SpringTable();
  table.Redim(nodes, 2);
  for (int i = 1; i <= nodes; ++i) {
    table(i, 0) = i;
    for (int c = 1; c <= 2; ++c) {
      table(i, c) = ParseNumber(Trim(CellTexts.Get(c + 1, i)));
      any = any || table(i, c) > 0.00001;
    }
  }
  if (!any) SupportFlags[PlateEdited() ? 2 : 5] = "N";
}

bool SaveSupportFile(const std::string& job) {
  EnsureFlags();
  const int n = ElementCount(1), m = ElementCount(2);
  int elastic = 0, winkler = 0, restraints = 0;
  // Row numbers first: a compacted row keeps the node or element it belongs to.
  for (int i = 1; i <= n + 1; ++i)
    if (ElasticSupportTable.Get(i, 0) == 0) ElasticSupportTable(i, 0) = i;
  for (int e = 1; e <= n; ++e)
    if (WinklerTable.Get(e, 0) == 0) WinklerTable(e, 0) = e;
  for (int i = 1; i <= m + 1; ++i)
    if (StemRestraintTable.Get(i, 0) == 0) StemRestraintTable(i, 0) = i;
  CompactZeroRows(ElasticSupportTable, n + 1, 2, elastic);
  CompactZeroRows(WinklerTable, n, 4, winkler);
  CompactZeroRows(StemRestraintTable, m + 1, 2, restraints);
  if (elastic == 0) SupportFlags[kElasticSupportsSlot] = "N";
  if (winkler == 0) SupportFlags[kWinklerSlot] = "N";
  if (restraints == 0) SupportFlags[kStemRestraintsSlot] = "N";
  TextLines.assign(5001, std::string());
  SupportRowLines rows;
  rows.elastic = elastic;
  rows.winkler = winkler;
  rows.restraints = restraints;
  ListSupports(TextLines, "Job: " + job + " // SUPPORTS", UnyieldingNodes, rows);
  if (rows.elastic > 0) ListSupportRows(TextLines, ElasticSupportTable, 2, rows.elastic, rows.elastic + elastic - 1);
  if (rows.winkler > 0) ListSupportRows(TextLines, WinklerTable, 4, rows.winkler, rows.winkler + winkler - 1);
  if (rows.restraints > 0)
    ListSupportRows(TextLines, StemRestraintTable, 2, rows.restraints, rows.restraints + restraints - 1);
  const bool saved = SaveJobDataFile(JobResults(), job, SupportFileName(job), TextLines, rows.last);
  TextLines.assign(5001, std::string());
  return saved;
}

// ---- Structure views ----

ViewChoice StructureViewChoice(const std::string& view, const std::string& substructure, const std::string& kind) {
  const bool plate = substructure == "BASE PLATE";
  if (view == "Geom") {
    if (plate) return {"GEOMETRY IDEALIZATION", "TOP", {"Element ", "i"}};
    return {"GEOMETRY IDEALIZATION", "TOP", {"Element", "i", "t", "s", "Element ", "i"}};
  }
  if (view == "Supp") {
    if (kind == "UNYIELD") return {"UNYIELDING SUPPORTS", "TOP", {"Unyielding Support"}};
    if (kind == "ELASTIC" && plate)
      return {"ELASTIC RESTRAINTS", "TOP", {"Translational Restraint ", "(kv)", "Rotational Restraint ", "(kr)"}};
    if (kind == "ELASTIC")
      return {"ELASTIC RESTRAINTS", "TOP", {"Translational", "Restraint ", "(kh)", "Rotational", "Restraint ", "(kr)"}};
    return {"WINKLER FOUNDATION", "TOP", {"Element ", "i", "Winkler Found.", "(k=linear)"}};
  }
  if (view == "Load") {
    if (!plate) {
      if (kind == "TRAPEZOIDAL") return {"TRAPEZOIDAL HORIZONTAL LOAD", "TOP", {"Element ", "i", "qi", "qj"}};
      if (kind == "NODAL") return {"NODAL LOADS", "TOP", {"Ph", "Qv", "M"}};
      return {"TRAPEZOIDAL VERTICAL LOAD", "TOP", {"Element ", "i", "qi", "qj"}};
    }
    if (kind == "TRAPEZOIDAL") return {"TRAPEZOIDAL LOAD", "BOTTOM", {"Element ", "i", "qi", "qj"}};
    if (kind == "NODAL") return {"NODAL LOADS", "BOTTOM", {"Pv", "M"}};
    return {"", "BOTTOM", {}};
  }
  return {"", "TOP", {}};
}

}  // namespace murelo
