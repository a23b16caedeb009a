// The load entry windows under Wine: each load table's heading, buttons and column heads, its
// locked cells, its value dialogs (linear load between nodes, GENERATE on the focused column,
// the same values everywhere), the uniform load rounding, and a whole loads command through the
// windows that writes a load file which reads back; the structure view beside every table window.
#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>

#include "../../../common/tests/testdir.h"
#include "core/fieldcheck.h"
#include "core/globals.h"
#include "core/textfiles.h"
#include "gfx/gfx.h"
#include "trabix/core/checks.h"
#include "trabix/core/dataentry.h"
#include "trabix/core/globals.h"
#include "trabix/core/slots.h"
#include "trabix/core/jobfiles.h"
#include "trabix/core/loadedit.h"
#include "trabix/entry/entry.h"
#include "trabix/entry/ids.h"
#include "trabix/views/views.h"
#include "win/grid.h"
#include "win/messages.h"
#include "win/testing/keys.h"
#include "win/testing/wintest.h"
#include "entrytest.h"
#include "win/ids.h"

namespace trabix {
namespace {

using wintest::RunScript;
using wintest::WhenDialog;

const char* const kValueCaption = " LOAD DATA GENERATION - Load Case: A";
const char* const kNodal = "NODAL LOAD DATA. Load Case: A";
const char* const kTrapezoidal = "TRAPEZOIDAL LOAD DATA. Load Case: A";
const char* const kTemperature = "TEMPERATURE LOAD (Change): ";

std::string Cell(int id) { return wintest::GetText(TablePage(), id); }
bool CellEnabled(int id) { return IsWindowEnabled(GetDlgItem(TablePage(), id)) != FALSE; }
void FocusCell(int id) { SetFocus(GetDlgItem(TablePage(), id)); }

class LoadEntry : public ::testing::Test {
 protected:
  void SetUp() override {
    ProgramMessages = DialogOwnedMessages(&DialogAnswer);
    JobSpec = "JOB";
    LoadCaseName = "A";
    // A beam of 4 elements of 2.5 m, unyielding at node 1 with its left edge fixed.
    entrytest::SaveBeam();
    SupportFlags[kLeftEdgeFixedSlot] = SupportFlags[kUnyieldingSlot] = "Y";
    UnyieldingNodes = "1";
    EXPECT_TRUE(SaveSupportFile("JOB"));
  }
  // The job read as the loads command reads it, with no loads.
  static void ReadJob() {
    ASSERT_EQ(LoadSupportFile(), 1);
    int nodal = 0, trapezoidal = 0, temperature = 0;
    ReadLoadData(TextLines, 0, nodal, trapezoidal, temperature);
  }
  TestDirectory dir_;
};

// The texts a load table window shows: caption, heading, buttons and the column heads.
std::string Texts(HWND t) {
  std::string s = wintest::GetText(t, kTableTitleId);
  for (int id : {kFirstButtonId, kGenerateButtonId, kGroupHeadId, kRowHeadId, kRowUnitId, kColumnHeadBaseId + 1,
                 kColumnHeadBaseId + 2})
    s += "|" + wintest::GetText(t, id);
  return s;
}

TEST_F(LoadEntry, TableWindowsShowTheirTexts) {
  struct Case {
    int kind;
    const char* caption;
    std::string texts;
    int rows;
  };
  const Case cases[] = {
      {2, kNodal,
       "NODAL LOAD DATA. Load Case: A|&INPUT SAME LOADS AT ALL NODES|&GENERATE|Nodal Loads|Node|i|Pvi [kN] |Mi [kN.m] ",
       5},
      {3, kTrapezoidal,
       "TRAPEZOIDAL LOAD DATA. Load Case: A|&SET LINEAR LOAD BETWEEN NODES 'i-m'|&GENERATE| Trapezoidal Load  [kN/m]|"
       "Element i|Nodes i-j|at i, qi|at j, qj",
       4},
      {4, kTemperature,
       "TEMPERATURE LOAD (Change): |&SET UNIFORM TEMPERATURE CHANGES|&GENERATE|Temperature Change [Celsius]|Element i|"
       "Nodes i-j|Above Element|Below Element",
       4},
  };
  for (const Case& c : cases) {
    ReadJob();
    std::string texts, first;
    int rows = 0;
    bool ok = RunScript({WhenDialog(c.caption,
                                    [&](HWND t) {
                                      texts = Texts(t);
                                      rows = TableRows;
                                      first = Cell(kFirstRowLabelId + 1) + " " + Cell(kFirstCellId + 3) +
                                              " " + Cell(kFirstCellId + 4);
                                      wintest::Click(t, kTableCancelId);
                                    })},
                        [&] { LoadDataDialogs(nullptr, c.kind); })
                  .finished;
    ASSERT_TRUE(ok) << c.kind;
    EXPECT_EQ(texts, c.texts);
    EXPECT_EQ(rows, c.rows);
    EXPECT_EQ(first, c.kind == 4 ? "1 0.00 0.00" : "1 0 0");  // temperatures through ###0.00##
  }
}

// A strip's loads are per metre of its length: the units of every load label say so.
TEST_F(LoadEntry, StripLoadsArePerMetre) {
  entrytest::SaveGeometryHeader(true);
  ReadJob();
  std::vector<std::string> seen;
  auto heads = [&](const char* caption) {
    return WhenDialog(caption, [&seen](HWND t) {
      seen.push_back(wintest::GetText(t, kGroupHeadId) + "|" + wintest::GetText(t, kColumnHeadBaseId + 1) + "|" +
                     wintest::GetText(t, kColumnHeadBaseId + 2));
      wintest::Click(t, kTableCancelId);
    });
  };
  auto uniform = WhenDialog(kValueCaption, [&seen](HWND d) {
    seen.push_back(wintest::GetText(d, kLoadGenerationLabelBaseId + 1));
    wintest::Click(d, kFormCancelId);
  });
  bool ok = RunScript({heads(kNodal), heads(kTrapezoidal), uniform}, [] {
              LoadDataDialogs(nullptr, 2);
              LoadDataDialogs(nullptr, 3);
              LoadDataDialogs(nullptr, 1);
            }).finished;
  ASSERT_TRUE(ok);
  EXPECT_EQ(seen, (std::vector<std::string>{"Nodal Loads|Pvi [kN/m] |Mi [kN.m/m] ",
                                            " Trapezoidal Load  [kPa]|at i, qi|at j, qj",
                                            " Uniform Load Intensity [kPa] ="}));
}

TEST_F(LoadEntry, FixedUnyieldingNodeOneLeavesBothCellsEmptyAndDisabled) {
  ReadJob();
  NodalLoadTable(1, 1) = 5;  // a stale load on the supported node
  NodalLoadTable(1, 2) = 7;
  NodalLoadTable(2, 1) = 3;
  std::string cells;
  bool enabled[3] = {true, true, false};
  bool ok = RunScript({WhenDialog(kNodal,
                                  [&](HWND t) {
                                    cells = "[" + Cell(kFirstCellId + 1) + "][" + Cell(kFirstCellId + 2) +
                                            "][" + Cell(kFirstCellId + 3) + "]";
                                    enabled[0] = CellEnabled(kFirstCellId + 1);
                                    enabled[1] = CellEnabled(kFirstCellId + 2);
                                    enabled[2] = CellEnabled(kFirstCellId + 3);
                                    wintest::Click(t, kContinueId);
                                  })},
                      [&] { LoadDataDialogs(nullptr, 2); })
                .finished;
  ASSERT_TRUE(ok);
  EXPECT_EQ(cells, "[][][3]");
  EXPECT_FALSE(enabled[0]);
  EXPECT_FALSE(enabled[1]);
  EXPECT_TRUE(enabled[2]);
  EXPECT_EQ(NodalLoadTable.Get(1, 1), 0);
  EXPECT_EQ(NodalLoadTable.Get(1, 2), 0);
  EXPECT_EQ(NodalLoadTable.Get(2, 1), 3);
}

// Keys typed into the nodal load table: a load in exponent form is kept as typed and stored as
// its value; a decimal comma is refused with the warning tones, never dropped without a sign.
TEST_F(LoadEntry, KeysTypedIntoTheNodalTableAreKeptAsTyped) {
  ReadJob();
  wintest::TraceCapture trace;
  std::string force, moment;
  bool ok = RunScript({WhenDialog(kNodal,
                                  [&](HWND) {
                                    FocusCell(kFirstCellId + 3);  // node 2, force
                                    EXPECT_TRUE(wintest::TypeKeys(GetFocus(), "1.5e3"));
                                  }),
                       wintest::Do([&] {
                         FocusCell(kFirstCellId + 4);  // node 2, moment
                         EXPECT_TRUE(wintest::TypeKeys(GetFocus(), "-2,5"));
                       }),
                       WhenDialog(kNodal,
                                  [&](HWND t) {
                                    force = Cell(kFirstCellId + 3);
                                    moment = Cell(kFirstCellId + 4);
                                    wintest::Click(t, kContinueId);
                                  })},
                      [&] { LoadDataDialogs(nullptr, 2); })
                .finished;
  ASSERT_TRUE(ok);
  EXPECT_EQ(force, "1.5e3");
  EXPECT_EQ(moment, "-25");
  EXPECT_EQ(trace.Records("TONE").size(), 4u);  // the comma's
  EXPECT_EQ(NodalLoadTable.Get(2, 1), 1500);
}

TEST_F(LoadEntry, LinearLoadBetweenNodesFillsTheTrapezoidalRows) {
  ReadJob();
  std::string dialog;
  std::vector<std::string> cells;
  bool ok = RunScript({WhenDialog(kTrapezoidal, [](HWND t) { wintest::PostClick(t, kFirstButtonId); }),
                       WhenDialog(kValueCaption,
                                  [&](HWND d) {
                                    dialog = wintest::GetText(d, kLoadGenerationHeadingId) + "|" +
                                             wintest::GetText(d, kLoadGenerationLabelBaseId + 1) +
                                             wintest::GetText(d, kValueFieldId) + "|" +
                                             wintest::GetText(d, kLoadGenerationLabelBaseId + 2) +
                                             wintest::GetText(d, kValueFieldId + 1) + "|" +
                                             wintest::GetText(d, kLoadGenerationLabelBaseId + 3) + "|" +
                                             wintest::GetText(d, kLoadGenerationLabelBaseId + 4);
                                    wintest::SetText(d, kValueFieldId + 2, "10");
                                    wintest::SetText(d, kValueFieldId + 3, "20");
                                    wintest::Click(d, kOkId);
                                  }),
                       WhenDialog(kTrapezoidal,
                                  [&](HWND t) {
                                    cells = entrytest::PageCells(8);
                                    wintest::Click(t, kContinueId);
                                  })},
                      [&] { LoadDataDialogs(nullptr, 3); })
                .finished;
  ASSERT_TRUE(ok);
  EXPECT_EQ(dialog,
            " Intensity of TRAPEZOIDAL LOAD  [kN/m]:| Start Node No (i):1| End Node No (m):5| at Start Node i, qi=|"
            " at End Node m, qm=");
  // Element k from 10 + 10 (k - 1) / 4 to 10 + 10 k / 4.
  EXPECT_EQ(cells, (std::vector<std::string>{"10.000", "12.500", "12.500", "15.000", "15.000", "17.500", "17.500",
                                             "20.000"}));
  EXPECT_FLOAT_EQ(LoadTable.Get(4, 2), 20);
  EXPECT_FLOAT_EQ(LoadTable.Get(2, 1), 12.5);
}

// GENERATE opens the range dialog of the value column that last had the focus and fills that
// column only; the first button of the nodal table fills both columns of every free node.
TEST_F(LoadEntry, GenerateActsOnTheFocusedColumn) {
  ReadJob();
  std::vector<std::string> labels;
  std::string column1, column2;
  auto generate = [&](int cell) {
    return WhenDialog(kNodal, [cell](HWND t) {
      FocusCell(cell);
      wintest::PostClick(t, kGenerateButtonId);
    });
  };
  auto range = [&](const char* start, const char* end, const char* step, const char* value) {
    return WhenDialog(kValueCaption, [&labels, start, end, step, value](HWND d) {
      labels.push_back(wintest::GetText(d, kLoadGenerationHeadingId) + "|" + wintest::GetText(d, kLoadGenerationLabelBaseId + 4));
      wintest::SetText(d, kValueFieldId, start);
      wintest::SetText(d, kValueFieldId + 1, end);
      wintest::SetText(d, kValueFieldId + 2, step);
      wintest::SetText(d, kValueFieldId + 3, value);
      wintest::Click(d, kOkId);
    });
  };
  bool ok = RunScript({generate(kFirstCellId + 4), range("2", "4", "2", "7.5"), generate(kFirstCellId + 3),
                       range("3", "5", "1", "-2"),
                       WhenDialog(kNodal,
                                  [&](HWND t) {
                                    for (int r = 1; r <= 5; ++r) {
                                      column1 += "[" + Cell(kFirstCellId + 2 * r - 1) + "]";
                                      column2 += "[" + Cell(kFirstCellId + 2 * r) + "]";
                                    }
                                    wintest::PostClick(t, kFirstButtonId);
                                  }),
                       WhenDialog(kValueCaption,
                                  [&](HWND d) {
                                    labels.push_back(wintest::GetText(d, kLoadGenerationHeadingId) + "|" +
                                                     wintest::GetText(d, kLoadGenerationLabelBaseId + 1) +
                                                     wintest::GetText(d, kValueFieldId));
                                    wintest::SetText(d, kValueFieldId, "1");
                                    wintest::SetText(d, kValueFieldId + 1, "2");
                                    wintest::Click(d, kOkId);
                                  }),
                       WhenDialog(kNodal,
                                  [&](HWND t) {
                                    column1 += " " + Cell(kFirstCellId + 1) + Cell(kFirstCellId + 3) +
                                               Cell(kFirstCellId + 9);
                                    column2 += " " + Cell(kFirstCellId + 2) + Cell(kFirstCellId + 4) +
                                               Cell(kFirstCellId + 10);
                                    wintest::Click(t, kTableCancelId);
                                  })},
                      [&] { LoadDataDialogs(nullptr, 2); })
                .finished;
  ASSERT_TRUE(ok);
  ASSERT_EQ(labels.size(), 3u);
  EXPECT_EQ(labels[0], "NODAL LOAD:| Moment Mi [kN.m] =");  // mode 5
  EXPECT_EQ(labels[1], "NODAL LOAD:| Force Pvi [kN] =");    // mode 4
  EXPECT_EQ(labels[2], " NODAL LOADS:| Force Pvi [kN] =");  // mode 2, from node 1's locked cell
  EXPECT_EQ(column1, "[][0][-2][-2][-2] 11");              // node 1 locked
  EXPECT_EQ(column2, "[][7.5][0][7.5][0] 22");
  // CANCEL keeps the loads as they were.
  EXPECT_EQ(NodalLoadTable.Get(2, 1), 0);
}

TEST_F(LoadEntry, TemperatureGenerateNumbersItsFieldsFrom241) {
  ReadJob();
  std::string dialog, cells;
  bool ok = RunScript({WhenDialog(kTemperature,
                                  [](HWND t) {
                                    FocusCell(kFirstCellId + 2);
                                    wintest::PostClick(t, kGenerateButtonId);
                                  }),
                       WhenDialog(kValueCaption,
                                  [&](HWND d) {
                                    dialog = wintest::GetText(d, kLoadGenerationHeadingId) + "|" +
                                             wintest::GetText(d, kLoadGenerationLabelBaseId + 4) +
                                             wintest::GetText(d, kValueFieldId + 3);
                                    wintest::SetText(d, kValueFieldId + 3, "-15");
                                    wintest::Click(d, kOkId);
                                  }),
                       WhenDialog(kTemperature,
                                  [&](HWND t) {
                                    cells = Cell(kFirstCellId + 1) + " " + Cell(kFirstCellId + 2) + " " +
                                            Cell(kFirstCellId + 8);
                                    wintest::Click(t, kContinueId);
                                  })},
                      [&] { LoadDataDialogs(nullptr, 4); })
                .finished;
  ASSERT_TRUE(ok);
  EXPECT_EQ(dialog, " Temperature Change [Celsius]| Below Element, Tb=0.00");  // mode 12
  EXPECT_EQ(cells, "0.00 -15 -15");
  EXPECT_FLOAT_EQ(TemperatureTable.Get(3, 2), -15);
  EXPECT_FLOAT_EQ(TemperatureTable.Get(3, 1), 0);
}

TEST_F(LoadEntry, UniformLoadIsStoredRounded) {
  struct Case {
    const char* load;
    const char* density;
    int button;
    double storedLoad, storedDensity;
  };
  const Case cases[] = {
      {"0.00004", "1.23456", kOkId, 0, 1.235},
      {"1.23456", "-0.00009", kOkId, 1.235, 0},
      {"7", "8", kFormCancelId, 3, 2500},  // Cancel changes nothing
  };
  for (const Case& c : cases) {
    ReadJob();
    LoadValues[kUniformLoadSlot] = 3;
    LoadValues[kMassDensitySlot] = 2500;
    std::string shown;
    bool ok = RunScript({WhenDialog(kValueCaption,
                                    [&](HWND d) {
                                      shown = wintest::GetText(d, kLoadGenerationHeadingId) + "|" +
                                              wintest::GetText(d, kLoadGenerationLabelBaseId + 1) +
                                              wintest::GetText(d, kUniformLoadFieldId) + "|" +
                                              wintest::GetText(d, kLoadGenerationLabelBaseId + 2) +
                                              wintest::GetText(d, kUniformLoadFieldId + 1);
                                      wintest::SetText(d, kUniformLoadFieldId, c.load);
                                      wintest::SetText(d, kUniformLoadFieldId + 1, c.density);
                                      wintest::Click(d, c.button);
                                    })},
                        [&] { LoadDataDialogs(nullptr, 1); })
                  .finished;
    ASSERT_TRUE(ok);
    EXPECT_EQ(shown, " UNIFORM LOAD AND MATERIAL'S MASS DENSITY| Uniform Load Intensity [kN/m] =3|"
                     " Material Mass Density [kg/m^3] =2500");
    EXPECT_DOUBLE_EQ(LoadValues[kUniformLoadSlot], c.storedLoad) << c.load;
    EXPECT_DOUBLE_EQ(LoadValues[kMassDensitySlot], c.storedDensity) << c.density;
  }
}

// The whole loads command through the windows: each kind in turn from the load type dialog,
// then the load file, which reads back with what was entered.
TEST_F(LoadEntry, WholeCommandWritesALoadFileThatReadsBack) {
  const std::string typeCaption = "   BEAM/STRIP ANALYSIS.   JOB: JOB     Load Case: A";
  auto enter = [&] { return WhenDialog(typeCaption, [](HWND d) { wintest::PostClick(d, kEnterLoadData); }); };
  int uniformChecked = 0;
  int written = 0;
  bool ok =
      RunScript({enter(),
                 WhenDialog(kValueCaption,
                            [](HWND d) {
                              wintest::SetText(d, kUniformLoadFieldId, "1.23456");
                              wintest::SetText(d, kUniformLoadFieldId + 1, "0.00004");
                              wintest::Click(d, kOkId);
                            }),
                 enter(),
                 WhenDialog(kNodal,
                            [](HWND t) {
                              wintest::SetText(TablePage(), kFirstCellId + 3, "15");
                              wintest::SetText(TablePage(), kFirstCellId + 6, "-2.5");
                              wintest::Click(t, kContinueId);
                            }),
                 enter(),
                 WhenDialog(kTrapezoidal,
                            [](HWND t) {
                              wintest::SetText(TablePage(), kFirstCellId + 3, "4");
                              wintest::SetText(TablePage(), kFirstCellId + 4, "6");
                              wintest::Click(t, kContinueId);
                            }),
                 enter(), WhenDialog(kTemperature, [](HWND t) { wintest::PostClick(t, kFirstButtonId); }),
                 WhenDialog(kValueCaption,
                            [](HWND d) {
                              wintest::SetText(d, kValueFieldId, "20");
                              wintest::SetText(d, kValueFieldId + 1, "-10");
                              wintest::Click(d, kOkId);
                            }),
                 WhenDialog(kTemperature, [](HWND t) { wintest::Click(t, kContinueId); }),
                 WhenDialog(typeCaption,
                            [&](HWND d) {
                              uniformChecked = IsDlgButtonChecked(d, kFirstLoadKind);
                              wintest::Click(d, kCancelId);
                            })},
                [&] {
                  written = EditLoadData(
                      [] { ShowLoadTypeDialog(nullptr, "BEAM/STRIP", [](int kind) { LoadDataDialogs(nullptr, kind); }); });
                })
          .finished;
  ASSERT_TRUE(ok);
  EXPECT_EQ(uniformChecked, BST_CHECKED);
  ASSERT_EQ(written, 1);

  TextLineArray lines;
  int count = 0;
  LoadTextLines("JOB.LDA", lines, 10000, count);
  ASSERT_GT(count, 2);
  ASSERT_EQ(LoadSupportFile(), 1);
  int nodal = 0, trapezoidal = 0, temperature = 0;
  ReadLoadData(lines, count, nodal, trapezoidal, temperature);
  EXPECT_DOUBLE_EQ(LoadValues[kUniformLoadSlot], 1.235);
  EXPECT_DOUBLE_EQ(LoadValues[kMassDensitySlot], 0);
  EXPECT_EQ(nodal, 2);
  EXPECT_EQ(trapezoidal, 1);
  EXPECT_EQ(temperature, 4);
  EXPECT_FLOAT_EQ(NodalLoadTable.Get(2, 1), 15);
  EXPECT_FLOAT_EQ(NodalLoadTable.Get(3, 2), -2.5);
  EXPECT_FLOAT_EQ(LoadTable.Get(2, 1), 4);
  EXPECT_FLOAT_EQ(LoadTable.Get(2, 2), 6);
  for (int e = 1; e <= 4; ++e) {
    EXPECT_FLOAT_EQ(TemperatureTable.Get(e, 1), 20) << e;
    EXPECT_FLOAT_EQ(TemperatureTable.Get(e, 2), -10) << e;
  }
}

// Every table window has the picture of its kind beside its controls, inside the window, 610 x 438
// pixels on this 1280-pixel screen; it is closed once the window has ended.
TEST_F(LoadEntry, StructureViewStandsBesideEveryTableWindow) {
  const std::string support = "   BEAM/STRIP ANALYSIS.   JOB: JOB";
  struct Case {
    std::string caption, heading;
    std::function<void()> open;
  };
  const Case cases[] = {
      {" GEOMETRY DETAILS DATA:", "GEOMETRY IDEALIZATION", [] { GeometryDetailsDialog(nullptr); }},
      {support, "UNYIELDING SUPPORTS",
       [] {
         for (int i = 1; i <= 7; ++i) SupportFlags[i] = i == 2 ? "Y" : "N";
         EditSupportData(nullptr);
       }},
      {support, "ELASTIC RESTRAINTS", [] { SupportTableDialog(nullptr, "ELASTIC"); }},
      {support, "WINKLER FOUNDATION", [] { SupportTableDialog(nullptr, "WINKLER"); }},
      {kNodal, "NODAL LOADS", [] { LoadDataDialogs(nullptr, 2); }},
      {kTrapezoidal, "TRAPEZOIDAL LOAD", [] { LoadDataDialogs(nullptr, 3); }},
      {kTemperature, "TEMPERATURE CHANGE", [] { LoadDataDialogs(nullptr, 4); }},
  };
  for (const Case& c : cases) {
    ReadJob();
    wintest::TraceCapture trace;
    RECT view{}, client{}, controls{};
    bool found = false;
    bool ok = RunScript({WhenDialog(c.caption,
                                    [&](HWND t) {
                                      HWND picture = FindWindowExA(t, nullptr, kGfxWindowClass, nullptr);
                                      found = picture && IsWindowVisible(picture);
                                      if (picture) GetWindowRect(picture, &view);
                                      GetClientRect(t, &client);
                                      MapWindowPoints(t, nullptr, reinterpret_cast<POINT*>(&client), 2);
                                      HWND table =
                                          TableContainer() ? TableContainer() : GetDlgItem(t, entry::kNodeListId);
                                      GetWindowRect(table, &controls);
                                      wintest::Click(t, TableContainer() ? kTableCancelId : kExitId);  // CANCEL
                                    })},
                        c.open)
                  .finished;
    ASSERT_TRUE(ok) << c.heading;
    EXPECT_TRUE(found) << c.heading;
    EXPECT_EQ(view.right - view.left, 610) << c.heading;
    EXPECT_EQ(view.bottom - view.top, 438) << c.heading;
    EXPECT_GE(view.left, controls.right) << c.heading;  // beside the table, not over it
    EXPECT_EQ(view.top, client.top) << c.heading;
    EXPECT_LE(view.right, client.right) << c.heading;
    EXPECT_LE(view.bottom, client.bottom) << c.heading;
    std::vector<std::string> lines;
    std::ifstream in(trace.Path());
    for (std::string line; std::getline(in, line);)
      if (line.rfind("gfx ", 0) == 0) lines.push_back(line);
    ASSERT_FALSE(lines.empty()) << c.heading;
    EXPECT_EQ(lines.front().rfind("gfx OpenGfx(", 0), 0u) << lines.front();
    bool heading = false;
    for (const std::string& l : lines) heading = heading || l.find("\"" + c.heading + "\"") != std::string::npos;
    EXPECT_TRUE(heading) << c.heading;
    EXPECT_EQ(lines.back().rfind("gfx GfxWindowEx(0, 1)", 0), 0u) << lines.back();
  }
}

}  // namespace
}  // namespace trabix
