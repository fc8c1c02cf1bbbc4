// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/UserMessages.h"

#include <string>
#include <vector>

namespace vorn::test {

// Keeps every message and question; answers questions with `answer`.
class RecordedMessages : public UserMessages {
public:
    void showMessage(std::string_view text) override { messages.emplace_back(text); }
    bool askYesNo(std::string_view question) override {
        questions.emplace_back(question);
        return answer;
    }
    SaveAnswer askYesNoCancel(std::string_view question) override {
        questions.emplace_back(question);
        return saveAnswer;
    }
    void showStatus(std::string_view text, StatusKind kind) override {
        statuses.emplace_back(std::string(kind == StatusKind::refusal ? "beep: " : "") +
                              std::string(text));
    }

    std::vector<std::string> messages;
    std::vector<std::string> questions;
    std::vector<std::string> statuses; // refusals as "beep: TEXT"
    bool answer = false;
    SaveAnswer saveAnswer = SaveAnswer::cancel;
};

} // namespace vorn::test
