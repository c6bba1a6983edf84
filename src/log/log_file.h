// Reading and changing a log file: a plain run of 223-byte records. Every
// change either completes or leaves the file as it was; failures throw
// LogError with a message fit to show the user.
#pragma once

#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "log/file_ops.h"
#include "log/log_record.h"

namespace pennant {

// Record numbers are 16-bit, and the viewer needs two grid rows more than
// there are records.
inline constexpr std::int64_t kMaxLogRecords = 32765;

// The name of the scratch copy a delete writes beside the log.
inline constexpr const char* kScratchName = "LOG.TMP";

struct LogError : std::runtime_error {
    using std::runtime_error::runtime_error;
};
// The log file does not exist.
struct LogMissing : LogError {
    using LogError::LogError;
};
// The log already holds kMaxLogRecords records.
struct LogFull : LogError {
    using LogError::LogError;
};

// Records in a file of that length: length / 223 rounded to the nearest
// whole number (334 bytes hold 1, 335 hold 2).
std::int64_t recordsInLength(std::int64_t bytes);

// The record count of the log. Throws LogMissing when there is no file.
std::int64_t countRecords(const std::filesystem::path& log, FileOps& ops = systemFileOps());

// Creates the log empty when it is missing (the viewer's open does this).
void ensureLogExists(const std::filesystem::path& log, FileOps& ops = systemFileOps());

// Record n (from 1) as stored: 223 bytes, a partial last record padded with
// blanks. Throws LogError when the log holds no record n.
std::string readRecordBytes(const std::filesystem::path& log, std::int64_t n, FileOps& ops = systemFileOps());
LogRecord readRecord(const std::filesystem::path& log, std::int64_t n, FileOps& ops = systemFileOps());

// The whole file as it is, from one read.
std::string readLogBytes(const std::filesystem::path& log, FileOps& ops = systemFileOps());

// Every record, from one read of the whole file.
std::vector<std::string> readAllRecordBytes(const std::filesystem::path& log, FileOps& ops = systemFileOps());
std::vector<LogRecord> readAllRecords(const std::filesystem::path& log, FileOps& ops = systemFileOps());

// Appends the record and returns its number. A missing log is created; a
// partial last record is first padded with blanks to a whole one. Throws
// LogFull (nothing written) when the log already holds kMaxLogRecords.
std::int64_t appendRecord(const std::filesystem::path& log, const LogRecord& record, FileOps& ops = systemFileOps());

// Writes the record over record n, in place.
void replaceRecord(const std::filesystem::path& log, std::int64_t n, const LogRecord& record,
                   FileOps& ops = systemFileOps());

// Where the scratch copy of a delete goes: "LOG.TMP" in the log's own
// directory, so that the final rename stays on one file system.
std::filesystem::path scratchPathFor(const std::filesystem::path& log);

// Rewrites the log without record n: a full copy goes to the scratch file,
// is synced, then renamed over the log. On any failure the log is as it
// was, the scratch file is gone, and the LogError says the line was not
// deleted. A scratch file left by someone else is never overwritten.
void deleteRecord(const std::filesystem::path& log, std::int64_t n, FileOps& ops = systemFileOps());

}  // namespace pennant
