#pragma once
// The arithmetic of the graphics library, kept free of windows.h so that it builds and is tested
// natively too: the mapping of world coordinates onto a window's pixels, the Hsw colour function,
// the nine gradient brushes, and the spelling of numbers and texts in trace lines.
#include <cstdint>
#include <string>

namespace gfxcalc {

// A colour value as the programs pass it: 0x00BBGGRR, red in the low byte (255 is red,
// 0xFF0000 is blue), the layout of a Win32 COLORREF.
using Colour = std::uint32_t;
Colour MakeColour(int red, int green, int blue);
int Red(Colour c);
int Green(Colour c);
int Blue(Colour c);

// Hsw(hue, saturation, whiteness): hue in degrees (0 red, 60 yellow, 120 green, 180 cyan,
// 240 blue, 300 magenta; any value, taken modulo 360); saturation 0..255 blends the pure hue
// with middle grey (255 = pure hue, 0 = grey 128); whiteness 0..255 then blends the result with
// white (0 = unchanged, 255 = white). Values outside 0..255 are clamped.
Colour Hsw(double hue, double saturation, double whiteness);

// World rectangle: world x1 maps to the window's left edge and x2 to its right edge, y1 to its
// top and y2 to its bottom (y grows downwards when y2 > y1). Reversed ranges mirror the picture.
struct World {
  double x1 = 0, y1 = 0, x2 = 1023, y2 = 1023;
};
// The world a window has until the program sets one: 1023 units across the width, and downwards
// as many units of the same size as the height holds (square units, so circles are round and the
// squareness is 1). A 610 x 305 window gets 0..1023 by 0..511.5.
World DefaultWorld(int widthPixels, int heightPixels);
// True when the rectangle can be used (both ranges non-empty and finite).
bool UsableWorld(const World& w);

struct Mapping {
  World world;
  int width = 1, height = 1;  // pixels of the picture
  double PixelX(double x) const;  // exact pixel position of a world x
  double PixelY(double y) const;
  int X(double x) const;  // rounded to the nearest pixel (halves up)
  int Y(double y) const;
  double LengthX(double dx) const;  // pixels of a world length along x (never negative)
  double LengthY(double dy) const;
  double WorldLengthX(double pixels) const;  // world units along x of a pixel length
  double WorldLengthY(double pixels) const;
  double WorldX(double px) const;  // world x of a pixel position
  double WorldY(double py) const;
  // World y units that are as long on the screen as one world x unit: an ellipse of radii
  // r and r * Squareness() is a round circle.
  double Squareness() const;
};

// Gradient brushes 1..9: a colour run from `from` to `to` across the filled area, top to
// bottom (vertical) or left to right (horizontal); a mirrored run goes from `from` at both
// edges to `to` in the middle.
struct GradientStyle {
  bool horizontal;
  bool mirrored;
  Colour from, to;
};
bool GradientDefined(long style);
GradientStyle Gradient(long style);  // an undefined style gives style 1
// Colour at position t (0 = top or left edge, 1 = bottom or right edge) of a gradient.
Colour GradientColour(long style, double t);

// Numbers in trace lines: whole values without decimals ("10000", "-3"), others with up to six
// significant digits ("1.28", "0.000125").
std::string TraceNumber(double v);
// Texts in trace lines: in double quotes, with CR, LF, TAB, backslash and quote escaped.
std::string TraceText(const std::string& s);

}  // namespace gfxcalc
