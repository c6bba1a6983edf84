#include "log/log_file.h"

#include <gtest/gtest.h>

#include "log/log_test_support.h"

namespace pennant {
namespace {

using namespace testing;
using LogFileTest = TempDirTest;
using Step = FaultyOps::Step;

TEST_F(LogFileTest, CountRoundsLengthToNearestRecord) {
    struct Case {
        std::size_t bytes;
        std::int64_t records;
    } cases[] = {{0, 0}, {111, 0}, {112, 1}, {223, 1}, {334, 1}, {335, 2}, {2230, 10}};
    for (auto c : cases) {
        writeFile(dir / "a.bsl", std::string(c.bytes, 'x'));
        EXPECT_EQ(countRecords(dir / "a.bsl"), c.records) << c.bytes << " bytes";
    }
}

TEST_F(LogFileTest, MissingLogIsItsOwnError) {
    EXPECT_THROW(countRecords(dir / "none.bsl"), LogMissing);
    EXPECT_THROW(readRecord(dir / "none.bsl", 1), LogMissing);
    EXPECT_THROW(readAllRecords(dir / "none.bsl"), LogMissing);
    EXPECT_THROW(replaceRecord(dir / "none.bsl", 1, LogRecord()), LogMissing);
    EXPECT_FALSE(fs::exists(dir / "none.bsl"));
    ensureLogExists(dir / "none.bsl");
    EXPECT_EQ(fs::file_size(dir / "none.bsl"), 0u);
}

TEST_F(LogFileTest, ReadsRecordsSinglyAndAllAtOnce) {
    auto records = writeLog(dir / "a.bsl", 3);
    EXPECT_EQ(readRecordBytes(dir / "a.bsl", 2), records[1]);
    EXPECT_EQ(readRecord(dir / "a.bsl", 3).SelName[0], "Bet 3      ");
    EXPECT_EQ(readAllRecordBytes(dir / "a.bsl"), records);
    auto all = readAllRecords(dir / "a.bsl");
    ASSERT_EQ(all.size(), 3u);
    EXPECT_EQ(all[0].SelName[0], "Bet 1      ");
    EXPECT_THROW(readRecord(dir / "a.bsl", 0), LogError);
    EXPECT_THROW(readRecord(dir / "a.bsl", 4), LogError);
}

TEST_F(LogFileTest, PartialLastRecordReadsPaddedWithBlanks) {
    auto records = writeLog(dir / "a.bsl", 2);
    writeFile(dir / "a.bsl", records[0] + records[1].substr(0, 112));  // 335 bytes: 2 records
    std::string expected = records[1].substr(0, 112) + std::string(111, ' ');
    EXPECT_EQ(readRecordBytes(dir / "a.bsl", 2), expected);
    EXPECT_EQ(readAllRecordBytes(dir / "a.bsl").back(), expected);
}

TEST_F(LogFileTest, AppendCreatesMissingLogAndAddsAtTheEnd) {
    fs::path log = dir / "new.bsl";
    EXPECT_EQ(appendRecord(log, sampleRecord("First")), 1);
    EXPECT_EQ(appendRecord(log, sampleRecord("Second")), 2);
    EXPECT_EQ(fileBytes(log), sampleRecord("First").toBytes() + sampleRecord("Second").toBytes());
}

TEST_F(LogFileTest, AppendAfterTenRecordsWritesAtByte2230) {
    auto records = writeLog(dir / "a.bsl", 10);
    EXPECT_EQ(appendRecord(dir / "a.bsl", sampleRecord("Eleventh")), 11);
    std::string bytes = fileBytes(dir / "a.bsl");
    ASSERT_EQ(bytes.size(), 2453u);
    EXPECT_EQ(bytes.substr(2230), sampleRecord("Eleventh").toBytes());
}

TEST_F(LogFileTest, AppendPadsPartialRecordFirst) {
    auto records = writeLog(dir / "a.bsl", 2);
    writeFile(dir / "a.bsl", records[0] + records[1].substr(0, 50));  // 273 bytes
    EXPECT_EQ(appendRecord(dir / "a.bsl", sampleRecord("Third")), 3);
    EXPECT_EQ(fileBytes(dir / "a.bsl"),
              records[0] + records[1].substr(0, 50) + std::string(173, ' ') + sampleRecord("Third").toBytes());
}

TEST_F(LogFileTest, LogNeverGrowsPast32765Records) {
    fs::path log = dir / "big.bsl";
    writeFile(log, std::string(32764 * 223, ' '));
    EXPECT_EQ(appendRecord(log, sampleRecord("Last")), 32765);
    EXPECT_THROW(appendRecord(log, sampleRecord("Too many")), LogFull);
    EXPECT_EQ(fs::file_size(log), 32765u * 223);

    // A partial record would be padded to the 32,765th: full as well.
    writeFile(log, std::string(32764 * 223 + 1, ' '));
    EXPECT_THROW(appendRecord(log, sampleRecord("Too many")), LogFull);
    EXPECT_EQ(fs::file_size(log), 32764u * 223 + 1);
}

TEST_F(LogFileTest, FailedAppendLeavesNothingWritten) {
    auto records = writeLog(dir / "a.bsl", 2);
    writeFile(dir / "a.bsl", records[0] + records[1].substr(0, 50));
    std::string before = fileBytes(dir / "a.bsl");
    for (Step step : {Step::OpenLog, Step::Size, Step::Write, Step::Sync}) {
        FaultyOps ops;
        ops.fail = step;
        EXPECT_THROW(appendRecord(dir / "a.bsl", sampleRecord("Third"), ops), LogError);
        EXPECT_EQ(fileBytes(dir / "a.bsl"), before) << static_cast<int>(step);
    }
}

TEST_F(LogFileTest, FailedAppendToMissingLogLeavesNoFile) {
    FaultyOps ops;
    ops.fail = Step::Write;
    ops.error = ENOSPC;
    try {
        appendRecord(dir / "new.bsl", sampleRecord("First"), ops);
        FAIL() << "no error";
    } catch (const LogError& e) {
        EXPECT_NE(std::string(e.what()).find("No space left on device"), std::string::npos) << e.what();
    }
    EXPECT_TRUE(namesIn(dir).empty());
}

TEST_F(LogFileTest, ReplaceWritesInPlace) {
    auto records = writeLog(dir / "a.bsl", 3);
    replaceRecord(dir / "a.bsl", 2, sampleRecord("Changed"));
    EXPECT_EQ(fileBytes(dir / "a.bsl"), records[0] + sampleRecord("Changed").toBytes() + records[2]);
    EXPECT_THROW(replaceRecord(dir / "a.bsl", 4, sampleRecord("Beyond")), LogError);
    EXPECT_EQ(fs::file_size(dir / "a.bsl"), 669u);
}

TEST_F(LogFileTest, FailedReplaceKeepsTheOldRecord) {
    auto records = writeLog(dir / "a.bsl", 3);
    std::string before = fileBytes(dir / "a.bsl");
    for (Step step : {Step::OpenLog, Step::Read, Step::Write, Step::Sync}) {
        FaultyOps ops;
        ops.fail = step;
        EXPECT_THROW(replaceRecord(dir / "a.bsl", 2, sampleRecord("Changed"), ops), LogError);
        EXPECT_EQ(fileBytes(dir / "a.bsl"), before) << static_cast<int>(step);
    }
}

TEST_F(LogFileTest, DirectoryIsNoLog) {
    fs::create_directory(dir / "folder.bsl");
    EXPECT_THROW(countRecords(dir / "folder.bsl"), LogError);
    EXPECT_THROW(appendRecord(dir / "folder.bsl", sampleRecord("x")), LogError);
}

}  // namespace
}  // namespace pennant
