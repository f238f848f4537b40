#include "QtMessages.h"

#include <QApplication>
#include <QMessageBox>

namespace jitsu {

namespace {

QString fromUtf8(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

}  // namespace

MessageAnswer QtMessages::show(std::string_view text, std::string_view title, MessageIcon icon,
                               MessageButtons buttons) {
    QMessageBox::Icon qtIcon = QMessageBox::NoIcon;
    switch (icon) {
        case MessageIcon::None: break;
        case MessageIcon::Stop: qtIcon = QMessageBox::Critical; break;
        case MessageIcon::Exclamation: qtIcon = QMessageBox::Warning; break;
        case MessageIcon::Question: qtIcon = QMessageBox::Question; break;
    }
    QMessageBox box(qtIcon, fromUtf8(title), fromUtf8(text),
                    buttons == MessageButtons::Ok ? QMessageBox::Ok : QMessageBox::Yes | QMessageBox::No,
                    parent_);
    int answer = box.exec();
    if (buttons == MessageButtons::Ok) return MessageAnswer::Ok;
    return answer == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}

void QtMessages::beep() { QApplication::beep(); }

}  // namespace jitsu
