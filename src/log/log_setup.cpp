#include "log/log_setup.h"

#include <cerrno>
#include <cmath>
#include <optional>

#include "engine/numbers.h"
#include "engine/text.h"
#include "log/log_file.h"
#include "settings/settings_file.h"

namespace pennant {
namespace {

constexpr const char* kWindowTitle = "Log Options";
constexpr const char* kDefaultLog = "DEFAULT.BSL";

void tell(FrmMain& m, const std::string& text) {
    m.platform.messageBox({text, kWindowTitle, Icon::Exclamation, Buttons::Ok});
}

// The opening balance an existing log was last written with: its last
// record's, by the leading number. Nothing when the log is empty or that
// record cannot be read; the balance then stays as it was.
std::optional<double> lastOpeningBalance(FrmMain& m, FileOps& ops) {
    Project& p = m.project;
    if (p.LogRecordCount < 1) return std::nullopt;
    try {
        p.LogRec = readRecord(p.logPath(), p.LogRecordCount, ops);
    } catch (const LogError&) {
        return std::nullopt;
    }
    double value = readLeading(trimBlanks(p.LogRec.LogOpeningBalance));
    if (!std::isfinite(value)) return std::nullopt;
    return value;
}

}  // namespace

LogOptionsTexts logOptionsLoad(const Project& project) {
    return {project.LogFileName, project.OpeningBalance.text()};
}

void openlog(FrmMain& m, FileOps& ops) {
    Project& p = m.project;
    std::filesystem::path log = p.logPath();
    ensureLogExists(log, ops);
    std::int64_t count = countRecords(log, ops);

    p.LogRecordLength = static_cast<int>(kLogRecordLength);
    p.LogRecordCount = static_cast<int>(count);
    p.BetsLoggedCount = p.LogRecordCount;
    m.showLogPanels();
    p.LogRecordNumber = p.LogRecordCount + 1;
}

bool clearCurrentLog(FrmMain& m, FileOps& ops) {
    Answer a = m.platform.messageBox(
        {"Are sure sure you want to clear this log?", "Clear Current Log", Icon::Stop, Buttons::OkCancel});
    if (a != Answer::Ok) return false;

    Project& p = m.project;
    if (!ops.remove(p.logPath())) {
        int error = errno;
        // Clearing twice in a row finds no file: the log is as clear as asked.
        if (error != ENOENT) {
            tell(m, "The log \"" + p.logPath().string() + "\" could not be cleared (" + FileOps::describe(error) +
                        "). It still holds its bets.");
            return false;
        }
    }
    p.BetsLoggedCount = 0;
    m.StatusBar1[2] = "BETS LOGGED: 0";
    return true;
}

void prepareLogDialog(CommonDialog& dialog) {
    dialog.filterNames = {"All Files (*.*)", "Betting Log Files (*.bsl)"};
    dialog.filterPatterns = {"*.* ", "*.bsl"};
    dialog.FilterIndex = 2;
}

void openExistingLog(FrmMain& m, CommonDialog& dialog, LogOptionsTexts& texts, FileOps& ops) {
    Project& p = m.project;
    prepareLogDialog(dialog);
    // On cancel the dialog keeps the name it chose last, which is then
    // taken again.
    m.platform.showFileDialog(dialog, FileDialogKind::Open);
    std::string chosen = dialog.FileName.empty() ? kDefaultLog : dialog.FileName;

    std::string previous = p.LogFileName;
    p.LogFileName = chosen;
    try {
        openlog(m, ops);
    } catch (const LogError& e) {
        p.LogFileName = previous;
        tell(m, std::string(e.what()) + "\r\nThe current log is still " + previous + ".");
        return;
    }
    texts.Text1 = chosen;

    if (std::optional<double> balance = lastOpeningBalance(m, ops)) {
        p.OpeningBalance = *balance;
        texts.Text2 = p.OpeningBalance.text();
    }
}

bool confirmLogOptions(FrmMain& m, LogOptionsTexts& texts, FileOps& ops) {
    Project& p = m.project;
    try {
        openlog(m, ops);
    } catch (const LogError& e) {
        tell(m, std::string(e.what()) + "\r\nNothing was saved.");
        return false;
    }
    if (texts.Text2 == std::string(12, ' ')) texts.Text2 = "0";
    p.OpeningBalance = Dyn(texts.Text2);
    if (auto error = saveSettings(p)) tell(m, *error);
    return true;
}

void viewerOpenFailed(FrmMain& m, FileOps& ops) {
    m.platform.messageBox(
        {"An error has occurred whilst opening the specified\r\n"
         "*.BSL file. Make sure you only specify valid *.BSL files.\r\n ",
         "Error, Opening BSL File", Icon::Stop, Buttons::Ok});
    Project& p = m.project;
    p.LogFileName = kDefaultLog;
    std::int64_t count = 0;
    try {
        count = countRecords(p.logPath(), ops);
    } catch (const LogError&) {
        // Not there (yet): a log that holds no bets.
    }
    p.BetsLoggedCount = static_cast<int>(count);
    m.showLogPanels();
}

}  // namespace pennant
