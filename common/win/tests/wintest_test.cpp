#include <gtest/gtest.h>
#include <windows.h>

#include "win/dialogs.h"
#include "win/messages.h"
#include "win/testing/wintest.h"

namespace {

TEST(RunScript, AScriptThatNeverFindsItsWindowEndsTheOpenDialogsAndReportsTheTimeout) {
  DialogTemplate d = NewDialog("Waiting", 0, 0, 120, 60);
  INT_PTR result = -5;
  int answer = -5;
  DWORD start = GetTickCount();
  auto run = wintest::RunScript({wintest::Do([] {}), wintest::WhenDialog("Never shown", [](HWND) {})},
                                [&] {
                                  result = ShowModalDialog(d, nullptr, nullptr);
                                  answer = ShowMessageBox("Also ended", InfoBoxStyle, "Box");
                                },
                                400);
  EXPECT_FALSE(run.finished);
  EXPECT_TRUE(run.timedOut);
  EXPECT_EQ(run.stepsDone, 1u);
  EXPECT_EQ(result, 0);
  EXPECT_LT(GetTickCount() - start, 5000u);
  EXPECT_EQ(answer, 0);
}

TEST(RunScript, AStepThatOpensAModalWindowLetsTheNextStepsRunInsideIt) {
  std::string seen;
  DialogTemplate d = NewDialog("Outer step", 0, 0, 120, 60);
  HWND outer = nullptr;
  int answer = 0;
  auto run = wintest::RunScript(
      {wintest::WhenDialog("Outer step",
                           [&](HWND h) {
                             outer = h;
                             // Blocks in the box's loop until the next step answers it.
                             answer = ShowMessageBox("Inner", QuestionBoxStyle, "Inner box");
                             EndDialog(outer, 9);
                           }),
       wintest::WhenDialog("Inner box",
                           [&](HWND box) {
                             seen = wintest::BoxText(box);
                             wintest::AnswerBox(box, IDYES);
                           })},
      [&] { EXPECT_EQ(ShowModalDialog(d, nullptr, nullptr), 9); });
  EXPECT_TRUE(run.finished);
  EXPECT_EQ(seen, "Inner");
  EXPECT_EQ(answer, IDYES);
}

}  // namespace
