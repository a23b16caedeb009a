#include <gtest/gtest.h>
#include <windows.h>

// The program's main window procedure, exported from the .exe as WNDPROC (see wndproc.cmake).
extern "C" LRESULT CALLBACK SampleWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_USER + 7) return 4242;
  return DefWindowProcA(window, msg, wParam, lParam);
}

namespace {

TEST(WindowProcedureExport, TheExeExportsItsMainWindowProcedureAsWNDPROC) {
  FARPROC exported = GetProcAddress(GetModuleHandleA(nullptr), "WNDPROC");
  ASSERT_NE(exported, nullptr);
  EXPECT_EQ(reinterpret_cast<void*>(exported), reinterpret_cast<void*>(&SampleWindowProc));

  // A window class registered with the exported procedure runs it.
  WNDCLASSA wc{};
  wc.lpfnWndProc = reinterpret_cast<WNDPROC>(reinterpret_cast<void*>(exported));
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "ZORTEST";
  ASSERT_NE(RegisterClassA(&wc), 0);
  HWND window = CreateWindowA("ZORTEST", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, wc.hInstance, nullptr);
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(SendMessageA(window, WM_USER + 7, 0, 0), 4242);
  DestroyWindow(window);
}

}  // namespace
