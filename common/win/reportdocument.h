#pragma once
// The data or results document of the output chooser, as the programs that build their pages
// themselves share it: when the document is kept (modes 0 and 1) the box that names its ".DDC"
// file in the program directory and the offer of a plain-text copy; then the document begun, its
// pages drawn by the program and the document ended into the preview or onto the printer. A
// document that cannot be begun sounds the warning tones and shows "Error:" with the library's
// code.
#include <windows.h>

#include <functional>
#include <string>

// The job's file name without folder and extension: the documents lie in the program directory.
std::string DocumentJobName(const std::string& job);

// kind "DATA" or "RESULTS": the file <name>_<kind>.DDC, the text copy <name>_<kind>.TXT written by
// writeText(file) after Yes. title: the document's title. answer: where the boxes' answers go.
void OutputReportDocument(int mode, HWND parent, const std::string& job, const std::string& kind,
                          const std::string& title, const std::function<void(const std::string& file)>& writeText,
                          const std::function<void(int doc)>& pages, int& answer);
