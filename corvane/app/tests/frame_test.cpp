// Corvane's frame driven in-process: the main window, the notice, the menus and their commands,
// with the real job and load-case dialogs, under Wine (or Windows).
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "../../../common/tests/testdir.h"
#include "../../../common/tests/ziptest.h"
#include "core/archive.h"
#include "core/globals.h"
#include "core/textfiles.h"
#include "corvane/core/geometryfile.h"
#include "corvane/core/slots.h"
#include "corvane/core/supportfile.h"
#include "corvane/entry/ids.h"
#include "corvane/app/app.h"
#include "corvane/app/ids.h"
#include "gfx/gfx.h"
#include "graph/actiondialog.h"
#include "graph/graphwindow.h"
#include "win/grid.h"
#include "win/ids.h"
#include "win/loadtype.h"
#include "win/startup.h"
#include "win/testing/layout.h"
#include "win/testing/program.h"
#include "win/testing/wintest.h"
#include "win/tests/colourprobe.h"

namespace fs = std::filesystem;
using namespace corvane;
using wintest::ExeFolder;
using wintest::RunScript;
using wintest::WindowText;
using wintest::WhenDialog;

namespace {

const char* const kNotice = "  ZOR SOFTWARE";
const char* const kBeamJobs = "  BEAM/STRIP Job Name Specification/Selection";
const char* const kPlateJobs = "  PLATE Job Name Specification/Selection";
const char* const kTypeQuestion = "StructureType Change Enquiry";

// One menu item as the tests compare it: its text, its id (0 for a popup or separator) and
// whether it is greyed; a popup's items follow it indented by two blanks.
void DescribeMenu(HMENU menu, const std::string& indent, std::vector<std::string>& out) {
  int n = GetMenuItemCount(menu);
  for (int i = 0; i < n; ++i) {
    char text[256] = {0};
    MENUITEMINFOA info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_ID | MIIM_STATE | MIIM_SUBMENU | MIIM_FTYPE | MIIM_STRING;
    info.dwTypeData = text;
    info.cch = sizeof text;
    GetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &info);
    if (info.fType & MFT_SEPARATOR) {
      out.push_back(indent + "-");
      continue;
    }
    std::string line = indent + text;
    if (!info.hSubMenu) line += " " + std::to_string(info.wID);
    if (info.fState & MFS_GRAYED) line += " (greyed)";
    out.push_back(line);
    if (info.hSubMenu) DescribeMenu(info.hSubMenu, indent + "  ", out);
  }
}

std::vector<std::string> MenuBar() {
  std::vector<std::string> out;
  if (HMENU m = GetMenu(MainWindow)) DescribeMenu(m, "", out);
  return out;
}

const std::vector<std::string> kHelpItems = {"&Help", "  &Help/Information 7204",
                                             "  -",   "  &About Software 7205",
                                             "  -",   "  A&bout Author/Contact Address 6699"};
const std::vector<std::string> kTypeItems = {"  &Beam/Strip 7206", "  -", "  &Plate 7207", "  -", "  &Tank 7208"};

std::vector<std::string> Join(std::vector<std::vector<std::string>> parts) {
  std::vector<std::string> out;
  for (auto& p : parts) out.insert(out.end(), p.begin(), p.end());
  return out;
}

std::vector<std::string> JobMenu(bool analysisEnabled) {
  return Join(
      {{"&Close 2", "&Data Input", "   &Geometry and Material Properties Data 7306", "  -", "   &Support Data 7307",
        "  -", "   &Load Data 7308", analysisEnabled ? "&Analysis 888" : "&Analysis 888 (greyed)",
        "Data/Results &Presentation", "  &Preview/Print/Save Data/Results 7777", "  -",
        "  P&lot Structural Response Fields 7666", "&New Structure/Job"},
       kTypeItems,
       {"&Save Job As 878"},
       kHelpItems});
}

// The entries of a zip archive by name, with their contents.
std::vector<std::pair<std::string, std::string>> ZipEntries(const std::string& archive) {
  std::vector<std::pair<std::string, std::string>> out;
  const ZipApi* z = LoadZipApi();
  if (!z) return out;
  void* unz = z->unzOpen(archive.c_str());
  if (!unz) return out;
  for (int step = z->unzGoToFirstFile(unz); step == 0; step = z->unzGoToNextFile(unz)) {
    ZipApi::EntryInfo info{};
    char name[260] = {0};
    z->unzGetCurrentFileInfo(unz, &info, name, sizeof name - 1, nullptr, 0, nullptr, 0);
    std::string bytes(info.uncompressedSize, '\0');
    z->unzOpenCurrentFile(unz);
    if (!bytes.empty()) z->unzReadCurrentFile(unz, &bytes[0], static_cast<unsigned>(bytes.size()));
    z->unzCloseCurrentFile(unz);
    out.emplace_back(name, bytes);
  }
  z->unzClose(unz);
  std::sort(out.begin(), out.end());
  return out;
}

std::set<std::string> FilesIn(const fs::path& folder) {
  std::set<std::string> names;
  for (const auto& e : fs::directory_iterator(folder)) names.insert(e.path().filename().string());
  return names;
}

// A job's data as a user's commands would leave it: text files and one with every byte value.
const std::vector<std::pair<std::string, std::string>>& JobFiles() {
  static const std::vector<std::pair<std::string, std::string>> files = [] {
    std::string all;
    for (int i = 0; i < 256; ++i) all += static_cast<char>(i);
    return std::vector<std::pair<std::string, std::string>>{
        {".CAS", "A\r\n"},
        {".GEO", "Job: X // GEOMETRY & MAT. PROPERTIES\r\n"},
        {".LDA", all + all},
        {".SUP", "Job: X // SUPPORTS\r\n"},
    };
  }();
  return files;
}

class CorvaneFrame : public ::testing::Test {
 protected:
  void SetUp() override {
    JobSpec.clear();
    StructureType.clear();
    Substructure.clear();
    LoadCaseName.clear();
    DimensionGlobals();
    ASSERT_NE(CreateMainWindow(GetModuleHandleA(nullptr), SW_SHOWNORMAL), nullptr);
  }
  void TearDown() override {
    if (MainWindow) DestroyWindow(MainWindow);
    wintest::DrainQuit();
    CloseScreen();
  }
  void ProvideZlib() { fs::copy_file(ExeFolder() / "ZLIB.DLL", dir.path() / "ZLIB.DLL"); }
  std::string Spec(const std::string& rest) const { return dir.path().string() + "\\" + rest; }
  static void Command(int id) { SendMessageA(MainWindow, WM_COMMAND, static_cast<WPARAM>(id), 0); }
  // Runs a command while the steps drive its dialogs; the script must finish.
  static void Run(int id, std::vector<wintest::Step> steps) {
    auto run = RunScript(std::move(steps), [id] { Command(id); });
    EXPECT_TRUE(run.finished) << "command " << id;
  }
  static void Agree() {
    auto run = RunScript({WhenDialog(kNotice, [](HWND d) { wintest::Click(d, kContinueId); })}, ShowNotice);
    EXPECT_TRUE(run.finished);
  }
  static wintest::Step AcceptJob(const char* caption, const std::string& spec) {
    return WhenDialog(caption, [spec](HWND d) {
      wintest::SetText(d, kNameBoxId, spec);
      wintest::Click(d, IDOK);
    });
  }
  static wintest::Step Cancel(const char* caption) {
    return WhenDialog(caption, [](HWND d) { wintest::Click(d, IDCANCEL); });
  }
  static wintest::Step Answer(const char* caption, int answer) {
    return WhenDialog(caption, [answer](HWND box) { wintest::AnswerBox(box, answer); });
  }
  // Opens a job of the start menu's "&Beam/Strip".
  void OpenBeamJob(const std::string& spec) {
    Agree();
    Run(kBeamStripCommand, {AcceptJob(kBeamJobs, spec)});
  }
  void WriteJobFiles(const std::string& spec) {
    for (const auto& f : JobFiles()) WriteBytes(spec + f.first, f.second);
  }
  // A roofless tank job of two elements a substructure, its case "Water" with the wall's results
  // (the question of another type answered when a job of one is open).
  void OpenTankWithWallResults(const std::string& job) {
    std::vector<wintest::Step> steps;
    if (JobSpec.empty()) {
      Agree();
    } else {
      steps.push_back(Answer(kTypeQuestion, IDYES));
    }
    steps.push_back(AcceptJob("  TANK Job Name Specification/Selection", job));
    Run(kTankCommand, std::move(steps));
    JobDataTable.Redim(8, 6);
    for (int s = 1; s <= 2; ++s) {
      JobDataTable(s, 1) = 2;
      for (int i = 2; i <= 6; ++i) JobDataTable(s, i) = i < 4 ? 6.0 : 0.2;
    }
    for (Table2D<float>& t : WorkTables) t.Redim(2, 3);
    ASSERT_TRUE(SaveGeometryFile(job));
    WriteBytes(job + ".CAS", "Water\r\n");
    fs::copy_file(fs::path(CORVANE_REPORTS_DATA) / "WALL2.RWW", job + ".RWW");
  }

  TestDirectory dir;
};

TEST_F(CorvaneFrame, TheNoticeExitEndsTheProgramWithoutAMenuOrAFile) {
  std::string agree, exitText;
  auto run = RunScript({WhenDialog(kNotice,
                                   [&](HWND d) {
                                     agree = wintest::GetText(d, kContinueId);
                                     exitText = wintest::GetText(d, kCancelId);
                                     // the heading green on maroon, the notice's text white on olive brown
                                     ExpectColours(d, {{WM_CTLCOLORSTATIC, kNoticeHeadingId, RGB(128, 0, 0), RGB(0, 255, 0)},
                                                       {WM_CTLCOLORSTATIC, kNoticeTextId, RGB(110, 92, 10), RGB(255, 255, 255)}});
                                     wintest::Click(d, kCancelId);
                                   })},
                       ShowNotice);
  EXPECT_TRUE(run.finished);
  EXPECT_EQ(agree, "I Agree - &Continue");
  EXPECT_EQ(exitText, "&Exit");
  EXPECT_EQ(GetMenu(MainWindow), nullptr);
  EXPECT_TRUE(wintest::DrainQuit());
  EXPECT_TRUE(FilesIn(dir.path()).empty());
}

TEST_F(CorvaneFrame, IAgreeInstallsTheStartMenu) {
  EXPECT_EQ(GetMenu(MainWindow), nullptr);
  Agree();
  EXPECT_FALSE(wintest::DrainQuit());
  EXPECT_EQ(MenuBar(), Join({{"&Close 2", "&Structure Type"}, kTypeItems, kHelpItems}));
  EXPECT_EQ(WindowText(MainWindow), "      ZOR Program");
}

TEST_F(CorvaneFrame, ABeamJobOnDriveCOpensWithItsListCaptionMenuAndScreen) {
  const std::string job = "C:\\BEAMS\\BEAM1";
  // Never touch a real job of that name; the folder is made by the test when it is missing.
  if (fs::exists("C:\\BEAMS\\BEAM1.ZIP") || fs::exists("C:\\BEAMS\\BEAM1.GEO"))
    GTEST_SKIP() << "C:\\BEAMS\\BEAM1 exists";
  bool folderWasThere = fs::exists("C:\\BEAMS");
  OpenBeamJob(job);
  EXPECT_TRUE(fs::is_directory("C:\\BEAMS"));
  TextLineArray lines;
  int count = 0;
  LoadTextLines("FJOB$.BEA", lines, 50, count);
  ASSERT_EQ(count, 1);
  EXPECT_EQ(lines[1], job);
  EXPECT_EQ(WindowText(MainWindow), "     BEAM/STRIP ANALYSIS.   JOB: C:\\BEAMS\\BEAM1");
  EXPECT_EQ(MenuBar(), JobMenu(false));
  EXPECT_EQ(StructureType, "BEAM/STRIP");
  EXPECT_EQ(Substructure, "BEAM");
  HWND screen = FindWindowExA(MainWindow, nullptr, kGfxWindowClass, nullptr);
  EXPECT_TRUE(screen && IsWindowVisible(screen));

  // Leaving the job by the close command, with ZLIB.DLL present, packs it beside its files.
  ProvideZlib();
  WriteJobFiles(job);
  Command(kCloseCommand);
  EXPECT_TRUE(wintest::DrainQuit());
  auto entries = ZipEntries("C:\\BEAMS\\BEAM1.ZIP");
  std::vector<std::string> names;
  for (const auto& e : entries) names.push_back(e.first);
  EXPECT_EQ(names, (std::vector<std::string>{"BEAM1.CAS", "BEAM1.GEO", "BEAM1.LDA", "BEAM1.SUP"}));
  for (const auto& f : JobFiles()) EXPECT_FALSE(fs::exists(job + f.first)) << f.first;
  fs::remove("C:\\BEAMS\\BEAM1.ZIP");
  if (!folderWasThere) fs::remove("C:\\BEAMS");
}

TEST_F(CorvaneFrame, LeavingAJobPacksItAndOpeningItRestoresEveryFile) {
  ProvideZlib();
  fs::path folder = dir.path() / "BEAMS";
  std::string job = Spec("BEAMS\\BEAM1");
  OpenBeamJob(job);
  WriteJobFiles(job);
  WriteBytes((folder / "BEAM10.GEO").string(), "another job");

  // Another structure type leaves the job.
  Run(kPlateCommand, {Answer(kTypeQuestion, IDYES), Cancel(kPlateJobs)});
  EXPECT_EQ(StructureType, "BEAM/STRIP");
  EXPECT_TRUE(JobSpec.empty());
  std::vector<std::pair<std::string, std::string>> expected;
  for (const auto& f : JobFiles()) expected.emplace_back("BEAM1" + f.first, f.second);
  EXPECT_EQ(ZipEntries(job + ".ZIP"), expected);
  EXPECT_EQ(FilesIn(folder), (std::set<std::string>{"BEAM1.ZIP", "BEAM10.GEO"}));
  EXPECT_FALSE(fs::exists("LASTJOB.ZIP"));
  EXPECT_EQ(ReadBytes((folder / "BEAM10.GEO").string()), "another job");

  // Opening it again (the first listed job is offered) restores every file byte for byte.
  Run(kBeamStripCommand, {WhenDialog(kBeamJobs, [](HWND d) { wintest::Click(d, IDOK); })});
  EXPECT_EQ(JobSpec, job);
  for (const auto& f : JobFiles()) EXPECT_EQ(ReadBytes(job + f.first), f.second) << f.first;
  EXPECT_EQ(MenuBar(), JobMenu(true));  // the job has a load case
}

TEST_F(CorvaneFrame, WithoutZlibNothingIsPackedUnpackedOrDeleted) {
  fs::path folder = dir.path() / "BEAMS";
  std::string job = Spec("BEAMS\\BEAM1");
  fs::create_directories(folder);
  WriteJobFiles(job);
  WriteBytes(job + ".ZIP", "an old archive");
  OpenBeamJob(job);
  Run(kBeamStripCommand, {Cancel(kBeamJobs)});  // the same type again leaves and keeps the job
  Command(kCloseCommand);
  EXPECT_TRUE(wintest::DrainQuit());
  for (const auto& f : JobFiles()) EXPECT_EQ(ReadBytes(job + f.first), f.second) << f.first;
  EXPECT_EQ(ReadBytes(job + ".ZIP"), "an old archive");
  EXPECT_FALSE(fs::exists("LASTJOB.ZIP"));
  EXPECT_FALSE(fs::exists(folder / "ZIPVER.zip"));
}

TEST_F(CorvaneFrame, AHostileOrDamagedArchiveWritesNothingWhenTheJobIsOpened) {
  ProvideZlib();
  const ZipApi* z = LoadZipApi();
  ASSERT_NE(z, nullptr);
  fs::path folder = dir.path() / "JOBS";
  fs::create_directories(folder);
  // EVIL: an entry that names the folder above the job's.
  ASSERT_NO_FATAL_FAILURE(WriteZipEntries(z, Spec("JOBS\\EVIL.ZIP"), {"EVIL.GEO", "..\\EVIL.TXT"}, "bad"));
  // CUT: a good archive cut in half, beside newer loose data.
  WriteJobFiles(Spec("JOBS\\CUT"));
  ASSERT_TRUE(ZipJobFiles(Spec("JOBS\\CUT")));
  std::string packed = ReadBytes(Spec("JOBS\\CUT.ZIP"));
  WriteBytes(Spec("JOBS\\CUT.ZIP"), packed.substr(0, packed.size() / 2));
  WriteBytes(Spec("JOBS\\CUT.GEO"), "newer loose data");

  // Each refusal is told in a warning box, which names the archive.
  std::vector<std::string> told;
  auto warning = WhenDialog("WARNING!", [&](HWND box) {
    told.push_back(wintest::BoxText(box));
    wintest::AnswerBox(box, IDOK);
  });
  Agree();
  Run(kBeamStripCommand, {AcceptJob(kBeamJobs, Spec("JOBS\\EVIL")), warning});
  EXPECT_FALSE(fs::exists(dir.path() / "EVIL.TXT"));
  EXPECT_FALSE(fs::exists(folder / "EVIL.GEO"));
  Run(kBeamStripCommand, {AcceptJob(kBeamJobs, Spec("JOBS\\CUT")), warning});
  EXPECT_EQ(ReadBytes(Spec("JOBS\\CUT.GEO")), "newer loose data");
  EXPECT_FALSE(fs::exists(Spec("JOBS\\CUT.SUP")));
  ASSERT_EQ(told.size(), 2u);
  EXPECT_EQ(told[0].rfind("Job Archive '" + Spec("JOBS\\EVIL.ZIP") + "' cannot be Unpacked: ", 0), 0u) << told[0];
  EXPECT_EQ(told[1].rfind("Job Archive '" + Spec("JOBS\\CUT.ZIP") + "' cannot be Unpacked: ", 0), 0u) << told[1];
}

TEST_F(CorvaneFrame, AnotherTypeAnsweredNoKeepsTheJobAndItsMenu) {
  ProvideZlib();
  std::string job = Spec("BEAMS\\BEAM1");
  OpenBeamJob(job);
  WriteJobFiles(job);
  HMENU menu = GetMenu(MainWindow);
  std::string question;
  Run(kTankCommand, {WhenDialog(kTypeQuestion, [&](HWND box) {
        question = wintest::BoxText(box);
        wintest::AnswerBox(box, IDNO);
      })});
  EXPECT_EQ(question, "Do you realy want to consider another Type of Structure?");
  EXPECT_EQ(JobSpec, job);
  EXPECT_EQ(StructureType, "BEAM/STRIP");
  EXPECT_EQ(GetMenu(MainWindow), menu);
  for (const auto& f : JobFiles()) EXPECT_TRUE(fs::exists(job + f.first)) << f.first;
  EXPECT_FALSE(fs::exists(job + ".ZIP"));
}

TEST_F(CorvaneFrame, TheSameTypeAgainCancelledKeepsTheJobOpenWithAllItsData) {
  ProvideZlib();
  std::string job = Spec("BEAMS\\BEAM1");
  OpenBeamJob(job);
  WriteJobFiles(job);
  Run(kBeamStripCommand, {Cancel(kBeamJobs)});
  EXPECT_EQ(JobSpec, job);
  EXPECT_EQ(StructureType, "BEAM/STRIP");
  EXPECT_EQ(WindowText(MainWindow), "     BEAM/STRIP ANALYSIS.   JOB: " + job);
  // The job was packed on leaving and is open again: its files are back beside the archive.
  for (const auto& f : JobFiles()) EXPECT_EQ(ReadBytes(job + f.first), f.second) << f.first;
  EXPECT_TRUE(fs::exists(job + ".ZIP"));
  // Data written now is packed with the rest when the job is left.
  WriteBytes(job + ".SUP", "new supports");
  Command(kCloseCommand);
  EXPECT_TRUE(wintest::DrainQuit());
  auto entries = ZipEntries(job + ".ZIP");
  ASSERT_EQ(entries.size(), JobFiles().size());
  EXPECT_EQ(entries[3], (std::pair<std::string, std::string>{"BEAM1.SUP", "new supports"}));
  EXPECT_EQ(entries[1].second, JobFiles()[1].second);
}

TEST_F(CorvaneFrame, ADataCommandWithoutAJobOpensTheJobDialogAndCancelRunsNothing) {
  std::string job = Spec("BEAMS\\BEAM1");
  OpenBeamJob(job);
  Run(kTankCommand, {Answer(kTypeQuestion, IDYES), Cancel("  TANK Job Name Specification/Selection")});
  ASSERT_TRUE(JobSpec.empty());
  // Were the load-case dialog shown after the cancelled job dialog, the second step would end it.
  bool loadCasesShown = false;
  auto run = RunScript({Cancel(kBeamJobs), WhenDialog("  BEAM/STRIP: Load Name Specification/Selection",
                                                      [&](HWND d) {
                                                        loadCasesShown = true;
                                                        EndDialog(d, 0);
                                                      })},
                       [] { Command(kCorvaneLoadCommand); });
  EXPECT_EQ(run.stepsDone, 1u);
  EXPECT_FALSE(loadCasesShown);
  EXPECT_FALSE(fs::exists(job + ".CAS"));
}

TEST_F(CorvaneFrame, TheLoadCommandNamesCasesAndDeletesATanksCaseFiles) {
  Agree();
  std::string job = Spec("TANKS\\TANK1");
  const char* loads = "  TANK: Load Name Specification/Selection";
  Run(kTankCommand, {AcceptJob("  TANK Job Name Specification/Selection", job)});
  EXPECT_EQ(Substructure, "BASE PLATE");
  EXPECT_EQ(MenuBar(), JobMenu(false));
  // The named case goes on to the load entry; without geometry it offers the geometry's
  // correction, declined here, and writes no load file.
  const std::string missing = " BASE PLATE GEOMETRY AND MAT. PROPERTIES DATA ARE MISSING!\r\n\r\n Do you wish to Correct the Data? ";
  std::vector<std::string> asked;
  auto decline = WhenDialog(" WARNING!", [&asked](HWND box) {
    asked.push_back(wintest::BoxText(box));
    wintest::AnswerBox(box, IDNO);
  });
  Run(kCorvaneLoadCommand, {WhenDialog(loads,
                        [](HWND d) {
                          wintest::SetText(d, kNameBoxId, "B");
                          wintest::PostClick(d, kContinueId);
                        }),
             decline});
  EXPECT_EQ(asked, std::vector<std::string>{missing});
  EXPECT_FALSE(fs::exists(job + ".LDB"));
  EXPECT_EQ(LoadCaseName, "B");
  EXPECT_EQ(ReadBytes(job + ".CAS"), "B\r\n");
  EXPECT_EQ(WindowText(MainWindow), "     TANK ANALYSIS.   JOB: " + job + "     Load Case: B");
  EXPECT_EQ(MenuBar(), JobMenu(true));

  // "a" after "A" is refused: both would use one load file.
  Run(kCorvaneLoadCommand, {WhenDialog(loads,
                        [](HWND d) {
                          wintest::SetText(d, kNameBoxId, "A");
                          wintest::PostClick(d, kContinueId);
                        }),
             decline});
  std::string warning;
  Run(kCorvaneLoadCommand, {WhenDialog(loads,
                        [](HWND d) {
                          wintest::SetText(d, kNameBoxId, "a2");
                          wintest::PostClick(d, kContinueId);
                        }),
             WhenDialog("WARNING!",
                        [&](HWND box) {
                          warning = wintest::BoxText(box);
                          wintest::AnswerBox(box, IDOK);
                        }),
             Cancel(loads)});
  EXPECT_EQ(warning, "FIRST Letters of LOAD CASE NAMES MUST be DISTINCT!\r\n\r\nCorrect the LOAD NAME!");
  EXPECT_EQ(ReadBytes(job + ".CAS"), "A\r\nB\r\n");

  for (const char* e : {".LDB", ".RPB", ".RWB", ".RRB", ".RBB", ".LDA"}) WriteBytes(job + e, e);
  Run(kCorvaneLoadCommand, {WhenDialog(loads,
                        [](HWND d) {
                          SendDlgItemMessageA(d, kNameBoxId, CB_SETCURSEL, 1, 0);
                          wintest::PostClick(d, kDeleteId);
                        }),
             Answer("Current Selection DELETION Enquiry", IDYES), WhenDialog(loads, [](HWND d) {
               wintest::SetText(d, kNameBoxId, "");
               wintest::PostClick(d, kContinueId);
             })});
  for (const char* gone : {".LDB", ".RPB", ".RWB", ".RRB"}) EXPECT_FALSE(fs::exists(job + gone)) << gone;
  for (const char* kept : {".RBB", ".LDA"}) EXPECT_TRUE(fs::exists(job + kept)) << kept;
  EXPECT_EQ(ReadBytes(job + ".CAS"), "A\r\n");
}

// Command 7666 of a beam job without results: the case chosen, the caption, the action dialog
// and the missing results announced while the dialog stays.
TEST_F(CorvaneFrame, ThePlotCommandAsksForTheCaseAndAnnouncesMissingResults) {
  std::string job = Spec("BEAMS\\B3");
  OpenBeamJob(job);
  JobDataTable(1, 1) = 2;
  ASSERT_TRUE(SaveGeometryFile(job));
  WriteBytes(job + ".CAS", "Point\r\n");
  const std::string actions = "BEAM/STRIP ANALYSIS.   JOB: " + job + "     Load Case: Point";
  std::string heading, warning;
  Run(kCorvanePlotCommand, {WhenDialog("  BEAM/STRIP: Load Name Specification/Selection",
                        [](HWND d) {
                          wintest::SetText(d, kNameBoxId, "Point");
                          wintest::PostClick(d, kContinueId);
                        }),
             WhenDialog(actions,
                        [&](HWND d) {
                          heading = wintest::GetText(d, kHeadingId);
                          wintest::PostClick(d, kFormCancelId);
                        }),
             WhenDialog("WARNING!",
                        [&](HWND box) {
                          warning = wintest::BoxText(box);
                          wintest::AnswerBox(box, IDOK);
                        }),
             WhenDialog(actions, [](HWND d) { wintest::PostClick(d, kCancelId); })});
  EXPECT_EQ(WindowText(MainWindow), "     BEAM/STRIP ANALYSIS.   JOB: " + job + "     Load Case: Point");
  EXPECT_EQ(heading, "BEAM: SELECTION OF STRUCTURAL ACTION");
  EXPECT_EQ(warning, "Results File is Missing! Analyse the Structure!");
}

// Command 7666 of a roofless tank: the case, the substructure choice in its plot mode (two
// options), the wall's nine actions and its graph with the tank's heading and the wall's abscissa.
TEST_F(CorvaneFrame, ATanksPlotChoosesTheSubstructureAndShowsTheWallsGraph) {
  std::string job = Spec("TANKS\\T1");
  OpenTankWithWallResults(job);
  wintest::TraceCapture trace;
  const std::string choice = "   TANK ANALYSIS.   JOB: " + job;
  const std::string actions = "TANK ANALYSIS.   JOB: " + job + "     Load Case: Water";
  int substructures = 0, options = 0;
  std::string heading;
  Run(kCorvanePlotCommand, {WhenDialog("  TANK: Load Name Specification/Selection",
                        [](HWND d) {
                          wintest::SetText(d, kNameBoxId, "Water");
                          wintest::PostClick(d, kContinueId);
                        }),
             WhenDialog(choice,
                        [&](HWND d) {
                          for (int id = kTankOptionBaseId + 1; id <= kTankOptionBaseId + 3; ++id) substructures += GetDlgItem(d, id) ? 1 : 0;
                          CheckRadioButton(d, kTankOptionBaseId + 1, kTankOptionBaseId + 2, kTankOptionBaseId + 2);
                          wintest::PostClick(d, kContinueId);
                        }),
             WhenDialog(actions,
                        [&](HWND d) {
                          while (GetDlgItem(d, kFirstOptionId + options)) ++options;
                          heading = wintest::GetText(d, kHeadingId);
                          wintest::PostClick(d, kFormCancelId);
                        }),
             WhenDialog(" GRAPH - Load Case: Water", [](HWND g) { wintest::PostClick(g, kFormCancelId); }),
             WhenDialog(actions, [](HWND d) { wintest::PostClick(d, kCancelId); }),
             WhenDialog(choice, [](HWND d) { wintest::PostClick(d, kCancelId); })});
  EXPECT_EQ(substructures, 2);
  EXPECT_EQ(options, 9);
  EXPECT_EQ(heading, "WALL: SELECTION OF STRUCTURAL ACTION");
  std::ifstream in(trace.Path());
  std::string all((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_NE(all.find("gfx GradientPanel(1, \"TANK:  WALL\""), std::string::npos);
  EXPECT_NE(all.find("gfx DrawTextBoxEx(1, \"Height Above Base [m]\""), std::string::npos);
  // The graph's pictures took the screen's window numbers and closed them: the tank's cylinder is
  // drawn again over the main window once the command ends.
  size_t graphClosed = all.rfind("gfx GfxWindowEx(1, 1)");
  ASSERT_NE(graphClosed, std::string::npos);
  EXPECT_NE(all.find("gfx DrawEllipseEx(1, 400, 70)", graphClosed), std::string::npos);
  HWND screen = FindWindowExA(MainWindow, nullptr, kGfxWindowClass, nullptr);
  EXPECT_TRUE(screen && IsWindowVisible(screen));
}

TEST_F(CorvaneFrame, TheBackgroundShadesFromBlueToDarkBlueInTwoHundredBands) {
  RedrawWindow(MainWindow, nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_UPDATENOW);
  RECT client;
  GetClientRect(MainWindow, &client);
  int w = client.right, h = client.bottom;
  // A picture of the client area, saved as a 24-bit BMP and read back.
  HDC windowDc = GetDC(MainWindow);
  HDC memory = CreateCompatibleDC(windowDc);
  BITMAPINFO bi = {};
  bi.bmiHeader.biSize = sizeof bi.bmiHeader;
  bi.bmiHeader.biWidth = w;
  bi.bmiHeader.biHeight = h;  // bottom-up, as BMP files are
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 24;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(windowDc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, w, h, windowDc, 0, 0, SRCCOPY);
  GdiFlush();
  SelectObject(memory, old);
  int stride = (w * 3 + 3) & ~3;
  {
    BITMAPFILEHEADER fh = {};
    fh.bfType = 0x4D42;
    fh.bfOffBits = sizeof fh + sizeof bi.bmiHeader;
    fh.bfSize = fh.bfOffBits + static_cast<DWORD>(stride * h);
    std::ofstream out("background.bmp", std::ios::binary);
    out.write(reinterpret_cast<const char*>(&fh), sizeof fh);
    out.write(reinterpret_cast<const char*>(&bi.bmiHeader), sizeof bi.bmiHeader);
    out.write(static_cast<const char*>(bits), stride * h);
  }
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(MainWindow, windowDc);

  std::string bmp = ReadBytes("background.bmp");
  ASSERT_EQ(bmp.size(), sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER) + static_cast<size_t>(stride * h));
  auto pixel = [&](int x, int y) {  // y from the top
    size_t at = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER) + static_cast<size_t>(stride) * (h - 1 - y) + x * 3;
    auto b = static_cast<unsigned char>(bmp[at]), g = static_cast<unsigned char>(bmp[at + 1]),
         r = static_cast<unsigned char>(bmp[at + 2]);
    return RGB(r, g, b);
  };
  EXPECT_EQ(pixel(5, 0), RGB(0, 0, 255));
  EXPECT_EQ(pixel(w - 1, 0), RGB(0, 0, 255));
  EXPECT_EQ(pixel(5, h - 1), RGB(0, 0, 56));
  EXPECT_EQ(pixel(w / 2, (h * 100 + h / 2) / 200), RGB(0, 0, 155));  // the middle of band 100
}

}  // namespace

namespace {

// A step for the dialog of that caption that has control id (Corvane's data dialogs share their
// caption).
wintest::Step WhenWith(const std::string& caption, int id, std::function<void(HWND)> act) {
  return [caption, id, act] {
    HWND d = wintest::FindDialog(caption);
    if (!d || !GetDlgItem(d, id)) return false;
    act(d);
    return true;
  };
}

void SetTexts(HWND d, int first, const std::vector<std::string>& texts) {
  for (size_t i = 0; i < texts.size(); ++i) wintest::SetText(d, first + static_cast<int>(i), texts[i]);
}

std::string CheckedOption(HWND d) {
  for (int id = 201; id <= 203; ++id)
    if (IsDlgButtonChecked(d, id) == BST_CHECKED) return wintest::GetText(d, id);
  return "";
}

}  // namespace

TEST_F(CorvaneFrame, TheTankGeometryCommandWalksTheSubstructuresAndKeepsTheRadialSection) {
  Agree();
  std::string job = Spec("TANKS\\TANK1");
  Run(kTankCommand, {AcceptJob("  TANK Job Name Specification/Selection", job)});
  const std::string caption = "   TANK ANALYSIS.   JOB: " + job;
  std::vector<std::string> selected;
  auto choose = [&](int option) {
    return WhenWith(caption, kTankTitleId, [&, option](HWND d) {
      selected.push_back(CheckedOption(d));
      if (option > 0) wintest::Click(d, kTankOptionBaseId + option);
      wintest::PostClick(d, option < 0 ? kCancelId : kTankGeometryActionId);
    });
  };
  auto cancelGeometry = WhenWith(caption, kGeometryHeadingId, [](HWND d) { wintest::PostClick(d, kCancelId); });
  auto shellRoof = WhenWith(caption, kGeometryHeadingId, [](HWND d) {
    SetTexts(d, entry::kGeometryFieldBaseId + 1, {"3", "0", "6", "3E7", "0.2", "1E-5"});
    wintest::Click(d, kFirstChoice);
    wintest::PostClick(d, kOkId);
  });
  int columns = 0;
  bool curveShown = false;
  auto table = [&](std::function<void(HWND)> act) {
    return WhenWith(caption + "  ROOF STRUCTURE", kContinueId, [act, &columns](HWND d) {
      columns = TableColumns;
      act(d);
    });
  };
  auto cell = [](int row, int column) { return GetDlgItem(TablePage(), TableCellId(row, column)); };
  wintest::TraceCapture trace;
  Run(kCorvaneGeometryCommand, {choose(0), cancelGeometry, choose(0), cancelGeometry, choose(0), shellRoof,
             table([](HWND d) { wintest::PostClick(d, UniformButtonId(1)); }),
             WhenWith(caption, kX1, [](HWND d) { wintest::PostClick(d, kFormCancelId); }),  // the roof shell dialog
             table([&](HWND d) {
               for (int r = 1; r <= 3; ++r) {
                 SetWindowTextA(cell(r, 1), "2");
                 SetWindowTextA(cell(r, 2), "0.5");
                 SetWindowTextA(cell(r, 3), "0.1");
               }
               wintest::Click(d, kCurve);
               wintest::PostClick(d, kContinueId);
             }),
             choose(3), WhenWith(caption, kGeometryHeadingId, [](HWND d) { wintest::PostClick(d, kOkId); }),
             table([&](HWND d) {
               curveShown = IsDlgButtonChecked(d, kCurve) == BST_CHECKED;
               wintest::PostClick(d, kTableCancelId);
             }),
             choose(-1)});
  EXPECT_EQ(selected, (std::vector<std::string>{"TANK &BASE PLATE", "TANK &WALL CYLINDER", "TANK &ROOF STRUCTURE",
                                                "TANK &BASE PLATE", "TANK &BASE PLATE"}));
  EXPECT_EQ(columns, 3);
  EXPECT_TRUE(curveShown);
  std::string geo = ReadBytes(job + ".geo");
  EXPECT_NE(geo.find("Radial Section in form of a CURVE (?)  Y\r\n"), std::string::npos);
  EXPECT_NE(geo.find("Shell Structure (?)  Y\r\n"), std::string::npos);
  // Beside the roof's table its geometry view: the shell, its nodes enlarged; closed with the table.
  std::ifstream in(trace.Path());
  std::string drawn((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_NE(drawn.find("gfx DrawTextRowEx(0, \"GEOMETRY IDEALISATION\""), std::string::npos);
  EXPECT_NE(drawn.find("gfx DrawMultiLineEx(0, 7, [(220, 140) (340, 144)"), std::string::npos);
  EXPECT_NE(drawn.find("gfx DrawCircleEx(0, 9) w"), std::string::npos);
  EXPECT_NE(drawn.find("gfx GfxWindowEx(0, 1)"), std::string::npos);
}

TEST_F(CorvaneFrame, AnalysingABeamWithoutGeometryOffersItsCorrection) {
  const std::string missing = " BEAM/STRIP GEOMETRY AND MAT. PROPERTIES DATA ARE MISSING!\r\n\r\n Do you wish to Correct the Data? ";
  const std::string supports = " SUPPORT CONDITIONS ARE NOT SPECIFIED\r\n\r\n Do you wish to Correct the Data? ";
  std::string job = Spec("BEAMS\\BEAM1");
  OpenBeamJob(job);
  WriteBytes(job + ".CAS", "A\r\n");
  std::vector<std::string> asked;
  auto answer = [&](int id) {
    return WhenDialog(" WARNING!", [&asked, id](HWND box) {
      asked.push_back(wintest::BoxText(box));
      wintest::AnswerBox(box, id);
    });
  };
  // No: nothing is opened or written; the check goes on to the supports, declined too.
  Run(kElasticAnalysisCommand, {answer(IDNO), answer(IDNO)});
  EXPECT_EQ(asked, (std::vector<std::string>{missing, supports}));
  EXPECT_FALSE(fs::exists(job + ".geo"));

  // Yes: the geometry dialog; what it saved is read again and the check goes on.
  asked.clear();
  const std::string caption = "   BEAM/STRIP ANALYSIS.   JOB: " + job;
  Run(kElasticAnalysisCommand, {answer(IDYES), WhenWith(caption, kGeometryHeadingId,
                                    [](HWND d) {
                                      SetTexts(d, entry::kGeometryFieldBaseId + 1, {"4", "10", "3E7", "0.2", "1E-5"});
                                      wintest::Click(d, entry::kDetailsBoxId);  // no element table
                                      wintest::PostClick(d, kOkId);
                                    }),
            answer(IDNO)});
  EXPECT_EQ(asked, (std::vector<std::string>{missing, supports}));
  EXPECT_TRUE(fs::exists(job + ".geo"));
  EXPECT_EQ(JobDataTable.Get(1, 1), 4);
}

TEST_F(CorvaneFrame, AnalysingABeamWithoutSupportsOpensTheSupportCommandAndTheCorrectedJobPasses) {
  const std::string supports = " SUPPORT CONDITIONS ARE NOT SPECIFIED\r\n\r\n Do you wish to Correct the Data? ";
  std::string job = Spec("BEAMS\\BEAM1");
  OpenBeamJob(job);
  WriteBytes(job + ".CAS", "A\r\n");
  const std::string caption = "   BEAM/STRIP ANALYSIS.   JOB: " + job;
  Run(kCorvaneGeometryCommand, {WhenWith(caption, kGeometryHeadingId, [](HWND d) {
        SetTexts(d, entry::kGeometryFieldBaseId + 1, {"10", "10", "3E7", "0.2", "1E-5"});
        wintest::Click(d, entry::kDetailsBoxId);  // no element table
        wintest::PostClick(d, kOkId);
      })});
  ASSERT_TRUE(fs::exists(job + ".geo"));
  std::vector<std::string> asked;
  bool casesShown = false;
  Run(kElasticAnalysisCommand, {WhenDialog(" WARNING!",
                       [&](HWND box) {
                         asked.push_back(wintest::BoxText(box));
                         wintest::AnswerBox(box, IDYES);
                       }),
            WhenWith(caption, entry::kEnterSupportDataId,
                     [](HWND d) {  // the support types
                       wintest::Click(d, entry::kUnyieldingBoxId);
                       wintest::PostClick(d, entry::kEnterSupportDataId);
                     }),
            WhenWith(caption, kGenerate, [](HWND d) { wintest::PostClick(d, kGenerate); }),
            WhenWith(caption, kNodeRangeFieldId,
                     [](HWND g) {
                       wintest::SetText(g, kNodeRangeFieldId, "1");
                       wintest::SetText(g, kNodeRangeFieldId + 1, "11");
                       wintest::SetText(g, kNodeRangeFieldId + 2, "10");
                       wintest::PostClick(g, kOkId);
                     }),
            WhenWith(caption, kGenerate, [](HWND d) { wintest::PostClick(d, kContinueId); }),
            // The checks pass: the load case of the analysis is asked for.
            [&casesShown] {
              HWND d = wintest::FindDialog("  BEAM/STRIP: Load Name Specification/Selection");
              if (!d) return false;
              casesShown = true;
              wintest::PostClick(d, IDCANCEL);
              return true;
            }});
  EXPECT_EQ(asked, (std::vector<std::string>{supports}));
  EXPECT_TRUE(casesShown);
  EXPECT_NE(ReadBytes(job + ".SUP").find("UNYIELDING SUPPORTS at Nodes: 1,11\r\n"), std::string::npos);
}

// Command 7308 of a beam job: the case named in the load-case list, then the load type choice of
// the beam; closing it writes the case's load file.
TEST_F(CorvaneFrame, TheLoadCommandOpensTheLoadTypeChoiceOfTheCase) {
  std::string job = Spec("BEAMS\\BEAM1");
  OpenBeamJob(job);
  const std::string caption = "   BEAM/STRIP ANALYSIS.   JOB: " + job;
  Run(kCorvaneGeometryCommand, {WhenWith(caption, kGeometryHeadingId, [](HWND d) {
        SetTexts(d, entry::kGeometryFieldBaseId + 1, {"4", "10", "3E7", "0.2", "1E-5"});
        wintest::Click(d, entry::kDetailsBoxId);  // no element table
        wintest::PostClick(d, kOkId);
      })});
  ASSERT_TRUE(fs::exists(job + ".geo"));
  std::string title;
  std::vector<std::string> options;
  Run(kCorvaneLoadCommand, {WhenDialog("  BEAM/STRIP: Load Name Specification/Selection",
                        [](HWND d) {
                          wintest::SetText(d, kNameBoxId, "A");
                          wintest::PostClick(d, kContinueId);
                        }),
             WhenWith(caption + "     Load Case: A", kLoadTypeEnterButton, [&](HWND d) {
               title = wintest::GetText(d, kHeadingId);
               for (int id = 201; GetDlgItem(d, id); ++id) options.push_back(wintest::GetText(d, id));
               wintest::PostClick(d, kCancelId);
             })});
  EXPECT_EQ(title, "SELECTION OF LOAD TYPE");
  EXPECT_EQ(options, (std::vector<std::string>{"&Uniform Load and Self-Weight", "&Nodal Load", "Trapezoidal &Load",
                                               "&Temperature Change"}));
  EXPECT_EQ(ReadBytes(job + ".LDA").rfind("Job: " + job + " // LOADS (A)\r\n", 0), 0u);
  EXPECT_EQ(MenuBar(), JobMenu(true));
}

// A tank's load command goes through the substructure choice in its load mode.
TEST_F(CorvaneFrame, ATanksLoadCommandOpensTheSubstructureChoice) {
  Agree();
  std::string job = Spec("TANKS\\T1");
  Run(kTankCommand, {AcceptJob("  TANK Job Name Specification/Selection", job)});
  JobDataTable.Redim(8, 6);
  for (int s = 1; s <= 3; ++s) {
    JobDataTable(s, 1) = 2;
    for (int i = 2; i <= 6; ++i) JobDataTable(s, i) = i < 4 ? 6.0 : 0.2;
  }
  for (Table2D<float>& t : WorkTables) t.Redim(2, 3);
  ASSERT_TRUE(SaveGeometryFile(job));
  const std::string choice = "   TANK ANALYSIS.   JOB: " + job;
  std::string title;
  int substructures = 0;
  Run(kCorvaneLoadCommand, {WhenDialog("  TANK: Load Name Specification/Selection",
                        [](HWND d) {
                          wintest::SetText(d, kNameBoxId, "A");
                          wintest::PostClick(d, kContinueId);
                        }),
             WhenWith(choice, kTankLoadActionId,
                      [&](HWND d) {
                        for (int id = kTankOptionBaseId + 1; id <= kTankOptionBaseId + 3; ++id) substructures += GetDlgItem(d, id) ? 1 : 0;
                        CheckRadioButton(d, kTankOptionBaseId + 1, kTankOptionBaseId + 3, kTankOptionBaseId + 2);
                        wintest::PostClick(d, kTankLoadActionId);
                      }),
             WhenWith(choice + "     Load Case: A", kLoadTypeEnterButton,
                      [&](HWND d) {
                        title = wintest::GetText(d, kHeadingId);
                        wintest::PostClick(d, kCancelId);
                      }),
             WhenWith(choice, kTankLoadActionId, [](HWND d) { wintest::PostClick(d, kCancelId); })});
  EXPECT_EQ(substructures, 3);
  EXPECT_EQ(title, "WALL: SELECTION OF LOAD TYPE");
  EXPECT_TRUE(fs::exists(job + ".LDA"));
}

// The analysis of a job without load cases: Yes to the question opens the load-case list and the
// load command; with the case entered the check passes and asks for the case to analyse.
TEST_F(CorvaneFrame, AnalysingAJobWithoutLoadCasesOpensTheCaseListAndTheLoadCommand) {
  std::string job = Spec("BEAMS\\BEAM1");
  OpenBeamJob(job);
  const std::string caption = "   BEAM/STRIP ANALYSIS.   JOB: " + job;
  Run(kCorvaneGeometryCommand, {WhenWith(caption, kGeometryHeadingId, [](HWND d) {
        SetTexts(d, entry::kGeometryFieldBaseId + 1, {"4", "10", "3E7", "0.2", "1E-5"});
        wintest::Click(d, entry::kDetailsBoxId);
        wintest::PostClick(d, kOkId);
      })});
  ClearSupportFlags(1);
  SupportFlags[kUnyieldingSlot] = "Y";
  UnyieldingNodes = "1,5";
  ASSERT_TRUE(SaveSupportFile(1));
  std::vector<std::string> asked;
  bool choiceShown = false, analysisCaseAsked = false;
  Run(kElasticAnalysisCommand, {WhenDialog(" WARNING!",
                       [&](HWND box) {
                         asked.push_back(wintest::BoxText(box));
                         wintest::AnswerBox(box, IDYES);
                       }),
            WhenDialog("  BEAM/STRIP: Load Name Specification/Selection",
                       [](HWND d) {
                         wintest::SetText(d, kNameBoxId, "A");
                         wintest::PostClick(d, kContinueId);
                       }),
            WhenWith(caption + "     Load Case: A", 131,
                     [&](HWND d) {
                       choiceShown = true;
                       wintest::PostClick(d, kCancelId);
                     }),
            WhenDialog("  BEAM/STRIP: Load Name Specification/Selection", [&](HWND d) {
              analysisCaseAsked = true;
              wintest::PostClick(d, IDCANCEL);
            })});
  EXPECT_EQ(asked, (std::vector<std::string>{" NO LOAD CASE IS SPECIFIED FOR THIS JOB\r\n\r\n Do you wish to Correct the Data? "}));
  EXPECT_TRUE(choiceShown);
  EXPECT_TRUE(analysisCaseAsked);
  EXPECT_EQ(ReadBytes(job + ".CAS"), "A\r\n");
  EXPECT_TRUE(fs::exists(job + ".LDA"));
}

// The tank's picture over the main window outlives the job dialog: the job reopened by the same
// type cancelled, and the main window painted again where the dialog lay, keep the cylinder.
TEST_F(CorvaneFrame, TheTanksPictureStaysWhenTheJobIsReopenedAndTheWindowPaintedAgain) {
  ProvideZlib();
  Agree();
  const char* const jobs = "  TANK Job Name Specification/Selection";
  std::string job = Spec("TANKS\\T1");
  Run(kTankCommand, {AcceptJob(jobs, job)});
  wintest::Pump();
  RECT client;
  GetClientRect(MainWindow, &client);
  // The cylinder's wall in the middle of the screen, and a band of the background above it.
  auto pixel = [&](long x, long y) {
    std::vector<DWORD> all = wintest::ClientPixels(MainWindow);
    return all.empty() ? DWORD(0) : all[static_cast<size_t>(y) * client.right + x] & 0xFFFFFF;
  };
  const long x = client.right / 2, y = client.bottom / 2;
  const DWORD wall = pixel(x, y), band = pixel(x, 4);
  ASSERT_NE(wall, band);
  Run(kTankCommand, {Cancel(jobs)});
  ASSERT_EQ(JobSpec, job);
  wintest::Pump();
  EXPECT_EQ(pixel(x, y), wall);
  RECT corner{0, 0, client.right / 4, client.bottom / 4};
  RedrawWindow(MainWindow, &corner, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_UPDATENOW);
  wintest::Pump();
  EXPECT_EQ(pixel(x, y), wall);
  HWND screen = FindWindowExA(MainWindow, nullptr, kGfxWindowClass, nullptr);
  EXPECT_TRUE(screen && IsWindowVisible(screen));
}

// Every window the menus open, with the boxes they raise, shows its texts whole: one table of
// cases, each the command (with the job it needs) and the windows it leads through.
TEST_F(CorvaneFrame, EveryWindowOfTheMenusShowsItsTextsWhole) {
  using wintest::LayoutHop;
  using wintest::kEndWithZero;
  const std::string beam = Spec("BEAMS\\B3");
  const std::string beamCases = "  BEAM/STRIP: Load Name Specification/Selection";
  const std::string beamActions = "BEAM/STRIP ANALYSIS.   JOB: " + beam + "     Load Case: Point";
  const std::string chooser = " BEAM/STRIP;  Job: " + beam + "; Load: Point";
  const std::string table = "   BEAM/STRIP ANALYSIS.   JOB: " + beam;
  // The load-case dialog, the case named and accepted.
  const LayoutHop pointCase(beamCases, kContinueId, 0, wintest::Typing({{kNameBoxId, "Point"}}));
  enum class Job { None, Beam };
  struct Case {
    const char* name;
    Job job;
    int command;
    std::vector<LayoutHop> hops;
  };
  const std::vector<Case> cases = {
      {"about", Job::None, kSoftwareBoxCommand, {{"", 0, kEndWithZero}}},
      {"author", Job::None, kCorvaneAuthorBoxCommand, {{"", 0, kEndWithZero}}},
      {"beam jobs", Job::None, kBeamStripCommand, {{kBeamJobs}}},
      {"plate jobs", Job::None, kPlateCommand, {{kPlateJobs}}},
      {"tank jobs", Job::None, kTankCommand, {{"  TANK Job Name Specification/Selection"}}},
      {"another type", Job::Beam, kPlateCommand,
       {{kTypeQuestion, 0, IDNO, nullptr, "Do you realy want to consider another Type of Structure?"}}},
      {"save as", Job::Beam, kSaveJobAsCommand, {{kBeamJobs}}},
      {"load cases", Job::Beam, kCorvaneLoadCommand, {{beamCases}}},
      // The geometry dialog filled in, then the element table with the structure's view beside it.
      {"element table", Job::Beam, kCorvaneGeometryCommand,
       {{table, kOkId, 0,
         [](HWND d) { SetTexts(d, entry::kGeometryFieldBaseId + 1, {"2", "10", "3E7", "0.2", "1E-5"}); }},
        {table, 0, kEndWithZero}}},
      {"analysis check", Job::Beam, kElasticAnalysisCommand,
       {{" WARNING!", 0, IDNO, nullptr, " SUPPORT CONDITIONS ARE NOT SPECIFIED\r\n\r\n Do you wish to Correct the Data? "}}},
      {"beam plot", Job::Beam, kCorvanePlotCommand,
       {pointCase,
        {beamActions, kPlotActionButton, kActionCancel},
        {"WARNING!", 0, IDOK, nullptr, "Results File is Missing! Analyse the Structure!"}}},
      {"output chooser", Job::Beam, kCorvanePresentationCommand, {pointCase, {chooser, 0, kExitId}}},
  };
  std::vector<std::string> faults = wintest::LayoutFaultsOfCases({{"notice", ShowNotice, {{kNotice, 0, kContinueId}}}});
  for (const Case& c : cases) {
    if (c.job == Job::Beam && JobSpec != beam) {
      OpenBeamJob(beam);
      JobDataTable(1, 1) = 2;
      ASSERT_TRUE(SaveGeometryFile(beam));
      WriteBytes(beam + ".CAS", "Point\r\n");
    }
    const int id = c.command;
    for (const std::string& f : wintest::LayoutFaultsOfCases({{c.name, [id] { Command(id); }, c.hops}}, 60000))
      faults.push_back(f);
  }
  EXPECT_TRUE(faults.empty()) << faults.size() << " faults:\n" << wintest::Lines(faults);
}

// A tank's plot: the substructure choice, the wall's actions, the graph window with its picture
// file (its type choice and the information box) and its print without a printer, all with their
// texts whole.
TEST_F(CorvaneFrame, TheTanksPlotWindowsShowTheirTextsWhole) {
  using wintest::LayoutHop;
  const std::string tank = Spec("TANKS\\T1");
  OpenTankWithWallResults(tank);
  const std::string choice = "   TANK ANALYSIS.   JOB: " + tank;
  const std::string actions = "TANK ANALYSIS.   JOB: " + tank + "     Load Case: Water";
  const std::string graph = " GRAPH - Load Case: Water";
  // The way to the graph: the case named, the wall chosen, its actions.
  const std::vector<LayoutHop> toGraph = {
      {"  TANK: Load Name Specification/Selection", kContinueId, 0, wintest::Typing({{kNameBoxId, "Water"}})},
      {choice, kContinueId, 2, [](HWND d) { wintest::PostClick(d, kTankOptionBaseId + 2); }},
      {actions, kPlotActionButton, kActionCancel}};
  auto plot = [](std::string name, std::vector<LayoutHop> hops) {
    return wintest::LayoutCase{std::move(name), [] { Command(kCorvanePlotCommand); }, std::move(hops)};
  };
  std::vector<LayoutHop> picture = toGraph, print = toGraph;
  // The picture file: its type chosen (BMP), the information where it went.
  picture.insert(picture.end(),
                 {{graph, kGraphFileButton, kGraphCloseButton},
                  {"", kContinueId, 0},
                  {"Graph Bitmap File Information", 0, IDOK, nullptr,
                   "Graph will be Saved in the Working Directory as 'Linear.bmp' File   "}});
  // The print without a printer: the warning.
  print.insert(print.end(),
               {{graph, kGraphPrintButton, kGraphCloseButton},
                {"WARNING!", 0, IDOK, nullptr, "No PRINTER is Installed!\r\n\r\nInstall a Printer, then Print again!"}});
  const std::vector<std::string> faults =
      wintest::LayoutFaultsOfCases({plot("picture file", picture), plot("print", print)}, 60000);
  EXPECT_TRUE(faults.empty()) << faults.size() << " faults:\n" << wintest::Lines(faults);
}
