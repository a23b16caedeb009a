// The launcher's global tables, in one place.
#include "launcher.h"

namespace install {

namespace {
constexpr ControlKind F = ControlKind::Frame, R = ControlKind::GreyRectangle, BL = ControlKind::BorderedLabel,
                      L = ControlKind::Label, B = ControlKind::Button;
}  // namespace

const char* const LauncherCaption = "  INSTALLATION Program of the Soil-Structure Analysis Suite";

// In the order they are made (which is also the tab order of the buttons).
const std::vector<LauncherControl> LauncherControls = {
    {kMainFrameId, F, -191, 20, 379, 135, " INSTALLATION of MAIN SOFTWARE "},
    {kMainInnerFrameId, F, -188, 28, 371, 87, ""},
    {kNoId, R, -187, 33, 370, 82, ""},
    {kMainPanelId, BL, -186, 34, 368, 80, " \rTo install the MAIN SOFTWARE accompanying book "},
    {kMainTitleId, L, -180, 64, 360, 20, "SOIL-STRUCTURE INTERACTION ANALYSIS\rBeams, Plates, Tanks, Retaining Walls and Piles"},
    {kMainHintId, L, -180, 93, 360, 15, "click button INSTALL (below)"},
    {kMainSetupId, B, -30, 128, 60, 16, "&INSTALL"},
    {kBonusFrameId, F, -191, 175, 379, 132, " INSTALLATION of BONUS SOFTWARE "},
    {kBeamsFrameId, F, -188, 183, 371, 37, ""},
    {kNoId, R, -187, 188, 292, 31, ""},
    {kBeamsPanelId, BL, -186, 189, 291, 30, ""},
    {kBeamsTextId, L, -184, 194, 287, 20, "Analysis of BEAMS and STRIPS in Elastic-Plastic Interaction with Soil"},
    {kBeamsSetupId, B, 115, 196, 60, 16, "I&NSTALL"},
    {kNoId, F, -188, 223, 371, 37, ""},
    {kNoId, R, -187, 228, 292, 31, ""},
    {kPilesPanelId, BL, -186, 229, 291, 30, ""},
    {kPilesTextId, L, -184, 234, 287, 20,
     "Analysis of Laterally Loaded PILES and SHEET PILES in Elastic-Plastic Interaction with Soil"},
    {kPilesSetupId, B, 115, 236, 60, 16, "IN&STALL"},
    {kNoId, F, -188, 263, 371, 37, ""},
    {kNoId, R, -187, 268, 292, 31, ""},
    {kWallsPanelId, BL, -186, 269, 291, 30, ""},
    {kWallsTextId, L, -184, 274, 287, 20,
     "Bending Analysis of Reinforced Concrete Walls in Elastic-Plastic Interaction with Soil"},
    {kWallsSetupId, B, 115, 276, 60, 16, "INS&TALL"},
    {kExitButtonId, B, -21, 320, 42, 16, "&Exit"},
};

const std::vector<ColourRule> LauncherColours = {
    {WM_CTLCOLORDLG, 0, 0, 0, RGB(0, 128, 128)},
    {WM_CTLCOLORSTATIC, kMainFrameId, kMainFrameId, RGB(64, 64, 192), RGB(200, 255, 223)},
    {WM_CTLCOLORSTATIC, kMainTitleId, kMainTitleId, RGB(0, 100, 0), RGB(200, 230, 200)},
    {WM_CTLCOLORSTATIC, kMainHintId, kMainHintId, RGB(0, 0, 0), RGB(200, 230, 200)},
    {WM_CTLCOLORSTATIC, kMainPanelId, kMainPanelId, RGB(0, 0, 0), RGB(200, 230, 200)},
    {WM_CTLCOLORSTATIC, kBonusFrameId, kBonusFrameId, RGB(0, 100, 0), RGB(200, 225, 200)},
    {WM_CTLCOLORSTATIC, kBeamsPanelId, kBeamsTextId, RGB(0, 0, 0), RGB(200, 255, 200)},
    {WM_CTLCOLORSTATIC, kPilesPanelId, kPilesTextId, RGB(0, 0, 0), RGB(160, 255, 255)},
    {WM_CTLCOLORSTATIC, kWallsTextId, kWallsPanelId, RGB(0, 0, 0), RGB(200, 200, 120)},
};

POINT SavedPointer = {0, 0};

}  // namespace install
