// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProofsheetWindow.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include "Deadline.h"
#include "FixedTexts.h"
#include "FolderSettings.h"
#include "HelpWindow.h"
#include "MessageTexts.h"
#include "Paths.h"
#include "PrintCheckLists.h"
#include "StartUp.h"
#include "Widgets.h"

namespace jitsu::proofsheet {

namespace {

// An edit box with its up/down button right of it, as one spinner.
QSpinBox* makeSpinner(QWidget* window, const char* editName, const char* upDownName, int min,
                      int max, int value, QRect edit) {
    QSpinBox* spin = makeUpDown(window, editName, upDownName, min, max, value);
    placeUpDown(spin, edit, 16, 17);
    return spin;
}

}  // namespace

ProofsheetWindow::ProofsheetWindow(Services& services, QWidget* parent)
    : ProgramWindow(parent),
      services_(services),
      chooser(this, YearTestChooserGeometry{QRect(24, 120, 97, 33), 12}),
      classLists(this, GradeClassListsGeometry{152, 65}) {
    setObjectName(QStringLiteral("TForm1"));
    setWindowTitle(QStringLiteral("実力テスト点数チェック"));
    setFont(windowFont(12));
    resize(536, 328);  // the client area of a window whose outer size is 544 × 362 on Windows

    QPushButton* exit = makeButton(this, "ExitButton", "終了", QRect(24, 288, 97, 25));
    addHelp(this, "proofsheet.md", QRect(24, 256, 97, 25));

    makeLabel(this, "Label4", "提出期限", {416, 40}, 15);
    MonUD = makeSpinner(this, "MonE", "MonUD", 1, 12, 1, QRect(448, 64, 33, 25));
    makeLabel(this, "Label5", "月", {504, 72});
    DayUD = makeSpinner(this, "DayE", "DayUD", 1, 31, 1, QRect(448, 96, 33, 25));
    makeLabel(this, "Label6", "日", {504, 104});

    makeLabel(this, "Label7", "提出先", {416, 136}, 15);
    TeishutusakiE = new QLineEdit(this);
    TeishutusakiE->setObjectName(QStringLiteral("TeishutusakiE"));
    TeishutusakiE->setGeometry(448, 160, 64, 25);
    TeishutusakiE->setFont(windowFont(17));

    makeLabel(this, "Label8", "印刷倍率", {416, 208}, 15);
    BairituUD = makeSpinner(this, "BairituE", "BairituUD", kMinCheckListPercent, 200, 100,
                            QRect(448, 232, 48, 25));

    PrintButton = makeButton(this, "PrintButton", "印刷", QRect(416, 280, 97, 33));
    PrintButton->setEnabled(false);

    setDefaultButton(chooser.OKButton);
    connect(chooser.OKButton, &QPushButton::clicked, this, &ProofsheetWindow::OKButtonClick);
    connect(PrintButton, &QPushButton::clicked, this, &ProofsheetWindow::PrintButtonClick);
    connect(exit, &QPushButton::clicked, this, &QWidget::close);
}

bool ProofsheetWindow::FormCreate() {
    if (!openBasicData(services_.dir, data_, services_.messages)) return false;
    FolderSettings settings;
    if (Status read = readFolderSettings(services_.dir, settings); !read)
        services_.messages.inform(text::kSettingsUnread, text::kWarning, MessageIcon::Exclamation,
                                  read.reason());
    era_ = settings.era;
    // One reading of the clock gives both the default test and the deadline.
    const LocalDate today = services_.clock.today();
    chooser.fill(data_.year, data_.grades[0].tests(), FixedClock(today));
    const Deadline deadline = deadlineFor(today);
    MonUD->setValue(deadline.month);
    DayUD->setValue(deadline.day);
    return true;
}

void ProofsheetWindow::OKButtonClick() {
    if (chooser.testNumber() == 0) return;
    chooser.fix();
    classLists.fill(data_);
    PrintButton->setEnabled(true);
}

void ProofsheetWindow::PrintButtonClick() {
    if (!chooser.isFixed()) return;
    // A grade that fails has said so itself; the next grade is printed all the same. A test
    // without scores yet misses them in every grade: the first box says it for all.
    bool scoresMissingSaid = false;
    for (int g = 0; g < kGrades; ++g) {
        if (!classLists.anyChecked(g)) continue;
        const bool scoresMissing = !std::filesystem::exists(
            scorePath(services_.dir, chooser.year(), chooser.testNumber(), g + 1));
        if (scoresMissing && scoresMissingSaid) continue;
        const Status run = runCheckLists(services_, data_, requestFor(g));
        if (run.isMissing() && scoresMissing) scoresMissingSaid = true;
    }
}

CheckListRequest ProofsheetWindow::requestFor(int grade) const {
    CheckListRequest request;
    request.grade = grade;
    request.year = chooser.year();
    request.test = chooser.testNumber();
    request.yearText = fixedYearText(request.year, era_);
    request.testText = chooser.KaisuE->text().toStdString();
    request.monthText = std::to_string(MonUD->value());
    request.dayText = std::to_string(DayUD->value());
    request.placeText = TeishutusakiE->text().toStdString();
    request.magnification = BairituUD->value();
    request.checkedClasses = classLists.checkedClasses(grade);
    return request;
}

}  // namespace jitsu::proofsheet
