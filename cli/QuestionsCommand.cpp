// SPDX-License-Identifier: GPL-3.0-or-later
// The commands on the marks per question kept for a subject: the report pages and the export.
#include <memory>
#include <sstream>

#include "Arguments.h"
#include "BasicData.h"
#include "Catalogue.h"
#include "Commands.h"
#include "FileSystem.h"
#include "NumberList.h"
#include "QuestionExport.h"
#include "Reason.h"
#ifdef JITSU_CLI_PRINTING
#include "PdfOutput.h"
#include "QuestionReportRun.h"
#endif

namespace jitsu::cli {

namespace {

// --test, --grade and --subject, checked against the basic data read into `basic`.
Stop readRequest(CommandContext& context, BasicData& basic, questions::QuestionsRequest& request) {
    Arguments& args = context.args;
    auto test = args.requiredInt("test", 1, kMaxTests);
    auto grade = test ? args.requiredInt("grade", 1, kGrades) : std::nullopt;
    if (!grade) return context.usageError(args.error());
    if (Stop stop = context.readBasicData(basic)) return stop;
    if (Stop stop = context.checkTest(basic, *grade, *test)) return stop;
    request = {*grade, *test, *args.option("subject")};
    return std::nullopt;
}

#ifdef JITSU_CLI_PRINTING
// "rates,groups,charts,students" or any part of it, in any order.
bool parseParts(const std::string& text, questions::ReportParts& parts) {
    parts = {false, false, false, false};
    std::istringstream in(text);
    std::string word;
    bool any = false;
    while (std::getline(in, word, ',')) {
        bool* part = word == "rates"      ? &parts.rates
                     : word == "groups"   ? &parts.groups
                     : word == "charts"   ? &parts.charts
                     : word == "students" ? &parts.students
                                          : nullptr;
        if (!part) return false;
        *part = any = true;
    }
    return any;
}
#endif

}  // namespace

int questionsExportCommand(CommandContext& context) {
    Arguments& args = context.args;
    const std::string format = args.option("format").value_or("xlsx");
    const std::string encoding = args.option("encoding").value_or("utf-8");
    if (format != "xlsx" && format != "csv")
        return context.usageError(N_("--format must be xlsx or csv"));
    if (encoding != "utf-8" && encoding != "cp932")
        return context.usageError(N_("--encoding must be utf-8 or cp932"));
    auto basic = std::make_unique<BasicData>();
    questions::QuestionsRequest request;
    if (Stop stop = readRequest(context, *basic, request)) return *stop;
    auto loaded = std::make_unique<questions::LoadedQuestions>();
    if (Status read = questions::loadQuestions(context.dir, *basic, request, *loaded); !read)
        return context.dataError(read.reason());

    std::filesystem::path output = pathFromUtf8(args.option("output").value_or(
        utf8FromPath(loaded->file.filename().replace_extension(format))));
    if (output.is_relative()) output = context.dir / output;
    if (Status s =
            yearfiles::exportQuestionRates(*loaded, output, format == "csv", encoding == "cp932");
        !s)
        return context.dataError(s.reason());
    context.out
        << because(N_("wrote {1}: {2} questions"), output, loaded->marks.questions.size()).text()
        << '\n';
    return kExitOk;
}

#ifdef JITSU_CLI_PRINTING
int questionsReportCommand(CommandContext& context) {
    Arguments& args = context.args;
    context.force = args.flag("force");
    std::string error;
    const auto output = OutputChoice::from(args, context.dir, error);
    if (!output) return context.usageError(error);
    questions::QuestionReportRequest request;
    if (auto parts = args.option("parts"); parts && !parseParts(*parts, request.parts))
        return context.usageError(
            because(N_("--parts takes rates, groups, charts and students separated by commas, "
                       "not '{1}'"),
                    *parts)
                .text());
    if (Status found = output->findQueue(); !found) return context.dataError(found.reason());
    auto basic = std::make_unique<BasicData>();
    if (Stop stop = readRequest(context, *basic, request.what)) return *stop;
    const int classCount = basic->grades[request.what.grade - 1].classes();
    const std::string classList = args.option("classes").value_or("");
    const auto classes = classesNamed(classList, classCount);
    if (!classes) return context.badClassList(classCount, classList);
    for (int c = 0; c < classCount; ++c)
        if ((*classes)[c]) request.classes.push_back(c + 1);
    return printThrough(context, *output, [&](const Services& services) {
        return questions::runQuestionReport(services, *basic, request);
    });
}
#endif

}  // namespace jitsu::cli
