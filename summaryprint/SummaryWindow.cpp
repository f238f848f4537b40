// SPDX-License-Identifier: GPL-3.0-or-later
#include "SummaryWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <algorithm>

#include "HelpWindow.h"
#include "StartUp.h"
#include "Widgets.h"

namespace jitsu::summaryprint {

namespace {

// A ticked check box in the window font of 16 pixels.
QCheckBox* checkBox(QWidget* parent, const char* name, const char* caption, QRect geometry) {
    QCheckBox* box = makeCheckBox(parent, name, caption, geometry, 16);
    box->setChecked(true);
    return box;
}

void bevel(QWidget* parent, const char* name, QPoint position) {
    auto* frame = new QFrame(parent);
    frame->setObjectName(QString::fromLatin1(name));
    frame->setFrameShape(QFrame::VLine);
    frame->setFrameShadow(QFrame::Sunken);
    frame->setGeometry(QRect(position, QSize(2, 113)));
}

}  // namespace

SummaryWindow::SummaryWindow(const Services& services, QWidget* parent)
    : ProgramWindow(parent), services_(services) {
    setObjectName(QStringLiteral("TForm1"));
    setWindowTitle(captionWithVersion(QStringLiteral("  実力テスト　各種集計表印刷")));
    setFont(windowFont(12));
    setFixedSize(780, 172);

    GakkoumeiE = new QLineEdit(this);
    GakkoumeiE->setObjectName(QStringLiteral("GakkoumeiE"));
    GakkoumeiE->setGeometry(20, 20, 140, 23);
    GakkoumeiE->setAccessibleName(QStringLiteral("学校名"));

    // An edit box with its up/down button is one spin box spanning both.
    NendoUD = makeYearSpinner(this, "NendoE", "NendoUD");
    NendoUD->setGeometry(20, 60, 90 + 17, 23);
    NendoUD->setAccessibleName(QStringLiteral("西暦年度"));

    KaisuCB = new QComboBox(this);
    KaisuCB->setObjectName(QStringLiteral("KaisuCB"));
    KaisuCB->setGeometry(20, 100, 107, KaisuCB->sizeHint().height());
    KaisuCB->setAccessibleName(QStringLiteral("回"));

    ClassCB = checkBox(this, "ClassCB", "クラス別一覧", {294, 20, 120, 17});
    G1CB = checkBox(this, "G1CB", "１年", {204, 20, 60, 17});
    G2CB = checkBox(this, "G2CB", "２年", {204, 60, 60, 17});
    G3CB = checkBox(this, "G3CB", "３年", {204, 100, 60, 17});
    JouishaCB = checkBox(this, "JouishaCB", "成績上位者", {294, 60, 120, 17});
    DosuuCB = checkBox(this, "DosuuCB", "クラス別度数分布", {294, 100, 147, 17});

    BairituUD = makeUpDown(this, "BairituE", "BairituUD", kMinLayoutPercent, 200, 100);
    BairituUD->setGeometry(576, 20, 40 + 17, 23);

    JikkouBtn = makeButton(this, "JikkouBtn", "実行", {484, 92, 113, 30}, 15);
    QPushButton* exit = makeButton(this, "ExitBtn", "終了", {621, 92, 113, 30}, 15);
    QPushButton* help = addHelp(this, "summaryprint.md", {621, 134, 113, 26});

    MojiBairituUD = makeUpDown(this, "MojiBairituE", "MojiBairituUD", 30, 200, 100);
    MojiBairituUD->setGeometry(696, 20, 40 + 17, 23);

    makeLabel(this, "Label1", "印刷倍率", {468, 22});
    makeLabel(this, "Label2", "枠 ：", {544, 22});
    makeLabel(this, "Label3", "文字 ：", {649, 22});
    bevel(this, "Bevel1", {184, 16});
    bevel(this, "Bevel2", {448, 16});

    // Column by column, each from the top, as the window reads.
    QWidget* tabOrder[] = {GakkoumeiE, NendoUD, KaisuCB,   G1CB,          G2CB,      G3CB, ClassCB,
                           JouishaCB,  DosuuCB, BairituUD, MojiBairituUD, JikkouBtn, exit, help};
    for (std::size_t i = 1; i < std::size(tabOrder); ++i) setTabOrder(tabOrder[i - 1], tabOrder[i]);

    setDefaultButton(JikkouBtn);
    connect(JikkouBtn, &QPushButton::clicked, this, &SummaryWindow::JikkouBtnClick);
    connect(exit, &QPushButton::clicked, this, &QWidget::close);
    centreOnScreen(this);
}

bool SummaryWindow::FormCreate() {
    if (!openBasicData(services_.dir, data_, services_.messages)) return false;
    GakkoumeiE->setText(QString::fromStdString(data_.schoolName.utf8()));
    NendoUD->setValue(static_cast<int>(data_.year));
    int maxTestCount = 0;
    for (const GradeData& grade : data_.grades)
        maxTestCount = std::max(maxTestCount, grade.tests());
    fillTestCombo(KaisuCB, maxTestCount, services_.clock);
    // Without a chosen test a run would have no test number.
    JikkouBtn->setEnabled(KaisuCB->currentIndex() >= 0);
    return true;
}

SummaryRequest SummaryWindow::request() const {
    SummaryRequest r;
    r.year = static_cast<unsigned>(NendoUD->value());
    r.test = KaisuCB->currentIndex() + 1;
    r.grades = {G1CB->isChecked(), G2CB->isChecked(), G3CB->isChecked()};
    r.classLists = ClassCB->isChecked();
    r.topScorers = JouishaCB->isChecked();
    r.frequencies = DosuuCB->isChecked();
    // The magnifications are the up/down positions, whatever the edit boxes show.
    r.scale = PrintScale{BairituUD->value(), MojiBairituUD->value()};
    return r;
}

void SummaryWindow::JikkouBtnClick() {
    if (KaisuCB->currentIndex() < 0) return;
    // A failure has been told in its box.
    (void)runSummary(services_, data_, request());
}

}  // namespace jitsu::summaryprint
