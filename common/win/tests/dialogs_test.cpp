#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "core/globals.h"
#include "win/dialogs.h"
#include "win/ids.h"
#include "win/messages.h"
#include "win/testing/wintest.h"

namespace {

using wintest::RunScript;
using wintest::WhenDialog;

// The controls of this file's own dialogs.
constexpr int kFieldId = 101, kSecondFieldId = 102, kLabelId = 111, kFrameId = 130;
constexpr int kOptionAId = 201, kOptionBId = 202, kOptionCId = 203;
constexpr int kCheckId = 131;  // the first of the check boxes
constexpr int kListId = 300, kCheckListId = 77777777, kTabsId = 10001;
constexpr int kOpenId = 10, kAskId = 20;     // the outer and the inner dialog's buttons
constexpr int kAboutTextId = 100, kAboutOkId = 7;
constexpr int kCellId = 3001;               // a table cell's id

RECT ClientRectOfChild(HWND dialog, int id) {
  RECT r;
  GetWindowRect(GetDlgItem(dialog, id), &r);
  MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

// Where the system puts a control of the template: its corner and its size each converted.
RECT Units(HWND dialog, int x, int y, int w, int h) {
  RECT base{0, 0, 4, 8};
  MapDialogRect(dialog, &base);
  int left = MulDiv(x, base.right, 4), top = MulDiv(y, base.bottom, 8);
  return RECT{left, top, left + MulDiv(w, base.right, 4), top + MulDiv(h, base.bottom, 8)};
}

DialogTemplate EveryKind() {
  DialogTemplate d = NewDialog("Every kind", 10, 10, 300, 180);
  AddLabel(d, kHeadingId, "HEADING:", 50, 5, 200, 10, SS_CENTER);
  AddLine(d, kRuleId, 50, 16, 200, 2);
  AddLabel(d, kLabelId, "Label", 10, 25, 60, 10);
  AddField(d, kFieldId, "1.5", 75, 24, 50, 12);
  AddField(d, kSecondFieldId, "text\r\nbox", 135, 24, 80, 30, WS_TABSTOP | ES_MULTILINE | ES_READONLY | WS_VSCROLL);
  AddFrame(d, kFrameId, " Frame ", 10, 60, 120, 50);
  AddOption(d, kOptionAId, "&First", 15, 72, 60, 12, WS_TABSTOP | WS_GROUP | BS_AUTORADIOBUTTON);
  AddOption(d, kOptionBId, "&Second", 15, 86, 60, 12);
  AddCheckBox(d, kCheckId, "&Check", 140, 60, 60, 12);
  AddListBox(d, kListId, 140, 75, 70, 40, WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT);
  AddCheckList(d, kCheckListId, 215, 75, 75, 40,
               WS_TABSTOP | WS_VSCROLL | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT);
  AddComboBox(d, kNameBoxId, 220, 24, 70, 60);
  AddTabControl(d, kTabsId, 10, 120, 120, 30);
  AddButton(d, kOkId, "&Ok", 150, 150, 40, 14, WS_TABSTOP | BS_DEFPUSHBUTTON);
  AddButton(d, kFormCancelId, "&Draw", 200, 150, 40, 14, WS_TABSTOP | BS_OWNERDRAW);
  return d;
}

TEST(RuntimeDialog, PlacesEveryControlAtItsDialogUnitsAndCentresWithoutMoveAndSize) {
  HWND dialog = CreateModelessDialog(EveryKind(), nullptr, nullptr);
  ASSERT_NE(dialog, nullptr);
  char caption[64];
  GetWindowTextA(dialog, caption, sizeof caption);
  EXPECT_STREQ(caption, "Every kind");

  struct Place { int id, x, y, w, h; };
  const Place places[] = {{kHeadingId, 50, 5, 200, 10},  {kFieldId, 75, 24, 50, 12},       {kSecondFieldId, 135, 24, 80, 30},
                          {kFrameId, 10, 60, 120, 50},   {kOptionAId, 15, 72, 60, 12},     {kCheckId, 140, 60, 60, 12},
                          {kListId, 140, 75, 70, 40},    {kCheckListId, 215, 75, 75, 40},  {kTabsId, 10, 120, 120, 30},
                          {kOkId, 150, 150, 40, 14},     {kFormCancelId, 200, 150, 40, 14}};
  for (const auto& p : places) {
    RECT want = Units(dialog, p.x, p.y, p.w, p.h), got = ClientRectOfChild(dialog, p.id);
    EXPECT_EQ(got.left, want.left) << p.id;
    EXPECT_EQ(got.top, want.top) << p.id;
    EXPECT_EQ(got.right, want.right) << p.id;
    EXPECT_EQ(got.bottom, want.bottom) << p.id;
  }
  RECT combo = ClientRectOfChild(dialog, kNameBoxId), want = Units(dialog, 220, 24, 70, 60);
  EXPECT_EQ(combo.left, want.left);
  EXPECT_EQ(combo.right, want.right);
  RECT client;
  GetClientRect(dialog, &client);
  RECT size = Units(dialog, 0, 0, 300, 180);
  EXPECT_EQ(client.right, size.right);
  EXPECT_EQ(client.bottom, size.bottom);

  RECT win;
  GetWindowRect(dialog, &win);
  int w = win.right - win.left, h = win.bottom - win.top;
  EXPECT_EQ(win.left, (GetSystemMetrics(SM_CXSCREEN) - w) / 2);
  EXPECT_EQ(win.top, (GetSystemMetrics(SM_CYSCREEN) - (h + GetSystemMetrics(SM_CYCAPTION))) / 2 + 7);

  HMENU menu = GetSystemMenu(dialog, FALSE);
  EXPECT_EQ(GetMenuState(menu, SC_MOVE, MF_BYCOMMAND), static_cast<UINT>(-1));
  EXPECT_EQ(GetMenuState(menu, SC_SIZE, MF_BYCOMMAND), static_cast<UINT>(-1));
  EXPECT_NE(GetMenuState(menu, SC_CLOSE, MF_BYCOMMAND), static_cast<UINT>(-1));

  char cls[32];
  GetClassNameA(GetDlgItem(dialog, kTabsId), cls, sizeof cls);
  EXPECT_STREQ(cls, "SysTabControl32");
  EXPECT_EQ(GetWindowLongA(GetDlgItem(dialog, kFormCancelId), GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
  DestroyWindow(dialog);
}

TEST(RuntimeDialog, PlainFlagsLeaveThePlaceAndTheSystemMenuAlone) {
  HWND owner = CreateModelessDialog(NewDialog("Owner", 0, 0, 100, 50, DataDialogStyle, 0, DialogPlain), nullptr,
                                    nullptr);
  HWND dialog =
      CreateModelessDialog(NewDialog("Placed", 10, 10, 100, 50, DataDialogStyle, 0, DialogPlain), owner, nullptr);
  ASSERT_NE(dialog, nullptr);
  RECT ownerClient{0, 0, 0, 0}, want = Units(dialog, 10, 10, 0, 0);
  MapWindowPoints(owner, nullptr, reinterpret_cast<POINT*>(&ownerClient), 2);
  POINT client{0, 0};
  ClientToScreen(dialog, &client);
  EXPECT_EQ(client.x, ownerClient.left + want.left);
  EXPECT_EQ(client.y, ownerClient.top + want.top);
  EXPECT_NE(GetMenuState(GetSystemMenu(dialog, FALSE), SC_MOVE, MF_BYCOMMAND), static_cast<UINT>(-1));
  DestroyWindow(dialog);
  DestroyWindow(owner);
}

// Outer dialog: its button opens the inner dialog and ends with 100 + the inner's value.
// Inner dialog: its button asks a question and ends with the answer.
int InnerValue = 0;
bool OuterDisabledWhileInner = false;
HWND OuterDialog = nullptr;

DialogTemplate InnerDialog() {
  DialogTemplate d = NewDialog("Inner", 20, 20, 120, 60);
  AddButton(d, kAskId, "&Ask", 40, 20, 40, 14);
  return d;
}

INT_PTR CALLBACK InnerProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM) {
  if (msg == WM_COMMAND && LOWORD(wParam) == kAskId) {
    OuterDisabledWhileInner = !IsWindowEnabled(OuterDialog);
    ShowMessage(dialog, "Sure?", "Question", QuestionBoxStyle, DialogAnswer);
    EndDialog(dialog, DialogAnswer);
    return TRUE;
  }
  return FALSE;
}

INT_PTR CALLBACK OuterProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_INITDIALOG) {
    OuterDialog = dialog;
    EXPECT_EQ(lParam, 4711);
    return TRUE;
  }
  if (msg == WM_COMMAND && LOWORD(wParam) == kOpenId) {
    InnerValue = static_cast<int>(ShowModalDialog(InnerDialog(), dialog, InnerProc));
    EndDialog(dialog, 100 + InnerValue);
    return TRUE;
  }
  return FALSE;
}

TEST(RuntimeDialog, NestedDialogsAndBoxesReturnTheirValuesToTheirCallers) {
  DialogTemplate outer = NewDialog("Outer", 0, 0, 160, 80);
  AddButton(outer, kOpenId, "&Open", 60, 30, 40, 14);
  INT_PTR result = 0;
  auto run = RunScript({WhenDialog("Outer", [](HWND d) { wintest::PostClick(d, kOpenId); }),
                        WhenDialog("Inner", [](HWND d) { wintest::PostClick(d, kAskId); }),
                        WhenDialog("Question", [](HWND box) { wintest::AnswerBox(box, IDNO); })},
                       [&] { result = ShowModalDialog(outer, nullptr, OuterProc, 4711); });
  ASSERT_TRUE(run.finished);
  EXPECT_EQ(InnerValue, IDNO);
  EXPECT_EQ(result, 100 + IDNO);
  EXPECT_TRUE(OuterDisabledWhileInner);
}

INT_PTR CALLBACK IgnoreAll(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

struct CloseCase {
  const char* name;
  DLGPROC dialogCallback;
  bool buttonCallback;
  int action;  // 0 the button, 1 Esc (IDCANCEL), 2 the close box (WM_CLOSE)
  INT_PTR result;
};

TEST(CloseDialogProc, EndsWithOneOnTheButtonEscAndTheCloseBox) {
  const CloseCase cases[] = {
      {"button callback, button", IgnoreAll, true, 0, 1},
      {"dialog callback, button", CloseDialogProc, false, 0, 1},
      {"dialog callback, Esc", CloseDialogProc, false, 1, 1},
      {"dialog callback, close box", CloseDialogProc, false, 2, 1},
      {"no handler, Esc ends with 0", IgnoreAll, false, 1, 0},
      {"no handler, close box ends with 0", IgnoreAll, false, 2, 0},
  };
  for (const auto& c : cases) {
    DialogTemplate d = NewDialog("About", 0, 0, 120, 60);
    AddLabel(d, kAboutTextId, "SOFTWARE", 10, 10, 100, 10, SS_CENTER);
    AddButton(d, kAboutOkId, "&Ok", 40, 35, 40, 14);
    if (c.buttonCallback) SetControlCallback(d, kAboutOkId, CloseDialogProc);
    INT_PTR result = -5;
    auto run = RunScript({WhenDialog("About",
                                     [&](HWND dialog) {
                                       if (c.action == 0) wintest::PostClick(dialog, kAboutOkId);
                                       if (c.action == 1) PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
                                       if (c.action == 2) PostMessageA(dialog, WM_CLOSE, 0, 0);
                                     })},
                         [&] { result = ShowModalDialog(d, nullptr, c.dialogCallback); }, 3000);
    EXPECT_TRUE(run.finished) << c.name;
    EXPECT_EQ(result, c.result) << c.name;
  }
}

TEST(ToggleCheckProc, ASecondClickClearsTheOptionAndAnotherOptionIsSet) {
  DialogTemplate d = NewDialog("Options", 0, 0, 120, 80);
  AddOption(d, kOptionAId, "&A", 10, 10, 60, 12, WS_TABSTOP | WS_GROUP | BS_AUTORADIOBUTTON);
  AddOption(d, kOptionBId, "&B", 10, 24, 60, 12);
  AddOption(d, kOptionCId, "&C", 10, 38, 60, 12);
  for (int id = kOptionAId; id <= kOptionCId; ++id) SetControlCallback(d, id, ToggleCheckProc);
  SharedIntegers(kToggleLastIdSlot) = 0;
  SharedIntegers(kToggleOnSlot) = 0;
  HWND dialog = CreateModelessDialog(d, nullptr, nullptr);
  ASSERT_NE(dialog, nullptr);
  auto click = [&](int id) {
    wintest::Click(dialog, id);
    return FirstCheckedButton(dialog, kOptionAId, kOptionCId);
  };
  EXPECT_EQ(click(kOptionAId), kOptionAId);
  EXPECT_EQ(click(kOptionAId), 0);  // the same option again: cleared
  EXPECT_EQ(SharedIntegers(kToggleOnSlot), 0);
  EXPECT_EQ(click(kOptionAId), kOptionAId);  // and set again
  EXPECT_EQ(click(kOptionBId), kOptionBId);  // another option: set
  EXPECT_EQ(IsDlgButtonChecked(dialog, kOptionAId), 0u);
  EXPECT_EQ(SharedIntegers(kToggleLastIdSlot), kOptionBId);
  EXPECT_EQ(SharedIntegers(kToggleOnSlot), 1);
  EXPECT_EQ(DialogAnswer, 1);  // the state the click itself left, read before the toggle
  EXPECT_EQ(click(kOptionBId), 0);
  DestroyWindow(dialog);
}

TEST(FirstCheckedButton, FindsTheFirstCheckedInTheRangeOrNone) {
  DialogTemplate d = NewDialog("Checks", 0, 0, 120, 80);
  for (int i = 0; i < 4; ++i) AddCheckBox(d, kCheckId + i, "x", 10, 10 + 12 * i, 60, 12);
  HWND dialog = CreateModelessDialog(d, nullptr, nullptr);
  EXPECT_EQ(FirstCheckedButton(dialog, kCheckId, kCheckId + 3), 0);
  CheckDlgButton(dialog, kCheckId + 3, BST_CHECKED);
  CheckDlgButton(dialog, kCheckId + 2, BST_CHECKED);
  EXPECT_EQ(FirstCheckedButton(dialog, kCheckId, kCheckId + 3), kCheckId + 2);
  EXPECT_EQ(FirstCheckedButton(dialog, kCheckId, kCheckId + 1), 0);
  DestroyWindow(dialog);
}

// Colours come from the callback: the focused field black on white, the others blue on yellow.
HBRUSH White = nullptr, Yellow = nullptr;
bool BrushesDeleted = false;
INT_PTR CALLBACK ColourProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_INITDIALOG:
      White = CreateSolidBrush(RGB(255, 255, 255));
      Yellow = CreateSolidBrush(RGB(255, 255, 200));
      return TRUE;
    case WM_CTLCOLOREDIT:
      if (reinterpret_cast<HWND>(lParam) == GetFocus())
        return ColourControl(reinterpret_cast<HDC>(wParam), RGB(0, 0, 0), White, false);
      return ColourControl(reinterpret_cast<HDC>(wParam), RGB(0, 0, 255), Yellow, false);
    case WM_CTLCOLORSTATIC:
      return ColourControl(reinterpret_cast<HDC>(wParam), RGB(0, 0, 255), Yellow);
    case WM_DESTROY:
      BrushesDeleted = DeleteObject(White) && DeleteObject(Yellow);
      return TRUE;
  }
  (void)dialog;
  return FALSE;
}

TEST(RuntimeDialog, ColourMessagesGetTheCallbacksBrushesAndColours) {
  DialogTemplate d = NewDialog("Colours", 0, 0, 120, 80);
  AddField(d, kFieldId, "1", 10, 10, 50, 12);
  AddField(d, kSecondFieldId, "2", 10, 26, 50, 12);
  AddOption(d, kOptionAId, "&A", 10, 44, 60, 12);
  OnOpen(d, [](HWND dialog) { SetFocus(GetDlgItem(dialog, kFieldId)); });
  d.style |= WS_VISIBLE;
  HWND dialog = CreateModelessDialog(d, nullptr, ColourProc);
  ASSERT_NE(dialog, nullptr);
  HDC dc = CreateCompatibleDC(nullptr);
  struct Probe { UINT msg; int id; HBRUSH brush; COLORREF text, back; int mode; };
  const Probe probes[] = {{WM_CTLCOLOREDIT, kFieldId, White, RGB(0, 0, 0), RGB(255, 255, 255), OPAQUE},
                          {WM_CTLCOLOREDIT, kSecondFieldId, Yellow, RGB(0, 0, 255), RGB(255, 255, 200), OPAQUE},
                          {WM_CTLCOLORSTATIC, kOptionAId, Yellow, RGB(0, 0, 255), 0, TRANSPARENT}};
  for (const auto& p : probes) {
    SetBkMode(dc, OPAQUE);
    LRESULT brush = SendMessageA(dialog, p.msg, reinterpret_cast<WPARAM>(dc),
                                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, p.id)));
    EXPECT_EQ(reinterpret_cast<HBRUSH>(brush), p.brush) << p.id;
    EXPECT_EQ(GetTextColor(dc), p.text) << p.id;
    EXPECT_EQ(GetBkMode(dc), p.mode) << p.id;
    if (p.mode == OPAQUE) {
      EXPECT_EQ(GetBkColor(dc), p.back) << p.id;
    }
  }
  DeleteDC(dc);
  DestroyWindow(dialog);
  EXPECT_TRUE(BrushesDeleted);
}

TEST(RuntimeDialog, AFocusSetAtOpeningStaysAndOpenActionsRunInOrder) {
  std::string order;
  DialogTemplate d = NewDialog("Focus", 0, 0, 120, 80);
  AddField(d, kFieldId, "", 10, 10, 50, 12);
  AddField(d, kSecondFieldId, "", 10, 26, 50, 12);
  OnOpen(d, [&](HWND) { order += "a"; });
  OnOpen(d, [&](HWND dialog) {
    order += "b";
    SetFocus(GetDlgItem(dialog, kSecondFieldId));
  });
  int focus = 0;
  auto run = RunScript({WhenDialog("Focus",
                                   [&](HWND dialog) {
                                     focus = GetDlgCtrlID(GetFocus());
                                     EndDialog(dialog, 3);
                                   })},
                       [&] { EXPECT_EQ(ShowModalDialog(d, nullptr, nullptr), 3); });
  ASSERT_TRUE(run.finished);
  EXPECT_EQ(order, "ab");
  EXPECT_EQ(focus, kSecondFieldId);

  DialogTemplate plain = NewDialog("No focus set", 0, 0, 120, 80);
  AddField(plain, kFieldId, "", 10, 10, 50, 12);
  AddField(plain, kSecondFieldId, "", 10, 26, 50, 12);
  run = RunScript({WhenDialog("No focus set",
                              [&](HWND dialog) {
                                focus = GetDlgCtrlID(GetFocus());
                                EndDialog(dialog, 0);
                              })},
                  [&] { ShowModalDialog(plain, nullptr, nullptr); });
  ASSERT_TRUE(run.finished);
  EXPECT_EQ(focus, kFieldId);
}

TEST(RuntimeDialog, ControlsMadeOnALiveDialogUseItsUnitsAndFont) {
  DialogTemplate d = NewDialog("Page", 5, 47, 200, 100, WS_CHILD | WS_VISIBLE | DS_CONTROL | WS_VSCROLL,
                               WS_EX_CLIENTEDGE, DialogPlain);
  HWND parent = CreateModelessDialog(NewDialog("Table", 0, 0, 220, 170), nullptr, nullptr);
  HWND page = CreateModelessDialog(d, parent, nullptr);
  ASSERT_NE(page, nullptr);
  EXPECT_EQ(GetParent(page), parent);
  HWND cell = CreateDialogControl(page, "EDIT", kCellId, "12.5", 33, 11, 72, 11,
                                  WS_TABSTOP | ES_AUTOHSCROLL | ES_MULTILINE, WS_EX_STATICEDGE);
  ASSERT_NE(cell, nullptr);
  EXPECT_EQ(GetDlgItem(page, kCellId), cell);
  RECT want = Units(page, 33, 11, 72, 11), got = ClientRectOfChild(page, kCellId);
  EXPECT_EQ(got.left, want.left);
  EXPECT_EQ(got.top, want.top);
  EXPECT_EQ(got.right, want.right);
  EXPECT_EQ(got.bottom, want.bottom);
  EXPECT_EQ(SendMessageA(cell, WM_GETFONT, 0, 0), SendMessageA(page, WM_GETFONT, 0, 0));
  DestroyWindow(parent);
  EXPECT_FALSE(IsWindow(page));
}

TEST(TextWidth, MeasuresTheTrimmedLengthPlusTwoPaddedWithBlanks) {
  HWND dialog = CreateModelessDialog(NewDialog("Measure", 0, 0, 120, 80), nullptr, nullptr);
  HDC dc = GetDC(dialog);
  SelectObject(dc, GetStockObject(SYSTEM_FIXED_FONT));
  TEXTMETRICA tm;
  GetTextMetricsA(dc, &tm);
  struct Case { const char* text; int characters; };
  const Case cases[] = {{"AB", 4}, {"AB  ", 4}, {" AB", 4}, {"ABCDEF   ", 8}, {"", 2}};
  for (const auto& c : cases) {
    int w = c.characters * tm.tmAveCharWidth, h = tm.tmHeight;
    PixelsToUnits(dialog, w, h);
    int height = 0;
    EXPECT_EQ(TextWidth(dialog, dc, c.text, height), w) << '"' << c.text << '"';
    EXPECT_EQ(height, h);
  }
  ReleaseDC(dialog, dc);

  // Before the dialog exists: the same measure in the template's font.
  DialogTemplate d = NewDialog("Measure", 0, 0, 120, 80);
  int height = 0, wide = DialogTextWidth(d, "SELECTION OF TANK SUBSTRUCTURE", height);
  HDC dialogDc = GetDC(dialog);
  SelectObject(dialogDc, reinterpret_cast<HFONT>(SendMessageA(dialog, WM_GETFONT, 0, 0)));
  int h2 = 0;
  EXPECT_EQ(wide, TextWidth(dialog, dialogDc, "SELECTION OF TANK SUBSTRUCTURE", h2));
  EXPECT_EQ(height, h2);
  EXPECT_GT(wide, 100);
  ReleaseDC(dialog, dialogDc);
  DestroyWindow(dialog);
}

TEST(UnitsAndPixels, ConvertBothWays) {
  HWND dialog = CreateModelessDialog(NewDialog("Units", 0, 0, 120, 80), nullptr, nullptr);
  int x = 40, y = 16;
  UnitsToPixels(dialog, x, y);
  RECT r = Units(dialog, 0, 0, 40, 16);
  EXPECT_EQ(x, r.right);
  EXPECT_EQ(y, r.bottom);
  PixelsToUnits(dialog, x, y);
  EXPECT_EQ(x, 40);
  EXPECT_EQ(y, 16);
  DestroyWindow(dialog);
}

TEST(MessagePumpThread, EndsWithOneSoonAfterItsWindowIsGoneAndDoesNotSpin) {
  HWND window = CreateModelessDialog(NewDialog("Pumped", 0, 0, 80, 40), nullptr, nullptr);
  HANDLE thread = CreateThread(nullptr, 0, MessagePumpThread, window, 0, nullptr);
  ASSERT_NE(thread, nullptr);
  Sleep(600);
  EXPECT_EQ(WaitForSingleObject(thread, 0), static_cast<DWORD>(WAIT_TIMEOUT));
  FILETIME created, exited, kernel, user;
  ASSERT_TRUE(GetThreadTimes(thread, &created, &exited, &kernel, &user));
  auto ms = [](FILETIME f) {
    return ((static_cast<unsigned long long>(f.dwHighDateTime) << 32) | f.dwLowDateTime) / 10000;
  };
  EXPECT_LT(ms(kernel) + ms(user), 200u);  // a spinning thread would have used all of the 600 ms
  DestroyWindow(window);
  EXPECT_EQ(WaitForSingleObject(thread, 1000), static_cast<DWORD>(WAIT_OBJECT_0));
  DWORD code = 0;
  GetExitCodeThread(thread, &code);
  EXPECT_EQ(code, 1u);
  CloseHandle(thread);
}

TEST(Program, CarriesNoVisualStylesManifest) {
  // Colours on check boxes and option buttons need the classic controls.
  HMODULE self = GetModuleHandleA(nullptr);
  HRSRC res = FindResourceA(self, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
  if (!res) return;  // no manifest at all: classic controls
  const char* data = static_cast<const char*>(LockResource(LoadResource(self, res)));
  std::string manifest(data, SizeofResource(self, res));
  EXPECT_EQ(manifest.find("Common-Controls"), std::string::npos);
}

}  // namespace

namespace {

// A table window made room for a view of `view` pixels beside it; its place on the screen and
// the screen corner of its first field.
struct Placed {
  RECT window;
  POINT field;
  long left;
};
Placed PlaceWithView(long view) {
  Placed p{};
  DialogTemplate d = NewDialog("Table and view", 0, 0, 200, 100);
  AddField(d, kCellId, "1", 5, 20, 60, 12);
  AddButton(d, kOkId, "&Ok", 80, 70, 40, 14);
  auto run = RunScript({WhenDialog("Table and view",
                                   [&](HWND dialog) {
                                     p.left = MakeRoomForView(dialog, view, 50);
                                     GetWindowRect(dialog, &p.window);
                                     RECT f;
                                     GetWindowRect(GetDlgItem(dialog, kCellId), &f);
                                     p.field = POINT{f.left, f.top};
                                     EndDialog(dialog, 0);
                                   })},
                       [&] { ShowModalDialog(d, nullptr, nullptr); });
  EXPECT_TRUE(run.finished);
  return p;
}

}  // namespace

TEST(MakeRoomForView, TheWindowWidensByTheViewAndIsCentredWhenItFits) {
  Placed p = PlaceWithView(100);
  long screen = GetSystemMetrics(SM_CXSCREEN), width = p.window.right - p.window.left;
  EXPECT_GT(p.left, 0);
  EXPECT_NEAR(p.window.left, (screen - width) / 2, 1);
}

// On a screen narrower than table and view together the table stays whole from the left edge and
// the window ends at the right edge (the view is narrowed), rather than centred off both edges.
TEST(MakeRoomForView, ATableAndViewWiderThanTheScreenKeepTheTableOnTheScreen) {
  long screen = GetSystemMetrics(SM_CXSCREEN);
  Placed p = PlaceWithView(screen);
  EXPECT_EQ(p.window.left, 0);
  EXPECT_EQ(p.window.right, screen);
  EXPECT_GE(p.field.x, 0);
}
