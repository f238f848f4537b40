#pragma once

#include <QApplication>
#include <gtest/gtest.h>

// A QApplication for the whole test program, made before the first test that needs one.
inline QApplication& testApplication() {
    static int argc = 1;
    static char name[] = "tests";
    static char* argv[] = {name, nullptr};
    static QApplication app(argc, argv);
    return app;
}
