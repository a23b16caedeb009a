#pragma once
// What Corvane's data tables do with their cells (CellTexts: column 1 the element or node number,
// columns 2.. the values; rows 1..rows): the OK check of a geometry table, the storing of the
// cells into the work tables, and the rules of the load data form.
#include <string>
#include <vector>

namespace corvane {

// The OK check of the geometry table of Substructure: every element's cell column 3 above 0, for
// a beam and a shell roof also column 4, and the element lengths (widths), column 2, adding up
// to the overall dimension d within 0.001 of it. "" when valid; else the message of the last
// failing check in that order (an overall dimension of 0 or less fails the length check with a
// message of its own).
std::string GeometryTableError(int rows, double d);

// Cells -> work tables; column 0 of each row gets the row number.
// The element table of Substructure (WorkTables[1..3]).
void StoreGeometryCells(int rows, int columns);
// The support table of the kind ("ELASTIC" or "WINKLER") of Substructure; a table without any
// value above 0.00001 turns the answer of its kind in SupportFlags to "N".
void StoreSupportCells(const std::string& kind, int rows, int columns);
// The load table of the kind ("NODAL", "TRAPEZOIDAL", "TEMPERATURE") of Substructure; a shell
// roof's "TRAPEZOIDAL" table is the one of the kind in GeometryAnswers 6 ("3".."7").
void StoreLoadCells(const std::string& kind, int rows, int columns);

// A number of rows, nodes or a step as the forms read it: the text's value rounded to the
// nearest whole number (within +-1e9).
int WholeNumberOf(const std::string& text);

// The rule that the load data form of a mode tests on its accepted texts (fields 1..count):
// mode 0 the mass density (field 2, or the only field) not negative; mode 1 node i not 0 and
// i <= m; the range modes 4, 5, 6, 11 and 12 start >= 1, step >= 1, start < end and
// step <= end - start (start, end and step as whole numbers); mode 9 liquid density >= 0 and
// 0 <= depth <= wallHeight; every other mode has no rule.
bool LoadFormRuleHolds(int mode, const std::vector<std::string>& fields, int count, double wallHeight);

}  // namespace corvane
