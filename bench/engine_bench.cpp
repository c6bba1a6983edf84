// The engine's hot paths: a full recalculation and the odds conversion.
#include <benchmark/benchmark.h>

#include "engine/frm_main.h"
#include "engine/odds.h"
#include "platform/platform.h"
#include "platform/null_platform.h"

namespace {

using namespace pennant;

// `stake` then `Main` for a Lucky 63 with six winners: the largest pricing.
void BM_RecalculateLucky63(benchmark::State& state) {
    Project project;
    NullPlatform platform;
    FrmMain m(project, platform);
    m.loadDefaults();
    m.setCombo7("Lucky 63");
    const char* odds[] = {"5/2", "11/4", "100/30", "EVENS", "13/8", "8/15"};
    for (int i = 0; i < kRows; ++i) {
        m.typeOdds(i, odds[i]);
        m.row[i].result = Result::Win;
    }
    for (auto _ : state) {
        m.stake();
        m.Main();
        benchmark::DoNotOptimize(m.Label[45]);
    }
}
BENCHMARK(BM_RecalculateLucky63);

// The 46 preset odds of the odds list, each converted once.
void BM_ConvertPresetOdds(benchmark::State& state) {
    for (auto _ : state) {
        double sum = 0;
        for (int i = 0; i < 46; ++i) sum += oddsValue(kOddsList[i], 1 + i % 6);
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_ConvertPresetOdds);

}  // namespace
