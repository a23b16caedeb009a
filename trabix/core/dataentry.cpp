// The portable part of Trabix's data entry (see dataentry.h).
#include "trabix/core/dataentry.h"

#include <cmath>
#include <cstdlib>

#include "core/fieldcheck.h"
#include "core/jobdata.h"
#include "core/numbers.h"
#include "core/tableentry.h"
#include "core/textfiles.h"
#include "trabix/core/checks.h"
#include "trabix/core/globals.h"
#include "trabix/core/jobfiles.h"
#include "trabix/core/slots.h"

namespace trabix {
namespace {

std::string Field(const std::vector<std::string>& fields, size_t i) {
  return i < fields.size() ? fields[i] : std::string();
}

std::string Flag(int item) {
  return item < static_cast<int>(SupportFlags.size()) ? ListedAnswer(SupportFlags[item]) : std::string();
}

bool StructureYes(int item) {
  return item < static_cast<int>(StructureFlags.size()) && Trim(StructureFlags[item]) == "Y";
}

void EnsureLines() {
  if (TextLines.size() < 5001) TextLines.resize(5001);
}

}  // namespace

bool NodeRangeValid(int start, int end, int nodes, bool winkler, double a, double b, double exponent) {
  if (start < 1 || start > end) return false;
  if (!winkler) return true;
  if (end > nodes) return false;
  if (a < 0 || b < 0) return false;
  return !(exponent < 0 && start == 1);
}


std::vector<double> ElementLengths() {
  int n = ElementCount();
  std::vector<double> lengths(static_cast<size_t>(n) + 1, 0.0);
  for (int e = 1; e <= n; ++e) lengths[e] = ElementTable.Get(e, 1);
  return lengths;
}

void ApplyNodeFunction(int firstColumn, const std::vector<std::string>& fields, const std::vector<double>& lengths) {
  int i = 0, m = 0;
  double span = 0;
  if (!FunctionNodeRange(fields, lengths, i, m, span)) return;
  double a = ParseNumber(Field(fields, 3));
  double b = ParseNumber(Field(fields, 4));
  double power = ParseNumber(Field(fields, 5));
  double depth = 0;  // of node i
  for (int e = 1; e < i; ++e) depth += lengths[e];
  FillElementEndCells(firstColumn + 2, i, m, lengths, depth, [&](double z) { return PowerFunction(a, b, z, power); });
}

void SetSameModulus(const std::string& k, int rows) {
  std::string text = GeneratedCellText(ParseNumber(k));
  for (int c : ColumnsSetTogether(1, true))
    for (int e = 1; e <= rows; ++e) CellTexts(c + 1, e) = text;
}

std::array<int, 5> TableLockFlags(const std::string& kind) {
  std::array<int, 5> flags{0, 0, 0, 0, 0};
  bool nodal = kind == "NODAL";
  if (!nodal && kind != "ELASTIC") return flags;
  int nodes = ElementCount() + 1;
  bool first = false, last = false;
  if (Flag(kUnyieldingSlot) == "Y") {
    for (int node : UnyieldingNodeList(UnyieldingNodes, nodes)) {
      first = first || node == 1;
      last = last || node == nodes;
    }
  }
  bool half = StructureYes(kSymmetricHalfSlot);
  bool symmetricLoads = StructureYes(kSymmetricLoadsSlot) || (StructureFlags.size() > 5 && Trim(StructureFlags[kSymmetricLoadsSlot]) == "S");
  flags[1] = first ? 1 : 0;
  flags[2] = Flag(kLeftEdgeFixedSlot) == "Y" ? 1 : 0;
  flags[3] = last || (nodal && half && !symmetricLoads) ? 1 : 0;
  flags[4] = (!half && Flag(kRightEdgeFixedSlot) == "Y") || (nodal && half && symmetricLoads) ? 1 : 0;
  return flags;
}

bool CellIsLocked(const std::array<int, 5>& flags, int row, int column, int rows) {
  if (row == 1 && ((column == 1 && flags[1]) || (column == 2 && flags[2]))) return true;
  if (row == rows && ((column == 1 && flags[3]) || (column == 2 && flags[4]))) return true;
  return false;
}

int GeometryItemProblem(const std::vector<std::string>& texts, bool strip) {
  struct Rule { int item; const char* chars; int kind; };
  const Rule rules[] = {{1, NumberCharsUnsigned, 2}, {3, NumberCharsUnsigned, 3},
                        {4, NumberCharsSigned, 3}, {5, NumberCharsSigned, 3}};
  for (const Rule& rule : rules) {
    std::string text = Trim(Field(texts, static_cast<size_t>(rule.item)));
    int code = 0;
    IsNumberText(text, rule.chars, code, rule.kind);
    if (code != 0) return rule.item;
    // A strip's plate stiffness divides by 1 - Nu^2.
    if (rule.item == 4 && strip && ParseNumber(text) >= 1) return 4;
    // The number of elements becomes the size of every table: one beyond what a job file holds
    // would be kept as none.
    if (rule.item == 1) {
      std::string count = Trim(Field(texts, 2));
      IsNumberText(count, NumberCharsDigits, code, 0);
      if (code != 0 || ParseNumber(count) > kMaxElements) return 2;
    }
  }
  return 0;
}

std::string GeometryItemWarning(int item) {
  return ItemWarning(item, item == 2 ? CountRange(0, kMaxElements, "elements") : std::string());
}

std::string GeometryTableProblem(int rows, bool strip, double length) {
  for (int r = 1; r <= rows; ++r)
    if (!(ParseNumber(CellTexts.Get(3, r)) > 0)) return "Incorrect Element Width Data";
  if (!strip)
    for (int r = 1; r <= rows; ++r)
      if (!(ParseNumber(CellTexts.Get(4, r)) > 0)) return "Incorrect Element Moment of Inertia Data";
  // Also a table without rows: its lengths add up to 0, never to the structure's length.
  double sum = 0;
  for (int r = 1; r <= rows; ++r) sum += ParseNumber(CellTexts.Get(2, r));
  if (!(length > 0 && std::fabs(length - sum) / length <= 0.001)) return "Incorrect Element Length Data";
  return std::string();
}

int HalfSpaceProblem(const std::string& kind, const std::vector<std::string>& texts) {
  struct Rule { int item; const char* chars; int kind; };
  static const Rule isotropic[] = {{1, NumberCharsUnsigned, 2}, {2, NumberCharsSigned, 0}};
  static const Rule anisotropic[] = {{1, NumberCharsUnsigned, 2}, {2, NumberCharsUnsigned, 2},
                                     {3, NumberCharsUnsigned, 2}, {6, NumberCharsSigned, 3},
                                     {4, NumberCharsSigned, 0},   {5, NumberCharsSigned, 0}};
  bool iso = kind == "ISOTROPIC";
  const Rule* rules = iso ? isotropic : anisotropic;
  size_t count = iso ? 2 : 6;
  int failing = 0;
  for (size_t r = 0; r < count; ++r) {
    const Rule& rule = rules[r];
    std::string text = Trim(Field(texts, static_cast<size_t>(rule.item)));
    int code = 0;
    IsNumberText(text, rule.chars, code, rule.kind);
    if (code != 0) failing = rule.item;
  }
  return failing;
}

std::vector<std::string> HalfSpaceTexts(const std::string& kind) {
  int fields = kind == "ISOTROPIC" ? 3 : 6;
  std::vector<std::string> texts(static_cast<size_t>(fields) + 1);
  for (int i = 1; i <= fields; ++i) {
    texts[i] = Flag(7 + i);
    if (texts[i].empty()) texts[i] = "0.0";
  }
  if (fields == 3 && ParseNumber(texts[3]) == 0) texts[3] = "0.0";
  return texts;
}

void ClearEntryTables() {
  GeometryValues.assign(6, 0.0);
  StructureFlags.assign(6, std::string());
  StructureFlags[kStripSlot] = StructureFlags[kSymmetricHalfSlot] = "N";
  SupportFlags.assign(kSupportFlagSlots, std::string());
  for (int i = 1; i <= 7; ++i) SupportFlags[i] = "N";
  UnyieldingNodes.clear();
  ElementTable.Redim(0, 3);
  SpringTable.Redim(0, 2);
  SoilTable.Redim(0, 4);
}

bool SaveGeometryDialogData(const std::string& job, const std::vector<std::string>& texts, bool strip, bool half) {
  // The file as it stands: its kind and its element table.
  ClearEntryTables();
  EnsureLines();
  int count = 0;
  LoadTextLines(GeometryFileName(job), TextLines, 5000, count);
  int dataLine = count > 0 ? ReadGeometryHeader(TextLines, count) : 0;
  bool oldStrip = IsStrip();
  int oldCount = dataLine > 0 ? ElementCount() : 0;
  int oldRows = 0;
  if (dataLine > 0) oldRows = ReadElementTable(TextLines, count, dataLine);
  Table2D<double> old = ElementTable;

  for (int i = 1; i <= 5; ++i) GeometryValues[i] = ParseNumber(Trim(Field(texts, static_cast<size_t>(i))));
  if (GeometryValues[kElementCountSlot] < 0 || !(GeometryValues[kElementCountSlot] <= kMaxElements)) GeometryValues[kElementCountSlot] = 0;
  GeometryValues[kElementCountSlot] = std::floor(GeometryValues[kElementCountSlot]);
  StructureFlags[kStripSlot] = StructureFlags[kStripCopySlot] = strip ? "Y" : "N";
  StructureFlags[kSymmetricHalfSlot] = half ? "Y" : "N";
  int newCount = ElementCount();

  ElementTable.Redim(newCount > oldCount ? newCount : oldCount, 3);
  for (int e = 1; e <= oldCount; ++e) {
    ElementTable(e, 0) = e;
    ElementTable(e, 1) = old.Get(e, 1);
    ElementTable(e, 2) = old.Get(e, 2);
    ElementTable(e, 3) = old.Get(e, 3);
    if (strip != oldStrip) std::swap(ElementTable(e, 2), ElementTable(e, 3));
  }
  for (int e = oldCount + 1; e <= newCount; ++e) ElementTable(e, 0) = e;

  EnsureLines();
  int lines = 0, firstRow = 0;
  bool table = dataLine > 0 && oldRows > 0;
  ListGeometry(TextLines, lines, firstRow, GeometryHeader(job));
  if (table) {
    ListElementTable(TextLines, ElementTable, newCount, firstRow, strip ? 2 : 1);
  } else {
    // Without an element table the rows are left out of the file.
    TextLines[firstRow] = TextLines[lines - 1];
    TextLines[firstRow + 1] = TextLines[lines];
    lines = firstRow + 1;
  }
  return SaveJobDataFile(JobResults(), job, GeometryFileName(job), TextLines, lines);
}

void FillGeometryCells() {
  int n = ElementCount();
  bool strip = IsStrip();
  double share = n > 0 ? GeometryValues[kLengthSlot] / n : 0.0;
  CellTexts.Redim(strip ? 3 : 4, n);
  for (int e = 1; e <= n; ++e) {
    double length = ElementTable.Get(e, 1) > 0 ? ElementTable.Get(e, 1) : share;
    CellTexts(1, e) = Trim(NumberToText(e));
    CellTexts(2, e) = CutCellText(Trim(NumberToText(static_cast<float>(length))));
    CellTexts(3, e) = CutCellText(LTrim(FormatNumber(ElementTable.Get(e, 2), "0.0000")));
    if (!strip) CellTexts(4, e) = CutCellText(LTrim(FormatNumber(ElementTable.Get(e, 3), "0.0000")));
  }
}

bool SaveGeometryCells(const std::string& job) {
  int n = ElementCount();
  bool strip = IsStrip();
  ElementTable.Redim(n, 3);
  for (int e = 1; e <= n; ++e) {
    ElementTable(e, 0) = e;
    ElementTable(e, 1) = ParseNumber(CellTexts.Get(2, e));
    ElementTable(e, 2) = ParseNumber(CellTexts.Get(3, e));
    ElementTable(e, 3) = strip ? 0.0 : ParseNumber(CellTexts.Get(4, e));
  }
  EnsureLines();
  int lines = 0, firstRow = 0;
  ListGeometry(TextLines, lines, firstRow, GeometryHeader(job));
  ListElementTable(TextLines, ElementTable, n, firstRow, strip ? 2 : 1);
  return SaveJobDataFile(JobResults(), job, GeometryFileName(job), TextLines, lines);
}

bool SaveSupportFile(const std::string& job) {
  int n = ElementCount();
  if (SupportFlags.size() < kSupportFlagSlots) SupportFlags.resize(kSupportFlagSlots);
  // Rows are numbered by their node or element before the empty ones are dropped.
  for (int r = 1; r <= n + 1; ++r) SpringTable(r, 0) = r;
  for (int r = 1; r <= n; ++r) SoilTable(r, 0) = r;
  int springs = 0, soil = 0;
  CompactZeroRows(SpringTable, n + 1, 2, springs);
  if (springs == 0) SupportFlags[kElasticSupportsSlot] = "N";
  CompactZeroRows(SoilTable, n, 4, soil);
  if (soil == 0) SupportFlags[kWinklerSlot] = "N";
  EnsureLines();
  int count = 0, elasticFirst = springs, winklerFirst = soil;
  ListSupports(TextLines, count, elasticFirst, winklerFirst, SupportHeader(job), UnyieldingNodes);
  if (elasticFirst > 0) ListSupportRows(TextLines, 3, elasticFirst, elasticFirst + springs - 1, SpringTable);
  if (winklerFirst > 0) ListSupportRows(TextLines, 4, winklerFirst, winklerFirst + soil - 1, SoilTable);
  return SaveJobDataFile(JobResults(), job, SupportFileName(job), TextLines, count);
}

void FillSupportCells(const std::string& kind) {
  int n = ElementCount();
  if (kind == "ELASTIC") {
    CellTexts.Redim(3, n + 1);
    for (int node = 1; node <= n + 1; ++node) {
      CellTexts(1, node) = "   " + NumberToText(node);
      CellTexts(2, node) = TableCellText(SpringTable.Get(node, 1));
      CellTexts(3, node) = TableCellText(SpringTable.Get(node, 2));
    }
  } else {
    CellTexts.Redim(5, n);
    for (int e = 1; e <= n; ++e) {
      CellTexts(1, e) = "   " + NumberToText(e);
      for (int c = 1; c <= 4; ++c) CellTexts(c + 1, e) = TableCellText(SoilTable.Get(e, c));
    }
  }
}

void StoreSupportCells(const std::string& kind) {
  int n = ElementCount();
  bool elastic = kind == "ELASTIC";
  int rows = elastic ? n + 1 : n, columns = elastic ? 2 : 4;
  Table2D<double>& table = elastic ? SpringTable : SoilTable;
  table.Redim(rows, columns);
  bool any = false;
  for (int r = 1; r <= rows; ++r) {
    table(r, 0) = r;
    for (int c = 1; c <= columns; ++c) {
      table(r, c) = ParseNumber(CellTexts.Get(c + 1, r));
      any = any || table(r, c) > 0.00001;
    }
  }
  if (!any) SupportFlags[elastic ? 3 : 4] = "N";
}

}  // namespace trabix
