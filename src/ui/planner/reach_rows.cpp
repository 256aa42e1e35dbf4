#include "ui/planner/reach_rows.h"

#include <algorithm>

namespace toviran {
namespace {

// Rows are independent: one thread each on a two-core machine.
constexpr int kWorkers = 2;

}  // namespace

ReachRows::ReachRows(std::function<MagState()> currentMag, QObject* parent)
    : QObject(parent), currentMag_(std::move(currentMag)) {}

ReachRows::~ReachRows() {
    {
        const std::lock_guard lock(mutex_);
        queue_.clear();
        for (const TaskPtr& task : running_) task->stop.request_stop();
    }
    for (std::jthread& worker : workers_) worker.request_stop();
    workers_.clear();  // joined: a row only stops at its next look at the token
}

void ReachRows::SetOptions(const planner::PlanOptions& options) {
    options_ = options;
    ++optionsGeneration_;
    known_.clear();
    const std::lock_guard lock(mutex_);
    DropTasks([](const Task&) { return true; });
}

const KnownRow* ReachRows::Find(const ReachKey& key) const {
    const auto it = known_.find(key);
    return it == known_.end() ? nullptr : &it->second;
}

planner::ReachRequest ReachRows::RequestFor(const ReachKey& key, int effort) const {
    planner::ReachRequest request;
    request.start = key.newMag ? MagState{} : currentMag_();
    // The history plays no part in a plan, and after long feeding it is long.
    request.start.HistoryText = MagState{}.HistoryText;
    request.start.UndoHistoryText.clear();
    request.characterClass = key.cls;
    request.parity = key.parity;
    request.startIsNewMag = key.newMag;
    request.options = options_;
    request.options.effort = effort;
    return request;
}

void ReachRows::Ask(const ReachKey& key, int effort, Asker asker, bool urgent) {
    if (const KnownRow* known = Find(key); known != nullptr && known->effort >= effort) return;
    {
        const std::lock_guard lock(mutex_);
        if (const TaskPtr task = FindTask(key); task && task->effort >= effort) {
            task->askers |= asker;
            const auto queued = std::find(queue_.begin(), queue_.end(), task);
            if (urgent && queued != queue_.end()) {
                queue_.erase(queued);
                queue_.push_front(task);
            }
            return;
        }
        auto task = std::make_shared<Task>();
        task->key = key;
        task->request = RequestFor(key, effort);
        task->effort = effort;
        task->askers = asker;
        task->generation = generation_;
        task->optionsGeneration = optionsGeneration_;
        if (urgent)
            queue_.push_front(std::move(task));
        else
            queue_.push_back(std::move(task));
    }
    StartWorkers();
    wake_.notify_one();
}

void ReachRows::Drop(Asker asker) {
    const std::lock_guard lock(mutex_);
    for (const TaskPtr& task : queue_) task->askers &= ~asker;
    std::erase_if(queue_, [](const TaskPtr& task) { return task->askers == 0; });
    for (const TaskPtr& task : running_) {
        task->askers &= ~asker;
        if (task->askers == 0) task->stop.request_stop();
    }
}

bool ReachRows::Waiting(const ReachKey& key, unsigned asker) const {
    const std::lock_guard lock(mutex_);
    const TaskPtr task = FindTask(key);
    return task != nullptr && (task->askers & asker) != 0;
}

void ReachRows::ForgetCurrentMag() {
    ++generation_;
    std::erase_if(known_, [](const auto& entry) { return !entry.first.newMag; });
    const std::lock_guard lock(mutex_);
    DropTasks([](const Task& task) { return !task.key.newMag; });
}

template <typename Pred>
void ReachRows::DropTasks(Pred dropped) {
    std::erase_if(queue_, [&dropped](const TaskPtr& task) { return dropped(*task); });
    for (const TaskPtr& task : running_)
        if (dropped(*task)) task->stop.request_stop();
}

ReachRows::TaskPtr ReachRows::FindTask(const ReachKey& key) const {
    const auto wanted = [&key](const TaskPtr& task) {
        return task->key == key && !task->stop.stop_requested();
    };
    if (const auto it = std::find_if(queue_.begin(), queue_.end(), wanted); it != queue_.end())
        return *it;
    const auto it = std::find_if(running_.begin(), running_.end(), wanted);
    return it != running_.end() ? *it : nullptr;
}

void ReachRows::StartWorkers() {
    if (!workers_.empty()) return;
    for (int i = 0; i < kWorkers; ++i)
        workers_.emplace_back([this](std::stop_token stop) { Work(stop); });
}

void ReachRows::Work(std::stop_token stop) {
    for (;;) {
        TaskPtr task;
        {
            std::unique_lock lock(mutex_);
            if (!wake_.wait(lock, stop, [this] { return !queue_.empty(); })) return;
            task = queue_.front();
            queue_.pop_front();
            running_.push_back(task);
        }
        planner::ReachRow row =
            planner::ReachOf(task->request, task->key.form, task->stop.get_token());
        if (task->stop.stop_requested()) {
            // A row stopped on its way says only that it stopped: it is not kept.
            const std::lock_guard lock(mutex_);
            running_.remove(task);
            continue;
        }
        QMetaObject::invokeMethod(
            this, [this, task, row = std::move(row)]() mutable { Finished(task, std::move(row)); },
            Qt::QueuedConnection);
    }
}

// Still on its way until here, so that a row is always either known or waited for.
void ReachRows::Finished(const TaskPtr& task, planner::ReachRow row) {
    {
        const std::lock_guard lock(mutex_);
        running_.remove(task);
    }
    if (task->stop.stop_requested()) return;
    if (task->optionsGeneration != optionsGeneration_) return;
    if (!task->key.newMag && task->generation != generation_) return;
    if (const KnownRow* known = Find(task->key); known != nullptr && known->effort > task->effort)
        return;
    known_[task->key] = {std::move(row), task->effort};
    for (const RowFn& done : listeners_) done(task->key);
}

}  // namespace toviran
