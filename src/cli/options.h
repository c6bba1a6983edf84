// The command line of pennant-calc.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "engine/frm_main.h"

namespace pennant::cli {

struct Selection {
    Result result = Result::Lose;
    std::string odds = "EVENS";
};

struct Options {
    bool help = false;
    bool json = false;
    bool csv = false;
    bool report = false;
    std::string stake = "1.00";
    Terms terms = Terms::ToWin;
    std::string taxRate = "9";
    bool taxOnStake = true;
    std::optional<std::string> betType;
    std::vector<Selection> selections;
    std::optional<std::string> slip;
    std::optional<std::string> log;
    std::optional<std::string> openingBalance;
};

struct UsageError {
    std::string message;
};

// Throws UsageError for anything the command line does not allow.
Options parse(const std::vector<std::string>& args);

extern const char* const kUsage;

}  // namespace pennant::cli
