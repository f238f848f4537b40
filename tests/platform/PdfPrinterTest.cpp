#include <gtest/gtest.h>

#include "PdfText.h"
#include "QtPrinter.h"
#include "QtTestApp.h"
#include "TempDir.h"

using namespace jitsu;


TEST(PdfPrinter, WritesJapaneseTextOnTheChosenPaperOneSheetPerPage) {
    testApplication();
    TempDir dir;
    const auto pdf = dir / "out.pdf";
    auto printer = QtPrinter::toPdf(pdf);
    setPaper(*printer, 24, 1);
    ASSERT_TRUE(printer->beginDoc());
    Canvas& canvas = printer->canvas();
    canvas.setFontSize(14);
    canvas.setBold(true);
    canvas.textOut(200, 200, "第２回実力テスト　個人成績票");
    canvas.moveTo(160, 394);
    canvas.lineTo(2000, 394);
    printer->newPage();
    canvas.setBrushColor(kRed);
    canvas.rectangle(830, 500, 1010, 579);
    canvas.setBrushColor(kWhite);
    canvas.textOut(300, 500, "１００～１０１");
    printer->newPage();  // a trailing page break leaves no empty sheet
    ASSERT_TRUE(printer->endDoc());

    EXPECT_EQ(pdfPageCount(pdf), 2);
    std::string info = commandOutput("pdfinfo '" + pdf.string() + "'");
    EXPECT_NE(info.find("729 x 1032 pts"), std::string::npos) << info;  // JIS B4, 257 × 364 mm
    std::string text = pdfText(pdf);
    EXPECT_NE(text.find(pdfNormalised("第２回実力テスト　個人成績票")), std::string::npos) << text;
    EXPECT_NE(text.find(pdfNormalised("１００～１０１")), std::string::npos) << text;
}

TEST(PdfPrinter, ADocumentWithoutDrawingWritesNoFile) {
    testApplication();
    TempDir dir;
    auto printer = QtPrinter::toPdf(dir / "empty.pdf");
    ASSERT_TRUE(printer->beginDoc());
    printer->newPage();
    EXPECT_TRUE(printer->endDoc());
    EXPECT_FALSE(std::filesystem::exists(dir / "empty.pdf"));
}

namespace {

int inactivePainterWarnings = 0;

void countInactivePainterWarnings(QtMsgType, const QMessageLogContext&, const QString& message) {
    if (message.contains(QStringLiteral("Painter not active"))) ++inactivePainterWarnings;
}

}  // namespace

TEST(PdfPrinter, AnUnwritableFileIsReportedAsAFailureWithoutDrawingOnAnInactivePainter) {
    testApplication();
    TempDir dir;
    auto printer = QtPrinter::toPdf(dir / "no-such-dir" / "out.pdf");
    ASSERT_TRUE(printer->beginDoc());
    inactivePainterWarnings = 0;
    QtMessageHandler previous = qInstallMessageHandler(countInactivePainterWarnings);
    Canvas& canvas = printer->canvas();
    canvas.setFontSize(10);
    canvas.textOut(0, 0, "x");
    printer->newPage();
    canvas.moveTo(0, 0);
    canvas.lineTo(10, 10);
    canvas.rectangle(0, 0, 10, 10);
    qInstallMessageHandler(previous);
    EXPECT_FALSE(printer->endDoc());
    EXPECT_EQ(inactivePainterWarnings, 0);
}

TEST(PdfPrinter, TheDialogAnswersWithThePresetRange) {
    testApplication();
    TempDir dir;
    auto printer = QtPrinter::toPdf(dir / "out.pdf", PageRange{2, 3});
    auto range = printer->printDialog(true);
    ASSERT_TRUE(range);
    EXPECT_EQ(range->from, 2);
    EXPECT_EQ(range->to, 3);
}
