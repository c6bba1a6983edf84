#include "settings/settings_file.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace pennant {
namespace {

using testing::fixture;
using testing::TempDir;

TEST(SettingsFile, DefaultsAreWrittenByteForByte) {
    EXPECT_EQ(formatSettings(SettingsRecord{}), fixture("settings/defaults.ini"));
    EXPECT_EQ(formatSettings(settingsOf(Project{})), fixture("settings/defaults.ini"));
}

TEST(SettingsFile, ReadsTheFourValuesOfEachFixture) {
    struct Case {
        const char* file;
        Dyn tax;
        std::string log;
        Dyn balance;
        std::string flag;
    };
    const Case cases[] = {
        {"settings/defaults.ini", 9.0, "DEFAULT.BSL", 0.0, "True"},
        {"settings/typed.ini", 17.5, "/home/punter/Pennant Logs/Season 2026.bsl", 250.0, "False"},
        // An older file in the ANSI code page.
        {"settings/cp1252.ini", 9.0, "C:\\PENNANT\\B\xC3\xBCro.bsl", 0.0, "True"},
    };
    for (const Case& c : cases) {
        std::optional<SettingsRecord> s = parseSettings(fixture(c.file));
        ASSERT_TRUE(s) << c.file;
        EXPECT_EQ(s->TaxRate, c.tax) << c.file;
        EXPECT_EQ(s->LogFileName, c.log) << c.file;
        EXPECT_EQ(s->OpeningBalance, c.balance) << c.file;
        EXPECT_EQ(s->StatusBarFlag, c.flag) << c.file;
    }
}

TEST(SettingsFile, TypedValuesAreWrittenBareAndLoadedAsNumbers) {
    SettingsRecord typed{"17.5", "/home/punter/Pennant Logs/Season 2026.bsl", "250", "False"};
    std::string bytes = formatSettings(typed);
    EXPECT_EQ(bytes, fixture("settings/typed.ini"));
    std::optional<SettingsRecord> back = parseSettings(bytes);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->TaxRate, Dyn(17.5));  // looks like a number, so it is one now
    EXPECT_EQ(back->OpeningBalance, Dyn(250.0));
}

TEST(SettingsFile, AwkwardTextsSurviveARoundTrip) {
    SettingsRecord s{" 12.5 ", "/logs/Smith, J \"the punter\".bsl", "", "True"};
    std::optional<SettingsRecord> back = parseSettings(formatSettings(s));
    ASSERT_TRUE(back);
    EXPECT_EQ(*back, s);
}

TEST(SettingsFile, UnusableContentIsRejectedWhole) {
    const char* cases[] = {
        "",                                         // empty file
        " 9 \r\nDEFAULT.BSL\r\n 0 \r\n",            // three values
        "abc\r\nDEFAULT.BSL\r\n 0 \r\nTrue\r\n",    // tax rate not a number
        "\"\"\r\nDEFAULT.BSL\r\n 0 \r\nTrue\r\n",   // empty tax rate
        " 100 \r\nDEFAULT.BSL\r\n 0 \r\nTrue\r\n",  // tax rate 100 or more
        "1e400\r\nDEFAULT.BSL\r\n 0 \r\nTrue\r\n",  // beyond range
        " 9 \r\nDEFAULT.BSL\r\n 0 \r\nYes\r\n",     // flag neither True nor False
        " 9 \r\n\r\n 0 \r\nTrue\r\n",               // no log name
    };
    for (const char* bytes : cases) EXPECT_FALSE(parseSettings(bytes)) << bytes;
    EXPECT_FALSE(parseSettings(fixture("settings/empty.ini")));
}

TEST(SettingsFile, OldFileQuirksReadAsBefore) {
    // A comma cuts the log path; the value after it lands on the next line's
    // place, so the flag reads " 0 " and the whole load is abandoned.
    EXPECT_FALSE(parseSettings(fixture("settings/comma_in_path.ini")));
    // A fifth line and a byte-order mark are ignored; a balance may be text.
    std::optional<SettingsRecord> s = parseSettings(
        "\xEF\xBB\xBF"
        "-2.5\r\nLOG.BSL\r\nnone yet\r\nFalse\r\nextra\r\n");
    ASSERT_TRUE(s);
    EXPECT_EQ(s->TaxRate, Dyn(-2.5));
    EXPECT_EQ(s->OpeningBalance, Dyn("none yet"));
}

TEST(SettingsFile, LoadIsAllOrNothing) {
    TempDir dir;
    Project p;
    p.programDir = dir.path();
    p.TaxRate = 12.0;
    EXPECT_FALSE(loadSettings(p));  // no file yet
    dir.write("Pennant.ini", " 15 \r\nOTHER.BSL\r\n 5 \r\nMaybe\r\n");
    EXPECT_FALSE(loadSettings(p));
    EXPECT_EQ(p.TaxRate, Dyn(12.0));
    EXPECT_EQ(p.LogFileName, "DEFAULT.BSL");
    EXPECT_EQ(p.OpeningBalance, Dyn(0.0));

    dir.write("Pennant.ini", fixture("settings/typed.ini"));
    EXPECT_TRUE(loadSettings(p));
    EXPECT_EQ(p.TaxRate, Dyn(17.5));
    EXPECT_EQ(p.LogFileName, "/home/punter/Pennant Logs/Season 2026.bsl");
    EXPECT_EQ(p.OpeningBalance, Dyn(250.0));
    EXPECT_EQ(p.StatusBarFlag, "False");
}

TEST(SettingsFile, SaveReplacesTheFileAndLeavesNothingElse) {
    TempDir dir;
    Project p;
    p.programDir = dir.path();
    dir.write("Pennant.ini", "old content that is longer than the new one\r\n");
    EXPECT_EQ(saveSettings(p), std::nullopt);
    EXPECT_EQ(dir.read("Pennant.ini"), fixture("settings/defaults.ini"));
    EXPECT_EQ(dir.entries(), 1u);
}

TEST(SettingsFile, AFailedSaveSaysWhyAndLeavesNoScratchFile) {
    TempDir dir;
    Project p;
    p.programDir = dir.path();
    // A directory where the file should be: the rename cannot replace it.
    std::filesystem::create_directory(dir / "Pennant.ini");
    dir.write("Pennant.ini/keep", "x");
    std::optional<std::string> error = saveSettings(p);
    ASSERT_TRUE(error);
    EXPECT_NE(error->find("Pennant.ini"), std::string::npos) << *error;
    EXPECT_EQ(dir.read("Pennant.ini/keep"), "x");
    EXPECT_EQ(dir.entries(), 1u);
}

TEST(SettingsFile, SavingIntoAMissingDirectoryFails) {
    Project p;
    p.programDir = "/nonexistent/pennant/dir";
    EXPECT_TRUE(saveSettings(p));
}

}  // namespace
}  // namespace pennant
