#include <gtest/gtest.h>

#include <sstream>

#include "TracePrinter.h"

using namespace jitsu;

TEST(SetPaper, MapsTheCodesAndLeavesOthersAsTheyWere) {
    std::ostringstream trace;
    TracePrinter printer(trace);
    setPaper(printer, 24, 1);
    setPaper(printer, 13, 2);
    setPaper(printer, 99, 7);  // neither code known: both settings stay
    setPaper(printer, 25, 0);
    setPaper(printer, 14, 1);
    EXPECT_EQ(trace.str(),
              "job B4 portrait\njob A3 landscape\njob A3 landscape\njob B5 landscape\njob A4 portrait\n");
}

TEST(TracePrinter, SheetsBeginLazilySoNoSheetIsEmpty) {
    std::ostringstream trace;
    TracePrinter printer(trace);
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
    EXPECT_EQ(trace.str(),
              "begin\npage 1\npen 0 0 0\nfont 12 regular\nfont 12 bold\n"
              "text 280 278 第２回実力テスト　個人成績票\n"
              "page 2\nline 160 394 1000 394\nline 1000 394 1000 500\nbrush 128 128 128\n"
              "rect 830 500 1010 579\nend\n");
    EXPECT_EQ(printer.sheetCount(), 2);
}

TEST(TracePrinter, DialogAnswersAsToldAndCounts) {
    std::ostringstream trace;
    TracePrinter printer(trace);
    EXPECT_EQ(printer.printDialog(true)->to, 999);
    printer.dialogAnswer = std::nullopt;
    EXPECT_FALSE(printer.printDialog(false));
    EXPECT_EQ(printer.dialogsShown(), 2);
    EXPECT_TRUE(PageRange({2, 3}).contains(3));
    EXPECT_FALSE(PageRange({2, 3}).contains(1));
}
