// Replacing a file through a temporary file: new and replaced files, permission
// bits, symbolic links, and the failures that must leave the disk untouched.
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <functional>
#include <string>
#include <vector>

#include "platform/file_replacement.h"
#include "temp_folder.h"

namespace tessmar {
namespace {

namespace fs = std::filesystem;
using fs::perms;

class ReplaceFile : public ::testing::Test {
protected:
    TempFolder folder;
};

// Sets the process's umask for one test and gives the old one back.
class UmaskFor {
public:
    explicit UmaskFor(mode_t mask) : old_(::umask(mask)) {}
    ~UmaskFor() { ::umask(old_); }

private:
    mode_t old_;
};

TEST_F(ReplaceFile, NewFileGetsUmaskedDefaultMode)
{
    for (mode_t mask : {mode_t{022}, mode_t{027}, mode_t{077}}) {
        UmaskFor umask_for(mask);
        const fs::path file = folder / ("new" + std::to_string(mask));
        ASSERT_TRUE(replace_file(file.string(), "line\r\n"));
        EXPECT_EQ(read_bytes(file), "line\r\n");
        EXPECT_EQ(static_cast<unsigned>(permissions_of(file)), 0666u & ~mask) << std::oct << mask;
    }
}

TEST_F(ReplaceFile, ReplacesLongerFileWholeAndKeepsItsMode)
{
    const fs::path file = folder / "sheet.txt";
    write_bytes(file, std::string(5000, 'x'));
    fs::permissions(file, perms::owner_read | perms::owner_write | perms::others_read);
    ASSERT_TRUE(replace_file(file.string(), "short\r\n"));
    EXPECT_EQ(read_bytes(file), "short\r\n");
    EXPECT_EQ(permissions_of(file), perms::owner_read | perms::owner_write | perms::others_read);
    EXPECT_EQ(folder_record(folder.path()).size(), 1u) << "no temporary file left";
}

// A bare name, and a bare-named link whose target is relative too, are taken
// from the working folder, where the temporary file is made as well.
TEST_F(ReplaceFile, RelativePathWritesInTheWorkingFolder)
{
    fs::create_directory(folder / "sub");
    fs::create_symlink("tessmar-linked.txt", folder / "link.txt");
    fs::create_symlink("sub/tessmar-linked.txt", folder / "sub-link.txt");
    struct Case {
        const char* path;     // given to replace_file
        const char* written;  // the file in the working folder that must hold the bytes (its own name)
    };
    const Case cases[] = {{"plain.txt", "plain.txt"}, {"link.txt", "tessmar-linked.txt"},
                          {"sub-link.txt", "sub/tessmar-linked.txt"}};
    {
        const WorkingIn in_folder(folder.path());
        for (const Case& c : cases) EXPECT_TRUE(replace_file(c.path, c.written)) << c.path;
    }
    for (const Case& c : cases) EXPECT_EQ(read_bytes(folder / c.written), c.written);
    EXPECT_EQ(folder_record(folder.path()).size(), 6u) << "no temporary file left";
}

TEST_F(ReplaceFile, SymbolicLinkIsFollowedAndKept)
{
    struct Case {
        const char* name;
        std::function<fs::path(const TempFolder&)> make_link;  // returns the path to save to
        const char* replaced;                                   // the file that must hold the bytes
    };
    const std::vector<Case> cases{
        {"absolute link",
         [](const TempFolder& f) {
             fs::create_symlink(f / "real.txt", f / "link.txt");
             return f / "link.txt";
         },
         "real.txt"},
        {"relative link into a subfolder",
         [](const TempFolder& f) {
             fs::create_directory(f / "sub");
             fs::rename(f / "real.txt", f / "sub" / "real.txt");
             fs::create_directory(f / "links");
             fs::create_symlink("../sub/real.txt", f / "links" / "link.txt");
             return f / "links" / "link.txt";
         },
         "sub/real.txt"},
        {"link to a link",
         [](const TempFolder& f) {
             fs::create_symlink("real.txt", f / "first.txt");
             fs::create_symlink("first.txt", f / "second.txt");
             return f / "second.txt";
         },
         "real.txt"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder f;
        write_bytes(f / "real.txt", "old content that is longer");
        fs::permissions(f / "real.txt", perms::owner_read | perms::owner_write | perms::group_read);
        const fs::path link = c.make_link(f);
        ASSERT_TRUE(replace_file(link.string(), "new\r\n"));
        EXPECT_TRUE(fs::is_symlink(fs::symlink_status(link)));
        EXPECT_EQ(read_bytes(f / c.replaced), "new\r\n");
        EXPECT_EQ(permissions_of(f / c.replaced), perms::owner_read | perms::owner_write | perms::group_read);
    }
}

TEST_F(ReplaceFile, DanglingLinkCreatesItsTarget)
{
    fs::create_symlink("later.txt", folder / "link.txt");
    ASSERT_TRUE(replace_file((folder / "link.txt").string(), "made"));
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(folder / "link.txt")));
    EXPECT_EQ(read_bytes(folder / "later.txt"), "made");
}

// Each failure leaves every file as it was and nothing new behind, also for root.
TEST_F(ReplaceFile, FailuresChangeNothingOnDisk)
{
    struct Case {
        const char* name;
        std::function<fs::path(const TempFolder&)> prepare;  // returns the path to save to
        int error;
    };
    const std::vector<Case> cases{
        {"folder does not exist", [](const TempFolder& f) { return f / "missing" / "sheet.txt"; }, ENOENT},
        {"path is a folder",
         [](const TempFolder& f) {
             fs::create_directory(f / "sheets");
             write_bytes(f / "sheets" / "old.txt", "kept");
             return f / "sheets";
         },
         EISDIR},
        {"parent is a plain file",
         [](const TempFolder& f) {
             write_bytes(f / "notes.txt", "notes\r\n");
             return f / "notes.txt" / "sheet.txt";
         },
         ENOTDIR},
        {"path ends in a slash",
         [](const TempFolder& f) {
             write_bytes(f / "sheet.txt", "old sheet");
             return fs::path((f / "sheet.txt").string() + "/");
         },
         ENOTDIR},
        {"link to a folder",
         [](const TempFolder& f) {
             fs::create_directory(f / "sheets");
             fs::create_symlink("sheets", f / "link");
             return f / "link";
         },
         EISDIR},
        {"links in a loop",
         [](const TempFolder& f) {
             fs::create_symlink("b", f / "a");
             fs::create_symlink("a", f / "b");
             return f / "a";
         },
         ELOOP},
        {"named pipe",
         [](const TempFolder& f) {
             ::mkfifo((f / "pipe").c_str(), 0644);
             return f / "pipe";
         },
         EINVAL},
    };
    for (TemporaryFile kind : {TemporaryFile::unnamed_where_possible, TemporaryFile::named}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.name);
            TempFolder f;
            write_bytes(f / "other.txt", "untouched");
            const fs::path target = c.prepare(f);
            const auto before = folder_record(f.path());
            const FileWriteResult result = replace_file(target.string(), "new sheet\r\n", kind);
            EXPECT_FALSE(result);
            EXPECT_EQ(result.error, c.error) << result.reason();
            EXPECT_EQ(folder_record(f.path()), before);
        }
    }
}

// Limits the size of files this process may write, for one test; a write past
// it fails (for root as well) instead of raising SIGXFSZ, which the planner and
// sheet-driver ignore from their start (checked through sheet-driver itself).
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) : old_signal_(std::signal(SIGXFSZ, SIG_IGN))
    {
        ::getrlimit(RLIMIT_FSIZE, &old_);
        rlimit limited = old_;
        limited.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, old_signal_);
    }

private:
    rlimit old_{};
    void (*old_signal_)(int);
};

// Both ways of writing: through a temporary file (either kind) for a file with
// one name, in place for a file with two.
TEST_F(ReplaceFile, WriteFailingMidwayKeepsTheOldFile)
{
    struct Case {
        const char* name;
        TemporaryFile kind;
        bool second_name;
    };
    for (const Case& c : {Case{"unnamed temporary file", TemporaryFile::unnamed_where_possible, false},
                          Case{"named temporary file", TemporaryFile::named, false},
                          Case{"in place", TemporaryFile::unnamed_where_possible, true}}) {
        SCOPED_TRACE(c.name);
        TempFolder f;
        const fs::path file = f / "sheet.txt";
        write_bytes(file, "the earlier sheet\r\n");
        if (c.second_name) fs::create_hard_link(file, f / "other.txt");
        const auto before = folder_record(f.path());
        {
            FileSizeLimit limit(100);
            EXPECT_EQ(replace_file(file.string(), std::string(1000, 'y'), c.kind).error, EFBIG);
        }
        EXPECT_EQ(folder_record(f.path()), before);
    }
}

// The named temporary files are the ones a kill can leave behind: a later save
// of the same name removes the user's own that are older than a running save
// can be, and only those, whatever process their names give: a fresh one may
// be a save's on another machine that shares the folder.
TEST_F(ReplaceFile, OnlyOldTemporaryFilesOfTheUsersOwnAreRemoved)
{
    const pid_t ended = ::fork();
    if (ended == 0) ::_exit(0);
    ::waitpid(ended, nullptr, 0);
    const std::string by_ended = ".sheet.txt." + std::to_string(ended);
    const std::string by_us = ".sheet.txt." + std::to_string(::getpid());
    struct Case {
        std::string name;
        int minutes_old;
        bool removed;
    };
    const std::vector<Case> cases{
        {by_ended + ".AbCd12", 20, true},
        {by_us + ".XyZ789", 20, true},  // the process number plays no part
        {by_ended + ".Fresh1", 0, false},
        {by_ended + ".Young1", 5, false},
        {".other.txt." + std::to_string(ended) + ".AbCd12", 20, false},  // another file's
        {".sheet.txt.Qw3rty", 20, false},                                 // not the shape of one
        {"sheet.txt", 20, false},
    };
    const std::string foreign = by_ended + ".Other1";  // old, but another user's, where the test may give it away
    for (TemporaryFile kind : {TemporaryFile::unnamed_where_possible, TemporaryFile::named}) {
        TempFolder f;
        std::vector<std::string> expected;
        for (const Case& c : cases) {
            write_bytes(f / c.name, "half a sheet");
            ASSERT_TRUE(make_minutes_old(f / c.name, c.minutes_old));
            if (!c.removed) expected.push_back(c.name);
        }
        write_bytes(f / foreign, "half a sheet");
        ASSERT_TRUE(make_minutes_old(f / foreign, 20));
        if (::lchown((f / foreign).c_str(), ::geteuid() + 1, static_cast<gid_t>(-1)) == 0)
            expected.push_back(foreign);
        else
            fs::remove(f / foreign);
        ASSERT_TRUE(replace_file((f / "sheet.txt").string(), "new\r\n", kind));
        std::vector<std::string> left;
        for (const auto& [name, record] : folder_record(f.path())) left.push_back(name);
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(left, expected);
    }
}

// Both kinds of temporary file give a new file the umasked mode and keep the
// mode of a replaced one.
TEST_F(ReplaceFile, NamedTemporaryFileGivesTheSameModes)
{
    UmaskFor umask_for(027);
    const fs::path file = folder / "sheet.txt";
    ASSERT_TRUE(replace_file(file.string(), "first", TemporaryFile::named));
    EXPECT_EQ(static_cast<unsigned>(permissions_of(file)), 0640u);
    fs::permissions(file, perms::owner_read | perms::owner_write | perms::others_read);
    ASSERT_TRUE(replace_file(file.string(), "second", TemporaryFile::named));
    EXPECT_EQ(read_bytes(file), "second");
    EXPECT_EQ(permissions_of(file), perms::owner_read | perms::owner_write | perms::others_read);
    EXPECT_EQ(folder_record(folder.path()).size(), 1u);
}

}  // namespace
}  // namespace tessmar
