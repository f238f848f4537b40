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

    const QFont editFont = windowFont(kEditFontPixels);
    auto label = [this](const char* name, const char* caption, int x, int y) {
        auto* l = new QLabel(QString::fromUtf8(caption), this);
        l->setObjectName(QString::fromLatin1(name));
        l->move(x, y);
        l->adjustSize();
        return l;
    };
    auto button = [this](const char* name, const char* caption, QRect place) {
        auto* b = new QPushButton(QString::fromUtf8(caption), this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(true);  // Enter presses the focused button
        b->setGeometry(place);
        return b;
    };
    auto combo = [this, &editFont](const char* name, QRect place) {
        auto* c = new QComboBox(this);
        c->setObjectName(QString::fromLatin1(name));
        c->setEditable(false);  // only an item of the list can be chosen
        c->setFont(editFont);
        c->setGeometry(place);
        return c;
    };
    auto readOnlyEdit = [this, &editFont](const char* name, QRect place) {
        auto* e = new QLineEdit(this);
        e->setObjectName(QString::fromLatin1(name));
        e->setReadOnly(true);
        e->setFocusPolicy(Qt::NoFocus);  // a display: Tab passes it by
        e->setFont(editFont);
        e->setGeometry(place);
        return e;
    };

    label("Label1", "西暦年度 ：", 24, 20);
    NendoUD = makeYearSpinner(this, "Nendo", "NendoUD");
    NendoUD->setGeometry(88, 20, 57 + 15, 25);
    NendoUD->setFont(editFont);
    NendoUD->setFocusPolicy(Qt::ClickFocus);  // no tab stop
    // The year changes through the arrows only.
    NendoUD->findChild<QLineEdit*>(QStringLiteral("Nendo"))->setReadOnly(true);

    GakunenCB = combo("GakunenCB", {24, 60, 75, 25});
    for (const char* item : kGradeItems) GakunenCB->addItem(QString::fromUtf8(item));
    KaisuCB = combo("KaisuCB", {110, 60, 75, 25});
    Button1 = button("Button1", "ＯＫ", {24, 100, 161, 25});

    ClassCB = combo("ClassCB", {24, 160, 81, 25});
    NextClassButton = button("NextClassButton", "次のクラス", {112, 160, 73, 25});
    MaeClassButton = button("MaeClassButton", "前のクラス", {112, 188, 73, 25});
    KamokuCB = combo("KamokuCB", {24, 232, 81, 25});
    NextKamokuButton = button("NextKamokuButton", "次の科目", {112, 232, 73, 25});
    MaeKamokuButton = button("MaeKamokuButton", "前の科目", {112, 260, 73, 25});

    label("Label2", "入力数 ：", 60, 320);
    JukenshaE = readOnlyEdit("JukenshaE", {112, 320, 73, 25});
    label("Label3", "得点計 ：", 60, 352);
    SotenE = readOnlyEdit("SotenE", {112, 352, 73, 25});
    label("Label4", "平均点 ：", 60, 384);
    HeikinE = readOnlyEdit("HeikinE", {112, 384, 73, 25});

    HozonButton = button("HozonButton", "保存", {24, 464, 161, 25});
    ExitButton = button("ExitButton", "保存 ， 終了", {24, 503, 161, 25});
    SavedLabel = label("SavedLabel", "", 24, 536);
    SavedLabel->setGeometry(24, 536, 180, 20);

    NendoE = readOnlyEdit("NendoE", {24, 20, 105, 25});
    KaisuE = readOnlyEdit("KaisuE", {24, 48, 105, 25});
    GakunenE = readOnlyEdit("GakunenE", {24, 90, 105, 25});
    for (QLineEdit* e : {NendoE, KaisuE, GakunenE}) e->hide();

    TenSG1 = new ScoreGrid("TenSG1", kLeftGridRows, this);
    TenSG1->setGeometry(208, 20, 227, 509);
    TenSG2 = new ScoreGrid("TenSG2", kRightGridRows, this);
    TenSG2->setGeometry(442, 20, 227, 488);

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
        grid->setFixedText(0, 0, QStringLiteral("No."));
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
