// Install.exe started as a user starts it from the distribution medium: a folder mapped as a
// drive (on_medium.sh names it in SUITE_MEDIUM), holding stand-ins for two of the setup programs.
#include <gtest/gtest.h>
#include <windows.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "../../common/tests/testdir.h"
#include "install/core/ids.h"
#include "win/ids.h"
#include "win/testing/program.h"

namespace fs = std::filesystem;
using wintest::Press;
using wintest::WaitFor;
using wintest::WindowText;

namespace {

const char* const kCaption = "  INSTALLATION Program of the Soil-Structure Analysis Suite";

void Lines(const std::string& bytes, std::vector<std::string>& lines) {
  lines.clear();
  size_t start = 0;
  for (size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2)
    lines.push_back(bytes.substr(start, end - start));
}

POINT Cursor() {
  POINT p{};
  GetCursorPos(&p);
  return p;
}

POINT Centre(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

bool Same(POINT a, POINT b) { return a.x == b.x && a.y == b.y; }

// Where the launcher put the pointer last since the trace was cleared (read from its trace: the
// pointer itself may still be on its way under X).
bool PointerPutBackTo(const wintest::TraceCapture& trace, POINT p) {
  auto moves = trace.Records("POINTER");
  return !moves.empty() && moves.back()[1] == std::to_string(p.x) && moves.back()[2] == std::to_string(p.y);
}

class InstallFromMedium : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* drive = std::getenv("SUITE_MEDIUM");
    ASSERT_TRUE(drive && *drive) << "SUITE_MEDIUM names no drive: run the test through on_medium.sh (ctest does)";
    medium = std::string(drive) + "\\";
    std::error_code ec;
    for (const auto& e : fs::directory_iterator(medium, ec)) fs::remove_all(e.path(), ec);
    PutStandIn("ZOR Software\\ZOR_setup.exe");
    PutStandIn("Bonus Software\\Sendrow\\TrabixSetup.exe");
  }

  void PutStandIn(const std::string& path) {
    fs::path target = fs::path(medium) / path;
    fs::create_directories(target.parent_path());
    fs::copy_file(wintest::ExeFolder() / "setup_standin.exe", target);
  }

  // Starts the launcher from its folder on the medium, with another folder of the medium current.
  void Start() {
    ASSERT_TRUE(program.Start(medium, "Install.exe"));
    dialog = program.WaitForWindow("#32770", kCaption);
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(dialog) && Focus() != nullptr; }));
  }

  HWND Focus() const {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(dialog, nullptr), &info)) return nullptr;
    return info.hwndFocus;
  }
  bool FocusOn(int id) const { return Focus() == GetDlgItem(dialog, id); }

  std::string Marker(const std::string& folder) const {
    return ReadBytes((fs::path(medium) / folder / "SETUP_CALL.TXT").string());
  }

  // Presses a setup button whose program is missing: the warning names it, the dialog stays and
  // the focus moves on to the next button.
  void ExpectMissing(wintest::TraceCapture& trace, int id, const std::string& path, int next) {
    SCOPED_TRACE(path);
    // The launcher puts the pointer back after it has moved the focus on: the trace is cleared
    // once it has done so, or that move would be taken for the first one of this press.
    ASSERT_TRUE(program.WaitUntilIdle(dialog));
    trace.Clear();
    Press(dialog, id);
    HWND box = program.WaitForDialog("WARNING!", dialog);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(WindowText(GetDlgItem(box, wintest::kBoxTextId)),
              "Setup Program " + path + " Cant't be found!\rMake sure that this Program is in the RIGHT DIRECTORY!");
    Press(box, IDOK);
    ASSERT_TRUE(WaitFor([&] { return FocusOn(next); }));
    auto moves = trace.Records("POINTER");  // onto the box first
    ASSERT_FALSE(moves.empty());
    EXPECT_EQ(moves[0][1], std::to_string(GetSystemMetrics(SM_CXSCREEN) / 2));
    EXPECT_EQ(moves[0][2], std::to_string(std::lround(1.1 * GetSystemMetrics(SM_CYSCREEN) / 2)));
    auto boxes = trace.Records("BOX");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0][1], "WARNING!");
    EXPECT_EQ(boxes[0][3], "0x2030");  // exclamation icon, OK, task-modal
    EXPECT_TRUE(IsWindowVisible(dialog));
  }

  std::string medium;
  wintest::Program program;
  HWND dialog = nullptr;
};

TEST_F(InstallFromMedium, ASetupRunsToItsEndThenTheFocusMovesOnAndAMissingOneIsReported) {
  wintest::TraceCapture trace;
  Start();
  POINT opened = Cursor();
  EXPECT_TRUE(Same(opened, Centre(GetDlgItem(dialog, install::kExitButtonId))));

  // The setup starts with its quoted path, in the folder the launcher was started from.
  trace.Clear();
  Press(dialog, install::kMainSetupId);
  ASSERT_TRUE(WaitFor([&] { return !Marker("ZOR Software").empty(); }));
  std::string whileRunning = Marker("ZOR Software");
  EXPECT_EQ(whileRunning.find("ENDED"), std::string::npos);
  EXPECT_FALSE(FocusOn(install::kBeamsSetupId));
  ASSERT_TRUE(WaitFor([&] { return FocusOn(install::kBeamsSetupId); }));
  std::vector<std::string> lines;
  Lines(Marker("ZOR Software"), lines);
  ASSERT_EQ(lines.size(), 3u);  // the focus came only after the setup had ended
  EXPECT_EQ(lines[0], "\"\\ZOR Software\\ZOR_setup.exe\"");
  EXPECT_EQ(lines[1], medium + "ELSEWHERE");
  EXPECT_EQ(lines[2], "ENDED");
  EXPECT_TRUE(WaitFor([&] { return PointerPutBackTo(trace, opened); }));

  Press(dialog, install::kBeamsSetupId);
  ASSERT_TRUE(WaitFor([&] { return FocusOn(install::kPilesSetupId); }));
  Lines(Marker("Bonus Software\\Sendrow"), lines);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0], "\"\\Bonus Software\\Sendrow\\TrabixSetup.exe\"");

  ExpectMissing(trace, install::kPilesSetupId, "\\Bonus Software\\Venrith\\VenrithSetup.exe", install::kWallsSetupId);
  EXPECT_TRUE(WaitFor([&] { return PointerPutBackTo(trace, opened); }));
  Press(dialog, install::kExitButtonId);
  EXPECT_EQ(program.WaitForExit(), 0);
}

TEST_F(InstallFromMedium, WithoutTheBonusFolderEachBonusButtonNamesItsWholePath) {
  fs::remove_all(fs::path(medium) / "Bonus Software");
  wintest::TraceCapture trace;
  Start();
  const struct {
    int id;
    const char* path;
    int next;
  } cases[] = {
      {install::kBeamsSetupId, "\\Bonus Software\\Sendrow\\TrabixSetup.exe", install::kPilesSetupId},
      {install::kPilesSetupId, "\\Bonus Software\\Venrith\\VenrithSetup.exe", install::kWallsSetupId},
      {install::kWallsSetupId, "\\Bonus Software\\Oskary\\Brenwick.exe", install::kExitButtonId},
  };
  for (const auto& c : cases) ExpectMissing(trace, c.id, c.path, c.next);
  Press(dialog, install::kExitButtonId);
  EXPECT_EQ(program.WaitForExit(), 0);
}

// The names of the exports of a loaded module, read from its export directory.
std::set<std::string> ExportNames(HMODULE module) {
  std::set<std::string> names;
  auto base = reinterpret_cast<const unsigned char*>(module);
  auto dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
  auto nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
  const IMAGE_DATA_DIRECTORY& dir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
  if (dir.Size == 0) return names;
  auto exports = reinterpret_cast<const IMAGE_EXPORT_DIRECTORY*>(base + dir.VirtualAddress);
  auto nameRvas = reinterpret_cast<const DWORD*>(base + exports->AddressOfNames);
  for (DWORD i = 0; i < exports->NumberOfNames; ++i) names.insert(reinterpret_cast<const char*>(base + nameRvas[i]));
  return names;
}

TEST(InstallExports, TheProgramExportsItsTwoRoutinesUndecorated) {
  // Mapped only to read its export table: an .exe loaded as a library gets no imports resolved.
  HMODULE install = LoadLibraryExA((wintest::ExeFolder() / "Install.exe").string().c_str(), nullptr,
                                   DONT_RESOLVE_DLL_REFERENCES);
  ASSERT_NE(install, nullptr);
  EXPECT_EQ(ExportNames(install), (std::set<std::string>{"GETSYSFILEVER", "INITCOMCTL32"}));
  EXPECT_NE(GetProcAddress(install, "GETSYSFILEVER"), nullptr);
  EXPECT_NE(GetProcAddress(install, "INITCOMCTL32"), nullptr);
  FreeLibrary(install);
}

}  // namespace
