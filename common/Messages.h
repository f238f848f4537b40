#pragma once

#include <string_view>

namespace jitsu {

enum class MessageIcon { None, Stop, Exclamation, Question };
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

// Modal message boxes and the system beep; tests answer them in advance.
class Messages {
public:
    virtual ~Messages() = default;
    // `text` and `title` are UTF-8. Returns the button pressed.
    virtual MessageAnswer show(std::string_view text, std::string_view title, MessageIcon icon,
                               MessageButtons buttons) = 0;
    virtual void beep() = 0;

    // The beep, then an OK box: how the suite announces a file it could not open or write.
    void alert(std::string_view text, std::string_view title, MessageIcon icon) {
        beep();
        show(text, title, icon, MessageButtons::Ok);
    }
};

}  // namespace jitsu
