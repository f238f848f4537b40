// SPDX-License-Identifier: GPL-3.0-or-later
#include "CheckListPage.h"

#include "Cp932.h"
#include "ScaledPage.h"

namespace jitsu {

std::string checkListScoreText(const GradeData& grade, const TestScores& scores, int cls,
                               int slot) {
    std::string text = " ";
    if (slot >= kSlots) return text;
    for (int s = 0; s < grade.subjects(); ++s) {
        int score = scores.scores[s][cls][slot];
        if (score < 0) continue;
        text += grade.subjectNames[s].utf8() + "＝" + std::to_string(score) + "   ";
    }
    return text;
}

void drawCheckListPage(Canvas& canvas, const BasicData& data, const CheckListRequest& request,
                       const GradeRoster& roster, const TestScores& scores, int cls) {
    const GradeData& grade = data.grades[request.grade];
    ScaledPage page(canvas, PrintScale{request.magnification, request.magnification});

    page.startPage();
    page.font(14);
    page.text(200, 200,
              data.schoolName.utf8() + "  " + request.yearText + "  " + request.testText +
                  " 実力テスト   " + std::to_string(request.grade + 1) + " 年   クラス：" +
                  grade.classNames[cls].utf8() + "    チェック用リスト");

    page.font(10);
    page.text(400, 400, "１部を短冊に切って生徒に配布し、間違いがないか、確認してください。");
    std::string place = request.placeText.empty() ? "" : request.placeText + " まで";
    page.text(400, 500, "修正があればもう１部の方に赤で記入し、" + place + "提出してください。");
    page.text(400, 600,
              "修正がない場合は、その旨ご連絡ください。期限は " + request.monthText + "月 " +
                  request.dayText + "日です。");

    // One row per roster entry of the class; entryOf stops at the head count and at the
    // roster's last entry, so a class of more than 45 gets rows without scores past slot 45.
    for (int i = 0, entry; (entry = roster.entryOf(cls, i)) >= 0; ++i) {
        const int y = 800 + 140 * i;
        page.text(300, y, roster.numberAt(entry).utf8());
        page.text(650, y, roster.nameAt(entry).utf8());
        page.text(1250, y, checkListScoreText(grade, scores, cls, i));
    }
}

}  // namespace jitsu
