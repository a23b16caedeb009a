// The load entry under Wine: the load type choice of each structure, the forms and tables of the
// load kinds, and the load file that every visit rewrites.
#include <gtest/gtest.h>
#include <windows.h>

#include <cmath>
#include <string>
#include <vector>

#include "../../../common/tests/testdir.h"
#include "../../core/tests/testsupport.h"
#include "core/globals.h"
#include "core/textfiles.h"
#include "corvane/core/geometryfile.h"
#include "corvane/core/loadfile.h"
#include "corvane/core/globals.h"
#include "corvane/core/slots.h"
#include "corvane/core/supportfile.h"
#include "corvane/entry/entry.h"
#include "corvane/entry/ids.h"
#include "win/grid.h"
#include "win/ids.h"
#include "win/loadtype.h"
#include "win/testing/wintest.h"

namespace corvane {
namespace {

using wintest::RunScript;
using wintest::Step;
using wintest::WhenDialog;

const char* const kRuleBox = "Incorrect LOAD Data!\r\n\r\n        Correct the Data!         ";
constexpr int kTableCancel = kTableCancelId;  // a table window's "&CANCEL"
const char* const kForm = " LOAD DATA GENERATION - Load Case: A";

// A job on file of the type with nb, nw and nr elements (lengths adding up, wall 8 m high), case
// "A", the entry's hooks installed.
void Job(const char* type, const char* sub, int nb, int nw = 0, int nr = 0, const char* shell = "N") {
  testing::SetJobGeometry(type, sub, nb, nw, nr, 0, 0);
  GeometryAnswers[kShellRoofSlot] = shell;
  if (std::string(type) == "BEAM/STRIP") GeometryAnswers[kStripSlot] = std::string(sub) == "STRIP" ? "Y" : "N";
  JobDataTable(2, 3) = 8;
  for (int s = 1; s <= 3; ++s) {
    WorkTables[s].Redim(0, 0);
    for (int r = 1; r <= ElementCount(s); ++r) {
      WorkTables[s](r, 1) = static_cast<float>(6.0 / ElementCount(s));
      WorkTables[s](r, 2) = 0.5f;
      WorkTables[s](r, 3) = 0.25f;
    }
  }
  JobSpec = "J";
  ASSERT_TRUE(SaveGeometryFile(JobSpec));
  LoadCaseName = "A";
  LoadTable.Redim(12, 4);
  UnyieldingNodes.clear();
  UseCorvaneGrid();
  UseGeometryEntry();
  UseLoadEntry();
}

std::string Caption() { return "   " + StructureType + " ANALYSIS.   JOB: J     Load Case: A"; }

std::string CheckedOption(HWND d) {
  for (int id = 201; id <= 208; ++id)
    if (GetDlgItem(d, id) && IsDlgButtonChecked(d, id) == BST_CHECKED) return std::to_string(id);
  return "";
}

std::vector<std::string> Texts(HWND d, int first, int last) {
  std::vector<std::string> out;
  for (int id = first; id <= last; ++id)
    if (GetDlgItem(d, id)) out.push_back(wintest::GetText(d, id));
  return out;
}

// A table window of that caption once its page is built.
Step Table(const std::string& caption, std::function<void(HWND)> act) {
  return [caption, act]() {
    HWND d = wintest::FindDialog(caption);
    if (!d || !TablePage() || !TableContainer() || GetParent(TableContainer()) != d) return false;
    act(d);
    return true;
  };
}
HWND Cell(int pageRow, int column) { return GetDlgItem(TablePage(), TableCellId(pageRow, column)); }
std::string CellText(int pageRow, int column) {
  char text[64] = {0};
  GetWindowTextA(Cell(pageRow, column), text, sizeof text);
  return text;
}

Step Form(const std::vector<std::string>& texts, int first = 241) {
  return WhenDialog(kForm, [texts, first](HWND d) {
    for (size_t i = 0; i < texts.size(); ++i) wintest::SetText(d, first + static_cast<int>(i), texts[i]);
    wintest::PostClick(d, kOkId);
  });
}
Step Warned(std::vector<std::string>& texts) {
  return WhenDialog("WARNING!", [&texts](HWND box) {
    texts.push_back(wintest::BoxText(box));
    wintest::AnswerBox(box, IDOK);
  });
}
Step Choice(std::function<void(HWND)> act) { return WhenDialog(Caption(), act); }

TEST(LoadTypeChoice, ABeamsFourKindsInTurnAndTheFileWritten) {
  TestDirectory dir;
  Job("BEAM/STRIP", "BEAM", 4);
  std::string title, enter, close, checkedAfterLast;
  std::vector<std::string> options, seen, warnings, headings;
  int focus = 0, height = 0, expected = 0;
  std::string nodalTitle, trapTitle, tempTitle;
  std::vector<std::string> nodalButtons;
  std::vector<Step> steps = {
      Choice([&](HWND d) {
        title = wintest::GetText(d, kHeadingId);
        options = Texts(d, kFirstOptionId, kLastLoadOptionId);
        enter = wintest::GetText(d, kLoadTypeEnterButton);
        close = wintest::GetText(d, kCancelId);
        focus = GetDlgCtrlID(GetFocus());
        RECT client;
        GetClientRect(d, &client);
        RECT unit = {0, 0, 4, 8};
        MapDialogRect(d, &unit);
        height = static_cast<int>(std::lround(client.bottom * 8.0 / unit.bottom));
        expected = static_cast<int>(std::lround((4 + 11.4) * HIWORD(GetDialogBaseUnits()) * 8.0 / unit.bottom));
        wintest::PostClick(d, kLoadTypeEnterButton);
      }),
      Form({"-2.5", "-1"}, 243),
      Warned(warnings),
      Form({"-2.5", "2500"}, 243),
      Choice([&](HWND d) {
        seen.push_back(CheckedOption(d));
        wintest::PostClick(d, kLoadTypeEnterButton);
      }),
      Table(" NODAL LOAD DATA. Load Case: A", [&](HWND d) {
        nodalTitle = wintest::GetText(d, kHeadingId);
        headings = Texts(d, kFirstTableHeadingId, kLastTableHeadingId);
        nodalButtons = Texts(d, kFirstButtonId, kGenerateButtonId);
        wintest::SetText(TablePage(), GetDlgCtrlID(Cell(2, 1)), "10");
        wintest::PostClick(d, kContinueId);
      }),
      Choice([&](HWND d) {
        seen.push_back(CheckedOption(d));
        wintest::PostClick(d, kLoadTypeEnterButton);
      }),
      Table(" TRAPEZOIDAL LOAD DATA. Load Case: A", [&](HWND d) {
        trapTitle = wintest::GetText(d, kFirstButtonId);
        wintest::PostClick(d, kContinueId);
      }),
      Choice([&](HWND d) {
        seen.push_back(CheckedOption(d));
        wintest::PostClick(d, kLoadTypeEnterButton);
      }),
      Table("TEMPERATURE LOAD (Change): A", [&](HWND d) {
        tempTitle = wintest::GetText(d, kFirstButtonId);
        wintest::PostClick(d, kTableCancel);
      }),
      Choice([&](HWND d) {
        checkedAfterLast = CheckedOption(d);
        wintest::PostClick(d, kCancelId);
      }),
  };
  bool written = false;
  auto run = RunScript(steps, [&] { written = EditLoadData(nullptr); }, 30000);
  ASSERT_TRUE(run.finished) << run.stepsDone;
  EXPECT_EQ(title, "SELECTION OF LOAD TYPE");
  EXPECT_EQ(options, (std::vector<std::string>{"&Uniform Load and Self-Weight", "&Nodal Load", "Trapezoidal &Load",
                                               "&Temperature Change"}));
  EXPECT_EQ(enter, "&ENTER / EDIT Load Data");
  EXPECT_EQ(close, "&CLOSE");
  EXPECT_EQ(focus, kFirstOptionId);
  EXPECT_NEAR(height, expected, 1);
  EXPECT_EQ(warnings, std::vector<std::string>{kRuleBox});
  EXPECT_EQ(seen, (std::vector<std::string>{"202", "203", "204"}));
  EXPECT_EQ(checkedAfterLast, "201");
  EXPECT_EQ(nodalTitle, " NODAL LOAD DATA. Load Case: A");
  EXPECT_EQ(headings, (std::vector<std::string>{"Node", "Nodal Loads", "i", "Pvi [kN] ", "Mi [kN.m] "}));
  EXPECT_EQ(nodalButtons, (std::vector<std::string>{"&INPUT SAME LOADS AT ALL NODES", "&GENERATE"}));
  EXPECT_EQ(trapTitle, "&SET LINEAR LOAD BETWEEN NODES 'i-m'");
  EXPECT_EQ(tempTitle, "&SET UNIFORM TEMPERATURE CHANGES");
  EXPECT_TRUE(written);
  int n = 0;
  TextLineArray lines;
  LoadTextLines("J.LDA", lines, 10000, n);
  ASSERT_GT(n, 4);
  EXPECT_EQ(lines[1], "Job: J // LOADS (A)");
  std::string all;
  for (int i = 1; i <= n; ++i) all += lines[i] + "\n";
  EXPECT_NE(all.find("Uniform Load [kN/m]: -2.5\n"), std::string::npos) << all;
  EXPECT_NE(all.find("Self Weight (Mass Density) [kg/m^3]: 2500.0\n"), std::string::npos) << all;
  EXPECT_NE(all.find("    2               10.0000"), std::string::npos) << all;
}

TEST(LoadTypeChoice, EnterOnAnOptionPressesEnterEditLoadData) {
  TestDirectory dir;
  Job("BEAM/STRIP", "STRIP", 4);
  std::string heading, next;
  std::vector<Step> steps = {
      Choice([](HWND d) { wintest::PressKey(GetDlgItem(d, kFirstOptionId), VK_RETURN); }),
      WhenDialog(kForm, [&](HWND d) {
        heading = wintest::GetText(d, kLoadHeadingBaseId);
        wintest::PostClick(d, kFormCancelId);
      }),
      Choice([&](HWND d) {
        next = CheckedOption(d);
        wintest::PostClick(d, kCancelId);
      }),
  };
  auto run = RunScript(steps, [] { EditLoadData(nullptr); }, 20000);
  ASSERT_TRUE(run.finished) << run.stepsDone;
  EXPECT_EQ(heading, " UNIFORM LOAD AND MATERIAL'S MASS DENSITY");
  EXPECT_EQ(next, "202");
}

TEST(LoadTables, NodalGenerationAndLinearLoadRanges) {
  TestDirectory dir;
  Job("BEAM/STRIP", "BEAM", 4);
  std::vector<std::string> defaults, warnings, before, after;
  auto generate = [](const std::vector<std::string>& texts) { return Form(texts); };
  std::vector<Step> steps = {
      Choice([](HWND d) {
        CheckRadioButton(d, kFirstOptionId, kFirstOptionId + 3, kFirstOptionId + 1);
        wintest::PostClick(d, kLoadTypeEnterButton);
      }),
      Table(" NODAL LOAD DATA. Load Case: A", [](HWND d) { wintest::PostClick(d, kGenerateButtonId); }),
      WhenDialog(kForm, [&](HWND d) {
        defaults = Texts(d, kFirstFormFieldId, kFirstFormFieldId + 3);
        wintest::SetText(d, kFirstFormFieldId, "3");
        wintest::SetText(d, kFirstFormFieldId + 1, "3");
        wintest::PostClick(d, kOkId);
      }),
      Warned(warnings),
      generate({"1", "5", "5", "7"}),
      Warned(warnings),
      generate({"1", "5", "4", "7"}),
      Table(" NODAL LOAD DATA. Load Case: A", [&](HWND d) {
        for (int r = 1; r <= 5; ++r) after.push_back(CellText(r, 1));
        wintest::PostClick(d, kContinueId);
      }),
      Choice([](HWND d) { wintest::PostClick(d, kLoadTypeEnterButton); }),  // the trapezoidal table
      Table(" TRAPEZOIDAL LOAD DATA. Load Case: A", [&](HWND d) {
        for (int r = 1; r <= 4; ++r) before.push_back(CellText(r, 1));
        wintest::PostClick(d, kFirstButtonId);
      }),
      generate({"0", "3", "1", "2"}),
      Warned(warnings),
      generate({"3", "3", "1", "2"}),
      Table(" TRAPEZOIDAL LOAD DATA. Load Case: A", [&](HWND d) {
        for (int r = 1; r <= 4; ++r) before.push_back(CellText(r, 1));
        wintest::PostClick(d, kTableCancel);
      }),
      Choice([](HWND d) { wintest::PostClick(d, kCancelId); }),
  };
  auto run = RunScript(steps, [] { EditLoadData(nullptr); }, 30000);
  ASSERT_TRUE(run.finished) << run.stepsDone;
  EXPECT_EQ(defaults, (std::vector<std::string>{"1", "5", "1", "0"}));
  EXPECT_EQ(warnings, (std::vector<std::string>{kRuleBox, kRuleBox, kRuleBox}));
  EXPECT_EQ(after, (std::vector<std::string>{"7", "0", "0", "0", "7"}));
  EXPECT_EQ(before, (std::vector<std::string>{"0", "0", "0", "0", "0", "0", "0", "0"}));
}

TEST(LoadTables, AnUnyieldingNodeLocksItsVerticalLoad) {
  TestDirectory dir;
  Job("BEAM/STRIP", "BEAM", 4);
  ClearSupportFlags(1);
  SupportFlags[kUnyieldingSlot] = "Y";
  UnyieldingNodes = "1";
  ASSERT_TRUE(SaveSupportFile(1));
  UnyieldingNodes.clear();
  std::string pvi, mi;
  bool pviEnabled = true, miEnabled = false;
  std::vector<Step> steps = {
      Choice([](HWND d) {
        CheckRadioButton(d, kFirstOptionId, kFirstOptionId + 3, kFirstOptionId + 1);
        wintest::PostClick(d, kLoadTypeEnterButton);
      }),
      Table(" NODAL LOAD DATA. Load Case: A", [&](HWND d) {
        pvi = CellText(1, 1);
        mi = CellText(1, 2);
        pviEnabled = IsWindowEnabled(Cell(1, 1));
        miEnabled = IsWindowEnabled(Cell(1, 2));
        wintest::PostClick(d, kTableCancel);
      }),
      Choice([](HWND d) { wintest::PostClick(d, kCancelId); }),
  };
  auto run = RunScript(steps, [] { EditLoadData(nullptr); }, 20000);
  ASSERT_TRUE(run.finished) << run.stepsDone;
  EXPECT_EQ(pvi, "");
  EXPECT_FALSE(pviEnabled);
  EXPECT_EQ(mi, "0");
  EXPECT_TRUE(miEnabled);
}

TEST(LoadForms, ThermalFormsOfAPlateAndAWallStoreAndShowTheirValues) {
  const struct {
    const char* type;
    const char* sub;
    std::vector<std::string> typed, shown;
    std::vector<std::pair<int, int>> items;
  } cases[] = {
      {"PLATE", "PLATE", {"15.12345", "-5", "0.00012346", "-2E-4"}, {"15.123", "-5.000", "1.235E-4", "-2.000E-4"},
       {{9, 1}, {9, 2}, {6, 1}, {6, 2}}},
      {"TANK", "WALL", {"1", "2", "3", "4", "1E-4", "2E-4", "3E-4", "4E-4"},
       {"1.000", "2.000", "3.000", "4.000", "1.000E-4", "2.000E-4", "3.000E-4", "4.000E-4"},
       {{10, 1}, {10, 2}, {10, 3}, {10, 4}, {7, 1}, {7, 2}, {7, 3}, {7, 4}}},
  };
  for (const auto& c : cases) {
    TestDirectory dir;
    Job(c.type, c.sub, 3, 2, 0);
    int first = c.typed.size() == 8 ? 237 : 241;
    std::vector<std::string> shown;
    bool ninth = true;
    auto run = RunScript({Form(c.typed, first)}, [] { LoadDataDialogs(nullptr, 4); });
    ASSERT_TRUE(run.finished) << c.sub;
    for (size_t i = 0; i < c.items.size(); ++i)
      EXPECT_FLOAT_EQ(LoadTable(c.items[i].first, c.items[i].second), std::stof(c.shown[i])) << c.sub << i;
    run = RunScript({WhenDialog(kForm,
                                [&](HWND d) {
                                  shown = Texts(d, first, first + 7);
                                  ninth = GetDlgItem(d, first + static_cast<int>(c.typed.size())) != nullptr;
                                  wintest::PostClick(d, kFormCancelId);
                                })},
                    [] { LoadDataDialogs(nullptr, 4); });
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(shown, c.shown) << c.sub;
    EXPECT_FALSE(ninth) << c.sub;
  }
}

// The tank's substructure choice that the load command opens: "TANK ANALYSIS.   JOB: J".
std::string TankCaption() { return "   TANK ANALYSIS.   JOB: J"; }

// The file's lines, and the index of the first line equal to text from line `from` on (0 when none).
std::vector<std::string> LoadFileLines() {
  int n = 0;
  TextLineArray lines;
  LoadTextLines("J.LDA", lines, 10000, n);
  return std::vector<std::string>(lines.begin() + 1, lines.begin() + 1 + n);
}
size_t LineAt(const std::vector<std::string>& lines, const std::string& text, size_t from = 0) {
  for (size_t i = from; i < lines.size(); ++i)
    if (lines[i] == text) return i + 1;
  return 0;
}

TEST(LoadTypeChoice, ATanksLoadCommandOffersTheRoofWhenItHasElements) {
  const struct {
    const char* name;
    int nr;
    double roofInner;
    int options;
  } cases[] = {
      {"closed roof", 2, 0, 3},
      {"ring of 0.005 m", 2, 5.995, 3},
      {"no roof", 0, 0, 2},
  };
  for (const auto& c : cases) {
    TestDirectory dir;
    Job("TANK", "BASE PLATE", 3, 2, c.nr);
    JobDataTable(3, 2) = c.roofInner;
    JobDataTable(3, 3) = 6;
    ASSERT_TRUE(SaveGeometryFile(JobSpec));
    int options = 0;
    std::string action;
    auto run = RunScript({WhenDialog(TankCaption(),
                                     [&](HWND d) {
                                       for (int id = 201; id <= 203; ++id) options += GetDlgItem(d, id) ? 1 : 0;
                                       action = wintest::GetText(d, kTankLoadActionId);
                                       wintest::PostClick(d, kCancelId);
                                     })},
                         [] { EditLoadData(nullptr); }, 20000);
    ASSERT_TRUE(run.finished) << c.name;
    EXPECT_EQ(options, c.options) << c.name;
    EXPECT_EQ(action, "&ENTER / EDIT Load / Temperature / Shrinkage Data") << c.name;
  }
}

TEST(LoadTypeChoice, ATankWallsFiveKindsAndItsHydrostaticLoadWithinTheWallHeight) {
  TestDirectory dir;
  Job("TANK", "BASE PLATE", 3, 2, 0);  // the wall 8 m high
  std::string title, heading, afterHydrostatic, afterWall;
  std::vector<std::string> options, warnings;
  std::vector<Step> steps = {
      WhenDialog(TankCaption(),
                 [](HWND d) {
                   CheckRadioButton(d, kFirstOptionId, kFirstOptionId + 1, kFirstOptionId + 1);
                   wintest::PostClick(d, kTankLoadActionId);
                 }),
      Choice([&](HWND d) {
        title = wintest::GetText(d, kHeadingId);
        options = Texts(d, kFirstOptionId, kLastLoadOptionId);
        CheckRadioButton(d, kFirstOptionId, kFirstOptionId + 4, kFirstOptionId + 3);
        wintest::PostClick(d, kLoadTypeEnterButton);
      }),
      WhenDialog(kForm,
                 [&](HWND d) {
                   heading = wintest::GetText(d, kLoadHeadingBaseId);
                   wintest::SetText(d, kFirstFormFieldId, "1000");
                   wintest::SetText(d, kFirstFormFieldId + 1, "8.001");
                   wintest::PostClick(d, kOkId);
                 }),
      Warned(warnings),
      Form({"1000", "-0.5"}),
      Warned(warnings),
      Form({"1000", "8"}),
      Choice([&](HWND d) {
        afterHydrostatic = CheckedOption(d);
        CheckRadioButton(d, kFirstOptionId, kFirstOptionId + 4, kFirstOptionId + 3);
        wintest::PostClick(d, kLoadTypeEnterButton);
      }),
      Form({"1000", "7.5"}),
      Choice([](HWND d) { wintest::PostClick(d, kCancelId); }),
      WhenDialog(TankCaption(),
                 [&](HWND d) {
                   afterWall = CheckedOption(d);
                   wintest::PostClick(d, kCancelId);
                 }),
  };
  bool written = false;
  auto run = RunScript(steps, [&] { written = EditLoadData(nullptr); }, 30000);
  ASSERT_TRUE(run.finished) << run.stepsDone;
  EXPECT_EQ(title, "WALL: SELECTION OF LOAD TYPE");
  EXPECT_EQ(options, (std::vector<std::string>{"&Uniform Load and Self-Weight", "&Nodal Line Load", "Trapezoidal &Load",
                                               "&Hydrostatic Load", "&Thermal and Shrinkage/Swelling Effects"}));
  EXPECT_EQ(heading, " HYDROSTATIC LOAD:");
  EXPECT_EQ(warnings, (std::vector<std::string>{kRuleBox, kRuleBox}));
  EXPECT_EQ(afterHydrostatic, "205");
  EXPECT_EQ(afterWall, "201");  // no roof: the base plate follows the wall
  ASSERT_TRUE(written);
  const std::vector<std::string> lines = LoadFileLines();
  for (const char* part : {"BASE PLATE LOAD DATA:", "WALL LOAD DATA:"}) {
    size_t at = LineAt(lines, part);
    ASSERT_GT(at, 0u) << part;
    size_t hydrostatic = LineAt(lines, "HYDROSTATIC LOADING:", at);
    ASSERT_GT(hydrostatic, 0u) << part;
    ASSERT_LT(hydrostatic + 1, lines.size());
    EXPECT_EQ(lines[hydrostatic], "  Liquid Density [kg/m^3]: 1000.0") << part;
    EXPECT_EQ(lines[hydrostatic + 1], "  Depth of Liquid [m]: 7.5") << part;
  }
}

// A shell roof's eight options; each of the five kinds across the element opens its own table, and
// its OK stores the cells into that kind's table, which the file keeps.
TEST(LoadTypeChoice, AShellRoofsEightKindsEachIntoItsOwnTable) {
  TestDirectory dir;
  Job("TANK", "BASE PLATE", 3, 2, 3, "Y");
  const std::string table = " ROOF STRUCTURE: TRAPEZOIDAL LOAD DATA. Load Case: A";
  std::string title, frame;
  std::vector<std::string> options, kinds, columns;
  std::vector<int> inFrame;
  std::vector<Step> steps = {
      WhenDialog(TankCaption(),
                 [](HWND d) {
                   CheckRadioButton(d, kFirstOptionId, kFirstOptionId + 2, kFirstOptionId + 2);
                   wintest::PostClick(d, kTankLoadActionId);
                 }),
      Choice([&](HWND d) {
        title = wintest::GetText(d, kHeadingId);
        options = Texts(d, kFirstOptionId, kLastLoadOptionId);
        frame = wintest::GetText(d, kRoofFrame);
        RECT f;
        GetWindowRect(GetDlgItem(d, kRoofFrame), &f);
        for (int id = 201; id <= 208; ++id) {
          RECT o;
          GetWindowRect(GetDlgItem(d, id), &o);
          if (o.top > f.top && o.bottom <= f.bottom && o.left >= f.left && o.right <= f.right) inFrame.push_back(id - 200);
        }
      }),
  };
  for (int k = 3; k <= 7; ++k) {
    steps.push_back(Choice([k](HWND d) {
      CheckRadioButton(d, kFirstOptionId, kLastLoadOptionId, kFirstOptionId - 1 + k);
      wintest::PostClick(d, kLoadTypeEnterButton);
    }));
    steps.push_back(Table(table, [&, k](HWND d) {
      kinds.push_back(AnswerAt(GeometryAnswers, kRoofLoadKindSlot));
      std::vector<std::string> h = Texts(d, kFirstTableHeadingId, kLastTableHeadingId);
      columns.push_back(h.size() >= 2 ? h[h.size() - 2] + "|" + h.back() : "");
      wintest::SetText(TablePage(), GetDlgCtrlID(Cell(1, 1)), std::to_string(k));
      wintest::SetText(TablePage(), GetDlgCtrlID(Cell(3, 2)), std::to_string(-k));
      wintest::PostClick(d, kContinueId);
    }));
  }
  steps.push_back(Choice([](HWND d) { wintest::PostClick(d, kCancelId); }));
  steps.push_back(WhenDialog(TankCaption(), [](HWND d) { wintest::PostClick(d, kCancelId); }));
  auto run = RunScript(steps, [] { EditLoadData(nullptr); }, 40000);
  ASSERT_TRUE(run.finished) << run.stepsDone;
  EXPECT_EQ(title, "ROOF STRUCTURE: SELECTION OF LOAD TYPE");
  EXPECT_EQ(options,
            (std::vector<std::string>{"&Self-Weight", "Nodal &Line Load", "&Vertical, related to Element Width",
                                      "Vertical, related to Element &Horiz. Projection",
                                      "Ho&rizontal, related to Element Vert. Projection",
                                      "&Normal, related to Element Width", "&Tangential, related to Element Width",
                                      "Ther&mal and Shrinkage/Swelling Effects"}));
  EXPECT_EQ(frame, "TRAPEZOIDAL LOADS ACROSS ELEMENT:");
  EXPECT_EQ(inFrame, (std::vector<int>{3, 4, 5, 6, 7}));
  EXPECT_EQ(kinds, (std::vector<std::string>{"3", "4", "5", "6", "7"}));
  EXPECT_EQ(columns, (std::vector<std::string>{"at i, qvi|at j, qvj", "at i, pvi|at j, pvj", "at i, phi|at j, phj",
                                               "at i, qni|at j, qnj", "at i, qti|at j, qtj"}));
  // Read back as the next visit reads the file.
  SizeLoadTables(3, 3, 2, 3);
  ReadLoadFile(3);
  for (int k = 3; k <= 7; ++k) {
    EXPECT_FLOAT_EQ(RoofLoadTables[k].Get(1, 1), static_cast<float>(k)) << k;
    EXPECT_FLOAT_EQ(RoofLoadTables[k].Get(3, 2), static_cast<float>(-k)) << k;
    EXPECT_FLOAT_EQ(RoofLoadTables[k].Get(2, 1), 0.0f) << k;
  }
}

// A flat roof has the four ordinary kinds; its trapezoidal table is the only roof table the file keeps.
TEST(LoadTypeChoice, AFlatRoofKeepsOnlyItsTrapezoidalTable) {
  TestDirectory dir;
  Job("TANK", "BASE PLATE", 3, 2, 3);
  std::vector<std::string> options;
  std::vector<Step> steps = {
      WhenDialog(TankCaption(),
                 [](HWND d) {
                   CheckRadioButton(d, kFirstOptionId, kFirstOptionId + 2, kFirstOptionId + 2);
                   wintest::PostClick(d, kTankLoadActionId);
                 }),
      Choice([&](HWND d) {
        options = Texts(d, kFirstOptionId, kLastLoadOptionId);
        CheckRadioButton(d, kFirstOptionId, kFirstOptionId + 3, kFirstOptionId + 2);
        wintest::PostClick(d, kLoadTypeEnterButton);
      }),
      Table(" ROOF STRUCTURE: TRAPEZOIDAL LOAD DATA. Load Case: A",
            [](HWND d) {
              wintest::SetText(TablePage(), GetDlgCtrlID(Cell(2, 1)), "4.5");
              wintest::PostClick(d, kContinueId);
            }),
      Choice([](HWND d) { wintest::PostClick(d, kCancelId); }),
      WhenDialog(TankCaption(), [](HWND d) { wintest::PostClick(d, kCancelId); }),
  };
  auto run = RunScript(steps, [] { EditLoadData(nullptr); }, 30000);
  ASSERT_TRUE(run.finished) << run.stepsDone;
  EXPECT_EQ(options, (std::vector<std::string>{"&Uniform Load and Self-Weight", "&Nodal Line Load", "Trapezoidal &Load",
                                               "&Thermal and Shrinkage/Swelling Effects"}));
  const std::vector<std::string> lines = LoadFileLines();
  size_t roof = LineAt(lines, "ROOF LOAD DATA:");
  ASSERT_GT(roof, 0u);
  size_t trapezoidal = LineAt(lines, "TRAPEZOIDAL LOADING:", roof);
  ASSERT_GT(trapezoidal, 0u);
  EXPECT_EQ(LineAt(lines, "LOADS VARYING LINEARLY ACROSS ELEMENT:"), 0u);
  bool row = false;
  for (size_t i = trapezoidal; i < lines.size(); ++i) row = row || lines[i].find("    2 ") == 0;
  EXPECT_TRUE(row);
  SizeLoadTables(3, 3, 2, 3);
  ReadLoadFile(3);
  EXPECT_FLOAT_EQ(RoofLoadTables[3].Get(2, 1), 4.5f);
}

}  // namespace
}  // namespace corvane
