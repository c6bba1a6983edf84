// A platform with no one at the desk: every message is answered OK, every
// question and file dialog is cancelled, nothing is printed. For benchmarks
// and fuzzing, where no dialog may stop the run.
#pragma once

#include "platform/platform.h"

namespace pennant {

class NullPlatform : public Platform {
public:
    Answer messageBox(const MessageRequest&) override { return Answer::Ok; }
    std::optional<std::string> inputBox(const std::string&, const std::string&, const std::string&) override {
        return std::nullopt;
    }
    bool showFileDialog(CommonDialog&, FileDialogKind) override { return false; }
    std::string shortDate() override { return "11/12/2026"; }
    bool showHelp() override { return false; }
    void closeHelp() override {}
    bool print(const PrintDocument&) override { return false; }
};

}  // namespace pennant
