// SPDX-License-Identifier: GPL-3.0-or-later
// Every window of the suite, as it opens on the test's screen: inside the screen, and usable with
// Tab alone. Run once per screen (CMakeLists.txt); the screen comes from the environment.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>
#include <functional>
#include <memory>
#include <set>

#include "BaseSetupWindow.h"
#include "HelpWindow.h"
#include "LauncherWindow.h"
#include "ProofsheetWindow.h"
#include "QtTestApp.h"
#include "ReportcardWindow.h"
#include "ScoreEntryWindow.h"
#include "SummaryWindow.h"
#include "TestYear.h"
#include "Widgets.h"

using namespace jitsu;

namespace {

struct WindowCase {
    const char* name;
    std::function<std::unique_ptr<ProgramWindow>(Services&)> make;
    const char* okButton;       // pressed to reach the window's second step; nullptr when none
    const char* defaultButton;  // what Enter in a combo box presses; nullptr when none
    const char* helpPage;       // the guide's page that F1 and ヘルプ open
};

template <typename W>
std::function<std::unique_ptr<ProgramWindow>(Services&)> maker() {
    return [](Services& services) { return std::make_unique<W>(services); };
}

const WindowCase kWindows[] = {
    {"launcher", maker<launcher::LauncherWindow>(), nullptr, nullptr, "launcher.md"},
    {"basesetup", maker<BaseSetupWindow>(), nullptr, nullptr, "basesetup.md"},
    {"scoreentry", maker<ScoreEntryWindow>(), "Button1", "Button1", "scoreentry.md"},
    {"proofsheet", maker<proofsheet::ProofsheetWindow>(), "OKButton", "OKButton", "proofsheet.md"},
    {"reportcard", maker<reportcard::ReportcardWindow>(), "OKButton", "OKButton", "reportcard.md"},
    {"summaryprint", maker<summaryprint::SummaryWindow>(), nullptr, "JikkouBtn", "summaryprint.md"},
};

// The control of the Tab chain that holds `w`: a grid for its cell editor, a spinner for its
// edit field.
const QWidget* stopOf(const QWidget* w, const QWidget* window) {
    const QWidget* stop = w;
    for (const QWidget* p = w; p && p != window; p = p->parentWidget())
        if (p->focusProxy() == nullptr && (p->focusPolicy() & Qt::TabFocus)) stop = p;
    return stop;
}

class WindowsOnScreen : public ::testing::TestWithParam<WindowCase> {
protected:
    WindowsOnScreen() {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           QString::fromStdString(settings.path().string()));
        QCoreApplication::setOrganizationName("jitsuryoku-test");
    }

    // Walks the window with Tab from where the focus is, once round; the stops reached. Each
    // stop can be seen when it has the focus: whole where the window can hold it, else in part.
    std::set<const QWidget*> walkWithTab(QWidget& window) {
        std::set<const QWidget*> reached;
        for (int i = 0; i < 200; ++i) {
            QWidget* focus = QApplication::focusWidget();
            if (!focus) break;
            const QWidget* stop = stopOf(focus, &window);
            if (!reached.insert(stop).second && i > 0) break;
            const QRect seen = stop->visibleRegion().boundingRect();
            const bool fits = stop->width() <= window.width() && stop->height() <= window.height();
            EXPECT_TRUE(fits ? seen == stop->rect() : !seen.isEmpty())
                << stop->objectName().toStdString() << " has the focus but is cut off";
            QTest::keyClick(focus, Qt::Key_Tab);
            QCoreApplication::processEvents();
        }
        return reached;
    }

    // No control placed on the window covers another; neighbours may share their border line.
    void checkNothingOverlaps(QWidget& window) {
        QList<QWidget*> shown;
        for (QWidget* w : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (w->isVisible() && !w->isWindow()) shown << w;
        for (qsizetype i = 0; i < shown.size(); ++i)
            for (qsizetype j = i + 1; j < shown.size(); ++j)
                EXPECT_FALSE(shown[i]
                                 ->geometry()
                                 .adjusted(0, 0, -1, -1)
                                 .intersects(shown[j]->geometry().adjusted(0, 0, -1, -1)))
                    << shown[i]->objectName().toStdString() << " covers "
                    << shown[j]->objectName().toStdString();
    }

    void checkEveryButtonReachedAndNamed(QWidget& window, const char* step) {
        const std::set<const QWidget*> reached = walkWithTab(window);
        for (const QPushButton* button : window.findChildren<QPushButton*>()) {
            if (!button->isVisible() || !button->isEnabled()) continue;
            EXPECT_TRUE(reached.count(button))
                << step << ": Tab never reaches " << button->text().toStdString();
            EXPECT_TRUE(button->autoDefault())  // Enter presses it once it has the focus
                << step << ": Enter does not press " << button->text().toStdString();
        }
        for (const QWidget* stop : reached)
            EXPECT_FALSE(stop->accessibleName().isEmpty())
                << step << ": " << stop->metaObject()->className() << " "
                << stop->objectName().toStdString() << " has no accessible name";
    }

    TestYear year;
    TempDir settings;
    FakeMessages messages;
    std::ostringstream trace;
    TracePrinter printer{trace};
    FixedClock clock{{2026, 6, 10}};
    Services services{year.path(), messages, printer, clock};
};

TEST_P(WindowsOnScreen, OpensInsideTheScreenAndTabReachesEveryButton) {
    std::unique_ptr<ProgramWindow> window = GetParam().make(services);
    window->dataDirNamed();
    ASSERT_TRUE(window->FormCreate());
    centreOnScreen(window.get());
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    // The launcher reads its folder once it has painted; its buttons wake up then.
    auto* launcherButton = window->findChild<QPushButton*>("basesetupButton");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !launcherButton || launcherButton->isEnabled(); }));
    centreOnScreen(window.get());  // as the window manager would once the frame is known

    const QRect screen = window->screen()->availableGeometry();
    EXPECT_TRUE(screen.contains(window->frameGeometry()))
        << "window " << window->frameGeometry().x() << "," << window->frameGeometry().y() << " "
        << window->frameGeometry().width() << "x" << window->frameGeometry().height()
        << " on a screen of " << screen.width() << "x" << screen.height();

    if (!QApplication::focusWidget()) QTest::keyClick(window.get(), Qt::Key_Tab);
    checkEveryButtonReachedAndNamed(*window, "opened");
    if (const char* ok = GetParam().okButton) {
        child<QPushButton>(*window, ok)->click();
        QCoreApplication::processEvents();
        EXPECT_FALSE(QApplication::focusWidget() &&
                     QApplication::focusWidget()->objectName().contains("Exit"))
            << "after ＯＫ the focus is on 終了";
        if (!QApplication::focusWidget()) QTest::keyClick(window.get(), Qt::Key_Tab);
        checkEveryButtonReachedAndNamed(*window, "after ＯＫ");
    }
    messages.answers.assign(10, MessageAnswer::No);  // closing saves nothing
    window->close();
}

// Enter in each combo box of the window, its list closed, presses the default button once;
// each combo box in a window of its own, as the button moves the window on.
TEST_P(WindowsOnScreen, EnterInAComboBoxPressesTheDefaultButton) {
    const char* name = GetParam().defaultButton;
    if (!name) GTEST_SKIP() << "no default button";
    QStringList boxes;
    {
        std::unique_ptr<ProgramWindow> window = GetParam().make(services);
        ASSERT_TRUE(window->FormCreate());
        for (const QComboBox* box : window->findChildren<QComboBox*>())
            if (box->isVisibleTo(window.get()) && box->isEnabled()) boxes << box->objectName();
    }
    ASSERT_FALSE(boxes.isEmpty());
    for (const QString& boxName : boxes) {
        std::unique_ptr<ProgramWindow> window = GetParam().make(services);
        ASSERT_TRUE(window->FormCreate());
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        auto* box = child<QComboBox>(*window, boxName.toUtf8().constData());
        box->setFocus();
        QSignalSpy pressed(child<QPushButton>(*window, name), &QPushButton::clicked);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCoreApplication::processEvents();
        EXPECT_EQ(pressed.count(), 1) << boxName.toStdString();
        messages.answers.assign(10, MessageAnswer::No);
        window->close();
    }
}

// F1 and the ヘルプ button each show the window's page of the guide in the help window; the
// ヘルプ button covers no other control.
TEST_P(WindowsOnScreen, F1AndHelpShowTheWindowsPage) {
    std::unique_ptr<ProgramWindow> window = GetParam().make(services);
    ASSERT_TRUE(window->FormCreate());
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    checkNothingOverlaps(*window);
    for (bool f1 : {true, false}) {
        if (f1)
            QTest::keyClick(window.get(), Qt::Key_F1);
        else
            child<QPushButton>(*window, "HelpButton")->click();
        HelpWindow& help = HelpWindow::instance();
        EXPECT_TRUE(help.isVisible());
        EXPECT_EQ(help.source().fileName().toStdString(), GetParam().helpPage);
        EXPECT_FALSE(help.toPlainText().isEmpty());
        help.close();
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    messages.answers.assign(10, MessageAnswer::No);
    window->close();
}

INSTANTIATE_TEST_SUITE_P(Suite, WindowsOnScreen, ::testing::ValuesIn(kWindows),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
