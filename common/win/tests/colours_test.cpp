// The colour rules of a dialog: brushes made at opening, picked by message, id and focus, the
// text colour and background set into the device context, brushes deleted with the dialog.
#include <gtest/gtest.h>
#include <windows.h>

#include "win/colours.h"
#include "win/dialogs.h"
#include "win/ids.h"

namespace {

// The sample dialog's own controls.
constexpr int kFieldId = 101, kSecondFieldId = 102, kLabelId = 111, kBoxId = 131, kFrameId = 97, kListId = 301;

const std::vector<ColourRule> kRules = {
    {WM_CTLCOLOREDIT, kFieldId, kSecondFieldId, RGB(0, 0, 0), StockColour(WHITE_BRUSH), false, ColourFocused},
    {WM_CTLCOLOREDIT, kFieldId, kSecondFieldId, RGB(0, 0, 255), RGB(255, 255, 200), false},
    {WM_CTLCOLORSTATIC, kLabelId, kLabelId, RGB(0, 0, 255), RGB(0, 255, 255)},
    {WM_CTLCOLORSTATIC, kBoxId, kBoxId, RGB(255, 255, 255), RGB(128, 128, 0)},
    {WM_CTLCOLORSTATIC, kFrameId, kFrameId, SystemColour(COLOR_WINDOWTEXT), SystemColour(COLOR_BTNFACE)},
    {WM_CTLCOLORLISTBOX, kListId, kListId, RGB(0, 0, 255), SystemColour(COLOR_INFOBK)},
    {WM_CTLCOLORSTATIC, AllControls, AllControlsEnd, RGB(255, 255, 0), RGB(200, 11, 36)},
    {WM_CTLCOLORBTN, kOkId, kOkId, RGB(0, 0, 0), RGB(255, 255, 200)},
    {WM_CTLCOLORDLG, AllControls, AllControlsEnd, 0, RGB(230, 240, 255)},
};

INT_PTR CALLBACK RulesProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
  INT_PTR colour;
  if (DialogColours(dialog, msg, wParam, lParam, kRules, colour)) return colour;
  return FALSE;
}

HWND OpenSample() {
  DialogTemplate d = NewDialog("Colour rules", 0, 0, 200, 140);
  d.style |= WS_VISIBLE;
  AddLabel(d, kLabelId, "Label", 5, 5, 60, 10);
  AddField(d, kFieldId, "1", 70, 5, 50, 12);
  AddField(d, kSecondFieldId, "2", 70, 20, 50, 12);
  AddLabel(d, kHeadingId, "Heading", 5, 35, 60, 10);
  AddCheckBox(d, kBoxId, "Box", 5, 50, 60, 12);
  AddFrame(d, kFrameId, "", 2, 2, 190, 70);
  AddListBox(d, kListId, 5, 75, 80, 40);
  AddButton(d, kOkId, "&Ok", 100, 100, 40, 14);
  AddButton(d, kCancelId, "&Cancel", 150, 100, 40, 14);
  OnOpen(d, [](HWND dialog) { SetFocus(GetDlgItem(dialog, kFieldId)); });
  return CreateModelessDialog(d, nullptr, RulesProc);
}

COLORREF BrushColour(HBRUSH brush) {
  LOGBRUSH lb{};
  GetObjectA(brush, sizeof lb, &lb);
  return lb.lbColor;
}

struct Answer {
  HBRUSH brush;
  COLORREF text;
  int mode;
  COLORREF back;
};

Answer Ask(HWND dialog, UINT msg, int id, HDC dc) {
  SetTextColor(dc, RGB(1, 2, 3));
  SetBkMode(dc, OPAQUE);
  SetBkColor(dc, RGB(4, 5, 6));
  auto brush = reinterpret_cast<HBRUSH>(
      SendMessageA(dialog, msg, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id))));
  return {brush, GetTextColor(dc), GetBkMode(dc), GetBkColor(dc)};
}

TEST(ColourRules, EachControlGetsTheColoursOfItsFirstMatchingRule) {
  HWND dialog = OpenSample();
  ASSERT_NE(dialog, nullptr);
  HDC dc = GetDC(dialog);
  struct Case {
    UINT msg;
    int id;
    COLORREF brush, text;
    int mode;
  };
  const Case cases[] = {
      {WM_CTLCOLOREDIT, kFieldId, RGB(255, 255, 255), RGB(0, 0, 0), OPAQUE},      // focused
      {WM_CTLCOLOREDIT, kSecondFieldId, RGB(255, 255, 200), RGB(0, 0, 255), OPAQUE},    // not focused
      {WM_CTLCOLORSTATIC, kLabelId, RGB(0, 255, 255), RGB(0, 0, 255), TRANSPARENT},
      {WM_CTLCOLORSTATIC, kBoxId, RGB(128, 128, 0), RGB(255, 255, 255), TRANSPARENT},
      {WM_CTLCOLORSTATIC, kFrameId, GetSysColor(COLOR_BTNFACE), GetSysColor(COLOR_WINDOWTEXT), TRANSPARENT},
      {WM_CTLCOLORSTATIC, kHeadingId, RGB(200, 11, 36), RGB(255, 255, 0), TRANSPARENT},  // every other static
      {WM_CTLCOLORLISTBOX, kListId, GetSysColor(COLOR_INFOBK), RGB(0, 0, 255), TRANSPARENT},
      {WM_CTLCOLORBTN, kOkId, RGB(255, 255, 200), RGB(0, 0, 0), TRANSPARENT},
  };
  for (const Case& c : cases) {
    Answer a = Ask(dialog, c.msg, c.id, dc);
    ASSERT_NE(a.brush, nullptr) << c.id;
    EXPECT_EQ(BrushColour(a.brush), c.brush) << c.id;
    EXPECT_EQ(a.text, c.text) << c.id;
    EXPECT_EQ(a.mode, c.mode) << c.id;
    if (c.mode == OPAQUE) {
      EXPECT_EQ(a.back, c.brush) << c.id;
    }
  }
  // System and stock colours are the system's own brushes, not copies.
  EXPECT_EQ(Ask(dialog, WM_CTLCOLORLISTBOX, kListId, dc).brush, GetSysColorBrush(COLOR_INFOBK));
  EXPECT_EQ(Ask(dialog, WM_CTLCOLOREDIT, kFieldId, dc).brush, GetStockObject(WHITE_BRUSH));
  // One brush for each colour: the unfocused field and button 55 share theirs.
  EXPECT_EQ(Ask(dialog, WM_CTLCOLOREDIT, kSecondFieldId, dc).brush, Ask(dialog, WM_CTLCOLORBTN, kOkId, dc).brush);
  // The dialog's own background: its brush, the context left as it was.
  SetTextColor(dc, RGB(1, 2, 3));
  auto back = reinterpret_cast<HBRUSH>(
      SendMessageA(dialog, WM_CTLCOLORDLG, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(dialog)));
  EXPECT_EQ(BrushColour(back), RGB(230, 240, 255));
  EXPECT_EQ(GetTextColor(dc), RGB(1, 2, 3));
  // No rule: the system's colours.
  EXPECT_EQ(BrushColour(Ask(dialog, WM_CTLCOLORBTN, 2, dc).brush), GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(BrushColour(Ask(dialog, WM_CTLCOLOREDIT, kLabelId, dc).brush), GetSysColor(COLOR_WINDOW));
  // The focus moves: the colours follow it.
  SetFocus(GetDlgItem(dialog, kSecondFieldId));
  EXPECT_EQ(BrushColour(Ask(dialog, WM_CTLCOLOREDIT, kFieldId, dc).brush), RGB(255, 255, 200));
  EXPECT_EQ(BrushColour(Ask(dialog, WM_CTLCOLOREDIT, kSecondFieldId, dc).brush), RGB(255, 255, 255));
  ReleaseDC(dialog, dc);
  DestroyWindow(dialog);
}

TEST(ColourRules, BrushesMadeAtOpeningAreDeletedWithTheDialog) {
  HWND dialog = OpenSample();
  ASSERT_NE(dialog, nullptr);
  HDC dc = GetDC(dialog);
  HBRUSH made[] = {Ask(dialog, WM_CTLCOLOREDIT, kSecondFieldId, dc).brush, Ask(dialog, WM_CTLCOLORSTATIC, kLabelId, dc).brush,
                   Ask(dialog, WM_CTLCOLORSTATIC, kHeadingId, dc).brush};
  ReleaseDC(dialog, dc);
  for (HBRUSH b : made) EXPECT_EQ(GetObjectType(b), static_cast<DWORD>(OBJ_BRUSH));
  DestroyWindow(dialog);
  for (HBRUSH b : made) EXPECT_EQ(GetObjectType(b), 0u);
  // The system's brushes stay.
  EXPECT_EQ(GetObjectType(GetSysColorBrush(COLOR_INFOBK)), static_cast<DWORD>(OBJ_BRUSH));
}

TEST(ColourRules, AFieldIsRepaintedWhenItsFocusChanges) {
  HWND dialog = OpenSample();
  ASSERT_NE(dialog, nullptr);
  UpdateWindow(dialog);
  struct Case {
    int id;
    WORD code;
    bool repainted;
  };
  const Case cases[] = {{kSecondFieldId, EN_SETFOCUS, true}, {kFieldId, EN_KILLFOCUS, true}, {kLabelId, EN_SETFOCUS, false}};
  for (const Case& c : cases) {
    HWND control = GetDlgItem(dialog, c.id);
    UpdateWindow(control);
    ValidateRect(control, nullptr);
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(c.id, c.code), reinterpret_cast<LPARAM>(control));
    EXPECT_EQ(GetUpdateRect(control, nullptr, FALSE) != 0, c.repainted) << c.id;
  }
  DestroyWindow(dialog);
}

}  // namespace
