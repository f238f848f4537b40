// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QList>
#include <QPainter>
#include <QPainterPath>
#include <QRawFont>

#include "Canvas.h"
#include "InkedAreas.h"

namespace jitsu {

// A Canvas on a QPainter: texts at their top left corner on a white ground, lines one dot wide.
// The layouts work in dots of a 600 dpi printer; the canvas scales them, the pens
// and the fonts to the device's real resolution, so a page looks the same on every device. The
// face, the canvas's own (pages never choose one), is BIZ UDGothic: fixed-width, every CP932
// character in it, each half-width one exactly half a full-width one (so "%3d" columns line up),
// and a real bold weight, drawn once where a synthesised bold is drawn twice. The characters of
// the texts drawn one after another in one font and colour go to the painter as one glyph run,
// blanks left out: a PDF then holds one text object where it held one a text, and no blanks.
class QtCanvas : public Canvas {
public:
    explicit QtCanvas(QPainter& painter) : painter_(painter) {}

    static constexpr int kDotsPerInch = 600;
    static constexpr const char* kFace = "BIZ UDGothic";

    // Brings the painter to the canvas's state and scale; called after QPainter::begin.
    void reset();
    // Draws what is still gathered and starts a clean sheet; called before the page ends.
    void finishSheet();

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
    // Dots in the painter's units.
    static QPointF unitsOf(QPointF dots);
    static QRectF unitsOf(const QRectF& dots);
    // The width of a UTF-8 text in the font set, in dots.
    double advance(std::string_view text) const;
    // Draws the lines gathered since the last other drawing, which go in one stroke a pen.
    void strokeLines();
    // Adds the characters of a text at (x, baseline) to the glyph run; false, adding nothing,
    // when the face lacks one of them (the painter then finds it in another face).
    bool gatherGlyphs(double x, double baseline, const QString& text);
    // Draws the glyph run gathered since the last other drawing.
    void drawGlyphs();

    QPainter& painter_;
    QColor pen_ = Qt::black, brush_ = Qt::white, fontColor_ = Qt::black;
    int points_ = 10;
    double deviceDpi_ = kDotsPerInch;
    double em_ = 0, halfAdvance_ = 0, ascent_ = 0, descent_ = 0;  // of the font set, in dots
    QPainterPath lines_;
    QRawFont rawFont_;  // the font set, for its glyphs and their advances
    struct GlyphRun {
        QRawFont font;
        QColor color;
        QList<quint32> glyphs;
        QList<QPointF> positions;  // of each glyph's origin on its baseline, in painter units
    } run_;
    InkedAreas inked_;
    bool bold_ = false;
    QPoint position_;
};

}  // namespace jitsu
