#include "win/startup.h"

#include <cmath>

#include "win/colours.h"
#include "win/handles.h"
#include "win/messages.h"

namespace {

constexpr int kNoticeHeadingId = 101;
constexpr int kNoticeTextId = 102;
constexpr int kAgreeId = 9876;

// The notice is the package's: the same for all its programs.
const char* const kNoticeHeading =
    "ZOR SOFTWARE\r\n"
    "Analysis of Beams, Strips, Circular Plates and Cylindrical Tanks\r\n"
    "Author: the ZOR software authors";

const char* const kNoticeText =
    "RIGHTS OF USE\r\n\r\n"
    "This software and the book it accompanies may be used by the person or the office that obtained "
    "them, for their own design work. Copies of the software may be made only to keep a backup.\r\n\r\n"
    "LIMITED WARRANTY\r\n\r\n"
    "The software is supplied as it is. Its results are only as good as the data entered: check every "
    "result before it is used in a design. The authors accept no liability for loss or damage that "
    "arises from the use of the software or of its results.\r\n\r\n"
    "Choose \"I Agree - Continue\" to accept these terms, or \"Exit\" to end the program.";

// The heading green on maroon; the notice's text (a read-only field) white on olive brown.
const std::vector<ColourRule> kNoticeColours = {
    {WM_CTLCOLORSTATIC, kNoticeHeadingId, kNoticeHeadingId, RGB(0, 255, 0), RGB(128, 0, 0)},
    {WM_CTLCOLORSTATIC, AllControls, AllControlsEnd, RGB(255, 255, 255), RGB(110, 92, 10), false},
};

}  // namespace

DialogTemplate NoticeDialog() {
  DialogTemplate d = NewDialog("  ZOR SOFTWARE", 80, 30, 364, 250);
  AddLabel(d, kNoticeHeadingId, kNoticeHeading, 50, 0, 250, 40, SS_CENTER);
  AddField(d, kNoticeTextId, kNoticeText, 10, 40, 338, 162,
           ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | WS_VSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE);
  AddButton(d, kAgreeId, "I Agree - &Continue", 120, 215, 80, 14);
  AddButton(d, IDCANCEL, "&Exit", 210, 215, 40, 14);
  OnOpen(d, [](HWND dialog) {
    SetFixedFont(dialog, kNoticeTextId);
    SetFocus(GetDlgItem(dialog, kAgreeId));
    PlacePointer(dialog, 160, 222);
  });
  return d;
}

INT_PTR CALLBACK NoticeDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
  INT_PTR colour;
  if (DialogColours(dialog, msg, wParam, lParam, kNoticeColours, colour)) return colour;
  switch (msg) {
    case WM_INITDIALOG:
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(wParam) == kAgreeId) {
        EndDialog(dialog, 1);
        return TRUE;
      }
      if (LOWORD(wParam) == IDCANCEL) {
        PostQuitMessage(0);
        EndDialog(dialog, 0);
        return TRUE;
      }
      return FALSE;
    case WM_DESTROY:
      return TRUE;
    default:
      return FALSE;
  }
}

void PaintBackground(HWND window) {
  RECT client;
  GetClientRect(window, &client);
  WindowDc dc(window);
  double band = client.bottom / 200.0;
  for (int i = 0; i < 200; ++i) {
    RECT r{0, static_cast<LONG>(std::lround(i * band)), client.right + 1, static_cast<LONG>(std::lround((i + 1) * band))};
    OwnedBrush brush(CreateSolidBrush(RGB(0, 0, 255 - i)));
    FillRect(dc.get(), &r, brush.get());
  }
}

bool MainWindowPaintMessage(HWND window, UINT msg, LRESULT& result) {
  if (msg == WM_PAINT) {
    PaintDc paint(window);
    SetBkMode(paint.get(), TRANSPARENT);
    SetTextColor(paint.get(), RGB(255, 255, 255));
    result = 0;
    return true;
  }
  if (msg == WM_ERASEBKGND) {
    PaintBackground(window);
    result = 1;
    return true;
  }
  return false;
}

int RunMessageLoop() {
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return static_cast<int>(msg.wParam);
}
