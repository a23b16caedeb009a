#pragma once
// Building the listings of the job files: lines put into a line array (index 0 unused) that
// grows as needed, and the rows of an indexed table written through number masks.
#include <initializer_list>
#include <string>

#include "core/globals.h"
#include "core/textfiles.h"

// Puts the text at line i, growing the array when needed.
void PutLine(TextLineArray& lines, int i, const std::string& text);

// Joins formatted number fields. A value too wide for its mask has no blank left in front of
// it; one is put back so that it never runs into the field before it and reads back whole.
std::string JoinFields(std::initializer_list<std::string> fields);

// One row of a table: column 0 through indexMask, then columns 1, 2, ... through valueMasks,
// joined as JoinFields does.
std::string TableRowText(const Table2D<double>& table, int row, const char* indexMask,
                         std::initializer_list<const char*> valueMasks);
// Rows r = 1.. of the table onto lines first..last (row r on line first + r - 1).
void ListTableRows(TextLineArray& lines, const Table2D<double>& table, int first, int last, const char* indexMask,
                   std::initializer_list<const char*> valueMasks);

// The elastic-support and Winkler-soil rows of a support file, as every program lists them:
// node and the two spring constants, or element, the two subgrade moduli and the two yield
// stresses.
void ListSpringRows(TextLineArray& lines, const Table2D<double>& table, int first, int last);
void ListWinklerRows(TextLineArray& lines, const Table2D<double>& table, int first, int last);

// The job's own name, without its folders (what the path check calls the base name of
// job + ".AAA"): the text after the last separator, so that a folder with a dot still gives it.
std::string JobBaseName(const std::string& job);
// Replaces line 1 of a job file that has lines and saves it again; false (nothing done) when the
// file is missing or empty.
bool RewriteFirstLine(const std::string& file, const std::string& header);
// Appends lines 1..n of a part to out (lines 1..total), after `gap` empty lines.
void AppendPart(TextLineArray& out, int& total, const TextLineArray& part, int n, int gap);

// Appends lines one after the other from line 1 on, as the listing routines build a file.
class ListingWriter {
 public:
  explicit ListingWriter(TextLineArray& lines) : lines_(lines) {}
  void Add(const std::string& text) { PutLine(lines_, ++count_, text); }
  // Leaves k empty lines for a table's rows; returns the first of them.
  int Rows(int k) {
    const int first = count_ + 1;
    for (int r = 0; r < k; ++r) Add("");
    return first;
  }
  int Count() const { return count_; }

 private:
  TextLineArray& lines_;
  int count_ = 0;
};
