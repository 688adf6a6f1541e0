#include "support/TestMain.h"

#include <benchmark/benchmark.h>

// The entry point of kelvor-bench-ui: the benchmarks of the windows, on the offscreen platform
// at 96 dpi as the GUI tests run.
int main(int argc, char* argv[]) {
    KelvorTest::prepareGuiEnvironment();
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
