#pragma once
// frmRireki: the feed-history tool window under the main window, with its one text box.
#include <QPlainTextEdit>
#include <QWidget>
#include <functional>
#include <string>
#include <string_view>

#include "ui/main/history_box.h"

namespace toviran {

inline constexpr const char* kRirekiCaption = "マグにえさをあげた記録なのですYO";

// Height of the box for the window's inner height: 10 twips less, never negative.
int RirekiBoxHeight(int innerHeightPixels);

class frmRireki final : public QWidget {
  public:
    // The window holds `box`, which outlives it, while it exists. A new window's box
    // starts out holding `historyText` (the user's edits in an earlier window are gone),
    // so that a save made before the window was ever shown still writes the whole history.
    frmRireki(std::string_view historyText, HistoryBox& box, QWidget* owner);
    ~frmRireki() override;

    QPlainTextEdit* txtRireki() const { return &box_.widget(); }
    // Refills the box: it holds `historyText`, the cursor at its start, scrolled to the top.
    void setHistoryText(std::string_view historyText) { box_.Follow(historyText); }
    // What the box holds now (the user's edits included), with CR LF line breaks.
    std::string boxText() const { return box_.Text(); }

    // Runs when the user closes the window by its close box.
    void setClosedByUser(std::function<void()> handler) { closedByUser_ = std::move(handler); }

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void layoutBox();

    HistoryBox& box_;
    std::function<void()> closedByUser_;
};

}  // namespace toviran
