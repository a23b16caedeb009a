#pragma once
// Checks of what a user's walk through a program leaves in its folders: the documents saved by
// SaveBothDocuments, and a job packed by "&Close" that comes back whole when opened again.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <functional>
#include <map>
#include <set>
#include <string>

#include "win/ids.h"
#include "win/testing/program.h"
#include "win/testing/wintest.h"

namespace wintest {

// The data and results documents of the job and their text copies, in the program directory.
inline void ExpectBothDocumentsSaved(const std::filesystem::path& folder, const std::string& jobName) {
  for (const char* kind : {"_DATA", "_RESULTS"})
    for (const char* extension : {".DDC", ".TXT"}) {
      const std::string file = jobName + kind + extension;
      EXPECT_TRUE(std::filesystem::exists(folder / file)) << file;
    }
}

// The job's loose files in folder, by name; close packs them all into archive, and reopen (the
// program started again and the job named) unpacks them as they were. The files as they were.
inline std::map<std::string, std::string> ExpectTheJobPackedAndRestored(const std::filesystem::path& folder,
                                                                        const std::string& archive,
                                                                        const std::function<void()>& close,
                                                                        const std::function<void()>& reopen) {
  std::map<std::string, std::string> loose = FileBytesIn(folder);
  close();
  EXPECT_EQ(FilesIn(folder), (std::set<std::string>{archive}));
  reopen();
  std::map<std::string, std::string> restored = FileBytesIn(folder);
  restored.erase(archive);
  EXPECT_EQ(restored, loose);
  return loose;
}

// "&Close" sent to a main window of this process: the program ends it (and sets its handle to
// NULL) and posts the quit message.
inline void ExpectCloseEndsTheMainWindow(HWND& main) {
  SendMessageA(main, WM_COMMAND, kCloseCommand, 0);
  EXPECT_EQ(main, nullptr);
  EXPECT_TRUE(DrainQuit());
}

// The names of files read by FileBytesIn.
inline std::set<std::string> NamesOf(const std::map<std::string, std::string>& files) {
  std::set<std::string> names;
  for (const auto& f : files) names.insert(f.first);
  return names;
}

}  // namespace wintest
