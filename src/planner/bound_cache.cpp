#include "planner/bound_cache.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <limits>

namespace toviran::planner {
namespace {

constexpr int kIqBucket = 16;
// The progress at which each set of stat levels is solved: none, where a stat needs the most
// points, and the most, where it has least room left below its next level. Each solution
// bounds every mag with these levels; the larger value holds.
constexpr int kCanonicalProgress[] = {0, kMostProgress};

std::uint64_t HashOf(std::uint64_t key) {
    key ^= key >> 31;
    key *= 0x9e3779b97f4a7c15ull;
    return key ^ (key >> 29);
}

MagCore Canonical(const MagCore& m, bool iqSynchro, int progress) {
    MagCore c = m;
    const auto p = static_cast<std::int16_t>(progress);
    c.progress = {p, p, p, p};
    if (iqSynchro) {
        c.iq = static_cast<std::int16_t>(m.iq / kIqBucket * kIqBucket);
        c.synchro = static_cast<std::int16_t>(m.synchro / kIqBucket * kIqBucket);
    }
    return c;
}

// sum_r u_r b_r(m) as one function of the mag's numbers. As a function of the progress
// alone: the levels are the key's, so their points go into the constant.
LinearBound LinearOf(const LpModel& model, const std::vector<double>& u, const StatArray& levels) {
    LinearBound linear;
    for (std::size_t r = 0; r < model.rhs.size(); ++r) {
        const Affine& a = model.rhs[r];
        linear.constant += u[r] * a.constant;
        for (std::size_t k = 0; k < 4; ++k) linear.stat[k] += u[r] * a.stat[k];
        linear.iq += u[r] * a.iq;
        linear.synchro += u[r] * a.synchro;
        linear.magnitude += std::fabs(u[r]) * LargestTerms(a, levels);
    }
    for (std::size_t k = 0; k < 4; ++k)
        linear.constant += linear.stat[k] * kProgressPerLevel * levels[k];
    return linear;
}

std::size_t BytesOf(const Solutions& solutions) {
    std::size_t bytes = solutions.capacity() * sizeof(VariantSolutions);
    for (const VariantSolutions& v : solutions)
        bytes +=
            v.duals.capacity() * sizeof(LinearBound) + v.rays.capacity() * sizeof(IntegerLinear);
    return bytes;
}

void Append(Solutions& to, const Solutions& from) {
    for (std::size_t v = 0; v < to.size() && v < from.size(); ++v) {
        to[v].duals.insert(to[v].duals.end(), from[v].duals.begin(), from[v].duals.end());
        to[v].rays.insert(to[v].rays.end(), from[v].rays.begin(), from[v].rays.end());
    }
}

// The least over the variants that no ray rules out of the largest of their duals.
double ValueOf(const Solutions& canonical, const std::vector<Solutions>* refinements,
               const MagCore& m) {
    double best = std::numeric_limits<double>::infinity();
    for (std::size_t v = 0; v < canonical.size(); ++v) {
        const auto rules = [&m](const VariantSolutions& s) {
            return std::ranges::any_of(s.rays,
                                       [&m](const IntegerLinear& ray) { return ray.Positive(m); });
        };
        const auto largest = [&m](const VariantSolutions& s, double value) {
            for (const LinearBound& dual : s.duals) value = std::max(value, dual.At(m));
            return value;
        };
        if (rules(canonical[v])) continue;
        double value = largest(canonical[v], -std::numeric_limits<double>::infinity());
        bool ruledOut = false;
        if (refinements != nullptr) {
            for (const Solutions& r : *refinements) {
                if (rules(r[v])) ruledOut = true;
                value = largest(r[v], value);
            }
        }
        if (!ruledOut) best = std::min(best, value);
    }
    return best;
}

}  // namespace

std::uint64_t BoundKeyOf(const MagCore& m, bool iqSynchro) {
    std::uint64_t key = static_cast<std::uint8_t>(m.form);
    key = key << 1 | (m.rare ? 1u : 0u);
    for (const std::int16_t level : m.statLevel) key = key << 8 | static_cast<std::uint8_t>(level);
    if (iqSynchro)
        key = key << 8 | static_cast<std::uint8_t>(m.iq / kIqBucket) << 4 |
              static_cast<std::uint8_t>(m.synchro / kIqBucket);
    return key;
}

Solutions SolveKey(const BoundContext& c, const MagCore& m, const MagCore& at, SearchStats& stats,
                   std::array<int, 4>* mostPerItem) {
    Solutions solutions(static_cast<std::size_t>(Variants(c, m)));
    for (std::size_t v = 0; v < solutions.size(); ++v) {
        const LpModel model = BuildModel(c, m, static_cast<int>(v));
        if (mostPerItem != nullptr) *mostPerItem = model.mostPerItem;
        const auto started = std::chrono::steady_clock::now();
        const DualLp::Result solved = model.Lp().Solve(model.RightHandSide(at));
        stats.lpSeconds +=
            std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
        ++stats.lpSolves;
        LinearBound dual = LinearOf(model, solved.dual, m.statLevel);
        dual.constant -= model.AuxCostAtMost();
        const int roundings = static_cast<int>(model.rhs.size()) + kRoundingsPastRows;
        if (SlackCovers(RoundingAtMost(roundings, dual.magnitude + model.AuxCostAtMost())))
            solutions[v].duals.push_back(dual);
        stats.raysChecked += static_cast<std::uint64_t>(solved.raysChecked);
        stats.raysDropped += static_cast<std::uint64_t>(solved.raysDropped);
        if (!solved.feasible)
            if (const auto ray = IntegerLinearOf(model.rhs, solved.ray, m.statLevel))
                solutions[v].rays.push_back(*ray);
    }
    return solutions;
}

bool RefinementStore::Wants(std::uint64_t key) const {
    const std::vector<Solutions>* known = For(key);
    return known == nullptr || known->size() < kRefinements;
}

void RefinementStore::Add(std::uint64_t key, Solutions solutions) {
    const auto [i, added] = index_.FindOrAdd(
        HashOf(key), static_cast<std::uint32_t>(entries_.size()),
        [&](std::uint32_t e) { return entries_[e].key == key; },
        [&](std::uint32_t e) { return HashOf(entries_[e].key); });
    if (added) {
        entries_.push_back({key, {}});
        bytes_ += sizeof(Entry);
    }
    std::vector<Solutions>& kept = entries_[i].refinements;
    if (kept.size() >= kRefinements) return;
    bytes_ += BytesOf(solutions) + sizeof(Solutions);
    kept.push_back(std::move(solutions));
}

const std::vector<Solutions>* RefinementStore::For(std::uint64_t key) const {
    if (entries_.empty()) return nullptr;
    const auto i =
        index_.Find(HashOf(key), [&](std::uint32_t e) { return entries_[e].key == key; });
    return i ? &entries_[*i].refinements : nullptr;
}

BoundEvaluator::BoundEvaluator(const LowerBound& bound, const RefinementStore& store,
                               SearchBudget& budget)
    : bound_(bound), store_(store), budget_(budget) {}

BoundEvaluator::~BoundEvaluator() {
    budget_.Hold(-static_cast<std::ptrdiff_t>(bytes_));
}

std::size_t BoundEvaluator::BytesOf(const Entry& entry) {
    return sizeof(Entry) + planner::BytesOf(entry.canonical) +
           (entry.raises.last.options.capacity() + entry.raises.second.options.capacity() +
            entry.raises.requirement.options.capacity()) *
               sizeof(std::array<std::int16_t, 4>);
}

const BoundEvaluator::Entry& BoundEvaluator::EntryFor(const MagCore& m, std::uint64_t key) {
    // Most items raise no level: the mags a search bounds one after the other mostly share
    // their key.
    if (lastEntry_ != 0 && key == lastKey_) return entries_[lastEntry_ - 1];
    lastKey_ = key;
    const auto [i, added] = index_.FindOrAdd(
        HashOf(key), static_cast<std::uint32_t>(entries_.size()),
        [&](std::uint32_t e) { return entries_[e].key == key; },
        [&](std::uint32_t e) { return HashOf(entries_[e].key); });
    lastEntry_ = i + 1;
    if (!added) return entries_[i];
    const BoundContext& c = bound_.context();
    Entry entry{key, {}, {}, RaisesFor(c, m)};
    for (const int progress : kCanonicalProgress) {
        Solutions s = SolveKey(c, m, Canonical(m, c.goal.needsIqSynchro, progress), stats_,
                               &entry.mostPerItem);
        if (entry.canonical.empty())
            entry.canonical = std::move(s);
        else
            Append(entry.canonical, s);
    }
    const std::size_t bytes = BytesOf(entry) + sizeof(Entry);
    bytes_ += bytes;
    budget_.Hold(static_cast<std::ptrdiff_t>(bytes));
    entries_.push_back(std::move(entry));
    return entries_.back();
}

Estimate BoundEvaluator::Evaluate(const MagCore& m) {
    const std::uint64_t key = BoundKeyOf(m, bound_.goal().needsIqSynchro);
    const Entry& entry = EntryFor(m, key);
    const double value = ValueOf(entry.canonical, store_.For(key), m);
    return Combine(value, ItemsFor(entry.raises, m, entry.mostPerItem));
}

Solutions BoundEvaluator::Refinement(const MagCore& m) {
    return SolveKey(bound_.context(), m, m, stats_);
}

}  // namespace toviran::planner
