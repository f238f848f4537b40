#pragma once

#include <QApplication>

// The test program's QApplication (made by QtTestMain.cpp).
inline QApplication& testApplication() {
    return *qobject_cast<QApplication*>(QCoreApplication::instance());
}
