#include "log/log_edit.h"

#include <cmath>
#include <optional>
#include <system_error>

#include "engine/numbers.h"
#include "engine/text.h"
#include "log/log_add.h"
#include "log/log_file.h"

namespace pennant {
namespace {

namespace fs = std::filesystem;

fs::path absoluteLog(const fs::path& p) {
    std::error_code ec;
    fs::path a = fs::absolute(p, ec);
    return (ec ? p : a).lexically_normal();
}

bool sameFile(const fs::path& current, const fs::path& remembered) {
    if (remembered.empty()) return false;
    fs::path a = absoluteLog(current);
    if (a == remembered) return true;
    std::error_code ec;
    return fs::equivalent(a, remembered, ec);
}

void tell(FrmMain& m, const std::string& text, const char* title) {
    m.platform.messageBox({text, title, Icon::Exclamation, Buttons::Ok});
}

// Record r's stored bytes now; nullopt when the log or the record is gone.
// Throws LogError when the log is there but cannot be read.
std::optional<std::string> currentRecord(const fs::path& log, int r, FileOps& ops) {
    try {
        if (r < 1 || countRecords(log, ops) < r) return std::nullopt;
        return readRecordBytes(log, r, ops);
    } catch (const LogMissing&) {
        return std::nullopt;
    }
}

std::optional<Result> resultFromText(std::string_view text) {
    if (text == "WON" || text == "PLACED") return Result::Win;
    if (text == "LOST") return Result::Lose;
    if (text == "NON RAN") return Result::NR;
    return std::nullopt;
}

PickOutcome deleteLine(const LogViewerState& viewer, FrmMain& m, int r, FileOps& ops) {
    Project& p = m.project;
    bool unchanged;
    try {
        unchanged = viewer.stillShows(p, r, ops);
    } catch (const LogError& e) {
        tell(m, std::string("The line was not deleted.\r\n") + e.what(), "Delete Line");
        return PickOutcome::Refill;
    }
    if (!unchanged) {
        tell(m,
             "The log has changed since it was shown, so the line was not deleted.\r\n"
             "The log is shown afresh: pick the line again.",
             "Delete Line");
        return PickOutcome::Refill;
    }
    try {
        deleteRecord(viewer.file(), r, ops);
    } catch (const LogError& e) {
        tell(m, e.what(), "Delete Line");  // it says the line was not deleted, and why
        return PickOutcome::Refill;
    }
    --p.BetsLoggedCount;
    m.StatusBar1[2] = "BETS LOGGED: " + signForm(p.BetsLoggedCount);
    return PickOutcome::Deleted;
}

PickOutcome editLine(const LogViewerState& viewer, FrmMain& m, int r, FileOps& ops) {
    Project& p = m.project;
    bool unchanged;
    try {
        unchanged = viewer.stillShows(p, r, ops);
    } catch (const LogError& e) {
        tell(m, std::string("The line was not taken into the main window.\r\n") + e.what(), "Edit Line");
        return PickOutcome::Refill;
    }
    if (!unchanged) {
        tell(m,
             "The log has changed since it was shown, so the line was not taken into the main window.\r\n"
             "The log is shown afresh: pick the line again.",
             "Edit Line");
        return PickOutcome::Refill;
    }
    std::string bytes(viewer.recordBytes(r));
    p.LogRec = LogRecord::fromBytes(bytes);
    putRecordInWindow(m, p.LogRec);
    m.editState = true;
    p.PickedRecordNumber = r;
    p.PickedRecordBytes = bytes;
    p.PickedLogPath = viewer.file();
    return PickOutcome::Edited;
}

}  // namespace

void LogViewerState::fill(Project& project, FileOps& ops) {
    project.LogRecordLength = static_cast<int>(kLogRecordLength);
    file_ = absoluteLog(project.logPath());
    bytes_.clear();
    grid_ = LogGrid();
    ensureLogExists(file_, ops);
    bytes_ = readLogBytes(file_, ops);
    std::size_t count = static_cast<std::size_t>(recordsInLength(static_cast<std::int64_t>(bytes_.size())));
    bytes_.resize(count * kLogRecordLength, ' ');

    std::vector<LogRecord> records;
    records.reserve(count);
    for (std::size_t k = 0; k < count; ++k)
        records.push_back(
            LogRecord::fromBytes(std::string_view(bytes_).substr(k * kLogRecordLength, kLogRecordLength)));
    grid_ = buildLogGrid(records, project.OpeningBalance);

    project.LogRecordCount = static_cast<int>(count);
    project.GridText = grid_.GridText;
    if (!grid_.rows.empty()) {
        project.LogRecordNumber = recordCount();
        project.LogRec = std::move(records[grid_.rows.size() - 1]);
    }
}

std::string_view LogViewerState::recordBytes(int r) const {
    if (r < 1 || static_cast<std::size_t>(r) * kLogRecordLength > bytes_.size()) return {};
    return std::string_view(bytes_).substr(static_cast<std::size_t>(r - 1) * kLogRecordLength, kLogRecordLength);
}

bool LogViewerState::stillShows(const Project& project, int r, FileOps& ops) const {
    if (r < 1 || r > recordCount() || !sameFile(project.logPath(), file_)) return false;
    auto current = currentRecord(file_, r, ops);
    return current && *current == recordBytes(r);
}

PickOutcome pickAction(const LogViewerState& viewer, FrmMain& m, int row, const std::string& pickMode, FileOps& ops) {
    m.project.PickedRecordNumber = row;
    if (row < 1 || row > viewer.recordCount() + 1) return PickOutcome::Ignored;
    if (row == viewer.recordCount() + 1) {
        m.platform.messageBox({"No you can't edit/delete this line!", "No Can Do", Icon::Information, Buttons::Ok});
        return PickOutcome::NoCanDo;
    }
    // No scratch file is removed here: one left behind may be the only copy
    // of a log, and a delete never needs to.
    if (pickMode == "delete") return deleteLine(viewer, m, row, ops);
    if (pickMode == "edit") return editLine(viewer, m, row, ops);
    return PickOutcome::Ignored;
}

void putRecordInWindow(FrmMain& m, const LogRecord& rec) {
    std::string_view terms = trimBlanks(rec.BetTerms);
    if (terms == "WIN")
        m.clickOption(19);
    else if (terms == "Place 1/5")
        m.clickOption(21);
    else if (terms == "Place 1/4")
        m.clickOption(20);
    m.setCheck1(readLeading(rec.TaxPaid) == 1);
    m.setCombo7(std::string(trimBlanks(rec.BetType)));
    double stake = readLeading(rec.StakePerBet);
    m.setCombo8(std::isfinite(stake) ? shortestForm(stake) : std::string(trimBlanks(rec.StakePerBet)));
    for (int i = 0; i < kRows; ++i) m.row[i].name = rec.SelName[i];
    for (int i = 0; i < kRows; ++i) m.typeOdds(i, std::string(trimBlanks(rec.SelOdds[i])));

    // The logged results, so the window recalculates with the record's odds
    // and shows the bet as it was logged. Rows the bet type does not show
    // stay on Lose: a hidden winner would be priced.
    const BetType* type = findBetType(m.Combo7);
    int shown = type ? type->rows : 0;
    for (int i = 0; i < kRows; ++i) {
        auto result = i < shown ? resultFromText(trimBlanks(rec.SelResult[i])) : std::nullopt;
        m.clickOption(FrmMain::optionFor(i, result.value_or(Result::Lose)));
    }
}

void Command3_Click(FrmMain& m, FileOps& ops) {
    Project& p = m.project;
    std::optional<std::string> current;
    try {
        if (sameFile(p.logPath(), p.PickedLogPath)) current = currentRecord(p.PickedLogPath, p.PickedRecordNumber, ops);
    } catch (const LogError& e) {
        tell(m, std::string("The bet was not written back to the log.\r\n") + e.what(), "Update Log");
        return;
    }
    if (!current || *current != p.PickedRecordBytes) {
        tell(m,
             "The logged bet has changed or is gone since it was taken into this window, so it was not "
             "written back.\r\nPress CANCEL to leave the edit.",
             "Update Log");
        return;
    }

    LogRecord rec = LogRecord::fromBytes(p.PickedRecordBytes);
    fillLogRec(m, rec);
    try {
        replaceRecord(p.PickedLogPath, p.PickedRecordNumber, rec, ops);
    } catch (const LogError& e) {
        tell(m, std::string("The bet was not written back to the log.\r\n") + e.what(), "Update Log");
        return;
    }
    p.LogRec = rec;
    p.PickedRecordBytes.clear();
    m.editState = false;
}

}  // namespace pennant
