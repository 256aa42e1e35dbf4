#include "planner/ordering_groups.h"

#include <array>
#include <bit>

#include "engine/mag_core.h"

namespace toviran::planner {
namespace {

// What one pair of stats may be asked: nothing, one at least the other, equal, or one above.
enum class PairRule { Free, AtLeast, AtMost, Equal, Above, Below, Count };
constexpr std::array<std::array<std::uint8_t, 2>, 3> kPairs{{{1, 2}, {1, 3}, {2, 3}}};

bool Holds(PairRule rule, int a, int b) {
    switch (rule) {
        case PairRule::Free:
            return true;
        case PairRule::AtLeast:
            return a >= b;
        case PairRule::AtMost:
            return a <= b;
        case PairRule::Equal:
            return a == b;
        case PairRule::Above:
            return a > b;
        case PairRule::Below:
            return a < b;
        case PairRule::Count:
            break;
    }
    return false;
}

void AddRelations(PairRule rule, std::uint8_t a, std::uint8_t b, std::vector<Relation>& out) {
    switch (rule) {
        case PairRule::AtLeast:
            out.push_back({a, b, 0});
            break;
        case PairRule::AtMost:
            out.push_back({b, a, 0});
            break;
        case PairRule::Equal:
            out.push_back({a, b, 0});
            out.push_back({b, a, 0});
            break;
        case PairRule::Above:
            out.push_back({a, b, 1});
            break;
        case PairRule::Below:
            out.push_back({b, a, 1});
            break;
        default:
            break;
    }
}

struct Candidate {
    std::uint16_t orderings = 0;
    std::array<PairRule, 3> rules{};
};

std::vector<Candidate> AllCandidates() {
    std::vector<Candidate> all;
    constexpr int n = static_cast<int>(PairRule::Count);
    for (int code = 0; code < n * n * n; ++code) {
        Candidate c;
        c.rules = {static_cast<PairRule>(code % n), static_cast<PairRule>(code / n % n),
                   static_cast<PairRule>(code / (n * n))};
        const auto examples = OrderingExamples();
        for (std::size_t o = 0; o < examples.size(); ++o) {
            const PdmLevels& pdm = examples[o];
            bool all3 = true;
            for (std::size_t p = 0; p < kPairs.size(); ++p)
                all3 = all3 && Holds(c.rules[p], pdm[kPairs[p][0] - 1], pdm[kPairs[p][1] - 1]);
            if (all3) c.orderings |= static_cast<std::uint16_t>(1u << o);
        }
        if (c.orderings != 0) all.push_back(c);
    }
    return all;
}

}  // namespace

std::vector<std::vector<Relation>> OrderingGroups(std::uint16_t orderings) {
    static const std::vector<Candidate> candidates = AllCandidates();
    std::vector<std::vector<Relation>> groups;
    std::uint16_t left = orderings;
    while (left != 0) {
        const Candidate* best = nullptr;
        int bestCovers = 0;
        for (const Candidate& c : candidates) {
            if ((c.orderings & ~orderings) != 0) continue;  // would let another form in
            const int covers = std::popcount(static_cast<unsigned>(c.orderings & left));
            if (covers > bestCovers) {
                best = &c;
                bestCovers = covers;
            }
        }
        std::vector<Relation> relations;
        for (std::size_t p = 0; p < kPairs.size(); ++p)
            AddRelations(best->rules[p], kPairs[p][0], kPairs[p][1], relations);
        groups.push_back(std::move(relations));
        left &= static_cast<std::uint16_t>(~best->orderings);
    }
    return groups;
}

}  // namespace toviran::planner
