#pragma once

#include <ostream>

#include "Messages.h"

namespace jitsu::cli {

// Message boxes for the command-line tool: each box's text becomes a line on `out` (standard
// error). Nobody is there to answer: an OK box counts as confirmed, a question as declined.
class StreamMessages : public Messages {
public:
    explicit StreamMessages(std::ostream& out) : out_(out) {}

    MessageAnswer show(std::string_view text, std::string_view, MessageIcon,
                       MessageButtons buttons) override {
        out_ << text << '\n';
        return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::No;
    }
    void beep() override {}

private:
    std::ostream& out_;
};

}  // namespace jitsu::cli
