// The trace lines of the graphics library's calls.
#include <cstdint>
#include <cstdio>

#include "gfx/gfx_internal.h"

namespace gfxinternal {

std::string Arg(double v) { return gfxcalc::TraceNumber(v); }
std::string Arg(long v) { return gfxcalc::TraceNumber(static_cast<double>(v)); }
std::string Arg(const std::string& s) { return gfxcalc::TraceText(s); }
std::string Arg(HWND h) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "0x%llx", static_cast<unsigned long long>(reinterpret_cast<uintptr_t>(h)));
  return buf;
}
std::string Arg(const std::vector<GfxPoint>& points) {
  std::string s = "[";
  for (size_t i = 0; i < points.size(); ++i) {
    if (i) s += " ";
    s += "(" + Arg(points[i].x) + ", " + Arg(points[i].y) + ")";
  }
  return s + "]";
}

TraceAt At(const Picture* p) {
  TraceAt a;
  if (p) {
    a.on = true;
    a.x = p->cx;
    a.y = p->cy;
  }
  return a;
}

void Trace(const char* name, const std::string& args, const Picture* p, bool windowPart, TraceAt at,
           const std::string& result) {
  if (!TraceEnabled()) return;
  std::string line = std::string("gfx ") + name + "(" + args + ")";
  if (windowPart) line += p ? " w" + Arg(p->number) : std::string(" w-");
  if (at.on) line += " at(" + Arg(at.x) + ", " + Arg(at.y) + ")";
  if (!result.empty()) line += " -> " + result;
  TraceLine(line);
}

}  // namespace gfxinternal
