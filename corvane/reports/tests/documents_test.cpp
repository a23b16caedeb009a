// Corvane's documents read back from their ".DDC" files: sections, footers, page breaks with
// repeated table headings, the boxes around them and the modes that keep no file.
#include <gtest/gtest.h>

#include <array>
#include <filesystem>

#include "../../../common/tests/fixtures.h"
#include "core/textfiles.h"
#include "corvane/core/globals.h"
#include "corvane/core/textexports.h"
#include "corvane/reports/documents.h"
#include "corvane/solver/solver.h"
#include "corvane/solver/tests/jobs.h"
#include "doc/docmodel.h"

namespace corvane {
namespace {

// This suite's own fixtures (result files).
std::filesystem::path ReportFixtures() { return FixtureFolder("tests/data"); }

// The fixtures of the core's tests (job files).
std::filesystem::path Fixtures() {
  return ReportFixtures().parent_path().parent_path().parent_path() / "core" / "tests" / "data";
}

// The core's tank fixture as J.GEO: a shell roof, or with shell answer "N" and no
// radial-section line a flat roof.
void WriteTankGeometry(const std::string& file, bool shell) {
  TextLineArray g;
  int n = 0;
  LoadTextLines((Fixtures() / "TANKSHELL.GEO").string(), g, 100, n);
  if (!shell) {
    for (int i = 1; i <= n; ++i)
      if (g[static_cast<size_t>(i)] == "Shell Structure (?)  Y") g[static_cast<size_t>(i)] = "Shell Structure (?)  N";
    for (int i = 1; i <= n; ++i)
      if (g[static_cast<size_t>(i)].compare(0, 14, "Radial Section") == 0) {
        g.erase(g.begin() + i);
        --n;
        break;
      }
  }
  ASSERT_TRUE(SaveTextLines(file, g, n));
}

// The job the document is made of: structure type, job specification and current load case.
void SetJob(const std::string& type, const std::string& job, const std::string& loadCase) {
  StructureType = type;
  JobSpec = job;
  LoadCaseName = loadCase;
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

// The results document of output mode 4, which keeps no file: taken as it is closed.
ddoc::Document ResultsDocument() {
  ddoc::Document d;
  DocumentEnd = [&d](int doc, int) { return ddoc::CloseDocument(doc, d); };
  OutputResults(4, nullptr);
  DocumentEnd = nullptr;
  return d;
}

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
  SetJob("TANK", "T1", "Water");
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
  SetJob("BEAM/STRIP", "B1", "D");
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

// A strip's loads are given per metre: its data document and text copy print them in units per
// metre, while its load file keeps the beam's labels; a beam's print as the file stands.
TEST(OutputData, AStripsLoadsInUnitsPerMetre) {
  const std::vector<std::pair<std::string, std::string>> perMetre = {
      {"Uniform Load [kN/m]: 12.5", "Uniform Load [kPa]: 12.5"},
      {"                     [kN]                   [kN*m]", "                    [kN/m]                 [kN*m/m]"},
      {"(Nodes i,j)         [kN/m]                  [kN/m]", "(Nodes i,j)          [kPa]                   [kPa]"},
  };
  const std::filesystem::path fixtures = Fixtures();  // before the test's folder is entered
  for (const char* kind : {"beam", "strip"}) {
    TestDirectory dir;
    SetJob("BEAM/STRIP", "B1", "Dead load");
    TextLineArray g;
    int n = 0;
    LoadTextLines((fixtures / "BEAM10.GEO").string(), g, 100, n);
    ASSERT_GT(n, 2);
    g[2] = std::string("BEAM/STRIP DATA:  ") + kind;
    ASSERT_TRUE(SaveTextLines("B1.GEO", g, n));
    std::filesystem::copy_file(fixtures / "BEAM.SUP", "B1.SUP");
    std::filesystem::copy_file(fixtures / "BEAM.LDD", "B1.LDD");
    const std::string file = ReadBytes("B1.LDD");
    Boxes boxes;
    boxes.answer = 6;  // the text copy too
    OutputData(0, nullptr);
    ddoc::Document d;
    ASSERT_EQ(ddoc::ReadDocumentFile("B1_DATA.DDC", d), ddoc::kDocFileOk) << kind;
    const std::vector<std::string> texts = Texts(d);
    int copyCount = 0;
    TextLineArray copy;
    LoadTextLines("B1_DATA.TXT", copy, 200, copyCount);
    auto inCopy = [&](const std::string& line) {
      for (int i = 1; i <= copyCount; ++i)
        if (copy[static_cast<size_t>(i)] == line) return true;
      return false;
    };
    const bool strip = std::string(kind) == "strip";
    for (const auto& u : perMetre) {
      const std::string& shown = strip ? u.second : u.first;
      const std::string& notShown = strip ? u.first : u.second;
      bool found = false, other = false;
      for (const std::string& t : texts) {
        const std::string text = t.substr(t.find(':') + 1);
        found = found || RTrim(text) == RTrim(shown);
        other = other || RTrim(text) == RTrim(notShown);
      }
      EXPECT_TRUE(found) << kind << ": " << shown;
      EXPECT_FALSE(other) << kind << ": " << notShown;
      EXPECT_TRUE(inCopy(shown)) << kind << " copy: " << shown;
      EXPECT_FALSE(inCopy(notShown)) << kind << " copy: " << notShown;
    }
    EXPECT_TRUE(inCopy("BEAM LOAD DATA:")) << kind;
    EXPECT_TRUE(inCopy("(Nodes i,j)        [Celsius]               [Celsius]")) << kind;
    EXPECT_EQ(ReadBytes("B1.LDD"), file) << kind << ": the load file keeps its labels";
  }
}

// A circular plate's result file: a first table of 70 rows (headings 9-10), a zero line, text,
// and a second table whose rows begin on E + 13 under the headings E + 11, E + 12.
TEST(OutputResults, PlateTablesWithRepeatedHeadings) {
  TestDirectory dir;
  SetJob("PLATE", "P1", "Live");
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
  // What follows the last table closes the section.
  EXPECT_EQ(IndexOf(t, "p2:after the table"), h + 6);
}

TEST(OutputResults, MissingFilesAreReportedAndLeftOut) {
  TestDirectory dir;
  SetJob("TANK", "T1", "Water");
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
    SetJob(c.type, "J", "Dead");
    if (StructureType == "BEAM/STRIP") {
      std::filesystem::copy_file(Fixtures() / "BEAM10.GEO", "J.GEO");
    } else if (StructureType == "PLATE") {
      std::filesystem::copy_file(Fixtures() / "PLATE.GEO", "J.GEO");
    } else {
      WriteTankGeometry("J.GEO", c.shell);
    }
    Write(std::string("J") + c.ext, c.file);
    Boxes boxes;
    const ddoc::Document d = ResultsDocument();
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
    // The line after the last table closes the section.
    EXPECT_EQ(IndexOf(t, "p1:after"), second + heads + 3) << c.name;
    EXPECT_GE(IndexOf(t, "p1:text 1"), 0) << c.name;
  }
}

// A beam's results on Winkler soil end with the estimate of the soil's total reaction and the
// sign remarks after the displacement table: the document prints them after its last row, the
// closing rule left out.
TEST(OutputResults, TheLinesAfterTheLastTableCloseTheSection) {
  const std::vector<std::string> closing = {"ESTIMATE OF TOTAL REACTION FROM ELASTIC FOUNDATION:     100.000 [kN]", "",
                                            "**REMARKS:", "         - Vertical Translation is POSITIVE if DOWNWARD",
                                            "         - Angle of Rotation is POSITIVE if CLOCKWISE"};
  TestDirectory dir;
  SetJob("BEAM/STRIP", "J", "Dead");
  std::filesystem::copy_file(Fixtures() / "BEAM10.GEO", "J.GEO");
  std::vector<std::string> file = ResultFile("BEAM B", 3, 4, 2, 0, true);
  file.resize(file.size() - 2);  // up to the displacement table's last row
  file.insert(file.end(), closing.begin(), closing.end());
  file.push_back("");
  file.push_back("--------------------- END OF RESULTS ---------------------");
  Write("J.RBD", file);
  Boxes boxes;
  std::vector<std::string> body;
  for (const std::string& item : Texts(ResultsDocument())) body.push_back(item.substr(item.find(':') + 1));
  const int last = IndexOf(body, "  3  7.25");
  ASSERT_GE(last, 0);
  int at = last;
  for (const std::string& line : closing) {
    ASSERT_LT(static_cast<size_t>(at) + 1, body.size()) << line;
    EXPECT_EQ(body[static_cast<size_t>(++at)], line);
  }
  EXPECT_EQ(IndexOf(body, "--------------------- END OF RESULTS ---------------------"), -1);
  EXPECT_EQ(body[static_cast<size_t>(at) + 1], "1");  // the footer
}

}  // namespace
}  // namespace corvane

namespace corvane {
namespace {

std::string Body(const std::string& item) { return item.substr(item.find(':') + 1); }
int PageOf(const std::string& item) { return std::atoi(item.c_str() + 1); }

// A table of a result file in the document's texts: its heading lines (the lines just above
// the first row), then every row first..last of the file in order; where the rows go on on the
// next page, the footer of the page before and the headings again. Returns the pages it spans
// and the index after its last row in `at` (-1 when the table is not there).
int WalkTable(const std::vector<std::string>& t, const TextLineArray& f, int headings, int first, int last, int& at,
              const std::string& name) {
  auto line = [&f](int i) { return f[static_cast<size_t>(i)]; };
  auto headingsAt = [&](size_t k) {
    for (int h = 0; h < headings; ++h)
      if (k + h >= t.size() || Body(t[k + h]) != line(first - headings + h)) return false;
    return true;
  };
  size_t k = 0;
  while (k < t.size() && !headingsAt(k)) ++k;
  at = -1;
  if (k == t.size()) {
    ADD_FAILURE() << name << ": no headings " << line(first - headings);
    return 0;
  }
  int pages = 1;
  k += headings;
  for (int i = first; i <= last; ++i) {
    if (k < t.size() && Body(t[k]) != line(i)) {
      // A page break: the footer (number, "of", count) closes the page, the headings open the next.
      const int page = PageOf(t[k - 1]);
      size_t footer = 0;
      for (; k < t.size() && PageOf(t[k]) == page; ++k) ++footer;
      EXPECT_EQ(footer, 3u) << name << " row " << i;
      if (!headingsAt(k) || PageOf(t[k]) != page + 1) {
        ADD_FAILURE() << name << ": no headings on page " << page + 1 << " before row " << i;
        return pages;
      }
      k += headings;
      ++pages;
    }
    if (k >= t.size() || Body(t[k]) != line(i)) {
      ADD_FAILURE() << name << ": row " << i << " \"" << line(i) << "\" missing";
      return pages;
    }
    ++k;
  }
  at = static_cast<int>(k);
  return pages;
}

struct TableAt {
  int headings, first, last, pages;  // pages: 0 for any
};

// Every table of a tank's three result files, read back from the document: each table's rows
// first to last under their headings, the base plate's tables each broken over two pages with
// their headings repeated, the text before a third table printed, rules and closing lines not.
TEST(OutputResults, EveryTableOfATanksResultFiles) {
  const struct {
    const char* name;
    bool shell;
    const char* roof;
    std::vector<TableAt> roofTables;
  } cases[] = {
      {"shell roof", true, "SHELL2.RRW", {{2, 11, 13, 1}, {2, 23, 25, 1}, {2, 32, 34, 1}}},
      {"flat roof", false, "FLAT2.RRW", {{2, 11, 13, 1}, {2, 26, 28, 1}, {2, 35, 37, 1}}},
  };
  const std::vector<TableAt> baseTables = {{2, 11, 71, 2}, {2, 84, 144, 2}, {2, 151, 211, 2}};
  const std::vector<TableAt> wallTables = {{2, 11, 13, 1}, {2, 27, 29, 1}};
  for (const auto& c : cases) {
    TestDirectory dir;
    SetJob("TANK", "T1", "Water");
    WriteTankGeometry("T1.GEO", c.shell);
    std::filesystem::copy_file(ReportFixtures() / "BASE60.RPW", "T1.RPW");
    std::filesystem::copy_file(ReportFixtures() / "WALL2.RWW", "T1.RWW");
    std::filesystem::copy_file(ReportFixtures() / c.roof, "T1.RRW");
    Boxes boxes;
    OutputResults(0, nullptr);
    EXPECT_TRUE(boxes.shown.size() == 2u && boxes.shown[1].substr(0, 3) == "ask") << c.name;
    ddoc::Document d;
    ASSERT_EQ(ddoc::ReadDocumentFile("T1_RESULTS.DDC", d), ddoc::kDocFileOk) << c.name;
    CheckFooters(d);
    const std::vector<std::string> t = Texts(d);
    const struct {
      const char* file;
      const std::vector<TableAt>& tables;
    } files[] = {{"T1.RPW", baseTables}, {"T1.RWW", wallTables}, {"T1.RRW", c.roofTables}};
    for (const auto& file : files) {
      TextLineArray f;
      int n = 0;
      LoadTextLines(file.file, f, 1000, n);
      const std::string name = std::string(c.name) + " " + file.file;
      // The file's tables in order, from its own section's title on.
      size_t from = 0;
      while (from < t.size() && Body(t[from]) != f[1]) ++from;
      ASSERT_LT(from, t.size()) << name;
      std::vector<std::string> rest(t.begin() + static_cast<long>(from), t.end());
      for (size_t k = 0; k < file.tables.size(); ++k) {
        const TableAt& table = file.tables[k];
        int at = 0;
        const std::string what = name + " table " + std::to_string(k + 1);
        const int pages = WalkTable(rest, f, table.headings, table.first, table.last, at, what);
        if (at < 0) break;
        if (table.pages) {
          EXPECT_EQ(pages, table.pages) << what;
        }
        rest.erase(rest.begin(), rest.begin() + at);
      }
    }
    // Rules are not printed; the text between the base plate's second and third tables stands
    // between them.
    for (const std::string& item : t) EXPECT_NE(Body(item).compare(0, 3, "---"), 0) << c.name << ": " << item;
    size_t text = 0;
    while (text < t.size() && Body(t[text]) != "IN-PLANE DEFORMATION AND FORCES OF THE BASE PLATE:") ++text;
    ASSERT_LT(text + 1, t.size()) << c.name;
    EXPECT_EQ(Body(t[text - 1]), "   6.0000     7.4625E+2     7.1250E+1     4.8000E+1") << c.name;
    size_t third = text;
    while (third < t.size() && Body(t[third]) != " Radius      Radial         Radial In-Plane   Circumf. In-Plane") ++third;
    EXPECT_LT(third, t.size()) << c.name;
  }
}


// What follows a base plate's second table: a part is printed as a table only when its rule is
// followed by headings and a first row; one without them, or a file that ends first, is printed
// as the file's closing lines with all after it, its rules left out, and a further part is
// printed as the third is.
TEST(OutputResults, PartsAfterTheSecondTable) {
  const struct {
    const char* name;
    std::vector<std::string> after;  // from the line that ends the second table on
    std::vector<std::string> printed, left;
  } cases[] = {
      {"no rule", {"", "closing text"}, {"closing text"}, {}},
      {"rule at the end", {"", "part text", "-----"}, {"part text"}, {"-----"}},
      {"cut short", {"", "part text", "-----", "", "third heading 1"}, {"part text", "third heading 1"}, {"-----"}},
      {"no rows", {"", "part text", "-----", "", "third heading 1", "third heading 2", "", "after"},
       {"part text", "third heading 1", "third heading 2", "after"}, {"-----"}},
      {"rule ends the table, a fourth part",
       {"-----", "", "third heading 1", "third heading 2", "  0  1", "  2  3", "", "part text", "-----", "",
        "fourth heading 1", "fourth heading 2", "  0  5", "", "-----", "after"},
       {"third heading 1", "third heading 2", "  0  1", "  2  3", "part text", "fourth heading 1", "fourth heading 2",
        "  0  5", "after"},
       {"-----"}},
  };
  for (const auto& c : cases) {
    TestDirectory dir;
    SetJob("TANK", "J", "Dead");
    WriteTankGeometry("J.GEO", true);
    std::vector<std::string> file = ResultFile("BASE T", 2, 4, 8, 1, false);
    file.resize(file.size() - 2);  // up to the second table's last row
    file.insert(file.end(), c.after.begin(), c.after.end());
    Write("J.RPD", file);
    Boxes boxes;
    const ddoc::Document d = ResultsDocument();
    std::vector<std::string> body;
    for (const std::string& item : Texts(d)) body.push_back(Body(item));
    // The second table is whole; the parts after it as the case says, in order.
    const int second = IndexOf(body, "  3  7.25");
    ASSERT_GE(second, 0) << c.name;
    int at = second;
    for (const std::string& s : c.printed) {
      const int k = IndexOf(body, s);
      EXPECT_GT(k, at) << c.name << ": " << s;
      at = k;
    }
    for (const std::string& s : c.left) EXPECT_EQ(IndexOf(body, s), -1) << c.name << ": " << s;
    // The section ends with its footer right after what was printed last.
    EXPECT_EQ(body[static_cast<size_t>(at) + 1], "1") << c.name;
  }
}

}  // namespace
}  // namespace corvane

namespace corvane {
namespace {

// The rows of the table of a result file that begins on line `first`: up to the line before the
// next one that reads as no number.
int TableLast(const TextLineArray& f, int n, int first) {
  int i = first + 1;
  while (i <= n && ParseNumber(f[static_cast<size_t>(i)]) != 0) ++i;
  return i - 1;
}

int DashAfter(const TextLineArray& f, int n, int from) {
  for (int i = from; i <= n; ++i)
    if (!f[static_cast<size_t>(i)].empty() && f[static_cast<size_t>(i)][0] == '-') return i;
  return 0;
}

// A tank with a cone roof under an apex load, its base plate on a half-space with in-plane
// deformation, analysed by the outside solver: the results document holds every table of its
// three files in order, each under its headings.
TEST(OutputResults, EveryTableOfTheSolversTankFiles) {
  TestDirectory dir;
  testing::TankJob t;
  t.inPlane = "Y";
  t.unyielding.clear();
  t.halfSpace = true;
  t.roofElements = 20;
  t.roofShell = true;
  t.roofWidths.assign(20, 0.5);
  t.roofFalls.assign(20, 0.25);
  t.roofThickness = 0.1;
  t.roofConnection = "H";
  t.roofPoint = 100;
  testing::WriteTankJob(t, "Water");
  ASSERT_EQ(AnalysisMain("ANALYSIS.exe TANK,T1,Water", nullptr), 0);
  SetJob("TANK", "T1", "Water");
  Boxes boxes;
  const std::vector<std::string> texts = Texts(ResultsDocument());
  EXPECT_TRUE(boxes.shown.empty());
  std::vector<std::string> rest = texts;
  const struct {
    const char* file;
    int second;  // table 2's first row below E1
    bool third;
    int nodes;
  } files[] = {{"T1.RPW", 12, true, 11}, {"T1.RWW", 13, false, 17}, {"T1.RRW", 9, true, 21}};
  for (const auto& file : files) {
    TextLineArray f;
    int n = 0;
    LoadTextLines(file.file, f, 1000, n);
    ASSERT_GT(n, 40) << file.file;
    const int e1 = TableLast(f, n, 11) + 1;
    std::vector<std::array<int, 2>> tables = {{11, e1 - 1}, {e1 + file.second, TableLast(f, n, e1 + file.second)}};
    if (file.third) {
      const int d3 = DashAfter(f, n, tables[1][1] + 1);
      ASSERT_GT(d3, 0) << file.file;
      tables.push_back({d3 + 4, TableLast(f, n, d3 + 4)});
    }
    for (size_t k = 0; k < tables.size(); ++k) {
      int at = 0;
      const std::string what = std::string(file.file) + " table " + std::to_string(k + 1);
      EXPECT_EQ(tables[k][1] - tables[k][0] + 1, file.nodes) << what;
      WalkTable(rest, f, 2, tables[k][0], tables[k][1], at, what);
      ASSERT_GE(at, 0) << what;
      rest.erase(rest.begin(), rest.begin() + at);
    }
  }
}

}  // namespace
}  // namespace corvane
