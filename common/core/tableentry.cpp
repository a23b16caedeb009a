#include "core/tableentry.h"

#include "core/numbers.h"

bool GenerationRangeValid(int start, int end, int step, int rows) {
  if (start < 1 || step < 1) return false;
  if (start >= end) return false;
  if (step > end - start) return false;
  return end <= rows;
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
