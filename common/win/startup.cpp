#include "win/startup.h"
#include "win/ids.h"

#include <cmath>

#include "win/colours.h"
#include "win/handles.h"
#include "win/messages.h"

namespace {

constexpr int kAgreeId = kContinueId;

// The notice is the package's; a program may name itself in its title lines.
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

// The heading on its colours (transparent); the notice's text (a read-only field) on its own.
std::vector<ColourRule> NoticeColours(const ProgramLook& look) {
  return {
      {WM_CTLCOLORSTATIC, kNoticeHeadingId, kNoticeHeadingId, look.titleText, look.titleBack},
      {WM_CTLCOLORSTATIC, AllControls, AllControlsEnd, look.noticeText, look.noticeBack, false},
  };
}

const ProgramLook kPackageLook;

}  // namespace

DialogTemplate NoticeDialog(const ProgramLook& look) {
  DialogTemplate d = NewDialog("  ZOR SOFTWARE", 80, 30, 364, 250);
  AddLabel(d, kNoticeHeadingId, look.noticeTitle ? look.noticeTitle : kNoticeHeading, 50, 0, 250, 40, SS_CENTER);
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
  if (msg == WM_INITDIALOG) SetWindowLongPtrA(dialog, GWLP_USERDATA, lParam);
  const ProgramLook* look = reinterpret_cast<const ProgramLook*>(GetWindowLongPtrA(dialog, GWLP_USERDATA));
  INT_PTR colour;
  if (DialogColours(dialog, msg, wParam, lParam, NoticeColours(look ? *look : kPackageLook), colour)) return colour;
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

void PaintBackground(HWND window, const ProgramLook& look) {
  RECT client;
  GetClientRect(window, &client);
  WindowDc dc(window);
  double band = client.bottom / 200.0;
  auto shade = [](int top, int bottom, int i) { return static_cast<BYTE>(top + (bottom - top) * i / 199); };
  for (int i = 0; i < 200; ++i) {
    RECT r{0, static_cast<LONG>(std::lround(i * band)), client.right + 1, static_cast<LONG>(std::lround((i + 1) * band))};
    OwnedBrush brush(CreateSolidBrush(RGB(shade(GetRValue(look.bandsTop), GetRValue(look.bandsBottom), i),
                                          shade(GetGValue(look.bandsTop), GetGValue(look.bandsBottom), i),
                                          shade(GetBValue(look.bandsTop), GetBValue(look.bandsBottom), i))));
    FillRect(dc.get(), &r, brush.get());
  }
}

bool MainWindowPaintMessage(HWND window, UINT msg, LRESULT& result, const ProgramLook& look) {
  if (msg == WM_PAINT) {
    PaintDc paint(window);
    SetBkMode(paint.get(), TRANSPARENT);
    SetTextColor(paint.get(), RGB(255, 255, 255));
    result = 0;
    return true;
  }
  if (msg == WM_ERASEBKGND) {
    PaintBackground(window, look);
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
