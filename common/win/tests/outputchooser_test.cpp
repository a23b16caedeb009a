// The output chooser under Wine: its controls, the four output modes, staying open after each
// output, and the presentation command that shows nothing after a cancelled load-case choice.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "core/globals.h"
#include "win/ids.h"
#include "win/outputchooser.h"
#include "win/testing/wintest.h"
#include "win/tests/colourprobe.h"

namespace {

using wintest::RunScript;
using wintest::WindowText;
using wintest::WhenDialog;


const char* const kCaption = " TANK;  Job: C:\\TANKS\\T1; Load: WIND";

struct Recorder {
  std::vector<std::string> outputs;
  std::string loadCase = "WIND";
  short preview = 7;
  OutputChooserProfile Profile() {
    OutputChooserProfile p;
    p.structureTitle = "TANK";
    p.loadCaseName = &loadCase;
    p.preview = &preview;
    p.outputData = [this](int mode, HWND parent) {
      outputs.push_back("DATA " + std::to_string(mode) + (parent ? "" : " no parent"));
    };
    p.outputResults = [this](int mode, HWND) { outputs.push_back("RESULTS " + std::to_string(mode)); };
    return p;
  }
};

TEST(OutputChooser, ModesAndCaptions) {
  EXPECT_EQ(OutputMode(true, true), 0);
  EXPECT_EQ(OutputMode(true, false), 4);
  EXPECT_EQ(OutputMode(false, true), 1);
  EXPECT_EQ(OutputMode(false, false), 5);
  EXPECT_EQ(OutputChooserCaption("TANK", "C:\\J", "W"), " TANK;  Job: C:\\J; Load: W");
  EXPECT_EQ(PresentationCaption("TANK", "C:\\J", "W"), "     TANK ANALYSIS.   JOB: C:\\J     Load Case: W");
}

TEST(OutputChooser, ControlsTextsAndPositions) {
  JobSpec = "C:\\TANKS\\T1";
  Recorder r;
  OutputChooserProfile p = r.Profile();
  const struct {
    int id;
    const char* text;
    int x, y, w, h;
  } controls[] = {{kHeadingId, "PREVIEW/PRINT/SAVE DATA/RESULTS DIALOG:", 40, 22, 210, 10},
                  {kRuleId, "", 40, 32, 210, 2},
                  {kChooserPromptId, "Select one of the following Options", 10, 47, 192, 13},
                  {kChooserDataId, "&DATA", 10, 61, 192, 14},
                  {kChooserResultsId, "&RESULTS", 10, 75, 192, 14},
                  {kExitId, "&EXIT", 124, 98, 40, 14},
                  {kChooserSaveId, "&Save", 215, 47, 60, 14},
                  {kChooserPrintId, "&Print", 215, 61, 60, 14},
                  {kChooserPreviewId, "Pre&view", 215, 75, 60, 14}};
  bool checked = false;
  auto result = RunScript({WhenDialog(kCaption,
                                      [&](HWND d) {
                                        for (const auto& c : controls) {
                                          HWND w = GetDlgItem(d, c.id);
                                          ASSERT_NE(w, nullptr) << c.id;
                                          EXPECT_EQ(WindowText(w), c.text) << c.id;
                                          RECT want = {c.x, c.y, c.x + c.w, c.y + c.h};
                                          MapDialogRect(d, &want);
                                          RECT got;
                                          GetWindowRect(w, &got);
                                          MapWindowPoints(nullptr, d, reinterpret_cast<POINT*>(&got), 2);
                                          EXPECT_EQ(got.left, want.left) << c.id;
                                          EXPECT_EQ(got.top, want.top) << c.id;
                                          if (c.id == kRuleId || c.id == kChooserPromptId) continue;  // the edge styles size these
                                          EXPECT_EQ(got.right, want.right) << c.id;
                                          EXPECT_EQ(got.bottom, want.bottom) << c.id;
                                        }
                                        EXPECT_EQ(IsDlgButtonChecked(d, kChooserSaveId), BST_UNCHECKED);
                                        EXPECT_EQ(IsDlgButtonChecked(d, kChooserPrintId), BST_UNCHECKED);
                                        EXPECT_EQ(IsDlgButtonChecked(d, kChooserPreviewId), BST_CHECKED);
                                        EXPECT_EQ(GetFocus(), GetDlgItem(d, kOkId));
                                        RECT box;
                                        GetClientRect(d, &box);
                                        RECT size = {0, 0, 288, 133};
                                        MapDialogRect(d, &size);
                                        EXPECT_EQ(box.right, size.right);
                                        checked = true;
                                        wintest::Click(d, kExitId);
                                      })},
                          [&] { EXPECT_EQ(ShowOutputChooser(nullptr, p), 0); });
  EXPECT_TRUE(result.finished);
  EXPECT_TRUE(checked);
  EXPECT_EQ(r.preview, 1);  // set when the chooser is built
  EXPECT_TRUE(r.outputs.empty());
}

TEST(OutputChooser, ColoursItsHeadingPromptAndChoices) {
  JobSpec = "C:\\TANKS\\T1";
  Recorder r;
  OutputChooserProfile p = r.Profile();
  const COLORREF navy = RGB(0, 0, 128), rose = RGB(255, 235, 225);
  bool checked = false;
  auto result = RunScript({WhenDialog(kCaption,
                                      [&](HWND d) {
                                        ExpectColours(d, {{WM_CTLCOLORSTATIC, kHeadingId, RGB(230, 230, 255), navy},
                                                          {WM_CTLCOLORSTATIC, kChooserPromptId, RGB(255, 255, 225), navy},
                                                          {WM_CTLCOLORSTATIC, kChooserSaveId, RGB(225, 255, 225), navy},
                                                          {WM_CTLCOLORSTATIC, kChooserPrintId, rose, navy},
                                                          {WM_CTLCOLORBTN, kChooserPreviewId, rose, navy},
                                                          // the buttons keep the system's colours
                                                          {WM_CTLCOLORBTN, kChooserDataId, GetSysColor(COLOR_BTNFACE), GetSysColor(COLOR_WINDOWTEXT)}});
                                        checked = true;
                                        wintest::Click(d, kExitId);
                                      })},
                          [&] { ShowOutputChooser(nullptr, p); });
  EXPECT_TRUE(result.finished);
  EXPECT_TRUE(checked);
}

TEST(OutputChooser, FourModesAndStaysOpen) {
  JobSpec = "C:\\TANKS\\T1";
  Recorder r;
  OutputChooserProfile p = r.Profile();
  HWND chooser = nullptr;
  std::vector<std::string> focusAfter;
  auto result = RunScript(
      {WhenDialog(kCaption,
                  [&](HWND d) {
                    chooser = d;
                    wintest::Click(d, kChooserSaveId);  // Save on
                    wintest::Click(d, kOkId);   // preview + save: 0
                    focusAfter.push_back(std::to_string(GetDlgCtrlID(GetFocus())));
                    wintest::Click(d, kChooserSaveId);  // Save off
                    wintest::Click(d, kFormCancelId);   // preview only: 4
                    focusAfter.push_back(std::to_string(GetDlgCtrlID(GetFocus())));
                    wintest::Click(d, kChooserPrintId);  // Print
                    EXPECT_EQ(r.preview, 0);
                    wintest::Click(d, kChooserSaveId);  // Save on
                    wintest::Click(d, kOkId);   // print + save: 1
                    wintest::Click(d, kChooserSaveId);  // Save off
                    wintest::Click(d, kFormCancelId);   // print only: 5
                    wintest::Click(d, kChooserPreviewId);
                    EXPECT_EQ(r.preview, 1);
                    EXPECT_TRUE(IsWindow(d));
                    EXPECT_TRUE(IsWindowEnabled(d));
                    wintest::Click(d, kExitId);
                  })},
      [&] { ShowOutputChooser(nullptr, p); });
  EXPECT_TRUE(result.finished);
  EXPECT_EQ(r.outputs, (std::vector<std::string>{"DATA 0", "RESULTS 4", "DATA 1", "RESULTS 5"}));
  EXPECT_EQ(focusAfter, (std::vector<std::string>{std::to_string(kChooserResultsId), std::to_string(kChooserDataId)}));
}

TEST(OutputChooser, PresentationCommandAfterTheLoadCaseChoice) {
  JobSpec = "C:\\TANKS\\T1";
  HWND owner = CreateWindowExA(0, "STATIC", "Main caption", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr, nullptr,
                               GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(owner, nullptr);
  // Cancelled: no chooser, caption unchanged.
  Recorder r;
  r.loadCase = " WIND ";
  OutputChooserProfile p = r.Profile();
  int answer = -1, asked = 0;
  p.answer = &answer;
  p.chooseLoadCase = [&] {
    ++asked;
    return 0;
  };
  PresentationCommand(owner, p);
  EXPECT_EQ(asked, 1);
  EXPECT_EQ(answer, 0);
  EXPECT_EQ(WindowText(owner), "Main caption");
  EXPECT_EQ(r.loadCase, " WIND ");
  // Chosen: caption with the case as chosen, the case trimmed, the chooser shown.
  p.chooseLoadCase = [] { return 1; };
  bool shown = false;
  auto result = RunScript({WhenDialog(kCaption,
                                      [&](HWND d) {
                                        shown = true;
                                        wintest::Click(d, kExitId);
                                      })},
                          [&] { PresentationCommand(owner, p); });
  EXPECT_TRUE(result.finished);
  EXPECT_TRUE(shown);
  EXPECT_EQ(answer, 1);
  EXPECT_EQ(WindowText(owner), "     TANK ANALYSIS.   JOB: C:\\TANKS\\T1     Load Case:  WIND ");
  EXPECT_EQ(r.loadCase, "WIND");
  DestroyWindow(owner);
}

// A program's own form: one blank before "Job:", the chooser centred on the screen, and the two
// document buttons left with the button's own key procedure.
TEST(OutputChooser, ProfileGivesCaptionGapPlaceAndKeyProcedure) {
  JobSpec = "C:\\TANKS\\T1";
  EXPECT_EQ(OutputChooserCaption("TANK", "C:\\J", "W", " "), " TANK; Job: C:\\J; Load: W");
  Recorder r;
  OutputChooserProfile p = r.Profile();
  p.captionGap = " ";
  p.centred = true;
  p.subclassButtons = false;
  bool checked = false;
  auto result = RunScript({WhenDialog(" TANK; Job: C:\\TANKS\\T1; Load: WIND",
                                      [&](HWND d) {
                                        RECT box;
                                        GetWindowRect(d, &box);
                                        // CenterWindow's place (dialogs.h).
                                        int w = box.right - box.left, h = box.bottom - box.top;
                                        EXPECT_EQ(box.left, (GetSystemMetrics(SM_CXSCREEN) - w) / 2);
                                        EXPECT_EQ(box.top, (GetSystemMetrics(SM_CYSCREEN) - (h + GetSystemMetrics(SM_CYCAPTION))) / 2 + 7);
                                        // "&DATA" runs the same procedure as "&EXIT", never subclassed.
                                        EXPECT_EQ(GetWindowLongPtrA(GetDlgItem(d, kOkId), GWLP_WNDPROC),
                                                  GetWindowLongPtrA(GetDlgItem(d, kExitId), GWLP_WNDPROC));
                                        checked = true;
                                        wintest::Click(d, kExitId);
                                      })},
                          [&] { ShowOutputChooser(nullptr, p); });
  EXPECT_TRUE(result.finished);
  EXPECT_TRUE(checked);
  // The default form subclasses them.
  p = r.Profile();
  checked = false;
  result = RunScript({WhenDialog(kCaption,
                                 [&](HWND d) {
                                   EXPECT_NE(GetWindowLongPtrA(GetDlgItem(d, kOkId), GWLP_WNDPROC),
                                             GetWindowLongPtrA(GetDlgItem(d, kExitId), GWLP_WNDPROC));
                                   checked = true;
                                   wintest::Click(d, kExitId);
                                 })},
                     [&] { ShowOutputChooser(nullptr, p); });
  EXPECT_TRUE(result.finished);
  EXPECT_TRUE(checked);
}

}  // namespace
