// SPDX-License-Identifier: GPL-3.0-or-later
#include "HistoryRow.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace jitsu::launcher {

HistoryRow::HistoryRow(Services& services, QWidget* parent) : QWidget(parent), services_(services) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    GradeCB = new QComboBox(this);
    GradeCB->setObjectName("GradeCB");
    GradeCB->setAccessibleName(QStringLiteral("学年"));
    GradeCB->addItems({QStringLiteral("1年"), QStringLiteral("2年"), QStringLiteral("3年")});
    ClassesE = new QLineEdit(this);
    ClassesE->setObjectName("ClassesE");
    ClassesE->setPlaceholderText(QStringLiteral("全組（例 1,3）"));
    HistoryButton = new QPushButton(QStringLiteral("個人の成績推移…"), this);
    HistoryButton->setObjectName("HistoryButton");
    TrendButton = new QPushButton(QStringLiteral("学年の推移…"), this);
    TrendButton->setObjectName("TrendButton");
    row->addWidget(GradeCB);
    row->addWidget(new QLabel(QStringLiteral("組"), this));
    row->addWidget(ClassesE, 1);
    row->addWidget(HistoryButton);
    row->addWidget(TrendButton);
    connect(HistoryButton, &QPushButton::clicked, this,
            [this] { print(history::HistoryPrint::Sheets); });
    connect(TrendButton, &QPushButton::clicked, this,
            [this] { print(history::HistoryPrint::Trend); });
}

void HistoryRow::print(history::HistoryPrint what) {
    const Services inFolder{folder_, services_.messages, services_.printer, services_.clock};
    history::printFromFolder(inFolder, GradeCB->currentIndex() + 1, ClassesE->text().toStdString(),
                             what);
}

}  // namespace jitsu::launcher
