#pragma once
// The suite's graphics library: structure views, panels and response graphs drawn in world
// coordinates into graphics windows that keep their picture in a back buffer, shown on screen,
// saved as BMP or JPEG, copied to the clipboard and printed. Win32 only (library suite_gfx).
//
// WINDOWS. A graphics window is a child window over a rectangle of a parent window, known by a
// number. Every call that names a window takes that number first; window 0 means the current
// graphics window, and the calls without "Ex" always act on the current one. Opening or selecting
// a window makes it current; closing the current window makes the window that was current before
// it (and is still open) current again, so a structure view opened over a table window and closed
// after it hands the screen picture underneath back. Calls on a window that is not open, or with
// no window open at all, do nothing (they are still traced).
//   The picture lives in the back buffer: drawing goes there and the window copies it to the
// screen whenever it is painted, so it repaints itself when uncovered. A window whose parent is
// destroyed keeps its picture until it is closed; a window opened with no parent (0) is an
// off-screen picture that can be drawn, saved and printed but is never shown.
//
// WORLD COORDINATES. All positions and lengths are world units; GfxWorld maps the rectangle
// (x1, y1)-(x2, y2) onto the whole window, x1 at the left edge, y1 at the top (y grows downwards
// when y2 > y1). Until a world is set, a window has 1023 units across its width and as many units
// of the same size downwards as its height holds (610 x 305 pixels: 0..1023 by 0..511.5).
// Circle radii, x radii, pen widths and text widths are x units; y radii and text heights y units.
//
// COLOURS are 0x00BBGGRR values (Win32 COLORREF): 255 red, 0xFF0000 (16711680) blue.
//
// TRACE. When the environment variable SUITE_TRACE names a file (core/trace.h), every call of this
// library appends one line to it:
//     gfx <Name>(<arguments as passed>)[ w<window>][ at(<x>, <y>)][ -> <result>]
// <Name> is the call as made (plain or Ex form); numbers are written without trailing decimals
// ("10000", "1.28"), texts in double quotes, point lists as [(x, y) (x, y) ...], window handles in
// hex. w<window> is the number of the window the call acted on ("w-" when none was open; absent
// for Hsw and Gfx_OleStringParams); at(x, y) is the current point, in world units, that a call
// drawing from the current point started from; -> gives what the call returned. Example:
//     gfx DrawCircleEx(0, 6) w1 at(220, 400)

#include <windows.h>

#include <string>
#include <vector>

// ----- window modes of GfxWindow / GfxWindowEx -----
constexpr long kGfxHide = 0;     // hide the window; drawing goes on into the back buffer
constexpr long kGfxClose = 1;    // close: destroy the window and its picture
constexpr long kGfxSelect = 2;   // make it the current window and put it above its siblings
constexpr long kGfxShow = 3;     // show it and copy the picture to the screen now; ends a hold
constexpr long kGfxHold = 5;     // hold: the screen is not updated by drawing until kGfxShow
// Other mode values do nothing.

// ----- brush styles (BrushStyle / BrushStyleEx) -----
constexpr long kGfxBrushSolid = 0;   // filled with the brush colour (the start value)
constexpr long kGfxBrushHollow = 1;  // not filled
constexpr long kGfxBrushHatch = 2;   // hatch lines (BrushHatch) in the brush colour; the gaps keep
                                     // what was under them
// Hatch kinds (BrushHatch / BrushHatchEx), as Win32: 0 horizontal, 1 vertical, 2 falling diagonal
// "\\\\", 3 rising diagonal "////", 4 cross, 5 diagonal cross.
// A gradient brush (GradientBrush 1..9) fills in place of the solid, hollow or hatch brush until
// GradientBrush(0) returns to it.

// ----- pen styles (PenStyle / PenEx) -----
// 0 solid, 1 dashed, 2 dotted, 3 dash-dot (centre lines), 4 dash-dot-dot, 5 or 99 no line (shapes
// are filled without an outline); 6 and any other value solid.

// ----- font effects (GfxFontEffects): bits -----
constexpr long kGfxBold = 1;       // at least weight 700
constexpr long kGfxItalic = 2;
constexpr long kGfxStrikeOut = 4;
constexpr long kGfxUnderline = 8;  // so 11 is bold italic underlined (the headings)

// ----- text flags (DrawTextRow, DrawTextBox) -----
// Low 16 bits: the Win32 DrawText format bits; of them a row uses only the first two.
constexpr long kGfxTextCentre = 0x1;        // row: centred on the current x, or in the window
constexpr long kGfxTextRight = 0x2;         // row: ending at the current x, or at the right edge
constexpr long kGfxTextVCentre = 0x4;       // box: centred vertically (with kGfxTextSingleLine)
constexpr long kGfxTextBottom = 0x8;        // box: at the bottom (with kGfxTextSingleLine)
constexpr long kGfxTextWordBreak = 0x10;    // box: lines broken at the box's width
constexpr long kGfxTextSingleLine = 0x20;   // box: one line
constexpr long kGfxTextMeasure = 0x400;     // box: only measure, draw nothing
// High bits: the library's own.
constexpr long kGfxTextAdvance = 0x00100000;    // row: afterwards the current point stands at the
                                                // end of the text, so the next row continues it
constexpr long kGfxTextFill = 0x01000000;       // fill the text's band with the current brush first
constexpr long kGfxTextFullWidth = 0x10000000;  // the band spans the window's width at the current
                                                // y (x is not used; without alignment the text
                                                // starts at the left edge)
// So 0x10000001 is a row centred across the window, 0x11000001 the same on a brush-filled band
// (a gradient heading), 33 a single-line box with the text centred in it.
// Text starts at the current point: the top left corner of its first character (for turned text
// the same corner, turned with it). Alignment, full width and fill apply to text that is not
// turned; turned text is drawn from the current point. Text is drawn in the font colour; its
// background is left as it is (background mode 0, the start value) or filled with the
// background colour (mode 1).

// ----- saving -----
// SaveGfxMode: 0..999 the next save writes a BMP (the start value); 1000 + q writes a JPEG of
// quality q (1..100; 1100 is the best). A JPEG mode applies to the next save only.
constexpr long kGfxSaveJpeg = 1100;

// The window class of the graphics windows (for finding them).
constexpr const char* kGfxWindowClass = "SuiteGraphicsWindow";

struct GfxPoint {
  double x;
  double y;
};

// ----- windows -----
// Opens graphics window `window` (any number above 0; 0 chooses an unused number from 1000 on)
// as a visible child of `parent` at left, top (pixels of the parent's client area) of width x
// height pixels, cleared to white, with the default world, a black solid pen of one pixel, a
// white solid brush and a 16-pixel black "Arial" font. An open window of the same number is
// closed first. Returns the window's number (it becomes the current window).
long OpenGfx(HWND parent, long left, long top, long width, long height);
long OpenGfxEx(long window, HWND parent, long left, long top, long width, long height);
void GfxWindow(long mode);
void GfxWindowEx(long window, long mode);
// Sets the world rectangle; one with an empty range (x1 = x2 or y1 = y2) is ignored.
void GfxWorld(double x1, double y1, double x2, double y2);
void GfxWorldEx(long window, double x1, double y1, double x2, double y2);
// The world y units that are as long on the screen as one x unit (1 when nothing is open).
double GfxSquareness();
double GfxSquarenessEx(long window);
// Fills the whole picture with the brush colour (or the gradient brush when one is set) and puts
// the current point at the world's top left corner.
void GfxCLS();
void GfxCLSEx(long window);

// ----- colours, pens, brushes -----
// The colour of hue (degrees: 0 red, 120 green, 240 blue), saturation (0..255, 255 = pure hue,
// 0 = grey) and whiteness (0..255 mixed in afterwards, 255 = white). Hsw(40, 240, 180) is a pale
// cream, Hsw(0, 255, 0) pure red.
long Hsw(long hue, long saturation, long whiteness);
void PenColor(long colour);
void PenColorEx(long window, long colour);
void PenWidth(double width);  // x units; at least one pixel is drawn
void PenWidthEx(long window, double width);
void PenStyle(long style);
void PenStyleEx(long window, long style);
void Pen(long colour, long style, double width);  // all three at once
void PenEx(long window, long colour, long style, double width);
void BrushColor(long colour);
void BrushColorEx(long window, long colour);
void BrushStyle(long style);
void BrushStyleEx(long window, long style);
void BrushHatch(long hatch);
void BrushHatchEx(long window, long hatch);
// Gradient brush 1..9 (0 or any other value: back to the plain brush). Each fills the area it is
// used on (window, shape, text band) with a colour run:
//   1 white to light steel blue, top to bottom   6 dark to light green, left to right
//   2 white to light green, top to bottom        7 maroon to orange, left to right
//   3 white to light rose, top to bottom         8 black to grey, top to bottom
//   4 gold at top and bottom, ivory in between   9 blue to dark blue, top to bottom
//   5 dark to light blue, left to right
void GradientBrush(long style);
void GradientBrushEx(long window, long style);

// ----- drawing: shapes are outlined with the pen and filled with the brush -----
void DrawFrom(double x, double y);  // sets the current point
void DrawFromEx(long window, double x, double y);
void DrawTo(double x, double y);  // line from the current point; the point moves to its end
void DrawToEx(long window, double x, double y);
void DrawLine(double x1, double y1, double x2, double y2);  // the current point moves to (x2, y2)
void DrawLineEx(long window, double x1, double y1, double x2, double y2);
void DrawRect(double width, double height);  // from the current point (its top left corner)
void DrawRectEx(long window, double width, double height);
void DrawCircle(double radius);  // round on the screen, centred on the current point
void DrawCircleEx(long window, double radius);
void DrawEllipse(double radiusX, double radiusY);  // centred on the current point
void DrawEllipseEx(long window, double radiusX, double radiusY);
// Arc (a line, not filled) round the current point from the start to the end angle, in degrees
// counter-clockwise as seen on the screen, 0 pointing right and 90 up.
void DrawArc(double radiusX, double radiusY, double startDegrees, double endDegrees);
void DrawArcEx(long window, double radiusX, double radiusY, double startDegrees, double endDegrees);
// Poly-line through the points; the current point moves to the last one.
void DrawMultiLine(const std::vector<GfxPoint>& points);
void DrawMultiLineEx(long window, const std::vector<GfxPoint>& points);
void DrawPolygon(const std::vector<GfxPoint>& points);  // closed and filled
void DrawPolygonEx(long window, const std::vector<GfxPoint>& points);

// ----- text -----
// Font: face (empty: the face stays); sizeX and sizeY give the character box in world units: the row is sizeY high and
// the characters are as wide as the face makes them for that height, stretched by
// sizeX / sizeY as seen on the screen (equal values on a square world: the face's own shape);
// sizes of 0 or less give a 16-pixel row. weight 0..1000 (400 normal, 700 bold; small values
// draw normal); colour; angle in degrees counter-clockwise (90: the text reads upwards);
// charSet a Win32 character set (0 ANSI).
void GfxFont(const std::string& face, double sizeX, double sizeY, long weight, long colour, double angle = 0,
             long charSet = 0);
void GfxFontEx(long window, const std::string& face, double sizeX, double sizeY, long weight, long colour,
               double angle = 0, long charSet = 0);
void GfxFontEffects(long effects);
void GfxFontEffectsEx(long window, long effects);
void GfxFontWeight(long weight);
void GfxFontWeightEx(long window, long weight);
void GfxBkgdColor(long colour);  // text background colour (white at the start)
void GfxBkgdColorEx(long window, long colour);
void GfxBkgdMode(long mode);  // 0 transparent (the start value), 1 filled with the background colour
void GfxBkgdModeEx(long window, long mode);
// Draws one row of text from the current point (see the text flags above).
void DrawTextRow(const std::string& text, long flags = 0);
void DrawTextRowEx(long window, const std::string& text, long flags = 0);
// Draws text in a box whose top left corner is the current point, width x height world units
// (0 or less: as wide or as high as the text), the low flag bits formatting it as Win32 DrawText
// does. On return width and height hold the measured size of the text (x units and y units; for
// turned text the size along and across its row). With kGfxTextMeasure nothing is drawn.
void DrawTextBox(const std::string& text, double& width, double& height, long flags);
void DrawTextBoxEx(long window, const std::string& text, double& width, double& height, long flags);

// ----- output -----
long SaveGfxMode(long mode);  // returns the mode set
long SaveGfxModeEx(long window, long mode);
// Writes the picture to the named file (BMP, 24 bits, or JPEG after a JPEG mode), or to the
// clipboard as a device-independent bitmap when the target is "CLIPBOARD" (any case). Returns 1
// when it was written, 0 otherwise; nothing is reported.
long SaveGfxWindow(const std::string& target);
long SaveGfxWindowEx(long window, const std::string& target);
// Takes the default printer's settings for the window's later printing, without a dialog.
// Returns 1 when a printer was found, else 0; nothing is reported.
long GfxPrintDefaults();
long GfxPrintDefaultsEx(long window);
// Shows the Windows print dialog (starting from the window's print defaults) and prints the
// picture as large as fits the page. Returns 1 when printed; with no printer, when the user
// cancels or when printing fails it returns 0 and reports nothing.
long PrintGfxWindow();
long PrintGfxWindowEx(long window);

// ----- panels -----
// A heading band: fills a band across the window at the current y, as high as a row of the
// current font, with gradient brush `style` (1..9; others give 1), draws the text centred in it,
// returns to the plain brush and shows the window (during a hold it is shown when the hold ends).
// A non-empty `face` replaces the font's face and a size above 0 both font sizes first.
void GradientPanel(long window, const std::string& text, const std::string& face, long style, double size = 0);

// The programs' string glue of the former graphics interface. Strings pass here as std::string,
// so there is nothing to convert: it only returns 0.
long Gfx_OleStringParams();
