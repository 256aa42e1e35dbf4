#pragma once
// The simulator's output lines: messages, the state line and the history line.
#include <string>
#include <string_view>
#include <vector>

#include "engine/mag_state.h"
#include "engine/messages.h"
#include "planner/plan.h"
#include "planner/reach_table.h"

namespace toviran::sim {

// Keeps a text on one output line: "\" becomes "\\", CR "\r" and LF "\n".
std::string EscapeLine(std::string_view text);

// "message ICON [TITLE] TEXT"
std::string MessageLine(const Message& message);
// "state name=... undo=0|1"
std::string StateLine(const MagState& state);
// "history TEXT"
std::string HistoryLine(const MagState& state);
// "plan found items=N presses=K bound=B feedtime=S", with " cut=work|memory|time" when the
// search stopped before it settled, and a "press ..." line per press (each, without
// "press", a line of the script language); or "plan none REASON".
std::vector<std::string> PlanLines(const planner::PlanResult& result);
// "reach FORM level=L items=N bound=B", "reach FORM none REASON" or
// "reach FORM unknown REASON" (with " level=L items=N bound=B" before the reason when a
// plan was found at a level that lower ones may still undercut).
std::string ReachLine(const planner::ReachRow& row);

}  // namespace toviran::sim
