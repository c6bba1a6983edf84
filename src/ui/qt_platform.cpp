#include "ui/qt_platform.h"

#include <QApplication>
#include <QDate>
#include <QFile>
#include <QFileDialog>
#include <QInputDialog>
#include <QLocale>
#include <QMessageBox>

#include "ui/help_window.h"
#include "ui/qt_printer.h"

namespace pennant {
namespace {

QString qt(const std::string& s) {
    return QString::fromStdString(s);
}

QString linesOf(const std::string& text) {
    return qt(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

QMessageBox::Icon qtIcon(Icon icon) {
    switch (icon) {
        case Icon::Exclamation:
            return QMessageBox::Warning;
        case Icon::Stop:
            return QMessageBox::Critical;
        case Icon::Information:
            return QMessageBox::Information;
        case Icon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

// A box without a title of its own carries the program's name, as the
// desktop does for any untitled message.
QString titleOf(const std::string& title) {
    return title.empty() ? QStringLiteral("Pennant95") : qt(title);
}

}  // namespace

QString defaultHelpFile() {
    return QStringLiteral(PENNANT_HELP_FILE);
}

QString fileDialogFilter(const std::string& caption, const std::string& pattern) {
    QString patterns = qt(pattern).simplified();
    if (patterns == QStringLiteral("*.*")) patterns = QStringLiteral("*");
    // QFileDialog takes the patterns from the last parentheses; with the
    // details hidden it shows the rest, which is the caption unchanged.
    return qt(caption) + QStringLiteral(" (") + patterns + QLatin1Char(')');
}

QtPlatform::QtPlatform(std::filesystem::path programDir, QString helpFile)
    : programDir_(std::move(programDir)), helpFile_(std::move(helpFile)) {}

QtPlatform::~QtPlatform() {
    delete help_.data();
}

Answer QtPlatform::messageBox(const MessageRequest& request) {
    QMessageBox box(qtIcon(request.icon), titleOf(request.title), linesOf(request.text),
                    request.buttons == Buttons::OkCancel ? QMessageBox::Ok | QMessageBox::Cancel : QMessageBox::Ok,
                    window_);
    box.setObjectName(QStringLiteral("messageBox"));
    box.setDefaultButton(QMessageBox::Ok);
    box.setEscapeButton(request.buttons == Buttons::OkCancel ? QMessageBox::Cancel : QMessageBox::Ok);
    return box.exec() == QMessageBox::Ok ? Answer::Ok : Answer::Cancel;
}

std::optional<std::string> QtPlatform::inputBox(const std::string& prompt, const std::string& title,
                                                const std::string& defaultText) {
    QInputDialog box(window_);
    box.setObjectName(QStringLiteral("inputBox"));
    box.setWindowTitle(titleOf(title));
    box.setLabelText(linesOf(prompt));
    box.setTextValue(qt(defaultText));
    if (box.exec() != QDialog::Accepted) return std::nullopt;
    return box.textValue().toStdString();
}

bool QtPlatform::showFileDialog(CommonDialog& dialog, FileDialogKind kind) {
    QFileDialog box(window_);
    box.setObjectName(QStringLiteral("fileDialog"));
    box.setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::HideNameFilterDetails |
                   (kind == FileDialogKind::SaveAs ? QFileDialog::DontConfirmOverwrite : QFileDialog::Options()));
    box.setAcceptMode(kind == FileDialogKind::SaveAs ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    // An open may name a file that is not there yet: the program decides.
    box.setFileMode(QFileDialog::AnyFile);
    box.setWindowTitle(kind == FileDialogKind::SaveAs ? QStringLiteral("Save As") : QStringLiteral("Open"));

    QStringList filters;
    for (std::size_t i = 0; i < dialog.filterNames.size(); ++i)
        filters << fileDialogFilter(dialog.filterNames[i],
                                    i < dialog.filterPatterns.size() ? dialog.filterPatterns[i] : "*");
    if (!filters.isEmpty()) {
        box.setNameFilters(filters);
        int index = dialog.FilterIndex - 1;
        if (index >= 0 && index < filters.size()) box.selectNameFilter(filters[index]);
    }

    std::filesystem::path last(dialog.FileName);
    box.setDirectory(QFile::decodeName(
        (last.has_parent_path() ? (last.is_absolute() ? last.parent_path() : programDir_ / last.parent_path())
                                : programDir_)
            .c_str()));
    if (!dialog.FileName.empty()) box.selectFile(QFile::decodeName(last.filename().c_str()));

    if (box.exec() != QDialog::Accepted || box.selectedFiles().isEmpty()) return false;
    dialog.FileName = QFile::encodeName(box.selectedFiles().first()).toStdString();
    int chosen = filters.indexOf(box.selectedNameFilter());
    if (chosen >= 0) dialog.FilterIndex = chosen + 1;
    return true;
}

std::string QtPlatform::shortDate() {
    return QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat).toStdString();
}

bool QtPlatform::showHelp() {
    if (!help_) help_ = new HelpWindow();
    if (!help_->showContents(helpFile_)) return false;
    help_->show();
    help_->raise();
    help_->activateWindow();
    return true;
}

void QtPlatform::closeHelp() {
    if (help_) help_->close();
}

bool QtPlatform::print(const PrintDocument& document) {
    return printDocument(document, window_);
}

}  // namespace pennant
