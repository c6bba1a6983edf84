#include "print/calc_report.h"

#include <string>

namespace pennant {

namespace {

const char* resultWord(Result result) {
    switch (result) {
        case Result::Win: return "WON";
        case Result::Lose: return "LOST";
        case Result::NR: break;
    }
    return "NON-RAN";
}

const char* termsText(Terms terms) {
    switch (terms) {
        case Terms::ToWin: return "To WIN";
        case Terms::Place4: return "To PLACE @ 1/4 Odds";
        case Terms::Place5: break;
    }
    return "To PLACE @ 1/5 Odds";
}

// Only an empty name box falls back to the row's own name; blanks are a name.
std::string selectionName(const FrmMain& m, int k) {
    const std::string& name = m.row[k].name;
    return name.empty() ? "Selection" + std::to_string(k + 1) : name;
}

// The rows of the chosen bet type; a text that names no bet type has none.
int printedRows(const FrmMain& m) {
    const BetType* type = findBetType(m.Combo7);
    return type ? type->rows : 0;
}

}  // namespace

std::optional<PrintDocument> calcReport(const FrmMain& m) {
    if (m.Combo7 == "Select Bet") return std::nullopt;
    const std::string& taxRate = m.Label[57];
    PrintDocument doc;
    doc.at(30, "Pennant Calculator 95").endLine();
    doc.blankLine();
    doc.at(33, "Bet Calculation").endLine();
    doc.line("Bet Type: " + m.Combo7 + " " + termsText(m.terms));
    doc.line(m.Label[52] + " Bet/s @ " + m.Combo8 + " = " + m.Label[55]);
    if (m.Check1) doc.line("Tax paid on stake @ " + taxRate + "% = " + m.Label[59]);
    doc.line("Total Staked = " + m.Label[61]);
    doc.blankLine();
    for (int k = 0; k < printedRows(m); ++k)
        doc.line(selectionName(m, k) + " " + resultWord(m.row[k].result) + " @ " + m.row[k].odds);
    doc.line("Winnings: " + m.Label[45]);
    if (!m.Check1) doc.line("Tax paid on winnings @ " + taxRate + "% = " + m.Label[47]);
    doc.line("Total won:" + m.Label[49]);
    return doc;
}

void mnuPrint_Click(FrmMain& m) {
    std::optional<PrintDocument> doc = calcReport(m);
    if (!doc) {
        m.platform.messageBox({"You must select a Bet first!", "Print Error", Icon::Exclamation, Buttons::Ok});
        return;
    }
    // Without this the user would take a failed job for a printed page.
    if (!m.platform.print(*doc))
        m.platform.messageBox({"The calculation could not be printed. Check that a printer is available.",
                               "Print Error", Icon::Exclamation, Buttons::Ok});
}

}  // namespace pennant
