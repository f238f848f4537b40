// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Commands.h"
#include "Messages.h"

namespace jitsu::cli {

// Nobody is there to answer: the conflict question and its cells are printed, and answered
// "keep the sheet's scores" with --force, else "write nothing".
class ConflictAnswers : public Messages {
public:
    ConflictAnswers(CommandContext& context, bool force) : context_(context), force_(force) {}

    MessageAnswer show(const Message& message) override {
        context_.err << message.text << '\n' << message.detail;
        if (message.buttons == MessageButtons::Ok) return MessageAnswer::Ok;
        return force_ ? MessageAnswer::Yes : MessageAnswer::Cancel;
    }
    void beep() override {}

private:
    CommandContext& context_;
    bool force_;
};

}  // namespace jitsu::cli
