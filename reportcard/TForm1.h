#pragma once

#include <QWidget>
#include <array>

#include "BasicData.h"
#include "Combinations.h"
#include "GradeClassLists.h"
#include "GradeRun.h"
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
class TForm1 : public QWidget {
    Q_OBJECT
public:
    explicit TForm1(Services& services, QWidget* parent = nullptr);

    // Reads the basic data file and presets year and test from the clock. False when the file
    // is missing (after its message): the program then ends.
    bool FormCreate();

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

public slots:
    void OKButtonClick();
    void G1ButtonClick() { classLists.selectAll(0); }
    void G2ButtonClick() { classLists.selectAll(1); }
    void G3ButtonClick() { classLists.selectAll(2); }
    void G1DButtonClick() { classLists.clearAll(0); }
    void G2DButtonClick() { classLists.clearAll(1); }
    void G3DButtonClick() { classLists.clearAll(2); }
    void PrintButtonClick();
    void ExitButtonClick() { close(); }

private:
    GradeRunRequest requestFor(int grade) const;

    Services& services_;
    BasicData data_;
};

}  // namespace jitsu::reportcard
