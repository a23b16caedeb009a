#pragma once
// The response graph window that the results commands of the programs share: one structural
// action of one load case drawn along the structure on two tab pages, " Linear Graph " (straight
// segments) and " Spline Graph " (cubic spline pieces), with owner-drawn buttons to close it, to
// copy the graph to a picture file ("Linear.bmp", "Linear.JPG", "CSpline.BMP", "CSpline.JPG" in
// the working directory) or to the clipboard, and to print it. Win32 only (library suite_graph).
//
// A program describes its graphs once in a GraphProfile and, for each action chosen, builds the
// points with the point rules (core/graphpoints.h) and calls ShowGraphWindow:
//
//   GraphProfile profile;                         // Trabix's beam
//   profile.heading = "BEAM";
//   profile.jobName = JobSpec;
//   profile.loadCase = LoadCaseName;
//   profile.abscissaCaption = "Distance from Left [m]";
//   profile.ordinateTitles = {"Bending Moments [kN*m]", "Shearing Forces [kN]", ...};
//   profile.reversedActions = {1, 3, 5};
//   profile.fileTypeCaption = " BEAM and STRIP ANALYSIS.   JOB: " + JobSpec + "     Load Case: " + LoadCaseName;
//   profile.missingResultsText = "Results File is Missing!";
//   profile.printGraph = [](HWND owner, const std::string& bitmap) { PrintGraphDocument(owner, 5, bitmap); };
//   ShowGraphWindow(dialog, profile, action, points, count);
//
// The drawing goes through the graphics library (gfx/gfx.h, traced there): graphics window 1 on
// the linear page and 2 on the spline page, both closed when the window ends.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "core/graphpoints.h"
#include "core/graphscale.h"
#include "win/dialogs.h"
#include "win/ids.h"

// What the graphs of one program (and one job, load case and structure) differ in.
struct GraphProfile {
  std::string heading;                      // the band at the top: "BEAM", "STRIP", "Pile", "TANK:  WALL"
  long headingEffects = 11;                 // its font effects (gfx.h; 11 bold italic underlined, 0 none)
  std::string jobName;                      // the job line "JOB NAME: " + job + ";      LOAD CASE: " + case
  std::string loadCase;                     //   and the window caption " GRAPH - Load Case: " + case
  std::string abscissaCaption;              // "Distance from Left [m]"
  std::vector<std::string> ordinateTitles;  // element k - 1: the ordinate title of action k
  std::vector<int> reversedActions;         // actions drawn with positive values downwards
  std::string fileTypeCaption;              // caption of the graphics file type dialog
  std::string missingResultsText;           // the warning of WarnMissingResults
  bool infinityNote = true;                 // "Tends to Infinity" at an infinite first ordinate
  bool printDefaults = false;               // pages take the default printer's settings first
  // The print button: prints the picture file of the graph on show; owner is the graph window.
  std::function<void(HWND owner, const std::string& bitmap)> printGraph;

  bool Reversed(int action) const;
  std::string OrdinateTitle(int action) const;
};

// Control ids of the graph window and its file type dialog.
enum GraphControl {
  kGraphFileButton = 54,       // "COPY GRAPH TO &FILE"
  kGraphClipboardButton = 55,  // "COPY GRAPH TO &CLIPBOARD"
  kGraphCloseButton = 56,      // "CLO&SE"
  kGraphPrintButton = 57,      // "&PRINT GRAPH"
  kGraphTabs = 10001,          // the tab control
  kGraphStripEnd = 59,         // the strip behind the buttons, right of the tabs
  kGraphStripStart = 60,       // the strip above the tabs
  kGraphBmpOption = 201,       // "&BMP Type File"
  kGraphJpegOption = 202,      // "&GPEJ Type File"
  kGraphTypeOk = kContinueId,
  kGraphTypeCancel = kTableCancelId,
};

// Shows the graph of `action` (1..) through points 1..count modally over owner and returns when it
// is closed; graphics windows 1 and 2 are closed then. The points are copied: an infinite first
// ordinate is replaced in the copy only, so the caller can show the same points again.
void ShowGraphWindow(HWND owner, const GraphProfile& profile, int action, const GraphPoints& points, int count);

// The caption of the graph window.
std::string GraphWindowCaption(const GraphProfile& profile);

// The window (builder and callback; ShowGraphWindow passes the graph on show as the parameter).
DialogTemplate GraphDialog(const GraphProfile& profile);
INT_PTR CALLBACK GraphDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam);
// The tab pages: each draws the graph once, when it is made, into graphics window 1 or 2.
INT_PTR CALLBACK LinearGraphPageProc(HWND page, UINT msg, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK SplineGraphPageProc(HWND page, UINT msg, WPARAM wParam, LPARAM lParam);

// The "SELECTION OF GRAPHICS FILE TYPE" dialog. Its callback takes a pointer to an int as its
// parameter; "&OK" stores there the option chosen (1 bitmap, 2 JPEG) and ends with 1, "&CANCEL"
// (or Esc) ends with 0.
DialogTemplate GraphFileTypeDialog(const std::string& caption);
INT_PTR CALLBACK GraphFileTypeDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam);
// Shows it: 1 bitmap, 2 JPEG, 0 cancelled.
int ChooseGraphFileType(HWND owner, const std::string& caption);

// Draws the whole graph into graphics window `window` (1 straight, 2 spline) opened over parent
// at left, top, width x height pixels. Window 1 scales the axis into `axis` (point 1 may be
// replaced, see ScaleGraphAxis); window 2 draws with the axis window 1 left.
void DrawResponseGraph(HWND parent, long left, long top, long width, long height, long window,
                       const GraphProfile& profile, int action, GraphPoints& points, int count, GraphAxis& axis);
// Draws the curve from point 1 on: pageKind 1 straight segments, 2 the spline run by run.
// A spline value that cannot be found is reported once with "Error: Bad XA input".
void DrawSplineCurve(long window, const GraphPoints& points, int count, const GraphAxis& axis, int pageKind);

// The print document of one graph picture, titled "Structure Data", the picture 26 x 14 cm at
// (2.3, 2.5): mode 5 prints and keeps the document as "GraphBMP.DDC" (an old one deleted first),
// mode 1 prints without a file, even modes preview. A document that cannot be started sounds the
// warning tones and shows "Error:" (followed by the library's code when withCode is set).
void PrintGraphDocument(HWND owner, int mode, const std::string& bitmap, bool withCode = false);

// The program's warning that the load case has no results report yet.
void WarnMissingResults(HWND owner, const GraphProfile& profile);
