// Pressing the feed button for a 10000-item run until the window has drawn the result.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "platform/fake_platform.h"
#include "ui/main/main_window.h"

namespace {

void BM_FeedButton10000Items(benchmark::State& bench) {
    toviran::FakePlatform fakes;
    toviran::MagState state;
    toviran::frmMain window(state, fakes.platform());
    const toviran::MainControls& c = window.controls();
    window.show();
    c.feedSlots[0].count->setText(QStringLiteral("10000"));
    QCoreApplication::processEvents();
    for (auto _ : bench) {
        bench.PauseTiming();
        c.menu.mnuNew->trigger();  // a fresh mag each time, so every run feeds 10000 items
        QCoreApplication::processEvents();
        bench.ResumeTiming();
        c.cmdTake->click();
        QCoreApplication::processEvents();  // the repaint of the changed labels and bars
    }
    if (state.FeedCount != 10000 || c.lblLv->text() != QString::number(state.Level)) {
        bench.SkipWithError("the run did not feed 10000 items");
    }
}
BENCHMARK(BM_FeedButton10000Items)->Unit(benchmark::kMillisecond);

}  // namespace
