#pragma once
// Page routines of the data and results documents that the programs build with the document
// library: the footer of page number, "of" and page count, the break to a new page, and the
// break inside a table that repeats the table's column headings on the new page. Positions are
// centimetres from the top left corner (column = x, row = y). A program's differences (footer
// places and font, paper, heading font and colour, first row of a continued page) are in its
// PageProfile.
//
//   PageProfile p;                                   // the layout both programs use
//   if (row + p.lineStep > 27.0f) PageBreakWithHeading(doc, headings, 3, 11, row, p);
#include <cstdint>
#include <string>
#include <vector>

struct PageProfile {
  // Footer: an optional word before the page number (empty: none), the page number ending at
  // numberColumn, "of", the page count; all on footerRow.
  float footerRow = 28.0f;
  std::string pageWord;
  float pageWordColumn = 16.5f;
  float numberColumn = 18.0f, ofColumn = 18.2f, countColumn = 18.8f;
  std::string footerFace = "Times New Roman";
  float footerSize = 10;
  int footerStyle = 2;
  std::uint32_t footerColour = 0;
  // The new page: paper, orientation and bin as dpNewPage takes them.
  int paper = 9, orientation = 0, bin = 7;
  // Repeated headings: font and colour, their column, the first row of a continued page and
  // the distance between lines.
  std::string headingFace = "COURIER NEW";
  int headingStyle = 0;
  std::uint32_t headingColour = 0xff;
  float headingColumn = 1.5f;
  float topRow = 1.5f;
  float lineStep = 0.5f;
  // The right end of the lines: the paper's width (A4 portrait) less the left margin.
  float rightEdge = 19.5f;
};

// The text as it fits between column x and the right edge (cm) in the font (face, points, bold),
// or shortened with "..." at its end where it would not (a long job name in a title or a job
// file's first line). Widths are those of Arial, Arial Bold (Times New Roman taken as Arial,
// which is wider) and Courier New; other characters count an em.
std::string FitToLine(const std::string& text, float x, float rightEdge, const std::string& face, float points,
                      bool bold);

// The footer on the current page, then a new page.
void PageBreak(int doc, const PageProfile& profile = PageProfile());
// PageBreak, then the first `count` lines of `headings` (fewer when it has fewer) in the heading
// face at `size` points from the profile's top row down, one line step apart. row := the row for
// the next line (below the headings). The font stays the headings' font.
void PageBreakWithHeading(int doc, const std::vector<std::string>& headings, int count, float size, float& row,
                          const PageProfile& profile = PageProfile());
// The footer alone, for the last page.
void LastPageFooter(int doc, const PageProfile& profile = PageProfile());
