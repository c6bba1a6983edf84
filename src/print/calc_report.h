// Printing the calculation shown in the main window: a one-page summary of
// the bet, its stakes, selections and winnings, read from the window's
// controls and result labels as they stand.
#pragma once

#include <optional>

#include "engine/frm_main.h"
#include "print/print_document.h"

namespace pennant {

// The summary of the bet in the window; nullopt while no bet type is chosen.
std::optional<PrintDocument> calcReport(const FrmMain& m);

// File > Print: prints the summary, or says why nothing was printed.
void mnuPrint_Click(FrmMain& m);

}  // namespace pennant
