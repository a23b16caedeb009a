// Every fixture job of tests/data analysed in both modes, load case by load case, against the
// outcomes and reports kept in tests/data/golden: the solver's speed work must not move a digit,
// a pass of the yield iteration or a stop.
//
// The kept files are the solver's own output: after a change meant to alter the results, run
//   TRABIX_WRITE_GOLDEN=1 trabix_core_tests --gtest_filter='Golden*'
// to write them again into the fixture folder, and read the differences before committing them.
#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "core/reporttext.h"
#include "solvetool.h"
#include "testsupport.h"
#include "trabix/core/globals.h"

namespace trabix {
namespace {

namespace fs = std::filesystem;
using testing::CopyJob;
using testing::DataFolder;

std::tm FixedDay() {
  std::tm t{};
  t.tm_year = 2025 - 1900;
  t.tm_mon = 2;
  t.tm_mday = 7;
  return t;
}

std::string ReadBytes(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

void WriteBytes(const fs::path& file, const std::string& bytes) {
  fs::create_directories(file.parent_path());
  std::ofstream(file, std::ios::binary) << bytes;
}

// The fixture jobs (those with a geometry file) and the load cases their case lists name.
std::vector<std::pair<std::string, std::string>> FixtureCases() {
  std::vector<std::string> jobs;
  for (const auto& entry : fs::directory_iterator(DataFolder()))
    if (entry.path().extension() == ".GEO") jobs.push_back(entry.path().stem().string());
  std::sort(jobs.begin(), jobs.end());
  std::vector<std::pair<std::string, std::string>> cases;
  for (const std::string& job : jobs) {
    std::vector<std::string> lines(5001);
    int count = 0;
    LoadTextLines((DataFolder() / (job + ".CAS")).string(), lines, 5000, count);
    for (int i = 1; i <= count; ++i)
      if (!Trim(lines[i]).empty()) cases.emplace_back(job, Trim(lines[i]));
  }
  return cases;
}

class GoldenTest : public ::testing::Test {
 protected:
  void SetUp() override { SetReportClock(FixedDay); }
  void TearDown() override { SetReportClock(nullptr); }
  TestDirectory dir_;
};

TEST_F(GoldenTest, EveryFixtureJobGivesItsKeptOutcomeAndReportInBothModes) {
  const bool write = std::getenv("TRABIX_WRITE_GOLDEN") != nullptr;
  const fs::path golden = DataFolder() / "golden";
  std::string outcomes;
  int reports = 0;
  for (const auto& [job, loadCase] : FixtureCases()) {
    for (const char* mode : {"elastic", "plastic"}) {
      CopyJob(job);
      std::string output;
      int code = RunSolveTool({job, loadCase, mode}, output);
      outcomes += job + " '" + loadCase + "' " + mode + ": exit " + std::to_string(code) + "; " + output;
      std::string report = job + ".RB" + loadCase.substr(0, 1);
      if (!fs::exists(report)) continue;
      ++reports;
      fs::path kept = golden / mode / report;
      std::string bytes = ReadBytes(report);
      if (write) WriteBytes(kept, bytes);
      else EXPECT_EQ(bytes, ReadBytes(kept)) << job << " case " << loadCase << " " << mode;
      fs::remove(report);
    }
  }
  if (write) WriteBytes(golden / "outcomes.txt", outcomes);
  else EXPECT_EQ(outcomes, ReadBytes(golden / "outcomes.txt"));
  // Every half-space, Winkler and spring fixture is among them, in both modes.
  EXPECT_GE(reports, 50);
}

}  // namespace
}  // namespace trabix
