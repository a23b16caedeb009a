#pragma once
// Start-up pieces every analysis program shows alike: the package's notice, the blue gradient
// of the main window and the message loop.
#include <windows.h>

#include "win/dialogs.h"

// What the programs' notices and main windows differ in: the notice's title lines and colours
// (the title label's text on its background, the agreement text's) and the main window's bands.
// The notice's title label (its lines name the program) and its agreement text.
constexpr int kNoticeHeadingId = 101, kNoticeTextId = 102;

struct ProgramLook {
  const char* noticeTitle = nullptr;  // none: the package's title lines
  COLORREF titleText = RGB(0, 255, 0), titleBack = RGB(128, 0, 0);
  COLORREF noticeText = RGB(255, 255, 255), noticeBack = RGB(110, 92, 10);
  COLORREF bandsTop = RGB(0, 0, 255), bandsBottom = RGB(0, 0, 56);
};

// The start-up notice: "I Agree - &Continue" (kContinueId) ends it with 1; "&Exit" (2) posts the quit
// message and ends it with 0, so the program ends without a menu ever shown. The callback needs
// the look as the dialog's parameter (none: the package's).
DialogTemplate NoticeDialog(const ProgramLook& look = ProgramLook());
INT_PTR CALLBACK NoticeDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam);

// Fills the client area with 200 horizontal bands from the look's top colour down to its bottom
// colour (blue: RGB(0, 0, 255) down to RGB(0, 0, 56)).
void PaintBackground(HWND window, const ProgramLook& look = ProgramLook());

// The paint and erase messages of a main window: nothing is drawn on paint, the bands on
// erase. Returns true, with the reply in `result`, when msg is one of them.
bool MainWindowPaintMessage(HWND window, UINT msg, LRESULT& result, const ProgramLook& look = ProgramLook());

// Gets and dispatches messages until the quit message; returns its value.
int RunMessageLoop();
