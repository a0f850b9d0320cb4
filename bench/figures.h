// Timing and the printing of figures with their ratio to a floor.
#pragma once

#include <windows.h>

#include <vector>

class Stopwatch {
 public:
  Stopwatch() { Restart(); }
  void Restart() { QueryPerformanceCounter(&start_); }
  double Milliseconds() const;

 private:
  LARGE_INTEGER start_;
};

// The p-th percentile (0 to 100) of the samples, nearest rank.
double Percentile(std::vector<double> samples, double p);

double Median(const std::vector<double>& samples);

// One line: what, the figure, the floor, their ratio, and the goal it meets or
// misses (none printed when `goal` is null).
void PrintFigure(const char* what, double figure, double floor, const char* unit, const char* goal = nullptr,
                 bool met = true);
