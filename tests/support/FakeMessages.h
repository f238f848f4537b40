#pragma once

#include <deque>
#include <string>
#include <vector>

#include "Messages.h"

// Records every message box and beep; answers Yes/No boxes from a queue (Yes when it runs out
// unless told otherwise), OK boxes with OK.
class FakeMessages : public jitsu::Messages {
public:
    struct Shown {
        std::string text, title;
        jitsu::MessageIcon icon;
        jitsu::MessageButtons buttons;
    };

    std::vector<Shown> shown;
    int beeps = 0;
    std::deque<jitsu::MessageAnswer> answers;
    jitsu::MessageAnswer defaultAnswer = jitsu::MessageAnswer::Yes;

    jitsu::MessageAnswer show(std::string_view text, std::string_view title, jitsu::MessageIcon icon,
                              jitsu::MessageButtons buttons) override {
        shown.push_back({std::string(text), std::string(title), icon, buttons});
        if (buttons == jitsu::MessageButtons::Ok) return jitsu::MessageAnswer::Ok;
        if (answers.empty()) return defaultAnswer;
        auto answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void beep() override { ++beeps; }

    int count(const std::string& text) const {
        int n = 0;
        for (const Shown& s : shown) n += s.text == text;
        return n;
    }
};
