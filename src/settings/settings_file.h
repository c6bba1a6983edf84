// "Pennant.ini": the tax rate, the current log, its opening balance and
// whether the status bar is shown, one value per line.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "engine/dyn.h"
#include "engine/project.h"

namespace pennant {

inline constexpr const char* SettingsFileName = "Pennant.ini";

struct SettingsRecord {
    Dyn TaxRate = 9.0;
    std::string LogFileName = "DEFAULT.BSL";
    Dyn OpeningBalance = 0.0;
    std::string StatusBarFlag = "True";

    friend bool operator==(const SettingsRecord&, const SettingsRecord&) = default;
};

// The four values of a settings file's bytes (UTF-8, or Windows-1252 when
// they are not valid UTF-8). nullopt when there are fewer than four, or
// when one would break the program later: a tax rate that is not a number
// or is 100 or more, a flag other than True or False, an empty log name.
std::optional<SettingsRecord> parseSettings(std::string_view bytes);

// The file's bytes: four lines, CR LF, UTF-8.
std::string formatSettings(const SettingsRecord& settings);

SettingsRecord settingsOf(const Project& project);

// Reads the file in the program directory into the project. On any failure
// the project is left exactly as it was and false is returned.
bool loadSettings(Project& project);

// Replaces the file with the project's four values. Returns nullopt on
// success, otherwise a message for the user; the old file then stays.
std::optional<std::string> saveSettings(const Project& project);

}  // namespace pennant
