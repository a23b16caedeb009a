#pragma once
// The portable part of the setup launcher: which button starts which setup program, the warning
// text of a setup that is not on the medium, and the version number of a file-version word.
#include <cstdint>
#include <string>
#include <vector>

#include "install/core/ids.h"

namespace install {

// One setup offer of the launcher: its button, the button's caption, the setup program as a path
// from the root of the current drive, and the button that gets the focus after it.
struct SetupButton {
  int id;
  const char* caption;
  const char* path;
  int next;
};

// The four offers, main software first; the last hands the focus to "&Exit".
const std::vector<SetupButton>& SetupButtons();
// The offer of a button id, null for any other id.
const SetupButton* FindSetupButton(int id);

// The warning shown when the setup program of path is not on the medium.
std::string MissingSetupText(const std::string& path);
// The command line the setup program gets: its path quoted, since the paths hold blanks.
std::string SetupCommandLine(const std::string& path);

// Major + minor / 100 of the most significant file-version word (high word major, low word minor).
float VersionNumber(std::uint32_t fileVersionMS);

}  // namespace install
