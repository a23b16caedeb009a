#include "corvane/reports/documents.h"

#include <cctype>
#include <vector>

#include "core/hostfs.h"
#include "core/jobdata.h"
#include "core/numbers.h"
#include "core/reporttext.h"
#include "core/textfiles.h"
#include "corvane/core/globals.h"
#include "corvane/core/slots.h"
#include "corvane/core/textexports.h"
#include "doc/ddoc.h"
#include "doc/docmodel.h"

namespace corvane {

std::function<int(int doc, int mode)> DocumentEnd;

namespace {

const std::uint32_t kBlue = 0xff0000;   // section headings
const std::uint32_t kRed = 0xff;        // heading lines of the files
const std::uint32_t kDark = 0x400000;   // column headings of result tables
const float kDataLimit = 27.5f;         // data lines stop above this row
const float kResultLimit = 27.0f;       // result rows stop above this row

// Whether the document already has a section: the next one begins on a new page.
int sectionDoc = 0;
bool sectionUsed = false;

void BeginSection(int doc) {
  if (sectionDoc == doc && sectionUsed) dpNewPage(doc, 9, 0, 7);
  sectionDoc = doc;
  sectionUsed = true;
}

std::string Line(const TextLineArray& lines, int i) {
  return i >= 1 && static_cast<size_t>(i) < lines.size() ? lines[static_cast<size_t>(i)] : std::string();
}

// A line that begins with a number is a row of values; any other is a heading line.
bool IsValueLine(const std::string& line) {
  std::string t = Trim(line);
  if (t.empty()) return false;
  char c = t[0];
  return std::isdigit(static_cast<unsigned char>(c)) || ((c == '-' || c == '+' || c == '.') && t.size() > 1 &&
                                                         (std::isdigit(static_cast<unsigned char>(t[1])) || t[1] == '.'));
}

// Title, heading and bookmark of a data section, then its file lines first..last.
void DataSection(int doc, const std::string& title, const std::string& heading, const std::string& bookmark,
                 const TextLineArray& lines, int first, int last) {
  BeginSection(doc);
  const PageProfile pages = CorvanePages();
  dpFont(doc, 1, 14, 0u, "Arial");
  dpText(doc, 1.5f, 1.5f, 0, FitToLine(title, 1.5f, pages.rightEdge, "Arial", 14, true));
  dpBookmark(doc, bookmark);
  dpFont(doc, 1, 18, kBlue, "Arial");
  dpText(doc, 1.5f, 2.3f, 0, heading);
  float row = 3.5f;
  int colour = -1;
  for (int i = first; i <= last; ++i) {
    if (row + pages.lineStep > kDataLimit) {
      PageBreak(doc, pages);
      row = pages.topRow;
      colour = -1;
    }
    const int want = IsValueLine(Line(lines, i)) ? 0 : 1;
    if (want != colour) dpFont(doc, 0, 12, want ? kRed : 0u, "COURIER NEW");
    colour = want;
    // The job file's header names the job, of any length.
    dpText(doc, 1.5f, row, 0, i == 1 ? FitToLine(Line(lines, i), 1.5f, pages.rightEdge, "COURIER NEW", 12, false) : Line(lines, i));
    row += pages.lineStep;
  }
  LastPageFooter(doc, pages);
}

// The line numbers where a tank file's wall and roof parts begin (0 when absent): the first
// lines whose trimmed text begins with "WALL " / "ROOF " and ends in "DATA:".
void TankParts(const TextLineArray& lines, int n, int& wall, int& roof) {
  wall = roof = 0;
  for (int i = 1; i <= n; ++i) {
    std::string t = Trim(Line(lines, i));
    if (t.size() < 10 || t.compare(t.size() - 5, 5, "DATA:") != 0) continue;
    if (wall == 0 && t.compare(0, 5, "WALL ") == 0) wall = i;
    if (roof == 0 && t.compare(0, 5, "ROOF ") == 0) roof = i;
  }
}

// The sections of one job file: one for a beam/strip or plate, base plate, wall and roof for a
// tank. heading[k], bookmark[k] for substructure k + 1.
void FileSections(int doc, const TextLineArray& lines, int n, const std::string& title, const std::string heading[3],
                  const std::string bookmark[3]) {
  if (StructureType != "TANK") return DataSection(doc, title, heading[0], bookmark[0], lines, 1, n);
  int wall = 0, roof = 0;
  TankParts(lines, n, wall, roof);
  const int wallEnd = roof > wall ? roof - 1 : n;
  DataSection(doc, title, heading[0], bookmark[0], lines, 1, wall > 0 ? wall - 1 : (roof > 0 ? roof - 1 : n));
  if (wall > 0) DataSection(doc, title, heading[1], bookmark[1], lines, wall, wallEnd);
  if (roof > 0) DataSection(doc, title, heading[2], bookmark[2], lines, roof, n);
}

// The geometry of the job read for the result sections: false when it is missing.
bool ReadGeometry() {
  TextLineArray lines;
  int n = 0;
  if (!LoadWholeFile(JobSpec + ".geo", lines, n)) return false;
  JobDataTable.Redim(8, 6);
  GeometryAnswers.assign(8, std::string());
  int s1 = 0, s2 = 0, s3 = 0;
  ReadGeometrySections(lines, n, StructureCode(), JobDataTable, GeometryAnswers, s1, s2, s3);
  return true;
}

struct TableLayout {
  int headingFirst, headingCount, rowFirst, endFrom;
};

// Prints a table: its heading lines, then its rows up to the line before the end; a row that
// would pass the limit starts a new page with the headings again. row advances. Returns the
// line that ends the table (n + 1 when the file ends first).
int PrintTable(int doc, const TextLineArray& lines, int n, const TableLayout& t, float& row) {
  const PageProfile pages = CorvanePages();
  std::vector<std::string> headings;
  for (int i = 0; i < t.headingCount; ++i) headings.push_back(Line(lines, t.headingFirst + i));
  int end = n + 1;
  FirstZeroEntry(lines, t.endFrom, n, end);
  dpFont(doc, 0, 11, kDark, "COURIER NEW");
  for (const std::string& h : headings) {
    dpText(doc, 1.5f, row, 0, h);
    row += pages.lineStep;
  }
  dpFont(doc, 0, 11, 0u, "COURIER NEW");
  for (int i = t.rowFirst; i < end && i <= n; ++i) {
    if (row + pages.lineStep > kResultLimit) {
      PageBreakWithHeading(doc, headings, t.headingCount, 11, row, pages);
      dpFont(doc, 0, 11, 0u, "COURIER NEW");
    }
    dpText(doc, 1.5f, row, 0, Line(lines, i));
    row += pages.lineStep;
  }
  return end;
}

void PrintText(int doc, const TextLineArray& lines, int first, int last, float& row) {
  const PageProfile pages = CorvanePages();
  if (row > kResultLimit) {
    PageBreak(doc, pages);
    row = pages.topRow;
  }
  dpFont(doc, 0, 11, 0u, "Times New Roman");
  for (int i = first; i <= last; ++i) {
    if (row + pages.lineStep > kResultLimit) {
      PageBreak(doc, pages);
      row = pages.topRow;
      dpFont(doc, 0, 11, 0u, "Times New Roman");
    }
    dpText(doc, 1.5f, row, 0, Line(lines, i));
    row += pages.lineStep;
  }
}

enum ResultKind { kBeamResults, kPlateResults, kBasePlateResults, kWallResults, kFlatRoofResults, kShellRoofResults };

// The part of a result file after a table: text lines first..last, then a table, its headings
// on a new page when the row is already low. Returns the line that ends the table.
int PrintPart(int doc, const TextLineArray& lines, int n, int first, int last, const TableLayout& table, float& row) {
  PrintText(doc, lines, first, last, row);
  if (row > 23.5f) {
    PageBreak(doc, CorvanePages());
    row = CorvanePages().topRow;
  }
  return PrintTable(doc, lines, n, table, row);
}

// The first dash line (a rule that opens a part) from line `from` on; 0 when there is none.
int DashLine(const TextLineArray& lines, int from, int n) {
  for (int i = from < 1 ? 1 : from; i <= n; ++i)
    if (Line(lines, i).compare(0, 1, "-") == 0) return i;
  return 0;
}

// The parts after the second table of a base plate's or a roof's file: each opened by a rule of
// dashes D found from the end of the table before, its text the lines between, headings D + 2
// and D + 3, rows from D + 4 up to the first zero line from D + 5 on. A part without a first
// row (no rule, or the file ends or the rows are missing) is no table: it and what follows are
// the file's closing lines. Returns the line that ends the last table printed.
int PrintFurtherParts(int doc, const TextLineArray& lines, int n, int end, float& row) {
  for (int d = DashLine(lines, end, n); d > 0; d = DashLine(lines, end, n)) {
    if (!IsValueLine(Line(lines, d + 4))) break;
    row += 0.5f;
    end = PrintPart(doc, lines, n, end + 1, d - 1, TableLayout{d + 2, 2, d + 4, d + 5}, row);
  }
  return end;
}

// What follows the last table of a file, from the line that ends it on: totals and remarks,
// without its rules and without the empty lines at its start and end.
void PrintClosingLines(int doc, const TextLineArray& lines, int n, int end, float& row) {
  const std::vector<int> kept = ClosingLines(lines, end, n);
  if (kept.empty()) return;
  row += 0.5f;
  for (int i : kept) PrintText(doc, lines, i, i, row);
}

// One result file as a section; false (after the message) when it is missing.
bool ResultSection(int doc, const std::string& file, const std::string& heading, ResultKind kind) {
  TextLineArray lines;
  int n = 0;
  LoadWholeFile(file, lines, n);
  if (n < 5) {
    ReportWarning(kResultsMissingText);
    return false;
  }
  BeginSection(doc);
  dpFont(doc, 1, 14, 0u, "Arial");
  dpText(doc, 1.5f, 2.4f, 0, FitToLine(Line(lines, 1), 1.5f, CorvanePages().rightEdge, "Arial", 14, true));
  dpBookmark(doc, "Results of Analysis");
  dpFont(doc, 1, 18, kBlue, "Arial");
  dpText(doc, 1.5f, 3.5f, 0, heading);
  dpFont(doc, 0, 12, kRed, "COURIER NEW");
  dpText(doc, 1.5f, 4.7f, 0, Line(lines, 7));
  float row = 5.7f;
  const bool beam = kind == kBeamResults;
  const TableLayout first = beam ? TableLayout{9, 3, 12, 14} : TableLayout{9, 2, 11, 12};
  const int e = PrintTable(doc, lines, n, first, row);
  row += 0.5f;
  int last = e;  // the line that ends the last table printed
  if (beam) {
    const int d = DashLine(lines, e, n);
    if (d > 0) last = PrintPart(doc, lines, n, e + 1, d - 1, TableLayout{d + 2, 3, d + 5, d + 6}, row);
  } else if (e <= n) {
    // Where the second table stands in each kind of result file.
    TableLayout second{};
    int textLast = e + 8;
    switch (kind) {
      case kPlateResults: second = {e + 11, 2, e + 13, e + 14}; break;
      case kWallResults: second = {e + 11, 2, e + 13, e + 14}; break;
      case kShellRoofResults: second = {e + 7, 2, e + 9, e + 11}, textLast = e + 4; break;
      default: second = {e + 10, 2, e + 12, e + 14}; break;  // base plate, flat roof
    }
    last = PrintPart(doc, lines, n, e + 1, textLast, second, row);
    // Base plates and roofs go on with their in-plane or axial forces.
    if (kind == kBasePlateResults || kind == kFlatRoofResults || kind == kShellRoofResults)
      last = PrintFurtherParts(doc, lines, n, last, row);
  }
  PrintClosingLines(doc, lines, n, last, row);
  LastPageFooter(doc, CorvanePages());
  return true;
}

// The document around the sections: boxes and text file for modes 0 and 1, the document
// started, the body, ended in the mode.
void Output(int mode, void* parent, const std::string& kind, const std::function<void()>& textFile,
            const std::function<void(int)>& body) {
  std::string file;
  if (mode == 0 || mode == 1) {
    file = JobNamePart() + "_" + kind + ".DDC";
    DeleteIfExists(file);
    if (ReportHooks.inform)
      ReportHooks.inform(kind + " will be Saved in the PROGRAM Directory in '" + file + "' File.   \r\n\r\n\r\n" +
                             "Double Click at this File to View the " + kind + "!",
                         kind + " File Information");
    int answer = ReportHooks.ask ? ReportHooks.ask(kind + " may also be Saved in the PROGRAM Directory\r\nin TEXT FILE '" +
                                                       JobNamePart() + "_" + kind + ".TXT'.   \r\n\r\n\r\nDo you want this File?",
                                                   kind + " File Information")
                                 : 7;
    if (answer == 6) textFile();
  }
  int doc = dpStartDoc(parent, "Structure Data", file, 1, 9, 0, 7, 128, "");
  if (doc < 1) {
    if (ReportHooks.error) ReportHooks.error("Error:" + std::to_string(doc), "Error Information");
    return;
  }
  sectionDoc = doc;
  sectionUsed = false;
  body(doc);
  if (DocumentEnd) {
    DocumentEnd(doc, mode);
  } else {
    ddoc::Document closed;
    ddoc::CloseDocument(doc, closed);
  }
  sectionDoc = 0;
}

}  // namespace

PageProfile CorvanePages() {
  PageProfile p;
  p.headingColour = kDark;
  p.topRow = 1.5f;
  return p;
}

void PrintGeometryData(int doc) {
  TextLineArray lines;
  int n = 0;
  if (!LoadWholeFile(JobSpec + ".geo", lines, n)) return ReportWarning(kGeometryMissingText);
  const std::string heading[3] = {" Geometry & Material Properties Data:", "WALL Geometry & Material Properties Data:",
                                  "ROOF Geometry & Material Properties Data:"};
  const std::string bookmark[3] = {" Geometry Data", "WALL Geometry Data", "ROOF Geometry Data"};
  FileSections(doc, lines, n, StructureType + ";   JOB: " + JobSpec, heading, bookmark);
}

void PrintSupportData(int doc) {
  TextLineArray lines;
  int n = 0;
  if (!LoadWholeFile(JobSpec + ".SUP", lines, n)) return ReportWarning(kSupportMissingText);
  const std::string heading[3] = {" SUPPORT Data:", "WALL SUPPORT Data", "ROOF SUPPORT Data"};
  const std::string bookmark[3] = {" SUPPORT Data", "WALL SUPPORT Data", "ROOF SUPPORT Data"};
  FileSections(doc, lines, n, StructureType + ";   JOB: " + JobSpec, heading, bookmark);
}

void PrintLoadData(int doc) {
  TextLineArray lines;
  int n = 0;
  const std::string c = LoadCaseLetter();
  if (c.empty() || !LoadWholeFile(JobSpec + ".LD" + c, lines, n)) return ReportWarning(kLoadMissingText);
  PrintedLoadLines(lines, n);
  const std::string load = Trim(LoadCaseName);
  const std::string heading[3] = {" LOAD Data", "WALL LOAD Data;   Load: " + load, "ROOF LOAD Data;   Load: " + load};
  const std::string bookmark[3] = {" LOAD Data", "WALL LOAD Data", "ROOF LOAD Data"};
  FileSections(doc, lines, n, StructureType + ";   JOB: " + JobSpec + ";   Load: " + load, heading, bookmark);
}

void PrintResults(int doc) {
  if (!ReadGeometry()) return ReportWarning(kGeometryMissingText);
  const std::string c = LoadCaseLetter();
  if (StructureType == "BEAM/STRIP") {
    ResultSection(doc, JobSpec + ".RB" + c, "Results of Analysis", kBeamResults);
  } else if (StructureType == "PLATE") {
    ResultSection(doc, JobSpec + ".RP" + c, "Results of Analysis", kPlateResults);
  } else {
    ResultSection(doc, JobSpec + ".RP" + c, "BASE PLATE: Results of Analysis", kBasePlateResults);
    ResultSection(doc, JobSpec + ".RW" + c, "WALL: Results of Analysis", kWallResults);
    if (ElementCount(3) > 0)
      ResultSection(doc, JobSpec + ".RR" + c, "ROOF: Results of Analysis",
                    IsYes(AnswerAt(GeometryAnswers, kShellRoofSlot)) ? kShellRoofResults : kFlatRoofResults);
  }
}

void OutputData(int mode, void* parent) {
  Output(mode, parent, "DATA", [] { WriteDataText(); },
         [](int doc) {
           PrintGeometryData(doc);
           PrintSupportData(doc);
           PrintLoadData(doc);
         });
}

void OutputResults(int mode, void* parent) {
  Output(
      mode, parent, "RESULTS",
      [] {
        const std::string text = JobNamePart() + "_RESULTS.TXT", c = LoadCaseLetter();
        if (StructureType == "TANK") {
          WriteResultsText();
          return;
        }
        DeleteIfExists(text);
        hostfs::Copy(JobSpec + (StructureType == "PLATE" ? ".RP" : ".RB") + c, text);
      },
      [](int doc) { PrintResults(doc); });
}

}  // namespace corvane
