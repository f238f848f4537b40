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
class QFrame;
class QLabel;
class QLineEdit;
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
    void ExitButtonClick() { close(); }

private:
    GradeRunRequest requestFor(int grade) const;

    Services& services_;
    BasicData data_;

    // The controls, each with its own name as objectName.
    // Nendo/NendoUD, KaisuCB, OKButton, NendoE, KaisuE.
    YearTestChooser chooser;
    // Label1 … Label3, CheckListBox1 … CheckListBox3, G1Button …, G1DButton ….
    GradeClassLists classLists;
    QPushButton* ExitButton;
    QCheckBox* EikokusuChB;
    QCheckBox* EikokushaChB;
    QCheckBox* EisuriChB;
    QCheckBox* Kyouka5ChB;
    QCheckBox* EikokuChB;
    QCheckBox* EisuChB;
    QCheckBox* KokusuChB;
    QCheckBox* EikokusushaChB;
    QCheckBox* EikokusuriChB;
    // The nine boxes above by combination index (英国数, ５教科, 英数理, …).
    std::array<QCheckBox*, kCombinations> combinationBoxes;
    QLabel* Label8;  // "印刷倍率"
    QLabel* Label5;  // "枠 ："
    QLabel* Label6;  // "文字 ："
    QSpinBox* BairituUD;
    QLineEdit* BairituE;
    QSpinBox* MojiBairituUD;
    QLineEdit* MojiBairituE;
    QLabel* Label4;  // "印刷部数"
    QSpinBox* BusuUD;
    QLineEdit* BusuE;
    QPushButton* PrintButton;
    QFrame* Panel2;
    QCheckBox* PrintCheck;
    QFrame* Panel1;
    QCheckBox* HozonCheck;
};

}  // namespace jitsu::reportcard
