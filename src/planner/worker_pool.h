#pragma once
// The threads a search works on, made once per plan. Work is split into parts by index, in
// a fixed way, and joined in index order by the caller, so that the answer does not depend
// on how many threads there are or which finished first. An exception thrown in a part
// (running out of memory, above all) is carried back to the caller instead of ending the
// program.
#include <condition_variable>
#include <cstddef>
#include <exception>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace toviran::planner {

class WorkerPool {
  public:
    // `threads` in all, the caller's own among them.
    explicit WorkerPool(int threads);
    ~WorkerPool();
    WorkerPool(const WorkerPool&) = delete;
    WorkerPool& operator=(const WorkerPool&) = delete;

    int Threads() const { return static_cast<int>(workers_.size()) + 1; }

    // Calls part(i) for every i below `parts`, spread over the threads, and returns when all
    // are done. Rethrows the first exception (by part index) that a part threw.
    void Run(std::size_t parts, const std::function<void(std::size_t)>& part);

  private:
    void Work();
    void RunParts();

    std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable done_;
    const std::function<void(std::size_t)>* part_ = nullptr;
    std::size_t parts_ = 0;
    std::size_t next_ = 0;      // the next part to take
    std::size_t finished_ = 0;  // parts done
    std::size_t round_ = 0;     // bumped for every Run, so that workers see new work
    bool quit_ = false;
    std::vector<std::exception_ptr> errors_;
    std::vector<std::thread> workers_;
};

}  // namespace toviran::planner
