// Replacing a file through a temporary file: new and replaced files, permission
// bits, symbolic links, and the failures that must leave the disk untouched.
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>
#include <functional>
#include <string>
#include <vector>

#include "platform/text_file.h"
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
    for (mode_t mask : {022, 027, 077}) {
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

TEST_F(ReplaceFile, RelativePathWritesInTheWorkingFolder)
{
    const fs::path before = fs::current_path();
    fs::current_path(folder.path());
    const bool written = replace_file("plain.txt", "x");
    fs::current_path(before);
    ASSERT_TRUE(written);
    EXPECT_EQ(read_bytes(folder / "plain.txt"), "x");
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
    };
    const std::vector<Case> cases{
        {"folder does not exist", [](const TempFolder& f) { return f / "missing" / "sheet.txt"; }},
        {"path is a folder",
         [](const TempFolder& f) {
             fs::create_directory(f / "sheets");
             write_bytes(f / "sheets" / "old.txt", "kept");
             return f / "sheets";
         }},
        {"parent is a plain file",
         [](const TempFolder& f) {
             write_bytes(f / "notes.txt", "notes\r\n");
             return f / "notes.txt" / "sheet.txt";
         }},
        {"path ends in a slash",
         [](const TempFolder& f) {
             write_bytes(f / "sheet.txt", "old sheet");
             return fs::path((f / "sheet.txt").string() + "/");
         }},
        {"link to a folder",
         [](const TempFolder& f) {
             fs::create_directory(f / "sheets");
             fs::create_symlink("sheets", f / "link");
             return f / "link";
         }},
        {"links in a loop",
         [](const TempFolder& f) {
             fs::create_symlink("b", f / "a");
             fs::create_symlink("a", f / "b");
             return f / "a";
         }},
        {"named pipe",
         [](const TempFolder& f) {
             ::mkfifo((f / "pipe").c_str(), 0644);
             return f / "pipe";
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder f;
        write_bytes(f / "other.txt", "untouched");
        const fs::path target = c.prepare(f);
        const auto before = folder_record(f.path());
        EXPECT_FALSE(replace_file(target.string(), "new sheet\r\n"));
        EXPECT_EQ(folder_record(f.path()), before);
    }
}

// Limits the size of files this process may write, for one test; a write past
// it fails (for root as well) instead of raising SIGXFSZ.
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

TEST_F(ReplaceFile, WriteFailingMidwayKeepsTheOldFile)
{
    const fs::path file = folder / "sheet.txt";
    write_bytes(file, "the earlier sheet\r\n");
    const auto before = folder_record(folder.path());
    {
        FileSizeLimit limit(100);
        EXPECT_FALSE(replace_file(file.string(), std::string(1000, 'y')));
    }
    EXPECT_EQ(folder_record(folder.path()), before);
}

}  // namespace
}  // namespace tessmar
