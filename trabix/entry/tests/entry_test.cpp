// Trabix's data entry on screen, driven under Wine: the geometry dialog and its table, the support
// types with their data dialogs, and the support file they leave.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>

#include "../../../common/tests/testdir.h"
#include "core/fieldcheck.h"
#include "core/globals.h"
#include "core/textfiles.h"
#include "trabix/core/dataentry.h"
#include "trabix/core/globals.h"
#include "trabix/core/slots.h"
#include "trabix/core/jobfiles.h"
#include "trabix/entry/entry.h"
#include "trabix/entry/ids.h"
#include "win/messages.h"
#include "win/testing/layout.h"
#include "win/testing/keys.h"
#include "win/testing/wintest.h"
#include "entrytest.h"
#include "win/ids.h"

namespace trabix {
namespace {

using wintest::Do;
using wintest::RunScript;
using wintest::WhenDialog;

const char* const kCaption = "   BEAM/STRIP ANALYSIS.   JOB: JOB";

class Entry : public ::testing::Test {
 protected:
  void SetUp() override {
    ProgramMessages = DialogOwnedMessages(&DialogAnswer);
    JobSpec = "JOB";
  }
  // Fills the geometry dialog's five fields.
  static void Fill(HWND d, const char* length, const char* elements, const char* modulus = "2E7",
                   const char* nu = "0.2", const char* alpha = "1E-5") {
    wintest::SetText(d, entry::kGeometryFieldBaseId + 1, length);
    wintest::SetText(d, entry::kGeometryFieldBaseId + 2, elements);
    wintest::SetText(d, entry::kGeometryFieldBaseId + 3, modulus);
    wintest::SetText(d, entry::kGeometryFieldBaseId + 4, nu);
    wintest::SetText(d, entry::kGeometryFieldBaseId + 5, alpha);
  }
  TestDirectory dir_;
  wintest::TraceCapture trace_;
};

TEST_F(Entry, GeometryItemsRefusedThenSavedWithoutTable) {
  std::vector<std::string> warnings;
  std::string focusOnOpen;
  bool ok = RunScript({WhenDialog(kCaption,
                                  [&](HWND d) {
                                    focusOnOpen = std::to_string(GetDlgCtrlID(GetFocus()));
                                    EXPECT_EQ(wintest::GetText(d, kHeadingId),
                                              " GENERAL GEOMETRY and MATERIAL PROPERTIES DATA:");
                                    EXPECT_EQ(IsDlgButtonChecked(d, kBeamOptionId), BST_CHECKED);
                                    EXPECT_EQ(IsDlgButtonChecked(d, kEntireOptionId), BST_CHECKED);
                                    EXPECT_EQ(IsDlgButtonChecked(d, entry::kDetailsBoxId), BST_CHECKED);
                                    Fill(d, "0", "4");
                                    wintest::PostClick(d, kOkId);
                                  }),
                       entrytest::WarningInto(warnings),
                       WhenDialog(kCaption,
                                  [&](HWND d) {
                                    wintest::SetText(d, entry::kGeometryFieldBaseId + 1, "-1");
                                    wintest::PostClick(d, kOkId);
                                  }),
                       entrytest::WarningInto(warnings),
                       WhenDialog(kCaption,
                                  [&](HWND d) {
                                    Fill(d, "10", "4", "2.0.7");
                                    wintest::PostClick(d, kOkId);
                                  }),
                       entrytest::WarningInto(warnings),
                       WhenDialog(kCaption,
                                  [&](HWND d) {
                                    Fill(d, "10", "4", "0");
                                    CheckDlgButton(d, entry::kDetailsBoxId, BST_UNCHECKED);
                                    wintest::Click(d, kOkId);
                                  })},
                      [&] { GeometryCommand(nullptr); })
                .finished;
  ASSERT_TRUE(ok);
  EXPECT_EQ(focusOnOpen, std::to_string(entry::kGeometryFieldBaseId + 1));
  ASSERT_EQ(warnings.size(), 3u);
  EXPECT_EQ(warnings[0], "INCORRECT DATA of Item  1!\r\n\r\nENTER NEW DATA.");
  EXPECT_EQ(warnings[1], "INCORRECT DATA of Item  1!\r\n\r\nENTER NEW DATA.");
  EXPECT_EQ(warnings[2], "INCORRECT DATA of Item  3!\r\n\r\nENTER NEW DATA.");
  EXPECT_EQ(trace_.Records("TONE").size(), 12u);
  std::vector<std::string> lines = entrytest::FileLines("JOB.geo");
  ASSERT_EQ(lines.size(), 9u);  // no element table
  EXPECT_EQ(lines[2], "DATA:  BEAM!");
}

// More elements than a job file holds, typed into the count: refused with the item's warning,
// which says the range, and nothing is written (it was kept as no elements).
TEST_F(Entry, ElementCountAboveTheLimitIsRefusedNamingTheRange) {
  std::vector<std::string> warnings;
  bool ok = RunScript({WhenDialog(kCaption,
                                  [&](HWND d) {
                                    Fill(d, "10", "");
                                    HWND count = GetDlgItem(d, entry::kGeometryFieldBaseId + 2);
                                    SetFocus(count);
                                    EXPECT_TRUE(wintest::TypeKeys(count, "6000"));
                                  }),
                       WhenDialog(kCaption, [&](HWND d) { wintest::PostClick(d, kOkId); }),
                       entrytest::WarningInto(warnings),
                       WhenDialog(kCaption, [&](HWND d) { wintest::Click(d, kCancelId); })},
                      [&] { GeometryCommand(nullptr); })
                .finished;
  ASSERT_TRUE(ok);
  EXPECT_EQ(warnings, std::vector<std::string>{"INCORRECT DATA of Item  2!\r\n(0 to 5000 elements)\r\n\r\nENTER NEW DATA."});
  EXPECT_FALSE(FileExists("JOB.geo"));
}

TEST_F(Entry, TypingAtOnceReplacesTheLengthShown) {
  std::string length, elements;
  bool ok = RunScript({WhenDialog(kCaption,
                                  [&](HWND) {
                                    for (char ch : {'1', '2'}) PostMessageA(GetFocus(), WM_CHAR, ch, 1);
                                  }),
                       WhenDialog(kCaption,
                                  [&](HWND d) {
                                    length = wintest::GetText(d, entry::kGeometryFieldBaseId + 1);
                                    elements = wintest::GetText(d, entry::kGeometryFieldBaseId + 2);
                                    wintest::Click(d, kCancelId);
                                  })},
                      [&] { GeometryCommand(nullptr); })
                .finished;
  ASSERT_TRUE(ok);
  EXPECT_EQ(length, "12");
  EXPECT_EQ(elements, "0");
}

// A table of no elements: OK is refused (their lengths add up to 0), the table stays open, and
// the file keeps what the geometry dialog wrote.
TEST_F(Entry, GeometryTableWithoutElementsIsRefused) {
  std::vector<std::string> warnings;
  bool stillOpen = false;
  bool ok = RunScript({WhenDialog(kCaption,
                                  [&](HWND d) {
                                    Fill(d, "10", "0");
                                    wintest::PostClick(d, kOkId);
                                  }),
                       WhenDialog(" GEOMETRY DETAILS DATA:", [&](HWND t) { wintest::PostClick(t, kContinueId); }),
                       entrytest::WarningInto(warnings),
                       WhenDialog(" GEOMETRY DETAILS DATA:",
                                  [&](HWND t) {
                                    stillOpen = true;
                                    wintest::PostClick(t, kTableCancelId);  // CANCEL
                                  })},
                      [&] { GeometryCommand(nullptr); })
                .finished;
  ASSERT_TRUE(ok);
  EXPECT_TRUE(stillOpen);
  ASSERT_EQ(warnings.size(), 1u);
  EXPECT_EQ(warnings[0], "Incorrect Element Length Data\r\n\r\n          Correct the Data!");
  EXPECT_EQ(entrytest::FileLines("JOB.geo").size(), 9u);  // no element table
}

TEST_F(Entry, EmptyElementCountStoresNoElements) {
  bool ok = RunScript({WhenDialog(kCaption,
                                  [&](HWND d) {
                                    Fill(d, "10", "");
                                    CheckDlgButton(d, entry::kDetailsBoxId, BST_UNCHECKED);
                                    wintest::Click(d, kOkId);
                                  })},
                      [&] { GeometryCommand(nullptr); })
                .finished;
  ASSERT_TRUE(ok);
  std::vector<std::string> lines = entrytest::FileLines("JOB.geo");
  ASSERT_GE(lines.size(), 5u);
  EXPECT_EQ(lines[4].substr(0, 20), "     10          0  ");
}

TEST_F(Entry, GeometryTableFollowsAndChecks) {
  std::vector<std::string> warnings, cells;
  auto table = [&](HWND t) {
    HWND page = TablePage();
    cells.push_back(wintest::GetText(page, kFirstCellId + 1));
    cells.push_back(wintest::GetText(page, kFirstCellId + 4));
    cells.push_back(wintest::GetText(page, kFirstCellId + 10));
    wintest::PostClick(t, kContinueId);  // widths and depths 0: the widths are reported
  };
  wintest::ScriptResult ok =
      RunScript({WhenDialog(kCaption,
                            [&](HWND d) {
                              Fill(d, "10", "4");
                              wintest::PostClick(d, kOkId);
                            }),
                 WhenDialog(" GEOMETRY DETAILS DATA:", table), entrytest::WarningInto(warnings),
                 WhenDialog(" GEOMETRY DETAILS DATA:",
                            [&](HWND t) { wintest::PostClick(t, kFirstColumnButtonId + 2); }),  // UNIFORM width
                 WhenDialog(kCaption,
                            [&](HWND u) {
                              cells.push_back(wintest::GetText(u, entry::kUniformFieldId));
                              wintest::SetText(u, entry::kUniformFieldId, "0.5");
                              wintest::Click(u, kOkId);
                            }),
                 WhenDialog(" GEOMETRY DETAILS DATA:",
                            [&](HWND t) { wintest::PostClick(t, kFirstColumnButtonId + 5); }),  // GENERATE depth
                 WhenDialog(kCaption,
                            [&](HWND g) {
                              cells.push_back(wintest::GetText(g, entry::kFirstRangeFieldId + 1));
                              wintest::SetText(g, entry::kFirstRangeFieldId + 1, "4");
                              wintest::SetText(g, entry::kFirstRangeFieldId + 2, "0");
                              wintest::SetText(g, entry::kLastRangeFieldId, "0.8");
                              wintest::PostClick(g, kOkId);  // step 0 refused
                            }),
                 entrytest::WarningInto(warnings),
                 WhenDialog(kCaption,
                            [&](HWND g) {
                              wintest::SetText(g, entry::kFirstRangeFieldId + 2, "1");
                              wintest::Click(g, kOkId);  // rows 1, 2, 3, 4 (the end is included)
                            }),
                 WhenDialog(" GEOMETRY DETAILS DATA:",
                            [&](HWND t) {
                              HWND page = TablePage();
                              cells.push_back(wintest::GetText(page, kFirstCellId + 2));
                              cells.push_back(wintest::GetText(page, kFirstCellId + 12));
                              wintest::Click(t, kContinueId);
                            })},
                [&] { GeometryCommand(nullptr); });
  ASSERT_TRUE(ok.finished);
  ASSERT_EQ(cells.size(), 7u);
  EXPECT_EQ(cells[0], "2.5");    // 10 m / 4
  EXPECT_EQ(cells[1], "2.5");
  EXPECT_EQ(cells[2], "2.5");
  EXPECT_EQ(cells[3], "0.0000");
  EXPECT_EQ(cells[4], "4");
  EXPECT_EQ(cells[5], ".5");  // the text as the field check leaves it
  EXPECT_EQ(cells[6], ".8");
  ASSERT_EQ(warnings.size(), 2u);
  EXPECT_EQ(warnings[0], "Incorrect Element Width Data\r\n\r\n          Correct the Data!");
  EXPECT_EQ(warnings[1], "Incorrect Unyielding Support Data!\r\n\r\n        Correct the Data!         ");
  std::vector<std::string> lines = entrytest::FileLines("JOB.geo");
  ASSERT_EQ(lines.size(), 13u);
  EXPECT_EQ(lines[7], "    1              2.5000           0.5000           0.8000  ");
}

// A beam of 4 elements of 2.5 m, 0.8 m deep, with its element table.
void WriteBeam() { entrytest::SaveBeam("0.8"); }

TEST_F(Entry, OnlyLeftEdgeIsNotSupported) {
  WriteBeam();
  std::string warning;
  bool ok =
      RunScript({WhenDialog(kCaption,
                            [&](HWND d) {
                              EXPECT_TRUE(IsWindowEnabled(GetDlgItem(d, kRightEdgeBoxId)));
                              CheckDlgButton(d, entry::kFirstSupportBoxId, BST_CHECKED);
                              wintest::PostClick(d, kContinueId);
                            }),
                 entrytest::WarningInto(warning), WhenDialog(kCaption, [&](HWND d) { wintest::Click(d, kCancelId); })},
                [&] { SupportDataCommand(nullptr); })
          .finished;
  ASSERT_TRUE(ok);
  EXPECT_EQ(warning, "The STRUCTURE is NOT SUPPORTED!\r\n\r\nCORRECT the SUPPORT Specification!");
  // Rewritten after Cancel too.
  EXPECT_NE(entrytest::FileText("JOB.SUP").find("BEAM/STRIP SUPPORT DATA:"), std::string::npos);
}

TEST_F(Entry, WinklerClickedTwiceLeavesNoSoil) {
  WriteBeam();
  int winkler = -1;
  bool ok = RunScript({WhenDialog(kCaption,
                                  [&](HWND d) {
                                    wintest::Click(d, entry::kWinklerOptionId);
                                    wintest::Click(d, entry::kWinklerOptionId);
                                    winkler = IsDlgButtonChecked(d, entry::kWinklerOptionId);
                                    wintest::Click(d, kCancelId);
                                  })},
                      [&] { SupportDataCommand(nullptr); })
                .finished;
  ASSERT_TRUE(ok);
  EXPECT_EQ(winkler, BST_UNCHECKED);
}

// SET SAME of the Winkler table asks for one subgrade modulus and puts it at both ends of every
// element, whatever column has the focus; the yield stresses stay; the support file holds both.
TEST_F(Entry, WinklerSetSameFillsBothModulusColumns) {
  WriteBeam();
  std::string label;
  std::vector<std::string> cells;
  bool ok =
      RunScript({WhenDialog(kCaption,
                            [&](HWND d) {
                              wintest::Click(d, entry::kWinklerOptionId);
                              wintest::PostClick(d, entry::kEnterSupportDataId);
                            }),
                 WhenDialog(kCaption,
                            [&](HWND t) {
                              HWND page = TablePage();
                              wintest::SetText(page, kFirstCellId + 3, "50");  // yield stress at i of element 1
                              SetFocus(GetDlgItem(page, kFirstCellId + 4));    // a yield column has the focus
                              wintest::PostClick(t, kFirstButtonId);
                            }),
                 WhenDialog(kCaption,
                            [&](HWND u) {
                              label = wintest::GetText(u, kUniformLabelId);
                              wintest::SetText(u, entry::kUniformFieldId, "20000");
                              wintest::Click(u, kOkId);
                            }),
                 WhenDialog(kCaption,
                            [&](HWND t) {
                              cells = entrytest::PageCells(16);
                              wintest::PostClick(t, kContinueId);
                            })},
                [&] { SupportDataCommand(nullptr); })
          .finished;
  ASSERT_TRUE(ok);
  EXPECT_EQ(label, " SUBGRADE MODULUS k[kPa/m]=");
  ASSERT_EQ(cells.size(), 16u);
  for (int e = 0; e < 4; ++e) {
    EXPECT_EQ(cells[4 * e], "20000.000") << "element " << e + 1;
    EXPECT_EQ(cells[4 * e + 1], "20000.000") << "element " << e + 1;
    EXPECT_EQ(cells[4 * e + 2], e == 0 ? "50" : "0") << "element " << e + 1;
  }
  // Each element's row of the Winkler foundation holds the modulus at i and at j.
  std::vector<std::string> lines = entrytest::FileLines("JOB.SUP");
  size_t head = 0;
  for (size_t i = 1; i < lines.size(); ++i)
    if (lines[i].find("(Nodes i,j)") == 0) head = i;
  ASSERT_GT(head, 0u);
  ASSERT_GT(lines.size(), head + 4);
  EXPECT_EQ(lines[head + 1], "      1        2.0000E+4        2.0000E+4          50.000          0.000");
  for (size_t e = 2; e <= 4; ++e)
    EXPECT_EQ(lines[head + e],
              "      " + std::to_string(e) + "        2.0000E+4        2.0000E+4           0.000          0.000");
}

// GENERATE in the Winkler table gives each element of the range its modulus, or its yield stress,
// at both ends, whichever of the pair's columns has the focus.
TEST_F(Entry, WinklerGenerateFillsBothEndsOfEachElement) {
  WriteBeam();
  std::vector<std::string> cells;
  auto generate = [](int focus, const char* first, const char* last, const char* value) {
    return std::vector<wintest::Step>{WhenDialog(kCaption,
                                                 [focus](HWND t) {
                                                   SetFocus(GetDlgItem(TablePage(), focus));
                                                   wintest::PostClick(t, kGenerateButtonId);
                                                 }),
                                      WhenDialog(kCaption, [first, last, value](HWND g) {
                                        wintest::SetText(g, entry::kFirstRangeFieldId, first);
                                        wintest::SetText(g, entry::kFirstRangeFieldId + 1, last);
                                        wintest::SetText(g, entry::kFirstRangeFieldId + 2, "1");
                                        wintest::SetText(g, entry::kLastRangeFieldId, value);
                                        wintest::Click(g, kOkId);
                                      })};
  };
  std::vector<wintest::Step> steps = {WhenDialog(kCaption, [&](HWND d) {
    wintest::Click(d, entry::kWinklerOptionId);
    wintest::PostClick(d, entry::kEnterSupportDataId);
  })};
  for (const auto& part :
       {generate(kFirstCellId + 2, "2", "4", "30000"), generate(kFirstCellId + 3, "1", "3", "40")})
    steps.insert(steps.end(), part.begin(), part.end());
  steps.push_back(WhenDialog(kCaption, [&](HWND t) {
    cells = entrytest::PageCells(16);
    wintest::PostClick(t, kContinueId);
  }));
  ASSERT_TRUE(RunScript(steps, [&] { SupportDataCommand(nullptr); }).finished);
  ASSERT_EQ(cells.size(), 16u);
  for (int e = 0; e < 4; ++e) {
    const double k = e == 0 ? 0 : 30000, yield = e == 3 ? 0 : 40;
    EXPECT_DOUBLE_EQ(std::atof(cells[4 * e].c_str()), k) << "element " << e + 1;
    EXPECT_DOUBLE_EQ(std::atof(cells[4 * e + 1].c_str()), k) << "element " << e + 1;
    EXPECT_DOUBLE_EQ(std::atof(cells[4 * e + 2].c_str()), yield) << "element " << e + 1;
    EXPECT_DOUBLE_EQ(std::atof(cells[4 * e + 3].c_str()), yield) << "element " << e + 1;
  }
}

// SET SAME of the spring table asks for the constant of the column with the focus and fills that
// column at every node, leaving the other: kv first, then kr; the support file holds both.
TEST_F(Entry, ElasticSetSameFillsTheColumnOfTheConstantAskedFor) {
  WriteBeam();
  std::vector<std::string> labels, cells;
  auto setSame = [&](int cell) {
    return WhenDialog(kCaption, [cell](HWND t) {
      SetFocus(GetDlgItem(TablePage(), cell));
      wintest::PostClick(t, kFirstButtonId);
    });
  };
  auto answer = [&](const char* value) {
    return WhenDialog(kCaption, [&labels, value](HWND u) {
      labels.push_back(wintest::GetText(u, kUniformLabelId));
      wintest::SetText(u, entry::kUniformFieldId, value);
      wintest::Click(u, kOkId);
    });
  };
  bool ok = RunScript({WhenDialog(kCaption,
                                  [&](HWND d) {
                                    wintest::Click(d, entry::kElasticBoxId);
                                    wintest::PostClick(d, entry::kEnterSupportDataId);
                                  }),
                       setSame(kFirstCellId + 1), answer("5000"),  // a kv cell has the focus
                       setSame(kFirstCellId + 4), answer("300"),   // a kr cell has the focus
                       WhenDialog(kCaption,
                                  [&](HWND t) {
                                    cells = entrytest::PageCells(10);
                                    wintest::PostClick(t, kContinueId);
                                  })},
                      [&] { SupportDataCommand(nullptr); })
                .finished;
  ASSERT_TRUE(ok);
  EXPECT_EQ(labels, (std::vector<std::string>{" Elastic CONSTANT kv[kN/m]=", " Elastic CONSTANT kr[kN*m/rad]="}));
  ASSERT_EQ(cells.size(), 10u);
  for (int node = 0; node < 5; ++node) {
    EXPECT_EQ(cells[2 * node], "5000") << "node " << node + 1;
    EXPECT_EQ(cells[2 * node + 1], "300") << "node " << node + 1;
  }
  // Every node's spring row holds both constants.
  std::vector<std::string> lines = entrytest::FileLines("JOB.SUP");
  std::string file = entrytest::FileText("JOB.SUP");
  EXPECT_NE(file.find("ELASTIC SUPPORTS"), std::string::npos) << file;
  int rows = 0;
  for (const std::string& line : lines)
    if (line.find("5.000000E+3") != std::string::npos && line.find("3.000000E+2") != std::string::npos) ++rows;
  EXPECT_EQ(rows, 5) << file;
}

// Keys typed into the geometry table's length column and the spring table: an exponent and its
// sign are taken ("25e-1" is a length of 2.5 m), a leading "-" of a spring constant is refused
// with the warning tones.
TEST_F(Entry, KeysTypedIntoTheGeometryAndSpringTables) {
  WriteBeam();
  std::string length, spring;
  std::vector<std::string> warnings;
  // Taken, the table ends at OK and the command with it, before the steps that would answer a
  // warning of the lengths (one read as another number) and cancel the table.
  RunScript({WhenDialog(kCaption,
                        [&](HWND d) {
                          Fill(d, "10", "4");
                          wintest::PostClick(d, kOkId);
                        }),
             WhenDialog(" GEOMETRY DETAILS DATA:",
                        [&](HWND) {
                          SetFocus(GetDlgItem(TablePage(), kFirstCellId + 1));  // element 1, length
                          EXPECT_TRUE(wintest::TypeKeys(GetFocus(), "25e-1"));
                        }),
             WhenDialog(" GEOMETRY DETAILS DATA:",
                        [&](HWND t) {
                          length = wintest::GetText(TablePage(), kFirstCellId + 1);
                          wintest::PostClick(t, kContinueId);
                        }),
             entrytest::WarningInto(warnings),
             WhenDialog(" GEOMETRY DETAILS DATA:", [](HWND t) { wintest::PostClick(t, kTableCancelId); })},
            [&] { GeometryCommand(nullptr); });
  EXPECT_EQ(warnings, std::vector<std::string>{});
  EXPECT_EQ(length, "25e-1");
  std::vector<std::string> lines = entrytest::FileLines("JOB.geo");
  ASSERT_EQ(lines.size(), 13u);
  EXPECT_EQ(lines[7], "    1              2.5000           0.5000           0.8000  ");
  EXPECT_EQ(trace_.Records("TONE").size(), 0u);

  bool ok = RunScript({WhenDialog(kCaption,
                             [&](HWND d) {
                               wintest::Click(d, entry::kElasticBoxId);
                               wintest::PostClick(d, entry::kEnterSupportDataId);
                             }),
                  WhenDialog(kCaption,
                             [&](HWND) {
                               SetFocus(GetDlgItem(TablePage(), kFirstCellId + 3));  // node 2, kv
                               EXPECT_TRUE(wintest::TypeKeys(GetFocus(), "-2e-3"));
                             }),
                  WhenDialog(kCaption,
                             [&](HWND t) {
                               spring = wintest::GetText(TablePage(), kFirstCellId + 3);
                               wintest::Click(t, kContinueId);
                             })},
                 [&] { SupportDataCommand(nullptr); })
           .finished;
  ASSERT_TRUE(ok);
  EXPECT_EQ(spring, "2e-3");
  EXPECT_EQ(trace_.Records("TONE").size(), 4u);  // the leading "-"
  EXPECT_NE(entrytest::FileText("JOB.SUP").find("2.000000E-3"), std::string::npos) << entrytest::FileText("JOB.SUP");
}

TEST_F(Entry, SymmetricHalfDisablesRightEdge) {
  entrytest::SaveGeometryHeader(false, true);
  bool enabled = true;
  bool ok = RunScript({WhenDialog(kCaption,
                                  [&](HWND d) {
                                    enabled = IsWindowEnabled(GetDlgItem(d, kRightEdgeBoxId));
                                    wintest::Click(d, kCancelId);
                                  })},
                      [&] { SupportDataCommand(nullptr); })
                .finished;
  ASSERT_TRUE(ok);
  EXPECT_FALSE(enabled);
}

// Every support type chosen: the data dialogs come in their order and the file holds what they
// accepted; the springs left 0 leave no spring rows.
TEST_F(Entry, DataDialogsInOrder) {
  WriteBeam();
  std::vector<std::string> seen;
  std::vector<std::string> warnings;
  wintest::ScriptResult ok = RunScript(
      {WhenDialog(kCaption,
                  [&](HWND d) {
                    wintest::Click(d, entry::kUnyieldingBoxId);
                    wintest::Click(d, entry::kElasticBoxId);
                    wintest::Click(d, entry::kWinklerOptionId);
                    wintest::PostClick(d, entry::kEnterSupportDataId);
                  }),
       WhenDialog(kCaption,
                  [&](HWND u) {  // the unyielding list
                    HWND list = GetDlgItem(u, entry::kNodeListId);
                    seen.push_back("list " + std::to_string(SendMessageA(list, LB_GETCOUNT, 0, 0)));
                    wintest::PressKey(list, VK_DOWN);  // node 2
                    wintest::Pump();
                    wintest::PressKey(list, VK_DOWN);  // node 3
                    wintest::Pump();
                    wintest::PressKey(list, VK_UP);    // node 2 again: cleared
                    wintest::Pump();
                    wintest::PostClick(u, kContinueId);
                  }),
       WhenDialog(kCaption,
                  [&](HWND t) {  // the springs, left 0
                    seen.push_back("elastic " + wintest::GetText(TablePage(), kFirstCellId + 1) + " " +
                                   wintest::GetText(TablePage(), kFirstCellId + 9));
                    wintest::PostClick(t, kContinueId);
                  }),
       WhenDialog(kCaption, [&](HWND t) { wintest::PostClick(t, kModulusFunctionId); }),  // the modulus function
       WhenDialog(" WINKLER SOIL DATA GENERATION:",
                  [&](HWND f) {
                    seen.push_back("function " + wintest::GetText(f, kValueFieldId) + " " +
                                   wintest::GetText(f, kValueFieldId + 1));
                    wintest::SetText(f, kValueFieldId + 2, "100");
                    wintest::SetText(f, kValueFieldId + 3, "10");
                    wintest::SetText(f, kValueFieldId + 4, "-1");
                    wintest::PostClick(f, kOkId);  // infinite at node 1
                  }),
       entrytest::WarningInto(warnings),
       WhenDialog(" WINKLER SOIL DATA GENERATION:",
                  [&](HWND f) {
                    wintest::SetText(f, kValueFieldId + 4, "1");
                    wintest::Click(f, kOkId);
                  }),
       WhenDialog(kCaption,
                  [&](HWND t) {
                    seen.push_back("winkler " + wintest::GetText(TablePage(), kFirstCellId + 1) + " " +
                                   wintest::GetText(TablePage(), kFirstCellId + 2) + " " +
                                   wintest::GetText(TablePage(), kFirstCellId + 6));
                    wintest::PostClick(t, kContinueId);
                  })},
      [&] { SupportDataCommand(nullptr); });
  ASSERT_TRUE(ok.finished);
  ASSERT_EQ(seen.size(), 4u);
  EXPECT_EQ(seen[0], "list 5");
  EXPECT_EQ(seen[1], "elastic 0 0");
  EXPECT_EQ(seen[2], "function 1 5");
  EXPECT_EQ(seen[3], "winkler 100.000 125.000 150.000");
  ASSERT_EQ(warnings.size(), 1u);
  EXPECT_EQ(warnings[0], "Incorrect LOAD Data!\r\n\r\n        Correct the Data!         ");
  std::string file = entrytest::FileText("JOB.SUP");
  EXPECT_NE(file.find("UNYIELDING SUPPORTS at Nodes: 3"), std::string::npos) << file;
  EXPECT_EQ(file.find("ELASTIC SUPPORTS"), std::string::npos);
  EXPECT_NE(file.find("WINKLER FOUNDATION:"), std::string::npos);
}

TEST_F(Entry, HalfSpaceChecks) {
  WriteBeam();
  SupportFlags[kIsotropicHalfSpaceSlot] = "Y";
  std::vector<std::string> warnings;
  std::string first;
  bool ok = RunScript({WhenDialog(kCaption,
                                  [&](HWND d) {
                                    first = wintest::GetText(d, kHalfSpaceFieldBaseId + 1) + "|" +
                                            wintest::GetText(d, kHalfSpaceFieldBaseId + 3) + "|" +
                                            wintest::GetText(d, entry::kHalfSpaceLabelBaseId + 1);
                                    wintest::SetText(d, kHalfSpaceFieldBaseId + 1, "0");
                                    wintest::PostClick(d, kOkId);
                                  }),
                       entrytest::WarningInto(warnings),
                       WhenDialog(kCaption,
                                  [&](HWND d) {
                                    wintest::SetText(d, kHalfSpaceFieldBaseId + 1, "20000");
                                    wintest::SetText(d, kHalfSpaceFieldBaseId + 2, "-0.3");
                                    wintest::SetText(d, kHalfSpaceFieldBaseId + 3, "");
                                    wintest::Click(d, kOkId);
                                  })},
                      [&] { ShowModalDialog(HalfSpaceDialog("ISOTROPIC"), nullptr, HalfSpaceDialogProc); })
                .finished;
  ASSERT_TRUE(ok);
  EXPECT_EQ(first, "0.0|0.0|Modulus of Elasticity [kPa]= ");
  ASSERT_EQ(warnings.size(), 1u);
  EXPECT_EQ(warnings[0], "INCORRECT DATA of Item  1!\r\n\r\nENTER NEW DATA.");
  EXPECT_EQ(SupportFlags[kHalfSpacePoissonSlot], "-0.3");
  EXPECT_EQ(HalfSpaceTexts("ISOTROPIC")[3], "0.0");  // an empty yield stress reopens as 0.0

  warnings.clear();
  ok =
      RunScript(
          {WhenDialog(kCaption,
                      [&](HWND d) {
                        for (int id : {kHalfSpaceFieldBaseId + 1, kHalfSpaceFieldBaseId + 2, kHalfSpaceFieldBaseId + 3})
                          wintest::SetText(d, id, "0");
                        wintest::PostClick(d, kOkId);
                      }),
           entrytest::WarningInto(warnings),
           WhenDialog(kCaption,
                      [&](HWND d) {
                        for (int id : {kHalfSpaceFieldBaseId + 1, kHalfSpaceFieldBaseId + 2, kHalfSpaceFieldBaseId + 3})
                          wintest::SetText(d, id, "1E4");
                        wintest::SetText(d, kHalfSpaceFieldBaseId + 6, "-5");
                        wintest::PostClick(d, kOkId);
                      }),
           entrytest::WarningInto(warnings), WhenDialog(kCaption, [&](HWND d) { wintest::Click(d, kCancelId); })},
          [&] { ShowModalDialog(HalfSpaceDialog("CROSS-ANISOTROPIC"), nullptr, HalfSpaceDialogProc); })
          .finished;
  ASSERT_TRUE(ok);
  ASSERT_EQ(warnings.size(), 2u);
  EXPECT_EQ(warnings[0], "INCORRECT DATA of Item  3!\r\n\r\nENTER NEW DATA.");
  EXPECT_EQ(warnings[1], "INCORRECT DATA of Item  6!\r\n\r\nENTER NEW DATA.");
}

// After the warning of a wrong item the focus is back on its field, in either kind of soil.
TEST_F(Entry, HalfSpaceWarningPutsTheFocusOnTheWrongField) {
  WriteBeam();
  struct Case {
    const char* kind;
    int wrong;
  } cases[] = {{"ISOTROPIC", kHalfSpaceFieldBaseId + 1}, {"CROSS-ANISOTROPIC", kHalfSpaceFieldBaseId + 6}};
  for (const Case& c : cases) {
    std::vector<std::string> warnings;
    int focus = 0;
    bool ok = RunScript({WhenDialog(kCaption,
                                    [&](HWND d) {
                                      for (int id = kHalfSpaceFieldBaseId + 1; id <= kHalfSpaceFieldBaseId + 6; ++id)
                                        if (GetDlgItem(d, id)) wintest::SetText(d, id, "0.25");
                                      wintest::SetText(d, kHalfSpaceFieldBaseId + 1, "1E4");
                                      wintest::SetText(d, c.wrong, "-5");
                                      wintest::PostClick(d, kOkId);
                                    }),
                         entrytest::WarningInto(warnings),
                         WhenDialog(kCaption,
                                    [&](HWND d) {
                                      focus = GetDlgCtrlID(GetFocus());
                                      wintest::Click(d, kCancelId);
                                    })},
                        [&] { ShowModalDialog(HalfSpaceDialog(c.kind), nullptr, HalfSpaceDialogProc); })
                  .finished;
    ASSERT_TRUE(ok) << c.kind;
    ASSERT_EQ(warnings.size(), 1u) << c.kind;
    EXPECT_EQ(focus, c.wrong) << c.kind;
  }
}

TEST_F(Entry, EnterMovesThroughTheFields) {
  WriteBeam();
  std::vector<int> focus;
  HWND dialog = nullptr;
  auto enter = [&](int id) {
    return wintest::Do([&, id] { wintest::PressKey(GetDlgItem(dialog, id), VK_RETURN); });
  };
  auto record = [&] { return wintest::Do([&] { focus.push_back(GetDlgCtrlID(GetFocus())); }); };
  bool ok = RunScript({WhenDialog(kCaption, [&](HWND d) { dialog = d; }), record(),
                       enter(entry::kGeometryFieldBaseId + 1), record(), enter(entry::kGeometryFieldBaseId + 2),
                       record(), WhenDialog(kCaption, [&](HWND d) { wintest::Click(d, kCancelId); })},
                      [&] { GeometryCommand(nullptr); })
                .finished;
  ASSERT_TRUE(ok);
  EXPECT_EQ(focus, (std::vector<int>{entry::kGeometryFieldBaseId + 1, entry::kGeometryFieldBaseId + 2,
                                     entry::kGeometryFieldBaseId + 3}));

  focus.clear();
  ok = RunScript({WhenDialog(kCaption, [&](HWND d) { dialog = d; }), record(), enter(kHalfSpaceFieldBaseId + 1),
                  record(), enter(kHalfSpaceFieldBaseId + 2), record(),
                  WhenDialog(kCaption, [&](HWND d) { wintest::Click(d, kCancelId); })},
                 [&] { ShowModalDialog(HalfSpaceDialog("ISOTROPIC"), nullptr, HalfSpaceDialogProc); })
           .finished;
  ASSERT_TRUE(ok);
  EXPECT_EQ(focus, (std::vector<int>{kHalfSpaceFieldBaseId + 1, kHalfSpaceFieldBaseId + 2, kHalfSpaceFieldBaseId + 3}));
}

}  // namespace
// The Winkler table shows its texts whole: the column headings and the function button within
// their rectangles, nothing outside the window or overlapping.
TEST_F(Entry, TheWinklerTableShowsItsTextsWhole) {
  WriteBeam();
  std::vector<std::string> faults;
  bool ok = RunScript({WhenDialog(kCaption,
                                  [&](HWND t) {
                                    faults = wintest::LayoutFaults(t);
                                    wintest::PostClick(t, kContinueId);
                                  })},
                      [&] { SupportTableDialog(nullptr, "WINKLER"); })
                .finished;
  ASSERT_TRUE(ok);
  std::string all;
  for (const std::string& f : faults) all += f + "\n";
  EXPECT_TRUE(faults.empty()) << all;
}

}  // namespace trabix
