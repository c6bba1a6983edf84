// What the core asks of the desktop: modal messages and questions, file
// dialogs, the date, help and the printer. The windows implement it with Qt;
// tests with scripted fakes.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace pennant {

struct PrintDocument;

enum class Icon { None, Exclamation, Stop, Information };
enum class Buttons { Ok, OkCancel };
enum class Answer { Ok, Cancel };

struct MessageRequest {
    std::string text;  // lines joined by CR LF, as the program words them
    std::string title;
    Icon icon = Icon::None;
    Buttons buttons = Buttons::Ok;
};

// A window's common file dialog: the properties the program sets and the
// name it reports, which it keeps between showings.
struct CommonDialog {
    std::vector<std::string> filterNames;     // "All Files (*.*)", ...
    std::vector<std::string> filterPatterns;  // "*.*", ...
    int FilterIndex = 1;                      // 1-based
    std::string FileName;                     // the last name chosen, offered next time
};

enum class FileDialogKind { Open, SaveAs };

class Platform {
public:
    virtual ~Platform() = default;

    virtual Answer messageBox(const MessageRequest& request) = 0;
    // The typed text, or nullopt when the box was cancelled.
    virtual std::optional<std::string> inputBox(const std::string& prompt, const std::string& title,
                                                const std::string& defaultText) = 0;
    // Shows the dialog; on OK stores the chosen path in dialog.FileName and
    // returns true, on cancel returns false and leaves FileName as it was.
    virtual bool showFileDialog(CommonDialog& dialog, FileDialogKind kind) = 0;
    // Today's date in the system's short date form.
    virtual std::string shortDate() = 0;
    // Shows the contents of the help file; false when it cannot be shown.
    virtual bool showHelp() = 0;
    virtual void closeHelp() = 0;
    // Prints the document on the default printer; false when it failed.
    virtual bool print(const PrintDocument& document) = 0;
};

}  // namespace pennant
