// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Messages.h"

class QWidget;

namespace jitsu {

// Message boxes on QMessageBox (stop → critical, exclamation → warning, question → question
// icon), the detail as the box's informative text, the safe answer on Esc and close, and the
// system beep.
class QtMessages : public Messages {
public:
    explicit QtMessages(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }

    MessageAnswer show(const Message& message) override;
    void beep() override;

private:
    QWidget* parent_;
};

}  // namespace jitsu
