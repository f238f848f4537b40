#include "OffscreenApplication.h"

#include <QGuiApplication>
#include <cstdlib>

namespace jitsu::cli {

OffscreenApplication::OffscreenApplication() {
    if (QCoreApplication::instance()) return;
    if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY"))
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // Qt keeps references to argc and argv for the application's lifetime.
    static int argc = 1;
    static char name[] = "jitsuryoku";
    static char* argv[] = {name, nullptr};
    app_ = std::make_unique<QGuiApplication>(argc, argv);
}

OffscreenApplication::~OffscreenApplication() = default;

}  // namespace jitsu::cli
