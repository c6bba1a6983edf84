// The platform as seen from the command line: no one to ask, so messages go
// to standard error and a file dialog answers with the file given.
#pragma once

#include <functional>
#include <vector>
#include <string>

#include "platform/platform.h"

namespace pennant::cli {

class CliPlatform : public Platform {
public:
    std::string fileAnswer;       // what a file dialog picks
    std::vector<MessageRequest> messages;
    const PrintDocument* printed = nullptr;  // only valid during print()
    std::function<void(const PrintDocument&)> onPrint;

    Answer messageBox(const MessageRequest& request) override {
        messages.push_back(request);
        return Answer::Ok;
    }
    std::optional<std::string> inputBox(const std::string&, const std::string&, const std::string&) override {
        return std::nullopt;
    }
    bool showFileDialog(CommonDialog& dialog, FileDialogKind) override {
        dialog.FileName = fileAnswer;
        return true;
    }
    std::string shortDate() override { return {}; }
    bool showHelp() override { return false; }
    void closeHelp() override {}
    bool print(const PrintDocument& document) override {
        if (onPrint) onPrint(document);
        return true;
    }
};

}  // namespace pennant::cli
