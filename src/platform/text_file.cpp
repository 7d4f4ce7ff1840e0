// Replacing a file's whole content on POSIX: temporary file beside the target,
// fsync, close, rename over the target; any failure removes the temporary file.
#include "platform/text_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <optional>
#include <utility>
#include <vector>

namespace tessmar {

namespace {

// Symbolic links followed before giving up, as the system itself limits them.
constexpr int max_link_hops = 40;

std::string folder_of(const std::string& path)
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
// path for writing would reach. It need not exist yet.
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
        if (!target || target->empty()) return std::nullopt;
        path = target->front() == '/' ? *target : folder_of(path) + "/" + *target;
    }
    return std::nullopt;
}

mode_t current_umask()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

bool write_all(int fd, std::string_view bytes)
{
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

// Flushes the folder's entry for the renamed file; a folder that cannot be
// opened or flushed leaves the file written all the same.
void sync_folder(const std::string& folder)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

// The temporary file: closed and removed again unless it was renamed into place.
class TemporaryFile {
public:
    explicit TemporaryFile(std::string name_template) : name_(std::move(name_template))
    {
        fd_ = ::mkstemp(name_.data());
        exists_ = fd_ >= 0;
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile()
    {
        if (fd_ >= 0) ::close(fd_);
        if (exists_) ::unlink(name_.c_str());
    }

    int fd() const { return fd_; }

    bool close()
    {
        const int fd = std::exchange(fd_, -1);
        return ::close(fd) == 0;
    }
    bool rename_to(const std::string& target)
    {
        if (::rename(name_.c_str(), target.c_str()) != 0) return false;
        exists_ = false;
        return true;
    }

private:
    std::string name_;
    int fd_ = -1;
    bool exists_ = false;
};

}  // namespace

bool replace_file(const std::string& path, std::string_view bytes)
{
    const std::optional<std::string> target = follow_links(path);
    if (!target) return false;
    const std::string folder = folder_of(*target);
    const std::string name = name_of(*target);
    if (name.empty()) return false;  // "folder/": names a folder, not a file

    mode_t mode = 0666 & ~current_umask();
    std::optional<struct stat> replaced;
    struct stat st {};
    if (::stat(target->c_str(), &st) == 0) {
        if (!S_ISREG(st.st_mode)) return false;  // a folder, a device, a pipe: never replaced by a plain file
        mode = st.st_mode & 07777;
        replaced = st;
    } else if (errno != ENOENT) {
        return false;
    }

    // A hidden name beside the target; a long target name gets a short one.
    const std::string suffix = ".XXXXXX";
    const std::string temp_name =
        name.size() + 1 + suffix.size() <= NAME_MAX ? "." + name + suffix : std::string(".sheet") + suffix;
    TemporaryFile temp(folder + "/" + temp_name);
    if (temp.fd() < 0) return false;

    if (!write_all(temp.fd(), bytes)) return false;
    // Keep the owner and group where the system allows it (root may; others at
    // most a group of their own); the file is written all the same when not.
    if (replaced && ::fchown(temp.fd(), replaced->st_uid, replaced->st_gid) != 0) errno = 0;
    if (::fchmod(temp.fd(), mode) != 0) return false;
    if (::fsync(temp.fd()) != 0) return false;
    if (!temp.close()) return false;
    if (!temp.rename_to(*target)) return false;
    sync_folder(folder);
    return true;
}

}  // namespace tessmar
