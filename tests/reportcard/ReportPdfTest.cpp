#include <gtest/gtest.h>

#include "PdfText.h"
#include "QtPrinter.h"
#include "QtTestApp.h"
#include "ReportCase.h"
#include "TempDir.h"

using namespace jitsu;

TEST(ReportPdf, PrintsOneA4PageAPageGroupWithTheTitle) {
    testApplication();
    TempDir dir;
    const auto pdf = dir / "reports.pdf";
    ReportCase report(2, 8, 5);  // two pages a class
    report.results->scores[0][0][0] = 70;
    auto printer = QtPrinter::toPdf(pdf);
    ASSERT_TRUE(printReports(report.job(), *printer, report.messages));

    EXPECT_EQ(pdfPageCount(pdf), 4);
    std::string info = commandOutput("pdfinfo '" + pdf.string() + "'");
    EXPECT_NE(info.find("(A4)"), std::string::npos) << info;
    std::string text = pdfText(pdf);
    EXPECT_NE(text.find(pdfNormalised("第２回実力テスト　個人成績票")), std::string::npos) << text;
    EXPECT_NE(text.find("生徒16"), std::string::npos) << text;  // the last student of class 2
}
