// The main window's own commands: start-up, the tax rate, the status bar,
// help and shutdown.
#pragma once

#include "engine/frm_main.h"

namespace pennant {

// Fills the window, reads the settings and counts the current log.
void Form_Load(FrmMain& m);
// Asks for the tax rate, shows and saves it, and recalculates.
void mnuTaxRate_Click(FrmMain& m);
// Shows or hides the status bar and saves the choice.
void menustatus_Click(FrmMain& m);
void mnuContents_Click(FrmMain& m);
// Closes the help viewer this program opened.
void shutdown(FrmMain& m);

}  // namespace pennant
