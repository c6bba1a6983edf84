#include "engine/main_commands.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"
#include "support/fake_platform.h"

namespace pennant {
namespace {

using testing::FakePlatform;
using testing::fixture;
using testing::TempDir;

class MainCommandsTest : public ::testing::Test {
protected:
    TempDir dir;
    Project project;
    FakePlatform platform;
    FrmMain m{project, platform};

    void SetUp() override { project.programDir = dir.path(); }

    std::string settingsFile() const { return dir.read("Pennant.ini"); }
    void typeTaxRate(std::optional<std::string> answer) {
        platform.inputAnswers.push_back(std::move(answer));
        mnuTaxRate_Click(m);
    }
};

TEST_F(MainCommandsTest, FirstRunWithoutSettings) {
    Form_Load(m);
    EXPECT_EQ(project.TaxRate, Dyn(9.0));
    EXPECT_EQ(m.Label[57], "9");
    EXPECT_EQ(project.LogFileName, "DEFAULT.BSL");
    EXPECT_EQ(project.OpeningBalance, Dyn(0.0));
    EXPECT_TRUE(m.statusBarShown);
    EXPECT_EQ(m.StatusBar1[1], "LOGNAME: DEFAULT.BSL");
    EXPECT_EQ(m.StatusBar1[2], "BETS LOGGED:  0");
    EXPECT_EQ(m.Combo8, "1.00");
    EXPECT_EQ(m.row[3].odds, "EVENS");
    EXPECT_EQ(dir.entries(), 0u);  // nothing is written until a save
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(MainCommandsTest, StartUpAppliesTheSavedSettings) {
    dir.write("Pennant.ini", fixture("settings/typed.ini"));
    Form_Load(m);
    EXPECT_EQ(project.TaxRate, Dyn(17.5));
    EXPECT_EQ(m.Label[57], "17.5");
    EXPECT_EQ(project.OpeningBalance, Dyn(250.0));
    EXPECT_FALSE(m.statusBarShown);
    // The log named there is missing: it stays current and counts nothing.
    EXPECT_EQ(project.LogFileName, "/home/punter/Pennant Logs/Season 2026.bsl");
    EXPECT_EQ(m.StatusBar1[1], "LOGNAME: /home/punter/Pennant Logs/Season 2026.bsl");
    EXPECT_EQ(m.StatusBar1[2], "BETS LOGGED:  0");
}

TEST_F(MainCommandsTest, UnusableSettingsFallBackToTheDefaults) {
    dir.write("Pennant.ini", " 15 \r\nOTHER.BSL\r\n 5 \r\nMaybe\r\n");
    Form_Load(m);
    EXPECT_EQ(project.TaxRate, Dyn(9.0));
    EXPECT_EQ(m.Label[57], "9");
    EXPECT_EQ(project.LogFileName, "DEFAULT.BSL");
    EXPECT_EQ(project.OpeningBalance, Dyn(0.0));
    EXPECT_TRUE(m.statusBarShown);
    EXPECT_EQ(m.StatusBar1[1], "LOGNAME: DEFAULT.BSL");
}

TEST_F(MainCommandsTest, TheLogIsCountedInWholeRecordsRoundedToNearest) {
    struct Case {
        std::size_t bytes;
        int count;
        const char* panel;
    };
    const Case cases[] = {{0, 0, "BETS LOGGED:  0"},
                          {111, 0, "BETS LOGGED:  0"},
                          {112, 1, "BETS LOGGED:  1"},
                          {2 * 223, 2, "BETS LOGGED:  2"},
                          {12 * 223 + 112, 13, "BETS LOGGED:  13"}};
    for (const Case& c : cases) {
        dir.write("DEFAULT.BSL", std::string(c.bytes, ' '));
        Project p;
        p.programDir = dir.path();
        FrmMain w{p, platform};
        Form_Load(w);
        EXPECT_EQ(p.LogRecordCount, c.count) << c.bytes;
        EXPECT_EQ(p.BetsLoggedCount, c.count) << c.bytes;
        EXPECT_EQ(w.StatusBar1[2], c.panel) << c.bytes;
    }
}

TEST_F(MainCommandsTest, TaxRateAnswers) {
    struct Case {
        std::optional<std::string> answer;
        Dyn rate;
        std::string label;
        bool invalid;
        const char* saved;  // nullptr: the file is not written
    };
    const Case cases[] = {
        {"99.9", Dyn("99.9"), "99.9", false, "99.9\r\nDEFAULT.BSL\r\n 0 \r\nTrue\r\n"},
        {"17.5", Dyn("17.5"), "17.5", false, "17.5\r\nDEFAULT.BSL\r\n 0 \r\nTrue\r\n"},
        {"100", Dyn(0.0), "0", true, " 0 \r\nDEFAULT.BSL\r\n 0 \r\nTrue\r\n"},
        {"250", Dyn(0.0), "0", true, " 0 \r\nDEFAULT.BSL\r\n 0 \r\nTrue\r\n"},
        {"ten", Dyn(0.0), "0", true, " 0 \r\nDEFAULT.BSL\r\n 0 \r\nTrue\r\n"},
        {"", Dyn(9.0), "9", false, nullptr},
        {std::nullopt, Dyn(12.0), "12", false, nullptr},  // cancel keeps the rate in force
    };
    for (const Case& c : cases) {
        TempDir d;
        Project p;
        p.programDir = d.path();
        FakePlatform pf;
        FrmMain w{p, pf};
        Form_Load(w);
        p.TaxRate = 12.0;
        w.Label[57] = "12";
        pf.inputAnswers.push_back(c.answer);
        mnuTaxRate_Click(w);
        std::string what = c.answer.value_or("<cancel>");
        EXPECT_EQ(p.TaxRate, c.rate) << what;
        EXPECT_EQ(w.Label[57], c.label) << what;
        ASSERT_EQ(pf.inputs.size(), 1u);
        EXPECT_EQ(pf.inputs[0].prompt, "Enter the current Tax rate: %");
        EXPECT_EQ(pf.inputs[0].title, "Pennant95");
        EXPECT_EQ(pf.inputs[0].defaultText, "12");
        if (c.invalid) {
            ASSERT_EQ(pf.messages.size(), 1u) << what;
            EXPECT_EQ(pf.messages[0].text, "Invalid number");
            EXPECT_EQ(pf.messages[0].title, "");
            EXPECT_EQ(pf.messages[0].buttons, Buttons::Ok);
        } else {
            EXPECT_TRUE(pf.messages.empty()) << what;
        }
        if (c.saved)
            EXPECT_EQ(d.read("Pennant.ini"), c.saved) << what;
        else
            EXPECT_FALSE(d.exists("Pennant.ini")) << what;
    }
}

TEST_F(MainCommandsTest, ANewTaxRateRecalculatesTheStake) {
    Form_Load(m);
    m.setCombo7("Single");
    EXPECT_EQ(m.Label[59], "0.09");
    typeTaxRate("17.5");
    EXPECT_EQ(m.Label[59], "0.18");
    typeTaxRate("100");
    EXPECT_EQ(m.Label[59], "0.00");
}

TEST_F(MainCommandsTest, SavingAfterATaxRateChangeKeepsTheOtherValues) {
    dir.write("Pennant.ini", fixture("settings/typed.ini"));
    Form_Load(m);
    typeTaxRate("12.5");
    EXPECT_EQ(settingsFile(), fixture("settings/typed_after_tax_change.ini"));
}

TEST_F(MainCommandsTest, TogglingTheStatusBarTwiceSavesTwiceAndRestoresIt) {
    Form_Load(m);
    menustatus_Click(m);
    EXPECT_FALSE(m.statusBarShown);
    EXPECT_EQ(project.StatusBarFlag, "False");
    EXPECT_EQ(settingsFile(), " 9 \r\nDEFAULT.BSL\r\n 0 \r\nFalse\r\n");
    menustatus_Click(m);
    EXPECT_TRUE(m.statusBarShown);
    EXPECT_EQ(project.StatusBarFlag, "True");
    EXPECT_EQ(settingsFile(), fixture("settings/defaults.ini"));

    // The next start shows what was saved last.
    Project next;
    next.programDir = dir.path();
    FrmMain again{next, platform};
    Form_Load(again);
    EXPECT_TRUE(again.statusBarShown);
}

TEST_F(MainCommandsTest, AFailedSaveIsReportedAndTheChangeStillHolds) {
    Form_Load(m);
    std::filesystem::create_directory(dir / "Pennant.ini");
    dir.write("Pennant.ini/inside", "x");
    menustatus_Click(m);
    EXPECT_FALSE(m.statusBarShown);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_NE(platform.messages[0].text.find("Pennant.ini"), std::string::npos);
    typeTaxRate("10");
    EXPECT_EQ(m.Label[57], "10");
    EXPECT_EQ(platform.messages.size(), 2u);
    EXPECT_EQ(dir.entries(), 1u);
}

TEST_F(MainCommandsTest, HelpAndShutdown) {
    mnuContents_Click(m);
    EXPECT_EQ(platform.helpShown, 1);
    EXPECT_TRUE(platform.messages.empty());
    platform.helpAvailable = false;
    mnuContents_Click(m);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_NE(platform.messages[0].text.find("Pennant.hlp"), std::string::npos);
    shutdown(m);
    EXPECT_EQ(platform.helpClosed, 1);
}

}  // namespace
}  // namespace pennant
