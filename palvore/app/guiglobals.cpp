// Palvore's interface globals, together in one place.
#include "app.h"

namespace palvore {

HWND MainWindow = nullptr;
HMENU MainMenu = nullptr;
int DialogResult = 0;
std::string StructureTitle;
std::string StructureKind = "PILE";
std::string SignedNumberChars, NumberChars, DigitChars;

}  // namespace palvore
