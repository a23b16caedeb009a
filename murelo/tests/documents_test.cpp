// The data and results documents of a retaining-wall job and their text copies.
#include "murelo/core/documents.h"

#include "../../common/tests/testdir.h"
#include "doc/ddoc.h"
#include "doc/docmodel.h"
#include "testsupport.h"
#include "walltables.h"

namespace murelo {
namespace {

using namespace testing;

class WallDocumentTest : public WallTest {
 protected:
  void TearDown() override {
    testing::ClearWallTables();
    WallTest::TearDown();
  }
  void SetUp() override {
    WallTest::SetUp();
    WallSupports s;
    s.winkler = 10000;
    WallLoads l;
    l.plateUniform = 50;
    l.stemHorizontal = {{1, 20, 10}, {2, 10, 5}};
    run_ = AnalyseWall(StandardWall(), s, l, "WALL9", "A");
    JobSpec = "WALL9";
    LoadCaseName = "A";
  }
  static ddoc::Document Close(int doc) {
    ddoc::Document d;
    EXPECT_EQ(ddoc::CloseDocument(doc, d), 0);
    return d;
  }
  static std::vector<std::string> Texts(const ddoc::Document& d, size_t page) {
    std::vector<std::string> t;
    for (const ddoc::Item& item : d.pages.at(page).items)
      if (item.kind == ddoc::kTextItem) t.push_back(item.text);
    return t;
  }
  static std::vector<std::string> Bookmarks(const ddoc::Document& d) {
    std::vector<std::string> b;
    for (const auto& m : d.bookmarks) b.push_back(m.text);
    return b;
  }
  static bool HasFooter(const ddoc::Document& d, size_t page) {
    int numbers = 0, counts = 0;
    bool of = false;
    for (const ddoc::Item& item : d.pages.at(page).items) {
      numbers += item.kind == ddoc::kPageNumberItem;
      counts += item.kind == ddoc::kPageCountItem;
      of = of || (item.kind == ddoc::kTextItem && item.text == "of");
    }
    return numbers == 1 && counts == 1 && of;
  }
  static bool Holds(const std::vector<std::string>& texts, const std::string& t) {
    return std::find(texts.begin(), texts.end(), t) != texts.end();
  }
  SolverRun run_;
};

TEST_F(WallDocumentTest, DataDocumentHoldsEveryFileUnderItsHeadings) {
  ASSERT_EQ(run_.status, kSolverDone) << run_.output;
  int doc = BuildDataDocument(nullptr, "WALL9_DATA.DDC");
  ASSERT_GE(doc, 1);
  ddoc::Document d = Close(doc);
  EXPECT_EQ(d.title, "Structure Data");
  EXPECT_EQ(Bookmarks(d), (std::vector<std::string>{" Geometry Data", "WALL STEM Geometry Data",
                                                    " BASE PLATE SUPPORT Data", "WALL STEM SUPPORT Data", " LOAD Data",
                                                    "WALL STEM LOAD Data"}));
  ASSERT_EQ(d.pages.size(), 3u);
  std::vector<std::string> geometry = Texts(d, 0), supports = Texts(d, 1), loads = Texts(d, 2);
  EXPECT_EQ(geometry.at(0), "Retaining Wall;   JOB: WALL9");
  EXPECT_EQ(geometry.at(1), " Geometry & Material Properties Data:");
  EXPECT_EQ(geometry.at(2), "Job: WALL9 // GEOMETRY & MAT. PROPERTIES");
  EXPECT_TRUE(Holds(geometry, "WALL STEM Geometry & Material Properties DATA:"));
  // The stem's part begins with its section line, right under its heading.
  auto at = std::find(geometry.begin(), geometry.end(), "WALL STEM Geometry & Material Properties DATA:");
  EXPECT_EQ(*(at + 1), "WALL STEM DATA:");
  at = std::find(supports.begin(), supports.end(), "WALL STEM SUPPORT Data:");
  ASSERT_NE(at, supports.end());
  EXPECT_EQ(*(at + 1), std::string(61, '-'));
  EXPECT_EQ(*(at + 2), "WALL STEM RESTRAINT DATA:");
  EXPECT_TRUE(Holds(supports, "WINKLER SOIL:"));
  EXPECT_TRUE(Holds(loads, " LOAD Data;   Load: A"));
  at = std::find(loads.begin(), loads.end(), "WALL STEM LOAD Data;   Load: A");
  ASSERT_NE(at, loads.end());
  EXPECT_EQ(*(at + 1), "WALL STEM LOAD DATA:");
  for (size_t p = 0; p < d.pages.size(); ++p) EXPECT_TRUE(HasFooter(d, p)) << p;
  // The file reads back the same.
  ddoc::Document back;
  ASSERT_EQ(ddoc::ReadDocumentFile("WALL9_DATA.DDC", back), ddoc::kDocFileOk);
  EXPECT_EQ(Bookmarks(back), Bookmarks(d));
}

TEST_F(WallDocumentTest, ResultsDocumentSplitsAtTheRuleOfAsterisks) {
  ASSERT_EQ(run_.status, kSolverDone) << run_.output;
  ddoc::Document d = Close(BuildResultsDocument(nullptr, ""));
  EXPECT_EQ(d.title, "Results");
  EXPECT_EQ(Bookmarks(d),
            (std::vector<std::string>{"BASE PLATE: Results of Analysis", "WALL STEM: Results of Analysis"}));
  std::vector<std::string> all;
  for (size_t p = 0; p < d.pages.size(); ++p) {
    EXPECT_TRUE(HasFooter(d, p)) << p;
    for (const auto& t : Texts(d, p)) all.push_back(t);
  }
  EXPECT_EQ(all.at(0), "Retaining Wall;   JOB: WALL9;   Load: A");
  auto stem = std::find(all.begin(), all.end(), "WALL STEM: Results of Analysis");
  ASSERT_NE(stem, all.end());
  EXPECT_EQ(*(stem + 1), std::string(75, '*'));
  EXPECT_EQ(*(stem + 2), "WALL STEM");
  // Every line of the report is on the pages, in order.
  size_t k = 0;
  for (int i = 1; i <= run_.report.count; ++i) {
    while (k < all.size() && all[k] != RTrim(run_.report.lines[static_cast<size_t>(i)])) ++k;
    ASSERT_LT(k, all.size()) << "line " << i;
  }
}

TEST_F(WallDocumentTest, LongTableGoesOnUnderItsTwoHeadingLines) {
  WallGeometry g = StandardWall();
  g.plate = {80, 0.1, 0.5};
  WriteGeometry("WALL9", g);
  ddoc::Document d = Close(BuildDataDocument(nullptr, ""));
  ASSERT_GE(d.pages.size(), 4u);
  std::vector<std::string> second = Texts(d, 1);
  // The two lines above the first row: the moduli and the column heading.
  EXPECT_EQ(SplitFields(second.at(0)).size(), 2u);
  EXPECT_EQ(second.at(1), "Element 'i'  Element Width [m]  Element Thickness [m]");
  EXPECT_EQ(SplitFields(second.at(2)).size(), 3u);
  for (size_t p = 0; p < d.pages.size(); ++p) EXPECT_TRUE(HasFooter(d, p)) << p;
  // The repeated lines are in the page routines' heading font.
  const ddoc::Item& h = d.pages[1].items.at(0);
  ASSERT_GE(h.font, 0);
  EXPECT_EQ(d.fonts[static_cast<size_t>(h.font)].face, "COURIER NEW");
  EXPECT_EQ(d.fonts[static_cast<size_t>(h.font)].colour, 0x808000u);
  EXPECT_EQ(d.fonts[static_cast<size_t>(h.font)].style, 1);
}

TEST_F(WallDocumentTest, TextCopies) {
  ASSERT_TRUE(WriteDataText("WALL9_DATA.TXT"));
  TextLineArray copy, part;
  int n = 0, m = 0;
  LoadTextLines("WALL9_DATA.TXT", copy, 0, n);
  std::vector<std::string> expected;
  for (const char* ext : {".GEO", ".SUP", ".LDA"}) {
    LoadTextLines(std::string("WALL9") + ext, part = TextLineArray(1), 0, m);
    ASSERT_GT(m, 2) << ext;
    for (int i = 1; i <= m; ++i) expected.push_back(part[static_cast<size_t>(i)]);
  }
  EXPECT_EQ(std::vector<std::string>(copy.begin() + 1, copy.begin() + 1 + n), expected);
  ASSERT_TRUE(WriteResultsText("WALL9_RESULTS.TXT"));
  EXPECT_EQ(ReadBytes("WALL9_RESULTS.TXT"), ReadBytes("WALL9.RBA"));
}

TEST_F(WallDocumentTest, MissingFilesGiveEmptyPages) {
  JobSpec = "NOJOB";
  ddoc::Document d = Close(BuildDataDocument(nullptr, ""));
  ASSERT_EQ(d.pages.size(), 3u);
  EXPECT_EQ(Texts(d, 0).at(1), " Geometry & Material Properties Data:");
  ddoc::Document r = Close(BuildResultsDocument(nullptr, ""));
  EXPECT_EQ(r.pages.size(), 1u);
  EXPECT_TRUE(HasFooter(r, 0));
  EXPECT_FALSE(WriteResultsText("NOJOB_RESULTS.TXT"));
}

}  // namespace
}  // namespace murelo
