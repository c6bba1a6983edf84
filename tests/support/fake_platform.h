// A scripted Platform for tests: records every request and answers from
// queues the test fills. An unexpected dialog fails the test at once.
#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/platform.h"

namespace pennant::testing {

class FakePlatform : public Platform {
public:
    std::vector<MessageRequest> messages;
    std::deque<Answer> messageAnswers;  // empty: answer Ok

    struct InputCall {
        std::string prompt, title, defaultText;
    };
    std::vector<InputCall> inputs;
    std::deque<std::optional<std::string>> inputAnswers;

    struct FileCall {
        CommonDialog dialog;  // as the program prepared it
        FileDialogKind kind;
    };
    std::vector<FileCall> fileDialogs;
    std::deque<std::optional<std::string>> fileAnswers;  // nullopt: cancel

    std::string today = "11/12/2026";
    int helpShown = 0, helpClosed = 0;
    bool helpAvailable = true;

    // Called with each printed document; returns whether printing worked.
    std::function<bool(const PrintDocument&)> onPrint = [](const PrintDocument&) { return true; };
    int printed = 0;

    Answer messageBox(const MessageRequest& request) override {
        messages.push_back(request);
        if (messageAnswers.empty()) return Answer::Ok;
        Answer a = messageAnswers.front();
        messageAnswers.pop_front();
        return a;
    }
    std::optional<std::string> inputBox(const std::string& prompt, const std::string& title,
                                        const std::string& defaultText) override {
        inputs.push_back({prompt, title, defaultText});
        if (inputAnswers.empty()) {
            ADD_FAILURE() << "unexpected input box: " << prompt;
            return std::nullopt;
        }
        auto a = inputAnswers.front();
        inputAnswers.pop_front();
        return a;
    }
    bool showFileDialog(CommonDialog& dialog, FileDialogKind kind) override {
        fileDialogs.push_back({dialog, kind});
        if (fileAnswers.empty()) {
            ADD_FAILURE() << "unexpected file dialog";
            return false;
        }
        auto a = fileAnswers.front();
        fileAnswers.pop_front();
        if (!a) return false;
        dialog.FileName = *a;
        return true;
    }
    std::string shortDate() override { return today; }
    bool showHelp() override {
        ++helpShown;
        return helpAvailable;
    }
    void closeHelp() override { ++helpClosed; }
    bool print(const PrintDocument& document) override {
        ++printed;
        return onPrint(document);
    }

    std::vector<std::string> messageTitles() const {
        std::vector<std::string> t;
        for (auto& m : messages) t.push_back(m.title);
        return t;
    }
};

}  // namespace pennant::testing
