// What the log viewer shows: for every record its nine cell texts and its
// row height, the running balance, and the opening and closing balances.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "engine/dyn.h"
#include "log/log_record.h"

namespace pennant {

inline constexpr int kLogColumns = 9;
extern const std::array<const char*, kLogColumns> kLogHeadings;  // "DATE" .. "BALANCE"

enum class LogColumn { Date, Bet, Terms, Stake, TotalStaked, Results, Won, Lost, Balance };

struct LogGridRow {
    std::array<std::string, kLogColumns> cells;
    int height = 0;  // twips: RowHeight by its leading number
};

struct LogGrid {
    std::vector<LogGridRow> rows;  // row r-1 shows record r
    // The record rows as one text: cells joined by TAB, every row ended by CR.
    std::string GridText;
    std::string opening;  // OpeningBalance exactly as held
    bool openingNegative = false;
    std::string closing;  // empty when there are no records
    bool closingNegative = false;
    // False when a record's amounts could not be read as numbers (beyond
    // the range of a number): filling stopped before that record.
    bool complete = true;
};

// Selections a RowHeight stands for: 1 .. 6 for "200" .. "1200" (read by
// its leading number), 0 for any other value.
int selectionCount(const LogRecord& record);

// "name result @odds" for each of the record's selections, joined by LF.
std::string resultsCell(const LogRecord& record);

// The opening balance as the running balance starts from it: by its
// leading number, so a text that is not a number counts as 0.
double openingValue(const Dyn& openingBalance);

LogGrid buildLogGrid(const std::vector<LogRecord>& records, const Dyn& openingBalance);

}  // namespace pennant
