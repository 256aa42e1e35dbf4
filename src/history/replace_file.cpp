#include "history/replace_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <iterator>
#include <optional>
#include <vector>

namespace toviran {
namespace {

struct Reason {
    int error;
    const char* text;
};

constexpr Reason kReasons[] = {
    {EACCES, "書き込みの権限がありません"},   {EPERM, "書き込みの権限がありません"},
    {ENOENT, "フォルダが見つかりません"},     {ENOTDIR, "パスの途中にフォルダでないものがあります"},
    {ENOSPC, "ディスクの空きが足りません"},   {EDQUOT, "ディスクの空きが足りません"},
    {EROFS, "読み取り専用の場所です"},        {EISDIR, "同じ名前のフォルダがあります"},
    {ENAMETOOLONG, "ファイル名が長すぎます"}, {ELOOP, "シンボリックリンクが循環しています"},
};

constexpr const char* kNotAFile = "ふつうのファイルではありません（デバイスやパイプなど）";
constexpr const char* kCannotCreateHere = "このフォルダにはファイルを作れません";

WriteResult Failure(int error) {
    const auto it = std::ranges::find(kReasons, error, &Reason::error);
    if (it != std::end(kReasons)) return {false, it->text};
    return {false, "書き込みに失敗しました（エラー番号 " + std::to_string(error) + "）"};
}

std::string DirectoryOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// Where a symbolic link points, read relative to the link's own folder.
std::optional<std::string> LinkTarget(const std::string& link) {
    std::vector<char> buffer(256);
    for (;;) {
        const ssize_t n = ::readlink(link.c_str(), buffer.data(), buffer.size());
        if (n < 0) return std::nullopt;
        if (static_cast<std::size_t>(n) < buffer.size()) {
            std::string target(buffer.data(), static_cast<std::size_t>(n));
            if (target.starts_with('/')) return target;
            return DirectoryOf(link) + "/" + target;
        }
        buffer.resize(buffer.size() * 2);
    }
}

// As many links as the system itself follows before it calls a path a loop.
constexpr int kMaxLinks = 40;

struct Target {
    std::string path;
    bool exists = false;
};

// The name whose file a save replaces or creates: `path` with its symbolic links followed.
std::optional<Target> ResolveTarget(const std::string& path, int& error) {
    std::string current = path;
    for (int links = 0; links <= kMaxLinks; ++links) {
        struct stat st {};
        if (::lstat(current.c_str(), &st) != 0) {
            error = errno;
            if (error == ENOENT) return Target{current, false};
            return std::nullopt;
        }
        if (S_ISREG(st.st_mode)) return Target{current, true};
        if (!S_ISLNK(st.st_mode)) {
            error = S_ISDIR(st.st_mode) ? EISDIR : 0;
            return std::nullopt;
        }
        const auto next = LinkTarget(current);
        if (!next) {
            error = errno;
            return std::nullopt;
        }
        current = *next;
    }
    error = ELOOP;
    return std::nullopt;
}

// An existing file keeps its permissions; a new one gets those a new file normally gets.
mode_t ModeFor(const Target& target) {
    struct stat st {};
    if (target.exists && ::stat(target.path.c_str(), &st) == 0) return st.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// Why no temporary file could be made in `folder`: a folder that is there but takes no
// new files (such as /proc) is not a missing one.
WriteResult TempFailure(const std::string& folder, int error) {
    struct stat st {};
    if (error == ENOENT && ::stat(folder.c_str(), &st) == 0 && S_ISDIR(st.st_mode))
        return {false, kCannotCreateHere};
    return Failure(error);
}

}  // namespace

WriteResult ReplaceFile(const std::string& path, std::string_view bytes) {
    int error = 0;
    const auto target = ResolveTarget(path, error);
    if (!target) return error == 0 ? WriteResult{false, kNotAFile} : Failure(error);
    // A file the user may not write to stays as it is, although the rename below would
    // only need the folder's permission.
    if (target->exists && ::access(target->path.c_str(), W_OK) != 0) return Failure(errno);
    const std::string folder = DirectoryOf(target->path);
    std::string temp = folder + "/.toviran-save-XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) return TempFailure(folder, errno);
    bool ok = ::fchmod(fd, ModeFor(*target)) == 0 && WriteAll(fd, bytes) && ::fsync(fd) == 0;
    error = ok ? 0 : errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        error = errno;
    }
    if (ok) {
        if (::rename(temp.c_str(), target->path.c_str()) == 0) return {true, {}};
        error = errno;
    }
    ::unlink(temp.c_str());
    return Failure(error);
}

}  // namespace toviran
