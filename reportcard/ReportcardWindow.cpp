// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReportcardWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QPushButton>
#include <QSpinBox>

#include "CheckListBox.h"
#include "HelpWindow.h"
#include "ReportPage.h"
#include "StartUp.h"
#include "Widgets.h"

namespace jitsu::reportcard {

namespace {

constexpr const char* kCaption = "実力テスト 個人票 印刷";
constexpr int kEditFontPixels = 17;

// Where each combination's box stands, by combination index.
struct CombinationBox {
    const char* name;
    const char* caption;
    QRect geometry;
};
constexpr CombinationBox kCombinationBoxes[kCombinations] = {
    {"EikokusuChB", "英国数", {420, 40, 81, 17}},
    {"Kyouka5ChB", "５ 教科", {420, 70, 81, 17}},
    {"EisuriChB", "英数理", {620, 40, 81, 17}},
    {"EikokushaChB", "英国社", {520, 40, 81, 17}},
    {"EikokuChB", "英国", {420, 100, 81, 17}},
    {"EisuChB", "英数", {520, 100, 81, 17}},
    {"KokusuChB", "国数", {620, 100, 81, 17}},
    {"EikokusuriChB", "英国数理", {520, 130, 86, 17}},
    {"EikokusushaChB", "英国数社", {420, 130, 86, 17}},
};

// A panel holding one ticked check box at (16, 4), 60 × 17.
QCheckBox* makePanelCheck(QWidget* window, const char* panelName, const char* name,
                          const char* caption, QRect geometry) {
    auto* panel = new QFrame(window);
    panel->setObjectName(QString::fromLatin1(panelName));
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setGeometry(geometry);
    QCheckBox* box = makeCheckBox(panel, name, caption, QRect(16, 4, 60, 17), 0);
    box->setChecked(true);
    return box;
}

QSpinBox* makeSpinner(QWidget* window, const char* editName, const char* upDownName, int min,
                      int max, int value, QRect edit, int buttonWidth) {
    QSpinBox* spin = makeUpDown(window, editName, upDownName, min, max, value);
    placeUpDown(spin, edit, buttonWidth, kEditFontPixels);
    return spin;
}

}  // namespace

ReportcardWindow::ReportcardWindow(Services& services, QWidget* parent)
    : ProgramWindow(parent), services_(services), chooser(this), classLists(this) {
    setObjectName(QStringLiteral("TForm1"));
    setWindowTitle(captionWithVersion(QString::fromUtf8(kCaption)));
    setFont(windowFont(12));
    resize(709, 332);  // the client area of a window whose outer size is 717 × 366 on Windows

    QPushButton* exit = makeButton(this, "ExitButton", "終了", QRect(24, 288, 97, 25));
    addHelp(this, "reportcard.md", QRect(24, 256, 97, 25));

    for (int k = 0; k < kCombinations; ++k) {
        const CombinationBox& box = kCombinationBoxes[k];
        combinationBoxes[k] = makeCheckBox(this, box.name, box.caption, box.geometry, 16);
    }
    combinationBoxes[Eikokusu]->setChecked(true);

    makeLabel(this, "Label8", "印刷倍率", {420, 178}, 13);
    makeLabel(this, "Label5", "枠 ：", {492, 178}, 13);
    BairituUD = makeSpinner(this, "BairituE", "BairituUD", kMinLayoutPercent, 200, 100,
                            QRect(520, 176, 40, 25), 18);
    makeLabel(this, "Label6", "文字 ：", {592, 178}, 13);
    MojiBairituUD = makeSpinner(this, "MojiBairituE", "MojiBairituUD", 50, 200, 100,
                                QRect(632, 176, 40, 25), 15);
    makeLabel(this, "Label4", "印刷部数", {420, 216}, 13);
    BusuUD = makeSpinner(this, "BusuE", "BusuUD", 1, 10, 1, QRect(492, 216, 40, 25), 18);

    PrintButton = makeButton(this, "PrintButton", "実行", QRect(492, 264, 160, 25), 13);
    PrintButton->setEnabled(false);
    PrintCheck = makePanelCheck(this, "Panel2", "PrintCheck", "印刷", QRect(492, 288, 80, 25));
    HozonCheck = makePanelCheck(this, "Panel1", "HozonCheck", "保存", QRect(572, 288, 80, 25));

    setDefaultButton(chooser.OKButton);
    connect(chooser.OKButton, &QPushButton::clicked, this, &ReportcardWindow::OKButtonClick);
    connect(PrintButton, &QPushButton::clicked, this, &ReportcardWindow::PrintButtonClick);
    connect(exit, &QPushButton::clicked, this, &QWidget::close);
}

bool ReportcardWindow::FormCreate() {
    if (!openBasicData(services_.dir, data_, services_.messages)) return false;
    // Grade 1's tests make the list, whatever the other grades hold.
    chooser.fill(data_.year, data_.grades[0].tests(), services_.clock);
    return true;
}

void ReportcardWindow::OKButtonClick() {
    const int test = chooser.testNumber();
    if (test == 0) return;
    chooser.fix();
    classLists.fill(data_);
    PrintButton->setEnabled(true);
    // A later test adds the combinations that the first one leaves out; a box already cleared
    // or ticked by the user stays as it is.
    const CombinationSet first = defaultCombinations(1);
    const CombinationSet chosen = defaultCombinations(test);
    for (int k = 0; k < kCombinations; ++k)
        if (chosen[k] && !first[k]) combinationBoxes[k]->setChecked(true);
}

void ReportcardWindow::PrintButtonClick() {
    if (!chooser.isFixed()) return;
    for (int g = 0; g < kGrades; ++g) {
        if (!classLists.anyChecked(g)) continue;
        // A grade that fails has said so itself; the next grade runs all the same.
        (void)runReports(services_, data_, requestFor(g));
    }
}

ReportsRequest ReportcardWindow::requestFor(int grade) const {
    ReportsRequest request;
    request.results.grade = grade;
    request.results.year = chooser.year();
    request.results.test = chooser.testNumber();
    request.testLabel = chooser.KaisuCB->currentText().toStdString();
    for (int k = 0; k < kCombinations; ++k)
        request.results.combinations[k] = combinationBoxes[k]->isChecked();
    request.save = HozonCheck->isChecked();
    request.print = PrintCheck->isChecked();
    request.scale = PrintScale{BairituUD->value(), MojiBairituUD->value()};
    request.copies = BusuUD->value();
    const std::vector<bool> ticked = classLists.checkedClasses(grade);
    for (std::size_t c = 0; c < ticked.size() && c < request.tickedClasses.size(); ++c)
        request.tickedClasses[c] = ticked[c];
    return request;
}

}  // namespace jitsu::reportcard
