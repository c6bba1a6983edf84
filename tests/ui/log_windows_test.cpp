// The log viewer and the log set-up window, driven through their widgets
// as a user would, over the main window's model.
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <fstream>
#include <iterator>

#include "log/log_add.h"
#include "log/log_file.h"
#include "settings/settings_file.h"
#include "ui/frm_log.h"
#include "ui/frm_log_options.h"
#include "ui_fixture.h"

namespace pennant::testing {
namespace {

namespace fs = std::filesystem;

std::string fileBytes(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// A logged Single on "name"; payout and total stake as the window showed them.
LogRecord bet(const std::string& name, const std::string& payout, const std::string& total,
              const std::string& type = "Single", const std::string& rowHeight = "200") {
    LogRecord r;
    r.setRowHeight(rowHeight);
    r.setBetDate("11/12/2026");
    r.setBetType(type);
    r.setBetTerms("WIN");
    r.setStakePerBet("1.00");
    r.setTotalStake(total);
    for (std::size_t i = 0; i < 6; ++i) {
        r.setSelName(i, name + " " + std::to_string(i + 1));
        r.setSelResult(i, "LOST");
        r.setSelOdds(i, "5/2");
    }
    r.setPayout(payout);
    r.setTaxPaid("1");
    r.setLogOpeningBalance("0");
    return r;
}

void writeLog(const fs::path& p, const std::vector<LogRecord>& records) {
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    for (const LogRecord& r : records) out << r.toBytes();
}

QString cell(QTableView* grid, int row, int column) {
    return grid->model()->index(row, column).data().toString();
}

QColor textColour(QLabel* label) {
    return label->palette().color(QPalette::WindowText);
}

class LogViewerTest : public UiTest {
protected:
    // The viewer goes before the main window that is its parent.
    void TearDown() override {
        viewer_.reset();
        UiTest::TearDown();
    }

    // The main window on a log of these records, then the viewer over it.
    FrmLog& open(const std::vector<LogRecord>& records, Dyn opening = 0.0) {
        writeLog(file("DEFAULT.BSL"), records);
        FrmMainWindow& w = mainWindow();
        w.project().OpeningBalance = opening;
        viewer_ = std::make_unique<FrmLog>(
            w.model(), [&w] { w.refresh(); }, &w);
        viewer_->show();
        settle();
        return *viewer_;
    }
    QTableView* grid() { return find<QTableView>(viewer_.get(), "Grid1"); }
    QPushButton* button(int n) { return find<QPushButton>(viewer_.get(), QStringLiteral("Command%1").arg(n)); }
    QString panel(int n) { return find<QLabel>(&mainWindow(), QStringLiteral("Panel%1").arg(n))->text(); }

    void clickRow(int modelRow, Qt::MouseButton button = Qt::LeftButton) {
        QTableView* g = grid();
        QRect r = g->visualRect(g->model()->index(modelRow, 1));
        QTest::mouseClick(g->viewport(), button, Qt::NoModifier, r.center());
        settle();
    }
    void key(QWidget* w, Qt::Key k) {
        QTest::keyClick(w, k);
        settle();
    }
    // Whether the viewer is in pick mode as the user sees it.
    bool promptShown() {
        return button(5)->isVisible() && button(5)->isEnabled() && !button(1)->isVisible() && !button(4)->isVisible();
    }

    std::unique_ptr<FrmLog> viewer_;
};

TEST_F(LogViewerTest, BalancesOfTheWorkedExample) {
    FrmLog& v = open({bet("Lost", "0", "2.00"), bet("Won", "12.50", "1.00")}, 100.0);
    EXPECT_EQ(v.objectName(), "frmLog");
    EXPECT_EQ(v.windowTitle(), "Viewed Log DEFAULT.BSL");
    QTableView* g = grid();
    ASSERT_EQ(g->model()->rowCount(), 3);
    ASSERT_EQ(g->model()->columnCount(), 9);
    EXPECT_EQ(cell(g, 0, 7), "-2.00");
    EXPECT_EQ(cell(g, 0, 6), "");
    EXPECT_EQ(cell(g, 0, 8), "98.00");
    EXPECT_EQ(cell(g, 1, 6), "11.50");
    EXPECT_EQ(cell(g, 1, 7), "");
    EXPECT_EQ(cell(g, 1, 8), "109.50");
    EXPECT_EQ(cell(g, 0, 5), "Lost 1 LOST @5/2");
    for (int c = 0; c < 9; ++c) EXPECT_EQ(cell(g, 2, c), "") << c;

    auto* label3 = find<QLabel>(&v, "Label3");
    auto* label4 = find<QLabel>(&v, "Label4");
    EXPECT_EQ(label3->text(), "100");
    EXPECT_EQ(label4->text(), "109.50");
    EXPECT_EQ(textColour(label4), QColor(Qt::black));
    EXPECT_EQ(label4->palette().color(QPalette::Window), QColor(Qt::white));
    EXPECT_TRUE(label4->font().bold());
    EXPECT_EQ(find<QLabel>(&v, "Label1")->text(), "Opening Balance");
    EXPECT_EQ(find<QLabel>(&v, "Label2")->text(), "Closing Balance");
}

TEST_F(LogViewerTest, NegativeBalancesAreRed) {
    FrmLog& v = open({bet("Lost", "0", "2.00")}, Dyn("-50"));
    EXPECT_EQ(find<QLabel>(&v, "Label3")->text(), "-50");
    EXPECT_EQ(textColour(find<QLabel>(&v, "Label3")), QColor(255, 0, 0));
    EXPECT_EQ(find<QLabel>(&v, "Label4")->text(), "-52.00");
    EXPECT_EQ(textColour(find<QLabel>(&v, "Label4")), QColor(255, 0, 0));
}

TEST_F(LogViewerTest, EmptyLogShowsHeadingsAndOneEmptyRow) {
    FrmLog& v = open({}, 25.0);
    QTableView* g = grid();
    ASSERT_EQ(g->model()->rowCount(), 1);
    const char* headings[] = {"DATE", "BET", "W OR P", "STAKE", "TOTAL STAKED", "RESULTS", "WON", "LOST", "BALANCE"};
    for (int c = 0; c < 9; ++c) {
        EXPECT_EQ(g->model()->headerData(c, Qt::Horizontal).toString(), headings[c]);
        auto align = Qt::Alignment(g->model()->headerData(c, Qt::Horizontal, Qt::TextAlignmentRole).toInt());
        EXPECT_EQ(align & Qt::AlignHorizontal_Mask, Qt::AlignHCenter) << c;
    }
    EXPECT_FALSE(g->horizontalHeader()->sectionsClickable());
    EXPECT_EQ(find<QLabel>(&v, "Label3")->text(), "25");
    EXPECT_EQ(find<QLabel>(&v, "Label4")->text(), "");
    EXPECT_EQ(textColour(find<QLabel>(&v, "Label4")), QColor(Qt::black));
}

TEST_F(LogViewerTest, ColumnsAndRowHeightsInTwips) {
    LogRecord lucky = bet("Horse", "0", "15.00", "Lucky 15", "800");
    open({bet("A", "0", "1.00"), lucky});
    QTableView* g = grid();
    const int widths[] = {50, 50, 53, 47, 53, 163, 60, 60, 73};
    for (int c = 0; c < 9; ++c) EXPECT_EQ(g->columnWidth(c), widths[c]) << c;
    EXPECT_EQ(g->rowHeight(0), 13);
    EXPECT_EQ(g->rowHeight(1), 53);
    EXPECT_EQ(cell(g, 1, 5), "Horse 1 LOST @5/2\nHorse 2 LOST @5/2\nHorse 3 LOST @5/2\nHorse 4 LOST @5/2");
    // Each selection line fits the 200 twips it is given.
    EXPECT_LE(QFontMetrics(g->font()).height() * 4, g->rowHeight(1) - 1);

    auto align = [&](int c) {
        return Qt::Alignment(g->model()->index(0, c).data(Qt::TextAlignmentRole).toInt()) & Qt::AlignHorizontal_Mask;
    };
    for (int c : {0, 5}) EXPECT_EQ(align(c), Qt::AlignLeft) << c;
    for (int c : {1, 2}) EXPECT_EQ(align(c), Qt::AlignHCenter) << c;
    for (int c : {3, 4, 6, 7, 8}) EXPECT_EQ(align(c), Qt::AlignRight) << c;
}

TEST_F(LogViewerTest, EnterBeforeAnyLineIsChosenDoesNothing) {
    open({bet("A", "0", "1.00"), bet("B", "0", "1.00")});
    std::string before = fileBytes(file("DEFAULT.BSL"));
    click(viewer_.get(), "Command1");
    ASSERT_TRUE(promptShown());
    EXPECT_EQ(button(5)->text(), "Click on bet you wish to delete\n\rESC to Exit or ENTER to Delete");
    // The user tabs to the grid, which takes the focus, and presses Enter.
    grid()->setFocus(Qt::TabFocusReason);
    settle();
    key(grid(), Qt::Key_Return);
    key(button(5), Qt::Key_Return);
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(fileBytes(file("DEFAULT.BSL")), before);
    EXPECT_TRUE(promptShown());
    EXPECT_TRUE(viewer_->isVisible());
}

TEST_F(LogViewerTest, PickOnTheEmptyLastRowSaysNoCanDo) {
    open({bet("A", "0", "1.00")});
    click(viewer_.get(), "Command2");
    EXPECT_EQ(button(5)->text(), "Click on bet you wish to edit\n\rESC to Exit or ENTER to Edit");
    clickRow(1);
    key(grid(), Qt::Key_Return);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].title, "No Can Do");
    EXPECT_EQ(platform.messages[0].text, "No you can't edit/delete this line!");
    EXPECT_EQ(platform.messages[0].icon, Icon::Information);
    EXPECT_TRUE(promptShown());
    EXPECT_FALSE(mainWindow().model().editState);
}

TEST_F(LogViewerTest, EscEndsPickModeAndNeverCloses) {
    open({bet("A", "0", "1.00")});
    click(viewer_.get(), "Command1");
    clickRow(0);
    key(grid(), Qt::Key_Escape);
    EXPECT_TRUE(viewer_->isVisible());
    EXPECT_FALSE(button(5)->isVisible());
    for (int n = 1; n <= 4; ++n) EXPECT_TRUE(button(n)->isVisible()) << n;
    EXPECT_EQ(QApplication::focusWidget(), button(4));
    EXPECT_EQ(viewer_->PickMode(), " ");

    click(viewer_.get(), "Command2");
    key(button(5), Qt::Key_Escape);
    EXPECT_TRUE(viewer_->isVisible());
    EXPECT_FALSE(button(5)->isVisible());
    // Esc outside pick mode does not close it either.
    key(button(4), Qt::Key_Escape);
    EXPECT_TRUE(viewer_->isVisible());
}

TEST_F(LogViewerTest, EscDoesNotCloseTheViewerShownFromTheMenu) {
    writeLog(file("DEFAULT.BSL"), {bet("A", "0", "1.00")});
    FrmMainWindow& w = mainWindow();
    bool stayedOpen = false;
    expectModal([&](QWidget* d) {
        EXPECT_EQ(d->objectName(), "frmLog");
        QTest::keyClick(d, Qt::Key_Escape);
        QTest::keyClick(find<QTableView>(d, "Grid1"), Qt::Key_Escape);
        stayedOpen = d->isVisible();
        find<QPushButton>(d, "Command4")->click();
    });
    trigger(&w, "mnuView");
    EXPECT_TRUE(stayedOpen);
}

TEST_F(LogViewerTest, DeleteThroughTheWindow) {
    std::vector<LogRecord> r = {bet("A", "0", "1.00"), bet("B", "0", "1.00"), bet("C", "3.00", "1.00")};
    open(r);
    ASSERT_EQ(panel(3), "BETS LOGGED:  3");
    click(viewer_.get(), "Command1");
    clickRow(1);
    key(grid(), Qt::Key_Return);
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(fileBytes(file("DEFAULT.BSL")), r[0].toBytes() + r[2].toBytes());
    EXPECT_EQ(panel(3), "BETS LOGGED:  2");
    // The viewer shows the shortened log, out of pick mode, no line chosen.
    EXPECT_TRUE(viewer_->isVisible());
    QTableView* g = grid();
    ASSERT_EQ(g->model()->rowCount(), 3);
    EXPECT_EQ(cell(g, 1, 5), "C 1 LOST @5/2");
    EXPECT_EQ(cell(g, 1, 8), "1.00");
    EXPECT_FALSE(button(5)->isVisible());
    EXPECT_TRUE(button(1)->isVisible());
    EXPECT_EQ(viewer_->chosenRow(), 0);
}

TEST_F(LogViewerTest, PopUpActsOnTheLineAlreadyChosen) {
    std::vector<LogRecord> r = {bet("A", "0", "1.00"), bet("B", "0", "1.00")};
    open(r);
    // Before any line is chosen the pop-up's Delete does nothing.
    trigger(viewer_.get(), "mnuDelete");
    EXPECT_EQ(fileBytes(file("DEFAULT.BSL")), r[0].toBytes() + r[1].toBytes());

    clickRow(0);
    // A right click elsewhere pops the menu up without choosing that line.
    QTimer::singleShot(0, [] {
        if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
    });
    clickRow(1, Qt::RightButton);
    EXPECT_EQ(viewer_->chosenRow(), 1);
    trigger(viewer_.get(), "mnuDelete");
    EXPECT_EQ(fileBytes(file("DEFAULT.BSL")), r[1].toBytes());
}

TEST_F(LogViewerTest, KeysChooseALine) {
    std::vector<LogRecord> r = {bet("A", "0", "1.00"), bet("B", "0", "1.00")};
    open(r);
    click(viewer_.get(), "Command1");
    grid()->setFocus(Qt::TabFocusReason);
    key(grid(), Qt::Key_Down);  // from no line to the first
    key(grid(), Qt::Key_Down);
    EXPECT_EQ(viewer_->chosenRow(), 2);
    key(grid(), Qt::Key_Return);
    EXPECT_EQ(fileBytes(file("DEFAULT.BSL")), r[0].toBytes());
}

TEST_F(LogViewerTest, EditTakesTheBetIntoTheMainWindow) {
    LogRecord d = bet("Pair", "0", "1.00", "Double", "400");
    d.setStakePerBet("0.50");
    open({bet("A", "0", "1.00"), d});
    FrmMainWindow& w = mainWindow();
    ASSERT_EQ(w.model().Combo7, "Select Bet");
    click(viewer_.get(), "Command2");
    clickRow(1);
    key(grid(), Qt::Key_Return);
    EXPECT_FALSE(viewer_->isVisible());
    EXPECT_EQ(viewer_->result(), QDialog::Accepted);
    EXPECT_TRUE(w.model().editState);
    EXPECT_EQ(w.project().PickedRecordNumber, 2);
    EXPECT_EQ(w.model().Combo7, "Double");
    EXPECT_EQ(w.model().Combo8, "0.5");
    // The main window's widgets show the edit state.
    EXPECT_TRUE(find<QPushButton>(&w, "Command3")->isVisibleTo(&w));
    EXPECT_FALSE(find<QPushButton>(&w, "Command2")->isVisibleTo(&w));
    EXPECT_EQ(find<QComboBox>(&w, "Combo7")->currentText(), "Double");
    EXPECT_TRUE(w.project().GridText.empty());
}

TEST_F(LogViewerTest, PrintLogPrintsTheCurrentLog) {
    open({bet("A", "0", "1.00")});
    click(viewer_.get(), "Command3");
    EXPECT_EQ(platform.printed, 1);
    EXPECT_TRUE(viewer_->isVisible());
}

TEST_F(LogViewerTest, ALogThatCannotBeOpenedFallsBackToDefault) {
    writeLog(file("DEFAULT.BSL"), {bet("A", "0", "1.00"), bet("B", "0", "1.00")});
    FrmMainWindow& w = mainWindow();
    w.project().LogFileName = (dir() / "no-such-dir" / "x.bsl").string();
    w.model().showLogPanels();
    w.refresh();
    FrmLog v(
        w.model(), [&w] { w.refresh(); }, &w);
    v.show();
    settle();
    ASSERT_EQ(platform.messages.size(), 1u);
    const MessageRequest& m = platform.messages[0];
    EXPECT_EQ(m.title, "Error, Opening BSL File");
    EXPECT_EQ(m.text,
              "An error has occurred whilst opening the specified\r\n"
              "*.BSL file. Make sure you only specify valid *.BSL files.\r\n ");
    EXPECT_EQ(m.icon, Icon::Stop);
    EXPECT_EQ(m.buttons, Buttons::Ok);
    EXPECT_EQ(w.project().LogFileName, "DEFAULT.BSL");
    EXPECT_EQ(panel(2), "LOGNAME: DEFAULT.BSL");
    EXPECT_EQ(panel(3), "BETS LOGGED:  2");

    // The grid showed nothing of that log; a pick there touches no log.
    click(&v, "Command1");
    QTableView* g = find<QTableView>(&v, "Grid1");
    ASSERT_EQ(g->model()->rowCount(), 1);
    QTest::mouseClick(g->viewport(), Qt::LeftButton, Qt::NoModifier, g->visualRect(g->model()->index(0, 0)).center());
    QTest::keyClick(g, Qt::Key_Return);
    EXPECT_EQ(platform.messages.back().title, "No Can Do");
    EXPECT_EQ(fs::file_size(file("DEFAULT.BSL")), 2 * 223u);
}

TEST_F(LogViewerTest, AnAmountBeyondAnyNumberStopsTheFilling) {
    FrmLog& v = open({bet("A", "3.00", "1.00"), bet("B", "1E999", "1.00"), bet("C", "0", "1.00")});
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].title, "Error, Opening BSL File");
    // What was filled stays; the row under it is no bet.
    QTableView* g = grid();
    ASSERT_EQ(g->model()->rowCount(), 2);
    EXPECT_EQ(cell(g, 0, 6), "2.00");
    click(&v, "Command1");
    clickRow(1);
    key(grid(), Qt::Key_Return);
    EXPECT_EQ(platform.messages.back().title, "No Can Do");
    EXPECT_EQ(fs::file_size(file("DEFAULT.BSL")), 3 * 223u);
}

// ---- the set-up window ----

class LogOptionsTest : public UiTest {
protected:
    void TearDown() override {
        options_.reset();
        UiTest::TearDown();
    }

    FrmLogOptions& options() {
        if (!options_) {
            FrmMainWindow& w = mainWindow();
            options_ = std::make_unique<FrmLogOptions>(
                w.model(), [&w] { w.refresh(); }, &w);
            options_->show();
            settle();
        }
        return *options_;
    }
    QLineEdit* edit(const char* name) { return find<QLineEdit>(&options(), name); }
    QString panel(int n) { return find<QLabel>(&mainWindow(), QStringLiteral("Panel%1").arg(n))->text(); }

    std::unique_ptr<FrmLogOptions> options_;
};

TEST_F(LogOptionsTest, ControlsAsLaidOut) {
    FrmLogOptions& o = options();
    EXPECT_EQ(o.objectName(), "frmLogOptions");
    EXPECT_EQ(o.windowTitle(), "Log Options");
    EXPECT_EQ(o.size(), QSize(331, 254));
    EXPECT_EQ(o.minimumSize(), o.maximumSize());
    struct Control {
        const char* name;
        QString text;
        QRect twips;
    } controls[] = {
        {"Label1", "Current Log", {120, 360, 1095, 375}},
        {"Text1", "DEFAULT.BSL", {1320, 360, 3495, 375}},
        {"Command1", "Cl&ear Current Log", {360, 960, 1935, 975}},
        {"Command2", "&Open Existing/\nCreate New Log", {2760, 960, 1935, 975}},
        {"Label2", "Opening Balance", {720, 2520, 1575, 375}},
        {"Text2", "0", {2520, 2520, 1575, 375}},
        {"Command4", "O&K", {960, 3120, 1335, 495}},
        {"Command5", "&Cancel", {2640, 3120, 1335, 495}},
    };
    for (const Control& c : controls) {
        SCOPED_TRACE(c.name);
        QWidget* w = find(&o, c.name);
        QRect t = c.twips;
        EXPECT_EQ(w->geometry(), QRect(t.x() / 15, t.y() / 15, t.width() / 15, t.height() / 15));
        QString text = qobject_cast<QLabel*>(w)      ? static_cast<QLabel*>(w)->text()
                       : qobject_cast<QLineEdit*>(w) ? static_cast<QLineEdit*>(w)->text()
                                                     : static_cast<QPushButton*>(w)->text();
        EXPECT_EQ(text, c.text);
    }
    EXPECT_FALSE(edit("Text1")->isEnabled());
    EXPECT_TRUE(find<QPushButton>(&o, "Command4")->isDefault());

    // Tab order: Text1 (disabled), Command4, Command5, Command1, Command2, Text2.
    QWidget* w = find(&o, "Command4");
    for (const char* next : {"Command5", "Command1", "Command2", "Text2"}) {
        w = w->nextInFocusChain();
        while (!(w->focusPolicy() & Qt::TabFocus) || !w->isEnabled()) w = w->nextInFocusChain();
        EXPECT_EQ(w->objectName(), next);
    }
}

TEST_F(LogOptionsTest, ClearAsksThenEmptiesTheLog) {
    writeLog(file("DEFAULT.BSL"), {bet("A", "0", "1.00"), bet("B", "0", "1.00")});
    FrmLogOptions& o = options();
    ASSERT_EQ(panel(3), "BETS LOGGED:  2");
    platform.messageAnswers = {Answer::Cancel, Answer::Ok};
    click(&o, "Command1");
    EXPECT_TRUE(fs::exists(file("DEFAULT.BSL")));
    click(&o, "Command1");
    ASSERT_EQ(platform.messages.size(), 2u);
    EXPECT_EQ(platform.messages[1].text, "Are sure sure you want to clear this log?");
    EXPECT_EQ(platform.messages[1].title, "Clear Current Log");
    EXPECT_FALSE(fs::exists(file("DEFAULT.BSL")));
    EXPECT_EQ(panel(3), "BETS LOGGED: 0");
    EXPECT_EQ(edit("Text1")->text(), "DEFAULT.BSL");
    EXPECT_TRUE(o.isVisible());
}

TEST_F(LogOptionsTest, OpenExistingWithTheFileDialog) {
    fs::path log = file("old.bsl");
    LogRecord last = bet("B", "0", "1.00");
    last.setLogOpeningBalance("250");
    writeLog(log, {bet("A", "0", "1.00"), last});
    FrmLogOptions& o = options();
    platform.fileAnswers = {log.string()};
    click(&o, "Command2");
    ASSERT_EQ(platform.fileDialogs.size(), 1u);
    EXPECT_EQ(platform.fileDialogs[0].dialog.FilterIndex, 2);
    EXPECT_EQ(platform.fileDialogs[0].dialog.filterNames[1], "Betting Log Files (*.bsl)");
    EXPECT_EQ(edit("Text1")->text(), QString::fromStdString(log.string()));
    EXPECT_EQ(edit("Text2")->text(), "250");
    EXPECT_EQ(panel(2), QString::fromStdString("LOGNAME: " + log.string()));
    EXPECT_EQ(panel(3), "BETS LOGGED:  2");
    // Current at once, even if the window is then cancelled.
    click(&o, "Command5");
    EXPECT_FALSE(o.isVisible());
    EXPECT_EQ(mainWindow().project().LogFileName, log.string());
    EXPECT_EQ(o.CommonDialog1.FileName, log.string());
}

TEST_F(LogOptionsTest, ConfirmWithTwelveBlanksStoresZero) {
    FrmLogOptions& o = options();
    QLineEdit* text2 = edit("Text2");
    text2->setFocus();
    text2->selectAll();
    QTest::keyClicks(text2, QString(12, QLatin1Char(' ')));
    QTest::keyClick(text2, Qt::Key_Return);  // Enter is O&K
    settle();
    EXPECT_FALSE(o.isVisible());
    EXPECT_EQ(text2->text(), "0");
    EXPECT_EQ(mainWindow().project().OpeningBalance, Dyn("0"));
    Project saved;
    saved.programDir = dir();
    ASSERT_TRUE(loadSettings(saved));
    EXPECT_EQ(saved.OpeningBalance.text(), "0");
    EXPECT_TRUE(fs::exists(file("DEFAULT.BSL")));
}

TEST_F(LogOptionsTest, CancelKeepsTheTypedTextButNotTheBalance) {
    FrmMainWindow& w = mainWindow();
    w.project().OpeningBalance = 40.0;
    expectModal([&](QWidget* d) {
        auto* text2 = find<QLineEdit>(d, "Text2");
        EXPECT_EQ(text2->text(), "40");
        text2->setFocus();
        text2->selectAll();
        QTest::keyClicks(text2, "75");
        QTest::keyClick(d, Qt::Key_Escape);
    });
    trigger(&w, "mnuSL");
    EXPECT_EQ(w.project().OpeningBalance, Dyn(40.0));
    EXPECT_FALSE(fs::exists(file(SettingsFileName)));

    // The main window keeps the window; shown again, it still holds the edit.
    auto* kept = w.findChild<FrmLogOptions*>("frmLogOptions");
    ASSERT_NE(kept, nullptr);
    EXPECT_FALSE(kept->isVisible());
    kept->show();
    settle();
    EXPECT_EQ(find<QLineEdit>(kept, "Text2")->text(), "75");
    kept->hide();
}

// ---- pictures for a person to look at (also run at twice the scale) ----

QString screenshotPath(const QWidget& w, const QString& name) {
    QDir().mkpath(QStringLiteral(PENNANT_SCREENSHOT_DIR));
    QString scale = QString::number(w.devicePixelRatioF());
    return QStringLiteral(PENNANT_SCREENSHOT_DIR "/%1@%2x.png").arg(name, scale);
}

struct Leg {
    const char* name;
    const char* odds;
    Result result;
};

class ScreenshotLogWindows : public UiTest {
protected:
    // Enters the bet on the main window's model as a user would, and logs it.
    void logBet(const char* date, const char* type, const char* stake, Terms terms, std::vector<Leg> legs) {
        FrmMain& m = mainWindow().model();
        platform.today = date;
        m.setCombo7(type);
        m.setCombo8(stake);
        m.clickOption(terms == Terms::ToWin ? 19 : terms == Terms::Place4 ? 20 : 21);
        for (std::size_t i = 0; i < legs.size(); ++i) {
            m.row[i].name = legs[i].name;
            m.typeOdds(static_cast<int>(i), legs[i].odds);
        }
        for (std::size_t i = 0; i < legs.size(); ++i)
            m.clickOption(FrmMain::optionFor(static_cast<int>(i), legs[i].result));
        mnuAdd_Click(m);
    }

    void logMixedBets() {
        constexpr Result W = Result::Win, L = Result::Lose, N = Result::NR;
        auto win = Terms::ToWin;
        logBet("02/01/2026", "Single", "5.00", win, {{"Red Rum", "5/2", W}});
        logBet("02/01/2026", "Single", "10.00", win, {{"Arkle", "7/4", L}});
        logBet("03/01/2026", "Double", "2.00", win, {{"Best Mate", "2/1", W}, {"Mill House", "5/1", L}});
        logBet("05/01/2026", "Treble", "1.00", win,
               {{"Kauto Star", "EVENS", L}, {"Denman", "6/4", L}, {"Dawn Run", "9/2", W}});
        logBet("06/01/2026", "Trixie", "2.00", win,
               {{"Istabraq", "4/6", L}, {"Sea Pigeon", "3/1", L}, {"Mandarin", "8/1", L}});
        logBet(
            "09/01/2026", "Yankee", "1.00", win,
            {{"Night Nurse", "11/4", L}, {"Monksfield", "5/1", L}, {"Wayward Lad", "10/1", L}, {"Dessie", "4/1", L}});
        logBet("10/01/2026", "Single", "20.00", win, {{"Golden Mill", "6/4", L}});
        logBet("12/01/2026", "Four Fold", "1.00", win,
               {{"Red Rum", "EVENS", W}, {"Arkle", "5/4", W}, {"Denman", "2/1", L}, {"Dawn Run", "9/4", W}});
        logBet("14/01/2026", "Lucky 15", "0.50", Terms::Place4,
               {{"Sea Pigeon", "8/1", W}, {"Istabraq", "12/1", W}, {"Mandarin", "100/30", L}, {"Best Mate", "9/1", W}});
        logBet("16/01/2026", "Canadian", "0.20", win,
               {{"Dessie", "5/1", W},
                {"Kauto Star", "11/2", N},
                {"Arkle", "7/1", W},
                {"Denman", "4/1", L},
                {"Mill House", "9/2", W}});
        logBet("17/01/2026", "Single", "5.00", Terms::Place5, {{"Wayward Lad", "14/1", W}});
        logBet("19/01/2026", "Lucky 31", "0.50", win,
               {{"Night Nurse", "3/1", W},
                {"Red Rum", "5/2", L},
                {"Monksfield", "6/1", L},
                {"Golden Mill", "2/1", L},
                {"Dawn Run", "7/2", L}});
        logBet("20/01/2026", "Five Fold", "1.00", win,
               {{"Arkle", "4/5", W},
                {"Best Mate", "5/6", W},
                {"Denman", "EVENS", W},
                {"Istabraq", "6/5", W},
                {"Dessie", "11/10", L}});
        logBet("23/01/2026", "Heinz", "0.10", win,
               {{"Sea Pigeon", "4/1", W},
                {"Mandarin", "5/1", W},
                {"Red Rum", "6/1", W},
                {"Arkle", "EVENS", L},
                {"Kauto Star", "9/4", L},
                {"Mill House", "3/1", L}});
        logBet("24/01/2026", "Single", "2.00", win, {{"Monksfield", "33/1", W}});
        logBet("26/01/2026", "Double", "5.00", win, {{"Night Nurse", "4/6", W}, {"Dawn Run", "8/13", W}});
        logBet("27/01/2026", "Six Fold", "0.50", win,
               {{"Red Rum", "2/1", W},
                {"Arkle", "3/1", W},
                {"Best Mate", "4/1", L},
                {"Denman", "5/1", W},
                {"Dessie", "6/1", W},
                {"Mandarin", "7/1", W}});
        logBet("30/01/2026", "Lucky 63", "0.10", win,
               {{"Istabraq", "5/2", W},
                {"Sea Pigeon", "11/4", W},
                {"Wayward Lad", "3/1", L},
                {"Golden Mill", "7/2", W},
                {"Mill House", "9/2", L},
                {"Kauto Star", "5/1", L}});
        logBet("31/01/2026", "Single", "25.00", win, {{"Denman", "EVENS", L}});
        logBet("01/02/2026", "Trixie", "1.00", Terms::Place5,
               {{"Arkle", "10/1", W}, {"Dessie", "12/1", L}, {"Red Rum", "8/1", W}});
    }
};

TEST_F(ScreenshotLogWindows, ViewerWithAMixedLog) {
    FrmMainWindow& w = mainWindow();
    w.project().OpeningBalance = Dyn("-25");
    logMixedBets();
    FrmLog viewer(
        w.model(), [&w] { w.refresh(); }, &w);
    viewer.show();
    settle();
    auto* grid = find<QTableView>(&viewer, "Grid1");
    ASSERT_EQ(grid->model()->rowCount(), 21);
    EXPECT_TRUE(viewer.grab().save(screenshotPath(viewer, QStringLiteral("log_viewer"))));

    // Scrolled down to the larger bets, with a line chosen in pick mode.
    click(&viewer, "Command2");
    grid->scrollToBottom();
    QRect r = grid->visualRect(grid->model()->index(17, 1));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, r.center());
    settle();
    EXPECT_TRUE(viewer.grab().save(screenshotPath(viewer, QStringLiteral("log_viewer_pick"))));
}

TEST_F(ScreenshotLogWindows, SetUpWindow) {
    FrmMainWindow& w = mainWindow();
    w.project().OpeningBalance = 100.0;
    FrmLogOptions options(
        w.model(), [&w] { w.refresh(); }, &w);
    options.show();
    settle();
    EXPECT_TRUE(options.grab().save(screenshotPath(options, QStringLiteral("log_options"))));
}

}  // namespace
}  // namespace pennant::testing
