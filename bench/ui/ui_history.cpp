// The history window after a long session (10,000 one-item runs, about 1.2 MB of history):
// a one-item feed, an undo and showing the window, each until the window has drawn it.
// Argument 0: the history window is hidden; 1: it is shown.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <optional>

#include "engine/history_text.h"
#include "platform/fake_platform.h"
#include "ui/main/main_window.h"

namespace {

using namespace toviran;

constexpr int kRuns = 10000;

class LongSession {
  public:
    explicit LongSession(bool shown) : window_(state_, fakes_.platform()) {
        window_.show();
        // The log that 10,000 feeds of one モノメイト leave, without the 10,000 redraws.
        for (int i = 0; i < kRuns; ++i) {
            state_.HistoryText +=
                HistoryEntry(SectionIdParity::Even, CharacterClass::HU, "モノメイト", "1", "マグ");
        }
        Feed();  // brings the window in step with the long log
        if (shown) controls().menu.mnuEsaRireki->trigger();
        Settle();
    }
    const MainControls& controls() const { return window_.controls(); }
    void Feed() { controls().cmdTake->click(); }
    void Undo() { controls().cmdUndo->click(); }
    void ToggleHistoryWindow() { controls().menu.mnuEsaRireki->trigger(); }
    static void Settle() {
        QCoreApplication::processEvents();  // the repaint
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    std::size_t HistoryBytes() const { return state_.HistoryText.size(); }

  private:
    FakePlatform fakes_;
    MagState state_;
    frmMain window_;
};

void BM_FeedOneItem(benchmark::State& bench) {
    LongSession session(bench.range(0) != 0);
    for (auto _ : bench) {
        session.Feed();
        LongSession::Settle();
    }
    bench.counters["history_bytes"] = static_cast<double>(session.HistoryBytes());
}
BENCHMARK(BM_FeedOneItem)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_Undo(benchmark::State& bench) {
    LongSession session(bench.range(0) != 0);
    for (auto _ : bench) {
        bench.PauseTiming();
        session.Feed();
        LongSession::Settle();
        bench.ResumeTiming();
        session.Undo();
        LongSession::Settle();
    }
}
BENCHMARK(BM_Undo)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Argument 0: the first time in the session; 1: again, after it was shown and hidden.
void BM_ShowHistoryWindow(benchmark::State& bench) {
    const bool again = bench.range(0) != 0;
    std::optional<LongSession> session;
    for (auto _ : bench) {
        bench.PauseTiming();
        if (!again || !session) {
            session.reset();
            session.emplace(again);
        }
        if (again) {
            session->ToggleHistoryWindow();  // hides (destroys) it
            LongSession::Settle();
        }
        bench.ResumeTiming();
        session->ToggleHistoryWindow();  // shows it
        LongSession::Settle();
    }
}
BENCHMARK(BM_ShowHistoryWindow)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
