#include <gtest/gtest.h>

#include "PdfText.h"
#include "QtPrinter.h"
#include "QtTestApp.h"
#include "ReportRun.h"

using namespace jitsu;

TEST(ReportPdf, PrintsOneA4PageAPageGroupWithTheTitle) {
    testApplication();
    ReportRun r({{2, 2, 2}, 8, 8});  // two pages a class
    const auto pdf = r.year.path() / "reports.pdf";
    auto printer = QtPrinter::toPdf(pdf);
    Services services{r.year.path(), r.messages, *printer, r.clock};
    ASSERT_TRUE(gradeRun(r.year.data, r.request, services));

    EXPECT_EQ(pdfPageCount(pdf), 4);
    std::string info = commandOutput("pdfinfo '" + pdf.string() + "'");
    EXPECT_NE(info.find("(A4)"), std::string::npos) << info;
    std::string text = pdfText(pdf);
    EXPECT_NE(text.find(pdfNormalised("第２回実力テスト　個人成績票")), std::string::npos) << text;
    EXPECT_NE(text.find("２ＨＲ 8 番"), std::string::npos) << text;
}
