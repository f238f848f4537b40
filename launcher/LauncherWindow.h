// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFileSystemWatcher>
#include <array>
#include <filesystem>
#include <optional>
#include <vector>

#include "FolderOverview.h"
#include "FolderScan.h"
#include "HistoryRow.h"
#include "ProgramWindow.h"
#include "QuestionsRow.h"
#include "Services.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTableWidget;

namespace jitsu::launcher {

// 実力テスト: the data folder, what is in it, and one button per program that starts it there.
// The folder is the one named on the command line, else the one chosen last time. The window
// shows at once and reads nothing before its first paint; what the folder holds and the year
// check's findings fill in as they are read.
class LauncherWindow : public ProgramWindow {
    Q_OBJECT
public:
    explicit LauncherWindow(Services& services, QWidget* parent = nullptr);

    // The program was started with -C DIR / --data-dir DIR: that folder (the services' one)
    // replaces the remembered one.
    void dataDirNamed() override;
    // Shows the folder chosen last time; the window always opens.
    bool FormCreate() override;

public slots:
    void FolderButtonClick();
    void ProgramButtonClick(int index);
    void RosterButtonClick();
    void ScoresButtonClick();
    void QuestionsButtonClick();
    void ExportButtonClick();
    void VersionsButtonClick();
    // How the folder's printed pages write the year (0 西暦, 1 和暦): saved in its settings.
    void EraChosen(int index);
    // A finding double-clicked (or Enter on it): starts the program that fixes it, if any.
    void openFixingProgram(const QString& name);
    // The two after their file dialogs: the preview and confirmation, the export itself.
    void importRoster(const QString& source, int grade);
    void importScores(const QString& source, int grade, int test);
    // The marks per question of `subject` (UTF-8) from `source`, or `source` and `answers`.
    void importQuestions(const QString& source, const QString& answers, int grade, int test,
                         const QString& subject);
    void exportResults(const TestFiles& files, const QString& output);
    // After the choice of a file of the folder and one of its versions: asks, then restores.
    void restoreFileVersion(const QString& file, int number);
    // Reads the folder again, off the GUI thread: after a program has saved, and when the window
    // comes back. Nothing before the window's first paint, which reads it anyway.
    void refresh();

protected:
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void setFolder(const QString& folder);
    // Asks which grade and test, among `tests`; nothing when the person cancels.
    std::optional<TestFiles> chooseTest(const std::vector<TestFiles>& tests, const QString& title);
    // Brings the folder's score files in line with edited rosters, then reads it.
    void readFolder();
    void showOverview(const FolderOverview& overview);
    void showFindings(const std::vector<yearfiles::Finding>& findings);

    Services& services_;
    QString folder_;
    QFileSystemWatcher watcher_;
    FolderScan scan_;
    bool painted_ = false;

    // The controls read or changed after start-up, by their objectNames.
    QLineEdit* FolderE;
    QLabel* StatusL;
    QComboBox* EraCB;  // 西暦 or 和暦 on the printed pages
    QTableWidget* FilesSG;
    std::array<QPushButton*, 5> ProgramButtons;
    QListWidget* FindingsL;  // what jitsuryoku check finds in the folder
    QPushButton* RosterButton;
    QPushButton* ScoresButton;
    QPushButton* QuestionsButton;
    QPushButton* ExportButton;
    QPushButton* VersionsButton;
    HistoryRow* History;      // the history sheets and the grade's trend
    QuestionsRow* Questions;  // the analysis per question
};

}  // namespace jitsu::launcher
