#include "history/history_file.h"

#include <fcntl.h>
#include <iconv.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace toviran {
namespace {

// Length of the UTF-8 sequence that starts with `lead` (1 for a stray byte).
std::size_t Utf8Length(unsigned char lead) {
    if (lead >= 0xF0) return 4;
    if (lead >= 0xE0) return 3;
    if (lead >= 0xC0) return 2;
    return 1;
}

std::string ReasonFor(int error) {
    switch (error) {
        case EACCES:
        case EPERM:
            return "書き込みの権限がありません";
        case ENOENT:
        case ENOTDIR:
            return "フォルダが見つかりません";
        case ENOSPC:
        case EDQUOT:
            return "ディスクの空きが足りません";
        case EROFS:
            return "読み取り専用の場所です";
        case EISDIR:
            return "同じ名前のフォルダがあります";
        case ENAMETOOLONG:
            return "ファイル名が長すぎます";
        default:
            break;
    }
    return "書き込みに失敗しました（エラー番号 " + std::to_string(error) + "）";
}

bool WriteAll(int fd, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// The file a save replaces. A symbolic link is followed, so that the link stays and the
// file it points to gets the new text, as writing through the link would.
std::string ResolveTarget(const std::string& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
    char* resolved = ::realpath(path.c_str(), nullptr);
    if (!resolved) return path;
    std::string target(resolved);
    std::free(resolved);
    return target;
}

// An existing file keeps its permissions; a new one gets those a new file normally gets.
mode_t ModeFor(const std::string& target) {
    struct stat st {};
    if (::stat(target.c_str(), &st) == 0 && S_ISREG(st.st_mode)) return st.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

std::string DirectoryOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

}  // namespace

std::string ToCp932(std::string_view utf8) {
    iconv_t cd = iconv_open("CP932", "UTF-8");
    if (cd == reinterpret_cast<iconv_t>(-1)) return std::string(utf8);
    std::string out;
    std::vector<char> buffer(utf8.size() * 2 + 16);
    char* in = const_cast<char*>(utf8.data());
    std::size_t inLeft = utf8.size();
    while (inLeft > 0) {
        char* outPtr = buffer.data();
        std::size_t outLeft = buffer.size();
        const std::size_t rc = iconv(cd, &in, &inLeft, &outPtr, &outLeft);
        out.append(buffer.data(), static_cast<std::size_t>(outPtr - buffer.data()));
        if (rc != static_cast<std::size_t>(-1)) break;
        if (errno == E2BIG) continue;
        // A character the code page cannot hold (or a broken sequence) becomes "?".
        const std::size_t skip = std::min(Utf8Length(static_cast<unsigned char>(*in)), inLeft);
        in += skip;
        inLeft -= skip;
        out += '?';
    }
    iconv_close(cd);
    return out;
}

SaveResult SaveHistoryFile(const std::string& path, std::string_view text) {
    const std::string bytes = ToCp932(std::string(text) + "\r\n");
    const std::string target = ResolveTarget(path);
    // A file the user may not write to stays as it is, although the rename below would
    // only need the folder's permission.
    if (::access(target.c_str(), F_OK) == 0 && ::access(target.c_str(), W_OK) != 0)
        return {false, ReasonFor(errno)};
    // Write beside the target and rename over it only when complete, so that a failure
    // never leaves a half-written history in place of the earlier file.
    std::string temp = DirectoryOf(target) + "/.toviran-save-XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) return {false, ReasonFor(errno)};
    bool ok = ::fchmod(fd, ModeFor(target)) == 0 && WriteAll(fd, bytes) && ::fsync(fd) == 0;
    int error = ok ? 0 : errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        error = errno;
    }
    if (ok) {
        if (::rename(temp.c_str(), target.c_str()) == 0) return {true, {}};
        error = errno;
    }
    ::unlink(temp.c_str());
    return {false, ReasonFor(error)};
}

Message SaveFailureMessage(const std::string& path, const SaveResult& result) {
    return {MessageIcon::Exclamation, "保存できませんでした",
            "「" + path + "」に保存できませんでした。\r\n理由：" + result.error,
            MessageButtons::Ok};
}

}  // namespace toviran
