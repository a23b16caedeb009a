// The text of the graphics windows: fonts, rows and boxes of text, turned or upright.
#include <algorithm>
#include <cmath>
#include <cstring>

#include "gfx/gfx_internal.h"

namespace gfxinternal {

namespace {

bool Turned(const Picture* p) { return std::fmod(p->angle, 360.0) != 0; }

HFONT MakeFont(const Picture* p, bool turned) {
  double hpx = p->fontY > 0 ? p->map.LengthY(p->fontY) : 16.0;
  double wpx = p->fontX > 0 ? p->map.LengthX(p->fontX) : hpx;
  LOGFONTA lf;
  std::memset(&lf, 0, sizeof lf);
  lf.lfHeight = std::max(1L, static_cast<LONG>(std::floor(hpx + 0.5)));
  long weight = std::max(0L, std::min(1000L, p->weight));
  if (p->effects & kGfxBold) weight = std::max(weight, 700L);
  lf.lfWeight = weight;
  lf.lfItalic = (p->effects & kGfxItalic) ? 1 : 0;
  lf.lfStrikeOut = (p->effects & kGfxStrikeOut) ? 1 : 0;
  lf.lfUnderline = (p->effects & kGfxUnderline) ? 1 : 0;
  lf.lfCharSet = static_cast<BYTE>(p->charSet);
  lf.lfOutPrecision = OUT_TT_PRECIS;
  lf.lfQuality = ANTIALIASED_QUALITY;
  if (turned) lf.lfEscapement = lf.lfOrientation = static_cast<LONG>(std::floor(p->angle * 10 + 0.5));
  std::strncpy(lf.lfFaceName, p->face.c_str(), LF_FACESIZE - 1);
  if (std::fabs(wpx - hpx) > 0.02 * hpx) {
    // Stretch the face's own width by the ratio of the two sizes on the screen.
    OwnedFont probe(CreateFontIndirectA(&lf));
    SelectionGuard useProbe(p->dc, probe.get());
    TEXTMETRICA tm;
    if (GetTextMetricsA(p->dc, &tm)) lf.lfWidth = std::max(1L, static_cast<LONG>(std::floor(tm.tmAveCharWidth * wpx / hpx + 0.5)));
  }
  return CreateFontIndirectA(&lf);
}

struct TextSetup {
  HDC dc;
  OwnedFont font;
  SelectionGuard useFont;
  TextSetup(Picture* p, bool turned) : dc(p->dc), font(MakeFont(p, turned)), useFont(dc, font.get()) {
    SetTextColor(dc, p->fontColour);
    SetBkColor(dc, p->bkColour);
    SetBkMode(dc, p->bkMode == 1 ? OPAQUE : TRANSPARENT);
    SetTextAlign(dc, TA_TOP | TA_LEFT | TA_NOUPDATECP);
  }
};

SIZE TextSize(HDC dc, const std::string& text) {
  SIZE s{0, 0};
  GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &s);
  if (text.empty()) {
    TEXTMETRICA tm;
    if (GetTextMetricsA(dc, &tm)) s.cy = tm.tmHeight;
  }
  return s;
}

}  // namespace

void TextRow(Picture* p, const std::string& text, long flags) {
  int x0 = p->map.X(p->cx), y0 = p->map.Y(p->cy);
  int width = p->map.width;
  if (Turned(p)) {
    TextSetup setup(p, true);
    SIZE s = TextSize(p->dc, text);
    TextOutA(p->dc, x0, y0, text.c_str(), static_cast<int>(text.size()));
    if (flags & kGfxTextAdvance) {
      double a = p->angle * kPi / 180.0;
      p->cx = p->map.WorldX(p->map.PixelX(p->cx) + std::cos(a) * s.cx);
      p->cy = p->map.WorldY(p->map.PixelY(p->cy) - std::sin(a) * s.cx);
    }
  } else {
    TextSetup setup(p, false);
    SIZE s = TextSize(p->dc, text);
    bool full = (flags & kGfxTextFullWidth) != 0;
    int left = full ? 0 : x0;
    if (flags & kGfxTextCentre)
      left = full ? (width - s.cx) / 2 : x0 - s.cx / 2;
    else if (flags & kGfxTextRight)
      left = full ? width - s.cx : x0 - s.cx;
    if (flags & kGfxTextFill) {
      RECT band = full ? RECT{0, y0, width, y0 + s.cy} : RECT{left, y0, left + s.cx, y0 + s.cy};
      FillWithBrush(p, band);
    }
    TextOutA(p->dc, left, y0, text.c_str(), static_cast<int>(text.size()));
    if (flags & kGfxTextAdvance) p->cx = p->map.WorldX(left + s.cx);
  }
  Touched(p);
}

}  // namespace gfxinternal

using namespace gfxinternal;

namespace {

void TextBox(Picture* p, const std::string& text, double& width, double& height, long flags) {
  bool full = (flags & kGfxTextFullWidth) != 0;
  int left = full ? 0 : p->map.X(p->cx), top = p->map.Y(p->cy);
  int boxW = full ? p->map.width : (width > 0 ? static_cast<int>(std::floor(p->map.LengthX(width) + 0.5)) : 0);
  int boxH = height > 0 ? static_cast<int>(std::floor(p->map.LengthY(height) + 0.5)) : 0;
  UINT format = static_cast<UINT>(flags & 0xFFFF & ~DT_CALCRECT) | DT_NOPREFIX;
  SIZE measured{0, 0};
  {
    // Measured upright: the size along and across the row.
    TextSetup setup(p, false);
    RECT m{0, 0, boxW > 0 ? boxW : 32767, 0};
    UINT f = format;
    if (boxW <= 0) f &= ~static_cast<UINT>(DT_WORDBREAK);
    DrawTextA(p->dc, text.c_str(), static_cast<int>(text.size()), &m, f | DT_CALCRECT);
    measured.cx = m.right - m.left;
    measured.cy = m.bottom - m.top;
    if (!(flags & kGfxTextMeasure) && !Turned(p)) {
      RECT box{left, top, left + (boxW > 0 ? boxW : measured.cx), top + (boxH > 0 ? boxH : measured.cy)};
      if (flags & kGfxTextFill) FillWithBrush(p, box);
      DrawTextA(p->dc, text.c_str(), static_cast<int>(text.size()), &box, f);
    }
  }
  if (!(flags & kGfxTextMeasure) && Turned(p)) {
    TextSetup setup(p, true);
    TextOutA(p->dc, left, top, text.c_str(), static_cast<int>(text.size()));
  }
  width = p->map.WorldLengthX(measured.cx);
  height = p->map.WorldLengthY(measured.cy);
  if (!(flags & kGfxTextMeasure)) Touched(p);
}

void FontCall(const char* name, const std::string& args, long window, const std::string& face, double sizeX,
              double sizeY, long weight, long colour, double angle, long charSet) {
  StateCall(name, args, window, [&](Picture* p) {
    if (!face.empty()) p->face = face;
    p->fontX = sizeX;
    p->fontY = sizeY;
    p->weight = weight;
    p->fontColour = static_cast<COLORREF>(colour) & 0xFFFFFF;
    p->angle = std::isfinite(angle) ? angle : 0;
    p->charSet = charSet >= 0 && charSet <= 255 ? charSet : 0;
  });
}

void TextBoxCall(const char* name, const std::string& args, long window, const std::string& text, double& width,
                 double& height, long flags) {
  Picture* p = Resolve(window);
  TraceAt at = At(p);
  if (p) {
    TextBox(p, text, width, height, flags);
  } else {
    width = 0;
    height = 0;
  }
  Trace(name, args, p, true, at, "(" + Arg(width) + ", " + Arg(height) + ")");
}

}  // namespace

void GfxFont(const std::string& face, double sizeX, double sizeY, long weight, long colour, double angle,
             long charSet) {
  FontCall("GfxFont", GFX_ARGS(face, sizeX, sizeY, weight, colour, angle, charSet), 0, face, sizeX, sizeY, weight,
           colour, angle, charSet);
}
void GfxFontEx(long window, const std::string& face, double sizeX, double sizeY, long weight, long colour,
               double angle, long charSet) {
  FontCall("GfxFontEx", GFX_ARGS(window, face, sizeX, sizeY, weight, colour, angle, charSet), window, face, sizeX,
           sizeY, weight, colour, angle, charSet);
}
void GfxFontEffects(long effects) {
  StateCall("GfxFontEffects", GFX_ARGS(effects), 0, [&](Picture* p) { p->effects = effects; });
}
void GfxFontEffectsEx(long window, long effects) {
  StateCall("GfxFontEffectsEx", GFX_ARGS(window, effects), window, [&](Picture* p) { p->effects = effects; });
}
void GfxFontWeight(long weight) {
  StateCall("GfxFontWeight", GFX_ARGS(weight), 0, [&](Picture* p) { p->weight = weight; });
}
void GfxFontWeightEx(long window, long weight) {
  StateCall("GfxFontWeightEx", GFX_ARGS(window, weight), window, [&](Picture* p) { p->weight = weight; });
}
void GfxBkgdColor(long colour) {
  StateCall("GfxBkgdColor", GFX_ARGS(colour), 0, [&](Picture* p) { p->bkColour = Colour(colour); });
}
void GfxBkgdColorEx(long window, long colour) {
  StateCall("GfxBkgdColorEx", GFX_ARGS(window, colour), window, [&](Picture* p) { p->bkColour = Colour(colour); });
}
void GfxBkgdMode(long mode) {
  StateCall("GfxBkgdMode", GFX_ARGS(mode), 0, [&](Picture* p) { p->bkMode = mode; });
}
void GfxBkgdModeEx(long window, long mode) {
  StateCall("GfxBkgdModeEx", GFX_ARGS(window, mode), window, [&](Picture* p) { p->bkMode = mode; });
}
void DrawTextRow(const std::string& text, long flags) {
  DrawCall("DrawTextRow", GFX_ARGS(text, flags), 0, [&](Picture* p) { TextRow(p, text, flags); });
}
void DrawTextRowEx(long window, const std::string& text, long flags) {
  DrawCall("DrawTextRowEx", GFX_ARGS(window, text, flags), window, [&](Picture* p) { TextRow(p, text, flags); });
}
void DrawTextBox(const std::string& text, double& width, double& height, long flags) {
  TextBoxCall("DrawTextBox", GFX_ARGS(text, width, height, flags), 0, text, width, height, flags);
}
void DrawTextBoxEx(long window, const std::string& text, double& width, double& height, long flags) {
  TextBoxCall("DrawTextBoxEx", GFX_ARGS(window, text, width, height, flags), window, text, width, height, flags);
}
