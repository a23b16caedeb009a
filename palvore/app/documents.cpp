// The presentation command: the output chooser with Palvore's data and results documents of the
// chosen load case, and their plain-text copies.
#include "app.h"
#include "core/hostfs.h"
#include "core/textfiles.h"
#include "palvore/core/documents.h"
#include "palvore/core/jobfiles.h"
#include "palvore/views/views.h"
#include "win/messages.h"
#include "win/outputchooser.h"
#include "win/reportdocument.h"

namespace palvore {

short OutputPreview = 1;

void OutputData(int mode, HWND parent) {
  OutputReportDocument(
      mode, parent, JobSpec, "DATA", "Structure Data", [](const std::string&) { WriteDataText(JobSpec, LoadCaseName); },
      [](int doc) {
        PrintGeometryData(doc);
        PrintSupportData(doc);
        PrintLoadData(doc);
      },
      DialogAnswer);
}

void OutputResults(int mode, HWND parent) {
  // Without the case's report there is nothing to show: no empty document.
  if (!ResultsReportPresent(JobSpec, LoadCaseName)) {
    WarningTones();
    ShowMessage(parent, kMissingResultsText, "WARNING!", WarningBoxStyle, DialogAnswer);
    return;
  }
  OutputReportDocument(
      mode, parent, JobSpec, "RESULTS", "RESULTS",
      [](const std::string& file) {
        DeleteIfExists(file);
        hostfs::Copy(ResultsFileName(JobSpec, LoadCaseName), file);
      },
      PrintResults, DialogAnswer);
}

// Statics, the check box and the options (transparent): the options yellow on teal, "&Save"
// black on olive, the prompt yellow on purple, the rest black on spring green.
const std::vector<ColourRule> kPalvoreChooserColours = {
    {WM_CTLCOLORSTATIC, 202, 209, RGB(255, 255, 0), RGB(0, 128, 128)},
    {WM_CTLCOLORSTATIC, 201, 201, RGB(0, 0, 0), RGB(128, 128, 0)},
    {WM_CTLCOLORSTATIC, 110, 111, RGB(255, 255, 0), RGB(128, 0, 128)},
    {WM_CTLCOLORSTATIC, AllControls, AllControlsEnd, RGB(0, 0, 0), RGB(0, 255, 150)},
};

OutputChooserProfile ChooserProfile() {
  OutputChooserProfile p;
  p.colours = &kPalvoreChooserColours;
  p.structureTitle = StructureTitle.empty() ? kStructureTitle : StructureTitle;
  p.loadCaseName = &LoadCaseName;
  p.chooseLoadCase = [] { return ShowLoadCases(2); };
  p.outputData = OutputData;
  p.outputResults = OutputResults;
  p.preview = &OutputPreview;
  p.answer = &DialogAnswer;
  p.captionGap = " ";
  p.centred = true;
  return p;
}

void PresentationCommand() {
  static OutputChooserProfile profile;
  profile = ChooserProfile();
  ::PresentationCommand(MainWindow, profile);
}

}  // namespace palvore
