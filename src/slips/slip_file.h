// Bet slips: the inputs of the bet on the main window, 35 values one per
// line in Windows-1252, and the Save As and Open commands that use them.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "engine/dyn.h"
#include "engine/frm_main.h"

namespace pennant {

inline constexpr int kSlipValues = 35;

struct SlipRecord {
    std::array<std::string, kRows> names;  // lines 1-6
    std::array<std::string, kRows> odds;   // lines 7-12
    std::array<bool, 18> options{};        // lines 13-30: Option1 .. Option18
    Dyn stake;                             // line 31: Combo8's text; a number once read back
    std::array<bool, 3> terms{};           // lines 32-34: Option19 .. Option21
    std::string betType;                   // line 35

    friend bool operator==(const SlipRecord&, const SlipRecord&) = default;
};

// The inputs as the window shows them now.
SlipRecord slipOf(const FrmMain& m);

// The file's bytes. A character Windows-1252 lacks becomes '?'.
std::string formatSlip(const SlipRecord& slip);

// A slip read whole, or why it cannot be used (naming the line at fault).
struct ParsedSlip {
    std::optional<SlipRecord> slip;
    std::string problem;
};
ParsedSlip parseSlip(std::string_view bytes);

// Puts the slip into the window through the controls' own behaviour: names,
// stake, bet type, odds, then each option that is set, in order.
void applySlip(FrmMain& m, const SlipRecord& slip);

void mnuSaveas_Click(FrmMain& m);
// Changes nothing unless the whole file is a usable slip.
void mnuOpen_Click(FrmMain& m);

}  // namespace pennant
