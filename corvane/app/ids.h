#pragma once
// Corvane's own menu commands (the shared ones are in win/ids.h).

// "&Structure Type" / "&New Structure/Job".
constexpr int kBeamStripCommand = 7206;
constexpr int kPlateCommand = 7207;
constexpr int kTankCommand = 7208;
// "&Data Input".
constexpr int kCorvaneGeometryCommand = 7306;
constexpr int kCorvaneSupportCommand = 7307;
constexpr int kCorvaneLoadCommand = 7308;
// "Data/Results &Presentation".
constexpr int kCorvanePresentationCommand = 7777;
constexpr int kCorvanePlotCommand = 7666;
// "&Help".
constexpr int kCorvaneHelpCommand = 7204;
constexpr int kSoftwareBoxCommand = 7205;
constexpr int kCorvaneAuthorBoxCommand = 6699;
