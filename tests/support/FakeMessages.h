// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "Messages.h"

// Records every message box and beep; answers questions from a queue (Yes when it runs out),
// OK boxes with OK.
class FakeMessages : public jitsu::Messages {
public:
    struct Shown {
        std::string text, title;
        jitsu::MessageIcon icon;
        jitsu::MessageButtons buttons;
        jitsu::MessageAnswer safeAnswer;
        std::string detail;
    };

    std::vector<Shown> shown;
    int beeps = 0;
    std::deque<jitsu::MessageAnswer> answers;
    // Run while a box is open, as what another terminal does while the person reads it.
    std::function<void()> whileShown;

    jitsu::MessageAnswer show(const jitsu::Message& m) override {
        shown.push_back({std::string(m.text), std::string(m.title), m.icon, m.buttons, m.safeAnswer,
                         std::string(m.detail)});
        if (whileShown) whileShown();
        if (m.buttons == jitsu::MessageButtons::Ok) return jitsu::MessageAnswer::Ok;
        if (answers.empty()) return jitsu::MessageAnswer::Yes;
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
