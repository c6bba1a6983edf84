// The log set-up window's work on the model: making a log current and
// counting it, clearing it, choosing another and confirming the opening
// balance. The window passes its texts in and shows what comes back.
#pragma once

#include <string>

#include "engine/frm_main.h"
#include "log/file_ops.h"
#include "platform/platform.h"

namespace pennant {

// The editable texts of the set-up window.
struct LogOptionsTexts {
    std::string Text1;  // the current log, shown only
    std::string Text2;  // the opening balance as typed
};

// What the window shows when it is first loaded.
LogOptionsTexts logOptionsLoad(const Project& project);

// Makes project.LogFileName the current log: creates it empty when it is
// missing, counts it, and shows its name and count in the status bar.
// Throws LogError (a message fit for the user) when the file cannot be
// opened or created; nothing has changed then.
void openlog(FrmMain& m, FileOps& ops = systemFileOps());

// "Cl&ear Current Log": asks, then deletes the file. A log that is already
// gone counts as cleared. Returns whether the log was cleared.
bool clearCurrentLog(FrmMain& m, FileOps& ops = systemFileOps());

// Prepares the window's file dialog for a log: both filter entries, the
// log-file entry selected.
void prepareLogDialog(CommonDialog& dialog);

// "&Open Existing/Create New Log": asks for a file with the window's own
// dialog and makes it current; an existing log's last record gives the
// opening balance (into the project and texts.Text2). A file that cannot be
// opened is reported, and the previous log stays current.
void openExistingLog(FrmMain& m, CommonDialog& dialog, LogOptionsTexts& texts, FileOps& ops = systemFileOps());

// "O&K": makes the log current, takes the opening balance as typed and
// saves the settings. Returns whether the window may hide; false (after a
// message) when the log cannot be opened, and then nothing was saved.
bool confirmLogOptions(FrmMain& m, LogOptionsTexts& texts, FileOps& ops = systemFileOps());

// The log viewer could not read the current log: says so with its message
// and makes "DEFAULT.BSL" current, with its count (0 when it is missing)
// in the status bar, so the bar never names a log that is not current.
void viewerOpenFailed(FrmMain& m, FileOps& ops = systemFileOps());

}  // namespace pennant
