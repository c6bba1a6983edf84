// The desktop side of the platform layer: Qt's message, input and file
// dialogs, the short date, our own help window and the printer.
#pragma once

#include <QPointer>
#include <QString>
#include <filesystem>

#include "platform/platform.h"
#include "ui/help_window.h"

class QWidget;

namespace pennant {

// The help file the program was built to find.
QString defaultHelpFile();

class QtPlatform : public Platform {
public:
    QtPlatform(std::filesystem::path programDir, QString helpFile = defaultHelpFile());
    ~QtPlatform() override;

    // The window the dialogs belong to (centred over it, modal to it).
    void setWindow(QWidget* window) { window_ = window; }

    Answer messageBox(const MessageRequest& request) override;
    std::optional<std::string> inputBox(const std::string& prompt, const std::string& title,
                                        const std::string& defaultText) override;
    bool showFileDialog(CommonDialog& dialog, FileDialogKind kind) override;
    std::string shortDate() override;
    bool showHelp() override;
    void closeHelp() override;
    bool print(const PrintDocument& document) override;

    HelpWindow* helpWindow() const { return help_; }

private:
    std::filesystem::path programDir_;
    QString helpFile_;
    QPointer<QWidget> window_;
    QPointer<HelpWindow> help_;
};

// What QFileDialog needs for a filter entry: the caption exactly as given,
// and the patterns it lists. "*.*" stands for every file, with or without a
// dot in its name.
QString fileDialogFilter(const std::string& caption, const std::string& pattern);

}  // namespace pennant
