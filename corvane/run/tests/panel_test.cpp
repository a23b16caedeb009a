// The analysis panel drawn straight into its dialog 20,000 times in one process (a brush for each
// of its rows, two fonts and the window's device context each time): every creation still
// succeeds, so the last picture is the first, and GDI's free room, measured exactly after the
// first drawing, is the same after the loop: not even a few objects were kept.
#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

#include "corvane/run/run.h"
#include "win/testing/wintest.h"

namespace corvane {
namespace {

TEST(AnalysisPanel, DrawnTwentyThousandTimesStillLooksTheSame) {
  HWND w = CreateWindowExA(0, "STATIC", "Panel", WS_POPUP | WS_VISIBLE, 0, 0, 200, 40, nullptr, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(w, nullptr);
  AnalysisReadyScreen(w, 0, 0, 200, 40, 2);
  std::vector<DWORD> first = wintest::ClientPixels(w);
  ASSERT_FALSE(first.empty());
  const int room = wintest::GdiRoom();
  for (int i = 0; i < 20000; ++i) {
    AnalysisReadyScreen(w, 0, 0, 200, 40, 2);
    if (i % 1000 == 999) {
      ASSERT_TRUE(wintest::ClientPixels(w) == first) << "run " << i;
    }
  }
  EXPECT_LE(room - wintest::GdiRoom(), 4) << "GDI room before the loop: " << room;
  DestroyWindow(w);
}

}  // namespace
}  // namespace corvane
