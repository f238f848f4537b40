// SPDX-License-Identifier: GPL-3.0-or-later
#include "QuestionsRow.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "Limits.h"
#include "QuestionReportRun.h"
#include "TestList.h"

namespace jitsu::launcher {

QuestionsRow::QuestionsRow(Services& services, QWidget* parent)
    : QWidget(parent), services_(services) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    GradeCB = new QComboBox(this);
    GradeCB->setObjectName("GradeCB");
    GradeCB->setAccessibleName(QStringLiteral("学年"));
    GradeCB->addItems({QStringLiteral("1年"), QStringLiteral("2年"), QStringLiteral("3年")});
    TestCB = new QComboBox(this);
    TestCB->setObjectName("TestCB");
    TestCB->setAccessibleName(QStringLiteral("テスト"));
    for (int t = 1; t <= kMaxTests; ++t) TestCB->addItem(QString::fromStdString(testLabel(t)));
    SubjectE = new QLineEdit(this);
    SubjectE->setObjectName("SubjectE");
    SubjectE->setAccessibleName(QStringLiteral("科目"));
    SubjectE->setPlaceholderText(QStringLiteral("科目（例 数学）"));
    ClassesE = new QLineEdit(this);
    ClassesE->setObjectName("ClassesE");
    ClassesE->setPlaceholderText(QStringLiteral("全組（例 1,3）"));
    ReportButton = new QPushButton(QStringLiteral("設問別の分析…"), this);
    ReportButton->setObjectName("ReportButton");
    row->addWidget(GradeCB);
    row->addWidget(TestCB);
    row->addWidget(SubjectE, 1);
    row->addWidget(new QLabel(QStringLiteral("組"), this));
    row->addWidget(ClassesE, 1);
    row->addWidget(ReportButton);
    connect(ReportButton, &QPushButton::clicked, this, &QuestionsRow::print);
}

void QuestionsRow::print() {
    const Services inFolder{folder_, services_.messages, services_.printer, services_.clock};
    const questions::QuestionsRequest what{GradeCB->currentIndex() + 1, TestCB->currentIndex() + 1,
                                           SubjectE->text().trimmed().toStdString()};
    questions::printQuestionsFromFolder(inFolder, what, ClassesE->text().toStdString());
}

}  // namespace jitsu::launcher
