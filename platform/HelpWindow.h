// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QString>
#include <QTextBrowser>

class QPushButton;
class QWidget;

namespace jitsu {

// The teachers' guide (docs/guide, Markdown that the browser renders itself) in a window of its
// own beside the program's: its links lead from page to page, Esc closes it. One per process;
// asking for another page shows that page in it.
class HelpWindow : public QTextBrowser {
    Q_OBJECT
public:
    // The help window, made when it is not open.
    static HelpWindow& instance();
    // Shows `page` ("scoreentry.md") and brings the window to the front. A guide that is not
    // installed is said in the window itself, with the folder looked in.
    void showPage(const QString& page);

private:
    HelpWindow();
};

// Where the guide is read from: beside an installed program (BIN/../share/help/ja/jitsuryoku),
// else the source tree's docs/guide (a program run from the build tree).
QString guideFolder();

// Gives `window` its help: F1 anywhere in it, and a ヘルプ button at `place` (in the window's
// coordinates; an empty `place` makes no button, for a window whose layout places it), both
// showing the guide's `page`. Returns the button.
QPushButton* addHelp(QWidget* window, const char* page, QRect place);

}  // namespace jitsu
