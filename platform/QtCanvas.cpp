// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtCanvas.h"

#include <QFontDatabase>
#include <QGlyphRun>
#include <QVarLengthArray>
#include <algorithm>

namespace jitsu {

namespace {

QColor toQColor(Color c) { return QColor(c.r, c.g, c.b); }

// The height of a text's white ground, in ems: what the pages were laid out with (the ascent and
// descent of the face before, 1802 and 401 of its 2048 units), whatever the face's own.
constexpr double kGroundEms = (1802.0 + 401.0) / 2048;

// How far, in dots, a drawing may reach past its box: the pen's half width past a line's ends
// (square caps) and sides, and a little more.
constexpr double kInkReach = 1;

// The painter works in half dots: the half-width advance of a font an odd number of dots high is
// then a whole number, which Qt's PDF writer writes as "25" where it writes "12.5000000" for
// every character of a text.
constexpr int kUnitsPerDot = 2;

}  // namespace

QPointF QtCanvas::unitsOf(QPointF dots) { return dots * kUnitsPerDot; }
QRectF QtCanvas::unitsOf(const QRectF& dots) {
    return QRectF(unitsOf(dots.topLeft()), dots.size() * kUnitsPerDot);
}

void QtCanvas::reset() {
    const QPaintDevice* device = painter_.device();
    deviceDpi_ = device->logicalDpiY();
    painter_.resetTransform();
    painter_.scale(device->logicalDpiX() / double(kDotsPerInch * kUnitsPerDot),
                   deviceDpi_ / (kDotsPerInch * kUnitsPerDot));
    painter_.setBackgroundMode(Qt::TransparentMode);
    // Qt's PDF engine learns the pen from a change only, and strokes with a hairline of its own
    // until it does: starting from none, the first pen set is a change.
    painter_.setPen(Qt::NoPen);
    inked_.clear();
    run_ = {};
    setFontSize(points_);
}

void QtCanvas::finishSheet() {
    strokeLines();
    drawGlyphs();
    inked_.clear();
}

void QtCanvas::setPenColor(Color c) {
    if (toQColor(c) != pen_) strokeLines();
    pen_ = toQColor(c);
}
void QtCanvas::setBrushColor(Color c) { brush_ = toQColor(c); }
void QtCanvas::setFontColor(Color c) { fontColor_ = toQColor(c); }

void QtCanvas::setFontSize(int points) {
    points_ = points;
    QFont font(QString::fromLatin1(kFace));
    // In whole dots of 600 dpi, as Qt rounds a size in points; the transform scales them.
    font.setPixelSize(qRound((points > 0 ? points : 1) * kDotsPerInch / 72.0) * kUnitsPerDot);
    font.setWeight(bold_ ? QFont::Bold : QFont::Normal);
    painter_.setFont(font);
    rawFont_ = QRawFont::fromFont(font, QFontDatabase::Japanese);
    // The face is fixed-width: an ASCII or half-width kana character advances by one width, any
    // other by the other (the em, at the whole pixel size the painter rounds the font to).
    const QFontMetricsF metrics(font, painter_.device());
    halfAdvance_ = metrics.horizontalAdvance(QLatin1Char(' ')) / kUnitsPerDot;
    em_ = metrics.horizontalAdvance(QChar(0x3000)) / kUnitsPerDot;
    ascent_ = metrics.ascent() / kUnitsPerDot;
    descent_ = metrics.descent() / kUnitsPerDot;
}

void QtCanvas::setBold(bool bold) {
    bold_ = bold;
    setFontSize(points_);
}

double QtCanvas::advance(std::string_view text) const {
    int characters = 0;
    for (char byte : text) characters += (static_cast<unsigned char>(byte) & 0xC0) != 0x80;
    const int halves = halfEms(text);
    return (2 * characters - halves) * halfAdvance_ + (halves - characters) * em_;
}

void QtCanvas::textOut(int x, int y, std::string_view text) {
    strokeLines();
    const double width = advance(text);
    // The ground hides what lies under the text; where nothing does, it is not drawn.
    const DotBox ground{double(x), double(y), x + width, y + kGroundEms * em_};
    if (inked_.meets(ground)) {
        drawGlyphs();
        painter_.fillRect(unitsOf(QRectF(x, y, width, ground.bottom - y)), Qt::white);
    }
    inked_.add(DotBox{ground.left, ground.top, ground.right,
                      std::max(ground.bottom, y + ascent_ + descent_)}
                   .grown(kInkReach));
    const QString characters = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    if (gatherGlyphs(x, y + ascent_, characters)) return;
    drawGlyphs();
    painter_.setPen(fontColor_);
    painter_.drawText(unitsOf(QPointF(x, y + ascent_)), characters);
}

bool QtCanvas::gatherGlyphs(double x, double baseline, const QString& text) {
    const int count = static_cast<int>(text.size());
    QVarLengthArray<quint32, 64> glyphs(count);
    int found = count;
    if (!rawFont_.glyphIndexesForChars(text.constData(), count, glyphs.data(), &found) ||
        found != count || std::find(glyphs.begin(), glyphs.end(), 0u) != glyphs.end())
        return false;
    QVarLengthArray<QPointF, 64> advances(count);
    if (!rawFont_.advancesForGlyphIndexes(glyphs.data(), advances.data(), count)) return false;
    if (!run_.glyphs.isEmpty() && (run_.font != rawFont_ || run_.color != fontColor_)) drawGlyphs();
    run_.font = rawFont_;
    run_.color = fontColor_;
    QPointF origin = unitsOf(QPointF(x, baseline));
    for (int i = 0; i < count; ++i) {
        // A blank only moves the next character.
        if (text[i] != QLatin1Char(' ') && text[i] != QChar(0x3000)) {
            run_.glyphs.append(glyphs[i]);
            run_.positions.append(origin);
        }
        origin.rx() += advances[i].x();
    }
    return true;
}

void QtCanvas::drawGlyphs() {
    if (run_.glyphs.isEmpty()) return;
    QGlyphRun glyphs;
    glyphs.setRawFont(run_.font);
    glyphs.setGlyphIndexes(run_.glyphs);
    glyphs.setPositions(run_.positions);
    painter_.setPen(run_.color);
    painter_.drawGlyphRun(QPointF(0, 0), glyphs);
    run_.glyphs.clear();
    run_.positions.clear();
}

void QtCanvas::moveTo(int x, int y) { position_ = QPoint(x, y); }

void QtCanvas::lineTo(int x, int y) {
    drawGlyphs();
    // Lines go in one stroke a pen: one drawing operation rather than one a line.
    if (lines_.isEmpty() || lines_.currentPosition() != unitsOf(position_))
        lines_.moveTo(unitsOf(position_));
    lines_.lineTo(unitsOf(QPointF(x, y)));
    inked_.add(DotBox{double(std::min(x, position_.x())), double(std::min(y, position_.y())),
                      double(std::max(x, position_.x())), double(std::max(y, position_.y()))}
                   .grown(kInkReach));
    position_ = QPoint(x, y);
}

void QtCanvas::strokeLines() {
    if (lines_.isEmpty()) return;
    painter_.setPen(QPen(pen_, kUnitsPerDot));
    painter_.drawPath(lines_);
    lines_.clear();
}

void QtCanvas::rectangle(int x1, int y1, int x2, int y2) {
    strokeLines();
    drawGlyphs();
    painter_.setPen(QPen(pen_, kUnitsPerDot));
    painter_.setBrush(brush_);
    painter_.drawRect(unitsOf(QRectF(x1, y1, x2 - x1, y2 - y1)));
    painter_.setBrush(Qt::NoBrush);
    // The outline, and the inside unless it is white.
    const DotBox box{double(x1), double(y1), double(x2), double(y2)};
    if (brush_ != Qt::white) {
        inked_.add(box.grown(kInkReach));
        return;
    }
    inked_.add(DotBox{box.left, box.top, box.right, box.top}.grown(kInkReach));
    inked_.add(DotBox{box.left, box.bottom, box.right, box.bottom}.grown(kInkReach));
    inked_.add(DotBox{box.left, box.top, box.left, box.bottom}.grown(kInkReach));
    inked_.add(DotBox{box.right, box.top, box.right, box.bottom}.grown(kInkReach));
}

}  // namespace jitsu
