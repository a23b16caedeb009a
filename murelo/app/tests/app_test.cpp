// Murelo's frame routines in-process: the menu, the job and load-case dialogs with Murelo's
// profile, where the pointer parks after each command, the job check's correction box,
// "&New Job" cancelled, save-as and the author box.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "../../../common/tests/testdir.h"
#include "../../tests/testsupport.h"
#include "app.h"
#include "core/archive.h"
#include "core/textfiles.h"
#include "../../tests/solvetool.h"
#include "win/dialogs.h"
#include "win/ids.h"
#include "win/testing/analysisrun.h"
#include "win/testing/layout.h"
#include "win/testing/menucheck.h"
#include "win/testing/wintest.h"
#include "murelo/entry/ids.h"

namespace fs = std::filesystem;
using wintest::RunScript;
using wintest::WhenDialog;
using wintest::WindowText;

namespace {

const char* const kJobCaption = " Job Name Specification/Selection";
const char* const kCasesCaption = "  Retaining Wall: Load Name Specification/Selection";
const char* const kEntryCaption = "   Retaining Wall ANALYSIS.   JOB: WALL";

std::string FirstLine(const std::string& file) {
  TextLineArray lines;
  int count = 0;
  LoadTextLines(file, lines, 10, count);
  return count > 0 ? lines[1] : std::string();
}

// A main window of the program's class for the routines to work on.
class MureloFrame : public ::testing::Test {
 protected:
  void SetUp() override {
    murelo::DimensionGlobals();
    murelo::StructureTitle.clear();
    JobSpec.clear();
    murelo::LoadCaseName.clear();
    murelo::CreateMainWindow(GetModuleHandleA(nullptr), SW_SHOWNOACTIVATE);
    ASSERT_NE(murelo::MainWindow, nullptr);
    murelo::InstallMenu(murelo::BuildJobMenu());
  }
  void TearDown() override {
    JobSpec.clear();  // nothing to archive
    if (murelo::MainWindow) DestroyWindow(murelo::MainWindow);
    wintest::DiscardMessages();
  }
  bool AnalysisEnabled() { return !(GetMenuState(murelo::MainMenu, 2, MF_BYPOSITION) & (MF_GRAYED | MF_DISABLED)); }
  // The archive packs only with ZLIB.DLL in the current directory, as in the program directory.
  void WithZlib() {
    char exe[MAX_PATH] = {0};
    GetModuleFileNameA(nullptr, exe, MAX_PATH);
    fs::copy_file(fs::path(exe).parent_path() / "ZLIB.DLL", "ZLIB.DLL");
  }
  // Opens the job through the job dialog.
  void OpenJob(const std::string& job) {
    ASSERT_TRUE(RunScript({WhenDialog(kJobCaption,
                                      [&](HWND d) {
                                        wintest::SetText(d, kNameBoxId, job);
                                        wintest::Click(d, IDOK);
                                      })},
                          [] { EXPECT_EQ(murelo::ShowJobDialog(), 1); })
                    .finished);
  }
  TestDirectory dir;
};

TEST_F(MureloFrame, TheMenuHasItsItemsIdsAndPopupsWithAnalysisDisabled) {
  ASSERT_NO_FATAL_FAILURE(wintest::ExpectAnalysisProgramMenu(murelo::MainMenu));
  EXPECT_FALSE(AnalysisEnabled());
  EXPECT_EQ(WindowText(murelo::MainWindow), "  RETAINING WALL ANALYSIS Program");
  char cls[100] = {0};
  GetClassNameA(murelo::MainWindow, cls, sizeof cls);
  EXPECT_EQ(std::string(cls), "RETAINING WALL ANALYSIS");
}

TEST_F(MureloFrame, TheJobDialogNamesTheJobAndEnablesAnalysisOnlyWithCasesAndSupports) {
  fs::create_directories("WALLS");
  std::string job = (fs::current_path() / "WALLS" / "WALL1").string();
  WriteBytes(job + ".COX", "A\r\n");
  OpenJob(job);
  EXPECT_EQ(WindowText(murelo::MainWindow), "     Retaining Wall ANALYSIS.   JOB: " + job);
  EXPECT_EQ(murelo::StructureTitle, "Retaining Wall");
  EXPECT_EQ(murelo::CurrentSubstructure, "BASE PLATE");
  EXPECT_EQ(ReadBytes("FJOB$.INF"), job + "\r\n");
  EXPECT_FALSE(AnalysisEnabled());  // cases, but no support file
  WriteBytes(job + ".SUP", "Job: WALL1 // SUPPORTS\r\n");
  OpenJob(job);
  EXPECT_TRUE(AnalysisEnabled());
}

TEST_F(MureloFrame, TheLoadCaseDialogHasMurelosControlsAndDeletesTheCasesLoadAndResults) {
  JobSpec = "WALL";
  murelo::StructureTitle = "Retaining Wall";
  WriteBytes("WALL.COX", "A\r\nB\r\n");
  for (const char* f : {"WALL.LDA", "WALL.RBA", "WALL.LDB", "WALL.geo"}) WriteBytes(f, "x\r\n");
  std::string check;
  RECT box{};
  bool ok = RunScript({WhenDialog(kCasesCaption,
                                  [&](HWND d) {
                                    check = wintest::GetText(d, kCaseCheckId);
                                    GetWindowRect(GetDlgItem(d, kCaseCheckId), &box);
                                    EXPECT_NE(GetDlgItem(d, kInProcessNameBoxId), nullptr);
                                    EXPECT_NE(GetDlgItem(d, kInProcessFrameId), nullptr);
                                    EXPECT_EQ(wintest::GetText(d, IDOK), "&Ok");
                                    wintest::PostClick(d, kInProcessDeleteId);
                                  }),
                       WhenDialog("Current Selection DELETION Enquiry", [](HWND b) { wintest::AnswerBox(b, IDYES); }),
                       WhenDialog(kCasesCaption, [](HWND d) { wintest::Click(d, kCancelId); })},
                      [] { EXPECT_EQ(murelo::ShowLoadCases(1), 0); })
                .finished;
  ASSERT_TRUE(ok);
  EXPECT_EQ(check, " Is LOAD DATA to be ENTERED/EDITED?");
  EXPECT_GT(box.right - box.left, 0);
  EXPECT_FALSE(fs::exists("WALL.LDA"));
  EXPECT_FALSE(fs::exists("WALL.RBA"));
  EXPECT_TRUE(fs::exists("WALL.LDB"));
  EXPECT_TRUE(fs::exists("WALL.geo"));
}

// After each command the pointer is parked on the menu bar: x 100 after the load command, 160
// after the analysis, presentation and plot commands, 60 after the others.
TEST_F(MureloFrame, ThePointerParksOnTheMenuBarByCommand) {
  JobSpec = "WALL";
  murelo::StructureTitle = "Retaining Wall";
  auto parkedAt = [](int x) {
    POINT p{x, 0};
    ClientToScreen(murelo::MainWindow, &p);
    return p.x;
  };
  auto cursorX = [] {
    POINT p{};
    GetCursorPos(&p);
    return p.x;
  };
  struct Case {
    int id, x;
  };
  // The load command's dialog and the analysis check's boxes are left with Cancel and No.
  const std::vector<wintest::Step> leave = {
      WhenDialog(kCasesCaption, [](HWND d) { wintest::Click(d, kCancelId); }),
      WhenDialog(" WARNING!", [](HWND b) { wintest::AnswerBox(b, IDNO); }),
      WhenDialog(kEntryCaption, [](HWND d) { wintest::Click(d, kCancelId); }),
  };
  for (const Case& c : {Case{kLoadCommand, 100}, Case{kElasticAnalysisCommand, 160}, Case{kPlasticAnalysisCommand, 160},
                        Case{kPresentationCommand, 160}, Case{kPlotCommand, 160}, Case{kGeometryCommand, 60},
                        Case{kSupportCommand, 60}}) {
    SCOPED_TRACE(c.id);
    SetCursorPos(0, 0);
    RunScript(leave, [&] { murelo::DispatchCommand(c.id); }, 3000);
    EXPECT_EQ(cursorX(), parkedAt(c.x));
  }
}

TEST_F(MureloFrame, TheCheckAsksWithTheCorrectionBox) {
  JobSpec = "WALL";
  murelo::testing::WriteGeometry("WALL", murelo::testing::StandardWall());
  murelo::testing::WriteLoads("WALL", "A", murelo::testing::WallLoads());
  std::string text, caption;
  bool ok = RunScript({WhenDialog(" WARNING!",
                                  [&](HWND box) {
                                    text = wintest::BoxText(box);
                                    wintest::AnswerBox(box, IDNO);
                                  })},
                      [] { EXPECT_EQ(murelo::CheckJobForAnalysis(), 0); })
                .finished;
  EXPECT_TRUE(ok);
  EXPECT_EQ(text, " SUPPORT CONDITIONS ARE NOT SPECIFIED\r\n\r\n Do you wish to Correct the Data? ");
  // Sound supports: no box at all.
  murelo::testing::WallSupports s;
  s.unyielding = "1,5";
  murelo::testing::WriteSupports("WALL", s, 4);
  EXPECT_EQ(murelo::CheckJobForAnalysis(), 1);
}

// A toe that falls between the base plate's nodes is refused before any analysis, with the
// geometry's correction offer.
TEST_F(MureloFrame, TheCheckRefusesAToeOffThePlatesNodes) {
  JobSpec = "WALL";
  murelo::testing::WallGeometry g = murelo::testing::StandardWall();
  g.plate = {50, 0.08, 0.5};  // 1.0 m lies between the 12th and 13th element ends
  g.toe = 1.0;
  murelo::testing::WriteGeometry("WALL", g);
  murelo::testing::WallSupports s;
  s.unyielding = "1,51";
  murelo::testing::WriteSupports("WALL", s, 50);
  murelo::testing::WriteLoads("WALL", "A", murelo::testing::WallLoads());
  murelo::StructureTitle = "Retaining Wall";
  std::vector<std::string> texts;
  const std::string before = WindowText(murelo::MainWindow);
  bool ok = RunScript({WhenDialog(" WARNING!",
                                  [&](HWND box) {
                                    texts.push_back(wintest::BoxText(box));
                                    wintest::AnswerBox(box, IDNO);
                                  })},
                      [] { murelo::DispatchCommand(kElasticAnalysisCommand); })
                .finished;
  EXPECT_TRUE(ok);
  // The command ends at the refusal: no case is asked for, the caption names no analysis.
  EXPECT_EQ(WindowText(murelo::MainWindow), before);
  EXPECT_EQ(texts, std::vector<std::string>{
                       " BASE PLATE GEOMETRY AND MAT. PROPERTIES DATA ARE MISSING!\r\n\r\n Do you wish to Correct the Data? "});
  EXPECT_FALSE(fs::exists("WALL.RBA"));
}

// Commands 306 and 307 open the substructure selection with their own action; the check's
// support correction opens the support command, whose file is written when it closes.
TEST_F(MureloFrame, DataCommandsAndTheSupportCorrectionOpenTheSubstructureSelection) {
  JobSpec = "WALL";
  murelo::StructureTitle = "Retaining Wall";
  murelo::testing::WriteGeometry("WALL", murelo::testing::StandardWall());
  murelo::testing::WriteLoads("WALL", "A", murelo::testing::WallLoads());
  std::vector<std::string> actions;
  auto note = [&](HWND d) {
    for (int id : {murelo::kGeometryActionId, murelo::kSupportActionId, murelo::kLoadActionId})
      if (GetDlgItem(d, id)) actions.push_back(std::to_string(id) + " " + wintest::GetText(d, id));
    wintest::Click(d, kCancelId);
  };
  ASSERT_TRUE(RunScript({WhenDialog(kEntryCaption, note)}, [] { murelo::DispatchCommand(kGeometryCommand); }).finished);
  ASSERT_TRUE(RunScript({WhenDialog(kEntryCaption, note)}, [] { murelo::DispatchCommand(kSupportCommand); }).finished);
  std::vector<std::string> boxes;
  bool ok = RunScript({WhenDialog(" WARNING!",
                                  [&](HWND box) {
                                    boxes.push_back(wintest::BoxText(box));
                                    wintest::AnswerBox(box, IDYES);
                                  }),
                       WhenDialog(kEntryCaption, note),
                       WhenDialog(" WARNING!",
                                  [&](HWND box) {
                                    boxes.push_back(wintest::BoxText(box));
                                    wintest::AnswerBox(box, IDNO);
                                  })},
                      [] { EXPECT_EQ(murelo::CheckJobForAnalysis(), 0); })
                .finished;
  ASSERT_TRUE(ok);
  const std::string geometry = std::to_string(murelo::kGeometryActionId) + " &ENTER / EDIT Geometry and Material Properties Data";
  const std::string supports = std::to_string(murelo::kSupportActionId) + " &ENTER / EDIT Support General Data";
  EXPECT_EQ(actions, (std::vector<std::string>{geometry, supports, supports}));
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(FirstLine("WALL.SUP"), "Job: WALL // SUPPORTS");
}

TEST_F(MureloFrame, NewJobCancelledKeepsTheJobOpenWithItsFilesLoose) {
  WithZlib();
  fs::create_directories("WALLS");
  std::string job = (fs::current_path() / "WALLS" / "WALL1").string();
  OpenJob(job);
  WriteBytes(job + ".geo", "Job: geometry\r\n");
  WriteBytes(job + ".SUP", "Job: supports\r\n");
  ASSERT_TRUE(RunScript({WhenDialog(kJobCaption, [](HWND d) { wintest::Click(d, IDCANCEL); })},
                        [] { murelo::DispatchCommand(kNewJobCommand); })
                  .finished);
  EXPECT_EQ(JobSpec, job);
  EXPECT_TRUE(fs::exists(job + ".ZIP"));  // it was packed before the dialog
  EXPECT_EQ(ReadBytes(job + ".SUP"), "Job: supports\r\n");
  EXPECT_TRUE(fs::exists(job + ".geo"));
}

TEST_F(MureloFrame, SaveJobAsRenamesTheHeadersMakesEmptyLoadFilesAndPacksTheOldJob) {
  WithZlib();
  fs::create_directories("WALLS");
  std::string oldJob = (fs::current_path() / "WALLS" / "WALL9").string();
  std::string newJob = (fs::current_path() / "WALLS" / "WALL9B").string();
  WriteBytes(oldJob + ".geo", "Job: WALL9 // GEOMETRY & MAT. PROPERTIES\r\nBASE PLATE DATA:\r\n");
  WriteBytes(oldJob + ".SUP", "Job: WALL9 // SUPPORTS\r\nTOE\r\n");
  WriteBytes(oldJob + ".COX", " A\r\nB\r\n");
  WriteBytes(oldJob + ".LDA", "Job: WALL9 // LOADS ( A)\r\nBASE PLATE LOAD DATA:\r\n");
  JobSpec = oldJob;
  murelo::StructureTitle = "Retaining Wall";
  ASSERT_TRUE(RunScript({WhenDialog(kJobCaption,
                                    [&](HWND d) {
                                      wintest::SetText(d, kNameBoxId, newJob);
                                      wintest::Click(d, IDOK);
                                    })},
                        [] { murelo::DispatchCommand(kSaveJobAsCommand); })
                  .finished);
  EXPECT_EQ(JobSpec, newJob);
  EXPECT_EQ(FirstLine(newJob + ".geo"), "Job: " + newJob + " // GEOMETRY & MAT. PROPERTIES");
  EXPECT_EQ(FirstLine(newJob + ".SUP"), "Job: " + newJob + " // SUPPORTS");
  EXPECT_EQ(ReadBytes(newJob + ".LDA"), "Job: " + newJob + " // LOADS ( A)\r\nBASE PLATE LOAD DATA:\r\n");
  ASSERT_TRUE(fs::exists(newJob + ".LDB"));
  EXPECT_EQ(fs::file_size(newJob + ".LDB"), 0u);
  EXPECT_EQ(ReadBytes(newJob + ".COX"), " A\r\nB\r\n");
  EXPECT_TRUE(AnalysisEnabled());
  EXPECT_TRUE(fs::exists(oldJob + ".ZIP"));
  EXPECT_FALSE(fs::exists(oldJob + ".geo"));
  EXPECT_FALSE(fs::exists(oldJob + ".LDA"));
}

TEST_F(MureloFrame, TheAuthorBoxKeepsItsCaptionAndNamesNoPerson) {
  std::string text;
  DialogAnswer = 0;
  ASSERT_TRUE(RunScript({WhenDialog("Pile Analysis",
                                    [&](HWND box) {
                                      text = WindowText(FindWindowExA(box, nullptr, "Static", nullptr));
                                      wintest::Click(box, IDOK);
                                    })},
                        [] { murelo::DispatchCommand(kAuthorBoxCommand); })
                  .finished);
  EXPECT_EQ(text.rfind("The ZOR software authors\r\n", 0), 0u) << text;
  EXPECT_EQ(DialogAnswer, 1);
}

// The menu's analysis command of the mode, the case chosen and the dialog's button pressed.
wintest::AnalysisRun RunAnalysis(int mode, int button) {
  return wintest::RunAnalysisDialog(
      WhenDialog(kCasesCaption, [](HWND d) { wintest::PostClick(d, IDOK); }),
      "   Retaining Wall ANALYSIS.   JOB: " + JobSpec, button,
      [mode] { murelo::DispatchCommand(mode ? kPlasticAnalysisCommand : kElasticAnalysisCommand); });
}

// The standard wall on Winkler soil that yields at `yield` (0: never), the toe restrained.
void WriteWinklerWall(double plateLoad, double yield) {
  murelo::testing::WriteGeometry("WALL", murelo::testing::StandardWall());
  murelo::testing::WallSupports s;
  s.winkler = 10000;
  s.winklerYield = yield;
  murelo::testing::WriteSupports("WALL", s, 4);
  murelo::testing::WallLoads l;
  l.plateUniform = plateLoad;
  murelo::testing::WriteLoads("WALL", "A", l);
  JobSpec = "WALL";
  murelo::StructureTitle = "Retaining Wall";
}

TEST_F(MureloFrame, AnalyseWritesTheSolverToolsReportAndPlaysTheSixTones) {
  WriteWinklerWall(50, 60);  // carried within the yield stress
  for (int mode : {1, 0}) {
    SCOPED_TRACE(mode);
    DeleteIfExists("WALL.RBA");
    wintest::AnalysisRun r = RunAnalysis(mode, kAnalyseId);
    EXPECT_TRUE(r.boxes.empty());
    EXPECT_EQ(r.dialogCaption, "   Retaining Wall ANALYSIS.   JOB: WALL");
    ASSERT_NO_FATAL_FAILURE(wintest::ExpectTheAnalysisDialogsPlaces(r));
    EXPECT_EQ(r.tones, wintest::kSixTones);
    EXPECT_EQ(WindowText(murelo::MainWindow), "     Retaining Wall ANALYSIS.   JOB: WALL     Load Case: A");
    ASSERT_TRUE(fs::exists("WALL.RBA"));
    std::string program = ReadBytes("WALL.RBA"), output;
    ASSERT_EQ(murelo::RunSolveTool({"WALL", "A", mode ? "plastic" : "elastic"}, output), 0) << output;
    EXPECT_EQ(program, ReadBytes("WALL.RBA"));
    EXPECT_GT(program.size(), 500u);
  }
}

// The ready screen's fonts (character box and weight): the title 60 x 60 weight 500, labels 30 x 30
// and values 40 x 30 weight 600, the "Click ..." lines 40 x 30; the pointer on the dialog's
// client origin.
TEST_F(MureloFrame, TheReadyScreenHasItsFontsAndThePointerOnTheClientOrigin) {
  JobSpec = "WALL";
  murelo::StructureTitle = "Retaining Wall";
  murelo::LoadCaseName = "A";
  wintest::TraceCapture trace;
  POINT pointer{}, origin{};
  EXPECT_TRUE(RunScript({WhenDialog("   Retaining Wall ANALYSIS.   JOB: WALL",
                                    [&](HWND d) {
                                      GetCursorPos(&pointer);
                                      ClientToScreen(d, &origin);
                                      wintest::PostClick(d, kExitId);
                                    })},
                        [] { murelo::ShowAnalysisDialog(0); })
                  .finished);
  EXPECT_EQ(pointer.x, origin.x);
  EXPECT_EQ(pointer.y, origin.y);
  std::vector<std::string> fonts;
  for (const std::string& line : trace.Lines())
    if (line.rfind("gfx GfxFontEx(", 0) == 0) fonts.push_back(line.substr(0, line.find(')') + 1));
  const std::string face = "gfx GfxFontEx(7, \"";
  const std::vector<std::string> want = {face + "Arial\", 60, 60, 500, 16711680, 0, 0)",
                                         face + "Arial\", 30, 30, 600, 6316128, 0, 0)",
                                         face + "Times New Roman\", 40, 30, 600, 0, 0, 0)",
                                         face + "Arial\", 40, 30, 600, 255, 0, 0)"};
  for (const std::string& w : want)
    EXPECT_NE(std::find(fonts.begin(), fonts.end(), w), fonts.end()) << w << "\n" << wintest::Lines(fonts);
}

TEST_F(MureloFrame, CancelWritesNothingAndPlaysNothing) {
  WriteWinklerWall(50, 0);
  wintest::AnalysisRun r = RunAnalysis(0, kExitId);
  EXPECT_TRUE(r.tones.empty());
  EXPECT_FALSE(fs::exists("WALL.RBA"));
  EXPECT_EQ(DialogAnswer, 0);
}

TEST_F(MureloFrame, AStopIsABoxOwnedByTheAnalysisDialogAndTheTonesStillFollow) {
  WriteWinklerWall(200, 100);  // 1.1 x 800 kN beyond the soil's 400
  wintest::AnalysisRun r = RunAnalysis(1, kAnalyseId);
  ASSERT_EQ(r.boxes.size(), 1u);
  EXPECT_EQ(r.boxes[0].rfind("The LOAD is too LARGE to be CARRIED OUT", 0), 0u) << r.boxes[0];
  EXPECT_EQ(r.boxOwners[0], "   Retaining Wall ANALYSIS.   JOB: WALL");
  EXPECT_TRUE(r.hiddenDuringAnalysis);
  EXPECT_FALSE(fs::exists("WALL.RBA"));
  ASSERT_EQ(r.tones.size(), 10u);
  EXPECT_EQ(r.tones[0], (std::vector<std::string>{"100", "550"}));
  EXPECT_EQ(std::vector<std::vector<std::string>>(r.tones.begin() + 4, r.tones.end()), wintest::kSixTones);
}

}  // namespace
