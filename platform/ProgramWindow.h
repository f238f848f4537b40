// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QComboBox>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>
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

    // The button that Enter presses while the focus is in one of the window's combo boxes with
    // its list closed (a combo box has no use for Enter), as a dialog's default button; while
    // it is disabled or hidden, Enter there does nothing. None at first.
    void setDefaultButton(QPushButton* button) { defaultButton_ = button; }

protected:
    // Shown the first time: every window works from the keyboard (prepareForKeyboard), and
    // Enter in its combo boxes presses the default button.
    void showEvent(QShowEvent* event) override {
        if (!preparedForKeyboard_) {
            prepareForKeyboard(this);
            for (QComboBox* box : findChildren<QComboBox*>()) box->installEventFilter(this);
        }
        preparedForKeyboard_ = true;
        QWidget::showEvent(event);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress && qobject_cast<QComboBox*>(watched)) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if ((key == Qt::Key_Return || key == Qt::Key_Enter) && defaultButton_ &&
                defaultButton_->isEnabled() && defaultButton_->isVisible()) {
                defaultButton_->click();
                return true;
            }
        }
        return QWidget::eventFilter(watched, event);
    }

signals:
    // The program must end at once with this exit code.
    void programEnd(int exitCode);

private:
    bool preparedForKeyboard_ = false;
    QPointer<QPushButton> defaultButton_;
};

}  // namespace jitsu
