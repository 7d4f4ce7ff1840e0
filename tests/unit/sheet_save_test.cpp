// Saving through the SAVE button onto a file that is already there, as the
// user who runs the planner: write protection, owner and group, hard links,
// extended attributes, folders the user may not write, a file-size limit, and
// kills at random moments while saving.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#ifdef __linux__
#include <sys/xattr.h>
#endif
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <functional>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "form_fixture.h"
#include "start_sheet.h"
#include "temp_folder.h"

namespace tessmar {
namespace {

namespace fs = std::filesystem;

const std::string old_sheet = "an earlier sheet\r\n";
const std::string save_failed = "Not saved: ";

struct stat stat_of(const fs::path& file)
{
    struct stat st {};
    EXPECT_EQ(::stat(file.c_str(), &st), 0) << file;
    return st;
}

// A user id and a group id that no account on this machine has.
std::optional<uid_t> unused_id(uid_t from, bool group)
{
    for (uid_t id = from; id < from + 1000; ++id)
        if (group ? ::getgrgid(id) == nullptr : ::getpwuid(id) == nullptr) return id;
    return std::nullopt;
}

// Who saves: the process's own user when it is not root; as root, an account
// that does not exist, so that the system's own checks of permission apply.
struct Saver {
    uid_t uid;
    gid_t gid;
    std::vector<gid_t> groups;  // supplementary groups
};

// Clicks SAVE on a fresh window in a child process that runs as saver, with the
// Save As dialog answering path, and returns the message the window then shows.
// A child that could not become the saver returns nullopt with the reason.
std::optional<std::string> message_after_save_as(const Saver& saver, const fs::path& path, std::string& reason)
{
    int pipe_fds[2];
    if (::pipe(pipe_fds) != 0) {
        reason = "no pipe";
        return std::nullopt;
    }
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(pipe_fds[0]);
        auto report = [&](const std::string& text, int status) {
            const ssize_t written = ::write(pipe_fds[1], text.data(), text.size());
            ::_exit(written == static_cast<ssize_t>(text.size()) ? status : 4);
        };
        if (::geteuid() == 0) {
            if (::setgroups(saver.groups.size(), saver.groups.data()) != 0 ||
                ::setresgid(saver.gid, saver.gid, saver.gid) != 0 || ::setresuid(saver.uid, saver.uid, saver.uid) != 0)
                report(std::string("cannot drop to an unprivileged user: ") + std::strerror(errno), 3);
        }
        LoadedWindow w;
        w.dialog.answer = path.string();
        w.form.SAVE_Click();
        report(w.form.message_window.text, 0);
    }
    ::close(pipe_fds[1]);
    std::string text;
    char buffer[256];
    for (ssize_t n; (n = ::read(pipe_fds[0], buffer, sizeof buffer)) > 0;) text.append(buffer, static_cast<std::size_t>(n));
    ::close(pipe_fds[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (WIFEXITED(status) && WEXITSTATUS(status) == 0) return text;
    reason = WIFEXITED(status) && WEXITSTATUS(status) == 3 ? text : "the saving child failed";
    return std::nullopt;
}

// The files of one case: a folder for the saver, and the ids involved.
struct Setting {
    Saver saver;
    uid_t other_user;  // an owner who is not the saver
    gid_t shared_group;  // a group that the saver belongs to and the other user's file has
};

class SaveOverAnExistingFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (::geteuid() != 0) {
            setting = {{::getuid(), ::getgid(), {}}, ::getuid(), ::getgid()};
            return;
        }
        const std::optional<uid_t> saver = unused_id(61000, false);
        const std::optional<uid_t> other = saver ? unused_id(*saver + 1, false) : std::nullopt;
        const std::optional<gid_t> group = unused_id(61000, true);
        const std::optional<gid_t> shared = group ? unused_id(*group + 1, true) : std::nullopt;
        if (!other || !shared) GTEST_SKIP() << "no unused user and group ids to save as";
        setting = {{*saver, *group, {*shared}}, *other, *shared};
        // The saver must reach the folders of the cases.
        fs::permissions(root.path(), fs::perms::owner_all | fs::perms::group_exec | fs::perms::others_exec);
    }

    // A folder of the saver's own with the given mode.
    fs::path saver_folder(const std::string& name, fs::perms mode)
    {
        const fs::path folder = root / name;
        fs::create_directory(folder);
        EXPECT_EQ(::chown(folder.c_str(), setting.saver.uid, setting.saver.gid), 0);
        fs::permissions(folder, mode);
        return folder;
    }

    void make_file(const fs::path& file, uid_t owner, gid_t group, fs::perms mode)
    {
        write_bytes(file, old_sheet);
        EXPECT_EQ(::chown(file.c_str(), owner, group), 0);
        fs::permissions(file, mode);
    }

    std::string save_as_saver(const fs::path& path)
    {
        std::string reason;
        const std::optional<std::string> message = message_after_save_as(setting.saver, path, reason);
        if (!message) ADD_FAILURE() << reason;
        return message.value_or("");
    }

    TempFolder root;
    Setting setting{};
};

// Files the saver owns: refused when it may not write them, and otherwise the
// saved file keeps its name, mode and every other name it has.
TEST_F(SaveOverAnExistingFile, TheSaversOwnFiles)
{
    using fs::perms;
    const perms rwx = perms::owner_all | perms::group_read | perms::group_exec | perms::others_read | perms::others_exec;
    const perms rx = perms::owner_read | perms::owner_exec | perms::group_read | perms::group_exec |
                     perms::others_read | perms::others_exec;
    const std::string sheet = crlf_lines(start_state_lines());  // what a fresh window saves

    {
        SCOPED_TRACE("a read-only file is refused and stays as it was");
        const fs::path folder = saver_folder("read-only-file", rwx);
        make_file(folder / "sheet.txt", setting.saver.uid, setting.saver.gid, perms::owner_read);
        const auto before = folder_record(folder);
        EXPECT_EQ(save_as_saver(folder / "sheet.txt"), save_failed + "Permission denied");
        EXPECT_EQ(folder_record(folder), before);
    }
    {
        SCOPED_TRACE("both names of a hard-linked file show the new sheet");
        const fs::path folder = saver_folder("hard-link", rwx);
        make_file(folder / "sheet.txt", setting.saver.uid, setting.saver.gid,
                  perms::owner_read | perms::owner_write | perms::group_read);
        fs::create_hard_link(folder / "sheet.txt", folder / "other-name.txt");
        EXPECT_EQ(save_as_saver(folder / "sheet.txt"), "");
        EXPECT_EQ(read_bytes(folder / "sheet.txt"), sheet);
        EXPECT_EQ(read_bytes(folder / "other-name.txt"), sheet);
        EXPECT_EQ(fs::hard_link_count(folder / "sheet.txt"), 2u);
        EXPECT_EQ(permissions_of(folder / "sheet.txt"), perms::owner_read | perms::owner_write | perms::group_read);
        EXPECT_EQ(folder_record(folder).size(), 2u) << "nothing else left in the folder";
    }
    {
        SCOPED_TRACE("a writable file in a folder the saver may not write is saved");
        const fs::path folder = saver_folder("read-only-folder", rwx);
        make_file(folder / "sheet.txt", setting.saver.uid, setting.saver.gid,
                  perms::owner_read | perms::owner_write);
        fs::permissions(folder, rx);
        EXPECT_EQ(save_as_saver(folder / "sheet.txt"), "");
        EXPECT_EQ(read_bytes(folder / "sheet.txt"), sheet);
        EXPECT_EQ(permissions_of(folder / "sheet.txt"), perms::owner_read | perms::owner_write);
        EXPECT_EQ(folder_record(folder).size(), 1u);
        fs::permissions(folder, rwx);
    }
}

// Files of another user in a folder the saver may write: saved in place when
// the group may write them (owner and group kept), refused when it may not.
TEST_F(SaveOverAnExistingFile, AnotherUsersFiles)
{
    if (::geteuid() != 0) GTEST_SKIP() << "needs root to make a file that belongs to another user";
    using fs::perms;
    const perms all = perms::all;
    const std::string sheet = crlf_lines(start_state_lines());  // what a fresh window saves
    struct Case {
        const char* name;
        perms mode;
        std::string message;  // after the save
        bool saved;
    };
    const perms group_writable = perms::owner_read | perms::owner_write | perms::group_read | perms::group_write;
    const std::vector<Case> cases{
        {"group-writable", group_writable, "", true},
        {"group may only read", perms::owner_read | perms::owner_write | perms::group_read,
         save_failed + "Permission denied", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const fs::path folder = saver_folder(c.name, all);
        make_file(folder / "sheet.txt", setting.other_user, setting.shared_group, c.mode);
        EXPECT_EQ(save_as_saver(folder / "sheet.txt"), c.message);
        EXPECT_EQ(read_bytes(folder / "sheet.txt"), c.saved ? sheet : old_sheet);
        const struct stat st = stat_of(folder / "sheet.txt");
        EXPECT_EQ(st.st_uid, setting.other_user);
        EXPECT_EQ(st.st_gid, setting.shared_group);
        EXPECT_EQ(permissions_of(folder / "sheet.txt"), c.mode);
        EXPECT_EQ(folder_record(folder).size(), 1u) << "nothing else left in the folder";
    }
}

// Extended attributes need a file system that keeps user attributes, which a
// memory-backed /tmp may not: these files live under the build folder. Only the
// Linux build copies them; the portable one has no calls for them.
TEST(SaveKeepsExtendedAttributes, WhetherReplacedOrWrittenInPlace)
{
#if !defined(__linux__) || defined(TESSMAR_PORTABLE_FILES)
    GTEST_SKIP() << "extended attributes are copied by the Linux build only";
#else
    const std::string sheet = crlf_lines(start_state_lines());  // what a fresh window saves
    for (bool second_name : {false, true}) {
        SCOPED_TRACE(second_name ? "file with two names" : "file with one name");
        std::string name = (fs::path(TESSMAR_DISK_FOLDER) / "xattr-test-XXXXXX").string();
        ASSERT_NE(::mkdtemp(name.data()), nullptr) << std::strerror(errno);
        const fs::path folder = name;
        const fs::path file = folder / "sheet.txt";
        write_bytes(file, old_sheet);
        const std::string note = "kept with the sheet";
        if (::setxattr(file.c_str(), "user.note", note.data(), note.size(), 0) != 0) {
            const int error = errno;
            fs::remove_all(folder);
            GTEST_SKIP() << "this file system keeps no user attributes: " << std::strerror(error);
        }
        fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
        if (second_name) fs::create_hard_link(file, folder / "other-name.txt");

        LoadedWindow w;
        w.dialog.answer = file.string();
        w.form.SAVE_Click();
        EXPECT_EQ(w.form.message_window.text, "");
        EXPECT_EQ(read_bytes(file), sheet);
        char value[64] = {};
        const ssize_t n = ::getxattr(file.c_str(), "user.note", value, sizeof value);
        EXPECT_EQ(n < 0 ? std::string(std::strerror(errno)) : std::string(value, static_cast<std::size_t>(n)), note);
        EXPECT_EQ(permissions_of(file), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
        EXPECT_EQ(folder_record(folder).size(), second_name ? 2u : 1u);
        fs::remove_all(folder);
    }
#endif
}

// The driver with a limit on the size of files it may write, saving a sheet
// larger than the limit: the program goes on and reports the failure.
TEST(SaveUnderAFileSizeLimit, IsReportedAndLeavesTheOldFile)
{
    TempFolder scripts;
    TempFolder work;
    write_bytes(work / "sheet.txt", old_sheet);
    const auto before = folder_record(work.path());
    std::string long_text(2900, 'x');
    write_bytes(scripts / "save.scn", "type alternativebackground " + long_text + "\nsave sheet.txt\n" +
                                          "print message_window.text\nsave sheet.txt\nprint cpsleft\n");

    const pid_t child = ::fork();
    if (child == 0) {
        const int out = ::open((scripts / "out.txt").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        rlimit limit{};
        ::getrlimit(RLIMIT_FSIZE, &limit);
        limit.rlim_cur = 1024;
        if (out < 0 || ::dup2(out, 1) < 0 || ::chdir(work.path().c_str()) != 0 || ::setrlimit(RLIMIT_FSIZE, &limit) != 0)
            ::_exit(5);
        const std::string script = (scripts / "save.scn").string();
        ::execl(TESSMAR_SHEET_DRIVER, TESSMAR_SHEET_DRIVER, script.c_str(), static_cast<char*>(nullptr));
        ::_exit(6);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_FALSE(WIFSIGNALED(status)) << "the driver was ended by signal " << WTERMSIG(status);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    const std::string printed = read_bytes(scripts / "out.txt");
    EXPECT_EQ(printed, "message_window.text=" + save_failed + "File too large\ncpsleft=5\n")
        << "the script runs on after both saves";
    EXPECT_EQ(folder_record(work.path()), before);
}

// A child saving two sheets in turn is killed at random moments, a few hundred
// times: each time the file holds one whole sheet, and once the program saves
// again no temporary file is left beside it.
TEST(SaveKilledAtRandomMoments, LeavesOneWholeSheetAndNoTemporaryFile)
{
    TempFolder folder;
    const fs::path file = folder / "sheet.txt";
    std::vector<std::string> whole{old_sheet};
    LoadedWindow w;
    w.form.alternativebackground.type(std::string(2900, 'a'));
    for (const char* name : {"First", "Second"}) {
        w.form.PCname.type(name);
        w.dialog.answer = (folder / "reference.txt").string();
        w.form.SAVE_Click();
        whole.push_back(read_bytes(folder / "reference.txt"));
    }
    fs::remove(folder / "reference.txt");
    write_bytes(file, old_sheet);
    w.dialog.answer = file.string();

    std::mt19937 random(13);
    std::uniform_int_distribution<int> delay_us(0, 3000);
    for (int kill = 0; kill < 300; ++kill) {
        const pid_t child = ::fork();
        if (child == 0) {
            for (int i = 0;; ++i) {
                w.form.PCname.type(i % 2 ? "Second" : "First");
                w.form.SAVE_Click();
            }
        }
        ::usleep(static_cast<useconds_t>(delay_us(random)));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        const std::string now = read_bytes(file);
        ASSERT_NE(std::find(whole.begin(), whole.end(), now), whole.end())
            << "kill " << kill << " left a torn sheet of " << now.size() << " bytes";
    }
    // A kill between naming the whole new file and renaming it over the sheet
    // leaves that name behind: a save once it is old removes it.
    for (const auto& [name, record] : folder_record(folder.path()))
        ASSERT_TRUE(make_minutes_old(folder / name, 20)) << name;
    w.form.SAVE_Click();
    EXPECT_EQ(w.form.message_window.text, "");
    EXPECT_EQ(folder_record(folder.path()).size(), 1u) << "temporary files left in the folder";
}

}  // namespace
}  // namespace tessmar
