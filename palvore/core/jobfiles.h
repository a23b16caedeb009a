#pragma once
// Palvore's job files: the listings that the data dialogs write and the readers that the solver,
// the checks and the dialogs use. A job <job> has the geometry and material file <job>.GEO (the
// solver opens it as <job>.geo: one file), the support file <job>.SUP, the load-case list
// <job>.COX and one load file <job>.LD<c> per load case (<c> the first character of the trimmed
// case name). Every file is a listing that the user reads as it stands; its first line is the
// header "Job: <job> // ...".
//
// The listing builders write into a line array (index 0 unused); the caller saves it with
// SaveTextLines. The readers work on a file loaded whole with LoadTextLines and fill the global
// tables of palvore/core/globals.h; they report nothing: a missing label leaves its flag "N"
// and its values as they were or 0.
#include <string>
#include <vector>

#include "core/jobnames.h"
#include "core/tablereader.h"
#include "core/textfiles.h"
#include "palvore/core/globals.h"

namespace palvore {

// The largest number of elements a job can have: a job file holds at most 5000 lines.
constexpr int kMaxElements = 4990;

// Number of elements of the current geometry (rounded), limited to 0..kMaxElements.
int ElementCount();
// Number of elements above the soil surface (rounded), limited to 0..ElementCount().
int ElementsAboveSoil();
bool IsSheetPile();  // Geometry.sheetPile
bool SupportFlag(int item);  // Supports.flags[item] is "Y" (upper case or not)

// File names and first lines.
using ::CaseLetter;
std::string GeometryFileName(const std::string& job);
std::string SupportFileName(const std::string& job);
std::string LoadCaseListFileName(const std::string& job);
using ::LoadFileName;
using ::ResultsFileName;
using ::GeometryHeader;
using ::SupportHeader;
using ::LoadHeader;

// Geometry file: lines 1..6 from Geometry (kindFlag "Y" a sheet pile), then the element rows
// (left empty for ListGeometryRows), an empty line and the END line. count := elements + 8;
// firstRow := 7. The header is taken by value: callers may pass a line of the array itself.
void ListGeometry(TextLineArray& lines, int& count, int& firstRow, std::string header, const std::string& kindFlag,
                  int elements);
// Element rows 1..rows of an element table onto lines firstLine..: kind 1 a pile (L, B, I),
// any other a sheet pile (L and I, I in column 2).
void ListGeometryRows(TextLineArray& lines, const Table2D<double>& table, int rows, int firstLine, int kind);
// Finds the "PILE/SHEET-PILE DATA" line (or a plain pile's "PILE DATA") from line 2 on and
// reads the kind and the five general values into Geometry. Returns the line of the first
// element row, 0 when the file has no such section (nothing is changed then).
int ReadGeometrySections(const TextLineArray& lines, int n);
// The element rows from firstRow on, in line order, into Geometry.rows (ElementCount() rows;
// 3 columns for a pile, 2 for a sheet pile). Returns the number of element rows the file holds.
int ReadElementRows(const TextLineArray& lines, int n, int firstRow);

// Support file from Supports.flags. elasticRows and winklerRows: in the row counts of the
// spring and soil tables to list, out the first line of each table's rows (0 when the section is
// left out).
void ListSupports(TextLineArray& lines, int& count, int& elasticRows, int& winklerRows, std::string header,
                  std::string unyieldingNodes);
// Rows of a support table onto lines first..last (row r on line first + r - 1, its number from
// column 0): kind 4 Winkler soil, any other elastic supports.
void ListSupportRows(TextLineArray& lines, const Table2D<double>& table, int kind, int first, int last);
// Reads a loaded support file into Supports: the flags, the node list, the spring table
// (ElementCount() + 1 nodes) and the soil table (ElementCount() elements), both dimensioned anew.
// springsFirst and soilFirst := the first row lines of their tables (0 when absent).
void ReadSupportData(const TextLineArray& lines, int n, int& springsFirst, int& soilFirst);

// Load file. The counts: in the row counts of the nodal and trapezoidal tables, out the first
// line of each table's rows (0 when it has none and its section is left out).
void ListLoads(TextLineArray& lines, int& count, int& nodalRows, int& trapezoidalRows, std::string header);
// Rows 1..rows of a load table onto lines first..: element and the intensities at i and j, or
// node, force and moment (the same masks; kind only tells which table it is).
void ListLoadRows(TextLineArray& lines, const Table2D<double>& table, int rows, int first, int kind);
// Reads a loaded load file into Loads (both tables dimensioned anew); trapezoidalFirst and
// nodalFirst := the first row lines of the tables (0 when absent).
void ReadLoadData(const TextLineArray& lines, int n, int& trapezoidalFirst, int& nodalFirst);

// The node numbers of a node list: the comma-separated pieces, trimmed; a positive whole number
// of 1..nodes is a node, anything else is skipped; a repeated node counts once, in order.
std::vector<int> UnyieldingNodeList(const std::string& list, int nodes);

// The forms of the three data files (core/tablereader.h), for the geometry last read (its
// element count and kind): what a reader may take as the whole file. The geometry's is that of
// the loaded lines (a plain pile's older file has its own label).
DataFileForm GeometryFileForm(const TextLineArray& lines, int n);
DataFileForm SupportFileForm();
DataFileForm LoadFileForm();

// After Save Job As: line 1 of the new job's geometry, support and listed load files names the
// new job. Missing files are skipped.
void RenameJobHeaders(const std::string& job);
// Geometry, supports (after three empty lines) and, when it has lines, the load file of the
// case (after three more) joined into <name>_DATA.TXT in the current directory, <name> the
// job's file name. Returns false when the file cannot be written.
bool WriteDataText(const std::string& job, const std::string& caseName);

}  // namespace palvore
