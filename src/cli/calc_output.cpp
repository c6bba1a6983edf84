#include "cli/calc_output.h"

#include <cstdio>

#include "cli/json.h"

namespace pennant::cli {
namespace {

std::string padded(const std::string& s, std::size_t width, bool right) {
    if (s.size() >= width) return s;
    std::string pad(width - s.size(), ' ');
    return right ? pad + s : s + pad;
}

std::string rtrim(std::string s) {
    while (!s.empty() && s.back() == ' ') s.pop_back();
    return s;
}

}  // namespace

std::string calcTable(const FrmMain& m) {
    const auto& L = m.Label;
    std::string out;
    out += "Bet type     " + m.Combo7 + "\n";
    out += "Stake        " + L[52] + " Bets @ " + m.Combo8 + " = " + L[55] + "\n";
    if (m.Check1) out += "Tax Paid @   " + L[57] + "% = " + L[59] + "\n";
    out += "Total Stake  " + L[61] + "\n\n";
    out += padded("", 12, false) + padded("Bets", 6, true) + padded("Returns", 14, true) + "\n";
    const char* rows[] = {"Singles", "Doubles", "Trebles", "Four Fold", "Five Fold", "Six Fold", "Bonus"};
    for (int i = 0; i < 7; ++i)
        out += rtrim(padded(rows[i], 12, false) + padded(L[30 + i], 6, true) + padded(L[37 + i], 14, true)) + "\n";
    out += padded("TOTAL", 18, false) + padded(L[45], 14, true) + "\n";
    if (m.taxOnWinningsShown()) out += padded("-TAX", 18, false) + padded(L[47], 14, true) + "\n";
    out += padded("PAYOUT", 18, false) + padded(L[49], 14, true) + "\n";
    return out;
}

std::string calcJson(const FrmMain& m) {
    std::string out = "{";
    auto field = [&](const std::string& key, const std::string* value) {
        if (out.size() > 1) out += ", ";
        out += jsonString(key) + ": " + (value ? jsonString(*value) : "null");
    };
    auto label = [&](int n, bool shown = true) { field("Label" + std::to_string(n), shown ? &m.Label[n] : nullptr); };
    field("Combo8", &m.Combo8);
    label(52);
    label(55);
    label(59, m.Check1);
    label(61);
    for (int n = 30; n <= 43; ++n) label(n);
    label(45);
    label(47, !m.Check1);
    label(49);
    std::string error = "INPUT ERROR";
    field("error", m.inputErrorsShown ? &error : nullptr);
    return out + "}\n";
}

}  // namespace pennant::cli
