#pragma once
// What the data tables of the programs share about their cells: the range a generation command
// fills and the text a value shows in a cell.
#include <string>

// GENERATE over rows start, start + step, ... end of a table of `rows` rows: refused when the
// start is below 1, the step below 1 or above end - start, the start not below the end, or the
// end beyond the table.
bool GenerationRangeValid(int start, int end, int step, int rows);

// A value in a table cell: 7 significant digits without blanks, "0" when empty.
std::string TableCellText(double value);
// Cuts a cell text to `width` characters, except a text in exponent form, which would turn into
// another number.
std::string CutCellText(const std::string& text, int width = 11);
