// The help window: the help file (HTML) in a browser of its own, with the
// links between its sections working. One per program, never modal.
#pragma once

#include <QWidget>

class QTextBrowser;

namespace pennant {

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);
    // Shows the contents of the file; false when it cannot be read.
    bool showContents(const QString& helpFile);
    QTextBrowser* browser() const { return browser_; }

private:
    QTextBrowser* browser_;
};

}  // namespace pennant
