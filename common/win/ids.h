#pragma once
// The control and command ids the programs share: the buttons every dialog family uses and the
// commands of the analysis programs' menu bars. A program's own ids live in its own id table.

// Buttons.
constexpr int kCancelId = 2;        // Cancel of the lists and boxes (the system's IDCANCEL)
constexpr int kOkId = 55;           // "&Ok" of the data dialogs and forms
constexpr int kFormCancelId = 56;   // "&Cancel" of the data dialogs and forms
constexpr int kContinueId = 9876;   // "&Continue" / "&Ok" of the lists, tables and the notice
constexpr int kTableCancelId = 12121;  // "&CANCEL" of the data tables and the graphics file type
constexpr int kAnalyseId = 1;        // "&ANALYSE" of the analysis dialogs
constexpr int kExitId = 1234;       // "&EXIT" / "&CANCEL" of the output chooser, the analysis and the check lists
constexpr int kRemoveChecksId = 11123;  // "&REMOVE ALL CHECKS" of the check lists
constexpr int kCheckButtonId = 131;     // the check button a choice dialog's Enter presses first

// The job and load-case lists: the name box over the list, "&DELETE/RECYCLE Current Selection"
// and the examples frame.
constexpr int kNameBoxId = 7555, kDeleteId = 7209, kExamplesFrameId = 7210;
// The same three in the lists of the programs that solve in-process (Trabix, Palvore).
constexpr int kInProcessNameBoxId = 555, kInProcessDeleteId = 209, kInProcessFrameId = 210;

// The heading line of the data dialogs, tables and choices, and the rule under it.
constexpr int kHeadingId = 120;
constexpr int kRuleId = 99;
// The action buttons of the choice dialogs (Enter on an option presses each one there is) and
// their options.
constexpr int kFirstActionId = 196, kLastActionId = 198;
constexpr int kFirstOptionId = 201, kLastOptionId = 203;

// Menu commands of the analysis programs (Corvane's data commands add 7000: 7306..7308).
constexpr int kCloseCommand = 2;
constexpr int kGeometryCommand = 306;
constexpr int kSupportCommand = 307;
constexpr int kLoadCommand = 308;
constexpr int kElasticAnalysisCommand = 888;
constexpr int kPlasticAnalysisCommand = 889;
constexpr int kPresentationCommand = 777;
constexpr int kPlotCommand = 666;
constexpr int kNewJobCommand = 206;
constexpr int kSaveJobAsCommand = 878;
constexpr int kHelpCommand = 204;
constexpr int kAuthorBoxCommand = 205;
