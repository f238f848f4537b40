// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "Commands.h"
#include "MessageTexts.h"
#include "Messages.h"

namespace jitsu::cli {

// Message boxes for the command-line tool. Each box's text becomes a line on standard error,
// with its detail. Nobody is there to answer a question. Whether to go on from a damaged file
// gets its safe answer silently (the command reports why it ended), or with --force is answered
// Yes and its detail printed as a warning. Any other question (whether to print pages that do
// not fit) is printed and answered Yes: the command goes on as asked.
class StreamMessages : public Messages {
public:
    explicit StreamMessages(CommandContext& context) : context_(context) {}

    MessageAnswer show(const Message& message) override {
        if (message.buttons != MessageButtons::Ok && message.text == text::kDamagedFile) {
            if (!context_.force) return message.safeAnswer;
            context_.warn(std::string(message.detail));
            return MessageAnswer::Yes;
        }
        context_.err << tr(message.text);
        if (!message.detail.empty()) context_.err << ": " << message.detail;
        context_.err << '\n';
        return message.buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::Yes;
    }
    void beep() override {}

private:
    CommandContext& context_;
};

}  // namespace jitsu::cli
