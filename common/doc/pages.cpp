#include "doc/pages.h"

#include "doc/ddoc.h"

#include <cctype>

namespace {

// Advance widths of the characters 32..126 in thousandths of an em.
const short kArial[95] = {278, 278, 355, 556, 556, 889, 667, 191, 333, 333, 389, 584, 278, 333, 278, 278, 556, 556, 556,
                          556, 556, 556, 556, 556, 556, 556, 278, 278, 584, 584, 584, 556, 1015, 667, 667, 722, 722, 667,
                          611, 778, 722, 278, 500, 667, 556, 833, 722, 778, 667, 778, 722, 667, 611, 722, 667, 944, 667,
                          667, 611, 278, 278, 278, 469, 556, 333, 556, 556, 500, 556, 556, 278, 556, 556, 222, 222, 500,
                          222, 833, 556, 556, 556, 556, 333, 500, 278, 556, 500, 722, 500, 500, 500, 334, 260, 334, 584};
const short kArialBold[95] = {278, 333, 474, 556, 556, 889, 722, 238, 333, 333, 389, 584, 278, 333, 278, 278, 556, 556,
                              556, 556, 556, 556, 556, 556, 556, 556, 333, 333, 584, 584, 584, 611, 975, 722, 722, 722,
                              722, 667, 611, 778, 722, 278, 556, 722, 611, 833, 722, 778, 667, 778, 722, 667, 611, 722,
                              667, 944, 667, 667, 611, 333, 278, 333, 584, 556, 333, 556, 611, 556, 611, 556, 333, 611,
                              611, 278, 278, 556, 278, 889, 611, 611, 611, 611, 389, 556, 333, 611, 556, 778, 556, 556,
                              500, 389, 280, 389, 584};

double WidthCm(const std::string& text, const std::string& face, float points, bool bold) {
  std::string f;
  for (char c : face) f += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  const bool fixed = f.find("COURIER") != std::string::npos;
  // Where a face is missing (Wine has none of the three) a wider one of another shape stands in:
  // a fixed face may come proportional, and the stand-ins are up to an eighth wider than Arial.
  double ems = 0;
  for (char ch : text) {
    const unsigned char c = static_cast<unsigned char>(ch);
    const double proportional = c >= 32 && c <= 126 ? (bold ? kArialBold : kArial)[c - 32] : 1000;
    ems += (fixed && proportional < 600 ? 600 : proportional) * 1.125;
  }
  return ems / 1000.0 * points * 2.54 / 72.0;
}

}  // namespace

std::string FitToLine(const std::string& text, float x, float rightEdge, const std::string& face, float points,
                      bool bold) {
  const double room = rightEdge - x;
  if (WidthCm(text, face, points, bold) <= room) return text;
  std::string kept = text;
  while (!kept.empty() && WidthCm(kept + "...", face, points, bold) > room) kept.pop_back();
  return kept + "...";
}

void LastPageFooter(int doc, const PageProfile& p) {
  dpFont(doc, p.footerStyle, p.footerSize, p.footerColour, p.footerFace);
  if (!p.pageWord.empty()) dpText(doc, p.pageWordColumn, p.footerRow, 0, p.pageWord);
  dpPageNo(doc, p.numberColumn, p.footerRow, 2, 0);
  dpText(doc, p.ofColumn, p.footerRow, 0, "of");
  dpPageCount(doc, p.countColumn, p.footerRow, 0, 0);
}

void PageBreak(int doc, const PageProfile& p) {
  LastPageFooter(doc, p);
  dpNewPage(doc, p.paper, p.orientation, p.bin);
}

void PageBreakWithHeading(int doc, const std::vector<std::string>& headings, int count, float size, float& row,
                          const PageProfile& p) {
  PageBreak(doc, p);
  dpFont(doc, p.headingStyle, size, p.headingColour, p.headingFace);
  row = p.topRow;
  for (int i = 0; i < count && i < static_cast<int>(headings.size()); ++i) {
    dpText(doc, p.headingColumn, row, 0, headings[static_cast<size_t>(i)]);
    row += p.lineStep;
  }
}
