// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace jitsu {

struct Color {
    int r = 0, g = 0, b = 0;
    friend bool operator==(const Color&, const Color&) = default;
};
inline constexpr Color kBlack{0, 0, 0};
inline constexpr Color kWhite{255, 255, 255};
inline constexpr Color kGrey{128, 128, 128};
inline constexpr Color kRed{255, 0, 0};

// The drawing surface of a printed page, in dots of a 600 dpi printer (whatever the device's
// own resolution) from the top left corner of the printable area. A text's position is its top
// left corner; texts are drawn on an opaque white background. Font sizes are points. Pages never
// choose a typeface.
class Canvas {
public:
    virtual ~Canvas() = default;
    virtual void setPenColor(Color color) = 0;
    virtual void setBrushColor(Color color) = 0;
    virtual void setFontColor(Color color) = 0;
    virtual void setFontSize(int points) = 0;
    virtual void setBold(bool bold) = 0;
    // `text` is UTF-8.
    virtual void textOut(int x, int y, std::string_view text) = 0;
    virtual void moveTo(int x, int y) = 0;
    // A line from the current position to (x, y), which becomes the current position.
    virtual void lineTo(int x, int y) = 0;
    // Filled with the brush colour and outlined with the pen; (x2, y2) lies just outside.
    virtual void rectangle(int x1, int y1, int x2, int y2) = 0;
};

// The width of a UTF-8 text in the canvas's fixed-width face, in half-ems: one for ASCII and
// half-width kana (U+FF61 … U+FF9F), two for any other character.
int halfEms(std::string_view utf8);

// A canvas that draws nowhere: what a printer draws on once its device could not start.
class DiscardCanvas : public Canvas {
public:
    void setPenColor(Color) override {}
    void setBrushColor(Color) override {}
    void setFontColor(Color) override {}
    void setFontSize(int) override {}
    void setBold(bool) override {}
    void textOut(int, int, std::string_view) override {}
    void moveTo(int, int) override {}
    void lineTo(int, int) override {}
    void rectangle(int, int, int, int) override {}
};

}  // namespace jitsu
