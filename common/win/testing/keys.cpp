#include "win/testing/keys.h"

namespace wintest {

void PressReturnOn(HWND control) {
  UINT scan = MapVirtualKeyA(VK_RETURN, 0);
  PostMessageA(control, WM_KEYDOWN, VK_RETURN, 1 | (static_cast<LPARAM>(scan) << 16));
  PostMessageA(control, WM_KEYUP, VK_RETURN, 1 | (static_cast<LPARAM>(scan) << 16) | (1LL << 30) | (1LL << 31));
}

}  // namespace wintest
