#include "core/jobspec.h"

#include <cctype>

namespace {

bool Allowed(unsigned char c) {
  c = static_cast<unsigned char>(std::toupper(c));
  return c == 33 || (c >= 35 && c <= 41) || c == 45 || (c >= 48 && c <= 57) || (c >= 64 && c <= 90) ||
         (c >= 94 && c <= 123) || c == 125 || c == 126;
}

}  // namespace

void ValidatePath(const std::string& path, JobPathParts& parts, int& code) {
  const int L = static_cast<int>(path.size());
  int c1 = 0, c2 = 0, b1 = 0, b2 = 0, d1 = 0, d2 = 0;
  // 1-based positions throughout, as the rules read.
  auto mid = [&](int from, int len) { return len > 0 ? path.substr(from - 1, len) : std::string(); };
  for (int i = 1; i <= L; ++i) {
    char ch = path[i - 1];
    if (ch == ':') (c1 ? c2 : c1) = i;
    else if (ch == '\\') (b1 ? b2 : b1) = i;
    else if (ch == '.') (d1 ? d2 : d1) = i;
    else if (!Allowed(static_cast<unsigned char>(ch))) code = 1;
  }
  // Drive.
  if (c1 == 2) {
    if (c2 > 0) code = 2;
    else parts.drive = path.substr(0, 2);
  } else if (c1 == 1 || c1 > 2) {
    code = 3;
    parts.drive.clear();
  } else {
    parts.drive.clear();
  }
  if (d1 > 0 && (d1 < c1 || d1 < b1)) code = 10;
  // Directory.
  if (b1 > 0) {
    if (b2 == 0) code = 5;
    else {
      parts.directory = mid(b1 + 1, b2 - b1 - 1);
      if (b2 == L) code = 4;
    }
  } else {
    parts.directory.clear();
  }
  if (c1 == 0 && b1 > 1) code = 6;
  if (c1 == 2 && b1 > 3) code = 7;
  // File name, extension, base name.
  int p = c1 > b2 ? c1 : b2;
  parts.fileName = mid(p + 1, L - p);
  if (d1 > 0) {
    if (d2 > 0) code = 8;
    else {
      parts.extension = mid(d1 + 1, L - d1);
      if (parts.extension.size() > 3) code = 9;
      if (parts.extension.empty()) code = 13;
    }
  } else {
    parts.extension.clear();
  }
  int e = d1 > 0 ? d1 : L + 1;
  parts.baseName = e - 1 - p > 0 ? mid(p + 1, e - 1 - p) : std::string();
  // A long name is acceptable, so it must not hide a real fault found before it.
  if (parts.baseName.size() > 8 && code == 0) code = 11;
  parts.driveAndDirectory = parts.directory.empty() ? parts.drive : parts.drive + "\\" + parts.directory;
}

std::string JobPathMessage(int code) {
  switch (code) {
    case 1: return "PROHIBITED characters are present in the PATH/FILE";
    case 2: return "MORE THAN ONE COLON is present IN the PATH/FILE";
    case 3: return "DRIVE NAME is INCORRECT";
    case 4: return "No FILE NAME present";
    case 5: case 6: case 7: return "DIRECTORY IMPROPERLY specified";
    case 8: return "MORE THAN ONE DOT is present IN the PATH/FILE";
    case 9: return "FILE EXTENSION TOO LONG";
    case 10: return "PATH/FILE IMPROPERLY specified";
    case 12: return "DIRECTORY NAME TOO LONG";
    default: return "";
  }
}
