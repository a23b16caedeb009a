// JPEG files through GDI+ (its flat interface), kept apart from the rest of the library so that
// only this file sees the GDI+ headers.
#include <windows.h>
// GDI+ headers after windows.h; they need the PROPID type of the OLE headers.
#include <objidl.h>
#include <gdiplus.h>

#include <string>
#include <vector>

#include "gfx/gfx_internal.h"

namespace gfxinternal {

namespace {

bool StartGdiPlus() {
  static bool started = false;
  static bool tried = false;
  if (!tried) {
    tried = true;
    ULONG_PTR token = 0;
    Gdiplus::GdiplusStartupInput input;
    started = Gdiplus::GdiplusStartup(&token, &input, nullptr) == Gdiplus::Ok;
    // GDI+ stays up for the life of the process: pictures may be saved at any time.
  }
  return started;
}

bool JpegEncoder(CLSID* clsid) {
  UINT count = 0, size = 0;
  if (Gdiplus::DllExports::GdipGetImageEncodersSize(&count, &size) != Gdiplus::Ok || size == 0) return false;
  std::vector<unsigned char> buffer(size);
  auto* codecs = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
  if (Gdiplus::DllExports::GdipGetImageEncoders(count, size, codecs) != Gdiplus::Ok) return false;
  for (UINT i = 0; i < count; ++i) {
    if (codecs[i].MimeType && lstrcmpiW(codecs[i].MimeType, L"image/jpeg") == 0) {
      *clsid = codecs[i].Clsid;
      return true;
    }
  }
  return false;
}

}  // namespace

bool WriteJpeg(const std::string& file, int width, int height, const unsigned char* bgr, int stride, long quality) {
  if (!StartGdiPlus()) return false;
  CLSID clsid;
  if (!JpegEncoder(&clsid)) return false;
  Gdiplus::GpBitmap* bitmap = nullptr;
  if (Gdiplus::DllExports::GdipCreateBitmapFromScan0(width, height, stride, PixelFormat24bppRGB,
                                                     const_cast<BYTE*>(bgr), &bitmap) != Gdiplus::Ok)
    return false;
  int n = MultiByteToWideChar(CP_ACP, 0, file.c_str(), -1, nullptr, 0);
  std::wstring wide(n > 0 ? n : 1, L'\0');
  if (n > 0) MultiByteToWideChar(CP_ACP, 0, file.c_str(), -1, &wide[0], n);
  ULONG q = static_cast<ULONG>(quality < 1 ? 1 : quality > 100 ? 100 : quality);
  Gdiplus::EncoderParameters params;
  params.Count = 1;
  params.Parameter[0].Guid = Gdiplus::EncoderQuality;
  params.Parameter[0].Type = Gdiplus::EncoderParameterValueTypeLong;
  params.Parameter[0].NumberOfValues = 1;
  params.Parameter[0].Value = &q;
  auto* image = reinterpret_cast<Gdiplus::GpImage*>(bitmap);
  bool ok = Gdiplus::DllExports::GdipSaveImageToFile(image, wide.c_str(), &clsid, &params) == Gdiplus::Ok;
  // An encoder that does not take the quality setting still writes the picture.
  if (!ok) ok = Gdiplus::DllExports::GdipSaveImageToFile(image, wide.c_str(), &clsid, nullptr) == Gdiplus::Ok;
  Gdiplus::DllExports::GdipDisposeImage(image);
  return ok;
}

}  // namespace gfxinternal
