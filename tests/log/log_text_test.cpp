#include "log/log_text.h"

#include <gtest/gtest.h>

#include "log/log_test_support.h"

namespace pennant {
namespace {

using testing::sampleRecord;

LogGrid twoBets() {
    std::vector<LogRecord> records = {sampleRecord("Red Rum", "0", "2.00"), sampleRecord("Arkle", "12.50", "1.00")};
    records[1].setRowHeight("400");
    records[1].setBetType("Double");
    records[1].setSelName(1, "Say \"When\", Sir");
    return buildLogGrid(records, Dyn(100.0));
}

TEST(LogText, TableAlignsColumnsAsTheViewer) {
    EXPECT_EQ(logTable(twoBets()),
              "   DATE      BET    W OR P  STAKE  TOTAL STAKED          RESULTS           WON   LOST   BALANCE\n"
              "11/12/2026  Single   WIN     1.00          2.00  Red Rum LOST @EVENS             -2.00    98.00\n"
              "11/12/2026  Double   WIN     1.00          1.00  Arkle LOST @EVENS        11.50          109.50\n"
              "                                                 Say \"When\", LOST @EVENS\n"
              "\n"
              "Opening Balance 100\n"
              "Closing Balance 109.50\n");
}

TEST(LogText, EmptyLogTable) {
    EXPECT_EQ(logTable(buildLogGrid({}, Dyn("abc"))),
              "DATE  BET  W OR P  STAKE  TOTAL STAKED  RESULTS  WON  LOST  BALANCE\n"
              "\n"
              "Opening Balance abc\n"
              "Closing Balance\n");
}

TEST(LogText, JsonHoldsTheCellsEscaped) {
    EXPECT_EQ(logJson(twoBets()),
              "{\"rows\": [\n"
              "[\"11/12/2026\", \"Single\", \"WIN\", \"1.00\", \"2.00\", \"Red Rum LOST @EVENS\", \"\", \"-2.00\", "
              "\"98.00\"],\n"
              "[\"11/12/2026\", \"Double\", \"WIN\", \"1.00\", \"1.00\", \"Arkle LOST @EVENS\\nSay \\\"When\\\", LOST "
              "@EVENS\", \"11.50\", \"\", \"109.50\"]\n"
              "], \"opening\": \"100\", \"closing\": \"109.50\"}\n");
    EXPECT_EQ(logJson(buildLogGrid({}, Dyn("a\\b\t"))),
              "{\"rows\": [], \"opening\": \"a\\\\b\\t\", \"closing\": \"\"}\n");
}

TEST(LogText, CsvQuotesEveryFieldAndEndsLinesWithCrLf) {
    EXPECT_EQ(
        logCsv(twoBets()),
        "\"DATE\",\"BET\",\"W OR P\",\"STAKE\",\"TOTAL STAKED\",\"RESULTS\",\"WON\",\"LOST\",\"BALANCE\"\r\n"
        "\"11/12/2026\",\"Single\",\"WIN\",\"1.00\",\"2.00\",\"Red Rum LOST @EVENS\",\"\",\"-2.00\",\"98.00\"\r\n"
        "\"11/12/2026\",\"Double\",\"WIN\",\"1.00\",\"1.00\",\"Arkle LOST @EVENS\nSay \"\"When\"\", LOST @EVENS\","
        "\"11.50\",\"\",\"109.50\"\r\n");
}

TEST(LogText, AccentedNamesCountAsOneColumn) {
    LogGrid grid = buildLogGrid({sampleRecord("Beauté", "0", "1.00")}, Dyn(0.0));
    std::string table = logTable(grid);
    std::size_t heading = table.find("RESULTS"), cell = table.find("Beauté");
    std::size_t headingLine = table.rfind('\n', heading), cellLine = table.rfind('\n', cell);
    // RESULTS is centred over "Beauté LOST @EVENS" (18 characters).
    EXPECT_EQ(heading - (headingLine == std::string::npos ? 0 : headingLine + 1), cell - (cellLine + 1) + 5);
}

}  // namespace
}  // namespace pennant
