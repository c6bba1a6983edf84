// The main window's way into the log: Add to Log from the button and the
// menu, the viewer and the set-up window from the menu, and a logged bet
// taken back by Edit and written back with Enter (UPDATE LOG).
#include <QTableView>
#include <fstream>
#include <iterator>

#include "log/log_file.h"
#include "ui_fixture.h"

namespace pennant::testing {
namespace {

class MainWindowLog : public UiTest {
protected:
    QString panel(int i) { return find<QLabel>(&mainWindow(), QStringLiteral("Panel%1").arg(i))->text(); }
    QRadioButton* option(int n) { return find<QRadioButton>(&mainWindow(), QStringLiteral("Option%1").arg(n)); }
    std::vector<LogRecord> logged() { return readAllRecords(file("DEFAULT.BSL")); }

    // A Double on two EVENS winners at 1.00: 4.00 back.
    void wonDouble() {
        FrmMainWindow& w = mainWindow();
        pick(find<QComboBox>(&w, "Combo7"), "Double");
        typeInto(find<QLineEdit>(&w, "Text1"), "Arkle");
        typeInto(find<QLineEdit>(&w, "Text2"), "Red Rum");
        option(1)->click();
        option(4)->click();
        settle();
        ASSERT_EQ(find<QLabel>(&w, "Label49")->text(), "4.00");
    }
};

TEST_F(MainWindowLog, AddToLogFromTheButtonAndTheMenu) {
    wonDouble();
    EXPECT_EQ(panel(1), "DATA LOGGED: NO");
    click(&mainWindow(), "Command2");
    EXPECT_EQ(panel(1), "DATA LOGGED: YES");
    EXPECT_EQ(panel(3), "BETS LOGGED:  1");

    trigger(&mainWindow(), "mnuAdd");
    EXPECT_EQ(panel(3), "BETS LOGGED:  2");
    auto records = logged();
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].BetType, "Double   ");
    EXPECT_EQ(records[0].SelName[1], "Red Rum    ");
    EXPECT_EQ(records[0].Payout, "4.00        ");

    option(2)->click();  // any change: the bet on the window is no longer the logged one
    EXPECT_EQ(panel(1), "DATA LOGGED: NO");
}

TEST_F(MainWindowLog, EditALoggedBetAndWriteItBackWithEnter) {
    wonDouble();
    click(&mainWindow(), "Command2");
    click(&mainWindow(), "Command2");
    FrmMainWindow& w = mainWindow();
    typeInto(find<QLineEdit>(&w, "Text1"), "");
    pick(find<QComboBox>(&w, "Combo7"), "Single");

    expectModal([](QWidget* viewer) {
        ASSERT_EQ(viewer->objectName(), "frmLog");
        click(viewer, "Command2");  // Edit Line
        auto* grid = find<QTableView>(viewer, "Grid1");
        QRect second = grid->visualRect(grid->model()->index(1, 1));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, second.center());
        QTest::keyClick(grid, Qt::Key_Return);
    });
    trigger(&w, "mnuView");
    ASSERT_TRUE(w.model().editState);
    EXPECT_EQ(find<QComboBox>(&w, "Combo7")->currentText(), "Double");
    EXPECT_EQ(find<QLineEdit>(&w, "Text1")->text().trimmed(), "Arkle");
    EXPECT_TRUE(find<QPushButton>(&w, "Command3")->isVisible());

    // Selection 2 was a non-runner after all: the double becomes a single.
    option(6)->click();
    EXPECT_EQ(find<QLabel>(&w, "Label49")->text(), "2.00");
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    QTest::keyClick(&w, Qt::Key_Return);
    settle();

    EXPECT_FALSE(w.model().editState);
    EXPECT_TRUE(find<QPushButton>(&w, "Command2")->isVisible());
    auto records = logged();
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].Payout, "4.00        ") << "the other record is untouched";
    EXPECT_EQ(records[1].Payout, "2.00        ");
    EXPECT_EQ(panel(3), "BETS LOGGED:  2");
}

TEST_F(MainWindowLog, EnterPressesTheFocusedButtonSoEnterOnCancelWritesNothing) {
    wonDouble();
    FrmMainWindow& w = mainWindow();
    auto* add = find<QPushButton>(&w, "Command2");
    add->setFocus();
    QTest::keyClick(add, Qt::Key_Return);
    settle();
    ASSERT_EQ(logged().size(), 1u) << "Enter on Add to Log adds the bet";

    expectModal([](QWidget* viewer) {
        click(viewer, "Command2");  // Edit Line
        auto* grid = find<QTableView>(viewer, "Grid1");
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(grid->model()->index(0, 1)).center());
        QTest::keyClick(grid, Qt::Key_Return);
    });
    trigger(&w, "mnuView");
    ASSERT_TRUE(w.model().editState);
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    option(6)->click();
    auto* cancel = find<QPushButton>(&w, "Command4");
    cancel->setFocus();
    QTest::keyClick(cancel, Qt::Key_Return);
    settle();

    EXPECT_FALSE(w.model().editState);
    EXPECT_EQ(find<QComboBox>(&w, "Combo7")->currentText(), "Single") << "cancelled";
    auto records = logged();
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].Payout, "4.00        ") << "the logged bet is not rewritten";
}

TEST_F(MainWindowLog, SetUpLogIsOneWindowKeptBetweenShowings) {
    FrmMainWindow& w = mainWindow();
    QWidget* first = nullptr;
    expectModal([&](QWidget* d) {
        EXPECT_EQ(d->objectName(), "frmLogOptions");
        first = d;
        click(d, "Command5");  // Cancel
    });
    trigger(&w, "mnuSL");
    expectModal([&](QWidget* d) {
        EXPECT_EQ(d, first);
        click(d, "Command5");
    });
    trigger(&w, "mnuSL");
}

}  // namespace
}  // namespace pennant::testing
