#pragma once
// The names and first lines of a job's files that every program writes alike: a job <job> has
// one load file <job>.LD<c> and one results report <job>.RB<c> per load case, <c> the first
// character of the trimmed case name, and each data file starts with "Job: <job> // ...".
#include <string>

std::string CaseLetter(const std::string& caseName);  // first character of the trimmed name
std::string LoadFileName(const std::string& job, const std::string& caseName);
std::string ResultsFileName(const std::string& job, const std::string& caseName);
std::string GeometryHeader(const std::string& job);  // "Job: <job> // GEOMETRY & MAT. PROPERTIES"
std::string SupportHeader(const std::string& job);   // "Job: <job> // SUPPORTS"
std::string LoadHeader(const std::string& job, const std::string& caseName);  // "Job: <job> // LOADS (<case>)"
