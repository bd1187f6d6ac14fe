// Without Qt there is no QString peer, so the UTF-8 search comparison is left out.

#include "BenchRatios.h"

namespace tessaly::bench {

bool RegisterUtf8SearchBenchmarks() { return false; }

}  // namespace tessaly::bench
