// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>

class QComboBox;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QWidget;

namespace jitsu {

class Clock;

// Where the chooser's controls differ between the printing windows; the defaults are
// reportcard's, proofsheet's OK button is {24, 120, 97, 33} in the window's font of 12 pixels.
struct YearTestChooserGeometry {
    QRect okButton{24, 120, 97, 25};
    int okButtonFontPixels = 13;
};

// The year and test chooser at the top left of a printing window, made on `window`: the year
// spinner `Nendo`/`NendoUD` (24, 40), the test box `KaisuCB` (24, 72) and `OKButton`; in their
// place once OK has fixed the choice, the read-only `NendoE` and `KaisuE`, hidden until then.
// The window connects OKButton to its own handler and calls fix() from it.
class YearTestChooser {
public:
    explicit YearTestChooser(QWidget* window, const YearTestChooserGeometry& geometry = {});

    QSpinBox* NendoUD;  // its edit field is `Nendo`
    QLineEdit* Nendo;
    QComboBox* KaisuCB;
    QPushButton* OKButton;
    QLineEdit* NendoE;
    QLineEdit* KaisuE;

    // Sets the year spinner to `year`, fills KaisuCB with `testCount` tests and preselects the
    // default test for the clock's month. OK stays disabled while no test is chosen.
    void fill(unsigned year, int testCount, const Clock& clock);

    unsigned year() const;
    // The chosen test, 1 … testCount, or 0 when none is chosen.
    int testNumber() const;

    // Fixes the choice: disables and hides OKButton, Nendo/NendoUD and KaisuCB, and shows
    // NendoE ("  2001年度") and KaisuE ("  第２回"). Does nothing while no test is chosen.
    void fix();
    bool isFixed() const { return fixed_; }

private:
    bool fixed_ = false;
};

}  // namespace jitsu
