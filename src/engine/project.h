// The values every window shares for the whole run: settings, the current
// log and its bookkeeping, the record buffer, the viewer's pick.
#pragma once

#include <filesystem>
#include <string>

#include "engine/dyn.h"
#include "log/log_record.h"

namespace pennant {

struct Project {
    // Where "Pennant.ini", a bare log name and "LOG.TMP" live.
    std::filesystem::path programDir;

    Dyn TaxRate = 9.0;
    std::string LogFileName = "DEFAULT.BSL";
    Dyn OpeningBalance = 0.0;
    std::string StatusBarFlag = "True";

    int LogRecordLength = 223;
    int LogRecordCount = 0;
    int LogRecordNumber = 1;
    int BetsLoggedCount = 0;
    LogRecord LogRec;
    int PickedRecordNumber = 0;
    // The log and the stored bytes of the record an Edit took into the main
    // window: UPDATE LOG writes back only while that record is unchanged.
    std::filesystem::path PickedLogPath;
    std::string PickedRecordBytes;
    std::string GridText;

    // A log name as the file system sees it: a bare name is in the program
    // directory, never in whatever directory happens to be current.
    std::filesystem::path resolve(const std::string& name) const {
        std::filesystem::path p(name);
        return p.is_absolute() ? p : programDir / p;
    }
    std::filesystem::path logPath() const { return resolve(LogFileName); }
};

}  // namespace pennant
