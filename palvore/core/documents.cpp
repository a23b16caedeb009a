#include "palvore/core/documents.h"

#include <cmath>
#include <cstdint>

#include "core/globals.h"
#include "core/jobdata.h"
#include "core/numbers.h"
#include "core/textfiles.h"
#include "doc/ddoc.h"
#include "palvore/core/globals.h"
#include "palvore/core/jobfiles.h"
#include "palvore/core/reportreader.h"

namespace palvore {

const char* const kStructureTitle = "PILE/SHEET-PILE";

namespace {

constexpr std::uint32_t Rgb(int r, int g, int b) {
  return static_cast<std::uint32_t>(r) | (static_cast<std::uint32_t>(g) << 8) | (static_cast<std::uint32_t>(b) << 16);
}

struct Font {
  const char* face;
  float size;
  int style;
  std::uint32_t colour;
};
const Font kHeader{"Arial", 14, 1, Rgb(128, 0, 128)};
const Font kTitle{"Arial", 18, 1, Rgb(0, 0, 255)};
const Font kDate{"Arial", 9, 1, Rgb(0, 0, 0)};
const Font kLead{"COURIER NEW", 12, 1, Rgb(255, 0, 0)};
const Font kSection{"COURIER NEW", 13, 1, Rgb(0, 128, 128)};
const Font kHeading{"COURIER NEW", 11, 1, Rgb(0, 128, 128)};
const Font kBody{"COURIER NEW", 11, 0, Rgb(0, 0, 0)};
const Font kHalfSpace{"COURIER NEW", 12, 0, Rgb(0, 0, 0)};
const Font kClosing{"COURIER NEW", 12, 1, Rgb(255, 0, 255)};
const Font kLoadRemarks{"Times New Roman", 12, 2, Rgb(64, 64, 192)};
const Font kResultRemarks{"Times New Roman", 11, 2, Rgb(255, 128, 0)};

constexpr float kX = 1.5f, kStep = 0.5f, kDataEnd = 27.5f, kResultsEnd = 27.0f;

// One loaded file and the document it is drawn into, with the print position.
struct Page {
  int doc;
  TextLineArray lines;
  int count = 0;
  float y = 0;
  PageProfile pages = PalvorePages();

  explicit Page(int d) : doc(d) {}
  void Load(const std::string& file) {
    lines.assign(1, std::string());
    count = 0;
    LoadTextLines(file, lines, 5000, count);
  }
  // A line outside the loaded ones reads as empty.
  std::string Line(int i) const {
    return i >= 1 && i <= count && static_cast<size_t>(i) < lines.size() ? lines[static_cast<size_t>(i)] : std::string();
  }
  void Set(const Font& f) { dpFont(doc, f.style, f.size, f.colour, f.face); }
  void Draw(float x, float at, const std::string& text) { dpText(doc, x, at, 0, text.substr(0, 299)); }
  void List(const std::string& text) {
    Draw(kX, y, text);
    y += kStep;
  }
  void ListLines(int from, int to) {
    for (int i = from; i <= to; ++i) List(Line(i));
  }
  void Break() {
    PageBreak(doc, pages);
    y = pages.topRow;
  }
  void BreakWithHeading(int anchor) {
    PageBreakWithHeading(doc, {Line(anchor - 2), Line(anchor - 1)}, 2, kHeading.size, y, pages);
  }
  void Footer() { LastPageFooter(doc, pages); }
  void Bookmark(const std::string& text) { dpBookmark(doc, text.substr(0, 299)); }
  // The first line from `from` on that reads as 0; the line after the loaded ones when none.
  int ZeroFrom(int from) const {
    int index = 0;
    if (from >= 1) FirstZeroEntry(lines, from, count, index);
    return index > 0 ? index : count + 1;
  }
  // A support or load table's rows from r to the row before the next zero line, continued pages
  // headed by the two lines above r; the footer after the last row.
  void TableRun(int r) {
    const int last = ZeroFrom(r) - 1;
    for (int i = r; i <= last; ++i) {
      if (y > kDataEnd) {
        BreakWithHeading(r);
        Set(kBody);
      }
      List(Line(i));
    }
    Footer();
  }
  // A table's label and its two heading lines, then the body font.
  void TableHead(int label) {
    Set(kSection);
    Draw(kX, y, Line(label));
    Set(kHeading);
    y += kStep;
    Draw(kX, y, Line(label + 1));
    y += kStep;
    Draw(kX, y, Line(label + 2));
    y += kStep;
    Set(kBody);
  }
};

std::string Kind() { return Geometry.kind; }

}  // namespace

PageProfile PalvorePages() {
  PageProfile p;
  p.footerRow = 28;
  p.numberColumn = 18;
  p.ofColumn = 18.2f;
  p.countColumn = 18.8f;
  p.footerFace = "Times New Roman";
  p.footerSize = 10;
  p.footerStyle = 2;
  p.footerColour = 0;
  p.paper = 9;
  p.orientation = 0;
  p.bin = 7;
  p.headingFace = kHeading.face;
  p.headingStyle = kHeading.style;
  p.headingColour = kHeading.colour;
  p.headingColumn = kX;
  p.topRow = 2;
  p.lineStep = kStep;
  return p;
}

void PrintGeometryData(int doc) {
  Page page(doc);
  page.Load(GeometryFileName(JobSpec));
  const int k = page.count > 0 ? ReadGeometrySections(page.lines, page.count) : 0;
  const int n = k > 0 ? ElementCount() : 0;
  page.Set(kHeader);
  page.Draw(kX, 1.5f, FitToLine(std::string(kStructureTitle) + ";   JOB: " + JobSpec, kX, page.pages.rightEdge,
                                kHeader.face, kHeader.size, (kHeader.style & 1) != 0));
  page.Bookmark(Kind() + " Geometry Data");
  page.Set(kTitle);
  page.Draw(kX, 2.3f, Kind() + " Geometry & Material Properties Data:");
  page.y = 3.5f;
  page.Set(kLead);
  page.ListLines(3, k - 2);
  page.Set(kHeading);
  page.y += 0.25f;
  page.List(page.Line(k - 1));
  page.Set(kBody);
  for (int i = k; i <= k + n - 1; ++i) {
    if (page.y > kDataEnd) {
      page.Break();
      page.Set(kHeading);
      page.List(page.Line(k - 1));
      page.Set(kBody);
    }
    page.List(page.Line(i));
  }
  page.Footer();
  page.y += kStep;
  page.Set(kClosing);
  page.Draw(kX, page.y, page.Line(page.count));
}

void PrintSupportData(int doc) {
  Page page(doc);
  page.Load(SupportFileName(JobSpec));
  int e = 0, w = 0, h = 0;
  std::string halfSpace;
  if (page.count > 0) ReadSupportData(page.lines, page.count, e, w);
  FindAnswer(page.lines, page.count, "ISOTROPIC ELASTIC HALF-SPACE", h, halfSpace);
  const int last = e > 0 ? e - 4 : w > 0 ? w - 4 : h > 0 ? h - 1 : page.count - 1;
  dpNewPage(doc, page.pages.paper, page.pages.orientation, page.pages.bin);
  page.Bookmark(Kind() + " SUPPORT Data");
  page.Set(kTitle);
  page.Draw(kX, 1.5f, Kind() + " SUPPORT Data:");
  page.y = 2.7f;
  page.Set(kLead);
  page.ListLines(3, last);
  if (e > 0 || w > 0) {
    page.y += kStep;
    page.TableHead(last + 1);
  } else {
    page.Footer();
  }
  if (e > 0) {
    page.TableRun(e);
    if (w > 0) page.y -= kStep;
  }
  if (w > 0 && e > 0) {
    page.y += 1.0f;
    if (page.y > 24.0f) {
      dpNewPage(doc, page.pages.paper, page.pages.orientation, page.pages.bin);
      page.y = 2;
    }
    page.TableHead(w - 3);
  }
  if (w > 0) {
    page.Set(kBody);
    page.TableRun(w);
  }
  if (h > 0) {
    page.y += kStep;
    if (page.y > 26.5f) page.BreakWithHeading(w);
    page.Set(kSection);
    page.List("ISOTROPIC ELASTIC HALF-SPACE:");
    page.Set(kHalfSpace);
    page.List("  " + halfSpace);
    page.List("  " + page.Line(h + 1));
  }
  page.y += kStep;
  page.Set(kClosing);
  page.Draw(kX, page.y, page.Line(page.count));
}

void PrintLoadData(int doc) {
  Page page(doc);
  page.Load(LoadFileName(JobSpec, LoadCaseName));
  int t = 0, p = 0;
  if (page.count > 2) ReadLoadData(page.lines, page.count, t, p);
  const int last = t > 0 ? t - 4 : p > 0 ? p - 4 : page.count - 6;
  dpNewPage(doc, page.pages.paper, page.pages.orientation, page.pages.bin);
  page.Bookmark(Kind() + " LOAD Data");
  page.Set(kTitle);
  page.Draw(kX, 1.5f, Kind() + " LOAD Data;   Load: " + LoadCaseName);
  page.y = 2.7f;
  page.Set(kLead);
  page.ListLines(3, last);
  if (t > 0 || p > 0) {
    page.y += 0.15f;
    page.TableHead(last + 1);
  } else {
    page.Footer();
  }
  if (t > 0) page.TableRun(t);
  if (p > 0 && t > 0) {
    page.y += kStep;
    if (page.y > 24.0f) {
      dpNewPage(doc, page.pages.paper, page.pages.orientation, page.pages.bin);
      page.y = 2;
    }
    page.TableHead(p - 3);
  }
  if (p > 0) {
    page.Set(kBody);
    page.TableRun(p);
  }
  if (page.y > 25.0f) page.Break();
  else page.y += kStep;
  page.Set(kLoadRemarks);
  page.ListLines(page.count - 4, page.count - 1);
  page.Set(kClosing);
  page.Draw(kX, page.y, page.Line(page.count));
}

void PrintResults(int doc) {
  Page page(doc);
  page.Load(GeometryFileName(JobSpec));
  if (page.count > 0) ReadGeometrySections(page.lines, page.count);
  page.Load(ResultsFileName(JobSpec, LoadCaseName));
  page.Set(kHeader);
  page.Draw(kX, 1.5f, FitToLine(std::string(kStructureTitle) + ";   JOB: " + JobSpec + ";   Load: " + LoadCaseName, kX,
                                page.pages.rightEdge, kHeader.face, kHeader.size, (kHeader.style & 1) != 0));
  page.Set(kDate);
  page.Draw(kX, 2.4f, FitToLine(Trim(page.Line(1)), kX, page.pages.rightEdge, kDate.face, kDate.size, true));
  page.Bookmark("Results of Analysis");
  page.Set(kTitle);
  page.Draw(kX, 3.5f, "Results of Analysis");
  page.y = 4.55f;
  page.Set(kHeading);
  page.ListLines(7, 9);
  const int e = page.ZeroFrom(12);
  page.Set(kBody);
  for (int i = 10; i <= e - 1; ++i) {
    if (page.y > kResultsEnd) {
      page.Break();
      page.Set(kHeading);
      page.ListLines(7, 9);
      page.Set(kBody);
    }
    page.List(page.Line(i));
  }
  int r = 0;
  for (int i = e; i <= page.count && r == 0; ++i)
    if (!page.Line(i).empty() && page.Line(i)[0] == '-') r = i;
  if (page.y > kResultsEnd) page.Break();
  else page.Footer();
  page.y += 0.3f;
  page.Set(kResultRemarks);
  page.ListLines(e + 1, r - 1);
  page.y += 1.25f;
  if (page.y > 23.5f) page.Break();
  page.Set(kHeading);
  page.ListLines(r + 2, r + 4);
  const int g = page.ZeroFrom(r + 6) - 1;
  page.Set(kBody);
  for (int i = r + 5; i <= g; ++i) {
    if (page.y > kResultsEnd) {
      page.Break();
      page.Set(kHeading);
      page.ListLines(r + 2, r + 4);
      page.Set(kBody);
    }
    page.List(page.Line(i));
  }
  // Soil adds the estimate of the interaction force after the rows.
  const bool estimate = page.count - g > 5;
  if (!estimate) page.y += 0.3f;
  if (page.y > (estimate ? 25.5f : 26.5f)) page.Break();
  else page.Footer();
  if (estimate) {
    page.y += kStep;
    page.Set(kLead);
    page.Draw(kX, page.y, page.Line(g + 2));
    page.y += 0.8f;
  }
  page.Set(kResultRemarks);
  page.Draw(kX, page.y, page.Line(page.count - 3));
  page.Draw(kX, page.y + 0.5f, page.Line(page.count - 2));
  page.Draw(kX, page.y + 1.0f, page.Line(page.count - 1));
}

bool ResultsReportPresent(const std::string& job, const std::string& loadCase) {
  if (CaseLetter(loadCase).empty()) return false;
  TextLineArray lines;
  int count = 0;
  LoadTextLines(ResultsFileName(job, loadCase), lines, 5000, count);
  ResultRows table;
  return count > 0 && ReadForceTable(lines, count, table) >= 2;
}

}  // namespace palvore
