#include "TForm1.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTabWidget>

#include "MessageTexts.h"
#include "Paths.h"
#include "SetupMessages.h"
#include "TextFile.h"
#include "Widgets.h"

namespace jitsu {

namespace {

// Client area of a window whose outer size is 787 × 511 with the frame and caption of Windows.
constexpr int kClientWidth = 779;
constexpr int kClientHeight = 477;
constexpr int kEditHeight = 21;
constexpr int kUpDownWidth = 49 + 16;  // edit box and its up/down button

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

// An up/down button with its edit box `name` + grade at x, y; the spinner is `name` + grade + "UD".
QSpinBox* upDown(QWidget* parent, const char* name, int g, int max, int value, int x, int y,
                 QLineEdit*& edit) {
    QByteArray editName = QByteArray(name) + QByteArray::number(g + 1);
    QSpinBox* spin =
        makeUpDown(parent, editName.constData(), (editName + "UD").constData(), 1, max, value);
    spin->setGeometry(x, y, kUpDownWidth, kEditHeight);
    edit = spin->findChild<QLineEdit*>(QString::fromLatin1(editName));
    return spin;
}

// The named controls and handlers of each grade page.
struct PageMembers {
    QLineEdit* TForm1::*classEdit;
    QSpinBox* TForm1::*classUD;
    EditGrid* TForm1::*classGrid;
    QLineEdit* TForm1::*subjectEdit;
    QSpinBox* TForm1::*subjectUD;
    QLineEdit* TForm1::*testEdit;
    QSpinBox* TForm1::*testUD;
    EditGrid* TForm1::*subjectGrid;
    void (TForm1::*classChange)();
    void (TForm1::*subjectChange)();
    void (TForm1::*testChange)();
};

const PageMembers kPageMembers[kGrades] = {
    {&TForm1::ClassSu1, &TForm1::ClassSu1UD, &TForm1::SGC1, &TForm1::KamokuSu1,
     &TForm1::KamokuSu1UD, &TForm1::JissiSu1, &TForm1::JissiSu1UD, &TForm1::SGK1,
     &TForm1::ClassSu1Change, &TForm1::KamokuSu1Change, &TForm1::JissiSu1Change},
    {&TForm1::ClassSu2, &TForm1::ClassSu2UD, &TForm1::SGC2, &TForm1::KamokuSu2,
     &TForm1::KamokuSu2UD, &TForm1::JissiSu2, &TForm1::JissiSu2UD, &TForm1::SGK2,
     &TForm1::ClassSu2Change, &TForm1::KamokuSu2Change, &TForm1::JissiSu2Change},
    {&TForm1::ClassSu3, &TForm1::ClassSu3UD, &TForm1::SGC3, &TForm1::KamokuSu3,
     &TForm1::KamokuSu3UD, &TForm1::JissiSu3, &TForm1::JissiSu3UD, &TForm1::SGK3,
     &TForm1::ClassSu3Change, &TForm1::KamokuSu3Change, &TForm1::JissiSu3Change},
};

// The basic data file's text as it is now; nullopt when it cannot be read.
std::optional<std::string> currentText(const std::filesystem::path& path) {
    std::string text;
    if (!readTextFile(path, kMaxBasicDataBytes, text)) return std::nullopt;
    return text;
}

}  // namespace

TForm1::TForm1(Services& services, QWidget* parent) : QWidget(parent), services_(services) {
    setWindowTitle(QStringLiteral("実力テスト基礎データ"));
    setFont(windowFont(12));
    resize(kClientWidth, kClientHeight);

    label(this, "学校名 ：", 24, 16, 13);
    GakkouMei = nameEdit(this, "GakkouMei", 96, 16);
    label(this, "テスト名 ：", 24, 48, 13);
    TestMei = nameEdit(this, "TestMei", 96, 48);
    TestMei->setText(QString::fromStdString(texts_.testName));
    label(this, "西暦年度 ：", 288, 16, 13);
    NendoUD = makeYearSpinner(this, "Nendo", "NendoUD");
    NendoUD->setGeometry(362, 16, kUpDownWidth, kEditHeight);
    Nendo = NendoUD->findChild<QLineEdit*>(QStringLiteral("Nendo"));
    QLabel* tag = label(this, "氏名データ共通ファイル名 ：  Ｎ", 288, 48, 13);
    label(this, "（固定）", tag->x() + tag->width(), 49);

    OKButton = new QPushButton(QStringLiteral("ＯＫ"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setGeometry(664, 14, 89, 25);
    connect(OKButton, &QPushButton::clicked, this, &TForm1::OKButtonClick);

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setGeometry(24, 96, 729, 345);
    QWidget** sheets[kGrades] = {&TabSheet1, &TabSheet2, &TabSheet3};
    const char* titles[kGrades] = {"   一年   ", "   二年   ", "   三年   "};
    for (int g = 0; g < kGrades; ++g) {
        QWidget* sheet = *sheets[g] = new QWidget;
        sheet->setObjectName(QStringLiteral("TabSheet%1").arg(g + 1));
        PageControl1->addTab(sheet, QString::fromUtf8(titles[g]));
        buildPage(g, sheet);
    }
    PageControl1->setCurrentIndex(2);

    label(this, "教科番号は（英語 ： １　国語 ： ２　数学 ： ３　理科 ： ４　社会 ： ５）", 256,
          448);
}

void TForm1::buildPage(int g, QWidget* sheet) {
    const PageMembers& m = kPageMembers[g];
    QByteArray digit = QByteArray::number(g + 1);

    label(sheet, "クラス数", 16, 16);
    this->*m.classUD = upDown(sheet, "ClassSu", g, kMaxClasses, 10, 24, 40, this->*m.classEdit);
    this->*m.classGrid = new EditGrid(sheet, ("SGC" + digit).constData(), 10, 2);
    (this->*m.classGrid)->setGeometry(112, 16, 585, 70);

    label(sheet, "総科目数", 16, 104);
    this->*m.subjectUD =
        upDown(sheet, "KamokuSu", g, kMaxSubjects, 10, 24, 128, this->*m.subjectEdit);
    label(sheet, "実施回数", 16, 176);
    this->*m.testUD = upDown(sheet, "JissiSu", g, kMaxTests, 5, 24, 200, this->*m.testEdit);
    this->*m.subjectGrid = new EditGrid(sheet, ("SGK" + digit).constData(), 20, 7);
    (this->*m.subjectGrid)->setGeometry(112, 104, 585, 195);

    // The handlers follow the edit boxes, which change with the up/down buttons and with typing.
    connect(this->*m.classUD, &QSpinBox::textChanged, this, m.classChange);
    connect(this->*m.subjectUD, &QSpinBox::textChanged, this, m.subjectChange);
    connect(this->*m.testUD, &QSpinBox::textChanged, this, m.testChange);

    for (Grid grid : {Grid::Classes, Grid::Subjects}) {
        connect(gridOf(g, grid)->model(), &QAbstractItemModel::dataChanged, this,
                [this, g, grid](const QModelIndex& topLeft, const QModelIndex& bottomRight) {
                    storeCells(g, grid, topLeft, bottomRight);
                });
    }
}

bool TForm1::FormCreate() {
    path_ = basicDataPath(services_.dir);
    readText_ = currentText(path_);
    BasicData data;
    if (Status read = readBasicData(path_, data); read) {
        texts_ = editorTextsOf(data);
    } else if (!read.isMissing()) {
        // Opened with the start contents, the close would replace the file.
        services_.messages.alert(text::kBasicDataMissing, text::kConfirm, MessageIcon::Stop,
                                 read.reason());
        return false;
    }
    showTexts();
    return true;
}

void TForm1::showTexts() {
    GakkouMei->setText(QString::fromStdString(texts_.schoolName));
    TestMei->setText(QString::fromStdString(texts_.testName));
    NendoUD->setValue(texts_.year);
    for (int g = 0; g < kGrades; ++g) {
        const GradeTexts grade = texts_.grades[g];
        const PageMembers& m = kPageMembers[g];
        {
            // The handlers run once each below, also where a count does not change.
            QSignalBlocker classes(this->*m.classUD), subjects(this->*m.subjectUD),
                tests(this->*m.testUD);
            (this->*m.classUD)->setValue(grade.classCount);
            (this->*m.subjectUD)->setValue(grade.subjectCount);
            (this->*m.testUD)->setValue(grade.testCount);
        }
        classCountChanged(g);
        subjectCountChanged(g);
        testCountChanged(g);
    }
}

void TForm1::classCountChanged(int g) {
    texts_.grades[g].classCount = (this->*kPageMembers[g].classUD)->value();
    showGrid(g, Grid::Classes);
}

void TForm1::subjectCountChanged(int g) {
    texts_.grades[g].subjectCount = (this->*kPageMembers[g].subjectUD)->value();
    showGrid(g, Grid::Subjects);
}

void TForm1::testCountChanged(int g) {
    texts_.grades[g].testCount = (this->*kPageMembers[g].testUD)->value();
    showGrid(g, Grid::Subjects);
}

void TForm1::showGrid(int g, Grid grid) {
    // Copied, as filling the grid stores every cell back into texts_.
    GradeTexts grade = texts_.grades[g];
    bool classes = grid == Grid::Classes;
    int columns = (classes ? grade.classCount : grade.subjectCount) + 1;
    int rows = classes ? 2 : grade.testCount + 2;
    gridOf(g, grid)->fill(columns, rows, [&](int column, int row) {
        if (column == 0) return rowLabel(grid, row);
        const std::string* text = cellText(grade, grid, column, row);
        return text ? *text : std::string();
    });
}

void TForm1::storeCells(int g, Grid grid, const QModelIndex& topLeft,
                        const QModelIndex& bottomRight) {
    EditGrid* view = gridOf(g, grid);
    for (int row = topLeft.row(); row <= bottomRight.row(); ++row)
        for (int column = topLeft.column(); column <= bottomRight.column(); ++column)
            if (std::string* text = cellText(texts_.grades[g], grid, column, row))
                *text = view->cell(column, row).toStdString();
}

EditGrid* TForm1::gridOf(int g, Grid grid) const {
    return this->*(grid == Grid::Classes ? kPageMembers[g].classGrid : kPageMembers[g].subjectGrid);
}

void TForm1::OKButtonClick() { close(); }

void TForm1::takeEdits() {
    for (int g = 0; g < kGrades; ++g) {
        gridOf(g, Grid::Classes)->commitOpenEditor();
        gridOf(g, Grid::Subjects)->commitOpenEditor();
    }
    texts_.schoolName = GakkouMei->text().toStdString();
    texts_.testName = TestMei->text().toStdString();
    texts_.year = NendoUD->value();
    // The save walks the counts of the up/down buttons.
    for (int g = 0; g < kGrades; ++g) {
        const PageMembers& m = kPageMembers[g];
        texts_.grades[g].classCount = (this->*m.classUD)->value();
        texts_.grades[g].subjectCount = (this->*m.subjectUD)->value();
        texts_.grades[g].testCount = (this->*m.testUD)->value();
    }
}

bool TForm1::FormClose() {
    takeEdits();
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
    // A file that cannot be read now is not another terminal's work: the write below tells.
    if (const auto now = currentText(path_); now && now != readText_) {
        const MessageAnswer answer =
            messages.ask(text::kChangedElsewhere, text::kConfirm, MessageIcon::Exclamation,
                         MessageButtons::YesNoCancel, MessageAnswer::Cancel);
        if (answer != MessageAnswer::Yes) return answer == MessageAnswer::No;
    }
    const Status written = writeBasicData(path_, basicDataTextsOf(texts_));
    if (written) return true;
    messages.inform(text::kNotSaved, text::kConfirm, MessageIcon::None, written.reason());
    return messages.ask(text::kEndWithoutSaving, text::kConfirm, MessageIcon::Question,
                        MessageButtons::YesNo, MessageAnswer::No) == MessageAnswer::Yes;
}

void TForm1::closeEvent(QCloseEvent* event) {
    if (FormClose())
        event->accept();
    else
        event->ignore();
}

void TForm1::showProblem(const Problem& problem) {
    if (problem.place != Problem::Place::Cell) {
        QLineEdit* edit = problem.place == Problem::Place::SchoolName ? GakkouMei : TestMei;
        edit->setFocus();
        edit->selectAll();
        return;
    }
    EditGrid* view = gridOf(problem.grade - 1, problem.grid);
    PageControl1->setCurrentIndex(problem.grade - 1);
    view->setCurrentCell(problem.row, problem.column);
    view->setFocus();
}

}  // namespace jitsu
