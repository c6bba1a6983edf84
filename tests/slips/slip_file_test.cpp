#include "slips/slip_file.h"

#include <gtest/gtest.h>

#include <tuple>

#include "engine/frm_main.h"
#include "support/temp_dir.h"
#include "support/fake_platform.h"

namespace pennant {
namespace {

using testing::FakePlatform;
using testing::fixture;
using testing::TempDir;

// Lines of a slip's bytes, each without its CR LF.
std::vector<std::string> linesOf(const std::string& bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0, end;
    while ((end = bytes.find("\r\n", start)) != std::string::npos) {
        lines.push_back(bytes.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}
std::string joinLines(const std::vector<std::string>& lines) {
    std::string out;
    for (const std::string& l : lines) out += l + "\r\n";
    return out;
}

class SlipTest : public ::testing::Test {
protected:
    TempDir dir;
    Project project;
    FakePlatform platform;
    FrmMain m{project, platform};

    void SetUp() override {
        project.programDir = dir.path();
        m.loadDefaults();
    }

    // The Yankee of the fixture: rows 5 and 6 hidden but filled in.
    void enterYankee(FrmMain& w) {
        w.setCombo7("Yankee");
        w.setCombo8("0.50");
        w.clickOption(20);
        const char* names[] = {"Desert Orchid", "Red Rum", "Arkle", "Mill House", "Best Mate", "Kauto St\xC3\xA4r"};
        const char* odds[] = {"5/2", "EVENS", "100/30", "7/4", "11/2", "9/1"};
        const Result results[] = {Result::Win, Result::Lose, Result::NR, Result::Win, Result::Win, Result::Lose};
        for (int r = 0; r < kRows; ++r) {
            w.row[r].name = names[r];
            w.typeOdds(r, odds[r]);
            w.clickOption(FrmMain::optionFor(r, results[r]));
        }
    }

    void saveAs(const std::string& name) {
        platform.fileAnswers.push_back(name);
        mnuSaveas_Click(m);
    }
    void open(FrmMain& w, const std::string& name) {
        platform.fileAnswers.push_back(name);
        mnuOpen_Click(w);
    }
    std::string path(const std::string& name) const { return (dir / name).string(); }

    // Everything an Open may change.
    static auto state(const FrmMain& w) {
        return std::make_tuple(
            slipOf(w), w.Combo8, w.Label, w.Check1, w.StatusBar1,
            std::array{w.row[0].shown, w.row[1].shown, w.row[2].shown, w.row[3].shown, w.row[4].shown, w.row[5].shown});
    }
};

TEST_F(SlipTest, SaveAsWritesTheSlipByteForByte) {
    enterYankee(m);
    saveAs(path("yankee.slp"));
    EXPECT_EQ(dir.read("yankee.slp"), fixture("slips/yankee.slp"));
    EXPECT_EQ(dir.entries(), 1u);  // no scratch file left
    ASSERT_EQ(platform.fileDialogs.size(), 1u);
    const CommonDialog& d = platform.fileDialogs[0].dialog;
    EXPECT_EQ(platform.fileDialogs[0].kind, FileDialogKind::SaveAs);
    EXPECT_EQ(d.filterNames, (std::vector<std::string>{"All Files (*.*)", "Betting Slip Files (*.slp)"}));
    EXPECT_EQ(d.filterPatterns, (std::vector<std::string>{"*.* ", "*.slp"}));
    EXPECT_EQ(d.FilterIndex, 2);
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(SlipTest, OpenRestoresTheBetAndRecalculates) {
    enterYankee(m);
    dir.write("yankee.slp", fixture("slips/yankee.slp"));

    Project otherProject;
    otherProject.programDir = dir.path();
    FrmMain other{otherProject, platform};
    other.loadDefaults();
    other.setCheck1(false);
    open(other, path("yankee.slp"));

    EXPECT_TRUE(platform.messages.empty());
    SlipRecord expected = slipOf(m);
    expected.stake = Dyn("0.5");
    EXPECT_EQ(slipOf(other), expected);
    EXPECT_EQ(other.Combo8, "0.5");
    EXPECT_FALSE(other.Check1);  // not part of a slip
    EXPECT_EQ(other.Label[8], "Place");
    for (int r = 0; r < kRows; ++r) EXPECT_EQ(other.row[r].shown, r < 4) << "row " << r + 1;

    // Same inputs, same returns.
    other.setCheck1(true);
    EXPECT_FALSE(m.Label[49].empty());
    for (int n = 30; n <= 61; ++n) EXPECT_EQ(other.Label[n], m.Label[n]) << "Label" << n;
}

TEST_F(SlipTest, SavedThenOpenedGivesTheSameSlip) {
    enterYankee(m);
    m.row[0].name = "Smith, J";
    m.row[1].name = "The \"Flyer\"";
    m.row[2].name = "  Spaced  ";
    m.row[3].name = "";
    m.setCombo8(" 2");  // quoted, so it stays the text typed
    SlipRecord before = slipOf(m);
    saveAs(path("awkward.slp"));
    EXPECT_EQ(linesOf(dir.read("awkward.slp"))[0], "\"Smith, J\"");

    FrmMain other{project, platform};
    other.loadDefaults();
    open(other, path("awkward.slp"));
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(slipOf(other), before);
}

TEST_F(SlipTest, OnlyWholeSlipsOpen) {
    std::vector<std::string> lines = linesOf(fixture("slips/yankee.slp"));
    ASSERT_EQ(lines.size(), 35u);
    std::vector<std::string> shortLines(lines.begin(), lines.end() - 1);
    std::vector<std::string> longLines = lines;
    longLines.push_back("Something else");
    dir.write("34.slp", joinLines(shortLines));
    dir.write("35.slp", joinLines(lines));
    dir.write("36.slp", joinLines(longLines));

    auto before = state(m);
    open(m, path("34.slp"));
    EXPECT_EQ(state(m), before);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_NE(platform.messages[0].text.find(path("34.slp")), std::string::npos) << platform.messages[0].text;
    EXPECT_NE(platform.messages[0].text.find("34 of the 35"), std::string::npos) << platform.messages[0].text;

    for (const char* name : {"35.slp", "36.slp"}) {
        FrmMain fresh{project, platform};
        fresh.loadDefaults();
        open(fresh, path(name));
        EXPECT_EQ(fresh.Combo7, "Yankee") << name;
        EXPECT_EQ(fresh.row[5].name, "Kauto St\xC3\xA4r") << name;
    }
    EXPECT_EQ(platform.messages.size(), 1u);
}

TEST_F(SlipTest, ABadYesNoLineChangesNothingAndIsNamed) {
    dir.write("maybe.slp", fixture("slips/maybe_line13.slp"));
    m.setCombo7("Double");
    m.row[0].name = "Kept";
    auto before = state(m);
    open(m, path("maybe.slp"));
    EXPECT_EQ(state(m), before);
    ASSERT_EQ(platform.messages.size(), 1u);
    const std::string& text = platform.messages[0].text;
    EXPECT_NE(text.find(path("maybe.slp")), std::string::npos) << text;
    EXPECT_NE(text.find("line 13 holds \"maybe\""), std::string::npos) << text;
}

TEST_F(SlipTest, AMissingFileChangesNothing) {
    auto before = state(m);
    open(m, path("nowhere.slp"));
    EXPECT_EQ(state(m), before);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_NE(platform.messages[0].text.find("nowhere.slp"), std::string::npos);
}

TEST_F(SlipTest, OldSlipsReadAsBefore) {
    // A name with a comma, written bare by the old writer, shifts every later
    // value: the value that should be Option1 is the odds line 12.
    dir.write("comma.slp", fixture("slips/old_comma_name.slp"));
    auto before = state(m);
    open(m, path("comma.slp"));
    EXPECT_EQ(state(m), before);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_NE(platform.messages[0].text.find("line 12 holds \"9/1\""), std::string::npos) << platform.messages[0].text;

    // Leading blanks are skipped, numbers serve as yes/no, a quoted value
    // loses its quotes, and "1.00" comes back as "1".
    std::vector<std::string> lines = linesOf(fixture("slips/yankee.slp"));
    lines[0] = "   Desert Orchid";
    lines[1] = "\"Red Rum\"";
    lines[12] = "-1";
    lines[13] = "0";
    lines[30] = "1.00";
    dir.write("quirks.slp", joinLines(lines));
    open(m, path("quirks.slp"));
    EXPECT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(m.row[0].name, "Desert Orchid");
    EXPECT_EQ(m.row[1].name, "Red Rum");
    EXPECT_EQ(m.row[0].result, Result::Win);
    EXPECT_EQ(m.Combo8, "1");
}

TEST_F(SlipTest, CancelDoesNothing) {
    enterYankee(m);
    auto before = state(m);
    platform.fileAnswers.push_back(std::nullopt);
    mnuSaveas_Click(m);
    platform.fileAnswers.push_back(std::nullopt);
    mnuOpen_Click(m);
    EXPECT_EQ(state(m), before);
    EXPECT_EQ(dir.entries(), 0u);
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(SlipTest, TheDialogOffersTheNameChosenLastByEitherCommand) {
    saveAs(path("first.slp"));
    open(m, path("first.slp"));
    platform.fileAnswers.push_back(std::nullopt);
    mnuSaveas_Click(m);
    ASSERT_EQ(platform.fileDialogs.size(), 3u);
    EXPECT_EQ(platform.fileDialogs[1].dialog.FileName, path("first.slp"));
    EXPECT_EQ(platform.fileDialogs[1].kind, FileDialogKind::Open);
    EXPECT_EQ(platform.fileDialogs[2].dialog.FileName, path("first.slp"));
}

TEST_F(SlipTest, ANameWithoutExtensionIsUsedAsTyped) {
    saveAs("MYSLIP");  // a bare name lands in the program directory
    EXPECT_TRUE(dir.exists("MYSLIP"));
    EXPECT_EQ(dir.entries(), 1u);
}

TEST_F(SlipTest, AFailedSaveSaysSoAndLeavesNoFile) {
    enterYankee(m);
    saveAs(path("missing-folder/yankee.slp"));
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_NE(platform.messages[0].text.find("missing-folder/yankee.slp"), std::string::npos);
    EXPECT_EQ(dir.entries(), 0u);

    // A folder where the slip should go: the old content stays untouched.
    std::filesystem::create_directory(dir / "taken.slp");
    dir.write("taken.slp/inside", "x");
    saveAs(path("taken.slp"));
    EXPECT_EQ(platform.messages.size(), 2u);
    EXPECT_EQ(dir.read("taken.slp/inside"), "x");
    EXPECT_EQ(dir.entries(), 1u);
}

TEST_F(SlipTest, CharactersWindows1252LacksBecomeQuestionMarks) {
    m.row[0].name = "\xE2\x82\xAC 5 \xE2\x98\x85";  // euro sign, then a star it lacks
    m.row[1].name = "bad \xFF byte";
    saveAs(path("odd.slp"));
    std::vector<std::string> lines = linesOf(dir.read("odd.slp"));
    ASSERT_EQ(lines.size(), 35u);
    EXPECT_EQ(lines[0], "\x80 5 ?");
    EXPECT_EQ(lines[1], "bad ? byte");
}

}  // namespace
}  // namespace pennant
