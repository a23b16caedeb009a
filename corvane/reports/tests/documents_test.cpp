// Corvane's documents read back from their ".DDC" files: sections, footers, page breaks with
// repeated table headings, the boxes around them and the modes that keep no file.
#include <gtest/gtest.h>

#include <filesystem>

#include "../../../common/tests/testdir.h"
#include "core/textfiles.h"
#include "corvane/core/globals.h"
#include "corvane/core/textexports.h"
#include "corvane/reports/documents.h"
#include "doc/docmodel.h"

namespace corvane {
namespace {

std::filesystem::path Fixtures() {
  const char* env = std::getenv("SUITE_TEST_DATA");
  std::string folder = env ? env : "";
  // The fixtures of the core's tests.
  std::filesystem::path p = std::filesystem::path(folder).parent_path().parent_path().parent_path() / "core" / "tests" / "data";
#ifdef _WIN32
  std::string s = p.string();
  if (!s.empty() && s[0] == '/') p = "Z:" + s;
#endif
  return p;
}

void Write(const std::string& file, const std::vector<std::string>& lines) {
  TextLineArray l(1);
  l.insert(l.end(), lines.begin(), lines.end());
  ASSERT_TRUE(SaveTextLines(file, l, static_cast<int>(lines.size())));
}

struct Boxes {
  std::vector<std::string> shown;
  int answer = 7;
  Boxes() {
    ReportHooks.warn = [this](const std::string& t, const std::string& c) { shown.push_back("warn " + c + "|" + t); };
    ReportHooks.inform = [this](const std::string& t, const std::string& c) { shown.push_back("inform " + c + "|" + t); };
    ReportHooks.ask = [this](const std::string& t, const std::string& c) {
      shown.push_back("ask " + c + "|" + t);
      return answer;
    };
    ReportHooks.error = [this](const std::string& t, const std::string& c) { shown.push_back("error " + c + "|" + t); };
  }
  ~Boxes() { ReportHooks = ReportPort{}; }
};

// The texts of the document, page by page, "p<n>:" + text (footer numbers resolved).
std::vector<std::string> Texts(const ddoc::Document& d) {
  std::vector<std::string> out;
  for (size_t p = 0; p < d.pages.size(); ++p)
    for (const auto& it : d.pages[p].items) out.push_back("p" + std::to_string(p + 1) + ":" + ddoc::ItemText(d, static_cast<int>(p + 1), it));
  return out;
}

int IndexOf(const std::vector<std::string>& v, const std::string& s) {
  for (size_t i = 0; i < v.size(); ++i)
    if (v[i] == s) return static_cast<int>(i);
  return -1;
}

void CheckFooters(const ddoc::Document& d) {
  const int m = static_cast<int>(d.pages.size());
  for (int p = 1; p <= m; ++p) {
    std::vector<std::string> footer;
    for (const auto& it : d.pages[static_cast<size_t>(p - 1)].items) {
      if (it.y == 28.0f) footer.push_back(ddoc::ItemText(d, p, it));
      else EXPECT_LE(it.y, 27.5f) << "page " << p << " " << it.text;
    }
    EXPECT_EQ(footer, (std::vector<std::string>{std::to_string(p), "of", std::to_string(m)})) << "page " << p;
  }
}

TEST(OutputData, TankSectionsInOrderWithFootersAndTextFile) {
  TestDirectory dir;
  StructureType = "TANK";
  JobSpec = "T1";
  LoadCaseName = "Water";
  std::filesystem::copy_file(Fixtures() / "TANKSHELL.GEO", "T1.GEO");
  std::filesystem::copy_file(Fixtures() / "TANKROOF.SUP", "T1.SUP");
  std::filesystem::copy_file(Fixtures() / "TANKSHELL.LDW", "T1.LDW");
  Boxes boxes;
  boxes.answer = 6;
  OutputData(0, nullptr);
  ASSERT_EQ(boxes.shown.size(), 2u);
  EXPECT_EQ(boxes.shown[0],
            "inform DATA File Information|DATA will be Saved in the PROGRAM Directory in 'T1_DATA.DDC' File.   \r\n\r\n\r\n"
            "Double Click at this File to View the DATA!");
  EXPECT_EQ(boxes.shown[1],
            "ask DATA File Information|DATA may also be Saved in the PROGRAM Directory\r\nin TEXT FILE 'T1_DATA.TXT'.   "
            "\r\n\r\n\r\nDo you want this File?");
  EXPECT_TRUE(std::filesystem::exists("T1_DATA.TXT"));
  ddoc::Document d;
  ASSERT_EQ(ddoc::ReadDocumentFile("T1_DATA.DDC", d), ddoc::kDocFileOk);
  std::vector<std::string> t = Texts(d);
  // Each section's title, heading and first file line, in order.
  const std::vector<std::string> order = {"TANK;   JOB: T1",
                                          " Geometry & Material Properties Data:",
                                          "Job: C:\\TANKS\\T1 // GEOMETRY & MAT. PROPERTIES",
                                          "WALL Geometry & Material Properties Data:",
                                          "WALL DATA:",
                                          "ROOF Geometry & Material Properties Data:",
                                          "ROOF GEOMETRY DATA:",
                                          " SUPPORT Data:",
                                          "WALL SUPPORT Data",
                                          "ROOF SUPPORT Data",
                                          "TANK;   JOB: T1;   Load: Water",
                                          " LOAD Data",
                                          "WALL LOAD Data;   Load: Water",
                                          "WALL LOAD DATA:"};
  size_t at = 0;
  for (const std::string& s : order) {
    bool found = false;
    for (; at < t.size() && !found; ++at) found = t[at].substr(t[at].find(':') + 1) == s;
    EXPECT_TRUE(found) << s;
  }
  std::vector<std::string> marks;
  for (const auto& b : d.bookmarks) marks.push_back(b.text);
  EXPECT_EQ(marks, (std::vector<std::string>{" Geometry Data", "WALL Geometry Data", "ROOF Geometry Data", " SUPPORT Data",
                                              "WALL SUPPORT Data", "ROOF SUPPORT Data", " LOAD Data", "WALL LOAD Data",
                                              "ROOF LOAD Data"}));
  CheckFooters(d);
}

TEST(OutputData, LongFileBreaksBeforeTheLimit) {
  TestDirectory dir;
  StructureType = "BEAM/STRIP";
  JobSpec = "B1";
  LoadCaseName = "D";
  std::vector<std::string> geo = {"Job: B1 // GEOMETRY & MAT. PROPERTIES"};
  for (int i = 1; i <= 120; ++i) geo.push_back("   " + std::to_string(i) + "   1.0000   0.5000");
  Write("B1.GEO", geo);
  Boxes boxes;
  OutputData(0, nullptr);
  ddoc::Document d;
  ASSERT_EQ(ddoc::ReadDocumentFile("B1_DATA.DDC", d), ddoc::kDocFileOk);
  EXPECT_EQ(d.pages.size(), 3u);
  CheckFooters(d);
  std::vector<std::string> t = Texts(d);
  EXPECT_GE(IndexOf(t, "p3:   120   1.0000   0.5000"), 0);
  EXPECT_EQ(boxes.shown.back(), "warn WARNING!|Load Data File is Missing! Enter the Data!");
  EXPECT_EQ(IndexOf(boxes.shown, "warn WARNING!|Support Data File is Missing! Enter the Data!"), 2);
  EXPECT_FALSE(std::filesystem::exists("B1_DATA.TXT"));  // No to the text file
}

TEST(OutputData, ModesFourAndFiveKeepNoFile) {
  for (int mode : {4, 5}) {
    TestDirectory dir;
    StructureType = "BEAM/STRIP";
    JobSpec = "B1";
    Write("B1.GEO", {"Job: B1", "x"});
    Boxes boxes;
    OutputData(mode, nullptr);
    EXPECT_FALSE(std::filesystem::exists("B1_DATA.DDC"));
    EXPECT_EQ(IndexOf(boxes.shown, "ask"), -1);
    for (const auto& s : boxes.shown) EXPECT_EQ(s.substr(0, 4), "warn");
  }
}

// A circular plate's result file: a first table of 70 rows (headings 9-10), a zero line, text,
// and a second table whose rows begin on E + 13 under the headings E + 11, E + 12.
TEST(OutputResults, PlateTablesWithRepeatedHeadings) {
  TestDirectory dir;
  StructureType = "PLATE";
  JobSpec = "P1";
  LoadCaseName = "Live";
  std::filesystem::copy_file(Fixtures() / "PLATE.GEO", "P1.GEO");
  std::vector<std::string> r = {"CIRCULAR PLATE P1", "2", "3", "4", "5", "6", "Load Case: Live", "8", "Node  Deflection",
                                "        [mm]"};
  for (int i = 1; i <= 70; ++i) r.push_back("  " + std::to_string(i) + "   0.1");
  const int e = static_cast<int>(r.size()) + 1;
  r.push_back("");
  for (int i = 1; i <= 8; ++i) r.push_back("text " + std::to_string(i));
  r.push_back("skipped 9");
  r.push_back("skipped 10");
  r.push_back("Elem  Moment");
  r.push_back("      [kNm]");
  EXPECT_EQ(static_cast<int>(r.size()) + 1, e + 13);
  for (int i = 1; i <= 4; ++i) r.push_back("  " + std::to_string(i) + "   9.5");
  r.push_back("");
  r.push_back("after the table");
  Write("P1.RPL", r);
  Boxes boxes;
  boxes.answer = 6;
  OutputResults(1, nullptr);
  EXPECT_EQ(boxes.shown[0].substr(0, 47), "inform RESULTS File Information|RESULTS will be");
  EXPECT_EQ(ReadBytes("P1_RESULTS.TXT"), ReadBytes("P1.RPL"));
  ddoc::Document d;
  ASSERT_EQ(ddoc::ReadDocumentFile("P1_RESULTS.DDC", d), ddoc::kDocFileOk);
  CheckFooters(d);
  std::vector<std::string> t = Texts(d);
  EXPECT_EQ(t[0], "p1:CIRCULAR PLATE P1");
  EXPECT_GE(IndexOf(t, "p1:Results of Analysis"), 0);
  EXPECT_GE(IndexOf(t, "p1:Load Case: Live"), 0);
  EXPECT_EQ(IndexOf(t, "p1:8"), -1);
  ASSERT_GE(d.pages.size(), 2u);
  // Page 2 begins with the repeated headings, then the rows go on.
  EXPECT_EQ(t[static_cast<size_t>(IndexOf(t, "p2:Node  Deflection")) + 1], "p2:        [mm]");
  EXPECT_GE(IndexOf(t, "p2:  70   0.1"), 0);
  EXPECT_GE(IndexOf(t, "p2:text 8"), 0);
  EXPECT_EQ(IndexOf(t, "p2:skipped 9"), -1);
  const int h = IndexOf(t, "p2:Elem  Moment");
  ASSERT_GE(h, 0);
  EXPECT_EQ(t[static_cast<size_t>(h) + 1], "p2:      [kNm]");
  EXPECT_EQ(t[static_cast<size_t>(h) + 2], "p2:  1   9.5");
  EXPECT_EQ(t[static_cast<size_t>(h) + 5], "p2:  4   9.5");
  EXPECT_EQ(IndexOf(t, "p2:after the table"), -1);
}

TEST(OutputResults, MissingFilesAreReportedAndLeftOut) {
  TestDirectory dir;
  StructureType = "TANK";
  JobSpec = "T1";
  LoadCaseName = "Water";
  std::filesystem::copy_file(Fixtures() / "TANKSHELL.GEO", "T1.GEO");
  std::vector<std::string> wall = {"WALL T1", "2", "3", "4", "5", "6", "Water", "8", "h1", "h2", "  1  5", "  2  6", ""};
  Write("T1.RWW", wall);
  Boxes boxes;
  OutputResults(4, nullptr);
  EXPECT_EQ(boxes.shown, (std::vector<std::string>{"warn WARNING!|Results File is Missing! Anylyse the Structure!",
                                                   "warn WARNING!|Results File is Missing! Anylyse the Structure!"}));
  // No geometry: its message and nothing else.
  std::filesystem::remove("T1.GEO");
  boxes.shown.clear();
  OutputResults(4, nullptr);
  EXPECT_EQ(boxes.shown, std::vector<std::string>{"warn WARNING!|Geometry Data File is Missing! Enter the Data!"});
}

}  // namespace
}  // namespace corvane

namespace corvane {
namespace {

// A result file of the layout each kind has: line 7, first-table headings from line 9, rows up
// to a zero line E, then text, the second table's headings and rows where the kind puts them.
std::vector<std::string> ResultFile(const std::string& title, int headings, int firstRows, int textLines, int gap,
                                    bool beamRule) {
  std::vector<std::string> r = {title, "2", "3", "4", "5", "6", "Case line", "8"};
  for (int i = 1; i <= headings; ++i) r.push_back("first heading " + std::to_string(i));
  for (int i = 1; i <= firstRows; ++i) r.push_back("  " + std::to_string(i) + "  1.5");
  r.push_back("");  // E
  for (int i = 1; i <= textLines; ++i) r.push_back("text " + std::to_string(i));
  if (beamRule) {
    r.push_back("--------------------");  // D
    r.push_back("skipped");
  }
  for (int i = 0; i < gap; ++i) r.push_back("skipped");
  r.push_back("second heading 1");
  r.push_back("second heading 2");
  if (beamRule) r.push_back("second heading 3");
  for (int i = 1; i <= 3; ++i) r.push_back("  " + std::to_string(i) + "  7.25");
  r.push_back("");
  r.push_back("after");
  return r;
}

TEST(OutputResults, SecondTableOfEveryKind) {
  // A roof with elements: TANKSHELL.GEO has a shell roof; the flat roof is the same file with
  // its shell answer "N".
  const struct {
    const char* name;
    const char* type;
    const char* ext;
    bool shell;
    std::vector<std::string> file;
    const char* heading;
  } cases[] = {
      {"beam", "BEAM/STRIP", ".RBD", false, ResultFile("BEAM B", 3, 4, 2, 0, true), "Results of Analysis"},
      {"circular plate", "PLATE", ".RPD", false, ResultFile("PLATE P", 2, 4, 8, 2, false), "Results of Analysis"},
      {"base plate", "TANK", ".RPD", true, ResultFile("BASE T", 2, 4, 8, 1, false), "BASE PLATE: Results of Analysis"},
      {"wall", "TANK", ".RWD", true, ResultFile("WALL T", 2, 4, 8, 2, false), "WALL: Results of Analysis"},
      {"shell roof", "TANK", ".RRD", true, ResultFile("ROOF T", 2, 4, 4, 2, false), "ROOF: Results of Analysis"},
      {"flat roof", "TANK", ".RRD", false, ResultFile("ROOF T", 2, 4, 8, 1, false), "ROOF: Results of Analysis"},
  };
  for (const auto& c : cases) {
    TestDirectory dir;
    StructureType = c.type;
    JobSpec = "J";
    LoadCaseName = "Dead";
    if (StructureType == "BEAM/STRIP") {
      std::filesystem::copy_file(Fixtures() / "BEAM10.GEO", "J.GEO");
    } else if (StructureType == "PLATE") {
      std::filesystem::copy_file(Fixtures() / "PLATE.GEO", "J.GEO");
    } else {
      TextLineArray g;
      int n = 0;
      LoadTextLines((Fixtures() / "TANKSHELL.GEO").string(), g, 100, n);
      if (!c.shell) {
        // A flat roof: no shell answer Y and no radial-section line.
        for (int i = 1; i <= n; ++i)
          if (g[static_cast<size_t>(i)] == "Shell Structure (?)  Y") g[static_cast<size_t>(i)] = "Shell Structure (?)  N";
        for (int i = 1; i <= n; ++i)
          if (g[static_cast<size_t>(i)].compare(0, 14, "Radial Section") == 0) {
            g.erase(g.begin() + i);
            --n;
            break;
          }
      }
      ASSERT_TRUE(SaveTextLines("J.GEO", g, n));
    }
    Write(std::string("J") + c.ext, c.file);
    Boxes boxes;
    ddoc::Document d;
    DocumentEnd = [&d](int doc, int) { return ddoc::CloseDocument(doc, d); };
    OutputResults(4, nullptr);
    DocumentEnd = nullptr;
    std::vector<std::string> t = Texts(d);
    const int h = IndexOf(t, "p1:" + std::string(c.heading));
    ASSERT_GE(h, 0) << c.name;
    const int first = IndexOf(t, "p1:first heading 1");
    ASSERT_GE(first, 0) << c.name;
    EXPECT_EQ(IndexOf(t, "p1:  4  1.5"), first + (c.type == std::string("BEAM/STRIP") ? 3 : 2) + 3) << c.name;
    const int second = IndexOf(t, "p1:second heading 1");
    ASSERT_GE(second, 0) << c.name;
    const int heads = c.type == std::string("BEAM/STRIP") ? 3 : 2;
    EXPECT_EQ(t[static_cast<size_t>(second + heads)], "p1:  1  7.25") << c.name;
    EXPECT_EQ(t[static_cast<size_t>(second + heads + 2)], "p1:  3  7.25") << c.name;
    EXPECT_EQ(IndexOf(t, "p1:skipped"), -1) << c.name;
    EXPECT_EQ(IndexOf(t, "p1:after"), -1) << c.name;
    EXPECT_GE(IndexOf(t, "p1:text 1"), 0) << c.name;
  }
}

}  // namespace
}  // namespace corvane
