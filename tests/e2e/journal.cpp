// Parses the stand-ins' tab-separated journal.
#include "tests/e2e/journal.h"

#include <fstream>
#include <sstream>

namespace kinloom::e2e {

std::vector<Launch> ReadJournal(const std::string& path) {
  std::vector<Launch> launches;
  std::ifstream file(path, std::ios::binary);
  std::string line;
  while (std::getline(file, line)) {
    std::istringstream fields(line);
    Launch launch;
    std::getline(fields, launch.program, '\t');
    std::getline(fields, launch.commandLine, '\t');
    std::getline(fields, launch.folder);
    launches.push_back(launch);
  }
  return launches;
}

std::string Describe(const Launch& launch) {
  return "program [" + launch.program + "] command line [" + launch.commandLine + "] folder [" +
         launch.folder + "]";
}

std::string Describe(const std::vector<Launch>& launches) {
  std::string lines;
  for (const Launch& launch : launches) lines += Describe(launch) + "\n";
  return lines;
}

}  // namespace kinloom::e2e
