// Trabix's interface globals, together in one place.
#include "app.h"

namespace trabix {

HWND MainWindow = nullptr;
HMENU MainMenu = nullptr;
HWND DialogHandle = nullptr;
OwnedDc MemoryDC;
HWND AnalysisDialogHandle = nullptr;
std::string StructureTitle;
std::string StructureKind = "BEAM";

}  // namespace trabix
