// The graph window: tab pages, owner-drawn buttons, picture files, clipboard and printing.
#include "graph/graphwindow.h"

#include <commctrl.h>

#include <algorithm>

#include "core/hostfs.h"
#include "core/numbers.h"
#include "core/textfiles.h"
#include "doc/ddoc.h"
#include "doc/docmodel.h"
#include "doc/win/docwin.h"
#include "gfx/gfx.h"
#include "win/colours.h"
#include "win/fieldkeys.h"
#include "win/handles.h"
#include "win/ids.h"
#include "win/messages.h"

namespace {

// The graph on show, shared by the window and its two pages.
struct GraphSession {
  const GraphProfile* profile = nullptr;
  int action = 0;
  GraphPoints points;
  int count = 0;
  GraphAxis axis;
  HWND pages[2] = {nullptr, nullptr};
  int tab = 0;            // 0 linear, 1 spline: graphics window tab + 1
  int reactivations = 0;  // after printing: activations still to be answered
  OwnedBrush strip;
};

GraphSession* SessionOf(HWND dialog) { return reinterpret_cast<GraphSession*>(GetWindowLongPtrA(dialog, DWLP_USER)); }

const char* const kLinearPrintFile = "LineBmp.bmp";
const char* const kSplinePrintFile = "CSplineX.BMP";

// Average character width of the system font in pixels per dialog unit.
double SystemFontRatio() { return LOWORD(GetDialogBaseUnits()) / 4.0; }

// The full-screen client area in dialog units of the window's font.
void FullScreenUnits(int& width, int& height) {
  DialogTemplate probe = NewDialog("", 0, 0, 10, 10, WS_POPUP, 0, DialogPlain);
  HWND h = CreateModelessDialog(probe, nullptr, nullptr);
  width = GetSystemMetrics(SM_CXFULLSCREEN);
  height = GetSystemMetrics(SM_CYFULLSCREEN);
  if (h) {
    PixelsToUnits(h, width, height);
    DestroyWindow(h);
  }
}

void Redraw(HWND control) {
  InvalidateRect(control, nullptr, TRUE);
  UpdateWindow(control);
}

void FocusClose(HWND dialog) { SetFocus(GetDlgItem(dialog, kGraphCloseButton)); }

HWND MakePage(HWND dialog, GraphSession* s, int index) {
  // Under the buttons' strip to the edges of the window, maximised by now: its client area in its
  // own units.
  RECT client{};
  GetClientRect(dialog, &client);
  int w = client.right, h = client.bottom;
  PixelsToUnits(dialog, w, h);
  h -= 16;
  DialogTemplate d = NewDialog("", 0, 16, w, h, WS_CHILD | DS_CONTROL, 0, DialogPlain);
  HWND page = CreateModelessDialog(d, dialog, index == 0 ? LinearGraphPageProc : SplineGraphPageProc,
                                   reinterpret_cast<LPARAM>(s));
  if (!page) return nullptr;
  // Above the tab control, which spans the whole window.
  SetWindowPos(page, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  OwnedHandle pump(CreateThread(nullptr, 0, MessagePumpThread, page, 0, nullptr));  // runs on without its handle
  return page;
}

void InsertTab(HWND tabs, int index, const char* text) {
  TCITEMA item = {};
  item.mask = TCIF_TEXT;
  item.pszText = const_cast<char*>(text);
  SendMessageA(tabs, TCM_INSERTITEMA, index, reinterpret_cast<LPARAM>(&item));
}

void ShowTab(GraphSession* s, int tab) {
  for (int i = 0; i < 2; ++i)
    if (s->pages[i]) ShowWindow(s->pages[i], i == tab ? SW_SHOW : SW_HIDE);
  s->tab = tab;
}

void DrawTab(const DRAWITEMSTRUCT* di) {
  FillRect(di->hDC, &di->rcItem, static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH)));
  bool selected = (di->itemState & ODS_SELECTED) != 0;
  OwnedFont font(CreateFontA(-MulDiv(8, GetDeviceCaps(di->hDC, LOGPIXELSY), 72), 0, 0, 0, selected ? 700 : 400, 0, 0,
                             0, ANSI_CHARSET, 0, 0, 0, 0, "MS Sans Serif"));
  SelectionGuard useFont(di->hDC, font.get());
  SetBkMode(di->hDC, TRANSPARENT);
  SetTextColor(di->hDC, selected ? RGB(255, 0, 0) : RGB(0, 0, 0));
  RECT r = di->rcItem;
  DrawTextA(di->hDC, di->itemID == 0 ? "Linear Graph" : "Spline Graph", -1, &r,
            DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

void DrawButton(const DRAWITEMSTRUCT* di) {
  const char* text = "";
  switch (di->CtlID) {
    case kGraphFileButton: text = "Copy Graph to &File"; break;
    case kGraphClipboardButton: text = "Copy Graph to &Clipboard"; break;
    case kGraphCloseButton: text = "CLO&SE"; break;
    case kGraphPrintButton: text = "&Print Graph"; break;
  }
  HDC dc = di->hDC;
  RECT r = di->rcItem;
  OwnedBrush face(CreateSolidBrush(di->CtlID == kGraphCloseButton ? RGB(255, 128, 0) : RGB(128, 0, 128)));
  FrameRect(dc, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  InflateRect(&r, -1, -1);
  FillRect(dc, &r, face.get());
  DrawEdge(dc, &r, (di->itemState & ODS_SELECTED) ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
  SelectionGuard systemFont(dc, GetStockObject(SYSTEM_FONT));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(255, 255, 255));
  DrawTextA(dc, text, -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  if (di->itemState & ODS_FOCUS) {
    RECT f = r;
    InflateRect(&f, -3, -3);
    DrawFocusRect(dc, &f);
  }
}

// The picture file of the current page, of the chosen type.
std::string PictureFile(int tab, int type) {
  if (tab == 0) return type == 2 ? "Linear.JPG" : "Linear.bmp";
  return type == 2 ? "CSpline.JPG" : "CSpline.BMP";
}

void CopyToClipboard(HWND dialog, GraphSession* s) {
  int type = ChooseGraphFileType(dialog, s->profile->fileTypeCaption);
  if (type != 0) {
    long n = s->tab + 1;
    if (type == 2) SaveGfxModeEx(n, kGfxSaveJpeg);
    SetLastError(0);
    if (SaveGfxWindowEx(n, "CLIPBOARD") != 1) {
      const DWORD code = GetLastError();
      const std::string reason = code ? hostfs::SystemReason(code) : "the Clipboard refused the Graph";
      int answer = 0;
      ShowMessage(dialog, "The Graph could not be Copied to the Clipboard: " + reason + "!", "WARNING!",
                  WarningBoxStyle, answer);
    }
  }
  FocusClose(dialog);
}

void CopyToFile(HWND dialog, GraphSession* s) {
  int type = ChooseGraphFileType(dialog, s->profile->fileTypeCaption);
  if (type != 0) {
    long n = s->tab + 1;
    std::string name = PictureFile(s->tab, type);
    if (type == 2) SaveGfxModeEx(n, kGfxSaveJpeg);
    int answer = 0;
    // Only a picture that was written is announced as saved.
    if (SaveGfxWindowEx(n, name) == 1) {
      ShowMessage(dialog, "Graph will be Saved in the Working Directory as '" + name + "' File   ",
                  "Graph Bitmap File Information", InfoBoxStyle, answer);
    } else {
      ShowMessage(dialog, "The Graph could not be Saved in the Working Directory as '" + name + "' File!",
                  "WARNING!", WarningBoxStyle, answer);
    }
  }
  FocusClose(dialog);
}

void Print(HWND dialog, GraphSession* s) {
  long n = s->tab + 1;
  std::string name = n == 1 ? kLinearPrintFile : kSplinePrintFile;
  SaveGfxWindowEx(n, name);
  s->reactivations = 2;
  if (s->profile->printGraph) s->profile->printGraph(dialog, name);
  FocusClose(dialog);
}

// The tab control, the buttons' strip and the pages reach to the edges of the client area, as it
// is now (the maximised window's client area may change after it was built).
void FitToClient(HWND dialog, const GraphSession* s) {
  RECT client{};
  GetClientRect(dialog, &client);
  int top = 4, unused = 0;
  UnitsToPixels(dialog, unused, top);
  if (HWND tabs = GetDlgItem(dialog, kGraphTabs))
    SetWindowPos(tabs, HWND_BOTTOM, 0, top, client.right, client.bottom - top, SWP_NOACTIVATE);
  if (HWND strip = GetDlgItem(dialog, kGraphStripEnd)) {
    RECT r{};
    GetWindowRect(strip, &r);
    MapWindowPoints(HWND_DESKTOP, dialog, reinterpret_cast<POINT*>(&r), 2);
    SetWindowPos(strip, nullptr, 0, 0, client.right - r.left, r.bottom - r.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  for (HWND page : s->pages) {
    if (!page) continue;
    RECT r{};
    GetWindowRect(page, &r);
    MapWindowPoints(HWND_DESKTOP, dialog, reinterpret_cast<POINT*>(&r), 2);
    SetWindowPos(page, nullptr, 0, 0, client.right - r.left, client.bottom - r.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

INT_PTR InitGraphWindow(HWND dialog, GraphSession* s) {
  SetWindowLongPtrA(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(s));
  ShowCursor(FALSE);
  s->reactivations = 0;
  s->strip.reset(CreateSolidBrush(RGB(0, 128, 128)));
  ShowWindow(dialog, SW_SHOWMAXIMIZED);
  HWND tabs = GetDlgItem(dialog, kGraphTabs);
  // Two fixed tabs left of the buttons.
  int tabWidth = SystemFontRatio() >= 1.85 ? 97 : 108, tabHeight = 12;
  UnitsToPixels(dialog, tabWidth, tabHeight);
  SendMessageA(tabs, TCM_SETITEMSIZE, 0, MAKELPARAM(tabWidth / 2 - 2, tabHeight));
  for (int i = 0; i < 2; ++i) {
    s->pages[i] = MakePage(dialog, s, i);
    InsertTab(tabs, i, i == 0 ? " Linear Graph " : " Spline Graph ");
  }
  FitToClient(dialog, s);
  ShowTab(s, 0);
  // Below the other windows of the program; an owned window still stays above its owner, so it
  // is seen. Without an owner the bottom would be behind every window on the screen.
  if (GetWindow(dialog, GW_OWNER)) SetWindowPos(dialog, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  PlacePointer(dialog, 70, 10);
  ShowCursor(TRUE);
  FocusClose(dialog);
  return FALSE;
}

}  // namespace

bool GraphProfile::Reversed(int action) const {
  return std::find(reversedActions.begin(), reversedActions.end(), action) != reversedActions.end();
}

std::string GraphProfile::OrdinateTitle(int action) const {
  if (action < 1 || action > static_cast<int>(ordinateTitles.size())) return "";
  return ordinateTitles[static_cast<size_t>(action - 1)];
}

std::string GraphWindowCaption(const GraphProfile& profile) { return " GRAPH - Load Case: " + profile.loadCase; }

DialogTemplate GraphDialog(const GraphProfile& profile) {
  int wd = 0, hd = 0;
  FullScreenUnits(wd, hd);
  DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MAXIMIZE | WS_CLIPCHILDREN;
  DialogTemplate d = NewDialog(GraphWindowCaption(profile), 0, 0, wd, hd, style, WS_EX_CLIENTEDGE, DialogNoMoveSize);
  AddTabControl(d, kGraphTabs, 0, 4, wd, hd, WS_TABSTOP | WS_CLIPSIBLINGS | TCS_OWNERDRAWFIXED | TCS_FIXEDWIDTH);
  double ratio = SystemFontRatio();
  int left = ratio >= 1.85 ? 97 : 108;
  int gap = (GetSystemMetrics(SM_CXSCREEN) < 1000 && ratio > 1.85) ? 2 : 10;
  AddLabel(d, kGraphStripStart, "", 0, 0, 108, 4);
  AddLabel(d, kGraphStripEnd, "", left, 0, wd - left, 17, SS_LEFT, 0);
  const DWORD button = WS_TABSTOP | BS_OWNERDRAW;
  AddButton(d, kGraphCloseButton, "CLO&SE", left + gap, 1, 40, 14, button);
  AddButton(d, kGraphFileButton, "COPY GRAPH TO &FILE", left + 2 * gap + 40, 1, 85, 14, button);
  AddButton(d, kGraphClipboardButton, "COPY GRAPH TO &CLIPBOARD", left + 3 * gap + 125, 1, 110, 14, button);
  AddButton(d, kGraphPrintButton, "&PRINT GRAPH", left + 4 * gap + 235, 1, 57, 14, button);
  return d;
}

INT_PTR CALLBACK GraphDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_INITDIALOG) return InitGraphWindow(dialog, reinterpret_cast<GraphSession*>(lParam));
  GraphSession* s = SessionOf(dialog);
  if (!s) return FALSE;
  switch (msg) {
    case WM_SIZE:
      FitToClient(dialog, s);
      return FALSE;
    case WM_NOTIFY: {
      auto* nm = reinterpret_cast<NMHDR*>(lParam);
      if (nm->idFrom != kGraphTabs) return FALSE;
      int tab = static_cast<int>(SendMessageA(nm->hwndFrom, TCM_GETCURSEL, 0, 0));
      if (nm->code == TCN_SELCHANGING) {
        if (s->pages[s->tab]) ShowWindow(s->pages[s->tab], SW_HIDE);
      } else if (nm->code == TCN_SELCHANGE) {
        PlacePointer(dialog, tab == 1 ? 35 : 70, 10);
        ShowTab(s, tab < 0 ? 0 : tab);
        FocusClose(dialog);
      }
      return FALSE;
    }
    case WM_CTLCOLORSTATIC: {
      int id = GetDlgCtrlID(reinterpret_cast<HWND>(lParam));
      if (id == kGraphStripEnd || id == kGraphStripStart) return ColourControl(reinterpret_cast<HDC>(wParam), 0, s->strip.get(), false);
      SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
      return reinterpret_cast<INT_PTR>(GetStockObject(NULL_BRUSH));
    }
    case WM_DRAWITEM: {
      auto* di = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      if (di->CtlType == ODT_TAB) {
        DrawTab(di);
      } else if (di->CtlType == ODT_BUTTON) {
        DrawButton(di);
      }
      return TRUE;
    }
    case WM_COMMAND: {
      int id = LOWORD(wParam), code = HIWORD(wParam);
      if ((code == 256 || code == 512) && lParam) {
        Redraw(reinterpret_cast<HWND>(lParam));
        return TRUE;
      }
      if (code != BN_CLICKED) return FALSE;
      switch (id) {
        case kGraphClipboardButton: CopyToClipboard(dialog, s); return TRUE;
        case kGraphFileButton: CopyToFile(dialog, s); return TRUE;
        case kGraphPrintButton: Print(dialog, s); return TRUE;
        case kGraphCloseButton: EndDialog(dialog, 0); return TRUE;
      }
      return FALSE;
    }
    case WM_NCACTIVATE:
      // After printing, the first two returns to the window are answered with beeps, and the
      // second repaints it (the print dialog may have left its traces).
      if (wParam == TRUE && s->reactivations > 0) {
        for (int i = 0; i < 3; ++i) MessageBeep(0);
        if (s->reactivations == 1)
          RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        --s->reactivations;
      }
      return FALSE;
    case WM_DESTROY:
      for (HWND& page : s->pages) {
        if (page) DestroyWindow(page);
        page = nullptr;
      }
      s->strip.reset();
      DeleteIfExists(kLinearPrintFile);
      DeleteIfExists(kSplinePrintFile);
      SetWindowLongPtrA(dialog, DWLP_USER, 0);
      return FALSE;
  }
  return FALSE;
}

namespace {

INT_PTR PageProc(HWND page, UINT msg, LPARAM lParam, long window) {
  if (msg != WM_INITDIALOG) return FALSE;
  auto* s = reinterpret_cast<GraphSession*>(lParam);
  // The screen's width and full-screen height, but no more than the window shows of the page:
  // the captions under the frame must not be cut off.
  long width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYFULLSCREEN) - 15;
  RECT area, placed;
  HWND parent = GetParent(page);
  if (parent && GetClientRect(parent, &area) && GetWindowRect(page, &placed)) {
    POINT corner{placed.left, placed.top};
    ScreenToClient(parent, &corner);
    width = std::min<long>(width, area.right - corner.x);
    height = std::min<long>(height, area.bottom - corner.y - 1);
  }
  DrawResponseGraph(page, 0, 1, std::max(width, 1L), std::max(height, 1L), window, *s->profile, s->action, s->points,
                    s->count, s->axis);
  return TRUE;
}

}  // namespace

INT_PTR CALLBACK LinearGraphPageProc(HWND page, UINT msg, WPARAM, LPARAM lParam) {
  return PageProc(page, msg, lParam, 1);
}

INT_PTR CALLBACK SplineGraphPageProc(HWND page, UINT msg, WPARAM, LPARAM lParam) {
  return PageProc(page, msg, lParam, 2);
}

void ShowGraphWindow(HWND owner, const GraphProfile& profile, int action, const GraphPoints& points, int count) {
  GraphSession s;
  s.profile = &profile;
  s.action = action;
  s.points = points;
  s.count = std::max(count, 0);
  s.points.Reserve(std::max(s.count, 1));
  ShowModalDialog(GraphDialog(profile), owner, GraphDialogProc, reinterpret_cast<LPARAM>(&s));
  GfxWindowEx(1, kGfxClose);
  GfxWindowEx(2, kGfxClose);
}

// ----- graphics file type -----

DialogTemplate GraphFileTypeDialog(const std::string& caption) {
  const int W = 270, H = 110;
  DialogTemplate d = NewDialog(caption, 0, 0, W, H);
  int height = 0;
  const std::string heading = "SELECTION OF GRAPHICS FILE TYPE";
  int hw = DialogTextWidth(d, heading, height);
  AddLabel(d, kHeadingId, heading, (W - hw) / 2, 12, hw, 10, SS_CENTER);
  AddLine(d, kRuleId, (W - hw) / 2, 22, hw, 2);
  int ow = std::max(DialogTextWidth(d, "&BMP Type File", height), DialogTextWidth(d, "&GPEJ Type File", height)) + 12;
  AddOption(d, kGraphBmpOption, "&BMP Type File", (W - ow) / 2, 20 + 13, ow, 13,
            WS_TABSTOP | WS_GROUP | BS_AUTORADIOBUTTON);
  AddOption(d, kGraphJpegOption, "&GPEJ Type File", (W - ow) / 2, 20 + 26, ow, 13);
  AddButton(d, kGraphTypeOk, "&OK", 85, H - 40, 40, 15, WS_TABSTOP | BS_DEFPUSHBUTTON);
  AddButton(d, kGraphTypeCancel, "&CANCEL", 135, H - 40, 40, 15);
  OnOpen(d, [](HWND dialog) {
    CheckDlgButton(dialog, kGraphBmpOption, BST_CHECKED);
    SetFocus(GetDlgItem(dialog, kGraphBmpOption));
    PlacePointer(dialog, 105, 110 - 40 + 7);  // the middle of "&OK"
  });
  return d;
}

namespace {
// The options yellow on teal, every other static or button black (kTypeBlueLabelId blue) on light
// yellow.
constexpr int kLastTypeOptionColoured = 210, kTypeBlueLabelId = 301;
const std::vector<ColourRule> kFileTypeColours = {
    {0, kGraphBmpOption, kLastTypeOptionColoured, RGB(255, 255, 0), RGB(0, 128, 128)},
    {0, kTypeBlueLabelId, kTypeBlueLabelId, RGB(0, 0, 255), RGB(255, 255, 200)},
    {0, AllControls, AllControlsEnd, RGB(0, 0, 0), RGB(255, 255, 200)},
};
}  // namespace

INT_PTR CALLBACK GraphFileTypeDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
  INT_PTR colour;
  if (DialogColours(dialog, msg, wParam, lParam, kFileTypeColours, colour)) return colour;
  switch (msg) {
    case WM_INITDIALOG:
      SetWindowLongPtrA(dialog, DWLP_USER, lParam);
      SubclassControl(dialog, kGraphTypeOk, EditSubclassProc4);
      return TRUE;
    case WM_COMMAND:
      if (HIWORD(wParam) != BN_CLICKED) return FALSE;
      if (LOWORD(wParam) == kGraphTypeOk) {
        int* answer = reinterpret_cast<int*>(GetWindowLongPtrA(dialog, DWLP_USER));
        int chosen = IsDlgButtonChecked(dialog, kGraphJpegOption) == BST_CHECKED ? 2 : 1;
        if (answer) *answer = chosen;
        EndDialog(dialog, 1);
        return TRUE;
      }
      if (LOWORD(wParam) == kGraphTypeCancel) {
        EndDialog(dialog, 0);
        return TRUE;
      }
      return FALSE;
    case WM_DESTROY:
      RestoreControl(dialog, kGraphTypeOk);
      return FALSE;
  }
  return FALSE;
}

int ChooseGraphFileType(HWND owner, const std::string& caption) {
  int type = 0;
  INT_PTR ended = ShowModalDialog(GraphFileTypeDialog(caption), owner, GraphFileTypeDialogProc,
                                  reinterpret_cast<LPARAM>(&type));
  return ended == 1 ? type : 0;
}

// ----- printing and warnings -----

void PrintGraphDocument(HWND owner, int mode, const std::string& bitmap, bool withCode) {
  std::string file;
  if (mode == 5) {
    DeleteIfExists("GraphBMP.DDC");
    file = "GraphBMP.DDC";
  }
  int doc = dpStartDoc(nullptr, "Structure Data", file, 1, 9, 0, 7, 128);
  if (doc < 1) {
    WarningTones();
    std::string text = withCode ? "Error:" + NumberToText(doc) : "Error:";
    ShowMessage(owner, text, "WARNING!", WarningBoxStyle, *ProgramMessages.answer);
    return;
  }
  if (mode % 2 != 0 && !ddoc::PrinterOrWarning()) {
    // Without a printer the print is not begun: the empty document is dropped, its file too.
    ddoc::Document dropped;
    ddoc::CloseDocument(doc, dropped);
    if (!file.empty()) DeleteIfExists(file);
    return;
  }
  dpGraphic(doc, 2.3f, 2.5f, 26, 14, bitmap);
  dpEndDoc(doc, mode);
}

void WarnMissingResults(HWND owner, const GraphProfile& profile) {
  ShowMessage(owner, profile.missingResultsText, "WARNING!", WarningBoxStyle, *ProgramMessages.answer);
}
