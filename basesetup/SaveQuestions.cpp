// SPDX-License-Identifier: GPL-3.0-or-later
#include "SaveQuestions.h"

#include <algorithm>

#include "SetupMessages.h"

namespace jitsu {

namespace {

// A box's text: the heading, one line per problem (the first kListedProblems, then how many
// more) and the question.
std::string listedText(const char* heading, const std::vector<Problem>& problems,
                       const char* question) {
    std::string out = std::string(heading) + "\n\n";
    int listed = std::min<int>(static_cast<int>(problems.size()), kListedProblems);
    for (int i = 0; i < listed; ++i) out += problems[i].text + "\n";
    if (static_cast<int>(problems.size()) > listed)
        out += "ほか " + std::to_string(problems.size() - listed) + " 件\n";
    return out + "\n" + question;
}

}  // namespace

std::string refusalText(const std::vector<Problem>& problems) {
    return listedText(text::kCannotSave, problems, text::kCorrectThem);
}

std::string emptyClassQuestion(const std::vector<Problem>& problems) {
    return listedText(text::kEmptyClasses, problems, text::kSaveEmptyClasses);
}

}  // namespace jitsu
