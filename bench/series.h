// The figures of one series of start-up times: median and spread.
#pragma once

#include <string>
#include <vector>

namespace kinloom::bench {

struct Summary {
  int runs = 0;
  double median = 0;
  double lowerQuartile = 0;
  double upperQuartile = 0;
  double min = 0;
  double max = 0;
};

// The figures of `milliseconds` (not empty); quartiles by linear interpolation.
Summary Summarise(std::vector<double> milliseconds);

// One line: "name  median 123.4 ms  IQR 110.0-130.0  min 100.0  max 150.0  (14 runs)".
std::string Describe(const std::string& name, const Summary& summary);

}  // namespace kinloom::bench
