// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QListWidget>
#include <QStringList>
#include <vector>

namespace jitsu {

// A list of items, each with a tick box: the classes of a grade.
class CheckListBox : public QListWidget {
    Q_OBJECT
public:
    explicit CheckListBox(QWidget* parent = nullptr);

    // Replaces the items, all unticked.
    void setItems(const QStringList& items);
    void setAllChecked(bool checked);
    void setChecked(int index, bool checked);
    bool isChecked(int index) const;
    bool anyChecked() const;
    std::vector<bool> checkedStates() const;
};

}  // namespace jitsu
