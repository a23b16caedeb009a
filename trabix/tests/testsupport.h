#pragma once
// Helpers of Trabix's tests: the job-file fixtures of tests/data, a reader of results reports and
// a fixture job analysed through the solver tool.
#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include "../../common/tests/fixtures.h"
#include "core/numbers.h"
#include "solvetool.h"

namespace trabix {
namespace testing {

// The build names the fixture folder for a test program started by hand.
#ifndef TRABIX_TEST_DATA
#define TRABIX_TEST_DATA "tests/data"
#endif
inline std::filesystem::path DataFolder() { return FixtureFolder(TRABIX_TEST_DATA); }

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
  return LoadFixtureFrom(DataFolder(), file, count);
}

// The lines of a text file at [1..count] ([0] empty).
inline std::vector<std::string> FileLines(const std::string& file) {
  std::vector<std::string> lines(5001);
  int count = 0;
  LoadTextLines(file, lines, 5000, count);
  lines.resize(static_cast<size_t>(count) + 1);
  return lines;
}

// The first line of a text file; empty when it has none.
inline std::string FirstLine(const std::string& file) {
  std::vector<std::string> lines = FileLines(file);
  return lines.size() > 1 ? lines[1] : std::string();
}

// A simply supported beam job UNIF, 8 m in 8 elements, under a uniform load q = 10 kN/m alone
// (case Q), written into the current directory.
inline void WriteUniformBeamJob() {
  TextLineArray geo{"",
                    "Job: UNIF // GEOMETRY & MAT. PROPERTIES",
                    "DATA:  BEAM!",
                    "Length [m]  No of Elements  Young's Modulus [kPa]   Poisson's Ratio",
                    "     8          8             2.5000E+7            0.000",
                    "Coefficient of Thermal Expansion:   .000E+0",
                    "Element 'i'  Element Length [m]   Width [m]      Thickness [m]"};
  for (int i = 1; i <= 8; ++i)
    geo.push_back("    " + std::to_string(i) + "              1.0000           0.4000           0.6000  ");
  geo.push_back("");
  geo.push_back("--------------------- END OF GEOMETRY DATA ---------------------");
  TextLineArray sup{"",
                    "Job: UNIF // SUPPORTS",
                    "BEAM/STRIP SUPPORT DATA:",
                    "Left Edge Fixed against Rotation (?):  N",
                    "Right Edge Fixed against Rotation (?):  N",
                    "UNYIELDING SUPPORTS at Nodes: 1,9",
                    "",
                    "------------------------ END OF SUPPORT DATA ------------------------"};
  TextLineArray load{"",
                     "Job: UNIF // LOADS (Q)",
                     "LOAD DATA:",
                     "Uniform Load [kN/m]: 10.0",
                     "Self Weight (Mass Density) [kg/m^3]: 0.0",
                     "",
                     "------------------------- END OF LOAD DATA -------------------------"};
  TextLineArray cases{"", "Q"};
  ASSERT_TRUE(SaveTextLines("UNIF.GEO", geo, static_cast<int>(geo.size()) - 1));
  ASSERT_TRUE(SaveTextLines("UNIF.SUP", sup, static_cast<int>(sup.size()) - 1));
  ASSERT_TRUE(SaveTextLines("UNIF.LDQ", load, static_cast<int>(load.size()) - 1));
  ASSERT_TRUE(SaveTextLines("UNIF.CAS", cases, 1));
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

// Replaces every occurrence of a text in a job file of the current directory.
inline void EditFile(const std::string& file, const std::string& from, const std::string& to) {
  TextLineArray lines;
  int count = 0;
  LoadTextLines(file, lines, 5000, count);
  bool found = false;
  for (int i = 1; i <= count; ++i)
    for (size_t at; (at = lines[i].find(from)) != std::string::npos; found = true) lines[i].replace(at, from.size(), to);
  ASSERT_TRUE(found) << from << " in " << file;
  ASSERT_TRUE(SaveTextLines(file, lines, count));
}

// One load case of a fixture job analysed by the solver tool: its code and output, the passes of
// the yield iteration it printed (-1 when none) and the report read back.
struct SolverRun {
  int status = 0;
  int passes = -1;
  std::string output;
  Report report;
};

// Copies the fixture job into the current directory and analyses one of its cases.
inline SolverRun Analyse(const std::string& job, const std::string& loadCase, const std::string& mode = "elastic") {
  CopyJob(job);
  SolverRun r;
  r.status = RunSolveTool({job, loadCase, mode}, r.output);
  size_t at = r.output.find("passes ");
  if (at != std::string::npos) r.passes = std::stoi(r.output.substr(at + 7));
  r.report = ReadReport(job + ".RB" + loadCase.substr(0, 1));
  return r;
}

}  // namespace testing
}  // namespace trabix
