// pennant-calc: prices a bet on the same engine as the window.
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "cli/calc_output.h"
#include "cli/cli_platform.h"
#include "cli/options.h"
#include "engine/frm_main.h"
#include "log/log_file.h"
#include "log/log_grid.h"
#include "log/log_text.h"
#include "print/calc_report.h"
#include "print/log_report.h"
#include "print/print_document.h"
#include "slips/slip_file.h"

using namespace pennant;

namespace {

const char* const kInputErrorLines =
    "You can type in the odds directly.\n"
    "However you MUST use the syntax\n"
    "__/__ ie 12/1 should be entered as 12/1\n"
    "likewise 7/1 should be entered as 7/1\n";

// A freshly started window with every input in place, then the stake and the
// recalculation it would run.
void priceBet(FrmMain& m, const cli::Options& o) {
    m.Combo7 = *o.betType;
    m.Combo8 = o.stake;
    m.terms = o.terms;
    m.Label[8] = o.terms == Terms::ToWin ? "Win" : "Place";
    m.Check1 = o.taxOnStake;
    for (std::size_t i = 0; i < o.selections.size(); ++i) {
        m.row[i].result = o.selections[i].result;
        m.row[i].odds = o.selections[i].odds;
    }
    const BetType* type = findBetType(m.Combo7);
    m.Label[52] = type ? type->bets : "0";
    if (type) {
        for (int r = 2; r <= kRows; ++r) r <= type->rows ? m.rd(r) : m.cl(r);
        for (int i = 0; i < 6; ++i) m.Label[17 + i] = type->composition[i];
    }
    m.resetwinnings();
    m.stake();
    m.Main();
}

void printLines(const PrintDocument& document) {
    for (const std::string& line : renderText(document)) std::cout << line << '\n';
}

// --log: the log as the viewer shows it, or as it prints. Never creates or
// changes the file.
int showLog(const cli::Options& o) {
    std::vector<LogRecord> records;
    try {
        if (!std::filesystem::is_regular_file(*o.log)) throw LogMissing("The log file " + *o.log + " does not exist.");
        records = readAllRecords(*o.log);
    } catch (const LogError& e) {
        std::cerr << "pennant-calc: " << e.what() << '\n';
        return 2;
    }
    Dyn opening = o.openingBalance ? Dyn(*o.openingBalance) : Dyn(0.0);
    if (o.report) {
        std::optional<PrintDocument> report;
        try {
            report = logReport(records, *o.log, opening);
        } catch (const CalcFailure&) {
            std::cerr << "pennant-calc: the log holds an amount too large to print\n";
            return 2;
        }
        if (!report) {
            std::cerr << "This Log contains no bets.\n";
            return 2;
        }
        printLines(*report);
        return 0;
    }
    LogGrid grid = buildLogGrid(records, opening);
    std::cout << (o.json ? logJson(grid) : o.csv ? logCsv(grid) : logTable(grid));
    return 0;
}

int run(const cli::Options& o) {
    if (o.log) return showLog(o);
    Project project;
    cli::CliPlatform platform;
    FrmMain m(project, platform);
    m.loadDefaults();
    project.TaxRate = o.taxRate.empty() ? Dyn(9.0) : Dyn(o.taxRate);
    m.Label[57] = project.TaxRate.text();
    m.inputErrorsShown = 0;
    if (o.slip) {
        // The window's own Open, with the file dialog answering the slip.
        m.setCheck1(o.taxOnStake);
        platform.fileAnswer = *o.slip;
        mnuOpen_Click(m);
        for (const MessageRequest& message : platform.messages) {
            if (message.title == "INPUT ERROR") continue;
            std::cerr << "pennant-calc: " << message.text << '\n';
            return 2;
        }
    } else {
        priceBet(m, o);
    }
    if (o.report) {
        std::optional<PrintDocument> report = calcReport(m);
        if (!report) {
            std::cerr << "You must select a Bet first!\n";
            return 2;
        }
        printLines(*report);
    } else {
        std::cout << (o.json ? cli::calcJson(m) : cli::calcTable(m));
    }
    if (m.inputErrorsShown) {
        std::cerr << kInputErrorLines;
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    cli::Options options;
    try {
        options = cli::parse(args);
    } catch (const cli::UsageError& e) {
        std::cerr << "pennant-calc: " << e.message << "\n\n" << cli::kUsage;
        return 2;
    }
    if (options.help) {
        std::cout << cli::kUsage;
        return 0;
    }
    return run(options);
}
