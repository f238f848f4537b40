// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "ProgramWindow.h"
#include "ScoreSession.h"
#include "Services.h"

class QCloseEvent;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace jitsu {

class ScoreGrid;

// The score entry window: the user fixes year, grade and test with OK, then types the scores
// class by class and subject by subject into the two grids, and saves. The working state lives
// in a ScoreSession; the handlers move texts between it and the controls.
class ScoreEntryWindow : public ProgramWindow {
    Q_OBJECT
public:
    explicit ScoreEntryWindow(Services& services, QWidget* parent = nullptr);
    ~ScoreEntryWindow() override;

    const ScoreSession& session() const { return *session_; }

public slots:
    // Reads the basic data file and fills the choice of year, grade and test. False when the
    // file is missing (the message was shown): the program then ends with exit code 0.
    bool FormCreate() override;
    void GakunenCBChange();
    // Loads the chosen grade and test. False when the roster is missing: the message was shown
    // and programEnd(0) emitted. A score file that cannot be read (announced with the reason),
    // or one whose count of values does not fit the basic data and that the user does not open
    // anyway, leaves the choice of year, grade and test as it was.
    bool Button1Click();
    void ClassCBChange();
    void KamokuCBChange();
    void NextClassButtonClick();
    void MaeClassButtonClick();
    void NextKamokuButtonClick();
    void MaeKamokuButtonClick();
    void HozonButtonClick();
    void ExitButtonClick();
    void TenSG1KeyDown(int key);
    void TenSG2KeyDown(int key);

public:
    // Closing: asks whether to save changed scores (はい saves and closes, いいえ closes without
    // saving, キャンセル, Esc and the box's close button keep the window); a save that writes
    // nothing keeps the window.
    void FormClose(QCloseEvent* event);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void switchClass();
    void switchSubject();
    void fillScoreGrids();
    void fillScoreColumn();
    void updateTotals();
    SaveOutcome save();
    void gridKeyDown(int grid, int key);
    void cellEdited();
    void pasteIntoColumn(int grid, int row, const QString& text);
    void focusFirstStudent();
    void focusCurrentCell();  // the cell the cursor is on, else the first student
    std::vector<std::string> shownCellTexts() const;
    ScoreGrid* gridOf(int grid) const;

    Services& services_;
    std::unique_ptr<ScoreSession> session_;
    int testItemCount_ = 0;

    // The controls read or changed after start-up, by their objectNames.
    QSpinBox* NendoUD;
    QComboBox* GakunenCB;
    QComboBox* KaisuCB;
    QPushButton* Button1;
    QComboBox* ClassCB;
    QPushButton* NextClassButton;
    QPushButton* MaeClassButton;
    QComboBox* KamokuCB;
    QPushButton* NextKamokuButton;
    QPushButton* MaeKamokuButton;
    QLineEdit* JukenshaE;
    QLineEdit* SotenE;
    QLineEdit* HeikinE;
    QPushButton* HozonButton;
    QPushButton* ExitButton;
    // The status line: "保存しました（14:05）" after a save, until the next edit; "満点は 100
    // 点です" after a value above the full marks was refused.
    QLabel* SavedLabel;
    QLineEdit* NendoE;
    QLineEdit* KaisuE;
    QLineEdit* GakunenE;
    ScoreGrid* TenSG1;
    ScoreGrid* TenSG2;
};

}  // namespace jitsu
