#pragma once
// What the tests of the job and load-case dialogs read back from a window: its caption and the
// items of a combo box as they stand, also as the last step of a dialog's script.
#include <windows.h>

#include <string>
#include <vector>

#include "win/listdialog.h"
#include "win/testing/wintest.h"
#include "win/tests/colourprobe.h"

using wintest::WindowText;


inline std::vector<std::string> ComboItems(HWND dialog, int id) {
  std::vector<std::string> items;
  HWND combo = GetDlgItem(dialog, id);
  int n = static_cast<int>(SendMessageA(combo, CB_GETCOUNT, 0, 0));
  for (int i = 0; i < n; ++i) {
    char text[512] = {0};
    SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
    items.push_back(text);
  }
  return items;
}

// When the dialog shows: the items of its combo box id, then Cancel.
inline wintest::Step ItemsThenCancel(const std::string& caption, int id, std::vector<std::string>& items) {
  return wintest::WhenDialog(caption, [id, &items](HWND d) {
    items = ComboItems(d, id);
    wintest::Click(d, IDCANCEL);
  });
}

// When the dialog shows: item index of the combo box selected, then the button pressed (posted,
// so that a box it opens can be answered by the next step).
inline wintest::Step SelectAndPress(const std::string& caption, int comboId, int index, int button) {
  return wintest::WhenDialog(caption, [comboId, index, button](HWND d) {
    SendDlgItemMessageA(d, comboId, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    wintest::PostClick(d, button);
  });
}

// When the message box shows: its text kept, then the answer given.
inline wintest::Step ReadAndAnswer(const std::string& caption, std::string& text, int answer) {
  return wintest::WhenDialog(caption, [&text, answer](HWND box) {
    text = wintest::BoxText(box);
    wintest::AnswerBox(box, answer);
  });
}

// The colours every list dialog shares, then the dialog's own: the frame's title black on cyan,
// the panel green on blue, the heading yellow on purple.
inline void ExpectListDialogColours(HWND dialog, int frameId, std::vector<ColourProbe> own) {
  own.insert(own.begin(), {{WM_CTLCOLORSTATIC, frameId, RGB(100, 255, 255), RGB(0, 0, 0)},
                           {WM_CTLCOLORSTATIC, kListPanelId, RGB(0, 0, 255), RGB(0, 255, 0)},
                           {WM_CTLCOLORSTATIC, kListHeadingId, RGB(128, 0, 128), RGB(255, 255, 0)}});
  ExpectColours(dialog, own);
}
