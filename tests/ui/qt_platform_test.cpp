// The Qt side of the platform layer with its real dialogs, answered by the
// test through the modal watchdog.
#include "ui/qt_platform.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QInputDialog>
#include <QMessageBox>
#include <QTest>
#include <QTextBrowser>
#include <fstream>

#include "ui/help_window.h"
#include "ui_fixture.h"

namespace pennant::testing {
namespace {

class QtPlatformTest : public UiTest {
protected:
    void touch(const std::string& name) { std::ofstream(file(name)) << "x"; }
    // Files the dialog lists in its current directory, once its model has read them.
    static int listed(QFileDialog* d, int expected) {
        auto* model = d->findChild<QFileSystemModel*>();
        QModelIndex dir = model->index(d->directory().absolutePath());
        (void)QTest::qWaitFor([&] { return model->rowCount(dir) == expected; }, 3000);
        return model->rowCount(dir);
    }
};

TEST_F(QtPlatformTest, MessageBoxShowsTitleIconTextAndButtons) {
    QtPlatform qt(dir());
    expectModal([](QWidget* d) {
        auto* box = qobject_cast<QMessageBox*>(d);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->windowTitle(), "INPUT ERROR");
        EXPECT_EQ(box->icon(), QMessageBox::Warning);
        EXPECT_EQ(box->text(), "first line\nsecond line");
        EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
        box->button(QMessageBox::Ok)->click();
    });
    EXPECT_EQ(qt.messageBox({"first line\r\nsecond line", "INPUT ERROR", Icon::Exclamation, Buttons::Ok}), Answer::Ok);

    expectModal([](QWidget* d) {
        auto* box = qobject_cast<QMessageBox*>(d);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->windowTitle(), "Pennant95") << "an untitled box carries the program's name";
        EXPECT_EQ(box->icon(), QMessageBox::Critical);
        EXPECT_EQ(box->standardButtons(), QMessageBox::Ok | QMessageBox::Cancel);
        QTest::keyClick(box, Qt::Key_Escape);
    });
    EXPECT_EQ(qt.messageBox({"Sure?", "", Icon::Stop, Buttons::OkCancel}), Answer::Cancel);
}

TEST_F(QtPlatformTest, InputBoxGivesTheTypedTextOrNothingWhenCancelled) {
    QtPlatform qt(dir());
    expectModal([](QWidget* d) {
        auto* box = qobject_cast<QInputDialog*>(d);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->windowTitle(), "Pennant95");
        EXPECT_EQ(box->labelText(), "Enter the current Tax rate: %");
        EXPECT_EQ(box->textValue(), "9");
        typeInto(find<QLineEdit>(box, ""), "17.5");
        box->accept();
    });
    EXPECT_EQ(qt.inputBox("Enter the current Tax rate: %", "Pennant95", "9"), std::optional<std::string>("17.5"));

    expectModal([](QWidget* d) { qobject_cast<QDialog*>(d)->reject(); });
    EXPECT_EQ(qt.inputBox("Enter the current Tax rate: %", "Pennant95", "9"), std::nullopt);
}

TEST_F(QtPlatformTest, OpenListsEveryFileUnderAllFilesAndTakesANewName) {
    touch("bet.slp");
    touch("README");  // no extension at all
    touch("notes.txt");
    QtPlatform qt(dir());
    CommonDialog dialog;
    dialog.filterNames = {"All Files (*.*)", "Betting Slip Files (*.slp)"};
    dialog.filterPatterns = {"*.* ", "*.slp"};
    dialog.FilterIndex = 2;
    dialog.FileName = "bet.slp";

    expectModal([&](QWidget* d) {
        auto* box = qobject_cast<QFileDialog*>(d);
        ASSERT_NE(box, nullptr);
        EXPECT_TRUE(box->testOption(QFileDialog::DontUseNativeDialog));
        auto* types = find<QComboBox>(box, "fileTypeCombo");
        ASSERT_EQ(types->count(), 2);
        EXPECT_EQ(types->itemText(0), "All Files (*.*)");
        EXPECT_EQ(types->currentText(), "Betting Slip Files (*.slp)");
        EXPECT_EQ(find<QLineEdit>(box, "fileNameEdit")->text(), "bet.slp");
        EXPECT_EQ(listed(box, 1), 1);

        pick(types, "All Files (*.*)");
        EXPECT_EQ(listed(box, 3), 3) << "README has no dot, and is listed too";
        typeInto(find<QLineEdit>(box, "fileNameEdit"), "new.slp");
        find<QDialogButtonBox>(box, "buttonBox")->button(QDialogButtonBox::Open)->click();
    });
    ASSERT_TRUE(qt.showFileDialog(dialog, FileDialogKind::Open));
    EXPECT_EQ(std::filesystem::path(dialog.FileName), file("new.slp"));
    EXPECT_FALSE(std::filesystem::exists(file("new.slp")));

    expectModal([](QWidget* d) { qobject_cast<QDialog*>(d)->reject(); });
    EXPECT_FALSE(qt.showFileDialog(dialog, FileDialogKind::Open));
    EXPECT_EQ(std::filesystem::path(dialog.FileName), file("new.slp")) << "a cancel keeps the last name";
}

TEST_F(QtPlatformTest, SaveAsReplacesWithoutAsking) {
    touch("bet.slp");
    QtPlatform qt(dir());
    CommonDialog dialog;
    dialog.filterNames = {"All Files (*.*)", "Betting Slip Files (*.slp)"};
    dialog.filterPatterns = {"*.* ", "*.slp"};
    dialog.FilterIndex = 2;
    expectModal([](QWidget* d) {
        auto* box = qobject_cast<QFileDialog*>(d);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->acceptMode(), QFileDialog::AcceptSave);
        typeInto(find<QLineEdit>(box, "fileNameEdit"), "bet.slp");
        // A question about replacing would trip the watchdog.
        find<QDialogButtonBox>(box, "buttonBox")->button(QDialogButtonBox::Save)->click();
    });
    ASSERT_TRUE(qt.showFileDialog(dialog, FileDialogKind::SaveAs));
    EXPECT_EQ(std::filesystem::path(dialog.FileName), file("bet.slp"));
}

TEST_F(QtPlatformTest, HelpWindowShowsTheHelpFileAndClosesOnRequest) {
    QtPlatform qt(dir(), QStringLiteral(PENNANT_SOURCE_DIR "/data/Pennant.hlp"));
    ASSERT_TRUE(qt.showHelp());
    HelpWindow* help = qt.helpWindow();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    QString shown = help->browser()->toPlainText();
    for (const BetType& type : betTypes()) EXPECT_TRUE(shown.contains(QString::fromLatin1(type.name))) << type.name;
    for (const char* words : {"non-runner", "opening balance", "Lucky bonuses", "Bet slips", "Tax on the stake"})
        EXPECT_TRUE(shown.contains(QString::fromLatin1(words), Qt::CaseInsensitive)) << words;
    qt.closeHelp();
    EXPECT_FALSE(help->isVisible());
}

TEST_F(QtPlatformTest, EscPutsTheHelpWindowAway) {
    QtPlatform qt(dir(), QStringLiteral(PENNANT_SOURCE_DIR "/data/Pennant.hlp"));
    ASSERT_TRUE(qt.showHelp());
    HelpWindow* help = qt.helpWindow();
    help->activateWindow();
    QApplication::setActiveWindow(help);
    QTest::keyClick(help->browser(), Qt::Key_Escape);
    EXPECT_FALSE(help->isVisible());
}

TEST_F(QtPlatformTest, MissingHelpFileIsReportedFromTheMenu) {
    QtPlatform qt(dir(), QString::fromStdString(file("Pennant.hlp").string()));
    EXPECT_FALSE(qt.showHelp());
    EXPECT_FALSE(qt.helpWindow() && qt.helpWindow()->isVisible());

    FrmMainWindow w(dir(), qt);
    qt.setWindow(&w);
    w.Form_Load();
    expectModal([](QWidget* d) {
        auto* box = qobject_cast<QMessageBox*>(d);
        ASSERT_NE(box, nullptr);
        EXPECT_TRUE(box->text().contains("Pennant.hlp"));
        box->accept();
    });
    trigger(&w, "mnuContents");
}

}  // namespace
}  // namespace pennant::testing
