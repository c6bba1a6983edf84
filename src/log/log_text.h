// The log as text, the way the viewer shows it: a plain table, JSON and
// CSV, for the command-line program.
#pragma once

#include <string>

#include "log/log_grid.h"

namespace pennant {

// The nine columns with their headings, aligned as in the viewer (a
// RESULTS cell takes one line per selection), then a blank line and
// "Opening Balance ..." and "Closing Balance ...". Lines end with LF.
std::string logTable(const LogGrid& grid);

// {"rows": [[nine cell texts], ...], "opening": "...", "closing": "..."}
std::string logJson(const LogGrid& grid);

// RFC 4180: a heading line, then one line per record; every field quoted,
// lines ended by CR LF.
std::string logCsv(const LogGrid& grid);

}  // namespace pennant
