// The presentation command: the output chooser with Trabix's documents of the job data and of
// the results of the chosen load case, and their plain-text copies.
#include "app.h"
#include "core/jobdata.h"
#include "core/jobspec.h"
#include "core/numbers.h"
#include "core/reporttext.h"
#include "core/hostfs.h"
#include "core/textfiles.h"
#include "doc/ddoc.h"
#include "doc/pages.h"
#include "trabix/core/checks.h"
#include "trabix/core/jobfiles.h"
#include "trabix/core/slots.h"
#include "win/messages.h"
#include "win/outputchooser.h"
#include "win/reportdocument.h"

namespace trabix {

short OutputPreview = 1;

namespace {

const PageProfile kPages;
constexpr float kLastDataRow = 27.5f, kLastResultRow = 27.0f;

std::string CaseLetter() {
  std::string name = Trim(LoadCaseName);
  return name.empty() ? std::string() : name.substr(0, 1);
}

bool LoadFile(const std::string& file, TextLineArray& lines, int& count) {
  count = 0;
  lines.assign(1, std::string());
  LoadTextLines(file, lines, 10000, count);
  return count > 0;
}

bool SymmetricHalf() { return StructureFlags.size() > 4 && StructureFlags[kSymmetricHalfSlot] == "Y"; }
// The symmetry of the loads is stated in the case's load file.
bool SymmetricLoads() {
  TextLineArray lines;
  int count = 0;
  std::string name = Trim(LoadCaseName);
  if (name.empty()) return false;
  LoadTextLines(JobSpec + ".LD" + name.substr(0, 1), lines, 10000, count);
  bool symmetric = false;
  for (int i = 1; i <= count; ++i) {
    if (lines[i].find("ANTISYMMETRIC LOADS") != std::string::npos) return false;
    if (lines[i].find("SYMMETRIC LOADS") != std::string::npos) symmetric = true;
  }
  return symmetric;
}

// A section of the data document: its title, bookmark and heading, then the file's lines, with
// page breaks and a footer on its last page. Sections after the first begin on a new page.
void DataSection(int doc, bool first, const std::string& bookmark, const std::string& title, const std::string& heading,
                 const TextLineArray& lines, int count) {
  if (!first) dpNewPage(doc, kPages.paper, kPages.orientation, kPages.bin);
  dpFont(doc, 1, 14, "Arial", 0);
  dpText(doc, 1.5f, 1.5f, 0, FitToLine(title, 1.5f, kPages.rightEdge, "Arial", 14, true));
  dpBookmark(doc, bookmark);
  dpFont(doc, 1, 18, "Arial", 0xff0000);
  dpText(doc, 1.5f, 2.3f, 0, heading);
  float row = 3.5f;
  for (int i = 1; i <= count; ++i) {
    if (row > kLastDataRow) {
      PageBreak(doc, kPages);
      row = kPages.topRow;
    }
    // Lines ending in ":" head a part of the file.
    std::string line = RTrim(lines[i]);
    // The job file's header names the job, of any length.
    if (i == 1) line = FitToLine(line, 1.5f, kPages.rightEdge, "COURIER NEW", 12, false);
    dpFont(doc, 0, 12, "COURIER NEW", !line.empty() && line.back() == ':' ? 0xff : 0);
    dpText(doc, 1.5f, row, 0, line);
    row += kPages.lineStep;
  }
  LastPageFooter(doc, kPages);
}

// The case's load file as the documents print it: a strip's loads are given per metre, so its
// lines show units per metre (the file keeps the beam's labels, which the readers look for).
void PrintedLoadLines(TextLineArray& lines, int count) {
  if (!IsStrip()) return;
  for (int i = 1; i <= count && static_cast<size_t>(i) < lines.size(); ++i) lines[i] = StripLoadLine(lines[i]);
}

// The geometry read for the kind of structure (beam or strip, symmetric half) the documents name.
void ReadStructureKind() {
  StructureFlags.assign(6, std::string());
  if (FileExists(JobSpec + ".GEO")) LoadGeometryFile();
}

void MissingFile(HWND parent, const std::string& text) { ShowMessage(parent, text, "WARNING!", WarningBoxStyle, DialogAnswer); }

std::string Title() { return StructureTitle + ";   JOB: " + JobSpec; }

void PrintGeometryData(int doc, HWND parent) {
  TextLineArray lines;
  int count = 0;
  if (!LoadFile(JobSpec + ".GEO", lines, count)) MissingFile(parent, "Geometry Data File is Missing! Enter the Data!");
  DataSection(doc, true, " Geometry Data", Title(), " Geometry & Material Properties Data:", lines, count);
}

void PrintSupportData(int doc, HWND parent) {
  TextLineArray lines;
  int count = 0;
  if (!LoadFile(JobSpec + ".SUP", lines, count)) MissingFile(parent, "Support Data File is Missing! Enter the Data!");
  // The file's label, kept for its readers, is printed as a line of the half-space's section.
  const std::string label = "VERTICAL YIELD STRESS:";
  for (int i = 1; i <= count; ++i)
    if (lines[i].compare(0, label.size(), label) == 0) lines[i] = "  Vertical Yield Stress:" + lines[i].substr(label.size());
  DataSection(doc, false, " SUPPORT Data", Title(), " SUPPORT Data:", lines, count);
}

void PrintLoadData(int doc, HWND parent) {
  TextLineArray lines;
  int count = 0;
  std::string c = CaseLetter();
  ReadStructureKind();
  if (c.empty() || !LoadFile(JobSpec + ".LD" + c, lines, count))
    MissingFile(parent, "Load Data File is Missing! Enter the Data!");
  PrintedLoadLines(lines, count);
  std::string heading = " LOAD Data;   Case: " + Trim(LoadCaseName);
  if (SymmetricHalf()) heading += SymmetricLoads() ? "   SYMMETRIC LOADS! " : "   ANTISYMMETRIC LOADS! ";
  DataSection(doc, false, " LOAD Data", Title() + ";   Load: " + Trim(LoadCaseName), heading, lines, count);
}

// The first line at or after `from` whose value reads 0 (the end of a table), count + 1 when none.
int FirstZeroEntry(const TextLineArray& lines, int count, int from) {
  for (int i = from; i <= count; ++i)
    if (ParseNumber(lines[i]) == 0) return i;
  return count + 1;
}

void PrintTable(int doc, const TextLineArray& lines, int headingFrom, int rowsFrom, int end, float& row) {
  std::vector<std::string> headings;
  for (int i = headingFrom; i < rowsFrom; ++i) headings.push_back(lines[i]);
  if (row > 23.5f) {
    PageBreak(doc, kPages);
    row = kPages.topRow;
  }
  dpFont(doc, 0, 11, "COURIER NEW", 0x800000);
  for (const auto& h : headings) {
    dpText(doc, 1.5f, row, 0, h);
    row += kPages.lineStep;
  }
  dpFont(doc, 0, 11, "COURIER NEW", 0);
  for (int i = rowsFrom; i < end; ++i) {
    if (row > kLastResultRow) {
      PageBreakWithHeading(doc, headings, static_cast<int>(headings.size()), 11, row, kPages);
      dpFont(doc, 0, 11, "COURIER NEW", 0);
    }
    dpText(doc, 1.5f, row, 0, lines[i]);
    row += kPages.lineStep;
  }
}

// Text lines of a results file in the text font, a page break before a line past the last row.
void PrintTextLines(int doc, const TextLineArray& lines, const std::vector<int>& which, float& row) {
  dpFont(doc, 0, 11, "Times New Roman", 0);
  for (int i : which) {
    if (row > kLastResultRow) {
      PageBreak(doc, kPages);
      row = kPages.topRow;
      dpFont(doc, 0, 11, "Times New Roman", 0);
    }
    dpText(doc, 1.5f, row, 0, lines[static_cast<size_t>(i)]);
    row += kPages.lineStep;
  }
}

void PrintResults(int doc, HWND parent) {
  TextLineArray lines;
  int count = 0;
  std::string c = CaseLetter();
  // The geometry tells whether the job is a symmetric half and how its loads are.
  if (!FileExists(JobSpec + ".GEO")) MissingFile(parent, "Geometry Data File is Missing! Enter the Data!");
  StructureFlags.assign(6, std::string());
  LoadGeometryFile();
  if (c.empty() || !LoadFile(JobSpec + ".RB" + c, lines, count) || count < 5) {
    MissingFile(parent, "Results File is Missing! Anylyse the Structure!");
    LastPageFooter(doc, kPages);
    return;
  }
  std::string title = StructureTitle + ";   JOB: " + JobSpec + ";   Load: " + Trim(LoadCaseName);
  if (SymmetricHalf()) title += SymmetricLoads() ? ":  SYMMETRY CASE" : ":  ANTISYMMETRY CASE";
  dpFont(doc, 1, 14, "Arial", 0);
  dpText(doc, 1.5f, 1.5f, 0, FitToLine(title, 1.5f, kPages.rightEdge, "Arial", 14, true));
  dpFont(doc, 0, 12, "COURIER NEW", 0);
  dpText(doc, 1.5f, 2.4f, 0, FitToLine(lines[1], 1.5f, kPages.rightEdge, "COURIER NEW", 12, false));
  dpBookmark(doc, "Results of Analysis");
  dpFont(doc, 1, 18, "Arial", 0xff0000);
  dpText(doc, 1.5f, 3.5f, 0, "Results of Analysis");
  dpFont(doc, 0, 12, "COURIER NEW", 0xff);
  dpText(doc, 1.5f, 4.7f, 0, lines[7]);
  float row = 5.9f;
  int e = FirstZeroEntry(lines, count, 14);
  PrintTable(doc, lines, 9, 12, e, row);
  int d = e;
  while (d <= count && (lines[d].empty() || lines[d][0] != '-')) ++d;
  std::vector<int> text;
  for (int i = e + 1; i < d && i <= count; ++i) text.push_back(i);
  PrintTextLines(doc, lines, text, row);
  int last = e;  // the line that ends the last table printed
  if (d + 5 <= count) {
    last = FirstZeroEntry(lines, count, d + 6);
    PrintTable(doc, lines, d + 2, d + 5, last, row);
  }
  // The soil's total reaction and the sign remarks after the displacements.
  PrintTextLines(doc, lines, ClosingLines(lines, last, count), row);
  LastPageFooter(doc, kPages);
}

// Both documents, through the shared output of a report document. kind: "DATA" or "RESULTS".
void OutputDocument(int mode, HWND parent, const std::string& kind, const std::string& title,
                    void (*writeText)(const std::string& file), void (*pages)(int doc, HWND parent)) {
  OutputReportDocument(mode, parent, JobSpec, kind, title, writeText, [&](int doc) { pages(doc, parent); }, DialogAnswer);
}

void WriteDataText(const std::string& file) {
  TextLineArray out(1), lines;
  int total = 0, count = 0;
  std::string c = CaseLetter();
  const std::string files[] = {JobSpec + ".GEO", JobSpec + ".SUP", c.empty() ? std::string() : JobSpec + ".LD" + c};
  ReadStructureKind();
  bool first = true;
  for (const auto& f : files) {
    if (f.empty() || !LoadFile(f, lines, count)) continue;
    if (&f == &files[2]) PrintedLoadLines(lines, count);
    if (!first)
      for (int k = 0; k < 3; ++k) out.push_back(""), ++total;
    for (int i = 1; i <= count; ++i) out.push_back(lines[i]), ++total;
    first = false;
  }
  SaveTextLines(file, out, total);
}

void WriteResultsText(const std::string& file) {
  DeleteIfExists(file);
  std::string c = CaseLetter();
  if (!c.empty()) hostfs::Copy(JobSpec + ".RB" + c, file);
}

}  // namespace

void OutputData(int mode, HWND parent) {
  OutputDocument(mode, parent, "DATA", "Structure Data", WriteDataText, [](int doc, HWND p) {
    PrintGeometryData(doc, p);
    PrintSupportData(doc, p);
    PrintLoadData(doc, p);
  });
}

void OutputResults(int mode, HWND parent) { OutputDocument(mode, parent, "RESULTS", "RESULTS", WriteResultsText, PrintResults); }

void PresentationCommand() {
  OutputChooserProfile p;
  p.structureTitle = StructureTitle;
  p.loadCaseName = &LoadCaseName;
  p.chooseLoadCase = [] { return ShowLoadCases(2); };
  p.outputData = OutputData;
  p.outputResults = OutputResults;
  p.preview = &OutputPreview;
  p.answer = &DialogAnswer;
  ::PresentationCommand(MainWindow, p);
}

}  // namespace trabix
