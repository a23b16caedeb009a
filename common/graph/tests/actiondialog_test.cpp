// The shared structural action dialog under Wine: its texts from the profile, its colours, the
// plot routine given the checked action with the next one checked afterwards (the first after the
// last), a press with nothing checked, and "&CANCEL" ending it with 1.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "graph/actiondialog.h"
#include "win/testing/wintest.h"
#include "win/tests/colourprobe.h"

namespace {

using wintest::Click;
using wintest::RunScript;
using wintest::WhenDialog;

ActionDialogProfile Profile(std::vector<int>& plotted) {
  ActionDialogProfile p;
  p.caption = "A CAPTION LONGER THAN EIGHTY CHARACTERS: JOB Z:\\SOME\\DEEP\\FOLDER\\JOB1     Load Case: Dead load";
  p.heading = "PART: SELECTION OF STRUCTURAL ACTION";
  p.options = {"First &Action", "Second A&ction", "&Third Action"};
  p.plot = [&plotted](HWND, int action) { plotted.push_back(action); };
  return p;
}

int Checked(HWND d) { return FirstCheckedButton(d, kFirstActionOption, kFirstActionOption + 2); }

TEST(ActionDialog, PlotsTheCheckedActionAndChecksTheNext) {
  std::vector<int> plotted;
  ActionDialogProfile profile = Profile(plotted);
  std::vector<int> checked;
  std::string heading, third;
  int end = -1;
  auto run = RunScript({WhenDialog(profile.caption,
                                   [&](HWND d) {
                                     heading = wintest::GetText(d, kActionHeading);
                                     third = wintest::GetText(d, kFirstActionOption + 2);
                                     checked.push_back(Checked(d));
                                     Click(d, kPlotActionButton);
                                     checked.push_back(Checked(d));
                                     CheckRadioButton(d, kFirstActionOption, kFirstActionOption + 2,
                                                      kFirstActionOption + 2);
                                     Click(d, kPlotActionButton);
                                     checked.push_back(Checked(d));
                                     CheckDlgButton(d, kFirstActionOption, BST_UNCHECKED);
                                     Click(d, kPlotActionButton);
                                     checked.push_back(Checked(d));
                                     wintest::PostClick(d, kActionCancel);
                                   })},
                       [&] { end = ShowActionSelectionDialog(nullptr, profile); });
  EXPECT_TRUE(run.finished);
  EXPECT_EQ(end, 1);
  EXPECT_EQ(heading, profile.heading);
  EXPECT_EQ(third, "&Third Action");
  EXPECT_EQ(plotted, (std::vector<int>{1, 3}));
  EXPECT_EQ(checked, (std::vector<int>{kFirstActionOption, kFirstActionOption + 1, kFirstActionOption, 0}));
}

TEST(ActionDialog, OptionsYellowOnTealThePlotButtonOnGreenTheRestOnLightYellow) {
  std::vector<int> plotted;
  ActionDialogProfile profile = Profile(plotted);
  auto run = RunScript({WhenDialog(profile.caption,
                                   [](HWND d) {
                                     ExpectColours(d, {{WM_CTLCOLORSTATIC, kFirstActionOption, RGB(0, 128, 128),
                                                        RGB(255, 255, 0)},
                                                       {WM_CTLCOLORSTATIC, kFirstActionOption + 2, RGB(0, 128, 128),
                                                        RGB(255, 255, 0)},
                                                       {WM_CTLCOLORSTATIC, kActionHeading, RGB(255, 255, 200),
                                                        RGB(0, 0, 0)},
                                                       {WM_CTLCOLORBTN, kPlotActionButton, RGB(70, 186, 155),
                                                        RGB(0, 0, 0)},
                                                       {WM_CTLCOLORDLG, 0, RGB(255, 255, 200), RGB(1, 2, 3)}});
                                     wintest::PostClick(d, kActionCancel);
                                   })},
                       [&] { ShowActionSelectionDialog(nullptr, profile); });
  EXPECT_TRUE(run.finished);
  EXPECT_TRUE(plotted.empty());
}

// PLOT pressed with Enter on a job without results, and the warning box closed with Return, both
// typed as the keyboard's input: the key-down of the second Return ends the box and its release
// comes to the dialog. The release must not act there: one plot, the option moved once by that
// plot, the focus still on the plot button.
TEST(ActionDialog, TheReturnThatClosesAWarningOverItActsOnlyOnTheBox) {
  std::vector<int> plotted;
  ActionDialogProfile profile = Profile(plotted);
  profile.plot = [&plotted](HWND dialog, int action) {
    plotted.push_back(action);
    MessageBoxA(dialog, "Results File is Missing! Analyse the Structure!", "WARNING!", MB_OK | MB_ICONWARNING);
  };
  auto type = [](BYTE key) {
    keybd_event(key, static_cast<BYTE>(MapVirtualKeyA(key, 0)), 0, 0);
    keybd_event(key, static_cast<BYTE>(MapVirtualKeyA(key, 0)), KEYEVENTF_KEYUP, 0);
  };
  int checked = -1, boxes = 0;
  HWND focusAfter = nullptr, plot = nullptr, dialog = nullptr;
  auto run = RunScript({WhenDialog(profile.caption,
                                   [&](HWND d) {
                                     dialog = d;
                                     plot = GetDlgItem(d, kPlotActionButton);
                                     SetForegroundWindow(d);
                                     SetFocus(plot);
                                     type(VK_RETURN);
                                   }),
                        WhenDialog("WARNING!",
                                   [&](HWND box) {
                                     ++boxes;
                                     SetForegroundWindow(box);
                                     type(VK_RETURN);
                                   }),
                        [&] { return !wintest::FindDialog("WARNING!") && GetAsyncKeyState(VK_RETURN) >= 0; },
                        wintest::Do([] {}),
                        wintest::Do([&] {
                          checked = Checked(dialog);
                          focusAfter = GetFocus();
                          if (HWND again = wintest::FindDialog("WARNING!")) EndDialog(again, IDOK);
                          wintest::PostClick(dialog, kActionCancel);
                        })},
                       [&] { ShowActionSelectionDialog(nullptr, profile); });
  EXPECT_TRUE(run.finished);
  EXPECT_EQ(boxes, 1);
  EXPECT_EQ(plotted, (std::vector<int>{1}));
  EXPECT_EQ(checked, kFirstActionOption + 1);
  EXPECT_EQ(focusAfter, plot);
}

}  // namespace
