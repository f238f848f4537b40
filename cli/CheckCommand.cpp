// SPDX-License-Identifier: GPL-3.0-or-later
#include "Arguments.h"
#include "Commands.h"
#include "YearCheck.h"

namespace jitsu::cli {

int checkCommand(CommandContext& context) {
    Arguments& args = context.args;
    auto year = args.intOption("year", kFirstYear, kLastYear, 0);
    if (!year) return context.usageError(args.error());
    const auto findings = yearfiles::checkYear(context.dir, static_cast<unsigned>(*year));
    if (args.flag("json"))
        context.out << yearfiles::findingsJson(findings);
    else
        for (const auto& finding : findings) context.out << yearfiles::findingLine(finding) << '\n';
    return yearfiles::hasError(findings) ? kExitDataError : kExitOk;
}

}  // namespace jitsu::cli
