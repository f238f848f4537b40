// SPDX-License-Identifier: GPL-3.0-or-later
#include "QuestionsLoad.h"

#include "Cp932.h"
#include "FileSystem.h"
#include "Format.h"
#include "Paths.h"
#include "QuestionFile.h"
#include "Reason.h"
#include "TestList.h"

namespace jitsu::questions {

Status loadQuestions(const std::filesystem::path& dir, const BasicData& data,
                     const QuestionsRequest& request, LoadedQuestions& loaded) {
    const GradeData& grade = data.grades[request.grade - 1];
    int subject = -1;
    for (int j = 0; j < grade.subjects(); ++j)
        if (grade.subjectNames[j].utf8() == request.subject) subject = j;
    if (subject < 0)
        return Status::error(
            because(N_("\"{1}\" is not a subject of grade {2}"), request.subject, request.grade));
    loaded.file = questionFilePath(dir, data.year, request.test, request.grade, subject + 1);
    const std::filesystem::path& path = loaded.file;
    if (Status read = readQuestionFile(path, loaded.marks); !read) return read;
    const QuestionMarks& marks = loaded.marks;
    if (marks.gradeNumber != request.grade || marks.test != request.test)
        return Status::error(
            because(N_("{1}: holds grade {2} in test {3}"), path, marks.gradeNumber, marks.test));
    // The file is named by the subject's place: after subjects were reordered it holds another's.
    if (marks.subject != grade.subjectNames[subject].view().bytes())
        return Status::error(because(N_("{1}: holds the marks of {2}, not of {3}"), path,
                                     cp932ToUtf8(marks.subject), request.subject));
    for (const StudentMarks& s : marks.students)
        if (s.cls > grade.classes())
            return Status::error(because(N_("{1}: class {2}, but grade {3} has {4} classes"), path,
                                         s.cls, request.grade, grade.classes()));
    loaded.title = testLabel(request.test) + data.testName.view().utf8() + "　" +
                   formatInt(request.grade) + "年　" + request.subject;
    loaded.classNames.clear();
    for (int c = 0; c < grade.classes(); ++c)
        loaded.classNames.push_back(grade.classNames[c].utf8());
    return Status::ok();
}

std::vector<std::string> studentNamesOf(const GradeRoster& roster, const QuestionMarks& marks) {
    std::vector<std::string> names;
    for (const StudentMarks& s : marks.students)
        names.push_back(roster.nameAt(roster.entryOf(s.cls - 1, s.slot - 1)).utf8());
    return names;
}

}  // namespace jitsu::questions
