// SPDX-License-Identifier: GPL-3.0-or-later
#include <memory>

#include "Arguments.h"
#include "BasicData.h"
#include "Commands.h"
#include "FileSystem.h"
#include "Paths.h"
#include "Reason.h"
#include "RosterChange.h"
#include "RosterImport.h"

namespace jitsu::cli {

int importRosterCommand(CommandContext& context) {
    Arguments& args = context.args;
    auto grade = args.requiredInt("grade", 1, kGrades);
    auto year = grade ? args.intOption("year", kFirstYear, kLastYear, 0) : std::nullopt;
    if (!year) return context.usageError(args.error());
    yearfiles::ImportOptions options;
    options.gradeNumber = *grade;
    options.sheet = args.option("sheet").value_or("");
    if (auto list = args.option("columns")) {
        auto columns = yearfiles::parseColumnList(*list);
        if (!columns)
            return context.usageError(N_("--columns lists class, number, name or - (skipped)"));
        options.columns = *columns;
    }
    if (auto encoding = args.option("encoding")) {
        if (*encoding != "utf-8" && *encoding != "cp932")
            return context.usageError(N_("--encoding must be utf-8 or cp932"));
        options.encoding =
            *encoding == "utf-8" ? yearfiles::TextEncoding::Utf8 : yearfiles::TextEncoding::Cp932;
    }

    auto basic = std::make_unique<BasicData>();
    if (Stop stop = context.readBasicData(*basic)) return *stop;
    std::filesystem::path source = pathFromUtf8(args.positional()[0]);
    if (source.is_relative()) source = context.dir / source;
    yearfiles::ImportedRoster imported;
    if (Status s =
            yearfiles::importRosterFile(source, options, basic->grades[*grade - 1], imported);
        !s)
        return context.dataError(s.reason());
    const unsigned schoolYear = *year ? static_cast<unsigned>(*year) : basic->year;
    yearfiles::RosterReplacement plan;
    if (Status s = yearfiles::planRosterReplacement(context.dir, *basic, schoolYear, *grade,
                                                    imported, plan);
        !s)
        return context.dataError(s.reason());
    const std::filesystem::path& target = plan.roster;
    if (yearfiles::carriesScores(plan)) {
        // The scores follow their students: say where each goes before anything is written.
        context.out << yearfiles::replacementSummary(plan, basic->grades[*grade - 1]);
        if (!args.flag("force"))
            return context.dataError(
                because(N_("{1} exists already and the grade has scores; the lines above say "
                           "where they go (use --force to replace it)"),
                        target)
                    .text());
    }
    if (Status s = yearfiles::applyRosterReplacement(plan, imported, args.flag("force")); !s)
        return context.dataError(s.reason());
    for (const std::string& note : imported.notes)
        context.warn(because(N_("{1} (written anyway)"), note).text());
    context.out << because(N_("wrote {1}: {2} students"), target, imported.students).text() << '\n';
    return kExitOk;
}

}  // namespace jitsu::cli
