#pragma once
// How much a plan may cost to find. The searches are bounded by work (states made) and by
// the memory they hold, both counted, so that the same request gets the same answer on a
// fast machine and a slow one. The clock is only the player's safety limit, far above what
// the work allows on any ordinary machine; when it is hit the answer says so.
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <stop_token>

namespace toviran::planner {

// Why a search ended.
enum class SearchEnd { Found, Exhausted, Work, Memory, Time, Cancelled };

class SearchBudget {
  public:
    SearchBudget(std::uint64_t work, std::size_t memoryBytes, std::chrono::milliseconds timeCap,
                 std::stop_token stop)
        : work_(work),
          memoryBytes_(memoryBytes),
          deadline_(std::chrono::steady_clock::now() + timeCap),
          stop_(std::move(stop)) {}

    void Spend(std::uint64_t units) { spent_ += units; }
    std::uint64_t Spent() const { return spent_; }
    std::uint64_t Left() const { return spent_ >= work_ ? 0 : work_ - spent_; }

    // Why the search must stop now (holding `bytes`, having spent `spentHere` of its own
    // `cap`), or nothing.
    std::optional<SearchEnd> Check(std::size_t bytes, std::uint64_t spentHere,
                                   std::uint64_t cap) const {
        if (stop_.stop_requested()) return SearchEnd::Cancelled;
        if (bytes > memoryBytes_) return SearchEnd::Memory;
        if (spent_ >= work_ || spentHere >= cap) return SearchEnd::Work;
        if (std::chrono::steady_clock::now() >= deadline_) return SearchEnd::Time;
        return std::nullopt;
    }

  private:
    std::uint64_t work_;
    std::size_t memoryBytes_;
    std::chrono::steady_clock::time_point deadline_;
    std::stop_token stop_;
    std::uint64_t spent_ = 0;
};

}  // namespace toviran::planner
