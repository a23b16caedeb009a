#pragma once
// The menu bar the analysis programs share (win/programframe.h AnalysisProgramMenu), checked as a
// program installs it: its titles, its commands with their texts in each popup, a separator
// between each two items and the bar's own commands. Built before the job dialog names the
// structure, the Data Input texts begin with a blank.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "win/ids.h"

namespace wintest {

inline std::string MenuText(HMENU menu, UINT position) {
  char text[128] = {0};
  GetMenuStringA(menu, position, text, sizeof text, MF_BYPOSITION);
  return text;
}

inline void ExpectAnalysisProgramMenu(HMENU bar) {
  ASSERT_EQ(GetMenuItemCount(bar), 7);
  std::vector<std::string> titles;
  for (int i = 0; i < 7; ++i) titles.push_back(MenuText(bar, i));
  EXPECT_EQ(titles, (std::vector<std::string>{"&Close", "&Data Input", "&Analysis", "Data/Results &Presentation",
                                              "&New Job", "&Save Job As", "&Help"}));
  EXPECT_EQ(GetMenuItemID(bar, 0), static_cast<UINT>(kCloseCommand));
  EXPECT_EQ(GetMenuItemID(bar, 4), static_cast<UINT>(kNewJobCommand));
  EXPECT_EQ(GetMenuItemID(bar, 5), static_cast<UINT>(kSaveJobAsCommand));
  struct Item {
    int popup, position, id;
    const char* text;
  };
  const std::vector<Item> items = {
      {1, 0, kGeometryCommand, " &Geometry and Material Properties Data"},
      {1, 2, kSupportCommand, " &Support Data"},
      {1, 4, kLoadCommand, " &Load Data"},
      {2, 0, kElasticAnalysisCommand, "&Elastic Analysis"},
      {2, 2, kPlasticAnalysisCommand, "Elastic-&Plastic Analysis"},
      {3, 0, kPresentationCommand, "&Preview/Print/Save Data/Results"},
      {3, 2, kPlotCommand, "P&lot Structural Response Fields"},
      {6, 0, kHelpCommand, "&Help/Info"},
      {6, 2, kAuthorBoxCommand, "&About Author/Contact Address"},
  };
  for (const Item& item : items) {
    HMENU popup = GetSubMenu(bar, item.popup);
    ASSERT_NE(popup, nullptr) << item.text;
    EXPECT_EQ(GetMenuItemID(popup, item.position), static_cast<UINT>(item.id)) << item.text;
    EXPECT_EQ(MenuText(popup, item.position), item.text);
    if (item.position + 1 < GetMenuItemCount(popup)) {
      EXPECT_EQ(GetMenuState(popup, item.position + 1, MF_BYPOSITION) & MF_SEPARATOR, static_cast<UINT>(MF_SEPARATOR))
          << item.text;
    }
  }
}

}  // namespace wintest
