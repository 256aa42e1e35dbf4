// The saved history file: CP932 bytes, the question before characters become "?", and
// failures that leave whatever was at the path alone. (The bytes of a whole saved history
// are in the history window's tests and the toviran-sim scenario history_save.sim.)
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>

#include "history/cp932.h"
#include "history/history_file.h"
#include "temp_dir.h"
#include "test_support.h"

namespace toviran {
namespace {

namespace fs = std::filesystem;
using testing::ReadBytes;

class HistoryFile : public ::testing::Test {
  protected:
    testing::TempDir dir_;
    testing::RecordingPrompter prompter_;
};

// Each character CP932 cannot hold, and each broken UTF-8 sequence, is one "?". A broken
// sequence ends where the bytes its lead byte announces end, or at the first byte that
// cannot continue it; that byte is read again as the start of the next character.
TEST_F(HistoryFile, ReplacementCharacters) {
    const struct {
        const char* form;
        const char* utf8;
        const char* cp932;
    } cases[] = {
        {"NEC special character", "①", "\x87\x40"},
        {"outside CP932", "a😀z𠮷한€", "a?z???"},
        {"overlong two-byte /", "a\xC0\xAFz", "a?z"},
        {"overlong three-byte /", "a\xE0\x80\xAFz", "a?z"},
        {"overlong four-byte /", "a\xF0\x80\x80\xAFz", "a?z"},
        {"high surrogate", "a\xED\xA0\x80z", "a?z"},
        {"low surrogate", "a\xED\xBF\xBFz", "a?z"},
        {"U+110000", "a\xF4\x90\x80\x80z", "a?z"},
        {"four-byte lead past U+13FFFF", "a\xF5\x80\x80\x80z", "a?z"},
        {"five-byte form", "a\xF8\x88\x80\x80\x80z", "a?z"},
        {"lone continuation byte", "a\x80z", "a?z"},
        {"FF", "a\xFFz", "a?z"},
        {"cut off before a letter", "a\xF0\x9Fz", "a?z"},
        {"cut off before a character", "\xE3\x81あ", "?\x82\xa0"},
        {"cut off at the end", "x\xE3\x81", "x?"},
        {"four bytes cut off at the end", "x\xF0\x9F\x98", "x?"},
        {"two broken in a row", "\xC0\xAF\xED\xA0\x80", "??"},
    };
    for (const auto& c : cases) {
        const Cp932Text out = ToCp932(c.utf8);
        EXPECT_EQ(out.bytes, c.cp932) << c.form;
        const std::string_view expected = c.cp932;  // no case holds a "?" of its own
        EXPECT_EQ(out.replaced, std::count(expected.begin(), expected.end(), '?')) << c.form;
    }
}

TEST_F(HistoryFile, AsksBeforeCharactersBecomeQuestionMarks) {
    const fs::path file = dir_.path() / "rireki.txt";
    std::ofstream(file) << "earlier";
    prompter_.answers = {false};
    EXPECT_EQ(SaveHistoryFile(file.string(), "😀メモ𠮷", prompter_), SaveOutcome::Cancelled);
    EXPECT_EQ(ReadBytes(file), "earlier");
    ASSERT_EQ(prompter_.shown.size(), 1u);
    const Message& m = prompter_.shown[0];
    EXPECT_EQ(m.icon, MessageIcon::Question);
    EXPECT_EQ(m.buttons, MessageButtons::OkCancel);
    EXPECT_NE(m.text.find("2文字"), std::string::npos);

    EXPECT_EQ(SaveHistoryFile(file.string(), "😀メモ𠮷", prompter_), SaveOutcome::Saved);  // OK
    EXPECT_EQ(ReadBytes(file), "?\x83\x81\x83\x82?\r\n");
    EXPECT_EQ(dir_.Entries(), 1u);
}

TEST_F(HistoryFile, FailureSaysWhyAndKeepsTheEarlierFile) {
    const fs::path missing = dir_.path() / "no-such-folder" / "rireki.txt";
    EXPECT_EQ(SaveHistoryFile(missing.string(), "x", prompter_), SaveOutcome::Failed);
    ASSERT_EQ(prompter_.shown.size(), 1u);
    EXPECT_EQ(prompter_.shown[0].title, "保存できませんでした");
    EXPECT_EQ(prompter_.shown[0].icon, MessageIcon::Exclamation);
    EXPECT_NE(prompter_.shown[0].text.find(missing.string() + "」に保存できませんでした。\r\n理由："
                                                              "フォルダが見つかりません"),
              std::string::npos);

    // A file where a folder should be is named as such, not as a missing folder.
    const fs::path file = dir_.path() / "file.txt";
    std::ofstream(file) << "earlier";
    for (const fs::path& p : {file / "x.txt", fs::path(file.string() + "/")})
        EXPECT_EQ(ReplaceFile(p.string(), "new").error, "パスの途中にフォルダでないものがあります");
    EXPECT_EQ(ReplaceFile("/proc/toviran.txt", "new").error,
              "このフォルダにはファイルを作れません");

    // A folder in the way of the target: the folder and its content stay.
    const fs::path taken = dir_.path() / "taken";
    fs::create_directory(taken);
    std::ofstream(taken / "keep.txt") << "earlier";
    EXPECT_EQ(ReplaceFile(taken.string(), "new").error, "同じ名前のフォルダがあります");
    EXPECT_EQ(ReadBytes(taken / "keep.txt"), "earlier");
    EXPECT_EQ(ReadBytes(file), "earlier");
    EXPECT_EQ(dir_.Entries(), 2u);
}

// A symbolic link is written through, to the file it names; whatever is not a regular
// file (after the links) is left as it was. Replacing a file keeps its permissions.
TEST_F(HistoryFile, LinksPermissionsAndThingsThatAreNotFiles) {
    const fs::path dangling = dir_.path() / "dangling";
    fs::create_symlink("made-by-save.txt", dangling);
    EXPECT_TRUE(ReplaceFile(dangling.string(), "new").ok);
    EXPECT_TRUE(fs::is_symlink(dangling));
    const fs::path made = dir_.path() / "made-by-save.txt";
    EXPECT_EQ(ReadBytes(made), "new");
    fs::permissions(made, fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_TRUE(ReplaceFile(dangling.string(), "newer").ok);
    EXPECT_EQ(fs::status(made).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);

    const fs::path intoNowhere = dir_.path() / "into-nowhere";
    fs::create_symlink(dir_.path() / "no-such-folder" / "x.txt", intoNowhere);
    EXPECT_EQ(ReplaceFile(intoNowhere.string(), "new").error, "フォルダが見つかりません");

    const fs::path loop = dir_.path() / "loop";
    fs::create_symlink("loop", loop);
    EXPECT_EQ(ReplaceFile(loop.string(), "new").error, "シンボリックリンクが循環しています");

    const fs::path fifo = dir_.path() / "fifo";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const fs::path toFifo = dir_.path() / "to-fifo";
    fs::create_symlink(fifo, toFifo);
    std::vector<fs::path> refused{fifo, toFifo};
    const fs::path device = dir_.path() / "null";
    if (mknod(device.c_str(), S_IFCHR | 0600, makedev(1, 3)) == 0) refused.push_back(device);
    for (const fs::path& p : refused) {
        EXPECT_EQ(ReplaceFile(p.string(), "new").error,
                  "ふつうのファイルではありません（デバイスやパイプなど）")
            << p;
    }
    EXPECT_TRUE(fs::is_fifo(fifo));
    EXPECT_TRUE(fs::is_symlink(toFifo) && fs::is_symlink(loop) && fs::is_symlink(intoNowhere));
    if (refused.size() == 3) {
        EXPECT_TRUE(fs::is_character_file(device));
    }
    EXPECT_EQ(dir_.Entries(), 4 + refused.size());
}

// A write-protected file is refused, although the folder would allow replacing it. Root
// may write anything, so as root the save runs in a child process as an ordinary user.
TEST_F(HistoryFile, WriteProtectedFileIsLeftAlone) {
    fs::permissions(dir_.path(), fs::perms::all);
    const fs::path file = dir_.path() / "protected.txt";
    std::ofstream(file) << "earlier";
    fs::permissions(file, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (geteuid() == 0 && setuid(65534) != 0) _exit(3);
        const WriteResult r = ReplaceFile(file.string(), "new");
        _exit(!r.ok && r.error == "書き込みの権限がありません" ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    EXPECT_EQ(ReadBytes(file), "earlier");
    EXPECT_EQ(dir_.Entries(), 1u);
}

}  // namespace
}  // namespace toviran
