#pragma once
// The control ids of Trabix's own boxes outside the data entry (the data dialogs' are in
// trabix/entry/ids.h, the shared buttons and menu commands in win/ids.h).
#include "win/ids.h"

namespace trabix {

// The author box: its text.
constexpr int kAuthorTextId = 101;

}  // namespace trabix
