// Palvore's frame routines in-process: the menu, the job and load-case dialogs with Palvore's
// profile, the analysis command with the shared analysis dialog, save-as and the archive.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <string>
#include <vector>

#include "../../tests/testsupport.h"
#include "app.h"
#include "core/archive.h"
#include "core/hostfs.h"
#include "core/reporttext.h"
#include "core/textfiles.h"
#include "palvore/core/analysis.h"
#include "palvore/entry/ids.h"
#include "win/analysisdialog.h"
#include "win/files_win.h"
#include "win/ids.h"
#include "win/testing/analysisrun.h"
#include "win/testing/menucheck.h"
#include "win/loaddialog.h"
#include "win/testing/layout.h"
#include "win/testing/program.h"
#include "win/testing/wintest.h"

namespace fs = std::filesystem;
using palvore::testing::FileLines;
using palvore::testing::PileJob;
using wintest::RunScript;
using wintest::WhenDialog;
using wintest::WindowText;

namespace {

const char* const kCasesCaption = "  PILE/SHEET-PILE: Load Name Specification/Selection";
const char* const kJobCaption = "  PILE/SHEET-PILE Job Name Specification/Selection";
const char* const kFirstJobCaption = "   Job Name Specification/Selection";
const char* const kPalTest = "C:\\PALTEST";

std::vector<std::string> Lines(const std::string& file) {
  TextLineArray lines = FileLines(file);
  return std::vector<std::string>(lines.begin() + 1, lines.end());
}

class PalvoreFrame : public ::testing::Test {
 protected:
  void SetUp() override {
    SetReportClock([] { return std::tm{}; });
    palvore::DimensionGlobals();
    palvore::StructureTitle.clear();
    JobSpec.clear();
    palvore::LoadCaseName.clear();
    std::error_code ec;
    fs::remove_all(kPalTest, ec);
    palvore::CreateMainWindow(GetModuleHandleA(nullptr), SW_SHOWNOACTIVATE);
    ASSERT_NE(palvore::MainWindow, nullptr);
    palvore::InstallMenu(palvore::BuildJobMenu());
  }
  void TearDown() override {
    SetReportClock(nullptr);
    JobSpec.clear();  // nothing to archive
    if (palvore::MainWindow) DestroyWindow(palvore::MainWindow);
    wintest::DiscardMessages();
    std::error_code ec;
    fs::remove_all(kPalTest, ec);
  }
  bool AnalysisEnabled() { return !(GetMenuState(palvore::MainMenu, 2, MF_BYPOSITION) & (MF_GRAYED | MF_DISABLED)); }
  // The job dialog with the text typed and "&Ok" pressed; the warnings it shows on the way.
  std::vector<std::string> TypeJob(const std::string& caption, const std::string& text, int expected) {
    std::vector<std::string> warnings;
    auto type = [text](HWND d) {
      wintest::SetText(d, kInProcessNameBoxId, text);
      wintest::PostClick(d, IDOK);
    };
    std::vector<wintest::Step> steps = {WhenDialog(caption, type)};
    if (expected == 0)
      steps.insert(steps.end(), {WhenDialog("WARNING!",
                                            [&](HWND box) {
                                              warnings.push_back(wintest::BoxText(box));
                                              wintest::AnswerBox(box, IDOK);
                                            }),
                                 WhenDialog(caption, [](HWND d) { wintest::PostClick(d, IDCANCEL); })});
    EXPECT_TRUE(RunScript(steps, [expected] { EXPECT_EQ(palvore::ShowJobDialog(), expected); }).finished);
    return warnings;
  }
  TestDirectory dir;
};

TEST_F(PalvoreFrame, TheMenuBarHasItsItemsWithAnalysisGreyed) {
  ASSERT_NO_FATAL_FAILURE(wintest::ExpectAnalysisProgramMenu(palvore::MainMenu));
  EXPECT_FALSE(AnalysisEnabled());
}

TEST_F(PalvoreFrame, TheJobDialogRefusesBadSpecificationsAndOpensAGoodOne) {
  const std::string tail = "\r\n\r\nCorrect the Job Specification!";
  EXPECT_EQ(TypeJob(kFirstJobCaption, "C:\\PALTEST\\PILE1.GEO", 0),
            (std::vector<std::string>{"No File Name Extension and no Dot\r\nshould be provided in Job Specification!" + tail}));
  EXPECT_EQ(TypeJob(kJobCaption, "C:\\PALTEST\\PILE 1", 0),
            (std::vector<std::string>{"PROHIBITED characters are present in the PATH/FILE" + tail}));
  // A refused text never becomes the job.
  EXPECT_EQ(JobSpec, "");
  EXPECT_FALSE(fs::exists("FJOB$.INF"));
  EXPECT_TRUE(TypeJob(kJobCaption, "C:\\PALTEST\\PILE1", 1).empty());
  EXPECT_EQ(JobSpec, "C:\\PALTEST\\PILE1");
  EXPECT_EQ(Lines("FJOB$.INF"), (std::vector<std::string>{"C:\\PALTEST\\PILE1"}));
  EXPECT_TRUE(fs::is_directory(kPalTest));
  EXPECT_EQ(WindowText(palvore::MainWindow), "     PILE/SHEET-PILE ANALYSIS.   JOB: C:\\PALTEST\\PILE1");
  EXPECT_FALSE(AnalysisEnabled());  // no load cases, no supports
}

TEST_F(PalvoreFrame, TheJobListPutsTheChosenJobFirstAndShowsTwelve) {
  WriteBytes("FJOB$.INF", "A\r\nB\r\nC\r\n");
  ASSERT_TRUE(RunScript({WhenDialog(kFirstJobCaption,
                                    [](HWND d) {
                                      SendDlgItemMessageA(d, kInProcessNameBoxId, CB_SETCURSEL, 1, 0);
                                      wintest::Click(d, IDOK);
                                    })},
                        [] { EXPECT_EQ(palvore::ShowJobDialog(), 1); })
                  .finished);
  EXPECT_EQ(JobSpec, "B");
  EXPECT_EQ(Lines("FJOB$.INF"), (std::vector<std::string>{"B", "A", "C"}));
  std::string list;
  for (int i = 1; i <= 15; ++i) list += "J" + std::to_string(i) + "\r\n";
  WriteBytes("FJOB$.INF", list);
  int shown = 0;
  ASSERT_TRUE(RunScript({WhenDialog(kJobCaption,
                                    [&](HWND d) {
                                      shown = static_cast<int>(SendDlgItemMessageA(d, kInProcessNameBoxId, CB_GETCOUNT, 0, 0));
                                      wintest::Click(d, IDCANCEL);
                                    })},
                        [] { EXPECT_EQ(palvore::ShowJobDialog(), 0); })
                  .finished);
  EXPECT_EQ(shown, 12);
  EXPECT_EQ(JobSpec, "B");
}

TEST_F(PalvoreFrame, LoadCaseNamesNeedDistinctFirstLettersAndADeleteTakesTheCasesFiles) {
  JobSpec = "PILE1";
  palvore::StructureTitle = "PILE/SHEET-PILE";
  // A new name whose first letter another name has: refused, the list untouched.
  WriteBytes("PILE1.COX", "A\r\nBx\r\n");
  std::string warning, checkText;
  ASSERT_TRUE(RunScript({WhenDialog(kCasesCaption,
                                    [&](HWND d) {
                                      checkText = WindowText(GetDlgItem(d, kCaseCheckId));
                                      wintest::SetText(d, kInProcessNameBoxId, "B");
                                      wintest::PostClick(d, kOkId);
                                    }),
                         WhenDialog("WARNING!",
                                    [&](HWND box) {
                                      warning = wintest::BoxText(box);
                                      wintest::AnswerBox(box, IDOK);
                                    }),
                         WhenDialog(kCasesCaption, [](HWND d) { wintest::PostClick(d, kCancelId); })},
                        [] { EXPECT_EQ(palvore::ShowLoadCases(1), 0); })
                  .finished);
  EXPECT_EQ(checkText, " Is LOAD DATA to be ENTERED/EDITED?");
  EXPECT_EQ(warning, "FIRST Letters of LOAD CASE NAMES MUST be DISTINCT!\r\n\r\nCorrect the LOAD NAME!");
  EXPECT_EQ(ReadBytes("PILE1.COX"), "A\r\nBx\r\n");
  // A listed name typed again with the box ticked: first in the list, the dialog ends with 1.
  WriteBytes("PILE1.COX", "A\r\nB\r\n");
  ASSERT_TRUE(RunScript({WhenDialog(kCasesCaption,
                                    [](HWND d) {
                                      wintest::SetText(d, kInProcessNameBoxId, "B");
                                      wintest::Click(d, kOkId);
                                    })},
                        [] { EXPECT_EQ(palvore::ShowLoadCases(1), 1); })
                  .finished);
  EXPECT_EQ(Lines("PILE1.COX"), (std::vector<std::string>{"B", "A"}));
  EXPECT_EQ(palvore::LoadCaseName, "B");
  EXPECT_EQ(WindowText(palvore::MainWindow), "     PILE/SHEET-PILE ANALYSIS.   JOB: PILE1     Load Case: B");
  // Deleting A takes its load and results files, nobody else's.
  for (const char* f : {"PILE1.LDA", "PILE1.RBA", "PILE1.LDB", "PILE1.GEO"}) WriteBytes(f, "x\r\n");
  ASSERT_TRUE(RunScript({WhenDialog(kCasesCaption,
                                    [](HWND d) {
                                      SendDlgItemMessageA(d, kInProcessNameBoxId, CB_SETCURSEL, 1, 0);
                                      wintest::PostClick(d, kInProcessDeleteId);
                                    }),
                         WhenDialog("Current Selection DELETION Enquiry", [](HWND box) { wintest::AnswerBox(box, IDYES); }),
                         WhenDialog(kCasesCaption, [](HWND d) { wintest::Click(d, kCancelId); })},
                        [] { EXPECT_EQ(palvore::ShowLoadCases(1), 0); })
                  .finished);
  EXPECT_FALSE(fs::exists("PILE1.LDA"));
  EXPECT_FALSE(fs::exists("PILE1.RBA"));
  EXPECT_TRUE(fs::exists("PILE1.LDB"));
  EXPECT_TRUE(fs::exists("PILE1.GEO"));
}

TEST_F(PalvoreFrame, ChoosingFromAnEmptyCaseListEndsWithNothingWritten) {
  JobSpec = "PILE1";
  palvore::StructureTitle = "PILE/SHEET-PILE";
  ASSERT_TRUE(RunScript({WhenDialog(kCasesCaption, [](HWND d) { wintest::Click(d, kOkId); })},
                        [] { EXPECT_EQ(palvore::ShowLoadCases(2), 0); })
                  .finished);
  EXPECT_FALSE(fs::exists("PILE1.COX"));
  EXPECT_EQ(palvore::LoadCaseName, "");
}

// Hetenyi's long pile in Winkler soil, free head, 100 kN at its top.
PileJob LongPile() { return palvore::testing::LongPile(40, 20, "PILE1"); }

// The choice of a case for analysis rewrites the case list. Where the disk is full and only the
// run time's own flush finds it so, the list stays as it was and one box tells the file and why.
TEST_F(PalvoreFrame, AChosenCaseWhoseListCannotBeWrittenKeepsTheListAndIsTold) {
  palvore::testing::WriteJob(LongPile());
  JobSpec = "PILE1";
  palvore::StructureTitle = "PILE/SHEET-PILE";
  const std::string list = palvore::LoadCaseListFileName(JobSpec);
  const std::string before = ReadBytes(list);
  ASSERT_FALSE(before.empty());
  WarnOnFailedWrites();
  hostfs::SetWriteFault([list](const std::string& target) { return target == list; },
                        hostfs::FaultPlace::kRunTimeFlush);
  std::string text;
  const bool finished = RunScript({WhenDialog(kCasesCaption, [](HWND d) { wintest::PostClick(d, kOkId); }),
                                   WhenDialog("WARNING!",
                                              [&](HWND box) {
                                                text = wintest::BoxText(box);
                                                wintest::AnswerBox(box, IDOK);
                                              })},
                                  [] { palvore::ShowLoadCases(2); })
                            .finished;
  hostfs::SetWriteFault(nullptr);
  hostfs::SetFailureReport(nullptr);
  EXPECT_TRUE(finished);
  EXPECT_EQ(text.rfind("File '" + list + "' could not be Written: There is not enough space on the disk!", 0), 0u) << text;
  EXPECT_EQ(ReadBytes(list), before);
}

// The analysis command of the mode, with the analysis dialog's button pressed.
wintest::AnalysisRun RunAnalysis(int mode, int button) {
  return wintest::RunAnalysisDialog(WhenDialog(kCasesCaption, [](HWND d) { wintest::PostClick(d, kOkId); }),
                                    "   PILE/SHEET-PILE ANALYSIS.   JOB: " + JobSpec, button,
                                    [mode] { palvore::AnalysisCommand(mode); });
}

TEST_F(PalvoreFrame, AnalyseWritesTheSolverToolsReportAndPlaysTheSixTones) {
  palvore::testing::WriteJob(LongPile());
  // The job dialog enables "&Analysis": the job has load cases and supports.
  EXPECT_TRUE(TypeJob(kFirstJobCaption, "PILE1", 1).empty());
  EXPECT_TRUE(AnalysisEnabled());
  for (int mode : {1, 0}) {
  DeleteIfExists("PILE1.RBA");
  wintest::AnalysisRun r = RunAnalysis(mode, 1);
  // The script's box step stays unused: a run without a stop shows no box.
  EXPECT_TRUE(r.boxes.empty());
  EXPECT_EQ(r.dialogCaption, "   PILE/SHEET-PILE ANALYSIS.   JOB: PILE1");
  ASSERT_NO_FATAL_FAILURE(wintest::ExpectTheAnalysisDialogsPlaces(r));
  EXPECT_EQ(r.tones, wintest::kSixTones);
  EXPECT_EQ(WindowText(palvore::MainWindow), "     PILE/SHEET-PILE ANALYSIS.   JOB: PILE1     Load Case: A");
  ASSERT_TRUE(fs::exists("PILE1.RBA"));
  std::string program = ReadBytes("PILE1.RBA"), output;
  ASSERT_EQ(palvore::RunSolveTool({"PILE1", "A", mode ? "plastic" : "elastic"}, output), 0) << output;
  EXPECT_EQ(program, ReadBytes("PILE1.RBA")) << mode;
  EXPECT_GT(program.size(), 500u);
  }
}

TEST_F(PalvoreFrame, CancelWritesNothingAndPlaysNothing) {
  palvore::testing::WriteJob(LongPile());
  JobSpec = "PILE1";
  palvore::StructureTitle = "PILE/SHEET-PILE";
  wintest::AnalysisRun r = RunAnalysis(0, kExitId);
  EXPECT_TRUE(r.tones.empty());
  EXPECT_FALSE(fs::exists("PILE1.RBA"));
  EXPECT_EQ(DialogAnswer, 0);
}

// Rigid against Winkler soil that yields at 100 kPa: beyond its collapse load (414.21 kN) the
// yield iteration finds no equilibrium.
PileJob StiffPile(double force) { return palvore::testing::StiffPile(force, "PILE1"); }

TEST_F(PalvoreFrame, AStopIsABoxOwnedByTheAnalysisDialogWithNoReport) {
  palvore::testing::WriteJob(StiffPile(450));
  JobSpec = "PILE1";
  palvore::StructureTitle = "PILE/SHEET-PILE";
  wintest::AnalysisRun r = RunAnalysis(1, 1);
  ASSERT_EQ(r.boxes.size(), 1u);
  EXPECT_EQ(r.boxes[0].rfind("The SYSTEM is Unstable!", 0), 0u) << r.boxes[0];
  EXPECT_EQ(r.boxOwners[0], "   PILE/SHEET-PILE ANALYSIS.   JOB: PILE1");
  EXPECT_TRUE(r.hiddenDuringAnalysis);
  EXPECT_FALSE(fs::exists("PILE1.RBA"));
  // The stop's four tones, then the six that end the command.
  ASSERT_EQ(r.tones.size(), 10u);
  EXPECT_EQ(r.tones[0], (std::vector<std::string>{"100", "550"}));
  EXPECT_EQ(std::vector<std::vector<std::string>>(r.tones.begin() + 4, r.tones.end()), wintest::kSixTones);
}

TEST_F(PalvoreFrame, AJobFailingTheCheckIsOfferedForCorrectionAndNoEndsTheCommand) {
  // No support and no soil.
  PileJob j = LongPile();
  j.subgrade = 0;
  palvore::testing::WriteJob(j);
  JobSpec = "PILE1";
  palvore::StructureTitle = "PILE/SHEET-PILE";
  wintest::TraceCapture trace;
  std::string question;
  bool caseDialog = false;
  // The command ends after the answer, before the last step can run; had it gone on, that step
  // would find its load-case dialog and end it.
  auto run = RunScript({WhenDialog(" WARNING!",
                                   [&](HWND box) {
                                     question = wintest::BoxText(box);
                                     wintest::AnswerBox(box, IDNO);
                                   }),
                        WhenDialog(kCasesCaption,
                                   [&](HWND cases) {
                                     caseDialog = true;
                                     wintest::PostClick(cases, kCancelId);
                                   })},
                       [] { palvore::AnalysisCommand(0); });
  EXPECT_EQ(run.stepsDone, 1u);
  EXPECT_FALSE(run.timedOut);
  EXPECT_FALSE(caseDialog);
  EXPECT_EQ(question, " SUPPORT CONDITIONS ARE NOT SPECIFIED\r\n\r\n Do you wish to Correct the Data? ");
  EXPECT_EQ(DialogAnswer, 0);
  EXPECT_TRUE(trace.Records("TONE").empty());
  EXPECT_FALSE(fs::exists("PILE1.RBA"));
}

TEST_F(PalvoreFrame, ASupportFileCutInsideItsWinklerTableIsOfferedForCorrection) {
  palvore::testing::WriteJob(LongPile());
  const std::string sup = palvore::SupportFileName("PILE1");
  TextLineArray lines = FileLines(sup);
  int at = 0;
  std::string value;
  FindLabelLine(lines, 1, static_cast<int>(lines.size()) - 1, "WINKLER SOIL", at, value);
  ASSERT_GT(at, 0);
  ASSERT_TRUE(SaveTextLines(sup, lines, at + 4));  // two rows left, no END line
  JobSpec = "PILE1";
  palvore::StructureTitle = "PILE/SHEET-PILE";
  std::string question;
  EXPECT_TRUE(RunScript({WhenDialog(" WARNING!",
                                    [&](HWND box) {
                                      question = wintest::BoxText(box);
                                      wintest::AnswerBox(box, IDNO);
                                    })},
                        [] { palvore::AnalysisCommand(0); })
                  .finished);
  EXPECT_EQ(question, " PILE SUPPORT DATA ARE MISSING!\r\n (line " + std::to_string(at + 4) +
                          ": the END line is missing)\r\n\r\n Do you wish to Correct the Data? ");
  EXPECT_EQ(DialogAnswer, 0);
  EXPECT_FALSE(fs::exists("PILE1.RBA"));
}

TEST_F(PalvoreFrame, TheDialogIsSmallerOnANarrowScreen) {
  AnalysisDialogProfile p;
  p.caption = "x";
  DialogTemplate d = AnalysisDialog(p, 800);
  EXPECT_EQ(d.width, 360);
  EXPECT_EQ(d.height, 220);
  ASSERT_EQ(d.controls.size(), 2u);
  EXPECT_EQ(d.controls[0].id, kAnalyseId);
  EXPECT_EQ(d.controls[0].text, "&ANALYSE");
  EXPECT_EQ(std::vector<int>({d.controls[0].x, d.controls[0].y, d.controls[0].width, d.controls[0].height}),
            (std::vector<int>{130, 185, 50, 14}));
  EXPECT_EQ(d.controls[1].id, kExitId);
  EXPECT_EQ(std::vector<int>({d.controls[1].x, d.controls[1].y, d.controls[1].width, d.controls[1].height}),
            (std::vector<int>{190, 185, 40, 14}));
  EXPECT_EQ(AnalysisDialog(p, 1024).width, 400);
}

TEST_F(PalvoreFrame, SaveAsCopiesTheJobWithItsNewHeadersAndPacksTheOldOne) {
  PileJob j = LongPile();
  j.name = "PILE9";
  palvore::testing::WriteJob(j);
  WriteBytes("PILE9.COX", "A\r\nB\r\n");
  JobSpec = "PILE9";
  // The archive packs only with ZLIB.DLL in the current directory, as in the program directory.
  fs::copy_file(wintest::ExeFolder() / "ZLIB.DLL", "ZLIB.DLL");
  palvore::StructureTitle = "PILE/SHEET-PILE";
  ASSERT_TRUE(RunScript({WhenDialog(kJobCaption,
                                    [](HWND d) {
                                      wintest::SetText(d, kInProcessNameBoxId, "PILE9B");
                                      wintest::Click(d, IDOK);
                                    })},
                        [] { palvore::SaveJobAsCommand(); })
                  .finished);
  EXPECT_EQ(JobSpec, "PILE9B");
  for (const char* ext : {".GEO", ".SUP", ".LDA"}) {
    ASSERT_TRUE(fs::exists(std::string("PILE9B") + ext)) << ext;
    EXPECT_NE(FileLines(std::string("PILE9B") + ext)[1].find("PILE9B"), std::string::npos) << ext;
  }
  EXPECT_EQ(ReadBytes("PILE9B.COX"), "A\r\nB\r\n");
  EXPECT_FALSE(fs::exists("PILE9B.LDB"));
  EXPECT_TRUE(fs::exists("PILE9.ZIP"));
  EXPECT_FALSE(fs::exists("PILE9.GEO"));
  // "&Close" packs the open job.
  SendMessageA(palvore::MainWindow, WM_COMMAND, kCloseCommand, 0);
  EXPECT_EQ(palvore::MainWindow, nullptr);
  EXPECT_TRUE(fs::exists("PILE9B.ZIP"));
  EXPECT_FALSE(fs::exists("PILE9B.GEO"));
}

}  // namespace

namespace {

// The data entry's commands run on the job over the main window: the geometry command writes
// the geometry, the support command rewrites the support file also when cancelled.
TEST_F(PalvoreFrame, TheDataCommandsEnterTheJobsGeometryAndSupports) {
  JobSpec = "PILE1";
  std::remove("PILE1.geo");
  std::remove("PILE1.SUP");
  const char* caption = "   PILE/SHEET-PILE ANALYSIS.   JOB: PILE1";
  HWND owner = nullptr;
  bool ok = RunScript({WhenDialog(caption,
                                  [&](HWND d) {
                                    owner = GetWindow(d, GW_OWNER);
                                    wintest::SetText(d, entry::kGeometryFieldBaseId + 1, "10");
                                    wintest::SetText(d, entry::kGeometryFieldBaseId + 2, "4");
                                    wintest::SetText(d, entry::kGeometryFieldBaseId + 3, "1");
                                    wintest::SetText(d, entry::kGeometryFieldBaseId + 4, "2.1E8");
                                    wintest::SetText(d, entry::kGeometryFieldBaseId + 5, "0.3");
                                    CheckDlgButton(d, entry::kDetailsBoxId, BST_UNCHECKED);
                                    wintest::Click(d, kOkId);
                                  })},
                      [] { palvore::GeometryCommand(); })
                .finished;
  ASSERT_TRUE(ok);
  EXPECT_EQ(owner, palvore::MainWindow);
  ASSERT_GE(FileLines("PILE1.geo").size(), 6u);
  EXPECT_EQ(FileLines("PILE1.geo")[5], "No of Elements Above Soil Surface: 1");

  ok = RunScript({WhenDialog(caption, [](HWND d) { wintest::Click(d, kCancelId); })}, [] { palvore::SupportCommand(); })
           .finished;
  ASSERT_TRUE(ok);
  ASSERT_GE(FileLines("PILE1.SUP").size(), 2u);
  EXPECT_EQ(FileLines("PILE1.SUP")[1], "Job: PILE1 // SUPPORTS");
}

// The author box shows its whole text: every line inside the label, the label and the button
// inside the box.
TEST_F(PalvoreFrame, TheAuthorBoxShowsItsWholeText) {
  std::vector<std::string> faults;
  bool ok = RunScript({WhenDialog("Pile Analysis",
                                  [&](HWND d) {
                                    faults = wintest::LayoutFaults(d);
                                    wintest::Click(d, IDOK);
                                  })},
                      [] { palvore::AuthorBox(); })
                .finished;
  ASSERT_TRUE(ok);
  std::string all;
  for (const std::string& f : faults) all += f + "\n";
  EXPECT_TRUE(faults.empty()) << all;
}

}  // namespace
