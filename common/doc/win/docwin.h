#pragma once
// The Windows side of the document library: drawing a page, the print preview window, printing,
// and showing a saved ".DDC" file (the viewer program DocView.exe is a thin shell around it).
#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "doc/docmodel.h"

namespace ddoc {

// The preview window: class name and control ids (tests and the viewer drive it by them).
extern const char kPreviewClass[];  // "SuiteDocPreview"
enum PreviewControl {
  kPreviewPrint = 101,
  kPreviewPrevious = 102,
  kPreviewNext = 103,
  kPreviewZoomIn = 104,
  kPreviewZoomOut = 105,
  kPreviewFit = 106,
  kPreviewClose = 107,
  kPreviewPageLabel = 110,  // "Page n of m"
  kPreviewBookmarks = 111,  // list box of the bookmarks
  kPreviewPageView = 112,
};

// Where a page lands on a device: the device point of the paper's top left corner and the device
// units per centimetre across and down.
struct PageMapping {
  double left = 0, top = 0;
  double perCmX = 1, perCmY = 1;
};

// JPEG pictures decoded once per window (bitmaps are drawn straight from their bytes).
class PictureCache {
 public:
  struct Pixels {
    int width = 0, height = 0;
    std::vector<unsigned char> bgra;  // top-down rows, 4 bytes a pixel
  };
  const Pixels* Get(const Item& item);

 private:
  std::map<const Item*, Pixels> decoded_;
};

// Draws page `pageIndex` (0 = first) of the document; the paper itself is not filled.
void RenderPage(HDC dc, const Document& doc, int pageIndex, const PageMapping& map, PictureCache& cache);

// Shows the document in the preview window and returns when the user closes it; the owner (may be
// null) is disabled meanwhile. Returns 0, or kDocDisplayError when no window could be made.
int ShowPreview(const Document& doc, HWND owner, const std::string& caption);

// The Windows print dialog, then the chosen pages on the chosen printer. No printer (said in a
// warning box), a cancelled dialog or a failing printer print nothing and return 0; returns the
// number of pages printed.
int PrintDocumentPages(const Document& doc, HWND owner);
// Pages first..last (from 1) of the document on the printer's device context, each on its paper
// (mode, may be null). A printer that does not begin the document, begin or take a page or end
// the document has the print aborted and the failure told in a "WARNING!" box with its reason
// (PrintFailureText); returns the pages printed, 0 then.
int PrintPages(HDC dc, const Document& doc, int first, int last, DEVMODEA* mode);
// "The Document could not be Printed: " what (and the system's words for code, when not 0) "!"...
std::string PrintFailureText(const std::string& what, unsigned long code);
bool PrinterInstalled();
// True when a printer is installed; else the "WARNING!" box with kNoPrinterText, and false.
extern const char* const kNoPrinterText;
bool PrinterOrWarning();

// Reads a ".DDC" file and shows it in the preview; a file that cannot be shown gives a warning
// box that says why. Returns 0 when shown, else the DocFileError (or kDocDisplayError).
int ViewDocumentFile(const std::string& name);

// The library's warning: a task-modal "WARNING!" box with the exclamation icon and OK (style
// 0x2030), traced as "box|WARNING!|<text>|2030|<answer>". Returns the answer.
int WarningBox(const std::string& text);

}  // namespace ddoc
