#include "core/listing.h"

#include "core/numbers.h"

void PutLine(TextLineArray& lines, int i, const std::string& text) {
  if (i < 0) return;
  if (lines.size() <= static_cast<size_t>(i)) lines.resize(static_cast<size_t>(i) + 1);
  lines[static_cast<size_t>(i)] = text;
}

namespace {

void AppendField(std::string& line, const std::string& field) {
  if (!line.empty() && !field.empty() && field[0] != ' ') line += ' ';
  line += field;
}

}  // namespace

std::string JoinFields(std::initializer_list<std::string> fields) {
  std::string line;
  for (const std::string& f : fields) AppendField(line, f);
  return line;
}

std::string TableRowText(const Table2D<double>& table, int row, const char* indexMask,
                         std::initializer_list<const char*> valueMasks) {
  std::string text = FormatNumber(table.Get(row, 0), indexMask);
  int c = 1;
  for (const char* mask : valueMasks) AppendField(text, FormatNumber(table.Get(row, c++), mask));
  return text;
}

void ListTableRows(TextLineArray& lines, const Table2D<double>& table, int first, int last, const char* indexMask,
                   std::initializer_list<const char*> valueMasks) {
  for (int line = first; line <= last; ++line) PutLine(lines, line, TableRowText(table, line - first + 1, indexMask, valueMasks));
}

void ListSpringRows(TextLineArray& lines, const Table2D<double>& table, int first, int last) {
  ListTableRows(lines, table, first, last, "* #####", {"         0.000000E+###", "              0.000000E+###"});
}

void ListWinklerRows(TextLineArray& lines, const Table2D<double>& table, int first, int last) {
  ListTableRows(lines, table, first, last, "* #####",
                {"        0.0000E+###", "        0.0000E+###", "       * ##0.000", "      * ##0.000"});
}

std::string JobBaseName(const std::string& job) {
  const std::string name = Trim(job);
  const size_t at = name.find_last_of("\\/:");
  return at == std::string::npos ? name : name.substr(at + 1);
}

bool RewriteFirstLine(const std::string& file, const std::string& header) {
  TextLineArray lines;
  int n = 0;
  LoadTextLines(file, lines, 10000, n);
  if (n == 0) return false;
  lines[1] = header;
  return SaveTextLines(file, lines, n);
}

void AppendPart(TextLineArray& out, int& total, const TextLineArray& part, int n, int gap) {
  if (out.size() < static_cast<size_t>(total) + 1) out.resize(static_cast<size_t>(total) + 1);
  out.resize(static_cast<size_t>(total) + 1 + gap + n);
  for (int i = 1; i <= gap; ++i) out[static_cast<size_t>(total + i)].clear();
  total += gap;
  for (int i = 1; i <= n; ++i) out[static_cast<size_t>(total + i)] = static_cast<size_t>(i) < part.size() ? part[i] : "";
  total += n;
}
