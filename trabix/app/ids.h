#pragma once
// The control ids of Trabix's own boxes outside the data entry (the data dialogs' are in
// trabix/entry/ids.h, the shared buttons and menu commands in win/ids.h).
#include "win/ids.h"

namespace trabix {

// The load case list of the programs that solve in-process (win/loaddialog.h): the case's name
// box, "&DELETE/RECYCLE Current Selection" and the frame.
constexpr int kCaseNameBoxId = 555, kCaseDeleteId = 209, kCaseFrameId = 210;

// The author box: its text.
constexpr int kAuthorTextId = 101;

}  // namespace trabix
