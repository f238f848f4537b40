#include "Widgets.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QSpinBox>

#include "Clock.h"
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
    QSpinBox* spin = makeUpDown(parent, editName, upDownName, 2000, 2100, 2000);
    // The group separator follows the spinner's locale: fix it, so that 2001 shows as 2,001.
    spin->setLocale(QLocale(QLocale::Japanese, QLocale::Japan));
    spin->setGroupSeparatorShown(true);
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

void centreOnScreen(QWidget* window) {
    QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

}  // namespace jitsu
