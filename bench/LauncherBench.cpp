// SPDX-License-Identifier: GPL-3.0-or-later
// The launcher on a full year (FullYear.h), from making its window to the first frame painted
// (offscreen); the target is 150 ms. The folder is read and checked after that, off the GUI
// thread.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QEvent>
#include <QSettings>
#include <cstdlib>
#include <memory>
#include <sstream>

#include "Clock.h"
#include "FakeMessages.h"
#include "FullYear.h"
#include "LauncherWindow.h"
#include "TempDir.h"
#include "TracePrinter.h"

using namespace jitsu;

namespace {

// Notes the first paint of the widget it watches.
class PaintWatch : public QObject {
public:
    bool painted = false;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) painted = true;
        return false;
    }
};

void LauncherFirstPaint(benchmark::State& state) {
    static const TempDir dir, settings;
    static const Status written = bench::writeFullYear(dir.path());
    if (!written) state.SkipWithError(written.reason().c_str());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       QString::fromStdString(settings.path().string()));
    FakeMessages messages;
    std::ostringstream trace;
    TracePrinter printer(trace);
    FixedClock clock({2026, 3, 10});
    Services services{dir.path(), messages, printer, clock};
    for (auto _ : state) {
        auto window = std::make_unique<launcher::LauncherWindow>(services);
        window->dataDirNamed();
        window->FormCreate();
        PaintWatch watch;
        window->installEventFilter(&watch);
        window->show();
        while (!watch.painted) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        state.PauseTiming();
        window.reset();  // waits for the folder's check
        state.ResumeTiming();
    }
}
BENCHMARK(LauncherFirstPaint)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName("jitsuryoku-bench");
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
