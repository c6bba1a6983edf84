// Any bytes as a log: reading, counting and filling the viewer's rows never
// crash, and a record read back writes the same 223 bytes.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "log/log_grid.h"
#include "log/log_record.h"
#include "print/log_report.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string bytes(reinterpret_cast<const char*>(data), size);
    std::vector<pennant::LogRecord> records;
    for (std::size_t at = 0; at < bytes.size(); at += pennant::kLogRecordLength) {
        pennant::LogRecord record = pennant::LogRecord::fromBytes(bytes.substr(at, pennant::kLogRecordLength));
        std::string again = record.toBytes();
        if (again.size() != pennant::kLogRecordLength) __builtin_trap();
        if (pennant::LogRecord::fromBytes(again) != record) __builtin_trap();
        records.push_back(record);
    }
    pennant::buildLogGrid(records, pennant::Dyn(bytes.substr(0, 12)));
    try {
        pennant::logReport(records, "FUZZ.BSL", pennant::Dyn(0.0));
    } catch (const pennant::CalcFailure&) {
    }
    return 0;
}
