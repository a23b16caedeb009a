#include "gfx/gfxcalc.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace gfxcalc {

namespace {

int Clamp255(double v) {
  if (!(v > 0)) return 0;  // also NaN
  if (v >= 255) return 255;
  return static_cast<int>(std::floor(v + 0.5));
}

double Clamp01(double v) {
  if (!(v > 0)) return 0;
  return v > 1 ? 1 : v;
}

Colour Blend(Colour a, Colour b, double t) {
  t = Clamp01(t);
  return MakeColour(Clamp255(Red(a) + (Red(b) - Red(a)) * t), Clamp255(Green(a) + (Green(b) - Green(a)) * t),
                    Clamp255(Blue(a) + (Blue(b) - Blue(a)) * t));
}

// The nine gradient brushes. Light runs for headings and panels (dark and coloured text stays
// readable on them), darker runs for backgrounds.
const GradientStyle kGradients[9] = {
    {false, false, 0xFFFFFF, 0xE6BE96},  // 1 white to light steel blue, downwards
    {false, false, 0xFFFFFF, 0x96DC96},  // 2 white to light green
    {false, false, 0xFFFFFF, 0xAAAAF0},  // 3 white to light rose
    {false, true, 0x78D2FA, 0xF0FFFF},   // 4 gold at the edges, ivory in the middle (heading band)
    {true, false, 0xA00000, 0xFFB478},   // 5 dark blue to light blue, left to right
    {true, false, 0x006400, 0xA0F0A0},   // 6 dark green to light green, left to right
    {true, false, 0x000080, 0x00A5FF},   // 7 maroon to orange, left to right
    {false, false, 0x000000, 0x808080},  // 8 black to grey, downwards
    {false, false, 0xFF0000, 0x380000},  // 9 blue to dark blue, downwards (the main window's shade)
};

}  // namespace

Colour MakeColour(int red, int green, int blue) {
  return static_cast<Colour>(red & 255) | (static_cast<Colour>(green & 255) << 8) |
         (static_cast<Colour>(blue & 255) << 16);
}
int Red(Colour c) { return static_cast<int>(c & 255); }
int Green(Colour c) { return static_cast<int>((c >> 8) & 255); }
int Blue(Colour c) { return static_cast<int>((c >> 16) & 255); }

Colour Hsw(double hue, double saturation, double whiteness) {
  double h = std::isfinite(hue) ? std::fmod(hue, 360.0) : 0.0;
  if (h < 0) h += 360.0;
  // Pure hue on the colour wheel: one channel full, one empty, one rising or falling.
  double sector = h / 60.0;
  int i = static_cast<int>(std::floor(sector)) % 6;
  double f = sector - std::floor(sector);
  double r = 0, g = 0, b = 0;
  switch (i) {
    case 0: r = 1, g = f, b = 0; break;
    case 1: r = 1 - f, g = 1, b = 0; break;
    case 2: r = 0, g = 1, b = f; break;
    case 3: r = 0, g = 1 - f, b = 1; break;
    case 4: r = f, g = 0, b = 1; break;
    default: r = 1, g = 0, b = 1 - f; break;
  }
  double s = Clamp255(saturation) / 255.0;
  double w = Clamp255(whiteness) / 255.0;
  auto channel = [&](double pure) {
    double v = 128.0 + (pure * 255.0 - 128.0) * s;
    return v + (255.0 - v) * w;
  };
  return MakeColour(Clamp255(channel(r)), Clamp255(channel(g)), Clamp255(channel(b)));
}

World DefaultWorld(int widthPixels, int heightPixels) {
  World w;
  int wp = std::max(1, widthPixels), hp = std::max(1, heightPixels);
  w.x1 = 0;
  w.y1 = 0;
  w.x2 = 1023;
  w.y2 = 1023.0 * hp / wp;
  return w;
}

bool UsableWorld(const World& w) {
  return std::isfinite(w.x1) && std::isfinite(w.x2) && std::isfinite(w.y1) && std::isfinite(w.y2) &&
         w.x1 != w.x2 && w.y1 != w.y2;
}

double Mapping::PixelX(double x) const { return (x - world.x1) * width / (world.x2 - world.x1); }
double Mapping::PixelY(double y) const { return (y - world.y1) * height / (world.y2 - world.y1); }

int Mapping::X(double x) const {
  double p = std::floor(PixelX(x) + 0.5);
  return static_cast<int>(std::max(-1.0e6, std::min(1.0e6, p)));
}
int Mapping::Y(double y) const {
  double p = std::floor(PixelY(y) + 0.5);
  return static_cast<int>(std::max(-1.0e6, std::min(1.0e6, p)));
}

double Mapping::LengthX(double dx) const { return std::fabs(dx * width / (world.x2 - world.x1)); }
double Mapping::LengthY(double dy) const { return std::fabs(dy * height / (world.y2 - world.y1)); }
double Mapping::WorldLengthX(double pixels) const { return std::fabs(pixels * (world.x2 - world.x1) / width); }
double Mapping::WorldLengthY(double pixels) const { return std::fabs(pixels * (world.y2 - world.y1) / height); }
double Mapping::WorldX(double px) const { return world.x1 + px * (world.x2 - world.x1) / width; }
double Mapping::WorldY(double py) const { return world.y1 + py * (world.y2 - world.y1) / height; }

double Mapping::Squareness() const {
  double perPixelX = std::fabs(world.x2 - world.x1) / width;
  double perPixelY = std::fabs(world.y2 - world.y1) / height;
  return perPixelY / perPixelX;
}

bool GradientDefined(long style) { return style >= 1 && style <= 9; }

GradientStyle Gradient(long style) { return kGradients[GradientDefined(style) ? style - 1 : 0]; }

Colour GradientColour(long style, double t) {
  GradientStyle g = Gradient(style);
  t = Clamp01(t);
  if (g.mirrored) t = 1.0 - std::fabs(2.0 * t - 1.0);
  return Blend(g.from, g.to, t);
}

std::string TraceNumber(double v) {
  char buf[64];
  if (std::isfinite(v) && v == std::floor(v) && std::fabs(v) < 1e15) {
    std::snprintf(buf, sizeof buf, "%lld", static_cast<long long>(v));
  } else {
    std::snprintf(buf, sizeof buf, "%.6g", v);
  }
  return buf;
}

std::string TraceText(const std::string& s) {
  std::string out = "\"";
  for (char c : s) {
    switch (c) {
      case '\r': out += "\\r"; break;
      case '\n': out += "\\n"; break;
      case '\t': out += "\\t"; break;
      case '\\': out += "\\\\"; break;
      case '"': out += "\\\""; break;
      default: out += c;
    }
  }
  return out + "\"";
}

}  // namespace gfxcalc
