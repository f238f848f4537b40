// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QTabWidget>
#include <QTest>
#include <chrono>
#include <memory>
#include <thread>

#include "AtomicWrite.h"
#include "BaseSetupWindow.h"
#include "BasicData.h"
#include "EditGrid.h"
#include "Fixtures.h"
#include "MessageTexts.h"
#include "QtTestApp.h"
#include "SetupMessages.h"
#include "TextFile.h"

using namespace jitsu;
namespace fs = std::filesystem;

namespace {

// A basic data file as the editor writes it (CP932, CR LF): every grade two classes, two
// subjects and five tests.
std::string yearFile() {
    std::string out = "第一中学校 実力テスト 2024 N\n";
    for (int g = 1; g <= 3; ++g)
        out +=
            "2 \n1組 30 \n2組 31 \n2 5 \n国語 2 \n100 90 -1 70 60 \n数学 3 \n50 -1 100 100 80 \n";
    return toCrLf(sj(out.c_str()));
}

QString q(const char* utf8) { return QString::fromUtf8(utf8); }

class BaseSetupWindowTest : public testing::Test, protected FakeServices {
protected:
    void SetUp() override {
        writeBytes(file(), yearFile());
        form = std::make_unique<BaseSetupWindow>(services);
        ASSERT_TRUE(form->FormCreate());
        form->show();
    }
    template <typename T = EditGrid>
    T* at(const char* name) const {
        return child<T>(*form, name);
    }
    // An edit committed into a grid cell, as the cell editor leaves it.
    void type(const char* grid, int column, int row, const char* utf8) {
        at(grid)->item(row, column)->setText(q(utf8));
    }
    fs::path file() const { return dir / "wqnmkiso.txt"; }
    BasicData saved() const {
        BasicData data;
        EXPECT_TRUE(readBasicData(file(), data));
        return data;
    }

    std::unique_ptr<BaseSetupWindow> form;
};

// Each page's counts size its own grids, a cell cut off by a smaller count comes back, and OK
// saves also the text left in an open cell editor.
TEST_F(BaseSetupWindowTest, ThePagesShowTheFileAndOKSavesEveryEdit) {
    at<QSpinBox>("ClassSu1UD")->setValue(1);
    at<QSpinBox>("JissiSu3UD")->setValue(3);
    EXPECT_EQ(at("SGC1")->columnCount(), 2);
    EXPECT_EQ(at("SGC3")->columnCount(), 3);
    EXPECT_EQ(at("SGK3")->rowCount(), 5);
    at<QSpinBox>("JissiSu3UD")->setValue(5);
    EXPECT_EQ(at("SGK3")->cell(1, 6), "60");

    at<QTabWidget>("PageControl1")->setCurrentIndex(2);  // 三年
    const QModelIndex cell = at("SGC3")->model()->index(0, 2);
    at("SGC3")->setCurrentIndex(cell);  // entering a cell opens its editor
    auto* editor = qobject_cast<QLineEdit*>(at("SGC3")->indexWidget(cell));
    ASSERT_NE(editor, nullptr);
    editor->setText(q("Ｂ組"));
    at<QPushButton>("OKButton")->click();
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(messages.shown.empty());
    const BasicData data = saved();
    EXPECT_EQ(data.grades[0].classes(), 1);
    EXPECT_EQ(data.grades[2].classNames[1].utf8(), "Ｂ組");
    EXPECT_EQ(data.grades[2].fullMarks[4][0], 60);
}

// はい (also Esc: the safe answer) goes back to the text; いいえ ends without saving. The window
// opens on 一年.
TEST_F(BaseSetupWindowTest, ATextThatCannotBeSavedIsShownAndTheFileKept) {
    EXPECT_EQ(at<QTabWidget>("PageControl1")->currentIndex(), 0);
    type("SGK2", 2, 6, "abc");
    messages.answers = {MessageAnswer::Yes};
    EXPECT_FALSE(form->close());
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_NE(messages.shown[0].text.find("二年　第 5 回の満点"), std::string::npos);
    EXPECT_EQ(messages.shown[0].safeAnswer, MessageAnswer::Yes);
    EXPECT_EQ(at<QTabWidget>("PageControl1")->currentIndex(), 1);
    EXPECT_EQ(std::pair(at("SGK2")->currentColumn(), at("SGK2")->currentRow()), std::pair(2, 6));
    EXPECT_TRUE(at("SGK2")->isAncestorOf(form->focusWidget()));
    EXPECT_NE(at("SGK2")->indexWidget(at("SGK2")->currentIndex()), nullptr);  // its editor open

    messages.answers = {MessageAnswer::No};
    EXPECT_TRUE(form->close());
    EXPECT_EQ(readBytes(file()), yearFile());
}

// A count typed digit by digit is taken once committed: "1" on the way to "10" does not cut the
// grid to one class, and the focus stays in the box.
TEST_F(BaseSetupWindowTest, ACountIsTakenWhenCommittedAndKeepsTheFocus) {
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    QLineEdit* count = at<QLineEdit>("ClassSu1");
    count->setFocus();
    QTest::keyClick(count, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(count, "1");
    EXPECT_EQ(at("SGC1")->columnCount(), 3);  // the two classes and the labels
    QTest::keyClicks(count, "0");
    QTest::keyClick(count, Qt::Key_Return);
    QCoreApplication::processEvents();
    EXPECT_EQ(at("SGC1")->columnCount(), 11);
    EXPECT_EQ(at("SGC1")->cell(1, 1), "30");
    EXPECT_TRUE(at<QSpinBox>("ClassSu1UD")->hasFocus());
    QTest::keyClick(count, Qt::Key_Down);
    QCoreApplication::processEvents();
    EXPECT_EQ(at("SGC1")->columnCount(), 10);  // the arrows are taken at once
    EXPECT_TRUE(at<QSpinBox>("ClassSu1UD")->hasFocus());
}

// One of a class with roster lines is named; いいえ (and Esc) goes back to the first such
// class's head count.
TEST_F(BaseSetupWindowTest, AHeadCountOfZeroOfAClassWithStudentsIsNamedAtSave) {
    std::string roster;
    for (int i = 1; i <= 61; ++i) roster += std::to_string(i) + ",s" + std::to_string(i) + "\r\n";
    writeBytes(dir / "N242.csv", roster);
    type("SGC2", 2, 1, "0");
    messages.answers = {MessageAnswer::No};
    EXPECT_FALSE(form->close());
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_NE(messages.shown[0].text.find("名簿に 31 人"), std::string::npos);
    EXPECT_EQ(messages.shown[0].safeAnswer, MessageAnswer::No);
    EXPECT_EQ(std::pair(at("SGC2")->currentColumn(), at("SGC2")->currentRow()), std::pair(2, 1));
    messages.answers = {MessageAnswer::Yes};
    EXPECT_TRUE(form->close());
    EXPECT_EQ(saved().grades[1].headCounts[1], 0u);
}

struct ElsewhereCase {
    MessageAnswer answer;
    bool closes;
    const char* school;  // in the file afterwards
};

class BaseSetupChangedElsewhere : public BaseSetupWindowTest,
                                  public testing::WithParamInterface<ElsewhereCase> {};

// はい replaces the other terminal's file, いいえ ends without saving, キャンセル (and Esc) stays.
TEST_P(BaseSetupChangedElsewhere, IsAskedBeforeReplacing) {
    writeBytes(file(), yearFile() + "\r\n");
    at<QLineEdit>("GakkouMei")->setText(q("第二中学校"));
    messages.answers = {GetParam().answer};
    EXPECT_EQ(form->close(), GetParam().closes);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].safeAnswer, MessageAnswer::Cancel);
    EXPECT_EQ(saved().schoolName.utf8(), GetParam().school);
}

INSTANTIATE_TEST_SUITE_P(Answers, BaseSetupChangedElsewhere,
                         testing::Values(ElsewhereCase{MessageAnswer::Yes, true, "第二中学校"},
                                         ElsewhereCase{MessageAnswer::No, true, "第一中学校"},
                                         ElsewhereCase{MessageAnswer::Cancel, false,
                                                       "第一中学校"}));

// The other terminal saves again while the question is open (from another thread, which would
// wait for a lock still held and fail): asked once more about its new file, then replaced.
TEST_F(BaseSetupWindowTest, AFileChangedAgainWhileTheQuestionIsOpenIsAskedAboutAgain) {
    writeBytes(file(), yearFile() + "\r\n");
    at<QLineEdit>("GakkouMei")->setText(q("第二中学校"));
    int saves = 0;
    messages.whileShown = [&] {
        if (saves++ > 0) return;
        std::thread other(
            [&] { EXPECT_TRUE(writeFileAtomically(file(), yearFile() + "\r\n\r\n")); });
        other.join();
    };
    messages.answers = {MessageAnswer::Yes, MessageAnswer::Yes};
    EXPECT_TRUE(form->close());
    EXPECT_EQ(messages.count(text::kChangedElsewhere), 2);
    EXPECT_EQ(saved().schoolName.utf8(), "第二中学校");
}

// Closed with nothing changed, the file is left as it is: its results stay up to date.
TEST_F(BaseSetupWindowTest, ACloseWithNothingChangedWritesNothing) {
    const auto saved = fs::last_write_time(file()) - std::chrono::hours(1);
    fs::last_write_time(file(), saved);
    EXPECT_TRUE(form->close());
    EXPECT_EQ(fs::last_write_time(file()), saved);
}

TEST_F(BaseSetupWindowTest, AFileThatCannotBeWrittenKeepsEveryEditWhenTheUserStays) {
    type("SGC1", 1, 0, "Ａ組");
    fs::remove(file());
    fs::create_directory(file());  // the save cannot replace a directory

    messages.answers = {MessageAnswer::No};
    EXPECT_FALSE(form->close());
    ASSERT_EQ(messages.shown.size(), 2u);  // the failure, then whether to end without saving
    EXPECT_EQ(messages.shown[1].safeAnswer, MessageAnswer::No);

    fs::remove(file());  // the disk freed, the next close saves the edit
    EXPECT_TRUE(form->close());
    EXPECT_EQ(saved().grades[0].classNames[0].utf8(), "Ａ組");
}

TEST_F(BaseSetupWindowTest, AFileThatCannotBeReadEndsTheProgramAndStaysAsItIs) {
    fs::remove(file());
    fs::create_directory(file());
    BaseSetupWindow unread(services);
    EXPECT_FALSE(unread.FormCreate());
    EXPECT_EQ(messages.count(text::kBasicDataMissing), 1);
    EXPECT_TRUE(fs::is_directory(file()));
}

}  // namespace
