#include "corvane/core/geometryentry.h"

#include <algorithm>
#include <cmath>

#include "core/fieldcheck.h"
#include "core/jobdata.h"
#include "core/numbers.h"
#include "core/tableentry.h"
#include "corvane/core/geometryfile.h"
#include "corvane/core/loadfile.h"
#include "corvane/core/slots.h"
#include "corvane/core/supportfile.h"
#include "corvane/core/tablecells.h"

namespace corvane {

namespace {

// The five kinds of geometry the dialog enters.
enum Kind { kBeamStrip, kPlate, kBase, kWall, kRoof };

Kind CurrentKind() {
  int type = StructureCode();
  if (type == 1) return kBeamStrip;
  if (type == 2) return kPlate;
  int s = SubstructureNumber();
  return s == 2 ? kWall : s == 3 ? kRoof : kBase;
}

// The item of the modulus; Poisson's ratio and the coefficient follow it.
int ModulusItem() {
  Kind k = CurrentKind();
  return k == kBeamStrip || k == kBase ? 3 : 4;
}

// The listings with every table full must fit their line arrays: the geometry and support files
// 5000 lines, a load file 10000.
bool ElementCountsFit(int type, int s, double n) {
  if (n > kMaxElements) return false;
  Table2D<double> keptData = JobDataTable;
  std::vector<std::string> keptAnswers = GeometryAnswers;
  int keptKinds[6];
  std::copy(RoofKindStarts, RoofKindStarts + 6, keptKinds);
  JobDataTable(s, 1) = n;
  int nb = ElementCount(1), nw = type == 3 ? ElementCount(2) : 0, nr = type == 3 ? ElementCount(3) : 0;
  // The shell roof has the longest listings; every support kind chosen.
  AnswerSlot(GeometryAnswers, kShellRoofSlot) = "Y";
  std::vector<std::string> all(20, "Y");
  TextLineArray lines;
  int count = 0, a = 0, b = 0, c = 0;
  ListGeometry(lines, count, GeometryAnswers, a, b, c, type, GeometryHeader(JobSpec));
  bool fits = count <= 5000;
  int elastic = nb + 1, winkler = nb, restraint = nw + 1, wallWinkler = nw;
  lines.clear();
  ListSupports(all, lines, count, type, elastic, winkler, restraint, wallWinkler, SupportHeader(JobSpec), "");
  fits = fits && count <= 5000;
  int nodal = nb + 1, trapezoidal = nb, wallNodal = type == 3 ? nw + 1 : 0, second = type == 3 ? nw : nb;
  int roofNodal = nr > 0 ? nr + 1 : 0, roofElements = nr;
  for (int k = 1; k <= 5; ++k) RoofKindStarts[k] = nr;
  lines.clear();
  ListLoads(lines, count, nodal, trapezoidal, wallNodal, second, roofNodal, roofElements, type,
            LoadHeader(JobSpec, LoadCaseName));
  fits = fits && count <= 10000;
  JobDataTable = keptData;
  GeometryAnswers = keptAnswers;
  std::copy(keptKinds, keptKinds + 6, RoofKindStarts);
  return fits;
}

// The largest element count of substructure s whose listings fit (they grow with the count).
int LargestElementCount(int type, int s) {
  int fits = 0, fails = kMaxElements + 1;
  while (fails - fits > 1) {
    const int n = fits + (fails - fits) / 2;
    (ElementCountsFit(type, s, n) ? fits : fails) = n;
  }
  return fits;
}

// The count's warning says what the program holds: 1 (0 for a roof) to what the listings take.
std::string CountWarning() {
  return ItemWarning(1, CountRange(CurrentKind() == kRoof ? 0 : 1,
                                   LargestElementCount(StructureCode(), GeometrySubstructure()), "elements"));
}

void ExchangeColumns(Table2D<float>& table, int rows) {
  for (int r = 1; r <= rows; ++r) std::swap(table(r, 2), table(r, 3));
}

// One "Y" and the other "N": a choice that really changed.
bool Changed(const std::string& now, const std::string& before) {
  return (now == "Y" && before == "N") || (now == "N" && before == "Y");
}

}  // namespace

int GeometrySubstructure() { return StructureCode() == 3 ? SubstructureNumber() : 1; }

int GeometryItemCount() {
  Kind k = CurrentKind();
  return k == kBeamStrip || k == kBase ? 5 : 6;
}

std::string GeometryItemLabel(int item) {
  Kind k = CurrentKind();
  int m = ModulusItem();
  if (item == 1) return "Number of Elements ";
  if (item == m) return "Modulus of Elasticity ";
  if (item == m + 1) return k == kBeamStrip ? "Poisson's Ratio (irrelevant to Beams) " : "Poisson's Ratio ";
  if (item == m + 2) return "Coefficient of Thermal Expansion ";
  static const char* const second[] = {"Beam Length or Strip Width ", "Plate Inner Radius ", "Plate Radius ",
                                       "Radius of Wall Cylinder ", "Roof Inner (Horizontal) Radius "};
  static const char* const third[] = {"", "Plate Outer Radius ", "", "Wall Height ", "Roof Outer (Horizontal) Radius "};
  if (item == 2) return second[k];
  if (item == 3) return third[k];
  return std::string();
}

std::string GeometryItemUnit(int item) {
  int m = ModulusItem();
  if (item == 2 || (item == 3 && m == 4)) return " m";
  if (item == m) return " kPa";
  if (item == m + 2) return " 1/Degree (Celsius)";
  return std::string();
}

std::string GeometryFieldText(int item) {
  double v = JobDataTable.Get(GeometrySubstructure(), item);
  bool plate = CurrentKind() == kPlate;
  int m = ModulusItem();
  if (item == m) return FormatNumber(v, plate ? "#.0000E+##" : "0.0000E+##");
  if (item == m + 2) return FormatNumber(v, plate ? "#.000E+##" : "0.000E+##");
  return LTrim(NumberToText(v));
}

void GeometryItemRule(int item, std::string& allowed, int& kind) {
  Kind k = CurrentKind();
  bool first = k == kBeamStrip || k == kBase;  // the modulus is item 3
  switch (item) {
    case 1:
      allowed = NumberCharsDigits;
      kind = 1;
      return;
    case 2:
      allowed = NumberCharsUnsigned;
      kind = k == kPlate || k == kRoof ? 3 : 2;
      return;
    case 3:
      allowed = NumberCharsUnsigned;
      kind = first ? 3 : 2;
      return;
    case 4:
      allowed = first ? NumberCharsSigned : NumberCharsUnsigned;
      kind = first ? 4 : 3;
      return;
    case 5:
      allowed = NumberCharsSigned;
      kind = first ? 5 : 4;
      return;
    default:
      allowed = NumberCharsSigned;
      kind = 5;
      return;
  }
}

std::string GeometryItemsProblem(std::vector<std::string>& texts) {
  int n = GeometryItemCount();
  if (static_cast<int>(texts.size()) <= n) texts.resize(static_cast<size_t>(n) + 1);
  Kind k = CurrentKind();
  if (k == kRoof && ParseNumber(texts[1]) == 0) {
    texts[1] = "0";
  } else {
    for (int i = 1; i <= n; ++i) {
      std::string allowed;
      int kind = 0, code = 0;
      GeometryItemRule(i, allowed, kind);
      NormaliseNumberText(texts[static_cast<size_t>(i)], allowed, code, kind);
      if (code > 1) return i == 1 ? CountWarning() : ItemWarning(i);
    }
    if (!ElementCountsFit(StructureCode(), GeometrySubstructure(), ParseNumber(texts[1]))) return CountWarning();
  }
  if ((k == kPlate || k == kRoof) && ParseNumber(texts[2]) > ParseNumber(texts[3]))
    return "INCORRECT DATA of Item 2 or of Item 3 !\r\n\r\nENTER NEW DATA.";
  return std::string();
}

void RebuildGeometryLines(const TextLineArray& stored, int storedCount, const std::vector<std::string>& texts,
                          const GeometryChoices& choices, TextLineArray& lines, int& count) {
  const int type = StructureCode(), s = GeometrySubstructure();
  int starts[4] = {0, 0, 0, 0}, storedRows[4] = {0, 0, 0, 0};
  bool storedShell = false;
  if (storedCount > 0) {
    JobDataTable.Redim(8, 6);
    ClearFileAnswers();
    ReadGeometrySections(stored, storedCount, type, JobDataTable, GeometryAnswers, starts[1], starts[2], starts[3]);
    for (int k = 1; k <= 3; ++k) storedRows[k] = starts[k] > 0 ? ElementCount(k) : 0;
    storedShell = AnswerAt(GeometryAnswers, kShellRoofSlot) == "Y";
  }

  for (int i = 1; i <= GeometryItemCount(); ++i) JobDataTable(s, i) = ParseNumber(AnswerAt(texts, i));
  const char* inPlane = choices.inPlane ? "Y" : "N";
  switch (CurrentKind()) {
    case kBeamStrip:
      AnswerSlot(GeometryAnswers, kStripSlot) = choices.strip ? "Y" : "N";
      Substructure = choices.strip ? "STRIP" : "BEAM";
      break;
    case kPlate:
      Substructure = "PLATE";
      break;
    case kBase:
      AnswerSlot(GeometryAnswers, kStripSlot) = inPlane;
      break;
    case kWall:
      AnswerSlot(GeometryAnswers, kWallInPlaneSlot) = inPlane;
      break;
    case kRoof:
      AnswerSlot(GeometryAnswers, kRoofInPlaneSlot) = inPlane;
      AnswerSlot(GeometryAnswers, kShellRoofSlot) = choices.shell ? "Y" : "N";
      break;
  }

  for (int k = 1; k <= (type == 3 ? 3 : 1); ++k) {
    int rows = std::max(storedRows[k], ElementCount(k));
    WorkTables[k].Redim(rows, k == 2 ? 2 : 3);
    if (storedRows[k] == 0) continue;
    int columns = type == 1 || (k == 3 && storedShell) ? 3 : 2;
    ReadElementTable(stored, storedCount, WorkTables[k], storedRows[k], columns, starts[k], starts[k] + storedRows[k] - 1);
  }
  // Beam and strip keep their thickness in different columns, so do a shell and a plate roof.
  if (type == 1 && Changed(AnswerAt(GeometryAnswers, kStripSlot), AnswerAt(GeometryAnswers, kStripAnswerAtOpenSlot)))
    ExchangeColumns(WorkTables[1], storedRows[1]);
  if (type == 3 && Changed(AnswerAt(GeometryAnswers, kShellRoofSlot), AnswerAt(GeometryAnswers, kShellRoofAtOpenSlot)))
    ExchangeColumns(WorkTables[3], storedRows[3]);

  BuildGeometryLines(JobSpec, lines, count);
}

int FillGeometryCells() {
  const int type = StructureCode(), s = GeometrySubstructure();
  const int n = ElementCount(s), columns = ElementTableColumns(type, s, GeometryAnswers);
  const bool roof = type == 3 && s == 3, shell = roof && AnswerAt(GeometryAnswers, kShellRoofSlot) == "Y";
  CellTexts.Redim(columns + 1, n);
  for (int r = 1; r <= n; ++r) {
    CellTexts(1, r) = NumberToText(r);
    for (int c = 1; c <= columns; ++c) {
      float v = WorkTables[s].Get(r, c);
      std::string text;
      if (roof) {
        text = FormatNumber(v, shell && c <= 2 ? "0.0000E+#" : "###.####");
      } else {
        text = CutCellText(LTrim(NumberToText(v)));
      }
      CellTexts(c + 1, r) = text;
    }
  }
  return columns;
}

std::string GeometryColumnLabel(int column) {
  static const char* const beam[] = {" Element Length L[m]=", " Element Width B[m]=", " Element Depth h[m]="};
  static const char* const shell[] = {" Element Width x-Comp. x[m]=", " Element Width z-Comp. z[m]=",
                                      " Element Thickness t[m]="};
  static const char* const other[] = {" Element Width B[m]=", " Element Thickness t[m]=", ""};
  if (column < 1 || column > 3) return std::string();
  if (Substructure == "BEAM") return beam[column - 1];
  if (Substructure == "ROOF STRUCTURE" && AnswerAt(GeometryAnswers, kShellRoofSlot) == "Y") return shell[column - 1];
  return other[column - 1];
}

const char* const kGenerationRangeMessage =
    "Incorrect Unyielding Support Data!\r\n\r\n        Correct the Data!         ";

void GenerationFieldRule(const std::string& kindWord, bool shellRoof, std::string& allowed, int& kind) {
  allowed = NumberCharsSigned;
  kind = 7;
  if (kindWord == "GEOMETRY") {
    if (!shellRoof) {
      allowed = NumberCharsUnsigned;
      kind = 2;
    }
  } else if (kindWord == "ELASTIC" || kindWord == "WINKLER") {
    kind = 3;
  }
}

bool GenerationFieldsValid(const std::vector<std::string>& fields, int rows, bool shellRoofGeometry) {
  if (!GenerationRangeValid(WholeNumberOf(AnswerAt(fields, 1)), WholeNumberOf(AnswerAt(fields, 2)),
                            WholeNumberOf(AnswerAt(fields, 3)), rows))
    return false;
  return !(shellRoofGeometry && ParseNumber(AnswerAt(fields, 4)) < 0);
}

void UniformRoofWidthFields(std::vector<std::string>& fields) {
  int nr = ElementCount(3);
  double width = nr > 0 ? (JobDataTable.Get(3, 3) - JobDataTable.Get(3, 2)) / nr : 0;
  if (fields.size() < 5) fields.resize(5);
  fields[1] = "1";
  fields[2] = Trim(NumberToText(nr));
  fields[3] = "1";
  fields[4] = FormatNumber(width, "#.0000E+##");
}

int TankOptionCount(int mode, double nr, double inner, double outer) {
  if (mode == 1) return 3;
  if (mode == 3) return nr > 0 ? 3 : 2;
  return nr > 0 && outer - inner > 0.01 ? 3 : 2;
}

int NextTankOption(int current, int count) {
  if (current == 1) return 2;
  if (current == 2) return count >= 3 ? 3 : 1;
  return 1;
}

std::string TankSubstructureName(int option) {
  return option == 2 ? "WALL" : option == 3 ? "ROOF STRUCTURE" : "BASE PLATE";
}

}  // namespace corvane
