// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "BasicData.h"
#include "CheckListPage.h"
#include "Era.h"
#include "GradeClassLists.h"
#include "ProgramWindow.h"
#include "Services.h"
#include "YearTestChooser.h"

class QLineEdit;
class QPushButton;
class QSpinBox;

namespace jitsu::proofsheet {

// The check list window: the year and test are chosen and fixed with OK, then the classes of
// each grade, the deadline, the place of submission and the magnification, and 印刷 prints the
// check lists grade by grade. The print dialog is the printer service's.
class ProofsheetWindow : public ProgramWindow {
    Q_OBJECT
public:
    explicit ProofsheetWindow(Services& services, QWidget* parent = nullptr);

    // Reads the basic data file and presets year, test and deadline from the clock. False when
    // the file is missing (after its message): the program then ends. Reads the folder's
    // settings too (how the pages print the year): a damaged settings file is warned about and
    // the year printed in 西暦.
    bool FormCreate() override;

public slots:
    void OKButtonClick();
    void PrintButtonClick();

private:
    CheckListRequest requestFor(int grade) const;

    Services& services_;
    BasicData data_;
    Era era_ = Era::Seireki;

    // The controls read or changed after start-up, by their objectNames.
    // Nendo/NendoUD, KaisuCB, OKButton, NendoE, KaisuE.
    YearTestChooser chooser;
    // Label1 … Label3, CheckListBox1 … CheckListBox3, G1Button …, G1DButton ….
    GradeClassLists classLists;
    QSpinBox* MonUD;
    QSpinBox* DayUD;
    QLineEdit* TeishutusakiE;
    QSpinBox* BairituUD;
    QPushButton* PrintButton;
};

}  // namespace jitsu::proofsheet
