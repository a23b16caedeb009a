// The shared menu dispatch: the job check in front of the commands that need a job, the
// commands around which the program runs its own steps, and the pointer put back on the menu bar.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "core/globals.h"
#include "win/programframe.h"
#include "win/testing/wintest.h"

namespace {

// The test's own menu commands: one that needs a job, one that does not, one that is not in the table.
constexpr int kJobCommand = 10, kFreeCommand = 11, kUnknownCommand = 12;

HWND Window = nullptr;

class MenuDispatch : public ::testing::Test {
 protected:
  void SetUp() override {
    JobSpec.clear();
    Window = CreateWindowExA(0, "STATIC", "frame", WS_POPUP | WS_VISIBLE, 100, 50, 400, 300, nullptr, nullptr,
                             GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(Window, nullptr);
    p.mainWindow = &Window;
    p.showJobDialog = [this] {
      log.push_back("job dialog");
      JobSpec = jobNamed;
      return JobSpec.empty() ? 2 : 1;
    };
    p.before = [this] { log.push_back("before"); };
    p.after = [this] { log.push_back("after"); };
    p.commands = {{kJobCommand, true, [this] { log.push_back("10"); }},
                  {kFreeCommand, false, [this] { log.push_back("11"); }, 100}};
  }
  void TearDown() override {
    JobSpec.clear();
    if (Window) DestroyWindow(Window);
    Window = nullptr;
  }
  // The pointer positions the dispatch left in the trace.
  std::vector<std::vector<std::string>> Pointers() { return trace.Records("POINTER"); }
  std::vector<std::string> Pointer(int x) {
    POINT at{x, 0};
    ClientToScreen(Window, &at);
    return {"POINTER", std::to_string(at.x), std::to_string(at.y - GetSystemMetrics(SM_CYMENU) / 2)};
  }

  MenuDispatchProfile p;
  std::vector<std::string> log;
  std::string jobNamed;
  wintest::TraceCapture trace;
};

TEST_F(MenuDispatch, ACommandThatNeedsAJobAsksForOneAndRunsOnlyWhenOneIsOpen) {
  DispatchMenuCommand(p, kJobCommand);  // the job dialog cancelled: the command does not run
  jobNamed = "JOB";
  DispatchMenuCommand(p, kJobCommand);  // a job named: it runs
  DispatchMenuCommand(p, kJobCommand);  // the job open: no job dialog
  EXPECT_EQ(log, (std::vector<std::string>{"before", "job dialog", "after", "before", "job dialog", "10", "after",
                                           "before", "10", "after"}));
  EXPECT_EQ(Pointers(), (std::vector<std::vector<std::string>>(3, Pointer(60))));
}

TEST_F(MenuDispatch, OtherCommandsRunWithoutAJobAndAnUnknownIdRunsNothing) {
  DispatchMenuCommand(p, kFreeCommand);
  DispatchMenuCommand(p, kUnknownCommand);
  EXPECT_EQ(log, (std::vector<std::string>{"before", "11", "after", "before", "after"}));
  EXPECT_EQ(Pointers(), (std::vector<std::vector<std::string>>{Pointer(100), Pointer(60)}));
}

TEST_F(MenuDispatch, CloseDestroysTheMainWindowAndRunsNothingElse) {
  DispatchMenuCommand(p, 2);
  EXPECT_FALSE(IsWindow(Window));
  EXPECT_TRUE(log.empty());
  EXPECT_TRUE(Pointers().empty());
  Window = nullptr;
}

TEST(ProgramFrame, APopupMenuHasASeparatorBetweenEachTwoItems) {
  HMENU m = SeparatedPopupMenu({{7, "&One"}, {8, "&Two"}, {9, "T&hree"}});
  ASSERT_EQ(GetMenuItemCount(m), 5);
  std::vector<UINT> ids;
  for (int i = 0; i < 5; ++i) ids.push_back(GetMenuItemID(m, i));
  EXPECT_EQ(ids, (std::vector<UINT>{7, 0, 8, 0, 9}));
  EXPECT_EQ(GetMenuState(m, 1, MF_BYPOSITION) & MF_SEPARATOR, static_cast<UINT>(MF_SEPARATOR));
  DestroyMenu(m);
}

}  // namespace
