// Trabix's frame routines in-process: the menu, the job and load-case dialogs with Trabix's
// profile, the analysis command with its dialog, the solver's stop warnings and the memory
// device context.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "../../../common/tests/testdir.h"
#include "../../tests/solvetool.h"
#include "../../tests/testsupport.h"
#include "app.h"
#include "reports.h"
#include "core/textfiles.h"
#include "trabix/core/analysis.h"
#include "win/ids.h"
#include "win/testing/analysisrun.h"
#include "win/testing/menucheck.h"
#include "trabix/app/ids.h"
#include "win/loaddialog.h"
#include "win/testing/wintest.h"

namespace fs = std::filesystem;
using wintest::RunScript;
using wintest::WhenDialog;
using wintest::WindowText;

namespace {

const char* const kCasesCaption = "  BEAM/STRIP: Load Name Specification/Selection";

// A main window of the program's class for the routines to work on.
class TrabixFrame : public ::testing::Test {
 protected:
  void SetUp() override {
    trabix::DimensionGlobals();
    trabix::StructureTitle.clear();
    JobSpec.clear();
    trabix::LoadCaseName.clear();
    trabix::CreateMainWindow(GetModuleHandleA(nullptr), SW_SHOWNOACTIVATE);
    ASSERT_NE(trabix::MainWindow, nullptr);
    trabix::InstallMenu(trabix::BuildJobMenu());
  }
  void TearDown() override {
    JobSpec.clear();  // nothing to archive
    if (trabix::MainWindow) DestroyWindow(trabix::MainWindow);
    wintest::DiscardMessages();
  }
  bool AnalysisEnabled() {
    return !(GetMenuState(trabix::MainMenu, 2, MF_BYPOSITION) & (MF_GRAYED | MF_DISABLED));
  }
  TestDirectory dir;
};

TEST_F(TrabixFrame, TheMenuHasItsItemsIdsAndPopupsWithAnalysisDisabled) {
  ASSERT_NO_FATAL_FAILURE(wintest::ExpectAnalysisProgramMenu(trabix::MainMenu));
  EXPECT_FALSE(AnalysisEnabled());
  EXPECT_EQ(WindowText(trabix::MainWindow), "  BEAM/STRIP ANALYSIS Program");
  char cls[100] = {0};
  GetClassNameA(trabix::MainWindow, cls, sizeof cls);
  EXPECT_EQ(std::string(cls), "BEAM/STRIP ANALYSIS");
}

// The job dialog: its caption the first time and afterwards, the job list, the caption of the
// main window and "&Analysis" enabled only with load cases and supports.
TEST_F(TrabixFrame, TheJobDialogNamesTheJobAndEnablesAnalysisOnlyWithCasesAndSupports) {
  std::string job = (fs::current_path() / "BEAMS" / "BEAM1").string();
  fs::create_directories("BEAMS");
  WriteBytes(job + ".CAS", "A\r\n");
  std::vector<std::string> captions;
  auto accept = [&](HWND d) {
    captions.push_back(WindowText(d));
    wintest::SetText(d, kNameBoxId, job);
    wintest::Click(d, IDOK);
  };
  ASSERT_TRUE(RunScript({WhenDialog("   Job Name Specification/Selection", accept)}, [] {
                EXPECT_EQ(trabix::ShowJobDialog(), 1);
              }).finished);
  EXPECT_EQ(WindowText(trabix::MainWindow), "     BEAM/STRIP ANALYSIS.   JOB: " + job);
  EXPECT_EQ(ReadBytes("FJOB$.INF"), job + "\r\n");
  EXPECT_FALSE(AnalysisEnabled());  // cases, but no support file
  WriteBytes(job + ".SUP", "Job: BEAM1 // SUPPORTS\r\n");
  ASSERT_TRUE(RunScript({WhenDialog("  BEAM/STRIP Job Name Specification/Selection", accept)}, [] {
                EXPECT_EQ(trabix::ShowJobDialog(), 1);
              }).finished);
  EXPECT_TRUE(AnalysisEnabled());
  EXPECT_EQ(DialogAnswer, 1);
}

TEST_F(TrabixFrame, TheLoadCaseDialogHasTrabixsControlsAndDeletesOnlyTheCasesLoadAndResults) {
  JobSpec = "JOB";
  trabix::StructureTitle = "BEAM/STRIP";
  WriteBytes("JOB.CAS", "A\r\nB\r\n");
  for (const char* f : {"JOB.LDB", "JOB.RBB", "JOB.RPB", "JOB.LDA", "JOB.GEO"}) WriteBytes(f, "x\r\n");
  int focus = 0;
  std::string checkText;
  ASSERT_TRUE(
      RunScript(
          {WhenDialog(
               kCasesCaption,
               [&](HWND d) {
                 focus = GetDlgCtrlID(GetFocus());
                 for (int id : {kInProcessNameBoxId, kOkId, kCancelId, kInProcessDeleteId, kInProcessFrameId})
                   EXPECT_NE(GetDlgItem(d, id), nullptr) << id;
                 checkText = WindowText(GetDlgItem(d, kCaseCheckId));
                 SendDlgItemMessageA(d, kInProcessNameBoxId, CB_SETCURSEL, 1, 0);
                 wintest::PostClick(d, kInProcessDeleteId);
               }),
           WhenDialog("Current Selection DELETION Enquiry", [](HWND box) { wintest::AnswerBox(box, IDYES); }),
           WhenDialog(kCasesCaption, [](HWND d) { wintest::Click(d, kCancelId); })},
          [] { EXPECT_EQ(trabix::ShowLoadCases(1), 0); })
          .finished);
  EXPECT_EQ(focus, kOkId);
  EXPECT_EQ(checkText, " Is LOAD DATA to be ENTERED/EDITED?");
  EXPECT_FALSE(fs::exists("JOB.LDB"));
  EXPECT_FALSE(fs::exists("JOB.RBB"));
  for (const char* f : {"JOB.RPB", "JOB.LDA", "JOB.GEO", "JOB.CAS"}) EXPECT_TRUE(fs::exists(f)) << f;
}

TEST_F(TrabixFrame, ALongCaseListIsReadWholeAndOffered) {
  JobSpec = "JOB";
  std::string list;
  for (int i = 0; i < 60; ++i) list += std::string(1, static_cast<char>(i < 26 ? 'A' + i : i < 52 ? 'a' + i - 26 : '0' + i - 52)) + "\r\n";
  WriteBytes("JOB.CAS", list);
  int offered = 0;
  ASSERT_TRUE(RunScript({WhenDialog(kCasesCaption,
                                    [&](HWND d) {
                                      offered = static_cast<int>(
                                          SendDlgItemMessageA(d, kInProcessNameBoxId, CB_GETCOUNT, 0, 0));
                                      SendDlgItemMessageA(d, kInProcessNameBoxId, CB_SETCURSEL, 59, 0);
                                      wintest::Click(d, kOkId);
                                    })},
                        [] { EXPECT_EQ(trabix::ShowLoadCases(2), 1); })
                  .finished);
  EXPECT_EQ(offered, 60);
  EXPECT_EQ(trabix::LoadCaseName, "7");
  TextLineArray lines;
  int count = 0;
  LoadTextLines("JOB.CAS", lines, 100, count);
  EXPECT_EQ(count, 60);
  EXPECT_EQ(lines[1], "7");
}

// The analysis command on a fixture job: the choice, the dialog, the report the solver tool
// also writes, and the six tones.
struct AnalysisRun {
  std::string caseCaption, dialogCaption, mainCaption;
  bool bothButtons = false;
  std::vector<std::vector<std::string>> tones, boxes;
};

AnalysisRun RunAnalysis(int mode, int button = 1) {
  AnalysisRun r;
  wintest::TraceCapture trace;
  bool ok = RunScript({WhenDialog(kCasesCaption,
                                  [&](HWND d) {
                                    r.caseCaption = WindowText(d);
                                    wintest::PostClick(d, kOkId);
                                  }),
                       WhenDialog("   BEAM/STRIP ANALYSIS.   JOB: " + JobSpec,
                                  [&, button](HWND d) {
                                    r.dialogCaption = WindowText(d);
                                    r.bothButtons = WindowText(GetDlgItem(d, 1)) == "&ANALYSE" &&
                                                    WindowText(GetDlgItem(d, kCancelId)) == "&CANCEL";
                                    wintest::PostClick(d, button);
                                  })},
                      [mode] { trabix::AnalysisCommand(mode); }, 20000)
                .finished;
  EXPECT_TRUE(ok);
  r.mainCaption = WindowText(trabix::MainWindow);
  for (const auto& t : trace.Records("TONE")) r.tones.push_back({t[1], t[2]});
  for (const auto& b : trace.Records("BOX")) r.boxes.push_back({b[1], b[2]});
  return r;
}

TEST_F(TrabixFrame, ElasticAndElasticPlasticAnalysesWriteTheSolverToolsReports) {
  for (int mode : {0, 1}) {
    trabix::testing::CopyJob("WINKYLD");
    JobSpec = "WINKYLD";
    trabix::StructureTitle = "BEAM/STRIP";
    DeleteIfExists("WINKYLD.RBP");
    AnalysisRun r = RunAnalysis(mode);
    EXPECT_EQ(r.dialogCaption, "   BEAM/STRIP ANALYSIS.   JOB: WINKYLD");
    EXPECT_TRUE(r.bothButtons);
    EXPECT_EQ(r.mainCaption, "     BEAM/STRIP ANALYSIS.   JOB: WINKYLD     Load Case: P");
    EXPECT_EQ(r.tones, wintest::kSixTones);
    EXPECT_TRUE(r.boxes.empty());
    ASSERT_TRUE(fs::exists("WINKYLD.RBP")) << mode;
    TextLineArray program = ReportWithoutDate("WINKYLD.RBP");
    std::string output;
    ASSERT_EQ(trabix::RunSolveTool({"WINKYLD", "P", mode ? "plastic" : "elastic"}, output), 0) << output;
    EXPECT_EQ(program, ReportWithoutDate("WINKYLD.RBP")) << mode;
    EXPECT_GT(program.size(), 10u);
    EXPECT_EQ(trabix::MemoryDC.get(), nullptr);  // released with the dialog, and only once
  }
  // The two modes differ on this fixture: its soil yields.
  std::string output;
  trabix::RunSolveTool({"WINKYLD", "P", "elastic"}, output);
  TextLineArray elastic = ReportWithoutDate("WINKYLD.RBP");
  trabix::RunSolveTool({"WINKYLD", "P", "plastic"}, output);
  EXPECT_NE(elastic, ReportWithoutDate("WINKYLD.RBP"));
}

TEST_F(TrabixFrame, AStopShowsItsMessageAfterItsTonesAndLeavesNoReport) {
  trabix::testing::CopyJob("HSSTRIP");
  JobSpec = "HSSTRIP";
  trabix::StructureTitle = "BEAM/STRIP";
  trabix::testing::EditFile("HSSTRIP.SUP", "ISOTROPIC YIELD STRESS: 600.00", "ISOTROPIC YIELD STRESS: 90.00");
  wintest::TraceCapture trace;
  std::string boxOwner;
  bool ok = RunScript({WhenDialog(kCasesCaption, [](HWND d) { wintest::PostClick(d, kOkId); }),
                       WhenDialog("   BEAM/STRIP ANALYSIS.   JOB: HSSTRIP", [](HWND d) { wintest::PostClick(d, 1); }),
                       WhenDialog("WARNING!",
                                  [&](HWND box) {
                                    boxOwner = WindowText(GetWindow(box, GW_OWNER));
                                    wintest::AnswerBox(box, IDOK);
                                  })},
                      [] { trabix::AnalysisCommand(1); }, 20000)
                .finished;
  EXPECT_TRUE(ok);
  EXPECT_EQ(boxOwner, "   BEAM/STRIP ANALYSIS.   JOB: HSSTRIP");
  std::vector<std::string> kinds;
  for (const auto& r : trace.Records())
    if (r[0] != "POINTER") kinds.push_back(r[0] == "TONE" ? r[0] + r[1] : r[0]);
  ASSERT_GE(kinds.size(), 5u);
  // The stop's four tones, then its box.
  auto box = std::find(kinds.begin(), kinds.end(), "BOX");
  ASSERT_NE(box, kinds.end());
  ASSERT_GE(box - kinds.begin(), 4);
  EXPECT_EQ(std::vector<std::string>(box - 4, box), (std::vector<std::string>{"TONE100", "TONE294", "TONE100", "TONE294"}));
  auto boxes = trace.Records("BOX");
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0][2].rfind("The LOAD is too LARGE to be CARRIED OUT", 0), 0u);
  EXPECT_FALSE(fs::exists("HSSTRIP.RBQ"));
}

TEST_F(TrabixFrame, CancelAndADeclinedCorrectionRunNothing) {
  trabix::testing::CopyJob("WINKYLD");
  JobSpec = "WINKYLD";
  trabix::StructureTitle = "BEAM/STRIP";
  AnalysisRun r = RunAnalysis(0, 2);
  EXPECT_TRUE(r.tones.empty());
  EXPECT_FALSE(fs::exists("WINKYLD.RBP"));
  // Without supports the check offers the correction; No runs nothing.
  fs::remove("WINKYLD.SUP");
  wintest::TraceCapture trace;
  std::string question;
  bool ok = RunScript({WhenDialog(" WARNING!",
                                  [&](HWND box) {
                                    question = wintest::BoxText(box);
                                    wintest::AnswerBox(box, IDNO);
                                  })},
                      [] { trabix::AnalysisCommand(0); })
                .finished;
  EXPECT_TRUE(ok);
  EXPECT_NE(question.find(" Do you wish to Correct the Data? "), std::string::npos) << question;
  EXPECT_EQ(DialogAnswer, 0);
  EXPECT_FALSE(fs::exists("WINKYLD.RBP"));
  EXPECT_TRUE(trace.Records("TONE").empty());
}

TEST_F(TrabixFrame, SaveJobAsCopiesTheJobRenamesItsHeadersAndPacksTheOldOne) {
  fs::create_directories("BEAMS");
  fs::current_path("BEAMS");
  trabix::testing::CopyJob("WINKYLD");
  fs::current_path("..");
  std::string oldJob = (fs::current_path() / "BEAMS" / "WINKYLD").string();
  std::string newJob = (fs::current_path() / "BEAMS" / "BEAM2").string();
  JobSpec = oldJob;
  trabix::StructureTitle = "BEAM/STRIP";
  // The archive packs only with ZLIB.DLL in the current directory, as in the program directory.
  char exe[MAX_PATH] = {0};
  GetModuleFileNameA(nullptr, exe, MAX_PATH);
  fs::copy_file(fs::path(exe).parent_path() / "ZLIB.DLL", "ZLIB.DLL");
  ASSERT_TRUE(RunScript({WhenDialog("  BEAM/STRIP Job Name Specification/Selection",
                                    [&](HWND d) {
                                      wintest::SetText(d, kNameBoxId, newJob);
                                      wintest::Click(d, IDOK);
                                    })},
                        [] { trabix::DispatchCommand(kSaveJobAsCommand); })
                  .finished);
  EXPECT_EQ(JobSpec, newJob);
  auto first = trabix::testing::FirstLine;
  EXPECT_EQ(first(newJob + ".GEO").rfind("Job: " + newJob, 0), 0u) << first(newJob + ".GEO");
  EXPECT_EQ(first(newJob + ".SUP").rfind("Job: " + newJob, 0), 0u) << first(newJob + ".SUP");
  EXPECT_EQ(first(newJob + ".LDP").rfind("Job: " + newJob, 0), 0u) << first(newJob + ".LDP");
  EXPECT_EQ(first(newJob + ".CAS"), "P");
  EXPECT_TRUE(AnalysisEnabled());
  // The old job is packed away.
  EXPECT_TRUE(fs::exists(oldJob + ".ZIP"));
  EXPECT_FALSE(fs::exists(oldJob + ".GEO"));
}

TEST_F(TrabixFrame, TheAuthorBoxHasItsCaptionOurContactLinesAndEndsOnOk) {
  std::string text, button;
  DialogAnswer = 0;
  ASSERT_TRUE(RunScript({WhenDialog("Pile Analysis",
                                    [&](HWND box) {
                                      text = wintest::GetText(box, trabix::kAuthorTextId);
                                      button = wintest::GetText(box, IDOK);
                                      wintest::Click(box, IDOK);
                                    })},
                        [] { trabix::DispatchCommand(kAuthorBoxCommand); })
                  .finished);
  EXPECT_EQ(text,
            "BEAM/STRIP ANALYSIS\r\nAuthor: the ZOR software authors\r\n"
            "Contact: the address given with your copy of the software");
  EXPECT_EQ(button, "&Ok");
  EXPECT_EQ(DialogAnswer, 1);
  EXPECT_EQ(wintest::FindDialog("Pile Analysis"), nullptr);
}

}  // namespace
