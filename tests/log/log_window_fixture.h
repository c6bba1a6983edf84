// A freshly started main window whose program directory is a temporary
// one, on a scripted platform: for adding, editing and deleting.
#pragma once

#include <string>
#include <vector>

#include "engine/frm_main.h"
#include "log/log_test_support.h"
#include "support/fake_platform.h"

namespace pennant::testing {

struct Row {
    std::string name;
    std::string odds;
    Result result;
};

class LogWindowTest : public TempDirTest {
protected:
    Project project;
    FakePlatform platform;
    FrmMain m{project, platform};

    void SetUp() override {
        TempDirTest::SetUp();
        project.programDir = dir;
        m.loadDefaults();
        platform.today = "11/12/2026";
    }

    // A bet entered as a user enters it.
    void enter(const std::string& type, const std::vector<Row>& rows, const std::string& stake = "1.00",
               int termsOption = 19) {
        m.setCombo7(type);
        m.setCombo8(stake);
        m.clickOption(termsOption);
        for (std::size_t i = 0; i < rows.size(); ++i) {
            int k = static_cast<int>(i);
            m.row[i].name = rows[i].name;
            m.typeOdds(k, rows[i].odds);
            m.clickOption(FrmMain::optionFor(k, rows[i].result));
        }
    }

    fs::path log() const { return dir / "DEFAULT.BSL"; }
};

}  // namespace pennant::testing
