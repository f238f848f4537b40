// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

#include "BasicData.h"
#include "Combinations.h"
#include "GradeClassLists.h"
#include "GradeRun.h"
#include "ProgramWindow.h"
#include "Services.h"
#include "YearTestChooser.h"

class QCheckBox;
class QPushButton;
class QSpinBox;

namespace jitsu::reportcard {

// The individual report window: the year and test are chosen and fixed with OK, then the classes
// of each grade, the combinations, saving and printing, the magnifications and the copies; 実行
// runs every grade with a ticked class (statistics, results file, reports). The print dialog is
// the printer service's.
class ReportcardWindow : public ProgramWindow {
    Q_OBJECT
public:
    explicit ReportcardWindow(Services& services, QWidget* parent = nullptr);

    // Reads the basic data file and presets year and test from the clock. False when the file
    // is missing (after its message): the program then ends.
    bool FormCreate() override;

public slots:
    void OKButtonClick();
    void PrintButtonClick();

private:
    ReportsRequest requestFor(int grade) const;

    Services& services_;
    BasicData data_;

    // The controls read or changed after start-up, by their objectNames.
    // Nendo/NendoUD, KaisuCB, OKButton, NendoE, KaisuE.
    YearTestChooser chooser;
    // Label1 … Label3, CheckListBox1 … CheckListBox3, G1Button …, G1DButton ….
    GradeClassLists classLists;
    std::array<QCheckBox*, kCombinations> combinationBoxes;  // by combination index
    QSpinBox* BairituUD;
    QSpinBox* MojiBairituUD;
    QSpinBox* BusuUD;
    QPushButton* PrintButton;
    QCheckBox* PrintCheck;
    QCheckBox* HozonCheck;
};

}  // namespace jitsu::reportcard
