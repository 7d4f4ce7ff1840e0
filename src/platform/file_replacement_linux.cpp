// A file replacement's Linux calls: an unnamed temporary file (O_TMPFILE)
// linked once it is whole, extended attributes copied, and space reserved for
// an overwrite without changing the file's size (fallocate).
#include "platform/file_replacement_calls.h"

#include <fcntl.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <optional>
#include <vector>

namespace tessmar {

int open_unnamed_file(const std::string& folder)
{
    return ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
}

int link_unnamed_file(int fd, const std::string& path)
{
    const std::string proc_path = "/proc/self/fd/" + std::to_string(fd);
    if (::linkat(AT_FDCWD, proc_path.c_str(), AT_FDCWD, path.c_str(), AT_SYMLINK_FOLLOW) == 0) return 0;
    const int error = errno;
    // Without /proc, only a privileged process may link a descriptor itself.
    if (error == ENOENT && ::linkat(fd, "", AT_FDCWD, path.c_str(), AT_EMPTY_PATH) == 0) return 0;
    return error;
}

namespace {

std::vector<std::string> attribute_names(int fd, int& error)
{
    error = 0;
    for (;;) {
        const ssize_t size = ::flistxattr(fd, nullptr, 0);
        if (size < 0) {
            if (errno != ENOTSUP) error = errno;  // ENOTSUP: a file system without attributes has none
            return {};
        }
        std::vector<char> list(static_cast<std::size_t>(size));
        const ssize_t got = ::flistxattr(fd, list.data(), list.size());
        if (got < 0 && errno == ERANGE) continue;  // grew in between
        if (got < 0) {
            error = errno;
            return {};
        }
        std::vector<std::string> names;
        for (const char* p = list.data(); p < list.data() + got; p += std::strlen(p) + 1) names.emplace_back(p);
        return names;
    }
}

std::optional<std::string> attribute_value(int fd, const std::string& name)
{
    for (;;) {
        const ssize_t size = ::fgetxattr(fd, name.c_str(), nullptr, 0);
        if (size < 0) return std::nullopt;
        std::string value(static_cast<std::size_t>(size), '\0');
        const ssize_t got = ::fgetxattr(fd, name.c_str(), value.data(), value.size());
        if (got < 0 && errno == ERANGE) continue;
        if (got < 0) return std::nullopt;
        value.resize(static_cast<std::size_t>(got));
        return value;
    }
}

}  // namespace

bool copy_extended_attributes(int from, int to)
{
    int error = 0;
    const std::vector<std::string> names = attribute_names(from, error);
    if (error != 0) return false;
    for (const std::string& name : names) {
        const std::optional<std::string> value = attribute_value(from, name);
        if (!value) return false;
        if (attribute_value(to, name) == value) continue;  // e.g. a security label given at creation
        if (::fsetxattr(to, name.c_str(), value->data(), value->size(), 0) != 0) return false;
    }
    const std::vector<std::string> own = attribute_names(to, error);
    if (error != 0) return false;
    for (const std::string& name : own)
        if (std::find(names.begin(), names.end(), name) == names.end() && ::fremovexattr(to, name.c_str()) != 0)
            return false;
    return true;
}

int reserve_space(int fd, off_t, std::size_t size)
{
    if (size == 0) return 0;
    // A file system that cannot reserve space counts as having room.
    if (::fallocate(fd, FALLOC_FL_KEEP_SIZE, 0, static_cast<off_t>(size)) != 0 && (errno == ENOSPC || errno == EDQUOT))
        return errno;
    return 0;
}

}  // namespace tessmar
