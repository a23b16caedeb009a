#pragma once
// What the job and load-case dialogs share: a list of names in a combo box beside a coloured panel
// under a framed title, with a heading over the list.
#include <windows.h>

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "win/colours.h"

// The ids of the heading over the list and of the panel beside it.
constexpr int kListHeadingId = 111, kListPanelId = 109;

// The text of item index of a combo box; empty when there is no such item.
std::string ComboItemText(HWND combo, int index);

// The names a combo box offers, trimmed, without empty items.
std::vector<std::string> ComboNames(HWND combo);

// A coarse dialog font leaves less room for a list: the combo box gets width x height dialog
// units, measured in the dialog's own font.
void FitListToCoarseFont(HWND dialog, int comboId, int width, int height);

// The colour rules of the dialogs (win/colours.h): the frame's title black on cyan, the panel green
// on blue, the heading yellow on purple, each of the dialog's own controls white on its colour, any
// other static control white on blue; all text on a transparent background.
std::vector<ColourRule> ListDialogColours(int frameId, std::initializer_list<std::pair<int, COLORREF>> own = {});

// The life of a list dialog's state (a State with a `colours` member) under the window property
// prop: made by make(lParam) at WM_INITDIALOG, its colour rules answered, deleted at WM_DESTROY.
// True when the message was dealt with so, result then being what the callback returns; else s is
// the state and the callback goes on with the message.
template <class State, class Make>
bool ListDialogState(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam, const char* prop, Make make, State*& s,
                     INT_PTR& result) {
  if (msg == WM_INITDIALOG) {
    s = make(lParam);
    SetPropA(dialog, prop, s);
    DialogColours(dialog, msg, wParam, lParam, s->colours, result);
    result = TRUE;
    return true;
  }
  result = FALSE;
  s = static_cast<State*>(GetPropA(dialog, prop));
  if (!s) return true;
  if (DialogColours(dialog, msg, wParam, lParam, s->colours, result)) return true;
  if (msg == WM_DESTROY) {
    RemovePropA(dialog, prop);
    delete s;
    result = TRUE;
    return true;
  }
  return false;
}
