#include "log/log_add.h"

#include <cstdio>
#include <ctime>

#include "engine/numbers.h"
#include "engine/text.h"
#include "log/log_file.h"

namespace pennant {
namespace {

const char* termsText(Terms terms) {
    switch (terms) {
        case Terms::ToWin:
            return "WIN";
        case Terms::Place4:
            return "Place 1/4";
        case Terms::Place5:
            return "Place 1/5";
    }
    return "WIN";
}

std::chrono::year_month_day localToday() {
    std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm local{};
    localtime_r(&now, &local);
    return {std::chrono::year{local.tm_year + 1900}, std::chrono::month{static_cast<unsigned>(local.tm_mon + 1)},
            std::chrono::day{static_cast<unsigned>(local.tm_mday)}};
}

void addFailed(FrmMain& m, const std::string& text) {
    m.platform.messageBox({text, "Add to Log", Icon::Exclamation, Buttons::Ok});
}

}  // namespace

std::string resultText(Result result, Terms terms) {
    switch (result) {
        case Result::Win:
            return terms == Terms::ToWin ? "WON" : "PLACED";
        case Result::Lose:
            return "LOST";
        case Result::NR:
            return "NON RAN";
    }
    return "NON RAN";
}

std::string numericDate(std::chrono::year_month_day day) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02u/%02u/%04d", static_cast<unsigned>(day.day()),
                  static_cast<unsigned>(day.month()), static_cast<int>(day.year()));
    return buf;
}

std::string betDate(Platform& platform) {
    std::string date = platform.shortDate();
    auto stored = utf8ToCp1252(date);
    // A date longer than the field would lose its end, and the year with it.
    if (!date.empty() && stored && stored->size() <= LogRecord::kBetDate) return date;
    return numericDate(localToday());
}

void fillLogRec(const FrmMain& m, LogRecord& rec) {
    if (const BetType* type = findBetType(m.Combo7)) {
        rec.setRowHeight(std::to_string(200 * type->rows));
        for (int i = 0; i < type->rows; ++i) rec.setSelName(i, m.row[i].name);
    }
    rec.setBetDate(betDate(m.platform));
    rec.setBetType(m.Combo7);
    rec.setBetTerms(termsText(m.terms));
    rec.setStakePerBet(m.Combo8);
    rec.setTotalStake(m.Label[61]);
    for (int i = 0; i < kRows; ++i) {
        rec.setSelResult(i, resultText(m.row[i].result, m.terms));
        rec.setSelOdds(i, m.row[i].odds);
    }
    rec.setPayout(m.Label[49].empty() ? "0" : m.Label[49]);
    rec.setTaxPaid(m.Check1 ? "1" : "0");
    rec.setLogOpeningBalance(m.project.OpeningBalance.text());
    for (int i = 0; i < kRows; ++i)
        if (rec.SelName[i] == LogRecord::blanks(LogRecord::kSelName))
            rec.setSelName(i, "Selection " + std::to_string(i + 1));
}

void mnuAdd_Click(FrmMain& m, FileOps& ops) {
    // A text that names no bet type has no selection count to log by.
    if (!findBetType(m.Combo7)) return;
    Project& p = m.project;
    p.LogRecordLength = static_cast<int>(kLogRecordLength);

    LogRecord rec = p.LogRec;
    fillLogRec(m, rec);
    std::int64_t number = 0;
    try {
        number = appendRecord(p.logPath(), rec, ops);
    } catch (const LogFull&) {
        addFailed(m,
                  "This log already holds 32,765 bets, the most a log can hold.\r\n"
                  "The bet was not added. Start a new log in Setup Log.");
        return;
    } catch (const LogError& e) {
        addFailed(m, std::string("The bet was not added to the log.\r\n") + e.what());
        return;
    }

    p.LogRec = rec;
    p.LogRecordCount = static_cast<int>(number - 1);
    p.LogRecordNumber = static_cast<int>(number);
    ++p.BetsLoggedCount;
    m.StatusBar1[2] = "BETS LOGGED: " + signForm(p.BetsLoggedCount);
    m.StatusBar1[0] = "DATA LOGGED: YES";
}

}  // namespace pennant
