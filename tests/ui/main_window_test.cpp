// The main window through its real widgets: bet entry, the odds boxes, the
// tax check box, the tax rate, the status bar, start-up and the edit state.
#include <fstream>
#include <sstream>

#include "ui_fixture.h"

namespace pennant::testing {
namespace {

class MainWindow : public UiTest {
protected:
    FrmMainWindow& w() { return mainWindow(); }
    QString text(const QString& name) { return find<QLabel>(&w(), name)->text(); }
    QComboBox* combo(const QString& name) { return find<QComboBox>(&w(), name); }
    QRadioButton* option(int n) { return find<QRadioButton>(&w(), QStringLiteral("Option%1").arg(n)); }
    bool shown(const QString& name) { return find<QWidget>(&w(), name)->isVisibleTo(&w()); }
    QString panel(int i) {
        return find<QLabel>(find<QStatusBar>(&w(), "StatusBar1"), QStringLiteral("Panel%1").arg(i))->text();
    }

    // A Single on row 1 at EVENS, won: 2.00 returned.
    void wonSingle() {
        pick(combo("Combo7"), "Single");
        option(1)->click();
        ASSERT_EQ(text("Label37"), "2.00");
    }
    bool rowShown(int row) {
        bool name = shown(QStringLiteral("Text%1").arg(row));
        EXPECT_EQ(shown(QStringLiteral("Combo1_%1").arg(row - 1)), name);
        for (int k = 1; k <= 3; ++k) EXPECT_EQ(shown(QStringLiteral("Option%1").arg((row - 1) * 3 + k)), name);
        return name;
    }
    std::string settingsFile() {
        std::ifstream in(file("Pennant.ini"), std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
};

TEST_F(MainWindow, TypingYankeeLetterByLetterResetsResultsEachTimeAndEndsOnFourRows) {
    pick(combo("Combo7"), "Single");
    const QString word = QStringLiteral("Yankee");
    combo("Combo7")->setFocus();
    combo("Combo7")->lineEdit()->selectAll();
    for (int i = 0; i < word.size(); ++i) {
        option(1)->click();  // a win the next keystroke must undo
        ASSERT_TRUE(option(1)->isChecked());
        QTest::keyClicks(combo("Combo7"), word.mid(i, 1));
        settle();
        EXPECT_TRUE(option(2)->isChecked()) << "after " << word.left(i + 1).toStdString();
        if (i + 1 < word.size()) {
            EXPECT_FALSE(rowShown(2)) << "rows change only on a whole name";
            EXPECT_EQ(text("Label52"), "1");
        }
    }
    EXPECT_EQ(combo("Combo7")->currentText(), "Yankee");
    for (int row = 1; row <= 4; ++row) EXPECT_TRUE(rowShown(row)) << row;
    EXPECT_FALSE(rowShown(5));
    EXPECT_FALSE(rowShown(6));
    EXPECT_EQ(text("Label17"), "");
    EXPECT_EQ(text("Label18"), "6");
    EXPECT_EQ(text("Label19"), "4");
    EXPECT_EQ(text("Label20"), "1");
    EXPECT_EQ(text("Label52"), "11");
    EXPECT_EQ(text("Label55"), "11.00");
}

TEST_F(MainWindow, YankeeAfterHeinzHidesRowsFiveAndSixAndLosesEveryRow) {
    pick(combo("Combo7"), "Heinz");
    for (int row = 1; row <= 6; ++row) ASSERT_TRUE(rowShown(row));
    for (int row = 0; row < 6; ++row) option(row * 3 + 1)->click();
    EXPECT_EQ(text("Label35"), "1");  // the six fold came up

    pick(combo("Combo7"), "Yankee");
    EXPECT_FALSE(rowShown(5));
    EXPECT_FALSE(rowShown(6));
    for (int row = 0; row < 6; ++row) {
        EXPECT_TRUE(option(row * 3 + 2)->isChecked()) << "row " << row + 1;
        EXPECT_EQ(w().model().row[row].result, Result::Lose);
    }
    EXPECT_EQ(text("Label45"), "") << "nothing won";
}

TEST_F(MainWindow, PickingTheSameBetTypeAgainStillResetsTheResults) {
    pick(combo("Combo7"), "Trixie");
    option(1)->click();
    ASSERT_TRUE(option(1)->isChecked());
    pick(combo("Combo7"), "Trixie");
    EXPECT_TRUE(option(2)->isChecked());
}

TEST_F(MainWindow, EachKeystrokeInTheStakeBoxRecalculates) {
    wonSingle();
    typeInto(combo("Combo8"), "2.5");
    EXPECT_EQ(text("Label55"), "2.50");
    EXPECT_EQ(text("Label37"), "5.00");
    typeInto(combo("Combo8"), "x");
    EXPECT_EQ(combo("Combo8")->currentText(), "0") << "an unreadable stake becomes 0";
    EXPECT_EQ(text("Label55"), "0.00");
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(MainWindow, TypedOddsWaitForEnterButAPickPricesAtOnce) {
    wonSingle();
    typeInto(combo("Combo1_0"), "9/2");
    EXPECT_EQ(combo("Combo1_0")->currentText(), "9/2");
    EXPECT_EQ(text("Label37"), "2.00") << "typing alone prices nothing";
    // Leaving the box is not Enter either.
    option(19)->setFocus();
    settle();
    EXPECT_EQ(text("Label37"), "2.00");

    combo("Combo1_0")->setFocus();
    QTest::keyClick(combo("Combo1_0"), Qt::Key_Return);
    settle();
    EXPECT_EQ(text("Label37"), "5.50");

    pick(combo("Combo1_0"), "5/2");
    EXPECT_EQ(text("Label37"), "3.50");
    EXPECT_EQ(combo("Combo1_0")->count(), 46) << "typed odds never join the list";
}

TEST_F(MainWindow, UnreadableOddsInAWinRowShowTheInputErrorAndResetEveryOddsBox) {
    wonSingle();
    for (int i = 1; i < 6; ++i) pick(combo(QStringLiteral("Combo1_%1").arg(i)), "7/2");
    typeInto(combo("Combo1_0"), "abc");
    QTest::keyClick(combo("Combo1_0"), Qt::Key_Return);
    settle();

    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].title, "INPUT ERROR");
    EXPECT_EQ(platform.messages[0].icon, Icon::Exclamation);
    for (int i = 0; i < 6; ++i) EXPECT_EQ(combo(QStringLiteral("Combo1_%1").arg(i))->currentText(), "EVENS") << i;
    EXPECT_EQ(text("Label37"), "2.00") << "the previous results stay";
    EXPECT_EQ(text("Label45"), "2.00");
}

TEST_F(MainWindow, TaxCheckBoxSwapsTaxOnWinningsAndTaxOnStake) {
    wonSingle();
    auto* check1 = find<QCheckBox>(&w(), "Check1");
    ASSERT_TRUE(check1->isChecked());
    EXPECT_TRUE(shown("Label59"));
    EXPECT_FALSE(shown("Label46"));
    EXPECT_FALSE(shown("Label47"));
    EXPECT_EQ(text("Label61"), "1.09");

    check1->click();
    settle();
    EXPECT_FALSE(shown("Label59"));
    EXPECT_TRUE(shown("Label46"));
    EXPECT_EQ(text("Label46"), "-TAX");
    EXPECT_TRUE(shown("Label47"));
    EXPECT_EQ(text("Label47"), "0.18");
    EXPECT_EQ(text("Label49"), "1.82");
    EXPECT_EQ(text("Label61"), "1.00");

    check1->click();
    settle();
    EXPECT_TRUE(shown("Label59"));
    EXPECT_FALSE(shown("Label46"));
    EXPECT_FALSE(shown("Label47"));
    EXPECT_EQ(text("Label49"), "2.00");
}

TEST_F(MainWindow, TaxRateBelowHundredIsTakenAndHundredIsRefused) {
    wonSingle();
    platform.inputAnswers.push_back("99.9");
    trigger(&w(), "mnuTaxRate");
    ASSERT_EQ(platform.inputs.size(), 1u);
    EXPECT_EQ(platform.inputs[0].prompt, "Enter the current Tax rate: %");
    EXPECT_EQ(platform.inputs[0].defaultText, "9");
    EXPECT_EQ(text("Label57"), "99.9");
    EXPECT_EQ(text("Label59"), "1.00");
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(settingsFile().substr(0, 6), "99.9\r\n");

    platform.inputAnswers.push_back("100");
    trigger(&w(), "mnuTaxRate");
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, "Invalid number");
    EXPECT_EQ(text("Label57"), "0");
    EXPECT_EQ(text("Label59"), "0.00");
    EXPECT_EQ(text("Label61"), "1.00");
}

TEST_F(MainWindow, StatusBarToggledTwiceRestoresTheHeightAndSavesEachTime) {
    auto* bar = find<QStatusBar>(&w(), "StatusBar1");
    auto* item = find<QAction>(&w(), "menustatus");
    ASSERT_TRUE(item->isChecked());
    EXPECT_EQ(w().height(), FrmMainWindow::kHeightWithStatusBar);
    EXPECT_TRUE(bar->isVisible());

    trigger(&w(), "menustatus");
    EXPECT_FALSE(item->isChecked());
    EXPECT_FALSE(bar->isVisible());
    EXPECT_EQ(w().height(), FrmMainWindow::kHeightWithoutStatusBar);
    EXPECT_NE(settingsFile().find("False\r\n"), std::string::npos);

    trigger(&w(), "menustatus");
    EXPECT_TRUE(item->isChecked());
    EXPECT_TRUE(bar->isVisible());
    EXPECT_EQ(w().height(), FrmMainWindow::kHeightWithStatusBar);
    EXPECT_NE(settingsFile().find("True\r\n"), std::string::npos);
}

TEST_F(MainWindow, FirstRunWithoutSettingsShowsTheDefaults) {
    EXPECT_EQ(w().windowTitle(), "Pennant95");
    EXPECT_EQ(text("Label57"), "9");
    EXPECT_EQ(panel(1), "DATA LOGGED: NO");
    EXPECT_EQ(panel(2), "LOGNAME: DEFAULT.BSL");
    EXPECT_EQ(panel(3), "BETS LOGGED:  0");
    EXPECT_EQ(combo("Combo7")->currentText(), "Select Bet");
    EXPECT_EQ(combo("Combo8")->currentText(), "1.00");
    EXPECT_EQ(combo("Combo7")->count(), 13);
    EXPECT_EQ(combo("Combo8")->count(), 25);
    EXPECT_EQ(text("Label52"), "0");
    EXPECT_EQ(text("Label55"), "0.00");
    EXPECT_EQ(text("Label8"), "Win");
    EXPECT_TRUE(option(19)->isChecked());
    EXPECT_FALSE(shown("Option22"));
    EXPECT_FALSE(shown("Option23"));
    EXPECT_TRUE(rowShown(1));
    for (int row = 2; row <= 6; ++row) EXPECT_FALSE(rowShown(row));
    EXPECT_FALSE(std::filesystem::exists(file("Pennant.ini"))) << "nothing is written at start-up";
    EXPECT_EQ(w().height(), FrmMainWindow::kHeightWithStatusBar);
}

TEST_F(MainWindow, StartUpReadsTheSettingsAndCountsTheLog) {
    {
        std::ofstream ini(file("Pennant.ini"), std::ios::binary);
        ini << "17.5\r\nMY.BSL\r\n 250 \r\nFalse\r\n";
        std::ofstream log(file("MY.BSL"), std::ios::binary);
        log << std::string(223 * 12, ' ');
    }
    EXPECT_EQ(text("Label57"), "17.5");
    EXPECT_EQ(panel(2), "LOGNAME: MY.BSL");
    EXPECT_EQ(panel(3), "BETS LOGGED:  12");
    EXPECT_FALSE(find<QStatusBar>(&w(), "StatusBar1")->isVisible());
    EXPECT_FALSE(find<QAction>(&w(), "menustatus")->isChecked());
    EXPECT_EQ(w().height(), FrmMainWindow::kHeightWithoutStatusBar);
}

TEST_F(MainWindow, TermsRetitleTheFirstColumnAndPriceAtAFifth) {
    wonSingle();
    pick(combo("Combo1_0"), "5/1");
    option(21)->click();
    settle();
    EXPECT_EQ(text("Label8"), "Place");
    EXPECT_EQ(text("Label37"), "2.00");
    option(19)->click();
    settle();
    EXPECT_EQ(text("Label8"), "Win");
    EXPECT_EQ(text("Label37"), "6.00");
}

TEST_F(MainWindow, EnterAndEscReachUpdateAndCancelOnlyWhileEditing) {
    pick(combo("Combo7"), "Yankee");
    pick(combo("Combo8"), "2.00");
    typeInto(find<QLineEdit>(&w(), "Text1"), "Arkle");
    QTest::keyClick(&w(), Qt::Key_Escape);
    settle();
    EXPECT_EQ(combo("Combo7")->currentText(), "Yankee") << "no CANCEL outside the edit state";
    EXPECT_FALSE(shown("Command3"));
    EXPECT_FALSE(shown("Command4"));

    w().model().editState = true;  // as the log viewer's Edit leaves it
    w().refresh();
    EXPECT_TRUE(shown("Command3"));
    EXPECT_TRUE(shown("Command4"));
    EXPECT_FALSE(shown("Command1"));
    EXPECT_FALSE(shown("Command2"));
    for (const char* menu : {"mnuFile", "mnuOptions", "mnuH"})
        EXPECT_FALSE(find<QMenu>(&w(), menu)->menuAction()->isEnabled());
    trigger(&w(), "mnuTaxRate");  // a disabled menu's item does nothing
    EXPECT_TRUE(platform.inputs.empty());

    QTest::keyClick(&w(), Qt::Key_Escape);
    settle();
    EXPECT_EQ(combo("Combo7")->currentText(), "Single");
    EXPECT_EQ(find<QLineEdit>(&w(), "Text1")->text(), "");
    EXPECT_EQ(combo("Combo8")->currentText(), "2.00") << "the stake stays";
    EXPECT_FALSE(shown("Command3"));
    EXPECT_TRUE(shown("Command1"));
    EXPECT_TRUE(shown("Command2"));
    for (const char* menu : {"mnuFile", "mnuOptions", "mnuH"})
        EXPECT_TRUE(find<QMenu>(&w(), menu)->menuAction()->isEnabled());
    EXPECT_TRUE(find<QAction>(&w(), "mnuTaxRate")->isEnabled());
}

// The controls Tab visits from `start`, in order, once round.
std::string tabChain(QWidget* start) {
    QWidget* window = start->window();
    window->activateWindow();
    EXPECT_TRUE(QTest::qWaitFor([window] { return QApplication::activeWindow() == window; }));
    start->setFocus(Qt::TabFocusReason);
    QStringList names;
    for (QWidget* at = start; at && names.size() < 60;) {
        names << at->objectName();
        QTest::keyClick(at, Qt::Key_Tab);
        at = QApplication::focusWidget();
        if (at == start || !window->isAncestorOf(at)) break;
    }
    return names.join(QLatin1Char(' ')).toStdString();
}

TEST_F(MainWindow, TabRunsDownTheWindowAndEntersEachResultAtTheChosenButton) {
    pick(combo("Combo7"), "Trixie");
    option(9)->click();   // row 3 a non-runner; rows 1 and 2 stay Lose
    option(21)->click();  // Place 1/5
    EXPECT_EQ(tabChain(combo("Combo7")),
              "Combo7 Text1 Combo1_0 Option2 Text2 Combo1_1 Option5 Text3 Combo1_2 Option9 Option21 Combo8 Check1 "
              "Command2 Command1");

    // From the chosen button the arrow keys move the choice, and price it.
    option(2)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(option(2), Qt::Key_Left);
    settle();
    EXPECT_TRUE(option(1)->isChecked());
    EXPECT_EQ(QApplication::focusWidget(), option(1));
    EXPECT_EQ(w().model().row[0].result, Result::Win);
    EXPECT_FALSE(text("Label45").isEmpty());
}

TEST_F(MainWindow, TypingABetTypeAtStartReplacesThePrompt) {
    QWidget* bets = combo("Combo7");
    QWidget* focused = QApplication::focusWidget();
    ASSERT_EQ(focused, bets);
    QTest::keyClicks(bets, "Yankee");
    settle();
    EXPECT_EQ(combo("Combo7")->currentText(), "Yankee");
    EXPECT_EQ(text("Label52"), "11");
}

TEST_F(MainWindow, ClickingACaptionClicksItsButton) {
    wonSingle();
    QTest::mouseClick(find<QLabel>(&w(), "Label69"), Qt::LeftButton);  // "Place 1/5"
    settle();
    EXPECT_TRUE(option(21)->isChecked());
    EXPECT_EQ(text("Label8"), "Place");
    EXPECT_EQ(text("Label37"), "1.20");

    QTest::mouseClick(find<QLabel>(&w(), "Label56"), Qt::LeftButton);  // "Tax Paid @"
    settle();
    EXPECT_FALSE(find<QCheckBox>(&w(), "Check1")->isChecked());
    EXPECT_TRUE(shown("Label46"));
}

TEST_F(MainWindow, TextBoxesRefuseCharactersTheFilesCannotHold) {
    auto* name = find<QLineEdit>(&w(), "Text1");
    typeInto(name, QStringLiteral("Caf\u00e9 \u20ac"));  // both exist in Windows-1252
    EXPECT_EQ(name->text(), QStringLiteral("Caf\u00e9 \u20ac"));
    EXPECT_EQ(w().model().row[0].name, "Caf\u00e9 \u20ac");
    typeInto(name, QStringLiteral("\u0141\u00f3d\u017a"));  // Ł has no byte there
    EXPECT_FALSE(name->text().contains(QChar(0x0141)));
    QString chinese = QStringLiteral("\u4e00");
    int pos = 0;
    EXPECT_EQ(combo("Combo1_0")->validator()->validate(chinese, pos), QValidator::Invalid);
}

TEST_F(MainWindow, SlipSavedAndOpenedAgainThroughTheFileMenu) {
    pick(combo("Combo7"), "Double");
    typeInto(find<QLineEdit>(&w(), "Text2"), "Red Rum");
    pick(combo("Combo1_1"), "9/2");
    option(1)->click();
    option(4)->click();
    const std::string slip = file("double.slp").string();
    platform.fileAnswers.push_back(slip);
    trigger(&w(), "mnuSaveas");
    ASSERT_TRUE(std::filesystem::exists(slip));

    trigger(&w(), "mnuNew");
    EXPECT_EQ(find<QLineEdit>(&w(), "Text2")->text(), "");
    EXPECT_EQ(combo("Combo1_1")->currentText(), "EVENS");
    EXPECT_TRUE(option(5)->isChecked());

    platform.fileAnswers.push_back(slip);
    trigger(&w(), "mnuOpen");
    EXPECT_EQ(find<QLineEdit>(&w(), "Text2")->text(), "Red Rum");
    EXPECT_EQ(combo("Combo1_1")->currentText(), "9/2");
    EXPECT_TRUE(option(4)->isChecked());
    EXPECT_EQ(text("Label38"), "11.00");
    ASSERT_EQ(platform.fileDialogs.size(), 2u);
    EXPECT_EQ(platform.fileDialogs[0].kind, FileDialogKind::SaveAs);
    EXPECT_EQ(platform.fileDialogs[1].kind, FileDialogKind::Open);
}

TEST_F(MainWindow, PrintFromTheMenuAndWithCtrlP) {
    wonSingle();
    trigger(&w(), "mnuPrint");
    EXPECT_EQ(platform.printed, 1);
    QTest::keyClick(&w(), Qt::Key_P, Qt::ControlModifier);
    settle();
    EXPECT_EQ(platform.printed, 2);
}

TEST_F(MainWindow, ExitShutsDownAndClosesHelp) {
    trigger(&w(), "mnuExit");
    EXPECT_EQ(platform.helpClosed, 1);
    EXPECT_FALSE(w().isVisible());
}

TEST_F(MainWindow, HelpAndAboutFromTheMenu) {
    trigger(&w(), "mnuContents");
    EXPECT_EQ(platform.helpShown, 1);
    EXPECT_TRUE(platform.messages.empty());

    platform.helpAvailable = false;
    trigger(&w(), "mnuContents");
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_NE(platform.messages[0].text.find("Pennant.hlp"), std::string::npos);

    expectModal([](QWidget* dialog) {
        EXPECT_EQ(dialog->objectName(), "frmAbout");
        EXPECT_EQ(find<QLabel>(dialog, "Label1")->text(), "Pennant 95 (vers2.00)");
        click(dialog, "ComAbout");
    });
    trigger(&w(), "mnuAbout");
}

}  // namespace
}  // namespace pennant::testing
