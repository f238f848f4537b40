#pragma once

#include <QFont>
#include <QPainter>

#include "Canvas.h"

namespace jitsu {

// A Canvas on a QPainter: texts at their top left corner on an opaque white background, lines
// one dot wide. The layouts work in dots of a 600 dpi printer; the canvas scales them, the pens
// and the fonts to the device's real resolution, so a page looks the same on every device. The
// face is IPAGothic (fixed-width digits, so "%3d" columns line up), the canvas's default:
// pages never choose one.
class QtCanvas : public Canvas {
public:
    explicit QtCanvas(QPainter& painter) : painter_(painter) {}

    static constexpr int kDotsPerInch = 600;

    // Brings the painter to the canvas's state and scale; called after QPainter::begin.
    void reset();

    void setPenColor(Color c) override;
    void setBrushColor(Color c) override;
    void setFontColor(Color c) override;
    void setFontSize(int points) override;
    void setBold(bool bold) override;
    void textOut(int x, int y, std::string_view text) override;
    void moveTo(int x, int y) override;
    void lineTo(int x, int y) override;
    void rectangle(int x1, int y1, int x2, int y2) override;

private:
    QPainter& painter_;
    QColor pen_ = Qt::black, brush_ = Qt::white, fontColor_ = Qt::black;
    int points_ = 10;
    double deviceDpi_ = kDotsPerInch;
    bool bold_ = false;
    QPoint position_;
};

}  // namespace jitsu
