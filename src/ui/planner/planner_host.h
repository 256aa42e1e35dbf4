#pragma once
// What the planner window needs of the window it serves (the main window): the mag and the
// class and ID it is fed with, word of their changes, the feed inputs to fill, the new-mag
// command, and the desktop's message boxes and clipboard. Nothing else of the main window
// is the planner's business.
#include <functional>

#include "engine/feeding.h"
#include "engine/mag_state.h"

class QObject;

namespace toviran {

class Clipboard;
class MessageBoxes;

class PlannerHost {
  public:
    virtual ~PlannerHost() = default;

    virtual const MagState& CurrentMag() const = 0;
    virtual CharacterClass SelectedClass() const = 0;
    virtual SectionIdParity SelectedParity() const = 0;
    // The inputs of a feeding run as they stand, and the same inputs set as the player
    // would set them (feeding nothing).
    virtual FeedRequest CurrentFeedRequest() const = 0;
    virtual void SetFeedInputs(const FeedRequest& request) = 0;
    // A new mag, made as the menu's new-mag command makes it (undoably).
    virtual void NewMag() = 0;
    virtual MessageBoxes& Messages() = 0;
    virtual Clipboard& ClipboardService() = 0;

    // `handler` runs, while `context` lives, once after each action that changed the mag
    // (however many values it changed), or after each change of the class or the ID.
    virtual void OnMagChanged(QObject& context, std::function<void()> handler) = 0;
    virtual void OnClassOrIdChanged(QObject& context, std::function<void()> handler) = 0;
};

}  // namespace toviran
