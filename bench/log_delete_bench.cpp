// Deleting one record of a full log (32,765 records) against plainly
// copying the file: the delete should cost about one copy.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "log/log_file.h"

namespace {

namespace fs = std::filesystem;
using namespace pennant;

struct Folder {
    fs::path dir;
    std::string bytes;
    Folder() {
        std::string d = (fs::temp_directory_path() / "pennant-bench-XXXXXX").string();
        if (!mkdtemp(d.data())) std::abort();
        dir = d;
        LogRecord r;
        r.setRowHeight("200");
        r.setBetType("Single");
        for (std::int64_t k = 0; k < kMaxLogRecords; ++k) {
            r.setSelName(0, "Runner " + std::to_string(k));
            bytes += r.toBytes();
        }
    }
    ~Folder() { fs::remove_all(dir); }
    fs::path log() const { return dir / "DEFAULT.BSL"; }
    void writeLog() const { std::ofstream(log(), std::ios::binary | std::ios::trunc) << bytes; }
};

void BM_DeleteMiddleRecord(benchmark::State& state) {
    Folder folder;
    for (auto _ : state) {
        state.PauseTiming();
        folder.writeLog();
        state.ResumeTiming();
        deleteRecord(folder.log(), kMaxLogRecords / 2);
    }
}
BENCHMARK(BM_DeleteMiddleRecord)->Unit(benchmark::kMillisecond);

void BM_CopyLogFile(benchmark::State& state) {
    Folder folder;
    folder.writeLog();
    for (auto _ : state) {
        fs::copy_file(folder.log(), folder.dir / "COPY.BSL", fs::copy_options::overwrite_existing);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_CopyLogFile)->Unit(benchmark::kMillisecond);

// The delete also syncs its copy to the disk; this is the fair baseline.
void BM_CopyLogFileAndSync(benchmark::State& state) {
    Folder folder;
    folder.writeLog();
    FileOps& ops = systemFileOps();
    for (auto _ : state) {
        fs::copy_file(folder.log(), folder.dir / "COPY.BSL", fs::copy_options::overwrite_existing);
        int fd = ops.open(folder.dir / "COPY.BSL", OpenMode::ReadWrite);
        ops.sync(fd);
        ops.close(fd);
    }
}
BENCHMARK(BM_CopyLogFileAndSync)->Unit(benchmark::kMillisecond);

}  // namespace
