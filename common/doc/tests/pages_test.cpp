// Page routines of the report documents: footer, page break and a table's headings repeated on
// the new page, read back from the closed document.
#include <gtest/gtest.h>

#include "../../tests/testdir.h"
#include "doc/ddoc.h"
#include "doc/docmodel.h"
#include "doc/pages.h"

namespace {

using ddoc::Document;
using ddoc::Item;

std::string Describe(const Document& d, int page, const Item& it) {
  const ddoc::Font& f = d.fonts[static_cast<size_t>(it.font)];
  return ddoc::ItemText(d, page, it) + "@" + ddoc::TraceNumber(it.x) + "," + ddoc::TraceNumber(it.y) + " " + f.face + " " +
         ddoc::TraceNumber(f.size) + " " + std::to_string(f.style) + " " + std::to_string(f.colour) + " a" +
         std::to_string(it.align);
}

TEST(Pages, FooterBreakAndRepeatedHeadings) {
  TestDirectory dir;
  int doc = dpStartDoc(nullptr, "Structure Data", "", 1, 9, 0, 7, 128, "");
  ASSERT_GE(doc, 1);
  dpText(doc, 1.5f, 3.5f, 0, "row");
  const std::vector<std::string> headings = {"Node   Deflection", "        [mm]", "not repeated"};
  float row = 0;
  PageBreakWithHeading(doc, headings, 2, 11, row, PageProfile());
  EXPECT_FLOAT_EQ(row, 2.5f);
  PageBreak(doc);
  LastPageFooter(doc);
  Document d;
  ASSERT_EQ(ddoc::CloseDocument(doc, d), 0);
  ASSERT_EQ(d.pages.size(), 3u);
  const std::vector<std::string> footer = {"1@18,28 Times New Roman 10 2 0 a2", "of@18.2,28 Times New Roman 10 2 0 a0",
                                           "3@18.8,28 Times New Roman 10 2 0 a0"};
  std::vector<std::string> page1, page2, page3;
  for (const Item& it : d.pages[0].items) page1.push_back(Describe(d, 1, it));
  for (const Item& it : d.pages[1].items) page2.push_back(Describe(d, 2, it));
  for (const Item& it : d.pages[2].items) page3.push_back(Describe(d, 3, it));
  EXPECT_EQ(page1, (std::vector<std::string>{"row@1.5,3.5 Arial 10 0 0 a0", footer[0], footer[1], footer[2]}));
  EXPECT_EQ(page2, (std::vector<std::string>{"Node   Deflection@1.5,1.5 COURIER NEW 11 0 255 a0",
                                             "        [mm]@1.5,2 COURIER NEW 11 0 255 a0",
                                             "2@18,28 Times New Roman 10 2 0 a2", footer[1], footer[2]}));
  EXPECT_EQ(page3, (std::vector<std::string>{"3@18,28 Times New Roman 10 2 0 a2", footer[1], footer[2]}));
  EXPECT_EQ(d.pages[1].paper, 9);
  EXPECT_EQ(d.pages[1].bin, 7);
}

TEST(Pages, ProfileWithAPageWordAndOtherHeadingFont) {
  TestDirectory dir;
  int doc = dpStartDoc(nullptr, "RESULTS", "", 1, 9, 0, 7, 128, "");
  ASSERT_GE(doc, 1);
  PageProfile p;
  p.pageWord = "Page";
  p.headingColour = 0x400000;
  p.topRow = 2.0f;
  float row = 0;
  PageBreakWithHeading(doc, {"A", "B", "C"}, 5, 12, row, p);  // more asked than given
  EXPECT_FLOAT_EQ(row, 3.5f);
  Document d;
  ASSERT_EQ(ddoc::CloseDocument(doc, d), 0);
  ASSERT_EQ(d.pages.size(), 2u);
  EXPECT_EQ(Describe(d, 1, d.pages[0].items[0]), "Page@16.5,28 Times New Roman 10 2 0 a0");
  ASSERT_EQ(d.pages[1].items.size(), 3u);
  EXPECT_EQ(Describe(d, 2, d.pages[1].items[2]), "C@1.5,3 COURIER NEW 12 0 4194304 a0");
}

}  // namespace
