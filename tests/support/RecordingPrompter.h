#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "platform/Prompter.h"

namespace numora {

// A Prompter for tests: it keeps every message in order and answers questions
// from a queue of prepared answers. A question nobody prepared an answer for
// fails the test and is answered No.
class RecordingPrompter : public Prompter {
public:
    struct Message {
        std::string text;
        PromptIcon icon = PromptIcon::None;
        bool question = false;

        friend bool operator==(const Message&, const Message&) = default;
    };

    void report(const std::string& text, PromptIcon icon = PromptIcon::None) override {
        messages.push_back({text, icon, false});
    }

    bool ask(const std::string& question) override {
        messages.push_back({question, PromptIcon::Warning, true});
        if (answers.empty()) {
            ADD_FAILURE() << "unexpected question: " << question;
            return false;
        }
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }

    // The texts alone, in the order they were shown.
    std::vector<std::string> texts() const {
        std::vector<std::string> all;
        for (const Message& message : messages) all.push_back(message.text);
        return all;
    }

    std::vector<Message> messages;
    std::deque<bool> answers;  // true answers Yes
};

}  // namespace numora
