// ANALYSIS.exe under Wine, started as Corvane starts it: the plate's result file beside the job
// in C:\J with the case's stale results gone; a stop sounds its tones, shows its task-modal
// warning box, writes nothing and ends with its code once the box is answered.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <functional>
#include <set>
#include <string>

#include "../../../common/tests/smalldisk.h"
#include "../../../common/tests/testdir.h"
#include "corvane/solver/solver.h"
#include "jobs.h"
#include "win/testing/program.h"
#include "win/testing/wintest.h"

namespace corvane {
namespace {

namespace fs = std::filesystem;

class AnalysisProgramTest : public ::testing::Test {
 protected:
  void SetUp() override { fs::create_directories("C:\\J"); }
  void TearDown() override {
    std::error_code ec;
    fs::remove_all("C:\\J", ec);
  }
  TestDirectory dir_;
};

TEST_F(AnalysisProgramTest, WritesThePlateResultsBesideTheJob) {
  testing::PlateJob p;
  p.job = "C:\\J\\P1";
  p.unyielding = "11";
  p.uniform = 10;
  testing::WritePlateJob(p, "A load, 2");
  WriteBytes("C:\\J\\P1.RWA", "old results\r\n");
  wintest::Program program;
  ASSERT_TRUE(program.Start(dir_.path(), "ANALYSIS.exe", {}, "ANALYSIS.exe PLATE,C:\\J\\P1,A load, 2"));
  EXPECT_EQ(program.WaitForExit(), 0);
  EXPECT_FALSE(fs::exists("C:\\J\\P1.RWA"));
  std::vector<std::string> lines = testing::Lines("C:\\J\\P1.RPA");
  ASSERT_GT(lines.size(), 21u);
  EXPECT_EQ(lines[3], "Job: C:\\J\\P1 //  Load Case: 'A load, 2'");
  EXPECT_EQ(testing::Fields(lines[11]).at(2), "6.019");
  EXPECT_EQ(wintest::FilesIn("C:\\J"), (std::set<std::string>{"P1.geo", "P1.SUP", "P1.LDA", "P1.RPA"}));
}

// A tank with a cone roof on an elastic half-space: the base plate's, the wall's and the roof's
// files, the roof's apex marked.
TEST_F(AnalysisProgramTest, WritesTheThreeFilesOfATankWithAConeRoof) {
  testing::TankJob t;
  t.job = "C:\\J\\T1";
  t.unyielding.clear();
  t.halfSpace = true;
  t.roofElements = 20;
  t.roofShell = true;
  t.roofWidths.assign(20, 0.5);
  t.roofFalls.assign(20, 0.25);
  t.roofThickness = 0.1;
  t.roofConnection = "H";
  t.roofPoint = 100;
  testing::WriteTankJob(t);
  wintest::Program program;
  ASSERT_TRUE(program.Start(dir_.path(), "ANALYSIS.exe", {}, "ANALYSIS.exe TANK,C:\\J\\T1,A"));
  EXPECT_EQ(program.WaitForExit(), 0);
  EXPECT_EQ(wintest::FilesIn("C:\\J"),
            (std::set<std::string>{"T1.geo", "T1.SUP", "T1.LDA", "T1.RPA", "T1.RWA", "T1.RRA"}));
  std::vector<std::string> roof = testing::Lines("C:\\J\\T1.RRA");
  ASSERT_GT(roof.size(), 80u);
  EXPECT_EQ(roof[7], "ROOF");
  int marks = 0;
  for (const std::string& line : roof) marks += line.find("*INFINITY*") != std::string::npos;
  EXPECT_EQ(marks, 1);
  std::vector<std::string> plate = testing::Lines("C:\\J\\T1.RPA");
  bool total = false;
  for (const std::string& line : plate) total = total || line.rfind("TOTAL REACTION FROM ELASTIC FOUNDATION:", 0) == 0;
  EXPECT_TRUE(total);
}

TEST_F(AnalysisProgramTest, SingularPlateWarnsAndWritesNothing) {
  testing::PlateJob p;
  p.job = "C:\\J\\P2";
  p.uniform = 10;
  testing::WritePlateJob(p);
  WriteBytes("C:\\J\\P2.RPA", "old results\r\n");
  wintest::TraceCapture trace;
  wintest::Program program;
  ASSERT_TRUE(program.Start(dir_.path(), "ANALYSIS.exe", {}, "ANALYSIS.exe PLATE,C:\\J\\P2,A"));
  HWND box = program.WaitForDialog("WARNING!");
  ASSERT_NE(box, nullptr);
  char text[512] = {0};
  GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
  EXPECT_EQ(std::string(text), "The SYSTEM is Unstable!\r\n\r\nChange the SYSTEM Data!         ");
  EXPECT_EQ(program.WaitForExit(500), -1);  // it waits for the answer
  wintest::Press(box, IDOK);
  EXPECT_EQ(program.WaitForExit(), 2);
  EXPECT_FALSE(fs::exists("C:\\J\\P2.RPA"));
  std::vector<std::string> tones;
  for (const auto& r : trace.Records("TONE")) tones.push_back(r[1] + "/" + r[2]);
  EXPECT_EQ(tones, (std::vector<std::string>{"100/550", "294/250", "100/550", "294/250"}));
  std::vector<std::vector<std::string>> boxes = trace.Records("BOX");
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0][1], "WARNING!");
  EXPECT_EQ(boxes[0][3], "0x2030");
  EXPECT_EQ(boxes[0][4], "1");
}

// The job's folder a small disk, full once the job is there: each structure's results cannot be
// written whole. The stop's box says so, the exit code is the stop's, and no results file is
// left, not even an empty one. (An old results file would free its room when the analysis
// removes it.)
TEST_F(AnalysisProgramTest, OnAFullDiskStopsWithTheResultsNotWrittenAndLeavesNoResultsFile) {
  const struct {
    const char* type;
    std::function<void(const std::string& job)> write;
  } cases[] = {
      {"PLATE",
       [](const std::string& job) {
         testing::PlateJob p;
         p.job = job;
         p.unyielding = "11";
         p.uniform = 10;
         testing::WritePlateJob(p);
       }},
      {"BEAM/STRIP",
       [](const std::string& job) {
         testing::BeamJob b;
         b.job = job;
         b.winkler = 10000;
         b.uniform = 10;
         testing::WriteBeamJob(b);
       }},
  };
  for (const auto& c : cases) {
    SmallDisk disk("C:\\FULL");
    if (!disk.Mounted()) GTEST_SKIP() << disk.Why();
    const std::string job = "C:\\FULL\\J1";
    c.write(job);
    disk.Fill();
    wintest::Program program;
    ASSERT_TRUE(program.Start(dir_.path(), "ANALYSIS.exe", {}, std::string("ANALYSIS.exe ") + c.type + "," + job + ",A"));
    HWND box = program.WaitForDialog("WARNING!");
    ASSERT_NE(box, nullptr) << c.type;
    EXPECT_EQ(wintest::BoxText(box), "The RESULTS File cannot be Written!\r\n\r\nCheck the JOB Directory!") << c.type;
    wintest::Press(box, IDOK);
    EXPECT_EQ(program.WaitForExit(), kStopReportNotWritten) << c.type;
    std::set<std::string> left = wintest::FilesIn("C:\\FULL");
    for (const std::string& name : left) {
      EXPECT_EQ(name.find(".R"), std::string::npos) << c.type << ": " << name << " is left";
      EXPECT_EQ(name.find("~"), std::string::npos) << c.type << ": " << name << " is left";
    }
  }
}

}  // namespace
}  // namespace corvane
