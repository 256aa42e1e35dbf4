// The saved history file: CP932 bytes, replacement of what CP932 cannot hold, and
// failures that leave the earlier file alone.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "history/history_file.h"
#include "history/history_text.h"

namespace toviran {
namespace {

namespace fs = std::filesystem;

std::string ReadBytes(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

fs::path TempDir() {
    std::string tmpl = (fs::temp_directory_path() / "toviran-test-XXXXXX").string();
    return mkdtemp(tmpl.data());
}

TEST(HistoryFile, Cp932BytesWithFinalCrLf) {
    const fs::path dir = TempDir();
    const fs::path file = dir / "rireki.txt";
    const std::string text =
        "マグのえさ履歴♪\r\n" +
        HistoryEntry(SectionIdParity::Even, CharacterClass::HU, "モノメイト", "3", "マグ");
    ASSERT_TRUE(SaveHistoryFile(file.string(), text).ok);
    const std::string expected =
        "\x83\x7d\x83\x4f\x82\xcc\x82\xa6\x82\xb3\x97\x9a\x97\xf0\x81\xf4\r\n"  // マグのえさ履歴♪
        "\r\n\x8b\xf4\x90\x94"                                                  // 偶数
        "\x82\x67\x82\x74\x82\x6d\x82\x73\x82\x64\x82\x71\r\n"  // ＨＵＮＴＥＲ
        "[\x83\x41\x83\x43\x83\x65\x83\x80]\x83\x82\x83\x6d\x83\x81\x83\x43\x83\x67\r\n"
        "[\x81\x9f\x90\x94\x97\xca\x81\x9f] 3\r\n"
        "[\x83\x7d\x83\x4f\x8c\x60\x91\xd4]\x83\x7d\x83\x4f\r\n"
        "   \x81\xab\x81\xab  \r\n";
    EXPECT_EQ(ReadBytes(file), expected);
    // No temporary file is left behind.
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
    fs::remove_all(dir);
}

TEST(HistoryFile, UnrepresentableCharactersBecomeReplacement) {
    EXPECT_EQ(ToCp932("a😀b"), "a?b");
    EXPECT_EQ(ToCp932("①"), "\x87\x40");  // NEC special characters are in CP932
    EXPECT_EQ(ToCp932("한"), "?");
}

TEST(HistoryFile, FailureKeepsEarlierFileAndSaysWhy) {
    const fs::path dir = TempDir();
    const fs::path missing = dir / "no-such-folder" / "rireki.txt";
    const SaveResult r = SaveHistoryFile(missing.string(), "x");
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.error, "フォルダが見つかりません");
    const Message m = SaveFailureMessage(missing.string(), r);
    EXPECT_EQ(m.title, "保存できませんでした");
    EXPECT_EQ(m.icon, MessageIcon::Exclamation);
    EXPECT_NE(m.text.find(missing.string()), std::string::npos);

    // A folder in the way of the target: the rename fails, the folder and its content stay.
    const fs::path target = dir / "taken";
    fs::create_directory(target);
    std::ofstream(target / "keep.txt") << "earlier";
    EXPECT_FALSE(SaveHistoryFile(target.string(), "new").ok);
    EXPECT_EQ(ReadBytes(target / "keep.txt"), "earlier");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
    fs::remove_all(dir);
}

// A write-protected file is refused, although the folder would allow replacing it. Root
// may write anything, so as root the save runs in a child process as an ordinary user.
TEST(HistoryFile, WriteProtectedFileIsLeftAlone) {
    const fs::path dir = TempDir();
    fs::permissions(dir, fs::perms::all);
    const fs::path file = dir / "protected.txt";
    std::ofstream(file) << "earlier";
    fs::permissions(file, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (geteuid() == 0 && setuid(65534) != 0) _exit(3);
        const SaveResult r = SaveHistoryFile(file.string(), "new");
        _exit(!r.ok && r.error == "書き込みの権限がありません" ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    EXPECT_EQ(ReadBytes(file), "earlier");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
    fs::remove_all(dir);
}

}  // namespace
}  // namespace toviran
