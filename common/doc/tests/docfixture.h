#pragma once
// Fixtures of the document tests: a small bitmap file, the two-page sample document, and the
// trace switched on for one test.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "../../tests/testdir.h"
#include "doc/ddoc.h"

namespace docfixture {

// A 24-bit bottom-up BMP of one colour (0x00BBGGRR) with a black first column.
inline std::string MakeBitmap(int width, int height, std::uint32_t colour) {
  int stride = (width * 3 + 3) / 4 * 4;
  std::uint32_t dataSize = static_cast<std::uint32_t>(stride * height), fileSize = 54 + dataSize;
  std::string b(54, '\0');
  auto put32 = [&b](size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
  };
  b[0] = 'B';
  b[1] = 'M';
  put32(2, fileSize);
  put32(10, 54);
  put32(14, 40);
  put32(18, static_cast<std::uint32_t>(width));
  put32(22, static_cast<std::uint32_t>(height));
  b[26] = 1;
  b[28] = 24;
  put32(34, dataSize);
  for (int y = 0; y < height; ++y) {
    std::string row(static_cast<size_t>(stride), '\0');
    for (int x = 1; x < width; ++x) {
      row[x * 3] = static_cast<char>((colour >> 16) & 0xFF);  // blue
      row[x * 3 + 1] = static_cast<char>((colour >> 8) & 0xFF);
      row[x * 3 + 2] = static_cast<char>(colour & 0xFF);      // red
    }
    b += row;
  }
  return b;
}

// The footer of the report pages: "Page", the page number ending at x 18, "of", the page count.
inline void Footer(int doc) {
  dpFont(doc, 2, 10, 0u, "Times New Roman");
  dpText(doc, 16.5f, 28, 0, "Page");
  dpPageNo(doc, 18, 28, 2, 0);
  dpText(doc, 18.2f, 28, 0, "of");
  dpPageCount(doc, 18.8f, 28, 0, 0);
}

// Two pages, two fonts plus the footer's, a bookmark on each page, a picture on page 1 and
// "Page n of m" footers. `picture` names a BMP file that exists. Returns the document number.
inline int StartTwoPageDocument(const std::string& file, const std::string& picture) {
  int doc = dpStartDoc(nullptr, "Structure Data", file, 1, 9, 0, 7, 128);
  if (doc < 1) return doc;
  dpBookmark(doc, " Geometry Data");
  dpFont(doc, 1, 14, 0x800080u, "Arial");
  dpText(doc, 1.5f, 1.5f, 0, "BEAM/STRIP;   JOB: Z:\\JOBS\\BEAM1");
  dpFont(doc, 0, 12, 0xFFu, "COURIER NEW");
  dpText(doc, 1.5f, 3.5f, 0, "Number of Elements:  12");
  dpText(doc, 1.5f, 4.0f, 0, "Length of Beam [m]:  6.000");
  dpGraphic(doc, 2.3f, 6.0f, 10, 5, picture);
  Footer(doc);
  dpNewPage(doc, 9, 0, 7);
  dpBookmark(doc, " SUPPORT Data");
  dpFont(doc, 1, 14, 0x800080u, "Arial");
  dpText(doc, 1.5f, 2.4f, 0, "SUPPORT Data:");
  dpFont(doc, 0, 12, 0xFFu, "COURIER NEW");
  dpText(doc, 1.5f, 3.5f, 0, "WINKLER SOIL:");
  Footer(doc);
  return doc;
}

// SUITE_TRACE names a fresh file in the current directory while the object lives.
class TraceFile {
 public:
  TraceFile() : name_((std::filesystem::current_path() / "trace.txt").string()) { Set(name_); }
  ~TraceFile() { Set(""); }
  std::string Text() const { return ReadBytes(name_); }

 private:
  static void Set(const std::string& v) {
#ifdef _WIN32
    _putenv_s("SUITE_TRACE", v.c_str());
#else
    if (v.empty()) unsetenv("SUITE_TRACE");
    else setenv("SUITE_TRACE", v.c_str(), 1);
#endif
  }
  std::string name_;
};

}  // namespace docfixture
