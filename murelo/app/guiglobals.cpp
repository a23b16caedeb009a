// Murelo's interface globals, together in one place.
#include "app.h"

namespace murelo {

HWND MainWindow = nullptr;
HMENU MainMenu = nullptr;
std::string StructureTitle;
std::string SignedNumberChars, NumberChars, DigitChars;

}  // namespace murelo
