// The launcher's dialog and its exported routines in-process.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

#include "install/core/launcher.h"
#include "launcher.h"
#include "win/ids.h"
#include "win/testing/layout.h"
#include "win/testing/wintest.h"

namespace {

const char* const kCaption = "  INSTALLATION Program of the Soil-Structure Analysis Suite";

TEST(LauncherDialog, MaximisedWithItsControlsPlacedFromTheMiddleInTheFixedFont) {
  struct Placed {
    int id, dx, y, width, height;
  };
  const Placed expected[] = {
      {install::kMainFrameId, -191, 20, 379, 135},
      {install::kMainInnerFrameId, -188, 28, 371, 87},
      {install::kMainPanelId, -186, 34, 368, 80},
      {install::kMainTitleId, -180, 64, 360, 20},
      {install::kMainHintId, -180, 93, 360, 15},
      {install::kMainSetupId, -30, 128, 60, 16},
      {install::kBonusFrameId, -191, 175, 379, 132},
      {install::kBeamsFrameId, -188, 183, 371, 37},
      {install::kBeamsPanelId, -186, 189, 291, 30},
      {install::kBeamsTextId, -184, 194, 287, 20},
      {install::kBeamsSetupId, 115, 196, 60, 16},
      {install::kPilesPanelId, -186, 229, 291, 30},
      {install::kPilesTextId, -184, 234, 287, 20},
      {install::kPilesSetupId, 115, 236, 60, 16},
      {install::kWallsPanelId, -186, 269, 291, 30},
      {install::kWallsTextId, -184, 274, 287, 20},
      {install::kWallsSetupId, 115, 276, 60, 16},
      {install::kExitButtonId, -21, 320, 42, 16},
  };
  bool zoomed = false;
  std::vector<std::string> misplaced, wrongFont;
  POINT pointer{}, exitCentre{};
  std::string exitText, frameText, labelText;
  INT_PTR result = -1;
  auto check = [&](HWND dialog) {
    zoomed = IsZoomed(dialog);
    RECT client{}, base{0, 0, 4, 8};
    GetClientRect(dialog, &client);
    MapDialogRect(dialog, &base);
    int c = MulDiv(client.right, 4, base.right) / 2;  // the middle in dialog units
    for (const Placed& e : expected) {
      HWND control = GetDlgItem(dialog, e.id);
      RECT want{c + e.dx, e.y, c + e.dx, e.y}, size{0, 0, e.width, e.height}, got{};
      MapDialogRect(dialog, &want);
      MapDialogRect(dialog, &size);
      GetWindowRect(control, &got);
      MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&got), 2);
      if (!control || got.left != want.left || got.top != want.top || got.right - got.left != size.right ||
          got.bottom - got.top != size.bottom)
        misplaced.push_back(std::to_string(e.id));
      if (reinterpret_cast<HGDIOBJ>(SendMessageA(control, WM_GETFONT, 0, 0)) != GetStockObject(SYSTEM_FIXED_FONT))
        wrongFont.push_back(std::to_string(e.id));
    }
    GetCursorPos(&pointer);
    RECT r{};
    GetWindowRect(GetDlgItem(dialog, install::kExitButtonId), &r);
    exitCentre = {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    exitText = wintest::GetText(dialog, install::kExitButtonId);
    frameText = wintest::GetText(dialog, install::kMainFrameId);
    labelText = wintest::GetText(dialog, install::kMainPanelId);
    wintest::Click(dialog, install::kExitButtonId);
  };
  ASSERT_TRUE(wintest::RunScript({wintest::WhenDialog(kCaption, check)}, [&] { result = install::LauncherDialog(); })
                  .finished);
  EXPECT_EQ(result, 0);
  EXPECT_TRUE(zoomed);
  EXPECT_EQ(misplaced, std::vector<std::string>{});
  EXPECT_EQ(wrongFont, std::vector<std::string>{});
  EXPECT_EQ(pointer.x, exitCentre.x);
  EXPECT_EQ(pointer.y, exitCentre.y);
  EXPECT_EQ(exitText, "&Exit");
  EXPECT_EQ(frameText, " INSTALLATION of MAIN SOFTWARE ");
  EXPECT_EQ(labelText, " \rTo install the MAIN SOFTWARE accompanying book ");
}

// The launcher and the warning of each setup it cannot find show their texts whole: the dialog
// checked, then each INSTALL button pressed (no setup lies at the root of this drive) and its box.
TEST(LauncherDialog, ItsWindowsShowTheirTextsWhole) {
  wintest::LayoutHop launcher(kCaption, 0, install::kExitButtonId);
  for (int button : {install::kMainSetupId, install::kBeamsSetupId, install::kPilesSetupId, install::kWallsSetupId})
    launcher.sides.push_back(
        {button, IDOK, "WARNING!", install::MissingSetupText(install::FindSetupButton(button)->path)});
  const std::vector<std::string> faults =
      wintest::LayoutFaultsOfCases({{"launcher", [] { install::LauncherDialog(); }, {launcher}}}, 20000);
  EXPECT_TRUE(faults.empty()) << faults.size() << " faults:\n" << wintest::Lines(faults);
}

// Major + minor / 100 of a system file's version, read here on our own.
float SystemFileVersion(const std::string& name) {
  char folder[MAX_PATH] = {0};
  GetSystemDirectoryA(folder, MAX_PATH);
  std::string path = std::string(folder) + "\\" + name;
  DWORD unused = 0, size = GetFileVersionInfoSizeA(path.c_str(), &unused);
  if (size == 0) return 0;
  std::vector<char> block(size);
  VS_FIXEDFILEINFO* info = nullptr;
  UINT length = 0;
  if (!GetFileVersionInfoA(path.c_str(), 0, size, block.data()) ||
      !VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&info), &length))
    return 0;
  return HIWORD(info->dwFileVersionMS) + LOWORD(info->dwFileVersionMS) / 100.0f;
}

TEST(LauncherExports, TheVersionOfASystemFileAndTheCommonControlsPrepared) {
  // This test program exports the routines as Install.exe does.
  using VersionOf = float(WINAPI*)(const char*);
  using Init = float(WINAPI*)(DWORD);
  HMODULE self = GetModuleHandleA(nullptr);
  auto getVersion = reinterpret_cast<VersionOf>(reinterpret_cast<void*>(GetProcAddress(self, "GETSYSFILEVER")));
  auto init = reinterpret_cast<Init>(reinterpret_cast<void*>(GetProcAddress(self, "INITCOMCTL32")));
  ASSERT_NE(getVersion, nullptr);
  ASSERT_NE(init, nullptr);

  float comctl = SystemFileVersion("COMCTL32.DLL");
  EXPECT_GT(comctl, 0.0f);
  EXPECT_EQ(getVersion("COMCTL32.DLL"), comctl);
  EXPECT_EQ(getVersion("comctl32.dll"), comctl);
  EXPECT_EQ(getVersion("NO_SUCH_FILE.DLL"), 0.0f);
  EXPECT_EQ(getVersion("drivers\\etc\\hosts"), 0.0f);  // a file without version information
  EXPECT_EQ(init(0), comctl);
  EXPECT_EQ(init(ICC_TAB_CLASSES), comctl);
}

}  // namespace
