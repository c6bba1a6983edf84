#include "log/log_grid.h"

#include <cmath>

#include "engine/numbers.h"
#include "engine/text.h"

namespace pennant {

const std::array<const char*, kLogColumns> kLogHeadings = {"DATE",    "BET", "W OR P", "STAKE",  "TOTAL STAKED",
                                                           "RESULTS", "WON", "LOST",   "BALANCE"};

namespace {

int twips(double h) {
    if (!std::isfinite(h) || h < 0) return 0;
    return h > 9999 ? 9999 : static_cast<int>(std::lround(h));
}

int selectionsFor(double h) {
    for (int n = 1; n <= 6; ++n)
        if (h == 200.0 * n) return n;
    return 0;
}

std::string resultsFor(const LogRecord& record, int n) {
    std::string cell;
    cell.reserve(static_cast<std::size_t>(n) * 32);
    for (int k = 0; k < n; ++k) {
        if (k > 0) cell += '\n';
        cell += trimBlanks(record.SelName[k]);
        cell += ' ';
        cell += trimBlanks(record.SelResult[k]);
        cell += " @";
        cell += trimBlanks(record.SelOdds[k]);
    }
    return cell;
}

// A record's amounts as the viewer shows them.
struct Amounts {
    std::string profit;  // two-decimal text
    double profitValue;  // the value of that text, which the balance adds
};

// Throws CalcFailure when an amount is beyond the range of a number.
Amounts amountsOf(const LogRecord& record) {
    double profit = readLeading(trimBlanks(record.Payout)) - readLeading(trimBlanks(record.TotalStake));
    Amounts a;
    a.profit = twoDecimals(profit);
    a.profitValue = *readWhole(a.profit);
    return a;
}

void appendRow(std::string& text, const LogGridRow& row) {
    for (int c = 0; c < kLogColumns; ++c) {
        if (c > 0) text += '\t';
        text += row.cells[c];
    }
    text += '\r';
}

}  // namespace

int selectionCount(const LogRecord& record) {
    return selectionsFor(readLeading(record.RowHeight));
}

std::string resultsCell(const LogRecord& record) {
    return resultsFor(record, selectionCount(record));
}

double openingValue(const Dyn& openingBalance) {
    return openingBalance.leadingNumber();
}

LogGrid buildLogGrid(const std::vector<LogRecord>& records, const Dyn& openingBalance) {
    LogGrid grid;
    grid.opening = openingBalance.text();
    double balance = openingValue(openingBalance);
    grid.openingNegative = balance < 0;
    grid.rows.reserve(records.size());
    grid.GridText.reserve(records.size() * 96);

    for (const LogRecord& record : records) {
        LogGridRow row;
        try {
            Amounts a = amountsOf(record);
            balance += a.profitValue;
            row.cells[8] = twoDecimals(balance);
            (a.profitValue <= 0 ? row.cells[7] : row.cells[6]) = std::move(a.profit);
        } catch (const CalcFailure&) {
            grid.complete = false;
            break;
        }
        double h = readLeading(record.RowHeight);
        row.height = twips(h);
        row.cells[0] = trimBlanks(record.BetDate);
        row.cells[1] = trimBlanks(record.BetType);
        row.cells[2] = trimBlanks(record.BetTerms);
        row.cells[3] = trimBlanks(record.StakePerBet);
        row.cells[4] = trimBlanks(record.TotalStake);
        // Any RowHeight that is not a selection count leaves the cell empty;
        // the cells after it keep their columns.
        row.cells[5] = resultsFor(record, selectionsFor(h));
        appendRow(grid.GridText, row);
        grid.rows.push_back(std::move(row));
    }

    if (!grid.rows.empty()) {
        grid.closing = grid.rows.back().cells[8];
        grid.closingNegative = grid.closing.front() == '-';
    }
    return grid;
}

}  // namespace pennant
