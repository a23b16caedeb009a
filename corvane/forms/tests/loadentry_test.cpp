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
#include "corvane/core/globals.h"
#include "corvane/core/supportfile.h"
#include "corvane/forms/forms.h"
#include "win/grid.h"
#include "win/testing/wintest.h"

namespace corvane {
namespace {

using wintest::RunScript;
using wintest::Step;
using wintest::WhenDialog;

const char* const kRuleBox = "Incorrect LOAD Data!\r\n\r\n        Correct the Data!         ";
constexpr int kTableCancel = 12121;  // a table window's "&CANCEL"
const char* const kForm = " LOAD DATA GENERATION - Load Case: A";

// A job on file of the type with nb, nw and nr elements (lengths adding up, wall 8 m high), case
// "A", the entry's hooks installed.
void Job(const char* type, const char* sub, int nb, int nw = 0, int nr = 0, const char* shell = "N") {
  testing::SetJobGeometry(type, sub, nb, nw, nr, 0, 0);
  GeometryAnswers[4] = shell;
  if (std::string(type) == "BEAM/STRIP") GeometryAnswers[1] = std::string(sub) == "STRIP" ? "Y" : "N";
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
HWND Cell(int pageRow, int column) { return GetDlgItem(TablePage(), 3000 + (pageRow - 1) * TableColumns + column); }
std::string CellText(int pageRow, int column) {
  char text[64] = {0};
  GetWindowTextA(Cell(pageRow, column), text, sizeof text);
  return text;
}

Step Form(const std::vector<std::string>& texts, int first = 241) {
  return WhenDialog(kForm, [texts, first](HWND d) {
    for (size_t i = 0; i < texts.size(); ++i) wintest::SetText(d, first + static_cast<int>(i), texts[i]);
    wintest::PostClick(d, 55);
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
  std::vector<Step> steps = {
      Choice([&](HWND d) {
        title = wintest::GetText(d, 120);
        options = Texts(d, 201, 208);
        enter = wintest::GetText(d, 131);
        close = wintest::GetText(d, 2);
        focus = GetDlgCtrlID(GetFocus());
        RECT client;
        GetClientRect(d, &client);
        RECT unit = {0, 0, 4, 8};
        MapDialogRect(d, &unit);
        height = static_cast<int>(std::lround(client.bottom * 8.0 / unit.bottom));
        expected = static_cast<int>(std::lround((4 + 11.4) * HIWORD(GetDialogBaseUnits()) * 8.0 / unit.bottom));
        wintest::PostClick(d, 131);
      }),
      Form({"-2.5", "-1"}, 243),
      Warned(warnings),
      Form({"-2.5", "2500"}, 243),
      Choice([&](HWND d) {
        seen.push_back(CheckedOption(d));
        wintest::PostClick(d, 131);
      }),
      Table(" NODAL LOAD DATA. Load Case: A", [&](HWND d) {
        nodalTitle = wintest::GetText(d, 120);
        headings = Texts(d, 109, 116);
        wintest::SetText(TablePage(), GetDlgCtrlID(Cell(2, 1)), "10");
        wintest::PostClick(d, 9876);
      }),
      Choice([&](HWND d) {
        seen.push_back(CheckedOption(d));
        wintest::PostClick(d, 131);
      }),
      Table(" TRAPEZOIDAL LOAD DATA. Load Case: A", [&](HWND d) {
        trapTitle = wintest::GetText(d, 121);
        wintest::PostClick(d, 9876);
      }),
      Choice([&](HWND d) {
        seen.push_back(CheckedOption(d));
        wintest::PostClick(d, 131);
      }),
      Table("TEMPERATURE LOAD (Change): A", [&](HWND d) {
        tempTitle = wintest::GetText(d, 121);
        wintest::PostClick(d, kTableCancel);
      }),
      Choice([&](HWND d) {
        checkedAfterLast = CheckedOption(d);
        wintest::PostClick(d, 2);
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
  EXPECT_EQ(focus, 201);
  EXPECT_NEAR(height, expected, 1);
  EXPECT_EQ(warnings, std::vector<std::string>{kRuleBox});
  EXPECT_EQ(seen, (std::vector<std::string>{"202", "203", "204"}));
  EXPECT_EQ(checkedAfterLast, "201");
  EXPECT_EQ(nodalTitle, " NODAL LOAD DATA. Load Case: A");
  EXPECT_EQ(headings, (std::vector<std::string>{"Node", "Nodal Loads", "i", "Pvi [kN] ", "Mi [kN.m] "}));
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
      Choice([](HWND d) { wintest::PressKey(GetDlgItem(d, 201), VK_RETURN); }),
      WhenDialog(kForm, [&](HWND d) {
        heading = wintest::GetText(d, 130);
        wintest::PostClick(d, 56);
      }),
      Choice([&](HWND d) {
        next = CheckedOption(d);
        wintest::PostClick(d, 2);
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
        CheckRadioButton(d, 201, 204, 202);
        wintest::PostClick(d, 131);
      }),
      Table(" NODAL LOAD DATA. Load Case: A", [](HWND d) { wintest::PostClick(d, 122); }),
      WhenDialog(kForm, [&](HWND d) {
        defaults = Texts(d, 241, 244);
        wintest::SetText(d, 241, "3");
        wintest::SetText(d, 242, "3");
        wintest::PostClick(d, 55);
      }),
      Warned(warnings),
      generate({"1", "5", "5", "7"}),
      Warned(warnings),
      generate({"1", "5", "4", "7"}),
      Table(" NODAL LOAD DATA. Load Case: A", [&](HWND d) {
        for (int r = 1; r <= 5; ++r) after.push_back(CellText(r, 1));
        wintest::PostClick(d, 9876);
      }),
      Choice([](HWND d) { wintest::PostClick(d, 131); }),  // the trapezoidal table
      Table(" TRAPEZOIDAL LOAD DATA. Load Case: A", [&](HWND d) {
        for (int r = 1; r <= 4; ++r) before.push_back(CellText(r, 1));
        wintest::PostClick(d, 121);
      }),
      generate({"0", "3", "1", "2"}),
      Warned(warnings),
      generate({"3", "3", "1", "2"}),
      Table(" TRAPEZOIDAL LOAD DATA. Load Case: A", [&](HWND d) {
        for (int r = 1; r <= 4; ++r) before.push_back(CellText(r, 1));
        wintest::PostClick(d, kTableCancel);
      }),
      Choice([](HWND d) { wintest::PostClick(d, 2); }),
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
  SupportFlags[2] = "Y";
  UnyieldingNodes = "1";
  ASSERT_TRUE(SaveSupportFile(1));
  UnyieldingNodes.clear();
  std::string pvi, mi;
  bool pviEnabled = true, miEnabled = false;
  std::vector<Step> steps = {
      Choice([](HWND d) {
        CheckRadioButton(d, 201, 204, 202);
        wintest::PostClick(d, 131);
      }),
      Table(" NODAL LOAD DATA. Load Case: A", [&](HWND d) {
        pvi = CellText(1, 1);
        mi = CellText(1, 2);
        pviEnabled = IsWindowEnabled(Cell(1, 1));
        miEnabled = IsWindowEnabled(Cell(1, 2));
        wintest::PostClick(d, kTableCancel);
      }),
      Choice([](HWND d) { wintest::PostClick(d, 2); }),
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
                                  wintest::PostClick(d, 56);
                                })},
                    [] { LoadDataDialogs(nullptr, 4); });
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(shown, c.shown) << c.sub;
    EXPECT_FALSE(ninth) << c.sub;
  }
}

}  // namespace
}  // namespace corvane
