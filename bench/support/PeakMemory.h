#pragma once
// The process's resident high-water mark, reset before a benchmark so that
// each one reports its own peak.

#include <cstdio>
#include <fstream>
#include <string>

namespace tessaly::bench {

inline void ResetPeakMemory() {
  if (FILE* f = std::fopen("/proc/self/clear_refs", "w")) {
    std::fputs("5", f);
    std::fclose(f);
  }
}

inline double PeakMemoryMiB() {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);)
    if (line.rfind("VmHWM:", 0) == 0) return std::stod(line.substr(6)) / 1024.0;
  return 0;
}

}  // namespace tessaly::bench
