// The data and results documents as the document library records them: places, fonts, colours,
// bookmarks, footers and page breaks.
#include "palvore/core/documents.h"

#include <gtest/gtest.h>

#include "doc/ddoc.h"
#include "doc/docmodel.h"
#include "testsupport.h"

namespace palvore {
namespace {

using testing::PileJob;
using testing::WriteJob;

// One drawn text with its place and font.
struct Drawn {
  int page;
  float x, y;
  std::string text;
  ddoc::Font font;
};

std::vector<Drawn> Items(const ddoc::Document& d) {
  std::vector<Drawn> out;
  for (size_t p = 0; p < d.pages.size(); ++p)
    for (const auto& it : d.pages[p].items) {
      ddoc::Font f = it.font >= 0 ? d.fonts[static_cast<size_t>(it.font)] : ddoc::Font();
      out.push_back({static_cast<int>(p) + 1, it.x, it.y, ddoc::ItemText(d, static_cast<int>(p) + 1, it), f});
    }
  return out;
}

const Drawn* Find(const std::vector<Drawn>& items, const std::string& text, int page = 0) {
  for (const auto& it : items)
    if (it.text == text && (page == 0 || it.page == page)) return &it;
  return nullptr;
}

template <class Build>
ddoc::Document Record(Build build) {
  int doc = dpStartDoc(nullptr, "Structure Data", "", 1, 9, 0, 7, 128);
  EXPECT_GE(doc, 1);
  build(doc);
  ddoc::Document d;
  EXPECT_EQ(ddoc::CloseDocument(doc, d), 0);
  return d;
}

void ExpectFooters(const ddoc::Document& d, int pages) {
  ASSERT_EQ(static_cast<int>(d.pages.size()), pages);
  for (int p = 1; p <= pages; ++p) {
    std::vector<std::string> footer;
    for (const auto& it : d.pages[static_cast<size_t>(p - 1)].items)
      if (it.y == 28.0f) footer.push_back(ddoc::ItemText(d, p, it));
    ASSERT_GE(footer.size(), 3u) << p;
    EXPECT_EQ(footer[0], std::to_string(p));
    EXPECT_EQ(footer[1], "of");
    EXPECT_EQ(footer[2], std::to_string(pages));
  }
}

PileJob Pile1(int elements = 4) {
  PileJob j;
  j.name = "PILE1";
  j.elements = elements;
  j.above = 1;
  j.subgrade = 20000;
  j.unyielding = "1";
  j.springs = {{1, 1000, 0}};
  j.trapezoidal = {{2, 5, 10}};
  j.nodal = {{1, 100, 0}};
  return j;
}

TEST(DataDocument, GeometryPage) {
  TestDirectory dir;
  PileJob j = Pile1();
  WriteJob(j);
  JobSpec = "PILE1";
  LoadCaseName = "A";
  ddoc::Document d = Record([](int doc) { PrintGeometryData(doc); });
  std::vector<Drawn> items = Items(d);
  ASSERT_FALSE(items.empty());
  const Drawn& header = items[0];
  EXPECT_EQ(header.text, "PILE/SHEET-PILE;   JOB: PILE1");
  EXPECT_EQ(header.x, 1.5f);
  EXPECT_EQ(header.y, 1.5f);
  EXPECT_EQ(header.font.face, "Arial");
  EXPECT_EQ(header.font.size, 14);
  EXPECT_EQ(header.font.style, 1);
  EXPECT_EQ(header.font.colour, 0x800080u);
  ASSERT_EQ(d.bookmarks.size(), 1u);
  EXPECT_EQ(d.bookmarks[0].text, "Pile Geometry Data");
  const Drawn* title = Find(items, "Pile Geometry & Material Properties Data:");
  ASSERT_NE(title, nullptr);
  EXPECT_EQ(title->y, 2.3f);
  EXPECT_EQ(title->font.colour, 0xFF0000u);  // blue
  TextLineArray lines = testing::FileLines("PILE1.GEO");
  const float want[] = {0, 0, 0, 3.5f, 4.0f, 4.5f, 5.25f, 5.75f, 6.25f, 6.75f, 7.25f};
  for (int i = 3; i <= 10; ++i) {
    const Drawn* it = Find(items, lines[static_cast<size_t>(i)]);
    ASSERT_NE(it, nullptr) << i;
    EXPECT_FLOAT_EQ(it->y, want[i]) << i;
    EXPECT_EQ(it->x, 1.5f);
  }
  EXPECT_EQ(Find(items, lines[3])->font.colour, 0xFFu);      // lead lines red
  EXPECT_EQ(Find(items, lines[6])->font.colour, 0x808000u);  // table heading
  EXPECT_EQ(Find(items, lines[7])->font.style, 0);           // table body
  const Drawn* end = Find(items, "--------------------- END OF GEOMETRY DATA ---------------------");
  ASSERT_NE(end, nullptr);
  EXPECT_EQ(end->x, 1.5f);
  EXPECT_FLOAT_EQ(end->y, 8.25f);
  EXPECT_EQ(end->font.face, "COURIER NEW");
  EXPECT_EQ(end->font.size, 12);
  EXPECT_EQ(end->font.style, 1);
  EXPECT_EQ(end->font.colour, 0xFF00FFu);
  // The header line and the kind line are not drawn.
  EXPECT_EQ(Find(items, lines[1]), nullptr);
  EXPECT_EQ(Find(items, lines[2]), nullptr);
  ExpectFooters(d, 1);
}

TEST(DataDocument, LongGeometryBreaksAt27_5WithTheHeadingRepeated) {
  TestDirectory dir;
  WriteJob(Pile1(70));
  JobSpec = "PILE1";
  ddoc::Document d = Record([](int doc) { PrintGeometryData(doc); });
  std::vector<Drawn> items = Items(d);
  TextLineArray lines = testing::FileLines("PILE1.GEO");
  ASSERT_EQ(d.pages.size(), 2u);
  for (const auto& it : items) EXPECT_LE(it.y, 28.0f) << it.text;
  // The last row on page 1 stands below 27.5 by less than a line; page 2 begins at 2.
  const Drawn* heading2 = Find(items, lines[6], 2);
  ASSERT_NE(heading2, nullptr);
  EXPECT_EQ(heading2->y, 2.0f);
  EXPECT_EQ(heading2->font.colour, 0x808000u);
  int rows1 = 0;
  for (int i = 7; i <= 76; ++i)
    if (Find(items, lines[static_cast<size_t>(i)], 1)) ++rows1;
  // Rows from 5.75 on, 0.5 apart, each listed while its place is not beyond 27.5: the last at 27.25.
  EXPECT_EQ(rows1, 44);
  EXPECT_FLOAT_EQ(Find(items, lines[static_cast<size_t>(6 + rows1)], 1)->y, 27.25f);
  const Drawn* next = Find(items, lines[static_cast<size_t>(7 + rows1)], 2);
  ASSERT_NE(next, nullptr);
  EXPECT_EQ(next->y, 2.5f);
  ExpectFooters(d, 2);
}

TEST(DataDocument, SupportAndLoadPages) {
  TestDirectory dir;
  WriteJob(Pile1());
  JobSpec = "PILE1";
  LoadCaseName = "A";
  ddoc::Document d = Record([](int doc) {
    PrintGeometryData(doc);
    PrintSupportData(doc);
    PrintLoadData(doc);
  });
  ASSERT_EQ(d.bookmarks.size(), 3u);
  EXPECT_EQ(d.bookmarks[1].text, "Pile SUPPORT Data");
  EXPECT_EQ(d.bookmarks[1].page, 2);
  EXPECT_EQ(d.bookmarks[2].text, "Pile LOAD Data");
  EXPECT_EQ(d.bookmarks[2].page, 3);
  std::vector<Drawn> items = Items(d);
  EXPECT_NE(Find(items, "Pile SUPPORT Data:", 2), nullptr);
  EXPECT_NE(Find(items, "------------------------ END OF SUPPORT DATA ------------------------", 2), nullptr);
  const Drawn* winkler = Find(items, "WINKLER SOIL:", 2);
  ASSERT_NE(winkler, nullptr);
  EXPECT_EQ(winkler->font.size, 13);
  const Drawn* load = Find(items, "Pile LOAD Data;   Load: A", 3);
  ASSERT_NE(load, nullptr);
  EXPECT_EQ(load->y, 1.5f);
  // The first table's label at 2.7 + 0.15; the nodal label one below the last trapezoidal row.
  const Drawn* trapezoidal = Find(items, "TRAPEZOIDAL LOADING:", 3);
  ASSERT_NE(trapezoidal, nullptr);
  EXPECT_FLOAT_EQ(trapezoidal->y, 2.85f);
  const Drawn* nodal = Find(items, "NODAL LOADING:", 3);
  ASSERT_NE(nodal, nullptr);
  TextLineArray lines = testing::FileLines("PILE1.LDA");
  const Drawn* row = Find(items, lines[6], 3);  // the one trapezoidal row
  ASSERT_NE(row, nullptr);
  EXPECT_FLOAT_EQ(row->y, 4.35f);
  EXPECT_FLOAT_EQ(nodal->y, row->y + 1.0f);
  const Drawn* remark = Find(items, "**REMARK: - ELEMENT NUMBERING STARTS AT PILE TOP", 3);
  ASSERT_NE(remark, nullptr);
  EXPECT_EQ(remark->font.face, "Times New Roman");
  EXPECT_EQ(remark->font.colour, 0xC04040u);
  EXPECT_NE(Find(items, "------------------------- END OF LOAD DATA -------------------------", 3), nullptr);
  ExpectFooters(d, 3);
}

TEST(DataDocument, ACaseWithoutLoads) {
  TestDirectory dir;
  PileJob j = Pile1();
  j.trapezoidal.clear();
  j.nodal.clear();
  j.sheetPile = true;
  WriteJob(j);
  JobSpec = "PILE1";
  LoadCaseName = "A";
  ddoc::Document d = Record([](int doc) {
    PrintGeometryData(doc);
    PrintLoadData(doc);
  });
  std::vector<Drawn> items = Items(d);
  EXPECT_EQ(d.bookmarks[1].text, "Sheet-Pile LOAD Data");
  const Drawn* remark = Find(items, "**REMARK: - ELEMENT NUMBERING STARTS AT PILE TOP", 2);
  ASSERT_NE(remark, nullptr);
  EXPECT_FLOAT_EQ(remark->y, 3.2f);  // 2.7 raised by a line
  EXPECT_EQ(Find(items, "PILE LOAD DATA:"), nullptr);
  ExpectFooters(d, 2);
}

TEST(ResultsDocument, ReportPages) {
  TestDirectory dir;
  PileJob j = Pile1(60);
  WriteJob(j);
  testing::SolverRun run = testing::Analyse(j);
  ASSERT_EQ(run.status, 0) << run.output;
  JobSpec = "PILE1";
  LoadCaseName = "A";
  EXPECT_TRUE(ResultsReportPresent("PILE1", "A"));
  EXPECT_FALSE(ResultsReportPresent("PILE1", "B"));
  ddoc::Document d = Record([](int doc) { PrintResults(doc); });
  std::vector<Drawn> items = Items(d);
  TextLineArray lines = testing::FileLines("PILE1.RBA");
  const Drawn* header = Find(items, "PILE/SHEET-PILE;   JOB: PILE1;   Load: A", 1);
  ASSERT_NE(header, nullptr);
  const Drawn* date = Find(items, Trim(lines[1]), 1);
  ASSERT_NE(date, nullptr);
  EXPECT_EQ(date->y, 2.4f);
  EXPECT_EQ(date->font.size, 9);
  EXPECT_EQ(d.bookmarks.at(0).text, "Results of Analysis");
  EXPECT_FLOAT_EQ(Find(items, lines[7], 1)->y, 4.55f);
  // The force rows continue on page 2 under the repeated heading.
  const Drawn* heading2 = Find(items, lines[7], 2);
  ASSERT_NE(heading2, nullptr);
  EXPECT_EQ(heading2->y, 2.0f);
  EXPECT_NE(Find(items, "**REMARK: POSITIVE MOMENTS PRODUCE TENSION ON LEFT SIDE"), nullptr);
  const Drawn* estimate = nullptr;
  for (const auto& it : items)
    if (it.text.rfind("ESTIMATE OF TOTAL SOIL-PILE INTERACTION FORCE:", 0) == 0) estimate = &it;
  ASSERT_NE(estimate, nullptr);
  EXPECT_EQ(estimate->font.colour, 0xFFu);
  const Drawn* last = Find(items, lines[lines.size() - 2]);
  ASSERT_NE(last, nullptr);
  EXPECT_EQ(last->font.colour, 0x0080FFu);
  // The rules of dashes are not drawn.
  EXPECT_EQ(Find(items, std::string(75, '-')), nullptr);
  for (const auto& it : items) EXPECT_LE(it.y, 28.0f);
  ExpectFooters(d, static_cast<int>(d.pages.size()));
}

// A sheet pile is analysed per metre: its document prints the total soil force so.
TEST(ResultsDocument, TheSheetPilesTotalSoilForceIsPerMetre) {
  for (bool sheet : {false, true}) {
    TestDirectory dir;
    PileJob j = Pile1(60);
    j.sheetPile = sheet;
    WriteJob(j);
    testing::SolverRun run = testing::Analyse(j);
    ASSERT_EQ(run.status, 0) << run.output;
    JobSpec = "PILE1";
    LoadCaseName = "A";
    ddoc::Document d = Record([](int doc) { PrintResults(doc); });
    std::vector<Drawn> items = Items(d);
    const Drawn* estimate = nullptr;
    for (const Drawn& it : items)
      if (it.text.rfind("ESTIMATE OF TOTAL SOIL-PILE INTERACTION FORCE:", 0) == 0) estimate = &it;
    ASSERT_NE(estimate, nullptr) << sheet;
    const std::string unit = estimate->text.substr(estimate->text.rfind(' ') + 1);
    EXPECT_EQ(unit, sheet ? "[kN/m]" : "[kN]");
  }
}

}  // namespace
}  // namespace palvore
