#pragma once
// The main of a benchmark program whose benchmarks are registered at run
// time (their names are built from sizes and shares).

#include <benchmark/benchmark.h>

inline int RunBenchmarks(int argc, char** argv, void (*registerAll)())
{
    registerAll();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
