// Order statistics of a series of start-up times.
#include "bench/series.h"

#include <algorithm>
#include <cstdio>

namespace kinloom::bench {
namespace {

// The q-quantile of sorted values, interpolated between neighbours.
double Quantile(const std::vector<double>& sorted, double q) {
  const double at = q * static_cast<double>(sorted.size() - 1);
  const size_t below = static_cast<size_t>(at);
  if (below + 1 >= sorted.size()) return sorted.back();
  return sorted[below] + (at - static_cast<double>(below)) * (sorted[below + 1] - sorted[below]);
}

}  // namespace

Summary Summarise(std::vector<double> milliseconds) {
  std::sort(milliseconds.begin(), milliseconds.end());
  Summary summary;
  summary.runs = static_cast<int>(milliseconds.size());
  summary.median = Quantile(milliseconds, 0.5);
  summary.lowerQuartile = Quantile(milliseconds, 0.25);
  summary.upperQuartile = Quantile(milliseconds, 0.75);
  summary.min = milliseconds.front();
  summary.max = milliseconds.back();
  return summary;
}

std::string Describe(const std::string& name, const Summary& summary) {
  char line[256];
  std::snprintf(line, sizeof line,
                "%-12s median %7.1f ms   IQR %6.1f-%6.1f   min %6.1f   max %6.1f   (%d runs)",
                name.c_str(), summary.median, summary.lowerQuartile, summary.upperQuartile,
                summary.min, summary.max, summary.runs);
  return line;
}

}  // namespace kinloom::bench
