// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <regex>
#include <string>
#include <vector>

#include "CupsQueue.h"
#include "PdfPrinter.h"
#include "PdfText.h"
#include "QtPrinter.h"
#include "QtTestApp.h"
#include "TempDir.h"

using namespace jitsu;

namespace {

struct WordBox {
    std::string text;
    double box[4];  // xMin, yMin, xMax, yMax
};

// The words of a PDF with their boxes in points, as pdftotext -bbox gives them.
std::vector<WordBox> wordBoxes(const std::filesystem::path& pdf) {
    const std::string html = commandOutput("pdftotext -bbox '" + pdf.string() + "' -");
    const std::regex word(
        R"re(xMin="(\S+)" yMin="(\S+)" xMax="(\S+)" yMax="(\S+)">([^<]*)</word>)re");
    std::vector<WordBox> words;
    for (std::sregex_iterator m(html.begin(), html.end(), word), end; m != end; ++m)
        words.push_back({m->str(5),
                         {std::stod(m->str(1)), std::stod(m->str(2)), std::stod(m->str(3)),
                          std::stod(m->str(4))}});
    return words;
}

// Draws two pages into `pdf` at `dotsPerInch` on paper `paper`: titles in three sizes, a rule and a
// boxed figure; then a red box and a range; then a page break. Whether the file was written.
bool drawSample(const std::filesystem::path& pdf, int dotsPerInch = 600,
                PaperSize paper = PaperSize::A4) {
    auto printer = pdfFilePrinter(pdf, {}, dotsPerInch);
    printer->setPageSetup(paper, Orientation::Portrait);
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
    printer->newPage();
    canvas.setBrushColor(kRed);
    canvas.rectangle(830, 500, 1010, 579);
    canvas.setBrushColor(kWhite);
    canvas.textOut(300, 500, "１００～１０１");
    printer->newPage();  // leaves no empty sheet
    return static_cast<bool>(printer->endDoc());
}

}  // namespace

TEST(PdfPrinter, ReplacesThePdfWithJapaneseTextOnTheChosenPaperOneSheetPerPage) {
    testApplication();
    for (const auto& [paper, size] :
         {std::pair{PaperSize::A4, "(A4)"}, std::pair{PaperSize::B4, "729 x 1032 pts"}}) {
        TempDir dir;
        const auto pdf = dir / "out.pdf";
        writeBytes(pdf, "an older PDF");
        ASSERT_TRUE(drawSample(pdf, 600, paper));
        EXPECT_EQ(pdfPageCount(pdf), 2);  // the trailing page break leaves no empty sheet
        const std::string info = commandOutput("pdfinfo '" + pdf.string() + "'");
        EXPECT_NE(info.find(size), std::string::npos) << info;  // JIS B4: 257 × 364 mm
        // The title in the face's own bold weight, the rest in its regular one.
        const std::string fonts = commandOutput("pdffonts '" + pdf.string() + "'");
        for (const char* face : {"BIZUDGothic-Bold", "BIZUDGothic-Regular"})
            EXPECT_NE(fonts.find(face), std::string::npos) << fonts;
        const std::string text = pdfText(pdf);
        for (const char* drawn : {"第２回実力テスト　個人成績票", "１００～１０１"})
            EXPECT_NE(text.find(pdfNormalised(drawn)), std::string::npos) << text;
    }
}

TEST(PdfPrinter, ADocumentWithoutDrawingWritesNoFile) {
    testApplication();
    TempDir dir;
    auto printer = pdfFilePrinter(dir / "empty.pdf");
    ASSERT_TRUE(printer->beginDoc());
    printer->newPage();
    EXPECT_TRUE(printer->endDoc());
    EXPECT_FALSE(std::filesystem::exists(dir / "empty.pdf"));
}

TEST(PdfPrinter, AnUnwritableFileIsReportedAsAFailureWithoutDrawingOnAnInactivePainter) {
    testApplication();
    TempDir dir;
    static int warnings = 0;
    QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& m) {
            warnings += m.contains("Painter not active");
        });
    EXPECT_FALSE(drawSample(dir / "no-such-dir" / "out.pdf"));
    qInstallMessageHandler(previous);
    EXPECT_EQ(warnings, 0);
}

class DeviceResolution : public ::testing::TestWithParam<int> {};

// A page's texts lie where a 600 dpi printer puts them, in the same size, whatever the device's
// resolution: a CUPS printer keeps its own.
TEST_P(DeviceResolution, PutsEveryTextWhereA600DpiPrinterDoes) {
    testApplication();
    TempDir dir;
    ASSERT_TRUE(drawSample(dir / "600.pdf"));
    ASSERT_TRUE(drawSample(dir / "other.pdf", GetParam()));
    const std::vector<WordBox> expected = wordBoxes(dir / "600.pdf");
    const std::vector<WordBox> drawn = wordBoxes(dir / "other.pdf");
    // The words of every text drawn, on both pages: 第２回実力テスト, 個人成績票, 生徒16,
    // 国語＝71, 100, １００～１０１.
    ASSERT_EQ(expected.size(), 6u);
    ASSERT_EQ(drawn.size(), expected.size());
    // The printable area begins on a whole device dot: rounding may move a text by one.
    const double dot = 72.0 / std::min(600, GetParam());
    for (std::size_t i = 0; i < drawn.size(); ++i) {
        EXPECT_EQ(drawn[i].text, expected[i].text);
        for (int k = 0; k < 4; ++k)
            EXPECT_NEAR(drawn[i].box[k], expected[i].box[k], dot) << drawn[i].text << " " << k;
    }
}

INSTANTIATE_TEST_SUITE_P(Dpi, DeviceResolution, ::testing::Values(96, 1200),
                         [](const auto& info) { return std::to_string(info.param); });

// Writes a one-page PDF of what `draw` puts on a canvas set to 12 points, 100 dots an em.
template <class Draw>
void writeOnePage(const std::filesystem::path& pdf, Draw draw) {
    auto printer = pdfFilePrinter(pdf);
    ASSERT_TRUE(printer->beginDoc());
    printer->canvas().setFontSize(12);
    draw(printer->canvas());
    ASSERT_TRUE(printer->endDoc());
}

// Every word lies where the blanks before it put it: half an em for each ASCII blank or
// character, an em for each other, at any gap and after any characters.
TEST(PdfPrinter, PutsTheWordsOfATextWhereItsBlanksPutThem) {
    testApplication();
    TempDir dir;
    const auto pdf = dir / "gaps.pdf";
    ASSERT_NO_FATAL_FAILURE(writeOnePage(pdf, [](Canvas& canvas) {
        canvas.textOut(600, 600, "  95  88        第１回       7/450");
    }));
    const std::vector<WordBox> words = wordBoxes(pdf);
    ASSERT_EQ(words.size(), 4u);
    const std::vector<std::pair<std::string, int>> expected = {
        {"95", 2}, {"88", 6}, {"第１回", 16}, {"7/450", 29}};  // half-ems from the text's left
    for (std::size_t i = 0; i < words.size(); ++i) {
        EXPECT_EQ(words[i].text, expected[i].first);
        // 10 points of margin, 72 points an inch of 600 dots; within a tenth of a character.
        EXPECT_NEAR(words[i].box[0], 10 + (600 + expected[i].second * 50) * 72.0 / 600, 0.6)
            << words[i].text;
    }
}

// A text with a character the face lacks (a byte that was no CP932, say) still prints, from
// another face, where it was put.
TEST(PdfPrinter, DrawsACharacterTheFaceLacksFromAnother) {
    testApplication();
    TempDir dir;
    const auto pdf = dir / "lacking.pdf";
    ASSERT_NO_FATAL_FAILURE(writeOnePage(
        pdf, [](Canvas& canvas) { canvas.textOut(600, 600, "  山田\xEF\xBF\xBD 95"); }));
    const std::vector<WordBox> words = wordBoxes(pdf);
    ASSERT_EQ(words.size(), 2u);
    EXPECT_EQ(words[0].text, "山田\xEF\xBF\xBD");
    EXPECT_EQ(words[1].text, "95");
    EXPECT_NEAR(words[0].box[0], 10 + (600 + 2 * 50) * 72.0 / 600, 0.6);
}

// The colour of every pixel of a PDF's first page rendered at 100 dpi, row by row.
struct Rendered {
    int width = 0, height = 0;
    std::string rgb;
    // The pixel under the dot (x, y) of a page laid out with 10 points of margin.
    Color at(int x, int y) const {
        const auto column = static_cast<int>((x + 10 * 600 / 72.0) / 6);
        const auto row = static_cast<int>((y + 10 * 600 / 72.0) / 6);
        const auto i = static_cast<std::size_t>(3 * (row * width + column));
        return {static_cast<unsigned char>(rgb[i]), static_cast<unsigned char>(rgb[i + 1]),
                static_cast<unsigned char>(rgb[i + 2])};
    }
};

Rendered renderFirstPage(const std::filesystem::path& pdf) {
    const auto image = pdf.parent_path() / "page";
    commandOutput("pdftoppm -r 100 -singlefile -aa no -aaVector no '" + pdf.string() + "' '" +
                  image.string() + "'");
    const std::string ppm = readBytes(image.string() + ".ppm");
    Rendered page;
    int maxValue = 0, headerEnd = 0;
    std::sscanf(ppm.c_str(), "P6 %d %d %d%n", &page.width, &page.height, &maxValue, &headerEnd);
    page.rgb = ppm.substr(static_cast<std::size_t>(headerEnd) + 1);
    EXPECT_EQ(page.rgb.size(), static_cast<std::size_t>(3 * page.width * page.height));
    return page;
}

// A text's white ground hides what was drawn under it (a filled box, another text), and only
// there; the ground of a text on clean paper may be left out, the page looks the same.
TEST(PdfPrinter, ATextHidesWhatLiesUnderItsGroundAndNothingElse) {
    testApplication();
    TempDir dir;
    const auto pdf = dir / "grounds.pdf";
    ASSERT_NO_FATAL_FAILURE(writeOnePage(pdf, [](Canvas& canvas) {
        canvas.setBrushColor(kRed);
        canvas.rectangle(600, 600, 1800, 1200);
        canvas.setBrushColor(kWhite);
        canvas.textOut(600, 600, "      ");  // 300 dots wide, 107 high
        canvas.textOut(2400, 600, "■■■");
        canvas.textOut(2400, 600, "    ");  // over the first two squares
        canvas.textOut(1200, 2000, "■");    // on clean paper
    }));
    const Rendered page = renderFirstPage(pdf);
    ASSERT_GT(page.width, 0);
    const struct {
        const char* what;
        int x, y;
        Color color;
    } pixels[] = {
        {"the box under the blanks", 750, 650, kWhite},
        {"the box beside them", 1200, 650, kRed},
        {"the box below them", 750, 1000, kRed},
        {"the squares under the blanks", 2450, 650, kWhite},
        {"the square beside them", 2650, 650, kBlack},
        {"the square on clean paper", 1250, 2050, kBlack},
    };
    for (const auto& p : pixels) EXPECT_EQ(page.at(p.x, p.y), p.color) << p.what;
}

// The Unix print dialog loads the device's default paper over the program's.
TEST(PaperAfterDialog, IsTheProgramsUnlessThePersonChoseAnother) {
    using P = QPageSize;
    auto printed = [](P::PageSizeId program, P::PageSizeId afterDialog, P::PageSizeId deflt) {
        return paperAfterDialog(P(program), P(afterDialog), P(deflt)).id();
    };
    EXPECT_EQ(printed(P::JisB4, P::A4, P::A4), P::JisB4);
    EXPECT_EQ(printed(P::A4, P::Letter, P::Letter), P::A4);
    // Letter, never used here, comes only from a default.
    EXPECT_EQ(printed(P::JisB4, P::Letter, P::A4), P::JisB4);
    // The person's own choice in the dialog's properties.
    EXPECT_EQ(printed(P::JisB4, P::A3, P::A4), P::A3);
}

// The print dialog's title names the grade and the paper the job was set up with; cancelled,
// the dialog gives no range.
TEST(QtPrinter, TheDialogsTitleNamesTheGradeAndThePaper) {
    QtPrinter printer(nullptr);
    printer.setPageSetup(PaperSize::B4, Orientation::Landscape);
    printer.setDialogGrade(1);
    QString title;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            title = dialog->windowTitle();
            dialog->reject();
        }
    });
    closer.start(10);
    EXPECT_FALSE(printer.printDialog(false));
    EXPECT_EQ(title.toStdString(), "印刷 — ２年 — 用紙 B4 横");
}

// A queue name is handed to lpstat and lp; one that could be read as an option (the server
// option -h above all) or carries blanks or control characters is refused before any command
// runs, with the name in the reason.
TEST(CupsQueue, RefusesNamesThatAreNoQueueNames) {
    for (const std::string& name :
         {std::string("-h127.0.0.1:1"), std::string(""), std::string("a b"), std::string("q\n-hx"),
          std::string("a/b"), std::string("\x1b[2J")}) {
        SCOPED_TRACE(name);
        for (const jitsu::Status& s :
             {jitsu::checkQueueName(name), jitsu::findQueue(name),
              jitsu::queuePdf(name, "%PDF-1.4", jitsu::PaperSize::A4, "title")}) {
            EXPECT_FALSE(s);
            EXPECT_NE(s.reason().find("not a queue name"), std::string::npos) << s.reason();
        }
    }
    for (const char* name : {"default", "Office_B4", "kyoin-shitsu.2"})
        EXPECT_TRUE(jitsu::checkQueueName(name)) << name;
}
