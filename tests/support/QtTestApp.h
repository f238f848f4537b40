// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <sstream>

#include "Clock.h"
#include "FakeMessages.h"
#include "Services.h"
#include "TempDir.h"
#include "TracePrinter.h"

// The test program's QApplication (made by QtTestMain.cpp).
inline QApplication& testApplication() {
    return *qobject_cast<QApplication*>(QCoreApplication::instance());
}

// The control `name` of a window, as the window's tests reach it; fails the test when missing.
template <typename T>
T* child(const QWidget& window, const char* name) {
    T* found = window.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

// What a window works with in a test: an empty folder, message boxes answered in advance, a
// printer that writes a trace, and 10 April 2026.
struct FakeServices {
    TempDir dir;
    FakeMessages messages;
    std::ostringstream trace;
    jitsu::TracePrinter printer{trace};
    jitsu::FixedClock clock{{2026, 3, 10}};
    jitsu::Services services{dir.path(), messages, printer, clock};
};
