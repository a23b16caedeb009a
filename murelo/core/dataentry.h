#pragma once
// The portable part of Murelo's data entry: what the geometry, support and table dialogs decide
// about the texts the user typed, the generation commands that fill table columns, the files the
// dialogs write when accepted, and which explanatory picture stands beside a table. The dialogs
// (murelo/entry) only move texts between controls and these routines. Table cells are CellTexts
// (core/globals.h; first index the column, second the row): column 1 the row label, columns 2..
// the data columns 1...
#include <array>
#include <string>
#include <vector>

#include "core/fieldcheck.h"
#include "core/nodemarks.h"
#include "core/tableentry.h"

namespace murelo {

// Texts of a number field pass IsNumberText (core/fieldcheck.h) with the rules 1 positive whole,
// 2 positive, 3 and 4 not negative, others any number.
using ::IsNumberText;

// The caption of the data dialogs: "   Retaining Wall ANALYSIS.   JOB: " + JobSpec.
std::string EntryCaption();
// CurrentSubstructure is the base plate (anything else is the wall stem); its number 1 or 2.
bool PlateEdited();
int EditedSubstructure();

// ---- General geometry dialog ----

// The element counts the dialog takes: whole numbers from 1 to this (the file and the solve stay
// within their limits).
constexpr int kMaxDialogElements = 200;
// The warning of a refused item of the edited substructure's geometry dialog: "INCORRECT DATA of
// Item  <item>!" CR LF CR LF "ENTER NEW DATA.", the count's with its range "(1 to 200 elements)".
std::string GeometryItemWarning(int item);
// The field texts (index 1..5 base plate: width, toe, elements, modulus, Poisson's ratio; 1..4
// wall stem: height, elements, modulus, Poisson's ratio) of the edited substructure from
// GeneralData: shortest number texts, the modulus "#.0000E+##", leading blanks removed.
std::vector<std::string> GeometryDialogTexts();
// Checks the texts in item order (each normalised by IsNumberText): the first failing item, 0
// when all pass.
int GeometryDialogItem(std::vector<std::string>& texts);
// The accepted dialog: the values into GeneralData of the edited substructure and <job>.geo
// rebuilt, the element rows of the old file kept (added rows 0). False when it cannot be written.
bool SaveGeometryDialogData(const std::string& job, const std::vector<std::string>& texts);
// GeneralData and both element tables from <job>.GEO (nothing changed when it has no lines).
bool ReadGeometryFile(const std::string& job);

// ---- Geometry details table ----

// CellTexts for the edited substructure's n rows: number, width, thickness (7 digits).
void FillGeometryCells();
// "&UNIFORM": every width cell = total / n, single precision, cut to 11 characters.
void UniformWidthCells();
// The table's rows against the total: true when refused, with the problem message (a thickness
// not above 0, widths not adding up to the total within 0.1 per cent or adding up to nothing;
// empty when only the toe length does not end on an element boundary).
bool GeometryTableRefused(std::string& problem);
// A table window's warning: problem + CR LF CR LF + "          Correct the Data!".
std::string TableWarning(const std::string& problem);
// Reads the cells into the element table and rewrites its rows in <job>.geo.
bool SaveGeometryCells(const std::string& job);

// ---- Generation commands ----

// "Incorrect Unyielding Support Data!" CR LF CR LF "        Correct the Data!         ".
std::string RangeWarning();
// "Incorrect LOAD Data!" CR LF CR LF "        Correct the Data!         ".
std::string LoadDataWarning();
// The rows of GENERATE (fields start, end, step as texts) in a table of `rows` rows: start,
// start + step, ... up to end; false (and none) when refused (GenerationRangeValid).
bool GenerationRows(const std::string& start, const std::string& end, const std::string& step, int rows,
                    std::vector<int>& out);
// The wall-stem thickness from ti at node i to tm at node m (fields 1..4) into the thickness
// column, element by element at its mean: 0 done, 1 the widths do not add up to the height,
// 2 wrong thickness or node data.
int FillLinearVariation(const std::vector<std::string>& fields);
// The function A + B x^n (fields 1..5: i, m, A, B, n) with x from node i along the base plate's
// element widths (index 1..n) into data columns offset + 1 (at i) and offset + 2 (at j) of rows
// i..m-1. False (nothing written) for nodes outside the plate, or x = 0 with a negative exponent.
bool ApplyNodeFunction(int offset, const std::vector<std::string>& fields, const std::vector<double>& widths);
// The base plate's element widths (index 1..n) from its element table.
std::vector<double> PlateWidths();

// ---- Supports ----

// The support-type states of the dialog (index as SupportFlags 0..4; the wall uses index 1).
using SupportStates = std::array<int, 5>;
// Direction 1: the states from SupportFlags (a half-space of modulus 0 is none, its flag set
// "N"); direction 2: SupportFlags from the states.
void MapSupportTypeFlags(SupportStates& states, int direction, bool plate);
// 1 when any of states 1..4 is on, else 0; 2 when neither the toe nor the half-space is on.
int SupportTypeStatus(const SupportStates& states);
// The warning of a refused base-plate status (0 or 2), empty for status 1.
std::string SupportTypeWarning(int status);
// The half-space texts (index 1..3: modulus, Poisson's ratio, yield stress), normalised: the
// item to correct (later tests override earlier ones: 1, 3, 2), 0 when all pass.
int HalfSpaceProblem(std::vector<std::string>& texts);
// The half-space field texts from SupportFlags 7, 8, 10 ("0.0" when empty or 0 for the yield).
std::vector<std::string> HalfSpaceTexts();
// The check-list marks of nodes 1..nodes from UnyieldingNodes.
std::vector<int> UnyieldingMarks(int nodes);
// OK of the check list: SupportFlags 1 "Y" with the marked nodes, or "N" (old text kept).
void AcceptUnyieldingMarks(const std::vector<int>& marks);
// Cells of the "ELASTIC" table (plate nodes or stem nodes: two constants) and of the "WINKLER"
// table (plate elements: k at i, j, yield stress at i, j) from the work tables, and back; a
// table with no value above 0.00001 (springs, or moduli of the soil) switches its type off.
void FillSupportCells(const std::string& kind);
void StoreSupportCells(const std::string& kind);
// The support file rewritten from SupportFlags and the work tables: zero rows dropped, a table
// left without rows switching its type off.
bool SaveSupportFile(const std::string& job);

// ---- Structure views ----

// The picture beside a table: its title, the side of the node labels ("TOP" or "BOTTOM") and
// the words of its picture, for view "Geom", "Supp" or "Load", the substructure and table kind.
struct ViewChoice {
  std::string title;
  std::string labelSide;
  std::vector<std::string> labels;
};
ViewChoice StructureViewChoice(const std::string& view, const std::string& substructure, const std::string& kind);

}  // namespace murelo
