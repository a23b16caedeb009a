#pragma once
// Asks a dialog on screen for the colours of its controls, as Windows does before it draws them.
#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

// One colour message about one control (0: the dialog itself) and what it should answer.
struct ColourProbe {
  UINT msg;
  int id;
  COLORREF brush, text;
};

inline COLORREF BrushColour(HBRUSH brush) {
  LOGBRUSH lb{};
  if (!brush || !GetObjectA(brush, sizeof lb, &lb)) return 0xFFFFFFFF;
  return lb.lbColor;
}

// Sends each probe's message with a real device context of the dialog and checks the brush's
// colour and the text colour set; an expected text colour of RGB(1, 2, 3) means the text colour is
// left alone. Text drawn on an opaque background must be drawn on the brush's colour.
inline void ExpectColours(HWND dialog, const std::vector<ColourProbe>& probes) {
  HDC dc = GetDC(dialog);
  for (const ColourProbe& p : probes) {
    HWND control = p.id ? GetDlgItem(dialog, p.id) : dialog;
    ASSERT_NE(control, nullptr) << "control " << p.id;
    SetTextColor(dc, RGB(1, 2, 3));
    SetBkColor(dc, RGB(4, 5, 6));
    SetBkMode(dc, TRANSPARENT);
    auto brush = reinterpret_cast<HBRUSH>(
        SendMessageA(dialog, p.msg, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control)));
    EXPECT_EQ(BrushColour(brush), p.brush) << "brush of " << p.id;
    EXPECT_EQ(GetTextColor(dc), p.text) << "text of " << p.id;
    if (GetBkMode(dc) == OPAQUE) {
      EXPECT_EQ(GetBkColor(dc), p.brush) << "text background of " << p.id;
    }
  }
  ReleaseDC(dialog, dc);
}
