#include "QtCanvas.h"

namespace jitsu {

namespace {

QColor toQColor(Color c) { return QColor(c.r, c.g, c.b); }

// The height of a text's white ground, in ems: what the pages were laid out with (the ascent and
// descent of the face before, 1802 and 401 of its 2048 units), whatever the face's own.
constexpr double kGroundEms = (1802.0 + 401.0) / 2048;

}  // namespace

void QtCanvas::reset() {
    const QPaintDevice* device = painter_.device();
    deviceDpi_ = device->logicalDpiY();
    painter_.resetTransform();
    painter_.scale(device->logicalDpiX() / double(kDotsPerInch), deviceDpi_ / kDotsPerInch);
    painter_.setBackgroundMode(Qt::TransparentMode);
    setFontSize(points_);
}

void QtCanvas::setPenColor(Color c) { pen_ = toQColor(c); }
void QtCanvas::setBrushColor(Color c) { brush_ = toQColor(c); }
void QtCanvas::setFontColor(Color c) { fontColor_ = toQColor(c); }

void QtCanvas::setFontSize(int points) {
    points_ = points;
    QFont font(QString::fromLatin1(kFace));
    // The painter resolves points at the device's resolution and then scales by the transform:
    // this size gives the pixels of the points at 600 dpi after both.
    font.setPointSizeF((points > 0 ? points : 1) * kDotsPerInch / deviceDpi_);
    font.setWeight(bold_ ? QFont::Bold : QFont::Normal);
    painter_.setFont(font);
    em_ = (points > 0 ? points : 1) * kDotsPerInch / 72.0;
}

void QtCanvas::setBold(bool bold) {
    bold_ = bold;
    setFontSize(points_);
}

void QtCanvas::textOut(int x, int y, std::string_view text) {
    const QString utf16 = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    painter_.fillRect(QRectF(x, y, halfEms(text) * em_ / 2, kGroundEms * em_), Qt::white);
    painter_.setPen(fontColor_);
    painter_.drawText(QRect(x, y, 1 << 20, 1 << 20),
                      Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip | Qt::TextSingleLine, utf16);
}

void QtCanvas::moveTo(int x, int y) { position_ = QPoint(x, y); }

void QtCanvas::lineTo(int x, int y) {
    painter_.setPen(QPen(pen_, 1));
    painter_.drawLine(position_, QPoint(x, y));
    position_ = QPoint(x, y);
}

void QtCanvas::rectangle(int x1, int y1, int x2, int y2) {
    painter_.setPen(QPen(pen_, 1));
    painter_.setBrush(brush_);
    painter_.drawRect(QRect(QPoint(x1, y1), QPoint(x2 - 1, y2 - 1)));
    painter_.setBrush(Qt::NoBrush);
}

}  // namespace jitsu
