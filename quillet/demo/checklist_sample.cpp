// A check list to look at (checklist_sample.exe; not a test): Quillet.dll loaded from beside this
// program, a "CheckListBox" made by class name, with checked, unchecked and disabled items.
#include <windows.h>

#include <string>

#include "quillet/quillet.h"

namespace {

// The sample window's check list.
constexpr int kSampleListId = 501;

LRESULT CALLBACK SampleProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_DESTROY) PostQuitMessage(0);
  return DefWindowProcA(window, msg, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
  char self[MAX_PATH] = {0};
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  std::string folder = self;
  folder = folder.substr(0, folder.find_last_of('\\') + 1);
  HMODULE quillet = LoadLibraryA((folder + "Quillet.dll").c_str());
  if (!quillet) return 1;
  WNDCLASSA wc = {};
  wc.lpfnWndProc = SampleProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  wc.lpszClassName = "CheckListSample";
  RegisterClassA(&wc);
  HWND window = CreateWindowExA(0, "CheckListSample", "Check list sample", WS_OVERLAPPEDWINDOW, 60, 60, 420, 300,
                                nullptr, nullptr, instance, nullptr);
  HWND list = CreateWindowExA(0, CheckListBoxClass, "", WS_CHILD | WS_VISIBLE | WS_BORDER, 20, 20, 360, 200, window,
                              reinterpret_cast<HMENU>(kSampleListId), instance, nullptr);
  const char* items[] = {"Unyielding nodal supports", "Elastic nodal supports", "Winkler foundation",
                         "Isotropic elastic half-space", "Cross-anisotropic half-space\t(tab)"};
  for (const char* item : items) SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
  SendMessageA(list, CLB_SETCHECK, 0, 1);   // checked
  SendMessageA(list, CLB_SETCHECK, 2, 1);   // checked, then disabled
  SendMessageA(list, CLB_SETENABLED, 2, 0);
  SendMessageA(list, CLB_SETENABLED, 3, 0);  // unchecked, disabled
  SendMessageA(list, LB_SETCURSEL, 1, 0);    // selected, unchecked
  ShowWindow(window, show);
  SetFocus(list);
  MSG m;
  while (GetMessageA(&m, nullptr, 0, 0) > 0) {
    TranslateMessage(&m);
    DispatchMessageA(&m);
  }
  FreeLibrary(quillet);
  return 0;
}
