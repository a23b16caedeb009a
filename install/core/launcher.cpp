#include "install/core/launcher.h"

namespace install {

const std::vector<SetupButton>& SetupButtons() {
  static const std::vector<SetupButton> buttons = {
      {777, "&INSTALL", "\\ZOR Software\\ZOR_setup.exe", 778},
      {778, "I&NSTALL", "\\Bonus Software\\Sendrow\\TrabixSetup.exe", 779},
      {779, "IN&STALL", "\\Bonus Software\\Venrith\\VenrithSetup.exe", 800},
      {800, "INS&TALL", "\\Bonus Software\\Oskary\\Brenwick.exe", 2},
  };
  return buttons;
}

const SetupButton* FindSetupButton(int id) {
  for (const SetupButton& b : SetupButtons())
    if (b.id == id) return &b;
  return nullptr;
}

std::string MissingSetupText(const std::string& path) {
  return "Setup Program " + path + " Cant't be found!\rMake sure that this Program is in the RIGHT DIRECTORY!";
}

std::string SetupCommandLine(const std::string& path) { return "\"" + path + "\""; }

float VersionNumber(std::uint32_t fileVersionMS) {
  float major = static_cast<float>(fileVersionMS >> 16);
  float minor = static_cast<float>(fileVersionMS & 0xFFFFu);
  return major + minor / 100.0f;
}

}  // namespace install
