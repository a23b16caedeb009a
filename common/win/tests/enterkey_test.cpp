// Enter and the release of keys through a dialog's own message loop: the keys are posted as the
// keyboard's would be, so the dialog manager sees them (its default button, its Tab and Esc).
#include <gtest/gtest.h>
#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "core/globals.h"
#include "win/dialogs.h"
#include "win/fieldkeys.h"
#include "win/ids.h"
#include "win/startup.h"
#include "win/testing/keys.h"
#include "win/testing/wintest.h"

namespace {

using wintest::Do;
using wintest::RunScript;
using wintest::WhenDialog;

constexpr int kFieldId = 101, kSecondFieldId = 102, kOtherButtonId = 77;

// Counts the presses of every button and ends the dialog with the id of the first one pressed.
std::map<int, int> Presses;
INT_PTR CALLBACK EndingProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM) {
  if (msg == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
    ++Presses[LOWORD(wParam)];
    EndDialog(dialog, LOWORD(wParam));
    return TRUE;
  }
  return FALSE;
}

// The last step of a script whose key should end the dialog: it never runs when the key did, and
// times the script out when it did not.
wintest::Step NotEnded() {
  return [] { return false; };
}

struct EnterCase {
  const char* name;
  int ok;           // the dialog's Ok
  int focus;        // the control the builder puts the focus on
  bool navigation;  // the fields carry the Enter navigation (EditSubclassProc)
  int ended;        // the button the Enter pressed
};

TEST(EnterKey, PressesTheFocusedButtonOrTheDialogsOkWhateverItsId) {
  const EnterCase cases[] = {
      {"a field, Ok 55", kOkId, kFieldId, false, kOkId},
      {"a field, Ok 9876", kContinueId, kFieldId, false, kContinueId},
      {"a field, Ok IDOK", IDOK, kFieldId, false, IDOK},
      {"Ok 9876 focused", kContinueId, kContinueId, false, kContinueId},
      {"another button focused by the program", kContinueId, kOtherButtonId, false, kOtherButtonId},
      {"Cancel focused by the program", kOkId, IDCANCEL, false, IDCANCEL},
      {"the navigation's last field presses 55 on the release", kOkId, kSecondFieldId, true, kOkId},
  };
  for (const auto& c : cases) {
    SharedIntegers(kFieldCountSlot) = 2;
    SharedIntegers(kFirstFieldIdSlot) = kFieldId;
    DialogTemplate d = NewDialog("Enter", 0, 0, 200, 100);
    AddField(d, kFieldId, "1", 10, 10, 60, 12);
    AddField(d, kSecondFieldId, "2", 10, 26, 60, 12);
    AddButton(d, c.ok, "&Ok", 10, 60, 40, 14);
    AddButton(d, kOtherButtonId, "&Other", 60, 60, 40, 14);
    AddButton(d, IDCANCEL, "&Cancel", 110, 60, 40, 14);
    const int focus = c.focus;
    const bool navigation = c.navigation;
    OnOpen(d, [focus, navigation](HWND dialog) {
      if (navigation) SubclassControls(dialog, kFieldId, kSecondFieldId, EditSubclassProc);
      SetFocus(GetDlgItem(dialog, focus));
    });
    Presses.clear();
    HWND dialog = nullptr;
    INT_PTR end = -1;
    auto run = RunScript({WhenDialog("Enter",
                                     [&](HWND h) {
                                       dialog = h;
                                       wintest::PressKey(GetFocus(), VK_RETURN);
                                     }),
                          NotEnded()},
                         [&] { end = ShowModalDialog(d, nullptr, EndingProc); }, 3000);
    EXPECT_FALSE(run.timedOut) << c.name;
    EXPECT_EQ(end, c.ended) << c.name;
    EXPECT_EQ(Presses, (std::map<int, int>{{c.ended, 1}})) << c.name;
  }
}

// Enter in an earlier field of the navigation moves on and presses nothing, the dialog's Ok
// default or not.
TEST(EnterKey, InAFieldOfTheNavigationBeforeTheLastOnlyMovesTheFocus) {
  SharedIntegers(kFieldCountSlot) = 2;
  SharedIntegers(kFirstFieldIdSlot) = kFieldId;
  DialogTemplate d = NewDialog("Navigation", 0, 0, 200, 100);
  AddField(d, kFieldId, "1", 10, 10, 60, 12);
  AddField(d, kSecondFieldId, "2", 10, 26, 60, 12);
  AddButton(d, kOkId, "&Ok", 10, 60, 40, 14);
  OnOpen(d, [](HWND dialog) {
    SubclassControls(dialog, kFieldId, kSecondFieldId, EditSubclassProc);
    SetFocus(GetDlgItem(dialog, kFieldId));
  });
  Presses.clear();
  HWND dialog = nullptr;
  int focus = 0;
  auto run = RunScript({WhenDialog("Navigation",
                                   [&](HWND h) {
                                     dialog = h;
                                     wintest::PressKey(GetFocus(), VK_RETURN);
                                   }),
                        Do([&] {
                          focus = GetDlgCtrlID(GetFocus());
                          EndDialog(dialog, 0);
                        })},
                       [&] { ShowModalDialog(d, nullptr, EndingProc); });
  EXPECT_TRUE(run.finished);
  EXPECT_EQ(focus, kSecondFieldId);
  EXPECT_TRUE(Presses.empty());
}

// A key whose key-down went to another window (a box over the dialog, the main window's menu)
// does nothing with its release: no press, no focus moved, no option changed.
TEST(EnterKey, AReleaseAloneActsOnNoControl) {
  const UINT keys[] = {VK_RETURN, VK_SPACE, VK_TAB, VK_DOWN};
  for (UINT key : keys) {
    DialogTemplate d = NewDialog("Release", 0, 0, 200, 100);
    AddOption(d, kFirstOptionId, "&First", 10, 10, 80, 12, WS_TABSTOP | WS_GROUP | BS_AUTORADIOBUTTON);
    AddOption(d, kFirstOptionId + 1, "&Second", 10, 24, 80, 12, BS_AUTORADIOBUTTON);
    AddButton(d, kOkId, "&Ok", 10, 60, 40, 14);
    OnOpen(d, [](HWND dialog) {
      CheckDlgButton(dialog, kFirstOptionId, BST_CHECKED);
      SetFocus(GetDlgItem(dialog, kOkId));
    });
    Presses.clear();
    HWND dialog = nullptr;
    int focus = 0;
    UINT first = 0;
    auto run = RunScript({WhenDialog("Release",
                                     [&](HWND h) {
                                       dialog = h;
                                       UINT scan = MapVirtualKeyA(key, 0);
                                       PostMessageA(GetFocus(), WM_KEYUP, key,
                                                    1 | (static_cast<LPARAM>(scan) << 16) | (1LL << 30) | (1LL << 31));
                                     }),
                          Do([&] {
                            focus = GetDlgCtrlID(GetFocus());
                            first = IsDlgButtonChecked(dialog, kFirstOptionId);
                            EndDialog(dialog, 0);
                          })},
                         [&] { ShowModalDialog(d, nullptr, EndingProc); });
    EXPECT_TRUE(run.finished) << key;
    EXPECT_TRUE(Presses.empty()) << key;
    EXPECT_EQ(focus, kOkId) << key;
    EXPECT_EQ(first, static_cast<UINT>(BST_CHECKED)) << key;
  }
}

// The start-up notice: Enter on "I Agree - &Continue" (9876), which has the focus, accepts it;
// Tab to "&Exit" and Enter leaves.
TEST(EnterKey, OnTheNoticeAgreesOrAfterTabExits) {
  for (bool tab : {false, true}) {
    ProgramLook look;
    HWND dialog = nullptr;
    INT_PTR end = -1;
    int focus = 0;
    std::vector<wintest::Step> steps = {WhenDialog("  ZOR SOFTWARE", [&](HWND h) {
      dialog = h;
      focus = GetDlgCtrlID(GetFocus());
      if (tab) wintest::PressKey(GetFocus(), VK_TAB);
    })};
    steps.push_back(Do([] { wintest::PressKey(GetFocus(), VK_RETURN); }));
    steps.push_back(NotEnded());
    auto run = RunScript(steps, [&] {
      end = ShowModalDialog(NoticeDialog(look), nullptr, NoticeDialogProc, reinterpret_cast<LPARAM>(&look));
    }, 3000);
    bool quit = wintest::DrainQuit();
    EXPECT_FALSE(run.timedOut) << tab;
    EXPECT_EQ(focus, kContinueId);
    EXPECT_EQ(end, tab ? 0 : 1) << tab;
    EXPECT_EQ(quit, tab) << tab;
  }
}

}  // namespace

// A digits-only field (a count) refuses a letter, a point, a sign or a comma with the warning
// tones, one set per refused key, and keeps the digits as typed.
TEST(DigitsField, ARefusedCharacterSoundsTheTones) {
  const struct {
    const char* typed;
    const char* kept;
    int refused;
  } cases[] = {{"5000", "5000", 0}, {"6e3", "63", 1}, {"1,5", "15", 1}, {"-2.0", "20", 2}};
  for (const auto& c : cases) {
    DialogTemplate d = NewDialog("Digits", 0, 0, 200, 100);
    AddField(d, kFieldId, "", 10, 10, 60, 12, WS_TABSTOP | ES_AUTOHSCROLL | ES_NUMBER);
    AddButton(d, IDCANCEL, "&Cancel", 110, 60, 40, 14);
    OnOpen(d, [](HWND dialog) { SetFocus(GetDlgItem(dialog, kFieldId)); });
    wintest::TraceCapture trace;
    std::string kept;
    HWND dialog = nullptr;
    auto run = RunScript({WhenDialog("Digits",
                                     [&](HWND h) {
                                       dialog = h;
                                       EXPECT_TRUE(wintest::TypeKeys(GetDlgItem(h, kFieldId), c.typed));
                                     }),
                          Do([&] {
                            kept = wintest::GetText(dialog, kFieldId);
                            wintest::PostClick(dialog, IDCANCEL);
                          })},
                         [&] { ShowModalDialog(d, nullptr, EndingProc); }, 5000);
    EXPECT_TRUE(run.finished) << c.typed;
    EXPECT_EQ(kept, c.kept) << c.typed;
    EXPECT_EQ(trace.Records("TONE").size(), static_cast<size_t>(4 * c.refused)) << c.typed;
  }
}
