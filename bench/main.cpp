#include <benchmark/benchmark.h>

// The one entry point of kelvor-bench; every bench/*.cpp registers its benchmarks.
BENCHMARK_MAIN();
