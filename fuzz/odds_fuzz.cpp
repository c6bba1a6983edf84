// Any odds text and any stake text give a price, empty results or the input
// error: never a crash.
#include <cstddef>
#include <cstdint>
#include <string>

#include "engine/frm_main.h"
#include "engine/numbers.h"
#include "engine/odds.h"
#include "platform/null_platform.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    for (int slot = 1; slot <= 6; ++slot) {
        try {
            pennant::oddsValue(text, slot);
        } catch (const pennant::CalcFailure&) {
        }
    }
    pennant::readLeading(text);
    pennant::readWhole(text);

    static pennant::Project project;
    static pennant::NullPlatform platform;
    pennant::FrmMain m(project, platform);
    m.loadDefaults();
    std::size_t cut = text.find('\n');
    m.setCombo7("Lucky 63");
    for (int i = 0; i < 6; ++i) {
        m.typeOdds(i, text.substr(0, cut));
        m.row[i].result = pennant::Result::Win;
    }
    m.setCombo8(cut == std::string::npos ? text : text.substr(cut + 1));
    m.Main();
    return 0;
}
