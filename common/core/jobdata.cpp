#include "core/jobdata.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "core/numbers.h"

const std::string& LineAt(const TextLineArray& lines, int i) {
  static const std::string empty;
  return (i >= 1 && static_cast<size_t>(i) < lines.size()) ? lines[i] : empty;
}

namespace {

std::string rememberedDelimiter = " ";

std::string StripLeadingRepeats(const std::string& text, const std::string& delimiter) {
  size_t i = 0;
  while (!delimiter.empty() && text.compare(i, delimiter.size(), delimiter) == 0) i += delimiter.size();
  return text.substr(i);
}

// The row a number names: the number rounded to the nearest whole number (halves to even), or 0
// when it does not name a row of 1..limit.
int RowIndex(double value, int limit) {
  if (!(value > 0.5 - 1e-12) || value > limit + 0.5) return 0;
  double r = std::nearbyint(value);
  return (r >= 1 && r <= limit) ? static_cast<int>(r) : 0;
}

}  // namespace

void SplitAtDelimiter(const std::string& text, const std::string& delimiter, std::string& head, std::string& rest) {
  if (!text.empty()) rest = text;
  if (!delimiter.empty()) rememberedDelimiter = delimiter;
  const std::string& d = rememberedDelimiter;
  rest = StripLeadingRepeats(rest, d);
  size_t p = rest.find(d);
  if (p == std::string::npos) {
    head = Trim(rest);
    rest.clear();
    return;
  }
  head = Trim(rest.substr(0, p));
  rest = Trim(StripLeadingRepeats(rest.substr(p + d.size()), d));
}

std::vector<std::string> SplitFields(const std::string& line) {
  // The fields are the runs of characters between runs of blanks, taken where they stand.
  std::vector<std::string> fields;
  const size_t n = line.size();
  size_t i = 0;
  for (;;) {
    while (i < n && line[i] == ' ') ++i;
    if (i == n) break;
    size_t end = line.find(' ', i);
    if (end == std::string::npos) end = n;
    fields.emplace_back(line, i, end - i);
    i = end;
  }
  return fields;
}

void FindLabelLine(const TextLineArray& lines, int first, int last, const std::string& label, int& index,
                   std::string& value) {
  index = 0;
  value.clear();
  const std::string wanted = LTrim(label);
  if (first < 1) first = 1;
  if (static_cast<size_t>(last) >= lines.size()) last = static_cast<int>(lines.size()) - 1;
  for (int i = first; i <= last; ++i) {
    const std::string& line = lines[i];
    size_t colon = line.find(':');
    std::string head = Trim(colon == std::string::npos ? line : line.substr(0, colon));
    if (head == wanted) {
      index = i;
      value = colon == std::string::npos ? std::string() : Trim(line.substr(colon + 1));
      return;
    }
  }
}

void FindAnswer(const TextLineArray& lines, int n, const std::string& label, int& index, std::string& value) {
  index = 0;
  value = "N";
  if (static_cast<size_t>(n) >= lines.size()) n = static_cast<int>(lines.size()) - 1;
  for (int i = 1; i <= n; ++i) {
    const std::string& line = lines[i];
    size_t colon = line.find(':');
    std::string head = Trim(colon == std::string::npos ? line : line.substr(0, colon));
    if (head == label) {
      index = i;
      value = colon == std::string::npos ? std::string() : Trim(line.substr(colon + 1));
      return;
    }
  }
}

void FindTextLine(const TextLineArray& lines, int n, const std::string& text, int& index) {
  index = 0;
  for (int i = 1; i <= n; ++i)
    if (Trim(LineAt(lines, i)) == text) {
      index = i;
      return;
    }
}

void FirstZeroEntry(const TextLineArray& lines, int p, int q, int& index) {
  for (int i = p < 1 ? 1 : p; i <= q; ++i)
    if (ParseNumber(LineAt(lines, i)) == 0) {
      index = i;
      return;
    }
}

template <typename T>
void ParseNumberTable(const TextLineArray& lines, int n, Table2D<T>& table, int maxRows, int maxCol, int from, int to) {
  for (int i = from; i <= to; ++i) {
    int r = i - from + 1;
    if (r > maxRows) break;
    for (int k = 1; k <= maxCol; ++k) table(r, k) = T();
    if (i > n) continue;
    std::vector<std::string> fields = SplitFields(LineAt(lines, i));
    for (int k = 0; k <= maxCol && k < static_cast<int>(fields.size()); ++k)
      table(r, k) = static_cast<T>(ParseNumber(fields[k]));
  }
}

template <typename T>
void ReadElementTable(const TextLineArray& lines, int n, Table2D<T>& table, int maxRows, int maxCols, int from, int to) {
  for (int i = from; i <= to && i <= n; ++i) {
    int r = i - from + 1;
    if (r > maxRows) break;
    std::vector<std::string> fields = SplitFields(LineAt(lines, i));
    for (int k = 2; k - 1 <= maxCols && k <= static_cast<int>(fields.size()); ++k)
      table(r, k - 1) = static_cast<T>(ParseNumber(fields[k - 1]));
  }
}

template <typename T>
void ScatterRowsByIndex(const Table2D<T>& source, int rows, Table2D<T>& target, int limit, int cols) {
  for (int i = 1; i <= rows; ++i) {
    int r = RowIndex(static_cast<double>(source.Get(i, 0)), limit);
    if (r == 0) continue;
    for (int k = 0; k <= cols; ++k) target(r, k) = source.Get(i, k);
  }
}

template <typename T>
int ReadIndexedRows(const TextLineArray& lines, Table2D<T>& table, int n, int limit, int cols, int first) {
  for (int r = 1; r <= limit; ++r) table(r, 0) = static_cast<T>(r);
  if (first < 1) return 0;
  // A file cut short ends its table with its last loaded line.
  int end = n + 1;
  FirstZeroEntry(lines, first, n, end);
  int rows = end - first;
  if (rows <= 0) return 0;
  Table2D<T> parsed;
  parsed.Redim(rows, cols);
  ParseNumberTable(lines, n, parsed, rows, cols, first, end - 1);
  ScatterRowsByIndex(parsed, rows, table, limit, cols);
  return rows;
}

template <typename T>
void CompactZeroRows(Table2D<T>& table, int n, int cols, int& count) {
  count = 0;
  for (int i = 1; i <= n; ++i) {
    bool allZero = true;
    for (int k = 1; k <= cols; ++k) allZero = allZero && table.Get(i, k) == T();
    if (allZero) continue;
    ++count;
    if (count != i)
      for (int k = 0; k <= cols; ++k) table(count, k) = table.Get(i, k);
  }
  for (int i = count + 1; i <= n; ++i)
    for (int k = 0; k <= cols; ++k) table(i, k) = T();
}

#define SUITE_JOBDATA_TABLES(T)                                                                               \
  template void ParseNumberTable<T>(const TextLineArray&, int, Table2D<T>&, int, int, int, int);             \
  template void ReadElementTable<T>(const TextLineArray&, int, Table2D<T>&, int, int, int, int);             \
  template int ReadIndexedRows<T>(const TextLineArray&, Table2D<T>&, int, int, int, int);                    \
  template void ScatterRowsByIndex<T>(const Table2D<T>&, int, Table2D<T>&, int, int);                        \
  template void CompactZeroRows<T>(Table2D<T>&, int, int, int&);
SUITE_JOBDATA_TABLES(float)
SUITE_JOBDATA_TABLES(double)
#undef SUITE_JOBDATA_TABLES

std::vector<int> NodeNumbers(const std::string& list, int nodes, bool wholeOnly) {
  std::vector<int> out;
  size_t i = 0;
  while (i <= list.size()) {
    size_t j = list.find(',', i);
    if (j == std::string::npos) j = list.size();
    const std::string piece = Trim(list.substr(i, j - i));
    i = j + 1;
    if (piece.empty()) continue;
    double v = ParseNumber(piece);
    if (wholeOnly ? v != std::floor(v) : false) continue;
    v = std::floor(v);
    if (!(v >= 1) || v > nodes) continue;
    const int node = static_cast<int>(v);
    if (std::find(out.begin(), out.end(), node) == out.end()) out.push_back(node);
  }
  return out;
}

namespace {

// Fields of line i as numbers into items first.. of one substructure.
void ItemsFromLine(const TextLineArray& lines, int i, Table2D<double>& jobData, int sub, int firstItem, int count) {
  std::vector<std::string> fields = SplitFields(LineAt(lines, i));
  for (int k = 0; k < count; ++k)
    jobData(sub, firstItem + k) = k < static_cast<int>(fields.size()) ? ParseNumber(fields[k]) : 0.0;
}

double ValueAfterColon(const TextLineArray& lines, int i) {
  const std::string& line = LineAt(lines, i);
  size_t colon = line.find(':');
  return colon == std::string::npos ? 0.0 : ParseNumber(Trim(line.substr(colon + 1)));
}

std::string LastField(const TextLineArray& lines, int i) {
  std::vector<std::string> fields = SplitFields(LineAt(lines, i));
  return fields.empty() ? std::string() : fields.back();
}

// The line's last character as it stands: a blank there is an empty answer, not the character
// before it.
std::string LastCharacter(const std::string& line) {
  return line.empty() ? std::string() : line.substr(line.size() - 1);
}

}  // namespace

std::string ListedAnswer(const std::string& answer) {
  std::string s = Trim(answer);
  for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return s;
}

bool IsYesAnswer(const std::string& answer) { return ListedAnswer(answer) == "Y"; }
bool IsNoAnswer(const std::string& answer) { return ListedAnswer(answer) == "N"; }

std::string StripLoadLine(const std::string& line) {
  static const std::string uniform = "Uniform Load [kN/m]:";
  if (line.compare(0, uniform.size(), uniform) == 0) return "Uniform Load [kPa]:" + line.substr(uniform.size());
  // The unit lines of the nodal and trapezoidal tables, each column's unit kept under its heading.
  static const char* const units[][2] = {
      {"                     [kN]                   [kN*m]", "                    [kN/m]                 [kN*m/m]"},
      {"(Nodes i,j)         [kN/m]                  [kN/m]", "(Nodes i,j)          [kPa]                   [kPa]"},
  };
  for (const auto& u : units)
    if (RTrim(line) == u[0]) return u[1];
  return line;
}

void ReadGeometrySections(const TextLineArray& lines, int n, int type, Table2D<double>& jobData,
                          std::vector<std::string>& answers, int& start1, int& start2, int& start3) {
  start1 = start2 = start3 = 0;
  if (answers.size() < 8) answers.resize(8);
  int at = 0;
  std::string value;
  if (type == GeometryBeamStrip) {
    FindLabelLine(lines, 1, n, "BEAM/STRIP DATA", at, value);
    if (at == 0) return;
    answers[1] = value == "strip" ? "Y" : "N";
    ItemsFromLine(lines, at + 2, jobData, 1, 1, 4);
    jobData(1, 5) = ValueAfterColon(lines, at + 3);
    start1 = at + 5;
  } else if (type == GeometryCircularPlate) {
    FindLabelLine(lines, 1, n, "CIRCULAR PLATE DATA", at, value);
    if (at == 0) return;
    ItemsFromLine(lines, at + 2, jobData, 1, 1, 3);
    ItemsFromLine(lines, at + 4, jobData, 1, 4, 2);
    jobData(1, 6) = ValueAfterColon(lines, at + 5);
    start1 = at + 7;
  } else if (type == GeometryTank) {
    FindLabelLine(lines, 1, n, "BASE PLATE DATA", at, value);
    if (at > 0) {
      ItemsFromLine(lines, at + 2, jobData, 1, 1, 3);
      ItemsFromLine(lines, at + 4, jobData, 1, 4, 1);
      answers[1] = ListedAnswer(LastField(lines, at + 4));
      jobData(1, 5) = ValueAfterColon(lines, at + 5);
      start1 = at + 7;
    }
    FindLabelLine(lines, 1, n, "WALL DATA", at, value);
    if (at > 0) {
      ItemsFromLine(lines, at + 2, jobData, 2, 1, 3);
      ItemsFromLine(lines, at + 4, jobData, 2, 4, 2);
      answers[2] = ListedAnswer(LastField(lines, at + 4));
      jobData(2, 6) = ValueAfterColon(lines, at + 5);
      start2 = at + 7;
    }
    FindLabelLine(lines, 1, n, "ROOF GEOMETRY DATA", at, value);
    if (at > 0) {
      answers[4] = ListedAnswer(LastCharacter(LineAt(lines, at + 1)));
      int base = at;
      if (answers[4] == "Y" && LineAt(lines, at + 2).compare(0, 14, "Radial Section") == 0) {
        answers[7] = ListedAnswer(LastCharacter(LineAt(lines, at + 2)));
        base = at + 1;
      }
      // A roof without elements keeps its values and in-plane answer in the file too.
      ItemsFromLine(lines, base + 3, jobData, 3, 1, 3);
      ItemsFromLine(lines, base + 5, jobData, 3, 4, 2);
      jobData(3, 6) = ValueAfterColon(lines, base + 6);
      if (jobData(3, 1) > 0) {
        answers[3] = ListedAnswer(LastField(lines, base + 5));
        start3 = answers[4] == "Y" ? base + 9 : base + 8;
      } else {
        std::string answer = ListedAnswer(LastField(lines, base + 5));
        if (answer == "Y" || answer == "N") answers[3] = answer;
      }
      if (answers[4] == "Y") answers[3] = "Y";
    }
  }
}
