#include "core/tableentry.h"

#include <cmath>
#include <cstdio>

#include "core/globals.h"
#include "core/numbers.h"

namespace {

// A value as text with 8 significant digits and read back, tiny magnitudes taken as 0.
double EightDigits(double value) {
  char buffer[40];
  std::snprintf(buffer, sizeof buffer, "%.8G", value);
  double v = ParseNumber(buffer);
  return std::fabs(v) < 0.00001 ? 0.0 : v;
}

}  // namespace

bool GenerationRangeValid(int start, int end, int step, int rows) {
  if (start < 1 || step < 1) return false;
  if (start >= end) return false;
  if (step > end - start) return false;
  return end <= rows;
}

std::vector<int> ColumnsSetTogether(int column, bool pairedByElementEnds) {
  if (!pairedByElementEnds || column < 1) return {column};
  const int first = column % 2 == 1 ? column : column - 1;
  return {first, first + 1};
}

std::string TableCellText(double value) {
  std::string text = Trim(NumberToText(static_cast<float>(value)));
  return text.empty() ? "0" : text;
}

std::string CutCellText(const std::string& text, int width) {
  if (static_cast<int>(text.size()) <= width) return text;
  if (text.find_first_of("EeDd") != std::string::npos) return text;
  return text.substr(0, static_cast<size_t>(width));
}

std::string GeneratedCellText(double value) {
  return LTrim(FormatNumber(EightDigits(value), "####.000"));
}

std::vector<std::pair<double, double>> ElementEndValues(const std::vector<double>& lengths, int i, int m, double from,
                                                        const std::function<double(double)>& value) {
  std::vector<std::pair<double, double>> ends;
  double z = from;
  for (int e = i; e < m && e >= 1 && e < static_cast<int>(lengths.size()); ++e) {
    ends.emplace_back(value(z), value(z + lengths[e]));
    z += lengths[e];
  }
  return ends;
}

double PowerFunction(double a, double b, double z, double n) {
  return a + b * (n == 0 ? 1.0 : std::pow(z, n));
}

namespace {

std::string Field(const std::vector<std::string>& fields, size_t i) {
  return i < fields.size() ? fields[i] : std::string();
}

int WholeNumber(const std::string& text) {
  double v = ParseNumber(text);
  if (!(std::fabs(v) < 1e9)) return 0;
  return static_cast<int>(std::floor(v + 0.5));
}

}  // namespace

bool FunctionNodeRange(const std::vector<std::string>& fields, const std::vector<double>& lengths, int& i, int& m,
                       double& span) {
  int n = static_cast<int>(lengths.size()) - 1;
  i = WholeNumber(Field(fields, 1));
  m = WholeNumber(Field(fields, 2));
  if (!(i > 0 && m > i && m <= n + 1)) return false;
  span = 0;
  for (int e = i; e < m; ++e) span += lengths[static_cast<size_t>(e)];
  // Lengths that add up to nothing (or less) give no slope: the table stays as it is.
  return span > 0;
}

void FillElementEndCells(int column, int i, int m, const std::vector<double>& lengths, double from,
                         const std::function<double(double)>& value) {
  int e = i;
  for (const auto& ends : ElementEndValues(lengths, i, m, from, value)) {
    CellTexts(column, e) = GeneratedCellText(ends.first);
    CellTexts(column + 1, e) = GeneratedCellText(ends.second);
    ++e;
  }
}

void LinearLoadBetweenNodes(const std::vector<std::string>& fields, const std::vector<double>& lengths) {
  int i = 0, m = 0;
  double span = 0;
  if (!FunctionNodeRange(fields, lengths, i, m, span)) return;
  double qi = ParseNumber(Field(fields, 3));
  double qm = ParseNumber(Field(fields, 4));
  double slope = (qm - qi) / span;
  FillElementEndCells(2, i, m, lengths, 0.0, [&](double x) { return qi + x * slope; });
}
