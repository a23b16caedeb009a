#pragma once
// The load type choice of the programs' loads commands: options 201.. of the load kinds, the
// "&ENTER / EDIT Load Data" button (131) that runs the checked kind's entry and then checks the
// next kind (the first after the last) with the pointer back where it was at opening, and
// "&CLOSE" (2), which ends the dialog with 1. Each program builds its own dialog and gives its
// differences here.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "win/colours.h"

constexpr int kLoadTypeFirstOption = 201;
constexpr int kLoadTypeEnterButton = 131;

struct LoadTypeProfile {
  int options = 4;                              // options shown, ids 201..200+options
  const std::vector<ColourRule>* colours = nullptr;
  std::function<void(HWND dialog, int option)> enter;  // the entry of option 1..options
  // The dialog manager's IDOK (Enter on an option with the button as default) acts as the button;
  // false where the options' own Enter-key procedure presses it.
  bool enterIsOk = true;
  int enterButton = kLoadTypeEnterButton;  // the id of "&ENTER / EDIT Load Data"
  // After an entry: the first option checked again and the button focused (else the next option
  // checked and focused).
  bool backToFirst = false;
};

// "   " + structure + " ANALYSIS.   JOB: " + JobSpec + "     Load Case: " + loadCase.
std::string LoadTypeCaption(const std::string& structure, const std::string& loadCase);

// One message of the program's load type callback; the value the callback returns.
INT_PTR LoadTypeMessage(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam, const LoadTypeProfile& profile);
