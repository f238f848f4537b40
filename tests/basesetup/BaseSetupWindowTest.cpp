#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
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
    EXPECT_EQ(form->ClassSu3UD->value(), 3);
    EXPECT_EQ(form->SGC3->cell(3, 0), q("3組"));
    EXPECT_EQ(form->SGK2->cell(1, 3), "90");

    form->OKButton->click();
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(readBytes(file()), yearFile(3, 5));
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
    EXPECT_EQ(form->SGK3->cell(1, 6), "55");

    type(form->SGK3, 1, 6, "60");
    form->OKButton->click();
    EXPECT_EQ(readBytes(file()), yearFile(3, 5));
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
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_NE(messages.shown[0].text.find(c.line), std::string::npos);
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
        RefusalCase{
            "FullMarksAbc", [](TForm1& f) { type(f.SGK1, 2, 6, "abc"); },
            "一年　第 5 回の満点（2列目）：空欄か0から999までの数を半角数字で入力してください", 0,
            "SGK1", 2, 6}),
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
    EXPECT_EQ(messages.shown[1].text, "保存せずに終了しますか？");
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

}  // namespace
