// A structure view to look at: views_demo.exe <view> <kind> [strip] [half] [small]
// ("Supp UNYIELD", "Load NODAL strip half", "Geom - small"); "loadtype - [strip] [half]" shows
// the load type dialog and "actions - [strip]" the structural action dialog instead.
#include <windows.h>

#include <sstream>
#include <string>

#include "gfx/gfx.h"
#include "core/globals.h"
#include "trabix/core/globals.h"
#include "trabix/core/slots.h"
#include "trabix/views/views.h"

namespace {

LRESULT CALLBACK MainProc(HWND h, UINT m, WPARAM w, LPARAM l) {
  if (m == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcA(h, m, w, l);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int show) {
  std::istringstream args(commandLine ? commandLine : "");
  std::string view = "Supp", kind = "UNYIELD", word;
  args >> view >> kind;
  bool small = false;
  trabix::StructureFlags.assign(6, "N");
  while (args >> word) {
    if (word == "strip") trabix::StructureFlags[trabix::kStripSlot] = "Y";
    if (word == "half") trabix::StructureFlags[trabix::kSymmetricHalfSlot] = "Y";
    if (word == "small") small = true;
  }
  WNDCLASSA wc = {};
  wc.lpfnWndProc = MainProc;
  wc.hInstance = instance;
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = "ViewsDemo";
  RegisterClassA(&wc);
  HWND main = CreateWindowA("ViewsDemo", "Structure view", WS_OVERLAPPEDWINDOW, 0, 0, 1000, 560, nullptr, nullptr,
                            instance, nullptr);
  ShowWindow(main, show);
  JobSpec = "C:\\DATA\\JOB1";
  trabix::LoadCaseName = "A dead";
  if (view == "loadtype") {
    trabix::ShowLoadTypeDialog(main, "BEAM/STRIP", [](int) {});
    return 0;
  }
  if (view == "actions") {
    ShowActionSelectionDialog(main, trabix::ActionProfile("BEAM/STRIP"));
    return 0;
  }
  long width = small ? 386 : 610;
  trabix::DrawStructureView(main, 10, 10, width, static_cast<long>(width * 0.718), view, small ? 2 : 1, kind);
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return 0;
}
