// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include "Widgets.h"

namespace jitsu {

// The main window of one of the suite's programs, as runProgram starts it: made with the
// services, told whether the folder was named on the command line, then FormCreate.
class ProgramWindow : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

    // Reads the data the window starts with. False when the program must end at once with exit
    // code 0 (the reason has been shown).
    virtual bool FormCreate() = 0;

    // The program was started with -C DIR / --data-dir DIR, before FormCreate. The windows work
    // in the services' folder anyway; one that remembers a folder of its own replaces it here.
    virtual void dataDirNamed() {}

protected:
    // Shown the first time: every window works from the keyboard (prepareForKeyboard).
    void showEvent(QShowEvent* event) override {
        if (!preparedForKeyboard_) prepareForKeyboard(this);
        preparedForKeyboard_ = true;
        QWidget::showEvent(event);
    }

signals:
    // The program must end at once with this exit code.
    void programEnd(int exitCode);

private:
    bool preparedForKeyboard_ = false;
};

}  // namespace jitsu
