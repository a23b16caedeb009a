#pragma once
// What the data tables of the programs share about their cells: the range a generation command
// fills and the text a value shows in a cell.
#include <functional>
#include <string>
#include <utility>
#include <vector>

// GENERATE over rows start, start + step, ... end of a table of `rows` rows: refused when the
// start is below 1, the step below 1 or above end - start, the start not below the end, or the
// end beyond the table.
bool GenerationRangeValid(int start, int end, int step, int rows);

// The value columns (counted from 1) that one value given for `column` sets. In a table whose
// value columns pair up as an element's values at its nodes i and j (1-2, 3-4, ...: a subgrade
// modulus, a yield stress), one value stands for both ends: both columns of the pair. In any
// other table, the column alone.
std::vector<int> ColumnsSetTogether(int column, bool pairedByElementEnds);

// A value in a table cell: 7 significant digits without blanks, "0" when empty.
std::string TableCellText(double value);
// Cuts a cell text to `width` characters, except a text in exponent form, which would turn into
// another number.
std::string CutCellText(const std::string& text, int width = 11);

// The cell text of a generated value: 8 significant digits, magnitudes below 0.00001 as 0,
// then the mask "####.000" without its leading blanks.
std::string GeneratedCellText(double value);
// A function of the distance along the element lengths (index 1..N) at both ends of elements
// i..m-1: value(z) at each element's upper node and value(z + L) at its lower node, z running
// on from `from` at node i. One pair per element, in order.
std::vector<std::pair<double, double>> ElementEndValues(const std::vector<double>& lengths, int i, int m, double from,
                                                        const std::function<double(double)>& value);
// The distribution k = A + B z^n (0^0 taken as 1).
double PowerFunction(double a, double b, double z, double n);

// The nodes i (field 1) and m (field 2) of a function between nodes over the element lengths
// (index 1..N) and the length D between them: false, with nothing to fill, unless
// 0 < i < m <= N + 1 and D > 0. Field 0 is not used; a missing field reads as empty.
bool FunctionNodeRange(const std::vector<std::string>& fields, const std::vector<double>& lengths, int& i, int& m,
                       double& span);
// CellTexts columns `column` and column + 1 of elements i..m-1 (rows i..m-1): value(z) at each
// element's upper and lower node as generated cell texts, z running on from `from` at node i.
void FillElementEndCells(int column, int i, int m, const std::vector<double>& lengths, double from,
                         const std::function<double(double)>& value);
// A load varying linearly from qi at node i to qm at node m (fields 1..4: i, m, qi, qm) into
// CellTexts columns 2 and 3 of elements i..m-1. Nothing happens unless FunctionNodeRange holds.
void LinearLoadBetweenNodes(const std::vector<std::string>& fields, const std::vector<double>& lengths);
