#pragma once
// Spoilt copies of a job data file for the readers' tests: the ways a file is damaged by hand or
// by another tool (cut inside a table, its END line removed, a count too large, a row given twice,
// garbage in place of a table's rows), and its twin with lines ended by LF alone, which holds the same data.
#include <cstdio>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "correctionscript.h"
#include "core/globals.h"
#include "core/jobdata.h"
#include "core/numbers.h"
#include "core/solverstops.h"
#include "core/tablereader.h"
#include "core/textfiles.h"

// A table of the file: the label line that opens it and the heading lines between the label and
// its first row. countLine > 0: the table's row count stands in field countField (0-based) of the
// line countLine below the label (a geometry section); otherwise the rows carry their numbers.
struct DamagedTable {
  std::string label;
  int headings = 2;
  int countLine = 0;
  int countField = 0;
};

struct DamagedFile {
  std::string name;   // what was done, for the messages of the test
  std::string bytes;  // the file as written
  bool damaged = true;  // false: the same data as the original
  bool tooLarge = false;  // a value beyond the range the analyses compute with
};

namespace damagedfiles {

inline std::string ReadWhole(const std::string& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline std::string Join(const TextLineArray& lines, int n, const char* end = "\r\n") {
  std::string bytes;
  for (int i = 1; i <= n; ++i) bytes += LineAt(lines, i) + end;
  return bytes;
}

// The line of the label among lines from..n (its text before the colon), 0 when absent.
inline int LabelLine(const TextLineArray& lines, int n, const std::string& label) {
  int at = 0;
  std::string value;
  FindLabelLine(lines, 2, n, label, at, value);
  return at;
}

inline bool BeginsWithNumber(const std::string& line) {
  std::vector<std::string> f = SplitFields(line);
  return !f.empty() && ParseNumber(f[0]) != 0;
}

// What a hand or another tool leaves in a numeric field that the readers would take for a
// number read from its start: the field's number with that text, by what it is.
struct Spoiler {
  const char* what;
  std::string (*field)(const std::string& number);
};
inline const std::vector<Spoiler>& Spoilers() {
  static const std::vector<Spoiler> spoilers = {
      {"trailing text", [](const std::string& v) { return v + "e"; }},
      {"a decimal comma", [](const std::string&) { return std::string("1,5"); }},
      {"a second sign", [](const std::string&) { return std::string("+-3"); }},
      {"a hexadecimal number", [](const std::string&) { return std::string("0x10"); }},
      {"high-byte characters", [](const std::string& v) { return v + "\xe9\xe9"; }},
  };
  return spoilers;
}
constexpr const char* kTooLargeValue = "1E308";

// The line with its k-th blank-separated field replaced.
inline std::string WithField(const std::string& line, size_t k, const std::string& field) {
  std::vector<std::string> f = SplitFields(line);
  if (k < f.size()) f[k] = field;
  std::string out;
  for (const std::string& each : f) out += "   " + each;
  return out;
}

// The first line below line 1 whose value after its colon is one number, but for the node list
// of the unyielding supports, whose text is checked on its own; 0 when there is none.
inline int FirstLabelledNumber(const TextLineArray& lines, int n) {
  for (int i = 2; i <= n; ++i) {
    const std::string& line = LineAt(lines, i);
    const size_t colon = line.find(':');
    if (colon == std::string::npos || line.find("UNYIELDING") != std::string::npos) continue;
    if (IsOneNumber(line.substr(colon + 1))) return i;
  }
  return 0;
}

}  // namespace damagedfiles

// The spoilt copies of `file` for each of its tables present in it, then the copy without its
// END line and the LF twin (damaged = false).
inline std::vector<DamagedFile> DamagedVariants(const std::string& file, const std::vector<DamagedTable>& tables) {
  using namespace damagedfiles;
  TextLineArray lines;
  int n = 0;
  LoadTextLines(file, lines, 5000, n);
  std::vector<DamagedFile> out;
  for (const DamagedTable& t : tables) {
    const int at = LabelLine(lines, n, t.label);
    if (at == 0) continue;
    const int first = at + t.headings + 1;
    int last = first - 1;
    while (last + 1 <= n && BeginsWithNumber(LineAt(lines, last + 1))) ++last;
    // Cut after the first row (or in the headings of a table without rows): the rest is lost.
    out.push_back({file + ": cut inside " + t.label, Join(lines, last >= first ? first : first - 1), true});
    TextLineArray edited = lines;
    if (t.countLine > 0) {
      std::vector<std::string> f = SplitFields(LineAt(lines, at + t.countLine));
      if (static_cast<int>(f.size()) > t.countField) {
        f[static_cast<size_t>(t.countField)] = NumberToText(ParseNumber(f[static_cast<size_t>(t.countField)]) + 1);
        std::string line;
        for (const std::string& field : f) line += "  " + field;
        edited[static_cast<size_t>(at + t.countLine)] = line;
      }
    } else if (last >= first) {
      std::vector<std::string> f = SplitFields(LineAt(lines, first));
      std::string line = "  9999";
      for (size_t k = 1; k < f.size(); ++k) line += "  " + f[k];
      edited[static_cast<size_t>(first)] = line;
    }
    out.push_back({file + ": a count too large in " + t.label, Join(edited, n), true});
    if (t.countLine == 0 && last >= first) {
      // Its first row given again after it: one node or element with two rows.
      edited = lines;
      edited.insert(edited.begin() + first + 1, LineAt(lines, first));
      out.push_back({file + ": a row given twice in " + t.label, Join(edited, n + 1), true});
    }
    if (last >= first) {
      edited = lines;
      for (int i = first; i <= last; ++i) edited[static_cast<size_t>(i)] = "~#\x01 gArBaGe \x7f~ @@ 0x1F ~#";
      out.push_back({file + ": garbage in place of " + t.label, Join(edited, n), true});
      // The first value of the first row: no number, then one too large to compute with.
      const std::string row = LineAt(lines, first);
      const std::vector<std::string> f = SplitFields(row);
      if (f.size() > 1) {
        for (const Spoiler& s : Spoilers()) {
          edited = lines;
          edited[static_cast<size_t>(first)] = WithField(row, 1, s.field(f[1]));
          out.push_back({file + ": " + s.what + " in a value of " + t.label, Join(edited, n), true});
        }
        edited = lines;
        edited[static_cast<size_t>(first)] = WithField(row, 1, kTooLargeValue);
        out.push_back({file + ": a value too large in " + t.label, Join(edited, n), true, true});
      }
    }
  }
  if (const int at = FirstLabelledNumber(lines, n)) {
    const std::string& line = LineAt(lines, at);
    const std::string head = line.substr(0, line.find(':') + 1), value = Trim(line.substr(line.find(':') + 1));
    TextLineArray edited = lines;
    for (const Spoiler& s : Spoilers()) {
      edited[static_cast<size_t>(at)] = head + " " + s.field(value);
      out.push_back({file + ": " + s.what + " after \"" + head + "\"", Join(edited, n), true});
    }
    edited[static_cast<size_t>(at)] = head + " " + kTooLargeValue;
    out.push_back({file + ": a value too large after \"" + head + "\"", Join(edited, n), true, true});
  }
  int end = n;
  while (end > 1 && Trim(LineAt(lines, end)).empty()) --end;
  TextLineArray cut = lines;
  cut.erase(cut.begin() + end);
  out.push_back({file + ": END line removed", Join(cut, n - 1), true});
  out.push_back({file + ": LF line ends", Join(lines, n, "\n"), false});
  return out;
}

// Runs `check` on every spoilt copy of every file (each written over its file, the original
// written back after), with the file's name and the copy.
template <typename Check>
void ForEachDamagedFile(const std::vector<std::pair<std::string, std::vector<DamagedTable>>>& files, Check check) {
  for (const auto& f : files) {
    const std::string original = damagedfiles::ReadWhole(f.first);
    for (const DamagedFile& d : DamagedVariants(f.first, f.second)) {
      std::ofstream(f.first, std::ios::binary | std::ios::trunc) << d.bytes;
      check(d);
    }
    std::ofstream(f.first, std::ios::binary | std::ios::trunc) << original;
  }
}

// The readers' verdict on every spoilt copy, for a job whose files are written and whose load
// case analyses: check() runs the program's pre-analysis check (answering No) and returns its
// result and the messages it showed; solve() runs its solver tool and returns the code. A
// damaged copy must be reported with the message that begins as `message` says, and
// analysed not at all: code not 0 and no report. The LF twin passes the check and analyses to
// the report of the original, line for line.
struct DamagedJobProfile {
  std::vector<std::pair<std::string, std::vector<DamagedTable>>> files;
  // The message a damaged copy is reported with (a part of it), by the file and the variant.
  std::function<std::string(const std::string& file, const std::string& variant)> message;
  std::function<int(std::vector<std::string>& asked)> check;
  std::function<int()> solve;
  std::string report;  // the results file of the case
  // The solver's stop on a value too large to compute with, and a part of the check's message
  // that names it.
  int tooLargeStop = kStopValueTooLarge;
  std::string tooLargeMessage = kValueOutOfRange;
};

inline void ExpectDamagedFilesRefused(const DamagedJobProfile& p) {
  std::vector<std::string> asked;
  ASSERT_EQ(p.check(asked), 1) << "the job itself must pass";
  ASSERT_EQ(p.solve(), 0) << "the job itself must analyse";
  TextLineArray twin;
  int twinCount = 0;
  LoadTextLines(p.report, twin, 5000, twinCount);
  ASSERT_GT(twinCount, 10);
  int variants = 0;
  ForEachDamagedFile(p.files, [&](const DamagedFile& d) {
    ++variants;
    std::remove(p.report.c_str());
    asked.clear();
    const int checked = p.check(asked);
    const int code = p.solve();
    if (!d.damaged) {
      EXPECT_EQ(checked, 1) << d.name;
      EXPECT_TRUE(asked.empty()) << d.name << ": " << (asked.empty() ? "" : asked[0]);
      EXPECT_EQ(code, 0) << d.name;
      TextLineArray lines;
      int count = 0;
      LoadTextLines(p.report, lines, 5000, count);
      ASSERT_EQ(count, twinCount) << d.name;
      for (int i = 2; i <= count; ++i) EXPECT_EQ(lines[i], twin[i]) << d.name << " report line " << i;  // line 1: the date
      return;
    }
    EXPECT_EQ(checked, 0) << d.name;
    ASSERT_FALSE(asked.empty()) << d.name;  // the first message names the damaged file
    const std::string expected = p.message(d.name.substr(0, d.name.find(':')), d.name);
    EXPECT_NE(asked[0].find(expected), std::string::npos) << d.name << ": " << asked[0] << " (expected " << expected << ")";
    EXPECT_NE(code, 0) << d.name;
    if (d.tooLarge) {
      EXPECT_EQ(code, p.tooLargeStop) << d.name;
      if (!p.tooLargeMessage.empty()) EXPECT_NE(asked[0].find(p.tooLargeMessage), std::string::npos) << d.name << ": " << asked[0];
    }
    EXPECT_FALSE(std::ifstream(p.report).good()) << d.name << ": a report was written";
  });
  EXPECT_GE(variants, 5);
}

// The job check of Trabix, Palvore and Murelo (core/correction.h) on `job`, answering No, as a
// profile's check.
inline std::function<int(std::vector<std::string>&)> CheckAnsweringNo(
    const std::string& job, const std::function<int(const CorrectionHooks&)>& check) {
  return [job, check](std::vector<std::string>& asked) {
    JobSpec = job;
    CorrectionScript script;
    const int result = check(script.Hooks());
    asked = script.asked;
    return result;
  };
}

// A solver tool (args: job, case, mode) on one case, elastic, as a profile's solve.
inline std::function<int()> SolveElastic(const std::string& job, const std::string& loadCase,
                                         const std::function<int(const std::vector<std::string>&, std::string&)>& tool) {
  return [job, loadCase, tool] {
    std::string output;
    return tool({job, loadCase, "elastic"}, output);
  };
}
