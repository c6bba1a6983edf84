// Where the program keeps "Pennant.ini", "DEFAULT.BSL" and "LOG.TMP".
#pragma once

#include <filesystem>

namespace pennant {

// Beside the executable for a build run in place; the user's data directory
// (created when missing) for the installed build. Needs the QApplication.
std::filesystem::path programDirectory();

}  // namespace pennant
