#pragma once
// How much a plan may cost to find. The searches are bounded by work (states made, and the
// linear programs solved for their bound) and by the memory they hold, both counted, so
// that the same request gets the same answer on a fast machine and a slow one. The clock is
// only a safety net, far above what the work allows on any ordinary machine; when it is hit
// the answer says so.
#include <atomic>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <stop_token>

#include "planner/plan.h"

namespace toviran::planner {

class SearchBudget {
  public:
    SearchBudget(std::uint64_t work, std::size_t memoryBytes, std::chrono::milliseconds timeCap,
                 std::stop_token stop)
        : work_(work),
          memoryBytes_(memoryBytes),
          clocked_(timeCap.count() > 0),
          deadline_(std::chrono::steady_clock::now() + timeCap),
          stop_(std::move(stop)) {}

    void Spend(std::uint64_t units) { spent_ += units; }
    std::uint64_t Spent() const { return spent_; }
    std::uint64_t Work() const { return work_; }
    std::uint64_t Left() const { return spent_ >= work_ ? 0 : work_ - spent_; }

    // Memory a search holds apart from what it counts itself (a bound's cache, say), which
    // may be added to from several threads.
    void Hold(std::ptrdiff_t bytes) { held_.fetch_add(bytes, std::memory_order_relaxed); }
    std::size_t Held() const {
        const std::ptrdiff_t held = held_.load(std::memory_order_relaxed);
        return held > 0 ? static_cast<std::size_t>(held) : 0;
    }
    // Whether `more` bytes may still be taken on top of `bytes`: asked before a large
    // allocation, so that the search stops before it asks the system for too much.
    bool Room(std::size_t bytes, std::size_t more) const {
        return bytes + Held() + more <= memoryBytes_;
    }
    std::size_t PeakBytes() const { return peak_; }

    // Why the search must stop now (holding `bytes`, having spent `spentHere` of its own
    // `cap`), or nothing.
    std::optional<SearchEnd> Check(std::size_t bytes, std::uint64_t spentHere, std::uint64_t cap) {
        if (stop_.stop_requested()) return SearchEnd::Cancelled;
        const std::size_t total = bytes + Held();
        if (total > peak_) peak_ = total;
        if (total > memoryBytes_) return SearchEnd::Memory;
        if (spent_ >= work_ || spentHere >= cap) return SearchEnd::Work;
        if (clocked_ && std::chrono::steady_clock::now() >= deadline_) return SearchEnd::Time;
        return std::nullopt;
    }

  private:
    std::uint64_t work_;
    std::size_t memoryBytes_;
    bool clocked_;
    std::chrono::steady_clock::time_point deadline_;
    std::stop_token stop_;
    std::uint64_t spent_ = 0;
    std::atomic<std::ptrdiff_t> held_{0};
    std::size_t peak_ = 0;
};

}  // namespace toviran::planner
