// The viewer's print command on a real log file in a directory of its own.
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "log/log_file.h"
#include "print/log_report.h"
#include "support/fake_platform.h"

namespace pennant {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

LogRecord losingSingle() {
    LogRecord r;
    r.RowHeight = "200 ";
    r.BetDate = "11/12/2026";
    r.BetType = "Single   ";
    r.BetTerms = "WIN      ";
    r.StakePerBet = "1.00  ";
    r.TotalStake = "1.00    ";
    for (int k = 1; k <= 6; ++k) r.SelName[k - 1] = "Selection " + std::to_string(k);
    r.SelResult[0] = "LOST   ";
    r.SelOdds[0] = "5/2   ";
    r.Payout = "0           ";
    r.TaxPaid = "0        ";
    r.LogOpeningBalance = "100         ";
    return r;
}

class PrintCurrentLog : public ::testing::Test {
protected:
    fs::path dir;
    Project project;
    testing::FakePlatform platform;
    Lines sent;

    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "pennant-print-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        dir = pattern;
        project.programDir = dir;
        project.OpeningBalance = 100.0;
        platform.onPrint = [this](const PrintDocument& doc) {
            sent = renderText(doc);
            return true;
        };
    }
    void TearDown() override { fs::remove_all(dir); }
};

TEST_F(PrintCurrentLog, PrintsTheLogAndLeavesTheFileAsItWas) {
    appendRecord(project.logPath(), losingSingle());
    auto before = fs::file_size(project.logPath());
    printCurrentLog(project, platform);
    EXPECT_EQ(platform.printed, 1);
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(sent[2], "Logname: DEFAULT.BSL");
    EXPECT_EQ(sent.back(), "Closing Balance  99 ");
    EXPECT_EQ(fs::file_size(project.logPath()), before);
    EXPECT_EQ(readRecord(project.logPath(), 1).SelName[0], "Selection 1");
}

TEST_F(PrintCurrentLog, MissingOrClearedLogHasNoBets) {
    printCurrentLog(project, platform);
    EXPECT_TRUE(fs::exists(project.logPath()));  // opening creates it
    std::ofstream(project.logPath(), std::ios::trunc).close();
    printCurrentLog(project, platform);
    EXPECT_EQ(platform.printed, 0);
    ASSERT_EQ(platform.messages.size(), 2u);
    for (const auto& m : platform.messages) {
        EXPECT_EQ(m.text, "This Log contains no bets.");
        EXPECT_EQ(m.title, "Print Log Error");
    }
}

TEST_F(PrintCurrentLog, UnreadableLogIsReported) {
    project.LogFileName = "folder.bsl";
    fs::create_directory(dir / "folder.bsl");
    printCurrentLog(project, platform);
    EXPECT_EQ(platform.printed, 0);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].title, "Print Log Error");
    EXPECT_NE(platform.messages[0].text, "This Log contains no bets.");
}

}  // namespace
}  // namespace pennant
