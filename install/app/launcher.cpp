#include "launcher.h"

#include <cmath>

#include "core/textfiles.h"
#include "install/core/launcher.h"
#include "win/dialogs.h"
#include "win/ids.h"
#include "win/messages.h"
#include "win/process.h"

namespace install {

namespace {

DWORD StyleOf(ControlKind kind) {
  switch (kind) {
    case ControlKind::Frame: return BS_GROUPBOX | BS_CENTER;
    case ControlKind::GreyRectangle: return SS_GRAYRECT;
    case ControlKind::BorderedLabel: return SS_CENTER | WS_BORDER;
    case ControlKind::Label: return SS_CENTER;
    case ControlKind::Button: return BS_PUSHBUTTON | WS_TABSTOP;
  }
  return 0;
}

const char* ClassOf(ControlKind kind) {
  return kind == ControlKind::Frame || kind == ControlKind::Button ? "BUTTON" : "STATIC";
}

// Makes the controls from the middle of the (maximised) client area, in the system fixed font.
void CreateLauncherControls(HWND dialog) {
  RECT client{};
  GetClientRect(dialog, &client);
  int c = client.right - client.left, unused = 0;
  PixelsToUnits(dialog, c, unused);
  c /= 2;
  for (const LauncherControl& k : LauncherControls) {
    HWND control = CreateDialogControl(dialog, ClassOf(k.kind), k.id, k.text, c + k.dx, k.y, k.width, k.height,
                                       StyleOf(k.kind));
    if (control) SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(SYSTEM_FIXED_FONT)), FALSE);
  }
}

}  // namespace

int LauncherDialog() {
  INITCOMCTL32(0);
  DialogTemplate d = NewDialog(LauncherCaption, 0, 0, 398, 117, WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MAXIMIZE, 0,
                               DialogPlain);
  OnOpen(d, [](HWND dialog) {
    // A window manager maximises a managed window; on a display without one the window would keep
    // its template size, so its restored size is the whole screen too.
    WINDOWPLACEMENT place{};
    place.length = sizeof place;
    GetWindowPlacement(dialog, &place);
    place.rcNormalPosition = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    place.showCmd = SW_SHOWMAXIMIZED;
    SetWindowPlacement(dialog, &place);
    CreateLauncherControls(dialog);
    PointerOnControl(dialog, kExitButtonId);
  });
  return static_cast<int>(ShowModalDialog(d, nullptr, LauncherDialogProc));
}

INT_PTR CALLBACK LauncherDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
  INT_PTR colour = 0;
  if (DialogColours(dialog, msg, wParam, lParam, LauncherColours, colour)) return colour;
  // The dialog manager shows a modal dialog with SW_SHOWNORMAL once its queue first runs empty,
  // which would restore it to its template size: the launcher stays maximised.
  if (msg == WM_SIZE && wParam == SIZE_RESTORED) {
    ShowWindow(dialog, SW_SHOWMAXIMIZED);
    RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    return TRUE;
  }
  if (msg == WM_INITDIALOG) {
    GetCursorPos(&SavedPointer);
    return TRUE;
  }
  if (msg != WM_COMMAND) return FALSE;
  int id = LOWORD(wParam), code = HIWORD(wParam);
  HWND control = reinterpret_cast<HWND>(lParam);
  if (control && (code == 256 || code == 512)) {
    InvalidateRect(control, nullptr, TRUE);
    UpdateWindow(dialog);
  }
  if (id == kExitButtonId) {
    EndDialog(dialog, 0);
  } else if (const SetupButton* offer = FindSetupButton(id); offer && code == BN_CLICKED) {
    // The path is taken from the root of the current drive, wherever on the medium we were started.
    if (FileExists(offer->path)) {
      RunProgramAndWait(offer->path, SetupCommandLine(offer->path));
    } else {
      ShowMissingSetup(offer->path);
    }
    SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(dialog, offer->next)), TRUE);
  }
  MovePointer(SavedPointer.x, SavedPointer.y);
  return TRUE;
}

void ShowMissingSetup(const std::string& path) {
  POINT back{};
  GetCursorPos(&back);
  int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
  MovePointer(w / 2, static_cast<int>(std::lround(1.1 * h / 2)));
  ShowMessageBox(MissingSetupText(path), WarningBoxStyle, "WARNING!");
  MovePointer(back.x, back.y);
}

}  // namespace install
