// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "BasicData.h"
#include "ProgramWindow.h"
#include "Services.h"
#include "SummaryRun.h"

class QCheckBox;
class QComboBox;
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

private:
    // The run the controls describe.
    SummaryRequest request() const;

    const Services& services_;
    BasicData data_;

    // The controls read or changed after start-up, by their objectNames.
    QLineEdit* GakkoumeiE;
    QSpinBox* NendoUD;
    QComboBox* KaisuCB;
    QCheckBox* ClassCB;
    QCheckBox* G1CB;
    QCheckBox* G2CB;
    QCheckBox* G3CB;
    QCheckBox* JouishaCB;
    QCheckBox* DosuuCB;
    QSpinBox* BairituUD;
    QPushButton* JikkouBtn;
    QSpinBox* MojiBairituUD;
};

}  // namespace jitsu::summaryprint
