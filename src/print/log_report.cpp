#include "print/log_report.h"

#include <cmath>
#include <utility>

#include "engine/numbers.h"
#include "engine/text.h"
#include "log/log_file.h"

namespace pennant {

namespace {

std::string padded(std::string text, std::size_t width) {
    if (charCount(text) < width) text.append(width - charCount(text), ' ');
    return text;
}

// Selection k (from 1) as "Red Rum WON@5/2".
std::string selectionText(const LogRecord& r, int k) {
    auto i = static_cast<std::size_t>(k - 1);
    return std::string(trimBlanks(r.SelName[i])) + " " + std::string(trimBlanks(r.SelResult[i])) + "@" +
           std::string(trimBlanks(r.SelOdds[i]));
}

// The selection count of a record: only the row heights of two to six
// selections give further lines.
int selectionCount(const LogRecord& r) {
    double height = readLeading(r.RowHeight);
    for (int n = 2; n <= 6; ++n)
        if (height == 200.0 * n) return n;
    return 1;
}

double profitOf(const LogRecord& r) {
    double profit = readLeading(trimBlanks(r.Payout)) - readLeading(trimBlanks(r.TotalStake));
    if (!std::isfinite(profit)) throw CalcFailure("amount out of range in a log record");
    return profit;
}

void heading(PrintDocument& doc, const std::string& logName, const Dyn& openingBalance) {
    doc.at(30, "Pennant Calculator 95").endLine();
    doc.blankLine();
    doc.line("Logname: " + logName);
    doc.blankLine();
    doc.text("Opening Balance ");
    if (openingBalance.isNumber())
        doc.number(openingBalance.number());
    else
        doc.text(openingBalance.text());
    doc.endLine();
    doc.blankLine();
    doc.text("Date").at(8, "Bet").at(17, "Win/Place").at(27, "Staked").at(34, "Results");
    doc.at(55, "Won").at(64, "Lost").at(72, "Balance").endLine();
}

// A Won or Lost item: the profit in one, a single blank in the other.
void profitItem(PrintDocument& doc, int column, bool holdsProfit, double profit) {
    if (holdsProfit)
        doc.numberAt(column, profit);
    else
        doc.at(column, " ");
}

void entry(PrintDocument& doc, const LogRecord& r, double profit, double balance) {
    doc.text(r.BetDate).at(8, r.BetType).at(17, r.BetTerms).at(27, r.TotalStake);
    doc.at(34, selectionText(r, 1));
    profitItem(doc, 54, profit > 0, profit);
    profitItem(doc, 64, profit <= 0, profit);
    doc.numberAt(72, balance).endLine();
    for (int k = 2, n = selectionCount(r); k <= n; ++k) doc.at(34, selectionText(r, k)).endLine();
}

}  // namespace

void shortenPlaceholders(LogRecord& record) {
    for (int k = 1; k <= 6; ++k) {
        std::string& name = record.SelName[static_cast<std::size_t>(k - 1)];
        if (trimBlanks(name) == "Selection " + std::to_string(k))
            name = padded("Sel " + std::to_string(k), LogRecord::kSelName);
    }
}

std::optional<PrintDocument> logReport(const std::vector<LogRecord>& records, const std::string& logName,
                                       const Dyn& openingBalance) {
    if (records.empty()) return std::nullopt;
    PrintDocument doc;
    heading(doc, logName, openingBalance);
    double balance = openingBalance.leadingNumber();
    for (LogRecord r : records) {
        shortenPlaceholders(r);
        double profit = profitOf(r);
        // The balance adds the profit as the viewer shows it, to the cent.
        balance += round2(profit);
        if (!std::isfinite(balance)) throw CalcFailure("balance out of range");
        entry(doc, r, profit, balance);
    }
    doc.blankLine();
    doc.text("Closing Balance ").number(balance).endLine();
    return doc;
}

void printLog(Project& project, Platform& platform, const std::vector<LogRecord>& records) {
    project.LogRecordLength = static_cast<int>(kLogRecordLength);
    project.LogRecordCount = static_cast<int>(records.size());
    auto fail = [&](const std::string& text) {
        platform.messageBox({text, "Print Log Error", Icon::Exclamation, Buttons::Ok});
    };
    if (records.empty()) return fail("This Log contains no bets.");
    project.LogRecordNumber = project.LogRecordCount;
    project.LogRec = records.back();
    shortenPlaceholders(project.LogRec);
    std::optional<PrintDocument> doc;
    try {
        doc = logReport(records, project.LogFileName, project.OpeningBalance);
    } catch (const CalcFailure&) {
        // An amount beyond any number would have no balance to print.
        return fail("This Log holds an amount too large to print.");
    }
    if (!platform.print(*doc)) fail("The log could not be printed. Check that a printer is available.");
}

void printCurrentLog(Project& project, Platform& platform, FileOps& ops) {
    std::vector<LogRecord> records;
    try {
        ensureLogExists(project.logPath(), ops);
        records = readAllRecords(project.logPath(), ops);
    } catch (const LogError& e) {
        platform.messageBox({e.what(), "Print Log Error", Icon::Exclamation, Buttons::Ok});
        return;
    }
    printLog(project, platform, records);
}

}  // namespace pennant
