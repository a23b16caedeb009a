// The print preview: the pages as they will be printed, one at a time, with page buttons, zoom,
// the bookmarks as a list to jump by, and a print button. Modal: it runs its own message loop.
#include <windows.h>
#include <windowsx.h>

#include <algorithm>
#include <cmath>

#include "core/trace.h"
#include "doc/ddoc.h"
#include "doc/win/docwin.h"
#include "win/handles.h"

namespace ddoc {

const char kPreviewClass[] = "SuiteDocPreview";

namespace {

const char kPageViewClass[] = "SuiteDocPageView";
const int kBarHeight = 34;
const int kListWidth = 230;
const int kMargin = 16;  // grey border around the paper, in pixels
const double kZoomStep = 1.25;
const double kMaxZoom = 8.0;

struct Preview {
  const Document* doc = nullptr;
  HWND frame = nullptr, view = nullptr, list = nullptr, label = nullptr;
  int page = 0;       // 0 = first
  double zoom = 1.0;  // 1 = the whole page fits the view
  int scrollX = 0, scrollY = 0;
  bool closed = false;
  OwnedFont uiFont;
  PictureCache cache;
};

Preview* Of(HWND w) { return reinterpret_cast<Preview*>(GetWindowLongPtrA(w, GWLP_USERDATA)); }

// WM_NCCREATE of the preview's windows: the preview they were created for becomes theirs.
void Adopt(HWND w, LPARAM lp) {
  SetWindowLongPtrA(w, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTA*>(lp)->lpCreateParams));
}

// Pixels per centimetre at the current zoom, and the paper's size in pixels.
double Scale(const Preview& p, int viewW, int viewH) {
  const Page& pg = p.doc->pages[static_cast<size_t>(p.page)];
  double fit = std::min((viewW - 2.0 * kMargin) / pg.width, (viewH - 2.0 * kMargin) / pg.height);
  if (fit < 0.5) fit = 0.5;
  return fit * p.zoom;
}

void UpdateScrollBars(Preview& p) {
  RECT rc;
  GetClientRect(p.view, &rc);
  const Page& pg = p.doc->pages[static_cast<size_t>(p.page)];
  double s = Scale(p, rc.right, rc.bottom);
  int contentW = static_cast<int>(pg.width * s) + 2 * kMargin, contentH = static_cast<int>(pg.height * s) + 2 * kMargin;
  p.scrollX = std::max(0, std::min(p.scrollX, contentW - static_cast<int>(rc.right)));
  p.scrollY = std::max(0, std::min(p.scrollY, contentH - static_cast<int>(rc.bottom)));
  SCROLLINFO si = {sizeof si, SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL, 0, 0, 0, 0, 0};
  si.nMax = contentW - 1;
  si.nPage = static_cast<UINT>(std::max<LONG>(rc.right, 0));
  si.nPos = p.scrollX;
  SetScrollInfo(p.view, SB_HORZ, &si, TRUE);
  si.nMax = contentH - 1;
  si.nPage = static_cast<UINT>(std::max<LONG>(rc.bottom, 0));
  si.nPos = p.scrollY;
  SetScrollInfo(p.view, SB_VERT, &si, TRUE);
}

void Refresh(Preview& p) {
  int count = static_cast<int>(p.doc->pages.size());
  std::string label = "Page " + std::to_string(p.page + 1) + " of " + std::to_string(count);
  SetWindowTextA(p.label, label.c_str());
  EnableWindow(GetDlgItem(p.frame, kPreviewPrevious), p.page > 0);
  EnableWindow(GetDlgItem(p.frame, kPreviewNext), p.page + 1 < count);
  EnableWindow(GetDlgItem(p.frame, kPreviewZoomOut), p.zoom > 1.0);
  EnableWindow(GetDlgItem(p.frame, kPreviewZoomIn), p.zoom * kZoomStep <= kMaxZoom);
  // The list shows the section the page belongs to: the last bookmark on or before it.
  int mark = -1;
  for (size_t i = 0; i < p.doc->bookmarks.size(); ++i)
    if (p.doc->bookmarks[i].page <= p.page + 1) mark = static_cast<int>(i);
  if (p.list && SendMessageA(p.list, LB_GETCURSEL, 0, 0) != mark) SendMessageA(p.list, LB_SETCURSEL, mark, 0);
  UpdateScrollBars(p);
  InvalidateRect(p.view, nullptr, FALSE);
}

void GoTo(Preview& p, int page) {
  int count = static_cast<int>(p.doc->pages.size());
  page = std::max(0, std::min(page, count - 1));
  if (page != p.page) {
    p.page = page;
    p.scrollY = 0;
  }
  Refresh(p);
}

void Zoom(Preview& p, double zoom) {
  RECT rc;
  GetClientRect(p.view, &rc);
  double before = Scale(p, rc.right, rc.bottom);
  // Keep the point in the middle of the view where it is.
  double cx = (p.scrollX + rc.right / 2.0 - kMargin) / before, cy = (p.scrollY + rc.bottom / 2.0 - kMargin) / before;
  p.zoom = std::max(1.0, std::min(zoom, kMaxZoom));
  double after = Scale(p, rc.right, rc.bottom);
  p.scrollX = static_cast<int>(cx * after + kMargin - rc.right / 2.0);
  p.scrollY = static_cast<int>(cy * after + kMargin - rc.bottom / 2.0);
  Refresh(p);
}

void Scroll(Preview& p, int bar, int code, int thumb) {
  RECT rc;
  GetClientRect(p.view, &rc);
  int& pos = bar == SB_HORZ ? p.scrollX : p.scrollY;
  int pageSize = bar == SB_HORZ ? rc.right : rc.bottom;
  switch (code) {
    case SB_LINEUP: pos -= 40; break;
    case SB_LINEDOWN: pos += 40; break;
    case SB_PAGEUP: pos -= pageSize * 9 / 10; break;
    case SB_PAGEDOWN: pos += pageSize * 9 / 10; break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: pos = thumb; break;
    case SB_TOP: pos = 0; break;
    case SB_BOTTOM: pos = 1 << 30; break;
    default: return;
  }
  UpdateScrollBars(p);
  InvalidateRect(p.view, nullptr, FALSE);
}

void PaintView(Preview& p, HDC dc, const RECT& rc) {
  // Drawn off screen and copied at once, so that paging and scrolling do not flicker.
  OwnedDc memory(CreateCompatibleDC(dc));
  OwnedBitmap bmp(CreateCompatibleBitmap(dc, std::max<LONG>(rc.right, 1), std::max<LONG>(rc.bottom, 1)));
  if (!memory || !bmp) return;
  HDC mem = memory.get();
  SelectionGuard useBmp(mem, bmp.get());
  OwnedBrush grey(CreateSolidBrush(RGB(128, 128, 128)));
  FillRect(mem, &rc, grey.get());
  const Page& pg = p.doc->pages[static_cast<size_t>(p.page)];
  double s = Scale(p, rc.right, rc.bottom);
  int pw = static_cast<int>(pg.width * s), ph = static_cast<int>(pg.height * s);
  // A page narrower than the view stands in its middle; a wider one scrolls.
  int left = pw + 2 * kMargin <= rc.right ? (rc.right - pw) / 2 : kMargin - p.scrollX;
  int top = ph + 2 * kMargin <= rc.bottom ? (rc.bottom - ph) / 2 : kMargin - p.scrollY;
  RECT shadow = {left + 4, top + 4, left + pw + 4, top + ph + 4};
  FillRect(mem, &shadow, static_cast<HBRUSH>(GetStockObject(DKGRAY_BRUSH)));
  RECT paper = {left, top, left + pw, top + ph};
  FillRect(mem, &paper, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  OwnedRegion clip(CreateRectRgnIndirect(&paper));
  SelectClipRgn(mem, clip.get());  // the DC takes a copy
  PageMapping map;
  map.left = left;
  map.top = top;
  map.perCmX = map.perCmY = s;
  RenderPage(mem, *p.doc, p.page, map, p.cache);
  SelectClipRgn(mem, nullptr);
  BitBlt(dc, 0, 0, rc.right, rc.bottom, mem, 0, 0, SRCCOPY);
}

// Keys that work wherever the focus is in the preview. True when the key was used.
bool PreviewKey(Preview& p, WPARAM key) {
  bool inList = GetFocus() == p.list;
  switch (key) {
    case VK_NEXT: GoTo(p, p.page + 1); return true;
    case VK_PRIOR: GoTo(p, p.page - 1); return true;
    case VK_HOME: if (inList) return false; GoTo(p, 0); return true;
    case VK_END: if (inList) return false; GoTo(p, static_cast<int>(p.doc->pages.size()) - 1); return true;
    case VK_ADD: case VK_OEM_PLUS: Zoom(p, p.zoom * kZoomStep); return true;
    case VK_SUBTRACT: case VK_OEM_MINUS: Zoom(p, p.zoom / kZoomStep); return true;
    case VK_ESCAPE: DestroyWindow(p.frame); return true;
    default: return false;
  }
}

LRESULT CALLBACK ViewProc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
  Preview* p = Of(w);
  switch (msg) {
    case WM_NCCREATE:
      Adopt(w, lp);
      break;
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: {
      PaintDc paint(w);
      RECT rc;
      GetClientRect(w, &rc);
      if (p && p->doc) PaintView(*p, paint.get(), rc);
      return 0;
    }
    case WM_SIZE:
      if (p && p->doc) {
        UpdateScrollBars(*p);
        InvalidateRect(w, nullptr, FALSE);
      }
      return 0;
    case WM_HSCROLL:
    case WM_VSCROLL:
      if (p) {
        SCROLLINFO si = {sizeof si, SIF_TRACKPOS, 0, 0, 0, 0, 0};
        int bar = msg == WM_HSCROLL ? SB_HORZ : SB_VERT;
        GetScrollInfo(w, bar, &si);
        Scroll(*p, bar, LOWORD(wp), si.nTrackPos);
      }
      return 0;
    case WM_MOUSEWHEEL:
      if (p) {
        int delta = GET_WHEEL_DELTA_WPARAM(wp);
        if (p->zoom > 1.0) Scroll(*p, SB_VERT, delta > 0 ? SB_LINEUP : SB_LINEDOWN, 0);
        else GoTo(*p, p->page + (delta > 0 ? -1 : 1));  // the whole page is in view: the wheel turns pages
      }
      return 0;
    case WM_LBUTTONDOWN: SetFocus(w); return 0;
    case WM_GETDLGCODE: return DLGC_WANTARROWS;
    case WM_KEYDOWN:
      if (p) {
        if (wp == VK_UP) Scroll(*p, SB_VERT, SB_LINEUP, 0);
        else if (wp == VK_DOWN) Scroll(*p, SB_VERT, SB_LINEDOWN, 0);
        else if (wp == VK_LEFT) Scroll(*p, SB_HORZ, SB_LINEUP, 0);
        else if (wp == VK_RIGHT) Scroll(*p, SB_HORZ, SB_LINEDOWN, 0);
        return 0;
      }
      break;
  }
  return DefWindowProcA(w, msg, wp, lp);
}

void Layout(Preview& p) {
  RECT rc;
  GetClientRect(p.frame, &rc);
  int listW = p.doc->bookmarks.empty() ? 0 : kListWidth;
  if (p.list) MoveWindow(p.list, 0, kBarHeight, listW, std::max<LONG>(rc.bottom - kBarHeight, 0), TRUE);
  MoveWindow(p.view, listW, kBarHeight, std::max<LONG>(rc.right - listW, 0), std::max<LONG>(rc.bottom - kBarHeight, 0),
             TRUE);
}

HWND Child(Preview& p, const char* cls, const char* text, DWORD style, int x, int width, int id) {
  HWND c = CreateWindowExA(0, cls, text, WS_CHILD | WS_VISIBLE | style, x, 5, width, kBarHeight - 10, p.frame,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
  SendMessageA(c, WM_SETFONT, reinterpret_cast<WPARAM>(p.uiFont.get()), FALSE);
  return c;
}

void Command(Preview& p, int id, int code) {
  switch (id) {
    case kPreviewPrevious: GoTo(p, p.page - 1); break;
    case kPreviewNext: GoTo(p, p.page + 1); break;
    case kPreviewZoomIn: Zoom(p, p.zoom * kZoomStep); break;
    case kPreviewZoomOut: Zoom(p, p.zoom / kZoomStep); break;
    case kPreviewFit: Zoom(p, 1.0); break;
    case kPreviewPrint: PrintDocumentPages(*p.doc, p.frame); break;
    case kPreviewClose: DestroyWindow(p.frame); return;
    case kPreviewBookmarks:
      if (code == LBN_SELCHANGE) {
        LRESULT i = SendMessageA(p.list, LB_GETCURSEL, 0, 0);
        if (i >= 0 && static_cast<size_t>(i) < p.doc->bookmarks.size()) {
          GoTo(p, p.doc->bookmarks[static_cast<size_t>(i)].page - 1);
          SetFocus(p.view);
        }
      }
      return;
    default: return;
  }
  if (IsWindow(p.view)) SetFocus(p.view);  // keys keep working after a button was pressed
}

LRESULT CALLBACK FrameProc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
  Preview* p = Of(w);
  switch (msg) {
    case WM_NCCREATE:
      Adopt(w, lp);
      break;
    case WM_SIZE:
      if (p && p->view) Layout(*p);
      return 0;
    case WM_GETMINMAXINFO: {
      MINMAXINFO* mm = reinterpret_cast<MINMAXINFO*>(lp);
      mm->ptMinTrackSize.x = 640;
      mm->ptMinTrackSize.y = 300;
      return 0;
    }
    case WM_COMMAND:
      if (p) Command(*p, LOWORD(wp), HIWORD(wp));
      return 0;
    case WM_SETFOCUS:
      if (p && p->view) SetFocus(p->view);
      return 0;
    case WM_CLOSE: DestroyWindow(w); return 0;
    case WM_DESTROY:
      if (p) p->closed = true;
      return 0;
  }
  return DefWindowProcA(w, msg, wp, lp);
}

bool RegisterClasses() {
  static bool done = false;
  if (done) return true;
  HINSTANCE inst = GetModuleHandleA(nullptr);
  WNDCLASSEXA wc = {};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = FrameProc;
  wc.hInstance = inst;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hIcon = LoadIcon(nullptr, IDI_APPLICATION);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = kPreviewClass;
  if (!RegisterClassExA(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) return false;
  wc.lpfnWndProc = ViewProc;
  wc.style = CS_HREDRAW | CS_VREDRAW;
  wc.hbrBackground = nullptr;
  wc.lpszClassName = kPageViewClass;
  if (!RegisterClassExA(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) return false;
  done = true;
  return true;
}

}  // namespace

int ShowPreview(const Document& doc, HWND owner, const std::string& caption) {
  if (doc.pages.empty() || !RegisterClasses()) return kDocDisplayError;
  Preview p;
  p.doc = &doc;
  NONCLIENTMETRICSA ncm = {};
  ncm.cbSize = sizeof ncm;
  if (SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof ncm, &ncm, 0))
    p.uiFont.reset(CreateFontIndirectA(&ncm.lfMessageFont));
  RECT work;
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  HINSTANCE inst = GetModuleHandleA(nullptr);
  p.frame = CreateWindowExA(0, kPreviewClass, caption.c_str(), WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, work.left,
                            work.top, work.right - work.left, work.bottom - work.top, owner, nullptr, inst, &p);
  if (!p.frame) return kDocDisplayError;
  int x = 8;
  HWND print = Child(p, "BUTTON", "&Print...", BS_PUSHBUTTON | WS_TABSTOP, x, 80, kPreviewPrint);
  EnableWindow(print, PrinterInstalled());
  x += 96;
  Child(p, "BUTTON", "<< P&revious", BS_PUSHBUTTON | WS_TABSTOP, x, 90, kPreviewPrevious);
  x += 94;
  p.label = Child(p, "STATIC", "", SS_CENTER | SS_CENTERIMAGE, x, 110, kPreviewPageLabel);
  x += 114;
  Child(p, "BUTTON", "&Next >>", BS_PUSHBUTTON | WS_TABSTOP, x, 90, kPreviewNext);
  x += 106;
  Child(p, "BUTTON", "Zoom &In", BS_PUSHBUTTON | WS_TABSTOP, x, 80, kPreviewZoomIn);
  x += 84;
  Child(p, "BUTTON", "Zoom &Out", BS_PUSHBUTTON | WS_TABSTOP, x, 80, kPreviewZoomOut);
  x += 84;
  Child(p, "BUTTON", "&Fit Page", BS_PUSHBUTTON | WS_TABSTOP, x, 80, kPreviewFit);
  x += 100;
  Child(p, "BUTTON", "&Close", BS_PUSHBUTTON | WS_TABSTOP, x, 80, kPreviewClose);
  if (!doc.bookmarks.empty()) {
    p.list = CreateWindowExA(WS_EX_CLIENTEDGE, "LISTBOX", "",
                             WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, 0,
                             kBarHeight, kListWidth, 100, p.frame,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(kPreviewBookmarks)), inst, nullptr);
    SendMessageA(p.list, WM_SETFONT, reinterpret_cast<WPARAM>(p.uiFont.get()), FALSE);
    for (const Bookmark& b : doc.bookmarks) SendMessageA(p.list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(b.text.c_str()));
  }
  p.view = CreateWindowExA(WS_EX_CLIENTEDGE, kPageViewClass, "", WS_CHILD | WS_VISIBLE | WS_HSCROLL | WS_VSCROLL | WS_TABSTOP,
                           0, kBarHeight, 100, 100, p.frame,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(kPreviewPageView)), inst, &p);
  Layout(p);
  Refresh(p);
  TraceLine("preview|" + TraceText(caption) + "|" + std::to_string(doc.pages.size()));

  bool ownerWasEnabled = owner && IsWindowEnabled(owner);
  if (ownerWasEnabled) EnableWindow(owner, FALSE);
  ShowWindow(p.frame, SW_SHOWMAXIMIZED);
  SetForegroundWindow(p.frame);
  SetFocus(p.view);

  MSG m;
  bool quit = false;
  WPARAM quitCode = 0;
  while (!p.closed) {
    BOOL got = GetMessageA(&m, nullptr, 0, 0);
    if (got <= 0) {  // the program is ending: leave the loop and pass the quit on
      quit = got == 0;
      quitCode = m.wParam;
      break;
    }
    if (m.message == WM_KEYDOWN && (m.hwnd == p.frame || IsChild(p.frame, m.hwnd)) && PreviewKey(p, m.wParam))
      continue;
    if (IsDialogMessageA(p.frame, &m)) continue;
    TranslateMessage(&m);
    DispatchMessageA(&m);
  }
  // The owner is enabled again before the preview goes, so that it becomes the active window.
  if (ownerWasEnabled) EnableWindow(owner, TRUE);
  if (!p.closed) DestroyWindow(p.frame);
  if (quit) PostQuitMessage(static_cast<int>(quitCode));
  return 0;
}

}  // namespace ddoc
