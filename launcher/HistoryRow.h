// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <filesystem>

#include "HistoryRun.h"
#include "Services.h"

class QComboBox;
class QLineEdit;
class QPushButton;

namespace jitsu::launcher {

// The launcher's row for the prints across the tests: the grade, the classes and a button each
// for the history sheets and the grade's trend, printed from the folder shown.
class HistoryRow : public QWidget {
    Q_OBJECT
public:
    HistoryRow(Services& services, QWidget* parent);

    void setFolder(const std::filesystem::path& folder) { folder_ = folder; }

    QComboBox* GradeCB;
    QLineEdit* ClassesE;
    QPushButton* HistoryButton;
    QPushButton* TrendButton;

public slots:
    void print(history::HistoryPrint what);

private:
    Services& services_;
    std::filesystem::path folder_;
};

}  // namespace jitsu::launcher
