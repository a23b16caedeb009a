// The support entry under Wine: the support-type dialog of each structure, its refusal and its
// data dialogs (the check list, the support tables, the half-space data), and the support command
// that rewrites <job>.SUP.
#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "../../../common/tests/testdir.h"
#include "core/globals.h"
#include "core/numbers.h"
#include "corvane/core/geometryfile.h"
#include "corvane/core/globals.h"
#include "corvane/core/slots.h"
#include "corvane/core/supportfile.h"
#include "corvane/entry/entry.h"
#include "corvane/entry/ids.h"
#include "win/grid.h"
#include "formtest.h"
#include "win/ids.h"
#include "win/testing/layout.h"
#include "win/testing/wintest.h"

namespace corvane {
namespace {

using wintest::Do;
using wintest::RunScript;
using wintest::Step;
using wintest::WhenDialog;

constexpr int kList = entry::kNodeListId;



// Geometry in the tables only (no file): the structure, its element counts and radii.
void Geometry(const char* type, const char* sub, int nb, int nw = 0, int nr = 0, double plateInner = 0,
              double roofInner = 0) {
  StructureType = type;
  Substructure = sub;
  JobSpec = "SUPJOB";
  GeometryAnswers.assign(8, "N");
  JobDataTable.Redim(8, 6);
  JobDataTable(1, 1) = nb;
  JobDataTable(2, 1) = nw;
  JobDataTable(3, 1) = nr;
  for (int s = 1; s <= 3; ++s) {
    JobDataTable(s, 2) = 6;
    JobDataTable(s, 3) = s == 3 ? 9 : 3e7;
    JobDataTable(s, 4) = 0.2f;
    JobDataTable(s, 5) = 1e-5f;
  }
  JobDataTable(1, 2) = StructureType == "PLATE" ? plateInner : 6;
  JobDataTable(3, 2) = roofInner;
  ClearSupportFlags(StructureType == "TANK" ? 3 : 1);
  UseCorvaneGrid();
  UseGeometryEntry();
  UseSupportEntry();
}

// A beam job of n elements of 1 m on file.
void BeamJob(int n) {
  Geometry("BEAM/STRIP", "BEAM", n);
  JobDataTable(1, 2) = static_cast<float>(n);
  WorkTables[1].Redim(n, 3);
  for (int r = 1; r <= n; ++r) {
    WorkTables[1](r, 1) = 1;
    WorkTables[1](r, 2) = 0.5f;
    WorkTables[1](r, 3) = 0.6f;
  }
  ASSERT_TRUE(SaveGeometryFile(JobSpec));
}

void WriteFile(const std::string& name, const std::string& text) { std::ofstream(name, std::ios::binary) << text; }
std::string FileText(const std::string& name) {
  std::ifstream in(name, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

// The support file of a job: its answers and tables as SaveSupportFile writes them.
void SupportFileOf(int type, const std::function<void()>& fill) {
  int n1 = 0, n2 = 0, n3 = 0, ok = 0;
  LoadSupportFile(type, n1, n2, n3, 0, ok);
  ASSERT_EQ(ok, 1);
  fill();
  ASSERT_TRUE(SaveSupportFile(type));
}

std::vector<int> IdsShown(HWND d) {
  std::vector<int> ids;
  for (int id : {SupportBoxId(1), SupportBoxId(2), SupportBoxId(3), SupportBoxId(6), SupportBoxId(7), SupportBoxId(10),
                  entry::kWinklerOptionId, entry::kIsotropicOptionId, entry::kAnisotropicOptionId, kFirstRoofJointOptionId,
                  kFirstRoofJointOptionId + 1, kFirstRoofJointOptionId + 2})
    if (GetDlgItem(d, id)) ids.push_back(id);
  return ids;
}

HWND Cell(int row, int column) { return GetDlgItem(TablePage(), TableCellId(row, column)); }
std::string CellText(int row, int column) { return wintest::GetText(TablePage(), TableCellId(row, column)); }

int CurrentRow(HWND d) { return static_cast<int>(SendMessageA(GetDlgItem(d, kList), LB_GETCURSEL, 0, 0)) + 1; }
int Mark(HWND d, int row) {
  return static_cast<int>(SendMessageA(GetDlgItem(d, kList), LB_GETITEMDATA, static_cast<WPARAM>(row - 1), 0));
}

// ---- The support-type dialog ----

TEST(SupportTypeDialog, BoxesOfEachStructure) {
  const struct {
    const char* type;
    const char* sub;
    int nr;
    double plateInner, roofInner;
    std::vector<int> ids;
    const char* heading;
    bool enterButton;
    int height;  // dialog units: 163 + 13 (k - 5), 185 + ... for the roof
  } cases[] = {
      {"BEAM/STRIP", "BEAM", 0, 0, 0, {101, 102, 103, 107, 171, 172, 173}, "SPECIFICATION OF SUPPORT TYPES:", true, 189},
      {"BEAM/STRIP", "STRIP", 0, 0, 0, {101, 102, 103, 107, 171, 172, 173}, "SPECIFICATION OF SUPPORT TYPES:", true, 189},
      {"PLATE", "PLATE", 0, 0, 0, {101, 102, 103, 171, 172, 173}, "SPECIFICATION OF SUPPORT TYPES:", true, 176},
      {"PLATE", "PLATE", 0, 1.0, 0, {101, 102, 103, 107, 171, 172, 173}, "SPECIFICATION OF SUPPORT TYPES:", true, 189},
      {"TANK", "BASE PLATE", 4, 0, 0, {101, 102, 103, 171, 172, 173}, "SPECIFICATION OF SUPPORT TYPES: BASE PLATE", true,
       176},
      {"TANK", "WALL", 4, 0, 0, {101, 102, 106, 110, 171, 172, 173, 181, 182, 183},
       "SPECIFICATION OF SUPPORT TYPES: WALL", true, 228},
      {"TANK", "WALL", 0, 0, 0, {101, 102, 106, 107, 171, 172, 173}, "SPECIFICATION OF SUPPORT TYPES: WALL", true, 189},
      {"TANK", "ROOF STRUCTURE", 4, 0, 0, {101}, "SPECIFICATION OF SUPPORT TYPES: ROOF STRUCTURE", false, 133},
      {"TANK", "ROOF STRUCTURE", 4, 0, 1.0, {101, 102}, "SPECIFICATION OF SUPPORT TYPES: ROOF STRUCTURE", false, 146},
  };
  for (const auto& c : cases) {
    Geometry(c.type, c.sub, 10, 8, c.nr, c.plateInner, c.roofInner);
    std::vector<int> ids;
    std::string heading, enter, first;
    int focus = 0, height = 0;
    bool enterButton = false;
    auto run = RunScript({WhenDialog(JobCaption(),
                                     [&](HWND d) {
                                       ids = IdsShown(d);
                                       heading = wintest::GetText(d, kHeadingId);
                                       first = wintest::GetText(d, entry::kFirstSupportBoxId);
                                       enterButton = GetDlgItem(d, entry::kEnterSupportDataId) != nullptr;
                                       enter = enterButton ? wintest::GetText(d, entry::kEnterSupportDataId) : "";
                                       focus = GetDlgCtrlID(GetFocus());
                                       RECT r = {0, 0, 0, 0};
                                       GetClientRect(d, &r);
                                       int w = r.right;
                                       height = r.bottom;
                                       PixelsToUnits(d, w, height);
                                       wintest::PostClick(d, kCancelId);
                                     })},
                         [&] { ShowModalDialog(SupportTypeDialog(0), nullptr, SupportTypeDialogProc); });
    ASSERT_TRUE(run.finished) << c.sub;
    EXPECT_EQ(ids, c.ids) << c.sub << " " << c.nr;
    EXPECT_EQ(heading, c.heading);
    EXPECT_EQ(enterButton, c.enterButton) << c.sub;
    if (c.enterButton) EXPECT_EQ(enter, " &ENTER / EDIT Support DATA ");
    EXPECT_EQ(focus, entry::kFirstSupportBoxId) << c.sub;
    EXPECT_NEAR(height, c.height, 1) << c.sub;
  }
}

TEST(SupportTypeDialog, AnEdgeAloneIsNotSupported) {
  Geometry("BEAM/STRIP", "BEAM", 10);
  wintest::TraceCapture trace;
  std::string message;
  INT_PTR end = -1;
  auto run = RunScript({WhenDialog(JobCaption(),
                                   [](HWND d) {
                                     wintest::Click(d, entry::kFirstSupportBoxId);
                                     wintest::PostClick(d, kContinueId);
                                   }),
                        WhenDialog("WARNING!",
                                   [&](HWND box) {
                                     message = wintest::BoxText(box);
                                     wintest::AnswerBox(box, IDOK);
                                   }),
                        WhenDialog(JobCaption(),
                                   [](HWND d) {  // still open
                                     wintest::Click(d, entry::kUnyieldingBoxId);
                                     wintest::PostClick(d, kContinueId);
                                   })},
                       [&] { end = ShowModalDialog(SupportTypeDialog(0), nullptr, SupportTypeDialogProc); });
  ASSERT_TRUE(run.finished);
  EXPECT_EQ(message, "The STRUCTURE is NOT SUPPORTED!\r\n\r\nCORRECT the SUPPORT Specification!");
  EXPECT_EQ(TonesAndBoxes(trace), kWarned);
  EXPECT_EQ(end, 1);
  EXPECT_EQ(SupportFlags[kEdgeFixedSlot], "Y");
  EXPECT_EQ(SupportFlags[kUnyieldingSlot], "Y");
  EXPECT_EQ(SupportFlags[kOuterEdgeFixedSlot], "N");
}

TEST(SupportTypeDialog, TheCheckedSoilModelClickedAgainIsClear) {
  Geometry("BEAM/STRIP", "BEAM", 10);
  SupportFlags[kWinklerSlot] = "Y";
  std::vector<int> states;
  std::string message;
  auto run = RunScript({WhenDialog(JobCaption(),
                                   [&](HWND d) {
                                     states.push_back(IsDlgButtonChecked(d, entry::kWinklerOptionId));
                                     wintest::Click(d, entry::kWinklerOptionId);
                                     states.push_back(IsDlgButtonChecked(d, entry::kWinklerOptionId));
                                     wintest::Click(d, entry::kIsotropicOptionId);
                                     states.push_back(IsDlgButtonChecked(d, entry::kIsotropicOptionId));
                                     states.push_back(IsDlgButtonChecked(d, entry::kWinklerOptionId));
                                     wintest::Click(d, entry::kIsotropicOptionId);
                                     states.push_back(IsDlgButtonChecked(d, entry::kIsotropicOptionId));
                                     wintest::PostClick(d, kContinueId);
                                   }),
                        WhenDialog("WARNING!",
                                   [&](HWND box) {
                                     message = wintest::BoxText(box);
                                     wintest::AnswerBox(box, IDOK);
                                   }),
                        WhenDialog(JobCaption(), [](HWND d) { wintest::PostClick(d, kCancelId); })},
                       [&] { ShowModalDialog(SupportTypeDialog(0), nullptr, SupportTypeDialogProc); });
  ASSERT_TRUE(run.finished);
  EXPECT_EQ(states, (std::vector<int>{1, 0, 1, 0, 0}));
  EXPECT_EQ(message.substr(0, 31), "The STRUCTURE is NOT SUPPORTED!");
  EXPECT_EQ(SupportFlags[kWinklerSlot], "Y");  // Cancel stored nothing
}

TEST(SupportTypeDialog, AWallWithNothingTickedIsAcceptedAndTheShellRoofFixesItsJunction) {
  Geometry("TANK", "WALL", 6, 8, 4);
  GeometryAnswers[kShellRoofSlot] = "Y";
  SupportFlags[kRoofWallJointSlot] = "H";
  std::vector<int> seen;
  INT_PTR end = -1;
  auto run = RunScript({WhenDialog(JobCaption(),
                                   [&](HWND d) {
                                     seen = {IsDlgButtonChecked(d, kRoofJunctionBoxId) == BST_CHECKED ? 1 : 0,
                                             IsWindowEnabled(GetDlgItem(d, kRoofJunctionBoxId)) ? 1 : 0,
                                             IsDlgButtonChecked(d, kFirstPlateJointOptionId) == BST_CHECKED ? 1 : 0,
                                             IsDlgButtonChecked(d, kFirstRoofJointOptionId + 1) == BST_CHECKED ? 1 : 0};
                                     wintest::PostClick(d, kContinueId);
                                   })},
                       [&] { end = ShowModalDialog(SupportTypeDialog(1), nullptr, SupportTypeDialogProc); });
  ASSERT_TRUE(run.finished);
  EXPECT_EQ(seen, (std::vector<int>{1, 0, 1, 1}));  // a group without a letter shows monolithic
  EXPECT_EQ(end, 1);
  EXPECT_EQ(SupportFlags[kWallWinklerSlot], "N");
  EXPECT_EQ(SupportFlags[kPlateWallJointSlot], "M");
  EXPECT_EQ(SupportFlags[kRoofWallJointSlot], "H");
  EXPECT_EQ(SupportFlags[kRoofJointMiddleSlot], "Y");
}

TEST(SupportTypeDialog, ARoofOfNoElementsBuildsNoDialog) {
  Geometry("TANK", "ROOF STRUCTURE", 6, 8, 0);
  bool shown = false;
  auto run = RunScript({WhenDialog(JobCaption(), [&](HWND d) {
                         shown = true;
                         wintest::PostClick(d, kCancelId);
                       })},
                       [] { EXPECT_EQ(RunSupportTypeDialog(nullptr, 1), 0); }, 1500);
  EXPECT_FALSE(shown);
  EXPECT_FALSE(run.finished);
}

TEST(SupportTypeDialog, EnterPressesTheDataButtonOrTheRoofsOk) {
  for (const char* sub : {"BEAM", "ROOF STRUCTURE"}) {
    bool roof = std::string(sub) == "ROOF STRUCTURE";
    Geometry(roof ? "TANK" : "BEAM/STRIP", sub, 10, 8, 4, 0, 1.0);
    SupportFlags[roof ? 14 : 2] = "Y";
    UnyieldingNodes = "4";
    std::vector<Step> steps = {WhenDialog(JobCaption(), [](HWND d) {
      wintest::PressKey(GetDlgItem(d, entry::kFirstSupportBoxId), VK_RETURN);
    })};
    bool list = false;
    // The beam's data dialogs follow: first the check list.
    if (!roof)
      steps.push_back([&list] {
        HWND d = wintest::FindDialog(JobCaption());
        if (!d || !GetDlgItem(d, kList)) return false;
        list = true;
        wintest::PostClick(d, kExitId);
        return true;
      });
    int end = -1;
    auto run = RunScript(steps, [&] { end = RunSupportTypeDialog(nullptr, roof ? 1 : 0); });
    ASSERT_TRUE(run.finished) << sub;
    EXPECT_EQ(end, 1) << sub;
    EXPECT_EQ(list, !roof) << sub;
    EXPECT_EQ(SupportFlags[roof ? 14 : 2], "Y") << sub;
  }
}

// ---- The check list ----

TEST(UnyieldingSupports, RowsKeysClicksAndOk) {
  Geometry("BEAM/STRIP", "BEAM", 20);
  SupportFlags[kUnyieldingSlot] = "Y";
  UnyieldingNodes = "3 , 7 , 25";  // 25 lies past the 21 nodes
  std::vector<std::string> seen;
  auto run = RunScript(
      {WhenDialog(JobCaption(),
                  [&](HWND d) {
                    HWND list = GetDlgItem(d, kList);
                    seen.push_back(wintest::GetText(d, kNodeCountId));
                    seen.push_back(wintest::GetText(d, kHeadingId));
                    seen.push_back(std::to_string(SendMessageA(list, LB_GETCOUNT, 0, 0)));
                    RECT r;
                    GetClientRect(list, &r);
                    int item = static_cast<int>(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0));
                    seen.push_back("visible " + std::to_string(r.bottom / item));
                    seen.push_back("marks " + std::to_string(Mark(d, 3)) + std::to_string(Mark(d, 7)) +
                                   std::to_string(Mark(d, 4)));
                    SendMessageA(list, LB_SETCURSEL, 3, 0);  // row 4
                    wintest::PressKey(list, VK_DOWN);
                    wintest::Pump();
                    seen.push_back("row " + std::to_string(CurrentRow(d)) + " " + std::to_string(Mark(d, 5)));
                    wintest::PressKey(list, VK_SPACE);
                    wintest::Pump();
                    seen.push_back("row " + std::to_string(CurrentRow(d)) + " " + std::to_string(Mark(d, 5)));
                    SendMessageA(list, LB_SETTOPINDEX, 0, 0);
                    RECT row;
                    SendMessageA(list, LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&row));  // row 2
                    SendMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(row.left + 5, row.top + 2));
                    SendMessageA(list, WM_LBUTTONUP, 0, MAKELPARAM(row.left + 5, row.top + 2));
                    seen.push_back("click " + std::to_string(CurrentRow(d)) + " " + std::to_string(Mark(d, 2)));
                    wintest::PostClick(d, kContinueId);
                  })},
      [] { ShowModalDialog(UnyieldingSupportsDialog(), nullptr, UnyieldingSupportsDialogProc); });
  ASSERT_TRUE(run.finished);
  EXPECT_EQ(seen, (std::vector<std::string>{"The Total Number of Nodes that can be Supported is 21.",
                                            " UNYIELDING SUPPORTS DATA:", "21", "visible 15", "marks 110",
                                            "row 5 -1", "row 5 0", "click 2 -1"}));
  EXPECT_EQ(UnyieldingNodes, "2,3,7");
  EXPECT_EQ(SupportFlags[kUnyieldingSlot], "Y");
}

TEST(UnyieldingSupports, GenerateRemoveAllCancelAndAnEmptyOk) {
  Geometry("BEAM/STRIP", "BEAM", 10);
  FormTexts.Redim(kGenerationTextRow, 6);
  TableRows = 11;
  SupportFlags[kUnyieldingSlot] = "Y";
  UnyieldingNodes = "2";
  std::vector<std::string> seen;
  auto generate = [](const char* start, const char* end, const char* step) {
    return WhenDialog(JobCaption(), [=](HWND g) {
      wintest::SetText(g, kNodeRangeFieldId, start);
      wintest::SetText(g, kNodeRangeFieldId + 1, end);
      wintest::SetText(g, kNodeRangeFieldId + 2, step);
      wintest::PostClick(g, kOkId);
    });
  };
  auto marks = [&](const char* what) {
    return Do([&seen, what] {
      HWND d = wintest::FindDialog("   BEAM/STRIP ANALYSIS.   JOB: SUPJOB");
      std::string m = what;
      for (int r = 1; r <= 11; ++r)
        if (Mark(d, r) != 0) m += " " + std::to_string(r);
      seen.push_back(m);
    });
  };
  auto run = RunScript(
      {WhenDialog(JobCaption(), [](HWND d) { wintest::PostClick(d, kGenerate); }),
       WhenDialog(JobCaption(),
                  [&](HWND g) {
                    seen.push_back(wintest::GetText(g, kHeadingId));
                    seen.push_back(GetDlgItem(g, kNodeRangeFieldId + 3) ? "value field" : "no value field");
                    wintest::PostClick(g, kFormCancelId);  // cancelled
                  }),
       marks("cancelled:"),
       Do([] { wintest::PostClick(wintest::FindDialog("   BEAM/STRIP ANALYSIS.   JOB: SUPJOB"), kGenerate); }),
       generate("1", "11", "5"), marks("generated:"),
       Do([] { wintest::PostClick(wintest::FindDialog("   BEAM/STRIP ANALYSIS.   JOB: SUPJOB"), kGenerate); }),
       generate("0", "11", "5"),
       WhenDialog("WARNING!",
                  [&](HWND box) {
                    seen.push_back(wintest::BoxText(box));
                    wintest::AnswerBox(box, IDOK);
                  }),
       WhenDialog(JobCaption(), [](HWND g) { wintest::PostClick(g, kFormCancelId); }), marks("refused:"),
       Do([] { wintest::Click(wintest::FindDialog("   BEAM/STRIP ANALYSIS.   JOB: SUPJOB"), kRemoveChecksId); }),
       marks("removed:"),
       Do([] { wintest::PostClick(wintest::FindDialog("   BEAM/STRIP ANALYSIS.   JOB: SUPJOB"), kContinueId); })},
      [] { ShowModalDialog(UnyieldingSupportsDialog(), nullptr, UnyieldingSupportsDialogProc); }, 20000);
  ASSERT_TRUE(run.finished);
  EXPECT_EQ(seen, (std::vector<std::string>{" UNYIELDING SUPPORTS DATA GENERATION:", "no value field", "cancelled: 2",
                                            "generated: 1 2 6 11",
                                            "Incorrect Unyielding Support Data!\r\n\r\n        Correct the Data!         ",
                                            "refused: 1 2 6 11", "removed:"}));
  EXPECT_EQ(SupportFlags[kUnyieldingSlot], "N");
  EXPECT_EQ(UnyieldingNodes, "");

  // Cancel changes nothing.
  SupportFlags[kUnyieldingSlot] = "Y";
  UnyieldingNodes = "4";
  run = RunScript({WhenDialog(JobCaption(),
                              [](HWND d) {
                                wintest::Click(d, kRemoveChecksId);
                                wintest::PostClick(d, kExitId);
                              })},
                  [] { ShowModalDialog(UnyieldingSupportsDialog(), nullptr, UnyieldingSupportsDialogProc); });
  ASSERT_TRUE(run.finished);
  EXPECT_EQ(SupportFlags[kUnyieldingSlot], "Y");
  EXPECT_EQ(UnyieldingNodes, "4");
}

// ---- The half-space dialog ----

TEST(HalfSpaceDialog, FieldsChecksAndWhereTheValuesGo) {
  const struct {
    const char* type;
    const char* sub;
    const char* kind;
    int first, count, flag;
  } cases[] = {{"BEAM/STRIP", "BEAM", "ISOTROPIC", kIsotropicFieldId, 2, kHalfSpaceModulusSlot},
               {"PLATE", "PLATE", "CROSS-ANISOTROPIC", kAnisotropicFieldId, 5, kHalfSpaceModulusSlot},
               {"TANK", "BASE PLATE", "ISOTROPIC", kIsotropicFieldId, 2, kBaseModulusSlot},
               {"TANK", "BASE PLATE", "CROSS-ANISOTROPIC", kAnisotropicFieldId, 5, kBaseModulusSlot}};
  for (const auto& c : cases) {
    Geometry(c.type, c.sub, 10, 8, 4);
    SupportFlags[static_cast<size_t>(c.flag + 1)] = "0.3";
    std::vector<std::string> opened, messages;
    int focus = 0;
    INT_PTR end = -1;
    auto run = RunScript(
        {WhenDialog(JobCaption(),
                    [&](HWND d) {
                      for (int i = 0; i < c.count; ++i) opened.push_back(wintest::GetText(d, c.first + i));
                      opened.push_back(GetDlgItem(d, c.first + c.count) ? "more" : "no more");
                      opened.push_back(wintest::GetText(d, kHeadingId));
                      focus = GetDlgCtrlID(GetFocus());
                      wintest::PostClick(d, kOkId);  // E is 0.0
                    }),
         WhenDialog("WARNING!",
                    [&](HWND box) {
                      messages.push_back(wintest::BoxText(box));
                      wintest::AnswerBox(box, IDOK);
                    }),
         WhenDialog(JobCaption(),
                    [&](HWND d) {
                      for (int i = 0; i < c.count; ++i) wintest::SetText(d, c.first + i, i < 3 && c.count == 5 ? "2E4" : "0.25");
                      wintest::SetText(d, c.first, "30000");
                      wintest::PostClick(d, kOkId);
                    })},
        [&] { end = ShowModalDialog(HalfSpaceDialog(c.kind), nullptr, HalfSpaceDialogProc); });
    ASSERT_TRUE(run.finished) << c.sub << c.kind;
    EXPECT_EQ(opened[0], "0.0");
    EXPECT_EQ(opened[1], "0.3");
    EXPECT_EQ(opened[static_cast<size_t>(c.count)], "no more");
    EXPECT_EQ(opened[static_cast<size_t>(c.count) + 1], " HALF SPACE DATA:");
    EXPECT_EQ(focus, c.first);
    // The empty first value and, for the cross-anisotropic kind, the empty ratios: the last is named.
    EXPECT_EQ(messages, (std::vector<std::string>{std::string("INCORRECT DATA of Item ") +
                                                  (c.count == 5 ? " 5" : " 1") + "!\r\n\r\nENTER NEW DATA."}))
        << c.kind;
    EXPECT_EQ(end, 1);
    EXPECT_EQ(SupportFlags[static_cast<size_t>(c.flag)], "30000") << c.sub;
    EXPECT_EQ(SupportFlags[static_cast<size_t>(c.flag + c.count - 1)], ".25") << c.sub;  // as normalised
  }
}

TEST(HalfSpaceDialog, TheWarningPutsTheFocusBackOnTheNamedItem) {
  Geometry("BEAM/STRIP", "BEAM", 10);
  int focus = 0;
  auto run = RunScript({WhenDialog(JobCaption(),
                                   [](HWND d) {
                                     wintest::SetText(d, kIsotropicFieldId, "30000");
                                     wintest::SetText(d, kIsotropicFieldId + 1, "0.7");  // above 0.5
                                     SetFocus(GetDlgItem(d, kIsotropicFieldId));
                                     wintest::PostClick(d, kOkId);
                                   }),
                        WhenDialog("WARNING!", [](HWND box) { wintest::AnswerBox(box, IDOK); }),
                        WhenDialog(JobCaption(),
                                   [&](HWND d) {
                                     focus = GetDlgCtrlID(GetFocus());
                                     wintest::PostClick(d, kCancelId);
                                   })},
                       [] { ShowModalDialog(HalfSpaceDialog("ISOTROPIC"), nullptr, HalfSpaceDialogProc); });
  ASSERT_TRUE(run.finished);
  EXPECT_EQ(focus, kIsotropicFieldId + 1);
}

// ---- The command ----

TEST(SupportCommand, AStaleListLocksNoCellAndTheTableWritesItsRow) {
  TestDirectory dir;
  BeamJob(10);
  SupportFileOf(1, [] {
    SupportFlags[kUnyieldingSlot] = "Y";
    UnyieldingNodes = "3";
    SupportFlags[kElasticSupportsSlot] = "Y";
    ElasticSupportTable(3, 1) = 5000;
  });
  std::vector<std::string> seen;
  auto run = RunScript(
      {WhenDialog(JobCaption(),
                  [](HWND d) {
                    wintest::Click(d, entry::kUnyieldingBoxId);  // unyielding supports unticked
                    wintest::PostClick(d, entry::kEnterSupportDataId);
                  }),
       WhenDialog(JobCaption(),
                  [&](HWND t) {
                    seen.push_back(wintest::GetText(t, kHeadingId));
                    seen.push_back(std::to_string(TableRows) + " rows");
                    seen.push_back(IsWindowEnabled(Cell(3, 1)) ? "enabled" : "locked");
                    seen.push_back(CellText(3, 1));
                    seen.push_back(CellText(1, 2));
                    seen.push_back(wintest::GetText(t, kTableUnitHeadingId + 1) + " " + wintest::GetText(t, kTableUnitHeadingId + 2));
                    wintest::PostClick(t, kContinueId);
                  })},
      [] { SupportDataCommand(nullptr); }, 20000);
  ASSERT_TRUE(run.finished);
  EXPECT_EQ(seen, (std::vector<std::string>{"LINEAR ELASTIC SUPPORTS DATA:", "11 rows", "enabled", "5000", "0",
                                            "kv[kN/m] kr[kN.m/rad]"}));
  std::string file = FileText("SUPJOB.SUP");
  EXPECT_EQ(file.find("UNYIELDING"), std::string::npos) << file;
  EXPECT_NE(file.find("    3            5.00000E+3"), std::string::npos) << file;
}

TEST(SupportCommand, ElasticThenWinklerAndAnAllZeroTableIsDropped) {
  TestDirectory dir;
  BeamJob(10);
  std::vector<std::string> seen;
  auto table = [&](const char* what, bool generate) {
    return WhenDialog(JobCaption(), [&seen, what, generate](HWND t) {
      std::string s = std::string(what) + " " + wintest::GetText(t, kHeadingId) + " " + std::to_string(TableRows) + "x" +
                      std::to_string(TableColumns) + " " + wintest::GetText(t, kRemarkHeadingId) + "|" + wintest::GetText(t, kRemarkId);
      seen.push_back(s);
      wintest::PostClick(t, generate ? kGenerateButtonId : kContinueId);
    });
  };
  auto run = RunScript(
      {WhenDialog(JobCaption(),
                  [](HWND d) {
                    wintest::Click(d, entry::kElasticBoxId);
                    wintest::Click(d, entry::kWinklerOptionId);
                    wintest::PostClick(d, entry::kEnterSupportDataId);
                  }),
       table("elastic", false),  // left all zero
       table("winkler", true),
       WhenDialog(JobCaption(),
                  [](HWND g) {  // the generation of the moduli over elements 2..10
                    wintest::SetText(g, entry::kFirstRangeFieldId, "2");
                    wintest::SetText(g, entry::kLastRangeFieldId, "8000");
                    wintest::PostClick(g, kOkId);
                  }),
       Do([&] {
         seen.push_back(CellText(1, 1) + " " + CellText(2, 1) + " " + CellText(10, 1));
         wintest::PostClick(wintest::FindDialog(JobCaption()), kContinueId);
       })},
      [] { SupportDataCommand(nullptr); }, 20000);
  ASSERT_TRUE(run.finished);
  EXPECT_EQ(seen, (std::vector<std::string>{
                      "elastic LINEAR ELASTIC SUPPORTS DATA: 11x2 |",
                      "winkler WINKLER FOUNDATION DATA: 10x1 Remarks:|Soil SUBGRADE MODULUS is to be UNIFORM within "
                      "EACH element",
                      "0 8000 8000"}));
  std::string file = FileText("SUPJOB.SUP");
  EXPECT_EQ(file.find("ELASTIC SUPPORTS"), std::string::npos) << file;
  EXPECT_NE(file.find("WINKLER FOUNDATION:"), std::string::npos) << file;
  // Reopened: the elastic box is clear, Winkler set.
  std::vector<int> boxes;
  run = RunScript({WhenDialog(JobCaption(), [&](HWND d) {
                    boxes = {IsDlgButtonChecked(d, entry::kElasticBoxId), IsDlgButtonChecked(d, entry::kWinklerOptionId)};
                    wintest::PostClick(d, kCancelId);
                  })},
                  [] { SupportDataCommand(nullptr); });
  ASSERT_TRUE(run.finished);
  EXPECT_EQ(boxes, (std::vector<int>{0, 1}));
}

TEST(SupportCommand, TheFileIsRewrittenAfterCancel) {
  TestDirectory dir;
  BeamJob(4);
  WriteFile("SUPJOB.SUP", "Job: SUPJOB // SUPPORTS\r\nBEAM/STRIP SUPPORT DATA:\r\n"
                          "Left Edge Fixed against Rotation (?):  Y\r\nRight Edge Fixed against Rotation (?):  N\r\n"
                          "WINKLER FOUNDATION:\r\n Elment 'i'   Subgrade Modulus\r\n(Nodes i,j)       [kPa/m] \r\n"
                          "    1            1.00000E+03    \r\n    2            0.00000E+00    \r\n\r\n"
                          "------------------------ END OF SUPPORT DATA ------------------------\r\n");
  auto run = RunScript({WhenDialog(JobCaption(), [](HWND d) { wintest::PostClick(d, kCancelId); })},
                       [] { SupportDataCommand(nullptr); });
  ASSERT_TRUE(run.finished);
  std::string file = FileText("SUPJOB.SUP");
  EXPECT_NE(file.find("    1            1.00000E+3"), std::string::npos) << file;
  EXPECT_EQ(file.find("    2            0.00000E+00"), std::string::npos) << file;  // the empty row is gone
  EXPECT_NE(file.find("Left Edge Fixed against Rotation (?):  Y"), std::string::npos) << file;
}

TEST(SupportCommand, ATankWalksBasePlateAndWall) {
  TestDirectory dir;
  Geometry("TANK", "BASE PLATE", 6, 8, 0);
  ASSERT_TRUE(SaveGeometryFile(JobSpec));
  std::vector<std::string> seen;
  auto choose = [&](int action) {
    return WhenDialog(JobCaption(), [&seen, action](HWND c) {
      std::string s;
      for (int id = kFirstOptionId; id <= kLastOptionId; ++id)
        if (GetDlgItem(c, id)) s += wintest::GetText(c, id) + (IsDlgButtonChecked(c, id) ? "*" : "") + ";";
      seen.push_back(s);
      wintest::PostClick(c, action);
    });
  };
  auto types = [&](std::function<void(HWND)> act) {
    return WhenDialog(JobCaption(), [&seen, act](HWND d) {
      seen.push_back(wintest::GetText(d, kHeadingId));
      act(d);
    });
  };
  auto run = RunScript(
      {choose(kTankSupportActionId), types([](HWND d) {
         wintest::Click(d, entry::kUnyieldingBoxId);
         wintest::PostClick(d, kContinueId);
       }),
       choose(kTankSupportActionId), types([](HWND d) {
         wintest::Click(d, SupportBoxId(7));
         wintest::PostClick(d, kContinueId);
       }),
       choose(kCancelId)},
      [] { SupportDataCommand(nullptr); }, 20000);
  ASSERT_TRUE(run.finished);
  EXPECT_EQ(seen, (std::vector<std::string>{"TANK &BASE PLATE*;TANK &WALL CYLINDER;",
                                            "SPECIFICATION OF SUPPORT TYPES: BASE PLATE",
                                            "TANK &BASE PLATE;TANK &WALL CYLINDER*;",
                                            "SPECIFICATION OF SUPPORT TYPES: WALL",
                                            "TANK &BASE PLATE*;TANK &WALL CYLINDER;"}));
  std::string file = FileText("SUPJOB.SUP");
  EXPECT_NE(file.find("Top Wall Edge Fixed against Rotation (?):  Y"), std::string::npos) << file;
  EXPECT_NE(file.find("MONOLITHIC Base Plate-Wall Connection"), std::string::npos) << file;
}

TEST(SupportCommand, AStripsElasticTableAndItsSameConstantsButton) {
  TestDirectory dir;
  BeamJob(10);
  GeometryAnswers[kStripSlot] = "Y";  // a strip
  ASSERT_TRUE(SaveGeometryFile(JobSpec));
  std::vector<std::string> seen;
  auto run = RunScript(
      {WhenDialog(JobCaption(),
                  [](HWND d) {
                    wintest::Click(d, entry::kElasticBoxId);
                    wintest::PostClick(d, entry::kEnterSupportDataId);
                  }),
       WhenDialog(JobCaption(),
                  [&](HWND t) {
                    seen.push_back(wintest::GetText(t, kFirstTableHeadingId) + " " + wintest::GetText(t, kTableUnitHeadingId + 1) + " " +
                                   wintest::GetText(t, kTableUnitHeadingId + 2));
                    seen.push_back(wintest::GetText(t, kFirstButtonId));
                    wintest::PostClick(t, kFirstButtonId);
                  }),
       WhenDialog(JobCaption(),
                  [](HWND u) {  // the uniform value of the focused column
                    wintest::SetText(u, entry::kUniformFieldId, "750");
                    wintest::PostClick(u, kOkId);
                  }),
       Do([&] {
         seen.push_back(CellText(1, 1) + " " + CellText(9, 1) + " " + CellText(1, 2));
         wintest::PostClick(wintest::FindDialog(JobCaption()), kContinueId);
       })},
      [] { SupportDataCommand(nullptr); }, 20000);
  ASSERT_TRUE(run.finished);
  EXPECT_EQ(seen, (std::vector<std::string>{"Nodal Line kv[kN/m^2] kr[kN/rad]",
                                            "&SET SAME ELASTIC CONSTANTS AT ALL NODES", "750 750 0"}));
  std::string file = FileText("SUPJOB.SUP");
  EXPECT_NE(file.find("   11            7.50000E+2"), std::string::npos) << file;
}

TEST(SupportCommand, AWallsSoilThenItsRestraintsAndTheRoofOffered) {
  TestDirectory dir;
  Geometry("TANK", "BASE PLATE", 6, 8, 4);
  ASSERT_TRUE(SaveGeometryFile(JobSpec));
  std::vector<std::string> seen;
  auto table = [&] {
    return WhenDialog(JobCaption(), [&seen](HWND t) {
      seen.push_back(wintest::GetText(t, kHeadingId) + " " + std::to_string(TableRows) + "x" + std::to_string(TableColumns));
      wintest::PostClick(t, kTableCancelId);  // cancelled: the sequence goes on
    });
  };
  auto run = RunScript(
      {WhenDialog(JobCaption(),
                  [&](HWND c) {
                    seen.push_back(std::to_string(GetDlgItem(c, kTankOptionBaseId + 3) != nullptr));
                    wintest::Click(c, kTankOptionBaseId + 2);
                    wintest::PostClick(c, kTankSupportActionId);
                  }),
       WhenDialog(JobCaption(),
                  [](HWND d) {
                    wintest::Click(d, entry::kFirstSupportBoxId);
                    wintest::Click(d, entry::kUnyieldingBoxId);
                    wintest::PostClick(d, entry::kEnterSupportDataId);
                  }),
       table(), table(),
       [&seen] {
         HWND c = wintest::FindDialog(JobCaption());
         if (!c || !GetDlgItem(c, kTankOptionBaseId + 3)) return false;
         seen.push_back(IsDlgButtonChecked(c, kTankOptionBaseId + 3) == BST_CHECKED ? "roof next" : "roof not next");
         wintest::PostClick(c, kCancelId);
         return true;
       }},
      [] { SupportDataCommand(nullptr); }, 20000);
  ASSERT_TRUE(run.finished);
  EXPECT_EQ(seen, (std::vector<std::string>{"1", "WALL: WINKLER SOIL AROUND 8x1",
                                            "WALL: LINEAR ELASTIC SUPPORTS' DATA 9x2", "roof next"}));
  std::string file = FileText("SUPJOB.SUP");
  // Both tables were left empty: their answers are off in the file.
  EXPECT_EQ(file.find("WINKLER SOIL AROUND WALL"), std::string::npos) << file;
  EXPECT_EQ(file.find("ELASTIC NODAL RESTRAINTS"), std::string::npos) << file;
  EXPECT_NE(file.find("MONOLITHIC Roof-Wall Connection"), std::string::npos) << file;
}

// ---- The layout ----

// Each structure's Winkler table shows its texts whole: the remarks inside the window, the
// column headings within their cells, nothing overlapping.
TEST(SupportTableDialog, TheWinklerTablesShowTheirTextsWhole) {
  const struct {
    const char* type;
    const char* sub;
  } cases[] = {{"BEAM/STRIP", "BEAM"}, {"PLATE", "PLATE"}, {"TANK", "BASE PLATE"}};
  for (const auto& c : cases) {
    Geometry(c.type, c.sub, 10, 8, 4);
    std::vector<std::string> faults;
    auto run = RunScript({WhenDialog(JobCaption(),
                                     [&](HWND t) {
                                       faults = wintest::LayoutFaults(t);
                                       wintest::PostClick(t, kContinueId);
                                     })},
                         [] { ShowTableWindow(nullptr, SupportTableDialog("WINKLER")); });
    ASSERT_TRUE(run.finished) << c.sub;
    std::string all;
    for (const std::string& f : faults) all += f + "\n";
    EXPECT_TRUE(faults.empty()) << c.sub << ":\n" << all;
  }
}

}  // namespace
}  // namespace corvane
