#pragma once
// The geometry and material file <job>.GEO: for the current structure type the section values of
// each substructure (JobDataTable, GeometryAnswers) and its element table. ListGeometry writes
// the lines without the element rows, ListGeometryRows the rows; LoadGeometryFile reads the file
// back. Readers open it as <job>.geo: file names are case-insensitive.
#include <functional>
#include <string>

#include "core/jobnames.h"
#include <vector>

#include "core/tablereader.h"
#include "core/textfiles.h"
#include "corvane/core/globals.h"

namespace corvane {

using ::GeometryHeader;  // "Job: <job> // GEOMETRY & MAT. PROPERTIES"

// Fills lines 1.. (line 1 the header) except the element rows. Returns the line on which each
// substructure's rows begin (7 beam/strip; 9 circular plate; tank 10, 18 + NB and the roof's; 0
// for a substructure the type lacks and for a roof without elements) and the last line's number.
// Numbers of elements are the whole parts of item 1 of JobDataTable.
void ListGeometry(TextLineArray& lines, int& count, const std::vector<std::string>& answers, int& start1,
                  int& start2, int& start3, int type, const std::string& header);
// Element rows 1..n of a table onto lines start..start+n-1, two or three values a row. A shell
// roof's rows (answer 4 "Y") are written in exponent form, so that its small components keep
// their digits: the rows of substructure 3 when it is given, else while Substructure is "ROOF
// STRUCTURE".
void ListGeometryRows(TextLineArray& lines, const std::vector<std::string>& answers, const Table2D<float>& table,
                      int n, int start, bool threeColumns, int substructure = 0);

// How LoadGeometryFile offers to correct missing data: ask shows the question with the message
// and returns true on Yes; edit opens the dialog that owns the data (the tank substructure
// selection for a tank, the geometry dialog otherwise) and returns its end value (1 saved).
// Without them the answer is No.
struct GeometryCorrection {
  std::function<bool(const std::string& message)> ask;
  std::function<int()> edit;
};
extern GeometryCorrection GeometryCorrectionHooks;

// Loads <job>.geo into TextLines, reads its sections into JobDataTable and GeometryAnswers (for
// "BEAM/STRIP" also Substructure "STRIP" or "BEAM"), checks that the data are present and reads the
// element table of substructure `substructure` (1..3; 0 none) into table. success is 1 when the
// data are present; otherwise the correction is offered and, when the data were saved, the file
// is read again.
void LoadGeometryFile(const std::string& job, Table2D<float>& table, int substructure, int type, int& success);

// The form of the geometry file (core/tablereader.h) as last read: the element rows of
// substructure `substructure` (1..3) from their first line `start` (0: none).
DataFileForm GeometryFileForm(int type, int substructure, int start);

// The number of values of an element table: 3 for a beam and a shell roof, 2 otherwise.
int ElementTableColumns(int type, int substructure, const std::vector<std::string>& answers);

// Puts the radial-section answer (answer 7) on the radial-section line of a tank's listing (the
// line after "Shell Structure (?)" of the "ROOF GEOMETRY DATA" section, lines 3..last). A listing
// without that section or without that line is left as it is.
void SetRadialSectionAnswer(TextLineArray& lines, int last);

// Clears the answers that a geometry file holds (1..4 and 7) before one is read, so that nothing
// of the job read before stays; 5 and 6 are the dialogs' work items and stay.
void ClearFileAnswers();

// The lines of <job>.geo (1..count) from JobDataTable, GeometryAnswers and WorkTables for the
// current StructureType: header, listing and the rows of every substructure.
void BuildGeometryLines(const std::string& job, TextLineArray& lines, int& count);
// Saves lines 1..count as <job>.geo; false when the file could not be written.
bool SaveGeometryLines(const std::string& job, const TextLineArray& lines, int count);
// How often <job>.geo has been written by the two routines here: the correction paths compare it
// to know whether a dialog saved geometry.
extern int GeometryFileWrites;

// Writes <job>.geo whole from JobDataTable, GeometryAnswers and WorkTables for the current
// StructureType: header, listing and the rows of every substructure. Returns false when the file
// could not be written.
bool SaveGeometryFile(const std::string& job);

}  // namespace corvane
