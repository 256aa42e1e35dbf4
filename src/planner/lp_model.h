#pragma once
// The linear program behind the lower bound: for a mag and one variant of its goal, how many
// items of each table row (the columns) the phases ahead can take so that every row below
// holds, as every feeding that reaches the goal must. Its least total of items bounds the
// items any such feeding needs. The right-hand sides are affine in the mag's numbers, so
// that one dual solution bounds every mag that shares the program's shape.
#include <array>
#include <cstddef>
#include <functional>
#include <utility>
#include <vector>

#include "planner/dual_simplex.h"
#include "planner/feed_phases.h"
#include "planner/goal.h"

namespace toviran::planner {

// What the bound is asked about: the goal, the class and ID every item is fed with, and the
// items allowed.
struct BoundContext {
    Goal goal;
    CharacterClass cls = CharacterClass::HU;
    SectionIdParity parity = SectionIdParity::Even;
    ItemSet items = kAllItems;
};

// Right-hand side of one row as a function of the mag's numbers: every coefficient and the
// constant are whole numbers, so that a certificate can be checked exactly.
struct Affine {
    double constant = 0;
    std::array<double, 4> stat{};  // per point of each stat (100 per level, plus progress)
    double iq = 0;
    double synchro = 0;
    static Affine Points(double constant, double perPoint) {
        return {constant, {perPoint, perPoint, perPoint, perPoint}, 0, 0};
    }
    static Affine Stat(int k, double constant, double perPoint) {
        Affine a{constant, {}, 0, 0};
        a.stat[static_cast<std::size_t>(k)] = perPoint;
        return a;
    }
    double At(const MagCore& m) const;
};

// One row of one phase: a variable of the program, the number of such items fed.
struct Column {
    int hi;  // fed below this level
    bool rare;
    bool once;
    RowDelta row;
    int Gain(int k) const;  // the most the item adds to stat k (its positive part)
    int Loss(int k) const;  // the least it adds (its delta as it is)
    int GainSum() const;
    int LossSum() const;
};

// Which group of demands a row belongs to, so that a conflict can name what cannot hold.
enum class RowGroup : std::uint8_t {
    Feeding,     // what items do to the stats, always
    Level,       // the target level
    Boundaries,  // the levels at which the stage changes
    StatLeast,   // a stat's least (by stat)
    StatMost,    // a stat's most (by stat)
    Special,     // the special item's condition
    Orderings,   // the orderings the last evolution must see
    Second,      // the orderings the evolution at 35 must see on the route
};

struct LpModel {
    std::vector<Column> columns;
    // After the item columns: what each stat really gains from here to the end, plus its
    // progress now (so that it cannot be negative: no stat loses a level), and then, for
    // each evolution whose orderings the program asks, the four stat levels it sees. Both
    // are continuous, which only loosens the program.
    int levelSets = 0;
    // Last, for a special item's condition on some of the stats: each stat's share of it.
    bool shares = false;
    std::vector<std::vector<double>> rows;  // coefficients per column
    std::vector<Affine> rhs;
    std::vector<std::pair<RowGroup, int>> groups;  // per row: its group and stat (or 0)
    std::array<int, 4> mostPerItem{};

    // Each set of levels: the four the evolution sees, then the four just before the item
    // that brings it.
    static constexpr std::size_t kPerSet = 8;
    std::size_t Width() const;
    std::size_t GainColumn(int k) const;
    std::size_t LevelColumn(int set, int k) const;
    std::size_t BeforeColumn(int set, int k) const;
    std::size_t ShareColumn(int k) const;

    // A row over the items, with some other columns' coefficients.
    void Add(const std::function<double(const Column&)>& coef, const Affine& b,
             const std::vector<std::pair<std::size_t, double>>& others = {});
    // A row over the other columns alone.
    void AddOthers(const std::vector<std::pair<std::size_t, double>>& others, double atLeast);

    // The program, without the rows of the groups `without` leaves out.
    DualLp Lp(const std::function<bool(RowGroup, int)>& without = {}) const;
    // What the gain and level columns' costs may have added to the value.
    double AuxCostAtMost() const;
    std::vector<double> RightHandSide(const MagCore& m,
                                      const std::function<bool(RowGroup, int)>& without = {}) const;

    // The group the rows added next belong to.
    RowGroup group = RowGroup::Feeding;
    int groupStat = 0;
};

// The programs whose least value bounds a mag: one per group of orderings each evolution
// ahead may see.
struct VariantCounts {
    int finals = 1;   // which group of orderings the final levels are in
    int seconds = 1;  // which group the levels at the second evolution are in
};
VariantCounts CountVariants(const BoundContext& c, const MagCore& m);
int Variants(const BoundContext& c, const MagCore& m);

LpModel BuildModel(const BoundContext& c, const MagCore& m, int variant);

}  // namespace toviran::planner
