// Pictures of the windows for a person to look at: the main window with a
// priced Lucky 15 and the about box, saved under the build tree. Run once
// at scale 1 and once with QT_SCALE_FACTOR=2 (a second ctest entry).
#include <QComboBox>
#include <QDir>
#include <QPixmap>
#include <QRadioButton>
#include <QTest>

#include "ui/frm_about.h"
#include "ui_fixture.h"

namespace pennant::testing {
namespace {

QString screenshotPath(const QWidget& w, const QString& name) {
    QDir().mkpath(QStringLiteral(PENNANT_SCREENSHOT_DIR));
    QString scale = QString::number(w.devicePixelRatioF());
    return QStringLiteral(PENNANT_SCREENSHOT_DIR "/%1@%2x.png").arg(name, scale);
}

// The widget's own area as laid out, against what its contents need.
void expectNothingClipped(QWidget* root) {
    for (auto* w : root->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(root) || qobject_cast<QLabel*>(w) == nullptr) continue;
        auto* l = static_cast<QLabel*>(w);
        if (l->text().isEmpty() || l->objectName().startsWith(QStringLiteral("Panel"))) continue;
        EXPECT_GE(l->contentsRect().width(), l->fontMetrics().horizontalAdvance(l->text()) - 1)
            << l->objectName().toStdString() << " '" << l->text().toStdString() << "' is cut";
    }
}

class Screenshot : public UiTest {};

TEST_F(Screenshot, MainWindowWithALucky15) {
    FrmMainWindow& w = mainWindow();
    pick(find<QComboBox>(&w, "Combo7"), "Lucky 15");
    const char* odds[] = {"5/2", "11/4", "EVENS", "100/30"};
    const char* names[] = {"Desert Orchid", "Red Rum", "Arkle", "Best Mate"};
    for (int r = 0; r < 4; ++r) {
        pick(find<QComboBox>(&w, QStringLiteral("Combo1_%1").arg(r)), odds[r]);
        typeInto(find<QLineEdit>(&w, QStringLiteral("Text%1").arg(r + 1)), names[r]);
        find<QRadioButton>(&w, QStringLiteral("Option%1").arg(r * 3 + 1))->click();
    }
    settle();
    ASSERT_EQ(w.model().Label[52], "15");
    ASSERT_FALSE(w.model().Label[49].empty());
    expectNothingClipped(&w);
    QSize needed = w.centralWidget()->minimumSizeHint(), given = w.centralWidget()->size();
    EXPECT_LE(needed.width(), given.width()) << "controls squeezed into each other";
    EXPECT_LE(needed.height(), given.height()) << "controls squeezed into each other";
    EXPECT_TRUE(w.grab().save(screenshotPath(w, QStringLiteral("main_lucky15"))));
}

TEST_F(Screenshot, AboutBox) {
    FrmAbout about;
    about.show();
    settle();
    expectNothingClipped(&about);
    EXPECT_TRUE(about.grab().save(screenshotPath(about, QStringLiteral("about"))));
}

}  // namespace
}  // namespace pennant::testing
