#pragma once
// frmRireki: the feed-history tool window under the main window, with its one text box.
#include <QPlainTextEdit>
#include <QWidget>
#include <functional>
#include <string>
#include <string_view>

#include "ui/main/history_document.h"

namespace toviran {

inline constexpr const char* kRirekiCaption = "マグにえさをあげた記録なのですYO";

// Height of the box for the window's inner height: 10 twips less, never negative.
int RirekiBoxHeight(int innerHeightPixels);

class frmRireki final : public QWidget {
  public:
    // The box shows `text`, which outlives the window. A new window's box starts out
    // holding `historyText` (the user's edits in an earlier window are gone), so that a
    // save made before the window was ever shown still writes the whole history.
    frmRireki(std::string_view historyText, HistoryDocument& text, QWidget* owner);

    QPlainTextEdit* txtRireki() const { return txtRireki_; }
    // Refills the box: it holds `historyText`, the cursor at its start, scrolled to the top.
    void setHistoryText(std::string_view historyText);
    // What the box holds now (the user's edits included), with CR LF line breaks.
    std::string boxText() const { return text_.Text(); }

    // Runs when the user closes the window by its close box.
    void setClosedByUser(std::function<void()> handler) { closedByUser_ = std::move(handler); }

  protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void layoutBox();

    HistoryDocument& text_;
    QPlainTextEdit* txtRireki_;
    std::function<void()> closedByUser_;
};

}  // namespace toviran
