#pragma once
// The portable part of Palvore's data entry: what the geometry, support and table dialogs decide
// about the texts the user typed, the generation commands that fill table columns, and the files
// the dialogs write when accepted. The dialogs (palvore/entry) only move texts between controls
// and these routines. Table cells are CellTexts (core/globals.h; first index the column, second
// the row): column 1 the row label, columns 2.. the data columns 1...
#include <string>
#include <vector>

#include "core/fieldcheck.h"
#include "core/nodemarks.h"
#include "core/tableentry.h"

namespace palvore {

// Texts of a number field pass IsNumberText (core/fieldcheck.h) with the rules 1 positive whole,
// 2 positive, 3 and 4 not negative, others any number.
using ::IsNumberText;

// ---- General geometry dialog ----

// The five field texts (index 1..5: total length, elements, elements above the soil, modulus,
// Poisson's ratio) from Geometry, leading blanks removed, the modulus as "0.0000E+##".
std::vector<std::string> GeometryDialogTexts();
// Checks the texts in item order (each normalised by IsNumberText) and then the elements above
// the soil against the elements: the warning of the first failure, empty when accepted.
std::string GeometryDialogWarning(std::vector<std::string>& texts);
// The accepted dialog: the values into Geometry, the kind set, the old element rows kept (their
// columns 2 and 3 exchanged when the kind changed), <job>.geo rewritten for the new count.
bool SaveGeometryDialogData(const std::string& job, const std::vector<std::string>& texts, bool sheetPile);

// ---- Geometry details table ----

// CellTexts for the nE rows: label, length (total / nE where the table has none), then the
// inertia per metre of a sheet pile or the width and inertia of a pile.
void FillGeometryCells();
// "&UNIFORM" of the length column: total length / nE in every row.
void UniformLengthCells();
// The table's rows against the total length: the message of the last failing check (widths,
// inertias, then the sum of the lengths within 0.1 %), empty when the table is sound.
std::string GeometryTableProblem();
// The message shown for a table problem: problem + CR LF CR LF + "          Correct the Data!".
std::string GeometryTableWarning(const std::string& problem);
// Reads the cells back into Geometry.rows and writes <job>.geo.
bool SaveGeometryCells(const std::string& job);
// "&CANCEL" on a pile table whose first zero width turns the job into a sheet pile: columns 2
// and 3 exchanged and <job>.geo rewritten. Returns whether it did so.
bool SheetPileFromZeroWidth(const std::string& job);

// ---- Generation commands ----

// The warning of a refused range: "Incorrect Unyielding Support Data!" CR LF CR LF
// "        Correct the Data!         ".
std::string RangeWarning();
// The range of GENERATE (fields start, end, step as texts) in a table of `rows` rows whose
// row r shows row + offset: start - offset, ... while not beyond end - offset; whole numbers
// with a step of 1 or more and start < end only, rows outside 1..rows skipped. false refused.
bool GenerationRows(const std::string& start, const std::string& end, const std::string& step, int offset, int rows,
                    std::vector<int>& out);
// The function f = A + B z^n between nodes i and m (fields 1..5: i, m, A, B, n; index 0
// unused) into data columns offset + 1 (at i) and offset + 2 (at j) of the Winkler table, z from
// node i along the element lengths (index 1..nE), row e - above. false when refused (a negative
// exponent, or i, m outside 0 < i <= nE, i < m <= nE + 1): nothing is written then.
bool FillFunctionCells(int offset, const std::vector<std::string>& fields, const std::vector<double>& lengths,
                       int above);
// Element lengths (index 1..nE) of Geometry.rows.
std::vector<double> ElementLengths();

// ---- Supports ----

// "The STRUCTURE is NOT SUPPORTED!" CR LF CR LF "CORRECT the SUPPORT Specification!" when none of
// the unyielding, elastic, Winkler and half-space types is chosen, empty otherwise.
std::string SupportTypeWarning(bool unyielding, bool elastic, bool winkler, bool halfSpace);
// The check-list marks of nodes 1..nodes (index 0 unused) from Supports.unyieldingNodes, blanks
// and commas at both ends stripped.
std::vector<int> UnyieldingMarks(int nodes);
// OK of the check list: flag 2 on with the marked nodes as the list, or off (the former text
// kept) when none is marked.
void AcceptUnyieldingMarks(const std::vector<int>& marks);
// Cells of the "ELASTIC" (nodes 1..nE + 1: kh, kr) and "WINKLER" (elements nA + 1..nE: k at i,
// j, yield stress at i, j) tables from Supports, and back; a table with no value above 0.00001
// (springs, or moduli of the soil) switches its type off.
void FillSupportCells(const std::string& kind);
void StoreSupportCells(const std::string& kind);
// The half-space texts (index 1..3: modulus, Poisson's ratio, yield stress), trimmed: the first
// failing item (modulus positive, ratio 0..0.5 both included, yield stress not negative), 0 when
// all pass.
int HalfSpaceProblem(std::vector<std::string>& texts);
// The support file rewritten from Supports: empty spring and soil rows dropped, a table left
// without rows switching its type off.
bool SaveSupportFile(const std::string& job);

}  // namespace palvore
