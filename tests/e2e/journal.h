// The journal that the stand-in programs append to: one record per start.
#pragma once

#include <string>
#include <vector>

namespace kinloom::e2e {

// Every text in UTF-8.
struct Launch {
  std::string program;      // the stand-in's own path: which program started
  std::string commandLine;  // its command line as it received it
  std::string folder;       // its working folder
};

// The environment variable that puts the stand-in into journal mode.
constexpr wchar_t kJournalVariable[] = L"KINLOOM_JOURNAL";

// The records in the order written; an absent file has none.
std::vector<Launch> ReadJournal(const std::string& path);

// A record as one line, and all records one per line, for failure messages.
std::string Describe(const Launch& launch);
std::string Describe(const std::vector<Launch>& launches);

}  // namespace kinloom::e2e
