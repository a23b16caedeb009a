// Corvane's analysis command under Wine: the check, the case, the caption, the analysis dialog,
// the recording ANALYSIS.exe with the command line it got, the old results deleted first, the
// six tones; the missing solver; a failed check that starts nothing.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "../../../common/tests/testdir.h"
#include "core/globals.h"
#include "core/textfiles.h"
#include "corvane/core/geometryfile.h"
#include "corvane/core/globals.h"
#include "corvane/core/slots.h"
#include "corvane/core/supportfile.h"
#include "corvane/run/run.h"
#include "win/handles.h"
#include "win/ids.h"
#include "win/testing/layout.h"
#include "win/testing/wintest.h"
#include "../../solver/tests/jobs.h"

namespace corvane {
namespace {

using wintest::RunScript;
using wintest::WindowText;
using wintest::WhenDialog;


std::string ReadAll(const std::string& file) {
  std::ifstream in(file, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

// A beam on a Winkler foundation with one load case, under folder\name in the current directory.
std::string MakeBeamJob(const std::string& folder, const std::string& name) {
  std::filesystem::create_directories(folder);
  std::string job = (std::filesystem::current_path() / folder / name).string();
  StructureType = "BEAM/STRIP";
  Substructure = "BEAM";
  JobSpec = job;
  JobDataTable.Redim(8, 6);
  GeometryAnswers.assign(8, "N");
  JobDataTable(1, 1) = 4;
  JobDataTable(1, 2) = 4;
  JobDataTable(1, 3) = 3e7;
  JobDataTable(1, 4) = 0.2;
  WorkTables[1].Redim(4, 3);
  for (int r = 1; r <= 4; ++r) WorkTables[1](r, 1) = 1, WorkTables[1](r, 2) = 0.5f, WorkTables[1](r, 3) = 0.5f;
  EXPECT_TRUE(SaveGeometryFile(job));
  ClearSupportFlags(1);
  SupportFlags[kWinklerSlot] = "Y";
  WinklerTable.Redim(4, 1);
  for (int r = 1; r <= 4; ++r) WinklerTable(r, 0) = static_cast<float>(r), WinklerTable(r, 1) = 1000;
  ElasticSupportTable.Redim(5, 2);
  EXPECT_TRUE(SaveSupportFile(1));
  TextLineArray cases = {"", "DEAD LOAD"};
  EXPECT_TRUE(SaveTextLines(job + ".CAS", cases, 1));
  return job;
}

void CopySolver() {
  char self[MAX_PATH] = {0};
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  std::filesystem::copy_file(std::filesystem::path(self).parent_path() / "analysis_recorder.exe", "ANALYSIS.exe");
}

std::vector<std::string> Tones(const wintest::TraceCapture& trace) {
  std::vector<std::string> t;
  for (const auto& r : trace.Records("TONE")) t.push_back(r[1] + "/" + r[2]);
  return t;
}

const std::vector<std::string> kSixTones = {"330/250", "294/250", "300/200", "204/280", "330/250", "294/250"};

class AnalysisCommandTest : public ::testing::Test {
 protected:
  void SetUp() override {
    owner_ = CreateWindowExA(0, "STATIC", "Corvane", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr, nullptr,
                             GetModuleHandleA(nullptr), nullptr);
  }
  void TearDown() override { DestroyWindow(owner_); }
  // The analysis command with the check's correction offer answered No: the question asked;
  // asked counts the load-case choices made.
  std::string DeclinedCorrection(int& asked) {
    std::string question;
    auto result = RunScript({WhenDialog(" WARNING!",
                                        [&](HWND box) {
                                          question = wintest::BoxText(box);
                                          wintest::AnswerBox(box, IDNO);
                                        })},
                            [&] {
                              RunAnalysisCommand(owner_, [&] {
                                ++asked;
                                return 1;
                              });
                            });
    EXPECT_TRUE(result.finished);
    return question;
  }
  TestDirectory dir_;
  HWND owner_ = nullptr;
};

TEST_F(AnalysisCommandTest, StartsTheSolverWithTheWholeCommandLine) {
  const struct {
    const char* folder;
    const char* name;
  } jobs[] = {{"JOBS", "B1"},
              {"A VERY LONG FOLDER NAME FOR THE JOBS OF THE BRIDGE FOUNDATIONS\\AND ONE MORE LEVEL",
               "A LONG JOB NAME OF THE NORTH ABUTMENT BEAM"}};
  CopySolver();
  for (const auto& j : jobs) {
    std::string folder = j.folder;
    for (char& c : folder)
      if (c == '\\') c = '/';
    const std::string job = MakeBeamJob(folder, j.name);
    WriteBytes(job + ".RBD", "old results\r\n");
    std::filesystem::remove("ANALYSIS_CALL.TXT");
    wintest::TraceCapture trace;
    std::vector<std::string> buttons;
    bool sized = false;
    auto result = RunScript(
        {WhenDialog("   BEAM/STRIP ANALYSIS.   JOB: " + job,
                    [&](HWND d) {
                      for (int id : {1, 1234}) buttons.push_back(std::to_string(id) + " " + WindowText(GetDlgItem(d, id)));
                      RECT c, want = {0, 0, 400, 280};
                      GetClientRect(d, &c);
                      MapDialogRect(d, &want);
                      sized = c.right == want.right && c.bottom == want.bottom;
                      EXPECT_EQ(WindowText(owner_), "     BEAM/STRIP ANALYSIS.   JOB: " + job + "     Load Case:   DEAD LOAD  ");
                      wintest::PostClick(d, 1);
                    })},
        [&] {
          RunAnalysisCommand(owner_, [] {
            LoadCaseName = "  DEAD LOAD  ";
            return 1;
          });
        },
        30000);
    EXPECT_TRUE(result.finished) << job;
    EXPECT_EQ(buttons, (std::vector<std::string>{"1 &ANALYSE", "1234 &CANCEL"}));
    EXPECT_TRUE(sized);
    EXPECT_EQ(ReadAll("ANALYSIS_CALL.TXT"), "ANALYSIS.exe BEAM/STRIP," + job + ",DEAD LOAD");
    EXPECT_FALSE(std::filesystem::exists(job + ".RBD"));
    EXPECT_EQ(Tones(trace), kSixTones);
    std::vector<std::vector<std::string>> panels = trace.Records("PANEL");
    ASSERT_FALSE(panels.empty());
    EXPECT_EQ(panels.front(), (std::vector<std::string>{"PANEL", "1", "ANALYSIS can Commence Now!",
                                                         "Structure Type:   BEAM/STRIP", "Job Name:   " + job,
                                                         "Load Name:   DEAD LOAD", "", "Click ANALYSE if you want to proceed,",
                                                         "Click CANCEL otherwise."}));
    EXPECT_EQ(panels.back(), (std::vector<std::string>{"PANEL", "2", "ANALYSIS in Progress!", "", "Please Wait..."}));
  }
}

// The progress panel is on the screen while the solver runs, and painted again when the dialog is
// uncovered during the solve.
TEST_F(AnalysisCommandTest, TheProgressPanelIsPaintedWhileTheSolverRuns) {
  CopySolver();
  const std::string job = MakeBeamJob("JOBS", "B5");
  WriteBytes("ANALYSIS_HOLD.TXT", "held\r\n");
  HWND dialog = nullptr;
  int yellowDuring = 0, yellowRepainted = 0;
  auto yellow = [&] {
    int n = 0;
    for (DWORD p : wintest::ClientPixels(dialog)) n += (p & 0xFFFFFF) == 0xFFFF00;
    return n;
  };
  auto result = RunScript({WhenDialog("   BEAM/STRIP ANALYSIS.   JOB: " + job,
                                      [&](HWND d) {
                                        dialog = d;
                                        wintest::PostClick(d, 1);
                                      }),
                           [&] {
                             // The solver has started: its call is written while it is held.
                             if (!std::filesystem::exists("ANALYSIS_CALL.TXT")) return false;
                             yellowDuring = yellow();
                             RECT c;
                             GetClientRect(dialog, &c);
                             OwnedBrush grey(CreateSolidBrush(RGB(128, 128, 128)));
                             WindowDc dc(dialog);
                             FillRect(dc.get(), &c, grey.get());  // as if covered
                             InvalidateRect(dialog, nullptr, TRUE);
                             return true;
                           },
                           [&] {
                             if (GetUpdateRect(dialog, nullptr, FALSE)) return false;
                             yellowRepainted = yellow();
                             std::filesystem::remove("ANALYSIS_HOLD.TXT");
                             return true;
                           }},
                          [&] {
                            RunAnalysisCommand(owner_, [] {
                              LoadCaseName = "DEAD LOAD";
                              return 1;
                            });
                          },
                          60000);
  std::filesystem::remove("ANALYSIS_HOLD.TXT");
  EXPECT_TRUE(result.finished);
  EXPECT_GT(yellowDuring, 0);
  EXPECT_GT(yellowRepainted, 0);
}

TEST_F(AnalysisCommandTest, MissingOrBrokenSolverWarnsThenTones) {
  const struct {
    const char* name;
    bool written;  // a file that is not a program
    const char* warning;
  } cases[] = {
      {"B2", false, "ANALYSIS.exe File is MISSING\r\n\r\nPut this File into the Corvane.exe Directory!"},
      {"B4", true, "ANALYSIS.exe could NOT be STARTED\r\n\r\nCheck this File in the Corvane.exe Directory!"},
  };
  for (const auto& c : cases) {
    const std::string job = MakeBeamJob("JOBS", c.name);
    if (c.written) WriteBytes("ANALYSIS.exe", "not a program");
    wintest::TraceCapture trace;
    std::string warning;
    auto result = RunScript({WhenDialog("   BEAM/STRIP ANALYSIS.   JOB: " + job, [&](HWND d) { wintest::PostClick(d, 1); }),
                             WhenDialog("WARNING!",
                                        [&](HWND box) {
                                          warning = wintest::BoxText(box);
                                          wintest::AnswerBox(box, IDOK);
                                        })},
                            [&] {
                              RunAnalysisCommand(owner_, [] {
                                LoadCaseName = "DEAD LOAD";
                                return 1;
                              });
                            });
    EXPECT_TRUE(result.finished) << c.name;
    EXPECT_EQ(warning, c.warning) << c.name;
    EXPECT_EQ(Tones(trace), kSixTones) << c.name;
  }
}

TEST_F(AnalysisCommandTest, FailedCheckStartsNothing) {
  CopySolver();
  const std::string job = MakeBeamJob("JOBS", "B3");
  std::filesystem::remove(job + ".SUP");
  wintest::TraceCapture trace;
  int asked = 0;
  const std::string question = DeclinedCorrection(asked);
  EXPECT_EQ(question, " SUPPORT CONDITIONS ARE NOT SPECIFIED\r\n\r\n Do you wish to Correct the Data? ");
  EXPECT_EQ(trace.Records("BEEP").size(), 3u);
  // The pointer goes onto the question and back.
  std::vector<std::vector<std::string>> moves = trace.Records("POINTER");
  ASSERT_GE(moves.size(), 2u);
  EXPECT_EQ(moves[0][1], std::to_string(static_cast<int>(GetSystemMetrics(SM_CXSCREEN) / 2 * 1.05)));
  EXPECT_EQ(moves[0][2], std::to_string(static_cast<int>(GetSystemMetrics(SM_CYSCREEN) / 2 * 1.15)));
  EXPECT_EQ(asked, 0);
  EXPECT_EQ(DialogAnswer, 0);
  EXPECT_FALSE(std::filesystem::exists("ANALYSIS_CALL.TXT"));
  EXPECT_TRUE(Tones(trace).empty());
}

// A half-space ticked in the support types and Ok pressed without its data (E = 0, Nu = 0): the
// check refuses it with the correction offer before ANALYSIS.exe is started.
TEST_F(AnalysisCommandTest, AHalfSpaceWithoutDataStartsNothing) {
  CopySolver();
  const std::string job = MakeBeamJob("JOBS", "B3");
  ClearSupportFlags(1);
  SupportFlags[kIsotropicHalfSpaceSlot] = "Y";
  SupportFlags[kHalfSpaceModulusSlot] = "0";
  SupportFlags[kHalfSpacePoissonSlot] = "0";
  WinklerTable.Redim(4, 1);
  ASSERT_TRUE(SaveSupportFile(1));
  int asked = 0;
  const std::string question = DeclinedCorrection(asked);
  EXPECT_EQ(question,
            " INCORRECT SUPPORT DATA OF ITEM 5 \r\n (HALF-SPACE: Modulus of Elasticity, E[kPa]= 0; it must be bigger "
            "than 0)\r\n\r\n Do you wish to Correct the Data? ");
  EXPECT_EQ(asked, 0);
  EXPECT_FALSE(std::filesystem::exists("ANALYSIS_CALL.TXT"));
}

// The analysis dialog of a job with a long name and the boxes of the command show their texts
// whole: each structure's dialog cancelled; a job without supports (the check's question); a
// solver missing (the warning after ANALYSE).
TEST_F(AnalysisCommandTest, TheDialogAndItsBoxesShowTheirTextsWhole) {
  const std::string job = MakeBeamJob("A VERY LONG FOLDER NAME FOR THE JOBS OF THE BRIDGE FOUNDATIONS/AND ONE MORE LEVEL",
                                      "A LONG JOB NAME OF THE NORTH ABUTMENT BEAM");
  auto command = [this] {
    RunAnalysisCommand(owner_, [] {
      LoadCaseName = "A LONG LOAD CASE NAME";
      return 1;
    });
  };
  std::vector<wintest::LayoutCase> cases = {
      {"missing solver",
       command,
       {{"   BEAM/STRIP ANALYSIS.   JOB: " + job, 1, 0},
        {"WARNING!", 0, IDOK, nullptr, "ANALYSIS.exe File is MISSING\r\n\r\nPut this File into the Corvane.exe Directory!"}}}};
  for (const char* type : {"PLATE", "TANK"})
    cases.push_back({type,
                     [this, type] {
                       StructureType = type;
                       ShowModalDialog(AnalysisDialog(owner_), owner_, AnalysisDialogProc);
                     },
                     {{"   " + std::string(type) + " ANALYSIS.   JOB: " + job, 0, kExitId}}});
  cases.push_back({"check",
                   [&] {
                     StructureType = "BEAM/STRIP";
                     std::filesystem::remove(job + ".SUP");
                     command();
                   },
                   {{" WARNING!", 0, IDNO, nullptr,
                     " SUPPORT CONDITIONS ARE NOT SPECIFIED\r\n\r\n Do you wish to Correct the Data? "}}});
  const std::vector<std::string> faults = wintest::LayoutFaultsOfCases(cases);
  EXPECT_TRUE(faults.empty()) << faults.size() << " faults:\n" << wintest::Lines(faults);
}

TEST_F(AnalysisCommandTest, TankRoofResultsGoWhenTheDialogOpensEvenOnCancel) {
  StructureType = "TANK";
  JobSpec = (std::filesystem::current_path() / "T1").string();
  LoadCaseName = "Wind";
  WriteBytes(JobSpec + ".RRW", "old roof\r\n");
  WriteBytes(JobSpec + ".RWW", "old wall\r\n");
  auto result = RunScript({WhenDialog("   TANK ANALYSIS.   JOB: " + JobSpec, [&](HWND d) { wintest::Click(d, kExitId); })},
                          [&] { EXPECT_EQ(ShowModalDialog(AnalysisDialog(owner_), owner_, AnalysisDialogProc), 0); });
  EXPECT_TRUE(result.finished);
  EXPECT_FALSE(std::filesystem::exists(JobSpec + ".RRW"));
  EXPECT_TRUE(std::filesystem::exists(JobSpec + ".RWW"));
}

// A plate job P1 with one case "Live" and the program folder's own solver beside it.
testing::PlateJob LivePlateWithSolver() {
  char self[MAX_PATH] = {0};
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  std::filesystem::copy_file(std::filesystem::path(self).parent_path() / "ANALYSIS.exe", "ANALYSIS.exe");
  testing::PlateJob p;
  p.job = (std::filesystem::current_path() / "P1").string();
  p.unyielding = "11";
  p.uniform = 10;
  testing::WritePlateJob(p, "Live");
  TextLineArray cases = {"", "Live"};
  EXPECT_TRUE(SaveTextLines(p.job + ".CAS", cases, 1));
  return p;
}

// "&ANALYSE" with the program folder's own solver: the plate's result file beside the job.
TEST_F(AnalysisCommandTest, ProgramFoldersSolverWritesThePlateResults) {
  const testing::PlateJob p = LivePlateWithSolver();
  WriteBytes(p.job + ".RPL", "old results\r\n");
  wintest::TraceCapture trace;
  auto result = RunScript({WhenDialog("   PLATE ANALYSIS.   JOB: " + p.job, [&](HWND d) { wintest::PostClick(d, 1); })},
                          [&] {
                            RunAnalysisCommand(owner_, [] {
                              LoadCaseName = "Live";
                              return 1;
                            });
                          },
                          60000);
  EXPECT_TRUE(result.finished);
  std::vector<std::string> lines = testing::Lines(p.job + ".RPL");
  ASSERT_GT(lines.size(), 11u);
  EXPECT_EQ(lines[3], "Job: " + p.job + " //  Load Case: 'Live'");
  EXPECT_EQ(testing::Fields(lines[11]).at(2), "6.019");
  EXPECT_TRUE(trace.Records("BOX").empty());
  EXPECT_EQ(Tones(trace), kSixTones);
}

// The presentation command's windows on an analysed plate: the output chooser, both documents'
// boxes and their previews show their texts whole.
TEST_F(AnalysisCommandTest, TheDocumentsWindowsShowTheirTextsWhole) {
  const testing::PlateJob p = LivePlateWithSolver();
  auto chosen = [] {
    LoadCaseName = "Live";
    return 1;
  };
  ASSERT_TRUE(RunScript({WhenDialog("   PLATE ANALYSIS.   JOB: " + p.job, [&](HWND d) { wintest::PostClick(d, 1); })},
                        [&] { RunAnalysisCommand(owner_, chosen); }, 60000)
                  .finished);
  ASSERT_TRUE(std::filesystem::exists(p.job + ".RPL"));
  std::vector<wintest::LayoutCase> cases2;
  for (const char* kind : {"DATA", "RESULTS"}) {
    // The case is chosen by the command's own callback here: the hops start at the chooser.
    wintest::LayoutCase c = wintest::DocumentCase([&] { RunPresentationCommand(owner_, chosen); }, "", 0, "P1", kind);
    c.hops.erase(c.hops.begin());
    cases2.push_back(c);
  }
  const std::vector<std::string> faults = wintest::LayoutFaultsOfCases(cases2, 60000);
  EXPECT_TRUE(faults.empty()) << wintest::Lines(faults);
}

// "&ANALYSE" for a tank with a cone roof under an apex load, the program folder's own solver:
// the base plate's, the wall's and the roof's files beside the job, the roof's apex marked.
TEST_F(AnalysisCommandTest, ProgramFoldersSolverWritesTheThreeFilesOfATankWithAConeRoof) {
  char self[MAX_PATH] = {0};
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  std::filesystem::copy_file(std::filesystem::path(self).parent_path() / "ANALYSIS.exe", "ANALYSIS.exe");
  testing::TankJob t;
  t.job = (std::filesystem::current_path() / "T1").string();
  t.roofElements = 20;
  t.roofShell = true;
  t.roofWidths.assign(20, 0.5);
  t.roofFalls.assign(20, 0.25);
  t.roofThickness = 0.1;
  t.roofConnection = "H";
  t.roofPoint = 100;
  testing::WriteTankJob(t, "Snow");
  TextLineArray cases = {"", "Snow"};
  ASSERT_TRUE(SaveTextLines(t.job + ".CAS", cases, 1));
  wintest::TraceCapture trace;
  auto result = RunScript({WhenDialog("   TANK ANALYSIS.   JOB: " + t.job, [&](HWND d) { wintest::PostClick(d, 1); })},
                          [&] {
                            RunAnalysisCommand(owner_, [] {
                              LoadCaseName = "Snow";
                              return 1;
                            });
                          },
                          60000);
  EXPECT_TRUE(result.finished);
  EXPECT_TRUE(trace.Records("BOX").empty());
  EXPECT_EQ(Tones(trace), kSixTones);
  for (const char* ext : {".RPS", ".RWS"}) EXPECT_GT(testing::Lines(t.job + ext).size(), 30u) << ext;
  std::vector<std::string> roof = testing::Lines(t.job + ".RRS");
  ASSERT_GT(roof.size(), 80u);
  EXPECT_EQ(roof[3], "Job: " + t.job + " //  Load Case: 'Snow'");
  EXPECT_EQ(roof[7], "ROOF");
  int marks = 0;
  for (const std::string& line : roof) marks += line.find("*INFINITY*") != std::string::npos;
  EXPECT_EQ(marks, 1);
}

}  // namespace
}  // namespace corvane
