// Deleting and editing logged bets, and "&UPDATE LOG", on the models only.
// The viewer remembers the file it was filled from and the bytes of every
// record it shows; nothing is deleted or overwritten unless the log still
// holds exactly what the user saw.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "engine/frm_main.h"
#include "log/file_ops.h"
#include "log/log_grid.h"

namespace pennant {

class LogViewerState {
public:
    // drawgrid's reading: opens the current log (created empty when it is
    // missing), reads every record, builds the grid and sets GridText,
    // LogRecordCount, LogRecordNumber and LogRec as the viewer leaves them.
    // Throws LogError when the log cannot be opened or read; the viewer then
    // shows its "Error, Opening BSL File" message.
    void fill(Project& project, FileOps& ops = systemFileOps());

    const LogGrid& grid() const { return grid_; }
    // The log as an absolute path.
    const std::filesystem::path& file() const { return file_; }
    // The records shown: grid row r (1 .. this) is record r; row this + 1
    // is the empty row.
    int recordCount() const { return static_cast<int>(grid_.rows.size()); }
    // Record r's 223 bytes as they were read (a partial last record padded).
    std::string_view recordBytes(int r) const;

    // Whether the current log is still this file and record r still holds
    // the bytes shown. Throws LogError when the log cannot be read.
    bool stillShows(const Project& project, int r, FileOps& ops = systemFileOps()) const;

private:
    std::filesystem::path file_;
    std::string bytes_;  // the whole log, padded to whole records
    LogGrid grid_;
};

enum class PickOutcome {
    Ignored,  // the heading row, or no pick mode: nothing changed, pick mode stays
    NoCanDo,  // the empty last row: the message was shown, pick mode stays
    Deleted,  // the record is gone: show the viewer again, not modally, filled afresh
    Edited,   // the bet is on the main window, in the edit state: close the viewer
    Refill,   // the log had changed, or the change failed: a message was shown,
              // nothing was touched; the viewer fills itself afresh
};

// Command5_Click, mnuDelete_Click and mnuEdit_Click: the pick action on
// grid row `row` with PickMode "delete" or "edit".
PickOutcome pickAction(const LogViewerState& viewer, FrmMain& m, int row, const std::string& pickMode,
                       FileOps& ops = systemFileOps());

// Puts a record into the main window as Edit does, each change running its
// event: terms, tax box, bet type, stake, the six names as stored, the six
// odds, then each row's result, so the window shows the logged bet.
void putRecordInWindow(FrmMain& m, const LogRecord& rec);

// "&UPDATE LOG": writes the window's bet back over the edited record and
// leaves the edit state. When the log or the record has changed since the
// Edit, or the write fails, a message says so, nothing is written and the
// edit state stays.
void Command3_Click(FrmMain& m, FileOps& ops = systemFileOps());

}  // namespace pennant
