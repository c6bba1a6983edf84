// The fixture's own promise: a modal dialog nobody announced fails the test
// and is closed, so the test goes on instead of hanging.
#include "ui_fixture.h"

#include <gtest/gtest-spi.h>

#include <QMessageBox>

namespace pennant::testing {
namespace {

class UiFixture : public UiTest {};

TEST_F(UiFixture, AnUnexpectedModalDialogFailsAndIsClosed) {
    QMessageBox box(QMessageBox::Warning, "Surprise", "Nobody expects this", QMessageBox::Ok);
    EXPECT_NONFATAL_FAILURE(box.exec(), "unexpected modal dialog: QMessageBox");
    EXPECT_FALSE(box.isVisible());
}

TEST_F(UiFixture, AnnouncedDialogsReachTheirHandlersInOrder) {
    std::vector<QString> seen;
    for (const char* title : {"first", "second"}) {
        expectModal([&seen](QWidget* d) {
            seen.push_back(d->windowTitle());
            static_cast<QDialog*>(d)->accept();
        });
        QMessageBox box(QMessageBox::NoIcon, title, "text", QMessageBox::Ok);
        box.exec();
    }
    EXPECT_EQ(seen, (std::vector<QString>{"first", "second"}));
}

}  // namespace
}  // namespace pennant::testing
