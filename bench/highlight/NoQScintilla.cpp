// Stands in for the QScintilla peer where QScintilla is not installed.

#include "BenchRatios.h"

namespace tessaly::bench {

bool RegisterQScintillaBenchmarks(int&, char**) { return false; }

}  // namespace tessaly::bench
