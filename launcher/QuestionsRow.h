// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <filesystem>

#include "Services.h"

class QComboBox;
class QLineEdit;
class QPushButton;

namespace jitsu::launcher {

// The launcher's row for the analysis per question: the grade, the test, the subject and the
// classes, and a button that prints the report from the folder shown.
class QuestionsRow : public QWidget {
    Q_OBJECT
public:
    QuestionsRow(Services& services, QWidget* parent);

    void setFolder(const std::filesystem::path& folder) { folder_ = folder; }

    QComboBox* GradeCB;
    QComboBox* TestCB;
    QLineEdit* SubjectE;
    QLineEdit* ClassesE;
    QPushButton* ReportButton;

public slots:
    void print();

private:
    Services& services_;
    std::filesystem::path folder_;
};

}  // namespace jitsu::launcher
