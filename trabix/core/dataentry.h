#pragma once
// The portable part of Trabix's data entry: what the geometry, support and table dialogs decide
// about the texts the user typed, the generation commands that fill table columns, the cell locks
// of the nodal tables, the unyielding-node marks, and the files the dialogs write when accepted.
// The dialogs themselves (trabix/entry) only move texts between controls and these routines.
#include <array>
#include <string>
#include <vector>

#include "core/globals.h"
#include "core/nodemarks.h"
#include "core/tableentry.h"

namespace trabix {

// ---- Ranges of the generation commands ----

// GenerationRangeValid (core/tableentry.h) checks the ranges of GENERATE.
// A function between nodes i = start and m = end (value dialog mode 1): the start must be 1 or
// more and not above the end; for the Winkler table the end must not pass the last node
// (`nodes`), the constants a and b must not be negative, and a negative exponent is refused
// when the range starts at node 1 (z = 0 there).
bool NodeRangeValid(int start, int end, int nodes, bool winkler, double a, double b, double exponent);

// ---- Generation into CellTexts (first index the column, second the row) ----

// GeneratedCellText (core/tableentry.h) writes each generated value.
// k = A + B z^n between nodes i and m (fields 1..5: i, m, A, B, n; index 0 unused) into
// CellTexts columns firstColumn + 2 (at node i) and firstColumn + 3 (at node j) of elements
// i..m-1, z measured from node 1 along the element lengths (index 1..N). Nothing happens unless
// 0 < i < m <= N + 1, or when the lengths over the range add up to 0.
void ApplyNodeFunction(int firstColumn, const std::vector<std::string>& fields, const std::vector<double>& lengths);
// SET SAME of a "WINKLER" table: the subgrade modulus k (a text) at both ends, CellTexts
// columns 2 and 3, of every one of `rows` elements, written as a generated value; the yield
// columns keep theirs.
void SetSameModulus(const std::string& k, int rows);
// A load varying linearly between nodes (core/tableentry.h).
using ::LinearLoadBetweenNodes;
// The element lengths (index 1..N) of ElementTable.
std::vector<double> ElementLengths();

// ---- Locks of the nodal tables ----

// Flags 1..4 (index 0 unused): 1 node 1 value 1, 2 node 1 value 2, 3 last node value 1,
// 4 last node value 2. From SupportFlags, UnyieldingNodes, StructureFlags and GeometryValues.
// "NODAL": 1 node 1 unyielding, 2 left edge fixed, 3 last node unyielding or a symmetric half
// with antisymmetric loads, 4 right edge fixed or a symmetric half with symmetric loads.
// "ELASTIC": the support terms only (the load symmetry belongs to a load case). The unyielding
// nodes count only when SupportFlags item 2 is "Y". Other kinds: all 0.
std::array<int, 5> TableLockFlags(const std::string& kind);
// Whether the cell of data row `row` (1..rows), value column `column` (1 or 2) is locked.
bool CellIsLocked(const std::array<int, 5>& flags, int row, int column, int rows);

// ---- Unyielding-node marks ----

// Shared with the other programs (core/nodemarks.h).
using ::JoinMarkedNodes;
using ::NodeMarks;
using ::ToggleMark;

// ---- Tables and cell texts ----

// Empty rows are dropped with CompactZeroRows (core/jobdata.h); cell texts are made with
// TableCellText and CutCellText (core/tableentry.h).

// ---- Checks of the dialogs ----

// The five texts of the geometry dialog (index 1..5): the first failing item, 0 when all pass.
// 1 length above 0; 2 the number of elements: empty (none) or a whole number up to what a job
// file holds; 3 modulus 0 or more; 4, 5 0 or more (signed characters); a strip moreover needs
// Poisson's ratio below 1.
int GeometryItemProblem(const std::vector<std::string>& texts, bool strip);
// The warning of a failing item: "INCORRECT DATA of Item  <item>!" CR LF CR LF "ENTER NEW DATA.",
// the number of elements' with its range "(0 to 5000 elements)".
std::string GeometryItemWarning(int item);
// The geometry details table in CellTexts (rows 1..rows; column 2 length, 3 width or depth, 4
// depth of a beam) against the overall length: the message of the first failing check (every
// width, then a beam's column 4, then the sum of the lengths; a table without rows fails the
// last), empty when the table is sound.
std::string GeometryTableProblem(int rows, bool strip, double length);
// The texts of the half-space dialog (index 1..3 or 1..6) of kind "ISOTROPIC" or
// "CROSS-ANISOTROPIC": the last failing item in the order of the tests, 0 when all pass.
int HalfSpaceProblem(const std::string& kind, const std::vector<std::string>& texts);
// The initial texts of the half-space dialog (index 1..3 or 1..6) from SupportFlags 8...
std::vector<std::string> HalfSpaceTexts(const std::string& kind);

// ---- Job files of the data entry ----

// Empties the job tables before a job's files are read, so that nothing of another job shows.
void ClearEntryTables();
// The geometry dialog's OK: texts 1..5 into GeometryValues, the structure answers, then
// <job>.geo rewritten with the general values and, when the old file had an element table,
// the table for the new count (rows beyond the old count zero, beam and strip depths moved
// into each other's column when the kind changed). Returns whether the file was written.
bool SaveGeometryDialogData(const std::string& job, const std::vector<std::string>& texts, bool strip, bool half);
// Fills CellTexts for the geometry details table (n rows, 4 or 3 columns) from GeometryValues and
// ElementTable: lengths of 0 become total length / n.
void FillGeometryCells();
// Reads the geometry details cells back into ElementTable and writes <job>.geo.
bool SaveGeometryCells(const std::string& job);
// The support file rewritten from SupportFlags, UnyieldingNodes, SpringTable and SoilTable:
// tables without a non-zero row switch their item off.
bool SaveSupportFile(const std::string& job);
// Cells of the "ELASTIC" (nodes, kv, kr) and "WINKLER" (elements, four values) tables and back.
void FillSupportCells(const std::string& kind);
// Reads the cells of the table back; when no value exceeds 0.00001 the table's item goes "N".
void StoreSupportCells(const std::string& kind);

}  // namespace trabix
