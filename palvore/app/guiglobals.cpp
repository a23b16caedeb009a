// Palvore's interface globals, together in one place.
#include "app.h"

namespace palvore {

HWND MainWindow = nullptr;
HMENU MainMenu = nullptr;
std::string StructureTitle;
std::string StructureKind = "PILE";
std::string SignedNumberChars, NumberChars, DigitChars;

}  // namespace palvore
