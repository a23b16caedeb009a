#pragma once
// Helpers of Trabix's tests: the job-file fixtures of tests/data and a reader of results reports.
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "../../common/tests/testdir.h"
#include "core/numbers.h"
#include "core/textfiles.h"

namespace trabix {
namespace testing {

// The folder of the fixtures (SUITE_TEST_DATA). Under Wine a Linux path is taken on drive Z:.
inline std::filesystem::path DataFolder() {
  const char* env = std::getenv("SUITE_TEST_DATA");
#ifdef TRABIX_TEST_DATA
  std::string folder = env ? env : TRABIX_TEST_DATA;
#else
  std::string folder = env ? env : "tests/data";
#endif
#ifdef _WIN32
  if (!folder.empty() && folder[0] == '/') folder = "Z:" + folder;
#endif
  return std::filesystem::absolute(folder);
}

// Copies every file of a fixture job (<name>.*) into the current directory.
inline void CopyJob(const std::string& name) {
  namespace fs = std::filesystem;
  for (const auto& entry : fs::directory_iterator(DataFolder())) {
    std::string file = entry.path().filename().string();
    if (file.rfind(name + ".", 0) == 0)
      fs::copy_file(entry.path(), fs::current_path() / file, fs::copy_options::overwrite_existing);
  }
}

inline TextLineArray LoadFixture(const std::string& file, int& count) {
  TextLineArray lines;
  LoadTextLines((DataFolder() / file).string(), lines, 5000, count);
  if (count == 0) ADD_FAILURE() << "fixture " << file << " not found in " << DataFolder().string();
  if (count == 0) lines.assign(64, std::string());  // the test fails, but does not crash
  return lines;
}

// One row of a parsed results report; a blank field reads as NaN.
struct ForceRow {
  double distance = 0;
  std::vector<double> values;  // beam: left/right shear, left/right moment; strip: + length moments
};
struct DisplacementRow {
  double distance = 0, translation = 0, slope = 0, pressure = NAN;
};
struct Report {
  TextLineArray lines;
  int count = 0;
  std::vector<ForceRow> forces;
  std::vector<DisplacementRow> displacements;
  double total = NAN;
};

inline double FieldValue(const std::string& line, size_t from, size_t width) {
  if (from >= line.size()) return NAN;
  std::string field = line.substr(from, width);
  if (Trim(field).empty()) return NAN;
  return ParseNumber(field);
}

// Reads a report the way the graphs do: the force table by its fields (a blank field has no
// value), the displacement table by its blank-separated numbers.
inline Report ReadReport(const std::string& file) {
  Report r;
  LoadTextLines(file, r.lines, 5000, r.count);
  if (r.count < 12) return r;
  bool strip = Trim(r.lines[7]) == "STRIP";
  size_t first = strip ? 9 : 11, width = strip ? 11 : 16, columns = strip ? 6 : 4;
  int i = 12;
  for (; i <= r.count && !Trim(r.lines[i]).empty(); ++i) {
    ForceRow row;
    row.distance = ParseNumber(r.lines[i].substr(0, first));
    for (size_t c = 0; c < columns; ++c) row.values.push_back(FieldValue(r.lines[i], first + c * width, width));
    r.forces.push_back(row);
  }
  while (i <= r.count && r.lines[i] != std::string(75, '-')) ++i;
  for (i += 5; i <= r.count && !Trim(r.lines[i]).empty() && r.lines[i].find("REACTION") == std::string::npos; ++i) {
    std::vector<std::string> f;
    std::string rest = Trim(r.lines[i]);
    while (!rest.empty()) {
      size_t b = rest.find(' ');
      f.push_back(rest.substr(0, b));
      rest = b == std::string::npos ? "" : Trim(rest.substr(b));
    }
    DisplacementRow row;
    row.distance = ParseNumber(f.at(0));
    row.translation = ParseNumber(f.at(1));
    row.slope = ParseNumber(f.at(2));
    if (f.size() > 3) row.pressure = ParseNumber(f[3]);
    r.displacements.push_back(row);
  }
  if (i <= r.count && r.lines[i].find("REACTION") != std::string::npos)
    r.total = ParseNumber(r.lines[i].substr(r.lines[i].find(':') + 1));
  return r;
}

}  // namespace testing
}  // namespace trabix
