// SPDX-License-Identifier: GPL-3.0-or-later
// The year check of a full year (FullYear.h: three grades, 20 subjects, 10 tests, every score
// and results file); the target is 0.1 s.
#include <benchmark/benchmark.h>

#include "FullYear.h"
#include "TempDir.h"
#include "YearCheck.h"

using namespace jitsu;

namespace {

void CheckFullYear(benchmark::State& state) {
    static const TempDir dir;
    static const Status written = bench::writeFullYear(dir.path());
    if (!written) state.SkipWithError(written.reason().c_str());
    std::size_t findings = 0;
    for (auto _ : state) findings = yearfiles::checkYear(dir.path()).size();
    state.counters["findings"] = static_cast<double>(findings);
}

}  // namespace

BENCHMARK(CheckFullYear)->Unit(benchmark::kMillisecond)->UseRealTime();
