#pragma once

#include "BasicData.h"
#include "ProgramWindow.h"
#include "Services.h"
#include "SummaryRun.h"

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace jitsu::summaryprint {

// The summary tables window: grades, lists, test and magnifications, and 実行.
class SummaryWindow : public ProgramWindow {
    Q_OBJECT
public:
    explicit SummaryWindow(const Services& services, QWidget* parent = nullptr);

    // Reads the basic data file and fills the controls; false when the program must end
    // (the file is missing: beep and message shown).
    bool FormCreate() override;

public slots:
    void JikkouBtnClick();
    void ExitBtnClick();

private:
    // The run the controls describe.
    SummaryRequest request() const;

    const Services& services_;
    BasicData data_;
    int maxTestCount_ = 0;

    // The controls, each with its own name as objectName.
    QLineEdit* GakkoumeiE;
    QSpinBox* NendoUD;
    QLineEdit* NendoE;
    QComboBox* KaisuCB;
    QCheckBox* ClassCB;
    QCheckBox* G1CB;
    QCheckBox* G2CB;
    QCheckBox* G3CB;
    QCheckBox* JouishaCB;
    QCheckBox* DosuuCB;
    QSpinBox* BairituUD;
    QLineEdit* BairituE;
    QPushButton* JikkouBtn;
    QPushButton* ExitBtn;
    QSpinBox* MojiBairituUD;
    QLineEdit* MojiBairituE;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QFrame* Bevel1;
    QFrame* Bevel2;
};

}  // namespace jitsu::summaryprint
