#pragma once
// Job-data lookup and table readers. Every job file is a listing that a person can read; the
// programs find its values again by the label in front of a colon and take the numbers that
// follow a label by their position in the lines written after it. All routines work on a file
// loaded whole (lines 1..n of a line array; element 0 unused) and never report an error: a
// label that is not there gives index 0, a number that cannot be read gives 0.
//
// Tables are entry-major: row r is entry r (element, node, support or load row), column 0 its
// number and columns 1.. its values in the order of the file.
#include <string>
#include <vector>

#include "core/globals.h"
#include "core/textfiles.h"

// Line i of the array, or "" when the array does not reach it (callers pass counts, not sizes).
const std::string& LineAt(const TextLineArray& lines, int i);

// Splits `rest` at the first delimiter: head is the trimmed text before it, rest the trimmed
// text after it with leading repeats of the delimiter removed. A non-empty `text` starts a new
// split (rest := text); an empty one continues with the rest. An empty delimiter reuses the one
// of the previous call. With " " a run of blanks counts as one separator.
void SplitAtDelimiter(const std::string& text, const std::string& delimiter, std::string& head, std::string& rest);

// The blank-separated fields of a line, in order (what repeated splitting at " " gives).
std::vector<std::string> SplitFields(const std::string& line);

// First line of first..last whose text before its first colon, trimmed, equals the label
// trimmed on its left (a line without a colon: its whole trimmed text). index 0 and value ""
// when none; else value is the trimmed text after the colon.
void FindLabelLine(const TextLineArray& lines, int first, int last, const std::string& label, int& index,
                   std::string& value);
// As FindLabelLine over lines 1..n with the label compared unchanged; value "N" when not found
// (a question that is absent reads as "No").
void FindAnswer(const TextLineArray& lines, int n, const std::string& label, int& index, std::string& value);
// First line of 1..n whose trimmed text equals the text; 0 when none.
void FindTextLine(const TextLineArray& lines, int n, const std::string& text, int& index);
// First line of p..q whose leading number reads as 0 (a text line, an empty line or a row that
// begins with 0); index keeps the caller's value when there is none.
void FirstZeroEntry(const TextLineArray& lines, int p, int q, int& index);

// Rows r = 1.. from lines from..to: columns 1..maxCol are cleared, then field k of the line
// (k = 0, 1, ...) is stored in column k (lines past n only clear their row).
template <typename T>
void ParseNumberTable(const TextLineArray& lines, int n, Table2D<T>& table, int maxRows, int maxCol, int from, int to);
// Element rows from lines from..to: the first field (the element number) is skipped and field
// k (k = 2, 3, ...) goes to column k - 1. Rows follow the order of the file; columns a line
// lacks keep their values.
template <typename T>
void ReadElementTable(const TextLineArray& lines, int n, Table2D<T>& table, int maxRows, int maxCols, int from, int to);
// Rows that carry their own index (support and load rows) from line `first` on: column 0 of
// rows 1..limit is set to the row number; the table ends at the first line whose number is 0
// (or at the end of the loaded lines); each row goes to the row its first number names
// (rounded), columns 0..cols; an index outside 1..limit is skipped. Rows that no line names keep
// their contents. Returns the number of lines the table has.
template <typename T>
int ReadIndexedRows(const TextLineArray& lines, Table2D<T>& table, int n, int limit, int cols, int first);
// Copies each source row 1..rows, columns 0..cols, to the target row given by its column 0
// rounded to a whole number, when that lies within 1..limit.
template <typename T>
void ScatterRowsByIndex(const Table2D<T>& source, int rows, Table2D<T>& target, int limit, int cols);
// Removes the rows among 1..n whose columns 1..cols are all 0; later rows move up (columns
// 0..cols) and the freed last rows become 0. count := the rows kept.
template <typename T>
void CompactZeroRows(Table2D<T>& table, int n, int cols, int& count);

// The node numbers of a comma-separated node list (unyielding supports), in order, a repeated
// node once: each piece is trimmed and read as a number; one below 1 or above `nodes` names no
// node. wholeOnly: a number with a fraction names none either; otherwise it is rounded down.
std::vector<int> NodeNumbers(const std::string& list, int nodes, bool wholeOnly);

// The answers of the "(?)" questions ("Y"/"N"), however they stand in a file edited by hand:
// the reader, the checks, the solver and the listing all take an answer by these rules.
// Yes: "Y" once trimmed and upper-cased ("y", " Y "); any other text is not yes.
bool IsYesAnswer(const std::string& answer);
// No, where an answer counts as no only when it says so (an edge free to rotate): "N" once
// trimmed and upper-cased; any other text is not no.
bool IsNoAnswer(const std::string& answer);
// An answer as the listings write it and the readers keep it: trimmed and upper-cased.
std::string ListedAnswer(const std::string& answer);

// A strip's loads are given per metre of its width, but its load file keeps the beam's labels and
// units, which the readers look for. The documents and text copies of a strip's data print its
// load lines through this: "Uniform Load [kN/m]" reads "[kPa]", the nodal loads' "[kN]" and
// "[kN*m]" read "[kN/m]" and "[kN*m/m]", the trapezoidal loads' "[kN/m]" reads "[kPa]". Any other
// line is returned as it is.
std::string StripLoadLine(const std::string& line);

// Structure types of the geometry reader.
enum GeometryType { GeometryBeamStrip = 1, GeometryCircularPlate = 2, GeometryTank = 3 };

// Reads the section values of a loaded geometry file: jobData(substructure, item) and the
// "Y"/"N" answers 1..7; the three starts are the lines on which the element tables of
// substructures 1..3 begin (0 when a section or its table is missing).
void ReadGeometrySections(const TextLineArray& lines, int n, int type, Table2D<double>& jobData,
                          std::vector<std::string>& answers, int& start1, int& start2, int& start3);
