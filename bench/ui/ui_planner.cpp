// The planner window: the time from "探す" to the plan's table for a level-50 final form,
// and the longest the event loop goes without turning while searches run.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>

#include "engine/mag_forms.h"
#include "platform/fake_platform.h"
#include "ui/main/main_window.h"
#include "ui/planner/planner_window.h"

namespace {

using toviran::MagFormIndex;

struct PlannerBench {
    PlannerBench() : window(state, fakes.platform()) {
        window.show();
        window.controls().menu.mnuPlanner->trigger();
        planner = window.findChild<toviran::PlannerWindow*>();
    }
    // Asks for `form` at `level` from a new mag, with the stat levels given (or any).
    void Ask(const char* form, int level, std::array<int, 4> build = {-1, -1, -1, -1}) {
        const toviran::PlannerControls& p = planner->controls();
        p.optFromNew->setChecked(true);
        p.cmbForm->setCurrentIndex(MagFormIndex(form));
        p.txtLevel->setText(QString::number(level));
        for (std::size_t k = 0; k < 4; ++k)
            p.txtBuild[k]->setText(build[k] < 0 ? QString() : QString::number(build[k]));
    }
    void SearchToTheEnd() {
        planner->controls().cmdSearch->click();
        while (planner->Searching()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }

    toviran::FakePlatform fakes;
    toviran::MagState state;
    toviran::frmMain window;
    toviran::PlannerWindow* planner = nullptr;
};

void BM_SearchToTableLevel50(benchmark::State& bench) {
    PlannerBench b;
    b.Ask("カバンダ", 50);
    for (auto _ : bench) b.SearchToTheEnd();
    if (b.planner->controls().table->rowCount() == 0) bench.SkipWithError("no plan shown");
}
BENCHMARK(BM_SearchToTableLevel50)->Unit(benchmark::kMillisecond);

// Searches for a build the planner gives up on only after seconds, one after another for
// the given seconds, while a 5 ms timer measures the gaps between its turns.
void BM_LongestEventLoopStall(benchmark::State& bench) {
    PlannerBench b;
    b.Ask("カバンダ", 100, {5, 30, 15, 50});
    const qint64 runFor = bench.range(0) * 1000;
    qint64 longest = 0;
    int searches = 0;
    for (auto _ : bench) {
        QElapsedTimer since, sinceTick;
        QTimer tick;
        tick.setInterval(5);
        QObject::connect(&tick, &QTimer::timeout, [&] {
            longest = std::max(longest, sinceTick.restart());
            if (!b.planner->Searching() && since.elapsed() < runFor) {
                b.planner->controls().cmdSearch->click();
                ++searches;
            }
        });
        since.start();
        sinceTick.start();
        tick.start();
        while (since.elapsed() < runFor || b.planner->Searching())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    bench.counters["longest_gap_ms"] = static_cast<double>(longest);
    bench.counters["searches"] = searches;
}
BENCHMARK(BM_LongestEventLoopStall)->Arg(1)->Arg(10)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
