#pragma once

#include <string>

#include "Commands.h"
#include "Messages.h"

namespace jitsu::cli {

// Message boxes for the command-line tool. Each OK box's text becomes a line on standard error,
// with its detail. Nobody is there to answer a question (in a printing run, whether to go on
// from a damaged file): it gets its safe answer silently, the command reporting why it ended;
// with --force it is answered Yes and its detail printed as a warning.
class StreamMessages : public Messages {
public:
    explicit StreamMessages(CommandContext& context) : context_(context) {}

    MessageAnswer show(const Message& message) override {
        if (message.buttons != MessageButtons::Ok) {
            if (!context_.force) return message.safeAnswer;
            context_.warn(std::string(message.detail));
            return MessageAnswer::Yes;
        }
        context_.err << message.text;
        if (!message.detail.empty()) context_.err << ": " << message.detail;
        context_.err << '\n';
        return MessageAnswer::Ok;
    }
    void beep() override {}

private:
    CommandContext& context_;
};

}  // namespace jitsu::cli
