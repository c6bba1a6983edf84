// A freshly started main-window model on a fake platform.
#pragma once

#include <string>
#include <vector>

#include "engine/frm_main.h"
#include "support/fake_platform.h"

namespace pennant::testing {

struct Sel {
    Result result;
    std::string odds;
};

class EngineFixture : public ::testing::Test {
protected:
    Project project;
    FakePlatform platform;
    FrmMain m{project, platform};

    void SetUp() override { m.loadDefaults(); }

    // Enters a bet as a user would: bet type, stake, terms, then each row's
    // odds and result.
    void enter(const std::string& type, const std::vector<Sel>& sels, const std::string& stake = "1.00",
               Terms terms = Terms::ToWin) {
        m.setCombo7(type);
        m.setCombo8(stake);
        m.clickOption(terms == Terms::ToWin ? 19 : terms == Terms::Place4 ? 20 : 21);
        for (std::size_t i = 0; i < sels.size(); ++i) {
            m.typeOdds(static_cast<int>(i), sels[i].odds);
            m.clickOption(FrmMain::optionFor(static_cast<int>(i), sels[i].result));
        }
    }
    std::string L(int n) const { return m.Label[n]; }
};

inline Sel W(std::string odds = "EVENS") { return {Result::Win, std::move(odds)}; }
inline Sel N(std::string odds = "EVENS") { return {Result::NR, std::move(odds)}; }
inline Sel X(std::string odds = "EVENS") { return {Result::Lose, std::move(odds)}; }

}  // namespace pennant::testing
