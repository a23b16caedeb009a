#pragma once
// The "SELECTION OF STRUCTURAL ACTION" dialog that the programs' results commands share: one
// option button per structural action (201.., the first checked), "&PLOT the SELECTED ACTION"
// (56) and "&CANCEL" (2). Each press of the plot button hands the checked action to the
// program's plot routine (which shows the graph window and returns when it is closed), then
// checks the next action (the first after the last); the dialog stays open until "&CANCEL",
// which ends it with 1. A press with no action checked does nothing. Win32 only (suite_graph).
//
//   ActionDialogProfile p;
//   p.caption = "  BEAM/STRIP ANALYSIS.   JOB: " + JobSpec + ...;
//   p.heading = "SELECTION OF STRUCTURAL ACTION";
//   p.options = {"Bending &Moments", "Shearing &Forces", ...};
//   p.plot = [](HWND dialog, int action) { PlotResponseField(dialog, action); };
//   ShowActionSelectionDialog(mainWindow, p);
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "win/dialogs.h"

// What the action dialogs of the programs differ in.
struct ActionDialogProfile {
  std::string caption;               // never cut
  std::string heading;               // the label 120 over the rule 99
  std::vector<std::string> options;  // element k - 1: the caption of action k
  std::function<void(HWND dialog, int action)> plot;
};

// Ids of the action dialog.
enum ActionControl {
  kActionHeading = 120,
  kActionRule = 99,
  kFirstActionOption = 201,  // action k is option 200 + k
  kPlotActionButton = 56,    // "&PLOT the SELECTED ACTION"
  kActionCancel = 2,         // "&CANCEL"
};

// The dialog (builder and callback); the callback takes the profile as its parameter, which must
// live while the dialog is shown.
DialogTemplate ActionSelectionDialog(const ActionDialogProfile& profile);
INT_PTR CALLBACK ActionSelectionDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam);
// Shows it modally over parent and returns its end value (1 after "&CANCEL").
int ShowActionSelectionDialog(HWND parent, const ActionDialogProfile& profile);
