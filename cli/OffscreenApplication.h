#pragma once

#include <memory>

class QGuiApplication;

namespace jitsu::cli {

// The Qt GUI application that painting a PDF file needs, made for the lifetime of this object
// when the process has none. Without a display (neither DISPLAY nor WAYLAND_DISPLAY set) Qt
// paints offscreen.
class OffscreenApplication {
public:
    OffscreenApplication();
    ~OffscreenApplication();
    OffscreenApplication(const OffscreenApplication&) = delete;
    OffscreenApplication& operator=(const OffscreenApplication&) = delete;

private:
    std::unique_ptr<QGuiApplication> app_;
};

}  // namespace jitsu::cli
