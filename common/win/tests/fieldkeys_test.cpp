#include <gtest/gtest.h>
#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "core/globals.h"
#include "win/dialogs.h"
#include "win/fieldkeys.h"
#include "win/ids.h"
#include "win/testing/keys.h"
#include "win/testing/wintest.h"

namespace {

// The fields of this file's own dialogs, one under the other.
constexpr int kFieldId = 101, kSecondFieldId = 102, kThirdFieldId = 103;

using wintest::Do;
using wintest::RunScript;
using wintest::WhenDialog;

// Counts the presses of every button; ends only through EndDialog from the script.
std::map<int, int> Presses;
INT_PTR CALLBACK CountingProc(HWND, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_COMMAND && HIWORD(wParam) == BN_CLICKED && lParam) {
    ++Presses[LOWORD(wParam)];
    return TRUE;
  }
  return FALSE;
}

int FocusId() { return GetDlgCtrlID(GetFocus()); }

TEST(EditSubclassProc, EnterWalksTheFieldsAndPressesButton55OnceFromTheLast) {
  SharedIntegers(kFieldCountSlot) = 3;
  SharedIntegers(kFirstFieldIdSlot) = kFieldId;
  DialogTemplate d = NewDialog("Navigation", 0, 0, 160, 100);
  for (int i = 0; i < 3; ++i) AddField(d, kFieldId + i, "", 10, 10 + 16 * i, 60, 12);
  AddButton(d, kOkId, "&Ok", 30, 70, 40, 14);
  AddButton(d, kFormCancelId, "&Cancel", 80, 70, 40, 14);
  OnOpen(d, [](HWND dialog) {
    SubclassControls(dialog, kFieldId, kThirdFieldId, EditSubclassProc);
    SetFocus(GetDlgItem(dialog, kFieldId));
  });
  Presses.clear();
  HWND dialog = nullptr;
  std::vector<int> focus;
  auto key = [&](UINT vk) {
    return Do([&, vk] {
      focus.push_back(FocusId());
      wintest::PressKey(GetFocus(), vk);
    });
  };
  auto run = RunScript({WhenDialog("Navigation", [&](HWND h) { dialog = h; }),
                        key(VK_UP),      // in 101: nothing
                        key(VK_RETURN),  // 101 -> 102
                        key(VK_RETURN),  // 102 -> 103
                        key(VK_DOWN),    // in 103: nothing
                        key(VK_UP),      // 103 -> 102
                        key(VK_DOWN),    // 102 -> 103
                        key(VK_RETURN),  // in 103: presses 55
                        Do([&] {
                          focus.push_back(FocusId());
                          EndDialog(dialog, 0);
                        })},
                       [&] { ShowModalDialog(d, nullptr, CountingProc); });
  ASSERT_TRUE(run.finished);
  // The press is a click: the button takes the focus, as with the mouse.
  EXPECT_EQ(focus, (std::vector<int>{kFieldId, kFieldId, kSecondFieldId, kThirdFieldId, kThirdFieldId, kSecondFieldId, kThirdFieldId, kOkId}));
  EXPECT_EQ(Presses[kOkId], 1);
  EXPECT_EQ(Presses.size(), 1u);
}

TEST(EditSubclassProc, AFieldMovedToHasItsTextSelectedSoTypingReplacesIt) {
  SharedIntegers(kFieldCountSlot) = 2;
  SharedIntegers(kFirstFieldIdSlot) = kFieldId;
  DialogTemplate d = NewDialog("Selection", 0, 0, 160, 80);
  for (int i = 0; i < 2; ++i) AddField(d, kFieldId + i, "0", 10, 10 + 16 * i, 60, 12, WS_TABSTOP | ES_AUTOHSCROLL);
  AddButton(d, kOkId, "&Ok", 30, 50, 40, 14);
  OnOpen(d, [](HWND dialog) {
    SubclassControls(dialog, kFieldId, kSecondFieldId, EditSubclassProc);
    FocusField(GetDlgItem(dialog, kFieldId));
  });
  HWND dialog = nullptr;
  auto type = [](char ch) { return Do([ch] { PostMessageA(GetFocus(), WM_CHAR, static_cast<WPARAM>(ch), 1); }); };
  std::string first, second;
  auto run = RunScript({WhenDialog("Selection", [&](HWND h) { dialog = h; }), type('7'),
                        Do([&] { wintest::PressKey(GetFocus(), VK_RETURN); }), type('8'), Do([&] {
                          first = wintest::GetText(dialog, kFieldId);
                          second = wintest::GetText(dialog, kSecondFieldId);
                          EndDialog(dialog, 0);
                        })},
                       [&] { ShowModalDialog(d, nullptr, CountingProc); });
  ASSERT_TRUE(run.finished);
  EXPECT_EQ(first, "7");
  EXPECT_EQ(second, "8");
}

// The thread's state of Return as the keyboard leaves it: down or up, with the toggle bit that
// every press flips.
void SetReturnState(bool down, bool flip) {
  BYTE keys[256];
  GetKeyboardState(keys);
  if (flip) keys[VK_RETURN] ^= 0x01;
  keys[VK_RETURN] = static_cast<BYTE>((keys[VK_RETURN] & 0x01) | (down ? 0x80 : 0));
  SetKeyboardState(keys);
}

TEST(EnterKeyProcedures, TheReleaseOfAnEnterPressedBeforeTheDialogOpenedIsNotTheDialogs) {
  // The Enter that chose the menu item is still down while the dialog is built.
  SharedIntegers(kFieldCountSlot) = 2;
  SharedIntegers(kFirstFieldIdSlot) = kFieldId;
  for (WNDPROC proc : {EditSubclassProc, EditSubclassProc2}) {
    DialogTemplate d = NewDialog("Opened by Enter", 0, 0, 160, 80);
    for (int i = 0; i < 2; ++i) AddField(d, kFieldId + i, "0", 10, 10 + 16 * i, 60, 12, WS_TABSTOP | ES_AUTOHSCROLL);
    AddButton(d, kOkId, "&Ok", 30, 50, 40, 14);
    OnOpen(d, [proc](HWND dialog) {
      SetReturnState(true, true);
      SubclassControls(dialog, kFieldId, kSecondFieldId, proc);
      FocusField(GetDlgItem(dialog, kFieldId));
    });
    Presses.clear();
    HWND dialog = nullptr;
    int afterRelease = 0, afterPress = 0;
    int pressesAfterRelease = -1;
    auto keyUp = [] {
      SetReturnState(false, false);
      PostMessageA(GetFocus(), WM_KEYUP, VK_RETURN, 0xC0000001);
    };
    auto run = RunScript({WhenDialog("Opened by Enter",
                                     [&](HWND h) {
                                       dialog = h;
                                       keyUp();  // the release of the menu's Enter
                                     }),
                          Do([&] {
                            afterRelease = FocusId();
                            pressesAfterRelease = Presses[kOkId];
                            SetReturnState(true, true);  // a press of the dialog's own
                            wintest::PressReturnOn(GetFocus());
                          }),
                          Do([&] {
                            afterPress = FocusId();
                            EndDialog(dialog, 0);
                          })},
                         [&] { ShowModalDialog(d, nullptr, CountingProc); });
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(afterRelease, kFieldId);
    EXPECT_EQ(pressesAfterRelease, 0);
    if (proc == EditSubclassProc) EXPECT_EQ(afterPress, kSecondFieldId);  // the next press moves on
    else EXPECT_EQ(Presses[kOkId], 1);                         // or presses Ok
  }
}

// Return on a warning box closes it on its key-down; the key-up then reaches the control under it,
// which must not act on a press it never had (or a keyboard user goes round in a circle).
TEST(EnterKeyProcedures, TheReleaseOfTheEnterThatClosedABoxPressesNothing) {
  struct Case {
    const char* name;
    WNDPROC proc;
    int control;
  } cases[] = {{"2 on 56", EditSubclassProc2, kFormCancelId}, {"2 on 131", EditSubclassProc2, kCheckButtonId},
               {"3 on 198", EditSubclassProc3, kLastActionId}};
  for (const auto& c : cases) {
    DialogTemplate d = NewDialog("Behind the box", 0, 0, 200, 100);
    AddButton(d, kOkId, "&Ok", 10, 60, 30, 14);
    AddButton(d, c.control, "&Self", 60, 60, 30, 14);
    WNDPROC proc = c.proc;
    int control = c.control;
    OnOpen(d, [proc, control](HWND dialog) {
      SubclassControl(dialog, control, proc);
      SetFocus(GetDlgItem(dialog, control));
    });
    static int boxes = 0;
    boxes = 0;
    auto warnOnPress = [](HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) -> INT_PTR {
      if (msg == WM_COMMAND && HIWORD(wParam) == BN_CLICKED && lParam) {
        ++boxes;
        MessageBoxA(dialog, "Results File is Missing! Analyse the Structure!", "WARNING!", MB_OK);
        return TRUE;
      }
      return FALSE;
    };
    HWND dialog = nullptr;
    int releasedOn = 0;
    auto run = RunScript({WhenDialog("Behind the box",
                                     [&](HWND h) {
                                       dialog = h;
                                       wintest::PressReturnOn(GetDlgItem(h, control));
                                     }),
                          WhenDialog("WARNING!", [&](HWND) { PostMessageA(GetFocus(), WM_KEYDOWN, VK_RETURN, 0x1C0001); }),
                          [&] {
                            if (wintest::FindDialog("WARNING!")) return false;
                            releasedOn = GetDlgCtrlID(GetFocus());
                            PostMessageA(GetFocus(), WM_KEYUP, VK_RETURN, 0xC01C0001);
                            return true;
                          },
                          Do([&] {
                            if (HWND again = wintest::FindDialog("WARNING!")) EndDialog(again, IDOK);
                            EndDialog(dialog, 0);
                          })},
                         [&] { ShowModalDialog(d, nullptr, warnOnPress); });
    ASSERT_TRUE(run.finished) << c.name;
    EXPECT_EQ(releasedOn, c.control) << c.name;
    EXPECT_EQ(boxes, 1) << c.name;
  }
}

struct PressCase {
  const char* name;
  WNDPROC proc;
  std::vector<int> buttons;  // buttons the dialog has besides the control
  int control;               // id of the subclassed control (a field or a button)
  std::map<int, int> pressed;
};

TEST(EnterKeyProcedures, PressTheButtonsTheirTableNames) {
  const PressCase cases[] = {
      {"4 without the check button presses Continue", EditSubclassProc4, {kContinueId, kOkId}, kFieldId, {{kContinueId, 1}}},
      {"4 with the check button presses it", EditSubclassProc4, {kCheckButtonId, kContinueId}, kFieldId, {{kCheckButtonId, 1}}},
      {"2 on Cancel presses itself", EditSubclassProc2, {kOkId}, kFormCancelId, {{kFormCancelId, 1}}},
      {"2 on the check button presses itself", EditSubclassProc2, {kOkId}, kCheckButtonId, {{kCheckButtonId, 1}}},
      {"2 on a field presses OK", EditSubclassProc2, {kOkId, kFormCancelId}, kFieldId, {{kOkId, 1}}},
      {"3 on an option presses the action button", EditSubclassProc3, {kFirstActionId + 1, kCancelId}, kFirstOptionId, {{kFirstActionId + 1, 1}}},
      {"3 on an option without action presses Continue", EditSubclassProc3, {kContinueId, kCancelId}, kFirstOptionId, {{kContinueId, 1}}},
      {"3 on the action button presses it", EditSubclassProc3, {kCancelId}, kLastActionId, {{kLastActionId, 1}}},
  };
  for (const auto& c : cases) {
    DialogTemplate d = NewDialog("Enter keys", 0, 0, 200, 100);
    if (c.control >= kFirstOptionId && c.control <= kLastOptionId) {
      AddOption(d, c.control, "&Option", 10, 10, 80, 12);
    } else if (c.control < 100) {
      AddButton(d, c.control, "&Self", 10, 10, 60, 14);
    } else if (c.control == kCheckButtonId || (c.control >= kFirstActionId && c.control <= kLastActionId)) {
      AddButton(d, c.control, "&Self", 10, 10, 60, 14);
    } else {
      AddField(d, c.control, "", 10, 10, 60, 12);
    }
    int x = 10;
    for (int b : c.buttons) {
      AddButton(d, b, "B", x, 60, 30, 14);
      x += 35;
    }
    WNDPROC proc = c.proc;
    int control = c.control;
    OnOpen(d, [proc, control](HWND dialog) {
      SubclassControl(dialog, control, proc);
      SetFocus(GetDlgItem(dialog, control));
    });
    Presses.clear();
    HWND dialog = nullptr;
    auto run = RunScript({WhenDialog("Enter keys",
                                     [&](HWND h) {
                                       dialog = h;
                                       wintest::PressReturnOn(GetDlgItem(h, control));
                                     }),
                          Do([&] { EndDialog(dialog, 0); })},
                         [&] { ShowModalDialog(d, nullptr, CountingProc); });
    ASSERT_TRUE(run.finished) << c.name;
    EXPECT_EQ(Presses, c.pressed) << c.name;
  }
}

TEST(SubclassControl, RestoreGivesThePreviousProcedureBack) {
  DialogTemplate d = NewDialog("Restore", 0, 0, 120, 60);
  AddField(d, kFieldId, "", 10, 10, 60, 12);
  HWND dialog = CreateModelessDialog(d, nullptr, nullptr);
  HWND field = GetDlgItem(dialog, kFieldId);
  LONG_PTR original = GetWindowLongPtrA(field, GWLP_WNDPROC);
  SubclassControl(dialog, kFieldId, EditSubclassProc);
  EXPECT_EQ(GetWindowLongPtrA(field, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(EditSubclassProc));
  SubclassControl(dialog, kFieldId, EditSubclassProc);  // twice is once
  RestoreControl(dialog, kFieldId);
  EXPECT_EQ(GetWindowLongPtrA(field, GWLP_WNDPROC), original);
  // The field still works as an edit field.
  SetWindowTextA(field, "12.5");
  char text[16];
  GetWindowTextA(field, text, sizeof text);
  EXPECT_STREQ(text, "12.5");
  DestroyWindow(dialog);
}

}  // namespace
