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

}  // namespace
