// Deleting a line rewrites the whole log; whatever step fails, the log must
// come through exactly as it was.
#include <gtest/gtest.h>

#include "log/log_file.h"
#include "log/log_test_support.h"

namespace pennant {
namespace {

using namespace testing;
using LogDeleteTest = TempDirTest;
using Step = FaultyOps::Step;

TEST_F(LogDeleteTest, DeletingRecord2Of5ShiftsTheRestDown) {
    auto r = writeLog(dir / "DEFAULT.BSL", 5);
    deleteRecord(dir / "DEFAULT.BSL", 2);
    EXPECT_EQ(fs::file_size(dir / "DEFAULT.BSL"), 892u);
    EXPECT_EQ(fileBytes(dir / "DEFAULT.BSL"), r[0] + r[2] + r[3] + r[4]);
    EXPECT_EQ(namesIn(dir), std::set<std::string>{"DEFAULT.BSL"});
}

TEST_F(LogDeleteTest, FirstLastAndOnlyRecord) {
    auto r = writeLog(dir / "a.bsl", 3);
    deleteRecord(dir / "a.bsl", 3);
    EXPECT_EQ(fileBytes(dir / "a.bsl"), r[0] + r[1]);
    deleteRecord(dir / "a.bsl", 1);
    EXPECT_EQ(fileBytes(dir / "a.bsl"), r[1]);
    deleteRecord(dir / "a.bsl", 1);
    EXPECT_TRUE(fs::exists(dir / "a.bsl"));
    EXPECT_EQ(fs::file_size(dir / "a.bsl"), 0u);
}

TEST_F(LogDeleteTest, PartialLastRecordCanBeDeleted) {
    auto r = writeLog(dir / "a.bsl", 2);
    writeFile(dir / "a.bsl", r[0] + r[1].substr(0, 150));
    deleteRecord(dir / "a.bsl", 2);
    EXPECT_EQ(fileBytes(dir / "a.bsl"), r[0]);
}

TEST_F(LogDeleteTest, NoSuchLineChangesNothing) {
    auto r = writeLog(dir / "a.bsl", 2);
    EXPECT_THROW(deleteRecord(dir / "a.bsl", 3), LogError);
    EXPECT_THROW(deleteRecord(dir / "a.bsl", 0), LogError);
    EXPECT_THROW(deleteRecord(dir / "none.bsl", 1), LogMissing);
    EXPECT_EQ(fileBytes(dir / "a.bsl"), r[0] + r[1]);
    EXPECT_EQ(namesIn(dir), std::set<std::string>{"a.bsl"});
}

TEST_F(LogDeleteTest, EveryFailingStepLeavesTheLogAsItWas) {
    writeLog(dir / "DEFAULT.BSL", 5);
    std::string before = fileBytes(dir / "DEFAULT.BSL");
    for (Step step : {Step::OpenLog, Step::Size, Step::OpenScratch, Step::Read, Step::Write, Step::Sync, Step::Close,
                      Step::Rename}) {
        SCOPED_TRACE(static_cast<int>(step));
        FaultyOps ops;
        ops.fail = step;
        ops.error = ENOSPC;
        try {
            deleteRecord(dir / "DEFAULT.BSL", 2, ops);
            ADD_FAILURE() << "no error";
        } catch (const LogError& e) {
            std::string message = e.what();
            EXPECT_EQ(message.rfind("The line was not deleted", 0), 0u) << message;
        }
        EXPECT_GT(ops.calls, 0);
        EXPECT_EQ(fileBytes(dir / "DEFAULT.BSL"), before);
        EXPECT_EQ(namesIn(dir), std::set<std::string>{"DEFAULT.BSL"});
    }
}

TEST_F(LogDeleteTest, ScratchGoesBesideALogKeptElsewhere) {
    fs::path programDir = dir / "program", logDir = dir / "logs";
    fs::create_directories(programDir);
    fs::create_directories(logDir);
    auto r = writeLog(logDir / "races.bsl", 3);

    FaultyOps ops;
    deleteRecord(logDir / "races.bsl", 2, ops);
    ASSERT_EQ(ops.created.size(), 1u);
    EXPECT_EQ(ops.created[0], logDir / "LOG.TMP");
    EXPECT_EQ(fileBytes(logDir / "races.bsl"), r[0] + r[2]);
    EXPECT_TRUE(namesIn(programDir).empty());
    EXPECT_EQ(namesIn(logDir), std::set<std::string>{"races.bsl"});

    ops.fail = Step::Rename;
    EXPECT_THROW(deleteRecord(logDir / "races.bsl", 1, ops), LogError);
    EXPECT_EQ(fileBytes(logDir / "races.bsl"), r[0] + r[2]);
    EXPECT_EQ(namesIn(logDir), std::set<std::string>{"races.bsl"});
}

TEST_F(LogDeleteTest, ExistingScratchFileIsNeverOverwritten) {
    // What an interrupted delete of the old design left: the only copy of a log.
    auto other = writeLog(dir / "other.bsl", 4);
    fs::rename(dir / "other.bsl", dir / "LOG.TMP");
    auto r = writeLog(dir / "DEFAULT.BSL", 3);
    try {
        deleteRecord(dir / "DEFAULT.BSL", 1);
        FAIL() << "no error";
    } catch (const LogError& e) {
        std::string message = e.what();
        EXPECT_EQ(message.rfind("The line was not deleted", 0), 0u);
        EXPECT_NE(message.find("LOG.TMP"), std::string::npos);
    }
    EXPECT_EQ(fileBytes(dir / "LOG.TMP"), other[0] + other[1] + other[2] + other[3]);
    EXPECT_EQ(fileBytes(dir / "DEFAULT.BSL"), r[0] + r[1] + r[2]);
}

TEST_F(LogDeleteTest, LinkedLogKeepsItsLink) {
    fs::create_directories(dir / "real");
    auto r = writeLog(dir / "real" / "a.bsl", 2);
    fs::create_symlink(dir / "real" / "a.bsl", dir / "link.bsl");
    deleteRecord(dir / "link.bsl", 1);
    EXPECT_TRUE(fs::is_symlink(dir / "link.bsl"));
    EXPECT_EQ(fileBytes(dir / "real" / "a.bsl"), r[1]);
}

TEST_F(LogDeleteTest, KeepsThePermissionsOfTheLog) {
    writeLog(dir / "a.bsl", 2);
    fs::permissions(dir / "a.bsl", fs::perms::owner_read | fs::perms::owner_write);
    deleteRecord(dir / "a.bsl", 1);
    EXPECT_EQ(fs::status(dir / "a.bsl").permissions() & fs::perms::all, fs::perms::owner_read | fs::perms::owner_write);
}

}  // namespace
}  // namespace pennant
