// The presentation command: the output chooser with Murelo's documents of the job data and of the
// results of the chosen load case, and their plain-text copies.
#include "app.h"
#include "core/numbers.h"
#include "core/textfiles.h"
#include "doc/ddoc.h"
#include "murelo/core/documents.h"
#include "win/messages.h"
#include "win/outputchooser.h"

namespace murelo {

short OutputPreview = 1;

namespace {

// The pointer goes to the middle of the screen while the boxes are shown, then back.
class PointerAtScreenMiddle {
 public:
  PointerAtScreenMiddle() {
    GetCursorPos(&old_);
    MovePointer(GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2);
  }
  ~PointerAtScreenMiddle() { MovePointer(old_.x, old_.y); }

 private:
  POINT old_{0, 0};
};

// Both documents: on the save kinds the information box and the offer of the text copy, then
// the document. kind: "DATA" or "RESULTS".
void OutputDocument(int mode, HWND parent, const std::string& kind, bool (*writeText)(const std::string& file),
                    int (*build)(void* parent, const std::string& file)) {
  const std::string name = DocumentJobName();
  std::string file;
  if (mode == 0 || mode == 1) {
    file = name + "_" + kind + ".DDC";
    PointerAtScreenMiddle pointer;
    ShowMessage(parent,
                kind + " will be Saved in the PROGRAM Directory in '" + file + "' File.   \r\n\r\n" +
                    "Double Click at this File to View the " + kind + "!",
                kind + " File Information", InfoBoxStyle, DialogAnswer);
    ShowMessage(parent,
                kind + " may also be Saved in the PROGRAM Directory\r\nin TEXT FILE '" + name + "_" + kind +
                    ".TXT'.   \r\nDo you want this File?",
                kind + " File Information", MB_YESNO | MB_ICONQUESTION | MB_TASKMODAL, DialogAnswer);
    if (DialogAnswer == IDYES) writeText(name + "_" + kind + ".TXT");
  }
  int doc = build(parent, file);
  if (doc < 1) {
    WarningTones();
    ShowMessage(parent, "Error:", "WARNING!", WarningBoxStyle, DialogAnswer);
    return;
  }
  dpEndDoc(doc, mode);
}

}  // namespace

void OutputData(int mode, HWND parent) { OutputDocument(mode, parent, "DATA", WriteDataText, BuildDataDocument); }

void OutputResults(int mode, HWND parent) {
  OutputDocument(mode, parent, "RESULTS", WriteResultsText, BuildResultsDocument);
}

OutputChooserProfile ChooserProfile() {
  OutputChooserProfile p;
  p.structureTitle = StructureTitle;
  p.loadCaseName = &LoadCaseName;
  p.chooseLoadCase = [] { return ShowLoadCases(2); };
  p.outputData = OutputData;
  p.outputResults = OutputResults;
  p.preview = &OutputPreview;
  p.answer = &DialogAnswer;
  p.captionGap = " ";
  p.centred = true;
  p.subclassButtons = false;
  return p;
}

void PresentationCommand() {
  static OutputChooserProfile profile;
  profile = ChooserProfile();
  ::PresentationCommand(MainWindow, profile);
}

}  // namespace murelo
