// The shared graph window over a main window, to look at:
//   graph_demo.exe [moment|shear|dense|infinite] [spline]
// moment: a beam's bending moments with two jumps (reversed axis); shear: shearing forces that
// rise from 0 and return to 0 at the ends; dense: 301 points without markers; infinite: a plate's
// shearing force that tends to infinity at the centre. "spline" opens the spline tab.
#include <windows.h>
#include <commctrl.h>

#include <cmath>
#include <cstring>
#include <string>

#include "graph/graphwindow.h"
#include "win/demo/demowindow.h"

namespace {

bool WantSpline = false;

void CALLBACK SelectSpline(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND graph = FindWindowA("#32770", " GRAPH - Load Case: A dead");
  if (!graph) return;
  KillTimer(nullptr, timer);
  HWND tabs = GetDlgItem(graph, kGraphTabs);
  NMHDR nm{tabs, kGraphTabs, static_cast<UINT>(TCN_SELCHANGING)};
  SendMessageA(graph, WM_NOTIFY, kGraphTabs, reinterpret_cast<LPARAM>(&nm));
  SendMessageA(tabs, TCM_SETCURSEL, 1, 0);
  nm.code = static_cast<UINT>(TCN_SELCHANGE);
  SendMessageA(graph, WM_NOTIFY, kGraphTabs, reinterpret_cast<LPARAM>(&nm));
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int show) {
  std::string args = commandLine ? commandLine : "";
  WantSpline = args.find("spline") != std::string::npos;
  HWND main = demo::OpenMainWindow(instance, "GraphDemo",
                                   "     BEAM/STRIP ANALYSIS.   JOB: Z:\\TMP\\JOB1     Load Case: A dead",
                                   WS_OVERLAPPEDWINDOW, 1000, 700, show);

  GraphProfile profile;
  profile.heading = "BEAM";
  profile.jobName = "Z:\\TMP\\JOB1";
  profile.loadCase = "A dead";
  profile.abscissaCaption = "Distance from Left [m]";
  profile.ordinateTitles = {"Bending Moments [kN*m]", "Shearing Forces [kN]"};
  profile.reversedActions = {1};
  profile.fileTypeCaption = " BEAM and STRIP ANALYSIS.   JOB: Z:\\TMP\\JOB1     Load Case: A dead";
  profile.printGraph = [](HWND owner, const std::string& bitmap) { PrintGraphDocument(owner, 5, bitmap); };

  GraphPoints p;
  int n = 0, action = 1;
  if (args.find("shear") != std::string::npos) {
    action = 2;
    p.Set(++n, 0, 0);
    for (int i = 0; i <= 10; ++i) p.Set(++n, static_cast<float>(i), static_cast<float>(50 - 10 * i));
    p.Set(++n, 10, 0);
  } else if (args.find("dense") != std::string::npos) {
    for (int i = 0; i <= 300; ++i) p.Set(++n, i / 30.0f, static_cast<float>(80 * std::sin(i / 300.0 * 3.14159)));
  } else if (args.find("infinite") != std::string::npos) {
    action = 2;
    profile.heading = "PLATE";
    profile.abscissaCaption = "Radial Distance [m]";
    profile.reversedActions = {};
    for (int i = 0; i <= 10; ++i) p.Set(++n, i * 0.5f, i == 0 ? 9.9e21f : static_cast<float>(-40 / (i * 0.5)));
  } else {
    // Moments with two jumps: nodal moments at 3 m and 7 m.
    const float m[] = {0, 40, 70, 85, 60, 70, 72, 66, 52, 30, 0};
    for (int i = 0; i <= 10; ++i) {
      p.Set(++n, static_cast<float>(i), m[i]);
      if (i == 3) p.Set(++n, 3, 55);
      if (i == 7) p.Set(++n, 7, 45);
    }
  }
  if (WantSpline) SetTimer(nullptr, 0, 100, SelectSpline);
  ShowGraphWindow(main, profile, action, p, n);
  DestroyWindow(main);
  demo::RunMessageLoop();
  return 0;
}
