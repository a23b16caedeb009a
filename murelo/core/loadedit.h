#pragma once
// The portable part of Murelo's load data command: the loads of one case read into the five
// work tables before the dialogs and the load file rewritten from them after, the texts that
// describe each load table, the storing and the value tests of the one-page load dialogs, and
// the linear load between two nodes. The dialogs come in as callbacks, so the command runs the
// same without windows.
//
// Work tables (column 0 the row number): 1 base-plate nodal loads (n + 1 rows, Pv, M), 2 base-
// plate trapezoidal loads (n rows, qi, qj), 3 wall-stem nodal loads (m + 1 rows, Ph, Qv, M),
// 4 wall-stem horizontal and 5 wall-stem vertical (on surface) trapezoidal loads (m rows, qi, qj).
#include <functional>
#include <string>
#include <vector>

#include "core/globals.h"

namespace murelo {

// Work table k (1..5) and its shape for a base plate of n and a stem of m elements.
Table2D<double>& WorkTable(int k);
int WorkTableColumns(int k);
int WorkTableRows(int k, int n, int m);
// The work table of a load type (2 nodal, 3 trapezoidal, 4 vertical trapezoidal) of a
// substructure (1 base plate, 2 wall stem); 0 when the pair has none.
int WorkTableOf(int substructure, int loadType);
// 1 for "BASE PLATE", 2 for "WALL" (and "WALL STEM").
int SubstructureNumber(const std::string& substructure);

// A uniform load or mass density as the loads store it: magnitudes below 0.0001 become 0, the
// rest rounded to three decimals.
double StoredLoadValue(double value);
// The text a stored value shows in its field: "0" below 0.0001 in magnitude, else 7 significant
// digits.
std::string LoadFieldText(double value);

// The load data flow of the current job and case: the geometry loaded (nothing else happens and
// nothing is written when it is missing: returns 0), the work tables dimensioned and numbered,
// <job>.LD<c> read into them and into LoadTable (all zero when the file has at most 2 lines),
// `dialogs` run, then the tables compacted and the load file rewritten, whatever the dialogs
// did. Returns 1 when the file was written.
int EditLoadData(const std::function<void()>& dialogs);
// The load file of the current case from LoadTable and the work tables (compacted first).
bool WriteLoadFile(int n, int m);

// The description of a load table (TableHeadings: slot, row) for a substructure and load type
// 2 (nodal), 3 (trapezoidal) or 4 (vertical trapezoidal on the stem).
Table2D<std::string> LoadTableHeadings(const std::string& substructure, int loadType, const std::string& loadCase);
// The substructure prefix of titles and headings: " BASE PLATE: " or " WALL STEM: ".
std::string SubstructurePrefix(const std::string& substructure);
// The texts of the uniform load dialog (kind 0): the title, the two labels, the section heading.
Table2D<std::string> UniformLoadHeadings(const std::string& substructure);

// The value test of a one-page load dialog of `kind` on its fields (1..): false when the data
// are refused ("Incorrect LOAD Data!"). winkler: the table shown is a "WINKLER" table, whose range
// also needs a start above `plateFourth` (the fourth general value of the base plate) and an end
// within `nodes`.
bool LoadValuesValid(int kind, const std::vector<std::string>& fields, bool winkler = false, double plateFourth = 0,
                     int nodes = 0);
// Stores an accepted uniform load dialog (fields 1 load, 2 mass density) into LoadTable.
void StoreUniformLoad(int substructure, const std::vector<std::string>& fields);

// CellTexts (column, row) of a work table: column 1 the row number, columns 2.. the values.
void FillLoadCells(int k, int rows);
// The cells back into work table k (rows 1..rows).
void StoreLoadCells(int k, int rows);

// The linear load between nodes i (field 1) and m (field 2), qi (3) to qm (4), into CellTexts
// columns 2 and 3 of elements i..m-1 of CurrentSubstructure, with the element lengths of the
// job's geometry. Nothing changes when the geometry is missing or the range is outside.
void FillGeneratedCells(const std::vector<std::string>& fields);

}  // namespace murelo
