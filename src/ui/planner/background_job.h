#pragma once
// Runs a long computation on a thread of its own, so that the windows stay usable, and
// hands its progress and result to the user-interface thread. One job at a time: starting
// a job stops the one running, whose result is then dropped, without waiting for it.
#include <QObject>
#include <atomic>
#include <functional>
#include <map>
#include <stop_token>
#include <thread>
#include <utility>

namespace toviran {

template <typename Result>
class BackgroundJob final : public QObject {
  public:
    using Progress = std::function<void(double)>;  // a share of the work done, 0..1
    using Work = std::function<Result(std::stop_token, const Progress&)>;

    BackgroundJob(std::function<void(Result)> done, Progress progress, QObject* parent)
        : QObject(parent), done_(std::move(done)), progress_(std::move(progress)) {}

    // Stops every job and waits for it: a job only stops at its next look at the token.
    ~BackgroundJob() override {
        for (auto& [id, thread] : threads_) thread.request_stop();
        threads_.clear();
    }

    void Start(Work work) {
        Stop();
        running_ = true;
        const int id = ++current_;
        threads_.emplace(id, std::jthread([this, id, work = std::move(work)](std::stop_token stop) {
                             auto shown = std::make_shared<std::atomic<int>>(-1);
                             Result result = work(stop, [this, id, shown](double share) {
                                 PostProgress(id, *shown, share);
                             });
                             QMetaObject::invokeMethod(
                                 this,
                                 [this, id, result = std::move(result)]() mutable {
                                     Finished(id, std::move(result));
                                 },
                                 Qt::QueuedConnection);
                         }));
    }

    // Asks the running job to stop; its result, when it comes, is dropped.
    void Stop() {
        if (!running_) return;
        running_ = false;
        if (auto it = threads_.find(current_); it != threads_.end()) it->second.request_stop();
    }

    bool Running() const { return running_; }

  private:
    // Each step of a thousandth once: the searching thread may report far more often.
    void PostProgress(int id, std::atomic<int>& shown, double share) {
        const int permille = static_cast<int>(share * 1000);
        if (shown.exchange(permille) == permille) return;
        QMetaObject::invokeMethod(
            this,
            [this, id, permille] {
                if (id == current_ && running_ && progress_) progress_(permille / 1000.0);
            },
            Qt::QueuedConnection);
    }

    void Finished(int id, Result result) {
        threads_.erase(id);  // its work is over: the thread is only returning
        if (id != current_ || !running_) return;
        running_ = false;
        done_(std::move(result));
    }

    std::function<void(Result)> done_;
    Progress progress_;
    std::map<int, std::jthread> threads_;  // the running job and stopped ones winding down
    int current_ = 0;
    bool running_ = false;
};

}  // namespace toviran
