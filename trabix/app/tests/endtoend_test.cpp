// A new user's whole job in Trabix, through its main window and menus with their real dialogs:
// the notice and a new job, geometry with its details table, Winkler supports, load case "A"
// with a uniform and a nodal load, the elastic analysis, every graph of the results command, the
// data and results documents previewed and saved, then "&Close", which packs the job into its
// archive; opening the job again restores its files.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "../../../common/tests/testdir.h"
#include "../../tests/solvetool.h"
#include "../../tests/testsupport.h"
#include "app.h"
#include "reports.h"
#include "graph/graphwindow.h"
#include "core/textfiles.h"
#include "trabix/views/views.h"
#include "win/grid.h"
#include "win/ids.h"
#include "win/testing/jobchecks.h"
#include "win/testing/program.h"
#include "trabix/app/ids.h"
#include "trabix/entry/ids.h"
#include "win/loaddialog.h"
#include "win/testing/wintest.h"

namespace fs = std::filesystem;
using wintest::PostClick;
using wintest::RunScript;
using wintest::WhenDialog;

namespace {

const char* const kNotice = "  ZOR SOFTWARE";
const char* const kFirstJobCaption = "   Job Name Specification/Selection";
const char* const kCasesCaption = "  BEAM/STRIP: Load Name Specification/Selection";

// The cells of the table window on screen: row r (from 1), column c (from 1) of C columns.
void SetCell(int columns, int row, int column, const std::string& text) {
  wintest::SetText(TablePage(), kFirstCellId + (row - 1) * columns + column, text);
}

class TrabixEndToEnd : public ::testing::Test {
 protected:
  void SetUp() override {
    // The program directory is the current directory; the archive needs ZLIB.DLL there.
    fs::copy_file(wintest::ExeFolder() / "ZLIB.DLL", dir.path() / "ZLIB.DLL");
    job = (dir.path() / "BEAMS" / "BEAM1").string();
    entryCaption = "   BEAM/STRIP ANALYSIS.   JOB: " + job;
  }
  void TearDown() override {
    if (trabix::MainWindow) DestroyWindow(trabix::MainWindow);
    JobSpec.clear();
    wintest::DrainQuit();
  }
  // The program as it starts: globals, main window, the notice agreed and the job dialog at once,
  // in which the job is named.
  void StartAndOpenJob() {
    trabix::StructureTitle.clear();
    JobSpec.clear();
    trabix::LoadCaseName.clear();
    trabix::DimensionGlobals();
    ASSERT_NE(trabix::CreateMainWindow(GetModuleHandleA(nullptr), SW_SHOWNORMAL), nullptr);
    ASSERT_TRUE(RunScript({WhenDialog(kNotice, [](HWND d) { wintest::Click(d, kContinueId); }),
                           WhenDialog(kFirstJobCaption,
                                      [this](HWND d) {
                                        wintest::SetText(d, kNameBoxId, job);
                                        wintest::Click(d, IDOK);
                                      })},
                          [] { ShowProgramNotice(trabix::FrameProfile()); })
                    .finished);
    ASSERT_EQ(wintest::WindowText(trabix::MainWindow), "     BEAM/STRIP ANALYSIS.   JOB: " + job);
  }
  // A menu command while the steps drive its dialogs; the script must finish.
  void Command(int id, std::vector<wintest::Step> steps) {
    EXPECT_TRUE(RunScript(std::move(steps), [id] { SendMessageA(trabix::MainWindow, WM_COMMAND, id, 0); }, 30000)
                    .finished)
        << "command " << id;
  }
  // The load-case choice with case A at the head of the list.
  static wintest::Step ChooseCaseA() {
    return WhenDialog(kCasesCaption, [](HWND d) {
      EXPECT_EQ(wintest::GetText(d, kInProcessNameBoxId), "A");
      PostClick(d, kOkId);
    });
  }
  // The "&Analysis" popup of the menu bar is enabled.
  bool AnalysisEnabled() { return !(GetMenuState(trabix::MainMenu, 2, MF_BYPOSITION) & (MF_GRAYED | MF_DISABLED)); }

  TestDirectory dir;
  wintest::TraceCapture trace;
  std::string job, entryCaption;
};

TEST_F(TrabixEndToEnd, ANewJobFromItsDataToGraphsDocumentsAndItsArchive) {
  StartAndOpenJob();
  EXPECT_FALSE(AnalysisEnabled());

  // Geometry: a beam of 10 m in 4 elements, with its details table (width 0.5 m, depth 0.8 m).
  Command(kGeometryCommand,
          {WhenDialog(entryCaption,
                      [](HWND d) {
                        EXPECT_EQ(IsDlgButtonChecked(d, entry::kDetailsBoxId), BST_CHECKED);  // the table follows
                        wintest::SetText(d, entry::kGeometryFieldBaseId + 1, "10");
                        wintest::SetText(d, entry::kGeometryFieldBaseId + 2, "4");
                        wintest::SetText(d, entry::kGeometryFieldBaseId + 3, "2E7");
                        wintest::SetText(d, entry::kGeometryFieldBaseId + 4, "0.2");
                        wintest::SetText(d, entry::kGeometryFieldBaseId + 5, "1E-5");
                        PostClick(d, kOkId);
                      }),
           WhenDialog(" GEOMETRY DETAILS DATA:", [](HWND t) {
             for (int row = 1; row <= 4; ++row) {
               EXPECT_EQ(wintest::GetText(TablePage(), kFirstCellId + (row - 1) * 3 + 1), "2.5");
               SetCell(3, row, 2, "0.5");
               SetCell(3, row, 3, "0.8");
             }
             PostClick(t, kContinueId);
           })});
  ASSERT_TRUE(fs::exists(job + ".GEO"));

  // Supports: a Winkler foundation of 20000 kPa/m under every element.
  Command(kSupportCommand, {WhenDialog(entryCaption,
                                       [](HWND d) {
                                         wintest::Click(d, entry::kWinklerOptionId);
                                         EXPECT_EQ(IsDlgButtonChecked(d, entry::kWinklerOptionId), BST_CHECKED);
                                         PostClick(d, entry::kEnterSupportDataId);
                                       }),
                            WhenDialog(entryCaption, [](HWND t) {
                              for (int row = 1; row <= 4; ++row) {
                                SetCell(4, row, 1, "20000");
                                SetCell(4, row, 2, "20000");
                              }
                              PostClick(t, kContinueId);
                            })});
  ASSERT_TRUE(fs::exists(job + ".SUP"));
  EXPECT_NE(ReadBytes(job + ".SUP").find("WINKLER FOUNDATION:"), std::string::npos);

  // Loads of case "A": a uniform load of 10 kN/m and 50 kN at node 3.
  const std::string typeCaption = entryCaption + "     Load Case: A";
  Command(kLoadCommand, {WhenDialog(kCasesCaption,
                                    [](HWND d) {
                                      wintest::SetText(d, kInProcessNameBoxId, "A");
                                      EXPECT_EQ(IsDlgButtonChecked(d, kCaseCheckId), BST_CHECKED);
                                      PostClick(d, kOkId);
                                    }),
                         WhenDialog(typeCaption, [](HWND d) { PostClick(d, trabix::kEnterLoadData); }),
                         WhenDialog(" LOAD DATA GENERATION - Load Case: A",
                                    [](HWND d) {
                                      wintest::SetText(d, trabix::kUniformLoadFieldId, "10");
                                      wintest::SetText(d, trabix::kUniformLoadFieldId + 1, "0");
                                      wintest::Click(d, kOkId);
                                    }),
                         WhenDialog(typeCaption,
                                    [](HWND d) {
                                      EXPECT_EQ(IsDlgButtonChecked(d, trabix::kFirstLoadKind + 1),
                                                BST_CHECKED);  // nodal next
                                      PostClick(d, trabix::kEnterLoadData);
                                    }),
                         WhenDialog("NODAL LOAD DATA. Load Case: A",
                                    [](HWND t) {
                                      SetCell(2, 3, 1, "50");
                                      PostClick(t, kContinueId);
                                    }),
                         WhenDialog(typeCaption, [](HWND d) { PostClick(d, kCancelId); })});
  ASSERT_TRUE(fs::exists(job + ".LDA"));
  std::string loads = ReadBytes(job + ".LDA");
  EXPECT_NE(loads.find("Uniform Load [kN/m]: 10.0\r\n"), std::string::npos) << loads;
  EXPECT_NE(loads.find("\r\n    3               50.0000"), std::string::npos) << loads;
  EXPECT_EQ(ReadBytes(job + ".CAS"), "A\r\n");
  EXPECT_TRUE(AnalysisEnabled());

  // The elastic analysis writes the report the solver tool writes for the same job.
  Command(kElasticAnalysisCommand, {ChooseCaseA(), WhenDialog(entryCaption, [](HWND d) { PostClick(d, kAnalyseId); })});
  ASSERT_TRUE(fs::exists(job + ".RBA"));
  TextLineArray report = ReportWithoutDate(job + ".RBA");
  std::string reportBytes = ReadBytes(job + ".RBA");
  // The soil carries the whole load: 10 kN/m over 10 m and 50 kN.
  EXPECT_NEAR(trabix::testing::ReadReport(job + ".RBA").total, 150.0, 0.15);
  {
    std::string output;
    ASSERT_EQ(trabix::RunSolveTool({job, "A", "elastic"}, output), 0) << output;
    EXPECT_EQ(report, ReportWithoutDate(job + ".RBA"));
    WriteBytes(job + ".RBA", reportBytes);
  }

  // Every graph: the results command's five actions of a beam on Winkler soil, one after the other.
  const std::string actions =
      "  BEAM/STRIP ANALYSIS.   JOB: " + job + ": SELECTION OF STRUCTURAL ACTION     Load Case: A";
  std::vector<int> plotted;
  int options = 0;
  std::vector<wintest::Step> steps{ChooseCaseA()};
  for (int k = 1; k <= 5; ++k) {
    steps.push_back(WhenDialog(actions, [&, k](HWND d) {
      if (k == 1)
        while (GetDlgItem(d, kFirstActionOption + options)) ++options;
      for (int o = 0; o < 5; ++o)
        if (IsDlgButtonChecked(d, kFirstActionOption + o) == BST_CHECKED) plotted.push_back(o + 1);
      PostClick(d, kPlotActionButton);
    }));
    steps.push_back(WhenDialog(" GRAPH - Load Case: A", [](HWND g) { PostClick(g, kGraphCloseButton); }));
  }
  steps.push_back(WhenDialog(actions, [](HWND d) { PostClick(d, kCancelId); }));
  Command(kPlotCommand, steps);
  EXPECT_EQ(options, 5);
  EXPECT_EQ(plotted, (std::vector<int>{1, 2, 3, 4, 5}));
  EXPECT_TRUE(trace.Records("BOX").empty());

  // The data and the results documents, previewed and saved with their text copies.
  const std::string chooser = " BEAM/STRIP;  Job: " + job + "; Load: A";
  std::vector<wintest::Step> documents{ChooseCaseA()};
  for (wintest::Step& s : wintest::SaveBothDocuments(chooser)) documents.push_back(std::move(s));
  Command(kPresentationCommand, documents);
  wintest::ExpectBothDocumentsSaved(dir.path(), "BEAM1");
  EXPECT_EQ(ReadBytes((dir.path() / "BEAM1_RESULTS.TXT").string()), reportBytes);

  // "&Close": every file of the job goes into its archive, none is left loose; started again,
  // the job named in the job dialog is unpacked as it was left.
  std::map<std::string, std::string> loose = wintest::ExpectTheJobPackedAndRestored(
      dir.path() / "BEAMS", "BEAM1.ZIP",
      [] { wintest::ExpectCloseEndsTheMainWindow(trabix::MainWindow); }, [this] { StartAndOpenJob(); });
  EXPECT_EQ(wintest::NamesOf(loose),
            (std::set<std::string>{"BEAM1.CAS", "BEAM1.GEO", "BEAM1.LDA", "BEAM1.RBA", "BEAM1.SUP"}));
  EXPECT_TRUE(AnalysisEnabled());
}

}  // namespace
