#include "win/testing/keys.h"

namespace wintest {

void PressReturnOn(HWND control) {
  UINT scan = MapVirtualKeyA(VK_RETURN, 0);
  PostMessageA(control, WM_KEYDOWN, VK_RETURN, 1 | (static_cast<LPARAM>(scan) << 16));
  PostMessageA(control, WM_KEYUP, VK_RETURN, 1 | (static_cast<LPARAM>(scan) << 16) | (1LL << 30) | (1LL << 31));
}

bool TypeKeys(HWND control, const std::string& text) {
  std::string keys;
  for (char ch : text) {
    UINT vk = 0;
    if ((ch >= '0' && ch <= '9')) vk = static_cast<UINT>(ch);
    else if (ch >= 'a' && ch <= 'z') vk = static_cast<UINT>(ch - 'a' + 'A');
    else if (ch == '+') vk = VK_ADD;
    else if (ch == '-') vk = VK_OEM_MINUS;
    else if (ch == '.') vk = VK_OEM_PERIOD;
    else if (ch == ',') vk = VK_OEM_COMMA;
    else return false;
    keys += static_cast<char>(vk);
  }
  for (char k : keys) {
    const UINT vk = static_cast<unsigned char>(k);
    const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyA(vk, 0)) << 16;
    PostMessageA(control, WM_KEYDOWN, vk, 1 | scan);
    PostMessageA(control, WM_KEYUP, vk, 1 | scan | (1LL << 30) | (1LL << 31));
  }
  return true;
}

}  // namespace wintest
