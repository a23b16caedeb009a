// DocView: shows a saved document file (".DDC") in the print preview, from which it can also be
// printed. The file is named on the command line, as Windows does when the file is opened from
// the Explorer.
#include <windows.h>

#include <string>

#include "doc/win/docwin.h"

int main(int argc, char** argv) {
  std::string name;
  for (int i = 1; i < argc; ++i) name += (i > 1 ? " " : "") + std::string(argv[i]);  // a name with blanks, unquoted
  if (name.empty()) {
    ddoc::WarningBox("No Document File was Named!   Start DocView with the Name of a '.DDC' File.");
    return 1;
  }
  return ddoc::ViewDocumentFile(name) == 0 ? 0 : 1;
}
