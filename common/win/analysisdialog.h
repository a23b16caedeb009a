#pragma once
// The analysis dialog of the programs that solve in-process: a banner with the structure, the job
// and the load case, "&ANALYSE" and "&CANCEL". "&ANALYSE" hides both buttons, shows the banner of
// a running analysis and calls the program's solver on this thread; a solver stop becomes its
// tones and its warning box, owned by the dialog. The dialog ends with 1 after the solver returned
// (also after a stop), with 0 on "&CANCEL".
//
//   AnalysisDialogProfile p;  p.caption = ...;  p.structureText = "Pile/Sheet-Pile";
//   p.analyse = [](HWND, int mode) { ...; return AnalyseLoadCase(); };  p.warningFor = SolverWarningFor;
//   int end = ShowAnalysisDialog(MainWindow, p, mode);
#include <windows.h>

#include <functional>
#include <string>

#include "core/solverstops.h"
#include "win/dialogs.h"
#include "win/ids.h"

// A font of the banner: character box in the banner's world units (1023 x 511) and weight.
struct BannerFont {
  double sizeX, sizeY;
  long weight;
};

struct AnalysisDialogProfile {
  std::string caption;        // "   " + title + " ANALYSIS.   JOB: " + job
  std::string structureText;  // the banner's "Structure Type:" value
  std::string job, loadCase;  // the banner's other two values
  int cancelId = kExitId;        // "&CANCEL" ("&ANALYSE" is 1)
  // Size in dialog units: wide from a screen of wideFrom pixels on, else narrow.
  int wideFrom = 1024, wideWidth = 400, wideHeight = 280, narrowWidth = 360, narrowHeight = 220;
  // The screen width that decides: SM_CXSCREEN or the full-screen client width SM_CXFULLSCREEN.
  int widthMetric = SM_CXSCREEN;
  // The banner's fonts: ready title, labels, values, the two "Click ..." lines; in progress the
  // title and the values.
  BannerFont title{54, 44, 700}, label{28, 26, 700}, value{28, 26, 700}, click{28, 26, 700};
  BannerFont progressTitle{54, 44, 700}, progressValue{28, 26, 700};
  double titleY = 60;  // the ready title's row
  // The pointer at opening: on "&ANALYSE" or on the dialog's client origin.
  bool pointerOnOrigin = false;
  // The solver of the mode (0 elastic, 1 elastic-plastic): 0 or less when it ended without a stop,
  // else the stop code.
  std::function<int(HWND dialog, int mode)> analyse;
  // The tones and text of a stop code (no text: no box).
  std::function<SolverWarningData(int code)> warningFor;
  int* answer = nullptr;  // where the warning box's answer goes
};

// The dialog's size in dialog units for a screen width in pixels.
void AnalysisDialogSize(const AnalysisDialogProfile& p, int screenWidth, int& width, int& height);

// The builder and the callback; the callback needs an AnalysisDialogRun as the dialog's parameter.
struct AnalysisDialogRun {
  const AnalysisDialogProfile* profile = nullptr;
  int mode = 0;
};
// The builder sizes the dialog for a screen of screenWidth pixels (0: the screen it runs on).
DialogTemplate AnalysisDialog(const AnalysisDialogProfile& p, int screenWidth = 0);
INT_PTR CALLBACK AnalysisDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam);

// Both in one: the dialog shown modally over owner; its end value.
int ShowAnalysisDialog(HWND owner, const AnalysisDialogProfile& p, int mode);

// The banner over the rectangle (pixels) of the dialog: kind 1 ready, 2 in progress.
void AnalysisReadyScreen(HWND dialog, const AnalysisDialogProfile& p, int left, int top, int width, int height,
                         int kind);

// A solver stop: its tones, then its box owned by owner.
void ShowSolverStop(HWND owner, const SolverWarningData& warning, int* answer);
