#pragma once
// Inner routines of the graphics library shared between its source files.
#include <string>

namespace gfxinternal {

// Writes a JPEG file of a top-down picture of 24-bit pixels (blue, green, red bytes) with the
// given row stride; quality 1..100. False when GDI+ or its JPEG encoder is missing or the file
// cannot be written.
bool WriteJpeg(const std::string& file, int width, int height, const unsigned char* bgr, int stride, long quality);

}  // namespace gfxinternal
