// Filling the log viewer from a full log (32,765 records); target < 30 ms.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "log/log_file.h"
#include "log/log_grid.h"

namespace {

using namespace pennant;

// A mix of bet types, odds and outcomes, like a real log.
std::vector<LogRecord> fullLog() {
    const char* types[] = {"Single", "Double", "Yankee", "Lucky 63"};
    const char* heights[] = {"200", "400", "800", "1200"};
    const char* results[] = {"WON", "LOST", "PLACED", "NON RAN"};
    std::vector<LogRecord> records(kMaxLogRecords);
    for (std::size_t k = 0; k < records.size(); ++k) {
        LogRecord& r = records[k];
        r.setRowHeight(heights[k % 4]);
        r.setBetDate("11/12/2026");
        r.setBetType(types[k % 4]);
        r.setBetTerms(k % 3 ? "WIN" : "Place 1/4");
        r.setStakePerBet("0.50");
        r.setTotalStake(std::to_string(k % 97) + ".45");
        for (std::size_t i = 0; i < 6; ++i) {
            r.setSelName(i, "Runner " + std::to_string((k + i) % 1000));
            r.setSelResult(i, results[(k + i) % 4]);
            r.setSelOdds(i, std::to_string(1 + (k + i) % 20) + "/" + std::to_string(1 + i));
        }
        r.setPayout(k % 5 ? "0" : std::to_string(k % 1000) + ".25");
        r.setTaxPaid("1");
        r.setLogOpeningBalance("100");
    }
    return records;
}

void BM_BuildGridFromMemory(benchmark::State& state) {
    auto records = fullLog();
    for (auto _ : state) {
        LogGrid grid = buildLogGrid(records, Dyn(100.0));
        benchmark::DoNotOptimize(grid);
    }
}
BENCHMARK(BM_BuildGridFromMemory)->Unit(benchmark::kMillisecond);

struct LogOnDisk {
    std::filesystem::path path;
    LogOnDisk() {
        std::string dir = (std::filesystem::temp_directory_path() / "pennant-bench-XXXXXX").string();
        if (!mkdtemp(dir.data())) std::abort();
        path = std::filesystem::path(dir) / "DEFAULT.BSL";
        std::ofstream out(path, std::ios::binary);
        for (const auto& r : fullLog()) out << r.toBytes();
    }
    ~LogOnDisk() { std::filesystem::remove_all(path.parent_path()); }
};

void BM_ReadAllRecords(benchmark::State& state) {
    LogOnDisk log;
    for (auto _ : state) {
        auto records = readAllRecords(log.path);
        benchmark::DoNotOptimize(records);
    }
}
BENCHMARK(BM_ReadAllRecords)->Unit(benchmark::kMillisecond);

void BM_ReadAndBuildGrid(benchmark::State& state) {
    LogOnDisk log;
    for (auto _ : state) {
        LogGrid grid = buildLogGrid(readAllRecords(log.path), Dyn(100.0));
        benchmark::DoNotOptimize(grid);
    }
}
BENCHMARK(BM_ReadAndBuildGrid)->Unit(benchmark::kMillisecond);

}  // namespace
