#include "win/dialogs.h"

#include <commctrl.h>

#include <algorithm>
#include <cstring>

#include "core/globals.h"
#include "core/numbers.h"
#include "win/handles.h"
#include "win/messages.h"

namespace {

const char* const ContextProp = "SuiteDialogContext";

// The modal dialogs of this thread that are open, the innermost last (they run nested).
thread_local std::vector<HWND> OpenModals;

// What a live dialog needs of its template; owned by the window, freed at WM_NCDESTROY.
struct DialogContext {
  DLGPROC callback = nullptr;
  std::vector<std::pair<int, DLGPROC>> controlCallbacks;
  std::vector<std::function<void(HWND)>> openActions;
  unsigned flags = 0;
  LPARAM param = 0;
  bool modal = false;
  bool open = false;
  bool* reached = nullptr;  // the creating call's own flag: the window took the context over
};

// Little-endian builder of an in-memory DLGTEMPLATEEX.
class TemplateBytes {
 public:
  void Word(WORD w) { Raw(&w, sizeof w); }
  void Dword(DWORD d) { Raw(&d, sizeof d); }
  void Short(short s) { Raw(&s, sizeof s); }
  void Text(const std::string& s) {  // single-byte text as the template's UTF-16 string
    int n = MultiByteToWideChar(CP_ACP, 0, s.c_str(), static_cast<int>(s.size()), nullptr, 0);
    std::wstring w(static_cast<size_t>(n), L'\0');
    if (n) MultiByteToWideChar(CP_ACP, 0, s.c_str(), static_cast<int>(s.size()), &w[0], n);
    for (wchar_t c : w) Word(static_cast<WORD>(c));
    Word(0);
  }
  void AlignDword() {
    while (bytes_.size() % 4) bytes_.push_back(0);
  }
  void PatchWord(size_t at, WORD w) { std::memcpy(&bytes_[at], &w, sizeof w); }
  size_t Size() const { return bytes_.size(); }
  // DWORD-aligned copy (the system requires the template to start on a DWORD boundary).
  std::vector<DWORD> Aligned() const {
    std::vector<DWORD> out((bytes_.size() + 3) / 4, 0);
    std::memcpy(out.data(), bytes_.data(), bytes_.size());
    return out;
  }

 private:
  void Raw(const void* p, size_t n) {
    const unsigned char* c = static_cast<const unsigned char*>(p);
    bytes_.insert(bytes_.end(), c, c + n);
  }
  std::vector<unsigned char> bytes_;
};

std::vector<DWORD> BuildTemplate(const DialogTemplate& d, bool headerOnly) {
  TemplateBytes t;
  size_t count = headerOnly ? 0 : d.controls.size();
  t.Word(1);       // dlgVer
  t.Word(0xFFFF);  // signature: extended template
  t.Dword(0);      // helpID
  t.Dword(d.exStyle);
  t.Dword(d.style | DS_SETFONT);
  t.Word(static_cast<WORD>(count));
  t.Short(static_cast<short>(d.x));
  t.Short(static_cast<short>(d.y));
  t.Short(static_cast<short>(d.width));
  t.Short(static_cast<short>(d.height));
  t.Word(0);  // no menu
  t.Word(0);  // standard dialog class
  t.Text(d.caption);
  t.Word(static_cast<WORD>(d.fontSize));
  t.Word(FW_NORMAL);
  t.Word(0x0100);  // italic 0, charset DEFAULT_CHARSET (1)
  t.Text(d.fontName);
  for (size_t i = 0; i < count; ++i) {
    const DialogControl& c = d.controls[i];
    t.AlignDword();
    t.Dword(0);  // helpID
    t.Dword(c.exStyle);
    t.Dword(c.style | WS_CHILD | WS_VISIBLE);
    t.Short(static_cast<short>(c.x));
    t.Short(static_cast<short>(c.y));
    t.Short(static_cast<short>(c.width));
    t.Short(static_cast<short>(c.height));
    t.Dword(static_cast<DWORD>(c.id));
    t.Text(c.windowClass);
    t.Text(c.text);
    t.Word(0);  // no creation data
  }
  return t.Aligned();
}

DialogContext* ContextOf(HWND dialog) { return static_cast<DialogContext*>(GetPropA(dialog, ContextProp)); }

// The Ok of a dialog that has no default button, when its id is another than IDOK: the data
// dialogs' 55, the lists', tables' and the notice's 9876. The dialog manager's Enter then presses
// it instead of sending IDOK, which no callback of these dialogs answers.
bool IsPushButton(HWND control) {
  return control && (SendMessageA(control, WM_GETDLGCODE, 0, 0) & (DLGC_UNDEFPUSHBUTTON | DLGC_DEFPUSHBUTTON));
}

void DefaultToOk(HWND dialog) {
  // The system's default id is IDOK until a default push button says otherwise.
  const LRESULT defaultId = SendMessageA(dialog, DM_GETDEFID, 0, 0);
  if (HIWORD(defaultId) == DC_HASDEFID && IsPushButton(GetDlgItem(dialog, LOWORD(defaultId)))) return;
  for (int id : {IDOK, kOkId, kContinueId}) {
    HWND ok = GetDlgItem(dialog, id);
    if (IsPushButton(ok)) {
      SendMessageA(dialog, DM_SETDEFID, static_cast<WPARAM>(id), 0);
      return;
    }
  }
}

// Every dialog and box loop of the thread asks this filter before its dialog manager acts on a
// message. Keys: the root window each key last went down in; a release anywhere else is the
// tail of a key that acted there (the Return that closed a box, the Enter that chose the menu
// item) and reaches no control. Enter on a push button that a program focused (SetFocus, not
// the dialog manager) makes it the default first, so that Enter presses the button with the
// focus, as it does after Tab. Ctrl+Tab turns the pages of a tab control.
thread_local HWND KeyDownRoot[256];

bool KeyTakenByControl(HWND control, const MSG& m) {
  return (SendMessageA(control, WM_GETDLGCODE, m.wParam, reinterpret_cast<LPARAM>(&m)) & DLGC_WANTALLKEYS) != 0;
}

// Ctrl+Tab (Ctrl+Shift+Tab back) in a dialog with a tab control: the next tab (after the last the
// first), with the notices a click on it sends.
bool NextTab(HWND root) {
  HWND tabs = FindWindowExA(root, nullptr, WC_TABCONTROLA, nullptr);
  if (!tabs || !IsWindowVisible(tabs) || !IsWindowEnabled(tabs)) return false;
  const int count = static_cast<int>(SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0));
  if (count < 2) return true;
  const int now = static_cast<int>(SendMessageA(tabs, TCM_GETCURSEL, 0, 0));
  const int next = ((now < 0 ? 0 : now) + (GetKeyState(VK_SHIFT) < 0 ? count - 1 : 1)) % count;
  HWND parent = GetParent(tabs);
  NMHDR nm{tabs, static_cast<UINT_PTR>(GetDlgCtrlID(tabs)), static_cast<UINT>(TCN_SELCHANGING)};
  if (SendMessageA(parent, WM_NOTIFY, nm.idFrom, reinterpret_cast<LPARAM>(&nm))) return true;  // refused
  SendMessageA(tabs, TCM_SETCURSEL, static_cast<WPARAM>(next), 0);
  nm.code = static_cast<UINT>(TCN_SELCHANGE);
  SendMessageA(parent, WM_NOTIFY, nm.idFrom, reinterpret_cast<LPARAM>(&nm));
  return true;
}

LRESULT CALLBACK DialogKeyFilter(int code, WPARAM wParam, LPARAM lParam) {
  const MSG* m = reinterpret_cast<const MSG*>(lParam);
  if (code == MSGF_DIALOGBOX && m && m->hwnd && m->wParam < 256) {
    HWND root = GetAncestor(m->hwnd, GA_ROOT);
    switch (m->message) {
      case WM_KEYDOWN:
      case WM_SYSKEYDOWN:
        KeyDownRoot[m->wParam] = root;
        if (m->message == WM_KEYDOWN && m->wParam == VK_TAB && GetKeyState(VK_CONTROL) < 0 && NextTab(root)) return TRUE;
        if (m->wParam == VK_RETURN) {
          HWND focus = GetFocus();
          HWND dialog = focus ? GetParent(focus) : nullptr;
          if (dialog && focus == m->hwnd && (SendMessageA(focus, WM_GETDLGCODE, 0, 0) & DLGC_UNDEFPUSHBUTTON) &&
              !KeyTakenByControl(focus, *m)) {
            SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(focus), TRUE);
          }
        }
        break;
      case WM_CHAR: {
        // A digits-only field refuses every other character; under Wine it does so without a
        // sign, so the refusal sounds the field-warning tones here (the field still refuses it).
        const char ch = static_cast<char>(m->wParam);
        char cls[16] = {0};
        if (ch >= ' ' && (ch < '0' || ch > '9') && GetClassNameA(m->hwnd, cls, sizeof cls) && lstrcmpiA(cls, "Edit") == 0 &&
            (GetWindowLongA(m->hwnd, GWL_STYLE) & ES_NUMBER) && !(GetWindowLongA(m->hwnd, GWL_STYLE) & ES_READONLY))
          WarningTones();
        break;
      }
      case WM_KEYUP:
      case WM_SYSKEYUP:
        if (KeyDownRoot[m->wParam] != root) return TRUE;  // never went down here: dropped
        KeyDownRoot[m->wParam] = nullptr;
        break;
    }
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

void FilterDialogKeys() {
  thread_local OwnedHook filter(SetWindowsHookExA(WH_MSGFILTER, DialogKeyFilter, nullptr, GetCurrentThreadId()));
}

bool FocusInside(HWND dialog) {
  HWND f = GetFocus();
  return f && (f == dialog || IsChild(dialog, f));
}

INT_PTR CALLBACK LayerProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_INITDIALOG) {
    auto* c = reinterpret_cast<DialogContext*>(lParam);
    SetPropA(dialog, ContextProp, c);
    c->open = true;
    if (c->modal) OpenModals.push_back(dialog);
    if (c->reached) *c->reached = true;
    c->reached = nullptr;
    if (c->flags & DialogCentred) CenterWindow(dialog);
    if (c->flags & DialogNoMoveSize) RemoveMoveAndSize(dialog);
    for (auto& action : c->openActions) action(dialog);
    INT_PTR result = c->callback ? c->callback(dialog, msg, wParam, c->param) : TRUE;
    DefaultToOk(dialog);
    // A focus the builder or the callback set stays; otherwise the system takes the first tab stop.
    if (FocusInside(dialog)) return FALSE;
    return result;
  }
  DialogContext* c = ContextOf(dialog);
  if (!c || !c->open) return FALSE;
  INT_PTR result = FALSE;
  if (msg == WM_COMMAND || msg == WM_NOTIFY) {
    int id;
    if (msg == WM_NOTIFY) {
      id = static_cast<int>(reinterpret_cast<NMHDR*>(lParam)->idFrom);
    } else {
      id = lParam ? GetDlgCtrlID(reinterpret_cast<HWND>(lParam)) : LOWORD(wParam);
    }
    for (auto& cc : c->controlCallbacks) {
      if (cc.first == id && cc.second(dialog, msg, wParam, lParam)) return TRUE;
    }
  }
  if (c->callback) result = c->callback(dialog, msg, wParam, lParam);
  if (!result && c->modal && msg == WM_COMMAND && LOWORD(wParam) == IDCANCEL && HIWORD(wParam) == BN_CLICKED) {
    EndDialog(dialog, 0);
    return TRUE;
  }
  if (msg == WM_NCDESTROY) {
    OpenModals.erase(std::remove(OpenModals.begin(), OpenModals.end(), dialog), OpenModals.end());
    RemovePropA(dialog, ContextProp);
    delete c;
  }
  return result;
}

bool NeedsCommonControls(const DialogTemplate& d) {
  for (const auto& c : d.controls) {
    if (lstrcmpiA(c.windowClass.c_str(), "BUTTON") && lstrcmpiA(c.windowClass.c_str(), "EDIT") &&
        lstrcmpiA(c.windowClass.c_str(), "STATIC") && lstrcmpiA(c.windowClass.c_str(), "LISTBOX") &&
        lstrcmpiA(c.windowClass.c_str(), "COMBOBOX")) {
      return true;
    }
  }
  return false;
}

void LoadCommonControls() {
  static bool done = false;
  if (done) return;
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_TAB_CLASSES | ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
  InitCommonControlsEx(&icc);
  done = true;
}

// The context travels as WM_INITDIALOG's lParam and hands the caller's param on to the callback.
DialogContext* NewContext(const DialogTemplate& d, DLGPROC callback, bool modal, LPARAM param) {
  auto* c = new DialogContext;
  c->callback = callback;
  c->controlCallbacks = d.controlCallbacks;
  c->openActions = d.openActions;
  c->flags = d.flags;
  c->modal = modal;
  c->param = param;
  return c;
}

}  // namespace

DialogTemplate NewDialog(const std::string& caption, int x, int y, int width, int height, DWORD style,
                         DWORD exStyle, unsigned flags) {
  DialogTemplate d;
  d.caption = caption;
  d.x = x;
  d.y = y;
  d.width = width;
  d.height = height;
  d.style = style;
  d.exStyle = exStyle;
  d.flags = flags;
  return d;
}

void AddControl(DialogTemplate& d, const std::string& windowClass, int id, const std::string& text, int x, int y,
                int width, int height, DWORD style, DWORD exStyle) {
  d.controls.push_back({windowClass, id, text, x, y, width, height, style, exStyle});
}

void AddLabel(DialogTemplate& d, int id, const std::string& text, int x, int y, int width, int height, DWORD style,
              DWORD exStyle) {
  AddControl(d, "STATIC", id, text, x, y, width, height, style, exStyle);
}

void AddField(DialogTemplate& d, int id, const std::string& text, int x, int y, int width, int height, DWORD style,
              DWORD exStyle) {
  AddControl(d, "EDIT", id, text, x, y, width, height, style, exStyle);
}

void AddButton(DialogTemplate& d, int id, const std::string& text, int x, int y, int width, int height, DWORD style,
               DWORD exStyle) {
  AddControl(d, "BUTTON", id, text, x, y, width, height, style, exStyle);
}

void AddCheckBox(DialogTemplate& d, int id, const std::string& text, int x, int y, int width, int height,
                 DWORD style, DWORD exStyle) {
  AddControl(d, "BUTTON", id, text, x, y, width, height, style, exStyle);
}

void AddOption(DialogTemplate& d, int id, const std::string& text, int x, int y, int width, int height, DWORD style,
               DWORD exStyle) {
  AddControl(d, "BUTTON", id, text, x, y, width, height, style, exStyle);
}

void AddFrame(DialogTemplate& d, int id, const std::string& text, int x, int y, int width, int height, DWORD style,
              DWORD exStyle) {
  AddControl(d, "BUTTON", id, text, x, y, width, height, style, exStyle);
}

void AddLine(DialogTemplate& d, int id, int x, int y, int width, int height, DWORD style) {
  AddControl(d, "STATIC", id, "", x, y, width, height, style);
}

void AddListBox(DialogTemplate& d, int id, int x, int y, int width, int height, DWORD style, DWORD exStyle) {
  AddControl(d, "LISTBOX", id, "", x, y, width, height, style, exStyle);
}

void AddCheckList(DialogTemplate& d, int id, int x, int y, int width, int height, DWORD style, DWORD exStyle) {
  AddControl(d, "LISTBOX", id, "", x, y, width, height, style, exStyle);
}

void AddComboBox(DialogTemplate& d, int id, int x, int y, int width, int height, DWORD style, DWORD exStyle) {
  AddControl(d, "COMBOBOX", id, "", x, y, width, height, style, exStyle);
}

void AddTabControl(DialogTemplate& d, int id, int x, int y, int width, int height, DWORD style, DWORD exStyle) {
  AddControl(d, WC_TABCONTROLA, id, "", x, y, width, height, style, exStyle);
}

void SetControlCallback(DialogTemplate& d, int id, DLGPROC callback) { d.controlCallbacks.emplace_back(id, callback); }

void OnOpen(DialogTemplate& d, std::function<void(HWND)> action) { d.openActions.push_back(std::move(action)); }

HWND ModalOwner(HWND named) {
  while (!OpenModals.empty() && !IsWindow(OpenModals.back())) OpenModals.pop_back();
  if (OpenModals.empty()) return named;
  HWND innermost = OpenModals.back();
  for (HWND w = named ? GetAncestor(named, GA_ROOT) : nullptr; w; w = GetWindow(w, GW_OWNER))
    if (w == innermost) return named;
  return innermost;
}

INT_PTR ShowModalDialog(const DialogTemplate& d, HWND owner, DLGPROC callback, LPARAM param) {
  if (NeedsCommonControls(d)) LoadCommonControls();
  FilterDialogKeys();
  owner = ModalOwner(owner);
  std::vector<DWORD> t = BuildTemplate(d, false);
  DialogContext* c = NewContext(d, callback, true, param);
  bool reached = false;
  c->reached = &reached;
  INT_PTR result = DialogBoxIndirectParamA(GetModuleHandleA(nullptr), reinterpret_cast<LPCDLGTEMPLATEA>(t.data()),
                                           owner, LayerProc, reinterpret_cast<LPARAM>(c));
  // Created dialogs free their context when destroyed; a failed creation never reached it.
  if (!reached) delete c;
  return result;
}

HWND CreateModelessDialog(const DialogTemplate& d, HWND parent, DLGPROC callback, LPARAM param) {
  if (NeedsCommonControls(d)) LoadCommonControls();
  std::vector<DWORD> t = BuildTemplate(d, false);
  DialogContext* c = NewContext(d, callback, false, param);
  bool reached = false;
  c->reached = &reached;
  HWND h = CreateDialogIndirectParamA(GetModuleHandleA(nullptr), reinterpret_cast<LPCDLGTEMPLATEA>(t.data()), parent,
                                      LayerProc, reinterpret_cast<LPARAM>(c));
  if (!reached) delete c;
  return h;
}

HWND CreateDialogControl(HWND dialog, const std::string& windowClass, int id, const std::string& text, int x, int y,
                         int width, int height, DWORD style, DWORD exStyle) {
  if (lstrcmpiA(windowClass.c_str(), WC_TABCONTROLA) == 0) LoadCommonControls();
  // Corner and size converted each on its own, as the system does for the template's controls.
  int left = x, top = y, w = width, h = height;
  UnitsToPixels(dialog, left, top);
  UnitsToPixels(dialog, w, h);
  HWND control = CreateWindowExA(exStyle, windowClass.c_str(), text.c_str(), style | WS_CHILD | WS_VISIBLE, left, top,
                                 w, h, dialog, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                 GetModuleHandleA(nullptr), nullptr);
  if (control) SendMessageA(control, WM_SETFONT, SendMessageA(dialog, WM_GETFONT, 0, 0), FALSE);
  return control;
}

void UnitsToPixels(HWND dialog, int& x, int& y) {
  RECT r{0, 0, x, y};
  MapDialogRect(dialog, &r);
  x = r.right - r.left;
  y = r.bottom - r.top;
}

void PixelsToUnits(HWND dialog, int& x, int& y) {
  RECT base{0, 0, 4, 8};
  MapDialogRect(dialog, &base);
  if (base.right > 0) x = MulDiv(x, 4, base.right);
  if (base.bottom > 0) y = MulDiv(y, 8, base.bottom);
}

void CenterWindow(HWND window) {
  RECT r;
  GetWindowRect(window, &r);
  int w = r.right - r.left, h = r.bottom - r.top;
  int x = (GetSystemMetrics(SM_CXSCREEN) - w) / 2;
  int y = (GetSystemMetrics(SM_CYSCREEN) - (h + GetSystemMetrics(SM_CYCAPTION))) / 2 + 7;
  SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

namespace {

// Where a picture beside what the window holds starts: its client area's right edge or that of
// its widest control, whichever reaches further (a table's scroll bar may reach a little past
// the laid-out width).
long ViewLeft(HWND window) {
  RECT client;
  GetClientRect(window, &client);
  long left = client.right;
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    RECT r;
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&r), 2);
    left = std::max(left, static_cast<long>(r.right));
  }
  return left;
}

}  // namespace

long MakeRoomForView(HWND window, long width, long height) {
  RECT client, outer;
  GetClientRect(window, &client);
  GetWindowRect(window, &outer);
  const long left = ViewLeft(window);
  long grow = std::max(0L, height - static_cast<long>(client.bottom));
  SetWindowPos(window, nullptr, 0, 0, outer.right - outer.left + (left - client.right) + width,
               outer.bottom - outer.top + grow, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  CenterWindow(window);
  // Centred on a screen narrower than table and view together, the table's first columns would
  // lie off the left edge: the window starts at the left edge and ends at the right one, the
  // view narrowed to what is left.
  RECT placed;
  long screen = GetSystemMetrics(SM_CXSCREEN);
  if (GetWindowRect(window, &placed) && placed.left < 0) {
    long w = std::min(static_cast<long>(placed.right - placed.left), screen);
    SetWindowPos(window, nullptr, 0, placed.top, w, placed.bottom - placed.top, SWP_NOZORDER | SWP_NOACTIVATE);
  }
  return left;
}

long ViewWidthOnScreen(HWND window, long wanted, long least) {
  RECT outer{}, client{};
  GetWindowRect(window, &outer);
  GetClientRect(window, &client);
  const long room = GetSystemMetrics(SM_CXSCREEN) - (outer.right - outer.left) - (ViewLeft(window) - client.right) - 8;
  return std::max(least, std::min(wanted, room));
}

void RemoveMoveAndSize(HWND window) {
  HMENU menu = GetSystemMenu(window, FALSE);
  if (!menu) return;
  RemoveMenu(menu, SC_MOVE, MF_BYCOMMAND);
  RemoveMenu(menu, SC_SIZE, MF_BYCOMMAND);
}

void SetFixedFont(HWND dialog, int id) {
  SendDlgItemMessageA(dialog, id, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(SYSTEM_FIXED_FONT)), TRUE);
}

INT_PTR ColourControl(HDC dc, COLORREF text, HBRUSH brush, bool transparent) {
  SetTextColor(dc, text);
  if (transparent) {
    SetBkMode(dc, TRANSPARENT);
  } else {
    LOGBRUSH lb{};
    if (brush && GetObjectA(brush, sizeof lb, &lb)) SetBkColor(dc, lb.lbColor);
    SetBkMode(dc, OPAQUE);
  }
  return reinterpret_cast<INT_PTR>(brush);
}

int TextWidth(HWND dialog, HDC dc, const std::string& text, int& height) {
  // Two characters beyond the trimmed length, so a text that ends early is padded with blanks.
  size_t n = Trim(text).size() + 2;
  std::string measured = text.substr(0, n);
  measured.resize(n, ' ');
  SIZE size{0, 0};
  GetTextExtentPoint32A(dc, measured.c_str(), static_cast<int>(measured.size()), &size);
  int w = size.cx, h = size.cy;
  PixelsToUnits(dialog, w, h);
  height = h;
  return w;
}

int DialogTextWidth(const DialogTemplate& d, const std::string& text, int& height) {
  // A hidden dialog of the same header gives the font and the units.
  DialogTemplate probe = d;
  probe.style &= ~(WS_VISIBLE | WS_CHILD);
  probe.style |= WS_POPUP;
  std::vector<DWORD> t = BuildTemplate(probe, true);
  HWND h = CreateDialogIndirectParamA(GetModuleHandleA(nullptr), reinterpret_cast<LPCDLGTEMPLATEA>(t.data()), nullptr,
                                      [](HWND, UINT, WPARAM, LPARAM) -> INT_PTR { return FALSE; }, 0);
  if (!h) {
    height = 0;
    return 0;
  }
  int w = 0;
  {
    WindowDc dc(h);
    SelectionGuard useFont(dc.get(), reinterpret_cast<HFONT>(SendMessageA(h, WM_GETFONT, 0, 0)));
    w = TextWidth(h, dc.get(), text, height);
  }  // given back before its window goes
  DestroyWindow(h);
  return w;
}

INT_PTR CALLBACK CloseDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM) {
  if (msg == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
    EndDialog(dialog, 1);
    return TRUE;
  }
  return FALSE;
}

INT_PTR CALLBACK ToggleCheckProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg != WM_COMMAND || HIWORD(wParam) != BN_CLICKED) return FALSE;
  int id = lParam ? GetDlgCtrlID(reinterpret_cast<HWND>(lParam)) : LOWORD(wParam);
  *ProgramMessages.answer = static_cast<int>(IsDlgButtonChecked(dialog, id));
  if (id == SharedIntegers(kToggleLastIdSlot) && SharedIntegers(kToggleOnSlot) == 1) {
    CheckDlgButton(dialog, id, BST_UNCHECKED);
    SharedIntegers(kToggleOnSlot) = 0;
  } else {
    CheckDlgButton(dialog, id, BST_CHECKED);
    SharedIntegers(kToggleOnSlot) = 1;
  }
  SharedIntegers(kToggleLastIdSlot) = id;
  return FALSE;
}

int FirstCheckedButton(HWND dialog, int first, int last) {
  for (int id = first; id <= last; ++id) {
    if (SendDlgItemMessageA(dialog, id, BM_GETCHECK, 0, 0) & 1) return id;
  }
  return 0;
}

DWORD WINAPI MessagePumpThread(LPVOID window) {
  HWND w = static_cast<HWND>(window);
  // A thread can only move its own queue; it wakes on its own messages or every 50 ms to look
  // whether the window still exists.
  while (IsWindow(w)) {
    MSG m;
    while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&m);
      DispatchMessageA(&m);
    }
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
  }
  return 1;
}
