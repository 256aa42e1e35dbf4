#pragma once
// The mag catalogue window (frmMagMag, "マグのとくちょう"): looks up any mag form by name
// and shows its English name, photon blast, support abilities and how it is obtained,
// and fills the feed-table window with that form's feed table. It never changes the mag.
#include <QPointer>
#include <QWidget>
#include <functional>
#include <string>

#include "engine/mag_state.h"
#include "ui/data/feed_table_window.h"
#include "ui/data/support_patterns.h"

class QComboBox;
class QLabel;

namespace toviran {

class MagCatalogWindow : public QWidget {
    Q_OBJECT
  public:
    // The inner size, fixed: also where the window will stand before it is made.
    static constexpr int kClientWidthTwips = 4560;
    static constexpr int kClientHeightTwips = 1965;

    // Shows the entry of the mag's current name and fills the feed-table window (created
    // hidden); later changes of the mag are not followed. Closing the window unloads the
    // feed-table window, calls `onClosed` and deletes this window once the close is over,
    // so `onClosed` may safely close it again. Destroying it without a close calls nothing.
    MagCatalogWindow(const MagState& mag, std::function<void()> onClosed, QWidget* owner = nullptr);

    // What a user's pick of `listName` in the list does; a name not in the list is ignored.
    void PickMag(const QString& listName);

    // The list name whose entry is shown.
    const std::string& SelectedMagName() const { return SelectedMagName_; }

    // The feed-table window, created hidden (and owned by this window) if not loaded.
    FeedTableWindow& FeedTable();
    // The feed-table window if it is loaded, else nullptr.
    FeedTableWindow* LoadedFeedTable() const { return frmEsa_; }

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void BuildControls();
    QLabel* AddLabel(QWidget* container, const char* name, const QString& text, int left, int top);
    void cmbMagMag_Click(int index);
    void 処理();
    void ShowSupport(SupportPattern pattern);
    void ShowHowToGet(const QString& text);
    void EType(int tableNo);

    std::string SelectedMagName_;
    std::function<void()> onClosed_;
    QPointer<FeedTableWindow> frmEsa_;
    QComboBox* cmbMagMag_ = nullptr;
    QLabel* lblName_ = nullptr;
    QLabel* lblBlast_ = nullptr;
    QLabel* lblPB_ = nullptr;
    QLabel* lblHinshi_ = nullptr;
    QLabel* lblDeath_ = nullptr;
    QLabel* lblBoss_ = nullptr;
    QLabel* lblGet_ = nullptr;
};

}  // namespace toviran
