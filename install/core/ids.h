#pragma once
// The launcher's control ids: its two frames of offers, their panels and texts, and the four
// setup buttons, each of which hands the focus to the next (the last to "&Exit").

namespace install {

// " INSTALLATION of MAIN SOFTWARE ": its inner frame, the bordered panel, the title and the hint.
constexpr int kMainFrameId = 99, kMainInnerFrameId = 105, kMainPanelId = 3136;
constexpr int kMainTitleId = 100, kMainHintId = 101;
// " INSTALLATION of BONUS SOFTWARE ": the frame of its first offer; each offer's panel and text.
constexpr int kBonusFrameId = 106, kBeamsFrameId = 107;
constexpr int kBeamsPanelId = 103, kBeamsTextId = 104;
constexpr int kPilesPanelId = 109, kPilesTextId = 110;
constexpr int kWallsTextId = 111, kWallsPanelId = 112;
// The setup buttons: the main software, then beams, piles and walls.
constexpr int kMainSetupId = 777, kBeamsSetupId = 778, kPilesSetupId = 779, kWallsSetupId = 800;
// "&Exit" (the system's IDCANCEL).
constexpr int kExitButtonId = 2;
// A control made without an id of its own (the grey rectangles, the unnamed frames).
constexpr int kNoId = -1;

}  // namespace install
