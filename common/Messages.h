// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace jitsu {

enum class MessageIcon { None, Stop, Exclamation, Question };
enum class MessageButtons { Ok, YesNo, YesNoCancel };
enum class MessageAnswer { Ok, Yes, No, Cancel };

// One message box. Texts are UTF-8.
struct Message {
    std::string_view text;
    std::string_view title;
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;
    // The answer that Esc and the box's close button give: for a question, the one that keeps
    // the person's work. Ok for an OK box.
    MessageAnswer safeAnswer = MessageAnswer::Ok;
    // Why it happened (the file and the cause), shown under the text; empty for none.
    std::string_view detail = {};
};

// Modal message boxes and the system beep; tests answer them in advance.
class Messages {
public:
    virtual ~Messages() = default;
    // Shows the box and returns the button pressed (the safe answer on Esc or close).
    virtual MessageAnswer show(const Message& message) = 0;
    virtual void beep() = 0;

    // An OK box.
    void inform(std::string_view text, std::string_view title, MessageIcon icon,
                std::string_view detail = {}) {
        show(Message{text, title, icon, MessageButtons::Ok, MessageAnswer::Ok, detail});
    }
    // A question; Esc and the close button give `safeAnswer`.
    MessageAnswer ask(std::string_view text, std::string_view title, MessageIcon icon,
                      MessageButtons buttons, MessageAnswer safeAnswer,
                      std::string_view detail = {}) {
        return show(Message{text, title, icon, buttons, safeAnswer, detail});
    }
    // The beep, then an OK box: how the suite announces a file it could not open or write.
    void alert(std::string_view text, std::string_view title, MessageIcon icon,
               std::string_view detail = {}) {
        beep();
        inform(text, title, icon, detail);
    }
};

}  // namespace jitsu
