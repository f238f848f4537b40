// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QPoint>
#include <QRect>
#include <QString>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QWidget;

namespace jitsu {

class Clock;

// The windows' font: "ＭＳ Ｐゴシック", with IPAPGothic (metric-compatible) where it is missing.
QFont windowFont(int pixelSize = 12);

// A window caption followed by two ideographic blanks and the version note in full-width
// parentheses.
QString captionWithVersion(const QString& caption);

// A label named `name` showing the UTF-8 `caption` at `at`, sized to its text, in the window
// font of `fontPixels` (0: the parent's font).
QLabel* makeLabel(QWidget* parent, const char* name, const char* caption, QPoint at,
                  int fontPixels = 0);

// A push button named `name` with the UTF-8 `caption`, in the window font of `fontPixels`
// (0: the parent's font).
QPushButton* makeButton(QWidget* parent, const char* name, const char* caption, QRect geometry,
                        int fontPixels = 0);

// A check box named `name` with the UTF-8 `caption`, in the window font of `fontPixels` (0: the
// parent's font).
QCheckBox* makeCheckBox(QWidget* parent, const char* name, const char* caption, QRect geometry,
                        int fontPixels = 0);

// A combo box named `name` that takes no typed text (only an item of its list can be chosen), in
// the window font of `fontPixels` (0: the parent's font).
QComboBox* makeCombo(QWidget* parent, const char* name, QRect geometry, int fontPixels = 0);

// An edit box named `name` that takes at most `maxLength` characters, in the window font of
// `fontPixels` (0: the parent's font).
QLineEdit* makeEdit(QWidget* parent, const char* name, QRect geometry, int maxLength,
                    int fontPixels = 0);

// A read-only edit box named `name` that only shows a value: Tab passes it by.
QLineEdit* makeDisplay(QWidget* parent, const char* name, QRect geometry, int fontPixels = 0);

// An edit box with an up/down button: a QSpinBox named `upDownName` whose edit field is named
// `editName`. It does not wrap at its limits.
QSpinBox* makeUpDown(QWidget* parent, const char* editName, const char* upDownName, int min,
                     int max, int value);

// Places an up/down spinner: its edit box at `edit`, its button `buttonWidth` wide right of it,
// the edit box in the window font of `fontPixels`.
void placeUpDown(QSpinBox* spin, QRect edit, int buttonWidth, int fontPixels);

// The year spinner, kFirstYear to kLastYear, showing the value without a thousands separator
// ("2001") whatever the machine's locale.
QSpinBox* makeYearSpinner(QWidget* parent, const char* editName, const char* upDownName);

// The fixed year as shown after OK: two blanks, the spinner's text and "年度" ("  2001年度").
QString fixedYearText(const QSpinBox* yearSpinner);

// Fills a test combo box with the first n test labels and preselects the default test for the
// clock's month, without raising a change event. The box takes no typed text.
void fillTestCombo(QComboBox* combo, int n, const Clock& clock);

// Centres a top-level window on the screen it is on, shrunk first (down to its minimum size) to
// the screen's available area where it is larger; its top left corner never leaves that area. A
// window without a layout that has to shrink shows its controls on a page that scrolls.
void centreOnScreen(QWidget* window);

// Makes a window usable from the keyboard: Enter presses whichever of its push buttons has the
// focus, and every control that takes the focus gets an accessible name where it has none:
// a button's text, else the text of its label (the label's buddy, else the label just left of
// it on its line, else the one just above it), else its placeholder text.
void prepareForKeyboard(QWidget* window);

}  // namespace jitsu
