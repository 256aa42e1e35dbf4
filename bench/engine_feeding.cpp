// Speed of the feeding run: a 10000-item count-mode run and a level-mode run 5 -> 200.
#include <benchmark/benchmark.h>

#include "engine/feeding.h"
#include "engine/mag_core.h"

namespace toviran {
namespace {

class SilentPrompter : public Prompter {
  public:
    bool Show(const Message&) override { return true; }
};

void BM_CountRun10000(benchmark::State& state) {
    SilentPrompter prompter;
    NullDisplay display;
    FeedRequest r;
    r.feedSlots[0] = {"トリメイト", "4000", true};
    r.feedSlots[1] = {"スターアトマイザー", "3000", true};
    r.feedSlots[2] = {"アンティドート", "3000", true};
    for (auto _ : state) {
        MagState s;
        RunFeeding(s, r, prompter, display);
        benchmark::DoNotOptimize(s.Level);
    }
    state.SetItemsProcessed(state.iterations() * 10000);
}
BENCHMARK(BM_CountRun10000);

void BM_LevelRunTo200(benchmark::State& state) {
    SilentPrompter prompter;
    NullDisplay display;
    FeedRequest r;
    r.mode = FeedMode::Level;
    r.feedSlots[0] = {"ディメイト", "200", true};
    std::int64_t items = 0;
    for (auto _ : state) {
        MagState s;
        RunFeeding(s, r, prompter, display);
        items += s.FeedCount;
        benchmark::DoNotOptimize(s.Level);
    }
    state.SetItemsProcessed(items);
}
BENCHMARK(BM_LevelRunTo200);

// The compact per-item step alone, as the feed planner calls it: a new mag fed a mixed
// sequence of items up to level 200 and beyond, so every stage and the cap are crossed.
void BM_CompactStep(benchmark::State& state) {
    constexpr int kItems = 2000;
    std::int64_t fed = 0;
    for (auto _ : state) {
        MagCore m;
        for (int i = 0; i < kItems; ++i)
            FeedItem(m, (i * 7) % kFeedItemCount, CharacterClass::FO, SectionIdParity::Odd);
        benchmark::DoNotOptimize(m);
        fed += kItems;
    }
    state.SetItemsProcessed(fed);
}
BENCHMARK(BM_CompactStep);

}  // namespace
}  // namespace toviran
