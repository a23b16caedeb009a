// Murelo's data entry on screen, driven under Wine: the substructure selection, the geometry
// dialog and its table, the support types with their data dialogs and tables, the generation
// dialogs and the files they leave.
#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>

#include "../../../common/tests/testdir.h"
#include "core/fieldcheck.h"
#include "core/globals.h"
#include "core/numbers.h"
#include "core/textfiles.h"
#include "gfx/gfx.h"
#include "murelo/core/dataentry.h"
#include "murelo/core/globals.h"
#include "murelo/core/jobfiles.h"
#include "murelo/entry/entry.h"
#include "win/checklist.h"
#include "win/grid.h"
#include "win/messages.h"
#include "win/testing/layout.h"
#include "win/testing/wintest.h"
#include "win/ids.h"

namespace murelo {
namespace {

using wintest::RunScript;
using wintest::WhenDialog;

const char* const kCaption = "   Retaining Wall ANALYSIS.   JOB: C:\\MURTEST\\WALL1";

std::vector<std::string> FileLines(const std::string& file) {
  std::vector<std::string> lines;
  int count = 0;
  LoadTextLines(file, lines, 10000, count);
  lines.resize(static_cast<size_t>(count) + 1);
  return lines;
}

bool HasLine(const std::vector<std::string>& lines, const std::string& start) {
  for (const std::string& l : lines)
    if (l.rfind(start, 0) == 0) return true;
  return false;
}

// The first line that starts so, or "".
std::string LineOf(const std::vector<std::string>& lines, const std::string& start, int below = 0) {
  for (size_t i = 0; i < lines.size(); ++i)
    if (lines[i].rfind(start, 0) == 0) return i + below < lines.size() ? lines[i + below] : "";
  return "";
}

bool TraceHas(const wintest::TraceCapture& trace, const std::string& part) {
  std::ifstream in(trace.Path());
  for (std::string line; std::getline(in, line);)
    if (line.find(part) != std::string::npos) return true;
  return false;
}

wintest::Step WarningInto(std::vector<std::string>& texts) {
  return WhenDialog("WARNING!", [&texts](HWND box) {
    texts.push_back(wintest::BoxText(box));
    wintest::AnswerBox(box, IDOK);
  });
}

std::string Text(double v) { return LTrim(NumberToText(v)); }

class MureloEntry : public ::testing::Test {
 protected:
  void SetUp() override {
    ProgramMessages.ownerIsDialog = true;
    ProgramMessages.pauseMs = 0;
    ProgramMessages.numberCheck = IsNumberText;
    CreateDirectoryA("C:\\MURTEST", nullptr);
    JobSpec = "C:\\MURTEST\\WALL1";
    for (const char* e : {".geo", ".SUP"}) DeleteFileA((JobSpec + e).c_str());
    SupportFlags.assign(11, "N");
    UnyieldingNodes.clear();
    LoadTableCommand = nullptr;
    LoadTableAccept = nullptr;
  }
  void TearDown() override { CurrentSubstructure = "BASE PLATE"; }
  std::string File(const std::string& extension) const { return JobSpec + extension; }
  // A plate of n equal elements over `width` with its toe, and a stem of m equal elements over
  // `height`; thicknesses 0.4 and 0.3.
  void WriteWall(int n, double width, double toe, int m, double height) {
    GeneralData.Redim(2, 5);
    CurrentSubstructure = "WALL";
    ASSERT_TRUE(SaveGeometryDialogData(JobSpec, {"", Text(height), Text(m), "3.0E7", "0.2"}));
    FillGeometryCells();
    UniformWidthCells();
    for (int e = 1; e <= m; ++e) CellTexts(3, e) = "0.3";
    ASSERT_TRUE(SaveGeometryCells(JobSpec));
    CurrentSubstructure = "BASE PLATE";
    ASSERT_TRUE(SaveGeometryDialogData(JobSpec, {"", Text(width), Text(toe), Text(n), "3.0E7", "0.2"}));
    FillGeometryCells();
    UniformWidthCells();
    for (int e = 1; e <= n; ++e) CellTexts(3, e) = "0.4";
    ASSERT_TRUE(SaveGeometryCells(JobSpec));
  }
  TestDirectory dir_;
  wintest::TraceCapture trace_;
};

// Command 306 on the plate: the selection, the job's values, a count raised from 4 to 6 with
// the box cleared; the file keeps rows 1 to 4 and adds zero rows, and no table opens.
TEST_F(MureloEntry, SubstructureThenGeometryRaisesTheCount) {
  WriteWall(4, 3, 0.75, 3, 3);
  std::string heading;
  int selected = -1, focus = -1;
  std::vector<std::string> texts;
  bool saved = false;
  bool ok = RunScript({WhenDialog(kCaption,
                                  [&](HWND s) {
                                    heading = wintest::GetText(s, 220);
                                    selected = IsDlgButtonChecked(s, 201);
                                    focus = GetDlgCtrlID(GetFocus());
                                    wintest::PostClick(s, 198);
                                  }),
                       WhenDialog(kCaption,
                                  [&](HWND g) {
                                    for (int id = 101; id <= 105; ++id) texts.push_back(wintest::GetText(g, id));
                                    texts.push_back(wintest::GetText(g, 120));
                                    wintest::SetText(g, 103, "6");
                                    CheckDlgButton(g, 131, BST_UNCHECKED);
                                    wintest::Click(g, 1);
                                  }),
                       WhenDialog(kCaption, [&](HWND s) { wintest::Click(s, 2); })},
                      [&] { saved = GeometryDataCommand(nullptr); })
                .finished;
  ASSERT_TRUE(ok);
  EXPECT_TRUE(saved);
  EXPECT_EQ(heading, "SELECTION OF RETAINING WALL SUBSTRUCTURE");
  EXPECT_EQ(selected, BST_CHECKED);
  EXPECT_EQ(focus, 198);
  EXPECT_EQ(texts, (std::vector<std::string>{"3", ".75", "4", "3.0000E+7", ".2",
                                              " GENERAL GEOMETRY and MATERIAL PROPERTIES DATA: BASE PLATE"}));
  ASSERT_TRUE(ReadGeometryFile(JobSpec));
  EXPECT_EQ(ElementCount(1), 6);
  for (int e = 1; e <= 4; ++e) EXPECT_DOUBLE_EQ(BasePlateElements(e, 2), 0.4) << e;
  for (int e = 5; e <= 6; ++e) EXPECT_DOUBLE_EQ(BasePlateElements(e, 2), 0.0) << e;
  EXPECT_EQ(ElementCount(2), 3);
  EXPECT_FALSE(TraceHas(trace_, "GEOMETRY IDEALIZATION"));  // no table was opened
}

// Wrong items are named in order; Cancel writes nothing; Enter in a field presses Ok.
TEST_F(MureloEntry, GeometryItemsCancelAndEnter) {
  WriteWall(4, 3, 0.75, 3, 3);
  const std::vector<std::string> before = FileLines(File(".geo"));
  std::vector<std::string> warnings;
  CurrentSubstructure = "BASE PLATE";
  INT_PTR end = -1;
  bool ok = RunScript({WhenDialog(kCaption,
                                  [&](HWND g) {
                                    wintest::SetText(g, 102, "3.5");
                                    wintest::PostClick(g, 1);
                                  }),
                       WarningInto(warnings),
                       WhenDialog(kCaption,
                                  [&](HWND g) {
                                    wintest::SetText(g, 102, "1");
                                    wintest::SetText(g, 105, "0.5");
                                    wintest::PostClick(g, 1);
                                  }),
                       WarningInto(warnings),
                       WhenDialog(kCaption,
                                  [&](HWND g) {
                                    wintest::SetText(g, 105, "0.2");
                                    wintest::SetText(g, 103, "0");
                                    wintest::PostClick(g, 1);
                                  }),
                       WarningInto(warnings),
                       WhenDialog(kCaption, [&](HWND g) { wintest::Click(g, 2); })},
                      [&] { end = ShowModalDialog(GeometryDialog(), nullptr, GeometryDialogProc); })
                .finished;
  ASSERT_TRUE(ok);
  EXPECT_EQ(end, 0);
  const std::string enter = "!\r\n\r\nENTER NEW DATA.";
  EXPECT_EQ(warnings, (std::vector<std::string>{"INCORRECT DATA of Item  2" + enter, "INCORRECT DATA of Item  5" + enter,
                                                "INCORRECT DATA of Item  3" + enter}));
  EXPECT_EQ(FileLines(File(".geo")), before);

  // The stem: the arrows walk the fields; Enter in its height field accepts the dialog.
  CurrentSubstructure = "WALL";
  std::vector<int> focus;
  ok = RunScript({WhenDialog(kCaption,
                             [&](HWND g) {
                               SetFocus(GetDlgItem(g, 101));
                               wintest::PressKey(GetDlgItem(g, 101), VK_DOWN);
                             }),
                  wintest::Do([&] { focus.push_back(GetDlgCtrlID(GetFocus())); }),
                  WhenDialog(kCaption,
                             [&](HWND g) {
                               wintest::PressKey(GetDlgItem(g, 102), VK_DOWN);
                             }),
                  wintest::Do([&] { focus.push_back(GetDlgCtrlID(GetFocus())); }),
                  WhenDialog(kCaption,
                             [&](HWND g) {
                               wintest::PressKey(GetDlgItem(g, 103), VK_UP);
                             }),
                  wintest::Do([&] { focus.push_back(GetDlgCtrlID(GetFocus())); }),
                  WhenDialog(kCaption,
                             [&](HWND g) {
                               wintest::SetText(g, 101, "3.5");
                               CheckDlgButton(g, 131, BST_UNCHECKED);
                               HWND field = GetDlgItem(g, 101);
                               SetFocus(field);
                               wintest::PressKey(field, VK_RETURN);
                             })},
                 [&] { end = ShowModalDialog(GeometryDialog(), nullptr, GeometryDialogProc); })
           .finished;
  ASSERT_TRUE(ok);
  EXPECT_EQ(end, 1);
  EXPECT_EQ(focus, (std::vector<int>{102, 103, 102}));
  ASSERT_TRUE(ReadGeometryFile(JobSpec));
  EXPECT_DOUBLE_EQ(GeneralData(2, 2), 3.5);
}

// A stem of 21 elements: 20 rows on the page; Enter on row 20 scrolls one row; Page Down and Up
// stop at the ends; typed text survives; a thickness of 0 is refused and nothing is written;
// then Ok writes the rows. The view beside it is the geometry idealisation.
TEST_F(MureloEntry, DetailsTableScrollsChecksAndWrites) {
  WriteWall(4, 3, 0.75, 21, 10.5);
  CurrentSubstructure = "WALL";
  const std::string title = " GEOMETRY DETAILS DATA WALL STEM:";
  std::vector<std::string> seen, warnings;
  std::vector<std::string> before = FileLines(File(".geo")), during;
  HWND table = nullptr;
  auto top = [] { return wintest::GetText(TablePage(), 5001); };
  auto press = [](int id, UINT key) {
    HWND cell = GetDlgItem(TablePage(), id);
    SetFocus(cell);
    wintest::PressKey(cell, key);
  };
  wintest::ScriptResult ok = RunScript(
      {WhenDialog(title,
                  [&](HWND t) {
                    table = t;
                    HWND page = TablePage();
                    seen.push_back(top() + " " + wintest::GetText(page, 5020) + " " + (GetDlgItem(page, 5021) ? "21" : "-"));
                    SetDlgItemTextA(page, 3002, "0.77");
                    press(3039, VK_RETURN);
                  }),
       wintest::Do([&] {
         seen.push_back(top());
         press(3039, VK_NEXT);
       }),
       wintest::Do([&] {
         seen.push_back(top());
         press(3001, VK_PRIOR);
       }),
       wintest::Do([&] {
         seen.push_back(top());
         press(3001, VK_PRIOR);
       }),
       wintest::Do([&] {
         seen.push_back(top() + " " + wintest::GetText(TablePage(), 3002));
         SetDlgItemTextA(TablePage(), 3004, "0");
         wintest::PostClick(table, kContinueId);
       }),
       WarningInto(warnings),
       WhenDialog(title,
                  [&](HWND t) {
                    during = FileLines(File(".geo"));
                    SetDlgItemTextA(TablePage(), 3004, "0.25");
                    wintest::Click(t, kContinueId);
                  })},
      [&] { GeometryDetailsDialog(nullptr); });
  ASSERT_TRUE(ok.finished) << ok.stepsDone;
  EXPECT_EQ(seen, (std::vector<std::string>{"1 20 -", "2", "2", "1", "1 0.77"}));
  EXPECT_EQ(warnings, (std::vector<std::string>{"Incorrect Element Thickness Data\r\n\r\n          Correct the Data!"}));
  EXPECT_EQ(during, before);
  ASSERT_TRUE(ReadGeometryFile(JobSpec));
  EXPECT_DOUBLE_EQ(WallStemElements(1, 2), 0.77);
  EXPECT_DOUBLE_EQ(WallStemElements(2, 2), 0.25);
  EXPECT_DOUBLE_EQ(WallStemElements(21, 1), 0.5);
  EXPECT_TRUE(TraceHas(trace_, "\"GEOMETRY IDEALIZATION\""));
}

// The stem's thickness varies linearly from node 1 to node 3 through its generation dialog.
TEST_F(MureloEntry, LinearVariationOfTheStem) {
  WriteWall(4, 3, 0.75, 2, 2);
  CurrentSubstructure = "WALL";
  const std::string title = " GEOMETRY DETAILS DATA WALL STEM:";
  std::vector<std::string> cells;
  bool ok = RunScript({WhenDialog(title, [&](HWND t) { wintest::PostClick(t, 124); }),
                       WhenDialog(std::string(" GEOMETRY DATA GENERATION:") + kCaption,
                                  [&](HWND g) {
                                    wintest::SetText(g, 243, "0.5");
                                    wintest::SetText(g, 244, "0.3");
                                    wintest::Click(g, 55);
                                  }),
                       WhenDialog(title,
                                  [&](HWND t) {
                                    cells.push_back(wintest::GetText(TablePage(), 3002));
                                    cells.push_back(wintest::GetText(TablePage(), 3004));
                                    wintest::Click(t, 12121);
                                  })},
                      [&] { GeometryDetailsDialog(nullptr); })
                .finished;
  ASSERT_TRUE(ok);
  EXPECT_EQ(cells, (std::vector<std::string>{".4500", ".3500"}));
}

// Command 307 on the plate: the toe alone is no support; the Winkler option clicked twice is
// clear; the half-space alone is accepted. The stem takes no ticks at all.
TEST_F(MureloEntry, SupportTypesOfThePlateAndTheStem) {
  WriteWall(4, 3, 0.75, 3, 3);
  std::vector<std::string> warnings;
  int winkler = -1, halfSpace = -1;
  bool ok = RunScript({WhenDialog(kCaption, [&](HWND s) { wintest::PostClick(s, 197); }),
                       WhenDialog(kCaption,
                                  [&](HWND d) {
                                    wintest::Click(d, 100);
                                    wintest::PostClick(d, 1);
                                  }),
                       WarningInto(warnings),
                       WhenDialog(kCaption,
                                  [&](HWND d) {
                                    wintest::Click(d, 100);
                                    wintest::Click(d, 171);
                                    wintest::Click(d, 171);
                                    winkler = IsDlgButtonChecked(d, 171);
                                    wintest::Click(d, 171);
                                    wintest::PostClick(d, 1);
                                  }),
                       WarningInto(warnings),
                       WhenDialog(kCaption,
                                  [&](HWND d) {
                                    wintest::Click(d, 172);
                                    halfSpace = IsDlgButtonChecked(d, 171);
                                    wintest::Click(d, 1);
                                  }),
                       WhenDialog(kCaption,
                                  [&](HWND s) {
                                    wintest::Click(s, 202);
                                    wintest::PostClick(s, 197);
                                  }),
                       WhenDialog(kCaption, [&](HWND d) { wintest::Click(d, 1); }),
                       WhenDialog(kCaption, [&](HWND s) { wintest::Click(s, 2); })},
                      [&] { SupportDataCommand(nullptr); })
                .finished;
  ASSERT_TRUE(ok);
  EXPECT_EQ(winkler, BST_UNCHECKED);
  EXPECT_EQ(halfSpace, BST_UNCHECKED);
  const std::string correct = "\r\n\r\nCORRECT the SUPPORT Specification!";
  EXPECT_EQ(warnings, (std::vector<std::string>{"The STRUCTURE is NOT SUPPORTED!" + correct,
                                                "Toe MUST be Horizontally Restrained!" + correct}));
  EXPECT_EQ(SupportFlags[4], "Y");
  EXPECT_EQ(SupportFlags[0], "N");
  EXPECT_EQ(SupportFlags[5], "N");
  EXPECT_TRUE(HasLine(FileLines(File(".SUP")), "ISOTROPIC ELASTIC HALF-SPACE"));
}

// A stored half-space of modulus 0 opens with its option clear; the half-space dialog names the
// wrong items and stores the accepted ones.
TEST_F(MureloEntry, HalfSpaceOfNoModulusAndItsDialog) {
  WriteWall(4, 3, 0.75, 3, 3);
  SupportFlags = {"N", "N", "N", "N", "Y", "N", "", "0", "0.3", "", "0"};
  CurrentSubstructure = "BASE PLATE";
  int option = -1;
  bool ok = RunScript({WhenDialog(kCaption,
                                  [&](HWND d) {
                                    option = IsDlgButtonChecked(d, 172);
                                    wintest::Click(d, 2);
                                  })},
                      [&] { ShowModalDialog(SupportTypeDialog(), nullptr, SupportTypeDialogProc); })
                .finished;
  ASSERT_TRUE(ok);
  EXPECT_EQ(option, BST_UNCHECKED);

  std::vector<std::string> warnings, texts;
  int focus = -1;
  ok = RunScript({WhenDialog(kCaption,
                             [&](HWND h) {
                               for (int id = 242; id <= 244; ++id) texts.push_back(wintest::GetText(h, id));
                               wintest::SetText(h, 242, "5E4");
                               wintest::SetText(h, 243, "0.51");
                               wintest::SetText(h, 244, "-1");
                               wintest::PostClick(h, 55);
                             }),
                  WarningInto(warnings),
                  WhenDialog(kCaption,
                             [&](HWND h) {
                               focus = GetDlgCtrlID(GetFocus());
                               wintest::SetText(h, 243, "0.5");
                               wintest::PostClick(h, 55);
                             }),
                  WarningInto(warnings),
                  WhenDialog(kCaption,
                             [&](HWND h) {
                               wintest::SetText(h, 244, "150");
                               wintest::Click(h, 55);
                             })},
            [&] { ShowModalDialog(HalfSpaceDialog("ISOTROPIC"), nullptr, HalfSpaceDialogProc); })
           .finished;
  ASSERT_TRUE(ok);
  EXPECT_EQ(texts, (std::vector<std::string>{"0", "0.3", "0.0"}));
  const std::string enter = "!\r\n\r\nENTER NEW DATA.";
  EXPECT_EQ(warnings, (std::vector<std::string>{"INCORRECT DATA of Item  2" + enter, "INCORRECT DATA of Item  3" + enter}));
  EXPECT_EQ(focus, 243);
  EXPECT_EQ(SupportFlags[7], "5E4");
  EXPECT_EQ(SupportFlags[8], ".5");
  EXPECT_EQ(SupportFlags[10], "150");
}

// The check list of 20 nodes shows 15 lines; ticks on nodes 3 and 12 reach the file.
TEST_F(MureloEntry, UnyieldingNodesThroughTheCheckList) {
  WriteWall(19, 9.5, 0.5, 3, 3);
  int lines = 0, count = 0;
  bool ok = RunScript({WhenDialog(kCaption, [&](HWND s) { wintest::PostClick(s, 197); }),
                       WhenDialog(kCaption,
                                  [&](HWND d) {
                                    wintest::Click(d, 100);
                                    wintest::Click(d, 101);
                                    wintest::PostClick(d, 131);
                                  }),
                       WhenDialog(" UNYIELDING SUPPORTS DATA:",
                                  [&](HWND u) {
                                    HWND list = GetDlgItem(u, 77777777);
                                    RECT r;
                                    GetClientRect(list, &r);
                                    const int item = static_cast<int>(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0));
                                    lines = item > 0 ? r.bottom / item : 0;
                                    count = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
                                    SetFocus(list);
                                    SendMessageA(list, LB_SETCURSEL, 2, 0);
                                    wintest::PressKey(list, VK_SPACE);
                                  }),
                       wintest::Do([&] {
                         HWND list = GetDlgItem(wintest::FindDialog(" UNYIELDING SUPPORTS DATA:"), 77777777);
                         SendMessageA(list, LB_SETCURSEL, 11, 0);
                         wintest::PressKey(list, VK_SPACE);
                       }),
                       WhenDialog(" UNYIELDING SUPPORTS DATA:", [&](HWND u) { wintest::Click(u, kContinueId); }),
                       WhenDialog(kCaption, [&](HWND s) { wintest::Click(s, 2); })},
                      [&] { SupportDataCommand(nullptr); })
                .finished;
  ASSERT_TRUE(ok);
  EXPECT_EQ(count, 20);
  EXPECT_EQ(lines, 15);
  EXPECT_TRUE(HasLine(FileLines(File(".SUP")), "UNYIELDING SUPPORTS at Nodes: 3,12"));
  EXPECT_TRUE(TraceHas(trace_, "\"UNYIELDING SUPPORTS\""));
}

// The Winkler table: moduli by the function k = A + Bx^n, yield stresses by GENERATE (one value
// for both ends of each element of the range); the rows reach the support file. An elastic table of zeros drops its section.
TEST_F(MureloEntry, WinklerFunctionAndGenerateReachTheFile) {
  WriteWall(4, 3, 0.75, 3, 3);
  std::vector<std::string> cells;
  HWND table = nullptr;
  const std::string generation = std::string(" GEOMETRY DATA GENERATION:") + kCaption;
  bool ok = RunScript({WhenDialog(kCaption, [&](HWND s) { wintest::PostClick(s, 197); }),
                       WhenDialog(kCaption,
                                  [&](HWND d) {
                                    wintest::Click(d, 100);
                                    wintest::Click(d, 102);
                                    wintest::Click(d, 171);
                                    wintest::PostClick(d, 131);
                                  }),
                       // The elastic table of zeros first.
                       WhenDialog(kCaption, [&](HWND t) { wintest::Click(t, kContinueId); }),
                       WhenDialog(kCaption,
                                  [&](HWND t) {
                                    table = t;
                                    wintest::PostClick(t, 121);
                                  }),
                       WhenDialog(" WINKLER SOIL DATA GENERATION:",
                                  [&](HWND f) {
                                    cells.push_back(wintest::GetText(f, 401));
                                    wintest::SetText(f, 243, "5000");
                                    wintest::SetText(f, 244, "1000");
                                    wintest::SetText(f, 245, "1");
                                    wintest::Click(f, 55);
                                  }),
                       WhenDialog(kCaption,
                                  [&](HWND t) {
                                    cells.push_back(wintest::GetText(TablePage(), 3001));
                                    cells.push_back(wintest::GetText(TablePage(), 3002));
                                    wintest::PostClick(t, 126);
                                  }),
                       WhenDialog(generation,
                                  [&](HWND g) {
                                    wintest::SetText(g, 241, "2");
                                    wintest::SetText(g, 242, "4");
                                    wintest::SetText(g, 243, "2");
                                    wintest::SetText(g, 244, "150");
                                    wintest::Click(g, 55);
                                  }),
                       WhenDialog(kCaption,
                                  [&](HWND t) {
                                    cells.push_back(wintest::GetText(TablePage(), 3007));
                                    cells.push_back(wintest::GetText(TablePage(), 3008));  // at j too
                                    cells.push_back(wintest::GetText(TablePage(), 3011));
                                    wintest::Click(t, kContinueId);
                                  }),
                       WhenDialog(kCaption, [&](HWND s) { wintest::Click(s, 2); })},
                      [&] { SupportDataCommand(nullptr); })
                .finished;
  ASSERT_TRUE(ok);
  EXPECT_EQ(cells, (std::vector<std::string>{" Subgrade MODULUS Function [kPa/m]: k=A+Bx^n ", "5000.000", "5750.000",
                                             "150", "150", "0"}));
  std::vector<std::string> lines = FileLines(File(".SUP"));
  EXPECT_FALSE(HasLine(lines, "ELASTIC SUPPORTS:"));
  ASSERT_TRUE(HasLine(lines, "WINKLER SOIL:"));
  const std::string first = LineOf(lines, "WINKLER SOIL:", 3);
  EXPECT_NE(first.find("5.0000E+3"), std::string::npos) << first;
  EXPECT_NE(first.find("5.7500E+3"), std::string::npos) << first;
  const std::string second = LineOf(lines, "WINKLER SOIL:", 4);
  EXPECT_NE(second.find("150.000"), std::string::npos) << second;
  EXPECT_TRUE(TraceHas(trace_, "\"WINKLER FOUNDATION\""));
}

// A load table as the load entry builds it: its commands and Ok go to the load entry's hooks,
// and the stem's trapezoidal loads show their picture beside it.
TEST_F(MureloEntry, LoadTableRunsTheLoadHooksBesideItsView) {
  WriteWall(4, 3, 0.75, 3, 3);
  CurrentSubstructure = "WALL";
  Table = TableTexts();
  Table.kind = "TRAPEZOIDAL";
  Table.title = " WALL STEM: TRAPEZOIDAL LOAD DATA. Load Case: 1";
  Table.firstButton = "&SET LINEAR LOAD BETWEEN NODES 'i-m'";
  Table.secondLabels = {" Start Node No (i):", " End Node No (m):", " Intensity of TRAPEZOIDAL LOAD  [kPa]:",
                        " at Start Node i, qi=", " at End Node m, qm=", "", ""};
  CellTexts.Redim(3, 3);
  for (int e = 1; e <= 3; ++e) CellTexts(2, e) = CellTexts(3, e) = "0";
  std::vector<int> commands;
  std::vector<std::string> fields, warnings;
  LoadTableCommand = [&](HWND t, int id) {
    commands.push_back(id);
    if (ShowModalDialog(LoadGenerationDialog(1), t, LoadDataDialogProc) == 1) fields = FieldTexts;
  };
  LoadTableAccept = [&](HWND) { return true; };
  int end = -1;
  bool ok = RunScript({WhenDialog(Table.title, [&](HWND t) { wintest::PostClick(t, 121); }),
                       WhenDialog(" LOAD DATA GENERATION - Load Case: " + LoadCaseName,
                                  [&](HWND f) {
                                    wintest::SetText(f, 242, "9");  // past the last node
                                    wintest::PostClick(f, 55);
                                  }),
                       WarningInto(warnings),
                       WhenDialog(" LOAD DATA GENERATION - Load Case: " + LoadCaseName,
                                  [&](HWND f) {
                                    wintest::SetText(f, 242, "4");
                                    wintest::SetText(f, 244, "3");
                                    wintest::Click(f, 55);
                                  }),
                       WhenDialog(Table.title, [&](HWND t) { wintest::Click(t, kContinueId); })},
                      [&] { end = ShowTableWindow(nullptr, 2, 3, 2); })
                .finished;
  ASSERT_TRUE(ok);
  EXPECT_EQ(end, 1);
  EXPECT_EQ(commands, (std::vector<int>{121}));
  EXPECT_EQ(warnings, (std::vector<std::string>{"Incorrect LOAD Data!\r\n\r\n        Correct the Data!         "}));
  EXPECT_EQ(fields, (std::vector<std::string>{"", "1", "4", "0", "3"}));
  EXPECT_TRUE(TraceHas(trace_, "\"TRAPEZOIDAL HORIZONTAL LOAD\""));
}

// The plate's and the stem's Winkler tables show their texts whole: headings, buttons and the
// picture inside the window, nothing cut or overlapping.
TEST_F(MureloEntry, WinklerTablesShowTheirTextsWhole) {
  WriteWall(24, 3, 0.75, 8, 4);
  SupportFlags = {"Y", "Y", "Y", "Y", "N", "Y", "", "", "", "", ""};
  for (const char* sub : {"BASE PLATE", "WALL"}) {
    CurrentSubstructure = sub;
    std::vector<std::string> faults;
    bool ok = RunScript({WhenDialog(kCaption,
                                    [&](HWND t) {
                                      faults = wintest::LayoutFaults(t);
                                      wintest::Click(t, kContinueId);
                                    })},
                        [] { SupportTableDialog(nullptr, "WINKLER"); })
                  .finished;
    ASSERT_TRUE(ok) << sub;
    std::string all;
    for (const std::string& f : faults) all += f + "\n";
    EXPECT_TRUE(faults.empty()) << sub << ":\n" << all;
  }
}

}  // namespace
}  // namespace murelo
