#pragma once
// The form of a job data file, as its writer lays it out: the labels it must hold, its END
// line and where each of its tables begins and ends. The readers take values by label and rows
// by position and never fail on their own; this check says whether the loaded file is the
// whole listing its writer made, so that a file cut short, edited by hand into another form
// or filled with garbage is reported instead of read as "no data". Each program describes its
// files with these forms (its profile); the check is the same for all.
#include <string>
#include <vector>

#include "core/textfiles.h"

// One table of a data file. Its rows stand right after the label line and its heading lines;
// each row begins with its number (each number once), then its values, separated by blanks.
// Every field of a row, and of a line of values among its headings, is one number (IsOneNumber,
// core/numbers.h) of a magnitude the analyses compute with (kLargestDataValue): a field such as
// "1e" or "1,5", which the readers would take as 1, damages the file.
struct TableForm {
  std::string label;     // the label that opens the table (the text before the colon)
  // One letter per line between the label line and the first row: 't' a heading text (not a
  // row), 'v' a line of values (any line that is not empty).
  std::string headings = "tt";
  int values = 1;   // values a row holds after its number (at least)
  int limit = 0;    // the highest row number; 0: any
  int rows = -1;    // the rows the table must have; -1: as many as follow (at least none)
  // Where a label that several sections share is looked for: below the line of `within` (from
  // line 2 when empty) and above the line of `until` (to the end when empty or absent).
  std::string within;
  std::string until;
  // A table without a label of its own (the element rows of a geometry section): the line of
  // its first row, found by the reader; 0 when the reader found none (nothing is checked).
  int start = 0;
};

// A value of the file that stands by its label: the text after the colon of every line of that
// label (line 0), or the line `line` below it, laid out as `pattern`. A "#" of the pattern is one
// number (as in a table's rows), a "?" one field of any text (an answer, which may be empty); a blank stands for any
// run of blanks; other characters stand for themselves, with any blanks before them
// ("E = #[kPa]; Nu = #")
struct NumberField {
  std::string label;
  std::string pattern = "#";
  int line = 0;
  bool mayBeEmpty = false;  // an empty value is the writer's 0 (a mask that prints no digit for 0)
};

struct DataFileForm {
  std::vector<std::string> labels;  // labels the file must hold below its first line
  std::string end;                  // the END line: the last line of the file that is not empty
  std::vector<TableForm> tables;    // each checked where its label stands in the file
  // Texts other than labels, remarks and rules that may follow a table's last row.
  std::vector<std::string> followers;
  std::vector<NumberField> numbers;  // the values that stand by their labels
};

// Where the loaded file (lines 1..n) departs from its form: "" when it is whole, otherwise what
// is wrong and where ("line 12: ..."). A file of no lines is no file (""): its absence is the
// caller's to judge. A value beyond the range the analyses compute with is named so
// (kValueOutOfRange).
std::string DataFileDamage(const TextLineArray& lines, int n, const DataFileForm& form);
// The same for a file on disk.
std::string DataFileDamage(const std::string& fileName, const DataFileForm& form);

// The values of the half-space sections of a support file, as every program writes them: the
// isotropic line with its yield stress, the cross-anisotropic lines with the vertical yield stress.
std::vector<NumberField> HalfSpaceNumbers();

extern const char* const kValueOutOfRange;  // "lies beyond the range the analysis computes with"

// What a solver does with a damaged file: 0 when the file is whole (damage ""), kStopValueTooLarge
// when the damage is a value out of range, else `damagedStop` (the stop of a damaged file).
int DataFileStop(const std::string& damage, int damagedStop);

// What makes a load-case list unreadable as names: a line with control characters (garbage), or
// two names whose first letters (which name their load files) are the same. "" when the list is
// sound or absent.
std::string LoadCaseListDamage(const std::string& fileName);
