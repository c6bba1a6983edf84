#include "log/log_record.h"

#include <gtest/gtest.h>

#include "log/log_test_support.h"

namespace pennant {
namespace {

using testing::fixture;

LogRecord wonSingle() {
    LogRecord r;
    r.setRowHeight("200");
    r.setBetDate("11/12/2026");
    r.setBetType("Single");
    r.setBetTerms("WIN");
    r.setStakePerBet("1.00");
    r.setTotalStake("1.09");
    r.setSelName(0, "Shergar");
    r.setSelResult(0, "WON");
    r.setSelOdds(0, "5/2");
    for (std::size_t i = 1; i < 6; ++i) {
        r.setSelName(i, "Selection " + std::to_string(i + 1));
        r.setSelResult(i, "LOST");
        r.setSelOdds(i, "EVENS");
    }
    r.setPayout("3.50");
    r.setTaxPaid("1");
    r.setLogOpeningBalance("0");
    return r;
}

TEST(LogRecord, WonSingleIsStoredByteForByte) {
    std::string bytes = wonSingle().toBytes();
    ASSERT_EQ(bytes.size(), 223u);
    EXPECT_EQ(bytes, fixture("single_won.bsl"));
    EXPECT_EQ(bytes.substr(0, 4), "200 ");
    EXPECT_EQ(bytes.substr(23, 9), "WIN      ");
    EXPECT_EQ(bytes.substr(46, 11), "Shergar    ");
    EXPECT_EQ(bytes.substr(112, 7), "WON    ");
    EXPECT_EQ(bytes.substr(154, 6), "5/2   ");
}

TEST(LogRecord, FixturesReadBackAndWriteAgainUnchanged) {
    for (const char* name : {"single_won.bsl", "lucky15.bsl", "treble_place.bsl"}) {
        SCOPED_TRACE(name);
        std::string bytes = fixture(name);
        EXPECT_EQ(LogRecord::fromBytes(bytes).toBytes(), bytes);
    }
    LogRecord treble = LogRecord::fromBytes(fixture("treble_place.bsl"));
    EXPECT_EQ(treble.BetTerms, "Place 1/5");
    EXPECT_EQ(treble.SelResult[0], "PLACED ");
    EXPECT_EQ(treble.SelResult[1], "LOST   ");
    EXPECT_EQ(treble.SelResult[2], "NON RAN");
    LogRecord lucky = LogRecord::fromBytes(fixture("lucky15.bsl"));
    EXPECT_EQ(lucky.RowHeight, "800 ");
    EXPECT_EQ(lucky.SelResult[4], "LOST   ");
    EXPECT_EQ(lucky.SelOdds[5], "EVENS ");
}

TEST(LogRecord, FitPadsAndCutsByCharacters) {
    struct Case {
        std::string value;
        std::size_t width;
        std::string stored;
    } cases[] = {
        {"Shergar", 11, "Shergar    "},
        {"Desert Orchid!", 11, "Desert Orch"},  // 14 characters cut to 11
        {"100/30", 6, "100/30"},                // exactly fills the odds field
        {"1000/30", 6, "1000/3"},
        {"Café Society", 11, "Café Societ"},  // é is one character
        {"", 4, "    "},
        {"\xE9t\xE9", 4, "\xC3\xA9t\xC3\xA9 "},  // not UTF-8: taken as Windows-1252 bytes
    };
    for (const auto& c : cases) EXPECT_EQ(LogRecord::fit(c.value, c.width), c.stored) << c.value;
}

TEST(LogRecord, AccentedNameIsOneWindows1252Byte) {
    LogRecord r;
    r.setSelName(0, "Beauté");
    std::string bytes = r.toBytes();
    ASSERT_EQ(bytes.size(), 223u);
    EXPECT_EQ(bytes.substr(46, 11), "Beaut\xE9     ");
    EXPECT_EQ(LogRecord::fromBytes(bytes).SelName[0], "Beauté     ");
}

TEST(LogRecord, CharacterOutsideWindows1252IsWrittenAsQuestionMark) {
    LogRecord r;
    r.setSelName(0, "Ω Star");
    EXPECT_EQ(r.toBytes().substr(46, 11), "? Star     ");
}

TEST(LogRecord, FieldsAssignedWithoutFitStillGiveExactly223Bytes) {
    LogRecord r;
    r.BetType = "Lucky 15 and more";
    r.Payout = "1";
    std::string bytes = r.toBytes();
    ASSERT_EQ(bytes.size(), 223u);
    EXPECT_EQ(bytes.substr(14, 9), "Lucky 15 ");
    EXPECT_EQ(bytes.substr(190, 12), "1           ");
}

TEST(LogRecord, ShortRecordReadsAsIfPaddedWithBlanks) {
    std::string bytes = fixture("single_won.bsl");
    LogRecord partial = LogRecord::fromBytes(bytes.substr(0, 50));
    EXPECT_EQ(partial.BetType, "Single   ");
    EXPECT_EQ(partial.SelName[0], "Sher       ");
    EXPECT_EQ(partial.Payout, std::string(12, ' '));
    EXPECT_EQ(partial.toBytes(), bytes.substr(0, 50) + std::string(173, ' '));
    EXPECT_EQ(LogRecord::fromBytes(""), LogRecord());
}

TEST(LogRecord, EveryByteSurvivesTheRoundTrip) {
    std::string bytes(223, ' ');
    for (int i = 0; i < 223; ++i) bytes[i] = static_cast<char>(0x21 + i);  // 0x21 .. 0xFF, undefined bytes too
    EXPECT_EQ(LogRecord::fromBytes(bytes).toBytes(), bytes);
}

}  // namespace
}  // namespace pennant
