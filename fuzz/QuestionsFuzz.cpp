// SPDX-License-Identifier: GPL-3.0-or-later
// The reader of the marks per question on any bytes, CR LF read as LF as from the file: what it
// accepts is written and read again to the same marks.
#include "FuzzCheck.h"
#include "QuestionFile.h"
#include "TextFile.h"

using namespace jitsu;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input = fromCrLf(fuzz::textOf(data, size));
    questions::QuestionMarks marks, again;
    if (!questions::parseQuestionFile(input, "fuzz.txt", marks)) return 0;
    const std::string written = fromCrLf(questions::formatQuestionFile(marks));
    fuzz::require(questions::parseQuestionFile(written, "fuzz.txt", again).isOk(),
                  "what was read is written readable");
    fuzz::require(questions::formatQuestionFile(again) == questions::formatQuestionFile(marks),
                  "the marks read back as written");
    return 0;
}
