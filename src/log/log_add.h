// "Add to &Log": the bet on the main window becomes the next record of the
// current log. Also the filling of LogRec from the window, which UPDATE LOG
// shares.
#pragma once

#include <chrono>
#include <string>

#include "engine/frm_main.h"
#include "log/file_ops.h"
#include "log/log_record.h"

namespace pennant {

// The logged text of a row's result: "WON" (to win) or "PLACED" for the
// Win option, "LOST", "NON RAN".
std::string resultText(Result result, Terms terms);

// Day/month/year in digits with slashes, e.g. "05/03/2026".
std::string numericDate(std::chrono::year_month_day day);

// BetDate: the system's short date when it fits in the field (10
// Windows-1252 characters), otherwise today as numericDate.
std::string betDate(Platform& platform);

// Writes the window's bet into `rec`: RowHeight and the first N names by
// the bet type (neither when Combo7 holds no bet-type name), the date,
// type, terms, stake, total stake, all six results and odds, payout ("0"
// when Label49 is empty), tax box and opening balance; then every name
// field of 11 blanks becomes "Selection k". Other fields keep their values.
void fillLogRec(const FrmMain& m, LogRecord& rec);

// mnuAdd_Click and Command2_Click. Nothing is written for a bet-type text
// that is no bet type ("Select Bet" included). A missing log is created.
// The count in the status bar rises only once the record is safely
// written; a full log or a file error shows a message and changes nothing.
void mnuAdd_Click(FrmMain& m, FileOps& ops = systemFileOps());

}  // namespace pennant
