#pragma once
// The job dialog of the analysis programs: the user types a new job specification or picks one
// of the program's recent jobs; on "&Ok" the job specification is validated, the job list is
// rewritten most recent first, the main window's caption names the job, the job's folder is made
// and its archive unpacked. "&PICK up a JOB that is Not Listed" fills the field from the open-file
// dialog; "&DELETE/RECYCLE Current Selection" deletes the selected job's files (its archive goes
// to the recycle bin). The programs differ only in what the profile holds.
//
//   JobDialogProfile p;  p.caption = ...;  p.list = CorvaneJobList(StructureType);  ...
//   DialogAnswer = ShowJobNameDialog(MainWindow, p);   // 1 accepted (JobSpec set), 0 cancelled
#include <windows.h>

#include <functional>
#include <string>

#include "core/globals.h"
#include "core/joblist.h"
#include "win/dialogs.h"
#include "win/ids.h"
#include "win/listdialog.h"

struct JobDialogProfile {
  std::string caption;                // "  BEAM/STRIP Job Name Specification/Selection"
  std::string structureTitle;         // main window caption: "     " + title + " ANALYSIS.   JOB: " + job
  JobListProfile list;                // list file, default job folder, example job
  int shownEntries = kMaxListedJobs;  // how many listed jobs are offered
  int comboId = kNameBoxId;           // the job field over the list
  int deleteId = kDeleteId;           // "&DELETE/RECYCLE Current Selection"
  int frameId = kExamplesFrameId;     // the examples frame
  HWND mainWindow = nullptr;          // whose caption names the accepted job (none: no caption)
  int* answer = &DialogAnswer;        // where the answers of the dialog's boxes go
  // Runs after the job is opened, before the dialog ends with 1 (such as enabling "&Analysis"
  // when the job already has load cases and supports).
  std::function<void()> afterOk;
};

// The control ids every program shares.
constexpr int kJobHeadingId = kListHeadingId, kJobPickId = 666, kJobExplanationId = kListPanelId,
              kJobFirstExampleId = 118, kJobSecondExampleId = 119;

// The builder and the callback. The callback needs the profile as the dialog's parameter:
// ShowModalDialog(JobNameDialog(p), owner, JobNameDialogProc, reinterpret_cast<LPARAM>(&p)).
DialogTemplate JobNameDialog(const JobDialogProfile& profile);
INT_PTR CALLBACK JobNameDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam);

// Both in one: shows the dialog modally over owner and returns its end value, 1 when a job was
// accepted and JobSpec names it, 0 when it was cancelled (JobSpec is then unchanged).
int ShowJobNameDialog(HWND owner, const JobDialogProfile& profile);

// The job dialog's verdict on a specification: the warning to show, empty when it is acceptable
// (a base name longer than 8 characters is).
std::string JobSpecWarning(const std::string& spec);
