#include "win/reportdocument.h"

#include "core/jobspec.h"
#include "core/textfiles.h"
#include "doc/ddoc.h"
#include "win/messages.h"

std::string DocumentJobName(const std::string& job) {
  JobPathParts parts;
  int code = 0;
  ValidatePath(job + ".AAA", parts, code);
  return parts.baseName.empty() ? job : parts.baseName;
}

void OutputReportDocument(int mode, HWND parent, const std::string& job, const std::string& kind,
                          const std::string& title, const std::function<void(const std::string& file)>& writeText,
                          const std::function<void(int doc)>& pages, int& answer) {
  const std::string name = DocumentJobName(job);
  std::string file;
  if (mode == 0 || mode == 1) {
    file = name + "_" + kind + ".DDC";
    DeleteIfExists(file);
    ShowMessage(parent,
                kind + " will be Saved in the PROGRAM Directory in '" + file + "' File.   \r\n\r\n\r\n" +
                    "Double Click at this File to View the " + kind + "!",
                kind + " File Information", InfoBoxStyle, answer);
    ShowMessage(parent,
                kind + " may also be Saved in the PROGRAM Directory\r\nin TEXT FILE '" + name + "_" + kind +
                    ".TXT'.   \r\n\r\n\r\nDo you want this File?",
                kind + " File Information", MB_YESNO | MB_ICONINFORMATION | MB_TASKMODAL, answer);
    if (answer == IDYES && writeText) writeText(name + "_" + kind + ".TXT");
  }
  const int doc = dpStartDoc(parent, title, file, 1, 9, 0, 7, 0x80);
  if (doc < 1) {
    WarningTones();
    ShowMessage(parent, "Error:" + std::to_string(doc), "WARNING!", WarningBoxStyle, answer);
    return;
  }
  if (pages) pages(doc);
  dpEndDoc(doc, mode);
}
