// Trabix's documents: the data and results documents kept in the program directory, read back,
// with their text copies; the modes that keep no file.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <string>
#include <vector>

#include "../../../common/tests/testdir.h"
#include "../../tests/solvetool.h"
#include "../../tests/testsupport.h"
#include "app.h"
#include "core/textfiles.h"
#include "doc/docmodel.h"
#include "win/handles.h"
#include "win/testing/layout.h"
#include "win/testing/wintest.h"

namespace fs = std::filesystem;
using wintest::RunScript;
using wintest::WhenDialog;

namespace {

const char kPreviewClassName[] = "SuiteDocPreview";  // the document preview window

// Closes the preview once it is shown.
wintest::Step ClosePreview() {
  return wintest::WhenWindow(kPreviewClassName, [](HWND f) { PostMessageA(f, WM_KEYDOWN, VK_ESCAPE, 0); });
}

struct Output {
  std::vector<std::string> boxes;
};

Output RunOutput(bool results, int mode, int answer) {
  Output o;
  std::vector<wintest::Step> steps;
  std::string caption = results ? "RESULTS File Information" : "DATA File Information";
  if (mode == 0 || mode == 1) {
    steps.push_back(WhenDialog(caption, [&o](HWND box) {
      o.boxes.push_back(wintest::BoxText(box));
      wintest::AnswerBox(box, IDOK);
    }));
    steps.push_back(WhenDialog(caption, [&o, answer](HWND box) {
      o.boxes.push_back(wintest::BoxText(box));
      wintest::AnswerBox(box, answer);
    }));
  }
  steps.push_back(ClosePreview());
  EXPECT_TRUE(RunScript(steps, [results, mode] {
                if (results) trabix::OutputResults(mode, nullptr);
                else trabix::OutputData(mode, nullptr);
              }, 20000).finished);
  return o;
}

// Every page's footer reads "n of m".
void ExpectFooters(const ddoc::Document& d) {
  int pages = static_cast<int>(d.pages.size());
  for (int page = 1; page <= pages; ++page) {
    std::string footer;
    for (const ddoc::Item& it : d.pages[page - 1].items)
      if (it.y == 28) footer += (footer.empty() ? "" : " ") + ddoc::ItemText(d, page, it);
    EXPECT_EQ(footer, std::to_string(page) + " of " + std::to_string(pages));
  }
}

bool HasText(const ddoc::Document& d, const std::string& text) {
  for (const auto& page : d.pages)
    for (const auto& it : page.items)
      if (it.text == text) return true;
  return false;
}

class TrabixDocuments : public ::testing::Test {
 protected:
  void SetUp() override {
    trabix::DimensionGlobals();
    trabix::testing::CopyJob("WINKYLD");
    JobSpec = "WINKYLD";
    trabix::LoadCaseName = "P";
    trabix::StructureTitle = "BEAM/STRIP";
    std::string output;
    ASSERT_EQ(trabix::RunSolveTool({"WINKYLD", "P", "elastic"}, output), 0) << output;
  }
  void TearDown() override { JobSpec.clear(); }
  TestDirectory dir;
};

TEST_F(TrabixDocuments, TheDataDocumentIsKeptWithItsTextCopy) {
  Output o = RunOutput(false, 0, IDYES);
  ASSERT_EQ(o.boxes.size(), 2u);
  EXPECT_EQ(o.boxes[0],
            "DATA will be Saved in the PROGRAM Directory in 'WINKYLD_DATA.DDC' File.   \r\n\r\n\r\n"
            "Double Click at this File to View the DATA!");
  ddoc::Document d;
  ASSERT_EQ(ddoc::ReadDocumentFile("WINKYLD_DATA.DDC", d), ddoc::kDocFileOk);
  std::vector<std::string> marks;
  for (const auto& b : d.bookmarks) marks.push_back(b.text);
  EXPECT_EQ(marks, (std::vector<std::string>{" Geometry Data", " SUPPORT Data", " LOAD Data"}));
  EXPECT_TRUE(HasText(d, " Geometry & Material Properties Data:"));
  EXPECT_TRUE(HasText(d, " SUPPORT Data:"));
  ExpectFooters(d);
  // The text copy: geometry, supports and loads, three empty lines apart.
  std::string text = ReadBytes("WINKYLD_DATA.TXT");
  std::string geo = ReadBytes("WINKYLD.GEO"), sup = ReadBytes("WINKYLD.SUP"), ld = ReadBytes("WINKYLD.LDP");
  EXPECT_EQ(text, geo + "\r\n\r\n\r\n" + sup + "\r\n\r\n\r\n" + ld);
}

// On the support page of a cross-anisotropic half-space the vertical yield stress reads as a
// line of the half-space's section, "  Vertical Yield Stress:", not as the file's own label.
TEST_F(TrabixDocuments, TheSupportPageNamesTheVerticalYieldStressInItsSection) {
  trabix::testing::CopyJob("HSXISO");
  JobSpec = "HSXISO";
  trabix::LoadCaseName = "Q";
  RunOutput(false, 0, IDNO);
  ddoc::Document d;
  ASSERT_EQ(ddoc::ReadDocumentFile("HSXISO_DATA.DDC", d), ddoc::kDocFileOk);
  EXPECT_TRUE(HasText(d, "CROSS-ANISOTROPIC ELASTIC HALF-SPACE:"));
  EXPECT_TRUE(HasText(d, "  Vertical Yield Stress: 0.00[kPa]"));
  EXPECT_FALSE(HasText(d, "VERTICAL YIELD STRESS: 0.00[kPa]"));
}

// The texts of a document whose right end lies past `edge` (cm), measured in their own fonts.
std::vector<std::string> PastTheEdge(const ddoc::Document& d, float edge) {
  std::vector<std::string> past;
  OwnedDc dc(CreateCompatibleDC(nullptr));
  for (size_t page = 0; page < d.pages.size(); ++page)
    for (const ddoc::Item& it : d.pages[page].items) {
      if (it.kind != ddoc::kTextItem || it.font < 0 || it.text.empty()) continue;
      const ddoc::Font& f = d.fonts[static_cast<size_t>(it.font)];
      // One pixel a twip: the font's height in points times 20.
      OwnedFont font(CreateFontA(-static_cast<int>(f.size * 20 + 0.5f), 0, 0, 0, (f.style & 1) ? FW_BOLD : FW_NORMAL,
                                 (f.style & 2) ? TRUE : FALSE, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, f.face.c_str()));
      SelectionGuard use(dc.get(), font.get());
      SIZE size{};
      GetTextExtentPoint32A(dc.get(), it.text.c_str(), static_cast<int>(it.text.size()), &size);
      const float width = size.cx / 1440.0f * 2.54f;
      const float left = it.align == 1 ? it.x - width / 2 : it.align == 2 ? it.x - width : it.x;
      if (left + width > edge + 0.05f)
        past.push_back("page " + std::to_string(page + 1) + ": \"" + it.text + "\" ends at " +
                       std::to_string(left + width) + " cm");
    }
  return past;
}

// A job name of 60 characters (the job dialog takes it) stays inside the page's right margin in
// the data and results documents: the title and the job files' first lines end in "...".
TEST_F(TrabixDocuments, ALongJobNameStaysInsideThePage) {
  const std::string job = "JOB" + std::string(57, 'W');
  for (const char* ext : {".GEO", ".SUP", ".CAS", ".LDP"}) {
    std::string text = ReadBytes(std::string("WINKYLD") + ext);
    for (size_t at = text.find("WINKYLD"); at != std::string::npos; at = text.find("WINKYLD", at + job.size()))
      text.replace(at, 7, job);
    WriteBytes(job + ext, text);
  }
  JobSpec = job;
  std::string output;
  ASSERT_EQ(trabix::RunSolveTool({job, "P", "elastic"}, output), 0) << output;
  for (bool results : {false, true}) {
    RunOutput(results, 0, IDNO);
    ddoc::Document d;
    ASSERT_EQ(ddoc::ReadDocumentFile(job + (results ? "_RESULTS.DDC" : "_DATA.DDC"), d), ddoc::kDocFileOk);
    const std::vector<std::string> past = PastTheEdge(d, 19.5f);
    EXPECT_TRUE(past.empty()) << results << "\n" << wintest::Lines(past);
  }
}

TEST_F(TrabixDocuments, TheResultsDocumentAndItsCopyOfTheReport) {
  Output o = RunOutput(true, 0, IDYES);
  ASSERT_EQ(o.boxes.size(), 2u);
  EXPECT_EQ(ReadBytes("WINKYLD_RESULTS.TXT"), ReadBytes("WINKYLD.RBP"));
  ddoc::Document d;
  ASSERT_EQ(ddoc::ReadDocumentFile("WINKYLD_RESULTS.DDC", d), ddoc::kDocFileOk);
  ASSERT_EQ(d.bookmarks.size(), 1u);
  EXPECT_EQ(d.bookmarks[0].text, "Results of Analysis");
  EXPECT_TRUE(HasText(d, "Results of Analysis"));
  ExpectFooters(d);
  // After the displacement table, the soil's total reaction and the sign remarks.
  TextLineArray report;
  int count = 0;
  LoadTextLines("WINKYLD.RBP", report, 10000, count);
  int estimate = 0;
  for (int i = 1; i <= count; ++i)
    if (report[static_cast<size_t>(i)].rfind("ESTIMATE OF TOTAL REACTION FROM ELASTIC FOUNDATION:", 0) == 0) estimate = i;
  ASSERT_GT(estimate, 0);
  for (const std::string& line : {report[static_cast<size_t>(estimate)], std::string("**REMARKS:"),
                                  std::string("         - Vertical Translation is POSITIVE if DOWNWARD"),
                                  std::string("         - Angle of Rotation is POSITIVE if CLOCKWISE")})
    EXPECT_TRUE(HasText(d, line)) << line;
}

// A missing geometry is announced once, with no offer to correct it, and the results are still
// shown.
TEST_F(TrabixDocuments, AMissingGeometryIsAnnouncedOnceAndTheResultsStillShown) {
  fs::remove("WINKYLD.GEO");
  wintest::TraceCapture trace;
  EXPECT_TRUE(RunScript({WhenDialog("RESULTS File Information", [](HWND box) { wintest::AnswerBox(box, IDOK); }),
                         WhenDialog("RESULTS File Information", [](HWND box) { wintest::AnswerBox(box, IDNO); }),
                         WhenDialog("WARNING!", [](HWND box) { wintest::AnswerBox(box, IDOK); }), ClosePreview()},
                        [] { trabix::OutputResults(0, nullptr); }, 20000)
                  .finished);
  std::vector<std::string> boxes;
  for (const auto& b : trace.Records("BOX")) boxes.push_back(b[1] + ": " + b[2]);
  ASSERT_EQ(boxes.size(), 3u);
  EXPECT_EQ(boxes[2], "WARNING!: Geometry Data File is Missing! Enter the Data!");
  ddoc::Document d;
  ASSERT_EQ(ddoc::ReadDocumentFile("WINKYLD_RESULTS.DDC", d), ddoc::kDocFileOk);
  EXPECT_TRUE(HasText(d, "Results of Analysis"));
}

TEST_F(TrabixDocuments, PreviewAndPrintOnlyKeepNoFile) {
  RunOutput(false, 4, IDNO);
  RunOutput(true, 4, IDNO);
  EXPECT_FALSE(fs::exists("WINKYLD_DATA.DDC"));
  EXPECT_FALSE(fs::exists("WINKYLD_RESULTS.DDC"));
  EXPECT_FALSE(fs::exists("WINKYLD_DATA.TXT"));
}

// A strip's loads are given per metre: its data document and text copy print them in units per
// metre, while the load file keeps the beam's labels; a beam's print as the file stands.
TEST(TrabixStripDocuments, AStripsLoadsInUnitsPerMetre) {
  TestDirectory dir;
  trabix::DimensionGlobals();
  trabix::StructureTitle = "BEAM/STRIP";
  const std::vector<std::pair<std::string, std::string>> perMetre = {
      {"Uniform Load [kN/m]: 12.0", "Uniform Load [kPa]: 12.0"},
      {"                     [kN]                   [kN*m]", "                    [kN/m]                 [kN*m/m]"},
      {"(Nodes i,j)         [kN/m]                  [kN/m]", "(Nodes i,j)          [kPa]                   [kPa]"},
  };
  for (const std::string job : {"WINKYLD", "QSTRIPSS"}) {
    SCOPED_TRACE(job);
    trabix::testing::CopyJob(job);
    const std::string file = job + ".LDQ";
    WriteBytes(file, "Job: " + job + " // LOADS (Q)\r\nLOAD DATA:\r\nUniform Load [kN/m]: 12.0\r\n"
                     "Self Weight (Mass Density) [kg/m^3]: 0.0\r\n\r\nNODAL LOADING:\r\n"
                     " Node 'i'      Downward Force Pi      Clockwise Moment Mi\r\n" + perMetre[1].first + "\r\n"
                     "  2              100.0000                 0.0000\r\n"
                     "**REMARK: - NODE NUMBERING STARTS AT BEAM/STRIP LEFT EDGE\r\n\r\nTRAPEZOIDAL LOADING:\r\n"
                     " Elment 'i'  Intensity at Node 'i'   Intensity at Node 'j'\r\n" + perMetre[2].first + "\r\n"
                     "  2               10.0000                 10.0000\r\n\r\n"
                     "------------------------- END OF LOAD DATA -------------------------\r\n");
    WriteBytes(job + ".CAS", "Q\r\n");
    const std::string bytes = ReadBytes(file);
    JobSpec = job;
    trabix::LoadCaseName = "Q";
    RunOutput(false, 0, IDYES);
    ddoc::Document data;
    ASSERT_EQ(ddoc::ReadDocumentFile(job + "_DATA.DDC", data), ddoc::kDocFileOk);
    const std::string copy = ReadBytes(job + "_DATA.TXT");
    const bool strip = job == "QSTRIPSS";
    for (const auto& u : perMetre) {
      const std::string& shown = strip ? u.second : u.first;
      const std::string& notShown = strip ? u.first : u.second;
      EXPECT_TRUE(HasText(data, shown)) << shown;
      EXPECT_FALSE(HasText(data, notShown)) << notShown;
      EXPECT_NE(copy.find("\r\n" + shown + "\r\n"), std::string::npos) << "copy: " << shown;
      EXPECT_EQ(copy.find("\r\n" + notShown + "\r\n"), std::string::npos) << "copy: " << notShown;
    }
    EXPECT_EQ(ReadBytes(file), bytes) << "the load file keeps its labels";
  }
  JobSpec.clear();
}

// A symmetric half (its geometry reads "SYMMETRIC BEAM!") with a symmetric case P and an
// antisymmetric case Q: the load heading of the data document and the title of the results
// document state the symmetry; a job that is not a half states none.
TEST(TrabixSymmetryDocuments, AHalfsDocumentsStateTheSymmetryOfTheCase) {
  TestDirectory dir;
  trabix::DimensionGlobals();
  trabix::StructureTitle = "BEAM/STRIP";
  trabix::testing::CopyJob("WINKSYM");
  trabix::testing::CopyJob("WINKYLD");
  std::string loads = ReadBytes("WINKSYM.LDP");
  auto replace = [&loads](const std::string& from, const std::string& to) {
    size_t at = loads.find(from);
    ASSERT_NE(at, std::string::npos) << from;
    loads.replace(at, from.size(), to);
  };
  replace("LOADS (P)", "LOADS (Q)");
  replace("LOAD DATA: SYMMETRIC LOADS", "LOAD DATA: ANTISYMMETRIC LOADS");
  replace("   41              500.0000", "   21              500.0000");
  WriteBytes("WINKSYM.LDQ", loads);
  WriteBytes("WINKSYM.CAS", "P\r\nQ\r\n");
  struct Case {
    std::string job, loadCase, loadHeading, resultsTitle;
  };
  const Case cases[] = {
      {"WINKSYM", "P", " LOAD Data;   Case: P   SYMMETRIC LOADS! ",
       "BEAM/STRIP;   JOB: WINKSYM;   Load: P:  SYMMETRY CASE"},
      {"WINKSYM", "Q", " LOAD Data;   Case: Q   ANTISYMMETRIC LOADS! ",
       "BEAM/STRIP;   JOB: WINKSYM;   Load: Q:  ANTISYMMETRY CASE"},
      {"WINKYLD", "P", " LOAD Data;   Case: P", "BEAM/STRIP;   JOB: WINKYLD;   Load: P"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.job + " " + c.loadCase);
    JobSpec = c.job;
    trabix::LoadCaseName = c.loadCase;
    std::string output;
    ASSERT_EQ(trabix::RunSolveTool({c.job, c.loadCase, "elastic"}, output), 0) << output;
    RunOutput(false, 0, IDNO);
    RunOutput(true, 0, IDNO);
    ddoc::Document data, results;
    ASSERT_EQ(ddoc::ReadDocumentFile(c.job + "_DATA.DDC", data), ddoc::kDocFileOk);
    ASSERT_EQ(ddoc::ReadDocumentFile(c.job + "_RESULTS.DDC", results), ddoc::kDocFileOk);
    EXPECT_TRUE(HasText(data, c.loadHeading));
    EXPECT_TRUE(HasText(results, c.resultsTitle));
    // No other symmetry text stands in the documents.
    for (const std::string text : {"SYMMETRIC LOADS! ", "ANTISYMMETRIC LOADS! ", ":  SYMMETRY CASE", "ANTISYMMETRY CASE"}) {
      bool expected = c.loadHeading.find(text) != std::string::npos || c.resultsTitle.find(text) != std::string::npos;
      bool found = false;
      for (const ddoc::Document* d : {&data, &results})
        for (const auto& page : d->pages)
          for (const auto& it : page.items)
            if (it.text.find(text) != std::string::npos) found = true;
      EXPECT_EQ(found, expected) << text;
    }
    ExpectFooters(data);
    ExpectFooters(results);
  }
  JobSpec.clear();
}

}  // namespace
