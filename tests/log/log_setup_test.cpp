// Making a log current, clearing it, choosing another, confirming the
// opening balance: on the model, with a scripted platform.
#include "log/log_setup.h"

#include <gtest/gtest.h>

#include "engine/frm_main.h"
#include "engine/text.h"
#include "log/log_test_support.h"
#include "settings/settings_file.h"
#include "support/fake_platform.h"

namespace pennant {
namespace {

using namespace testing;

class LogSetupTest : public TempDirTest {
protected:
    Project project;
    FakePlatform platform;
    FrmMain m{project, platform};
    LogOptionsTexts texts;

    void SetUp() override {
        TempDirTest::SetUp();
        project.programDir = dir;
        texts = logOptionsLoad(project);
    }

    // A log of n records, the last written with this opening balance.
    void writeLogWithBalance(const fs::path& p, int n, const std::string& balance) {
        std::string all;
        for (int k = 1; k <= n; ++k) {
            LogRecord r = sampleRecord("Bet " + std::to_string(k));
            r.setLogOpeningBalance(k == n ? balance : "1");
            all += r.toBytes();
        }
        writeFile(p, all);
    }
};

TEST_F(LogSetupTest, LoadShowsTheCurrentLogAndBalance) {
    project.LogFileName = "mine.bsl";
    project.OpeningBalance = Dyn("-25.5");
    LogOptionsTexts t = logOptionsLoad(project);
    EXPECT_EQ(t.Text1, "mine.bsl");
    EXPECT_EQ(t.Text2, "-25.5");
}

TEST_F(LogSetupTest, OpenlogCountsTheLogAndShowsIt) {
    struct Case {
        std::size_t bytes;
        int count;
        const char* panel;
    } cases[] = {{0, 0, "BETS LOGGED:  0"},
                 {2230, 10, "BETS LOGGED:  10"},
                 {334, 1, "BETS LOGGED:  1"},
                 {335, 2, "BETS LOGGED:  2"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bytes);
        writeFile(dir / "DEFAULT.BSL", std::string(c.bytes, 'x'));
        openlog(m);
        EXPECT_EQ(project.LogRecordCount, c.count);
        EXPECT_EQ(project.BetsLoggedCount, c.count);
        EXPECT_EQ(project.LogRecordNumber, c.count + 1);
        EXPECT_EQ(m.StatusBar1[1], "LOGNAME: DEFAULT.BSL");
        EXPECT_EQ(m.StatusBar1[2], c.panel);
    }
}

TEST_F(LogSetupTest, OpenlogCreatesAMissingLogEmpty) {
    project.BetsLoggedCount = 7;
    openlog(m);
    ASSERT_TRUE(fs::exists(dir / "DEFAULT.BSL"));
    EXPECT_EQ(fs::file_size(dir / "DEFAULT.BSL"), 0u);
    EXPECT_EQ(project.BetsLoggedCount, 0);
    EXPECT_EQ(m.StatusBar1[2], "BETS LOGGED:  0");
}

TEST_F(LogSetupTest, OpenlogThatCannotOpenChangesNothing) {
    project.LogFileName = (dir / "missing-dir" / "x.bsl").string();
    project.BetsLoggedCount = 4;
    project.LogRecordCount = 4;
    auto panels = m.StatusBar1;
    EXPECT_THROW(openlog(m), LogError);
    EXPECT_EQ(project.BetsLoggedCount, 4);
    EXPECT_EQ(project.LogRecordCount, 4);
    EXPECT_EQ(m.StatusBar1, panels);

    FaultyOps ops;
    ops.fail = FaultyOps::Step::OpenLog;
    project.LogFileName = "DEFAULT.BSL";
    EXPECT_THROW(openlog(m, ops), LogError);
    EXPECT_FALSE(fs::exists(dir / "DEFAULT.BSL"));
    EXPECT_EQ(m.StatusBar1, panels);
}

TEST_F(LogSetupTest, ClearAsksAndCancelKeepsTheLog) {
    writeLog(dir / "DEFAULT.BSL", 3);
    project.BetsLoggedCount = 3;
    platform.messageAnswers = {Answer::Cancel};
    EXPECT_FALSE(clearCurrentLog(m));
    ASSERT_EQ(platform.messages.size(), 1u);
    const MessageRequest& q = platform.messages[0];
    EXPECT_EQ(q.text, "Are sure sure you want to clear this log?");
    EXPECT_EQ(q.title, "Clear Current Log");
    EXPECT_EQ(q.icon, Icon::Stop);
    EXPECT_EQ(q.buttons, Buttons::OkCancel);
    EXPECT_EQ(fs::file_size(dir / "DEFAULT.BSL"), 3 * 223u);
    EXPECT_EQ(project.BetsLoggedCount, 3);
}

TEST_F(LogSetupTest, ClearDeletesTheFileAndKeepsTheRest) {
    writeLog(dir / "DEFAULT.BSL", 3);
    project.BetsLoggedCount = 3;
    project.OpeningBalance = 50.0;
    EXPECT_TRUE(clearCurrentLog(m));
    EXPECT_FALSE(fs::exists(dir / "DEFAULT.BSL"));
    EXPECT_EQ(project.BetsLoggedCount, 0);
    EXPECT_EQ(m.StatusBar1[2], "BETS LOGGED: 0");
    EXPECT_EQ(project.LogFileName, "DEFAULT.BSL");
    EXPECT_EQ(project.OpeningBalance, Dyn(50.0));
    EXPECT_FALSE(fs::exists(dir / SettingsFileName));

    // A second clear finds no file and is no failure.
    EXPECT_TRUE(clearCurrentLog(m));
    EXPECT_EQ(m.StatusBar1[2], "BETS LOGGED: 0");
    EXPECT_EQ(platform.messages.size(), 2u);  // the two questions only

    // Confirming makes the log again, empty.
    EXPECT_TRUE(confirmLogOptions(m, texts));
    EXPECT_EQ(fs::file_size(dir / "DEFAULT.BSL"), 0u);
    EXPECT_EQ(m.StatusBar1[2], "BETS LOGGED:  0");
}

TEST_F(LogSetupTest, ClearThatCannotDeleteSaysSoAndKeepsTheCount) {
    struct Stuck : FileOps {
        bool remove(const fs::path&) override {
            errno = EACCES;
            return false;
        }
    } ops;
    writeLog(dir / "DEFAULT.BSL", 2);
    project.BetsLoggedCount = 2;
    m.StatusBar1[2] = "BETS LOGGED:  2";
    EXPECT_FALSE(clearCurrentLog(m, ops));
    ASSERT_EQ(platform.messages.size(), 2u);
    EXPECT_NE(platform.messages[1].text.find("could not be cleared"), std::string::npos);
    EXPECT_EQ(project.BetsLoggedCount, 2);
    EXPECT_EQ(m.StatusBar1[2], "BETS LOGGED:  2");
    EXPECT_TRUE(fs::exists(dir / "DEFAULT.BSL"));
}

TEST_F(LogSetupTest, OpenExistingTakesTheLastRecordsOpeningBalance) {
    struct Case {
        const char* stored;
        std::string text2;
    } cases[] = {{"250", "250"}, {"-25.5", "-25.5"}, {" 12.50abc", "12.5"}, {"none", "0"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored);
        fs::path log = dir / "old.bsl";
        writeLogWithBalance(log, 10, c.stored);
        platform.fileAnswers = {log.string()};
        CommonDialog dialog;
        openExistingLog(m, dialog, texts);

        ASSERT_EQ(platform.fileDialogs.size(), 1u);
        const auto& asked = platform.fileDialogs[0];
        EXPECT_EQ(asked.kind, FileDialogKind::Open);
        EXPECT_EQ(asked.dialog.filterNames, (std::vector<std::string>{"All Files (*.*)", "Betting Log Files (*.bsl)"}));
        EXPECT_EQ(asked.dialog.filterPatterns, (std::vector<std::string>{"*.* ", "*.bsl"}));
        EXPECT_EQ(asked.dialog.FilterIndex, 2);

        EXPECT_EQ(project.LogFileName, log.string());
        EXPECT_EQ(texts.Text1, log.string());
        EXPECT_EQ(m.StatusBar1[1], "LOGNAME: " + log.string());
        EXPECT_EQ(m.StatusBar1[2], "BETS LOGGED:  10");
        EXPECT_EQ(texts.Text2, c.text2);
        EXPECT_TRUE(project.OpeningBalance.isNumber());
        EXPECT_EQ(project.OpeningBalance.text(), c.text2);
        EXPECT_EQ(trimBlanks(project.LogRec.SelName[0]), "Bet 10");
        EXPECT_TRUE(platform.messages.empty());
        platform.fileDialogs.clear();
    }
}

TEST_F(LogSetupTest, OpenNewNameCreatesAnEmptyLogAndKeepsTheBalance) {
    project.OpeningBalance = Dyn("75");
    texts.Text2 = "80 typed";
    fs::path log = dir / "new.bsl";
    platform.fileAnswers = {log.string()};
    CommonDialog dialog;
    openExistingLog(m, dialog, texts);
    EXPECT_EQ(fs::file_size(log), 0u);
    EXPECT_EQ(m.StatusBar1[2], "BETS LOGGED:  0");
    EXPECT_EQ(texts.Text1, log.string());
    EXPECT_EQ(texts.Text2, "80 typed");
    EXPECT_EQ(project.OpeningBalance, Dyn("75"));
    EXPECT_FALSE(fs::exists(dir / SettingsFileName));
}

TEST_F(LogSetupTest, CancelTakesTheNameThisDialogChoseLast) {
    project.LogFileName = "other.bsl";
    CommonDialog dialog;
    platform.fileAnswers = {std::nullopt};
    openExistingLog(m, dialog, texts);
    EXPECT_EQ(project.LogFileName, "DEFAULT.BSL");
    EXPECT_TRUE(fs::exists(dir / "DEFAULT.BSL"));
    EXPECT_EQ(texts.Text1, "DEFAULT.BSL");

    fs::path chosen = dir / "chosen.bsl";
    platform.fileAnswers = {chosen.string(), std::nullopt};
    openExistingLog(m, dialog, texts);
    project.LogFileName = "other.bsl";
    openExistingLog(m, dialog, texts);
    EXPECT_EQ(project.LogFileName, chosen.string());
    EXPECT_EQ(m.StatusBar1[1], "LOGNAME: " + chosen.string());
}

TEST_F(LogSetupTest, OpenThatFailsKeepsThePreviousLog) {
    writeLogWithBalance(dir / "DEFAULT.BSL", 2, "40");
    openlog(m);
    auto panels = m.StatusBar1;
    LogOptionsTexts before = texts;
    std::string bad = (dir / "no-such-dir" / "x.bsl").string();
    platform.fileAnswers = {bad};
    CommonDialog dialog;
    openExistingLog(m, dialog, texts);

    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_NE(platform.messages[0].text.find("x.bsl"), std::string::npos);
    EXPECT_NE(platform.messages[0].text.find("still DEFAULT.BSL"), std::string::npos);
    EXPECT_EQ(project.LogFileName, "DEFAULT.BSL");
    EXPECT_EQ(m.StatusBar1, panels);
    EXPECT_EQ(texts.Text1, before.Text1);
    EXPECT_EQ(texts.Text2, before.Text2);
    EXPECT_EQ(project.BetsLoggedCount, 2);
}

TEST_F(LogSetupTest, ConfirmTakesTheBalanceAsTypedAndSaves) {
    struct Case {
        std::string typed, shown, held;
    } cases[] = {{std::string(12, ' '), "0", "0"},
                 {"", "", ""},
                 {"100", "100", "100"},
                 {"-50", "-50", "-50"},
                 {" 5 ", " 5 ", " 5 "}};
    for (const Case& c : cases) {
        SCOPED_TRACE("[" + c.typed + "]");
        texts.Text2 = c.typed;
        EXPECT_TRUE(confirmLogOptions(m, texts));
        EXPECT_EQ(texts.Text2, c.shown);
        EXPECT_FALSE(project.OpeningBalance.isNumber());
        EXPECT_EQ(project.OpeningBalance.text(), c.held);
        EXPECT_TRUE(fs::exists(dir / "DEFAULT.BSL"));

        Project reread;
        reread.programDir = dir;
        ASSERT_TRUE(loadSettings(reread));
        EXPECT_EQ(reread.LogFileName, "DEFAULT.BSL");
        EXPECT_EQ(reread.OpeningBalance.text(), c.held);
    }
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(LogSetupTest, ConfirmThatCannotOpenTheLogSavesNothing) {
    project.OpeningBalance = 10.0;
    project.LogFileName = (dir / "gone" / "x.bsl").string();
    texts.Text2 = "99";
    EXPECT_FALSE(confirmLogOptions(m, texts));
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_NE(platform.messages[0].text.find("Nothing was saved"), std::string::npos);
    EXPECT_EQ(project.OpeningBalance, Dyn(10.0));
    EXPECT_FALSE(fs::exists(dir / SettingsFileName));
}

TEST_F(LogSetupTest, ConfirmWhoseSaveFailsSaysSoAndStillCloses) {
    fs::create_directory(dir / SettingsFileName);  // no file can take its name
    texts.Text2 = "20";
    EXPECT_TRUE(confirmLogOptions(m, texts));
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_NE(platform.messages[0].text.find("could not be saved"), std::string::npos);
    EXPECT_EQ(project.OpeningBalance, Dyn("20"));
}

TEST_F(LogSetupTest, ViewerFailureMakesDefaultCurrentAndShowsIt) {
    project.LogFileName = (dir / "gone" / "x.bsl").string();
    m.StatusBar1[1] = "LOGNAME: " + project.LogFileName;
    viewerOpenFailed(m);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].title, "Error, Opening BSL File");
    EXPECT_EQ(platform.messages[0].icon, Icon::Stop);
    EXPECT_EQ(project.LogFileName, "DEFAULT.BSL");
    EXPECT_EQ(m.StatusBar1[1], "LOGNAME: DEFAULT.BSL");
    EXPECT_EQ(m.StatusBar1[2], "BETS LOGGED:  0");
    EXPECT_FALSE(fs::exists(dir / "DEFAULT.BSL"));  // counted, not created

    writeLog(dir / "DEFAULT.BSL", 4);
    viewerOpenFailed(m);
    EXPECT_EQ(project.BetsLoggedCount, 4);
    EXPECT_EQ(m.StatusBar1[2], "BETS LOGGED:  4");
}

}  // namespace
}  // namespace pennant
