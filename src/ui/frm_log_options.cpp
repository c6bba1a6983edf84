#include "ui/frm_log_options.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

#include "ui/cp1252_validator.h"
#include "ui/pennant_icon.h"

namespace pennant {
namespace {

// Positions are laid out in twips, 15 to the pixel at 96 dots per inch.
QRect twips(int left, int top, int width, int height) {
    return {left / 15, top / 15, width / 15, height / 15};
}

template <class W>
W* place(W* w, const char* name, const QRect& where) {
    w->setObjectName(QString::fromLatin1(name));
    w->setGeometry(where);
    return w;
}

QString qt(const std::string& s) {
    return QString::fromStdString(s);
}

}  // namespace

FrmLogOptions::FrmLogOptions(FrmMain& model, std::function<void()> refreshMain, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      model_(model),
      refreshMain_(std::move(refreshMain)) {
    setObjectName(QStringLiteral("frmLogOptions"));
    setWindowTitle(QStringLiteral("Log Options"));
    setWindowIcon(pennantIcon());
    setFixedSize(kWidth, kHeight);

    auto* label1 = place(new QLabel(QStringLiteral("Current Log"), this), "Label1", twips(120, 360, 1095, 375));
    text1_ = place(new QLineEdit(this), "Text1", twips(1320, 360, 3495, 375));
    text1_->setEnabled(false);
    auto* command1 =
        place(new QPushButton(QStringLiteral("Cl&ear Current Log"), this), "Command1", twips(360, 960, 1935, 975));
    auto* command2 = place(new QPushButton(QStringLiteral("&Open Existing/\nCreate New Log"), this), "Command2",
                           twips(2760, 960, 1935, 975));
    auto* label2 = place(new QLabel(QStringLiteral("Opening Balance"), this), "Label2", twips(720, 2520, 1575, 375));
    text2_ = place(new QLineEdit(this), "Text2", twips(2520, 2520, 1575, 375));
    // The balance goes into every logged bet, whose file holds only
    // Windows-1252 characters.
    text2_->setValidator(new Cp1252Validator(text2_));
    auto* command4 = place(new QPushButton(QStringLiteral("O&K"), this), "Command4", twips(960, 3120, 1335, 495));
    auto* command5 = place(new QPushButton(QStringLiteral("&Cancel"), this), "Command5", twips(2640, 3120, 1335, 495));
    command4->setDefault(true);
    for (QLabel* l : {label1, label2}) l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label2->setBuddy(text2_);

    setTabOrder(text1_, command4);
    setTabOrder(command4, command5);
    setTabOrder(command5, command1);
    setTabOrder(command1, command2);
    setTabOrder(command2, text2_);

    connect(command1, &QPushButton::clicked, this, &FrmLogOptions::Command1_Click);
    connect(command2, &QPushButton::clicked, this, &FrmLogOptions::Command2_Click);
    connect(command4, &QPushButton::clicked, this, &FrmLogOptions::Command4_Click);
    // Cancel, Esc and the close box hide the window and change nothing.
    connect(command5, &QPushButton::clicked, this, &QDialog::reject);

    texts_ = logOptionsLoad(model_.project);
    showTexts();
}

void FrmLogOptions::showEvent(QShowEvent* event) {
    // Centred once, when first shown; later showings keep where it was.
    if (!centred_) {
        centred_ = true;
        QScreen* s = parentWidget() ? parentWidget()->screen() : screen();
        if (s) {
            QRect area = s->geometry();
            QSize outer = frameGeometry().size().expandedTo(size());
            move(area.x() + (area.width() - outer.width()) / 2, area.y() + (area.height() - outer.height()) / 2);
        }
    }
    QDialog::showEvent(event);
}

void FrmLogOptions::showTexts() {
    text1_->setText(qt(texts_.Text1));
    text2_->setText(qt(texts_.Text2));
}

void FrmLogOptions::Command1_Click() {
    clearCurrentLog(model_);
    refreshMain_();
}

void FrmLogOptions::Command2_Click() {
    texts_.Text2 = text2_->text().toStdString();
    openExistingLog(model_, CommonDialog1, texts_);
    showTexts();
    refreshMain_();
}

void FrmLogOptions::Command4_Click() {
    texts_.Text2 = text2_->text().toStdString();
    bool hide = confirmLogOptions(model_, texts_);
    showTexts();
    refreshMain_();
    if (hide) accept();
}

}  // namespace pennant
