#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "core/globals.h"
#include "corvane/core/globals.h"
#include "corvane/entry/entry.h"
#include "corvane/entry/ids.h"
#include "corvane/entry/tests/formsamples.h"
#include "win/ids.h"
#include "win/tests/colourprobe.h"
#include "win/testing/keys.h"
#include "win/testing/wintest.h"

namespace corvane {
namespace {

using wintest::Do;
using wintest::RunScript;
using wintest::WhenDialog;

const char* const kCaption = "   TANK ANALYSIS.   JOB: C:\\T\\T1";
const char* const kShellBox = "Incorrect SHELL Data!\r\n\r\n      Correct the Data!         ";

// A tank whose wall and roof have a radius of 6 m.
void Tank() { ShellRoofTank("C:\\T\\T1", 6, 4); }

bool Visible(HWND d, int id) { return IsWindowVisible(GetDlgItem(d, id)) != 0; }

TEST(RoofShellDialog, ShowsItsFieldsAndTheDomeRadiusOnlyForADome) {
  Tank();
  std::vector<std::string> texts;
  std::vector<int> state;
  HWND dialog = nullptr;
  auto look = [&] {
    state.push_back(Visible(dialog, kRadius) ? 1 : 0);
    state.push_back(Visible(dialog, kRadiusLabel) ? 1 : 0);
    state.push_back(IsDlgButtonChecked(dialog, kDome) == BST_CHECKED ? 1 : 0);
    state.push_back(RoofType);
  };
  auto run = RunScript({WhenDialog(kCaption,
                                   [&](HWND d) {
                                     dialog = d;
                                     for (int id : {120, 298, 301, 201, 202, 203, 302, 303, 304, 305, 241, 242, 306, 307, 309, 55, 56})
                                       texts.push_back(wintest::GetText(d, id));
                                     look();
                                   }),
                        Do([&] { wintest::Click(dialog, kCone); }), Do(look),
                        Do([&] { wintest::Click(dialog, kDome); }),
                        Do([&] {
                          look();
                          state.push_back(GetDlgCtrlID(GetFocus()));
                          wintest::Click(dialog, kFormCancelId);
                        })},
                       [] { ShowModalDialog(RoofShellDialog(), nullptr, RoofShellDialogProc); });
  ASSERT_TRUE(run.finished);
  ASSERT_EQ(texts.size(), 17u);
  EXPECT_EQ(texts[0], " ROOF SHELL GEOMETRY DATA:");
  EXPECT_EQ(texts[1].substr(0, 60), "  The Shell Geometry can be given in terms of Coordinates of");
  EXPECT_EQ(std::vector<std::string>(texts.begin() + 2, texts.end()),
            (std::vector<std::string>{"SELECT ROOF TYPE", " DOME Roof", " CONICAL Roof", " Uniform Element Width",
                                      "x-Coordinate [m]", "z-Coordinate [m]", "FIRST  Point:", "SECOND Point:", "0", "",
                                      "6", "0.0", " Dome Radius [m] ", "&Ok", "&Cancel"}));
  // dome at opening; cone hides the radius; dome shows it again and puts the focus on it
  EXPECT_EQ(state, (std::vector<int>{1, 1, 1, 1, 0, 0, 0, 2, 1, 1, 1, 1, 243}));
  EXPECT_EQ(DialogStatus, "ZZZ");
}

TEST(RoofShellDialog, ColoursTheDialogAndEachGroupOfControls) {
  Tank();
  const COLORREF back = RGB(230, 240, 255), darkBlue = RGB(0, 0, 160), darkRed = RGB(128, 0, 0),
                 black = RGB(0, 0, 0), white = RGB(255, 255, 255);
  auto run = RunScript({WhenDialog(kCaption, [&](HWND d) {
                          ExpectColours(d, {{WM_CTLCOLORDLG, 0, back, RGB(1, 2, 3)},
                                            {WM_CTLCOLOREDIT, kX1, RGB(255, 255, 200), darkBlue},  // focused
                                            {WM_CTLCOLOREDIT, kZ1, white, darkBlue},
                                            {WM_CTLCOLORSTATIC, kShellNoteId, RGB(255, 250, 230), black},
                                            {WM_CTLCOLORSTATIC, kDome, RGB(0, 0, 128), white},
                                            {WM_CTLCOLORSTATIC, kUniform, RGB(0, 0, 128), white},
                                            {WM_CTLCOLORSTATIC, kSecondZId, RGB(210, 225, 255), black},
                                            {WM_CTLCOLORSTATIC, kHeadingId, back, darkRed},
                                            {WM_CTLCOLORSTATIC, kRoofTypeHeadingId, back, darkRed},
                                            {WM_CTLCOLORSTATIC, kFirstPointId, back, darkBlue},
                                            {WM_CTLCOLORBTN, kOkId, back, darkBlue}});
                          wintest::Click(d, kFormCancelId);
                        })},
                       [] { ShowModalDialog(RoofShellDialog(), nullptr, RoofShellDialogProc); });
  ASSERT_TRUE(run.finished);
}

TEST(RoofShellDialog, EnterWalksTheFieldsAndPressesOkOnceFromTheLast) {
  const struct {
    bool cone;
    std::vector<int> focus;
  } cases[] = {{false, {241, 242, 243}}, {true, {241, 242}}};
  for (const auto& c : cases) {
    Tank();
    wintest::TraceCapture trace;
    std::vector<int> focus;
    HWND dialog = nullptr;
    auto enter = Do([&] {
      focus.push_back(GetDlgCtrlID(GetFocus()));
      wintest::PressReturnOn(GetFocus());
    });
    std::vector<wintest::Step> steps = {WhenDialog(kCaption, [&](HWND d) {
      dialog = d;
      if (c.cone) wintest::Click(d, kCone);
      wintest::SetText(d, kX1, "7");  // beyond the roof: refused when Ok is pressed
      SetFocus(GetDlgItem(d, kX1));
    })};
    for (size_t k = 0; k < c.focus.size(); ++k) steps.push_back(enter);
    steps.push_back(WhenDialog("WARNING!", [](HWND box) { wintest::AnswerBox(box, IDOK); }));
    steps.push_back(Do([&] { wintest::Click(dialog, kFormCancelId); }));
    auto run = RunScript(steps, [] { ShowModalDialog(RoofShellDialog(), nullptr, RoofShellDialogProc); });
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(focus, c.focus);
    auto boxes = trace.Records("BOX");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0][2], kShellBox);
    EXPECT_EQ(trace.Records("TONE").size(), 4u);
  }
}

TEST(RoofShellDialog, AcceptsAndRefusesShapes) {
  const struct {
    const char* name;
    bool cone, uniform;
    const char* x1;
    const char* z1;
    const char* radius;
    std::vector<std::string> accepted;  // empty: refused with the shell message
  } cases[] = {
      {"cone from the axis", true, true, "0", "2", "", {"", "0", "2", "6", "0.0", "2", "", "UNIFORM"}},
      {"dome through a point", false, false, "0", "2", "", {"", "0", "2", "6", "0.0", "1", "0", "NON-UNIFORM"}},
      {"dome of a radius", false, true, "0", "0", "10", {"", "0", "0", "6", "0.0", "1", "10", "UNIFORM"}},
      {"first point on the wall top", true, false, "5.99995", "1", "", {}},
      {"first point beyond the roof", true, false, "6.5", "0", "", {}},
      {"inside the wall below its top", true, false, "2", "-1", "", {}},
      {"dome without radius, level point", false, false, "2", "0", "", {}},
      {"dome centre above the wall top", false, false, "0", "7", "", {}},
      {"dome radius short of the roof", false, false, "0", "1", "5", {}},
  };
  for (const auto& c : cases) {
    Tank();
    wintest::TraceCapture trace;
    INT_PTR end = -1;
    HWND dialog = nullptr;
    std::vector<wintest::Step> steps = {WhenDialog(kCaption, [&](HWND d) {
      dialog = d;
      if (c.cone) wintest::Click(d, kCone);
      if (c.uniform) wintest::Click(d, kUniform);
      wintest::SetText(d, kX1, c.x1);
      wintest::SetText(d, kZ1, c.z1);
      wintest::SetText(d, kRadius, c.radius);
      wintest::PostClick(d, kOkId);
    })};
    if (c.accepted.empty()) {
      steps.push_back(WhenDialog("WARNING!", [](HWND box) { wintest::AnswerBox(box, IDOK); }));
      steps.push_back(Do([&] { wintest::Click(dialog, kFormCancelId); }));
    }
    auto run = RunScript(steps, [&] { end = ShowModalDialog(RoofShellDialog(), nullptr, RoofShellDialogProc); });
    ASSERT_TRUE(run.finished) << c.name;
    if (c.accepted.empty()) {
      EXPECT_EQ(end, 0) << c.name;
      ASSERT_EQ(trace.Records("BOX").size(), 1u) << c.name;
      EXPECT_EQ(trace.Records("BOX")[0][2], kShellBox) << c.name;
    } else {
      EXPECT_EQ(end, 1) << c.name;
      EXPECT_TRUE(trace.Records("BOX").empty()) << c.name;
      EXPECT_EQ(FieldTexts, c.accepted) << c.name;
    }
  }
}

}  // namespace
}  // namespace corvane
