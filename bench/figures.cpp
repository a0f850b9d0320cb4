#include "bench/figures.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

double Stopwatch::Milliseconds() const {
  LARGE_INTEGER now, frequency;
  QueryPerformanceCounter(&now);
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(now.QuadPart - start_.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double Percentile(std::vector<double> samples, double p) {
  if (samples.empty()) return 0;
  std::sort(samples.begin(), samples.end());
  const size_t rank = static_cast<size_t>(std::ceil(p / 100.0 * samples.size()));
  return samples[std::min(samples.size(), std::max<size_t>(rank, 1)) - 1];
}

double Median(const std::vector<double>& samples) { return Percentile(samples, 50); }

void PrintFigure(const char* what, double figure, double floor, const char* unit, const char* goal, bool met) {
  std::printf("  %-34s %10.1f %-5s floor %10.1f   ratio %5.2f", what, figure, unit, floor,
              floor > 0 ? figure / floor : 0.0);
  if (goal != nullptr) std::printf("   goal %-8s %s", goal, met ? "met" : "MISSED");
  std::printf("\n");
}
