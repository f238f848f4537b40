// The real message boxes: Esc and the close button give the question's safe answer.
#include <gtest/gtest.h>

#include "ModalBox.h"
#include "QtMessages.h"

using namespace jitsu;

namespace {

struct EscapeCase {
    MessageButtons buttons;
    MessageAnswer safeAnswer;
    bool byCloseButton;  // else by Esc
};

class QtMessagesEscape : public ::testing::TestWithParam<EscapeCase> {};

TEST_P(QtMessagesEscape, GivesTheSafeAnswer) {
    const EscapeCase& c = GetParam();
    if (c.byCloseButton)
        onNextModalBox([](QMessageBox* box) { box->close(); });
    else
        pressOnNextModalBox(Qt::Key_Escape);
    QtMessages messages;
    EXPECT_EQ(messages.ask("?", "title", MessageIcon::Question, c.buttons, c.safeAnswer),
              c.safeAnswer);
}

INSTANTIATE_TEST_SUITE_P(
    Questions, QtMessagesEscape,
    ::testing::Values(EscapeCase{MessageButtons::YesNo, MessageAnswer::Yes, false},
                      EscapeCase{MessageButtons::YesNo, MessageAnswer::Yes, true},
                      EscapeCase{MessageButtons::YesNo, MessageAnswer::No, false},
                      EscapeCase{MessageButtons::YesNoCancel, MessageAnswer::Cancel, false},
                      EscapeCase{MessageButtons::YesNoCancel, MessageAnswer::Cancel, true}));

}  // namespace
