#include "install/core/launcher.h"

namespace install {

const std::vector<SetupButton>& SetupButtons() {
  static const std::vector<SetupButton> buttons = {
      {kMainSetupId, "&INSTALL", "\\ZOR Software\\ZOR_setup.exe", kBeamsSetupId},
      {kBeamsSetupId, "I&NSTALL", "\\Bonus Software\\Sendrow\\TrabixSetup.exe", kPilesSetupId},
      {kPilesSetupId, "IN&STALL", "\\Bonus Software\\Venrith\\VenrithSetup.exe", kWallsSetupId},
      {kWallsSetupId, "INS&TALL", "\\Bonus Software\\Oskary\\Brenwick.exe", kExitButtonId},
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
