#include <algorithm>
#include <memory>

#include "Arguments.h"
#include "AtomicWrite.h"
#include "BasicData.h"
#include "Commands.h"
#include "Paths.h"
#include "ResultsExport.h"
#include "ResultsFile.h"

namespace jitsu::cli {

int exportCommand(CommandContext& context) {
    std::vector<std::string> words = context.args;
    std::replace(words.begin(), words.end(), std::string("-o"), std::string("--output"));
    Arguments args(words, {"year", "test", "grade", "format", "encoding", "output"}, {"force"});
    if (!args.ok()) return context.usageError(args.error());
    context.force = args.flag("force");
    auto chosen = args.gradeTest();
    if (!chosen) return context.usageError(args.error());
    const std::string format = args.option("format").value_or("xlsx");
    const std::string encoding = args.option("encoding").value_or("utf-8");
    if (format != "xlsx" && format != "csv")
        return context.usageError("--format must be xlsx or csv");
    if (encoding != "utf-8" && encoding != "cp932")
        return context.usageError("--encoding must be utf-8 or cp932");

    auto basic = std::make_unique<BasicData>();
    if (Stop stop = context.readBasicData(*basic)) return *stop;
    if (Stop stop = context.checkTest(*basic, chosen->grade, chosen->test)) return *stop;
    const GradeData& grade = basic->grades[chosen->grade - 1];
    const auto year = static_cast<unsigned>(chosen->year);

    auto roster = std::make_unique<GradeRoster>();
    FileHealth health;
    const auto rosterFile = rosterPath(context.dir, basic->rosterTag.view(), year, chosen->grade);
    if (Status read = readRoster(rosterFile, *roster, &health); !read)
        return context.dataError(read.reason());
    if (Stop stop = context.judge(rosterFile, health)) return *stop;
    classRanges(grade, *roster);

    auto results = std::make_unique<GradeResults>();
    const auto resultsFile = resultsPath(context.dir, year, chosen->test, chosen->grade);
    if (Status read = readResultsFile(resultsFile, grade, *results, &health); !read)
        return context.dataError(read.reason());
    if (Stop stop = context.judge(resultsFile, health)) return *stop;

    const auto table = yearfiles::exportTable(grade, chosen->test, *roster, *results);
    std::filesystem::path out = args.option("output").value_or(
        "JK" + twoDigitYear(year) + "_" + std::to_string(chosen->test) + "_" +
        std::to_string(chosen->grade) + "." + format);
    if (out.is_relative()) out = context.dir / out;
    Status written = format == "xlsx" ? yearfiles::writeXlsx(out, table)
                                      : writeFileAtomically(
                                            out, yearfiles::formatCsv(table, encoding == "cp932"));
    if (!written) return context.dataError(written.reason());
    context.out << "wrote " << out.string() << ": " << table.rows.size() << " students\n";
    return kExitOk;
}

}  // namespace jitsu::cli
