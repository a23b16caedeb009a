#pragma once
// Job specification: drive, directory and file name of a job, without extension.
#include <string>

struct JobPathParts {
  std::string drive;              // "C:" or empty
  std::string directory;          // between the first and the last backslash
  std::string driveAndDirectory;  // drive + "\" + directory, or drive alone
  std::string fileName;
  std::string extension;
  std::string baseName;
};

// Splits a job specification and raises `code` (the caller sets it to 0) to what is wrong:
// 1 prohibited character, 2 second colon, 3 drive, 4 no file name, 5/6/7 directory,
// 8 second dot, 9 extension too long, 10 dot before colon or first backslash,
// 11 base name longer than 8 (acceptable to the job dialog), 13 dot without extension.
void ValidatePath(const std::string& path, JobPathParts& parts, int& code);

// The job dialog's message for a code, without the closing instruction; empty when none.
std::string JobPathMessage(int code);
