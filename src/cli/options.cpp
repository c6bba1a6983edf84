#include "cli/options.h"

#include "engine/numbers.h"
#include "engine/text.h"

namespace pennant::cli {

const char* const kUsage =
    "usage: pennant-calc [--json] [--stake TEXT] [--place 4|5] [--tax-rate TEXT] [--tax-on-winnings]\n"
    "                    BET-TYPE [RESULT:ODDS ...]\n"
    "       pennant-calc [options] --slip FILE\n"
    "       pennant-calc [options] --report BET-TYPE [RESULT:ODDS ...]\n"
    "       pennant-calc --log FILE [--opening-balance TEXT] [--json | --csv | --report]\n"
    "\n"
    "Prices a bet as the Pennant95 window does and prints the stake and the winnings.\n"
    "  BET-TYPE             Single, Double, Treble, Four Fold, Five Fold, Six Fold, Trixie,\n"
    "                       Yankee, Lucky 15, Canadian, Lucky 31, Heinz or Lucky 63\n"
    "  RESULT:ODDS          one per selection, rows 1 to 6: W (won or placed), L (lost) or\n"
    "                       N (non-runner), then the odds as typed, e.g. W:5/2 L:EVENS N:\n"
    "  --stake TEXT         stake per bet (default 1.00)\n"
    "  --place 4|5          place terms at 1/4 or 1/5 of the odds (default: to win)\n"
    "  --tax-rate TEXT      betting tax in percent (default 9)\n"
    "  --tax-on-winnings    deduct the tax from the returns instead of paying it on the stake\n"
    "  --json               one JSON object instead of the table\n"
    "  --slip FILE          price the bet of a bet-slip file instead of BET-TYPE\n"
    "  --report             the calculation (or the log) as it is printed\n"
    "  --log FILE           show a bet log as the log viewer does\n"
    "  --opening-balance T  the log's opening balance (default 0)\n"
    "  --csv                the log's rows as CSV\n"
    "  --help               this text\n"
    "Exit status: 0 priced, 1 the odds were not understood (INPUT ERROR), 2 usage or file error.\n";

namespace {

Selection parseSelection(const std::string& arg) {
    std::size_t colon = arg.find(':');
    if (colon == std::string::npos) throw UsageError{"selection without a colon: " + arg};
    std::string letter = arg.substr(0, colon);
    Selection s;
    if (letter == "W" || letter == "w") {
        s.result = Result::Win;
    } else if (letter == "L" || letter == "l") {
        s.result = Result::Lose;
    } else if (letter == "N" || letter == "n") {
        s.result = Result::NR;
    } else {
        throw UsageError{"unknown result '" + letter + "' (use W, L or N): " + arg};
    }
    s.odds = arg.substr(colon + 1);
    return s;
}

void checkTaxRate(const std::string& text) {
    if (text.empty()) return;
    auto v = readWhole(text);
    if (!v) throw UsageError{"the tax rate is not a number: " + text};
    if (*v >= 100) throw UsageError{"the tax rate must be below 100: " + text};
}

}  // namespace

Options parse(const std::vector<std::string>& args) {
    Options o;
    std::vector<std::string> positional;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (!isValidUtf8(a)) throw UsageError{"an argument is not valid UTF-8"};
        auto value = [&](const char* name) -> std::string {
            if (i + 1 >= args.size()) throw UsageError{std::string(name) + " needs a value"};
            if (!isValidUtf8(args[i + 1])) throw UsageError{"an argument is not valid UTF-8"};
            return args[++i];
        };
        if (a == "--help" || a == "-h") {
            o.help = true;
        } else if (a == "--json") {
            o.json = true;
        } else if (a == "--csv") {
            o.csv = true;
        } else if (a == "--report") {
            o.report = true;
        } else if (a == "--stake") {
            o.stake = value("--stake");
        } else if (a == "--place") {
            std::string p = value("--place");
            if (p == "4") o.terms = Terms::Place4;
            else if (p == "5") o.terms = Terms::Place5;
            else throw UsageError{"--place takes 4 or 5"};
        } else if (a == "--tax-rate") {
            o.taxRate = value("--tax-rate");
            checkTaxRate(o.taxRate);
        } else if (a == "--tax-on-winnings") {
            o.taxOnStake = false;
        } else if (a == "--slip") {
            o.slip = value("--slip");
        } else if (a == "--log") {
            o.log = value("--log");
        } else if (a == "--opening-balance") {
            o.openingBalance = value("--opening-balance");
        } else if (a == "--") {
            positional.insert(positional.end(), args.begin() + static_cast<long>(i) + 1, args.end());
            break;
        } else if (a.size() > 2 && a.rfind("--", 0) == 0) {
            throw UsageError{"unknown option " + a};
        } else {
            positional.push_back(a);
        }
    }
    if (o.help) return o;
    if (o.json + o.csv + o.report > 1) throw UsageError{"choose one of --json, --csv and --report"};
    if (o.log) {
        if (!positional.empty()) throw UsageError{"--log takes no bet type or selections"};
        return o;
    }
    if (o.csv) throw UsageError{"--csv works with --log"};
    if (o.openingBalance) throw UsageError{"--opening-balance works with --log"};
    if (o.slip) {
        if (!positional.empty()) throw UsageError{"--slip takes no bet type or selections"};
        return o;
    }
    if (positional.empty()) throw UsageError{"no bet type given"};
    o.betType = positional[0];
    if (positional.size() > 7) throw UsageError{"at most six selections"};
    for (std::size_t i = 1; i < positional.size(); ++i) o.selections.push_back(parseSelection(positional[i]));
    return o;
}

}  // namespace pennant::cli
