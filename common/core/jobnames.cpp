#include "core/jobnames.h"

#include "core/numbers.h"

std::string CaseLetter(const std::string& caseName) { return Trim(caseName).substr(0, 1); }
std::string LoadFileName(const std::string& job, const std::string& caseName) {
  return job + ".LD" + CaseLetter(caseName);
}
std::string ResultsFileName(const std::string& job, const std::string& caseName) {
  return job + ".RB" + CaseLetter(caseName);
}
std::string GeometryHeader(const std::string& job) { return "Job: " + job + " // GEOMETRY & MAT. PROPERTIES"; }
std::string SupportHeader(const std::string& job) { return "Job: " + job + " // SUPPORTS"; }
std::string LoadHeader(const std::string& job, const std::string& caseName) {
  return "Job: " + job + " // LOADS (" + caseName + ")";
}
