// Murelo's presentation command under Wine: the chooser with Murelo's caption and its output
// modes, the focus moving to the other button, and the data and results documents kept in the
// program directory with their text copies, read back.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <string>
#include <vector>

#include "../../../common/tests/testdir.h"
#include "../../tests/testsupport.h"
#include "app.h"
#include "doc/docmodel.h"
#include "win/ids.h"
#include "win/outputchooser.h"
#include "win/testing/wintest.h"

namespace fs = std::filesystem;
using wintest::PostClick;
using wintest::RunScript;
using wintest::WhenDialog;

namespace {

const char* const kCases = "  Retaining Wall: Load Name Specification/Selection";
const char* const kChooser = " Retaining Wall; Job: WALL9; Load: A";
const char kPreviewClassName[] = "SuiteDocPreview";

wintest::Step ClosePreview() {
  return wintest::WhenWindow(kPreviewClassName, [](HWND f) { PostMessageA(f, WM_KEYDOWN, VK_ESCAPE, 0); });
}

void ExpectFooters(const ddoc::Document& d) {
  const int pages = static_cast<int>(d.pages.size());
  for (int page = 1; page <= pages; ++page) {
    std::string footer;
    for (const ddoc::Item& it : d.pages[static_cast<size_t>(page - 1)].items)
      if (it.y == 28) footer += (footer.empty() ? "" : " ") + ddoc::ItemText(d, page, it);
    EXPECT_EQ(footer, std::to_string(page) + " of " + std::to_string(pages));
  }
}

std::vector<std::string> Bookmarks(const ddoc::Document& d) {
  std::vector<std::string> b;
  for (const auto& m : d.bookmarks) b.push_back(m.text);
  return b;
}

bool HasText(const ddoc::Document& d, const std::string& text) {
  for (const auto& page : d.pages)
    for (const auto& it : page.items)
      if (it.text == text) return true;
  return false;
}

class MureloDocuments : public ::testing::Test {
 protected:
  void SetUp() override {
    murelo::DimensionGlobals();
    murelo::StructureTitle = "Retaining Wall";
    murelo::CreateMainWindow(GetModuleHandleA(nullptr), SW_SHOWNOACTIVATE);
    murelo::testing::WriteWinklerJob("WALL9", 50, {{1, 20, 10}, {2, 10, 5}});
    JobSpec = "WALL9";
    murelo::LoadCaseName = "A";
    std::string output;
    ASSERT_EQ(murelo::RunSolveTool({"WALL9", "A", "elastic"}, output), 0) << output;
  }
  void TearDown() override {
    JobSpec.clear();
    if (murelo::MainWindow) DestroyWindow(murelo::MainWindow);
    // The main window's end posts the quit message: it must not end the next test's dialogs.
    wintest::DiscardMessages();
  }
  // A document with the two boxes of the save kinds answered (the second with `answer`).
  std::vector<std::string> Output(bool results, int mode, int answer) {
    std::vector<std::string> boxes;
    std::vector<wintest::Step> steps;
    const std::string caption = results ? "RESULTS File Information" : "DATA File Information";
    if (mode == 0 || mode == 1) {
      steps.push_back(WhenDialog(caption, [&](HWND box) {
        boxes.push_back(wintest::BoxText(box));
        wintest::AnswerBox(box, IDOK);
      }));
      steps.push_back(WhenDialog(caption, [&, answer](HWND box) {
        boxes.push_back(wintest::BoxText(box));
        wintest::AnswerBox(box, answer);
      }));
    }
    steps.push_back(ClosePreview());
    EXPECT_TRUE(RunScript(steps,
                          [results, mode] {
                            if (results) murelo::OutputResults(mode, murelo::MainWindow);
                            else murelo::OutputData(mode, murelo::MainWindow);
                          },
                          30000)
                    .finished);
    return boxes;
  }
  TestDirectory dir_;
};

// The chooser with recorders in place of the documents: the modes, the focus after each output
// and the caption, from the presentation command itself.
TEST_F(MureloDocuments, TheChooserPassesItsModesAndMovesTheFocus) {
  std::vector<std::string> outputs;
  std::string caption;
  HWND focusAfterData = nullptr, focusAfterResults = nullptr, dataButton = nullptr, resultsButton = nullptr;
  bool subclassed = true;
  OutputChooserProfile p = murelo::ChooserProfile();
  p.outputData = [&](int mode, HWND) { outputs.push_back("DATA " + std::to_string(mode)); };
  p.outputResults = [&](int mode, HWND) { outputs.push_back("RESULTS " + std::to_string(mode)); };
  EXPECT_TRUE(RunScript({WhenDialog(kCases, [](HWND d) { PostClick(d, IDOK); }),
                         WhenDialog(kChooser,
                                    [&](HWND d) {
                                      caption = wintest::WindowText(d);
                                      dataButton = GetDlgItem(d, kOkId);
                                      resultsButton = GetDlgItem(d, kFormCancelId);
                                      // Not subclassed: the buttons keep the system's procedure.
                                      WNDCLASSA cls{};
                                      GetClassInfoA(nullptr, "BUTTON", &cls);
                                      subclassed = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(dataButton, GWLP_WNDPROC)) !=
                                                   cls.lpfnWndProc;
                                      wintest::Click(d, kOkId);  // untouched: preview only
                                      focusAfterData = GetFocus();
                                      wintest::Click(d, kFirstOptionId);  // Save
                                      wintest::Click(d, kOkId);
                                      wintest::Click(d, kFirstOptionId + 1);  // Print, still saving
                                      wintest::Click(d, kFormCancelId);
                                      focusAfterResults = GetFocus();
                                      wintest::Click(d, kFirstOptionId);  // Print alone
                                      wintest::Click(d, kFormCancelId);
                                      PostClick(d, kExitId);
                                    })},
                        [&] { PresentationCommand(murelo::MainWindow, p); }, 20000)
                  .finished);
  EXPECT_EQ(caption, kChooser);
  EXPECT_FALSE(subclassed);
  EXPECT_EQ(outputs, (std::vector<std::string>{"DATA 4", "DATA 0", "RESULTS 1", "RESULTS 5"}));
  EXPECT_EQ(focusAfterData, resultsButton);
  EXPECT_EQ(focusAfterResults, dataButton);
}

TEST_F(MureloDocuments, TheDataDocumentIsKeptWithItsTextCopy) {
  std::vector<std::string> boxes = Output(false, 0, IDYES);
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[0],
            "DATA will be Saved in the PROGRAM Directory in 'WALL9_DATA.DDC' File.   \r\n\r\n"
            "Double Click at this File to View the DATA!");
  EXPECT_EQ(boxes[1],
            "DATA may also be Saved in the PROGRAM Directory\r\nin TEXT FILE 'WALL9_DATA.TXT'.   \r\n"
            "Do you want this File?");
  ddoc::Document d;
  ASSERT_EQ(ddoc::ReadDocumentFile("WALL9_DATA.DDC", d), ddoc::kDocFileOk);
  EXPECT_EQ(Bookmarks(d), (std::vector<std::string>{" Geometry Data", "WALL STEM Geometry Data",
                                                    " BASE PLATE SUPPORT Data", "WALL STEM SUPPORT Data", " LOAD Data",
                                                    "WALL STEM LOAD Data"}));
  EXPECT_TRUE(HasText(d, " Geometry & Material Properties Data:"));
  EXPECT_TRUE(HasText(d, "WALL STEM LOAD Data;   Load: A"));
  ExpectFooters(d);
  EXPECT_EQ(ReadBytes("WALL9_DATA.TXT"), ReadBytes("WALL9.GEO") + ReadBytes("WALL9.SUP") + ReadBytes("WALL9.LDA"));
}

TEST_F(MureloDocuments, TheResultsDocumentAndItsCopyOfTheReport) {
  std::vector<std::string> boxes = Output(true, 0, IDYES);
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[0],
            "RESULTS will be Saved in the PROGRAM Directory in 'WALL9_RESULTS.DDC' File.   \r\n\r\n"
            "Double Click at this File to View the RESULTS!");
  EXPECT_EQ(ReadBytes("WALL9_RESULTS.TXT"), ReadBytes("WALL9.RBA"));
  ddoc::Document d;
  ASSERT_EQ(ddoc::ReadDocumentFile("WALL9_RESULTS.DDC", d), ddoc::kDocFileOk);
  EXPECT_EQ(Bookmarks(d),
            (std::vector<std::string>{"BASE PLATE: Results of Analysis", "WALL STEM: Results of Analysis"}));
  EXPECT_TRUE(HasText(d, "Retaining Wall;   JOB: WALL9;   Load: A"));
  ExpectFooters(d);
}

TEST_F(MureloDocuments, NoTextCopyOnNoAndPreviewOnlyKeepsNoFile) {
  Output(false, 0, IDNO);
  EXPECT_TRUE(fs::exists("WALL9_DATA.DDC"));
  EXPECT_FALSE(fs::exists("WALL9_DATA.TXT"));
  Output(true, 4, IDNO);
  EXPECT_FALSE(fs::exists("WALL9_RESULTS.DDC"));
  EXPECT_FALSE(fs::exists("WALL9_RESULTS.TXT"));
}

}  // namespace
