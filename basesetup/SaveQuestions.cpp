// SPDX-License-Identifier: GPL-3.0-or-later
#include "SaveQuestions.h"

#include <algorithm>

#include "SetupMessages.h"

namespace jitsu {

namespace {

// A box's text: the heading, one line per finding (the first kListedFindings, then how many
// more) and the question.
std::string listedText(const char* heading, const std::vector<EditorFinding>& findings,
                       const char* question) {
    std::string out = std::string(heading) + "\n\n";
    int listed = std::min<int>(static_cast<int>(findings.size()), kListedFindings);
    for (int i = 0; i < listed; ++i) out += findings[i].text + "\n";
    if (static_cast<int>(findings.size()) > listed)
        out += "ほか " + std::to_string(findings.size() - listed) + " 件\n";
    return out + "\n" + question;
}

}  // namespace

std::string refusalText(const std::vector<EditorFinding>& findings) {
    return listedText(text::kCannotSave, findings, text::kCorrectThem);
}

std::string emptyClassQuestion(const std::vector<EditorFinding>& findings) {
    return listedText(text::kEmptyClasses, findings, text::kSaveEmptyClasses);
}

}  // namespace jitsu
