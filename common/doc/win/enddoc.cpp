// Ending a document into the preview or onto the printer, and showing a saved document file.
#include <windows.h>

#include <cstdio>

#include "core/trace.h"
#include "doc/ddoc.h"
#include "doc/win/docwin.h"

namespace ddoc {

int WarningBox(const std::string& text) {
  const UINT style = MB_OK | MB_ICONEXCLAMATION | MB_TASKMODAL;  // 0x2030
  int answer = MessageBoxA(nullptr, text.c_str(), "WARNING!", style);
  char hex[16];
  std::snprintf(hex, sizeof hex, "%X", style);
  TraceLine("box|WARNING!|" + TraceText(text) + "|" + hex + "|" + std::to_string(answer));
  return answer;
}

int ViewDocumentFile(const std::string& name) {
  Document doc;
  DocFileError error = ReadDocumentFile(name, doc);
  if (error != kDocFileOk) {
    WarningBox(DocFileMessage(error, name));
    return error;
  }
  size_t cut = name.find_last_of("\\/");
  std::string shortName = cut == std::string::npos ? name : name.substr(cut + 1);
  return ShowPreview(doc, nullptr, "Print Preview - " + doc.title + " - " + shortName);
}

}  // namespace ddoc

int dpEndDoc(int doc, int mode) {
  std::string call = "dpEndDoc|" + std::to_string(doc) + "|" + std::to_string(mode);
  ddoc::Document d;
  void* parent = nullptr;
  std::string file;
  int result = ddoc::CloseDocument(doc, d, &parent, &file);
  if (result != kDocHandleError) {
    // The program has already told the user where the file goes: that it is not there must be
    // said. The pages still go to the preview or the printer.
    if (result == kDocWriteError) ddoc::WarningBox(ddoc::DocWriteMessage(file));
    HWND owner = static_cast<HWND>(parent);
    if (mode % 2 != 0) {
      ddoc::PrintDocumentPages(d, owner);
    } else {
      int shown = ddoc::ShowPreview(d, owner, "Print Preview - " + d.title);
      if (result == 0) result = shown;
    }
  }
  TraceLine(call + "|=" + std::to_string(result));
  return result;
}
