// SPDX-License-Identifier: GPL-3.0-or-later
#include "YearTestChooser.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include "Widgets.h"

namespace jitsu {

namespace {

QLineEdit* makeFixedBox(QWidget* window, const char* name, int top) {
    auto* box = new QLineEdit(window);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(24, top, 97, 25);
    box->setFont(windowFont(17));
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::NoFocus);  // no tab stop
    box->hide();
    return box;
}

}  // namespace

YearTestChooser::YearTestChooser(QWidget* window, const YearTestChooserGeometry& geometry)
    : NendoUD(makeYearSpinner(window, "Nendo", "NendoUD")),
      Nendo(NendoUD->findChild<QLineEdit*>(QStringLiteral("Nendo"))),
      KaisuCB(new QComboBox(window)),
      OKButton(new QPushButton(QStringLiteral("ＯＫ"), window)),
      NendoE(makeFixedBox(window, "NendoE", 40)),
      KaisuE(makeFixedBox(window, "KaisuE", 72)) {
    placeUpDown(NendoUD, QRect(24, 40, 81, 25), 15, 17);
    KaisuCB->setObjectName(QStringLiteral("KaisuCB"));
    KaisuCB->setGeometry(24, 72, 97, 25);
    KaisuCB->setFont(windowFont(17));
    KaisuCB->setEditable(false);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setGeometry(geometry.okButton);
    OKButton->setFont(windowFont(geometry.okButtonFontPixels));
    OKButton->setEnabled(false);
    NendoUD->setAccessibleName(QStringLiteral("西暦年度"));
    KaisuCB->setAccessibleName(QStringLiteral("回"));
}

void YearTestChooser::fill(unsigned year, int testCount, const Clock& clock) {
    NendoUD->setValue(static_cast<int>(year));
    fillTestCombo(KaisuCB, testCount, clock);
    OKButton->setEnabled(KaisuCB->currentIndex() >= 0);
}

unsigned YearTestChooser::year() const { return static_cast<unsigned>(NendoUD->value()); }

int YearTestChooser::testNumber() const { return KaisuCB->currentIndex() + 1; }

void YearTestChooser::fix() {
    if (testNumber() == 0) return;
    for (QWidget* chooser : {static_cast<QWidget*>(OKButton), static_cast<QWidget*>(NendoUD),
                             static_cast<QWidget*>(KaisuCB)}) {
        chooser->setEnabled(false);
        chooser->hide();
    }
    NendoE->setText(fixedYearText(NendoUD));
    NendoE->show();
    KaisuE->setText(QStringLiteral("  ") + KaisuCB->currentText());
    KaisuE->show();
    fixed_ = true;
}

}  // namespace jitsu
