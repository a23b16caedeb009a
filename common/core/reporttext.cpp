#include "core/reporttext.h"

#include <algorithm>
#include <cstdio>

#include "core/numbers.h"

namespace {

std::tm LocalClock() {
  std::time_t now = std::time(nullptr);
  std::tm* t = std::localtime(&now);
  return t ? *t : std::tm{};
}

ReportClock reportClock = LocalClock;

}  // namespace

void SetReportClock(ReportClock clock) { reportClock = clock ? clock : LocalClock; }

std::string ReportDateText() {
  std::tm t = reportClock();
  char buf[32];
  std::snprintf(buf, sizeof buf, "%02d-%02d-%04d", t.tm_mon + 1, t.tm_mday, t.tm_year + 1900);
  return buf;
}

std::string ReportTimeText() {
  std::tm t = reportClock();
  char buf[32];
  std::snprintf(buf, sizeof buf, "%02d:%02d:%02d", t.tm_hour, t.tm_min, t.tm_sec);
  return buf;
}

std::string FitField(const std::string& text, size_t width) {
  if (text.size() <= width) return std::string(width - text.size(), ' ') + text;
  size_t end = text.size();
  while (end > width && text[end - 1] == ' ') --end;
  return text.substr(0, end);
}

void AddReportOpening(TextLineArray& lines, const std::string& dateLine, const std::string& header) {
  for (const std::string& line : {dateLine, std::string(), header, std::string(),
                                  std::string("--** R E S U L T S  OF  A N A L Y S I S **--"), std::string()})
    lines.push_back(line);
}

void AddReportOpening(TextLineArray& lines, const std::string& header) {
  AddReportOpening(lines, std::string(57, ' ') + "DATE:   " + ReportDateText(), header);
}

std::vector<int> ClosingLines(const TextLineArray& lines, int end, int count) {
  std::vector<int> kept;
  const int last = std::min(count, static_cast<int>(lines.size()) - 1);
  for (int i = std::max(end, 1); i <= last; ++i)
    if (lines[static_cast<size_t>(i)].compare(0, 1, "-") != 0) kept.push_back(i);
  auto empty = [&lines](int i) { return Trim(lines[static_cast<size_t>(i)]).empty(); };
  while (!kept.empty() && empty(kept.front())) kept.erase(kept.begin());
  while (!kept.empty() && empty(kept.back())) kept.pop_back();
  return kept;
}
