#pragma once
// The main window of a demo program (not a test): a grey window to draw in or to open the shared
// windows over; closing it ends the demo's message loop.
#include <windows.h>

namespace demo {

inline LRESULT CALLBACK MainProc(HWND h, UINT m, WPARAM w, LPARAM l) {
  if (m == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcA(h, m, w, l);
}

// Registers className and shows its window, caption and size as given.
inline HWND OpenMainWindow(HINSTANCE instance, const char* className, const char* caption, DWORD style, int width,
                           int height, int show) {
  WNDCLASSA wc = {};
  wc.lpfnWndProc = MainProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));
  wc.lpszClassName = className;
  RegisterClassA(&wc);
  HWND main = CreateWindowA(className, caption, style, 0, 0, width, height, nullptr, nullptr, instance, nullptr);
  ShowWindow(main, show);
  UpdateWindow(main);
  return main;
}

// Until the main window closes.
inline void RunMessageLoop() {
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

}  // namespace demo
