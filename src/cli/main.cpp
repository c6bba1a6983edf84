// pennant-calc: prices a bet on the same engine as the window.
#include <iostream>
#include <string>
#include <vector>

#include "cli/calc_output.h"
#include "cli/cli_platform.h"
#include "cli/options.h"
#include "engine/frm_main.h"

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

int run(const cli::Options& o) {
    Project project;
    cli::CliPlatform platform;
    FrmMain m(project, platform);
    m.loadDefaults();
    project.TaxRate = o.taxRate.empty() ? Dyn(9.0) : Dyn(o.taxRate);
    m.Label[57] = project.TaxRate.text();
    m.inputErrorsShown = 0;
    if (o.log || o.slip || o.report) {
        std::cerr << "pennant-calc: this mode is not available in this build\n";
        return 2;
    }
    priceBet(m, o);
    std::cout << (o.json ? cli::calcJson(m) : cli::calcTable(m));
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
