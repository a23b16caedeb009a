// Printing a document through the Windows print dialog.
#include <windows.h>
#include <commdlg.h>
#include <winspool.h>

#include <cstdio>

#include "core/trace.h"
#include "doc/win/docwin.h"
#include "win/handles.h"

namespace ddoc {

bool PrinterInstalled() {
  DWORD needed = 0, count = 0;
  EnumPrintersA(PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS, nullptr, 4, nullptr, 0, &needed, &count);
  return needed > 0;
}

const char* const kNoPrinterText = "No PRINTER is Installed!\r\n\r\nInstall a Printer, then Print again!";

bool PrinterOrWarning() {
  if (PrinterInstalled()) return true;
  TraceLine("print|none|no printer");
  WarningBox(kNoPrinterText);
  return false;
}

int PrintDocumentPages(const Document& doc, HWND owner) {
  int count = static_cast<int>(doc.pages.size());
  if (count == 0) return 0;
  // Nothing to choose from: the print dialog is not shown (it would only ask for a printer to be
  // installed); the user is told instead.
  if (!PrinterOrWarning()) return 0;
  PRINTDLGA pd = {};
  pd.lStructSize = sizeof pd;
  pd.hwndOwner = owner;
  pd.Flags = PD_RETURNDC | PD_NOSELECTION | PD_USEDEVMODECOPIESANDCOLLATE | PD_NOWARNING;
  pd.nMinPage = 1;
  pd.nMaxPage = static_cast<WORD>(count > 0xFFFF ? 0xFFFF : count);
  pd.nFromPage = 1;
  pd.nToPage = pd.nMaxPage;
  pd.nCopies = 1;
  if (!PrintDlgA(&pd)) {
    // Cancelled, or no printer at all: nothing to print, nothing to report.
    char code[16];
    std::snprintf(code, sizeof code, "%lX", static_cast<unsigned long>(CommDlgExtendedError()));
    TraceLine(std::string("print|none|") + code);
    if (pd.hDevMode) GlobalFree(pd.hDevMode);
    if (pd.hDevNames) GlobalFree(pd.hDevNames);
    return 0;
  }
  int first = 1, last = count;
  if (pd.Flags & PD_PAGENUMS) {
    first = pd.nFromPage < 1 ? 1 : pd.nFromPage;
    last = pd.nToPage > count ? count : pd.nToPage;
  }
  OwnedDc printer(pd.hDC);
  HDC dc = printer.get();
  DEVMODEA* mode = pd.hDevMode ? static_cast<DEVMODEA*>(GlobalLock(pd.hDevMode)) : nullptr;
  int printed = 0;
  DOCINFOA info = {};
  info.cbSize = sizeof info;
  info.lpszDocName = doc.title.empty() ? "Document" : doc.title.c_str();
  if (dc && StartDocA(dc, &info) > 0) {
    PictureCache cache;
    bool failed = false;
    for (int i = first; i <= last && !failed; ++i) {
      const Page& page = doc.pages[static_cast<size_t>(i - 1)];
      if (mode) {
        // Each page on its own paper and the way it lies (a graph page lies landscape).
        mode->dmFields |= DM_ORIENTATION | DM_PAPERSIZE;
        mode->dmOrientation = page.landscape ? DMORIENT_LANDSCAPE : DMORIENT_PORTRAIT;
        mode->dmPaperSize = static_cast<short>(page.paper);
        ResetDCA(dc, mode);
      }
      if (StartPage(dc) <= 0) {
        failed = true;
        break;
      }
      // Positions count from the paper's corner; the device's origin is the printable area's.
      PageMapping map;
      map.perCmX = GetDeviceCaps(dc, LOGPIXELSX) / 2.54;
      map.perCmY = GetDeviceCaps(dc, LOGPIXELSY) / 2.54;
      map.left = -GetDeviceCaps(dc, PHYSICALOFFSETX);
      map.top = -GetDeviceCaps(dc, PHYSICALOFFSETY);
      RenderPage(dc, doc, i - 1, map, cache);
      if (EndPage(dc) <= 0) failed = true;
      else ++printed;
    }
    if (failed) {
      AbortDoc(dc);
      printed = 0;
    } else {
      EndDoc(dc);
    }
  }
  TraceLine("print|pages|" + std::to_string(printed));
  if (mode) GlobalUnlock(pd.hDevMode);
  if (pd.hDevMode) GlobalFree(pd.hDevMode);
  if (pd.hDevNames) GlobalFree(pd.hDevNames);
  return printed;
}

}  // namespace ddoc
