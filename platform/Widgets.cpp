#include "Widgets.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
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
    return caption + QStringLiteral("　　（Ver.") + QStringLiteral(JITSU_VERSION) + QStringLiteral("）");
}

QSpinBox* makeUpDown(QWidget* parent, const char* editName, const char* upDownName, int min,
                     int max, int value) {
    auto* spin = new QSpinBox(parent);
    spin->setObjectName(QString::fromLatin1(upDownName));
    if (auto* edit = spin->findChild<QLineEdit*>()) edit->setObjectName(QString::fromLatin1(editName));
    spin->setRange(min, max);
    spin->setWrapping(false);
    spin->setValue(value);
    return spin;
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
