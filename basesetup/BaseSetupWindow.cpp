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
constexpr int kEditHeight = 21;

QLabel* label(QWidget* parent, const char* text, int x, int y, int pixelSize = 12) {
    auto* l = new QLabel(QString::fromUtf8(text), parent);
    l->setFont(windowFont(pixelSize));
    l->move(x, y);
    l->adjustSize();
    return l;
}

QLineEdit* nameEdit(QWidget* parent, const char* name, int x, int y) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setGeometry(x, y, 161, kEditHeight);
    edit->setMaxLength(30);
    return edit;
}

// The basic data file's text as it is now; nullopt when it cannot be read.
std::optional<std::string> currentText(const std::filesystem::path& path) {
    std::string text;
    if (!readTextFile(path, kMaxBasicDataBytes, text)) return std::nullopt;
    return text;
}

}  // namespace

BaseSetupWindow::BaseSetupWindow(Services& services, QWidget* parent)
    : ProgramWindow(parent), services_(services) {
    setObjectName(QStringLiteral("TForm1"));
    setWindowTitle(QStringLiteral("実力テスト基礎データ"));
    setFont(windowFont(12));
    resize(kClientWidth, kClientHeight);

    label(this, "学校名 ：", 24, 16, 13);
    schoolEdit_ = nameEdit(this, "GakkouMei", 96, 16);
    label(this, "テスト名 ：", 24, 48, 13);
    testEdit_ = nameEdit(this, "TestMei", 96, 48);
    testEdit_->setText(QString::fromStdString(texts_.testName));
    label(this, "西暦年度 ：", 288, 16, 13);
    yearUD_ = makeYearSpinner(this, "Nendo", "NendoUD");
    yearUD_->setGeometry(362, 16, 49 + 16, kEditHeight);  // edit box and its up/down button
    QLabel* tag = label(this, "氏名データ共通ファイル名 ：  Ｎ", 288, 48, 13);
    label(this, "（固定）", tag->x() + tag->width(), 49);

    auto* ok = new QPushButton(QStringLiteral("ＯＫ"), this);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setGeometry(664, 14, 89, 25);
    connect(ok, &QPushButton::clicked, this, &QWidget::close);
    addHelp(this, "basesetup.md", QRect(664, 48, 89, 25));

    pageControl_ = new QTabWidget(this);
    pageControl_->setObjectName(QStringLiteral("PageControl1"));
    pageControl_->setGeometry(24, 96, 729, 345);
    const char* titles[kGrades] = {"   一年   ", "   二年   ", "   三年   "};
    for (int g = 0; g < kGrades; ++g) {
        pages_[g] = new GradePage(g + 1, texts_.grades[g]);
        pageControl_->addTab(pages_[g], QString::fromUtf8(titles[g]));
    }

    label(this, "教科番号は（英語 ： １　国語 ： ２　数学 ： ３　理科 ： ４　社会 ： ５）", 256,
          448);
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
    std::vector<Problem> problems = checkEditorTexts(texts_);
    if (!problems.empty()) {
        // Writing such texts would make every reader take the following tokens for the wrong
        // fields.
        MessageAnswer answer =
            messages.ask(refusalText(problems), text::kConfirm, MessageIcon::Exclamation,
                         MessageButtons::YesNo, MessageAnswer::Yes);
        if (answer == MessageAnswer::No) return true;
        showProblem(problems.front());
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
    if (std::vector<Problem> empty = emptyClasses(texts_, holdings);
        !empty.empty() &&
        messages.ask(emptyClassQuestion(empty), text::kConfirm, MessageIcon::Question,
                     MessageButtons::YesNo, MessageAnswer::No) != MessageAnswer::Yes) {
        showProblem(empty.front());
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

void BaseSetupWindow::showProblem(const Problem& problem) {
    if (problem.place != Problem::Place::Cell) {
        QLineEdit* edit = problem.place == Problem::Place::SchoolName ? schoolEdit_ : testEdit_;
        edit->setFocus();
        edit->selectAll();
        return;
    }
    EditGrid* view = pages_[problem.grade - 1]->gridOf(problem.grid);
    pageControl_->setCurrentIndex(problem.grade - 1);
    view->setCurrentCell(problem.row, problem.column);
    view->setFocus();
    view->scrollTo(view->currentIndex());
    // The cell's editor open, its text selected: what is typed next replaces it.
    if (!view->indexWidget(view->currentIndex())) view->edit(view->currentIndex());
}

}  // namespace jitsu
