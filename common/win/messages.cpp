#include "win/messages.h"

#include <cmath>
#include <cstdio>

#include "core/fieldcheck.h"
#include "core/globals.h"
#include "core/numbers.h"
#include "core/trace.h"
#include "win/dialogs.h"

MessageProfile::MessageProfile() : numberCheck(NormaliseNumberText), answer(&DialogAnswer) {}

MessageProfile DialogOwnedMessages(int* answer) {
  MessageProfile p;
  p.ownerIsDialog = true;
  p.pauseMs = 0;
  p.numberCheck = IsNumberText;
  p.answer = answer;
  return p;
}

MessageProfile ProgramMessages;

std::string TraceField(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    switch (c) {
      case '\\': out += "\\\\"; break;
      case '\t': out += "\\t"; break;
      case '\r': out += "\\r"; break;
      case '\n': out += "\\n"; break;
      default: out += c;
    }
  }
  return out;
}

void TraceRecord(const std::vector<std::string>& fields) {
  if (!TraceEnabled()) return;
  std::string line;
  for (size_t i = 0; i < fields.size(); ++i) {
    if (i) line += '\t';
    line += TraceField(fields[i]);
  }
  TraceLine(line);
}

namespace {

// One place shows every box, so each is traced the same way.
int ShowBox(HWND owner, const std::string& text, UINT style, const std::string& caption, int pauseMs) {
  if (pauseMs > 0) Sleep(pauseMs);
  // A box named over the main window while a dialog is open sits over the dialog.
  if (owner) owner = ModalOwner(owner);
  int answer = MessageBoxA(owner, text.c_str(), caption.c_str(), style);
  char styleText[16];
  std::snprintf(styleText, sizeof styleText, "0x%04X", style);
  TraceRecord({"BOX", caption, text, styleText, std::to_string(answer)});
  return answer;
}

// The single saved pointer position: boxes are never nested.
POINT SavedPointer;

}  // namespace

int ShowMessageBox(const std::string& text, UINT style, const std::string& caption) {
  return ShowBox(nullptr, text, style, caption, 5);
}

void ShowMessage(HWND dialog, const std::string& text, const std::string& caption, UINT style, int& answer) {
  GetCursorPos(&SavedPointer);
  POINT back = SavedPointer;
  int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
  MovePointer(static_cast<int>(std::lround(0.94 * w / 2)), static_cast<int>(std::lround(1.1 * h / 2)));
  HWND owner = ProgramMessages.ownerIsDialog ? dialog : nullptr;
  answer = ShowBox(owner, text, style, caption, ProgramMessages.pauseMs);
  MovePointer(back.x, back.y);
}

void Tone(float frequency, short duration) {
  long hz = std::lround(frequency);
  TraceRecord({"TONE", std::to_string(hz), std::to_string(duration)});
  // Beep accepts 37 to 32767 Hz; other values sound nothing but still take their time on Windows.
  if (hz >= 37 && hz <= 32767) {
    Beep(static_cast<DWORD>(hz), static_cast<DWORD>(duration > 0 ? duration : 0));
  } else if (duration > 0) {
    Sleep(static_cast<DWORD>(duration));
  }
}

void WarningTones() {
  Tone(330, 250);
  Tone(294, 250);
  Tone(330, 250);
  Tone(294, 250);
}

void MovePointer(int x, int y) {
  SetCursorPos(x, y);
  TraceRecord({"POINTER", std::to_string(x), std::to_string(y)});
}

void PlacePointer(HWND dialog, int x, int y) {
  RECT r{x, y, x, y};
  MapDialogRect(dialog, &r);
  POINT p{r.left, r.top};
  ClientToScreen(dialog, &p);
  MovePointer(p.x, p.y);
}

void PointerOnControl(HWND dialog, int id) {
  RECT r{};
  GetWindowRect(GetDlgItem(dialog, id), &r);
  MovePointer((r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

void WarnIncorrectData(HWND dialog, int id, std::string& text, const std::string& allowed, int& kindAndCode) {
  char buffer[256] = {0};
  GetDlgItemTextA(dialog, id, buffer, sizeof buffer);
  text = Trim(buffer);
  if (kindAndCode == 55) return;
  int code = 0;
  ProgramMessages.numberCheck(text, allowed, code, kindAndCode);
  kindAndCode = code;
  if (code > 1) {
    WarningTones();
    ShowMessage(dialog, "INCORRECT DATA!\r\n\r\nENTER NEW DATA.", "WARNING!", WarningBoxStyle, *ProgramMessages.answer);
    SetFocus(GetDlgItem(dialog, id));
  }
}
