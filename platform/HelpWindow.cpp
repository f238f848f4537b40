// SPDX-License-Identifier: GPL-3.0-or-later
#include "HelpWindow.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QUrl>

#include "Widgets.h"

namespace jitsu {

QString guideFolder() {
    const QString installed =
        QCoreApplication::applicationDirPath() + QStringLiteral("/../share/help/ja/jitsuryoku");
    if (QFileInfo::exists(installed + QStringLiteral("/index.md")))
        return QFileInfo(installed).canonicalFilePath();
    return QStringLiteral(JITSU_GUIDE_DIR);
}

HelpWindow::HelpWindow() {
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QStringLiteral("実力テスト ヘルプ"));
    setFont(windowFont(15));
    setOpenExternalLinks(true);
    setSearchPaths({guideFolder()});
    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(close, &QShortcut::activated, this, &QWidget::close);
    resize(720, 640);
}

HelpWindow& HelpWindow::instance() {
    static QPointer<HelpWindow> window;
    if (!window) {
        window = new HelpWindow;
        window->setAttribute(Qt::WA_DeleteOnClose);
    }
    return *window;
}

void HelpWindow::showPage(const QString& page) {
    const QString file = guideFolder() + QLatin1Char('/') + page;
    if (QFileInfo::exists(file))
        setSource(QUrl::fromLocalFile(file), QTextDocument::MarkdownResource);
    else
        setPlainText(QStringLiteral("ヘルプのファイルが見つかりません：%1\n"
                                    "実力テストを入れ直してください。")
                         .arg(file));
    if (!isVisible()) {
        // At the right edge of the screen, so that the program's window stays in sight.
        centreOnScreen(this);
        move(screen()->availableGeometry().right() + 1 - width(), y());
        show();
    }
    raise();
    activateWindow();
}

QPushButton* addHelp(QWidget* window, const char* page, QRect place) {
    const QString name = QString::fromLatin1(page);
    auto* f1 = new QShortcut(QKeySequence::HelpContents, window);
    QObject::connect(f1, &QShortcut::activated, window,
                     [name] { HelpWindow::instance().showPage(name); });
    auto* button = new QPushButton(QStringLiteral("ヘルプ"), window);
    button->setObjectName(QStringLiteral("HelpButton"));
    button->setToolTip(QStringLiteral("この画面の使い方（F1）"));
    if (!place.isEmpty()) button->setGeometry(place);
    QObject::connect(button, &QPushButton::clicked, window,
                     [name] { HelpWindow::instance().showPage(name); });
    return button;
}

}  // namespace jitsu
