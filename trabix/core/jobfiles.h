#pragma once
// Trabix's job files: the listings that the data dialogs write and the readers that the solver
// and the dialogs use. A job <job> has the geometry and material file <job>.geo, the support
// file <job>.SUP, the load-case list <job>.CAS and one load file <job>.LD<c> per load case
// (<c> the first character of the trimmed case name). Every file is a listing that the user
// reads as it stands; its first line is the header "Job: <job> // ...".
//
// The listing builders write into a line array (index 0 unused); the caller saves it with
// SaveTextLines. The readers work on a file loaded whole with LoadTextLines and fill the global
// tables of trabix/core/globals.h; they report nothing: a missing label leaves its flag "N" and
// its values 0.
#include <string>

#include "core/jobnames.h"
#include "core/tablereader.h"
#include "core/textfiles.h"
#include "trabix/core/globals.h"

namespace trabix {

// The largest number of elements a job can have: a job file holds at most 5000 lines.
constexpr int kMaxElements = 5000;

// Number of elements of the current geometry (GeometryValues item 2 rounded to the nearest
// whole number), limited to 0..kMaxElements.
int ElementCount();
bool IsStrip();            // StructureFlags item 1 is "Y"
bool IsSymmetricHalf();    // StructureFlags item 4 is "Y"
bool HasSymmetricLoads();  // StructureFlags item 5 is "S"

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

// The header (and node list) are taken by value: callers may pass a line of the array itself.
// Geometry file: lines 1..6 and, after the n element rows (left empty for ListElementTable),
// an empty line and the END line. count := n + 8; firstRow := 7. Uses GeometryValues and
// StructureFlags.
void ListGeometry(TextLineArray& lines, int& count, int& firstRow, std::string header);
// Element rows 1..rows of an element table onto lines firstLine..; layout 1 beam (three
// values), 2 strip (two values).
void ListElementTable(TextLineArray& lines, const Table2D<double>& table, int rows, int firstLine, int layout);
// Finds the "DATA" line (from line 2 on, by its label), sets StructureFlags items 1 and 4 from
// its kind word and reads the five general values into GeometryValues. Returns the line of the
// label, 0 when the file has none (nothing is changed then).
int ReadGeometryHeader(const TextLineArray& lines, int n);
// The element rows after the header found at dataLine into ElementTable (ElementCount() rows).
// Returns the number of element rows the file really holds.
int ReadElementTable(const TextLineArray& lines, int n, int dataLine);

// Support file. elasticRows and winklerRows: in the row counts of SpringTable and SoilTable to
// list, out the first line of each table's rows (0 when the section is left out: its flag is
// not "Y" or it has no rows). Uses SupportFlags and StructureFlags.
void ListSupports(TextLineArray& lines, int& count, int& elasticRows, int& winklerRows, std::string header,
                  std::string unyieldingNodes);
// Rows of a support table (kind 3 elastic supports, 4 Winkler foundation) onto lines
// first..last: table row r = 1.. goes to line first + r - 1, its number from column 0.
void ListSupportRows(TextLineArray& lines, int kind, int first, int last, const Table2D<double>& table);
// Reads a loaded support file into SupportFlags, UnyieldingNodes, SpringTable (ElementCount()+1
// nodes) and SoilTable (ElementCount() elements); both tables are dimensioned anew.
void ReadSupportData(const TextLineArray& lines, int n);

// Load file. The three counts: in the row counts of NodalLoadTable, LoadTable and
// TemperatureTable, out the first line of each table's rows (0 when it has none and its section
// is left out). Uses LoadValues and StructureFlags.
void ListLoads(TextLineArray& lines, int& count, int& nodalRows, int& trapezoidalRows, int& temperatureRows,
               std::string header);
// Rows of a load table onto lines first..last: kind 3 nodal rows, any other kind element rows
// (values 1..columns: the first two with the element mask, a third with the wider one).
void ListLoadRows(TextLineArray& lines, int kind, int first, int last, const Table2D<double>& table, int columns = 2);
// Reads a loaded load file into LoadValues, StructureFlags item 5 (symmetric half only) and the
// three load tables (dimensioned anew); returns the numbers of rows of the three tables.
void ReadLoadData(const TextLineArray& lines, int n, int& nodalRows, int& trapezoidalRows, int& temperatureRows);

// The forms of the three data files (core/tablereader.h), for the geometry last read (its
// element count and kind): what a reader may take as the whole file.
DataFileForm GeometryFileForm();
DataFileForm SupportFileForm();
DataFileForm LoadFileForm();

// The node numbers of UnyieldingNodes: each comma-separated part read as a number and rounded
// down; numbers below 1 or above `nodes` are dropped, repeats kept once, in order.
std::vector<int> UnyieldingNodeList(const std::string& list, int nodes);

}  // namespace trabix
