// The engine's hot paths: a full recalculation and the odds conversion.
#include <benchmark/benchmark.h>

#include "engine/frm_main.h"
#include "engine/odds.h"
#include "platform/platform.h"

namespace {

using namespace pennant;

class NullPlatform : public Platform {
public:
    Answer messageBox(const MessageRequest&) override { return Answer::Ok; }
    std::optional<std::string> inputBox(const std::string&, const std::string&, const std::string&) override {
        return std::nullopt;
    }
    bool showFileDialog(CommonDialog&, FileDialogKind) override { return false; }
    std::string shortDate() override { return {}; }
    bool showHelp() override { return false; }
    void closeHelp() override {}
    bool print(const PrintDocument&) override { return false; }
};

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
