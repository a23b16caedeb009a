#include "win/testing/wintest.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <utility>

#include "win/dialogs.h"
#include "win/handles.h"
#include "win/ids.h"

namespace wintest {
namespace {

struct Script {
  std::vector<Step> steps;
  size_t next = 0;
  size_t done = 0;
  DWORD start = 0;
  int timeoutMs = 0;
  UINT intervalMs = 0;  // the tick while a step waits
  UINT armedMs = 0;     // the tick the timer has now
  UINT_PTR timer = 0;
  bool timedOut = false;
};
Script* Running = nullptr;

BOOL CALLBACK EndEveryDialog(HWND window, LPARAM) {
  char cls[32] = {0};
  GetClassNameA(window, cls, sizeof cls);
  if (lstrcmpA(cls, "#32770") == 0) EndDialog(window, 0);
  return TRUE;
}

void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
  Script* s = Running;
  if (!s) return;
  // Once timed out, every dialog and box the body still opens is ended too.
  if (s->timedOut || (s->next < s->steps.size() && GetTickCount() - s->start > static_cast<DWORD>(s->timeoutMs))) {
    s->timedOut = true;
    EnumThreadWindows(GetCurrentThreadId(), EndEveryDialog, 0);
    return;
  }
  if (s->next >= s->steps.size()) return;
  // The index moves on before the step runs: a step that opens a modal window lets the next steps
  // run inside that window's loop.
  size_t i = s->next++;
  bool progressed = s->steps[i]();
  if (progressed) {
    ++s->done;
  } else if (s->next == i + 1) {
    s->next = i;
  }
  // A step done, the next one runs as soon as the messages it caused have been handled (a timer
  // message comes only when the queue holds no other); only a step that waits ticks at the
  // script's interval.
  UINT want = progressed ? USER_TIMER_MINIMUM : s->intervalMs;
  if (want != s->armedMs && Running == s) {
    SetTimer(nullptr, s->timer, want, Tick);
    s->armedMs = want;
  }
}

struct Found {
  std::string caption;
  HWND window = nullptr;
};

BOOL CALLBACK MatchDialog(HWND window, LPARAM lp) {
  auto* f = reinterpret_cast<Found*>(lp);
  char cls[32] = {0};
  GetClassNameA(window, cls, sizeof cls);
  if (lstrcmpA(cls, "#32770") || !IsWindowVisible(window) || !IsWindowEnabled(window)) return TRUE;
  char text[512] = {0};
  GetWindowTextA(window, text, sizeof text);
  if (f->caption == text) {
    f->window = window;  // windows are listed newest first
    return FALSE;
  }
  return TRUE;
}

std::string Unescape(const std::string& field) {
  std::string out;
  for (size_t i = 0; i < field.size(); ++i) {
    if (field[i] == '\\' && i + 1 < field.size()) {
      char c = field[++i];
      out += c == 't' ? '\t' : c == 'r' ? '\r' : c == 'n' ? '\n' : c;
    } else {
      out += field[i];
    }
  }
  return out;
}

}  // namespace

ScriptResult RunScript(std::vector<Step> steps, const std::function<void()>& body, int timeoutMs, int intervalMs) {
  Script s;
  s.steps = std::move(steps);
  s.start = GetTickCount();
  s.timeoutMs = timeoutMs;
  s.intervalMs = static_cast<UINT>(std::max<int>(intervalMs, USER_TIMER_MINIMUM));
  Script* outer = Running;
  Running = &s;
  // The first step runs as soon as the body waits for messages.
  s.timer = SetTimer(nullptr, 0, USER_TIMER_MINIMUM, Tick);
  s.armedMs = USER_TIMER_MINIMUM;
  body();
  KillTimer(nullptr, s.timer);
  Running = outer;
  ScriptResult r;
  r.stepsDone = s.done;
  r.timedOut = s.timedOut;
  r.finished = !s.timedOut && s.done == s.steps.size();
  return r;
}

Step WhenDialog(const std::string& caption, std::function<void(HWND)> act) {
  return [caption, act]() {
    HWND h = FindDialog(caption);
    if (!h) return false;
    act(h);
    return true;
  };
}

Step WhenWindow(const std::string& windowClass, std::function<void(HWND)> act) {
  return [windowClass, act]() {
    HWND h = FindWindowA(windowClass.c_str(), nullptr);
    if (!h) return false;
    act(h);
    return true;
  };
}

Step Do(std::function<void()> act) {
  return [act]() {
    act();
    return true;
  };
}

HWND FindDialog(const std::string& caption) {
  Found f;
  f.caption = caption;
  EnumThreadWindows(GetCurrentThreadId(), MatchDialog, reinterpret_cast<LPARAM>(&f));
  return f.window;
}

std::string BoxText(HWND box) {
  char text[2048] = {0};
  GetDlgItemTextA(box, kBoxTextId, text, sizeof text);
  return text;
}

void AnswerBox(HWND box, int answer) { PostMessageA(box, WM_COMMAND, MAKEWPARAM(answer, BN_CLICKED), 0); }

void Click(HWND dialog, int id) { SendMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

void PostClick(HWND dialog, int id) { PostMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

void PressKey(HWND control, UINT virtualKey) {
  UINT scan = MapVirtualKeyA(virtualKey, 0);
  PostMessageA(control, WM_KEYDOWN, virtualKey, 1 | (static_cast<LPARAM>(scan) << 16));
  PostMessageA(control, WM_KEYUP, virtualKey, 1 | (static_cast<LPARAM>(scan) << 16) | (1LL << 30) | (1LL << 31));
}

void SetText(HWND dialog, int id, const std::string& text) { SetDlgItemTextA(dialog, id, text.c_str()); }

std::string GetText(HWND dialog, int id) {
  char text[2048] = {0};
  GetDlgItemTextA(dialog, id, text, sizeof text);
  return text;
}

std::string WindowText(HWND window) {
  char text[512] = {0};
  DWORD_PTR ignored = 0;
  SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_BLOCK, 5000, &ignored);
  return text;
}

void Pump() {
  MSG m;
  while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&m);
    DispatchMessageA(&m);
  }
}

void DiscardMessages() {
  MSG m;
  while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {
  }
}

bool DrainQuit() {
  MSG m;
  bool quit = false;
  while (PeekMessageA(&m, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) quit = true;
  return quit;
}

TraceCapture::TraceCapture() {
  char dir[MAX_PATH] = {0}, name[MAX_PATH] = {0};
  GetTempPathA(MAX_PATH, dir);
  GetTempFileNameA(dir, "trc", 0, name);
  path_ = name;
  DeleteFileA(path_.c_str());
  _putenv_s("SUITE_TRACE", path_.c_str());
}

TraceCapture::~TraceCapture() {
  _putenv_s("SUITE_TRACE", "");
  DeleteFileA(path_.c_str());
}

std::vector<std::vector<std::string>> TraceCapture::Records() const {
  std::vector<std::vector<std::string>> out;
  std::ifstream in(path_, std::ios::binary);
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    out.push_back(SplitTraceLine(line));
  }
  return out;
}

std::vector<std::vector<std::string>> TraceCapture::Records(const std::string& kind) const {
  std::vector<std::vector<std::string>> out;
  for (auto& r : Records()) {
    if (!r.empty() && r[0] == kind) out.push_back(r);
  }
  return out;
}

std::vector<Step> SaveBothDocuments(const std::string& chooser) {
  std::vector<Step> steps;
  for (const std::string kind : {"DATA", "RESULTS"}) {
    steps.push_back(WhenDialog(chooser, [kind](HWND d) {
      if (IsDlgButtonChecked(d, kFirstOptionId) != BST_CHECKED) Click(d, kFirstOptionId);  // "&Save"
      PostClick(d, kind == "DATA" ? kOkId : kFormCancelId);
    }));
    steps.push_back(WhenDialog(kind + " File Information", [](HWND b) { AnswerBox(b, IDOK); }));
    steps.push_back(WhenDialog(kind + " File Information", [](HWND b) { AnswerBox(b, IDYES); }));
    steps.push_back(WhenWindow("SuiteDocPreview", [](HWND p) { PostMessageA(p, WM_KEYDOWN, VK_ESCAPE, 0); }));
  }
  steps.push_back(WhenDialog(chooser, [](HWND d) { PostClick(d, kExitId); }));
  return steps;
}

std::vector<std::string> TraceCapture::Lines() const {
  std::vector<std::string> lines;
  std::ifstream in(path_);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

int TraceCapture::Count(const std::string& prefix) const {
  int n = 0;
  for (const std::string& line : Lines()) n += line.rfind(prefix, 0) == 0 ? 1 : 0;
  return n;
}

void TraceCapture::Clear() { DeleteFileA(path_.c_str()); }

HostWindow::HostWindow(const char* windowClass, const char* caption, int width, int height) {
  WNDCLASSA wc = {};
  wc.lpfnWndProc = DefWindowProcA;
  wc.lpszClassName = windowClass;
  RegisterClassA(&wc);
  window_ = CreateWindowA(windowClass, caption, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, width, height, nullptr, nullptr,
                          nullptr, nullptr);
}

HostWindow::~HostWindow() {
  if (window_) DestroyWindow(window_);
}

std::vector<std::string> SplitTraceLine(const std::string& line) {
  std::vector<std::string> fields;
  std::string current;
  for (size_t i = 0; i < line.size(); ++i) {
    if (line[i] == '\\' && i + 1 < line.size()) {
      current += line[i];
      current += line[++i];
    } else if (line[i] == '\t') {
      fields.push_back(Unescape(current));
      current.clear();
    } else {
      current += line[i];
    }
  }
  fields.push_back(Unescape(current));
  return fields;
}

POINT ControlPlace(HWND dialog, int id) {
  RECT r{};
  GetWindowRect(GetDlgItem(dialog, id), &r);
  POINT p{r.left, r.top};
  ScreenToClient(dialog, &p);
  int x = p.x, y = p.y;
  PixelsToUnits(dialog, x, y);
  return {x, y};
}

std::vector<DWORD> ClientPixels(HWND window) {
  RECT rc;
  GetClientRect(window, &rc);
  std::vector<DWORD> pixels(static_cast<size_t>(rc.right) * rc.bottom);
  BITMAPINFO bmi = {};
  bmi.bmiHeader = {sizeof(BITMAPINFOHEADER), rc.right, -rc.bottom, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  WindowDc screen(window);
  OwnedDc memory(CreateCompatibleDC(screen.get()));
  void* bits = nullptr;
  OwnedBitmap dib(CreateDIBSection(screen.get(), &bmi, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!memory || !dib || !bits) return {};
  SelectionGuard useDib(memory.get(), dib.get());
  BitBlt(memory.get(), 0, 0, rc.right, rc.bottom, screen.get(), 0, 0, SRCCOPY);
  GdiFlush();
  std::copy_n(static_cast<const DWORD*>(bits), pixels.size(), pixels.begin());
  return pixels;
}

int GdiRoom() {
  constexpr int kAtMost = 1 << 20;  // a bound in case a system never refuses
  std::vector<OwnedPen> pens;
  pens.reserve(70000);
  while (static_cast<int>(pens.size()) < kAtMost) {
    OwnedPen pen(CreatePen(PS_SOLID, 1, RGB(0, 0, 0)));
    if (!pen) break;
    pens.push_back(std::move(pen));
  }
  return static_cast<int>(pens.size());
}

}  // namespace wintest
