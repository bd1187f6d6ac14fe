#pragma once
// Throughput comparisons printed after the benchmarks have run: for each pair,
// how many times faster the first benchmark went than the second.

#include <string>

namespace tessaly::bench {

void CompareThroughput(const std::string& ours, const std::string& peer);

// Registration hooks of each part of the program.
void RegisterScanBenchmarks();
void RegisterSearchBenchmarks();
// Registers the UTF-8 search beside QString when Qt is built in; false when not.
bool RegisterUtf8SearchBenchmarks();
// Registers the QScintilla peer when it is built in; false when it is not.
bool RegisterQScintillaBenchmarks(int& argc, char** argv);

}  // namespace tessaly::bench
