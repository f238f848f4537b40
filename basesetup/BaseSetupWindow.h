// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string>

#include "EditorTexts.h"
#include "ProgramWindow.h"
#include "SaveQuestions.h"
#include "Services.h"

class QLineEdit;
class QSpinBox;
class QTabWidget;

namespace jitsu {

class GradePage;

// The basic data editor: school and test name, year, and per grade page the classes with their
// head counts, the subjects with their discipline numbers and the full marks of every test.
// The widgets show an EditorTexts, which also keeps the cells cut off by a smaller count. The
// file is loaded by FormCreate and saved when the window closes with anything changed, unless
// the user chooses to end without saving because a text cannot be saved, the file cannot be
// written, or another terminal changed the file since it was read.
class BaseSetupWindow : public ProgramWindow {
    Q_OBJECT
public:
    explicit BaseSetupWindow(Services& services, QWidget* parent = nullptr);

    // Loads the basic data file into the window; a missing file leaves the start contents, with
    // the grids sized to the start counts. False when the file exists but cannot be read (the
    // message was shown with the reason): the program then ends, leaving the file as it is.
    bool FormCreate() override;

    // Saves the file when anything was changed. Returns whether the window may close: true once
    // saved or when nothing changed, or when the user
    // chooses to end without saving; false when the user goes back to correct a text that
    // cannot be saved, to retry a save that failed, or from replacing a file that another
    // terminal changed since it was read (asked first: はい replaces it, いいえ ends without
    // saving, キャンセル and Esc go back).
    bool FormClose();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void showTexts();
    void takeEdits();
    void showProblem(const Problem& problem);

    Services& services_;
    std::filesystem::path path_;
    std::optional<std::string> readText_;  // the file as read; nullopt when there was none
    // What saving the texts as loaded would write; nullopt when there was no file to load.
    std::optional<std::string> loaded_;
    EditorTexts texts_;
    QLineEdit* schoolEdit_;
    QLineEdit* testEdit_;
    QSpinBox* yearUD_;
    QTabWidget* pageControl_;
    std::array<GradePage*, kGrades> pages_;
};

}  // namespace jitsu
