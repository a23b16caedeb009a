#include "corvane/core/tablecells.h"

#include <cmath>

#include "core/numbers.h"
#include "corvane/core/globals.h"
#include "corvane/core/slots.h"

namespace corvane {

namespace {

double Cell(int column, int row) { return ParseNumber(CellTexts.Get(column, row)); }

bool ColumnPositive(int column, int rows) {
  for (int r = 1; r <= rows; ++r)
    if (!(Cell(column, r) > 0)) return false;
  return true;
}

void Store(Table2D<float>& table, int rows, int columns) {
  for (int r = 1; r <= rows; ++r) {
    table(r, 0) = static_cast<float>(r);
    for (int k = 1; k <= columns; ++k) table(r, k) = static_cast<float>(Cell(k + 1, r));
  }
}

bool AnyValue(int rows, int columns) {
  for (int r = 1; r <= rows; ++r)
    for (int k = 1; k <= columns; ++k)
      if (Cell(k + 1, r) > 0.00001) return true;
  return false;
}

}  // namespace

std::string GeometryTableError(int rows, double d) {
  bool beam = Substructure == "BEAM";
  bool shell = Substructure == "ROOF STRUCTURE" && AnswerAt(GeometryAnswers, kShellRoofSlot) == "Y";
  bool beamStrip = StructureType == "BEAM/STRIP";
  std::string message;
  double sum = 0;
  for (int r = 1; r <= rows; ++r) sum += Cell(2, r);
  if (!ColumnPositive(3, rows)) message = beam ? "Incorrect Element Width Data" : "Incorrect Element Thickness Data";
  if (shell && !ColumnPositive(4, rows)) message = "Incorrect Element Thickness Data";
  if (beam && !ColumnPositive(4, rows)) message = "Incorrect Element Depth Data";
  // The relative difference needs an overall dimension to divide by.
  if (!(d > 0)) {
    message = beamStrip ? "Incorrect Overall Length Data" : "Incorrect Overall Width Data";
  } else if (std::fabs(d - sum) / d > 0.001) {
    message = beamStrip ? "Incorrect Element Length Data" : "Incorrect Element Width Data";
  }
  return message;
}

void StoreGeometryCells(int rows, int columns) { Store(WorkTables[SubstructureNumber()], rows, columns); }

void StoreSupportCells(const std::string& kind, int rows, int columns) {
  bool wall = Substructure == "WALL";
  if (kind == "ELASTIC") {
    Store(wall ? WallRestraintTable : ElasticSupportTable, rows, columns);
    if (!AnyValue(rows, columns)) AnswerSlot(SupportFlags, wall ? 8 : 3) = "N";
  } else if (kind == "WINKLER") {
    Store(wall ? WallWinklerTable : WinklerTable, rows, columns);
    if (!AnyValue(rows, columns)) AnswerSlot(SupportFlags, wall ? 7 : 4) = "N";
  }
}

void StoreLoadCells(const std::string& kind, int rows, int columns) {
  int s = SubstructureNumber();
  if (kind == "NODAL") {
    Store(s == 2 ? WallNodalLoadTable : s == 3 ? RoofNodalLoadTable : NodalLoadTable, rows, columns);
  } else if (kind == "TRAPEZOIDAL") {
    if (s == 3) {
      int k = 3;
      if (AnswerAt(GeometryAnswers, kShellRoofSlot) == "Y") {
        k = WholeNumberOf(AnswerAt(GeometryAnswers, kRoofLoadKindSlot));
        if (k < 3 || k > 7) return;
      }
      Store(RoofLoadTables[k], rows, columns);
    } else {
      Store(s == 2 ? WallTrapezoidalLoadTable : TrapezoidalLoadTable, rows, columns);
    }
  } else if (kind == "TEMPERATURE") {
    Store(TemperatureLoadTable, rows, columns);
  }
}

int WholeNumberOf(const std::string& text) {
  double v = std::nearbyint(ParseNumber(text));
  if (!(v < 1e9)) return 1000000000;
  if (!(v > -1e9)) return -1000000000;
  return static_cast<int>(v);
}

bool LoadFormRuleHolds(int mode, const std::vector<std::string>& fields, int count, double wallHeight) {
  auto value = [&](int i) { return ParseNumber(AnswerAt(fields, i)); };
  auto whole = [&](int i) { return WholeNumberOf(AnswerAt(fields, i)); };
  switch (mode) {
    case 0:
      return value(count >= 2 ? 2 : 1) >= 0;
    case 1:
      return whole(1) != 0 && whole(1) <= whole(2);
    case 4:
    case 5:
    case 6:
    case 11:
    case 12: {
      // A step below 1 would never end and a start below 1 lies outside the table.
      long long start = whole(1), end = whole(2), step = whole(3);
      return start >= 1 && step >= 1 && start < end && step <= end - start;
    }
    case 9:
      return value(1) >= 0 && value(2) >= 0 && value(2) <= wallHeight;
    default:
      return true;
  }
}

}  // namespace corvane
