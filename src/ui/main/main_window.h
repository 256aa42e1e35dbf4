#pragma once
// frmMain: the program's main window. It shows the one MagState, turns the feed-slot
// inputs into feeding runs, and redraws exactly what the engine reports as changed.
// The planner window sees it only through PlannerHost.
#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <vector>

#include "engine/display.h"
#include "engine/feeding.h"
#include "engine/mag_state.h"
#include "platform/platform.h"
#include "ui/main/history_box.h"
#include "ui/main/history_save.h"
#include "ui/main/history_window.h"
#include "ui/main/main_controls.h"
#include "ui/planner/planner_host.h"

namespace toviran {

class FrameWait;

class frmMain final : public QMainWindow, public DisplayObserver, public PlannerHost {
    Q_OBJECT
  public:
    // Form_Load: puts `state` to the start values that the design's captions show.
    frmMain(MagState& state, Platform& platform, QWidget* parent = nullptr);
    ~frmMain() override;

    void Changed(DisplayItem item, StatKind stat) override;

    MagState& state() { return state_; }
    Platform& platform() { return platform_; }
    const MainControls& controls() const { return c_; }

    // The inputs of a feeding run as the controls hold them now.
    FeedRequest CurrentFeedRequest() const override;
    // Sets the class, ID, mode and feed slots as the player would, so that
    // CurrentFeedRequest() gives `request` (its enabled slots come first). Feeds nothing.
    void SetFeedInputs(const FeedRequest& request) override;
    CharacterClass SelectedClass() const override;
    SectionIdParity SelectedParity() const override;

    // The rest of the planner's view of this window.
    const MagState& CurrentMag() const override { return state_; }
    void NewMag() override { mnuNew_Click(); }
    MessageBoxes& Messages() override { return platform_.messages; }
    Clipboard& ClipboardService() override { return platform_.clipboard; }
    void OnMagChanged(QObject& context, std::function<void()> handler) override;
    void OnClassOrIdChanged(QObject& context, std::function<void()> handler) override;

    // Event handlers, also for code that acts as the user would.
    void cmdTake_Click();
    void cmdUndo_Click();
    void cmbAwake_Click(int index);
    void lblMag_Click();  // also mnuVer2_Click
    void mnuNew_Click();
    void mnuSave_Click();
    void ローテーション();

    // The history window: created on first use (hidden), unloaded when switched off.
    frmRireki* RirekiWindow();
    frmRireki* ExistingRirekiWindow() const { return rireki_; }
    void えさ履歴ウインドウの表示();
    const std::string& SaveFileName() const { return saver_.SaveFileName(); }

    // Closing the window: `handler`s run as it closes, before the history window is
    // unloaded.
    void AddUnloadHandler(std::function<void()> handler) {
        unloadHandlers_.push_back(std::move(handler));
    }
  signals:
    // Once after each action that changed the mag (a feeding run, undo, new mag, a special
    // item, the parameter window, a conversion), when the action is over, however many
    // values it redrew.
    void MagChanged();
    // The class or the section ID selected has changed.
    void ClassOrIdChanged();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void ConnectHandlers();
    void ConnectSlot(std::size_t index);
    void SetMode(FeedMode mode);
    void SetSlotItem(std::size_t slot, const std::string& item);
    void chkRireki_Click();
    void mnuEsaRireki_Click();
    void UnloadRireki();
    void PlaceRireki();
    std::vector<QRect> OpenRireki() const;
    void ShowName();
    void ShowStatProgress(StatKind stat);
    void NoteMagChanged();

    MagState& state_;
    Platform& platform_;
    MainControls c_;
    HistoryBox txtRireki_;  // kept while the history window comes and goes
    QPointer<frmRireki> rireki_;
    HistorySaver saver_;
    FrameWait* rirekiFrameWait_;
    std::vector<std::function<void()>> unloadHandlers_;
    bool magChangeNoted_ = false;
};

}  // namespace toviran
