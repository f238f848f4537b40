// SPDX-License-Identifier: GPL-3.0-or-later
#include "BaseSetupWindow.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <memory>

#include "CountChange.h"
#include "EditGrid.h"
#include "GradePage.h"
#include "HelpWindow.h"
#include "MessageTexts.h"
#include "Paths.h"
#include "SaveLock.h"
#include "SetupMessages.h"
#include "TextFile.h"
#include "Widgets.h"

namespace jitsu {

namespace {

// Client area of a window whose outer size is 787 × 511 with the frame and caption of Windows.
constexpr int kClientWidth = 779;
constexpr int kClientHeight = 477;
constexpr int kNameLength = 30;

// The window's controls in the order they are made (the order of the Tab key), where they stand
// and how large they are. A label of size 0 fits its text; a Tail label continues the control
// made before it, on its right, at its own height.
enum class Control { Label, Tail, NameEdit, Year, Button, Help, Pages };
struct ControlPlace {
    Control kind;
    const char* name;     // empty for a label nothing refers to
    const char* caption;  // UTF-8; labels and buttons
    QRect place;
    int fontPixels = 0;  // 0: the window's font
};
const ControlPlace kControls[] = {
    {Control::Label, "", "学校名 ：", {24, 16, 0, 0}, 13},
    {Control::NameEdit, "GakkouMei", "", {96, 16, 161, 21}},
    {Control::Label, "", "テスト名 ：", {24, 48, 0, 0}, 13},
    {Control::NameEdit, "TestMei", "", {96, 48, 161, 21}},
    {Control::Label, "", "西暦年度 ：", {288, 16, 0, 0}, 13},
    {Control::Year, "NendoUD", "", {362, 16, 49 + 16, 21}},  // edit box and its up/down button
    {Control::Label, "", "氏名データ共通ファイル名 ：  Ｎ", {288, 48, 0, 0}, 13},
    {Control::Tail, "", "（固定）", {0, 49, 0, 0}},
    {Control::Button, "OKButton", "ＯＫ", {664, 14, 89, 25}},
    {Control::Help, "", "basesetup.md", {664, 48, 89, 25}},  // the caption names the guide's page
    {Control::Pages, "PageControl1", "", {24, 96, 729, 345}},
    {Control::Label,
     "",
     "教科番号は（英語 ： １　国語 ： ２　数学 ： ３　理科 ： ４　社会 ： ５）",
     {256, 448, 0, 0}},
};
const char* const kPageTitles[kGrades] = {"   一年   ", "   二年   ", "   三年   "};

// The basic data file's text as it is now; nullopt when it cannot be read.
std::optional<std::string> currentText(const std::filesystem::path& path) {
    std::string text;
    if (!readTextFile(path, kMaxBasicDataBytes, text)) return std::nullopt;
    return text;
}

}  // namespace

BaseSetupWindow::BaseSetupWindow(Services& services, QWidget* parent)
    : ProgramWindow(parent), services_(services) {
    buildControls();
}

void BaseSetupWindow::buildControls() {
    setObjectName(QStringLiteral("TForm1"));
    setWindowTitle(QStringLiteral("実力テスト基礎データ"));
    setFont(windowFont(12));
    resize(kClientWidth, kClientHeight);

    QWidget* previous = nullptr;
    for (const ControlPlace& c : kControls) {
        switch (c.kind) {
            case Control::Label:
                previous = makeLabel(this, c.name, c.caption, c.place.topLeft(), c.fontPixels);
                break;
            case Control::Tail:
                previous =
                    makeLabel(this, c.name, c.caption,
                              {previous->x() + previous->width(), c.place.y()}, c.fontPixels);
                break;
            case Control::NameEdit:
                previous = makeEdit(this, c.name, c.place, kNameLength, c.fontPixels);
                break;
            case Control::Year:
                yearUD_ = makeYearSpinner(this, "Nendo", c.name);
                yearUD_->setGeometry(c.place);
                previous = yearUD_;
                break;
            case Control::Button:
                previous = makeButton(this, c.name, c.caption, c.place, c.fontPixels);
                break;
            case Control::Help:
                previous = addHelp(this, c.caption, c.place);
                break;
            case Control::Pages:
                pageControl_ = new QTabWidget(this);
                pageControl_->setObjectName(QString::fromLatin1(c.name));
                pageControl_->setGeometry(c.place);
                for (int g = 0; g < kGrades; ++g) {
                    pages_[g] = new GradePage(g + 1, texts_.grades[g]);
                    pageControl_->addTab(pages_[g], QString::fromUtf8(kPageTitles[g]));
                }
                previous = pageControl_;
                break;
        }
    }
    schoolEdit_ = findChild<QLineEdit*>(QStringLiteral("GakkouMei"), Qt::FindDirectChildrenOnly);
    testEdit_ = findChild<QLineEdit*>(QStringLiteral("TestMei"), Qt::FindDirectChildrenOnly);
    testEdit_->setText(QString::fromStdString(texts_.testName));
    connect(findChild<QPushButton*>(QStringLiteral("OKButton"), Qt::FindDirectChildrenOnly),
            &QPushButton::clicked, this, &QWidget::close);
}

bool BaseSetupWindow::FormCreate() {
    path_ = basicDataPath(services_.dir);
    readText_ = currentText(path_);
    BasicData data;
    if (Status read = readBasicData(path_, data); read) {
        texts_ = editorTextsOf(data);
        loaded_ = formatBasicData(basicDataTextsOf(texts_));
    } else if (!read.isMissing()) {
        // Opened with the start contents, the close would replace the file.
        services_.messages.alert(text::kBasicDataMissing, text::kConfirm, MessageIcon::Stop,
                                 read.reason());
        return false;
    }
    showTexts();
    return true;
}

void BaseSetupWindow::showTexts() {
    schoolEdit_->setText(QString::fromStdString(texts_.schoolName));
    testEdit_->setText(QString::fromStdString(texts_.testName));
    yearUD_->setValue(texts_.year);
    for (GradePage* page : pages_) page->showTexts();
}

void BaseSetupWindow::takeEdits() {
    for (GradePage* page : pages_) page->takeEdits();
    texts_.schoolName = schoolEdit_->text().toStdString();
    texts_.testName = testEdit_->text().toStdString();
    texts_.year = yearUD_->value();
}

bool BaseSetupWindow::FormClose() {
    takeEdits();
    // Saving the same data again would only make every results file look out of date.
    const BasicDataTexts saved = basicDataTextsOf(texts_);
    if (loaded_ && formatBasicData(saved) == *loaded_) return true;
    Messages& messages = services_.messages;
    std::vector<EditorFinding> findings = checkEditorTexts(texts_);
    if (!findings.empty()) {
        // Writing such texts would make every reader take the following tokens for the wrong
        // fields.
        MessageAnswer answer =
            messages.ask(refusalText(findings), text::kConfirm, MessageIcon::Exclamation,
                         MessageButtons::YesNo, MessageAnswer::Yes);
        if (answer == MessageAnswer::No) return true;
        showFinding(findings.front());
        return false;
    }
    // The basic data on disk: what its classes hold, and the counts the score files are in.
    std::unique_ptr<BasicData> before;
    if (readText_) {
        before = std::make_unique<BasicData>();
        parseBasicData(*readText_, *before);
    }
    const auto holdings = [&](int g, int k) {
        return before ? classHoldings(services_.dir, *before, g - 1, k - 1) : std::string();
    };
    if (std::vector<EditorFinding> empty = emptyClasses(texts_, holdings);
        !empty.empty() &&
        messages.ask(emptyClassQuestion(empty), text::kConfirm, MessageIcon::Question,
                     MessageButtons::YesNo, MessageAnswer::No) != MessageAnswer::Yes) {
        showFinding(empty.front());
        return false;
    }
    // Score files are shaped by the counts: a change of counts carries the scores along.
    CountChange change;
    if (before) {
        auto after = std::make_unique<BasicData>();
        parseBasicData(formatBasicData(saved), *after);
        if (Status planned = planCountChange(services_.dir, *before, *after, change); !planned) {
            messages.inform(text::kNotSaved, text::kConfirm, MessageIcon::None, planned.reason());
            return false;
        }
        if (!change.question.empty() &&
            messages.ask(change.question, text::kConfirm, MessageIcon::Question,
                         MessageButtons::YesNo, MessageAnswer::No) != MessageAnswer::Yes)
            return false;
    }
    // Compared and written under the folder's lock, asked with the lock let go; the file is
    // compared again after the answer, as it may have changed once more meanwhile.
    std::optional<std::string> answeredFor;
    Status written = Status::ok();
    for (;;) {
        SaveLock lock;
        written = lock.acquire(path_);
        if (!written) break;
        // A file that cannot be read now is not another terminal's work: the write tells.
        if (auto now = currentText(path_); now && now != readText_ && now != answeredFor) {
            lock.release();
            const MessageAnswer answer =
                messages.ask(text::kChangedElsewhere, text::kConfirm, MessageIcon::Exclamation,
                             MessageButtons::YesNoCancel, MessageAnswer::Cancel);
            if (answer != MessageAnswer::Yes) return answer == MessageAnswer::No;
            answeredFor = std::move(now);
            continue;
        }
        written = applyCountChange(change, path_, saved);
        break;
    }
    if (written) return true;
    messages.inform(text::kNotSaved, text::kConfirm, MessageIcon::None, written.reason());
    return messages.ask(text::kEndWithoutSaving, text::kConfirm, MessageIcon::Question,
                        MessageButtons::YesNo, MessageAnswer::No) == MessageAnswer::Yes;
}

void BaseSetupWindow::closeEvent(QCloseEvent* event) {
    if (FormClose())
        event->accept();
    else
        event->ignore();
}

void BaseSetupWindow::showFinding(const EditorFinding& finding) {
    if (finding.place != EditorFinding::Place::Cell) {
        QLineEdit* edit =
            finding.place == EditorFinding::Place::SchoolName ? schoolEdit_ : testEdit_;
        edit->setFocus();
        edit->selectAll();
        return;
    }
    EditGrid* view = pages_[finding.grade - 1]->gridOf(finding.grid);
    pageControl_->setCurrentIndex(finding.grade - 1);
    view->setCurrentCell(finding.row, finding.column);
    view->setFocus();
    view->scrollTo(view->currentIndex());
    // The cell's editor open, its text selected: what is typed next replaces it.
    if (!view->indexWidget(view->currentIndex())) view->edit(view->currentIndex());
}

}  // namespace jitsu
