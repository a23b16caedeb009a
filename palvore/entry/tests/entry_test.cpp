// Palvore's data entry on screen, driven under Wine: the geometry dialog and its table, the
// support types with their data dialogs, the generation dialogs and the files they leave.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>

#include "../../../common/tests/testdir.h"
#include "../../../common/tests/textlines.h"
#include "core/fieldcheck.h"
#include "core/globals.h"
#include "core/numbers.h"
#include "core/textfiles.h"
#include "palvore/core/dataentry.h"
#include "palvore/core/globals.h"
#include "palvore/core/jobfiles.h"
#include "palvore/entry/entry.h"
#include "palvore/entry/ids.h"
#include "palvore/entry/tests/samplejob.h"
#include "palvore/core/slots.h"
#include "gfx/gfx.h"
#include "win/grid.h"
#include "win/messages.h"
#include "win/testing/layout.h"
#include "win/testing/keys.h"
#include "win/testing/wintest.h"
#include "win/ids.h"

namespace palvore {
namespace {

using wintest::RunScript;
using wintest::WhenDialog;

const char* const kCaption = "   PILE/SHEET-PILE ANALYSIS.   JOB: C:\\PALTEST\\PILE1";
const char* const kTable = " GEOMETRY DETAILS DATA:";

// The geometry dialog's field of row i; a range or half-space dialog's field k (1..).
int GeometryField(int row) { return entry::kGeometryFieldBaseId + row; }
int RangeField(int k) { return entry::kFirstRangeFieldId + k - 1; }
// The cell of a page row and value column of the table on screen, and a page row's label.
int CellId(int pageRow, int column) { return kFirstCellId + (pageRow - 1) * TableColumns + column; }
int RowLabelId(int pageRow) { return kFirstRowLabelId + pageRow; }

wintest::Step WarningInto(std::vector<std::string>& texts) {
  return WhenDialog("WARNING!", [&texts](HWND box) {
    texts.push_back(wintest::BoxText(box));
    wintest::AnswerBox(box, IDOK);
  });
}

class PalvoreEntry : public ::testing::Test {
 protected:
  void SetUp() override {
    ProgramMessages = DialogOwnedMessages(&DialogAnswer);
    // The job of the program's own form of name, in a folder of the Wine drive C: emptied first.
    CreateDirectoryA("C:\\PALTEST", nullptr);
    JobSpec = "C:\\PALTEST\\PILE1";
    for (const char* e : {".geo", ".SUP"}) DeleteFileA((JobSpec + e).c_str());
    file_ = JobSpec;
  }
  // The job's files.
  std::string File(const std::string& extension) const { return file_ + extension; }
  static void Fill(HWND d, const char* length, const char* elements, const char* above, const char* modulus,
                   const char* nu) {
    wintest::SetText(d, GeometryField(1), length);
    wintest::SetText(d, GeometryField(2), elements);
    wintest::SetText(d, GeometryField(3), above);
    wintest::SetText(d, GeometryField(4), modulus);
    wintest::SetText(d, GeometryField(5), nu);
  }
  // A job of n elements of `length` each, widths 0.5, inertias 0.002, nA above the soil.
  void WritePile(int n, double length, int above = 0) {
    Geometry = PileGeometry();
    const std::string texts[] = {"", std::to_string(n * length), std::to_string(n), std::to_string(above), "2.1E8", "0.3"};
    ASSERT_TRUE(SaveGeometryDialogData(JobSpec, {texts, texts + 6}, false));
    FillGeometryCells();
    for (int e = 1; e <= n; ++e) {
      CellTexts(3, e) = "0.5";
      CellTexts(4, e) = "0.002";
    }
    ASSERT_TRUE(SaveGeometryCells(JobSpec));
  }
  TestDirectory dir_;
  wintest::TraceCapture trace_;
  std::string file_;
};

TEST_F(PalvoreEntry, GeometryItemsRefusedThenAccepted) {
  // The items typed in turn (length, elements, above the soil, modulus, Poisson's ratio) and the
  // item each is refused for.
  struct Refusal {
    const char* items[5];
    const char* named;
  };
  const Refusal refusals[] = {{{"10", "4", "1", "2.1E8", "0.5"}, "Item  5!"},
                              {{"10", "0", "0", "2.1E8", "0.49"}, "Item  2!\r\n(1 to 4990 elements)"},
                              {{"-3", "4", "1", "2.1E8", "0.49"}, "Item  1!"},
                              {{"10", "5", "5", "2.1E8", "0.49"}, "Item 2 or of Item 3 !"}};
  std::vector<std::string> warnings;
  SIZE units{}, client{};
  std::vector<wintest::Step> steps;
  for (const Refusal& r : refusals) {
    const bool opening = &r == &refusals[0];
    steps.push_back(WhenDialog(kCaption, [&, r, opening](HWND d) {
      if (opening) {  // the dialog as it opens
        RECT rect = {0, 0, 340, 163};
        MapDialogRect(d, &rect);
        units = {rect.right, rect.bottom};
        GetClientRect(d, &rect);
        client = {rect.right, rect.bottom};
        EXPECT_EQ(wintest::GetText(d, kHeadingId), " GENERAL GEOMETRY and MATERIAL PROPERTIES DATA:");
        EXPECT_EQ(IsDlgButtonChecked(d, kPileOptionId), BST_CHECKED);
        EXPECT_EQ(IsDlgButtonChecked(d, entry::kDetailsBoxId), BST_CHECKED);
        EXPECT_EQ(GetDlgCtrlID(GetFocus()), GeometryField(1));
      }
      Fill(d, r.items[0], r.items[1], r.items[2], r.items[3], r.items[4]);
      wintest::PostClick(d, kOkId);
    }));
    steps.push_back(WarningInto(warnings));
  }
  steps.push_back(WhenDialog(kCaption, [&](HWND d) {
    Fill(d, "10", "4", "1", "2.1E8", "0.3");
    CheckDlgButton(d, entry::kDetailsBoxId, BST_UNCHECKED);
    wintest::Click(d, kOkId);
  }));
  bool ok = RunScript(steps, [&] { GeometryCommand(nullptr); }).finished;
  ASSERT_TRUE(ok);
  EXPECT_EQ(client.cx, units.cx);
  EXPECT_EQ(client.cy, units.cy);
  const std::string enter = "\r\n\r\nENTER NEW DATA.";
  ASSERT_EQ(warnings.size(), 4u);
  for (size_t i = 0; i < warnings.size(); ++i)
    EXPECT_EQ(warnings[i], std::string("INCORRECT DATA of ") + refusals[i].named + enter) << i;
  EXPECT_EQ(trace_.Records("TONE").size(), 16u);
  std::vector<std::string> lines = FileLines(File(".geo"));
  ASSERT_GE(lines.size(), 6u);
  EXPECT_EQ(lines[1], "Job: C:\\PALTEST\\PILE1 // GEOMETRY & MAT. PROPERTIES");
  EXPECT_EQ(lines[2], "PILE/SHEET-PILE DATA:  Pile");
  EXPECT_EQ(lines[5], "No of Elements Above Soil Surface: 1");
  EXPECT_NE(lines[4].find("2.1000E+8"), std::string::npos) << lines[4];
}

TEST_F(PalvoreEntry, GeometryShowsTheJobAndCancelKeepsItsFile) {
  WritePile(4, 2.5);
  std::vector<std::string> before = FileLines(File(".geo"));
  std::string modulus, kind;
  INT_PTR end = -1;
  bool ok = RunScript({WhenDialog(kCaption,
                                  [&](HWND d) {
                                    modulus = wintest::GetText(d, GeometryField(4));
                                    Fill(d, "1", "1", "0", "1", "0.1");
                                    wintest::Click(d, kCancelId);
                                  })},
                      [&] { end = ShowModalDialog(GeometryDialog(), nullptr, entry::GeometryDialogProc); })
                .finished;
  ASSERT_TRUE(ok);
  EXPECT_EQ(end, 0);
  EXPECT_EQ(modulus, "2.1000E+8");
  EXPECT_EQ(FileLines(File(".geo")), before);
}

TEST_F(PalvoreEntry, DetailsTableChecksTheLengthsAndFillsUniformLengths) {
  WritePile(3, 10.0 / 3);
  std::vector<std::string> warnings, cells;
  wintest::ScriptResult ok = RunScript(
      {WhenDialog(kTable,
                  [&](HWND t) {
                    HWND page = TablePage();
                    SetDlgItemTextA(page, CellId(1, 1), "3.34");
                    SetDlgItemTextA(page, CellId(2, 1), "3.34");
                    SetDlgItemTextA(page, CellId(3, 1), "3.34");  // 10.02
                    wintest::PostClick(t, kContinueId);
                  }),
       WarningInto(warnings),
       WhenDialog(kTable, [&](HWND t) { wintest::PostClick(t, UniformButtonId(1)); }),  // UNIFORM lengths
       WhenDialog(kTable,
                  [&](HWND t) {
                    HWND page = TablePage();
                    cells.push_back(wintest::GetText(page, CellId(1, 1)));
                    cells.push_back(wintest::GetText(page, CellId(3, 1)));
                    SetDlgItemTextA(page, CellId(3, 1), "3.342333");  // 10.009
                    wintest::Click(t, kContinueId);
                  })},
      [&] { GeometryDetailsDialog(nullptr); });
  ASSERT_TRUE(ok.finished);
  ASSERT_EQ(warnings.size(), 1u);
  EXPECT_EQ(warnings[0], "Incorrect Element Length Data\r\n\r\n          Correct the Data!");
  EXPECT_EQ(cells, (std::vector<std::string>{"3.333333", "3.333333"}));
  std::vector<std::string> lines = FileLines(File(".geo"));
  ASSERT_GE(lines.size(), 10u);
  EXPECT_NE(lines[9].find("3.34233"), std::string::npos) << lines[9];
}

// The uniform value dialog of a column stands over the table beside its buttons, not over the
// structure view right of the table's page.
TEST_F(PalvoreEntry, TheUniformValueDialogStandsOverTheTable) {
  WritePile(3, 10.0 / 3);
  HWND table = nullptr;
  RECT form{}, page{}, window{};
  wintest::ScriptResult ok = RunScript(
      {WhenDialog(kTable,
                  [&](HWND t) {
                    table = t;
                    wintest::PostClick(t, UniformButtonId(2));
                  }),
       [&] {
         HWND f = GetActiveWindow();
         if (!f || f == table) return false;
         GetWindowRect(f, &form);
         GetWindowRect(TableContainer(), &page);
         GetWindowRect(table, &window);
         PostMessageA(f, WM_COMMAND, MAKEWPARAM(kFormCancelId, BN_CLICKED), 0);
         return true;
       },
       WhenDialog(kTable, [&](HWND t) { wintest::PostClick(t, kTableCancelId); })},
      [&] { GeometryDetailsDialog(nullptr); });
  ASSERT_TRUE(ok.finished);
  EXPECT_LE(form.right, page.right + 2);
  EXPECT_GE(form.left, window.left);
  EXPECT_GE(form.top, window.top);
  EXPECT_LE(form.bottom, window.bottom);
}

// Keys typed into the inertia cells: a decimal comma is refused with the warning tones, never
// dropped without a sign ("2,0e-4" would read ten times the value); the exponent is kept.
TEST_F(PalvoreEntry, KeysTypedIntoTheInertiaCells) {
  WritePile(3, 10.0 / 3);
  std::vector<std::string> cells;
  size_t tones = 0;
  wintest::ScriptResult ok = RunScript(
      {WhenDialog(kTable,
                  [&](HWND) {
                    SetFocus(GetDlgItem(TablePage(), CellId(1, 3)));
                    EXPECT_TRUE(wintest::TypeKeys(GetFocus(), "2,0e-4"));
                  }),
       wintest::Do([&] {
         tones = trace_.Records("TONE").size();
         SetFocus(GetDlgItem(TablePage(), CellId(2, 3)));
         EXPECT_TRUE(wintest::TypeKeys(GetFocus(), "2.0e-4"));
       }),
       WhenDialog(kTable,
                  [&](HWND t) {
                    cells.push_back(wintest::GetText(TablePage(), CellId(1, 3)));
                    cells.push_back(wintest::GetText(TablePage(), CellId(2, 3)));
                    wintest::Click(t, kContinueId);
                  })},
      [&] { GeometryDetailsDialog(nullptr); });
  ASSERT_TRUE(ok.finished);
  EXPECT_EQ(cells, (std::vector<std::string>{"20e-4", "2.0e-4"}));
  EXPECT_EQ(tones, 4u);  // the comma's, and none for the second cell
  EXPECT_EQ(trace_.Records("TONE").size(), 4u);
  std::vector<std::string> lines = FileLines(File(".geo"));
  ASSERT_GE(lines.size(), 10u);
  EXPECT_NE(lines[8].find("2.0000E-4"), std::string::npos) << lines[8];
}

TEST_F(PalvoreEntry, OnlyTheTopEdgeIsNoSupportAndCancelRewritesTheFile) {
  WritePile(5, 2);
  std::vector<std::string> warnings;
  bool ok = RunScript({WhenDialog(kCaption,
                                  [&](HWND d) {
                                    wintest::Click(d, entry::kFirstSupportBoxId);
                                    wintest::PostClick(d, kContinueId);
                                  }),
                       WarningInto(warnings),
                       WhenDialog(kCaption, [&](HWND d) { wintest::Click(d, kCancelId); })},
                      [&] { SupportDataCommand(nullptr); })
                .finished;
  ASSERT_TRUE(ok);
  ASSERT_EQ(warnings.size(), 1u);
  EXPECT_EQ(warnings[0], "The STRUCTURE is NOT SUPPORTED!\r\n\r\nCORRECT the SUPPORT Specification!");
  std::vector<std::string> lines = FileLines(File(".SUP"));
  ASSERT_GE(lines.size(), 3u);
  EXPECT_EQ(lines[1], "Job: C:\\PALTEST\\PILE1 // SUPPORTS");
  EXPECT_EQ(lines[3], "Top Edge Fixed against Rotation (?):  N");
}

// The node list from the file's list text; Ok writes the checked nodes; REMOVE ALL CHECKS and Ok
// drops the line.
TEST_F(PalvoreEntry, UnyieldingNodesFromTheListAndBack) {
  WritePile(5, 2);
  Supports = PileSupports();
  Supports.flags = {"", "N", "Y", "N", "N", "N", "", "", "", "", ""};
  Supports.unyieldingNodes = " ,1, 9,x,3, ";
  std::vector<std::string> seen;
  bool ok = RunScript({WhenDialog(kCaption,
                                  [&](HWND u) {
                                    HWND list = GetDlgItem(u, entry::kNodeListId);
                                    const int n = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
                                    std::string marks;
                                    for (int i = 0; i < n; ++i)
                                      marks += SendMessageA(list, LB_GETITEMDATA, i, 0) != 0 ? "x" : ".";
                                    seen.push_back(std::to_string(n) + " " + marks);
                                    wintest::Click(u, kContinueId);
                                  })},
                      [&] {
                        ShowModalDialog(UnyieldingSupportsDialog(), nullptr, entry::NodeListDialogProc);
                        GfxWindowEx(0, kGfxClose);
                        SaveSupportFile(JobSpec);
                      })
                .finished;
  ASSERT_TRUE(ok);
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0], "6 x.x...");
  EXPECT_TRUE(HasLine(FileLines(File(".SUP")), "UNYIELDING SUPPORTS at Nodes: 1,3"));

  ok = RunScript({WhenDialog(kCaption, [&](HWND d) { wintest::PostClick(d, entry::kEnterSupportDataId); }),
                  WhenDialog(kCaption,
                             [&](HWND u) {
                               wintest::Click(u, kRemoveChecksId);
                               wintest::Click(u, kContinueId);
                             })},
                 [&] { SupportDataCommand(nullptr); })
           .finished;
  ASSERT_TRUE(ok);
  EXPECT_FALSE(HasLine(FileLines(File(".SUP")), "UNYIELDING SUPPORTS"));
}

// A 25-node elastic table: 20 rows on the page, PgDn shows nodes 6..25 and what was typed stays;
// GENERATE's Enter in the last field presses Ok; "-" is no character of a support cell.
TEST_F(PalvoreEntry, ElasticTableScrollsAndGenerates) {
  WritePile(24, 1);
  Supports = PileSupports();
  Supports.flags = {"", "N", "N", "N", "N", "N", "", "", "", "", ""};
  std::vector<std::string> seen;
  HWND table = nullptr;
  wintest::ScriptResult ok = RunScript(
      {WhenDialog(kCaption,
                  [&](HWND d) {
                    wintest::Click(d, entry::kElasticBoxId);
                    wintest::PostClick(d, entry::kEnterSupportDataId);
                  }),
       WhenDialog(kCaption,
                  [&](HWND t) {
                    table = t;
                    HWND page = TablePage();
                    seen.push_back(wintest::GetText(page, RowLabelId(1)) + " " + wintest::GetText(page, RowLabelId(20)) + " " +
                                   (GetDlgItem(page, RowLabelId(21)) ? "21" : "-"));
                    SetDlgItemTextA(page, CellId(1, 1), "7");
                    SetFocus(GetDlgItem(page, CellId(20, 1)));
                    wintest::PressKey(GetDlgItem(page, CellId(20, 1)), VK_NEXT);
                  }),
       wintest::Do([&] {
         HWND page = TablePage();
         seen.push_back(wintest::GetText(page, RowLabelId(1)) + " " + wintest::GetText(page, RowLabelId(20)));
         SetFocus(GetDlgItem(page, CellId(20, 1)));
         wintest::PressKey(GetDlgItem(page, CellId(20, 1)), VK_PRIOR);
       }),
       wintest::Do([&] {
         HWND page = TablePage();
         seen.push_back(wintest::GetText(page, CellId(1, 1)));
         SendMessageA(GetDlgItem(page, CellId(2, 1)), WM_CHAR, '-', 1);
         SendMessageA(GetDlgItem(page, CellId(2, 1)), WM_CHAR, '5', 1);
         seen.push_back(wintest::GetText(page, CellId(2, 1)));
         wintest::PostClick(table, GenerateButtonId(2));
       }),
       WhenDialog(kCaption,
                  [&](HWND g) {
                    wintest::SetText(g, RangeField(2), "25");
                    wintest::SetText(g, RangeField(3), "3");
                    wintest::SetText(g, RangeField(4), "500");
                    HWND last = GetDlgItem(g, RangeField(4));
                    SetFocus(last);
                    wintest::PressKey(last, VK_RETURN);
                  }),
       WhenDialog(kCaption,
                  [&](HWND t) {
                    HWND page = TablePage();
                    seen.push_back(wintest::GetText(page, CellId(4, 1)) + " " + wintest::GetText(page, CellId(5, 1)));
                    wintest::Click(t, kContinueId);
                  })},
      [&] {
        SaveSupportFile(JobSpec);
        SupportDataCommand(nullptr);
      });
  ASSERT_TRUE(ok.finished) << ok.stepsDone;
  ASSERT_EQ(seen.size(), 5u);
  EXPECT_EQ(seen[0], "1 20 -");
  EXPECT_EQ(seen[1], "6 25");
  EXPECT_EQ(seen[2], "7");
  EXPECT_EQ(seen[3], "50");  // typed before the 0 there
  EXPECT_EQ(seen[4], "500 0");  // rows 1, 4, 7, ...: row 4's kh and row 5's
  Supports = PileSupports();
  std::vector<std::string> lines = FileLines(File(".SUP"));
  int springs = 0, soil = 0;
  ReadSupportData(lines, static_cast<int>(lines.size()) - 1, springs, soil);
  EXPECT_TRUE(SupportFlag(kElasticSupportsSlot));
  EXPECT_DOUBLE_EQ(Supports.springs.Get(1, 1), 500);
  EXPECT_DOUBLE_EQ(Supports.springs.Get(4, 1), 500);
  EXPECT_DOUBLE_EQ(Supports.springs.Get(25, 1), 500);
  EXPECT_DOUBLE_EQ(Supports.springs.Get(2, 1), 50);  // page row 2: node 2, kh
  EXPECT_DOUBLE_EQ(Supports.springs.Get(3, 1), 0);
}

// The Winkler table shows the embedded elements; the function fill and the half-space data
// reach the file.
TEST_F(PalvoreEntry, WinklerFunctionAndHalfSpace) {
  WritePile(6, 1, 2);
  Supports = PileSupports();
  Supports.flags = {"", "N", "N", "N", "N", "N", "", "", "", "", ""};
  std::vector<std::string> seen, warnings;
  wintest::ScriptResult ok = RunScript(
      {WhenDialog(kCaption,
                  [&](HWND d) {
                    wintest::Click(d, entry::kWinklerOptionId);
                    wintest::PostClick(d, entry::kEnterSupportDataId);
                  }),
       WhenDialog(kCaption,
                  [&](HWND t) {
                    seen.push_back(wintest::GetText(TablePage(), RowLabelId(1)));
                    wintest::PostClick(t, kModulusFunctionId);
                  }),
       WhenDialog(kCaption,
                  [&](HWND f) {
                    seen.push_back(wintest::GetText(f, RangeField(1)) + " " + wintest::GetText(f, RangeField(2)));
                    wintest::SetText(f, RangeField(3), "1000");
                    wintest::SetText(f, RangeField(4), "100");
                    wintest::SetText(f, RangeField(5), "-1");
                    wintest::PostClick(f, kOkId);
                  }),
       WarningInto(warnings),
       WhenDialog(kCaption,
                  [&](HWND f) {
                    wintest::SetText(f, RangeField(5), "2");
                    wintest::Click(f, kOkId);
                  }),
       WhenDialog(kCaption, [&](HWND t) { wintest::PostClick(t, GenerateButtonId(4)); }),  // GENERATE the yield stress at j
       WhenDialog(kCaption,
                  [&](HWND g) {
                    wintest::SetText(g, RangeField(1), "3");
                    wintest::SetText(g, RangeField(2), "4");
                    wintest::SetText(g, RangeField(3), "1");
                    wintest::SetText(g, RangeField(4), "40");
                    wintest::Click(g, kOkId);
                  }),
       WhenDialog(kCaption,
                  [&](HWND t) {
                    HWND page = TablePage();
                    seen.push_back(wintest::GetText(page, CellId(1, 1)) + " " + wintest::GetText(page, CellId(1, 2)) + " " +
                                   wintest::GetText(page, CellId(4, 2)));
                    // One yield stress for both ends of elements 3 and 4 (the first two rows).
                    seen.push_back(wintest::GetText(page, CellId(1, 3)) + " " + wintest::GetText(page, CellId(1, 4)) + " " +
                                   wintest::GetText(page, CellId(2, 3)) + " " + wintest::GetText(page, CellId(2, 4)) + " " +
                                   wintest::GetText(page, CellId(3, 3)));
                    wintest::Click(t, kContinueId);
                  })},
      [&] {
        SaveSupportFile(JobSpec);
        SupportDataCommand(nullptr);
      });
  ASSERT_TRUE(ok.finished) << ok.stepsDone;
  ASSERT_EQ(seen.size(), 4u);
  EXPECT_EQ(seen[0], "3");
  EXPECT_EQ(seen[1], "3 7");
  EXPECT_EQ(seen[2], "1000.000 1100.000 2600.000");
  EXPECT_EQ(seen[3], "40 40 40 40 0");
  ASSERT_EQ(warnings.size(), 1u);
  EXPECT_EQ(warnings[0], "Incorrect Unyielding Support Data!\r\n\r\n        Correct the Data!         ");

  ok = RunScript({WhenDialog(kCaption,
                             [&](HWND d) {
                               wintest::Click(d, entry::kIsotropicOptionId);
                               wintest::PostClick(d, entry::kEnterSupportDataId);
                             }),
                  WhenDialog(kCaption,
                             [&](HWND h) {
                               wintest::SetText(h, RangeField(1), "30000");
                               wintest::SetText(h, RangeField(2), "0.6");
                               wintest::PostClick(h, kOkId);
                             }),
                  WarningInto(warnings),
                  WhenDialog(kCaption,
                             [&](HWND h) {
                               wintest::SetText(h, RangeField(2), "0.5");
                               wintest::SetText(h, RangeField(3), "40");
                               wintest::Click(h, kOkId);
                             })},
                 [&] { SupportDataCommand(nullptr); })
  ;
  ASSERT_TRUE(ok.finished);
  ASSERT_EQ(warnings.size(), 2u);
  EXPECT_EQ(warnings[1], "INCORRECT DATA of Item  2!\r\n\r\nENTER NEW DATA.");
  Supports = PileSupports();
  std::vector<std::string> lines = FileLines(File(".SUP"));
  int springs = 0, soil = 0;
  ReadSupportData(lines, static_cast<int>(lines.size()) - 1, springs, soil);
  EXPECT_TRUE(SupportFlag(kHalfSpaceSlot));
  EXPECT_FALSE(SupportFlag(kWinklerSlot));  // one soil at a time
  EXPECT_DOUBLE_EQ(ParseNumber(Supports.flags[kHalfSpaceModulusSlot]), 30000);
  EXPECT_DOUBLE_EQ(ParseNumber(Supports.flags[kHalfSpaceYieldSlot]), 40);
}

// After the warning of a wrong item the focus is back on its field.
TEST_F(PalvoreEntry, HalfSpaceWarningPutsTheFocusOnTheWrongField) {
  WritePile(6, 1, 2);
  std::vector<std::string> warnings;
  int focus = 0;
  bool ok = RunScript({WhenDialog(kCaption,
                                  [&](HWND h) {
                                    wintest::SetText(h, RangeField(1), "30000");
                                    wintest::SetText(h, RangeField(2), "0.6");
                                    wintest::SetText(h, RangeField(3), "40");
                                    wintest::PostClick(h, kOkId);
                                  }),
                       WarningInto(warnings),
                       WhenDialog(kCaption,
                                  [&](HWND h) {
                                    focus = GetDlgCtrlID(GetFocus());
                                    wintest::Click(h, kCancelId);
                                  })},
                      [&] { ShowModalDialog(HalfSpaceDialog(), nullptr, entry::HalfSpaceDialogProc); })
                .finished;
  ASSERT_TRUE(ok);
  ASSERT_EQ(warnings.size(), 1u);
  EXPECT_EQ(focus, RangeField(2));
}

// The Winkler table and the trapezoidal load table show every text whole: nothing cut, outside
// the window or overlapping.
TEST_F(PalvoreEntry, TablesShowTheirTextsWhole) {
  WritePile(6, 1, 2);
  Supports = PileSupports();
  LoadCaseName = "A";
  struct Case {
    const char* name;
    std::function<void()> open;
  };
  const Case cases[] = {
      {"winkler", [] { SupportTableDialog(nullptr, "WINKLER"); }},
      {"trapezoidal", [] {
         int t = 0, n = 0;
         ReadLoadData(TextLineArray(1), 0, t, n);
         LoadDataDialogs(nullptr, 1);
       }},
  };
  for (const Case& c : cases) {
    std::vector<std::string> faults;
    bool ok = RunScript({WhenDialog(kCaption,
                                    [&](HWND t) {
                                      faults = wintest::LayoutFaults(t);
                                      wintest::Click(t, kContinueId);
                                    })},
                        c.open)
                  .finished;
    ASSERT_TRUE(ok) << c.name;
    std::string all;
    for (const std::string& f : faults) all += f + "\n";
    EXPECT_TRUE(faults.empty()) << c.name << ":\n" << all;
  }
}

}  // namespace
}  // namespace palvore
