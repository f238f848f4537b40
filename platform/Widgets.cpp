// SPDX-License-Identifier: GPL-3.0-or-later
#include "Widgets.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

#include "Clock.h"
#include "Limits.h"
#include "TestList.h"

namespace jitsu {

QFont windowFont(int pixelSize) {
    QFont font;
    font.setFamilies({QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic")});
    font.setPixelSize(pixelSize);
    return font;
}

QString captionWithVersion(const QString& caption) {
    return caption + QStringLiteral("　　（Ver.") + QStringLiteral(JITSU_VERSION) +
           QStringLiteral("）");
}

QLabel* makeLabel(QWidget* parent, const char* name, const char* caption, QPoint at,
                  int fontPixels) {
    auto* label = new QLabel(QString::fromUtf8(caption), parent);
    label->setObjectName(QString::fromLatin1(name));
    if (fontPixels) label->setFont(windowFont(fontPixels));
    label->move(at);
    label->adjustSize();
    return label;
}

QPushButton* makeButton(QWidget* parent, const char* name, const char* caption, QRect geometry,
                        int fontPixels) {
    auto* button = new QPushButton(QString::fromUtf8(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    if (fontPixels) button->setFont(windowFont(fontPixels));
    button->setGeometry(geometry);
    return button;
}

QCheckBox* makeCheckBox(QWidget* parent, const char* name, const char* caption, QRect geometry,
                        int fontPixels) {
    auto* box = new QCheckBox(QString::fromUtf8(caption), parent);
    box->setObjectName(QString::fromLatin1(name));
    if (fontPixels) box->setFont(windowFont(fontPixels));
    box->setGeometry(geometry);
    return box;
}

QComboBox* makeCombo(QWidget* parent, const char* name, QRect geometry, int fontPixels) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QString::fromLatin1(name));
    combo->setEditable(false);
    if (fontPixels) combo->setFont(windowFont(fontPixels));
    combo->setGeometry(geometry);
    return combo;
}

QLineEdit* makeEdit(QWidget* parent, const char* name, QRect geometry, int maxLength,
                    int fontPixels) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setMaxLength(maxLength);
    if (fontPixels) edit->setFont(windowFont(fontPixels));
    edit->setGeometry(geometry);
    return edit;
}

QLineEdit* makeDisplay(QWidget* parent, const char* name, QRect geometry, int fontPixels) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setReadOnly(true);
    edit->setFocusPolicy(Qt::NoFocus);
    if (fontPixels) edit->setFont(windowFont(fontPixels));
    edit->setGeometry(geometry);
    return edit;
}

QSpinBox* makeUpDown(QWidget* parent, const char* editName, const char* upDownName, int min,
                     int max, int value) {
    auto* spin = new QSpinBox(parent);
    spin->setObjectName(QString::fromLatin1(upDownName));
    if (auto* edit = spin->findChild<QLineEdit*>())
        edit->setObjectName(QString::fromLatin1(editName));
    spin->setRange(min, max);
    spin->setWrapping(false);
    spin->setValue(value);
    return spin;
}

void placeUpDown(QSpinBox* spin, QRect edit, int buttonWidth, int fontPixels) {
    spin->setGeometry(edit.x(), edit.y(), edit.width() + buttonWidth, edit.height());
    spin->setFont(windowFont(fontPixels));
}

QSpinBox* makeYearSpinner(QWidget* parent, const char* editName, const char* upDownName) {
    QSpinBox* spin = makeUpDown(parent, editName, upDownName, kFirstYear, kLastYear, kFirstYear);
    // Digits follow the spinner's locale: fix it, so that a year shows as schools write it.
    spin->setLocale(QLocale(QLocale::Japanese, QLocale::Japan));
    return spin;
}

QString fixedYearText(const QSpinBox* yearSpinner) {
    return QStringLiteral("  ") + yearSpinner->text() + QStringLiteral("年度");
}

void fillTestCombo(QComboBox* combo, int n, const Clock& clock) {
    QSignalBlocker blocker(combo);
    combo->setEditable(false);
    combo->clear();
    for (const std::string& label : testList(n)) combo->addItem(QString::fromStdString(label));
    combo->setCurrentIndex(defaultTestIndex(clock.today().month, n));
}

namespace {

// Moves the controls of a window placed control by control (it has no layout) onto a page that
// scrolls inside it, so that a window the screen cannot hold (150 % on a 1366 × 768 laptop)
// shrinks without cutting off its lower controls. The controls keep their places, names and Tab
// order (they stay in the same window); whichever takes the focus is scrolled into view.
void scrollControls(QWidget* window) {
    if (window->layout()) return;  // a laid-out window shrinks by itself
    auto* page = new QWidget(window);
    page->setObjectName(QStringLiteral("ScrollPage"));
    for (QWidget* control : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (control == page || control->isWindow()) continue;
        const bool shown = !control->isHidden();
        control->setParent(page);
        if (shown) control->show();  // setParent hides
    }
    page->setFixedSize(window->size());
    auto* area = new QScrollArea;
    area->setObjectName(QStringLiteral("ScrollArea"));
    area->setFrameShape(QFrame::NoFrame);
    area->setFocusPolicy(Qt::NoFocus);  // not a stop of its own in the Tab chain
    area->setWidget(page);
    auto* layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(area);
    QObject::connect(qApp, &QApplication::focusChanged, area, [area, page](QWidget*, QWidget* now) {
        if (now && page->isAncestorOf(now)) area->ensureWidgetVisible(now);
    });
}

}  // namespace

void centreOnScreen(QWidget* window) {
    QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect available = screen->availableGeometry();
    // The frame (title bar, borders) is known only once shown: until then, leave room for one.
    const QSize frameExtra =
        window->isVisible() ? window->frameGeometry().size() - window->size() : QSize(16, 40);
    const QSize room = available.size() - frameExtra;
    if (window->width() > room.width() || window->height() > room.height()) {
        QSize size = window->size();
        scrollControls(window);
        // Room for the scroll bar that the cut side brings, so the other side needs none.
        const int bar = window->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, window);
        if (size.height() > room.height()) size.rwidth() += bar;
        if (size.width() > room.width()) size.rheight() += bar;
        window->resize(size.boundedTo(room).expandedTo(window->minimumSize()));
    }
    QRect frame(window->pos(), window->size() + frameExtra);
    frame.moveCenter(available.center());
    window->move(std::max(frame.left(), available.left()), std::max(frame.top(), available.top()));
}

namespace {

// The text of the label that names `control`, or an empty string.
QString labelTextOf(const QWidget* window, const QWidget* control) {
    const QList<QLabel*> labels = window->findChildren<QLabel*>();
    for (const QLabel* label : labels)
        if (label->buddy() == control) return label->text();
    const QRect place(control->mapTo(window, QPoint()), control->size());
    const QLabel* best = nullptr;
    int bestDistance = 0;
    for (const QLabel* label : labels) {
        if (!label->isVisibleTo(window) || label->text().trimmed().isEmpty()) continue;
        const QRect at(label->mapTo(window, QPoint()), label->size());
        const bool sameLine = at.top() < place.bottom() && at.bottom() > place.top() &&
                              at.right() <= place.left() + 4;
        const bool above = at.bottom() <= place.top() + 4 && at.left() < place.right() &&
                           at.right() > place.left() - 16;
        // Left on the line first, then above; the nearest of either.
        const int distance = sameLine ? place.left() - at.right()
                             : above  ? 1000 + place.top() - at.bottom()
                                      : -1;
        if (distance < 0 || distance > (sameLine ? 200 : 1040)) continue;
        if (!best || distance < bestDistance) {
            best = label;
            bestDistance = distance;
        }
    }
    return best ? best->text() : QString();
}

}  // namespace

void prepareForKeyboard(QWidget* window) {
    for (QPushButton* button : window->findChildren<QPushButton*>()) button->setAutoDefault(true);
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (control->focusPolicy() == Qt::NoFocus || !control->accessibleName().isEmpty() ||
            control->focusProxy())
            continue;
        QString name;
        if (auto* button = qobject_cast<QAbstractButton*>(control))
            name = button->text();
        else if (auto* edit = qobject_cast<QLineEdit*>(control);
                 edit && edit->parentWidget() &&
                 qobject_cast<QAbstractSpinBox*>(edit->parentWidget()))
            continue;  // a spinner's own edit field: the spinner carries the name
        if (name.isEmpty()) name = labelTextOf(window, control);
        if (auto* edit = qobject_cast<QLineEdit*>(control); name.isEmpty() && edit)
            name = edit->placeholderText();
        name.remove(QLatin1Char('&'));
        control->setAccessibleName(name.remove(QStringLiteral("：")).trimmed());
    }
}

}  // namespace jitsu
