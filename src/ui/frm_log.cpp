#include "ui/frm_log.h"

#include <QAction>
#include <QFontMetrics>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStyledItemDelegate>
#include <QTableView>
#include <algorithm>
#include <map>

#include "log/log_edit.h"
#include "log/log_file.h"
#include "log/log_setup.h"
#include "print/log_report.h"
#include "ui/log_table_model.h"
#include "ui/pennant_icon.h"

namespace pennant {
namespace {

// Positions and sizes are laid out in twips, 15 to the pixel at 96 dots
// per inch.
int px(int twips) {
    return (twips + 7) / 15;
}
QRect twips(int left, int top, int width, int height) {
    return {px(left), px(top), px(width), px(height)};
}

constexpr int kColumnWidths[kLogColumns] = {750, 750, 800, 700, 800, 2450, 900, 900, 1100};
constexpr int kLineTwips = 200;  // one selection line of the RESULTS cell

QString qt(const std::string& s) {
    return QString::fromStdString(s);
}

QString prompt(const char* action, const char* verb) {
    return QStringLiteral("Click on bet you wish to %1\n\rESC to Exit or ENTER to %2")
        .arg(QLatin1String(action), QLatin1String(verb));
}

// The grid's font: the largest size whose line fits a 200-twip row with
// its grid line, so every selection of a RESULTS cell shows on its own line;
// condensed, so a date and "Lucky 63" fit their narrow columns.
QFont gridFont(QFont font) {
    font.setStretch(QFont::Condensed);
    int line = px(kLineTwips) - 1;
    for (int size = 13; size > 6; --size) {
        font.setPixelSize(size);
        if (QFontMetrics(font).height() <= line) break;
    }
    return font;
}

// Draws the cells without highlighting; the chosen cell gets a thin frame
// so the user sees which bet a pick would take.
class LogCellDelegate : public QStyledItemDelegate {
    static constexpr int kTextMargin = 3;  // the style's margin on each side of a cell's text

public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QStyleOptionViewItem opt(option);
        opt.state &= ~(QStyle::State_HasFocus | QStyle::State_Selected);
        // A text that just misses its narrow column (a date) may use the
        // cell's margins rather than lose its end.
        QString text = index.data().toString();
        int room = opt.rect.width() - 2 * kTextMargin;
        if (!text.contains(QLatin1Char('\n')) && opt.fontMetrics.horizontalAdvance(text) > room)
            opt.rect.adjust(-kTextMargin + 1, 0, kTextMargin - 1, 0);
        QStyledItemDelegate::paint(painter, opt, index);
        auto* view = qobject_cast<const QAbstractItemView*>(option.widget);
        if (view && view->currentIndex() == index) {
            painter->save();
            painter->setPen(QPen(option.palette.color(QPalette::Highlight), 1, Qt::DotLine));
            painter->drawRect(option.rect.adjusted(0, 0, -1, -1));
            painter->restore();
        }
    }
};

QLabel* balanceLabel(QWidget* parent, const char* name, const QRect& where) {
    auto* l = new QLabel(parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setGeometry(where);
    l->setAutoFillBackground(true);
    QPalette pal = l->palette();
    pal.setColor(QPalette::Window, Qt::white);
    pal.setColor(QPalette::WindowText, Qt::black);
    l->setPalette(pal);
    QFont bold = l->font();
    bold.setBold(true);
    l->setFont(bold);
    l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    l->setContentsMargins(3, 0, 3, 0);
    return l;
}

void showBalance(QLabel* label, const std::string& text, bool negative) {
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, negative ? QColor(255, 0, 0) : QColor(Qt::black));
    label->setPalette(pal);
    label->setText(qt(text));
}

}  // namespace

// Grid1: a line is chosen only by the user clicking a cell or moving to one
// with the keys; taking the focus or being filled afresh chooses nothing.
// The right button leaves the chosen line alone and pops up the menu.
class LogGridView : public QTableView {
public:
    using QTableView::QTableView;
    std::function<void(int row)> chosen;       // grid row: record number
    std::function<void(const QPoint&)> popUp;  // global position

protected:
    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() == Qt::RightButton) {
            event->accept();
            return;
        }
        QTableView::mousePressEvent(event);
        QModelIndex index = indexAt(event->position().toPoint());
        if (event->button() == Qt::LeftButton && index.isValid()) choose(index);
    }
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (event->button() == Qt::RightButton) {
            event->accept();
            if (popUp) popUp(event->globalPosition().toPoint());
            return;
        }
        QTableView::mouseReleaseEvent(event);
    }
    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() == Qt::Key_Escape) {
            event->ignore();  // the window ends pick mode
            return;
        }
        QModelIndex before = currentIndex();
        QTableView::keyPressEvent(event);
        if (currentIndex() != before && currentIndex().isValid()) choose(currentIndex());
    }
    // Typing a letter does not jump to a matching cell: keys other than
    // moving and Esc do nothing in the grid.
    void keyboardSearch(const QString&) override {}
    void focusInEvent(QFocusEvent* event) override {
        bool hadCurrent = currentIndex().isValid();
        QTableView::focusInEvent(event);
        // The view makes the first cell current on focus; that is no choice.
        if (!hadCurrent && currentIndex().isValid()) selectionModel()->clearCurrentIndex();
    }

private:
    void choose(const QModelIndex& index) {
        if (chosen) chosen(index.row() + 1);
    }
};

FrmLog::FrmLog(FrmMain& model, std::function<void()> refreshMain, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      model_(model),
      refreshMain_(std::move(refreshMain)),
      viewer_(std::make_unique<LogViewerState>()) {
    setObjectName(QStringLiteral("frmLog"));
    setWindowTitle(QStringLiteral("View Log"));
    setWindowIcon(pennantIcon());
    setFixedSize(kWidth, kHeight);

    buildGrid();
    auto label = [this](const char* name, const char* caption, const QRect& where) {
        auto* l = new QLabel(QString::fromLatin1(caption), this);
        l->setObjectName(QString::fromLatin1(name));
        l->setGeometry(where);
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        return l;
    };
    label("Label1", "Opening Balance", twips(720, 4080, 1695, 375));
    label3_ = balanceLabel(this, "Label3", twips(2520, 4080, 1455, 375));
    label("Label2", "Closing Balance", twips(4920, 4080, 1695, 375));
    label4_ = balanceLabel(this, "Label4", twips(6720, 4080, 1575, 375));
    buildButtons();

    drawgrid();
}

FrmLog::~FrmLog() = default;

void FrmLog::buildGrid() {
    gridModel_ = new LogTableModel(this);
    grid1_ = new LogGridView(this);
    grid1_->setObjectName(QStringLiteral("Grid1"));
    grid1_->setGeometry(twips(0, 120, 9480, 3855));
    grid1_->setFont(gridFont(font()));
    grid1_->setModel(gridModel_);
    grid1_->setItemDelegate(new LogCellDelegate(grid1_));
    grid1_->setSelectionMode(QAbstractItemView::NoSelection);
    grid1_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid1_->setWordWrap(false);
    grid1_->setTextElideMode(Qt::ElideRight);
    grid1_->setCornerButtonEnabled(false);
    grid1_->setTabKeyNavigation(false);  // Tab goes on to the buttons
    grid1_->setContextMenuPolicy(Qt::PreventContextMenu);
    grid1_->viewport()->setContextMenuPolicy(Qt::PreventContextMenu);
    grid1_->chosen = [this](int row) { chosenRow_ = row; };
    grid1_->popUp = [this](const QPoint& at) { mnuRC_->exec(at); };

    QHeaderView* rows = grid1_->verticalHeader();
    rows->hide();
    rows->setMinimumSectionSize(1);
    rows->setSectionResizeMode(QHeaderView::Fixed);

    QHeaderView* headings = grid1_->horizontalHeader();
    headings->setSectionsClickable(false);
    headings->setHighlightSections(false);
    headings->setSectionResizeMode(QHeaderView::Fixed);
    headings->setMinimumSectionSize(1);
    headings->setFixedHeight(2 * QFontMetrics(grid1_->font()).height() + 6);
    for (int c = 0; c < kLogColumns; ++c) grid1_->setColumnWidth(c, px(kColumnWidths[c]));

    mnuRC_ = new QMenu(QStringLiteral("RC"), this);
    mnuRC_->setObjectName(QStringLiteral("mnuRC"));
    QAction* del = mnuRC_->addAction(QStringLiteral("Delete"));
    del->setObjectName(QStringLiteral("mnuDelete"));
    QAction* edit = mnuRC_->addAction(QStringLiteral("Edit"));
    edit->setObjectName(QStringLiteral("mnuEdit"));
    connect(del, &QAction::triggered, this, &FrmLog::mnuDelete_Click);
    connect(edit, &QAction::triggered, this, &FrmLog::mnuEdit_Click);
}

void FrmLog::buildButtons() {
    struct ButtonPlace {
        int number;
        const char* caption;
        QRect where;
    } places[] = {{1, "&Delete Line", twips(120, 4560, 1815, 615)},
                  {2, "&Edit Line", twips(2160, 4560, 1815, 615)},
                  {3, "&Print Log", twips(4200, 4560, 1815, 615)},
                  {4, "&Close", twips(6240, 4560, 3015, 615)},
                  {5, "", twips(2520, 4560, 3615, 855)}};
    for (const ButtonPlace& s : places) {
        auto* b = new QPushButton(QString::fromLatin1(s.caption), this);
        b->setObjectName(QStringLiteral("Command%1").arg(s.number));
        b->setGeometry(s.where);
        command_[s.number] = b;
    }
    // The prompt of pick mode: Enter chooses it whenever it is shown.
    command_[5]->setDefault(true);
    command_[5]->hide();
    command_[5]->setEnabled(false);

    connect(command_[1], &QPushButton::clicked, this, &FrmLog::Command1_Click);
    connect(command_[2], &QPushButton::clicked, this, &FrmLog::Command2_Click);
    connect(command_[3], &QPushButton::clicked, this, &FrmLog::Command3_Click);
    connect(command_[4], &QPushButton::clicked, this, &QDialog::accept);
    connect(command_[5], &QPushButton::clicked, this, &FrmLog::Command5_Click);
}

// ---- filling ----

void FrmLog::drawgrid() {
    Project& p = model_.project;
    command_[5]->setText(prompt("edit", "Edit"));
    chosenRow_ = 0;
    bool failed = false;
    gridModel_->clear();  // the rows shown are about to be replaced
    try {
        viewer_->fill(p);
    } catch (const LogError&) {
        failed = true;
    }
    const LogGrid& grid = viewer_->grid();
    if (!failed || !grid.rows.empty()) {
        setWindowTitle(QStringLiteral("Viewed Log ") + qt(p.LogFileName));
        showBalance(label3_, grid.opening, grid.openingNegative);
        showBalance(label4_, grid.closing, grid.closingNegative);
    }
    gridModel_->setRows(grid.rows);
    setRowHeights();
    if (failed || !grid.complete) fillFailed();
}

void FrmLog::setRowHeights() {
    const std::vector<LogGridRow>& rows = gridModel_->rows();
    // Most rows share one height: that is the default, and only the others
    // are sized one by one, so a long log fills fast.
    std::map<int, int> seen;
    std::vector<int> heights;
    heights.reserve(rows.size());
    for (const LogGridRow& row : rows) {
        // A height outside one to six lines would hide the row or fill the grid.
        int h = px(std::clamp(row.height, kLineTwips, 6 * kLineTwips));
        heights.push_back(h);
        ++seen[h];
    }
    int common = px(kLineTwips);
    int most = 0;
    for (auto [h, n] : seen)
        if (n > most) most = n, common = h;
    QHeaderView* header = grid1_->verticalHeader();
    header->setDefaultSectionSize(common);
    for (int r = 0; r < static_cast<int>(heights.size()); ++r)
        if (heights[static_cast<std::size_t>(r)] != common)
            header->resizeSection(r, heights[static_cast<std::size_t>(r)]);
    header->resizeSection(static_cast<int>(heights.size()), px(kLineTwips));  // the empty row
}

void FrmLog::fillFailed() {
    viewerOpenFailed(model_);
    refreshMain_();
}

// ---- pick mode ----

void FrmLog::startPickMode(const char* mode) {
    bool deleting = std::string(mode) == "delete";
    command_[5]->setText(deleting ? prompt("delete", "Delete") : prompt("edit", "Edit"));
    pickMode_ = mode;
    command_[5]->show();
    for (int n = 1; n <= 4; ++n) command_[n]->hide();
    command_[5]->setEnabled(true);
    command_[5]->setFocus();
}

void FrmLog::endPickMode() {
    pickMode_ = " ";
    for (int n = 1; n <= 4; ++n) command_[n]->show();
    command_[4]->setFocus();
    command_[5]->hide();
    command_[5]->setEnabled(false);
}

void FrmLog::Command1_Click() {
    startPickMode("delete");
}
void FrmLog::Command2_Click() {
    startPickMode("edit");
}

void FrmLog::Command3_Click() {
    printCurrentLog(model_.project, model_.platform);
}

void FrmLog::Command5_Click() {
    pick();
}

void FrmLog::mnuDelete_Click() {
    pickMode_ = "delete";
    pick();
}

void FrmLog::mnuEdit_Click() {
    pickMode_ = "edit";
    pick();
}

void FrmLog::pick() {
    switch (pickAction(*viewer_, model_, chosenRow_, pickMode_)) {
        case PickOutcome::Ignored:
        case PickOutcome::NoCanDo:
            return;
        case PickOutcome::Edited:
            refreshMain_();
            accept();
            return;
        case PickOutcome::Deleted:
        case PickOutcome::Refill:
            // Shown again, filled afresh from the log as it now is.
            refreshMain_();
            endPickMode();
            pickMode_.clear();
            drawgrid();
            return;
    }
}

// ---- window events ----

void FrmLog::keyPressEvent(QKeyEvent* event) {
    // Esc gives up pick mode; it never closes the viewer.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        endPickMode();
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void FrmLog::showEvent(QShowEvent* event) {
    centreOnScreen();
    QDialog::showEvent(event);
}

void FrmLog::centreOnScreen() {
    QScreen* s = parentWidget() ? parentWidget()->screen() : screen();
    if (!s) return;
    QRect area = s->geometry();
    QSize outer = frameGeometry().size().expandedTo(size());
    move(area.x() + (area.width() - outer.width()) / 2, area.y() + (area.height() - outer.height()) / 2);
}

void FrmLog::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    grid1_->resize(width(), grid1_->height());
}

void FrmLog::done(int result) {
    model_.project.GridText.clear();
    QDialog::done(result);
}

}  // namespace pennant
