#pragma once
// What works around the main window's own controls: the feed timer, the mag data
// windows, the planner window, dragging all windows together with the quick menu, exit
// with its question, the version message and the web links. Attached once, when the
// window is built.
namespace toviran {

class frmMain;

void ConnectWindowCommands(frmMain& window);

}  // namespace toviran
