#include "win/testing/layoutsteps.h"

#include <algorithm>
#include <memory>
#include <set>

#include "win/messages.h"
#include "win/testing/layout.h"

namespace wintest {

std::vector<std::string> BoxFaults(HWND box) {
  std::vector<std::string> faults;
  const std::string where = "\"" + WindowText(box) + "\" box \"" + BoxText(box) + "\": ";
  HWND owner = GetWindow(box, GW_OWNER);
  if (!ProgramMessages.ownerIsDialog && owner)
    faults.push_back(where + "has an owner, \"" + WindowText(owner) + "\"");
  if (ProgramMessages.ownerIsDialog && owner && !IsWindowVisible(owner))
    faults.push_back(where + "is owned by the hidden window \"" + WindowText(owner) + "\"");
  if (BoxText(box).empty()) faults.push_back(where + "shows no text");
  RECT r{};
  GetWindowRect(box, &r);
  const int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
  if (r.left < 0 || r.top < 0 || r.right > w || r.bottom > h)
    faults.push_back(where + "lies at (" + std::to_string(r.left) + "," + std::to_string(r.top) + ")-(" +
                     std::to_string(r.right) + "," + std::to_string(r.bottom) + "), outside the screen " +
                     std::to_string(w) + " x " + std::to_string(h));
  return faults;
}

namespace {

struct NewDialog {
  const std::set<HWND>* seen;
  HWND found = nullptr;
};

BOOL CALLBACK MatchNew(HWND window, LPARAM data) {
  auto* f = reinterpret_cast<NewDialog*>(data);
  char cls[32] = {};
  GetClassNameA(window, cls, sizeof cls);
  if (lstrcmpA(cls, "#32770") == 0 && IsWindowVisible(window) && IsWindowEnabled(window) && !f->seen->count(window))
    f->found = window;
  return TRUE;
}

}  // namespace

std::vector<Step> LayoutSteps(const std::vector<LayoutWindow>& windows, std::vector<std::string>& faults) {
  std::vector<Step> steps;
  auto seen = std::make_shared<std::set<HWND>>();
  for (const LayoutWindow& w : windows) {
    steps.push_back([w, &faults, seen]() {
      HWND h = nullptr;
      if (!w.windowClass.empty()) {
        h = FindWindowA(w.windowClass.c_str(), nullptr);
        if (!h || !IsWindowVisible(h)) return false;
        const std::vector<std::string> found = LayoutFaults(h);
        faults.insert(faults.end(), found.begin(), found.end());
        PostMessageA(h, WM_CLOSE, 0, 0);
        return true;
      }
      if (w.caption.empty()) {
        NewDialog f{seen.get()};
        EnumThreadWindows(GetCurrentThreadId(), MatchNew, reinterpret_cast<LPARAM>(&f));
        h = f.found;
      } else {
        h = FindDialog(w.caption);
      }
      if (!h) return false;
      seen->insert(h);
      // A window checked again (a choice that stays open) adds only what is new.
      for (const std::string& f : w.box ? BoxFaults(h) : LayoutFaults(h))
        if (std::find(faults.begin(), faults.end(), f) == faults.end()) faults.push_back(f);
      if (w.box) {
        AnswerBox(h, w.clicks.empty() ? IDOK : w.clicks.front());
      } else if (!w.clicks.empty()) {
        for (int id : w.clicks) PostClick(h, id);
      } else {
        EndDialog(h, 0);
      }
      return true;
    });
  }
  return steps;
}

std::string FaultList(const std::vector<std::string>& faults) {
  std::string all;
  for (const std::string& f : faults) all += f + "\n";
  return all;
}

}  // namespace wintest
