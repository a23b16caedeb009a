#include "doc/pages.h"

#include "doc/ddoc.h"

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
