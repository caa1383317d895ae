// Safe replacement of the chosen file: the page goes to a new file beside the
// target, is flushed to disk and only then renamed over the target, so an
// existing file is either replaced whole or left exactly as it was.
#include <fcntl.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <optional>
#include <utility>

#include "html/file.h"
#include "html/save_internal.h"
#include "vcl/SysUtils.h"

namespace html {

namespace detail {

namespace {

constexpr int kMaxLinkHops = 40;        // as the kernel's limit for a path
constexpr int kMaxNameAttempts = 100;   // fresh random names before giving up

std::string DirName(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

// The file that a plain open of `path` would write: symbolic links followed,
// however many, the last of which may name a file that does not exist yet.
// Nothing when the chain cannot be followed (a loop, an unreadable folder).
std::optional<std::string> ResolveLinks(std::string path) {
    for (int hop = 0; hop <= kMaxLinkHops; ++hop) {
        struct stat st;
        if (lstat(path.c_str(), &st) != 0) {
            if (errno == ENOENT) return path;
            return std::nullopt;
        }
        if (!S_ISLNK(st.st_mode)) return path;
        char buffer[PATH_MAX];
        const ssize_t length = readlink(path.c_str(), buffer, sizeof buffer);
        if (length <= 0 || length == static_cast<ssize_t>(sizeof buffer)) return std::nullopt;
        std::string target(buffer, static_cast<std::size_t>(length));
        path = target.front() == '/' ? target : DirName(path) + "/" + target;
    }
    return std::nullopt;
}

// What an existing target needs to keep.
struct ExistingFile {
    mode_t mode;
    uid_t uid;
    gid_t gid;
};

// A file that may be replaced must be a regular file that this user may
// write. A file without any write bit counts as read-only for everybody, so
// that the owner's intent holds even for root, whom access() lets write.
bool MayReplace(const std::string& path, const struct stat& st) {
    return S_ISREG(st.st_mode) && (st.st_mode & 0222) != 0 && access(path.c_str(), W_OK) == 0;
}

std::string RandomSuffix() {
    unsigned char random[8];
    if (getrandom(random, sizeof random, 0) != static_cast<ssize_t>(sizeof random)) {
        // Without randomness the name still differs per process and attempt.
        static unsigned counter = 0;
        const unsigned long long mix = (static_cast<unsigned long long>(getpid()) << 32) ^
                                       (++counter * 0x9E3779B97F4A7C15ull);
        for (int i = 0; i < 8; ++i) random[i] = static_cast<unsigned char>(mix >> (8 * i));
    }
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string suffix;
    for (unsigned char byte : random) {
        suffix += kDigits[byte >> 4];
        suffix += kDigits[byte & 0xF];
    }
    return suffix;
}

// The temporary file: removed again unless it has been renamed over the target.
class TempFile {
public:
    // Creates a new file in `dir`, never opening one that exists or a link.
    static std::optional<TempFile> Create(const std::string& dir) {
        for (int attempt = 0; attempt < kMaxNameAttempts; ++attempt) {
            std::string path = dir + "/.hibimaker-" + RandomSuffix() + ".tmp";
            const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                                0666);
            if (fd >= 0) return TempFile(std::move(path), fd);
            if (errno != EEXIST) return std::nullopt;
        }
        return std::nullopt;
    }

    TempFile(TempFile&& other) noexcept
        : path_(std::move(other.path_)), fd_(std::exchange(other.fd_, -1)),
          keep_(std::exchange(other.keep_, true)) {}
    TempFile& operator=(TempFile&&) = delete;

    ~TempFile() {
        if (fd_ >= 0) ::close(fd_);
        if (!keep_) unlink(path_.c_str());
    }

    int fd() const { return fd_; }
    const std::string& path() const { return path_; }

    // Closes the descriptor; false when the close reports an error.
    bool Close() { return ::close(std::exchange(fd_, -1)) == 0; }

    // Moves the file over `target`; false when the rename fails.
    bool RenameTo(const std::string& target) {
        if (rename(path_.c_str(), target.c_str()) != 0) return false;
        keep_ = true;
        return true;
    }

private:
    TempFile(std::string path, int fd) : path_(std::move(path)), fd_(fd) {}

    std::string path_;
    int fd_;
    bool keep_ = false;
};

// Writes all of `bytes`, resuming after a partial write; false when a write
// fails or makes no progress (a full disk).
bool WriteAll(int fd, std::string_view bytes, const FileOps& ops) {
    while (!bytes.empty()) {
        const ssize_t written = ops.write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// Gives the new file the permission bits, and where allowed the owner, of the
// file that it replaces. A new file keeps 0666 less the umask, as with open.
bool KeepAttributes(int fd, const ExistingFile& old) {
    if (fchown(fd, old.uid, old.gid) != 0 && errno != EPERM) return false;
    return fchmod(fd, old.mode) == 0;
}

// Makes the rename itself durable; a folder that cannot be flushed is no
// reason to report a page that is already in place.
void SyncFolder(const std::string& dir) {
    const int fd = open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    fsync(fd);
    close(fd);
}

}  // namespace

FileOps SystemFileOps() {
    return {[](int fd, const void* data, std::size_t size) { return ::write(fd, data, size); },
            [](int fd) { return ::fsync(fd); }};
}

void SaveBytesWith(const std::string& path, std::string_view bytes, const FileOps& ops) {
    const auto cannotCreate = [&] { return EFCreateError(Format(SFCreateError, path)); };
    const auto writeError = [] { return EWriteError(std::string(SWriteError)); };

    if (path.empty()) throw cannotCreate();
    const std::optional<std::string> target = ResolveLinks(path);
    if (!target) throw cannotCreate();
    std::optional<ExistingFile> existing;
    struct stat st;
    if (stat(target->c_str(), &st) == 0) {
        if (!MayReplace(*target, st)) throw cannotCreate();
        existing = ExistingFile{static_cast<mode_t>(st.st_mode & 07777), st.st_uid, st.st_gid};
    } else if (errno != ENOENT) {
        throw cannotCreate();
    }

    const std::string dir = DirName(*target);
    std::optional<TempFile> temp = TempFile::Create(dir);
    if (!temp) throw cannotCreate();
    if (existing && !KeepAttributes(temp->fd(), *existing)) throw cannotCreate();
    if (!WriteAll(temp->fd(), bytes, ops)) throw writeError();
    if (ops.fsync(temp->fd()) != 0) throw writeError();
    if (!temp->Close()) throw writeError();
    if (!temp->RenameTo(*target)) throw cannotCreate();
    SyncFolder(dir);
}

}  // namespace detail

void SaveBytes(const std::string& path, std::string_view bytes) {
    static const detail::FileOps ops = detail::SystemFileOps();
    detail::SaveBytesWith(path, bytes, ops);
}

}  // namespace html
