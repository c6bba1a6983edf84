#include "engine/frm_main.h"

#include "engine/odds.h"

namespace pennant {

const std::vector<BetType>& betTypes() {
    static const std::vector<BetType> types = {
        {"Single", 1, {"1", "", "", "", "", ""}, "1"},
        {"Double", 2, {"", "1", "", "", "", ""}, "1"},
        {"Treble", 3, {"", "", "1", "", "", ""}, "1"},
        {"Four Fold", 4, {"", "", "", "1", "", ""}, "1"},
        {"Five Fold", 5, {"", "", "", "", "1", ""}, "1"},
        {"Six Fold", 6, {"", "", "", "", "", "1"}, "1"},
        {"Trixie", 3, {"", "3", "1", "", "", ""}, "4"},
        {"Yankee", 4, {"", "6", "4", "1", "", ""}, "11"},
        {"Lucky 15", 4, {"4", "6", "4", "1", "", ""}, "15"},
        {"Canadian", 5, {"", "10", "10", "5", "1", ""}, "26"},
        {"Lucky 31", 5, {"5", "10", "10", "5", "1", ""}, "31"},
        {"Heinz", 6, {"", "15", "20", "15", "6", "1"}, "57"},
        {"Lucky 63", 6, {"6", "15", "20", "15", "6", "1"}, "63"},
    };
    return types;
}

const BetType* findBetType(const std::string& name) {
    for (const BetType& t : betTypes())
        if (name == t.name) return &t;
    return nullptr;
}

const std::array<const char*, 46> kOddsList = {
    "2/5",  "4/9",  "1/2",  "8/15",   "4/7",  "8/13", "4/6",  "8/11", "4/5",  "5/6",  "10/11", "EVENS",
    "11/10", "6/5", "5/4",  "11/8",   "6/4",  "13/8", "7/4",  "15/8", "2/1",  "9/4",  "5/2",   "11/4",
    "3/1",  "100/30", "7/2", "4/1",  "9/2",  "5/1",  "11/2", "6/1",  "13/2", "7/1",  "15/2",  "8/1",
    "9/1",  "10/1", "12/1", "14/1",  "16/1", "20/1", "25/1", "33/1", "40/1", "50/1"};

const std::array<const char*, 25> kStakeList = {
    "0.01",  "0.05",  "0.10",  "0.20",  "0.30", "0.40", "0.50", "1.00", "1.50",
    "2.00",  "3.00",  "5.00",  "10.00", "15.00", "20.00", "25.00", "50.00", "75.00",
    "100.",  "150.",  "200.",  "300.",  "400.",  "500.",  "1000."};

namespace {

const char* const kDesignCaptions[][2] = {
    {"1", "1"},       {"2", "2"},           {"3", "3"},          {"4", "4"},           {"5", "5"},
    {"6", "6"},       {"7", "Odds"},        {"8", "Win"},        {"9", "Lose"},        {"10", "N/R"},
    {"11", "Singles"}, {"12", "Doubles"},   {"13", "Trebles"},   {"14", "Four Fold"},  {"15", "Five Fold"},
    {"16", "Six Fold"}, {"23", "Singles"},  {"24", "Doubles"},   {"25", "Trebles"},    {"26", "Four Fold"},
    {"27", "Five Fold"}, {"28", "Six Fold"}, {"29", "Bonus"},    {"44", "TOTAL"},      {"46", "-TAX"},
    {"48", "PAYOUT"}, {"50", "To Win"},     {"51", "Place 1/4"}, {"52", "0"},          {"53", "Bets @"},
    {"54", "="},      {"56", "Tax Paid @"}, {"58", "%  ="},      {"60", "Total Stake"}, {"69", "Place 1/5"}};

const char* const kInputErrorText =
    "You can type in the odds directly.\r\n"
    "However you MUST use the syntax\r\n"
    "__/__ ie 12/1 should be entered as 12/1\r\n"
    "likewise 7/1 should be entered as 7/1";

}  // namespace

FrmMain::FrmMain(Project& project_, Platform& platform_) : project(project_), platform(platform_) {
    for (auto& [number, caption] : kDesignCaptions) Label[std::stoi(number)] = caption;
    row[0].shown = true;
    CommonDialog1.filterNames = {"All Files (*.*)", "Betting Slip Files (*.slp)"};
    CommonDialog1.filterPatterns = {"*.* ", "*.slp"};
    CommonDialog1.FilterIndex = 2;
}

// ---- a user's changes ----

void FrmMain::setCombo7(const std::string& text) {
    if (text == Combo7) return;
    Combo7 = text;
    Combo7_Change();
}

void FrmMain::setCombo8(const std::string& text) {
    if (text == Combo8) return;
    Combo8 = text;
    Combo8_Change();
}

void FrmMain::pickOdds(int index, const std::string& text) {
    row[index].odds = text;
    Combo1_Click(index);
}

void FrmMain::typeOdds(int index, const std::string& text) { row[index].odds = text; }

void FrmMain::pressKeyInOdds(int index, int keyCode) { Combo1_KeyPress(index, keyCode); }

void FrmMain::clickOption(int number) {
    if (number >= 1 && number <= 18) {
        int r = (number - 1) / 3;
        int which = (number - 1) % 3;
        row[r].result = which == 0 ? Result::Win : which == 1 ? Result::Lose : Result::NR;
    } else if (number >= 19 && number <= 21) {
        terms = number == 19 ? Terms::ToWin : number == 20 ? Terms::Place4 : Terms::Place5;
    }
    Option_Click(number);
}

void FrmMain::setCheck1(bool ticked) {
    if (ticked == Check1) return;
    Check1 = ticked;
    Check1_Click();
}

// ---- handlers ----

void FrmMain::Combo7_Change() {
    if (const BetType* type = findBetType(Combo7)) {
        for (int r = 2; r <= kRows; ++r) r <= type->rows ? rd(r) : cl(r);
        for (int i = 0; i < 6; ++i) Label[17 + i] = type->composition[i];
        Label[52] = type->bets;
    }
    stake();
    for (auto& r : row) r.result = Result::Lose;
    Main();
}

void FrmMain::Combo8_Change() {
    stake();
    Main();
}

void FrmMain::Combo1_Click(int) { Main(); }

void FrmMain::Combo1_KeyPress(int, int keyCode) {
    if (keyCode == 13) Main();
}

void FrmMain::Option_Click(int number) {
    if (number == 19) Label[8] = "Win";
    if (number == 20 || number == 21) Label[8] = "Place";
    Main();
}

void FrmMain::Check1_Click() {
    // Label46/47 and Label59 follow Check1 (taxOnWinningsShown).
    stake();
    Main();
}

void FrmMain::mnuNew_Click() {
    for (auto& r : row) r.name.clear();
    for (auto& r : row) r.odds = "EVENS";
    for (int r = 0; r < kRows; ++r) clickOption(optionFor(r, Result::Lose));
}

void FrmMain::Command4_Click() {
    editState = false;
    setCombo7("Single");
    mnuNew_Click();
}

void FrmMain::rd(int rowNumber) { row[rowNumber - 1].shown = true; }
void FrmMain::cl(int rowNumber) { row[rowNumber - 1].shown = false; }

void FrmMain::loadDefaults() {
    for (auto& r : row) r.odds = kOddsList[11];
    setCombo8(kStakeList[7]);
    project.TaxRate = 9.0;
    project.LogFileName = "DEFAULT.BSL";
    project.OpeningBalance = 0.0;
    project.StatusBarFlag = "True";
    Label[57] = project.TaxRate.text();
}

void FrmMain::showLogPanels() {
    StatusBar1[1] = "LOGNAME: " + project.LogFileName;
    StatusBar1[2] = "BETS LOGGED: " + signForm(project.BetsLoggedCount);
}

// ---- the engine ----

void FrmMain::Main() {
    StatusBar1[0] = "DATA LOGGED: NO";
    for (auto& slot : odds) slot = Dyn("EVENS");
    winners = 0;
    for (const SelectionRow& r : row) {
        if (r.result == Result::Lose) continue;
        odds[winners++] = Dyn(r.result == Result::NR ? std::string("NR") : r.odds);
    }
    try {
        for (int n = 1; n <= kRows; ++n) odds[n - 1] = oddsValue(odds[n - 1].text(), n);
        placefraction = terms == Terms::ToWin ? 1 : terms == Terms::Place4 ? 0.25 : 0.2;
        for (auto& slot : odds) slot = round2(slot.number());
        for (auto& slot : odds) slot = slot.number() * placefraction;
        resetwinnings();
        using Pricing = void (FrmMain::*)();
        static const std::pair<const char*, Pricing> kDispatch[] = {
            {"Single", &FrmMain::wsingle},     {"Double", &FrmMain::wdouble},     {"Treble", &FrmMain::wtreble},
            {"Four Fold", &FrmMain::wfour},    {"Five Fold", &FrmMain::wfive},    {"Six Fold", &FrmMain::wsix},
            {"Trixie", &FrmMain::wtrixie},     {"Yankee", &FrmMain::wyankee},     {"Lucky 15", &FrmMain::wlucky15},
            {"Canadian", &FrmMain::wcanadian}, {"Lucky 31", &FrmMain::wlucky31}, {"Heinz", &FrmMain::wheinz},
            {"Lucky 63", &FrmMain::wlucky63}};
        for (auto& [name, method] : kDispatch) {
            if (Combo7 == name) {
                (this->*method)();
                break;
            }
        }
    } catch (const CalcFailure&) {
        inputError();
    }
}

void FrmMain::inputError() {
    ++inputErrorsShown;
    platform.messageBox({kInputErrorText, "INPUT ERROR", Icon::Exclamation, Buttons::Ok});
    for (auto& r : row) r.odds = "EVENS";
}

void FrmMain::stake() {
    try {
        auto bets = readWhole(Label[52]);
        if (!bets) throw CalcFailure("number of bets");
        if (Combo8.empty()) setCombo8("0");
        auto unit = readWhole(Combo8);
        if (!unit) throw CalcFailure("stake");
        unitstake = Money::fromDouble(*unit);
        Label[55] = twoDecimals(unitstake.times(*bets).toDouble());
        double total = *readWhole(Label[55]);
        if (Check1) {
            double tax = total * project.TaxRate.asNumber() / 100;
            Label[59] = twoDecimals(tax);
            Label[61] = twoDecimals(total + tax);
        } else {
            Label[61] = Label[55];
        }
    } catch (const CalcFailure&) {
        // An unreadable stake becomes "0", which recalculates by itself.
        setCombo8("0");
    }
}

void FrmMain::resetwinnings() {
    for (int n : {30, 31, 32, 33, 34, 35, 36, 37, 38, 39, 40, 41, 42, 43, 45, 47, 49}) Label[n].clear();
}

void FrmMain::formatwinnings() {
    for (int n : {37, 38, 39, 40, 41, 42, 43, 47, 49})
        if (auto v = readWhole(Label[n])) Label[n] = twoDecimals(*v);
    double total = 0;
    for (int n = 37; n <= 43; ++n) total += readLeading(Label[n]);
    Label[45] = twoDecimals(total);
}

void FrmMain::wintax() {
    auto total = readWhole(Label[45]);
    if (!total) throw CalcFailure("total");
    if (Check1) {
        Label[49] = twoDecimals(*total);
        return;
    }
    Label[47] = twoDecimals(*total * (project.TaxRate.asNumber() / 100));
    Label[49] = twoDecimals(*total - *readWhole(Label[47]));
}

}  // namespace pennant
