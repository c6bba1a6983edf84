#include "ui/frm_main_window.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShortcut>
#include <QStatusBar>
#include <QVBoxLayout>
#include <exception>

#include "engine/main_commands.h"
#include "log/log_add.h"
#include "log/log_edit.h"
#include "print/calc_report.h"
#include "slips/slip_file.h"
#include "ui/cp1252_validator.h"
#include "ui/frm_about.h"
#include "ui/frm_log.h"
#include "ui/frm_log_options.h"
#include "ui/pennant_icon.h"
#include "ui/pick_box.h"
#include "ui/status_panel.h"

namespace pennant {
namespace {

// Column widths of a selection row, shared by the headings above the rows.
constexpr int kNumberWidth = 14;
constexpr int kNameWidth = 146;
constexpr int kOddsWidth = 78;
constexpr int kResultWidth = 38;
constexpr int kValueWidth = 64;  // amounts in the Stake and Winnings frames
constexpr int kCountWidth = 30;  // counts of bets

QString qt(const std::string& s) {
    return QString::fromStdString(s);
}

QString name(const char* prefix, int number) {
    return QString::fromLatin1(prefix) + QString::number(number);
}

void setTextIfChanged(QLabel* label, const std::string& text) {
    QString t = qt(text);
    if (label->text() != t) label->setText(t);
}

void setTextIfChanged(QLineEdit* edit, const std::string& text) {
    QString t = qt(text);
    if (edit->text() != t) {
        const QSignalBlocker block(edit);
        edit->setText(t);
    }
}

// A hidden control keeps its place, so rows and columns never shift.
void keepPlaceWhenHidden(QWidget* w) {
    QSizePolicy policy = w->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    w->setSizePolicy(policy);
}

// A caption beside an option button or the check box is part of it: a
// click on "To Win" or "Tax Paid @" is a click on its button.
class CaptionClick : public QObject {
public:
    explicit CaptionClick(QLabel* caption) : QObject(caption) { caption->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::MouseButtonRelease) return false;
        auto* caption = static_cast<QLabel*>(watched);
        auto* button = qobject_cast<QAbstractButton*>(caption->buddy());
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (!button || mouse->button() != Qt::LeftButton || !caption->rect().contains(mouse->position().toPoint()) ||
            !button->isVisible() || !button->isEnabled())
            return false;
        button->setFocus(Qt::MouseFocusReason);
        button->click();
        return true;
    }
};

QGroupBox* frame(QWidget* parent, int number, const QString& caption) {
    auto* box = new QGroupBox(caption, parent);
    box->setObjectName(name("Frame", number));
    return box;
}

}  // namespace

FrmMainWindow::FrmMainWindow(const std::filesystem::path& programDir, Platform& platform, QWidget* parent)
    : QMainWindow(parent), platform_(platform) {
    project_.programDir = programDir;
    model_ = std::make_unique<FrmMain>(project_, platform_);

    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Pennant95"));
    setWindowIcon(pennantIcon());

    buildMenus();
    auto* central = new QWidget(this);
    auto* columns = new QHBoxLayout(central);
    columns->setContentsMargins(6, 4, 6, 4);
    columns->setSpacing(6);
    auto* left = new QVBoxLayout;
    left->setSpacing(8);
    left->addWidget(buildTypeOfBet());
    left->addWidget(buildSelections());
    left->addWidget(buildTerms());
    left->addStretch(1);
    auto* right = new QVBoxLayout;
    right->setSpacing(8);
    right->addWidget(buildStake());
    right->addWidget(buildWinnings());
    right->addStretch(1);
    right->addWidget(buildButtons());
    columns->addLayout(left, 0);
    columns->addLayout(right, 1);
    setCentralWidget(central);
    buildStatusBar();

    refresh();
    applyWindowHeight();
}

FrmMainWindow::~FrmMainWindow() {
    shutdownOnce();
}

// ---- building ----

QLabel* FrmMainWindow::label(int number, const QString& caption) {
    auto* l = new QLabel(caption, this);
    l->setObjectName(name("Label", number));
    labels_[number] = l;
    return l;
}

// A label showing a value the engine writes: right-aligned in a sunken field.
QLabel* FrmMainWindow::valueLabel(int number) {
    QLabel* l = label(number);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    l->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    l->setBackgroundRole(QPalette::Base);
    l->setAutoFillBackground(true);
    l->setMinimumWidth(kValueWidth);
    l->setContentsMargins(3, 1, 3, 1);
    keepPlaceWhenHidden(l);
    return l;
}

QComboBox* FrmMainWindow::comboBox(const QString& objectName, int width) {
    auto* box = new PickBox(this);
    box->setObjectName(objectName);
    box->setFixedWidth(width);
    box->setValidator(new Cp1252Validator(box));
    keepPlaceWhenHidden(box);
    return box;
}

void FrmMainWindow::buildMenus() {
    auto add = [this](QMenu* menu, const char* objectName, const QString& caption, void (FrmMainWindow::*slot)()) {
        QAction* a = menu->addAction(caption);
        a->setObjectName(QString::fromLatin1(objectName));
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    mnuFile_ = menuBar()->addMenu(QStringLiteral("&File"));
    mnuFile_->setObjectName(QStringLiteral("mnuFile"));
    add(mnuFile_, "mnuNew", QStringLiteral("&New"), &FrmMainWindow::onNew);
    add(mnuFile_, "mnuOpen", QStringLiteral("&Open"), &FrmMainWindow::onOpen);
    add(mnuFile_, "mnuSaveas", QStringLiteral("Save &As"), &FrmMainWindow::onSaveAs);
    mnuFile_->addSeparator();
    add(mnuFile_, "mnuPrint", QStringLiteral("&Print"), &FrmMainWindow::onPrint)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    mnuFile_->addSeparator();
    add(mnuFile_, "mnuExit", QStringLiteral("E&xit"), &FrmMainWindow::onExit);

    mnuOptions_ = menuBar()->addMenu(QStringLiteral("&Options"));
    mnuOptions_->setObjectName(QStringLiteral("mnuOptions"));
    add(mnuOptions_, "mnuTaxRate", QStringLiteral("&Tax Rate"), &FrmMainWindow::onTaxRate);
    mnuOptions_->addSeparator();
    menustatus_ = add(mnuOptions_, "menustatus", QStringLiteral("Stat&us Bar"), &FrmMainWindow::onStatusBar);
    menustatus_->setCheckable(true);
    menustatus_->setChecked(true);
    mnuOptions_->addSeparator();
    add(mnuOptions_, "mnuAdd", QStringLiteral("Add to &Log"), &FrmMainWindow::onAddToLog);
    add(mnuOptions_, "mnuView", QStringLiteral("&View Log"), &FrmMainWindow::onViewLog);
    add(mnuOptions_, "mnuSL", QStringLiteral("Setup Lo&g"), &FrmMainWindow::onSetupLog);

    mnuH_ = menuBar()->addMenu(QStringLiteral("&Help"));
    mnuH_->setObjectName(QStringLiteral("mnuH"));
    add(mnuH_, "mnuContents", QStringLiteral("&Contents"), &FrmMainWindow::onContents)
        ->setShortcut(QKeySequence(Qt::Key_F1));
    mnuH_->addSeparator();
    add(mnuH_, "mnuAbout", QStringLiteral("&About"), &FrmMainWindow::onAbout);
}

QWidget* FrmMainWindow::buildTypeOfBet() {
    QGroupBox* box = frame(this, 2, QStringLiteral("Type of Bet"));
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(6, 2, 6, 4);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(2);

    combo7_ = comboBox(QStringLiteral("Combo7"), 124);
    for (const BetType& type : betTypes()) combo7_->addItem(QString::fromLatin1(type.name));
    grid->addWidget(combo7_, 0, 0, 1, 3);

    // The composition: Singles, Doubles, Trebles over Four Fold, Five Fold, Six Fold.
    for (int i = 0; i < 6; ++i) {
        int r = 1 + i / 3, c = (i % 3) * 3;
        grid->addWidget(label(11 + i), r, c);
        QLabel* count = valueLabel(17 + i);
        count->setFixedWidth(kCountWidth);
        grid->addWidget(count, r, c + 1);
        if (i % 3 < 2) grid->setColumnMinimumWidth(c + 2, 10);
    }
    grid->setColumnStretch(8, 1);

    auto* c7 = static_cast<PickBox*>(combo7_);
    connect(c7, &PickBox::typed, this,
            [this](const QString& text) { run([&] { model_->setCombo7(text.toStdString()); }); });
    // Picking the bet type shown already still resets the results, as a
    // pick always has.
    connect(c7, &PickBox::picked, this, [this](const QString& text) {
        run([&] {
            if (text.toStdString() == model_->Combo7)
                model_->Combo7_Change();
            else
                model_->setCombo7(text.toStdString());
        });
    });
    return box;
}

QWidget* FrmMainWindow::buildSelections() {
    QGroupBox* box = frame(this, 1, QStringLiteral("Selections"));
    auto* rows = new QVBoxLayout(box);
    rows->setContentsMargins(6, 0, 6, 6);
    rows->setSpacing(4);

    auto* headings = new QHBoxLayout;
    headings->setSpacing(5);
    headings->addSpacing(kNumberWidth + 5 + kNameWidth + 5);
    QLabel* oddsHeading = label(7);
    oddsHeading->setFixedWidth(kOddsWidth);
    oddsHeading->setAlignment(Qt::AlignCenter);
    headings->addWidget(oddsHeading);
    for (int n = 8; n <= 10; ++n) {
        QLabel* h = label(n);
        h->setFixedWidth(kResultWidth);
        h->setAlignment(Qt::AlignCenter);
        headings->addWidget(h);
    }
    headings->addStretch(1);
    rows->addLayout(headings);

    for (int r = 0; r < kRows; ++r) {
        auto* rowFrame = new QFrame(box);
        rowFrame->setObjectName(name("Frame", 5 + r));
        rowFrames_[r] = rowFrame;
        auto* line = new QHBoxLayout(rowFrame);
        line->setContentsMargins(0, 0, 0, 0);
        line->setSpacing(5);

        QLabel* number = label(1 + r);
        number->setFixedWidth(kNumberWidth);
        number->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        line->addWidget(number);

        auto* text = new QLineEdit(rowFrame);
        text->setObjectName(name("Text", 1 + r));
        text->setFixedWidth(kNameWidth);
        text->setValidator(new Cp1252Validator(text));
        keepPlaceWhenHidden(text);
        names_[r] = text;
        line->addWidget(text);
        // A name changes nothing else.
        connect(text, &QLineEdit::textEdited, this,
                [this, r](const QString& t) { model_->row[r].name = t.toStdString(); });

        odds_[r] = comboBox(QStringLiteral("Combo1_%1").arg(r), kOddsWidth);
        for (const char* o : kOddsList) odds_[r]->addItem(QString::fromLatin1(o));
        line->addWidget(odds_[r]);
        connectOdds(r);

        auto* group = new QButtonGroup(rowFrame);
        group->setExclusive(true);
        for (int k = 0; k < 3; ++k) {
            int n = r * 3 + 1 + k;
            auto* cell = new QWidget(rowFrame);
            cell->setFixedWidth(kResultWidth);
            auto* centre = new QHBoxLayout(cell);
            centre->setContentsMargins(0, 0, 0, 0);
            auto* option = new QRadioButton(cell);
            option->setObjectName(name("Option", n));
            keepPlaceWhenHidden(option);
            centre->addWidget(option, 0, Qt::AlignCenter);
            group->addButton(option);
            option_[n] = option;
            connect(option, &QRadioButton::toggled, this, [this, n](bool on) {
                if (on) run([&] { model_->clickOption(n); });
            });
            line->addWidget(cell);
        }
        line->addStretch(1);
        rows->addWidget(rowFrame);
    }
    return box;
}

void FrmMainWindow::connectOdds(int index) {
    auto* box = static_cast<PickBox*>(odds_[index]);
    // Typed odds wait for Enter (or any other recalculation); a pick prices at once.
    connect(box, &PickBox::typed, this, [this, index](const QString& t) { model_->typeOdds(index, t.toStdString()); });
    connect(box, &PickBox::picked, this,
            [this, index](const QString& t) { run([&] { model_->pickOdds(index, t.toStdString()); }); });
    connect(box, &PickBox::enterPressed, this, [this, index] { run([&] { model_->pressKeyInOdds(index, 13); }); });
}

QWidget* FrmMainWindow::buildTerms() {
    QGroupBox* box = frame(this, 11, QStringLiteral("&Bet"));
    auto* line = new QHBoxLayout(box);
    line->setContentsMargins(6, 0, 6, 4);
    line->setSpacing(4);
    auto* group = new QButtonGroup(box);
    const int captions[] = {50, 51, 69};
    for (int k = 0; k < 5; ++k) {
        int n = 19 + k;
        auto* option = new QRadioButton(box);
        option->setObjectName(name("Option", n));
        option_[n] = option;
        group->addButton(option);
        if (k >= 3) {
            // The each-way terms are not offered.
            option->setText(k == 3 ? QStringLiteral("EW(Pl. 1/4)") : QStringLiteral("EW(Pl. 1/5)"));
            option->hide();
            continue;
        }
        line->addWidget(option);
        QLabel* caption = label(captions[k]);
        caption->setBuddy(option);
        new CaptionClick(caption);
        line->addWidget(caption);
        line->addSpacing(14);
        connect(option, &QRadioButton::toggled, this, [this, n](bool on) {
            if (on) run([&] { model_->clickOption(n); });
        });
    }
    line->addStretch(1);
    return box;
}

QWidget* FrmMainWindow::buildStake() {
    QGroupBox* box = frame(this, 4, QStringLiteral("Stake"));
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(6, 2, 6, 4);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(3);

    QLabel* bets = valueLabel(52);
    bets->setMinimumWidth(kCountWidth);
    grid->addWidget(bets, 0, 0);
    grid->addWidget(label(53), 0, 1);
    combo8_ = comboBox(QStringLiteral("Combo8"), 72);
    for (const char* s : kStakeList) combo8_->addItem(QString::fromLatin1(s));
    grid->addWidget(combo8_, 0, 2);
    QLabel* equals = label(54);
    equals->setAlignment(Qt::AlignCenter);
    grid->addWidget(equals, 0, 3);
    grid->addWidget(valueLabel(55), 0, 4);

    check1_ = new QCheckBox(box);
    check1_->setObjectName(QStringLiteral("Check1"));
    grid->addWidget(check1_, 1, 0, Qt::AlignRight);
    QLabel* taxPaid = label(56);
    taxPaid->setBuddy(check1_);
    new CaptionClick(taxPaid);
    grid->addWidget(taxPaid, 1, 1);
    QLabel* rate = label(57);
    rate->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(rate, 1, 2);
    grid->addWidget(label(58), 1, 3);
    grid->addWidget(valueLabel(59), 1, 4);

    grid->addWidget(label(60), 2, 0, 1, 4, Qt::AlignRight);
    grid->addWidget(valueLabel(61), 2, 4);
    grid->setColumnStretch(4, 1);

    auto* c8 = static_cast<PickBox*>(combo8_);
    connect(c8, &PickBox::typed, this, [this](const QString& t) { run([&] { model_->setCombo8(t.toStdString()); }); });
    connect(c8, &PickBox::picked, this, [this](const QString& t) {
        run([&] {
            if (t.toStdString() == model_->Combo8)
                model_->Combo8_Change();
            else
                model_->setCombo8(t.toStdString());
        });
    });
    connect(check1_, &QCheckBox::clicked, this, [this](bool ticked) { run([&] { model_->setCheck1(ticked); }); });
    return box;
}

QWidget* FrmMainWindow::buildWinnings() {
    QGroupBox* box = frame(this, 3, QStringLiteral("Winnings"));
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(6, 2, 6, 4);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(3);
    for (int i = 0; i < 7; ++i) {
        grid->addWidget(label(23 + i), i, 0);
        QLabel* count = valueLabel(30 + i);
        count->setFixedWidth(kCountWidth + 6);  // room for "10%"
        grid->addWidget(count, i, 1);
        grid->addWidget(valueLabel(37 + i), i, 2);
    }
    // TOTAL, -TAX and PAYOUT: captions right-aligned against the amounts.
    const int totals[][2] = {{44, 45}, {46, 47}, {48, 49}};
    for (int i = 0; i < 3; ++i) {
        QLabel* caption = label(totals[i][0]);
        keepPlaceWhenHidden(caption);
        grid->addWidget(caption, 7 + i, 0, 1, 2, Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(valueLabel(totals[i][1]), 7 + i, 2);
    }
    QFont bold = labels_[49]->font();
    bold.setBold(true);
    labels_[48]->setFont(bold);
    labels_[49]->setFont(bold);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(2, 2);
    return box;
}

QWidget* FrmMainWindow::buildButtons() {
    auto* bar = new QWidget(this);
    auto* line = new QHBoxLayout(bar);
    line->setContentsMargins(0, 0, 0, 0);
    line->setSpacing(6);
    auto button = [this, line](const char* objectName, const QString& caption, void (FrmMainWindow::*slot)()) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(QString::fromLatin1(objectName));
        // Enter presses the button that has the focus, as Space does.
        b->setAutoDefault(true);
        connect(b, &QPushButton::clicked, this, slot);
        line->addWidget(b);
        return b;
    };
    line->addStretch(1);
    command2_ = button("Command2", QStringLiteral("Add to &Log"), &FrmMainWindow::onAddToLog);
    command1_ = button("Command1", QStringLiteral("E&xit"), &FrmMainWindow::onExit);
    command3_ = button("Command3", QStringLiteral("&UPDATE LOG"), &FrmMainWindow::onUpdateLog);
    command4_ = button("Command4", QStringLiteral("&CANCEL"), &FrmMainWindow::onCancel);

    // A main window has no default or cancel button: Enter and Esc reach
    // UPDATE LOG and CANCEL only while those are shown. Enter on a focused
    // button presses that one, so Enter on CANCEL never writes the log.
    auto shortcut = [this](const QKeySequence& keys, QPushButton* target, bool focusedFirst) {
        auto* s = new QShortcut(keys, this);
        s->setAutoRepeat(false);
        s->setEnabled(false);
        connect(s, &QShortcut::activated, target, [this, target, focusedFirst] {
            QPushButton* pressed = target;
            auto* focused = qobject_cast<QPushButton*>(focusWidget());
            if (focusedFirst && focused && focused->isVisible()) pressed = focused;
            if (pressed->isVisible() && pressed->isEnabled()) pressed->click();
        });
        shortcuts_.push_back({s, target});
    };
    shortcut(QKeySequence(Qt::Key_Return), command3_, true);
    shortcut(QKeySequence(Qt::Key_Enter), command3_, true);
    shortcut(QKeySequence(Qt::Key_Escape), command4_, false);
    return bar;
}

void FrmMainWindow::buildStatusBar() {
    statusBar1_ = new QStatusBar(this);
    statusBar1_->setObjectName(QStringLiteral("StatusBar1"));
    statusBar1_->setSizeGripEnabled(false);
    const int stretch[] = {2, 5, 2};
    for (int i = 0; i < 3; ++i) {
        auto* panel = new StatusPanel(statusBar1_);
        panel->setObjectName(name("Panel", i + 1));
        panels_[i] = panel;
        statusBar1_->addWidget(panel, stretch[i]);
    }
    setStatusBar(statusBar1_);
}

// ---- showing the model ----

void FrmMainWindow::refresh() {
    FrmMain& m = *model_;
    static_cast<PickBox*>(combo7_)->showText(qt(m.Combo7));
    static_cast<PickBox*>(combo8_)->showText(qt(m.Combo8));

    for (int r = 0; r < kRows; ++r) {
        const SelectionRow& row = m.row[r];
        setTextIfChanged(names_[r], row.name);
        static_cast<PickBox*>(odds_[r])->showText(qt(row.odds));
        bool shown = r == 0 || row.shown;
        names_[r]->setVisible(shown);
        odds_[r]->setVisible(shown);
        for (Result result : {Result::Win, Result::Lose, Result::NR}) {
            QRadioButton* option = option_[FrmMain::optionFor(r, result)];
            option->setVisible(shown);
            if (row.result == result && !option->isChecked()) {
                const QSignalBlocker block(option);
                option->setChecked(true);
            }
        }
    }
    int terms = m.terms == Terms::ToWin ? 19 : m.terms == Terms::Place4 ? 20 : 21;
    if (!option_[terms]->isChecked()) {
        const QSignalBlocker block(option_[terms]);
        option_[terms]->setChecked(true);
    }
    // Tab enters each group of options at its chosen button, so the arrow
    // keys move the choice on from there.
    for (int n = 1; n <= 21; ++n)
        option_[n]->setFocusPolicy(option_[n]->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
    if (check1_->isChecked() != m.Check1) {
        const QSignalBlocker block(check1_);
        check1_->setChecked(m.Check1);
    }

    for (int n = 1; n < static_cast<int>(labels_.size()); ++n)
        if (labels_[n]) setTextIfChanged(labels_[n], m.Label[n]);
    labels_[46]->setVisible(m.taxOnWinningsShown());
    labels_[47]->setVisible(m.taxOnWinningsShown());
    labels_[59]->setVisible(!m.taxOnWinningsShown());

    for (int i = 0; i < 3; ++i) static_cast<StatusPanel*>(panels_[i])->showText(qt(m.StatusBar1[i]));
    if (menustatus_->isChecked() != m.statusBarShown) {
        const QSignalBlocker block(menustatus_);
        menustatus_->setChecked(m.statusBarShown);
    }
    if (statusBar1_->isVisibleTo(this) != m.statusBarShown) {
        statusBar1_->setVisible(m.statusBarShown);
        applyWindowHeight();
    }

    // While a logged bet is edited only UPDATE LOG and CANCEL lead away.
    bool editing = m.editState;
    command1_->setVisible(!editing);
    command2_->setVisible(!editing);
    command3_->setVisible(editing);
    command4_->setVisible(editing);
    for (auto& [shortcut, target] : shortcuts_) shortcut->setEnabled(editing);
    for (QMenu* menu : {mnuFile_, mnuOptions_, mnuH_}) {
        menu->menuAction()->setEnabled(!editing);
        for (QAction* a : menu->actions()) a->setEnabled(!editing);
    }
}

void FrmMainWindow::applyWindowHeight() {
    setFixedSize(kWidth, model_->statusBarShown ? kHeightWithStatusBar : kHeightWithoutStatusBar);
}

template <class F>
void FrmMainWindow::run(F&& command) {
    try {
        command();
    } catch (const std::exception& e) {
        // A failure the core did not handle must not take the program down.
        platform_.messageBox({e.what(), "Pennant95", Icon::Stop, Buttons::Ok});
    }
    refresh();
}

// ---- start-up and shutdown ----

void FrmMainWindow::Form_Load() {
    run([this] { pennant::Form_Load(*model_); });
    applyWindowHeight();
    centreOnScreen();
    show();
    // The bet type box starts with the focus and its prompt selected, so
    // typing a bet type replaces "Select Bet".
    combo7_->setFocus();
    combo7_->lineEdit()->selectAll();
}

void FrmMainWindow::centreOnScreen() {
    QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!s) return;
    QRect area = s->geometry();
    QSize outer = frameGeometry().size().expandedTo(size());
    move(area.x() + (area.width() - outer.width()) / 2, area.y() + (area.height() - outer.height()) / 2);
}

void FrmMainWindow::closeEvent(QCloseEvent* event) {
    shutdownOnce();
    event->accept();
    QCoreApplication::quit();
}

void FrmMainWindow::shutdownOnce() {
    if (shutDown_) return;
    shutDown_ = true;
    shutdown(*model_);
}

void FrmMainWindow::onExit() {
    close();
}

// ---- commands ----

void FrmMainWindow::onTaxRate() {
    run([this] { mnuTaxRate_Click(*model_); });
}
void FrmMainWindow::onStatusBar() {
    run([this] { menustatus_Click(*model_); });
}
void FrmMainWindow::onContents() {
    run([this] { mnuContents_Click(*model_); });
}
void FrmMainWindow::onNew() {
    run([this] { model_->mnuNew_Click(); });
}
void FrmMainWindow::onCancel() {
    run([this] { model_->Command4_Click(); });
}
void FrmMainWindow::onOpen() {
    run([this] { mnuOpen_Click(*model_); });
}
void FrmMainWindow::onSaveAs() {
    run([this] { mnuSaveas_Click(*model_); });
}
void FrmMainWindow::onPrint() {
    run([this] { mnuPrint_Click(*model_); });
}

void FrmMainWindow::onAbout() {
    FrmAbout about(this);
    about.exec();
}

void FrmMainWindow::onAddToLog() {
    run([this] { mnuAdd_Click(*model_); });
}

void FrmMainWindow::onUpdateLog() {
    run([this] { Command3_Click(*model_); });
}

void FrmMainWindow::onViewLog() {
    FrmLog viewer(
        *model_, [this] { refresh(); }, this);
    viewer.exec();
    refresh();
}

// frmLogOptions is only hidden between showings, so it keeps what it shows.
void FrmMainWindow::onSetupLog() {
    if (!logOptions_)
        logOptions_ = new FrmLogOptions(
            *model_, [this] { refresh(); }, this);
    logOptions_->exec();
    refresh();
}

}  // namespace pennant
