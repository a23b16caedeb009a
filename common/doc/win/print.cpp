// Printing a document through the Windows print dialog.
#include <windows.h>
#include <commdlg.h>
#include <winspool.h>

#include <cstdio>
#include <string>

#include "core/hostfs.h"
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

std::string PrintFailureText(const std::string& what, unsigned long code) {
  const std::string why = code ? what + " (" + hostfs::SystemReason(code) + ")" : what;
  return "The Document could not be Printed: " + why + "!\r\n\r\nCheck the Printer, then Print again!";
}

int PrintPages(HDC dc, const Document& doc, int first, int last, DEVMODEA* mode) {
  DOCINFOA info = {};
  info.cbSize = sizeof info;
  info.lpszDocName = doc.title.empty() ? "Document" : doc.title.c_str();
  SetLastError(0);
  if (StartDocA(dc, &info) <= 0) {
    WarningBox(PrintFailureText("the Printer did not Begin the Document", GetLastError()));
    return 0;
  }
  PictureCache cache;
  std::string failure;
  unsigned long code = 0;
  int printed = 0;
  for (int i = first; i <= last && failure.empty(); ++i) {
    const Page& page = doc.pages[static_cast<size_t>(i - 1)];
    if (mode) {
      // Each page on its own paper and the way it lies (a graph page lies landscape).
      mode->dmFields |= DM_ORIENTATION | DM_PAPERSIZE;
      mode->dmOrientation = page.landscape ? DMORIENT_LANDSCAPE : DMORIENT_PORTRAIT;
      mode->dmPaperSize = static_cast<short>(page.paper);
      ResetDCA(dc, mode);
    }
    SetLastError(0);
    if (StartPage(dc) <= 0) {
      code = GetLastError();
      failure = "the Printer did not Begin Page " + std::to_string(i);
      break;
    }
    // Positions count from the paper's corner; the device's origin is the printable area's.
    PageMapping map;
    map.perCmX = GetDeviceCaps(dc, LOGPIXELSX) / 2.54;
    map.perCmY = GetDeviceCaps(dc, LOGPIXELSY) / 2.54;
    map.left = -GetDeviceCaps(dc, PHYSICALOFFSETX);
    map.top = -GetDeviceCaps(dc, PHYSICALOFFSETY);
    RenderPage(dc, doc, i - 1, map, cache);
    SetLastError(0);
    if (EndPage(dc) <= 0) {
      code = GetLastError();
      failure = "the Printer did not Take Page " + std::to_string(i);
    } else {
      ++printed;
    }
  }
  if (failure.empty()) {
    SetLastError(0);
    if (EndDoc(dc) <= 0) {
      code = GetLastError();
      failure = "the Printer did not End the Document";
    }
  } else {
    AbortDoc(dc);
  }
  if (failure.empty()) return printed;
  WarningBox(PrintFailureText(failure, code));
  return 0;
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
  DEVMODEA* mode = pd.hDevMode ? static_cast<DEVMODEA*>(GlobalLock(pd.hDevMode)) : nullptr;
  int printed = 0;
  if (printer) {
    printed = PrintPages(printer.get(), doc, first, last, mode);
  } else {
    WarningBox(PrintFailureText("the Printer could not be Opened", GetLastError()));
  }
  TraceLine("print|pages|" + std::to_string(printed));
  if (mode) GlobalUnlock(pd.hDevMode);
  if (pd.hDevMode) GlobalFree(pd.hDevMode);
  if (pd.hDevNames) GlobalFree(pd.hDevNames);
  return printed;
}

}  // namespace ddoc
