// SPDX-License-Identifier: GPL-3.0-or-later
#include "CheckListBox.h"

namespace jitsu {

CheckListBox::CheckListBox(QWidget* parent) : QListWidget(parent) {}

void CheckListBox::setItems(const QStringList& items) {
    clear();
    for (const QString& text : items) {
        auto* item = new QListWidgetItem(text, this);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
        item->setCheckState(Qt::Unchecked);
    }
}

void CheckListBox::setAllChecked(bool checked) {
    for (int i = 0; i < count(); ++i) setChecked(i, checked);
}

void CheckListBox::setChecked(int index, bool checked) {
    if (QListWidgetItem* it = item(index)) it->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
}

bool CheckListBox::isChecked(int index) const {
    const QListWidgetItem* it = item(index);
    return it && it->checkState() == Qt::Checked;
}

bool CheckListBox::anyChecked() const {
    for (int i = 0; i < count(); ++i)
        if (isChecked(i)) return true;
    return false;
}

std::vector<bool> CheckListBox::checkedStates() const {
    std::vector<bool> states;
    for (int i = 0; i < count(); ++i) states.push_back(isChecked(i));
    return states;
}

}  // namespace jitsu
