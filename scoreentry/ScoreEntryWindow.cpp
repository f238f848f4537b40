// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScoreEntryWindow.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include "DamagedFile.h"
#include "EntryTexts.h"
#include "GridLayout.h"
#include "HelpWindow.h"
#include "MessageTexts.h"
#include "RosterAlignment.h"
#include "ScoreGrid.h"
#include "ScoreText.h"
#include "StartUp.h"
#include "Widgets.h"

namespace jitsu {

namespace {

const char* const kGradeItems[] = {"  １ 年", "  ２ 年", "  ３ 年"};
const char* const kGradeTexts[] = {"１年", "２年", "３年"};
const QString kDisplayPrefix = QStringLiteral("  ");
constexpr int kEditFontPixels = 17;  // 13 points
constexpr int kColumnWidths[] = {50, 100, 70};

// The window's controls in the order they are made, where they stand and how large they are
// (a label of size 0 fits its text). The edit font is 17 pixels for every combo box and display.
enum class Control { Label, Button, Combo, Display, Year, Grid };
struct ControlPlace {
    Control kind;
    const char* name;
    const char* caption;  // UTF-8; labels and buttons
    QRect place;
    int rows = 0;  // grids
};
const ControlPlace kControls[] = {
    {Control::Label, "Label1", "西暦年度 ：", {24, 20, 0, 0}},
    {Control::Year, "NendoUD", "", {88, 20, 57 + 15, 25}},
    {Control::Combo, "GakunenCB", "", {24, 60, 75, 25}},
    {Control::Combo, "KaisuCB", "", {110, 60, 75, 25}},
    {Control::Button, "Button1", "ＯＫ", {24, 100, 161, 25}},
    {Control::Combo, "ClassCB", "", {24, 160, 81, 25}},
    {Control::Button, "NextClassButton", "次のクラス", {112, 160, 73, 25}},
    {Control::Button, "MaeClassButton", "前のクラス", {112, 188, 73, 25}},
    {Control::Combo, "KamokuCB", "", {24, 232, 81, 25}},
    {Control::Button, "NextKamokuButton", "次の科目", {112, 232, 73, 25}},
    {Control::Button, "MaeKamokuButton", "前の科目", {112, 260, 73, 25}},
    {Control::Label, "Label2", "入力数 ：", {60, 320, 0, 0}},
    {Control::Display, "JukenshaE", "", {112, 320, 73, 25}},
    {Control::Label, "Label3", "得点計 ：", {60, 352, 0, 0}},
    {Control::Display, "SotenE", "", {112, 352, 73, 25}},
    {Control::Label, "Label4", "平均点 ：", {60, 384, 0, 0}},
    {Control::Display, "HeikinE", "", {112, 384, 73, 25}},
    {Control::Button, "HozonButton", "保存", {24, 464, 161, 25}},
    {Control::Button, "ExitButton", "保存 ， 終了", {24, 503, 161, 25}},
    {Control::Label, "SavedLabel", "", {24, 536, 180, 20}},
    {Control::Display, "NendoE", "", {24, 20, 105, 25}},
    {Control::Display, "KaisuE", "", {24, 48, 105, 25}},
    {Control::Display, "GakunenE", "", {24, 90, 105, 25}},
    {Control::Grid, "TenSG1", "", {208, 20, 227, 509}, kLeftGridRows},
    {Control::Grid, "TenSG2", "", {442, 20, 227, 488}, kRightGridRows},
};

QString qs(const std::string& utf8) { return QString::fromStdString(utf8); }

}  // namespace

ScoreEntryWindow::ScoreEntryWindow(Services& services, QWidget* parent)
    : ProgramWindow(parent), services_(services), session_(std::make_unique<ScoreSession>()) {
    buildControls();
}

ScoreEntryWindow::~ScoreEntryWindow() = default;

void ScoreEntryWindow::buildControls() {
    setObjectName(QStringLiteral("TForm1"));
    setWindowTitle(captionWithVersion(QString::fromUtf8(text::kScoreEntryCaption)));
    setFont(windowFont());
    resize(702, 578);

    for (const ControlPlace& c : kControls) {
        switch (c.kind) {
            case Control::Label:
                if (QLabel* label = makeLabel(this, c.name, c.caption, c.place.topLeft());
                    !c.place.size().isEmpty())
                    label->setGeometry(c.place);
                break;
            case Control::Button:
                makeButton(this, c.name, c.caption, c.place);
                break;
            case Control::Combo:
                makeCombo(this, c.name, c.place, kEditFontPixels);
                break;
            case Control::Display:
                makeDisplay(this, c.name, c.place, kEditFontPixels);
                break;
            case Control::Year:
                NendoUD = makeYearSpinner(this, "Nendo", c.name);
                NendoUD->setGeometry(c.place);
                NendoUD->setFont(windowFont(kEditFontPixels));
                NendoUD->setFocusPolicy(Qt::ClickFocus);  // no tab stop
                // The year changes through the arrows only.
                NendoUD->findChild<QLineEdit*>(QStringLiteral("Nendo"))->setReadOnly(true);
                break;
            case Control::Grid:
                (new ScoreGrid(c.name, c.rows, this))->setGeometry(c.place);
                break;
        }
    }
    const auto find = [this](const char* name) {
        return findChild<QWidget*>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly);
    };
    GakunenCB = static_cast<QComboBox*>(find("GakunenCB"));
    for (const char* item : kGradeItems) GakunenCB->addItem(QString::fromUtf8(item));
    KaisuCB = static_cast<QComboBox*>(find("KaisuCB"));
    Button1 = static_cast<QPushButton*>(find("Button1"));
    ClassCB = static_cast<QComboBox*>(find("ClassCB"));
    NextClassButton = static_cast<QPushButton*>(find("NextClassButton"));
    MaeClassButton = static_cast<QPushButton*>(find("MaeClassButton"));
    KamokuCB = static_cast<QComboBox*>(find("KamokuCB"));
    NextKamokuButton = static_cast<QPushButton*>(find("NextKamokuButton"));
    MaeKamokuButton = static_cast<QPushButton*>(find("MaeKamokuButton"));
    JukenshaE = static_cast<QLineEdit*>(find("JukenshaE"));
    SotenE = static_cast<QLineEdit*>(find("SotenE"));
    HeikinE = static_cast<QLineEdit*>(find("HeikinE"));
    HozonButton = static_cast<QPushButton*>(find("HozonButton"));
    ExitButton = static_cast<QPushButton*>(find("ExitButton"));
    SavedLabel = static_cast<QLabel*>(find("SavedLabel"));
    NendoE = static_cast<QLineEdit*>(find("NendoE"));
    KaisuE = static_cast<QLineEdit*>(find("KaisuE"));
    GakunenE = static_cast<QLineEdit*>(find("GakunenE"));
    for (QLineEdit* e : {NendoE, KaisuE, GakunenE}) e->hide();
    TenSG1 = static_cast<ScoreGrid*>(find("TenSG1"));
    TenSG2 = static_cast<ScoreGrid*>(find("TenSG2"));

    // What a screen reader announces for the controls that no label names.
    NendoUD->setAccessibleName(QStringLiteral("西暦年度"));
    GakunenCB->setAccessibleName(QStringLiteral("学年"));
    KaisuCB->setAccessibleName(QStringLiteral("回"));
    ClassCB->setAccessibleName(QStringLiteral("クラス"));
    KamokuCB->setAccessibleName(QStringLiteral("科目"));
    TenSG1->setAccessibleName(QStringLiteral("点数（1〜23番）"));
    TenSG2->setAccessibleName(QStringLiteral("点数（24〜45番）"));

    for (QWidget* w : std::initializer_list<QWidget*>{ClassCB, NextClassButton, MaeClassButton,
                                                      KamokuCB, NextKamokuButton, MaeKamokuButton,
                                                      HozonButton, ExitButton, TenSG1, TenSG2})
        w->setEnabled(false);

    QWidget* const tabOrder[] = {GakunenCB,  KaisuCB,        Button1,         ClassCB,
                                 KamokuCB,   TenSG1,         NextClassButton, NextKamokuButton,
                                 ExitButton, MaeClassButton, MaeKamokuButton, HozonButton,
                                 TenSG2,     JukenshaE,      SotenE,          HeikinE,
                                 NendoE,     KaisuE,         GakunenE};
    for (std::size_t i = 1; i < std::size(tabOrder); ++i) setTabOrder(tabOrder[i - 1], tabOrder[i]);
    setTabOrder(HeikinE, addHelp(this, "scoreentry.md", QRect(24, 424, 161, 25)));

    connect(GakunenCB, &QComboBox::activated, this, &ScoreEntryWindow::GakunenCBChange);
    setDefaultButton(Button1);
    connect(Button1, &QPushButton::clicked, this, &ScoreEntryWindow::Button1Click);
    connect(ClassCB, &QComboBox::activated, this, &ScoreEntryWindow::ClassCBChange);
    connect(KamokuCB, &QComboBox::activated, this, &ScoreEntryWindow::KamokuCBChange);
    connect(NextClassButton, &QPushButton::clicked, this, &ScoreEntryWindow::NextClassButtonClick);
    connect(MaeClassButton, &QPushButton::clicked, this, &ScoreEntryWindow::MaeClassButtonClick);
    connect(NextKamokuButton, &QPushButton::clicked, this,
            &ScoreEntryWindow::NextKamokuButtonClick);
    connect(MaeKamokuButton, &QPushButton::clicked, this, &ScoreEntryWindow::MaeKamokuButtonClick);
    connect(HozonButton, &QPushButton::clicked, this, &ScoreEntryWindow::HozonButtonClick);
    connect(ExitButton, &QPushButton::clicked, this, &ScoreEntryWindow::ExitButtonClick);
    connect(TenSG1, &ScoreGrid::keyDown, this, &ScoreEntryWindow::TenSG1KeyDown);
    connect(TenSG2, &ScoreGrid::keyDown, this, &ScoreEntryWindow::TenSG2KeyDown);
    for (ScoreGrid* grid : {TenSG1, TenSG2}) {
        ScoreGrid* other = grid == TenSG1 ? TenSG2 : TenSG1;
        connect(grid, &ScoreGrid::cursorTaken, other, &ScoreGrid::clearCursor);
        connect(grid, &ScoreGrid::cellEdited, this, &ScoreEntryWindow::cellEdited);
        connect(grid, &ScoreGrid::editRefused, this, [this] {
            services_.messages.beep();
            SavedLabel->setText(qs(fullMarksNotice(session_->fullMarks())));
        });
        const int position = grid == TenSG1 ? kLeftGrid : kRightGrid;
        connect(grid, &ScoreGrid::columnPasted, this,
                [this, position](int row, const QString& text) {
                    pasteIntoColumn(position, row, text);
                });
    }
}

bool ScoreEntryWindow::FormCreate() {
    for (ScoreGrid* grid : {TenSG1, TenSG2})
        for (int c = 0; c < 3; ++c) grid->setColumnWidth(c, kColumnWidths[c]);
    if (!openBasicData(services_.dir, session_->basic, services_.messages)) return false;
    const std::string misaligned = yearfiles::misalignedScoresWarning(
        yearfiles::alignScoresAtStartUp(services_.dir, session_->basic, services_.messages));
    if (!misaligned.empty())
        services_.messages.inform(misaligned, text::kConfirm, MessageIcon::Exclamation);
    NendoUD->setValue(static_cast<int>(session_->basic.year));
    GakunenCB->setCurrentIndex(0);
    testItemCount_ = session_->basic.grades[0].tests();
    fillTestCombo(KaisuCB, testItemCount_, services_.clock);
    for (ScoreGrid* grid : {TenSG1, TenSG2}) {
        grid->setFixedText(0, 0, QStringLiteral("番号"));
        grid->setFixedText(0, 1, QStringLiteral("生徒名"));
    }
    centreOnScreen(this);
    NendoUD->setFocus();
    return true;
}

void ScoreEntryWindow::GakunenCBChange() {
    const int previous = KaisuCB->currentIndex();
    testItemCount_ = session_->basic.grades[GakunenCB->currentIndex()].tests();
    fillTestCombo(KaisuCB, testItemCount_, services_.clock);
    KaisuCB->setCurrentIndex(std::min(previous, testItemCount_ - 1));
}

bool ScoreEntryWindow::Button1Click() {
    const int grade = GakunenCB->currentIndex();
    const int test = KaisuCB->currentIndex();
    if (grade < 0 || test < 0) return true;  // a grade without tests: nothing to load
    const OpenResult opened = openGradeTest(*session_, services_.dir,
                                            static_cast<unsigned>(NendoUD->value()), grade, test);
    if (opened.failure == OpenFailure::Roster) {
        services_.messages.alert(text::kRosterMissingEnd, text::kConfirm, MessageIcon::Stop,
                                 opened.status.reason());
        emit programEnd(0);
        return false;
    }
    // A score file that cannot be read, or whose shape does not fit and is not to be opened
    // anyway, leaves the choice open for another test.
    if (opened.failure == OpenFailure::Scores) {
        services_.messages.alert(text::kScoresUnreadable, text::kConfirm, MessageIcon::Stop,
                                 opened.status.reason());
        return true;
    }
    if (!session_->shape.fits &&
        services_.messages.ask(shapeQuestion(*session_), text::kConfirm, MessageIcon::Exclamation,
                               MessageButtons::YesNo, MessageAnswer::No) != MessageAnswer::Yes)
        return true;
    // A score above its full marks, among other damage, opens as none.
    if (session_->shape.fits &&
        !goOnDespiteDamage(session_->scoreFile, session_->scoreHealth, services_.messages))
        return true;

    // Year, grade and test are fixed for the rest of the run.
    for (QWidget* w : std::initializer_list<QWidget*>{Button1, NendoUD, GakunenCB, KaisuCB}) {
        w->setEnabled(false);
        w->hide();
    }
    NendoE->setText(fixedYearText(NendoUD));
    GakunenE->setText(kDisplayPrefix + QString::fromUtf8(kGradeTexts[grade]));
    KaisuE->setText(kDisplayPrefix + KaisuCB->currentText());
    for (QLineEdit* e : {NendoE, GakunenE, KaisuE}) e->show();
    for (QWidget* w :
         std::initializer_list<QWidget*>{ClassCB, NextClassButton, MaeClassButton, KamokuCB})
        w->setEnabled(true);
    // Without a subject given there is nothing to type, to save or to move to.
    for (QWidget* w : std::initializer_list<QWidget*>{NextKamokuButton, MaeKamokuButton,
                                                      HozonButton, ExitButton})
        w->setEnabled(session_->currentSubject >= 0);

    const GradeData& data = session_->gradeData();
    for (int c = 0; c < data.classes(); ++c) ClassCB->addItem(qs(data.classNames[c].utf8()));
    for (int j = 0; j < data.subjects(); ++j) KamokuCB->addItem(qs(data.subjectNames[j].utf8()));
    ClassCB->setCurrentIndex(0);
    KamokuCB->setCurrentIndex(session_->currentSubject);

    fillScoreGrids();
    updateTotals();
    if (session_->currentSubject < 0)
        services_.messages.inform(text::kNoSubjectGiven, text::kConfirm, MessageIcon::Exclamation);
    else
        focusFirstStudent();
    return true;
}

void ScoreEntryWindow::ClassCBChange() { switchClass(); }

void ScoreEntryWindow::KamokuCBChange() { switchSubject(); }

void ScoreEntryWindow::NextClassButtonClick() {
    ClassCB->setCurrentIndex(
        neighbourClass(session_->currentClass, 1, session_->gradeData().classes()));
    switchClass();
}

void ScoreEntryWindow::MaeClassButtonClick() {
    ClassCB->setCurrentIndex(
        neighbourClass(session_->currentClass, -1, session_->gradeData().classes()));
    switchClass();
}

void ScoreEntryWindow::NextKamokuButtonClick() {
    KamokuCB->setCurrentIndex(
        neighbourSubject(session_->gradeData(), session_->test, session_->currentSubject, 1));
    switchSubject();
}

void ScoreEntryWindow::MaeKamokuButtonClick() {
    KamokuCB->setCurrentIndex(
        neighbourSubject(session_->gradeData(), session_->test, session_->currentSubject, -1));
    switchSubject();
}

void ScoreEntryWindow::HozonButtonClick() {
    // Typing goes on where it was; a class to correct was shown with its first student.
    if (save() != SaveOutcome::Correcting) focusCurrentCell();
}

void ScoreEntryWindow::ExitButtonClick() {
    // A save that wrote nothing (a student to correct, or a file that could not be written)
    // keeps the window open, so that no typed score is lost.
    if (save() == SaveOutcome::Written) close();
}

void ScoreEntryWindow::closeEvent(QCloseEvent* event) { FormClose(event); }

void ScoreEntryWindow::FormClose(QCloseEvent* event) {
    if (session_->scoresChanged) {
        const MessageAnswer answer =
            services_.messages.ask(text::kCloseQuestion, text::kConfirm, MessageIcon::Question,
                                   MessageButtons::YesNoCancel, MessageAnswer::Cancel);
        // A save that wrote nothing keeps the window: closing now would lose the typed scores.
        if (answer == MessageAnswer::Cancel ||
            (answer == MessageAnswer::Yes && save() != SaveOutcome::Written)) {
            event->ignore();
            return;
        }
    }
    event->accept();
}

void ScoreEntryWindow::switchClass() {
    storeGridScores(*session_, shownCellTexts());
    session_->currentClass = std::max(0, ClassCB->currentIndex());
    session_->currentSubject = KamokuCB->currentIndex();
    fillScoreGrids();
    updateTotals();
    focusFirstStudent();
}

void ScoreEntryWindow::switchSubject() {
    const int chosen = KamokuCB->currentIndex();
    if (!session_->isGiven(chosen)) {
        services_.messages.inform(text::kSubjectNotGiven, text::kConfirm, MessageIcon::Exclamation);
        KamokuCB->setCurrentIndex(session_->currentSubject);
        return;
    }
    storeGridScores(*session_, shownCellTexts());
    session_->currentSubject = chosen;
    fillScoreColumn();
    updateTotals();
    focusFirstStudent();
}

void ScoreEntryWindow::fillScoreGrids() {
    const GridRows rows = gridRowsFor(session_->shownSlots());
    const bool scoring = session_->currentSubject >= 0;
    TenSG1->setRows(rows.leftRows);
    TenSG1->setEnabled(scoring);
    if (rows.rightEnabled) TenSG2->setRows(rows.rightRows);
    TenSG2->setEnabled(scoring && rows.rightEnabled);
    if (!TenSG2->isEnabled()) TenSG2->clearCursor();

    const std::vector<SlotRow> students = shownRows(*session_);
    for (std::size_t k = 0; k < students.size(); ++k) {
        const GridCell cell = cellOfSlot(static_cast<int>(k));
        ScoreGrid* grid = gridOf(cell.grid);
        grid->setFixedText(cell.row, 0, qs(students[k].number));
        grid->setFixedText(cell.row, 1, qs(students[k].name));
        grid->setCellText(cell.row, qs(students[k].score));
    }
    const QString subject =
        scoring ? qs(session_->gradeData().subjectNames[session_->currentSubject].utf8())
                : QString();
    for (ScoreGrid* grid : {TenSG1, TenSG2}) {
        grid->setFixedText(0, kScoreColumn, subject);
        grid->setFullMarks(session_->fullMarks());
    }
}

void ScoreEntryWindow::fillScoreColumn() {
    if (session_->currentSubject < 0) return;
    const std::vector<std::string> scores = shownScoreTexts(*session_);
    for (std::size_t k = 0; k < scores.size(); ++k) {
        const GridCell cell = cellOfSlot(static_cast<int>(k));
        gridOf(cell.grid)->setCellText(cell.row, qs(scores[k]));
    }
    const QString subject = qs(session_->gradeData().subjectNames[session_->currentSubject].utf8());
    for (ScoreGrid* grid : {TenSG1, TenSG2}) {
        grid->setFixedText(0, kScoreColumn, subject);
        grid->setFullMarks(session_->fullMarks());
    }
}

void ScoreEntryWindow::updateTotals() {
    const ScoreTotals totals = totalsOf(shownCellTexts());
    JukenshaE->setText(qs(totals.countText));
    SotenE->setText(qs(totals.sumText));
    HeikinE->setText(qs(totals.averageText));
}

SaveOutcome ScoreEntryWindow::save() {
    storeGridScores(*session_, shownCellTexts());
    const SaveResult result = saveScores(*session_, services_.messages);
    // The working copy may now hold scores another session saved: show them before anything
    // stores the grids again.
    fillScoreColumn();
    updateTotals();
    SavedLabel->setText(result.outcome == SaveOutcome::Written
                            ? qs(savedNotice(services_.clock.timeOfDay()))
                            : QString());
    if (result.outcome == SaveOutcome::Correcting) {
        ClassCB->setCurrentIndex(result.correctClass);
        switchClass();
    }
    return result.outcome;
}

void ScoreEntryWindow::TenSG1KeyDown(int key) { gridKeyDown(kLeftGrid, key); }

void ScoreEntryWindow::TenSG2KeyDown(int key) { gridKeyDown(kRightGrid, key); }

void ScoreEntryWindow::gridKeyDown(int grid, int key) {
    auto state = [](const ScoreGrid* g) {
        return GridState{g->currentRow(), g->rowCount(), g->isEnabled()};
    };
    if (auto move = keyDownMove(grid, key, state(TenSG1), state(TenSG2)))
        gridOf(move->grid)->focusCell(move->row);
}

void ScoreEntryWindow::cellEdited() {
    storeGridScores(*session_, shownCellTexts());
    session_->scoresChanged = hasUnsavedScores(*session_);
    SavedLabel->clear();
    updateTotals();
}

void ScoreEntryWindow::focusCurrentCell() {
    for (ScoreGrid* grid : {TenSG1, TenSG2})
        if (grid->isEnabled() && grid->currentIndex().isValid()) {
            grid->focusCell(grid->currentRow());
            return;
        }
    focusFirstStudent();
}

void ScoreEntryWindow::pasteIntoColumn(int grid, int row, const QString& text) {
    const int first = slotOfCell({grid, row});
    const PastedColumn pasted =
        pasteColumn(shownCellTexts(), first, text.toStdString(), session_->fullMarks());
    for (int k = first; k < first + pasted.filled; ++k) {
        const GridCell cell = cellOfSlot(k);
        gridOf(cell.grid)->setCellText(cell.row, qs(pasted.cellTexts[static_cast<std::size_t>(k)]));
    }
    cellEdited();
    // The cursor stays on the cell where the paste stopped, or goes under the last one filled.
    const GridCell next = cellOfSlot(std::min(first + pasted.filled, session_->shownSlots() - 1));
    gridOf(next.grid)->focusCell(next.row);
    if (!pasted.refusal.empty())
        services_.messages.alert(pasted.refusal, text::kConfirm, MessageIcon::Exclamation);
}

void ScoreEntryWindow::focusFirstStudent() {
    if (TenSG1->isEnabled()) TenSG1->focusCell(1);
}

std::vector<std::string> ScoreEntryWindow::shownCellTexts() const {
    std::vector<std::string> texts(session_->shownSlots());
    for (std::size_t k = 0; k < texts.size(); ++k) {
        const GridCell cell = cellOfSlot(static_cast<int>(k));
        texts[k] = gridOf(cell.grid)->cellText(cell.row).toStdString();
    }
    return texts;
}

ScoreGrid* ScoreEntryWindow::gridOf(int grid) const { return grid == kLeftGrid ? TenSG1 : TenSG2; }

}  // namespace jitsu
