// The portable part of Palvore's data entry (see dataentry.h).
#include "palvore/core/dataentry.h"

#include <algorithm>
#include <cmath>

#include "core/globals.h"
#include "core/jobdata.h"
#include "core/numbers.h"
#include "core/textfiles.h"
#include "palvore/core/checks.h"
#include "palvore/core/globals.h"
#include "palvore/core/jobfiles.h"
#include "palvore/core/slots.h"

namespace palvore {
namespace {

const char* const kCrLf2 = "\r\n\r\n";

std::string Field(const std::vector<std::string>& fields, size_t i) {
  return i < fields.size() ? Trim(fields[i]) : std::string();
}

// A whole number in a field, or false (not a number, not whole, too large).
bool WholeField(const std::string& text, int& value) {
  int code = 0;
  std::string t = Trim(text);
  IsNumberText(t, NumberCharsSigned, code, 0);
  if (code != 0) return false;
  double v = ParseNumber(t);
  if (!(std::fabs(v) < 1e9) || v != std::floor(v)) return false;
  value = static_cast<int>(v);
  return true;
}

int Columns() { return IsSheetPile() ? 2 : 3; }

// Columns 2 and 3 of elements 1..rows exchanged.
void ExchangeWidthAndInertia(int rows) {
  for (int e = 1; e <= rows; ++e) {
    double w = Geometry.rows(e, 2);
    Geometry.rows(e, 2) = Geometry.rows(e, 3);
    Geometry.rows(e, 3) = w;
  }
}

bool WriteGeometry(const std::string& job) {
  TextLineArray lines;
  int count = 0, first = 0;
  const int n = ElementCount();
  ListGeometry(lines, count, first, GeometryHeader(job), IsSheetPile() ? "Y" : "N", n);
  ListGeometryRows(lines, Geometry.rows, n, first, IsSheetPile() ? 2 : 1);
  return SaveJobDataFile(JobResults(), job, job + ".geo", lines, count);
}

std::string CellText(double value) { return CutCellText(TableCellText(value)); }

}  // namespace

// ---- General geometry dialog ----

std::vector<std::string> GeometryDialogTexts() {
  return {"",
          LTrim(NumberToText(Geometry.length)),
          LTrim(NumberToText(Geometry.elements)),
          LTrim(NumberToText(Geometry.above)),
          LTrim(FormatNumber(Geometry.modulus, "0.0000E+##")),
          LTrim(NumberToText(Geometry.poisson))};
}

std::string GeometryDialogWarning(std::vector<std::string>& texts) {
  struct Item {
    const char* chars;
    int rule;
  };
  const Item items[6] = {{"", 0},
                         {NumberCharsUnsigned, 2},
                         {NumberCharsDigits, 1},
                         {NumberCharsDigits, 3},
                         {NumberCharsUnsigned, 3},
                         {NumberCharsSigned, 3}};
  texts.resize(6);
  for (int i = 1; i <= 5; ++i) {
    int code = 0;
    texts[i] = Trim(texts[i]);
    IsNumberText(texts[i], items[i].chars, code, items[i].rule);
    if (code == 0 && i == 5 && !(ParseNumber(texts[i]) < 0.5)) code = 2;
    // The counts become array sizes: a count beyond what a job file holds is no count.
    if (code == 0 && (i == 2 || i == 3) && ParseNumber(texts[i]) > kMaxElements) code = 2;
    // A count's warning says what the program holds.
    if (code != 0)
      return ItemWarning(i, i == 2   ? CountRange(1, kMaxElements, "elements")
                            : i == 3 ? CountRange(0, kMaxElements - 1, "elements")
                                     : std::string());
  }
  if (!(ParseNumber(texts[3]) < ParseNumber(texts[2])))
    return std::string("INCORRECT DATA of Item 2 or of Item 3 !") + kCrLf2 + "ENTER NEW DATA.";
  return "";
}

bool SaveGeometryDialogData(const std::string& job, const std::vector<std::string>& texts, bool sheetPile) {
  TextLineArray lines;
  int count = 0;
  LoadTextLines(job + ".GEO", lines, 5000, count);
  int oldRows = 0;
  bool oldSheet = sheetPile;
  Table2D<double> old;
  if (count > 0) {
    int first = ReadGeometrySections(lines, count);
    if (first > 0) {
      oldSheet = IsSheetPile();
      ReadElementRows(lines, count, first);
      oldRows = ElementCount();
      old = Geometry.rows;
    }
  }
  Geometry.length = ParseNumber(Field(texts, 1));
  Geometry.elements = ParseNumber(Field(texts, 2));
  Geometry.above = ParseNumber(Field(texts, 3));
  Geometry.modulus = ParseNumber(Field(texts, 4));
  Geometry.poisson = ParseNumber(Field(texts, 5));
  Geometry.sheetPile = sheetPile;
  Geometry.kind = sheetPile ? "SHEET-PILE" : "PILE";
  const int n = ElementCount();
  Geometry.rows.Redim(std::max(n, oldRows), 3);
  for (int e = 1; e <= std::max(n, oldRows); ++e) {
    Geometry.rows(e, 0) = e;
    for (int c = 1; c <= 3 && e <= oldRows; ++c) Geometry.rows(e, c) = old.Get(e, c);
  }
  if (oldSheet != sheetPile) ExchangeWidthAndInertia(oldRows);
  return WriteGeometry(job);
}

// ---- Geometry details table ----

void FillGeometryCells() {
  const int n = ElementCount();
  const double fallback = n > 0 ? Geometry.length / n : 0.0;
  CellTexts.Redim(Columns() + 1, n);
  for (int e = 1; e <= n; ++e) {
    CellTexts(1, e) = NumberToText(e);
    double length = Geometry.rows.Get(e, 1);
    CellTexts(2, e) = CellText(length > 0 ? length : fallback);
    if (IsSheetPile()) {
      CellTexts(3, e) = CutCellText(LTrim(FormatNumber(Geometry.rows.Get(e, 2), "#.0000E+###")));
    } else {
      CellTexts(3, e) = CellText(Geometry.rows.Get(e, 2));
      CellTexts(4, e) = CutCellText(LTrim(FormatNumber(Geometry.rows.Get(e, 3), "#.0000E+###")));
    }
  }
}

void UniformLengthCells() {
  const int n = ElementCount();
  if (n < 1) return;
  const std::string text = CellText(Geometry.length / n);
  for (int e = 1; e <= n; ++e) CellTexts(2, e) = text;
}

std::string GeometryTableProblem() {
  const int n = ElementCount();
  std::string message;
  double sum = 0;
  for (int e = 1; e <= n; ++e) {
    sum += ParseNumber(CellTexts(2, e));
    if (!(ParseNumber(CellTexts(3, e)) > 0)) message = "Incorrect Element Width Data";
  }
  for (int e = 1; e <= n && !IsSheetPile(); ++e)
    if (!(ParseNumber(CellTexts(4, e)) > 0)) message = "Incorrect Element Moment of Inertia Data";
  if (!(std::fabs(Geometry.length - sum) / Geometry.length <= 0.001)) message = "Incorrect Element Length Data";
  return message;
}

std::string GeometryTableWarning(const std::string& problem) {
  return problem + kCrLf2 + "          Correct the Data!";
}

bool SaveGeometryCells(const std::string& job) {
  const int n = ElementCount();
  Geometry.rows.Redim(n, 3);
  for (int e = 1; e <= n; ++e) {
    Geometry.rows(e, 0) = e;
    for (int c = 1; c <= Columns(); ++c) Geometry.rows(e, c) = ParseNumber(Trim(CellTexts(c + 1, e)));
  }
  return WriteGeometry(job);
}

bool SheetPileFromZeroWidth(const std::string& job) {
  if (IsSheetPile()) return false;
  const int n = ElementCount();
  bool zero = false;
  for (int e = 1; e <= n && !zero; ++e) zero = std::fabs(Geometry.rows.Get(e, 2)) <= 0.00001;
  if (!zero) return false;
  Geometry.sheetPile = true;
  Geometry.kind = "SHEET-PILE";
  ExchangeWidthAndInertia(n);
  return WriteGeometry(job);
}

// ---- Generation commands ----

std::string RangeWarning() {
  return std::string("Incorrect Unyielding Support Data!") + kCrLf2 + "        Correct the Data!         ";
}

bool GenerationRows(const std::string& start, const std::string& end, const std::string& step, int offset, int rows,
                    std::vector<int>& out) {
  out.clear();
  int s = 0, e = 0, d = 0;
  if (!WholeField(start, s) || !WholeField(end, e) || !WholeField(step, d)) return false;
  // Rows past the table are skipped below rather than refused (the Winkler rows are offset).
  if (!GenerationRangeValid(s, e, d, e)) return false;
  for (int r = s; r <= e; r += d)
    if (r - offset >= 1 && r - offset <= rows) out.push_back(r - offset);
  return true;
}

bool FillFunctionCells(int offset, const std::vector<std::string>& fields, const std::vector<double>& lengths,
                       int above) {
  const int n = static_cast<int>(lengths.size()) - 1;
  int i = 0, m = 0;
  if (!WholeField(Field(fields, 1), i) || !WholeField(Field(fields, 2), m)) return false;
  if (!(i > 0 && i <= n && m > i && m <= n + 1)) return false;
  const double a = ParseNumber(Field(fields, 3)), b = ParseNumber(Field(fields, 4));
  const double power = ParseNumber(Field(fields, 5));
  if (power < 0) return false;
  int e = i;
  for (const auto& ends : ElementEndValues(lengths, i, m, 0.0, [&](double z) { return PowerFunction(a, b, z, power); })) {
    if (e - above >= 1) {
      CellTexts(offset + 2, e - above) = GeneratedCellText(ends.first);
      CellTexts(offset + 3, e - above) = GeneratedCellText(ends.second);
    }
    ++e;
  }
  return true;
}

std::vector<double> ElementLengths() {
  const int n = ElementCount();
  std::vector<double> lengths(static_cast<size_t>(n) + 1, 0.0);
  for (int e = 1; e <= n; ++e) lengths[e] = Geometry.rows.Get(e, 1);
  return lengths;
}

// ---- Supports ----

std::string SupportTypeWarning(bool unyielding, bool elastic, bool winkler, bool halfSpace) {
  if (unyielding || elastic || winkler || halfSpace) return "";
  return std::string("The STRUCTURE is NOT SUPPORTED!") + kCrLf2 + "CORRECT the SUPPORT Specification!";
}

std::vector<int> UnyieldingMarks(int nodes) {
  std::string list = Trim(Supports.unyieldingNodes);
  size_t first = list.find_first_not_of(" ,"), last = list.find_last_not_of(" ,");
  list = first == std::string::npos ? std::string() : list.substr(first, last - first + 1);
  return NodeMarks(list, nodes);
}

void AcceptUnyieldingMarks(const std::vector<int>& marks) {
  Supports.flags.resize(kSupportFlagSlots);
  Supports.flags[kUnyieldingSlot] = "N";
  const std::string list = JoinMarkedNodes(marks);
  if (list.empty()) return;
  Supports.unyieldingNodes = list;
  Supports.flags[kUnyieldingSlot] = "Y";
}

void FillSupportCells(const std::string& kind) {
  const int n = ElementCount(), above = ElementsAboveSoil();
  if (kind == "ELASTIC") {
    CellTexts.Redim(3, n + 1);
    for (int r = 1; r <= n + 1; ++r) {
      CellTexts(1, r) = NumberToText(r);
      for (int c = 1; c <= 2; ++c) CellTexts(c + 1, r) = CellText(Supports.springs.Get(r, c));
    }
  } else {
    CellTexts.Redim(5, n - above);
    for (int r = 1; r <= n - above; ++r) {
      CellTexts(1, r) = NumberToText(r + above);
      for (int c = 1; c <= 4; ++c) CellTexts(c + 1, r) = CellText(Supports.soil.Get(r + above, c));
    }
  }
}

void StoreSupportCells(const std::string& kind) {
  const int n = ElementCount(), above = ElementsAboveSoil();
  Supports.flags.resize(kSupportFlagSlots);
  bool any = false;
  if (kind == "ELASTIC") {
    Supports.springs.Redim(n + 1, 2);
    for (int r = 1; r <= n + 1; ++r) {
      Supports.springs(r, 0) = r;
      for (int c = 1; c <= 2; ++c) {
        double v = ParseNumber(Trim(CellTexts(c + 1, r)));
        Supports.springs(r, c) = v;
        any = any || v > 0.00001;
      }
    }
    if (!any) Supports.flags[kElasticSupportsSlot] = "N";
  } else {
    Supports.soil.Redim(n, 4);
    for (int e = 1; e <= n; ++e) Supports.soil(e, 0) = e;
    for (int r = 1; r <= n - above; ++r) {
      for (int c = 1; c <= 4; ++c) Supports.soil(r + above, c) = ParseNumber(Trim(CellTexts(c + 1, r)));
      any = any || Supports.soil(r + above, 1) > 0.00001 || Supports.soil(r + above, 2) > 0.00001;
    }
    if (!any) Supports.flags[kWinklerSlot] = "N";
  }
}

int HalfSpaceProblem(std::vector<std::string>& texts) {
  texts.resize(4);
  for (int i = 1; i <= 3; ++i) texts[i] = Trim(texts[i]);
  int code = 0;
  std::string t = texts[1];
  IsNumberText(t, NumberCharsUnsigned, code, 2);
  if (code != 0) return 1;
  t = texts[2];
  IsNumberText(t, NumberCharsSigned, code, 3);
  if (code != 0 || ParseNumber(t) > 0.5) return 2;
  t = texts[3];
  IsNumberText(t, NumberCharsUnsigned, code, 3);
  if (code != 0) return 3;
  return 0;
}

bool SaveSupportFile(const std::string& job) {
  const int n = ElementCount();
  Supports.flags.resize(kSupportFlagSlots);
  int springs = 0, soil = 0;
  CompactZeroRows(Supports.springs, n + 1, 2, springs);
  CompactZeroRows(Supports.soil, n, 4, soil);
  if (springs == 0) Supports.flags[kElasticSupportsSlot] = "N";
  if (soil == 0) Supports.flags[kWinklerSlot] = "N";
  int elasticFirst = springs, winklerFirst = soil, count = 0;
  TextLineArray lines;
  ListSupports(lines, count, elasticFirst, winklerFirst, SupportHeader(job), Supports.unyieldingNodes);
  if (elasticFirst > 0) ListSupportRows(lines, Supports.springs, 3, elasticFirst, elasticFirst + springs - 1);
  if (winklerFirst > 0) ListSupportRows(lines, Supports.soil, 4, winklerFirst, winklerFirst + soil - 1);
  return SaveJobDataFile(JobResults(), job, job + ".SUP", lines, count);
}

}  // namespace palvore
