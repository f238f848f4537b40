#pragma once

#include <ostream>

#include "Messages.h"

namespace jitsu::cli {

// Message boxes for the command-line tool: each box's text becomes a line on `out` (standard
// error), with its detail. Nobody is there to answer: an OK box counts as confirmed, a question
// gets `questionAnswer` (declined unless told otherwise).
class StreamMessages : public Messages {
public:
    explicit StreamMessages(std::ostream& out, MessageAnswer questionAnswer = MessageAnswer::No)
        : out_(out), questionAnswer_(questionAnswer) {}

    MessageAnswer show(const Message& message) override {
        out_ << message.text;
        if (!message.detail.empty()) out_ << ": " << message.detail;
        out_ << '\n';
        return message.buttons == MessageButtons::Ok ? MessageAnswer::Ok : questionAnswer_;
    }
    void beep() override {}

private:
    std::ostream& out_;
    MessageAnswer questionAnswer_;
};

}  // namespace jitsu::cli
