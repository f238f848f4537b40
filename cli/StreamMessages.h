#pragma once

#include <ostream>
#include <string>

#include "Messages.h"

namespace jitsu::cli {

// The message service of the command-line tool: every box's text becomes one line on `err`,
// after `prefix`; the beep is silent. Yes/No boxes answer No.
class StreamMessages : public Messages {
public:
    StreamMessages(std::ostream& err, std::string prefix) : err_(err), prefix_(std::move(prefix)) {}

    MessageAnswer show(std::string_view text, std::string_view, MessageIcon,
                       MessageButtons buttons) override {
        err_ << prefix_ << text << '\n';
        return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::No;
    }
    void beep() override {}

private:
    std::ostream& err_;
    std::string prefix_;
};

}  // namespace jitsu::cli
