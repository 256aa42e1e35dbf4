#pragma once
// The chart's tables, read from the engine: the feed tables, the three evolutions by
// ordering, class and ID, and the special items. Each form named in them links to its
// entry in the index of how each form is reached.
#include <ostream>

namespace toviran::chart {

// The anchors the index links to.
inline constexpr const char* kFeedTablesId = "feed-tables";
inline constexpr const char* kFirstId = "first-evolution";
inline constexpr const char* kSecondId = "second-evolution";
inline constexpr const char* kFinalId = "final-evolution";
inline constexpr const char* kRareId = "rare-evolution";

void FeedTables(std::ostream& out);  // each table anchored "feed-table-N"
void FirstAndSecond(std::ostream& out);
void Final(std::ostream& out);
void Rare(std::ostream& out);

}  // namespace toviran::chart
