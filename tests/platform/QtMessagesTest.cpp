// SPDX-License-Identifier: GPL-3.0-or-later
// The real message boxes: Esc and the close button give the question's safe answer.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

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
    // Polls for the box once its exec() runs the event loop, then closes it as the person would.
    QTimer poll;
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible()) return;
        poll.stop();
        if (c.byCloseButton)
            box->close();
        else
            QTest::keyClick(box, Qt::Key_Escape);
    });
    poll.start();
    QtMessages messages;
    EXPECT_EQ(messages.ask("?", "title", MessageIcon::Question, c.buttons, c.safeAnswer),
              c.safeAnswer);
}

INSTANTIATE_TEST_SUITE_P(
    Questions, QtMessagesEscape,
    ::testing::Values(EscapeCase{MessageButtons::YesNo, MessageAnswer::Yes, false},
                      EscapeCase{MessageButtons::YesNo, MessageAnswer::No, false},
                      EscapeCase{MessageButtons::YesNoCancel, MessageAnswer::Cancel, false},
                      EscapeCase{MessageButtons::YesNoCancel, MessageAnswer::Cancel, true}));

}  // namespace
