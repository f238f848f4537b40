#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

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

namespace {

struct WordBox {
    std::string text;
    double xMin, yMin, xMax, yMax;
};

// The words of a PDF with their boxes in points, as pdftotext -bbox gives them.
std::vector<WordBox> wordBoxes(const std::filesystem::path& pdf) {
    std::vector<WordBox> words;
    std::istringstream lines(commandOutput("pdftotext -bbox '" + pdf.string() + "' -"));
    for (std::string line; std::getline(lines, line);) {
        WordBox w;
        int end = 0;
        if (std::sscanf(line.c_str(),
                        " <word xMin=\"%lf\" yMin=\"%lf\" xMax=\"%lf\" yMax=\"%lf\">%n", &w.xMin,
                        &w.yMin, &w.xMax, &w.yMax, &end) < 4)
            continue;
        w.text = line.substr(static_cast<std::size_t>(end));
        w.text.erase(w.text.find("</word>"));
        words.push_back(w);
    }
    return words;
}

// A page of titles in three sizes, a rule and a boxed figure, drawn on a PDF of `dotsPerInch`.
std::filesystem::path drawSample(const TempDir& dir, int dotsPerInch) {
    const auto pdf = dir / ("sample-" + std::to_string(dotsPerInch) + ".pdf");
    auto printer = QtPrinter::toPdf(pdf, {}, dotsPerInch);
    setPaper(*printer, 14, 1);
    EXPECT_TRUE(printer->beginDoc());
    Canvas& canvas = printer->canvas();
    canvas.setFontSize(14);
    canvas.setBold(true);
    canvas.textOut(224, 222, "第２回実力テスト　個人成績票");
    canvas.setBold(false);
    canvas.setFontSize(10);
    canvas.textOut(4000, 6000, "生徒16 国語＝71");
    canvas.moveTo(160, 394);
    canvas.lineTo(4700, 394);
    canvas.rectangle(830, 500, 1010, 579);
    canvas.setFontSize(8);
    canvas.textOut(840, 510, "100");
    EXPECT_TRUE(printer->endDoc());
    return pdf;
}

}  // namespace

class DeviceResolution : public ::testing::TestWithParam<int> {};

// A page's texts lie where a 600 dpi printer puts them, in the same size, whatever the device's
// resolution: a CUPS printer keeps its own.
TEST_P(DeviceResolution, PutsEveryTextWhereA600DpiPrinterDoes) {
    testApplication();
    TempDir dir;
    const std::vector<WordBox> expected = wordBoxes(drawSample(dir, 600));
    const std::vector<WordBox> drawn = wordBoxes(drawSample(dir, GetParam()));
    ASSERT_EQ(expected.size(), 6u);
    ASSERT_EQ(drawn.size(), expected.size());
    // The printable area begins on a whole device dot: rounding may move a text by one.
    const double dot = 72.0 / std::min(600, GetParam());
    for (std::size_t i = 0; i < drawn.size(); ++i) {
        EXPECT_EQ(drawn[i].text, expected[i].text);
        EXPECT_NEAR(drawn[i].xMin, expected[i].xMin, dot) << drawn[i].text;
        EXPECT_NEAR(drawn[i].yMin, expected[i].yMin, dot) << drawn[i].text;
        EXPECT_NEAR(drawn[i].xMax, expected[i].xMax, dot) << drawn[i].text;
        EXPECT_NEAR(drawn[i].yMax, expected[i].yMax, dot) << drawn[i].text;
    }
}

INSTANTIATE_TEST_SUITE_P(Dpi, DeviceResolution, ::testing::Values(96, 300, 1200),
                         [](const auto& info) { return std::to_string(info.param); });

TEST(PdfPrinter, WritesThePdfUnderATemporaryNameAndLeavesNothingElse) {
    testApplication();
    TempDir dir;
    writeBytes(dir / "sample-600.pdf", "an older PDF");
    drawSample(dir, 600);
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
        names.push_back(entry.path().filename().string());
    EXPECT_EQ(names, std::vector<std::string>{"sample-600.pdf"});
    EXPECT_EQ(pdfPageCount(dir / "sample-600.pdf"), 1);
}

struct PaperCase {
    QPageSize::PageSizeId program, afterDialog, deviceDefault, printed;
};

class PaperAfterDialog : public ::testing::TestWithParam<PaperCase> {};

TEST_P(PaperAfterDialog, IsTheProgramsUnlessThePersonChoseAnother) {
    const PaperCase c = GetParam();
    EXPECT_EQ(
        paperAfterDialog(QPageSize(c.program), QPageSize(c.afterDialog), QPageSize(c.deviceDefault))
            .id(),
        c.printed);
}

INSTANTIATE_TEST_SUITE_P(
    Papers, PaperAfterDialog,
    ::testing::Values(
        // The dialog loaded the device's default over the program's paper.
        PaperCase{QPageSize::JisB4, QPageSize::A4, QPageSize::A4, QPageSize::JisB4},
        PaperCase{QPageSize::A4, QPageSize::Letter, QPageSize::Letter, QPageSize::A4},
        // Letter, never used here, comes only from a default.
        PaperCase{QPageSize::JisB4, QPageSize::Letter, QPageSize::A4, QPageSize::JisB4},
        // The person's own choice in the dialog's properties.
        PaperCase{QPageSize::JisB4, QPageSize::A3, QPageSize::A4, QPageSize::A3},
        PaperCase{QPageSize::A4, QPageSize::JisB5, QPageSize::Letter, QPageSize::JisB5}));
