// The fixture every window test uses.
//
//   class MyTest : public pennant::testing::UiTest {};
//   TEST_F(MyTest, Something) {
//       auto& w = mainWindow();                    // loaded and shown, in a temp dir
//       find<QComboBox>(&w, "Combo7")->...;        // controls by their objectName
//       expectModal([](QWidget* d) { ... });       // hands the next modal dialog to you
//       trigger(&w, "mnuAbout");
//   }
//
// - The offscreen platform is forced by the test program's main().
// - Each test gets its own empty program directory (dir()); write a
//   "Pennant.ini" or a log there before calling mainWindow().
// - `platform` is the scripted FakePlatform: message boxes, input boxes, file
//   dialogs, help and printing the core asks for never open a real window.
// - The watchdog fails the test when a real modal dialog (QDialog::exec, a
//   QMessageBox ...) opens that the test did not announce with expectModal(),
//   and closes it, so a test fails instead of hanging.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "support/fake_platform.h"
#include "ui/frm_main_window.h"

namespace pennant::testing {

// The object called `name` inside `root` (or root itself). Throws when there
// is none, which fails the test with the name in the message.
template <class T = QWidget>
T* find(QObject* root, const QString& name) {
    if (root->objectName() == name)
        if (T* self = qobject_cast<T*>(root)) return self;
    if (T* found = root->findChild<T*>(name)) return found;
    throw std::runtime_error("no control named " + name.toStdString() + " in " + root->objectName().toStdString());
}

// Clicks the button or triggers the menu item of that name, as the user would
// (a hidden or disabled control does nothing), then lets queued events run.
void click(QObject* root, const QString& name);
void trigger(QObject* root, const QString& actionName);
// Lets posted events run (deferred deletes included).
void settle();
// Replaces the text of a line edit or editable combo box key by key, as typed.
void typeInto(QWidget* box, const QString& text);
// Opens the combo box's list and clicks the item with that text.
void pick(QComboBox* box, const QString& text);

class ModalWatchdog : public QObject {
public:
    using Handler = std::function<void(QWidget*)>;

    ModalWatchdog();
    ~ModalWatchdog() override;
    // The next modal dialog to open is given to `handler`, which should close
    // it (accept/reject/click); one left open fails the test after 2 s.
    void expect(Handler handler) { handlers_.push_back(std::move(handler)); }
    // Fails the test for announced dialogs that never opened.
    void verifyDone();

private:
    void check();

    struct Handled {
        QPointer<QWidget> widget;
        bool done = false;
        QElapsedTimer since;
    };
    QTimer timer_;
    std::deque<Handler> handlers_;
    std::vector<std::shared_ptr<Handled>> handled_;
};

class UiTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The main window on dir() and `platform`, after start-up (Form_Load).
    FrmMainWindow& mainWindow();
    // The program directory of this test, and a path inside it.
    std::filesystem::path dir() const { return tempDir_.path().toStdString(); }
    std::filesystem::path file(const std::string& name) const { return dir() / name; }
    void expectModal(ModalWatchdog::Handler handler) { watchdog_.expect(std::move(handler)); }

    FakePlatform platform;

private:
    QTemporaryDir tempDir_;
    ModalWatchdog watchdog_;
    std::unique_ptr<FrmMainWindow> main_;
};

// ---- implementation ----

inline void settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

inline void click(QObject* root, const QString& name) {
    auto* w = find<QWidget>(root, name);
    if (auto* b = qobject_cast<QAbstractButton*>(w)) {
        if (b->isVisibleTo(b->window()) && b->isEnabled()) b->click();
    } else {
        throw std::runtime_error(name.toStdString() + " is not a button");
    }
    settle();
}

inline void trigger(QObject* root, const QString& actionName) {
    auto* a = find<QAction>(root, actionName);
    // A menu item is usable only when it and every menu holding it are enabled.
    bool usable = a->isEnabled();
    for (QObject* p = a->parent(); p; p = p->parent())
        if (auto* menu = qobject_cast<QMenu*>(p))
            usable = usable && menu->isEnabled() && menu->menuAction()->isEnabled();
    if (usable) a->trigger();
    settle();
}

inline void typeInto(QWidget* box, const QString& text) {
    box->setFocus();
    if (auto* combo = qobject_cast<QComboBox*>(box); combo && combo->lineEdit())
        combo->lineEdit()->selectAll();
    else if (auto* edit = qobject_cast<QLineEdit*>(box))
        edit->selectAll();
    if (text.isEmpty()) QTest::keyClick(box, Qt::Key_Delete);
    for (QChar c : text) {
        if (c.unicode() < 128)
            QTest::keyClick(box, c.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
    settle();
}

inline void pick(QComboBox* box, const QString& text) {
    int index = box->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index < 0) throw std::runtime_error("no item " + text.toStdString() + " in " + box->objectName().toStdString());
    box->showPopup();
    QAbstractItemView* view = box->view();
    QModelIndex item = view->model()->index(index, box->modelColumn(), view->rootIndex());
    view->scrollTo(item);
    QRect cell = view->visualRect(item);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, cell.center());
    settle();
    if (view->isVisible()) throw std::runtime_error("the list of " + box->objectName().toStdString() + " stayed open");
    // The offscreen platform leaves the closed list's window active; a desktop
    // gives activation back to the window. (qWaitForWindowActive would not
    // wait: the hidden list still counts as part of the window.)
    QWidget* window = box->window();
    window->activateWindow();
    (void)QTest::qWaitFor([window] { return QApplication::activeWindow() == window; });
}

inline ModalWatchdog::ModalWatchdog() {
    timer_.setInterval(10);
    connect(&timer_, &QTimer::timeout, this, &ModalWatchdog::check);
    timer_.start();
}

inline ModalWatchdog::~ModalWatchdog() {
    timer_.stop();
}

inline void ModalWatchdog::verifyDone() {
    if (!handlers_.empty()) ADD_FAILURE() << handlers_.size() << " announced modal dialog(s) never opened";
    handlers_.clear();
}

inline void ModalWatchdog::check() {
    QWidget* w = QApplication::activeModalWidget();
    if (!w) return;
    auto close = [](QWidget* dialog) {
        if (auto* d = qobject_cast<QDialog*>(dialog))
            d->reject();
        else
            dialog->close();
    };
    auto describe = [](QWidget* dialog) {
        return dialog->metaObject()->className() + std::string(" '") + dialog->objectName().toStdString() +
               "' titled '" + dialog->windowTitle().toStdString() + "'";
    };
    // A dialog that has finished is done with, even when it is shown again later.
    std::erase_if(handled_, [](const auto& h) { return !h->widget || !h->widget->isVisible(); });
    for (auto& h : handled_) {
        if (h->widget != w) continue;
        if (h->done && h->since.elapsed() > 2000) {
            ADD_FAILURE() << "modal dialog left open by its handler: " << describe(w);
            close(w);
        }
        return;
    }
    if (handlers_.empty()) {
        ADD_FAILURE() << "unexpected modal dialog: " << describe(w);
        close(w);
        return;
    }
    auto entry = std::make_shared<Handled>();
    entry->widget = w;
    handled_.push_back(entry);
    if (auto* d = qobject_cast<QDialog*>(w))
        connect(
            d, &QDialog::finished, this, [entry] { entry->widget = nullptr; }, Qt::SingleShotConnection);
    Handler handler = std::move(handlers_.front());
    handlers_.pop_front();
    // Queued, so this timer is free to watch dialogs the handler opens in turn.
    QMetaObject::invokeMethod(
        this,
        [entry, handler, w] {
            if (entry->widget) handler(w);
            entry->done = true;
            entry->since.start();
        },
        Qt::QueuedConnection);
}

inline void UiTest::SetUp() {
    ASSERT_TRUE(tempDir_.isValid());
}

inline void UiTest::TearDown() {
    main_.reset();
    settle();
    watchdog_.verifyDone();
}

inline FrmMainWindow& UiTest::mainWindow() {
    if (!main_) {
        main_ = std::make_unique<FrmMainWindow>(dir(), platform);
        main_->Form_Load();
        // Window shortcuts (Enter, Esc, F1) act only in the active window.
        main_->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(main_.get()));
        settle();
    }
    return *main_;
}

}  // namespace pennant::testing
