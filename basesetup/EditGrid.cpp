// SPDX-License-Identifier: GPL-3.0-or-later
#include "EditGrid.h"

#include <QHeaderView>

namespace jitsu {

namespace {
constexpr int kColumnWidth = 64;
constexpr int kRowHeight = 24;
}  // namespace

EditGrid::EditGrid(QWidget* parent, const char* name, int columns, int rows)
    : QTableWidget(rows, columns, parent) {
    setObjectName(QString::fromLatin1(name));
    horizontalHeader()->hide();
    verticalHeader()->setSectionsClickable(false);  // a label selects nothing
    horizontalHeader()->setDefaultSectionSize(kColumnWidth);
    verticalHeader()->setMinimumSectionSize(kRowHeight);
    verticalHeader()->setDefaultSectionSize(kRowHeight);
    setEditTriggers(QAbstractItemView::AllEditTriggers);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setShowGrid(true);
}

void EditGrid::commitOpenEditor() {
    if (QWidget* editor = indexWidget(currentIndex())) commitData(editor);
}

QString EditGrid::cell(int column, int row) const {
    const QTableWidgetItem* it = item(row, column);
    return it ? it->text() : QString();
}

void EditGrid::setCell(int column, int row, const QString& text) {
    QTableWidgetItem* it = item(row, column);
    if (!it) {
        it = new QTableWidgetItem;
        if (column == 0) {
            it->setFlags(Qt::ItemIsEnabled);
            it->setBackground(palette().button());
        }
        setItem(row, column, it);
        if (column == 0) setVerticalHeaderItem(row, new QTableWidgetItem);
    }
    it->setText(text);
    if (column == 0) verticalHeaderItem(row)->setText(text);
}

}  // namespace jitsu
