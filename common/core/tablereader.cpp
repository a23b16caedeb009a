#include "core/tablereader.h"

#include <cmath>
#include <set>

#include "core/jobdata.h"
#include "core/numbers.h"
#include "core/solverstops.h"

const char* const kValueOutOfRange = "lies beyond the range the analysis computes with";

namespace {

std::string At(int line, const std::string& what) { return "line " + std::to_string(line) + ": " + what; }

bool IsBlank(const std::string& line) { return Trim(line).empty(); }

// A line that begins with a number other than 0 (a row, or a line of values).
bool BeginsWithNumber(const std::string& line) {
  std::vector<std::string> fields = SplitFields(line);
  return !fields.empty() && ParseNumber(fields[0]) != 0;
}

// A row of the table: its number (whole, 1.. limit) and at least `values` values after it.
bool IsRow(const std::string& line, const TableForm& table) {
  std::vector<std::string> fields = SplitFields(line);
  if (fields.size() < static_cast<size_t>(table.values) + 1) return false;
  const double number = ParseNumber(fields[0]);
  if (!(number >= 1) || number != std::floor(number)) return false;
  return table.limit <= 0 || number <= table.limit;
}

// What is wrong with one numeric field: "" when it is one number the analyses compute with.
std::string FieldDamage(const std::string& field) {
  if (!IsOneNumber(field)) return "\"" + field + "\" is not a number";
  if (std::fabs(ParseNumber(field)) > kLargestDataValue)
    return Trim(field) + " " + kValueOutOfRange + " (at most " + Trim(NumberToText(kLargestDataValue)) + ")";
  return std::string();
}

// The first field of a line of values that is no number, or one out of range.
std::string FieldsDamage(const std::string& line) {
  for (const std::string& field : SplitFields(line)) {
    std::string damage = FieldDamage(field);
    if (!damage.empty()) return damage;
  }
  return std::string();
}

// How a text departs from its pattern (NumberField): "" when it matches.
std::string PatternDamage(const std::string& text, const std::string& pattern) {
  const std::string otherForm = "\"" + Trim(text) + "\" is not of the form \"" + pattern + "\"";
  size_t i = 0;
  auto skipBlanks = [&] {
    while (i < text.size() && text[i] == ' ') ++i;
  };
  for (size_t j = 0; j < pattern.size(); ++j) {
    const char p = pattern[j];
    skipBlanks();
    if (p == ' ') continue;
    if (p == '?') {
      // An answer left empty is the writer's unanswered one ("In-Plane Def.(?)" of a tank).
      size_t end = text.find(' ', i);
      if (end == std::string::npos) end = text.size();
      i = end;
      continue;
    }
    if (p != '#') {
      if (i >= text.size() || text[i] != p) return otherForm;
      ++i;
      continue;
    }
    // The number runs to a blank or to the character the pattern puts after it.
    const char next = j + 1 < pattern.size() ? pattern[j + 1] : ' ';
    size_t end = i;
    while (end < text.size() && text[end] != ' ' && (next == ' ' || next == '#' || text[end] != next)) ++end;
    const std::string field = text.substr(i, end - i);
    if (field.empty()) return otherForm;
    std::string damage = FieldDamage(field);
    if (!damage.empty()) return damage;
    i = end;
  }
  skipBlanks();
  return i < text.size() ? otherForm : std::string();
}

bool IsRule(const std::string& text) { return !text.empty() && text.find_first_not_of('-') == std::string::npos; }

// A line that may follow a table's rows: an empty line, a label, a remark, a rule, the END line
// or one of the file's own texts.
bool MayFollowTable(const std::string& line, const DataFileForm& form) {
  const std::string text = Trim(line);
  if (text.empty() || IsRule(text) || text.compare(0, 2, "**") == 0 || text == Trim(form.end)) return true;
  if (BeginsWithNumber(text)) return false;
  if (text.find(':') != std::string::npos) return true;
  for (const std::string& follower : form.followers)
    if (text == Trim(follower)) return true;
  return false;
}

std::string TableDamage(const TextLineArray& lines, int n, int labelLine, const TableForm& given,
                        const DataFileForm& form) {
  TableForm table = given;
  if (table.label.empty()) table.label = "the element table";
  int i = labelLine;
  for (char kind : table.headings) {
    ++i;
    if (i > n) return At(i, "the file ends before the rows of " + table.label);
    const std::string& line = LineAt(lines, i);
    if (IsBlank(line) || (kind == 't' && BeginsWithNumber(line)))
      return At(i, "a heading of " + table.label + " is missing");
    if (kind == 'v') {
      std::string damage = FieldsDamage(line);
      if (!damage.empty()) return At(i, damage);
    }
  }
  int rows = 0;
  std::set<double> numbers;
  for (++i; i <= n; ++i) {
    if (table.rows >= 0 && rows == table.rows) break;
    if (!IsRow(LineAt(lines, i), table)) break;
    std::string damage = FieldsDamage(LineAt(lines, i));
    if (!damage.empty()) return At(i, damage + " in " + table.label);
    // A node or element given twice would be read as its last row alone.
    const double number = ParseNumber(SplitFields(LineAt(lines, i))[0]);
    if (!numbers.insert(number).second)
      return At(i, table.label + " gives " + Trim(NumberToText(number)) + " twice");
    ++rows;
  }
  if (table.rows >= 0 && rows < table.rows)
    return At(i, table.label + " holds " + std::to_string(rows) + " of its " + std::to_string(table.rows) + " rows");
  if (i > n) return At(i, "the file ends inside " + table.label);
  if (!MayFollowTable(LineAt(lines, i), form)) return At(i, "a line of another form in " + table.label);
  return std::string();
}

}  // namespace

std::string DataFileDamage(const TextLineArray& lines, int n, const DataFileForm& form) {
  if (n <= 0) return std::string();
  for (const std::string& label : form.labels) {
    int at = 0;
    std::string value;
    FindLabelLine(lines, 2, n, label, at, value);
    if (at == 0) return "the label \"" + label + "\" is missing";
  }
  int last = n;
  while (last > 1 && IsBlank(LineAt(lines, last))) --last;
  if (Trim(LineAt(lines, last)) != Trim(form.end)) return At(last, "the END line is missing");
  for (const TableForm& table : form.tables) {
    if (table.label.empty()) {
      if (table.start <= 0) continue;
      std::string damage = TableDamage(lines, last, table.start - 1, table, form);
      if (!damage.empty()) return damage;
      continue;
    }
    int from = 2, to = last, at = 0;
    std::string value;
    if (!table.within.empty()) {
      FindLabelLine(lines, 2, last, table.within, at, value);
      if (at == 0) continue;
      from = at + 1;
    }
    if (!table.until.empty()) {
      FindLabelLine(lines, from, last, table.until, at, value);
      if (at > 0) to = at - 1;
    }
    FindLabelLine(lines, from, to, table.label, at, value);
    if (at == 0) continue;
    std::string damage = TableDamage(lines, last, at, table, form);
    if (!damage.empty()) return damage;
  }
  for (const NumberField& number : form.numbers) {
    // Every line of the label: a label that several sections share holds a value in each.
    for (int from = 2, at = 0; from <= last; from = at + 1) {
      std::string value;
      FindLabelLine(lines, from, last, number.label, at, value);
      if (at == 0) break;
      const int i = at + number.line;
      if (number.line > 0) value = LineAt(lines, i);
      if (number.mayBeEmpty && Trim(value).empty()) continue;
      std::string damage = PatternDamage(value, number.pattern);
      if (!damage.empty()) return At(i, damage);
    }
  }
  return std::string();
}

std::vector<NumberField> HalfSpaceNumbers() {
  const std::string cross = "CROSS-ANISOTROPIC ELASTIC HALF-SPACE";
  return {{"ISOTROPIC ELASTIC HALF-SPACE", "E = #[kPa]; Nu = #"},
          {"ISOTROPIC YIELD STRESS", "#[kPa]"},
          {cross, "for Vertical Direction, Ev = #", 2},
          {cross, "for Horizontal Direction, Eh = #", 3},
          {cross, "Quasi Shear Modulus, Gv = #", 4},
          {cross, "Complementary Horizontal Strain, NUh = #", 6},
          {cross, "Vertical Strain, NUv = #", 7},
          {"VERTICAL YIELD STRESS", "#[kPa]"}};
}

int DataFileStop(const std::string& damage, int damagedStop) {
  if (damage.empty()) return 0;
  return damage.find(kValueOutOfRange) != std::string::npos ? kStopValueTooLarge : damagedStop;
}

std::string DataFileDamage(const std::string& fileName, const DataFileForm& form) {
  TextLineArray lines;
  int n = 0;
  LoadTextLines(fileName, lines, 5000, n);
  return DataFileDamage(lines, n, form);
}

std::string LoadCaseListDamage(const std::string& fileName) {
  TextLineArray lines;
  int n = 0;
  LoadTextLines(fileName, lines, 50, n);
  std::vector<std::string> names;
  for (int i = 1; i <= n; ++i) {
    const std::string name = Trim(LineAt(lines, i));
    if (name.empty()) continue;
    for (char c : name)
      if (static_cast<unsigned char>(c) < 32 || c == 127) return At(i, "a name with control characters");
    for (const std::string& other : names)
      if (other[0] == name[0]) return At(i, "two load cases begin with \"" + name.substr(0, 1) + "\"");
    names.push_back(name);
  }
  return std::string();
}
