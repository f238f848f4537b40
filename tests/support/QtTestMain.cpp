// SPDX-License-Identifier: GPL-3.0-or-later
// The main function of the test programs that drive widgets: the QApplication lives on main's
// stack, so that it is destroyed before the statics that Qt Test makes for simulated keys.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

int main(int argc, char** argv) {
    // Windows are tested offscreen, also when ctest lists the tests at build time.
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
