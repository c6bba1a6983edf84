// Printing the bet log: a heading with the log's name and opening balance,
// one entry per logged bet with its profit or loss and the running
// balance, and the closing balance.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "engine/dyn.h"
#include "engine/project.h"
#include "log/file_ops.h"
#include "log/log_record.h"
#include "platform/platform.h"
#include "print/print_document.h"

namespace pennant {

// The report of these records; nullopt when there are none. Throws
// CalcFailure when an amount in a record is beyond any number.
std::optional<PrintDocument> logReport(const std::vector<LogRecord>& records, const std::string& logName,
                                       const Dyn& openingBalance);

// A name stored as its placeholder "Selection k" in its own slot k becomes
// "Sel k", as the report prints it.
void shortenPlaceholders(LogRecord& record);

// The viewer's "&Print Log" on the current log, whose records are given:
// prints the report, or says why nothing was printed. Leaves the record
// bookkeeping as a pass over the log does (LogRec = the last record).
void printLog(Project& project, Platform& platform, const std::vector<LogRecord>& records);

// The log viewer's "&Print Log": reads the current log (creating it empty
// when missing, as opening a log does) and prints it as above. A log that
// cannot be read is reported and nothing is printed.
void printCurrentLog(Project& project, Platform& platform, FileOps& ops = systemFileOps());

}  // namespace pennant
