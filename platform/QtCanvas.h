#pragma once

#include <QFont>
#include <QPainter>

#include "Canvas.h"

namespace jitsu {

// A Canvas on a QPainter: texts at their top left corner on an opaque white background, lines
// one device unit wide, fonts in points of the device. The face is IPAGothic (fixed-width
// digits, so "%3d" columns line up), the canvas's default: pages never choose one.
class QtCanvas : public Canvas {
public:
    explicit QtCanvas(QPainter& painter) : painter_(painter) {}

    // Brings the painter to the canvas's state; called after QPainter::begin.
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
    bool bold_ = false;
    QPoint position_;
};

}  // namespace jitsu
