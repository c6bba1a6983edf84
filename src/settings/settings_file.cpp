#include "settings/settings_file.h"

#include "engine/text.h"
#include "settings/file_replace.h"
#include "settings/value_file.h"

namespace pennant {
namespace {

// A UTF-8 text; an older file written in the ANSI code page is converted.
std::string decode(std::string_view bytes) {
    if (!isValidUtf8(bytes)) return cp1252ToUtf8(bytes);
    // Editors on Windows put a byte-order mark in front of UTF-8 text.
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
    return std::string(bytes);
}

bool usableTaxRate(const Dyn& rate) {
    std::optional<double> n = rate.isNumber() ? std::optional<double>(rate.number()) : readWhole(rate.text());
    return n && *n < 100;
}

}  // namespace

std::optional<SettingsRecord> parseSettings(std::string_view bytes) {
    std::vector<Field> f = readFields(decode(bytes));
    if (f.size() < 4) return std::nullopt;
    SettingsRecord s;
    s.TaxRate = generalValue(f[0]);
    s.LogFileName = f[1].text;
    s.OpeningBalance = generalValue(f[2]);
    std::string_view flag = trimBlanks(f[3].text);
    if (!usableTaxRate(s.TaxRate) || s.LogFileName.empty() || (flag != "True" && flag != "False")) return std::nullopt;
    s.StatusBarFlag = std::string(flag);
    return s;
}

std::string formatSettings(const SettingsRecord& settings) {
    ValueWriter w;
    w.value(settings.TaxRate);
    w.text(settings.LogFileName);
    w.value(settings.OpeningBalance);
    w.text(settings.StatusBarFlag);
    return w.str();
}

SettingsRecord settingsOf(const Project& project) {
    return {project.TaxRate, project.LogFileName, project.OpeningBalance, project.StatusBarFlag};
}

bool loadSettings(Project& project) {
    std::optional<std::string> bytes = readFileBytes(project.programDir / SettingsFileName);
    if (!bytes) return false;
    std::optional<SettingsRecord> s = parseSettings(*bytes);
    if (!s) return false;
    project.TaxRate = s->TaxRate;
    project.LogFileName = s->LogFileName;
    project.OpeningBalance = s->OpeningBalance;
    project.StatusBarFlag = s->StatusBarFlag;
    return true;
}

std::optional<std::string> saveSettings(const Project& project) {
    std::filesystem::path path = project.programDir / SettingsFileName;
    if (auto error = replaceFile(path, formatSettings(settingsOf(project))))
        return "The settings could not be saved to " + path.string() + ": " + *error + ".";
    return std::nullopt;
}

}  // namespace pennant
