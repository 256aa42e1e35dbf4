#pragma once
// The one record of the mag being raised. The application owns a single instance and
// hands it to every window and to the batch simulator.
#include <array>
#include <cstdint>
#include <string>

#include "types.h"

namespace toviran {

inline constexpr const char* kHistoryHeading = "マグのえさ履歴♪\r\n";
// A new mag's level, all of it in DEF.
inline constexpr std::int16_t kNewMagLevel = 5;

struct MagState {
    std::string HistoryText = kHistoryHeading;
    std::int16_t TimerSeconds = 0;
    Flag TimerRunning = kFalse;
    std::string FeedName1 = "モノメイト";
    std::string FeedName2 = "モノメイト";
    std::string FeedName3 = "モノメイト";
    std::string FeedName4 = "モノメイト";
    std::int32_t FeedCount = 0;
    std::int16_t Level = kNewMagLevel;
    std::int16_t IQ = 0;
    std::int16_t Synchro = 40;
    std::string MagName = "マグ";
    std::int16_t FeedTableNo = 0;
    std::int16_t DefLevel = kNewMagLevel;
    std::int16_t DefProgress = 0;
    std::int16_t PowLevel = 0;
    std::int16_t PowProgress = 0;
    std::int16_t DexLevel = 0;
    std::int16_t DexProgress = 0;
    std::int16_t MindLevel = 0;
    std::int16_t MindProgress = 0;
    Flag RareMagFlag = kFalse;

    // UndoSnapshot
    std::int16_t UndoLevel = 0;
    std::int16_t UndoIQ = 0;
    std::int16_t UndoSynchro = 0;
    std::string UndoMagName;
    std::int16_t UndoDefLevel = 0;
    std::int16_t UndoDefProgress = 0;
    std::int16_t UndoPowLevel = 0;
    std::int16_t UndoPowProgress = 0;
    std::int16_t UndoDexLevel = 0;
    std::int16_t UndoDexProgress = 0;
    std::int16_t UndoMindLevel = 0;
    std::int16_t UndoMindProgress = 0;
    std::string UndoHistoryText;

    // ProgressBackup: the progress values before the item now being fed.
    std::int16_t DefProgressBackup = 0;
    std::int16_t PowProgressBackup = 0;
    std::int16_t DexProgressBackup = 0;
    std::int16_t MindProgressBackup = 0;

    // What the main window shows beyond the fields above. The engine keeps it here so
    // that the windows and the batch simulator agree: the name's text colour (the
    // conversion reads it to recognise a Ver2 mag), whether undo is possible, and the
    // forms recorded at the end of slots 1 to 3 of the last count-mode run.
    Rgb NameColour = kWhite;
    bool UndoEnabled = false;
    std::string SlotFormName1;
    std::string SlotFormName2;
    std::string SlotFormName3;
};

// Accessors by stat, so the four identical rules are written once.
std::int16_t& StatLevel(MagState& s, StatKind k);
std::int16_t& StatProgress(MagState& s, StatKind k);
std::int16_t& StatProgressBackup(MagState& s, StatKind k);
std::int16_t& UndoStatLevel(MagState& s, StatKind k);
std::int16_t& UndoStatProgress(MagState& s, StatKind k);
std::int16_t StatLevel(const MagState& s, StatKind k);
std::int16_t StatProgress(const MagState& s, StatKind k);

}  // namespace toviran
