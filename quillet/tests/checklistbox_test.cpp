// Quillet.dll loaded at run time, as any program would load it, and its controls made by class name.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "quillet/quillet.h"
#include "win/handles.h"
#include "win/testing/program.h"

namespace {

constexpr int kControlId = 501;

struct Command {
  WPARAM wParam;
  LPARAM lParam;
};
std::vector<Command> Commands;  // the WM_COMMAND messages the parent got

LRESULT CALLBACK ParentProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_COMMAND) Commands.push_back({wParam, lParam});
  return DefWindowProcA(window, msg, wParam, lParam);
}

void Pump() {
  MSG m;
  while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&m);
    DispatchMessageA(&m);
  }
}

HMODULE LoadQuillet() { return LoadLibraryA((wintest::ExeFolder() / "Quillet.dll").string().c_str()); }

// Bytes in use on every heap of the process.
size_t HeapBytesInUse() {
  std::vector<HANDLE> heaps(GetProcessHeaps(0, nullptr) + 16);
  DWORD count = GetProcessHeaps(static_cast<DWORD>(heaps.size()), heaps.data());
  size_t total = 0;
  for (DWORD i = 0; i < count && i < heaps.size(); ++i) {
    PROCESS_HEAP_ENTRY e = {};
    HeapLock(heaps[i]);
    while (HeapWalk(heaps[i], &e))
      if (e.wFlags & PROCESS_HEAP_ENTRY_BUSY) total += e.cbData;
    HeapUnlock(heaps[i]);
  }
  return total;
}

// The list as it draws itself into a bitmap of its client area.
class PrintedList {
 public:
  explicit PrintedList(HWND list) {
    RECT client{};
    GetClientRect(list, &client);
    WindowDc screen(list);
    memory_.reset(CreateCompatibleDC(screen.get()));
    bitmap_.reset(CreateCompatibleBitmap(screen.get(), client.right, client.bottom));
    into_.select(memory_.get(), bitmap_.get());
    SendMessageA(list, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory_.get()), PRF_CLIENT | PRF_ERASEBKGND);
  }
  COLORREF Pixel(int x, int y) const { return GetPixel(memory_.get(), x, y); }

 private:
  OwnedDc memory_;
  OwnedBitmap bitmap_;
  SelectionGuard into_;
};

class CheckListBox : public ::testing::Test {
 protected:
  void SetUp() override {
    library = LoadQuillet();
    ASSERT_NE(library, nullptr);
    WNDCLASSA wc = {};
    wc.lpfnWndProc = ParentProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "QuilletTestParent";
    RegisterClassA(&wc);
    parent = CreateWindowExA(0, "QuilletTestParent", "Check list", WS_POPUP | WS_VISIBLE, 40, 40, 320, 260, nullptr,
                             nullptr, wc.hInstance, nullptr);
    ASSERT_NE(parent, nullptr);
    control = Make(WS_CHILD | WS_VISIBLE);
    ASSERT_NE(control, nullptr);
    list = GetDlgItem(control, CheckListBoxListId);
    ASSERT_NE(list, nullptr);
    Commands.clear();
  }
  void TearDown() override {
    if (parent) DestroyWindow(parent);
    Pump();
    if (library) FreeLibrary(library);
  }

  HWND Make(DWORD style) {
    return CreateWindowExA(0, CheckListBoxClass, "", style, 10, 10, 280, 200, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(kControlId)), GetModuleHandleA(nullptr),
                           nullptr);
  }
  LRESULT Send(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) { return SendMessageA(control, msg, wParam, lParam); }
  void Add(const char* text) { ASSERT_GE(Send(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text)), 0); }
  void Add3() {
    Add("Winkler soil");
    Add("Elastic half-space");
    Add("Nodal supports");
  }
  // The toggle notifications the parent got (the list's own ones come from the control itself).
  size_t ToggleNotices() const {
    size_t n = 0;
    for (const Command& c : Commands)
      if (c.lParam == reinterpret_cast<LPARAM>(list)) ++n;
    return n;
  }
  // Clicks the middle of an item with the mouse, as a user does.
  void ClickItem(int index) {
    RECT r{};
    ASSERT_EQ(Send(CLB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&r)), 1);
    POINT p{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    ClientToScreen(list, &p);
    SetCursorPos(p.x, p.y);
    INPUT in[2] = {};
    in[0].type = in[1].type = INPUT_MOUSE;
    in[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    in[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, in, sizeof(INPUT));
    for (int i = 0; i < 10; ++i) {
      Sleep(20);
      Pump();
    }
  }

  HMODULE library = nullptr;
  HWND parent = nullptr, control = nullptr, list = nullptr;
};

TEST_F(CheckListBox, TheInitExportGivesTheLibraryAndTheControlHoldsAFixedOwnerDrawnList) {
  using Init = HMODULE(WINAPI*)();
  auto init = reinterpret_cast<Init>(reinterpret_cast<void*>(GetProcAddress(library, CheckListBoxInitName)));
  ASSERT_NE(init, nullptr);
  EXPECT_EQ(init(), library);

  char name[32] = {0};
  GetClassNameA(list, name, sizeof name);
  EXPECT_STREQ(name, "ListBox");  // the system's own spelling of "LISTBOX"
  EXPECT_TRUE(GetWindowLongA(list, GWL_STYLE) & LBS_OWNERDRAWFIXED);
  RECT outer{}, inner{};
  GetClientRect(control, &outer);
  GetWindowRect(list, &inner);
  MapWindowPoints(nullptr, control, reinterpret_cast<POINT*>(&inner), 2);
  EXPECT_TRUE(EqualRect(&outer, &inner));
  SetWindowPos(control, nullptr, 0, 0, 200, 120, SWP_NOMOVE | SWP_NOZORDER);
  GetClientRect(control, &outer);
  GetWindowRect(list, &inner);
  MapWindowPoints(nullptr, control, reinterpret_cast<POINT*>(&inner), 2);
  EXPECT_TRUE(EqualRect(&outer, &inner));

  // No font set: the default GUI font, and rows at least 20 pixels high.
  EXPECT_EQ(reinterpret_cast<HGDIOBJ>(Send(WM_GETFONT)), GetStockObject(DEFAULT_GUI_FONT));
  EXPECT_GE(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0), 20);
  Send(WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(SYSTEM_FIXED_FONT)), 0);
  EXPECT_EQ(reinterpret_cast<HGDIOBJ>(Send(WM_GETFONT)), GetStockObject(SYSTEM_FIXED_FONT));
  EXPECT_GE(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0), 20);
}

TEST_F(CheckListBox, ItemsAreAddedEnabledAndUncheckedAndAnInvalidIndexChangesNothing) {
  Add3();
  EXPECT_EQ(Send(LB_GETCOUNT), 3);
  EXPECT_EQ(Send(CLB_GETENABLED, 1), 1);
  EXPECT_EQ(Send(CLB_GETCHECK, 1), 0);
  EXPECT_EQ(Send(CLB_SETCHECK, 1, 5), 1);
  EXPECT_EQ(Send(CLB_GETCHECK, 1), 1);
  EXPECT_EQ(Send(CLB_SETENABLED, 2, 0), 1);
  EXPECT_EQ(Send(CLB_GETENABLED, 2), 0);
  EXPECT_EQ(Send(CLB_ISVALIDINDEX, 2), 1);
  EXPECT_EQ(Send(CLB_ISVALIDINDEX, 3), 0);
  for (WPARAM bad : {WPARAM(3), WPARAM(-1), WPARAM(1000)}) {
    EXPECT_EQ(Send(CLB_ISVALIDINDEX, bad), 0);
    EXPECT_EQ(Send(CLB_SETCHECK, bad, 1), 0);
    EXPECT_EQ(Send(CLB_SETENABLED, bad, 0), 0);
    EXPECT_EQ(Send(CLB_GETCHECK, bad), -1);
    EXPECT_EQ(Send(CLB_GETENABLED, bad), -1);
    EXPECT_EQ(Send(CLB_GETROW, bad), -1);
    EXPECT_EQ(Send(LB_SETITEMDATA, bad, 7), LB_ERR);
    EXPECT_EQ(Send(LB_GETITEMDATA, bad), LB_ERR);
  }
  EXPECT_EQ(Send(LB_GETCOUNT), 3);
  const int checked[] = {0, 1, 0}, enabled[] = {1, 1, 0};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(Send(CLB_GETCHECK, i), checked[i]) << i;
    EXPECT_EQ(Send(CLB_GETENABLED, i), enabled[i]) << i;
  }
  EXPECT_EQ(Send(CLB_GETROW, 2), 2);

  // The user value is the item data, apart from the check.
  EXPECT_EQ(Send(LB_GETITEMDATA, 1), 0);
  EXPECT_EQ(Send(LB_SETITEMDATA, 1, 0x12345678), 1);
  EXPECT_EQ(Send(LB_GETITEMDATA, 1), 0x12345678);
  EXPECT_EQ(Send(CLB_GETCHECK, 1), 1);
  EXPECT_EQ(Send(CLB_SETCHECK, 1, 0), 1);
  EXPECT_EQ(Send(LB_GETITEMDATA, 1), 0x12345678);
  LONG_PTR wide = static_cast<LONG_PTR>(0x123456789AB);  // a pointer-wide value survives
  EXPECT_EQ(Send(LB_SETITEMDATA, 0, wide), 1);
  EXPECT_EQ(Send(LB_GETITEMDATA, 0), wide);
  EXPECT_EQ(Send(CLB_GETCHECK, 0), 0);
}

TEST_F(CheckListBox, ItemsWithoutARecordReadAsUncheckedEnabledAndValueZero) {
  Add3();
  // Inserted items get a record as added ones do.
  ASSERT_EQ(Send(LB_INSERTSTRING, 0, reinterpret_cast<LPARAM>("Inserted")), 0);
  EXPECT_EQ(Send(CLB_GETENABLED, 0), 1);
  EXPECT_EQ(Send(CLB_SETCHECK, 0, 1), 1);
  EXPECT_EQ(Send(CLB_GETCHECK, 0), 1);
  EXPECT_EQ(Send(CLB_GETCHECK, 1), 0);
  // An item put into the inner list directly has none, and data the control did not make is no record.
  ASSERT_EQ(SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("Direct")), 4);
  ASSERT_EQ(SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("Foreign data")), 5);
  SendMessageA(list, LB_SETITEMDATA, 5, 0x40);
  for (int i : {4, 5}) {
    EXPECT_EQ(Send(CLB_GETCHECK, i), 0) << i;
    EXPECT_EQ(Send(CLB_GETENABLED, i), 1) << i;
    EXPECT_EQ(Send(LB_GETITEMDATA, i), 0) << i;
  }
  InvalidateRect(list, nullptr, TRUE);
  UpdateWindow(list);  // drawn without a record
  EXPECT_EQ(Send(CLB_SETCHECK, 4, 1), 1);
  EXPECT_EQ(Send(CLB_GETCHECK, 4), 1);
  EXPECT_EQ(Send(LB_SETITEMDATA, 5, 9), 1);
  EXPECT_EQ(Send(LB_GETITEMDATA, 5), 9);
  EXPECT_EQ(Send(CLB_GETCHECK, 5), 0);
  // No rectangle into a null pointer.
  EXPECT_EQ(Send(CLB_GETITEMRECT, 0, 0), 0);
  RECT r{-5, -5, -5, -5};
  EXPECT_EQ(Send(CLB_GETITEMRECT, 99, reinterpret_cast<LPARAM>(&r)), 0);
  EXPECT_EQ(r.left, -5);
  EXPECT_EQ(Send(CLB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&r)), 1);
  EXPECT_EQ(r.top, static_cast<LONG>(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0)));
}

TEST_F(CheckListBox, ColoursOutsideTheRgbRangeAreIgnoredAndOtherOwnMessagesAnswerZero) {
  EXPECT_EQ(Send(CLB_SETBKCOLOR, RGB(0, 200, 0)), 1);
  EXPECT_EQ(Send(CLB_SETBKCOLOR, 16777216), 0);
  EXPECT_EQ(Send(CLB_SETTEXTCOLOR, RGB(0, 0, 200)), 1);
  EXPECT_EQ(Send(CLB_SETTEXTCOLOR, 0x01000000), 0);
  // The list's empty part is painted in the colour set last in range.
  RECT client{};
  GetClientRect(list, &client);
  PrintedList printed(list);
  EXPECT_EQ(printed.Pixel(client.right / 2, client.bottom - 5), RGB(0, 200, 0));

  const std::vector<UINT> own = {CLB_SETBKCOLOR,   CLB_SETTEXTCOLOR, CLB_SETCHECK,   CLB_GETCHECK,
                                 CLB_SETENABLED,   CLB_GETENABLED,   CLB_ISVALIDINDEX, CLB_HITTEST,
                                 CLB_GETROW,       CLB_GETITEMRECT,  CLB_GETCURSORX, CLB_GETCURSORY};
  Add3();
  std::vector<UINT> answered;
  for (UINT msg = 2024; msg <= 4024; ++msg) {
    bool isOwn = false;
    for (UINT o : own) isOwn = isOwn || o == msg;
    if (!isOwn && Send(msg, 1, 1) != 0) answered.push_back(msg);
  }
  EXPECT_EQ(answered, std::vector<UINT>{});
  EXPECT_EQ(Send(CLB_GETCHECK, 1), 0);
}

// The interior of an item's check box as drawn: its dark pixels, and the colour near its corner.
struct BoxLook {
  int darkPixels;
  COLORREF corner;
};

TEST_F(CheckListBox, CheckedUncheckedAndDisabledItemsAreDrawnApart) {
  Add3();
  Send(CLB_SETCHECK, 0, 1);
  Send(CLB_SETENABLED, 2, 0);
  PrintedList printed(list);
  auto look = [&](int index) {
    RECT item{};
    Send(CLB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&item));
    int top = item.top + (item.bottom - item.top - 16) / 2, left = item.left + 4;
    BoxLook b{0, printed.Pixel(left + 3, top + 3)};
    for (int y = top + 3; y < top + 13; ++y)
      for (int x = left + 3; x < left + 13; ++x)
        if (GetRValue(printed.Pixel(x, y)) < 80) ++b.darkPixels;
    return b;
  };
  BoxLook checked = look(0), unchecked = look(1), disabled = look(2);
  EXPECT_GT(checked.darkPixels, 5);
  EXPECT_EQ(unchecked.darkPixels, 0);
  EXPECT_EQ(unchecked.corner, GetSysColor(COLOR_WINDOW));
  EXPECT_NE(disabled.corner, unchecked.corner);  // a disabled box is drawn inactive
}

TEST_F(CheckListBox, SpaceTogglesTheSelectedEnabledItemAndTellsTheParent) {
  Add3();
  Send(CLB_SETENABLED, 2, 0);
  SetFocus(list);
  Send(LB_SETCURSEL, 1);
  SendMessageA(list, WM_CHAR, ' ', 0);
  EXPECT_EQ(Send(CLB_GETCHECK, 1), 1);
  ASSERT_EQ(ToggleNotices(), 1u);
  EXPECT_EQ(Commands.back().wParam, static_cast<WPARAM>(kControlId + 65536));
  SendMessageA(list, WM_CHAR, ' ', 0);
  EXPECT_EQ(Send(CLB_GETCHECK, 1), 0);
  EXPECT_EQ(ToggleNotices(), 2u);

  Send(LB_SETCURSEL, 2);  // disabled: nothing
  SendMessageA(list, WM_CHAR, ' ', 0);
  EXPECT_EQ(Send(CLB_GETCHECK, 2), 0);
  EXPECT_EQ(ToggleNotices(), 2u);
  // Other characters are swallowed: no search by first letter.
  SendMessageA(list, WM_CHAR, 'W', 0);
  EXPECT_EQ(Send(LB_GETCURSEL), 2);
  EXPECT_EQ(Send(CLB_GETCHECK, 0), 0);
}

TEST_F(CheckListBox, AClickTogglesOnlyTheSelectedEnabledItemWithoutANotice) {
  Add3();
  Send(CLB_SETENABLED, 2, 0);
  SetForegroundWindow(parent);
  ClickItem(0);  // selects it and gives the list the focus
  EXPECT_EQ(GetFocus(), list);
  EXPECT_EQ(Send(LB_GETCURSEL), 0);
  EXPECT_EQ(Send(CLB_GETCHECK, 0), 0);
  ClickItem(0);
  EXPECT_EQ(Send(CLB_GETCHECK, 0), 1);
  ClickItem(0);
  EXPECT_EQ(Send(CLB_GETCHECK, 0), 0);
  ClickItem(1);  // another row: selected, not toggled
  EXPECT_EQ(Send(LB_GETCURSEL), 1);
  EXPECT_EQ(Send(CLB_GETCHECK, 1), 0);
  EXPECT_EQ(Send(CLB_HITTEST), 1);
  ClickItem(2);
  ClickItem(2);  // disabled
  EXPECT_EQ(Send(CLB_GETCHECK, 2), 0);
  EXPECT_EQ(ToggleNotices(), 0u);
  // The list's own notifications reach the parent as the control's.
  bool selectionChange = false;
  for (const Command& c : Commands)
    selectionChange = selectionChange || (c.lParam == reinterpret_cast<LPARAM>(control) &&
                                          c.wParam == MAKEWPARAM(kControlId, LBN_SELCHANGE));
  EXPECT_TRUE(selectionChange);
}

TEST_F(CheckListBox, ResettingOrDestroyingTheControlFreesEveryRecord) {
  constexpr int kItems = 4000;
  auto fill = [&](HWND c) {
    SendMessageA(GetDlgItem(c, CheckListBoxListId), WM_SETREDRAW, FALSE, 0);
    for (int i = 0; i < kItems; ++i) SendMessageA(c, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("item"));
  };
  fill(control);
  Send(LB_RESETCONTENT);
  size_t before = HeapBytesInUse();
  for (int round = 0; round < 3; ++round) {
    fill(control);
    Send(CLB_SETCHECK, 5, 1);
    Send(LB_SETITEMDATA, 6, 77);
    Send(LB_RESETCONTENT);
  }
  EXPECT_EQ(Send(LB_GETCOUNT), 0);
  size_t afterResets = HeapBytesInUse();
  EXPECT_LT(afterResets, before + kItems * 4) << "records left behind by LB_RESETCONTENT";

  for (int round = 0; round < 3; ++round) {
    HWND other = Make(WS_CHILD);
    ASSERT_NE(other, nullptr);
    fill(other);
    DestroyWindow(other);
  }
  EXPECT_LT(HeapBytesInUse(), afterResets + kItems * 4) << "records or state left behind by a destroyed control";
}

TEST(CheckListBoxLibrary, TheClassGoesWithTheLibraryAndComesBackWithIt) {
  HMODULE library = LoadQuillet();
  ASSERT_NE(library, nullptr);
  WNDCLASSA wc = {};
  EXPECT_TRUE(GetClassInfoA(GetModuleHandleA(nullptr), CheckListBoxClass, &wc));
  FreeLibrary(library);
  EXPECT_EQ(GetModuleHandleA("Quillet.dll"), nullptr);
  EXPECT_FALSE(GetClassInfoA(GetModuleHandleA(nullptr), CheckListBoxClass, &wc));
  HWND orphan = CreateWindowExA(0, CheckListBoxClass, "", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
  EXPECT_EQ(orphan, nullptr);
  if (orphan) DestroyWindow(orphan);

  library = LoadQuillet();
  ASSERT_NE(library, nullptr);
  HWND again = CreateWindowExA(0, CheckListBoxClass, "", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr,
                               GetModuleHandleA(nullptr), nullptr);
  EXPECT_NE(again, nullptr);
  if (again) DestroyWindow(again);
  FreeLibrary(library);
}

}  // namespace
