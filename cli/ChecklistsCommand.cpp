#include <sstream>

#include "Arguments.h"
#include "Clock.h"
#include "Commands.h"
#include "Deadline.h"
#include "FixedTexts.h"
#include "PdfOutput.h"
#include "PrintCheckLists.h"
#include "StreamMessages.h"

namespace jitsu::cli {

namespace {

// "M/D" with a month from 1 to 12 and a day from 1 to 31.
std::optional<Deadline> parseDeadline(const std::string& text) {
    const auto slash = text.find('/');
    if (slash == std::string::npos) return std::nullopt;
    auto month = parseWholeNumber(text.substr(0, slash));
    auto day = parseWholeNumber(text.substr(slash + 1));
    if (!month || !day || *month < 1 || *month > 12 || *day < 1 || *day > 31) return std::nullopt;
    return Deadline{static_cast<int>(*month), static_cast<int>(*day)};
}

// "1,3": class numbers from 1 to `classCount`, as ticks by class index.
std::optional<std::filesystem::path> pathOption(const Arguments& args, const std::string& name,
                                                const std::filesystem::path& dir) {
    auto text = args.option(name);
    if (!text) return std::nullopt;
    return dir / *text;  // an absolute path stays as it is
}

}  // namespace

int checklistsCommand(CommandContext& context) {
    Arguments args(
        context.args,
        {"year", "test", "grade", "classes", "deadline", "place", "scale", "pdf", "trace"},
        {"force"});
    if (!args.ok()) return context.usageError(args.error());
    context.force = args.flag("force");
    auto chosen = args.gradeTest();
    auto scale = args.intOption("scale", 80, 200, 100);
    if (!chosen || !scale) return context.usageError(args.error());
    if (args.option("pdf") && args.option("trace"))
        return context.usageError("give --pdf or --trace, not both");

    Deadline deadline = deadlineFor(SystemClock().today());
    if (auto text = args.option("deadline")) {
        auto parsed = parseDeadline(*text);
        if (!parsed)
            return context.usageError("--deadline must be MONTH/DAY (1 to 12, 1 to 31), not '" + *text +
                              "'");
        deadline = *parsed;
    }

    StreamMessages messages(context);
    BasicData data;
    if (Stop stop = context.readBasicData(data)) return *stop;
    const GradeData& gradeData = data.grades[chosen->grade - 1];
    // The window offers the tests of grade 1 only.
    if (Stop stop = context.checkTest(data, 1, chosen->test)) return *stop;
    if (gradeData.classes() == 0)
        return context.dataError("nothing to print: grade " + std::to_string(chosen->grade) +
                                 " has no class");

    CheckListRequest request;
    request.grade = chosen->grade - 1;
    request.year = static_cast<unsigned>(chosen->year);
    request.test = chosen->test;
    request.yearText = fixedYearText(request.year);
    request.testText = fixedTestText(chosen->test);
    request.monthText = std::to_string(deadline.month);
    request.dayText = std::to_string(deadline.day);
    request.placeText = args.option("place").value_or("");
    request.magnification = *scale;
    request.checkedClasses.assign(static_cast<std::size_t>(gradeData.classes()), true);
    if (auto text = args.option("classes")) {
        auto classes = parseClassList(*text, gradeData.classes());
        if (!classes)
            return context.usageError("--classes must list class numbers from 1 to " +
                              std::to_string(gradeData.classes()) + ", not '" + *text + "'");
        request.checkedClasses = *classes;
    }

    const auto pdf = pathOption(args, "pdf", context.dir);
    const auto trace = pathOption(args, "trace", context.dir);
    PrintOutput output(pdf, trace, context.out);
    SystemClock clock;
    Services services{context.dir, messages, output.printer(), clock};
    Status status = printCheckLists(data, request, services);
    if (status && output.printer().sheetCount() == 0)
        return context.dataError("nothing to print");
    if (status) status = output.finish();
    if (!status) return context.dataError(status.reason());
    if (pdf || trace)
        context.out << "wrote " << (pdf ? *pdf : *trace).string() << ": "
                    << output.printer().sheetCount() << " pages\n";
    return kExitOk;
}

}  // namespace jitsu::cli
