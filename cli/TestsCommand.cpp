// SPDX-License-Identifier: GPL-3.0-or-later
#include <memory>

#include "BasicData.h"
#include "Commands.h"
#include "TestList.h"

namespace jitsu::cli {

int testsCommand(CommandContext& context) {
    Arguments& args = context.args;
    const auto grade = args.intOption("grade", 1, kGrades, 0);
    if (!grade) return context.usageError(args.error());
    auto data = std::make_unique<BasicData>();
    if (Stop stop = context.readBasicData(*data)) return *stop;
    for (int g = 1; g <= kGrades; ++g) {
        if (*grade && g != *grade) continue;
        for (int t = 1; t <= data->grades[g - 1].tests(); ++t)
            context.out << g << ' ' << t << ' ' << testLabel(t) << '\n';
    }
    return kExitOk;
}

}  // namespace jitsu::cli
