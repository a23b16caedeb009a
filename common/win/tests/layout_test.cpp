// The layout check of the GUI tests judged on dialogs made to show each kind of fault, and the
// walk through a case's windows: each window checked, a message box by what the program gives it.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "win/dialogs.h"
#include "win/messages.h"
#include "win/testing/layout.h"
#include "win/testing/wintest.h"

namespace {

// The controls of this file's own dialogs, in the order they are made.
constexpr int kFirstControlId = 10, kSecondControlId = 11, kThirdControlId = 12, kFourthControlId = 13;
constexpr int kWarnId = 55;  // the button that shows the warning

// The faults of a dialog as built, shown modal and ended by the test (a line of its own when it
// did not come or did not close).
std::vector<std::string> FaultsOf(const DialogTemplate& d) {
  return wintest::LayoutFaultsOfCases(
      {{d.caption, [&] { ShowModalDialog(d, nullptr, nullptr); }, {{d.caption, 0, wintest::kEndWithZero}}}});
}

bool Has(const std::vector<std::string>& faults, const std::string& part) {
  for (const std::string& f : faults)
    if (f.find(part) != std::string::npos) return true;
  return false;
}

// Of a label only the lines its text takes count: a tall label whose text takes its top line is
// a panel, and labels set on the blank lines of an explanation overlap none of its text; a label
// over a line of text does.
TEST(LayoutFaults, OfALabelOnlyTheLinesItsTextTakesCount) {
  struct Label {
    int id;
    const char* text;
    int x, y, width, height;
  };
  const struct {
    const char* name;
    std::vector<Label> labels;
    const char* fault;  // the one fault
  } cases[] = {
      {"panel",
       {{kFirstControlId, "The heading of the panel", 5, 5, 190, 80}, {kSecondControlId, "Below the heading", 10, 40, 100, 10},
        {kThirdControlId, "Over it", 10, 6, 100, 10}},
       "id 10 \"The heading of the panel\": overlaps id 12"},
      {"blank lines",
       {{kFirstControlId, "\r\n\r\nThe third line\r\n\r\nThe fifth line", 5, 5, 150, 80}, {kSecondControlId, "On the first", 10, 5, 100, 8},
        {kThirdControlId, "On the fourth", 10, 29, 100, 8}, {kFourthControlId, "On the fifth", 10, 37, 100, 8}},
       "overlaps id 13"},
  };
  for (const auto& c : cases) {
    DialogTemplate d = NewDialog(c.name, 0, 0, 200, 100);
    for (const Label& l : c.labels) AddLabel(d, l.id, l.text, l.x, l.y, l.width, l.height, SS_LEFT);
    const std::vector<std::string> faults = FaultsOf(d);
    EXPECT_EQ(faults.size(), 1u) << c.name << ":\n" << wintest::Lines(faults);
    EXPECT_TRUE(Has(faults, c.fault)) << c.name << ":\n" << wintest::Lines(faults);
  }
}

// The faults the check is there for: a text cut, a control outside the client area, two texts
// over each other.
TEST(LayoutFaults, NamesACutTextAControlOutsideAndAnOverlap) {
  DialogTemplate d = NewDialog("Faults", 0, 0, 200, 100);
  AddLabel(d, kFirstControlId, "A text far too long for its narrow rectangle", 5, 5, 40, 10, SS_LEFTNOWORDWRAP);
  AddButton(d, kSecondControlId, "&Outside", 180, 80, 40, 14);
  AddLabel(d, kThirdControlId, "First", 5, 50, 60, 10, SS_LEFT);
  AddLabel(d, kFourthControlId, "Second", 30, 50, 60, 10, SS_LEFT);
  const std::vector<std::string> faults = FaultsOf(d);
  EXPECT_EQ(faults.size(), 3u) << wintest::Lines(faults);
  EXPECT_TRUE(Has(faults, "id 10 \"A text far too long for its narrow rectangle\": text is")) << wintest::Lines(faults);
  EXPECT_TRUE(Has(faults, "id 11 \"&Outside\": lies at")) << wintest::Lines(faults);
  EXPECT_TRUE(Has(faults, "id 12 \"First\": overlaps id 13")) << wintest::Lines(faults);
}

// Two items of one dialog on the same Alt letter (case does not count; "&&" is no letter), and a
// wrapping title whose second line its one-line rectangle loses.
TEST(LayoutFaults, NamesASharedAltLetterAndAWrappedTitleCutBelow) {
  DialogTemplate d = NewDialog("Letters", 0, 0, 240, 100);
  AddCheckBox(d, kFirstControlId, "Plate &Inner Edge Fixed", 5, 5, 150, 12);
  AddOption(d, kSecondControlId, "Plate on &isotropic soil", 5, 20, 150, 12);
  AddButton(d, kThirdControlId, "Fish && &Chips", 5, 40, 70, 14);
  AddButton(d, kFourthControlId, "&Cancel", 80, 40, 40, 14);
  AddLabel(d, kWarnId, " BASE PLATE: TRAPEZOIDAL LOAD DATA.   Load Case: SERVICE", 5, 70, 150, 10, SS_CENTER);
  const std::vector<std::string> faults = FaultsOf(d);
  EXPECT_EQ(faults.size(), 3u) << wintest::Lines(faults);
  EXPECT_TRUE(Has(faults, "id 11 \"Plate on &isotropic soil\": Alt+I is also id 10")) << wintest::Lines(faults);
  EXPECT_TRUE(Has(faults, "id 13 \"&Cancel\": Alt+C is also id 12")) << wintest::Lines(faults);
  EXPECT_TRUE(Has(faults, "Load Case: SERVICE\": text is")) << wintest::Lines(faults);
}

// A window past the screen's edge; a maximised one counts by its client area.
TEST(LayoutFaults, AWindowPastTheScreenIsAFault) {
  const int h = GetSystemMetrics(SM_CYSCREEN);
  DialogTemplate d = NewDialog("Low", 0, 0, 100, 60, DataDialogStyle, 0, DialogPlain);
  HWND dialog = CreateModelessDialog(d, nullptr, nullptr);
  SetWindowPos(dialog, nullptr, 10, h - 20, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  ShowWindow(dialog, SW_SHOWNOACTIVATE);
  const std::vector<std::string> low = wintest::LayoutFaults(dialog);
  ShowWindow(dialog, SW_SHOWMAXIMIZED);
  const std::vector<std::string> maximised = wintest::LayoutFaults(dialog);
  DestroyWindow(dialog);
  ASSERT_EQ(low.size(), 1u) << wintest::Lines(low);
  EXPECT_NE(low[0].find("\"Low\": the window lies at"), std::string::npos) << low[0];
  EXPECT_TRUE(maximised.empty()) << wintest::Lines(maximised);
}

// A panel of three lines, the first two blank, and a label on one of its lines.
std::vector<std::string> PanelFaults(int labelTop) {
  DialogTemplate d = NewDialog("Panel", 0, 0, 200, 80);
  AddLabel(d, kFirstControlId, "\r\n\r\nthe third line of the panel", 10, 10, 150, 30);
  AddLabel(d, kSecondControlId, "a label", 10, labelTop, 100, 8);
  return FaultsOf(d);
}

TEST(LayoutFaults, ALabelInAPanelsBlankLineIsWholeAndOneOnItsTextOverlapsIt) {
  EXPECT_TRUE(PanelFaults(10).empty()) << wintest::Lines(PanelFaults(10));
  const std::vector<std::string> over = PanelFaults(26);
  ASSERT_EQ(over.size(), 1u) << wintest::Lines(over);
  EXPECT_NE(over[0].find("overlaps id 11 \"a label\""), std::string::npos) << over[0];
}

// A row of sunken headings right above a child window with an edge, as a table's headings stand
// above its page: the child's template places its client area, so its edge reaches above its top.
std::vector<std::string> HeadingFaults(int childTop) {
  DialogTemplate d = NewDialog("Heads", 0, 0, 200, 100);
  AddLabel(d, kSecondControlId, "h[m] Depth", 10, 10, 100, 11, SS_CENTER | SS_SUNKEN | SS_CENTERIMAGE);
  AddLine(d, kFirstControlId, 10, 15, 100, 2);  // a line drawn across covers nothing
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
  EXPECT_EQ(covered[0], "\"Heads\" | Static id 11 \"h[m] Depth\": is covered by #32770 id 0") << covered[0];
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
  AddLabel(d, kFirstControlId, label, 10, 10, 60, 8);
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
      // The box raised by a button of the window, which stays open.
      {"side box", [] { ShowWarningDialog("Short"); },
       {{"Warner", 0, IDCANCEL, nullptr, "", {{kWarnId, IDOK, "WARNING!", "Another text"}}}}},
  };
  // The boxes of Trabix, Palvore and Murelo are owned by the dialog that raised them.
  const MessageProfile was = ProgramMessages;
  ProgramMessages.ownerIsDialog = true;
  const std::vector<std::string> faults = wintest::LayoutFaultsOfCases(cases, 3000);
  // Corvane's have no owner: a box owned by the dialog is a fault there.
  ProgramMessages.ownerIsDialog = false;
  const std::vector<std::string> ownerless = wintest::LayoutFaultsOfCases({cases[0]}, 3000);
  ProgramMessages = was;
  ASSERT_EQ(faults.size(), 4u) << wintest::Lines(faults);
  EXPECT_EQ(faults[0].rfind("cut: \"Warner\" | Static id 10 \"A label", 0), 0u) << faults[0];
  EXPECT_EQ(faults[1], "cut: \"WARNING!\" box: says \"Too long a text!\", not \"Another text\"");
  EXPECT_EQ(faults[2], "missing: window 1 \"Nothing of that caption\" did not come");
  EXPECT_EQ(faults[3], "side box: \"WARNING!\" box: says \"Too long a text!\", not \"Another text\"");
  ASSERT_EQ(ownerless.size(), 1u) << wintest::Lines(ownerless);
  EXPECT_EQ(ownerless[0], "whole: \"WARNING!\" box: owned by \"Warner\", not by no window");
}

}  // namespace
