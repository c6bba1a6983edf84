#include "ui/help_window.h"

#include <QFileInfo>
#include <QKeySequence>
#include <QShortcut>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "ui/pennant_icon.h"

namespace pennant {

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("helpWindow"));
    setWindowTitle(QStringLiteral("Pennant95 Help"));
    setWindowIcon(pennantIcon());
    browser_ = new QTextBrowser(this);
    browser_->setObjectName(QStringLiteral("helpText"));
    browser_->setOpenExternalLinks(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    resize(620, 560);
    // Esc puts the help away, as it does a dialog.
    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(close, &QShortcut::activated, this, &QWidget::close);
}

bool HelpWindow::showContents(const QString& helpFile) {
    QFileInfo info(helpFile);
    if (!info.isFile() || !info.isReadable()) return false;
    // The file is HTML whatever its extension says.
    browser_->setSource(QUrl::fromLocalFile(info.absoluteFilePath()), QTextDocument::HtmlResource);
    return !browser_->document()->isEmpty();
}

}  // namespace pennant
