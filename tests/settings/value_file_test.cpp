#include "settings/value_file.h"

#include <gtest/gtest.h>

namespace pennant {
namespace {

TEST(ValueWriter, WritesEachKindOnItsOwnLine) {
    struct Case {
        Dyn value;
        std::string bytes;
    };
    const Case cases[] = {
        {9.0, " 9 \r\n"},
        {0.0, " 0 \r\n"},
        {250.0, " 250 \r\n"},
        {0.5, " .5 \r\n"},
        {-25.5, "-25.5 \r\n"},
        {"17.5", "17.5\r\n"},  // typed text stays bare
        {"DEFAULT.BSL", "DEFAULT.BSL\r\n"},
        {"", "\r\n"},
        {"C:\\Pennant\\My Logs\\2026.bsl", "C:\\Pennant\\My Logs\\2026.bsl\r\n"},
        // Texts the reader would cut or trim are quoted, inner quotes doubled.
        {"Smith, J", "\"Smith, J\"\r\n"},
        {"The \"Flyer\"", "\"The \"\"Flyer\"\"\"\r\n"},
        {"\"Quoted\"", "\"\"\"Quoted\"\"\"\r\n"},
        {"  Leading", "\"  Leading\"\r\n"},
        {"Trailing ", "\"Trailing \"\r\n"},
        {"\tTab", "\"\tTab\"\r\n"},
        {"   ", "\"   \"\r\n"},
    };
    for (const Case& c : cases) {
        ValueWriter w;
        w.value(c.value);
        EXPECT_EQ(w.str(), c.bytes) << c.value.text();
    }
    ValueWriter w;
    w.yesNo(true);
    w.yesNo(false);
    EXPECT_EQ(w.str(), "True\r\nFalse\r\n");
}

struct Expected {
    std::string text;
    bool quoted = false;
    int line = 1;
};

void expectFields(const std::string& input, const std::vector<Expected>& expected) {
    std::vector<Field> got = readFields(input);
    ASSERT_EQ(got.size(), expected.size()) << "input: " << input;
    for (std::size_t i = 0; i < got.size(); ++i) {
        EXPECT_EQ(got[i].text, expected[i].text) << "value " << i + 1 << " of " << input;
        EXPECT_EQ(got[i].quoted, expected[i].quoted) << "value " << i + 1 << " of " << input;
        EXPECT_EQ(got[i].line, expected[i].line) << "value " << i + 1 << " of " << input;
    }
}

TEST(ReadFields, ValuesEndAtLineEndsAndCommas) {
    expectFields("", {});
    expectFields("\r\n", {{""}});
    expectFields(" 9 \r\nDEFAULT.BSL\r\n 0 \r\nTrue\r\n",
                 {{"9 "}, {"DEFAULT.BSL", false, 2}, {"0 ", false, 3}, {"True", false, 4}});
    expectFields("no line end", {{"no line end"}});
    expectFields("lf\nonly\n", {{"lf"}, {"only", false, 2}});
    expectFields("cr\ronly\r", {{"cr"}, {"only", false, 2}});
    expectFields("\r\n\r\nthird", {{""}, {"", false, 2}, {"third", false, 3}});
    expectFields(" \t  blanks first\r\n", {{"blanks first"}});
    expectFields("   \r\n", {{""}});
}

TEST(ReadFields, AnUnquotedCommaSplitsTheLineAsOldFilesDid) {
    expectFields("Smith, J\r\nEVENS\r\n", {{"Smith"}, {"J"}, {"EVENS", false, 2}});
    expectFields("a,\r\nb\r\n", {{"a"}, {""}, {"b", false, 2}});
    expectFields("a,", {{"a"}, {""}});
    expectFields(",,", {{""}, {""}, {""}});
}

TEST(ReadFields, QuotedValues) {
    expectFields("\"Smith, J\"\r\n", {{"Smith, J", true}});
    expectFields("\"The \"\"Flyer\"\"\"\r\n", {{"The \"Flyer\"", true}});
    expectFields("  \"  padded \"  \r\n", {{"  padded ", true}});
    expectFields("\"\"\r\n", {{"", true}});
    // What follows the closing quote up to the comma or line end is dropped.
    expectFields("\"abc\"def,g\r\nh", {{"abc", true}, {"g"}, {"h", false, 2}});
    // The closing quote may be lines later; without one the text runs on.
    expectFields("\"two\r\nlines\"\r\nnext\r\n", {{"two\r\nlines", true}, {"next", false, 3}});
    expectFields("\"open\r\nto the end", {{"open\r\nto the end", true}});
    // A quote inside an unquoted value is an ordinary character.
    expectFields("5\" long\r\n", {{"5\" long"}});
}

TEST(ReadFields, EveryWrittenTextReadsBackAsItWas) {
    const std::string texts[] = {"",        "Plain", "Smith, J", "The \"Flyer\"", "\"",   "\"\"", "  lead",
                                 "trail  ", "\t",    " , \" ,",  "a\r\nb",        "True", " 9 ",  "caf\xC3\xA9",
                                 "100/30",  "x\"",   "\",\"",    "line\n",        "\r"};
    ValueWriter w;
    for (const std::string& t : texts) w.text(t);
    std::vector<Field> back = readFields(w.str());
    ASSERT_EQ(back.size(), std::size(texts));
    for (std::size_t i = 0; i < back.size(); ++i) EXPECT_EQ(back[i].text, texts[i]) << "value " << i + 1;
}

TEST(ReadFields, GeneralValueIsANumberOnlyWhenUnquoted) {
    std::vector<Field> f = readFields(" 9 \r\n17.5\r\n\"250\"\r\nabc\r\n\r\n1e400\r\n");
    ASSERT_EQ(f.size(), 6u);
    EXPECT_EQ(generalValue(f[0]), Dyn(9.0));
    EXPECT_EQ(generalValue(f[1]), Dyn(17.5));
    EXPECT_EQ(generalValue(f[2]), Dyn("250"));
    EXPECT_EQ(generalValue(f[3]), Dyn("abc"));
    EXPECT_EQ(generalValue(f[4]), Dyn(""));
    EXPECT_EQ(generalValue(f[5]), Dyn("1e400"));  // beyond range: kept as typed
}

TEST(ReadYesNo, TrueFalseOrANumber) {
    struct Case {
        std::string text;
        std::optional<bool> value;
    };
    const Case cases[] = {
        {"True", true},  {"False", false},        {"0", false},       {" -1 ", true},         {"0.5", true},
        {"True ", true}, {"maybe", std::nullopt}, {"", std::nullopt}, {"true", std::nullopt}, {"1x", std::nullopt}};
    for (const Case& c : cases) EXPECT_EQ(readYesNo(c.text), c.value) << "'" << c.text << "'";
}

}  // namespace
}  // namespace pennant
