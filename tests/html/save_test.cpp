// Safe saving: the target is replaced whole or left exactly as it was, and no
// temporary file is left behind either way.
#include <gtest/gtest.h>
#include <grp.h>
#include <pwd.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <set>

#include "html/file.h"
#include "html/save_internal.h"
#include "vcl/SysUtils.h"

namespace {

namespace fs = std::filesystem;

std::string Read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void Write(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// Every path below a folder.
std::set<std::string> Entries(const fs::path& dir) {
    std::set<std::string> names;
    for (const auto& e : fs::recursive_directory_iterator(dir)) names.insert(e.path().string());
    return names;
}

mode_t ModeOf(const fs::path& path) {
    struct stat st;
    EXPECT_EQ(stat(path.c_str(), &st), 0) << path;
    return st.st_mode & 07777;
}

std::string CreateMessage(const fs::path& path) { return Format(SFCreateError, path.string()); }

// The message of the error that `save` raises, or "no error".
std::string ErrorOf(const std::function<void()>& save) {
    try {
        save();
    } catch (const EFCreateError& e) {
        return "create: " + e.Message();
    } catch (const EWriteError& e) {
        return "write: " + e.Message();
    }
    return "no error";
}

const std::string kPage = "<html>\r\n</html>\r\n";

class SaveTest : public testing::Test {
protected:
    void SetUp() override {
        char name[] = "/tmp/hibimaker-save-XXXXXX";
        ASSERT_NE(mkdtemp(name), nullptr);
        dir_ = name;
    }
    void TearDown() override {
        if (mounted_) umount2(mounted_->c_str(), MNT_DETACH);
        fs::remove_all(dir_);
    }

    fs::path dir_;
    std::optional<fs::path> mounted_;
};

TEST_F(SaveTest, ReplacesLongerFileExactly) {
    const fs::path page = dir_ / "page.htm";
    Write(page, std::string(10000, 'x'));
    html::SaveBytes(page, kPage);
    EXPECT_EQ(Read(page), kPage);
    EXPECT_EQ(Entries(dir_), std::set<std::string>{page.string()});
}

// Cases that a plain open would refuse too: the target cannot be created.
struct RefusedCase {
    const char* name;
    std::function<fs::path(const fs::path& dir)> setUp;
};

void PrintTo(const RefusedCase& c, std::ostream* os) { *os << c.name; }

class SaveRefused : public SaveTest, public testing::WithParamInterface<RefusedCase> {};

TEST_P(SaveRefused, ReportsCannotCreateAndChangesNothing) {
    const fs::path path = GetParam().setUp(dir_);
    const auto before = Entries(dir_);
    std::error_code noThrow;  // a link loop has no status
    const bool isFile = fs::is_regular_file(path, noThrow);
    const std::string content = isFile ? Read(path) : "";
    EXPECT_EQ(ErrorOf([&] { html::SaveBytes(path, kPage); }), "create: " + CreateMessage(path));
    EXPECT_EQ(Entries(dir_), before);
    if (isFile) {
        EXPECT_EQ(Read(path), content);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Paths, SaveRefused,
    testing::Values(
        RefusedCase{"FolderMissing", [](const fs::path& dir) { return dir / "none" / "p.htm"; }},
        RefusedCase{"PathIsFolder",
                    [](const fs::path& dir) {
                        fs::create_directory(dir / "p.htm");
                        return dir / "p.htm";
                    }},
        // A file without write bits is read-only even for root.
        RefusedCase{"ReadOnlyFile",
                    [](const fs::path& dir) {
                        Write(dir / "p.htm", "old page");
                        chmod((dir / "p.htm").c_str(), 0444);
                        return dir / "p.htm";
                    }},
        RefusedCase{"LinkLoop",
                    [](const fs::path& dir) {
                        fs::create_symlink("b", dir / "a");
                        fs::create_symlink("a", dir / "b");
                        return dir / "a";
                    }}),
    [](const auto& info) { return std::string(info.param.name); });

// Root passes every permission check, so the cases that depend on folder and
// file permissions run in a child process that has become user nobody.
std::string SaveAsNobody(const fs::path& path) {
    const passwd* nobody = getpwnam("nobody");
    if (nobody == nullptr) return "no user nobody";
    int pipeFds[2];
    if (pipe(pipeFds) != 0) return "no pipe";
    const pid_t pid = fork();
    if (pid == 0) {
        close(pipeFds[0]);
        std::string result = "cannot become nobody";
        if (setgroups(0, nullptr) == 0 && setgid(nobody->pw_gid) == 0 &&
            setuid(nobody->pw_uid) == 0)
            result = ErrorOf([&] { html::SaveBytes(path, kPage); });
        (void)!write(pipeFds[1], result.data(), result.size());
        _exit(0);
    }
    close(pipeFds[1]);
    std::string result;
    char buffer[512];
    for (ssize_t n; (n = read(pipeFds[0], buffer, sizeof buffer)) > 0;) result.append(buffer, n);
    close(pipeFds[0]);
    waitpid(pid, nullptr, 0);
    return result;
}

TEST_F(SaveTest, UserWithoutPermissionIsRefused) {
    if (geteuid() != 0) GTEST_SKIP() << "needs root to switch to user nobody";
    chmod(dir_.c_str(), 0755);
    // A folder that nobody may not write.
    fs::create_directory(dir_ / "locked");
    const fs::path inLocked = dir_ / "locked" / "p.htm";
    // A file that nobody may not write, in a folder that everybody may.
    fs::create_directory(dir_ / "open");
    chmod((dir_ / "open").c_str(), 0777);
    const fs::path othersFile = dir_ / "open" / "p.htm";
    Write(othersFile, "root's page");
    chmod(othersFile.c_str(), 0644);
    const auto before = Entries(dir_);

    EXPECT_EQ(SaveAsNobody(inLocked), "create: " + CreateMessage(inLocked));
    EXPECT_EQ(SaveAsNobody(othersFile), "create: " + CreateMessage(othersFile));
    EXPECT_EQ(Entries(dir_), before);
    EXPECT_EQ(Read(othersFile), "root's page");
}

// Write and flush operations that fail the way a full or failing disk does.
struct FailureCase {
    const char* name;
    html::detail::FileOps ops;
};

void PrintTo(const FailureCase& c, std::ostream* os) { *os << c.name; }

ssize_t Fail(int error) {
    errno = error;
    return -1;
}

html::detail::FileOps WithWrite(std::function<ssize_t(int, const void*, std::size_t)> write) {
    auto ops = html::detail::SystemFileOps();
    ops.write = std::move(write);
    return ops;
}

class SaveFailure : public SaveTest, public testing::WithParamInterface<FailureCase> {};

TEST_P(SaveFailure, ReportsWriteErrorAndKeepsOldFile) {
    const fs::path page = dir_ / "page.htm";
    Write(page, "old page");
    const std::string bytes(5000, 'n');
    EXPECT_EQ(ErrorOf([&] { html::detail::SaveBytesWith(page, bytes, GetParam().ops); }),
              "write: " + std::string(SWriteError));
    EXPECT_EQ(Read(page), "old page");
    EXPECT_EQ(Entries(dir_), std::set<std::string>{page.string()});
}

INSTANTIATE_TEST_SUITE_P(
    Injected, SaveFailure,
    testing::Values(
        FailureCase{"DiskFullAtOnce",
                    WithWrite([](int, const void*, std::size_t) { return Fail(ENOSPC); })},
        FailureCase{"DiskFullPartway",
                    WithWrite([written = std::make_shared<std::size_t>(0)](
                                  int fd, const void* data, std::size_t size) -> ssize_t {
                        if (*written >= 1000) return Fail(ENOSPC);
                        const ssize_t n = ::write(fd, data, std::min<std::size_t>(size, 700));
                        *written += n;
                        return n;
                    })},
        FailureCase{"NoProgress", WithWrite([](int, const void*, std::size_t) { return 0; })},
        FailureCase{"FlushFails",
                    [] {
                        auto ops = html::detail::SystemFileOps();
                        ops.fsync = [](int) { return static_cast<int>(Fail(EIO)); };
                        return ops;
                    }()}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SaveTest, ShortAndInterruptedWritesStillWriteEverything) {
    const fs::path page = dir_ / "page.htm";
    std::string bytes;
    for (int i = 0; i < 1000; ++i) bytes += static_cast<char>('a' + i % 26);
    int calls = 0;
    const auto ops = WithWrite([&](int fd, const void* data, std::size_t size) -> ssize_t {
        if (++calls % 5 == 0) return Fail(EINTR);
        return ::write(fd, data, std::min<std::size_t>(size, 7));
    });
    html::detail::SaveBytesWith(page, bytes, ops);
    EXPECT_EQ(Read(page), bytes);
}

TEST_F(SaveTest, FullFileSystemKeepsOldFile) {
    const fs::path small = dir_ / "small";
    fs::create_directory(small);
    if (mount("tmpfs", small.c_str(), "tmpfs", 0, "size=64k") != 0)
        GTEST_SKIP() << "cannot mount a small tmpfs here: " << std::strerror(errno);
    mounted_ = small;
    const fs::path page = small / "page.htm";
    Write(page, "old page");
    EXPECT_EQ(ErrorOf([&] { html::SaveBytes(page, std::string(256 * 1024, 'n')); }),
              "write: " + std::string(SWriteError));
    EXPECT_EQ(Read(page), "old page");
    EXPECT_EQ(Entries(small), std::set<std::string>{page.string()});
}

TEST_F(SaveTest, ReplacedFileKeepsModeAndOwner) {
    const fs::path page = dir_ / "page.htm";
    Write(page, "old page");
    chmod(page.c_str(), 0640);
    const bool root = geteuid() == 0;
    if (root) {
        ASSERT_EQ(chown(page.c_str(), 65534, 65534), 0);
    }
    html::SaveBytes(page, kPage);
    struct stat st;
    ASSERT_EQ(stat(page.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    if (root) {
        EXPECT_EQ(st.st_uid, 65534u);
    }
    EXPECT_EQ(Read(page), kPage);
}

TEST_F(SaveTest, NewFileFollowsUmask) {
    const mode_t old = umask(027);
    html::SaveBytes(dir_ / "page.htm", kPage);
    umask(old);
    EXPECT_EQ(ModeOf(dir_ / "page.htm"), 0640u);
}

// A chosen path that is a symbolic link replaces the file it leads to.
struct LinkCase {
    const char* name;
    std::vector<std::pair<std::string, std::string>> links;  // link name, link text
    bool targetExists;
};

void PrintTo(const LinkCase& c, std::ostream* os) { *os << c.name; }

class SaveThroughLink : public SaveTest, public testing::WithParamInterface<LinkCase> {};

TEST_P(SaveThroughLink, ReplacesFileItLeadsTo) {
    fs::create_directory(dir_ / "real");
    fs::create_directory(dir_ / "links");
    const fs::path target = dir_ / "real" / "page.htm";
    if (GetParam().targetExists) Write(target, std::string(3000, 'o'));
    for (const auto& [name, text] : GetParam().links) {
        const std::string resolved = text[0] == '@' ? (dir_ / text.substr(1)).string() : text;
        fs::create_symlink(resolved, dir_ / "links" / name);
    }
    const fs::path chosen = dir_ / "links" / GetParam().links.front().first;
    const auto linksBefore = Entries(dir_ / "links");

    html::SaveBytes(chosen, kPage);

    EXPECT_TRUE(fs::is_symlink(chosen));
    EXPECT_EQ(Read(target), kPage);
    EXPECT_EQ(Entries(dir_ / "real"), std::set<std::string>{target.string()});
    EXPECT_EQ(Entries(dir_ / "links"), linksBefore);
}

// "@x" is an absolute link to dir/x; other texts are relative to the link.
INSTANTIATE_TEST_SUITE_P(
    Links, SaveThroughLink,
    testing::Values(LinkCase{"Absolute", {{"p.htm", "@real/page.htm"}}, true},
                    LinkCase{"Relative", {{"p.htm", "../real/page.htm"}}, true},
                    LinkCase{"Chain", {{"p.htm", "q.htm"}, {"q.htm", "../real/page.htm"}}, true},
                    LinkCase{"Dangling", {{"p.htm", "../real/page.htm"}}, false}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
