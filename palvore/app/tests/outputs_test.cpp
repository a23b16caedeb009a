// Palvore's loads, response graphs and documents in-process under Wine: the load type dialog and
// the load tables writing the case's load file, the action dialog and the graph window of an
// analysed long pile, the warning of a case without a report, and the output chooser with the
// data document kept in the program directory.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <filesystem>
#include <string>
#include <vector>

#include "../../tests/testsupport.h"
#include "app.h"
#include "core/textfiles.h"
#include "graph/actiondialog.h"
#include "graph/graphwindow.h"
#include "palvore/core/checks.h"
#include "palvore/core/dataentry.h"
#include "palvore/core/jobfiles.h"
#include "palvore/core/slots.h"
#include "palvore/entry/ids.h"
#include "palvore/views/views.h"
#include "win/dialogs.h"
#include "win/grid.h"
#include "win/ids.h"
#include "win/testing/wintest.h"
#include "win/tests/colourprobe.h"

namespace fs = std::filesystem;
using palvore::testing::PileJob;
using wintest::PostClick;
using wintest::RunScript;
using wintest::WhenDialog;
using wintest::WindowText;

namespace {

const char* const kCasesCaption = "  PILE/SHEET-PILE: Load Name Specification/Selection";
const char* const kActionCaption = "PILE/SHEET-PILE ANALYSIS.   JOB: PILE1     Load Case: A";
const char* const kTypeCaption = "   PILE/SHEET-PILE ANALYSIS.   JOB: PILE1     Load Case: A";
const char* const kTableCaption = "   PILE/SHEET-PILE ANALYSIS.   JOB: PILE1";
const char* const kPreviewClassName = "SuiteDocPreview";

SIZE ClientUnits(HWND d) {
  RECT c;
  GetClientRect(d, &c);
  int w = c.right, h = c.bottom;
  PixelsToUnits(d, w, h);
  return {w, h};
}

int CheckedOption(HWND d, int first, int last) {
  for (int id = first; id <= last; ++id)
    if (IsDlgButtonChecked(d, id) == BST_CHECKED) return id;
  return 0;
}

class PalvoreOutputs : public ::testing::Test {
 protected:
  void SetUp() override {
    palvore::DimensionGlobals();
    palvore::StructureTitle = "PILE/SHEET-PILE";
    palvore::CreateMainWindow(GetModuleHandleA(nullptr), SW_SHOWNOACTIVATE);
    ASSERT_NE(palvore::MainWindow, nullptr);
    palvore::InstallMenu(palvore::BuildJobMenu());
  }
  void TearDown() override {
    JobSpec.clear();
    if (palvore::MainWindow) DestroyWindow(palvore::MainWindow);
    wintest::DiscardMessages();
  }
  // The long pile, analysed (its report <job>.RBA), or without soil and not analysed.
  void AnalysedPile(bool soil = true) {
    PileJob j = palvore::testing::LongPile(40, 20, "PILE1");
    if (!soil) {
      j.subgrade = 0;
      j.unyielding = "21,41";
    }
    palvore::testing::WriteJob(j);
    JobSpec = "PILE1";
    palvore::LoadCaseName = "A";
    if (!soil) return;
    std::string output;
    ASSERT_EQ(palvore::RunSolveTool({"PILE1", "A", "elastic"}, output), 0) << output;
    palvore::LoadCaseName = "A";
  }
  TestDirectory dir;
};

wintest::Step ChooseCase() { return WhenDialog(kCasesCaption, [](HWND d) { PostClick(d, kOkId); }); }

TEST_F(PalvoreOutputs, TheActionDialogPlotsTheChosenActionAndMovesOn) {
  AnalysedPile();
  // Left-over temporary pictures of the graph window go when it closes.
  ASSERT_TRUE(SaveTextLines("LineBmp.bmp", TextLineArray{"", "x"}, 1));
  ASSERT_TRUE(SaveTextLines("CSplineX.BMP", TextLineArray{"", "x"}, 1));
  int options = 0, checkedAfter = 0;
  SIZE size{};
  std::string graphCaption, message;
  int tabs = 0;
  bool ok = RunScript({ChooseCase(),
                       WhenDialog(kActionCaption,
                                  [&](HWND d) {
                                    size = ClientUnits(d);
                                    for (int id = kFirstActionOption; GetDlgItem(d, id); ++id) ++options;
                                    EXPECT_EQ(WindowText(GetDlgItem(d, kFirstActionOption + 4)), "&Soil - Pile Contact Pressure");
                                    CheckRadioButton(d, kFirstActionOption, kFirstActionOption + 4, kFirstActionOption + 4);
                                    PostClick(d, kPlotActionButton);
                                  }),
                       WhenDialog(" GRAPH - Load Case: A",
                                  [&](HWND g) {
                                    graphCaption = WindowText(g);
                                    HWND t = GetDlgItem(g, kGraphTabs);
                                    tabs = TabCtrl_GetItemCount(t);
                                    NMHDR nm{t, kGraphTabs, static_cast<UINT>(TCN_SELCHANGING)};
                                    SendMessageA(g, WM_NOTIFY, kGraphTabs, reinterpret_cast<LPARAM>(&nm));
                                    SendMessageA(t, TCM_SETCURSEL, 1, 0);
                                    nm.code = static_cast<UINT>(TCN_SELCHANGE);
                                    SendMessageA(g, WM_NOTIFY, kGraphTabs, reinterpret_cast<LPARAM>(&nm));
                                    PostClick(g, kGraphFileButton);
                                  }),
                       WhenDialog(" SHEET-PILE/PILE ANALYSIS.   JOB: PILE1     Load Case: A",
                                  [](HWND d) {
                                    CheckRadioButton(d, kGraphBmpOption, kGraphJpegOption, kGraphJpegOption);
                                    PostClick(d, kGraphTypeOk);
                                  }),
                       WhenDialog("Graph Bitmap File Information",
                                  [&](HWND box) {
                                    message = wintest::BoxText(box);
                                    wintest::AnswerBox(box, IDOK);
                                  }),
                       WhenDialog(" GRAPH - Load Case: A", [](HWND g) { PostClick(g, kGraphCloseButton); }),
                       WhenDialog(kActionCaption,
                                  [&](HWND d) {
                                    checkedAfter = CheckedOption(d, kFirstActionOption, kFirstActionOption + 4);
                                    PostClick(d, kCancelId);
                                  })},
                      [] { palvore::PlotCommand(); }, 60000)
                .finished;
  EXPECT_TRUE(ok);
  EXPECT_EQ(options, 5);
  EXPECT_EQ(size.cx, 300);
  EXPECT_EQ(size.cy, 165);
  EXPECT_EQ(graphCaption, " GRAPH - Load Case: A");
  EXPECT_EQ(tabs, 2);
  EXPECT_EQ(message, "Graph will be Saved in the Working Directory as 'CSpline.JPG' File   ");
  std::string jpeg = ReadBytes("CSpline.JPG");
  ASSERT_GT(jpeg.size(), 1000u);
  EXPECT_EQ(jpeg.substr(0, 2), "\xFF\xD8");
  EXPECT_EQ(checkedAfter, kFirstActionOption);
  EXPECT_FALSE(fs::exists("LineBmp.bmp"));
  EXPECT_FALSE(fs::exists("CSplineX.BMP"));
  EXPECT_EQ(WindowText(palvore::MainWindow), "     PILE/SHEET-PILE ANALYSIS.   JOB: PILE1     Load Case: A");
}

TEST_F(PalvoreOutputs, WithoutSoilFourActionsAndACaseWithoutReportIsWarned) {
  AnalysedPile(false);
  ASSERT_FALSE(fs::exists("PILE1.RBA"));
  int options = 0;
  SIZE size{};
  std::string warning;
  bool stayed = false;
  wintest::TraceCapture trace;
  bool ok = RunScript({ChooseCase(),
                       WhenDialog(kActionCaption,
                                  [&](HWND d) {
                                    size = ClientUnits(d);
                                    for (int id = kFirstActionOption; GetDlgItem(d, id); ++id) ++options;
                                    PostClick(d, kPlotActionButton);
                                  }),
                       WhenDialog("WARNING!",
                                  [&](HWND box) {
                                    warning = wintest::BoxText(box);
                                    wintest::AnswerBox(box, IDOK);
                                  }),
                       WhenDialog(kActionCaption,
                                  [&](HWND d) {
                                    stayed = true;
                                    PostClick(d, kCancelId);
                                  })},
                      [] { palvore::PlotCommand(); }, 30000)
                .finished;
  EXPECT_TRUE(ok);
  EXPECT_EQ(options, 4);
  EXPECT_EQ(size.cy, 152);
  EXPECT_EQ(warning, "Results File is Missing! Analyse the Structure!");
  EXPECT_TRUE(stayed);
  EXPECT_EQ(trace.Records("TONE").size(), 4u);
  EXPECT_FALSE(fs::exists("Linear.bmp"));
}

TEST_F(PalvoreOutputs, SheetPileGraphsArePerMetre) {
  palvore::Geometry = palvore::PileGeometry();
  palvore::Geometry.sheetPile = true;
  palvore::Geometry.kind = "Sheet-Pile";
  GraphProfile p = palvore::GraphWindowProfile();
  EXPECT_EQ(p.heading, "Sheet-Pile");
  EXPECT_EQ(p.OrdinateTitle(1), "Bending Moments [kN*m/m]");
  EXPECT_EQ(p.OrdinateTitle(2), "Shearing Forces [kN/m]");
  EXPECT_EQ(p.abscissaCaption, "Distance from Top [m]");
  EXPECT_TRUE(p.Reversed(1));
  EXPECT_FALSE(p.Reversed(2));
  EXPECT_FALSE(p.infinityNote);
}

// Cell (row, value column) of the load table's page.
int CellId(int row, int column) { return kFirstCellId + (row - 1) * 2 + column; }

TEST_F(PalvoreOutputs, TheLoadTablesWriteTheCasesLoadFile) {
  PileJob j = palvore::testing::LongPile(4, 4, "PILE1");
  j.nodal.clear();
  palvore::testing::WriteJob(j);
  JobSpec = "PILE1";
  palvore::LoadCaseName = "A";
  SIZE size{};
  std::string typeTitle, unit;
  bool ok = RunScript({WhenDialog(kTypeCaption,
                                  [&](HWND d) {
                                    size = ClientUnits(d);
                                    typeTitle = WindowText(GetDlgItem(d, kHeadingId));
                                    EXPECT_EQ(WindowText(GetDlgItem(d, palvore::kTrapezoidalOptionId)), "Trapezoidal &Load");
                                    EXPECT_EQ(WindowText(GetDlgItem(d, palvore::kNodalOptionId)), "&Nodal Load");
                                    EXPECT_EQ(IsDlgButtonChecked(d, palvore::kTrapezoidalOptionId), BST_CHECKED);
                                    PostClick(d, kOkId);
                                  }),
                       WhenDialog(kTableCaption,
                                  [&](HWND t) {
                                    unit = WindowText(GetDlgItem(t, palvore::kColumnUnitBaseId + 2));
                                    HWND page = TablePage();
                                    wintest::SetText(page, CellId(2, 1), "5");
                                    wintest::SetText(page, CellId(2, 2), "7.5");
                                    PostClick(t, kContinueId);
                                  }),
                       WhenDialog(kTypeCaption,
                                  [](HWND d) {
                                    EXPECT_EQ(IsDlgButtonChecked(d, palvore::kTrapezoidalOptionId), BST_CHECKED);  // back to the first
                                    CheckRadioButton(d, palvore::kTrapezoidalOptionId, palvore::kNodalOptionId, palvore::kNodalOptionId);
                                    PostClick(d, kOkId);
                                  }),
                       WhenDialog(kTableCaption,
                                  [](HWND t) {
                                    HWND page = TablePage();
                                    wintest::SetText(page, CellId(1, 1), "100");
                                    PostClick(t, kContinueId);
                                  }),
                       WhenDialog(kTypeCaption, [](HWND d) { PostClick(d, kCancelId); })},
                      [] { palvore::LoadDataCommand(); }, 30000)
                .finished;
  EXPECT_TRUE(ok);
  EXPECT_EQ(size.cx, 250);
  EXPECT_EQ(size.cy, 104);
  EXPECT_EQ(typeTitle, "SELECTION OF LOAD TYPE");
  EXPECT_EQ(unit, "[kN/m]");
  TextLineArray lines = palvore::testing::FileLines("PILE1.LDA");
  palvore::Loads = palvore::PileLoads();
  int t = 0, p = 0;
  palvore::ReadLoadData(lines, static_cast<int>(lines.size()) - 1, t, p);
  EXPECT_GT(t, 0);
  EXPECT_GT(p, 0);
  EXPECT_EQ(palvore::Loads.trapezoidal.Get(2, 1), 5);
  EXPECT_EQ(palvore::Loads.trapezoidal.Get(2, 2), 7.5);
  EXPECT_EQ(palvore::Loads.nodal.Get(1, 1), 100);
}

// The table's buttons: the linear load between nodes over the element lengths, and GENERATE,
// whose refused range is warned about while its dialog stays.
TEST_F(PalvoreOutputs, TheLoadTablesGenerationDialogs) {
  PileJob j = palvore::testing::LongPile(4, 4, "PILE1");
  j.nodal.clear();
  palvore::testing::WriteJob(j);
  JobSpec = "PILE1";
  palvore::LoadCaseName = "A";
  const char* const generation = " LOAD DATA GENERATION - Load Case: A";
  std::string warning, cell;
  auto fill = [](HWND d, const char* a, const char* b, const char* c, const char* e) {
    wintest::SetText(d, entry::kFirstRangeFieldId + 0, a);
    wintest::SetText(d, entry::kFirstRangeFieldId + 1, b);
    wintest::SetText(d, entry::kFirstRangeFieldId + 2, c);
    wintest::SetText(d, entry::kFirstRangeFieldId + 3, e);
    PostClick(d, kOkId);
  };
  bool ok = RunScript({WhenDialog(kTypeCaption, [](HWND d) { PostClick(d, kOkId); }),
                       WhenDialog(kTableCaption, [](HWND t) { PostClick(t, palvore::kFirstButtonId); }),
                       WhenDialog(generation, [&](HWND d) { fill(d, "1", "5", "10", "20"); }),
                       WhenDialog(kTableCaption,
                                  [&](HWND t) {
                                    cell = wintest::GetText(TablePage(), CellId(4, 2));
                                    PostClick(t, palvore::kGenerateButtonId);
                                  }),
                       WhenDialog(generation, [&](HWND d) { fill(d, "3", "2", "1", "7"); }),
                       WhenDialog("WARNING!",
                                  [&](HWND box) {
                                    warning = wintest::BoxText(box);
                                    wintest::AnswerBox(box, IDOK);
                                  }),
                       WhenDialog(generation, [&](HWND d) { fill(d, "2", "3", "1", "7"); }),
                       WhenDialog(kTableCaption, [](HWND t) { PostClick(t, kContinueId); }),
                       WhenDialog(kTypeCaption, [](HWND d) { PostClick(d, kCancelId); })},
                      [] { palvore::LoadDataCommand(); }, 30000)
                .finished;
  EXPECT_TRUE(ok);
  EXPECT_EQ(cell, "20.000");
  EXPECT_EQ(warning, "Incorrect LOAD Data!\r\n\r\n        Correct the Data!         ");
  TextLineArray lines = palvore::testing::FileLines("PILE1.LDA");
  palvore::Loads = palvore::PileLoads();
  int t = 0, p = 0;
  palvore::ReadLoadData(lines, static_cast<int>(lines.size()) - 1, t, p);
  EXPECT_EQ(palvore::Loads.trapezoidal.Get(1, 1), 10);
  EXPECT_EQ(palvore::Loads.trapezoidal.Get(1, 2), 12.5);
  EXPECT_EQ(palvore::Loads.trapezoidal.Get(2, 1), 7);
  EXPECT_EQ(palvore::Loads.trapezoidal.Get(3, 1), 7);
  EXPECT_EQ(palvore::Loads.trapezoidal.Get(3, 2), 17.5);
  EXPECT_EQ(palvore::Loads.trapezoidal.Get(4, 2), 20);
}

TEST_F(PalvoreOutputs, ASheetPilesLoadTablesArePerMetre) {
  PileJob j = palvore::testing::LongPile(4, 4, "PILE1");
  j.sheetPile = true;
  palvore::testing::WriteJob(j);
  JobSpec = "PILE1";
  palvore::LoadCaseName = "A";
  std::vector<std::string> units;
  bool ok = RunScript({WhenDialog(kTypeCaption, [](HWND d) { PostClick(d, kOkId); }),
                       WhenDialog(kTableCaption,
                                  [&](HWND t) {
                                    units.push_back(WindowText(GetDlgItem(t, palvore::kColumnUnitBaseId + 1)) + "|" +
                                                    WindowText(GetDlgItem(t, palvore::kColumnUnitBaseId + 2)));
                                    PostClick(t, kTableCancelId);
                                  }),
                       WhenDialog(kTypeCaption,
                                  [](HWND d) {
                                    CheckRadioButton(d, palvore::kTrapezoidalOptionId, palvore::kNodalOptionId, palvore::kNodalOptionId);
                                    PostClick(d, kOkId);
                                  }),
                       WhenDialog(kTableCaption,
                                  [&](HWND t) {
                                    units.push_back(WindowText(GetDlgItem(t, palvore::kColumnUnitBaseId + 1)) + "|" +
                                                    WindowText(GetDlgItem(t, palvore::kColumnUnitBaseId + 2)));
                                    PostClick(t, kTableCancelId);
                                  }),
                       WhenDialog(kTypeCaption, [](HWND d) { PostClick(d, kCancelId); })},
                      [] { palvore::LoadDataCommand(); }, 30000)
                .finished;
  EXPECT_TRUE(ok);
  EXPECT_EQ(units, (std::vector<std::string>{"[kN/m^2]|[kN/m^2]", " [kN/m]| [kN*m/m]"}));
  // Closed without changes: the loads read at the start are written again.
  TextLineArray lines = palvore::testing::FileLines("PILE1.LDA");
  palvore::Loads = palvore::PileLoads();
  int t = 0, p = 0;
  palvore::ReadLoadData(lines, static_cast<int>(lines.size()) - 1, t, p);
  EXPECT_EQ(palvore::Loads.nodal.Get(1, 1), 100);
}

TEST_F(PalvoreOutputs, TheChooserKeepsTheDataDocumentAndMovesToResults) {
  fs::create_directories("C:\\PALTEST");
  PileJob j = palvore::testing::LongPile(10, 10, "C:\\PALTEST\\PILE1");
  palvore::testing::WriteJob(j);
  JobSpec = "C:\\PALTEST\\PILE1";
  palvore::LoadCaseName = "A";
  DeleteIfExists("PILE1_DATA.DDC");
  const std::string caption = " PILE/SHEET-PILE; Job: C:\\PALTEST\\PILE1; Load: A";
  SIZE size{};
  RECT box{};
  std::vector<std::string> boxes;
  int focusAfter = 0;
  // Save and Preview: mode 0, the document kept and previewed.
  bool ok = RunScript({ChooseCase(),
                       WhenDialog(caption,
                                  [&](HWND d) {
                                    size = ClientUnits(d);
                                    GetWindowRect(d, &box);
                                    wintest::Click(d, kFirstOptionId);  // save
                                    PostClick(d, kOkId);
                                  }),
                       WhenDialog("DATA File Information",
                                  [&](HWND b) {
                                    boxes.push_back(wintest::BoxText(b));
                                    wintest::AnswerBox(b, IDOK);
                                  }),
                       WhenDialog("DATA File Information",
                                  [&](HWND b) {
                                    boxes.push_back(wintest::BoxText(b));
                                    wintest::AnswerBox(b, IDNO);
                                  }),
                       wintest::WhenWindow(kPreviewClassName,
                                           [](HWND f) { PostMessageA(f, WM_KEYDOWN, VK_ESCAPE, 0); }),
                       WhenDialog(caption,
                                  [&](HWND d) {
                                    focusAfter = GetDlgCtrlID(GetFocus());
                                    wintest::Click(d, kFirstOptionId);
                                    wintest::Click(d, kFirstOptionId + 1);  // print
                                    EXPECT_EQ(palvore::OutputPreview, 0);
                                    wintest::Click(d, kLastOptionId);
                                    PostClick(d, kExitId);
                                  })},
                      [] { palvore::PresentationCommand(); }, 30000)
                .finished;
  EXPECT_TRUE(ok);
  EXPECT_EQ(size.cx, 288);
  EXPECT_EQ(size.cy, 133);
  // Centred as CenterWindow places a dialog.
  const int w = box.right - box.left, h = box.bottom - box.top;
  EXPECT_EQ(box.left, (GetSystemMetrics(SM_CXSCREEN) - w) / 2);
  EXPECT_EQ(box.top, (GetSystemMetrics(SM_CYSCREEN) - (h + GetSystemMetrics(SM_CYCAPTION))) / 2 + 7);
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[0],
            "DATA will be Saved in the PROGRAM Directory in 'PILE1_DATA.DDC' File.   \r\n\r\n\r\n"
            "Double Click at this File to View the DATA!");
  EXPECT_TRUE(fs::exists("PILE1_DATA.DDC"));
  EXPECT_FALSE(fs::exists("PILE1_DATA.TXT"));
  EXPECT_EQ(focusAfter, kFormCancelId);  // "&RESULTS"
  std::error_code ec;
  fs::remove_all("C:\\PALTEST", ec);
}

TEST_F(PalvoreOutputs, TheChoosersFourModes) {
  const struct {
    bool preview, save;
    int mode;
  } cases[] = {{true, false, 4}, {true, true, 0}, {false, false, 5}, {false, true, 1}};
  for (const auto& c : cases) EXPECT_EQ(OutputMode(c.preview, c.save), c.mode);
  OutputChooserProfile p = palvore::ChooserProfile();
  EXPECT_EQ(p.captionGap, " ");
  EXPECT_TRUE(p.centred);
}

TEST_F(PalvoreOutputs, NoResultsDocumentWithoutAReport) {
  AnalysedPile(false);
  ASSERT_FALSE(fs::exists("PILE1.RBA"));
  std::string warning;
  wintest::TraceCapture trace;
  bool ok = RunScript({WhenDialog("WARNING!",
                                  [&](HWND b) {
                                    warning = wintest::BoxText(b);
                                    wintest::AnswerBox(b, IDOK);
                                  })},
                      [] { palvore::OutputResults(0, nullptr); }, 20000)
                .finished;
  EXPECT_TRUE(ok);
  EXPECT_EQ(warning, "Results File is Missing! Analyse the Structure!");
  EXPECT_FALSE(fs::exists("PILE1_RESULTS.DDC"));
  EXPECT_TRUE(trace.Records("dpStartDoc").empty());
}

// The pile analysed, then its top fixed against rotation in the support command: the report of
// the old supports is no result of the case any more; neither the plot nor the results
// document shows it as the current case's, both say the results are missing.
TEST_F(PalvoreOutputs, ResultsOfChangedSupportsAreNeitherPlottedNorPrinted) {
  AnalysedPile();
  ASSERT_TRUE(fs::exists("PILE1.RBA"));
  palvore::LoadSupportFile({});
  palvore::Supports.flags[palvore::kTopEdgeFixedSlot] = "Y";
  ASSERT_TRUE(palvore::SaveSupportFile("PILE1"));
  std::string plotted, printed;
  wintest::TraceCapture trace;
  bool ok = RunScript({ChooseCase(), WhenDialog(kActionCaption, [](HWND d) { PostClick(d, kPlotActionButton); }),
                       WhenDialog("WARNING!",
                                  [&](HWND box) {
                                    plotted = wintest::BoxText(box);
                                    wintest::AnswerBox(box, IDOK);
                                  }),
                       WhenDialog(kActionCaption, [](HWND d) { PostClick(d, kCancelId); })},
                      [] { palvore::PlotCommand(); }, 30000)
                .finished;
  EXPECT_TRUE(ok);
  EXPECT_EQ(plotted, "Results File is Missing! Analyse the Structure!");
  ok = RunScript({WhenDialog("WARNING!",
                             [&](HWND b) {
                               printed = wintest::BoxText(b);
                               wintest::AnswerBox(b, IDOK);
                             })},
                 [] { palvore::OutputResults(4, nullptr); }, 20000)
           .finished;
  EXPECT_TRUE(ok);
  EXPECT_EQ(printed, "Results File is Missing! Analyse the Structure!");
  EXPECT_TRUE(trace.Records("dpStartDoc").empty());
  EXPECT_EQ(trace.Count("gfx OpenGfxEx("), 0);
}

TEST_F(PalvoreOutputs, TheChoosersColours) {
  JobSpec = "C:\\PALTEST\\PILE1";
  palvore::LoadCaseName = "A";
  OutputChooserProfile p = palvore::ChooserProfile();
  const std::string caption = " PILE/SHEET-PILE; Job: C:\\PALTEST\\PILE1; Load: A";
  const COLORREF yellow = RGB(255, 255, 0), black = RGB(0, 0, 0);
  bool probed = false;
  bool ok = RunScript({WhenDialog(caption,
                                  [&](HWND d) {
                                    ExpectColours(d, {{WM_CTLCOLORSTATIC, 202, RGB(0, 128, 128), yellow},
                                                      {WM_CTLCOLORSTATIC, 203, RGB(0, 128, 128), yellow},
                                                      {WM_CTLCOLORSTATIC, 201, RGB(128, 128, 0), black},
                                                      {WM_CTLCOLORSTATIC, 111, RGB(128, 0, 128), yellow},
                                                      {WM_CTLCOLORSTATIC, 120, RGB(0, 255, 150), black},
                                                      {WM_CTLCOLORSTATIC, 99, RGB(0, 255, 150), black}});
                                    probed = true;
                                    PostClick(d, kExitId);
                                  })},
                      [&] { ShowOutputChooser(nullptr, p); })
                .finished;
  EXPECT_TRUE(ok);
  EXPECT_TRUE(probed);
}

}  // namespace
