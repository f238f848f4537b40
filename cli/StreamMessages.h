// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "Commands.h"
#include "MessageTexts.h"
#include "Messages.h"
#include "Status.h"
#include "YearResults.h"

namespace jitsu::cli {

// Message boxes for the command-line tool. Each box's text becomes a line on standard error,
// with its detail. Nobody is there to answer a question. Whether to go on from a damaged file
// gets its safe answer silently (the command reports why it ended), or with --force is answered
// Yes and its detail printed as a warning; so is a results file left out of a grade's year (the
// run ends at it without --force). A grade's year without results files is left to the command
// to say. Any other question (whether to print pages that do not fit) is printed and answered
// Yes: the command goes on as asked. A box that only informs, with a detail, is the suite's
// message and then the detail as the command's error line, as CommandContext::dataError writes
// them: failed() then does not repeat that detail.
class StreamMessages : public Messages {
public:
    explicit StreamMessages(CommandContext& context) : context_(context) {}

    MessageAnswer show(const Message& message) override {
        if (message.buttons != MessageButtons::Ok && message.text == text::kDamagedFile) {
            if (!context_.force) return message.safeAnswer;
            context_.warn(std::string(message.detail));
            return MessageAnswer::Yes;
        }
        if (message.text == history::kLeftOutText) {
            if (context_.force) context_.warn(because(N_("{1} (left out)"), message.detail).text());
            return MessageAnswer::Ok;
        }
        if (message.text == history::kNoResultsText) return MessageAnswer::Ok;
        if (message.buttons == MessageButtons::Ok && !message.detail.empty()) {
            told_.emplace_back(message.detail);
            context_.dataError(told_.back(), std::string(message.text).c_str());
            return MessageAnswer::Ok;
        }
        context_.err << tr(message.text);
        if (!message.detail.empty()) context_.err << ": " << message.detail;
        context_.err << '\n';
        return message.buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::Yes;
    }
    void beep() override {}

    // The data-error status for a run that failed: its reason on standard error unless a box
    // has told it already.
    int failed(const Status& status) {
        for (const std::string& detail : told_)
            if (detail == status.reason()) return kExitDataError;
        return context_.dataError(status.reason());
    }

private:
    CommandContext& context_;
    std::vector<std::string> told_;
};

}  // namespace jitsu::cli
