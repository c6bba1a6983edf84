// The platform as seen from the command line: no one to ask, so messages are
// kept for the caller to report and a file dialog answers with the file given.
#pragma once

#include <string>
#include <vector>

#include "platform/null_platform.h"

namespace pennant::cli {

class CliPlatform : public NullPlatform {
public:
    std::string fileAnswer;  // what a file dialog picks
    std::vector<MessageRequest> messages;

    Answer messageBox(const MessageRequest& request) override {
        messages.push_back(request);
        return Answer::Ok;
    }
    bool showFileDialog(CommonDialog& dialog, FileDialogKind) override {
        dialog.FileName = fileAnswer;
        return true;
    }
};

}  // namespace pennant::cli
