#include "install/core/launcher.h"

#include <gtest/gtest.h>

namespace {

using install::SetupButton;

TEST(SetupButtons, EachOfferStartsItsProgramAndPassesTheFocusOn) {
  const struct {
    int id;
    const char* caption;
    const char* path;
    int next;
  } expected[] = {
      {install::kMainSetupId, "&INSTALL", "\\ZOR Software\\ZOR_setup.exe", install::kBeamsSetupId},
      {install::kBeamsSetupId, "I&NSTALL", "\\Bonus Software\\Sendrow\\TrabixSetup.exe", install::kPilesSetupId},
      {install::kPilesSetupId, "IN&STALL", "\\Bonus Software\\Venrith\\VenrithSetup.exe", install::kWallsSetupId},
      {install::kWallsSetupId, "INS&TALL", "\\Bonus Software\\Oskary\\Brenwick.exe", install::kExitButtonId},
  };
  const auto& buttons = install::SetupButtons();
  ASSERT_EQ(buttons.size(), 4u);
  for (size_t i = 0; i < buttons.size(); ++i) {
    EXPECT_EQ(buttons[i].id, expected[i].id);
    EXPECT_STREQ(buttons[i].caption, expected[i].caption);
    EXPECT_STREQ(buttons[i].path, expected[i].path);
    EXPECT_EQ(buttons[i].next, expected[i].next);
    EXPECT_EQ(install::FindSetupButton(expected[i].id), &buttons[i]);
  }
  EXPECT_EQ(install::FindSetupButton(install::kExitButtonId), nullptr);
  EXPECT_EQ(install::FindSetupButton(0), nullptr);
}

TEST(MissingSetupText, NamesThePathAndWhereItShouldBe) {
  EXPECT_EQ(install::MissingSetupText("\\Bonus Software\\Venrith\\VenrithSetup.exe"),
            "Setup Program \\Bonus Software\\Venrith\\VenrithSetup.exe Cant't be found!\r"
            "Make sure that this Program is in the RIGHT DIRECTORY!");
}

TEST(SetupCommandLine, QuotesAPathWithBlanks) {
  EXPECT_EQ(install::SetupCommandLine("\\ZOR Software\\ZOR_setup.exe"), "\"\\ZOR Software\\ZOR_setup.exe\"");
}

TEST(VersionNumber, MajorPlusMinorHundredths) {
  const struct {
    unsigned ms;
    float version;
  } cases[] = {
      {0x00060002u, 6.02f},
      {0x0005000Au, 5.1f},
      {0x00050050u, 5.8f},
      {0x00000000u, 0.0f},
      {0x00010000u, 1.0f},
  };
  for (const auto& c : cases) EXPECT_FLOAT_EQ(install::VersionNumber(c.ms), c.version) << std::hex << c.ms;
}

}  // namespace
