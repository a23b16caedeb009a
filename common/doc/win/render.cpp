// Drawing one page of a document on any device: the screen preview and the printer share it.
#include <objidl.h>
#include <windows.h>
#include <gdiplus.h>

#include <cctype>
#include <cmath>
#include <cstring>

#include "doc/win/docwin.h"
#include "win/handles.h"

namespace ddoc {

namespace {

ULONG_PTR GdiplusToken() {
  static ULONG_PTR token = 0;
  static bool started = false;
  if (!started) {
    started = true;
    Gdiplus::GdiplusStartupInput input;
    if (Gdiplus::GdiplusStartup(&token, &input, nullptr) != Gdiplus::Ok) token = 0;
  }
  return token;
}

// A JPEG file's bytes decoded to 32-bit pixels; false when GDI+ cannot read them.
bool DecodeJpeg(const std::string& bytes, PictureCache::Pixels& out) {
  if (!GdiplusToken()) return false;
  HGLOBAL mem = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
  if (!mem) return false;
  std::memcpy(GlobalLock(mem), bytes.data(), bytes.size());
  GlobalUnlock(mem);
  IStream* stream = nullptr;
  if (CreateStreamOnHGlobal(mem, TRUE, &stream) != S_OK) {
    GlobalFree(mem);
    return false;
  }
  bool ok = false;
  Gdiplus::GpBitmap* bitmap = nullptr;
  if (Gdiplus::DllExports::GdipCreateBitmapFromStream(stream, &bitmap) == Gdiplus::Ok && bitmap) {
    UINT w = 0, h = 0;
    Gdiplus::DllExports::GdipGetImageWidth(bitmap, &w);
    Gdiplus::DllExports::GdipGetImageHeight(bitmap, &h);
    Gdiplus::GpRect rect(0, 0, static_cast<INT>(w), static_cast<INT>(h));
    Gdiplus::BitmapData data;
    if (w > 0 && h > 0 && w <= 20000 && h <= 20000 &&
        Gdiplus::DllExports::GdipBitmapLockBits(bitmap, &rect, Gdiplus::ImageLockModeRead, PixelFormat32bppRGB,
                                                &data) == Gdiplus::Ok) {
      out.width = static_cast<int>(w);
      out.height = static_cast<int>(h);
      out.bgra.resize(size_t(w) * h * 4);
      for (UINT y = 0; y < h; ++y)
        std::memcpy(&out.bgra[size_t(y) * w * 4], static_cast<const unsigned char*>(data.Scan0) + y * data.Stride,
                    size_t(w) * 4);
      Gdiplus::DllExports::GdipBitmapUnlockBits(bitmap, &data);
      ok = true;
    }
    Gdiplus::DllExports::GdipDisposeImage(bitmap);
  }
  stream->Release();
  return ok;
}

void DrawBitmapFile(HDC dc, const std::string& b, int x, int y, int w, int h) {
  // The file was checked when it was placed and when the document was read: the info header and
  // colour table end before the pixels, and the pixels are all there.
  std::uint32_t offBits;
  std::memcpy(&offBits, b.data() + 10, 4);
  std::vector<std::uint32_t> info((offBits - 14 + 3) / 4);  // aligned copy of header and colours
  std::memcpy(info.data(), b.data() + 14, offBits - 14);
  const BITMAPINFO* bmi = reinterpret_cast<const BITMAPINFO*>(info.data());
  std::vector<std::uint32_t> bits((b.size() - offBits + 3) / 4 + 1);
  std::memcpy(bits.data(), b.data() + offBits, b.size() - offBits);
  LONG bh = bmi->bmiHeader.biHeight;
  StretchDIBits(dc, x, y, w, h, 0, 0, bmi->bmiHeader.biWidth, bh < 0 ? -bh : bh, bits.data(), bmi, DIB_RGB_COLORS,
                SRCCOPY);
}

void DrawPixels(HDC dc, const PictureCache::Pixels& p, int x, int y, int w, int h) {
  BITMAPINFO bmi = {};
  bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  bmi.bmiHeader.biWidth = p.width;
  bmi.bmiHeader.biHeight = -p.height;  // top-down
  bmi.bmiHeader.biPlanes = 1;
  bmi.bmiHeader.biBitCount = 32;
  bmi.bmiHeader.biCompression = BI_RGB;
  StretchDIBits(dc, x, y, w, h, 0, 0, p.width, p.height, p.bgra.data(), &bmi, DIB_RGB_COLORS, SRCCOPY);
}

int Round(double v) { return static_cast<int>(std::lround(v)); }

// Pitch and family of the faces the reports use, so that where a face is not installed the
// system takes one of the same kind: above all a fixed-pitch one for the column listings.
BYTE FamilyOf(const std::string& face) {
  std::string f;
  for (char c : face) f.push_back(static_cast<char>(std::tolower(static_cast<unsigned char>(c))));
  if (f.find("courier") != std::string::npos || f.find("mono") != std::string::npos ||
      f.find("console") != std::string::npos)
    return FIXED_PITCH | FF_MODERN;
  if (f.find("times") != std::string::npos) return VARIABLE_PITCH | FF_ROMAN;
  if (f.find("arial") != std::string::npos) return VARIABLE_PITCH | FF_SWISS;
  return DEFAULT_PITCH | FF_DONTCARE;
}

}  // namespace

const PictureCache::Pixels* PictureCache::Get(const Item& item) {
  auto it = decoded_.find(&item);
  if (it == decoded_.end()) {
    Pixels p;
    if (!DecodeJpeg(item.data, p)) p = Pixels();
    it = decoded_.emplace(&item, std::move(p)).first;
  }
  return it->second.width > 0 ? &it->second : nullptr;
}

void RenderPage(HDC dc, const Document& doc, int pageIndex, const PageMapping& map, PictureCache& cache) {
  if (pageIndex < 0 || pageIndex >= static_cast<int>(doc.pages.size())) return;
  const Page& page = doc.pages[static_cast<size_t>(pageIndex)];
  int saved = SaveDC(dc);
  SetBkMode(dc, TRANSPARENT);
  SetStretchBltMode(dc, HALFTONE);
  SetBrushOrgEx(dc, 0, 0, nullptr);
  std::vector<OwnedFont> fonts(doc.fonts.size());
  SelectionGuard useFont;  // declared after the fonts: the DC's own font is back before they go
  for (const Item& it : page.items) {
    int x = Round(map.left + it.x * map.perCmX), y = Round(map.top + it.y * map.perCmY);
    if (it.kind == kPictureItem) {
      int w = Round(it.width * map.perCmX), h = Round(it.height * map.perCmY);
      if (w < 1 || h < 1) continue;
      if (DetectPicture(it.data) == kBitmapPicture) {
        DrawBitmapFile(dc, it.data, x, y, w, h);
      } else if (const PictureCache::Pixels* p = cache.Get(it)) {
        DrawPixels(dc, *p, x, y, w, h);
      } else {  // a picture this system cannot decode: its place stays marked
        SelectionGuard noBrush(dc, GetStockObject(NULL_BRUSH));
        Rectangle(dc, x, y, x + w, y + h);
      }
      continue;
    }
    size_t f = static_cast<size_t>(it.font);
    if (f >= fonts.size()) continue;
    const Font& font = doc.fonts[f];
    if (!fonts[f]) {
      // Points to device units down the page; never 0, which would mean the default size.
      int height = Round(font.size * 2.54 / 72.0 * map.perCmY);
      if (height < 1) height = 1;
      fonts[f].reset(CreateFontA(-height, 0, 0, 0, (font.style & 1) ? FW_BOLD : FW_NORMAL,
                                 (font.style & 2) ? TRUE : FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_TT_PRECIS,
                                 CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY, FamilyOf(font.face),
                                 font.face.substr(0, LF_FACESIZE - 1).c_str()));
    }
    useFont.select(dc, fonts[f].get());
    SetTextColor(dc, font.colour & 0xFFFFFF);
    UINT align = it.align == 1 ? TA_CENTER : it.align == 2 ? TA_RIGHT : TA_LEFT;
    SetTextAlign(dc, align | TA_TOP | TA_NOUPDATECP);
    std::string text = ItemText(doc, pageIndex + 1, it);
    TextOutA(dc, x, y, text.data(), static_cast<int>(text.size()));
  }
  useFont.restore();
  RestoreDC(dc, saved);
}

}  // namespace ddoc
