// Trabix.exe itself, started as a user starts it: a copy in a folder of its own (the program
// directory), driven from this process through its windows.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <map>
#include <memory>
#include <vector>
#include <set>
#include <string>

#include "../../../common/tests/smalldisk.h"
#include "../../../common/tests/testdir.h"
#include "../../tests/testsupport.h"
#include "core/textfiles.h"
#include "win/ids.h"
#include "win/testing/program.h"
#include "win/testing/programfixture.h"
#include "trabix/app/ids.h"
#include "trabix/entry/ids.h"
#include "trabix/views/views.h"
#include "graph/graphwindow.h"
#include "win/testing/wintest.h"

namespace fs = std::filesystem;
using trabix::testing::FirstLine;
using wintest::Press;
using wintest::SetField;
using wintest::WaitFor;
using wintest::WindowText;

namespace {

const char* const kFirstJobCaption = "   Job Name Specification/Selection";
const char* const kJobCaption = "  BEAM/STRIP Job Name Specification/Selection";

// The lines of a text file from its second on.
std::vector<std::string> LinesAfterTheFirst(const std::string& file) {
  std::vector<std::string> lines = trabix::testing::FileLines(file);
  return lines.size() > 2 ? std::vector<std::string>(lines.begin() + 2, lines.end()) : std::vector<std::string>();
}

const wintest::ProgramProfile kTrabix = {"Trabix.exe", "BEAM/STRIP ANALYSIS", kFirstJobCaption, kJobCaption,
                                        "     BEAM/STRIP ANALYSIS.   JOB: ", kNameBoxId};

class TrabixProgram : public wintest::ProgramTest {
 protected:
  TrabixProgram() : ProgramTest(kTrabix) {}

  // "&Geometry...": a beam of 10 m in 4 elements and its details table (width 0.5 m, depth
  // 0.8 m in every row), written once the table has closed.
  void EnterTheBeam(const std::string& caption, const std::string& job) {
    PostMessageA(main, WM_COMMAND, kGeometryCommand, 0);
    HWND d = Next(caption);
    ASSERT_NE(d, nullptr);
    const char* general[] = {"10", "4", "2E7", "0.2", "1E-5"};
    for (int i = 0; i < 5; ++i) SetField(d, entry::kGeometryFieldBaseId + 1 + i, general[i]);
    Press(d, kOkId);
    HWND t = Next(" GEOMETRY DETAILS DATA:", d);
    ASSERT_NE(t, nullptr);
    for (int row = 1; row <= 4; ++row) {
      Cell(t, 3, row, 2, "0.5");
      Cell(t, 3, row, 3, "0.8");
    }
    Press(t, kContinueId);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(t) && fs::exists(job + ".GEO"); }));
  }

  // The program started, the job named and its beam entered.
  void StartWithTheBeam(const std::string& job, const std::string& caption) {
    ASSERT_NO_FATAL_FAILURE(Start());
    ASSERT_NO_FATAL_FAILURE(AgreeAndOpen(job));
    ASSERT_NO_FATAL_FAILURE(EnterTheBeam(caption, job));
  }
  // "&Support Data" with the option of a support type chosen; the type's data dialog.
  void ChooseSupport(const std::string& caption, int option, HWND& data) {
    PostMessageA(main, WM_COMMAND, kSupportCommand, 0);
    HWND d = Next(caption);
    ASSERT_NE(d, nullptr);
    wintest::ClickControl(d, option);
    ASSERT_TRUE(WaitFor([&] { return IsDlgButtonChecked(d, option) == BST_CHECKED; }));
    Press(d, entry::kEnterSupportDataId);
    data = program.WaitForDialog(caption, d);
    ASSERT_NE(data, nullptr);
  }

  // "&Load Data" for a new case "A" and its uniform load of 10 kN/m; the load-type dialog of the
  // caption `types` that shows again after it.
  void EnterCaseAWithItsUniformLoad(const std::string& cases, const std::string& types, HWND& ty) {
    PostMessageA(main, WM_COMMAND, kLoadCommand, 0);
    HWND c = Next(cases);
    ASSERT_NE(c, nullptr);
    SetField(c, kInProcessNameBoxId, "A");
    Press(c, kOkId);
    ty = Next(types, c);
    ASSERT_NE(ty, nullptr);
    Press(ty, trabix::kEnterLoadData);
    HWND v = Next(" LOAD DATA GENERATION - Load Case: A");
    ASSERT_NE(v, nullptr);
    SetField(v, trabix::kUniformLoadFieldId, "10");
    SetField(v, trabix::kUniformLoadFieldId + 1, "0");
    Press(v, kOkId);
    ty = Next(types, v);
    ASSERT_NE(ty, nullptr);
  }

  // A command that asks for the load case, with the case that heads the list chosen; the case
  // dialog.
  void ChooseTheFirstCase(int command, const std::string& cases, HWND& c) {
    PostMessageA(main, WM_COMMAND, command, 0);
    c = Next(cases);
    ASSERT_NE(c, nullptr);
    SendDlgItemMessageA(c, kInProcessNameBoxId, CB_SETCURSEL, 0, 0);
    Press(c, kOkId);
  }

  // The dialog of that caption the program shows now; `gone` has closed first.
  HWND Next(const std::string& caption, HWND gone = nullptr) {
    if (gone) WaitFor([&] { return !IsWindow(gone) || !IsWindowVisible(gone); });
    return program.WaitForDialog(caption);
  }
  // Types into the cell of a table window of `columns` value columns.
  static void Cell(HWND table, int columns, int row, int column, const std::string& text) {
    int id = kFirstCellId + (row - 1) * columns + column;
    SetField(wintest::ParentOfControl(table, id), id, text);
  }
};

TEST_F(TrabixProgram, TheNoticesExitEndsTheProgramWithoutAJobDialogOrAFile) {
  Start();
  EXPECT_EQ(WindowText(main), "  BEAM/STRIP ANALYSIS Program");
  HWND notice = Notice();
  ASSERT_NE(notice, nullptr);
  ExitOnTheNotice(notice);
  EXPECT_TRUE(wintest::FilesIn(dir.path() / "ELSEWHERE").empty());
}

TEST_F(TrabixProgram, ACancelledJobDialogLeavesNoJobAndADataCommandAsksAgain) {
  Start();
  HWND jobs = Agree();
  ASSERT_NE(jobs, nullptr);
  EXPECT_NE(GetMenu(main), nullptr);
  ASSERT_NO_FATAL_FAILURE(CancelJobDialog(jobs));
  EXPECT_EQ(WindowText(main), "  BEAM/STRIP ANALYSIS Program");
  ASSERT_NO_FATAL_FAILURE(CancelTheJobDialogOf(kGeometryCommand));
  EXPECT_EQ(Close(), 0);
}

TEST_F(TrabixProgram, AJobIsNamedKeptLooseAfterANewJobCancelledAndPackedOnLeaving) {
  Start();
  std::string job = (dir.path() / "BEAMS" / "BEAM1").string();
  ASSERT_NO_FATAL_FAILURE(AgreeAndOpen(job));
  EXPECT_EQ(ReadBytes((program.Folder() / "FJOB$.INF").string()), job + "\r\n");
  ASSERT_NO_FATAL_FAILURE(ExpectANewJobCancelledKeepsTheJobLoose(job));
  EXPECT_EQ(Close(), 0);
  EXPECT_EQ(wintest::FilesIn(dir.path() / "BEAMS"), (std::set<std::string>{"BEAM1.ZIP"}));
}

TEST_F(TrabixProgram, HelpStartsTheViewerWithItsFileAndWaitsUntilItIsClosed) {
  Start();
  // The viewer is looked for beside the program first: a stand-in there records its call.
  fs::copy_file(wintest::ExeFolder() / "winhlp32_stub.exe", program.Folder() / "winhlp32.exe");
  HWND jobs = Agree();
  ASSERT_NE(jobs, nullptr);
  ASSERT_NO_FATAL_FAILURE(CancelJobDialog(jobs));
  PostMessageA(main, WM_COMMAND, kHelpCommand, 0);
  fs::path call = program.Folder() / "HELP_CALL.TXT";
  ASSERT_TRUE(WaitFor([&] { return fs::exists(call) && !ReadBytes(call.string()).empty(); }));
  EXPECT_EQ(ReadBytes(call.string()), "winhlp32.exe Tovask.hlp");
  // While the viewer is open the program waits for it and answers nothing: the call is written
  // once the program has started the viewer, and it takes no message until the viewer has ended.
  EXPECT_FALSE(program.Answers(main, 500));
  WriteBytes((program.Folder() / "HELP_CLOSE.TXT").string(), "");
  EXPECT_TRUE(WaitFor([&] { return program.Answers(main, 500); }));
  EXPECT_EQ(Close(), 0);
}

// A viewer that cannot be started (a damaged file where it is looked for first) is told with
// the system's reason, and the program goes on.
TEST_F(TrabixProgram, AHelpViewerThatCannotStartIsTold) {
  Start();
  WriteBytes((program.Folder() / "winhlp32.exe").string(), "no program\r\n");
  HWND jobs = Agree();
  ASSERT_NE(jobs, nullptr);
  ASSERT_NO_FATAL_FAILURE(CancelJobDialog(jobs));
  PostMessageA(main, WM_COMMAND, kHelpCommand, 0);
  HWND box = program.WaitForDialog("WARNING!");
  ASSERT_NE(box, nullptr);
  const std::string text = wintest::BoxText(box);
  const std::string start = "The HELP Viewer 'winhlp32.exe' cannot be Started: ";
  EXPECT_EQ(text.rfind(start, 0), 0u) << text;
  EXPECT_GT(text.size(), start.size() + 1) << text;  // and why
  Press(box, IDOK);
  EXPECT_EQ(Close(), 0);
}

TEST_F(TrabixProgram, SaveJobAsRewritesTheNewJobsHeadersAndPacksTheOldJob) {
  Start();
  fs::path beams = dir.path() / "BEAMS";
  fs::create_directories(beams);
  fs::current_path(beams);
  trabix::testing::CopyJob("WINKYLD");
  fs::current_path(dir.path());
  std::string oldJob = (beams / "WINKYLD").string(), newJob = (beams / "BEAM2").string();
  ASSERT_NO_FATAL_FAILURE(AgreeAndOpen(oldJob));
  PostMessageA(main, WM_COMMAND, kSaveJobAsCommand, 0);
  HWND jobs = program.WaitForWindow("#32770", kJobCaption);
  ASSERT_NE(jobs, nullptr);
  ASSERT_TRUE(OpenJob(jobs, newJob));
  ASSERT_TRUE(WaitFor([&] { return fs::exists(oldJob + ".ZIP") && !fs::exists(oldJob + ".GEO"); }));
  // Line 1 of the geometry, support and listed load files names the new job; the rest is copied.
  struct Case {
    const char* extension;
    std::string header;
  };
  for (const Case& c : {Case{".GEO", " // GEOMETRY & MAT. PROPERTIES"}, Case{".SUP", " // SUPPORTS"},
                        Case{".LDP", " // LOADS (P)"}}) {
    EXPECT_EQ(FirstLine(newJob + c.extension), "Job: " + newJob + c.header) << c.extension;
    EXPECT_EQ(LinesAfterTheFirst(newJob + c.extension),
              LinesAfterTheFirst((trabix::testing::DataFolder() / ("WINKYLD" + std::string(c.extension))).string()))
        << c.extension;
  }
  EXPECT_EQ(ReadBytes(newJob + ".CAS"), ReadBytes((trabix::testing::DataFolder() / "WINKYLD.CAS").string()));
  // The old job is archived with no loose file left; leaving packs the new one as well.
  EXPECT_EQ(Close(), 0);
  EXPECT_EQ(wintest::FilesIn(beams), (std::set<std::string>{"WINKYLD.ZIP", "BEAM2.ZIP"}));
}

// A new user's whole job through Trabix.exe as it is shipped: a new job, geometry with its
// details table, Winkler supports, case A with a uniform and a nodal load, the elastic analysis,
// every graph, both documents previewed and saved, "&Close", and the job opened again.
TEST_F(TrabixProgram, ANewUsersWholeJob) {
  std::string job = (dir.path() / "BEAMS" / "BEAM1").string();
  const std::string entry = "   BEAM/STRIP ANALYSIS.   JOB: " + job;
  const std::string cases = "  BEAM/STRIP: Load Name Specification/Selection";
  ASSERT_NO_FATAL_FAILURE(StartWithTheBeam(job, entry));

  HWND t = nullptr;
  ASSERT_NO_FATAL_FAILURE(ChooseSupport(entry, entry::kWinklerOptionId, t));
  for (int row = 1; row <= 4; ++row) {
    Cell(t, 4, row, 1, "20000");
    Cell(t, 4, row, 2, "20000");
  }
  Press(t, kContinueId);
  ASSERT_TRUE(WaitFor([&] { return !IsWindow(t) && ReadBytes(job + ".SUP").find("WINKLER") != std::string::npos; }));

  const std::string types = entry + "     Load Case: A";
  HWND ty = nullptr;
  ASSERT_NO_FATAL_FAILURE(EnterCaseAWithItsUniformLoad(cases, types, ty));
  Press(ty, trabix::kEnterLoadData);
  HWND n = Next("NODAL LOAD DATA. Load Case: A");
  ASSERT_NE(n, nullptr);
  Cell(n, 2, 3, 1, "50");
  Press(n, kContinueId);
  ty = Next(types, n);
  ASSERT_NE(ty, nullptr);
  Press(ty, kCancelId);
  ASSERT_TRUE(WaitFor([&] { return !IsWindow(ty) && fs::exists(job + ".LDA"); }));
  ASSERT_TRUE(program.WaitUntilIdle(main));  // the load file written whole
  EXPECT_NE(ReadBytes(job + ".LDA").find("    3               50.0000"), std::string::npos);

  PostMessageA(main, WM_COMMAND, kElasticAnalysisCommand, 0);
  HWND c = Next(cases);
  ASSERT_NE(c, nullptr);
  Press(c, kOkId);
  HWND a = Next(entry, c);
  ASSERT_NE(a, nullptr);
  Press(a, kAnalyseId);
  ASSERT_TRUE(WaitFor([&] { return !IsWindow(a) && fs::exists(job + ".RBA"); }));
  EXPECT_NEAR(trabix::testing::ReadReport(job + ".RBA").total, 150.0, 0.15);

  PostMessageA(main, WM_COMMAND, kPlotCommand, 0);
  c = Next(cases);
  ASSERT_NE(c, nullptr);
  Press(c, kOkId);
  const std::string actions = "  BEAM/STRIP ANALYSIS.   JOB: " + job + ": SELECTION OF STRUCTURAL ACTION     Load Case: A";
  HWND g = c;
  for (int k = 1; k <= 5; ++k) {
    HWND s = Next(actions, g);
    ASSERT_NE(s, nullptr) << k;
    Press(s, kFormCancelId);
    g = Next(" GRAPH - Load Case: A");
    ASSERT_NE(g, nullptr) << k;
    Press(g, kFormCancelId);
  }
  HWND s = Next(actions, g);
  ASSERT_NE(s, nullptr);
  Press(s, kCancelId);
  ASSERT_TRUE(WaitFor([&] { return !IsWindow(s); }));

  PostMessageA(main, WM_COMMAND, kPresentationCommand, 0);
  c = Next(cases);
  ASSERT_NE(c, nullptr);
  Press(c, kOkId);
  const std::string chooserCaption = " BEAM/STRIP;  Job: " + job + "; Load: A";
  HWND chooser = Next(chooserCaption, c);
  ASSERT_NE(chooser, nullptr);
  HWND previous = nullptr;
  for (const std::string kind : {"DATA", "RESULTS"}) {
    chooser = Next(chooserCaption, previous);
    ASSERT_NE(chooser, nullptr);
    if (IsDlgButtonChecked(chooser, kFirstOptionId) != BST_CHECKED) wintest::ClickControl(chooser, kFirstOptionId);
    ASSERT_TRUE(WaitFor([&] { return IsDlgButtonChecked(chooser, kFirstOptionId) == BST_CHECKED; }));
    Press(chooser, kind == "DATA" ? kOkId : kFormCancelId);
    HWND info = Next(kind + " File Information");
    ASSERT_NE(info, nullptr) << kind;
    Press(info, IDOK);
    HWND question = Next(kind + " File Information", info);
    ASSERT_NE(question, nullptr) << kind;
    Press(question, IDYES);
    HWND preview = program.WaitForWindow("SuiteDocPreview");
    ASSERT_NE(preview, nullptr) << kind;
    PostMessageA(preview, WM_KEYDOWN, VK_ESCAPE, 0);
    previous = preview;
  }
  chooser = Next(chooserCaption, previous);
  ASSERT_NE(chooser, nullptr);
  Press(chooser, kExitId);
  for (const char* file : {"BEAM1_DATA.DDC", "BEAM1_DATA.TXT", "BEAM1_RESULTS.DDC", "BEAM1_RESULTS.TXT"})
    EXPECT_TRUE(WaitFor([&] { return fs::exists(program.Folder() / file); })) << file;

  // "&Close" packs the job's files into its archive; started again, the job opens as it was left.
  std::map<std::string, std::string> loose = wintest::FileBytesIn(dir.path() / "BEAMS");
  EXPECT_EQ(loose.size(), 5u);
  EXPECT_EQ(Close(), 0);
  EXPECT_EQ(wintest::FilesIn(dir.path() / "BEAMS"), (std::set<std::string>{"BEAM1.ZIP"}));
  Start();
  ASSERT_NO_FATAL_FAILURE(AgreeAndOpen(job));
  std::map<std::string, std::string> restored = wintest::FileBytesIn(dir.path() / "BEAMS");
  restored.erase("BEAM1.ZIP");
  EXPECT_EQ(restored, loose);
  EXPECT_EQ(Close(), 0);
}

// The rest of a new user's walk: a beam on the isotropic half-space, case A with a uniform load
// and case B with a trapezoidal one, the elastic-plastic analysis of B, a graph copied to a bitmap
// and to a JPEG file and printed (no printer: the print says so and makes no print document),
// the data document reopened in DocView.exe, the job saved as another and that one reopened.
TEST_F(TrabixProgram, ANewUsersHalfSpaceJobWithTwoCasesGraphFilesViewerAndSaveAs) {
  std::string job = (dir.path() / "BEAMS" / "BEAM1").string();
  std::string entry = "   BEAM/STRIP ANALYSIS.   JOB: " + job;
  const std::string cases = "  BEAM/STRIP: Load Name Specification/Selection";
  ASSERT_NO_FATAL_FAILURE(StartWithTheBeam(job, entry));

  // " Resting on &Isotropic Half-Space": E 30000 kPa, Nu 0.25, yield stress 300 kPa.
  HWND h = nullptr;
  ASSERT_NO_FATAL_FAILURE(ChooseSupport(entry, entry::kIsotropicOptionId, h));
  SetField(h, trabix::kHalfSpaceFieldBaseId + 1, "30000");
  SetField(h, trabix::kHalfSpaceFieldBaseId + 2, "0.25");
  SetField(h, trabix::kHalfSpaceFieldBaseId + 3, "300");
  Press(h, kOkId);
  ASSERT_TRUE(WaitFor([&] {
    return !IsWindow(h) && ReadBytes(job + ".SUP").find("ISOTROPIC ELASTIC HALF-SPACE") != std::string::npos;
  }));
  EXPECT_NE(ReadBytes(job + ".SUP").find("ISOTROPIC YIELD STRESS: 300.00[kPa]"), std::string::npos);

  // Case A: a uniform load of 10 kN/m.
  HWND ty = nullptr;
  ASSERT_NO_FATAL_FAILURE(EnterCaseAWithItsUniformLoad(cases, entry + "     Load Case: A", ty));
  Press(ty, kCancelId);
  ASSERT_TRUE(WaitFor([&] { return !IsWindow(ty) && fs::exists(job + ".LDA"); }));
  ASSERT_TRUE(program.WaitUntilIdle(main));  // the load file written whole

  // Case B: "Trapezoidal &Load" rising from 0 to 20 kN/m at mid-length and falling again.
  PostMessageA(main, WM_COMMAND, kLoadCommand, 0);
  HWND c = Next(cases);
  ASSERT_NE(c, nullptr);
  SetField(c, kInProcessNameBoxId, "B");
  Press(c, kOkId);
  ty = Next(entry + "     Load Case: B", c);
  ASSERT_NE(ty, nullptr);
  wintest::ClickControl(ty, trabix::kFirstLoadKind + 2);
  ASSERT_TRUE(WaitFor([&] { return IsDlgButtonChecked(ty, trabix::kFirstLoadKind + 2) == BST_CHECKED; }));
  Press(ty, trabix::kEnterLoadData);
  HWND q = Next("TRAPEZOIDAL LOAD DATA. Load Case: B");
  ASSERT_NE(q, nullptr);
  const char* ends[4][2] = {{"0", "10"}, {"10", "20"}, {"20", "10"}, {"10", "0"}};
  for (int e = 1; e <= 4; ++e) {
    Cell(q, 2, e, 1, ends[e - 1][0]);
    Cell(q, 2, e, 2, ends[e - 1][1]);
  }
  Press(q, kContinueId);
  ty = Next(entry + "     Load Case: B", q);
  ASSERT_NE(ty, nullptr);
  Press(ty, kCancelId);
  ASSERT_TRUE(WaitFor([&] { return !IsWindow(ty) && fs::exists(job + ".LDB"); }));
  ASSERT_TRUE(program.WaitUntilIdle(main));  // the load file written whole
  EXPECT_NE(ReadBytes(job + ".LDB").find("TRAPEZOIDAL LOADING"), std::string::npos) << ReadBytes(job + ".LDB");

  // The elastic-plastic analysis of case B (the case named last heads the list): the soil
  // carries the 100 kN.
  ASSERT_NO_FATAL_FAILURE(ChooseTheFirstCase(kPlasticAnalysisCommand, cases, c));
  HWND a = Next(entry, c);
  ASSERT_NE(a, nullptr);
  Press(a, kAnalyseId);
  ASSERT_TRUE(WaitFor([&] { return !IsWindow(a) && fs::exists(job + ".RBB"); }, 60000));
  EXPECT_NEAR(trabix::testing::ReadReport(job + ".RBB").total, 100.0, 0.1);
  EXPECT_FALSE(fs::exists(job + ".RBA"));

  // The bending moments of case B: copied to a bitmap, then to a JPEG file, then printed.
  ASSERT_NO_FATAL_FAILURE(ChooseTheFirstCase(kPlotCommand, cases, c));
  const std::string actions = "  BEAM/STRIP ANALYSIS.   JOB: " + job + ": SELECTION OF STRUCTURAL ACTION     Load Case: B";
  HWND s = Next(actions, c);
  ASSERT_NE(s, nullptr);
  Press(s, kFormCancelId);
  HWND g = Next(" GRAPH - Load Case: B");
  ASSERT_NE(g, nullptr);
  const std::string typeCaption = " BEAM and STRIP ANALYSIS.   JOB: " + job + "     Load Case: B";
  struct Picture {
    int option;
    const char* file;
    std::string magic;
  };
  for (const Picture& p :
       {Picture{kGraphBmpOption, "Linear.bmp", "BM"}, Picture{kGraphJpegOption, "Linear.JPG", "\xFF\xD8\xFF"}}) {
    Press(g, kGraphFileButton);
    HWND type = Next(typeCaption);
    ASSERT_NE(type, nullptr) << p.file;
    if (p.option != kGraphBmpOption) wintest::ClickControl(type, p.option);
    ASSERT_TRUE(WaitFor([&] { return IsDlgButtonChecked(type, p.option) == BST_CHECKED; })) << p.file;
    Press(type, kContinueId);
    HWND info = Next("Graph Bitmap File Information", type);
    ASSERT_NE(info, nullptr) << p.file;
    EXPECT_EQ(wintest::BoxText(info), std::string("Graph will be Saved in the Working Directory as '") + p.file + "' File   ");
    Press(info, IDOK);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(info); })) << p.file;
    fs::path picture = program.Folder() / p.file;
    ASSERT_TRUE(WaitFor([&] { return fs::exists(picture) && fs::file_size(picture) > 1000; })) << p.file;
    EXPECT_EQ(ReadBytes(picture.string()).substr(0, p.magic.size()), p.magic) << p.file;
  }
  // Without a printer the print says so and begins nothing: no print document.
  Press(g, kGraphPrintButton);
  HWND none = Next("WARNING!", g);
  ASSERT_NE(none, nullptr);
  EXPECT_EQ(wintest::BoxText(none), "No PRINTER is Installed!\r\n\r\nInstall a Printer, then Print again!");
  Press(none, IDOK);
  ASSERT_TRUE(WaitFor([&] { return !IsWindow(none); }));
  EXPECT_TRUE(program.Answers(g, 5000));
  EXPECT_FALSE(fs::exists(program.Folder() / "GraphBMP.DDC"));
  Press(g, kFormCancelId);
  s = Next(actions, g);
  ASSERT_NE(s, nullptr);
  Press(s, kCancelId);
  ASSERT_TRUE(WaitFor([&] { return !IsWindow(s); }));

  // The data document of case B saved, then shown by DocView.exe started on its file.
  ASSERT_NO_FATAL_FAILURE(ChooseTheFirstCase(kPresentationCommand, cases, c));
  const std::string chooserCaption = " BEAM/STRIP;  Job: " + job + "; Load: B";
  HWND chooser = Next(chooserCaption, c);
  ASSERT_NE(chooser, nullptr);
  if (IsDlgButtonChecked(chooser, kFirstOptionId) != BST_CHECKED) wintest::ClickControl(chooser, kFirstOptionId);
  ASSERT_TRUE(WaitFor([&] { return IsDlgButtonChecked(chooser, kFirstOptionId) == BST_CHECKED; }));
  Press(chooser, kOkId);
  HWND info = Next("DATA File Information");
  ASSERT_NE(info, nullptr);
  Press(info, IDOK);
  HWND question = Next("DATA File Information", info);
  ASSERT_NE(question, nullptr);
  Press(question, IDNO);  // no text copy
  HWND shown = program.WaitForWindow("SuiteDocPreview");
  ASSERT_NE(shown, nullptr);
  PostMessageA(shown, WM_KEYDOWN, VK_ESCAPE, 0);
  chooser = Next(chooserCaption, shown);
  ASSERT_NE(chooser, nullptr);
  Press(chooser, kExitId);
  fs::path document = program.Folder() / "BEAM1_DATA.DDC";
  ASSERT_TRUE(WaitFor([&] { return fs::exists(document); }));
  EXPECT_FALSE(fs::exists(program.Folder() / "BEAM1_DATA.TXT"));
  wintest::Program viewer;
  ASSERT_TRUE(viewer.Start(dir.path() / "VIEWER", "DocView.exe", {}, "DocView.exe \"" + document.string() + "\""));
  HWND preview = viewer.WaitForWindow("SuiteDocPreview");
  ASSERT_NE(preview, nullptr);
  EXPECT_EQ(WindowText(preview), "Print Preview - Structure Data - BEAM1_DATA.DDC");
  PostMessageA(preview, WM_CLOSE, 0, 0);
  EXPECT_EQ(viewer.WaitForExit(), 0);

  // Saved as BEAM2: the old job packed, the new one carries both cases; reopened after leaving.
  std::string job2 = (dir.path() / "BEAMS" / "BEAM2").string();
  PostMessageA(main, WM_COMMAND, kSaveJobAsCommand, 0);
  HWND jobs = Next("  BEAM/STRIP Job Name Specification/Selection");
  ASSERT_NE(jobs, nullptr);
  ASSERT_TRUE(OpenJob(jobs, job2));
  ASSERT_TRUE(WaitFor([&] { return fs::exists(job + ".ZIP") && !fs::exists(job + ".GEO"); }));
  EXPECT_EQ(FirstLine(job2 + ".LDB"), "Job: " + job2 + " // LOADS (B)");
  std::map<std::string, std::string> loose = wintest::FileBytesIn(dir.path() / "BEAMS");
  loose.erase("BEAM1.ZIP");
  for (const char* file : {"BEAM2.GEO", "BEAM2.SUP", "BEAM2.CAS", "BEAM2.LDA", "BEAM2.LDB"})
    EXPECT_EQ(loose.count(file), 1u) << file;
  EXPECT_EQ(Close(), 0);
  EXPECT_EQ(wintest::FilesIn(dir.path() / "BEAMS"), (std::set<std::string>{"BEAM1.ZIP", "BEAM2.ZIP"}));
  Start();
  ASSERT_NO_FATAL_FAILURE(AgreeAndOpen(job2));
  std::map<std::string, std::string> restored = wintest::FileBytesIn(dir.path() / "BEAMS");
  restored.erase("BEAM1.ZIP");
  restored.erase("BEAM2.ZIP");
  EXPECT_EQ(restored, loose);
  EXPECT_EQ(Close(), 0);
}

}  // namespace

namespace {

// A job's files written as its data dialogs write them, then packed by a normal end.
class TrabixJobArchive : public TrabixProgram {
 protected:
  void PackedJob() {
    Start();
    ASSERT_NO_FATAL_FAILURE(AgreeAndOpen(job));
    WriteBytes(job + ".GEO", "Job: geometry\r\n");
    WriteBytes(job + ".SUP", "Job: supports\r\n");
    ASSERT_EQ(Close(), 0);
    ASSERT_EQ(wintest::FilesIn(dir.path() / "BEAMS"), (std::set<std::string>{"BEAM1.ZIP"}));
  }
  // Starts the program again and names the job in its first job dialog (kept in its job list).
  HWND Reopen() {
    Start();
    HWND jobs = Agree();
    if (!jobs) return nullptr;
    SetField(jobs, kNameBoxId, job);
    Press(jobs, IDOK);
    return jobs;
  }
  std::string job = (dir.path() / "BEAMS" / "BEAM1").string();
};

TEST_F(TrabixJobArchive, AKilledProgramsEditIsKeptByTheNextOpening) {
  ASSERT_NO_FATAL_FAILURE(PackedJob());
  ASSERT_NE(Reopen(), nullptr);
  ASSERT_TRUE(WaitFor([&] { return WindowText(main) == "     BEAM/STRIP ANALYSIS.   JOB: " + job; }));
  ASSERT_TRUE(program.WaitUntilIdle(main));
  ASSERT_EQ(ReadBytes(job + ".GEO"), "Job: geometry\r\n");
  WriteBytes(job + ".GEO", "Job: edited geometry\r\n");  // written by the dialog's OK
  program.Kill();

  ASSERT_NE(Reopen(), nullptr);
  ASSERT_TRUE(WaitFor([&] { return WindowText(main) == "     BEAM/STRIP ANALYSIS.   JOB: " + job; }));
  ASSERT_TRUE(program.WaitUntilIdle(main));
  EXPECT_EQ(ReadBytes(job + ".GEO"), "Job: edited geometry\r\n");
  EXPECT_EQ(ReadBytes(job + ".SUP"), "Job: supports\r\n");
  EXPECT_EQ(FindWindowA(nullptr, "WARNING!"), nullptr);
  ASSERT_EQ(Close(), 0);
  // The edit went into the archive with the rest.
  ASSERT_NE(Reopen(), nullptr);
  ASSERT_TRUE(WaitFor([&] { return fs::exists(job + ".GEO"); }));
  ASSERT_TRUE(program.WaitUntilIdle(main));
  EXPECT_EQ(ReadBytes(job + ".GEO"), "Job: edited geometry\r\n");
  EXPECT_EQ(Close(), 0);
}

// A program killed while leaving a job left its spare archive: the next leave packs all the same.
TEST_F(TrabixJobArchive, ASpareArchiveLeftByAKilledLeaveNeverStopsTheNextLeave) {
  ASSERT_NO_FATAL_FAILURE(PackedJob());
  const fs::path spare = program.Folder() / "LASTJOB.ZIP";
  WriteBytes(spare.string(), "spare archive of a killed leave");
  ASSERT_NE(Reopen(), nullptr);
  ASSERT_TRUE(WaitFor([&] { return WindowText(main) == "     BEAM/STRIP ANALYSIS.   JOB: " + job; }));
  ASSERT_TRUE(program.WaitUntilIdle(main));
  ASSERT_EQ(ReadBytes(job + ".SUP"), "Job: supports\r\n");
  WriteBytes(job + ".SUP", "Job: edited supports\r\n");
  ASSERT_EQ(Close(), 0);
  EXPECT_EQ(wintest::FilesIn(dir.path() / "BEAMS"), (std::set<std::string>{"BEAM1.ZIP"}));
  EXPECT_FALSE(fs::exists(spare));
  EXPECT_EQ(ReadBytes((program.Folder() / "LASTJOB (1).ZIP").string()), "spare archive of a killed leave");
  // The edit went into the archive.
  ASSERT_NE(Reopen(), nullptr);
  ASSERT_TRUE(WaitFor([&] { return fs::exists(job + ".SUP"); }));
  ASSERT_TRUE(program.WaitUntilIdle(main));
  EXPECT_EQ(ReadBytes(job + ".SUP"), "Job: edited supports\r\n");
  EXPECT_EQ(Close(), 0);
}

TEST_F(TrabixJobArchive, ADamagedArchiveIsToldAndKeptWhenTheJobIsLeft) {
  ASSERT_NO_FATAL_FAILURE(PackedJob());
  std::string damaged = ReadBytes(job + ".ZIP");
  size_t central = damaged.find("PK\x01\x02");
  ASSERT_NE(central, std::string::npos);
  damaged[central + 16] ^= 0x55;  // the first entry's checksum
  WriteBytes(job + ".ZIP", damaged);

  ASSERT_NE(Reopen(), nullptr);
  HWND box = program.WaitForDialog("WARNING!");
  ASSERT_NE(box, nullptr);
  const std::string text = wintest::BoxText(box);
  EXPECT_NE(text.find("Job Archive '" + job + ".ZIP' cannot be Unpacked"), std::string::npos) << text;
  EXPECT_NE(text.find("is Damaged"), std::string::npos) << text;
  EXPECT_NE(text.find("the Archive is Left as it is"), std::string::npos) << text;
  Press(box, IDOK);
  ASSERT_TRUE(WaitFor([&] { return WindowText(main) == "     BEAM/STRIP ANALYSIS.   JOB: " + job; }));
  ASSERT_TRUE(program.WaitUntilIdle(main));
  EXPECT_FALSE(fs::exists(job + ".GEO"));
  EXPECT_FALSE(fs::exists(job + ".SUP"));
  // The user types a geometry into the job and leaves: the archive with its intact files stays.
  WriteBytes(job + ".GEO", "Job: new geometry\r\n");
  EXPECT_EQ(Close(), 0);
  EXPECT_EQ(ReadBytes(job + ".ZIP"), damaged);
  EXPECT_EQ(ReadBytes(job + ".GEO"), "Job: new geometry\r\n");
  EXPECT_FALSE(fs::exists(program.Folder() / "LASTJOB.ZIP"));
}

// The geometry's Ok where the file cannot be written: its temporary name taken, or the job's
// folder a full disk (filled after the job was opened, where the run time's own flush is the
// first to fail). Each time one box tells the file and why, and nothing passes for saved.
TEST_F(TrabixProgram, AGeometryThatCannotBeWrittenIsTold) {
  const struct {
    const char* what;
    bool fullDisk;
  } cases[] = {{"temporary name taken", false}, {"full disk", true}};
  for (const auto& c : cases) {
    const std::string folder = (dir.path() / (c.fullDisk ? "FULL" : "BEAMS")).string();
    const std::string job = folder + "\\BEAM1";
    std::unique_ptr<SmallDisk> disk;
    if (c.fullDisk) {
      disk = std::make_unique<SmallDisk>(folder);
      if (!disk->Mounted()) GTEST_SKIP() << disk->Why();
    }
    Start();
    ASSERT_NO_FATAL_FAILURE(AgreeAndOpen(job));
    if (c.fullDisk)
      disk->Fill();
    else
      fs::create_directory(job + ".GEO.~tmp");  // the write's temporary name is taken
    PostMessageA(main, WM_COMMAND, kGeometryCommand, 0);
    const std::string entry = "   BEAM/STRIP ANALYSIS.   JOB: " + job;
    HWND d = Next(entry);
    ASSERT_NE(d, nullptr) << c.what;
    const char* general[] = {"10", "4", "2E7", "0.2", "1E-5"};
    for (int i = 0; i < 5; ++i) SetField(d, entry::kGeometryFieldBaseId + 1 + i, general[i]);
    Press(d, kOkId);
    HWND box = program.WaitForDialog("WARNING!");
    ASSERT_NE(box, nullptr) << c.what;
    const std::string text = wintest::BoxText(box);
    EXPECT_EQ(text.rfind("File '" + job + ".geo' could not be Written: ", 0), 0u) << c.what << ": " << text;
    Press(box, IDOK);
    // Nothing was saved, so no details table follows as if it had been.
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(box) && !IsWindow(d); })) << c.what;
    ASSERT_TRUE(program.WaitUntilIdle(main)) << c.what;
    EXPECT_EQ(FindWindowA(nullptr, " GEOMETRY DETAILS DATA:"), nullptr) << c.what;
    EXPECT_FALSE(fs::exists(job + ".GEO")) << c.what;
    EXPECT_FALSE(fs::exists(job + ".GEO.~tmp") && c.fullDisk) << c.what;
    fs::remove(job + ".GEO.~tmp");
    EXPECT_EQ(Close(), 0) << c.what;
  }
}

}  // namespace
