#pragma once

#include "Messages.h"

class QWidget;

namespace jitsu {

// Message boxes on QMessageBox (stop → critical, exclamation → warning, question → question
// icon) and the system beep.
class QtMessages : public Messages {
public:
    explicit QtMessages(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }

    MessageAnswer show(std::string_view text, std::string_view title, MessageIcon icon,
                       MessageButtons buttons) override;
    void beep() override;

private:
    QWidget* parent_;
};

}  // namespace jitsu
