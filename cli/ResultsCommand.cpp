// SPDX-License-Identifier: GPL-3.0-or-later
#include <memory>
#include <sstream>

#include "Arguments.h"
#include "BasicData.h"
#include "CombinationOption.h"
#include "Commands.h"
#include "FileSystem.h"
#include "GradeRun.h"
#include "Paths.h"
#include "Reason.h"
#include "StreamMessages.h"
#include "TracePrinter.h"

namespace jitsu::cli {

int resultsCommand(CommandContext& context) {
    Arguments& args = context.args;
    context.force = args.flag("force");
    auto chosen = args.gradeTest();
    if (!args.ok()) return context.usageError(args.error());
    ResultsRequest request{chosen->grade - 1, static_cast<unsigned>(chosen->year), chosen->test,
                           defaultCombinations(chosen->test)};
    if (auto list = args.option("combos")) {
        std::string error;
        auto parsed = parseCombinationList(*list, error);
        if (!parsed) return context.usageError(error);
        request.combinations = *parsed;
    }

    auto basic = std::make_unique<BasicData>();
    if (Stop stop = context.readBasicData(*basic)) return *stop;
    if (Stop stop = context.checkTest(*basic, chosen->grade, chosen->test)) return *stop;
    // The run prints nothing: its printer stays unused (and needs no printing build).
    StreamMessages messages(context);
    std::ostringstream nothing;
    TracePrinter unused(nothing);
    const Services services{context.dir, messages, unused, context.clock};
    if (Status saved = runResults(services, *basic, request); !saved) return messages.failed(saved);
    context.out << because(N_("wrote {1}"),
                           resultsPath(context.dir, request.year, request.test, chosen->grade))
                       .text()
                << '\n';
    return kExitOk;
}

}  // namespace jitsu::cli
