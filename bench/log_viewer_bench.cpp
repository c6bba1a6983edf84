// Opening the log viewer on the longest log there can be: reading it,
// building the grid, sizing every row and showing the first screen.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <filesystem>
#include <fstream>
#include <random>

#include "engine/frm_main.h"
#include "log/log_file.h"
#include "platform/null_platform.h"
#include "ui/frm_log.h"

namespace {

namespace fs = std::filesystem;

// A full log of bets of every size, won and lost.
void writeFullLog(const fs::path& path) {
    std::mt19937 random(95);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    const char* types[] = {"Single", "Double", "Treble", "Yankee", "Canadian", "Lucky 63"};
    const int selections[] = {1, 2, 3, 4, 5, 6};
    for (std::int64_t n = 0; n < pennant::kMaxLogRecords; ++n) {
        // Most bets are singles, as in a punter's real log.
        int kind = random() % 4 == 0 ? static_cast<int>(random() % 6) : 0;
        pennant::LogRecord r;
        r.setRowHeight(std::to_string(200 * selections[kind]));
        r.setBetDate("11/12/2026");
        r.setBetType(types[kind]);
        r.setBetTerms("WIN");
        r.setStakePerBet("1.00");
        r.setTotalStake(std::to_string(1 + random() % 60) + ".00");
        for (std::size_t i = 0; i < 6; ++i) {
            r.setSelName(i, "Horse " + std::to_string(random() % 1000));
            r.setSelResult(i, random() % 3 == 0 ? "WON" : "LOST");
            r.setSelOdds(i, std::to_string(1 + random() % 20) + "/1");
        }
        r.setPayout(random() % 3 == 0 ? std::to_string(random() % 200) + ".50" : "0");
        r.setTaxPaid("1");
        r.setLogOpeningBalance("100");
        out << r.toBytes();
    }
}

void BM_OpenLogViewerOnAFullLog(benchmark::State& state) {
    fs::path dir = fs::temp_directory_path() / "pennant-log-viewer-bench";
    fs::create_directories(dir);
    writeFullLog(dir / "DEFAULT.BSL");

    pennant::Project project;
    project.programDir = dir;
    project.OpeningBalance = 100.0;
    pennant::NullPlatform platform;
    pennant::FrmMain model(project, platform);

    for (auto _ : state) {
        pennant::FrmLog viewer(model, [] {});
        viewer.show();
        QApplication::processEvents();  // lays out and paints the first screen
        benchmark::DoNotOptimize(viewer.chosenRow());
    }
    state.counters["records"] = static_cast<double>(project.LogRecordCount);
    fs::remove_all(dir);
}
BENCHMARK(BM_OpenLogViewerOnAFullLog)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
