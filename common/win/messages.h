#pragma once
// Message boxes, tones, pointer placement and the field warning that the four analysis programs
// share. All routines run on the user-interface thread.
//
// Trace (read by the tests): when the environment variable SUITE_TRACE names a file, each of these
// events appends one line to it (nothing is written otherwise). A line is a record of fields
// separated by TAB; the first field names the event. Inside a field, backslash, TAB, CR and LF are
// written as \\, \t, \r and \n (TraceField below), so every record stays on one line.
//
//   TONE<TAB>frequency<TAB>duration       a tone: frequency in Hz as sounded (rounded to a whole
//                                         number), duration in ms; written before it sounds.
//   BOX<TAB>caption<TAB>text<TAB>style<TAB>answer
//                                         a message box: style as 0x and four upper-case hex digits
//                                         (0x2030), answer the button id (1 OK, 6 Yes, 7 No; 0 when
//                                         the system refused the box); written when the box closes.
//   POINTER<TAB>x<TAB>y                   the mouse pointer was put on the screen point (x, y).
#include <windows.h>

#include <string>
#include <vector>

// Trace helpers: the escaped form of one field, and one record written as a trace line.
std::string TraceField(const std::string& text);
void TraceRecord(const std::vector<std::string>& fields);

// Message box styles of the programs (task-modal).
constexpr UINT WarningBoxStyle = 0x2030;   // exclamation icon, OK
constexpr UINT QuestionBoxStyle = 0x2024;  // question icon, Yes and No
constexpr UINT InfoBoxStyle = 0x2040;      // information icon, OK

// How a program's boxes and field checks differ. Corvane's boxes have no owner and come after a
// 5 ms pause; Trabix's are owned by the dialog passed to ShowMessage and come at once. Trabix,
// Palvore and Murelo check fields with IsNumberText and keep box answers in their own global.
struct MessageProfile {
  bool ownerIsDialog = false;
  int pauseMs = 5;
  void (*numberCheck)(std::string& text, const std::string& allowed, int& code, int kind);  // NormaliseNumberText
  int* answer;  // where WarnIncorrectData and ToggleCheckProc leave their answer: &DialogAnswer
  MessageProfile();
};
// The profile of the running program; a program sets it once at start-up.
extern MessageProfile ProgramMessages;
// The profile of the programs that solve in-process (Trabix, Palvore): boxes owned by the dialog
// that raised them, at once; fields checked with IsNumberText; answers to answer.
MessageProfile DialogOwnedMessages(int* answer);

// Shows a box without owner after a 5 ms pause; returns the button id (0 when refused). Traced.
int ShowMessageBox(const std::string& text, UINT style, const std::string& caption);

// Puts the pointer at (round(0.94 x screen width / 2), round(1.1 x screen height / 2)), shows the box
// (owner and pause as ProgramMessages says; Corvane ignores dialog), stores the button id in
// answer and puts the pointer back where it was.
void ShowMessage(HWND dialog, const std::string& text, const std::string& caption, UINT style, int& answer);

// Sounds one tone with the system Beep (frequency rounded to whole Hz) and returns when it has
// ended (on Windows; Wine returns at once). Traced.
void Tone(float frequency, short duration);

// The four warning tones of 250 ms: 330, 294, 330, 294 Hz.
void WarningTones();

// Moves the pointer to a screen point. Traced.
void MovePointer(int x, int y);
// Moves the pointer to a point of a dialog given in dialog units. Traced.
void PlacePointer(HWND dialog, int x, int y);
// Moves the pointer to the centre of control id of the dialog. Traced.
void PointerOnControl(HWND dialog, int id);

// Reads field id of the dialog (up to 255 characters), trimmed, into text. Kind 55: nothing more.
// Otherwise checks it with the profile's number check and the allowed set, leaves the code in
// kindAndCode and, when the code is above 1, sounds the warning tones, shows the "WARNING!" box
// "INCORRECT DATA!" CR LF CR LF "ENTER NEW DATA." (answer into the profile's answer) and gives the
// focus back to the field.
void WarnIncorrectData(HWND dialog, int id, std::string& text, const std::string& allowed, int& kindAndCode);
