// The window tests' own main. The application object lives on main's stack, so that it is gone
// before Qt's static objects are destroyed: a QApplication destroyed after them (a function-local
// static) crashes at exit once simulated keys have created Qt's keyboard device.
#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    // Window tests never need a display, also when the tests are only listed at build time.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
