#pragma once
// Text-line files: every job file, job list and load-case list is read whole into an array of
// lines (index 0 unused, lines 1..count) and written whole from one.
#include <string>
#include <vector>

using TextLineArray = std::vector<std::string>;

// Reads every line of the file; `capacity` only reserves room, the array grows as needed.
// A missing file gives count 0 and leaves the array untouched.
void LoadTextLines(const std::string& fileName, TextLineArray& lines, int capacity, int& count);
// Writes lines 1..count, each ended by CR LF. The old file is replaced only by a complete new one.
bool SaveTextLines(const std::string& fileName, const TextLineArray& lines, int count);

// True when a search for the name (wildcards allowed) finds a visible file or directory.
bool FileExists(const std::string& fileName);
// Deletes the one file of that exact name when it exists; wildcards never expand here.
void DeleteIfExists(const std::string& fileName);
// Creates the directory part of a job specification, every missing level of it.
void EnsureJobDirectory(const std::string& jobSpec);
