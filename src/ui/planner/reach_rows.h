#pragma once
// The rows of the table of every form a mag can still become, worked out on two threads of
// their own and kept, so that the table and the planner's default level ask the planner
// for each row once. A row is worked out by work alone, so the rows are the same in
// whatever order they finish. Rows from the main window's mag are forgotten when it
// changes; rows from a new mag are kept.
#include <QObject>
#include <compare>
#include <condition_variable>
#include <deque>
#include <functional>
#include <list>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <stop_token>
#include <thread>
#include <vector>

#include "planner/reach_table.h"

namespace toviran {

// Which row: from which start, with which class and ID, for which form.
struct ReachKey {
    bool newMag = false;
    CharacterClass cls = CharacterClass::HU;
    SectionIdParity parity = SectionIdParity::Even;
    int form = 0;
    friend auto operator<=>(const ReachKey&, const ReachKey&) = default;
};

// A row worked out, and the effort it was worked out with.
struct KnownRow {
    planner::ReachRow row;
    int effort = 1;
};

class ReachRows final : public QObject {
  public:
    // Who asks for rows: a row stops being worked out when no one who asked wants it.
    enum Asker : unsigned { kTable = 1, kLevel = 2 };
    using RowFn = std::function<void(const ReachKey&)>;

    // `currentMag` gives the main window's mag, which rows not from a new mag start from.
    ReachRows(std::function<MagState()> currentMag, QObject* parent);
    // Stops the rows being worked out and waits for them.
    ~ReachRows() override;

    // A row's budget at effort 1 (the program keeps the planner's own). The rows worked out
    // with another budget are forgotten, and those on their way dropped.
    void SetOptions(const planner::PlanOptions& options);
    // `done` runs on this thread as each row asked for is worked out.
    void OnRow(RowFn done) { listeners_.push_back(std::move(done)); }

    const KnownRow* Find(const ReachKey& key) const;
    // The request a row is worked out from, at `effort`.
    planner::ReachRequest RequestFor(const ReachKey& key, int effort) const;
    // Works the row out, unless it is known at this effort or more or already on its way;
    // urgent rows go before the others.
    void Ask(const ReachKey& key, int effort, Asker asker, bool urgent = false);
    // `asker` wants none of the rows it asked for: those no one else wants are dropped.
    void Drop(Asker asker);
    // The row is on its way; asked for by `asker`, if given.
    bool Waiting(const ReachKey& key, unsigned asker = kTable | kLevel) const;
    // The main window's mag changed: its rows, known and on their way, are dropped.
    void ForgetCurrentMag();

  private:
    struct Task {
        ReachKey key;
        planner::ReachRequest request;
        int effort = 1;
        unsigned askers = 0;
        int generation = 0;  // of the main window's mag, for rows from it
        int optionsGeneration = 0;
        std::stop_source stop;
    };
    using TaskPtr = std::shared_ptr<Task>;

    void StartWorkers();
    void Work(std::stop_token stop);
    void Finished(const TaskPtr& task, planner::ReachRow row);
    // Queued or running: the task for the key, under the lock.
    TaskPtr FindTask(const ReachKey& key) const;
    // Drops the tasks `dropped` says, queued and running, under the lock.
    template <typename Pred>
    void DropTasks(Pred dropped);

    std::function<MagState()> currentMag_;
    planner::PlanOptions options_ = planner::ReachRequest::ReachOptions();
    std::vector<RowFn> listeners_;
    std::map<ReachKey, KnownRow> known_;
    int generation_ = 0;         // the main window's mag's: one more at each change
    int optionsGeneration_ = 0;  // the budget's: one more at each change

    mutable std::mutex mutex_;
    std::condition_variable_any wake_;
    std::deque<TaskPtr> queue_;
    std::list<TaskPtr> running_;
    std::vector<std::jthread> workers_;
};

}  // namespace toviran
