// A dialog opened from a modal dialog belongs to that dialog whatever owner its caller names:
// when it ends, the main window under the first dialog stays disabled, so none of its commands
// runs while a dialog of the program is open.
#include <gtest/gtest.h>
#include <windows.h>

#include "win/dialogs.h"
#include "win/handles.h"
#include "win/messages.h"
#include "win/testing/wintest.h"

namespace {

using wintest::Do;
using wintest::RunScript;
using wintest::WhenDialog;

DialogTemplate Small(const char* caption) {
  DialogTemplate d = NewDialog(caption, 0, 0, 160, 60);
  AddButton(d, IDCANCEL, "&CANCEL", 60, 30, 40, 14);
  return d;
}

struct MainWindowFixture : ::testing::Test {
  HWND main = CreateWindowExA(0, "STATIC", "Main window", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 400, 300, nullptr,
                              nullptr, GetModuleHandleA(nullptr), nullptr);
  ~MainWindowFixture() override { DestroyWindow(main); }
};

TEST_F(MainWindowFixture, ANestedDialogNamedOverTheMainWindowBelongsToTheDialogThatOpenedIt) {
  HWND outer = nullptr, innerOwner = nullptr;
  bool mainEnabledUnderOuter = true, outerEnabledUnderInner = true, outerEnabledAfter = false;
  auto run = RunScript({WhenDialog("Outer", [&](HWND d) { outer = d; }),
                        Do([&] { ShowModalDialog(Small("Inner"), main, nullptr); }),
                        WhenDialog("Inner",
                                   [&](HWND d) {
                                     innerOwner = GetWindow(d, GW_OWNER);
                                     outerEnabledUnderInner = IsWindowEnabled(outer) != FALSE;
                                     wintest::PostClick(d, IDCANCEL);
                                   }),
                        [&] {
                          if (wintest::FindDialog("Inner")) return false;
                          mainEnabledUnderOuter = IsWindowEnabled(main) != FALSE;
                          outerEnabledAfter = IsWindowEnabled(outer) != FALSE;
                          EndDialog(outer, 1);
                          return true;
                        }},
                       [&] { ShowModalDialog(Small("Outer"), main, nullptr); });
  ASSERT_TRUE(run.finished);
  EXPECT_EQ(innerOwner, outer);
  EXPECT_FALSE(outerEnabledUnderInner);
  EXPECT_FALSE(mainEnabledUnderOuter);
  EXPECT_TRUE(outerEnabledAfter);
  EXPECT_TRUE(IsWindowEnabled(main));
}

TEST_F(MainWindowFixture, ABoxNamedOverTheMainWindowUnderADialogSitsOverTheDialog) {
  HWND outer = nullptr, boxOwner = nullptr;
  const bool ownerWas = ProgramMessages.ownerIsDialog;
  ProgramMessages.ownerIsDialog = true;
  bool mainEnabledAfter = true;
  auto run = RunScript({WhenDialog("Outer", [&](HWND d) { outer = d; }),
                        Do([&] {
                          int answer = 0;
                          ShowMessage(main, "A box", "BOX", MB_OK, answer);
                        }),
                        WhenDialog("BOX",
                                   [&](HWND box) {
                                     boxOwner = GetWindow(box, GW_OWNER);
                                     wintest::AnswerBox(box, IDOK);
                                   }),
                        [&] {
                          if (wintest::FindDialog("BOX")) return false;
                          mainEnabledAfter = IsWindowEnabled(main) != FALSE;
                          EndDialog(outer, 1);
                          return true;
                        }},
                       [&] { ShowModalDialog(Small("Outer"), main, nullptr); });
  ProgramMessages.ownerIsDialog = ownerWas;
  ASSERT_TRUE(run.finished);
  EXPECT_EQ(boxOwner, outer);
  EXPECT_FALSE(mainEnabledAfter);
}

}  // namespace
