#pragma once
// Murelo's job files: the listings that the data dialogs write and the readers that the solver,
// the checks and the documents use. A job <job> has the geometry and material file <job>.geo,
// the support file <job>.SUP, the load-case list <job>.COX and one load file <job>.LD<c> per
// load case (<c> the first character of the trimmed case name). Each is a listing the user reads
// as it stands, whose first line is the header "Job: <job> // ..."; the readers find the values
// again by their labels, never by line numbers.
//
// The listing builders fill a line array (index 0 unused, the header at line 1) that the caller
// saves with SaveTextLines; the readers work on a file loaded whole and fill the global tables of
// murelo/core/globals.h. A missing label leaves its answer "N", its numbers 0 and no table.
#include <string>

#include "core/jobnames.h"
#include "core/tablereader.h"
#include "core/textfiles.h"
#include "murelo/core/globals.h"

namespace murelo {

// An element count of a job: no file of at most 5000 lines holds more rows.
constexpr int kMaxElements = 5000;

// File names of Murelo's own (the load files, results reports and headers are the suite's).
std::string GeometryFileName(const std::string& job);
std::string SupportFileName(const std::string& job);
std::string LoadCaseListFileName(const std::string& job);

// SupportFlags item is "Y" (in either case, blanks aside).
bool SupportFlagIsYes(int item);

// Element count of a substructure: GeneralData(s, 1) as a whole number, within 0..kMaxElements.
int ElementCount(int substructure);

// ---------------------------------------------------------------------------------------------
// Geometry file

struct GeometryLines {
  int last = 0;       // the END line
  int plateRows = 0;  // first base-plate element row (9)
  int stemRows = 0;   // first wall-stem element row
};
// The whole body from GeneralData (header at line 1), the element rows left empty for
// ListGeometryRows.
GeometryLines ListGeometry(TextLineArray& lines, std::string header);
// Rows 1..n of an element table (width, thickness) onto lines firstLine...
void ListGeometryRows(TextLineArray& lines, const Table2D<double>& table, int n, int firstLine);

// Fills GeneralData from the "BASE PLATE DATA" and "WALL STEM DATA" sections; plateRows and
// stemRows := the first element row line of each (0 when its section is missing).
void ReadGeometrySections(const TextLineArray& lines, int count, int& plateRows, int& stemRows);

// Offered when a geometry section is missing: shows the message with the correction question and,
// on Yes, the substructure dialog; returns true when the file is to be read again. Without a hook
// the answer is No.
using GeometryCorrectionHook = bool (*)(const std::string& message);
void SetGeometryCorrectionHook(GeometryCorrectionHook hook);
extern const char* const kPlateGeometryMissing;  // " BASE PLATE GEOMETRY AND MAT. PROPERTIES DATA ARE MISSING!"
extern const char* const kStemGeometryMissing;   // " WALL STEM GEOMETRY AND MAT. PROPERTIES DATA ARE MISSING!"
// Loads <job>.geo into TextLines, reads its sections and, when both substructures have at least
// two elements, the element rows of the substructure (1 or 2) into the table. False when a
// section is missing and the correction was declined.
bool LoadGeometryFile(const std::string& job, Table2D<double>& table, int substructure);

// ---------------------------------------------------------------------------------------------
// Support file

struct SupportRowLines {
  int elastic = 0, winkler = 0, restraints = 0;  // in: rows to reserve; out: first row line (0 if not written)
  int last = 0;
};
// The body from SupportFlags and the node list; the row lines are left empty for ListSupportRows.
void ListSupports(TextLineArray& lines, std::string header, std::string nodeList, SupportRowLines& rows);
// Rows 1.. of a support table onto lines first..last: columns 4 (Winkler rows) or 2 (spring
// constants).
void ListSupportRows(TextLineArray& lines, const Table2D<double>& table, int columns, int first, int last);

struct SupportTableLines {
  int elastic = 0, winkler = 0, restraints = 0;  // first row line of each table, 0 when absent
};
// SupportFlags and UnyieldingNodes from a loaded support file.
SupportTableLines ReadSupportData(const TextLineArray& lines, int count);
// ReadSupportData and the three tables (dimensioned anew) for a plate of plateElements and a
// stem of stemElements elements; a file of at most 2 lines reads as no supports at all.
void ReadSupportTables(const TextLineArray& lines, int count, int plateElements, int stemElements);
// The geometry (as LoadGeometryFile, the base-plate rows), the element tables numbered, then
// <job>.SUP read with ReadSupportTables. False when the geometry is missing.
bool LoadSupportFile(int& plateElements, int& stemElements);

// The forms of the data files (core/tablereader.h) for the geometry last read (GeneralData):
// what a reader may take as the whole file. The geometry's form checks the element rows of one
// substructure (1 base plate, 2 wall stem), so that each has its own message.
DataFileForm GeometryFileForm(int substructure);
DataFileForm SupportFileForm();
DataFileForm LoadFileForm();

// ---------------------------------------------------------------------------------------------
// Load file

struct LoadRowLines {
  int plateNodal = 0, plateTrapezoidal = 0, stemNodal = 0, stemHorizontal = 0, stemVertical = 0;
  int last = 0;
};
// The body from LoadTable; rows: in the counts to reserve, out the first row line of each table
// written (0 when left out).
void ListLoads(TextLineArray& lines, std::string header, LoadRowLines& rows);
// Rows 1.. of a load table onto lines first..last: columns 3 (stem nodal loads) or 2.
void ListLoadRows(TextLineArray& lines, const Table2D<double>& table, int columns, int first, int last);

struct LoadTableLines {
  int plateNodal = 0, plateTrapezoidal = 0, stemNodal = 0, stemHorizontal = 0, stemVertical = 0;
  int stemSection = 0;  // the line of "WALL STEM LOAD DATA"
};
// LoadTable from a loaded load file; the first row line of each table.
LoadTableLines ReadLoadData(const TextLineArray& lines, int count);
// ReadLoadData and the five load tables (dimensioned anew; all 0 for a file of at most 2 lines).
void ReadLoadTables(const TextLineArray& lines, int count, int plateElements, int stemElements);

// ---------------------------------------------------------------------------------------------
// Save-as

// Line 1 of each data file of a job copied to `job` names it: the geometry and the support
// file (when they exist) and the load file of every case of <job>.COX (at most 50 names; a
// blank line is skipped). The header keeps the case name as its line holds it; a listed case
// without a load file gets an empty one.
void RenameJobHeaders(const std::string& job);

}  // namespace murelo
