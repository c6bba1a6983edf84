// Feeds arbitrary bytes to every reader of value-per-line files: the field
// reader, the settings loader and the slip check. Besides not crashing,
// whatever they accept must survive being written and read again.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "settings/settings_file.h"
#include "settings/value_file.h"
#include "slips/slip_file.h"

namespace {

void require(bool condition) {
    if (!condition) std::abort();
}

void fieldsRoundTrip(std::string_view text) {
    std::vector<pennant::Field> fields = pennant::readFields(text);
    pennant::ValueWriter w;
    for (const pennant::Field& f : fields) w.text(f.text);
    std::vector<pennant::Field> back = pennant::readFields(w.str());
    require(back.size() == fields.size());
    for (std::size_t i = 0; i < back.size(); ++i) require(back[i].text == fields[i].text);
}

void settingsRoundTrip(std::string_view bytes) {
    std::optional<pennant::SettingsRecord> s = pennant::parseSettings(bytes);
    if (!s) return;
    std::optional<pennant::SettingsRecord> back = pennant::parseSettings(pennant::formatSettings(*s));
    require(back.has_value());
    require(back->LogFileName == s->LogFileName && back->StatusBarFlag == s->StatusBarFlag);
}

void slipRoundTrip(std::string_view bytes) {
    pennant::ParsedSlip parsed = pennant::parseSlip(bytes);
    require(parsed.slip.has_value() != !parsed.problem.empty());
    if (!parsed.slip) return;
    pennant::ParsedSlip back = pennant::parseSlip(pennant::formatSlip(*parsed.slip));
    require(back.slip.has_value());
    // A stake read as a number is written in 15 digits: compare the rest.
    back.slip->stake = parsed.slip->stake;
    require(*back.slip == *parsed.slip);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    fieldsRoundTrip(bytes);
    settingsRoundTrip(bytes);
    slipRoundTrip(bytes);
    return 0;
}
