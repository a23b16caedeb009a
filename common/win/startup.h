#pragma once
// Start-up pieces every analysis program shows alike: the package's notice, the blue gradient
// of the main window and the message loop.
#include <windows.h>

#include "win/dialogs.h"

// The start-up notice: "I Agree - &Continue" (9876) ends it with 1; "&Exit" (2) posts the quit
// message and ends it with 0, so the program ends without a menu ever shown.
DialogTemplate NoticeDialog();
INT_PTR CALLBACK NoticeDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam);

// Fills the client area with 200 horizontal bands from RGB(0, 0, 255) down to RGB(0, 0, 56).
void PaintBackground(HWND window);

// The paint and erase messages of a main window: nothing is drawn on paint, the gradient on
// erase. Returns true, with the reply in `result`, when msg is one of them.
bool MainWindowPaintMessage(HWND window, UINT msg, LRESULT& result);

// Gets and dispatches messages until the quit message; returns its value.
int RunMessageLoop();
