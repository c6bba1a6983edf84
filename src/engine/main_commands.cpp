#include "engine/main_commands.h"

#include "log/log_file.h"
#include "settings/settings_file.h"

namespace pennant {
namespace {

void showMessage(FrmMain& m, const std::string& text, const std::string& title = "") {
    m.platform.messageBox({text, title, Icon::None, Buttons::Ok});
}

// A failed save must not end the command: the value stays in force for
// this run, and the user learns it will not be remembered.
void saveAndTell(FrmMain& m) {
    if (auto error = saveSettings(m.project))
        m.platform.messageBox({*error, "Pennant95", Icon::Exclamation, Buttons::Ok});
}

// Records in the current log; a log that is not there yet holds none.
int currentLogCount(const Project& p) {
    try {
        return static_cast<int>(countRecords(p.logPath()));
    } catch (const LogError&) {
        return 0;
    }
}

}  // namespace

void Form_Load(FrmMain& m) {
    Project& p = m.project;
    m.loadDefaults();
    // The status bar is shown unless the settings say otherwise.
    p.StatusBarFlag = "True";
    // A failed load leaves the project untouched; the log falls back.
    if (!loadSettings(p)) {
        p.LogFileName = "DEFAULT.BSL";
        p.OpeningBalance = 0.0;
    }
    m.Label[57] = p.TaxRate.text();
    m.statusBarShown = p.StatusBarFlag == "True";
    p.LogRecordLength = static_cast<int>(kLogRecordLength);
    p.LogRecordCount = currentLogCount(p);
    p.BetsLoggedCount = p.LogRecordCount;
    m.showLogPanels();
}

void mnuTaxRate_Click(FrmMain& m) {
    Project& p = m.project;
    std::optional<std::string> answer =
        m.platform.inputBox("Enter the current Tax rate: %", "Pennant95", p.TaxRate.text());
    if (!answer) return;
    if (answer->empty()) {
        p.TaxRate = 9.0;
        m.Label[57] = "9";
        return;
    }
    std::optional<double> rate = readWhole(*answer);
    if (!rate || *rate >= 100) {
        showMessage(m, "Invalid number");
        p.TaxRate = 0.0;
    } else {
        p.TaxRate = Dyn(*answer);
    }
    m.Label[57] = p.TaxRate.text();
    saveAndTell(m);
    m.stake();
    m.Main();
}

void menustatus_Click(FrmMain& m) {
    m.statusBarShown = !m.statusBarShown;
    m.project.StatusBarFlag = m.statusBarShown ? "True" : "False";
    saveAndTell(m);
}

void mnuContents_Click(FrmMain& m) {
    if (!m.platform.showHelp())
        m.platform.messageBox(
            {"The help file Pennant.hlp could not be found.", "Pennant95", Icon::Exclamation, Buttons::Ok});
}

void shutdown(FrmMain& m) { m.platform.closeHelp(); }

}  // namespace pennant
