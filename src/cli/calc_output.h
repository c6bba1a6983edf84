// What pennant-calc prints of the window after a calculation.
#pragma once

#include <string>

#include "engine/frm_main.h"

namespace pennant::cli {

std::string calcTable(const FrmMain& m);
std::string calcJson(const FrmMain& m);

}  // namespace pennant::cli
