#include "planner/worker_pool.h"

namespace toviran::planner {

WorkerPool::WorkerPool(int threads) {
    // Threads that cannot be made leave the work to fewer: the answer is the same.
    try {
        for (int i = 1; i < threads; ++i) workers_.emplace_back([this] { Work(); });
    } catch (const std::system_error&) {
    }
}

WorkerPool::~WorkerPool() {
    {
        std::lock_guard lock(mutex_);
        quit_ = true;
    }
    wake_.notify_all();
    for (std::thread& t : workers_) t.join();
}

void WorkerPool::Run(std::size_t parts, const std::function<void(std::size_t)>& part) {
    {
        std::lock_guard lock(mutex_);
        part_ = &part;
        parts_ = parts;
        next_ = 0;
        finished_ = 0;
        errors_.assign(parts, nullptr);
        ++round_;
    }
    wake_.notify_all();
    RunParts();
    std::unique_lock lock(mutex_);
    done_.wait(lock, [this] { return finished_ == parts_; });
    part_ = nullptr;
    for (const std::exception_ptr& error : errors_)
        if (error) std::rethrow_exception(error);
}

// Takes parts until none is left.
void WorkerPool::RunParts() {
    for (;;) {
        std::size_t i = 0;
        const std::function<void(std::size_t)>* part = nullptr;
        {
            std::lock_guard lock(mutex_);
            if (part_ == nullptr || next_ >= parts_) return;
            i = next_++;
            part = part_;
        }
        std::exception_ptr error;
        try {
            (*part)(i);
        } catch (...) {
            error = std::current_exception();
        }
        std::lock_guard lock(mutex_);
        errors_[i] = error;
        if (++finished_ == parts_) done_.notify_all();
    }
}

void WorkerPool::Work() {
    std::size_t seen = 0;
    for (;;) {
        {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, [&] { return quit_ || round_ != seen; });
            if (quit_) return;
            seen = round_;
        }
        RunParts();
    }
}

}  // namespace toviran::planner
