// Corvane's structure views, action dialog and graphs to look at (tools/shot), not a test:
//   corvane_views_demo.exe <BEAM|STRIP|PLATE|TANK> <Geom|Supp|Load> [kind] [BASE|WALL|ROOF|SHELL] [load type]
//   corvane_views_demo.exe actions <BEAM|PLATE|WALL|ROOF|SHELL>
//   corvane_views_demo.exe graph <job> <case> <BEAM|PLATE|WALL|ROOF|SHELL> <elements> <action>
// (a graph reads the case's result file of the job).
#include <windows.h>

#include <string>

#include "core/numbers.h"
#include "corvane/core/globals.h"
#include "corvane/core/slots.h"
#include "corvane/views/views.h"
#include "gfx/gfx.h"

namespace {

std::string Arg(int i) { return i < __argc ? __argv[i] : ""; }

// The structure of a word: beam, strip, plate or a tank substructure.
void SetStructure(const std::string& word) {
  using namespace corvane;
  GeometryAnswers.assign(8, "N");
  if (word == "BEAM" || word == "STRIP") {
    StructureType = "BEAM/STRIP";
    Substructure = word;
  } else if (word == "PLATE") {
    StructureType = Substructure = "PLATE";
  } else {
    StructureType = "TANK";
    Substructure = word == "WALL" ? "WALL" : (word == "ROOF" || word == "SHELL") ? "ROOF STRUCTURE" : "BASE PLATE";
    GeometryAnswers[kShellRoofSlot] = word == "SHELL" ? "Y" : "N";
  }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
  using namespace corvane;
  WNDCLASSA wc = {};
  wc.lpfnWndProc = DefWindowProcA;
  wc.hInstance = instance;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = "CorvaneViewsDemo";
  RegisterClassA(&wc);
  HWND main = CreateWindowA("CorvaneViewsDemo", "Structure view", WS_OVERLAPPEDWINDOW, 0, 0, 1000, 700, nullptr,
                            nullptr, instance, nullptr);
  ShowWindow(main, show);
  const std::string mode = Arg(1);
  SupportFlags.assign(20, "N");
  JobSpec = "C:\\DATA\\JOB1";
  LoadCaseName = "Water";
  if (mode == "actions" || mode == "graph") {
    SetStructure(Arg(mode == "graph" ? 4 : 2));
    if (mode == "graph") {
      JobSpec = Arg(2);
      LoadCaseName = Arg(3);
      JobDataTable.Redim(8, 6);
      for (int s = 1; s <= 3; ++s) JobDataTable(s, 1) = ParseNumber(Arg(5));
      ClearActionState();
      OfferActions(CurrentActions(), 0);
      PlotResponseField(main, static_cast<int>(ParseNumber(Arg(6))));
    } else {
      ShowStructuralActions(main);
    }
    return 0;
  }
  SetStructure(mode.empty() ? "BEAM" : Arg(4).empty() ? mode : Arg(4));
  if (mode == "STRIP") Substructure = "STRIP";
  GeometryAnswers[kRoofLoadKindSlot] = Arg(5);
  TableViewKind = Arg(3);
  long width = 0, height = 0;
  int size = 1;
  StructureViewSize(20, width, height, size);
  DrawStructureView(main, 10, 10, width, height, Arg(2).empty() ? "Geom" : Arg(2), size);
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return 0;
}
