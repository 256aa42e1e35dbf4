// The saved history file: CP932 bytes, the question before characters become "?", and
// failures that leave whatever was at the path alone.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "history/cp932.h"
#include "history/history_file.h"
#include "history/history_text.h"
#include "test_support.h"

namespace toviran {
namespace {

namespace fs = std::filesystem;
using testing::RecordingPrompter;

std::string ReadBytes(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

class HistoryFile : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string tmpl = (fs::temp_directory_path() / "toviran-test-XXXXXX").string();
        dir_ = mkdtemp(tmpl.data());
    }
    void TearDown() override { fs::remove_all(dir_); }
    std::ptrdiff_t Entries() const {
        return std::distance(fs::directory_iterator(dir_), fs::directory_iterator());
    }
    fs::path dir_;
    RecordingPrompter prompter_;
};

TEST_F(HistoryFile, Cp932BytesWithFinalCrLf) {
    const fs::path file = dir_ / "rireki.txt";
    const std::string text =
        "マグのえさ履歴♪\r\n" +
        HistoryEntry(SectionIdParity::Even, CharacterClass::HU, "モノメイト", "3", "マグ");
    EXPECT_EQ(SaveHistoryFile(file.string(), text, prompter_), SaveOutcome::Saved);
    const std::string expected =
        "\x83\x7d\x83\x4f\x82\xcc\x82\xa6\x82\xb3\x97\x9a\x97\xf0\x81\xf4\r\n"  // マグのえさ履歴♪
        "\r\n\x8b\xf4\x90\x94"                                                  // 偶数
        "\x82\x67\x82\x74\x82\x6d\x82\x73\x82\x64\x82\x71\r\n"  // ＨＵＮＴＥＲ
        "[\x83\x41\x83\x43\x83\x65\x83\x80]\x83\x82\x83\x6d\x83\x81\x83\x43\x83\x67\r\n"
        "[\x81\x9f\x90\x94\x97\xca\x81\x9f] 3\r\n"
        "[\x83\x7d\x83\x4f\x8c\x60\x91\xd4]\x83\x7d\x83\x4f\r\n"
        "   \x81\xab\x81\xab  \r\n";
    EXPECT_EQ(ReadBytes(file), expected);
    EXPECT_TRUE(prompter_.shown.empty());
    EXPECT_EQ(Entries(), 1);  // no temporary file is left behind
}

// Each character CP932 cannot hold, and each broken UTF-8 sequence, is one "?"; reading
// goes on at the byte that broke a sequence.
TEST_F(HistoryFile, ReplacementCharacters) {
    const struct {
        const char* utf8;
        const char* cp932;
        std::size_t replaced;
    } cases[] = {
        {"①", "\x87\x40", 0},  // NEC special characters are in CP932
        {"a😀b𠮷한€", "a?b???", 4},
        {"a\xF0\x9F"
         "b",
         "a?b", 1},                            // a cut-off sequence
        {"\xC0\xAF\xED\xA0\x80", "?????", 5},  // an overlong "/" and a surrogate
        {"x\xE3\x81", "x?", 1},                // cut off at the very end
    };
    for (const auto& c : cases) {
        const Cp932Text out = ToCp932(c.utf8);
        EXPECT_EQ(out.bytes, c.cp932) << c.utf8;
        EXPECT_EQ(out.replaced, c.replaced) << c.utf8;
    }
}

TEST_F(HistoryFile, AsksBeforeCharactersBecomeQuestionMarks) {
    const fs::path file = dir_ / "rireki.txt";
    std::ofstream(file) << "earlier";
    prompter_.answers = {false};
    EXPECT_EQ(SaveHistoryFile(file.string(), "😀メモ𠮷", prompter_), SaveOutcome::Cancelled);
    EXPECT_EQ(ReadBytes(file), "earlier");
    ASSERT_EQ(prompter_.shown.size(), 1u);
    EXPECT_EQ(prompter_.shown[0], UnencodableQuestion(2));
    const Message& m = prompter_.shown[0];
    EXPECT_EQ(m.icon, MessageIcon::Question);
    EXPECT_EQ(m.buttons, MessageButtons::OkCancel);
    EXPECT_NE(m.text.find("2文字"), std::string::npos);
    EXPECT_NE(m.text.find("「?」"), std::string::npos);

    EXPECT_EQ(SaveHistoryFile(file.string(), "😀メモ𠮷", prompter_), SaveOutcome::Saved);  // OK
    EXPECT_EQ(ReadBytes(file), "?\x83\x81\x83\x82?\r\n");
    EXPECT_EQ(Entries(), 1);
}

TEST_F(HistoryFile, FailureSaysWhyAndKeepsTheEarlierFile) {
    const fs::path missing = dir_ / "no-such-folder" / "rireki.txt";
    EXPECT_EQ(SaveHistoryFile(missing.string(), "x", prompter_), SaveOutcome::Failed);
    ASSERT_EQ(prompter_.shown.size(), 1u);
    EXPECT_EQ(prompter_.shown[0],
              SaveFailureMessage(missing.string(), {false, "フォルダが見つかりません"}));
    EXPECT_EQ(prompter_.shown[0].title, "保存できませんでした");
    EXPECT_EQ(prompter_.shown[0].icon, MessageIcon::Exclamation);
    EXPECT_NE(prompter_.shown[0].text.find(missing.string()), std::string::npos);

    // A file where a folder should be is named as such, not as a missing folder.
    const fs::path file = dir_ / "file.txt";
    std::ofstream(file) << "earlier";
    for (const fs::path& p : {file / "x.txt", fs::path(file.string() + "/")})
        EXPECT_EQ(ReplaceFile(p.string(), "new").error, "パスの途中にフォルダでないものがあります");
    EXPECT_EQ(ReplaceFile("/proc/toviran.txt", "new").error,
              "このフォルダにはファイルを作れません");

    // A folder in the way of the target: the folder and its content stay.
    const fs::path taken = dir_ / "taken";
    fs::create_directory(taken);
    std::ofstream(taken / "keep.txt") << "earlier";
    EXPECT_EQ(ReplaceFile(taken.string(), "new").error, "同じ名前のフォルダがあります");
    EXPECT_EQ(ReadBytes(taken / "keep.txt"), "earlier");
    EXPECT_EQ(ReadBytes(file), "earlier");
    EXPECT_EQ(Entries(), 2);
}

// A symbolic link is written through, to the file it names; whatever is not a regular
// file (after the links) is left as it was.
TEST_F(HistoryFile, LinksAndThingsThatAreNotFiles) {
    const fs::path dangling = dir_ / "dangling";
    fs::create_symlink("made-by-save.txt", dangling);
    EXPECT_TRUE(ReplaceFile(dangling.string(), "new").ok);
    EXPECT_TRUE(fs::is_symlink(dangling));
    EXPECT_EQ(ReadBytes(dir_ / "made-by-save.txt"), "new");

    const fs::path intoNowhere = dir_ / "into-nowhere";
    fs::create_symlink(dir_ / "no-such-folder" / "x.txt", intoNowhere);
    EXPECT_EQ(ReplaceFile(intoNowhere.string(), "new").error, "フォルダが見つかりません");

    const fs::path loop = dir_ / "loop";
    fs::create_symlink("loop", loop);
    EXPECT_EQ(ReplaceFile(loop.string(), "new").error, "シンボリックリンクが循環しています");

    const fs::path fifo = dir_ / "fifo";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const fs::path toFifo = dir_ / "to-fifo";
    fs::create_symlink(fifo, toFifo);
    std::vector<fs::path> refused{fifo, toFifo};
    const fs::path device = dir_ / "null";
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
    EXPECT_EQ(Entries(), static_cast<std::ptrdiff_t>(4 + refused.size()));
}

// A write-protected file is refused, although the folder would allow replacing it. Root
// may write anything, so as root the save runs in a child process as an ordinary user.
TEST_F(HistoryFile, WriteProtectedFileIsLeftAlone) {
    fs::permissions(dir_, fs::perms::all);
    const fs::path file = dir_ / "protected.txt";
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
    EXPECT_EQ(Entries(), 1);
}

}  // namespace
}  // namespace toviran
