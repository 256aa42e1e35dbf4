#pragma once
// The real main window over its own mag, with the desktop services faked, shown on the
// offscreen screen. Tests that need more derive from it.
#include <QString>
#include <QtTest>
#include <string_view>

#include "platform/fake_platform.h"
#include "ui/main/count_box.h"
#include "ui/main/main_window.h"

namespace toviran::testing {

inline QString Q(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

struct MainWindowFixture {
    MainWindowFixture() : window(state, fakes.platform()) { window.show(); }
    const MainControls& c() const { return window.controls(); }
    const FeedSlotControls& slot(int i) const { return c().feedSlots[static_cast<std::size_t>(i)]; }
    // Slot 1's item `count` times (the target level in level mode), by the feed button.
    void Feed(const char* count) {
        slot(0).count->setText(Q(count));
        QTest::mouseClick(c().cmdTake, Qt::LeftButton);
    }

    FakePlatform fakes;
    MagState state;
    frmMain window;
};

}  // namespace toviran::testing
