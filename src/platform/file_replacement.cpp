// Replacing a file's whole content: a temporary file in the target's folder,
// given the old file's owner, group, mode and extended attributes, flushed and
// put in the target's place; or, where that would change what the file was,
// the file itself overwritten in place and flushed.
#include "platform/file_replacement.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <climits>
#include <cstring>
#include <ctime>
#include <optional>
#include <random>
#include <utility>
#include <vector>

#include "platform/file_replacement_calls.h"

namespace tessmar {

std::string FileWriteResult::reason() const
{
    // The few system texts too long for a one-line message, in shorter words.
    switch (error) {
    case ELOOP: return "Too many symbolic links";            // "Too many levels of symbolic links"
    case ENOTCONN: return "Not connected";                   // "Transport endpoint is not connected"
    case EAGAIN: return "Try again later";                   // "Resource temporarily unavailable"
    case EOVERFLOW: return "File too large";                 // "Value too large for defined data type"
    default: return std::strerror(error);
    }
}

namespace {

// Symbolic links followed before giving up, as the system itself limits them.
constexpr int max_link_hops = 40;

// A result of the replacement by rename meaning "the new file could not carry
// everything the old one had": the file is then written in place instead.
constexpr int cannot_carry = -1;

// The folder that holds path, as a path to open or to put a name after: "."
// for a bare name.
std::string folder_holding(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

std::string name_of(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::optional<std::string> link_target(const std::string& link)
{
    std::vector<char> buffer(256);
    for (;;) {
        const ssize_t n = ::readlink(link.c_str(), buffer.data(), buffer.size());
        if (n < 0) return std::nullopt;
        if (static_cast<std::size_t>(n) < buffer.size()) return std::string(buffer.data(), static_cast<std::size_t>(n));
        buffer.resize(buffer.size() * 2);
    }
}

// The path with every symbolic link at its end followed: the file that opening
// path for writing would reach. It need not exist yet. Sets errno when it fails.
std::optional<std::string> follow_links(std::string path)
{
    for (int hop = 0; hop <= max_link_hops; ++hop) {
        struct stat st {};
        if (::lstat(path.c_str(), &st) != 0) {
            if (errno == ENOENT) return path;  // a new file, or a missing folder that fails later
            return std::nullopt;
        }
        if (!S_ISLNK(st.st_mode)) return path;
        std::optional<std::string> target = link_target(path);
        if (!target) return std::nullopt;
        if (target->empty()) {
            errno = ENOENT;
            return std::nullopt;
        }
        path = target->front() == '/' ? *target : folder_holding(path) + "/" + *target;
    }
    errno = ELOOP;
    return std::nullopt;
}

int write_all(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return 0;
}

class FileDescriptor {
public:
    explicit FileDescriptor(int fd = -1) : fd_(fd) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    FileDescriptor& operator=(FileDescriptor&& other) noexcept
    {
        if (fd_ >= 0) ::close(fd_);
        fd_ = std::exchange(other.fd_, -1);
        return *this;
    }
    ~FileDescriptor()
    {
        if (fd_ >= 0) ::close(fd_);
    }
    int get() const { return fd_; }
    // Closes the file; 0, or the error of the close (a late write error).
    int close()
    {
        const int fd = std::exchange(fd_, -1);
        return ::close(fd) == 0 ? 0 : errno;
    }

private:
    int fd_;
};

// Flushes the folder's entry for the renamed file; a folder that cannot be
// opened or flushed leaves the file written all the same.
void sync_folder(const std::string& folder)
{
    const FileDescriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.get() >= 0) ::fsync(fd.get());
}

// Hidden names of temporary files: ".NAME.PID.XXXXXX" beside the file NAME (a
// short stand-in for NAME where that would be too long), so that a later save
// of NAME finds those that a killed save left.
std::string temporary_prefix(const std::string& name)
{
    constexpr std::size_t tail = 1 + 10 + 1 + 6;  // ".PID.XXXXXX"
    return name.size() + 1 + tail <= NAME_MAX ? "." + name + "." : std::string(".sheet.");
}

std::string temporary_name(const std::string& name)
{
    static std::minstd_rand random(std::random_device{}());
    static constexpr char letters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    std::string result = temporary_prefix(name) + std::to_string(::getpid()) + ".";
    for (int i = 0; i < 6; ++i) result += letters[random() % (sizeof letters - 1)];
    return result;
}

// Whether entry_name is prefix, a process number, a dot and six characters.
bool is_temporary_name(std::string_view entry_name, std::string_view prefix)
{
    if (!entry_name.starts_with(prefix)) return false;
    const std::string_view rest = entry_name.substr(prefix.size());
    const std::size_t dot = rest.find('.');
    if (dot == 0 || dot == std::string_view::npos || rest.size() - dot - 1 != 6) return false;
    unsigned long pid = 0;
    const auto [end, error] = std::from_chars(rest.data(), rest.data() + dot, pid);
    return error == std::errc{} && end == rest.data() + dot;
}

// Older than any save takes to write its temporary file and rename it.
constexpr std::time_t abandoned_after_seconds = 10 * 60;

// Removes the temporary files of NAME that saves killed before they finished
// left: only the user's own and only old ones, since a process number says
// nothing of a save running on another machine that shares the folder.
void remove_abandoned_temporaries(const std::string& folder, const std::string& name)
{
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr) return;
    const std::string prefix = temporary_prefix(name);
    const std::time_t now = std::time(nullptr);
    while (const dirent* entry = ::readdir(dir)) {
        if (!is_temporary_name(entry->d_name, prefix)) continue;
        struct stat st {};
        if (::fstatat(::dirfd(dir), entry->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0) continue;
        if (!S_ISREG(st.st_mode) || st.st_uid != ::geteuid() || now - st.st_mtime < abandoned_after_seconds) continue;
        ::unlinkat(::dirfd(dir), entry->d_name, 0);
    }
    ::closedir(dir);
}

// The file that will replace the target, while it is being written: closed,
// and removed when it has a name, unless it was put in the target's place.
class Replacement {
public:
    Replacement(const std::string& folder, const std::string& name, TemporaryFile kind)
        : folder_(folder), name_(name)
    {
        if (kind == TemporaryFile::unnamed_where_possible) {
            fd_ = FileDescriptor(open_unnamed_file(folder));
            if (fd_.get() >= 0) {
                unnamed_ = true;
                return;
            }
            // Systems and file systems without unnamed files answer one of these.
            if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL) {
                error_ = errno;
                return;
            }
        }
        error_ = create_named();
    }
    Replacement(const Replacement&) = delete;
    Replacement& operator=(const Replacement&) = delete;
    ~Replacement()
    {
        if (!temporary_path_.empty()) ::unlink(temporary_path_.c_str());
    }

    int error() const { return error_; }
    int fd() const { return fd_.get(); }
    bool unnamed() const { return unnamed_; }

    // Gives the whole, flushed file the target's name: a new target is linked
    // directly where possible, an existing one is replaced by a rename.
    int put_in_place(const std::string& target, bool target_exists)
    {
        if (unnamed_) {
            if (!target_exists) {
                const int error = link_unnamed_file(fd_.get(), target);
                if (error == 0) return fd_.close();
                if (error != EEXIST) return error;  // EEXIST: made meanwhile, so it is replaced
            }
            const int error =
                under_fresh_name([this](const std::string& path) { return link_unnamed_file(fd_.get(), path); });
            if (error != 0) return error;
        }
        if (const int error = fd_.close()) return error;
        if (::rename(temporary_path_.c_str(), target.c_str()) != 0) return errno;
        temporary_path_.clear();
        return 0;
    }

private:
    // Makes a file under a fresh temporary name with make(path), which answers 0
    // or an error: the path made is the one to remove; a name that is taken
    // meanwhile (EEXIST) is tried again with another.
    template <class Make>
    int under_fresh_name(Make make)
    {
        for (int attempt = 0; attempt < 100; ++attempt) {
            const std::string path = folder_ + "/" + temporary_name(name_);
            const int error = make(path);
            if (error == 0) temporary_path_ = path;
            if (error != EEXIST) return error;
        }
        return EEXIST;
    }

    int create_named()
    {
        return under_fresh_name([this](const std::string& path) {
            const int fd = ::open(path.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0666);
            if (fd < 0) return errno;
            fd_ = FileDescriptor(fd);
            return 0;
        });
    }

    std::string folder_;
    std::string name_;
    FileDescriptor fd_;
    std::string temporary_path_;  // a named file on disk that is ours to remove
    bool unnamed_ = false;
    int error_ = 0;
};

// Gives the replacement the old file's owner, group, attributes and mode, and
// checks that it has them.
bool carry_over(int old_fd, const struct stat& old, int fd)
{
    struct stat now {};
    if (::fstat(fd, &now) != 0) return false;
    if ((now.st_uid != old.st_uid || now.st_gid != old.st_gid) && ::fchown(fd, old.st_uid, old.st_gid) != 0)
        return false;
    if (!copy_extended_attributes(old_fd, fd)) return false;
    if (::fchmod(fd, old.st_mode & 07777) != 0) return false;
    if (::fstat(fd, &now) != 0) return false;
    return now.st_uid == old.st_uid && now.st_gid == old.st_gid && (now.st_mode & 07777) == (old.st_mode & 07777);
}

// Fills the replacement and puts it in target's place, or answers cannot_carry
// when it could not take all that old (open as old_fd; nullptr: none) had.
int write_and_put_in_place(Replacement& replacement, const std::string& target, std::string_view bytes,
                           const struct stat* old, int old_fd)
{
    if (const int error = replacement.error()) {
        // A folder this process may not write: the old file is written in place.
        if (old != nullptr && (error == EACCES || error == EPERM)) return cannot_carry;
        return error;
    }
    if (const int error = write_all(replacement.fd(), bytes)) return error;
    if (old != nullptr && !carry_over(old_fd, *old, replacement.fd())) return cannot_carry;
    if (::fsync(replacement.fd()) != 0) return errno;
    return replacement.put_in_place(target, old != nullptr);
}

// Tries the kind of temporary file asked for, then a named one: without /proc a
// process without privilege may not link an unnamed file (ENOENT).
int replace_by_rename(const std::string& folder, const std::string& name, const std::string& target,
                      std::string_view bytes, const struct stat* old, int old_fd, TemporaryFile kind)
{
    int error = 0;
    for (TemporaryFile way : {kind, TemporaryFile::named}) {
        Replacement replacement(folder, name, way);
        error = write_and_put_in_place(replacement, target, bytes, old, old_fd);
        if (error != ENOENT || !replacement.unnamed()) break;
    }
    if (error != 0) return error;
    sync_folder(folder);
    remove_abandoned_temporaries(folder, name);
    return 0;
}

// Overwrites the open file, which is old_size bytes long, with bytes. The size
// limit and the disk space are checked first, so that those failures leave the
// file as it was.
int write_in_place(FileDescriptor& fd, off_t old_size, std::string_view bytes)
{
    rlimit limit{};
    // rlim_t is unsigned on Linux, signed on FreeBSD.
    if (::getrlimit(RLIMIT_FSIZE, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY &&
        std::cmp_greater(bytes.size(), limit.rlim_cur))
        return EFBIG;
    if (const int error = reserve_space(fd.get(), old_size, bytes.size())) return error;
    if (const int error = write_all(fd.get(), bytes)) return error;
    if (::ftruncate(fd.get(), static_cast<off_t>(bytes.size())) != 0) return errno;
    if (::fsync(fd.get()) != 0) return errno;
    return fd.close();
}

int replace(const std::string& path, std::string_view bytes, TemporaryFile kind)
{
    const std::optional<std::string> target = follow_links(path);
    if (!target) return errno;
    const std::string folder = folder_holding(*target);
    const std::string name = name_of(*target);

    struct stat st {};
    if (::stat(target->c_str(), &st) != 0) {
        if (errno != ENOENT) return errno;
        if (name.empty()) return EISDIR;  // "folder/": names a folder, not a file
        return replace_by_rename(folder, name, *target, bytes, nullptr, -1, kind);
    }
    if (S_ISDIR(st.st_mode)) return EISDIR;
    if (!S_ISREG(st.st_mode) || name.empty()) return EINVAL;  // a device, a pipe: never replaced by a plain file

    // The file must be one this process may write, as a truncating open would
    // require; it is not truncated here, so that a failure leaves it whole.
    FileDescriptor fd(::open(target->c_str(), O_WRONLY | O_NOCTTY | O_NONBLOCK | O_CLOEXEC));
    if (fd.get() < 0) return errno;
    if (::fstat(fd.get(), &st) != 0) return errno;
    if (!S_ISREG(st.st_mode)) return EINVAL;
    if (st.st_nlink == 1) {
        const int result = replace_by_rename(folder, name, *target, bytes, &st, fd.get(), kind);
        if (result != cannot_carry) return result;
    }
    return write_in_place(fd, st.st_size, bytes);
}

}  // namespace

FileWriteResult replace_file(const std::string& path, std::string_view bytes, TemporaryFile temporary)
{
    return {replace(path, bytes, temporary)};
}

}  // namespace tessmar
