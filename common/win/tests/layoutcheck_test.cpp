// The layout check of the GUI tests judges texts by where they stand: a panel's blank lines may
// hold other controls' texts, its text lines may not; and the walk through a case's windows
// checks each window and what the program gives a message box.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "win/dialogs.h"
#include "win/messages.h"
#include "win/testing/layout.h"
#include "win/testing/wintest.h"

namespace {

// The controls of this file's own dialogs.
constexpr int kPanelId = 101, kLabelId = 102;
constexpr int kWarnId = 55;  // the button that shows the warning

// A panel of three lines, the first two blank, and a label on one of its lines.
std::vector<std::string> PanelFaults(int labelTop) {
  DialogTemplate d = NewDialog("Panel", 0, 0, 200, 80);
  AddLabel(d, kPanelId, "\r\n\r\nthe third line of the panel", 10, 10, 150, 30);
  AddLabel(d, kLabelId, "a label", 10, labelTop, 100, 8);
  HWND dialog = CreateModelessDialog(d, nullptr, nullptr);
  ShowWindow(dialog, SW_SHOWNOACTIVATE);
  std::vector<std::string> faults = wintest::LayoutFaults(dialog);
  DestroyWindow(dialog);
  return faults;
}

TEST(LayoutFaults, ALabelInAPanelsBlankLineIsWholeAndOneOnItsTextOverlapsIt) {
  EXPECT_TRUE(PanelFaults(10).empty()) << wintest::Lines(PanelFaults(10));
  const std::vector<std::string> over = PanelFaults(26);
  ASSERT_EQ(over.size(), 1u) << wintest::Lines(over);
  EXPECT_NE(over[0].find("overlaps id 102"), std::string::npos) << over[0];
}

// A row of sunken headings right above a child window with an edge, as a table's headings stand
// above its page: the child's template places its client area, so its edge reaches above its top.
std::vector<std::string> HeadingFaults(int childTop) {
  DialogTemplate d = NewDialog("Heads", 0, 0, 200, 100);
  AddLabel(d, kLabelId, "h[m] Depth", 10, 10, 100, 11, SS_CENTER | SS_SUNKEN | SS_CENTERIMAGE);
  AddLine(d, kPanelId, 10, 15, 100, 2);  // a line drawn across covers nothing
  HWND dialog = CreateModelessDialog(d, nullptr, nullptr);
  DialogTemplate page = NewDialog("", 10, childTop, 100, 40, WS_CHILD | WS_VISIBLE | DS_CONTROL, WS_EX_CLIENTEDGE,
                                  DialogPlain);
  CreateModelessDialog(page, dialog, nullptr);
  ShowWindow(dialog, SW_SHOWNOACTIVATE);
  std::vector<std::string> faults = wintest::LayoutFaults(dialog);
  DestroyWindow(dialog);
  return faults;
}

TEST(LayoutFaults, AHeadingWhoseLastRowsAWindowWithoutTextCoversIsCut) {
  const std::vector<std::string> covered = HeadingFaults(21);
  ASSERT_EQ(covered.size(), 1u) << wintest::Lines(covered);
  EXPECT_EQ(covered[0], "\"Heads\" | Static id 102 \"h[m] Depth\": is covered by #32770 id 0") << covered[0];
  EXPECT_TRUE(HeadingFaults(23).empty()) << wintest::Lines(HeadingFaults(23));
}

// A dialog whose button 55 shows a warning box owned by it.
INT_PTR CALLBACK WarningDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM) {
  if (msg != WM_COMMAND || HIWORD(wParam) != BN_CLICKED) return FALSE;
  if (LOWORD(wParam) == kWarnId) {
    MessageBoxA(dialog, "Too long a text!", "WARNING!", WarningBoxStyle);
    return TRUE;
  }
  EndDialog(dialog, LOWORD(wParam));
  return TRUE;
}

void ShowWarningDialog(const char* label) {
  DialogTemplate d = NewDialog("Warner", 0, 0, 200, 60);
  AddLabel(d, kPanelId, label, 10, 10, 60, 8);
  AddButton(d, kWarnId, "&Ok", 10, 30, 40, 14);
  AddButton(d, IDCANCEL, "&Cancel", 60, 30, 40, 14);
  ShowModalDialog(d, nullptr, WarningDialogProc);
}

TEST(LayoutFaultsOfCases, EachWindowOfTheWayIsCheckedAndTheBoxByItsTextAndOwner) {
  const std::vector<wintest::LayoutCase> cases = {
      {"whole", [] { ShowWarningDialog("Short"); },
       {{"Warner", kWarnId, IDCANCEL}, {"WARNING!", 0, IDOK, nullptr, "Too long a text!"}}},
      {"cut", [] { ShowWarningDialog("A label far too long for its place"); },
       {{"Warner", kWarnId, IDCANCEL}, {"WARNING!", 0, IDOK, nullptr, "Another text"}}},
      {"missing", [] { ShowWarningDialog("Short"); }, {{"Nothing of that caption"}}},
  };
  // The boxes of Trabix, Palvore and Murelo are owned by the dialog that raised them.
  const MessageProfile was = ProgramMessages;
  ProgramMessages.ownerIsDialog = true;
  const std::vector<std::string> faults = wintest::LayoutFaultsOfCases(cases, 3000);
  // Corvane's have no owner: a box owned by the dialog is a fault there.
  ProgramMessages.ownerIsDialog = false;
  const std::vector<std::string> ownerless = wintest::LayoutFaultsOfCases({cases[0]}, 3000);
  ProgramMessages = was;
  ASSERT_EQ(faults.size(), 3u) << wintest::Lines(faults);
  EXPECT_EQ(faults[0].rfind("cut: \"Warner\" | Static id 101", 0), 0u) << faults[0];
  EXPECT_EQ(faults[1], "cut: \"WARNING!\" box: says \"Too long a text!\", not \"Another text\"");
  EXPECT_EQ(faults[2], "missing: window 1 \"Nothing of that caption\" did not come");
  ASSERT_EQ(ownerless.size(), 1u) << wintest::Lines(ownerless);
  EXPECT_EQ(ownerless[0], "whole: \"WARNING!\" box: owned by \"Warner\", not by no window");
}

}  // namespace
