// A new user's whole retaining-wall job in Murelo, through its main window and menus with their
// real dialogs: the notice and a new job, both substructures with their tables, the toe
// restrained on Winkler soil, case "A" with a uniform load on the base plate and earth pressure on
// the stem, the elastic and elastic-plastic analyses, every graph of both substructures, both
// documents previewed and saved, then "&Close", which packs the job into its archive; opening the
// job again restores its files.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "../../../common/tests/testdir.h"
#include "app.h"
#include "core/textfiles.h"
#include "graph/actiondialog.h"
#include "graph/graphwindow.h"
#include "win/grid.h"
#include "win/ids.h"
#include "win/testing/jobchecks.h"
#include "win/testing/program.h"
#include "win/testing/wintest.h"
#include "murelo/entry/ids.h"

namespace fs = std::filesystem;
using wintest::Click;
using wintest::PostClick;
using wintest::RunScript;
using wintest::WhenDialog;

namespace {

const char* const kNotice = "  ZOR SOFTWARE";
const char* const kJobCaption = " Job Name Specification/Selection";
const char* const kCasesCaption = "  Retaining Wall: Load Name Specification/Selection";

// Cell (row, column) of the table window on screen with `columns` value columns.
void SetCell(int columns, int row, int column, const std::string& text) {
  wintest::SetText(TablePage(), murelo::CellId(row, column, columns), text);
}

class MureloEndToEnd : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::copy_file(wintest::ExeFolder() / "ZLIB.DLL", dir.path() / "ZLIB.DLL");
    fs::create_directories(dir.path() / "WALLS");
    job = (dir.path() / "WALLS" / "WALL9").string();
    entry = "   Retaining Wall ANALYSIS.   JOB: " + job;
  }
  void TearDown() override {
    if (murelo::MainWindow) DestroyWindow(murelo::MainWindow);
    JobSpec.clear();
    wintest::DrainQuit();
  }
  void StartAndOpenJob() {
    murelo::StructureTitle.clear();
    JobSpec.clear();
    murelo::LoadCaseName.clear();
    murelo::DimensionGlobals();
    ASSERT_NE(murelo::CreateMainWindow(GetModuleHandleA(nullptr), SW_SHOWNORMAL), nullptr);
    ASSERT_TRUE(RunScript({WhenDialog(kNotice, [](HWND d) { Click(d, kContinueId); }),
                           WhenDialog(kJobCaption,
                                      [this](HWND d) {
                                        wintest::SetText(d, kNameBoxId, job);
                                        Click(d, IDOK);
                                      })},
                          [] { ShowProgramNotice(murelo::FrameProfile()); })
                    .finished);
    ASSERT_EQ(JobSpec, job);
  }
  void Command(int id, std::vector<wintest::Step> steps) {
    EXPECT_TRUE(RunScript(std::move(steps), [id] { SendMessageA(murelo::MainWindow, WM_COMMAND, id, 0); }, 60000)
                    .finished)
        << "command " << id;
  }
  static wintest::Step ChooseCaseA() {
    return WhenDialog(kCasesCaption, [](HWND d) { PostClick(d, IDOK); });
  }
  // The substructure dialog: the option of the plate or the stem, then its action button.
  wintest::Step Substructure(int option, int button) {
    return WhenDialog(entry, [option, button](HWND s) {
      CheckRadioButton(s, murelo::kBasePlateOptionId, murelo::kWallStemOptionId, option);
      PostClick(s, button);
    });
  }
  // The geometry dialog of a substructure with its fields typed and the details box ticked, then
  // the details table: the widths uniform and one thickness in every row.
  std::vector<wintest::Step> Geometry(int option, std::vector<std::string> fields, const std::string& details, int rows,
                                      const std::string& thickness) {
    return {Substructure(option, murelo::kGeometryActionId),
            WhenDialog(entry,
                       [fields](HWND g) {
                         for (size_t k = 0; k < fields.size(); ++k)
                           wintest::SetText(g, murelo::kGeometryFieldBaseId + 1 + static_cast<int>(k), fields[k]);
                         CheckDlgButton(g, murelo::kDetailsBoxId, BST_CHECKED);
                         PostClick(g, IDOK);
                       }),
            WhenDialog(details, [rows, thickness](HWND t) {
              Click(t, murelo::kUniformWidthsId);
              for (int row = 1; row <= rows; ++row) SetCell(2, row, 2, thickness);
              PostClick(t, kContinueId);
            })};
  }
  // A table window of that caption (the dialogs before it may share the caption).
  static wintest::Step TableWindow(const std::string& caption, std::function<void(HWND)> act) {
    return [caption, act] {
      HWND t = wintest::FindDialog(caption);
      if (!t || !GetDlgItem(t, kContinueId) || !TablePage()) return false;
      act(t);
      return true;
    };
  }
  wintest::Step CancelSubstructure() { return WhenDialog(entry, [](HWND s) { PostClick(s, kCancelId); }); }

  TestDirectory dir;
  wintest::TraceCapture trace;
  std::string job, entry;
};

TEST_F(MureloEndToEnd, ANewWallFromItsDataToGraphsDocumentsAndItsArchive) {
  StartAndOpenJob();

  // Geometry: a base plate 4 m wide in 4 elements (toe 1 m, 0.5 m thick), a stem 3 m high in 3
  // elements (0.3 m thick), each with its details table.
  std::vector<wintest::Step> geometry = Geometry(murelo::kBasePlateOptionId, {"4", "1", "4", "3E7", "0.2"},
                                                 " GEOMETRY DETAILS DATA BASE PLATE:", 4, "0.5");
  for (wintest::Step& s : Geometry(murelo::kWallStemOptionId, {"3", "3", "3E7", "0.2"}, " GEOMETRY DETAILS DATA WALL STEM:",
                                   3, "0.3"))
    geometry.push_back(std::move(s));
  geometry.push_back(CancelSubstructure());
  Command(kGeometryCommand, geometry);
  ASSERT_TRUE(fs::exists(job + ".GEO"));

  // Supports: the toe restrained, a Winkler foundation of 20000 kPa/m under the plate.
  Command(kSupportCommand, {Substructure(murelo::kBasePlateOptionId, murelo::kSupportActionId),
                WhenDialog(entry,
                           [](HWND d) {
                             if (IsDlgButtonChecked(d, murelo::kToeBoxId) != BST_CHECKED) Click(d, murelo::kToeBoxId);
                             if (IsDlgButtonChecked(d, murelo::kWinklerOptionId) != BST_CHECKED) Click(d, murelo::kWinklerOptionId);
                             PostClick(d, murelo::kEnterSupportDataId);
                           }),
                TableWindow(entry,
                           [](HWND t) {
                             for (int row = 1; row <= 4; ++row) {
                               SetCell(4, row, 1, "20000");
                               SetCell(4, row, 2, "20000");
                             }
                             PostClick(t, kContinueId);
                           }),
                CancelSubstructure()});
  ASSERT_NE(ReadBytes(job + ".SUP").find("WINKLER SOIL:"), std::string::npos);

  // Loads of case "A": 20 kPa and 2400 kg/m^3 on the plate; earth pressure from 30 kPa at the
  // stem's bottom to 0 at its top.
  const std::string types = entry + "     Load Case: A";
  const std::string onePage = " LOAD DATA GENERATION - Load Case: A";
  Command(kLoadCommand, {WhenDialog(kCasesCaption,
                           [](HWND d) {
                             wintest::SetText(d, kInProcessNameBoxId, "A");
                             PostClick(d, IDOK);
                           }),
                Substructure(murelo::kBasePlateOptionId, murelo::kLoadActionId), WhenDialog(types, [](HWND d) { PostClick(d, kLoadTypeEnterButton); }),
                WhenDialog(onePage,
                           [](HWND f) {
                             wintest::SetText(f, murelo::kOnePageFieldBaseId + 1, "20");
                             wintest::SetText(f, murelo::kOnePageFieldBaseId + 2, "2400");
                             PostClick(f, kOkId);
                           }),
                WhenDialog(types, [](HWND d) { PostClick(d, kCancelId); }), Substructure(murelo::kWallStemOptionId, murelo::kLoadActionId),
                WhenDialog(types,
                           [](HWND d) {
                             CheckRadioButton(d, murelo::kLoadTypeFirstOptionId, murelo::kLoadTypeLastOptionId,
                                              murelo::kLoadTypeFirstOptionId + 2);
                             PostClick(d, kLoadTypeEnterButton);
                           }),
                WhenDialog(" WALL STEM: TRAPEZOIDAL LOAD DATA. Load Case: A", [](HWND t) { PostClick(t, murelo::kFirstButtonId); }),
                WhenDialog(onePage,
                           [](HWND f) {
                             wintest::SetText(f, murelo::kOnePageFieldBaseId + 1, "1");
                             wintest::SetText(f, murelo::kOnePageFieldBaseId + 2, "4");
                             wintest::SetText(f, murelo::kOnePageFieldBaseId + 3, "30");
                             wintest::SetText(f, murelo::kOnePageFieldBaseId + 4, "0");
                             PostClick(f, kOkId);
                           }),
                WhenDialog(" WALL STEM: TRAPEZOIDAL LOAD DATA. Load Case: A", [](HWND t) { PostClick(t, kContinueId); }),
                WhenDialog(types, [](HWND d) { PostClick(d, kCancelId); }), CancelSubstructure()});
  const std::string loads = ReadBytes(job + ".LDA");
  EXPECT_NE(loads.find("HORIZONTAL:"), std::string::npos) << loads;
  EXPECT_NE(loads.find("2400.00"), std::string::npos) << loads;

  // Both analyses; the elastic one last, whose report the graphs and documents read.
  for (int id : {kPlasticAnalysisCommand, kElasticAnalysisCommand}) {
    Command(id, {ChooseCaseA(), WhenDialog(entry, [](HWND d) { PostClick(d, kAnalyseId); })});
    ASSERT_TRUE(fs::exists(job + ".RBA")) << id;
  }
  const std::string report = ReadBytes(job + ".RBA");

  // Every graph of both substructures, one after the other.
  const std::string actions = "Retaining Wall ANALYSIS.   JOB: " + job + "     Load Case: A";
  std::vector<wintest::Step> steps{ChooseCaseA()};
  int graphs = 0;
  for (int option : {murelo::kBasePlateOptionId, murelo::kWallStemOptionId}) {
    steps.push_back(Substructure(option, kContinueId));
    for (int k = 1; k <= (option == murelo::kBasePlateOptionId ? 7 : 5); ++k) {
      steps.push_back(WhenDialog(actions, [](HWND d) { PostClick(d, kPlotActionButton); }));
      steps.push_back(WhenDialog(" GRAPH - Load Case: A", [&graphs](HWND g) {
        ++graphs;
        PostClick(g, kGraphCloseButton);
      }));
    }
    steps.push_back(WhenDialog(actions, [](HWND d) { PostClick(d, kActionCancel); }));
  }
  steps.push_back(CancelSubstructure());
  Command(kPlotCommand, steps);
  EXPECT_EQ(graphs, 12);
  EXPECT_TRUE(trace.Records("BOX").empty());

  // Both documents, previewed and saved with their text copies.
  const std::string chooser = " Retaining Wall; Job: " + job + "; Load: A";
  std::vector<wintest::Step> documents{ChooseCaseA()};
  for (wintest::Step& s : wintest::SaveBothDocuments(chooser)) documents.push_back(std::move(s));
  Command(kPresentationCommand, documents);
  wintest::ExpectBothDocumentsSaved(dir.path(), "WALL9");
  EXPECT_EQ(ReadBytes((dir.path() / "WALL9_RESULTS.TXT").string()), report);

  // "&Close": every file of the job goes into its archive; started again, the job is unpacked
  // as it was left.
  std::map<std::string, std::string> loose = wintest::ExpectTheJobPackedAndRestored(
      dir.path() / "WALLS", "WALL9.ZIP",
      [] { wintest::ExpectCloseEndsTheMainWindow(murelo::MainWindow); }, [this] { StartAndOpenJob(); });
  EXPECT_EQ(wintest::NamesOf(loose),
            (std::set<std::string>{"WALL9.COX", "WALL9.GEO", "WALL9.LDA", "WALL9.RBA", "WALL9.SUP"}));
}

}  // namespace
