// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtMessages.h"

#include <QApplication>
#include <QMessageBox>

#include "Catalogue.h"

namespace jitsu {

namespace {

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QMessageBox::StandardButton toQt(MessageAnswer answer) {
    switch (answer) {
        case MessageAnswer::Yes:
            return QMessageBox::Yes;
        case MessageAnswer::No:
            return QMessageBox::No;
        case MessageAnswer::Cancel:
            return QMessageBox::Cancel;
        case MessageAnswer::Ok:
            break;
    }
    return QMessageBox::Ok;
}

}  // namespace

MessageAnswer QtMessages::show(const Message& message) {
    QMessageBox::Icon qtIcon = QMessageBox::NoIcon;
    switch (message.icon) {
        case MessageIcon::None:
            break;
        case MessageIcon::Stop:
            qtIcon = QMessageBox::Critical;
            break;
        case MessageIcon::Exclamation:
            qtIcon = QMessageBox::Warning;
            break;
        case MessageIcon::Question:
            qtIcon = QMessageBox::Question;
            break;
    }
    QMessageBox::StandardButtons buttons = QMessageBox::Ok;
    if (message.buttons == MessageButtons::YesNo) buttons = QMessageBox::Yes | QMessageBox::No;
    if (message.buttons == MessageButtons::YesNoCancel)
        buttons = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    QMessageBox box(qtIcon, fromUtf8(tr(message.title)), fromUtf8(tr(message.text)), buttons,
                    parent_);
    if (!message.detail.empty()) box.setInformativeText(fromUtf8(message.detail));
    const QMessageBox::StandardButton safe = toQt(message.safeAnswer);
    if (box.button(safe)) box.setEscapeButton(box.button(safe));
    const int answer = box.exec();
    switch (answer) {
        case QMessageBox::Yes:
            return MessageAnswer::Yes;
        case QMessageBox::No:
            return MessageAnswer::No;
        case QMessageBox::Cancel:
            return MessageAnswer::Cancel;
        case QMessageBox::Ok:
            return MessageAnswer::Ok;
        default:
            return message.safeAnswer;
    }
}

void QtMessages::beep() { QApplication::beep(); }

}  // namespace jitsu
