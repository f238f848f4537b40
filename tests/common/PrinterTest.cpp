// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <optional>
#include <sstream>
#include <string>

#include "FakeMessages.h"
#include "Golden.h"
#include "MessageTexts.h"
#include "PageFit.h"
#include "PrintScale.h"
#include "TracePrinter.h"

using namespace jitsu;

TEST(PrintDialogTitle, NamesTheGradeAndThePaper) {
    EXPECT_EQ(printDialogTitle(1), "印刷 — ２年");
    EXPECT_EQ(printDialogTitle(-1), "印刷");
    EXPECT_EQ(printDialogTitle(3), "印刷");
    EXPECT_EQ(printDialogTitle(0, PaperSize::A4, Orientation::Landscape),
              "印刷 — １年 — 用紙 A4 横");
    EXPECT_EQ(printDialogTitle(-1, PaperSize::B4, Orientation::Portrait), "印刷 — 用紙 B4 縦");
    EXPECT_EQ(printDialogTitle(2, PaperSize::B5), "印刷 — ３年 — 用紙 B5");
}

// A setting left out stays as it was; sheets begin lazily, so that no sheet is empty.
TEST(TracePrinter, SetsThePaperAndBeginsSheetsLazily) {
    std::ostringstream trace;
    TracePrinter printer(trace);
    printer.setPageSetup(PaperSize::B4, Orientation::Portrait);
    printer.setPageSetup(PaperSize::A3, Orientation::Landscape);
    printer.setPageSetup(std::nullopt, std::nullopt);  // both settings stay
    printer.setPageSetup(PaperSize::B5, std::nullopt);
    printer.setPageSetup(PaperSize::A4, Orientation::Portrait);
    ASSERT_TRUE(printer.beginDoc());
    Canvas& canvas = printer.canvas();
    canvas.setPenColor(kBlack);
    canvas.setFontSize(12);
    canvas.setBold(true);
    canvas.textOut(280, 278, "第２回実力テスト　個人成績票");
    printer.newPage();
    printer.newPage();  // twice in a row: still one break
    canvas.moveTo(160, 394);
    canvas.lineTo(1000, 394);
    canvas.lineTo(1000, 500);
    canvas.setBrushColor(kGrey);
    canvas.rectangle(830, 500, 1010, 579);
    printer.newPage();  // at the end: no empty sheet
    (void)printer.endDoc();
    EXPECT_TRUE(matchesGolden(trace.str(), "trace-printer/trace.txt"));
    EXPECT_EQ(printer.sheetCount(), 2);
}

struct FitCase {
    const char* name;
    int tableWidth;    // dots at 100 %, scaled with the magnification
    const char* text;  // at the table's right edge, 10 points: 83 dots an em, not scaled
    int percent, minPercent;
    std::optional<int> fitting;
};

class FittingPercent : public ::testing::TestWithParam<FitCase> {};

// The printable area is 4792 × 6851 dots (A4 less 10 points a side).
TEST_P(FittingPercent, IsTheLargestMagnificationInRangeThatFits) {
    const FitCase c = GetParam();
    const DrawPages draw = [&](Printer& printer, int percent) {
        const int right = PrintScale::scale(c.tableWidth, percent);
        printer.canvas().rectangle(0, 0, right, 100);
        printer.canvas().setFontSize(10);
        printer.canvas().textOut(right, 0, c.text);
        printer.newPage();
    };
    EXPECT_EQ(fittingPercent(draw, PageArea{4792, 6851}, c.percent, c.minPercent), c.fitting);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FittingPercent,
    ::testing::Values(FitCase{"Fits", 4792, "", 100, 80, 100},
                      // 5162 × 92 / 100 = 4749, × 93 / 100 = 4800.
                      FitCase{"EighteenColumns", 5162, "", 100, 80, 92},
                      FitCase{"NoneInRange", 6000, "", 100, 80, std::nullopt},
                      // 4000 × p / 100 + 83 × 5 (ten half-width letters) ≤ 4792 up to p = 109.
                      FitCase{"HalfWidthText", 4000, "ABCDEFGHIJ", 150, 50, 109},
                      // Five full-width letters are as wide: 83 × 5.
                      FitCase{"FullWidthText", 4000, "ＡＢＣＤＥ", 150, 50, 109}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ConfirmPageFit, AsksOnlyWhenAPageLeavesTheSheetAndNamesTheMagnificationThatFits) {
    std::ostringstream trace;
    TracePrinter printer(trace);  // A4: 4960 dots wide
    FakeMessages messages;
    const DrawPages draw = [](Printer& on, int percent) {
        on.canvas().rectangle(0, 0, PrintScale::scale(5200, percent), 100);
    };
    messages.answers = {MessageAnswer::No};
    EXPECT_FALSE(confirmPageFit(printer, messages, draw, 100, 80));
    ASSERT_EQ(messages.shown.size(), 1u);
    // 5200 × 95 / 100 = 4940, × 96 / 100 = 4992.
    EXPECT_EQ(messages.shown[0].text, std::string(text::kPageTooLarge) +
                                          " They fit at a print magnification of 95% or less. " +
                                          text::kPrintAnyway);
    EXPECT_EQ(messages.shown[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(messages.shown[0].safeAnswer, MessageAnswer::No);
    messages.answers = {MessageAnswer::Yes};
    EXPECT_TRUE(confirmPageFit(printer, messages, draw, 100, 80));
    EXPECT_TRUE(confirmPageFit(printer, messages, draw, 95, 80));
    EXPECT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(trace.str().find("page"), std::string::npos);  // measuring draws nothing
}
