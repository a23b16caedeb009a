#include "murelo/core/documents.h"

#include <cctype>

#include "core/hostfs.h"
#include "core/jobdata.h"
#include "core/jobnames.h"
#include "core/jobspec.h"
#include "core/numbers.h"
#include "core/textfiles.h"
#include "doc/ddoc.h"
#include "murelo/core/globals.h"

namespace murelo {

namespace {

constexpr float kLineColumn = 1.5f;
constexpr float kLastRow = 27.0f;
constexpr float kPartGap = 0.3f;
const char* const kStructureTitle = "Retaining Wall";

std::string CaseLetter() {
  std::string name = Trim(LoadCaseName);
  return name.empty() ? std::string() : name.substr(0, 1);
}

int LoadFile(const std::string& file, TextLineArray& lines) {
  int count = 0;
  lines.assign(1, std::string());
  if (!file.empty()) LoadTextLines(file, lines, 5000, count);
  return count;
}

// A row of a table: its first field is a number (a node or element number, a distance).
bool IsTableRow(const std::string& line) {
  size_t i = line.find_first_not_of(' ');
  if (i == std::string::npos) return false;
  if (line[i] == '-' || line[i] == '+') ++i;
  return i < line.size() && std::isdigit(static_cast<unsigned char>(line[i]));
}

// The first line of from..count whose trimmed text is `text`; 0 when none.
int LineOf(const TextLineArray& lines, int count, const std::string& text, int from = 1) {
  for (int i = from; i <= count; ++i)
    if (Trim(lines[static_cast<size_t>(i)]) == text) return i;
  return 0;
}

// Places the lines of one file onto the pages.
class PagePrinter {
 public:
  explicit PagePrinter(int doc) : doc_(doc), pages_(MureloPages()) {}

  // The bookmark, the title (when given) and the heading of a part.
  void Heading(const std::string& bookmark, const std::string& title, const std::string& heading) {
    if (row_ > kLastRow - 3) NewPage();
    dpBookmark(doc_, bookmark);
    dpFont(doc_, 1, 12, 0u, "Arial");
    if (!title.empty()) {
      dpText(doc_, kLineColumn, row_, 0, FitToLine(title, kLineColumn, pages_.rightEdge, "Arial", 12, true));
      row_ += 0.7f;
    }
    dpFont(doc_, 1, 12, 0x800000u, "Arial");
    dpText(doc_, kLineColumn, row_, 0, heading);
    row_ += 0.8f;
    LineFont();
  }

  // Lines from..to of the file.
  void Lines(const TextLineArray& lines, int from, int to) {
    for (int i = from; i <= to; ++i) {
      const std::string& line = lines[static_cast<size_t>(i)];
      if (row_ > kLastRow) {
        if (IsTableRow(line)) {
          // A table goes on under the two lines above its first row.
          int first = i;
          while (first - 1 >= from && IsTableRow(lines[static_cast<size_t>(first - 1)])) --first;
          std::vector<std::string> headings;
          for (int h = first - 2; h < first; ++h)
            if (h >= 1) headings.push_back(RTrim(lines[static_cast<size_t>(h)]));
          PageBreakWithHeading(doc_, headings, static_cast<int>(headings.size()), 11, row_, pages_);
          LineFont();
        } else {
          NewPage();
        }
      }
      // A file's header names the job, of any length.
      const std::string text = i == 1 ? FitToLine(RTrim(line), kLineColumn, pages_.rightEdge, "COURIER NEW", 9, false) : RTrim(line);
      dpText(doc_, kLineColumn, row_, 0, text);
      row_ += pages_.lineStep;
    }
    row_ += kPartGap;
  }

  void NewPage() {
    PageBreak(doc_, pages_);
    row_ = pages_.topRow;
    LineFont();
  }
  void End() { LastPageFooter(doc_, pages_); }

 private:
  void LineFont() { dpFont(doc_, 0, 9, 0u, "COURIER NEW"); }
  int doc_;
  PageProfile pages_;
  float row_ = 1.5f;
};

void BeginPage(int doc, bool first) {
  if (!first) {
    PageProfile p = MureloPages();
    dpNewPage(doc, p.paper, p.orientation, p.bin);
  }
}

std::string JobTitle() { return std::string(kStructureTitle) + ";   JOB: " + JobSpec; }

// A file of two parts: lines 1..split - 1 and split..count (split 0: one part).
void PrintTwoParts(int doc, bool first, const TextLineArray& lines, int count, int split, const std::string& title,
                   const std::string& bookmark1, const std::string& heading1, const std::string& bookmark2,
                   const std::string& heading2) {
  BeginPage(doc, first);
  PagePrinter p(doc);
  const int end1 = split > 0 ? split - 1 : count;
  p.Heading(bookmark1, title, heading1);
  p.Lines(lines, 1, end1);
  if (split > 0) {
    p.Heading(bookmark2, std::string(), heading2);
    p.Lines(lines, split, count);
  }
  p.End();
}

}  // namespace

PageProfile MureloPages() {
  PageProfile p;
  p.headingFace = "COURIER NEW";
  p.headingStyle = 1;
  p.headingColour = 0x808000u;  // RGB(0, 128, 128)
  p.headingColumn = kLineColumn;
  p.topRow = 1.5f;
  p.lineStep = 0.45f;
  return p;
}

std::string DocumentJobName() {
  JobPathParts parts;
  int code = 0;
  ValidatePath(JobSpec + ".AAA", parts, code);
  return parts.baseName.empty() ? JobSpec : parts.baseName;
}

void PrintGeometryData(int doc, bool first) {
  TextLineArray lines;
  const int count = LoadFile(JobSpec + ".GEO", lines);
  PrintTwoParts(doc, first, lines, count, LineOf(lines, count, "WALL STEM DATA:"), JobTitle(), " Geometry Data",
                " Geometry & Material Properties Data:", "WALL STEM Geometry Data",
                "WALL STEM Geometry & Material Properties DATA:");
}

void PrintSupportData(int doc, bool first) {
  TextLineArray lines;
  const int count = LoadFile(JobSpec + ".SUP", lines);
  int split = LineOf(lines, count, "WALL STEM RESTRAINT DATA:");
  if (split > 1 && lines[static_cast<size_t>(split - 1)].compare(0, 1, "-") == 0) --split;
  PrintTwoParts(doc, first, lines, count, split, JobTitle(), " BASE PLATE SUPPORT Data", " BASE PLATE SUPPORT Data:",
                "WALL STEM SUPPORT Data", "WALL STEM SUPPORT Data:");
}

void PrintLoadData(int doc, bool first) {
  TextLineArray lines;
  const std::string c = CaseLetter();
  const int count = LoadFile(c.empty() ? std::string() : JobSpec + ".LD" + c, lines);
  const std::string name = Trim(LoadCaseName);
  PrintTwoParts(doc, first, lines, count, LineOf(lines, count, "WALL STEM LOAD DATA:"), JobTitle() + ";   Load: " + name,
                " LOAD Data", " LOAD Data;   Load: " + name, "WALL STEM LOAD Data", "WALL STEM LOAD Data;   Load: " + name);
}

void PrintResults(int doc, bool first) {
  TextLineArray lines;
  const std::string c = CaseLetter();
  const int count = LoadFile(c.empty() ? std::string() : JobSpec + ".RB" + c, lines);
  PrintTwoParts(doc, first, lines, count, LineOf(lines, count, std::string(75, '*')),
                JobTitle() + ";   Load: " + Trim(LoadCaseName), "BASE PLATE: Results of Analysis",
                "BASE PLATE: Results of Analysis", "WALL STEM: Results of Analysis", "WALL STEM: Results of Analysis");
}

int BuildDataDocument(void* parent, const std::string& file) {
  if (!file.empty()) DeleteIfExists(file);
  int doc = dpStartDoc(parent, "Structure Data", file, 1, 9, 0, 7, 0x80);
  if (doc < 1) return doc;
  PrintGeometryData(doc, true);
  PrintSupportData(doc, false);
  PrintLoadData(doc, false);
  return doc;
}

int BuildResultsDocument(void* parent, const std::string& file) {
  if (!file.empty()) DeleteIfExists(file);
  int doc = dpStartDoc(parent, "Results", file, 1, 9, 0, 7, 0x80);
  if (doc < 1) return doc;
  PrintResults(doc, true);
  return doc;
}

bool WriteDataText(const std::string& file) {
  TextLineArray out(1), lines;
  int total = 0;
  const std::string c = CaseLetter();
  for (const std::string& f : {JobSpec + ".GEO", JobSpec + ".SUP", c.empty() ? std::string() : JobSpec + ".LD" + c}) {
    const int count = LoadFile(f, lines);
    for (int i = 1; i <= count; ++i) out.push_back(lines[static_cast<size_t>(i)]), ++total;
  }
  return SaveTextLines(file, out, total);
}

bool WriteResultsText(const std::string& file) {
  DeleteIfExists(file);
  const std::string c = CaseLetter();
  return !c.empty() && hostfs::Copy(JobSpec + ".RB" + c, file);
}

}  // namespace murelo
