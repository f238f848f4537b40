#include <gtest/gtest.h>

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTabWidget>
#include <QWindow>
#include <functional>
#include <memory>
#include <sstream>

#include "BasicData.h"
#include "FakeMessages.h"
#include "Fixtures.h"
#include "MessageTexts.h"
#include "ModalBox.h"
#include "QtMessages.h"
#include "QtTestApp.h"
#include "TForm1.h"
#include "TempDir.h"
#include "TextFile.h"
#include "TracePrinter.h"

using namespace jitsu;
namespace fs = std::filesystem;

namespace {

// A basic data file as the editor writes it (CP932, CR LF). Grades 1 and 2 have two classes,
// grade 3 `classes3`; every grade two subjects and `tests` tests.
std::string yearFile(int classes3, int tests) {
    const char* marks[2][5] = {{"100", "90", "-1", "70", "60"}, {"50", "-1", "100", "100", "80"}};
    std::string out = "第一中学校 実力テスト 2024 N\n";
    for (int g = 1; g <= 3; ++g) {
        int classes = g == 3 ? classes3 : 2;
        out += std::to_string(classes) + " \n";
        for (int k = 1; k <= classes; ++k)
            out += std::to_string(k) + "組 " + std::to_string(29 + k) + " \n";
        out += "2 " + std::to_string(tests) + " \n";
        const char* subjects[2] = {"国語 2 \n", "数学 3 \n"};
        for (int j = 0; j < 2; ++j) {
            out += subjects[j];
            for (int t = 0; t < tests; ++t) out += std::string(marks[j][t]) + " ";
            out += "\n";
        }
    }
    return toCrLf(sj(out.c_str()));
}

QString q(const char* utf8) { return QString::fromUtf8(utf8); }

// An edit committed into a grid cell, as the cell editor leaves it.
void type(EditGrid* grid, int column, int row, const char* utf8) {
    ASSERT_NE(grid->item(row, column), nullptr);
    grid->item(row, column)->setText(q(utf8));
}

class BaseSetupWindow : public testing::Test {
protected:
    void SetUp() override { testApplication(); }

    std::unique_ptr<TForm1> open(Services& services) {
        auto form = std::make_unique<TForm1>(services);
        form->FormCreate();
        form->show();
        return form;
    }
    std::unique_ptr<TForm1> open() { return open(services); }
    fs::path file() const { return dir / "wqnmkiso.txt"; }
    BasicData saved() const {
        BasicData data;
        EXPECT_TRUE(readBasicData(file(), data));
        return data;
    }

    TempDir dir;
    FakeMessages messages;
    std::ostringstream trace;
    TracePrinter printer{trace};
    FixedClock clock{{2024, 3, 1}};
    Services services{dir.path(), messages, printer, clock};
};

TEST_F(BaseSetupWindow, LoadsAndSavesEachGradesOwnClassCount) {
    writeBytes(file(), yearFile(3, 5));
    auto form = open();
    EXPECT_EQ(form->ClassSu1UD->value(), 2);
    EXPECT_EQ(form->ClassSu2UD->value(), 2);
    EXPECT_EQ(form->ClassSu3UD->value(), 3);
    EXPECT_EQ(form->ClassSu3->text(), "3");
    EXPECT_EQ(form->SGC1->columnCount(), 3);
    EXPECT_EQ(form->SGC3->columnCount(), 4);
    EXPECT_EQ(form->SGC3->cell(3, 0), q("3組"));
    EXPECT_EQ(form->SGC3->cell(3, 1), "32");
    EXPECT_EQ(form->SGK2->cell(2, 0), q("数学"));
    EXPECT_EQ(form->SGK2->cell(2, 1), "3");
    EXPECT_EQ(form->SGK2->cell(1, 3), "90");
    EXPECT_EQ(form->SGK2->cell(1, 4), "");  // -1: not given
    EXPECT_EQ(form->GakkouMei->text(), q("第一中学校"));
    EXPECT_EQ(form->NendoUD->value(), 2024);
    EXPECT_EQ(form->Nendo->text(), "2,024");

    form->OKButton->click();
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(readBytes(file()), yearFile(3, 5));
}

TEST_F(BaseSetupWindow, LoweringTheTestCountSavesFewerTestsAndRaisingItBringsThemBack) {
    writeBytes(file(), yearFile(3, 5));
    auto form = open();
    form->JissiSu3UD->setValue(3);
    ASSERT_EQ(form->SGK3->rowCount(), 5);
    EXPECT_EQ(form->SGK3->cell(0, 2), q("第 1 回"));
    EXPECT_EQ(form->SGK3->cell(0, 4), q("第 3 回"));
    form->OKButton->click();
    std::string lowered = yearFile(3, 5);
    std::string grade3 = sj("国語 2 \r\n100 90 -1 \r\n数学 3 \r\n50 -1 100 \r\n");
    std::size_t at = lowered.rfind(sj("2 5 \r\n"));
    lowered.replace(at, std::string::npos, "2 3 \r\n" + grade3);
    EXPECT_EQ(readBytes(file()), lowered);
    EXPECT_EQ(saved().grades[2].testCount, 3u);

    // A second start: raising the count again labels the new rows, whose cells come back empty.
    auto again = open();
    again->JissiSu3UD->setValue(5);
    EXPECT_EQ(again->SGK3->cell(0, 6), q("第 5 回"));
    EXPECT_EQ(again->SGK3->cell(1, 6), "");
}

TEST_F(BaseSetupWindow, CellsCutOffByASmallerCountComeBack) {
    writeBytes(file(), yearFile(3, 5));
    auto form = open();
    type(form->SGK3, 1, 6, "55");
    form->JissiSu3UD->setValue(3);
    form->KamokuSu3UD->setValue(1);
    form->ClassSu3UD->setValue(1);
    EXPECT_EQ(form->SGK3->columnCount(), 2);
    EXPECT_EQ(form->SGC3->columnCount(), 2);

    form->JissiSu3UD->setValue(5);
    form->KamokuSu3UD->setValue(2);
    form->ClassSu3UD->setValue(3);
    ASSERT_EQ(form->SGK3->rowCount(), 7);
    EXPECT_EQ(form->SGK3->cell(0, 5), q("第 4 回"));
    EXPECT_EQ(form->SGK3->cell(0, 6), q("第 5 回"));
    EXPECT_EQ(form->SGK3->cell(1, 5), "70");
    EXPECT_EQ(form->SGK3->cell(1, 6), "55");
    EXPECT_EQ(form->SGK3->cell(2, 0), q("数学"));
    EXPECT_EQ(form->SGC3->cell(3, 0), q("3組"));

    type(form->SGK3, 1, 6, "60");
    form->OKButton->click();
    EXPECT_EQ(readBytes(file()), yearFile(3, 5));
}

TEST_F(BaseSetupWindow, TypedCountsResizeTheGrids) {
    writeBytes(file(), yearFile(3, 5));
    auto form = open();
    form->PageControl1->setCurrentIndex(0);
    // Text put into the edit box as typing leaves it (key events through QTest leave an input
    // device behind that the test program's QApplication cannot delete at exit).
    form->ClassSu1->setText("4");
    EXPECT_EQ(form->ClassSu1UD->value(), 4);
    EXPECT_EQ(form->SGC1->columnCount(), 5);
    form->JissiSu1->setText("10");
    EXPECT_EQ(form->SGK1->rowCount(), 12);
    EXPECT_EQ(form->SGK1->cell(0, 11), q("第 10 回"));
    form->JissiSu1UD->stepBy(1);  // no wrap past 10
    EXPECT_EQ(form->JissiSu1UD->value(), 10);
}

TEST_F(BaseSetupWindow, FullMarksOfZeroOrEmptyAreSavedAsNotGivenAndShownEmpty) {
    writeBytes(file(), yearFile(3, 5));
    auto form = open();
    type(form->SGK1, 1, 2, "0");
    type(form->SGK1, 2, 2, "");
    form->OKButton->click();
    std::string bytes = readBytes(file());
    EXPECT_NE(bytes.find(sj("国語 2 \r\n0 90 -1 70 60 \r\n数学 3 \r\n-1 -1 100 100 80 \r\n")),
              std::string::npos);
    EXPECT_FALSE(saved().grades[0].isGiven(0, 0));

    auto again = open();
    EXPECT_EQ(again->SGK1->cell(1, 2), "");
    EXPECT_EQ(again->SGK1->cell(2, 2), "");
    again->OKButton->click();
    EXPECT_NE(readBytes(file()).find(sj("国語 2 \r\n-1 90 -1 70 60 \r\n")), std::string::npos);
}

TEST_F(BaseSetupWindow, HeadCountTypedWithALeadingZeroIsSavedAsTypedAndShownInDecimal) {
    writeBytes(file(), yearFile(3, 5));
    auto form = open();
    type(form->SGC2, 1, 1, "035");
    form->OKButton->click();
    EXPECT_NE(readBytes(file()).find(sj("2 \r\n1組 035 \r\n")), std::string::npos);
    auto again = open();
    EXPECT_EQ(again->SGC2->cell(1, 1), "35");
}

TEST_F(BaseSetupWindow, TheCloseButtonSavesExactlyAsOK) {
    auto edit = [](TForm1& form) {
        form.GakkouMei->setText(q("第二中学校"));
        form.NendoUD->setValue(2031);
        form.ClassSu2UD->setValue(3);
        type(form.SGC2, 3, 0, "Ｃ組");
        type(form.SGC2, 3, 1, "28");
        type(form.SGK3, 2, 0, "英語");
    };
    writeBytes(file(), yearFile(3, 5));
    auto byOK = open();
    edit(*byOK);
    byOK->OKButton->click();

    TempDir other;
    writeBytes(other / "wqnmkiso.txt", yearFile(3, 5));
    Services otherServices{other.path(), messages, printer, clock};
    auto byCloseButton = open(otherServices);
    edit(*byCloseButton);
    ASSERT_NE(byCloseButton->windowHandle(), nullptr);
    EXPECT_TRUE(byCloseButton->windowHandle()->close());

    EXPECT_FALSE(byCloseButton->isVisible());
    EXPECT_EQ(readBytes(other / "wqnmkiso.txt"), readBytes(file()));
    EXPECT_NE(readBytes(file()), yearFile(3, 5));
    EXPECT_EQ(saved().year, 2031u);
}

TEST_F(BaseSetupWindow, TextLeftInAnOpenCellEditorIsSaved) {
    writeBytes(file(), yearFile(3, 5));
    auto form = open();
    QModelIndex index = form->SGC3->model()->index(0, 2);
    form->SGC3->setCurrentIndex(index);  // entering a cell opens its editor
    auto* editor = qobject_cast<QLineEdit*>(form->SGC3->indexWidget(index));
    ASSERT_NE(editor, nullptr);
    editor->setText(q("Ｂ組"));
    form->windowHandle()->close();
    EXPECT_EQ(saved().grades[2].classNames[1].utf8(), "Ｂ組");
}

struct RefusalCase {
    const char* name;
    std::function<void(TForm1&)> edit;
    std::string line;
    int page;  // the page shown after answering Yes
    const char* grid;
    int column, row;
};

class BaseSetupRefusal : public BaseSetupWindow, public testing::WithParamInterface<RefusalCase> {};

TEST_P(BaseSetupRefusal, KeepsTheFileUntouched) {
    const RefusalCase& c = GetParam();
    writeBytes(file(), yearFile(3, 5));
    auto form = open();
    c.edit(*form);

    messages.answers = {MessageAnswer::Yes};
    EXPECT_FALSE(form->close());
    EXPECT_TRUE(form->isVisible());
    ASSERT_EQ(messages.shown.size(), 1u);
    const FakeMessages::Shown& box = messages.shown[0];
    EXPECT_EQ(box.title, "確認");
    EXPECT_EQ(box.icon, MessageIcon::Exclamation);
    EXPECT_EQ(box.buttons, MessageButtons::YesNo);
    EXPECT_EQ(box.text, "入力内容に保存できない項目があります。\n\n" + c.line +
                            "\n\n修正しますか？（「いいえ」で保存せずに終了します）");
    EXPECT_EQ(form->PageControl1->currentIndex(), c.page);
    if (c.grid) {
        auto* grid = form->findChild<EditGrid*>(c.grid);
        EXPECT_EQ(grid->currentColumn(), c.column);
        EXPECT_EQ(grid->currentRow(), c.row);
    }
    EXPECT_EQ(readBytes(file()), yearFile(3, 5));

    messages.answers = {MessageAnswer::No};
    EXPECT_TRUE(form->close());
    EXPECT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(readBytes(file()), yearFile(3, 5));
}

INSTANTIATE_TEST_SUITE_P(
    Texts, BaseSetupRefusal,
    testing::Values(
        RefusalCase{"NameWithBlank", [](TForm1& f) { f.GakkouMei->setText(q("第一 中学校")); },
                    "学校名：半角の空白やタブが入っています", 2, nullptr, 0, 0},
        RefusalCase{"EmptyName", [](TForm1& f) { type(f.SGK2, 2, 0, ""); },
                    "二年　科目名（2列目）：入力されていません", 1, "SGK2", 2, 0},
        RefusalCase{"ClassNameOf10Bytes", [](TForm1& f) { type(f.SGC1, 1, 0, "１年１組AB"); },
                    "一年　クラス名（1列目）：長すぎます（全角4文字、半角9文字まで）", 0, "SGC1", 1,
                    0},
        RefusalCase{"HeadCount46", [](TForm1& f) { type(f.SGC2, 2, 1, "46"); },
                    "二年　人数（2列目）：0から45までの数を半角数字で入力してください", 1, "SGC2",
                    2, 1},
        RefusalCase{"Discipline6", [](TForm1& f) { type(f.SGK3, 1, 1, "6"); },
                    "三年　教科番号（1列目）：1から5までの数を半角数字で入力してください", 2,
                    "SGK3", 1, 1},
        RefusalCase{
            "FullMarksAbc", [](TForm1& f) { type(f.SGK1, 2, 6, "abc"); },
            "一年　第 5 回の満点（2列目）：空欄か0から999までの数を半角数字で入力してください", 0,
            "SGK1", 2, 6},
        RefusalCase{"NameOutsideCp932", [](TForm1& f) { f.TestMei->setText(q("실력테스트")); },
                    "テスト名：保存できない文字が入っています", 2, nullptr, 0, 0}),
    [](const testing::TestParamInfo<RefusalCase>& info) { return std::string(info.param.name); });

TEST_F(BaseSetupWindow, EscAtTheRealRefusalQuestionGoesBackToTheProblem) {
    writeBytes(file(), yearFile(3, 5));
    QtMessages boxes;
    Services real{dir.path(), boxes, printer, clock};
    auto form = open(real);
    type(form->SGC2, 2, 1, "46");
    pressOnNextModalBox(Qt::Key_Escape);
    EXPECT_FALSE(form->close());
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->PageControl1->currentIndex(), 1);
    EXPECT_EQ(form->SGC2->currentColumn(), 2);
    EXPECT_EQ(readBytes(file()), yearFile(3, 5));
}

struct ElsewhereCase {
    MessageAnswer answer;
    bool closes;
    const char* school;  // in the file afterwards
    const char* test;
};

class BaseSetupChangedElsewhere : public BaseSetupWindow,
                                  public testing::WithParamInterface<ElsewhereCase> {};

TEST_P(BaseSetupChangedElsewhere, IsAskedBeforeReplacing) {
    const ElsewhereCase& c = GetParam();
    writeBytes(file(), yearFile(3, 5));
    auto mine = open();
    FakeMessages otherMessages;
    Services otherServices{dir.path(), otherMessages, printer, clock};
    auto theirs = open(otherServices);
    theirs->GakkouMei->setText(q("第二中学校"));
    ASSERT_TRUE(theirs->close());
    mine->TestMei->setText(q("学力テスト"));

    messages.answers = {c.answer};
    EXPECT_EQ(mine->close(), c.closes);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text,
              "基礎データのファイルが、読み込んだ後にほかの端末で変更されています。"
              "こちらの内容で上書きしますか？（「いいえ」で保存せずに終了します）");
    EXPECT_EQ(messages.shown[0].buttons, MessageButtons::YesNoCancel);
    EXPECT_EQ(messages.shown[0].safeAnswer, MessageAnswer::Cancel);
    EXPECT_EQ(saved().schoolName.utf8(), c.school);
    EXPECT_EQ(saved().testName.utf8(), c.test);
    EXPECT_EQ(mine->TestMei->text(), q("学力テスト"));
}

INSTANTIATE_TEST_SUITE_P(
    Answers, BaseSetupChangedElsewhere,
    testing::Values(ElsewhereCase{MessageAnswer::Yes, true, "第一中学校", "学力テスト"},
                    ElsewhereCase{MessageAnswer::No, true, "第二中学校", "実力テスト"},
                    ElsewhereCase{MessageAnswer::Cancel, false, "第二中学校", "実力テスト"}));

TEST_F(BaseSetupWindow, LabelsStayInPlaceWhileTheGridScrollsAndNeverTakeTheCursor) {
    auto form = open();
    for (EditGrid* grid :
         {form->SGC1, form->SGC2, form->SGC3, form->SGK1, form->SGK2, form->SGK3}) {
        SCOPED_TRACE(grid->objectName().toStdString());
        EXPECT_TRUE(grid->isColumnHidden(0));
        grid->horizontalScrollBar()->setValue(grid->horizontalScrollBar()->maximum());
        EXPECT_TRUE(grid->verticalHeader()->isVisibleTo(grid));
        for (int row = 0; row < grid->rowCount(); ++row)
            EXPECT_EQ(grid->model()->headerData(row, Qt::Vertical).toString(), grid->cell(0, row));
    }
    EXPECT_EQ(form->SGK1->model()->headerData(6, Qt::Vertical).toString(), q("第 5 回"));
    form->JissiSu1UD->setValue(7);
    EXPECT_EQ(form->SGK1->model()->headerData(8, Qt::Vertical).toString(), q("第 7 回"));
    EXPECT_TRUE(form->SGK1->isColumnHidden(0));
}

TEST_F(BaseSetupWindow, AFileThatCannotBeWrittenKeepsEveryEditWhenTheUserStays) {
    writeBytes(file(), yearFile(3, 5));
    auto form = open();
    form->GakkouMei->setText(q("第二中学校"));
    type(form->SGC1, 1, 0, "Ａ組");
    form->JissiSu2UD->setValue(2);
    fs::remove(file());
    fs::create_directory(file());  // the save cannot replace a directory

    messages.answers = {MessageAnswer::No};
    EXPECT_FALSE(form->close());
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[0].text, "設定データを保存できませんでした");
    EXPECT_EQ(messages.shown[0].title, "確認");
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::None);
    EXPECT_EQ(messages.shown[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(messages.shown[1].text, "保存せずに終了しますか？");
    EXPECT_EQ(messages.shown[1].title, "確認");
    EXPECT_EQ(messages.shown[1].icon, MessageIcon::Question);
    EXPECT_EQ(messages.shown[1].buttons, MessageButtons::YesNo);
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->GakkouMei->text(), q("第二中学校"));
    EXPECT_EQ(form->SGC1->cell(1, 0), q("Ａ組"));
    EXPECT_EQ(form->JissiSu2UD->value(), 2);

    // The disk freed, the next close saves every edit.
    fs::remove(file());
    EXPECT_TRUE(form->close());
    BasicData data = saved();
    EXPECT_EQ(data.schoolName.utf8(), "第二中学校");
    EXPECT_EQ(data.grades[0].classNames[0].utf8(), "Ａ組");
    EXPECT_EQ(data.grades[1].testCount, 2u);
    EXPECT_EQ(messages.shown.size(), 2u);
}

TEST_F(BaseSetupWindow, AFileThatCannotBeWrittenEndsWithoutSavingWhenTheUserSaysSo) {
    writeBytes(file(), yearFile(3, 5));
    auto form = open();
    fs::remove_all(dir.path());
    messages.answers = {MessageAnswer::Yes};
    EXPECT_TRUE(form->close());
    EXPECT_EQ(messages.shown.size(), 2u);
    EXPECT_FALSE(fs::exists(dir.path()));
}

TEST_F(BaseSetupWindow, WithoutAFileOpensTheStartContentsSilently) {
    auto form = open();
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(messages.beeps, 0);
    EXPECT_EQ(form->GakkouMei->text(), "");
    EXPECT_EQ(form->TestMei->text(), q("実力テスト"));
    EXPECT_EQ(form->Nendo->text(), "2,000");
    EXPECT_EQ(form->PageControl1->currentIndex(), 2);
    for (EditGrid* grid : {form->SGC1, form->SGC2, form->SGC3}) {
        EXPECT_EQ(grid->columnCount(), 11);
        EXPECT_EQ(grid->rowCount(), 2);
        EXPECT_EQ(grid->cell(0, 0), q("クラス名"));
        EXPECT_EQ(grid->cell(0, 1), q("人数"));
    }
    for (EditGrid* grid : {form->SGK1, form->SGK2, form->SGK3}) {
        EXPECT_EQ(grid->columnCount(), 11);
        ASSERT_EQ(grid->rowCount(), 7);
        EXPECT_EQ(grid->cell(0, 0), q("科目名"));
        EXPECT_EQ(grid->cell(0, 1), q("教科番号"));
        EXPECT_EQ(grid->cell(0, 2), q("第 1 回"));
        EXPECT_EQ(grid->cell(0, 6), q("第 5 回"));
        EXPECT_EQ(grid->cell(1, 0), "");
    }
    EXPECT_EQ(form->ClassSu2UD->value(), 10);
    EXPECT_EQ(form->KamokuSu2UD->value(), 10);
    EXPECT_EQ(form->JissiSu2UD->value(), 5);
}

TEST_F(BaseSetupWindow, AFileThatCannotBeReadEndsTheProgramAndStaysAsItIs) {
    fs::create_directory(file());
    TForm1 form(services);
    EXPECT_FALSE(form.FormCreate());
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, text::kBasicDataMissing);
    EXPECT_NE(messages.shown[0].detail.find("wqnmkiso.txt"), std::string::npos);
    EXPECT_EQ(messages.beeps, 1);
    EXPECT_TRUE(fs::is_directory(file()));
}

TEST_F(BaseSetupWindow, AFreshlyStartedWindowWritesAFileThatTheReaderTakesBack) {
    auto form = open();
    form->GakkouMei->setText(q("第一中学校"));
    for (EditGrid* grid : {form->SGC1, form->SGC2, form->SGC3})
        for (int k = 1; k <= 10; ++k) {
            grid->item(0, k)->setText(QString::number(k) + q("組"));
            grid->item(1, k)->setText("30");
        }
    for (EditGrid* grid : {form->SGK1, form->SGK2, form->SGK3})
        for (int j = 1; j <= 10; ++j) {
            grid->item(0, j)->setText(q("科目") + QString::number(j));
            grid->item(1, j)->setText(QString::number((j - 1) % 5 + 1));
            grid->item(2, j)->setText("100");
        }
    EXPECT_TRUE(form->close());
    EXPECT_TRUE(messages.shown.empty());

    BasicData data = saved();
    EXPECT_EQ(data.schoolName.utf8(), "第一中学校");
    EXPECT_EQ(data.testName.utf8(), "実力テスト");
    EXPECT_EQ(data.year, 2000u);
    EXPECT_EQ(data.rosterTag.utf8(), "N");
    for (const GradeData& grade : data.grades) {
        EXPECT_EQ(grade.classCount, 10u);
        EXPECT_EQ(grade.subjectCount, 10u);
        EXPECT_EQ(grade.testCount, 5u);
        EXPECT_EQ(grade.classNames[9].utf8(), "10組");
        EXPECT_EQ(grade.headCounts[9], 30u);
        EXPECT_EQ(grade.disciplineNumbers[9], 5u);
        EXPECT_EQ(grade.fullMarks[0][9], 100);
        EXPECT_FALSE(grade.isGiven(4, 9));
    }
}

TEST_F(BaseSetupWindow, AnUntouchedFreshWindowAsksAndWritesNothingOnNo) {
    auto form = open();
    messages.answers = {MessageAnswer::No};
    EXPECT_TRUE(form->close());
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_NE(messages.shown[0].text.find("学校名：入力されていません\n"), std::string::npos);
    EXPECT_NE(messages.shown[0].text.find("ほか 106 件"), std::string::npos);
    EXPECT_FALSE(fs::exists(file()));
}

TEST_F(BaseSetupWindow, ControlsCarryTheirNamesAndFixedTexts) {
    auto form = open();
    EXPECT_EQ(form->windowTitle(), q("実力テスト基礎データ"));
    EXPECT_TRUE(form->font().families().contains("IPAPGothic"));
    for (const char* name : {"GakkouMei", "TestMei", "Nendo", "ClassSu1", "KamokuSu2", "JissiSu3"})
        EXPECT_NE(form->findChild<QLineEdit*>(name), nullptr) << name;
    for (const char* name : {"NendoUD", "ClassSu3UD", "KamokuSu1UD", "JissiSu2UD"})
        EXPECT_NE(form->findChild<QSpinBox*>(name), nullptr) << name;
    for (const char* name : {"SGC1", "SGC2", "SGC3", "SGK1", "SGK2", "SGK3"})
        EXPECT_NE(form->findChild<EditGrid*>(name), nullptr) << name;
    EXPECT_EQ(form->findChild<QPushButton*>("OKButton")->text(), q("ＯＫ"));
    EXPECT_NE(form->findChild<QTabWidget*>("PageControl1"), nullptr);
    for (int g = 0; g < 3; ++g)
        EXPECT_EQ(form->PageControl1->tabText(g).trimmed(), q(g == 0   ? "一年"
                                                              : g == 1 ? "二年"
                                                                       : "三年"));
    EXPECT_EQ(form->PageControl1->widget(1)->objectName(), "TabSheet2");

    QStringList labels;
    for (QLabel* label : form->findChildren<QLabel*>()) labels << label->text();
    for (const char* text :
         {"学校名 ：", "テスト名 ：", "西暦年度 ：", "氏名データ共通ファイル名 ：  Ｎ", "（固定）",
          "クラス数", "総科目数", "実施回数",
          "教科番号は（英語 ： １　国語 ： ２　数学 ： ３　理科 ： ４　社会 ： ５）"})
        EXPECT_TRUE(labels.contains(q(text))) << text;

    EXPECT_FALSE(form->SGK1->item(3, 0)->flags() & Qt::ItemIsEditable);
    EXPECT_TRUE(form->SGK1->item(3, 1)->flags() & Qt::ItemIsEditable);
    EXPECT_EQ(form->GakkouMei->maxLength(), 30);
}

}  // namespace
