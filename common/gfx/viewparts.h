#pragma once
// Pieces of the programs' explanatory structure views (the schematic pictures beside the data
// tables), drawn into the current graphics window (0) in its world coordinates. Each program
// places them on its own drawing; the pieces only fix their shapes, colours and pens.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "gfx/gfx.h"

constexpr long kViewBlue = 0xFF0000;
constexpr long kViewRed = 255;
constexpr long kViewBlack = 0;
constexpr long kViewGrey = 0x808080;  // support and restraint symbols
// Text flags: a heading centred across the window on a brush-filled band; a row the next one
// continues.
constexpr long kViewHeadingFlags = kGfxTextFullWidth | kGfxTextFill | kGfxTextCentre;
constexpr long kViewAdvance = kGfxTextAdvance;

// The fonts of the labels ("Times New Roman" in a colour, with effects) and of the node numbers
// (larger, black, normal weight).
void ViewLabelFont(long colour, long effects);
void ViewNumberFont();
// One row of text from (x, y) in the current font.
void ViewText(double x, double y, const std::string& text, long flags = 0);
// The heading of a view: "Arial" in blue, bold italic underlined, centred across the window at y
// on the gold gradient band.
void ViewHeading(const std::string& text, double y);
// A node symbol: a circle round (x, y) filled with the colour (cyan), in the current pen.
void NodeCircle(double x, double y, double radius = 6, long fill = RGB(0, 255, 255));
// A poly-line of the given pen width and colour.
void ViewPolyline(const std::vector<GfxPoint>& points, double width, long colour);
// A thin black pointer arrow from (x1, y1) to its head at (x2, y2).
void PointerArrow(double x1, double y1, double x2, double y2);
// A load arrow of the given length, pen width and colour whose filled head touches (x, tipY)
// from above.
void LoadArrow(double x, double tipY, double length, long colour, double width);
// A grey spring standing below (x, top), 88 units long (a translational restraint).
void VerticalSpring(double x, double top, double width = 15);
// A grey spring lying on y across x, 74 units long (a rotational restraint).
void RotationalSpring(double x, double y, double width = 15);
// A grey spring lying right of (left, y), 88 units long (a horizontal translational restraint).
void HorizontalSpring(double left, double y, double width = 15);
// A grey unyielding support: a triangle whose tip touches (x, y) from below, outlined in the
// given colour.
void SupportTriangle(double x, double y, long outline = kViewGrey);

// The frame of every structure view: a graphics window opened on `window` at the rectangle,
// held while drawing, its world the box (x1, y1)..(x2, y2) fitted whole with round circles and
// centred, filled with the views' background; `picture` draws into it; then it is shown.
void DrawViewFrame(HWND window, long left, long top, long width, long height, double x1, double y1, double x2,
                   double y2, const std::function<void()>& picture);
// The background of the views: Hsw(40, 240, 180).
long ViewBackground();
