// SPDX-License-Identifier: GPL-3.0-or-later
#include <memory>

#include "Arguments.h"
#include "BasicData.h"
#include "Catalogue.h"
#include "Commands.h"
#include "FileSystem.h"
#include "Paths.h"
#include "ResultsExport.h"

namespace jitsu::cli {

int exportCommand(CommandContext& context) {
    Arguments& args = context.args;
    auto chosen = args.gradeTest();
    if (!chosen) return context.usageError(args.error());
    const std::string format = args.option("format").value_or("xlsx");
    const std::string encoding = args.option("encoding").value_or("utf-8");
    if (format != "xlsx" && format != "csv")
        return context.usageError(N_("--format must be xlsx or csv"));
    if (encoding != "utf-8" && encoding != "cp932")
        return context.usageError(N_("--encoding must be utf-8 or cp932"));

    auto basic = std::make_unique<BasicData>();
    if (Stop stop = context.readBasicData(*basic)) return *stop;
    if (Stop stop = context.checkTest(*basic, chosen->grade, chosen->test)) return *stop;
    if (Stop stop = context.judgeResultsAge(basic->grades[chosen->grade - 1],
                                            static_cast<unsigned>(chosen->year), chosen->test,
                                            chosen->grade))
        return *stop;
    yearfiles::ExportRequest request{static_cast<unsigned>(chosen->year),
                                     chosen->test,
                                     chosen->grade,
                                     "",
                                     format == "csv",
                                     encoding == "cp932"};
    const auto output = args.option("output");
    request.output =
        output
            ? pathFromUtf8(*output)
            : resultsPath("", request.year, request.test, request.grade).replace_extension(format);
    if (request.output.is_relative()) request.output = context.dir / request.output;
    std::size_t students = 0;
    if (Status s = yearfiles::exportResults(context.dir, *basic, request, students); !s)
        return context.dataError(s.reason());
    context.out << because(N_("wrote {1}: {2} students"), request.output, students).text() << '\n';
    return kExitOk;
}

}  // namespace jitsu::cli
