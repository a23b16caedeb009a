// Murelo's data entry on screen, driven under Wine: the substructure selection, the geometry
// dialog and its table, the support types with their data dialogs and tables, the generation
// dialogs and the files they leave.
#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <utility>
#include <vector>

#include "../../../common/tests/testdir.h"
#include "../../../common/tests/textlines.h"
#include "core/fieldcheck.h"
#include "core/globals.h"
#include "core/numbers.h"
#include "core/textfiles.h"
#include "gfx/gfx.h"
#include "murelo/core/dataentry.h"
#include "murelo/core/globals.h"
#include "murelo/core/jobfiles.h"
#include "murelo/core/slots.h"
#include "murelo/entry/entry.h"
#include "murelo/entry/ids.h"
#include "win/checklist.h"
#include "win/grid.h"
#include "win/messages.h"
#include "win/testing/layout.h"
#include "win/testing/keys.h"
#include "win/testing/wintest.h"
#include "win/ids.h"

namespace murelo {
namespace {

using wintest::RunScript;
using wintest::WhenDialog;

const char* const kCaption = "   Retaining Wall ANALYSIS.   JOB: C:\\MURTEST\\WALL1";

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
    ProgramMessages = DialogOwnedMessages(&DialogAnswer);
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
                                    heading = wintest::GetText(s, kSubstructureTitleId);
                                    selected = IsDlgButtonChecked(s, kBasePlateOptionId);
                                    focus = GetDlgCtrlID(GetFocus());
                                    wintest::PostClick(s, kGeometryActionId);
                                  }),
                       WhenDialog(kCaption,
                                  [&](HWND g) {
                                    for (int id = kGeometryFieldBaseId + 1; id <= kGeometryFieldBaseId + kPlateGeometryFields; ++id) texts.push_back(wintest::GetText(g, id));
                                    texts.push_back(wintest::GetText(g, kHeadingId));
                                    wintest::SetText(g, kGeometryFieldBaseId + 3, "6");
                                    CheckDlgButton(g, kDetailsBoxId, BST_UNCHECKED);
                                    wintest::Click(g, IDOK);
                                  }),
                       WhenDialog(kCaption, [&](HWND s) { wintest::Click(s, kCancelId); })},
                      [&] { saved = GeometryCommand(nullptr); })
                .finished;
  ASSERT_TRUE(ok);
  EXPECT_TRUE(saved);
  EXPECT_EQ(heading, "SELECTION OF RETAINING WALL SUBSTRUCTURE");
  EXPECT_EQ(selected, BST_CHECKED);
  EXPECT_EQ(focus, kGeometryActionId);
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
  // Each refusal: the items typed over what the one before left (item, text), then Ok.
  using Typed = std::vector<std::pair<int, const char*>>;
  std::vector<wintest::Step> steps;
  for (const Typed& typed : {Typed{{2, "3.5"}}, Typed{{2, "1"}, {5, "0.5"}}, Typed{{5, "0.2"}, {3, "0"}}}) {
    steps.push_back(WhenDialog(kCaption, [typed](HWND g) {
      for (const auto& item : typed) wintest::SetText(g, kGeometryFieldBaseId + item.first, item.second);
      wintest::PostClick(g, IDOK);
    }));
    steps.push_back(WarningInto(warnings));
  }
  steps.push_back(WhenDialog(kCaption, [&](HWND g) { wintest::Click(g, kCancelId); }));
  bool ok = RunScript(steps, [&] { end = ShowModalDialog(GeometryDialog(), nullptr, GeometryDialogProc); }).finished;
  ASSERT_TRUE(ok);
  EXPECT_EQ(end, 0);
  const std::string enter = "!\r\n\r\nENTER NEW DATA.";
  EXPECT_EQ(warnings, (std::vector<std::string>{"INCORRECT DATA of Item  2" + enter, "INCORRECT DATA of Item  5" + enter,
                                                "INCORRECT DATA of Item  3!\r\n(1 to 200 elements)\r\n\r\nENTER NEW DATA."}));
  EXPECT_EQ(FileLines(File(".geo")), before);

  // The stem: the arrows walk the fields; Enter in its height field accepts the dialog.
  CurrentSubstructure = "WALL";
  std::vector<int> focus;
  struct Arrow {
    int item;
    UINT key;
  };
  std::vector<wintest::Step> walk;
  for (const Arrow& a : {Arrow{1, VK_DOWN}, Arrow{2, VK_DOWN}, Arrow{3, VK_UP}}) {
    walk.push_back(WhenDialog(kCaption, [a](HWND g) {
      HWND field = GetDlgItem(g, kGeometryFieldBaseId + a.item);
      if (a.item == 1) SetFocus(field);  // the walk starts in the first field
      wintest::PressKey(field, a.key);
    }));
    walk.push_back(wintest::Do([&] { focus.push_back(GetDlgCtrlID(GetFocus())); }));
  }
  walk.push_back(WhenDialog(kCaption, [&](HWND g) {
    wintest::SetText(g, kGeometryFieldBaseId + 1, "3.5");
    CheckDlgButton(g, kDetailsBoxId, BST_UNCHECKED);
    HWND field = GetDlgItem(g, kGeometryFieldBaseId + 1);
    SetFocus(field);
    wintest::PressKey(field, VK_RETURN);
  }));
  ok = RunScript(walk, [&] { end = ShowModalDialog(GeometryDialog(), nullptr, GeometryDialogProc); }).finished;
  ASSERT_TRUE(ok);
  EXPECT_EQ(end, 1);
  EXPECT_EQ(focus, (std::vector<int>{kGeometryFieldBaseId + 2, kGeometryFieldBaseId + 3, kGeometryFieldBaseId + 2}));
  ASSERT_TRUE(ReadGeometryFile(JobSpec));
  EXPECT_DOUBLE_EQ(GeneralData(kWallStem, kLengthItem), 3.5);
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
  auto top = [] { return wintest::GetText(TablePage(), kFirstRowLabelId + 1); };
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
                    seen.push_back(top() + " " + wintest::GetText(page, kFirstRowLabelId + 20) + " " + (GetDlgItem(page, kFirstRowLabelId + 21) ? "21" : "-"));
                    SetDlgItemTextA(page, CellId(1, 2, 2), "0.77");
                    press(CellId(20, 1, 2), VK_RETURN);
                  }),
       wintest::Do([&] {
         seen.push_back(top());
         press(CellId(20, 1, 2), VK_NEXT);
       }),
       wintest::Do([&] {
         seen.push_back(top());
         press(CellId(1, 1, 2), VK_PRIOR);
       }),
       wintest::Do([&] {
         seen.push_back(top());
         press(CellId(1, 1, 2), VK_PRIOR);
       }),
       wintest::Do([&] {
         seen.push_back(top() + " " + wintest::GetText(TablePage(), CellId(1, 2, 2)));
         SetDlgItemTextA(TablePage(), CellId(2, 2, 2), "0");
         wintest::PostClick(table, kContinueId);
       }),
       WarningInto(warnings),
       WhenDialog(title,
                  [&](HWND t) {
                    during = FileLines(File(".geo"));
                    SetDlgItemTextA(TablePage(), CellId(2, 2, 2), "0.25");
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

// Keys typed into the stem's thickness cells: a decimal comma is refused with the warning tones
// ("0,25" would be kept as 0); the exponent and its sign are taken.
TEST_F(MureloEntry, KeysTypedIntoTheThicknessCells) {
  WriteWall(4, 3, 0.75, 2, 2);
  CurrentSubstructure = "WALL";
  const std::string title = " GEOMETRY DETAILS DATA WALL STEM:";
  std::vector<std::string> cells;
  bool ok = RunScript({WhenDialog(title,
                                  [&](HWND) {
                                    SetFocus(GetDlgItem(TablePage(), CellId(1, 2, 2)));
                                    EXPECT_TRUE(wintest::TypeKeys(GetFocus(), "0,25"));
                                  }),
                       wintest::Do([&] {
                         SetFocus(GetDlgItem(TablePage(), CellId(2, 2, 2)));
                         EXPECT_TRUE(wintest::TypeKeys(GetFocus(), "25e-2"));
                       }),
                       WhenDialog(title,
                                  [&](HWND t) {
                                    cells.push_back(wintest::GetText(TablePage(), CellId(1, 2, 2)));
                                    cells.push_back(wintest::GetText(TablePage(), CellId(2, 2, 2)));
                                    wintest::Click(t, kContinueId);
                                  })},
                      [&] { GeometryDetailsDialog(nullptr); })
                .finished;
  ASSERT_TRUE(ok);
  EXPECT_EQ(cells, (std::vector<std::string>{"025", "25e-2"}));
  EXPECT_EQ(trace_.Records("TONE").size(), 4u);  // the comma's
  ASSERT_TRUE(ReadGeometryFile(JobSpec));
  EXPECT_DOUBLE_EQ(WallStemElements(1, 2), 25);
  EXPECT_DOUBLE_EQ(WallStemElements(2, 2), 0.25);
}

// The stem's thickness varies linearly from node 1 to node 3 through its generation dialog.
TEST_F(MureloEntry, LinearVariationOfTheStem) {
  WriteWall(4, 3, 0.75, 2, 2);
  CurrentSubstructure = "WALL";
  const std::string title = " GEOMETRY DETAILS DATA WALL STEM:";
  std::vector<std::string> cells;
  bool ok = RunScript({WhenDialog(title, [&](HWND t) { wintest::PostClick(t, kLinearVariationId); }),
                       WhenDialog(std::string(" GEOMETRY DATA GENERATION:") + kCaption,
                                  [&](HWND g) {
                                    wintest::SetText(g, kFirstRangeFieldId + 2, "0.5");
                                    wintest::SetText(g, kLastRangeFieldId, "0.3");
                                    wintest::Click(g, kOkId);
                                  }),
                       WhenDialog(title,
                                  [&](HWND t) {
                                    cells.push_back(wintest::GetText(TablePage(), CellId(1, 2, 2)));
                                    cells.push_back(wintest::GetText(TablePage(), CellId(2, 2, 2)));
                                    wintest::Click(t, kTableCancelId);
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
  bool ok = RunScript({WhenDialog(kCaption, [&](HWND s) { wintest::PostClick(s, kSupportActionId); }),
                       WhenDialog(kCaption,
                                  [&](HWND d) {
                                    wintest::Click(d, kToeBoxId);
                                    wintest::PostClick(d, IDOK);
                                  }),
                       WarningInto(warnings),
                       WhenDialog(kCaption,
                                  [&](HWND d) {
                                    wintest::Click(d, kToeBoxId);
                                    wintest::Click(d, kWinklerOptionId);
                                    wintest::Click(d, kWinklerOptionId);
                                    winkler = IsDlgButtonChecked(d, kWinklerOptionId);
                                    wintest::Click(d, kWinklerOptionId);
                                    wintest::PostClick(d, IDOK);
                                  }),
                       WarningInto(warnings),
                       WhenDialog(kCaption,
                                  [&](HWND d) {
                                    wintest::Click(d, kIsotropicOptionId);
                                    halfSpace = IsDlgButtonChecked(d, kWinklerOptionId);
                                    wintest::Click(d, IDOK);
                                  }),
                       WhenDialog(kCaption,
                                  [&](HWND s) {
                                    wintest::Click(s, kWallStemOptionId);
                                    wintest::PostClick(s, kSupportActionId);
                                  }),
                       WhenDialog(kCaption, [&](HWND d) { wintest::Click(d, IDOK); }),
                       WhenDialog(kCaption, [&](HWND s) { wintest::Click(s, kCancelId); })},
                      [&] { SupportDataCommand(nullptr); })
                .finished;
  ASSERT_TRUE(ok);
  EXPECT_EQ(winkler, BST_UNCHECKED);
  EXPECT_EQ(halfSpace, BST_UNCHECKED);
  const std::string correct = "\r\n\r\nCORRECT the SUPPORT Specification!";
  EXPECT_EQ(warnings, (std::vector<std::string>{"The STRUCTURE is NOT SUPPORTED!" + correct,
                                                "Toe MUST be Horizontally Restrained!" + correct}));
  EXPECT_EQ(SupportFlags[kHalfSpaceSlot], "Y");
  EXPECT_EQ(SupportFlags[kToeRestrainedSlot], "N");
  EXPECT_EQ(SupportFlags[kStemRestraintsSlot], "N");
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
                                    option = IsDlgButtonChecked(d, kIsotropicOptionId);
                                    wintest::Click(d, kCancelId);
                                  })},
                      [&] { ShowModalDialog(SupportTypeDialog(), nullptr, SupportTypeDialogProc); })
                .finished;
  ASSERT_TRUE(ok);
  EXPECT_EQ(option, BST_UNCHECKED);

  std::vector<std::string> warnings, texts;
  int focus = -1;
  ok = RunScript({WhenDialog(kCaption,
                             [&](HWND h) {
                               for (int id = kHalfSpaceFieldId; id <= kHalfSpaceFieldId + 2; ++id) texts.push_back(wintest::GetText(h, id));
                               wintest::SetText(h, kHalfSpaceFieldId, "5E4");
                               wintest::SetText(h, kHalfSpaceFieldId + 1, "0.51");
                               wintest::SetText(h, kHalfSpaceFieldId + 2, "-1");
                               wintest::PostClick(h, kOkId);
                             }),
                  WarningInto(warnings),
                  WhenDialog(kCaption,
                             [&](HWND h) {
                               focus = GetDlgCtrlID(GetFocus());
                               wintest::SetText(h, kHalfSpaceFieldId + 1, "0.5");
                               wintest::PostClick(h, kOkId);
                             }),
                  WarningInto(warnings),
                  WhenDialog(kCaption,
                             [&](HWND h) {
                               wintest::SetText(h, kHalfSpaceFieldId + 2, "150");
                               wintest::Click(h, kOkId);
                             })},
            [&] { ShowModalDialog(HalfSpaceDialog("ISOTROPIC"), nullptr, HalfSpaceDialogProc); })
           .finished;
  ASSERT_TRUE(ok);
  EXPECT_EQ(texts, (std::vector<std::string>{"0", "0.3", "0.0"}));
  const std::string enter = "!\r\n\r\nENTER NEW DATA.";
  EXPECT_EQ(warnings, (std::vector<std::string>{"INCORRECT DATA of Item  2" + enter, "INCORRECT DATA of Item  3" + enter}));
  EXPECT_EQ(focus, kHalfSpaceFieldId + 1);
  EXPECT_EQ(SupportFlags[kHalfSpaceModulusSlot], "5E4");
  EXPECT_EQ(SupportFlags[kHalfSpacePoissonSlot], ".5");
  EXPECT_EQ(SupportFlags[kHalfSpaceYieldSlot], "150");
}

// The check list of 20 nodes shows 15 lines; ticks on nodes 3 and 12 reach the file.
TEST_F(MureloEntry, UnyieldingNodesThroughTheCheckList) {
  WriteWall(19, 9.5, 0.5, 3, 3);
  int lines = 0, count = 0;
  bool ok = RunScript({WhenDialog(kCaption, [&](HWND s) { wintest::PostClick(s, kSupportActionId); }),
                       WhenDialog(kCaption,
                                  [&](HWND d) {
                                    wintest::Click(d, kToeBoxId);
                                    wintest::Click(d, kPlateUnyieldingBoxId);
                                    wintest::PostClick(d, kEnterSupportDataId);
                                  }),
                       WhenDialog(" UNYIELDING SUPPORTS DATA:",
                                  [&](HWND u) {
                                    HWND list = GetDlgItem(u, kNodeListId);
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
                         HWND list = GetDlgItem(wintest::FindDialog(" UNYIELDING SUPPORTS DATA:"), kNodeListId);
                         SendMessageA(list, LB_SETCURSEL, 11, 0);
                         wintest::PressKey(list, VK_SPACE);
                       }),
                       WhenDialog(" UNYIELDING SUPPORTS DATA:", [&](HWND u) { wintest::Click(u, kContinueId); }),
                       WhenDialog(kCaption, [&](HWND s) { wintest::Click(s, kCancelId); })},
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
  bool ok = RunScript({WhenDialog(kCaption, [&](HWND s) { wintest::PostClick(s, kSupportActionId); }),
                       WhenDialog(kCaption,
                                  [&](HWND d) {
                                    wintest::Click(d, kToeBoxId);
                                    wintest::Click(d, kPlateElasticBoxId);
                                    wintest::Click(d, kWinklerOptionId);
                                    wintest::PostClick(d, kEnterSupportDataId);
                                  }),
                       // The elastic table of zeros first.
                       WhenDialog(kCaption, [&](HWND t) { wintest::Click(t, kContinueId); }),
                       WhenDialog(kCaption,
                                  [&](HWND t) {
                                    table = t;
                                    wintest::PostClick(t, kModulusFunctionId);
                                  }),
                       WhenDialog(" WINKLER SOIL DATA GENERATION:",
                                  [&](HWND f) {
                                    cells.push_back(wintest::GetText(f, kLoadGenerationHeadingId));
                                    wintest::SetText(f, kOnePageFieldBaseId + 3, "5000");
                                    wintest::SetText(f, kOnePageFieldBaseId + 4, "1000");
                                    wintest::SetText(f, kOnePageFieldBaseId + 5, "1");
                                    wintest::Click(f, kOkId);
                                  }),
                       WhenDialog(kCaption,
                                  [&](HWND t) {
                                    cells.push_back(wintest::GetText(TablePage(), CellId(1, 1, 4)));
                                    cells.push_back(wintest::GetText(TablePage(), CellId(1, 2, 4)));
                                    wintest::PostClick(t, GenerateButtonId(3));
                                  }),
                       WhenDialog(generation,
                                  [&](HWND g) {
                                    wintest::SetText(g, kFirstRangeFieldId, "2");
                                    wintest::SetText(g, kFirstRangeFieldId + 1, "4");
                                    wintest::SetText(g, kFirstRangeFieldId + 2, "2");
                                    wintest::SetText(g, kLastRangeFieldId, "150");
                                    wintest::Click(g, kOkId);
                                  }),
                       WhenDialog(kCaption,
                                  [&](HWND t) {
                                    cells.push_back(wintest::GetText(TablePage(), CellId(2, 3, 4)));
                                    cells.push_back(wintest::GetText(TablePage(), CellId(2, 4, 4)));  // at j too
                                    cells.push_back(wintest::GetText(TablePage(), CellId(3, 3, 4)));
                                    wintest::Click(t, kContinueId);
                                  }),
                       WhenDialog(kCaption, [&](HWND s) { wintest::Click(s, kCancelId); })},
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
  bool ok = RunScript({WhenDialog(Table.title, [&](HWND t) { wintest::PostClick(t, kFirstButtonId); }),
                       WhenDialog(" LOAD DATA GENERATION - Load Case: " + LoadCaseName,
                                  [&](HWND f) {
                                    wintest::SetText(f, kOnePageFieldBaseId + 2, "9");  // past the last node
                                    wintest::PostClick(f, kOkId);
                                  }),
                       WarningInto(warnings),
                       WhenDialog(" LOAD DATA GENERATION - Load Case: " + LoadCaseName,
                                  [&](HWND f) {
                                    wintest::SetText(f, kOnePageFieldBaseId + 2, "4");
                                    wintest::SetText(f, kOnePageFieldBaseId + 4, "3");
                                    wintest::Click(f, kOkId);
                                  }),
                       WhenDialog(Table.title, [&](HWND t) { wintest::Click(t, kContinueId); })},
                      [&] { end = ShowTableWindow(nullptr, 2, 3, 2); })
                .finished;
  ASSERT_TRUE(ok);
  EXPECT_EQ(end, 1);
  EXPECT_EQ(commands, (std::vector<int>{kFirstButtonId}));
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
